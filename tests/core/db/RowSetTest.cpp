#include <gtest/gtest.h>

#include <QItemSelectionModel>
#include <QSignalSpy>

#include "core/Errors.h"
#include "core/db/Database.h"
#include "core/db/DateNumber.h"
#include "core/db/RowSet.h"
#include "core/db/RowSetModel.h"
#include "support/ProgramFolder.h"

namespace orvex {
namespace {

class RowSetTest : public test::ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        db.Open(Path("data/data.base"));
        for (const char* statement : {
                 "INSERT INTO pac(pid,pname,uid,regdat,arch,selo,tel) "
                 "VALUES(1,\"Іваненко\",1,#4/2/2007#,0,True,\"050\")",
                 "INSERT INTO pac(pid,pname,uid,regdat,arch,selo,tel) "
                 "VALUES(2,\"Ґалаган\",1,#4/3/2007#,1,False,\"067\")",
                 "INSERT INTO pac(pid,pname,uid,regdat,arch,selo,tel) "
                 "VALUES(3,\"Євтушенко\",2,#4/4/2007#,3,False,\"063\")",
                 "INSERT INTO pac(pid,pname,uid,regdat,arch,selo,tel) "
                 "VALUES(4,\"Бондар\",2,#4/5/2007#,0,False,null)",
                 "INSERT INTO vidv(pid,vdate,vtime,perv,likuv,sum) VALUES(1,#4/2/2007#,#12/30/1899 "
                 "9:5:0#,True,\"Пломба\",150.5)",
             })
            db.Exec(QString::fromUtf8(statement));
        patients.SetSql("SELECT pac.* FROM pac ORDER BY pac.pname");
        patients.SetUpdateTable("pac", "pid");
    }
    QVariant Stored(const QString& sql) { return db.Query(sql).Value(0, 0); }
    QStringList Names() {
        QStringList names;
        for (int i = 0; i < patients.Count(); ++i)
            names << patients.ValueAt(i, patients.ColumnIndex("pname")).toString();
        return names;
    }

    Database db;
    RowSet patients{db};
};

TEST_F(RowSetTest, BrowsesRowsInOrderAndReadsTypedFields) {
    patients.Open();
    EXPECT_EQ(Names(), QStringList({"Бондар", "Ґалаган", "Євтушенко", "Іваненко"}));
    EXPECT_EQ(patients.Position(), 0);
    EXPECT_EQ(patients.state(), RowSet::State::Browse);
    patients.Last();
    EXPECT_EQ(patients.Text("PNAME"), "Іваненко");
    EXPECT_EQ(patients.Int("pid"), 1);
    EXPECT_EQ(patients.Date("regdat"), QDate(2007, 4, 2));
    EXPECT_EQ(patients.Text("regdat"), "02.04.2007");
    EXPECT_TRUE(patients.Bool("selo"));
    EXPECT_TRUE(patients.IsNull("birth"));
    EXPECT_FALSE(patients.Date("birth").isValid());
    EXPECT_TRUE(patients.Value("nosuch").isNull());
    EXPECT_FALSE(patients.Eof());
    patients.Next();
    EXPECT_TRUE(patients.Eof());
    EXPECT_EQ(patients.Position(), 3);
    patients.Prior();
    EXPECT_EQ(patients.Text("pname"), "Євтушенко");
    EXPECT_EQ(patients.DeclaredType(patients.ColumnIndex("regdat")), "DATETIME");

    RowSet visits(db);
    visits.SetSql("SELECT * FROM vidv");
    visits.Open();
    EXPECT_EQ(visits.Time("vtime"), QTime(9, 5));
    EXPECT_EQ(visits.Text("vtime"), "9:05:00");
    EXPECT_EQ(visits.MoneyValue("sum"), Money{1505000});
    EXPECT_EQ(visits.Number("sum"), 150.5);

    RowSet none(db);
    none.SetSql("SELECT * FROM pac WHERE pid=99");
    none.Open();
    EXPECT_TRUE(none.IsEmpty());
    EXPECT_EQ(none.Position(), -1);
    EXPECT_TRUE(none.Text("pname").isEmpty());
    EXPECT_FALSE(none.Edit());
}

TEST_F(RowSetTest, PostWritesOnlyTheChangedColumnsByKey) {
    patients.Open();
    ASSERT_TRUE(patients.Locate("pid", 2));
    QSignalSpy changed(&patients, &RowSet::rowChanged);
    ASSERT_TRUE(patients.Edit());
    EXPECT_EQ(patients.state(), RowSet::State::Edit);
    patients.SetValue("pname", QStringLiteral("Ґалаган-Новак"));
    patients.SetDate("birth", QDate(2000, 5, 1));
    patients.SetValue("selo", true);
    EXPECT_TRUE(patients.IsModified());
    EXPECT_EQ(patients.Text("pname"), "Ґалаган-Новак");
    EXPECT_GE(changed.count(), 3);
    // Another workstation changes a column this one did not touch; it must survive the post.
    db.Exec("UPDATE pac SET tel=\"999\" WHERE pid=2");
    patients.Post();
    EXPECT_EQ(patients.state(), RowSet::State::Browse);
    EXPECT_FALSE(patients.IsModified());
    EXPECT_EQ(Stored("SELECT pname FROM pac WHERE pid=2").toString(), "Ґалаган-Новак");
    EXPECT_EQ(Stored("SELECT birth FROM pac WHERE pid=2"), QVariant(qlonglong(36647)));
    EXPECT_EQ(Stored("SELECT selo FROM pac WHERE pid=2"), QVariant(qlonglong(1)));
    EXPECT_EQ(Stored("SELECT tel FROM pac WHERE pid=2").toString(), "999");
    EXPECT_EQ(Stored("SELECT pname FROM pac WHERE pid=1").toString(), "Іваненко");
    EXPECT_EQ(patients.Date("birth"), QDate(2000, 5, 1));

    // An edit that changed nothing writes nothing.
    db.Exec("UPDATE pac SET pname=\"Інше\" WHERE pid=2");
    ASSERT_TRUE(patients.Edit());
    patients.Post();
    EXPECT_EQ(Stored("SELECT pname FROM pac WHERE pid=2").toString(), "Інше");
}

TEST_F(RowSetTest, CancelDropsTheEditAndWritingOutsideAnEditIsRefused) {
    patients.Open();
    EXPECT_THROW(patients.SetValue("pname", "x"), DbError);
    ASSERT_TRUE(patients.Edit());
    EXPECT_THROW(patients.SetValue("nosuch", "x"), DbError);
    patients.SetValue("pname", QStringLiteral("Змінено"));
    patients.Cancel();
    EXPECT_EQ(patients.state(), RowSet::State::Browse);
    EXPECT_EQ(patients.Text("pname"), "Бондар");
    EXPECT_EQ(Stored("SELECT pname FROM pac WHERE pid=4").toString(), "Бондар");

    RowSet readOnly(db);
    readOnly.SetSql("SELECT * FROM pac");
    readOnly.Open();
    EXPECT_FALSE(readOnly.Edit());  // no table to write back to
}

TEST_F(RowSetTest, LeavingAModifiedRowPostsIt) {
    patients.Open();
    ASSERT_TRUE(patients.Edit());
    patients.SetValue("tel", QStringLiteral("111"));
    patients.Next();
    EXPECT_EQ(patients.state(), RowSet::State::Browse);
    EXPECT_EQ(Stored("SELECT tel FROM pac WHERE pid=4").toString(), "111");
    ASSERT_TRUE(patients.Edit());
    patients.Next();  // untouched: nothing to write
    EXPECT_EQ(patients.state(), RowSet::State::Browse);
}

TEST_F(RowSetTest, InsertReadsBackTheCounterAndDefaults) {
    RowSet visits(db);
    visits.SetSql("SELECT * FROM vidv WHERE pid=1 ORDER BY vid");
    visits.SetUpdateTable("vidv", "vid");
    visits.Open();
    visits.Append();
    EXPECT_EQ(visits.state(), RowSet::State::Insert);
    EXPECT_EQ(visits.Count(), 2);
    EXPECT_EQ(visits.Position(), 1);
    visits.SetValue("pid", 1);
    visits.SetDate("vdate", QDate(2007, 4, 9));
    visits.SetTime("vtime", QTime(14, 30));
    visits.Post();
    const qint64 vid = db.LastInsertId();
    EXPECT_GT(vid, 1);
    EXPECT_EQ(visits.Int("vid"), vid);
    EXPECT_EQ(visits.Number("sum"), 0);  // the table's default, read back
    EXPECT_FALSE(visits.Bool("perv"));
    // The stored time equals a bound one exactly.
    EXPECT_EQ(db.Query("SELECT vid FROM vidv WHERE vtime=:tim", QTime(14, 30)).Count(), 1);

    // Cancel of an insert takes the new row away again.
    visits.First();
    visits.Append();
    visits.SetValue("likuv", QStringLiteral("x"));
    visits.Cancel();
    EXPECT_EQ(visits.Count(), 2);
    EXPECT_EQ(visits.Position(), 0);
    EXPECT_EQ(Stored("SELECT count(*) FROM vidv"), QVariant(qlonglong(2)));

    // A given key is kept.
    patients.Open();
    patients.Append();
    patients.SetValue("pid", 40);
    patients.SetValue("pname", QStringLiteral("Жук"));
    patients.Post();
    EXPECT_EQ(patients.Int("pid"), 40);
    EXPECT_EQ(Stored("SELECT pname FROM pac WHERE pid=40").toString(), "Жук");
    EXPECT_EQ(patients.Int("arch"), 0);  // default
}

TEST_F(RowSetTest, DeleteRemovesTheRowByKeyAndStaysInPlace) {
    patients.Open();
    patients.SetPosition(1);
    patients.Delete();
    EXPECT_EQ(Names(), QStringList({"Бондар", "Євтушенко", "Іваненко"}));
    EXPECT_EQ(patients.Position(), 1);
    EXPECT_EQ(Stored("SELECT count(*) FROM pac WHERE pid=2"), QVariant(qlonglong(0)));
    patients.Last();
    patients.Delete();
    EXPECT_EQ(patients.Position(), 1);
    EXPECT_EQ(patients.Text("pname"), "Євтушенко");
}

TEST_F(RowSetTest, LocateFindsByValueLikeTheDatabaseCompares) {
    patients.Open();
    const struct {
        const char* column;
        QVariant value;
        int position;
    } cases[] = {
        {"pname", QStringLiteral("ЄВТУШЕНКО"), 2},
        {"pid", 1, 3},
        {"pid", QStringLiteral("2"), 1},
        {"regdat", QDate(2007, 4, 5), 0},
        {"selo", true, 3},
        {"pid", 99, -1},
        {"nosuch", 1, -1},
        {"tel", QVariant(), -1},
    };
    for (const auto& c : cases) {
        patients.SetPosition(1);
        EXPECT_EQ(patients.Locate(QString::fromUtf8(c.column), c.value), c.position >= 0) << c.column;
        EXPECT_EQ(patients.Position(), c.position >= 0 ? c.position : 1) << c.column;
    }
}

TEST_F(RowSetTest, RequeryStaysOnTheSameKey) {
    int opened = 0;
    patients.afterOpen = [&](RowSet&) { ++opened; };
    patients.Open();
    ASSERT_TRUE(patients.Locate("pid", 3));
    db.Exec("INSERT INTO pac(pid,pname) VALUES(5,\"Авраменко\")");
    patients.Requery();
    EXPECT_EQ(patients.Count(), 5);
    EXPECT_EQ(patients.Text("pname"), "Євтушенко");
    EXPECT_EQ(patients.Position(), 3);
    db.Exec("DELETE FROM pac WHERE pid=3");
    patients.Requery();
    EXPECT_EQ(patients.Position(), 0);
    EXPECT_EQ(opened, 3);
    // A failing query leaves the rows as they were.
    patients.SetSql("SELECT nosuch FROM pac");
    EXPECT_THROW(patients.Requery(), DbError);
    EXPECT_EQ(patients.Count(), 4);
}

TEST_F(RowSetTest, FilterSelectsRowsWithoutRereading) {
    patients.SetFilter("arch=0");  // before opening: applied on open
    patients.Open();
    EXPECT_EQ(Names(), QStringList({"Бондар", "Іваненко"}));
    db.Exec("INSERT INTO pac(pid,pname,arch) VALUES(5,\"Авраменко\",1)");
    const struct {
        const char* filter;
        QStringList names;
    } cases[] = {
        {"arch=1", {"Ґалаган"}},
        {" arch = 3 ", {"Євтушенко"}},
        {"pname='ҐАЛАГАН'", {"Ґалаган"}},
        {"tel='063'", {"Євтушенко"}},
        {"uid=2", {"Бондар", "Євтушенко"}},
        {"arch=7", {}},
        {"", {"Бондар", "Ґалаган", "Євтушенко", "Іваненко"}},
    };
    for (const auto& c : cases) {
        patients.SetFilter(QString::fromUtf8(c.filter));
        EXPECT_EQ(Names(), c.names) << c.filter;
        EXPECT_EQ(patients.Position(), c.names.isEmpty() ? -1 : 0) << c.filter;
    }
    patients.SetFilter("arch=1");
    for (const char* wrong : {"nosuch=1", "arch=abc", "arch", "=1"}) {
        EXPECT_THROW(patients.SetFilter(QString::fromUtf8(wrong)), DbError) << wrong;
        EXPECT_EQ(patients.Filter(), "arch=1");
        EXPECT_EQ(Names(), QStringList({"Ґалаган"}));
    }
    // Edits work on a filtered row and write to the right key.
    ASSERT_TRUE(patients.Edit());
    patients.SetValue("tel", QStringLiteral("555"));
    patients.Post();
    EXPECT_EQ(Stored("SELECT tel FROM pac WHERE pid=2").toString(), "555");
}

TEST_F(RowSetTest, HooksCanRefuseAnEditAndStopAPost) {
    bool locked = true;
    int posted = 0;
    patients.beforeEdit = [&](RowSet&) { return !locked; };
    patients.beforePost = [&](RowSet& rows) {
        if (rows.Text("pname").isEmpty()) throw DbError("Прізвище не може бути порожнім.");
    };
    patients.afterPost = [&](RowSet&) { ++posted; };
    patients.Open();
    EXPECT_FALSE(patients.Edit());
    EXPECT_EQ(patients.state(), RowSet::State::Browse);
    locked = false;
    ASSERT_TRUE(patients.Edit());
    patients.SetValue("pname", QString());
    EXPECT_THROW(patients.Post(), DbError);
    EXPECT_EQ(patients.state(), RowSet::State::Edit);
    EXPECT_EQ(Stored("SELECT pname FROM pac WHERE pid=4").toString(), "Бондар");
    EXPECT_EQ(posted, 0);
    patients.SetValue("pname", QStringLiteral("Бондаренко"));
    patients.Post();
    EXPECT_EQ(posted, 1);
    EXPECT_EQ(Stored("SELECT pname FROM pac WHERE pid=4").toString(), "Бондаренко");
}

TEST_F(RowSetTest, ModelShowsKindsAndFollowsTheRowSet) {
    RowSet visits(db);
    visits.SetSql("SELECT vidv.*, vidv.vdate+vidv.vtime AS moment, \"\" AS blank FROM vidv");
    visits.SetUpdateTable("vidv", "vid");
    visits.Open();
    RowSetModel model(visits, {{"vdate", "Дата", RowSetModel::Shown::Date},
                               {"vtime", "Час", RowSetModel::Shown::Time},
                               {"moment", "Коли", RowSetModel::Shown::DateTime},
                               {"sum", "Сума", RowSetModel::Shown::Money},
                               {"perv", "Перше", RowSetModel::Shown::Check},
                               {"likuv", "Лікування"},
                               {"blank", "Дата", RowSetModel::Shown::Date},
                               {"nosuch", "?"}});
    ASSERT_EQ(model.rowCount(), 1);
    ASSERT_EQ(model.columnCount(), 8);
    const auto shown = [&](int column) {
        return model.data(model.index(0, column), Qt::DisplayRole).toString();
    };
    EXPECT_EQ(shown(0), "02.04.2007");
    EXPECT_EQ(shown(1), "09:05");
    EXPECT_EQ(shown(2), "02.04.2007 9:05:00");
    EXPECT_EQ(shown(3), "150,50");
    EXPECT_EQ(model.data(model.index(0, 4), Qt::CheckStateRole), QVariant(Qt::Checked));
    EXPECT_EQ(shown(5), "Пломба");
    EXPECT_EQ(shown(6), "");
    EXPECT_EQ(shown(7), "");
    EXPECT_EQ(model.headerData(3, Qt::Horizontal, Qt::DisplayRole), "Сума");

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    ASSERT_TRUE(visits.Edit());
    visits.SetMoney("sum", Money{125000});
    visits.SetValue("perv", false);
    EXPECT_EQ(shown(3), "12,50");  // shown while still being edited
    EXPECT_EQ(model.data(model.index(0, 4), Qt::CheckStateRole), QVariant(Qt::Unchecked));
    EXPECT_GE(changed.count(), 2);
    visits.Post();

    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    db.Exec("INSERT INTO vidv(pid,vdate) VALUES(2,#4/3/2007#)");
    visits.Requery();
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(model.rowCount(), 2);
    visits.SetFilter("pid=2");
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(shown(0), "03.04.2007");
    EXPECT_EQ(shown(3), "0,00");

    // The view's current row and the row set's move together.
    visits.SetFilter("");
    QItemSelectionModel selection(&model);
    model.Follow(&selection);
    EXPECT_EQ(selection.currentIndex().row(), 0);
    visits.SetPosition(1);
    EXPECT_EQ(selection.currentIndex().row(), 1);
    selection.setCurrentIndex(model.index(0, 2), QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(visits.Position(), 0);
}

TEST(RowSetModelTest, DisplayTextOfStoredValues) {
    using S = RowSetModel::Shown;
    const struct {
        QVariant stored;
        S shown;
        const char* text;
    } cases[] = {
        {qlonglong(39174), S::Date, "02.04.2007"},
        {39174.5, S::Date, "02.04.2007"},
        {TimeNumber({7, 3}), S::Time, "07:03"},
        {39174.5, S::DateTime, "02.04.2007 12:00:00"},
        {qlonglong(39174), S::DateTime, "02.04.2007"},
        {12.5, S::Money, "12,50"},
        {qlonglong(3), S::Money, "3,00"},
        {0.125, S::Plain, "0.125"},
        {qlonglong(7), S::Plain, "7"},
        {QVariant(), S::Date, ""},
        {QStringLiteral("текст"), S::Plain, "текст"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RowSetModel::DisplayText(c.stored, c.shown), QString::fromUtf8(c.text)) << c.text;
}

}  // namespace
}  // namespace orvex
