#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "CardFileFixture.h"
#include "core/Fmt.h"
#include "core/db/RowSet.h"
#include "patients/TAddUser.h"
#include "patients/TKartForm.h"
#include "users/TDocSelForm.h"

namespace orvex {
namespace {

using test::CardFileTest;

class KartFormTest : public CardFileTest {
protected:
    TKartForm& kart() { return *windows.kart; }
    RowSet& list() { return kart().patients(); }
    QString Name(int pid) {
        return Scalar("SELECT pname FROM pac WHERE pid=" + QString::number(pid)).toString();
    }

    // "Новий": types the name into the new-patient dialog and, for the administrator, picks the
    // doctor at the given position of the doctor choice.
    void Register(const QString& name, int doctorIndex = 0) {
        WhenModal([name, doctorIndex] {
            auto* add = qobject_cast<TAddUser*>(QApplication::activeModalWidget());
            ASSERT_TRUE(add);
            Type(add->nameField, name);
            WhenModal([doctorIndex] {
                auto* doctors = qobject_cast<TDocSelForm*>(QApplication::activeModalWidget());
                ASSERT_TRUE(doctors);
                doctors->doctors->setCurrentIndex(doctorIndex);
                doctors->Select();
            });
            add->accept();
        });
        kart().NewPatient();
    }
};

TEST_F(KartFormTest, RegisteredPatientsAreNumberedFromTheCounterAndShownInTheirGroup) {
    ctx.db.Exec(QStringLiteral("UPDATE opt SET cn=830"));
    kart().show();
    Register(QStringLiteral("петренко іван"), 1);  // typed in lower case: capitalised per word
    Register(QStringLiteral("Андрієнко Ганна"), 0);

    EXPECT_EQ(Name(830), "Петренко Іван");
    EXPECT_EQ(Scalar(QStringLiteral("SELECT uid FROM pac WHERE pid=830")).toInt(), 1);  // "Шевченко Тарас"
    EXPECT_EQ(Scalar(QStringLiteral("SELECT uid FROM pac WHERE pid=831")).toInt(), 2);  // "Коваленко Олена"
    EXPECT_EQ(Scalar(QStringLiteral("SELECT cn FROM opt")).toInt(), 832);
    EXPECT_EQ(kart().listTitle->text(), "Пацієнти [2]");
    EXPECT_EQ(list().Text(QStringLiteral("pname")), "Андрієнко Ганна");  // the new patient is current
    EXPECT_EQ(network->sent, QStringList({"cardrefresh", "cardrefresh"}));

    // A name that differs only in letter case is refused.
    prompts.Clear();
    WhenModal([] {
        auto* add = qobject_cast<TAddUser*>(QApplication::activeModalWidget());
        add->nameField->setText(QStringLiteral("АНДРІЄНКО ГАННА"));
        add->accept();
    });
    kart().NewPatient();
    EXPECT_EQ(prompts.Texts(),
              QStringList({"Пацієнт з подібним ім`ям уже існує !", "Пацієнт НЕ був доданий !"}));
    EXPECT_EQ(Scalar(QStringLiteral("SELECT cn FROM opt")).toInt(), 832);
}

TEST_F(KartFormTest, GroupsAndQuickSearchWorkWithoutTheDatabase) {
    AddPatientRow(1, QStringLiteral("Іваненко Петро"), 1, 0);
    AddPatientRow(2, QStringLiteral("Ґонта Максим"), 1, 1);
    AddPatientRow(3, QStringLiteral("Євтушенко Ольга"), 2, 0);
    AddPatientRow(4, QStringLiteral("Бойко Марія"), 2, 0);
    kart().show();
    ASSERT_EQ(kart().groupSelector->currentText(), "Загальна");
    EXPECT_EQ(kart().listTitle->text(), "Пацієнти [3]");

    const int before = StatementsRun();
    kart().groupSelector->setCurrentIndex(0);  // "Усі"
    kart().ApplyGroupFilter(0);
    EXPECT_EQ(kart().listTitle->text(), "Пацієнти [4]");
    kart().ApplyGroupFilter(2);  // "Архів"
    EXPECT_EQ(kart().listTitle->text(), "Пацієнти [1]");
    kart().ApplyGroupFilter(0);
    Type(kart().quickSearch, QStringLiteral("єв"));
    EXPECT_EQ(list().Int(QStringLiteral("pid")), 3);
    EXPECT_EQ(StatementsRun(), before) << "the group filter and quick search must not query";

    // Names sort in Ukrainian alphabetical order: Б, Ґ, Є, І.
    QStringList order;
    for (int i = 0; i < list().Count(); ++i)
        order << list().ValueAt(i, list().ColumnIndex(QStringLiteral("pname"))).toString();
    EXPECT_EQ(order, QStringList({"Бойко Марія", "Ґонта Максим", "Євтушенко Ольга", "Іваненко Петро"}));
}

TEST_F(KartFormTest, DoctorWithoutAllregSeesOnlyOwnPatients) {
    AddPatientRow(1, QStringLiteral("Іваненко Петро"), 1);
    AddPatientRow(2, QStringLiteral("Бойко Марія"), 2);
    LogInAs(1);
    kart().show();
    kart().ApplyGroupFilter(0);
    ASSERT_EQ(list().Count(), 1);
    EXPECT_EQ(list().Int(QStringLiteral("pid")), 1);
}

TEST_F(KartFormTest, CardEditTakesTheLockAndSavingWritesTheRow) {
    AddPatientRow(5, QStringLiteral("Бойко Марія"), 1);
    kart().show();
    ASSERT_TRUE(kart().HasPatient());
    EXPECT_FALSE(kart().saveButton->isEnabled());

    Type(kart().cardFields[0], QStringLiteral("Біль"));
    EXPECT_EQ(network->taken, QStringList({"p5"}));
    EXPECT_TRUE(kart().saveButton->isEnabled());
    kart().sex->setCurrentIndex(1);
    Q_EMIT kart().sex->activated(1);
    EXPECT_EQ(kart().residenceLabel->text(), "Мешканка:");

    kart().SaveChanges();
    EXPECT_EQ(Scalar(QStringLiteral("SELECT skargy FROM pac WHERE pid=5")).toString(), "Біль");
    EXPECT_EQ(Scalar(QStringLiteral("SELECT sex FROM pac WHERE pid=5")).toInt(), 2);
    EXPECT_EQ(network->released, QStringList({"p5"}));
    EXPECT_EQ(network->sent, QStringList({"cardrefresh"}));
    EXPECT_FALSE(kart().saveButton->isEnabled());

    // Locked on another workstation: typing does not start an edit and the field shows the row.
    network->lockedElsewhere.insert(QStringLiteral("p5"));
    Type(kart().cardFields[0], QStringLiteral("!"));
    EXPECT_EQ(list().state(), RowSet::State::Browse);
    EXPECT_EQ(qobject_cast<QLineEdit*>(kart().cardFields[0])->text(), "Біль");
}

TEST_F(KartFormTest, NameIsCapitalisedWhileTyped) {
    AddPatientRow(5, QString(), 1);
    kart().show();
    kart().name->setFocus();
    Type(kart().name, QStringLiteral("ярема ґанна"));
    EXPECT_EQ(kart().name->text(), "Ярема ґанна") << "ґ is outside the upper-casing table";
    kart().name->clear();
    Type(kart().name, QStringLiteral("їжак олег"));
    EXPECT_EQ(kart().name->text(), "Їжак Олег");
    kart().CancelChanges();
}

TEST_F(KartFormTest, AgeAndPhotoStates) {
    AddPatientRow(5, QStringLiteral("Бойко Марія"), 1);
    ctx.db.Exec("UPDATE pac SET birth=" + SqlDate(QDate::currentDate().addDays(-366)) +
                ", photo=\"lost.jpg\"");
    AddPatientRow(6, QStringLiteral("Гнатюк Іван"), 1);
    kart().show();
    list().Locate(QStringLiteral("pid"), 5);
    EXPECT_EQ(kart().age->text(), "1");
    EXPECT_EQ(kart().photo->text(), "Завантаження...");
    QTRY_COMPARE(kart().photo->text(), QStringLiteral("Фото пошкоджене !"));
    list().Locate(QStringLiteral("pid"), 6);
    EXPECT_EQ(kart().age->text(), QString());
    EXPECT_EQ(kart().photo->text(), "Фото відсутнє");

    // Photos hidden: the panel offers them, and a click on it shows them.
    kart().showPhotos->setChecked(false);
    list().Locate(QStringLiteral("pid"), 5);
    QTRY_COMPARE(kart().photo->text(), QStringLiteral("Показати фото"));
    QTest::mouseClick(kart().photo, Qt::LeftButton);
    EXPECT_TRUE(kart().showPhotos->isChecked());
    QTRY_COMPARE(kart().photo->text(), QStringLiteral("Фото пошкоджене !"));
}

TEST_F(KartFormTest, QuickPhrasesReplaceExceptPastDiseasesWhichAppend) {
    AddPatientRow(5, QStringLiteral("Бойко Марія"), 1);
    kart().show();
    kart().ApplyQuickPhrase(0, QStringLiteral("Біль при накушуванні"));
    kart().ApplyQuickPhrase(0, QStringLiteral("Кровоточивість ясен"));
    kart().ApplyQuickPhrase(2, QStringLiteral("Гіпертонія"));
    kart().ApplyQuickPhrase(2, QStringLiteral("Цукровий діабет"));
    kart().SaveChanges();
    EXPECT_EQ(Scalar(QStringLiteral("SELECT skargy FROM pac")).toString(), "Кровоточивість ясен");
    EXPECT_EQ(Scalar(QStringLiteral("SELECT zahvorlast FROM pac")).toString(), "Гіпертонія, Цукровий діабет");
}

TEST_F(KartFormTest, TransferAndDeletion) {
    AddPatientRow(5, QStringLiteral("Бойко Марія"), 1);
    AddPatientRow(6, QStringLiteral("Гнатюк Іван"), 1);
    ctx.db.Exec(QStringLiteral(
        "INSERT INTO napr(npid,nuid,ndid,ond,ont) VALUES(5,1,1,#4/2/2007#,#12/30/1899 9:0:0#)"));
    ctx.db.Exec(QStringLiteral("INSERT INTO vidv(pid,vdate,perv) VALUES(5,#4/2/2007#,True)"));
    ctx.db.Exec(QStringLiteral("INSERT INTO zvit(vid,fid,cnt) VALUES(1,9,1)"));
    ctx.db.Exec(QStringLiteral("INSERT INTO payments(pid,pcnt,znyzhka,pdat) VALUES(5,100,0,#4/2/2007#)"));
    kart().show();
    list().Locate(QStringLiteral("pid"), 5);

    prompts.AnswerYes();
    kart().TransferCurrentPatient(QStringLiteral("Коваленко Олена"));
    EXPECT_EQ(prompts.Texts(),
              QStringList({"Переназначити усі направлення пацієнта на лікаря Коваленко Олена ?"}));
    EXPECT_EQ(Scalar(QStringLiteral("SELECT uid FROM pac WHERE pid=5")).toInt(), 2);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT ndid FROM napr")).toInt(), 2);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT uid FROM pac WHERE pid=6")).toInt(), 1);

    prompts.Clear();
    list().Locate(QStringLiteral("pid"), 5);
    prompts.AnswerYes();
    kart().DeleteCurrentPatient();
    EXPECT_EQ(prompts.Texts(),
              QStringList({"Ви дійсно бажаєте видалити усі дані про пацієнта \"Бойко Марія\" ?"}));
    for (const char* table : {"zvit", "vidv", "payments", "napr"})
        EXPECT_EQ(Scalar("SELECT count(*) FROM " + QString::fromLatin1(table)).toInt(), 0) << table;
    EXPECT_EQ(Scalar(QStringLiteral("SELECT count(*) FROM pac")).toInt(), 1);
    EXPECT_EQ(network->sent, QStringList({"cardrefresh", "nznrefresh"}));
}

TEST_F(KartFormTest, Screenshot) {
    AddPatientRow(5, QStringLiteral("Бойко Марія Степанівна"), 1);
    ctx.db.Exec(
        "UPDATE pac SET birth=" + SqlDate(QDate(1984, 3, 12)) +
        ", sex=2, adres=\"м. Львів, вул. Зелена, 12, кв. 4\", tel=\"067 123 45 67\", skargy=\"Біль при "
        "накушуванні\", prykus=\"Ортогнатичний\", vita=\"A2\"");
    AddPatientRow(6, QStringLiteral("Гнатюк Іван Петрович"), 1);
    kart().resize(1024, 768);
    kart().show();
    list().Locate(QStringLiteral("pid"), 5);
    SaveScreen(&kart(), QStringLiteral("kart-card"));
}

}  // namespace
}  // namespace orvex
