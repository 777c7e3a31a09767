#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QVBoxLayout>

#include "core/db/Database.h"
#include "core/db/FieldBinding.h"
#include "core/db/RowSet.h"
#include "support/ProgramFolder.h"

namespace orvex {
namespace {

// A patient card's fields bound to the patient list: a name line, a sex selector (by index), a
// shade selector (by text), the birth date, the village mark and the notes.
class FieldBindingTest : public test::ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        db.Open(Path("data/data.base"));
        db.Exec(
            "INSERT INTO pac(pid,pname,sex,vita,birth,selo,notes) "
            "VALUES(1,\"Іваненко\",1,\"A2\",#5/1/2000#,False,\"н\")");
        db.Exec(
            "INSERT INTO pac(pid,pname,sex,vita,birth,selo,notes) "
            "VALUES(2,\"Петренко\",2,\"B1\",#6/2/1990#,True,null)");
        rows.SetSql("SELECT * FROM pac ORDER BY pname");
        rows.SetUpdateTable("pac", "pid");
        sex->addItems({"", "Чоловіча", "Жіноча"});
        vita->addItems({"A1", "A2", "B1"});
        auto* layout = new QVBoxLayout(&form);
        for (QWidget* field : std::initializer_list<QWidget*>{name, sex, vita, birth, selo, notes})
            layout->addWidget(field);
        bindings.push_back(new FieldBinding(rows, "pname", name, &form));
        bindings.push_back(new FieldBinding(rows, "sex", sex, &form));
        auto* byText = new FieldBinding(rows, "vita", vita, &form);
        byText->SetComboValue(FieldBinding::ComboValue::Text);
        bindings.push_back(byText);
        bindings.push_back(new FieldBinding(rows, "birth", birth, &form));
        bindings.push_back(new FieldBinding(rows, "selo", selo, &form));
        bindings.push_back(new FieldBinding(rows, "notes", notes, &form));
        form.show();
        rows.Open();
    }
    QString StoredText(const QString& sql) { return db.Query(sql).Value(0, 0).toString(); }

    Database db;
    RowSet rows{db};
    QWidget form;
    QLineEdit* name = new QLineEdit(&form);
    QComboBox* sex = new QComboBox(&form);
    QComboBox* vita = new QComboBox(&form);
    QDateEdit* birth = new QDateEdit(&form);
    QCheckBox* selo = new QCheckBox(&form);
    QPlainTextEdit* notes = new QPlainTextEdit(&form);
    std::vector<FieldBinding*> bindings;
};

TEST_F(FieldBindingTest, FieldsShowTheCurrentRow) {
    EXPECT_EQ(name->text(), "Іваненко");
    EXPECT_EQ(sex->currentIndex(), 1);
    EXPECT_EQ(vita->currentText(), "A2");
    EXPECT_EQ(birth->date(), QDate(2000, 5, 1));
    EXPECT_FALSE(selo->isChecked());
    EXPECT_EQ(notes->toPlainText(), "н");
    rows.Next();
    EXPECT_EQ(name->text(), "Петренко");
    EXPECT_EQ(sex->currentIndex(), 2);
    EXPECT_EQ(vita->currentText(), "B1");
    EXPECT_EQ(birth->date(), QDate(1990, 6, 2));
    EXPECT_TRUE(selo->isChecked());
    EXPECT_EQ(notes->toPlainText(), "");
    EXPECT_EQ(rows.state(), RowSet::State::Browse);  // showing is no edit
    EXPECT_FALSE(rows.IsModified());
}

TEST_F(FieldBindingTest, UserChangesPutTheRowIntoEditAndArePosted) {
    name->setFocus();
    name->end(false);
    QTest::keyClicks(name, "-Nova");
    EXPECT_EQ(rows.state(), RowSet::State::Edit);
    EXPECT_EQ(rows.Text("pname"), "Іваненко-Nova");
    EXPECT_EQ(name->text(), "Іваненко-Nova");
    sex->setCurrentIndex(2);
    vita->setCurrentIndex(2);
    birth->setDate(QDate(2001, 2, 3));
    selo->click();
    notes->setPlainText("алергія");
    rows.Post();
    EXPECT_EQ(StoredText("SELECT pname FROM pac WHERE pid=1"), "Іваненко-Nova");
    EXPECT_EQ(StoredText("SELECT sex FROM pac WHERE pid=1"), "2");
    EXPECT_EQ(StoredText("SELECT vita FROM pac WHERE pid=1"), "B1");
    EXPECT_EQ(db.Query("SELECT birth FROM pac WHERE pid=1").Value(0, 0).toDouble(), 36925);
    EXPECT_EQ(StoredText("SELECT selo FROM pac WHERE pid=1"), "1");
    EXPECT_EQ(StoredText("SELECT notes FROM pac WHERE pid=1"), "алергія");
}

TEST_F(FieldBindingTest, RefusedEditRestoresTheField) {
    rows.beforeEdit = [](RowSet&) { return false; };  // the card is locked on another workstation
    QTest::keyClicks(name, "X");
    EXPECT_EQ(name->text(), "Іваненко");
    sex->setCurrentIndex(0);
    EXPECT_EQ(sex->currentIndex(), 1);
    selo->click();
    EXPECT_FALSE(selo->isChecked());
    notes->setPlainText("інше");
    EXPECT_EQ(notes->toPlainText(), "н");
    EXPECT_EQ(rows.state(), RowSet::State::Browse);
    EXPECT_EQ(StoredText("SELECT pname FROM pac WHERE pid=1"), "Іваненко");
}

TEST_F(FieldBindingTest, CancelAndReadOnlyAndEmptySets) {
    QTest::keyClicks(name, "Z");
    selo->click();
    rows.Cancel();
    EXPECT_EQ(name->text(), "Іваненко");
    EXPECT_FALSE(selo->isChecked());

    bindings[0]->SetReadOnly(true);
    EXPECT_TRUE(name->isReadOnly());
    QTest::keyClicks(name, "Z");
    EXPECT_EQ(name->text(), "Іваненко");
    EXPECT_EQ(rows.state(), RowSet::State::Browse);

    rows.SetFilter("pid=99");
    EXPECT_EQ(name->text(), "");
    EXPECT_FALSE(sex->isEnabled());
    EXPECT_TRUE(notes->isReadOnly());
    notes->setPlainText("x");
    EXPECT_EQ(notes->toPlainText(), "");
    EXPECT_EQ(rows.state(), RowSet::State::Browse);
}

}  // namespace
}  // namespace orvex
