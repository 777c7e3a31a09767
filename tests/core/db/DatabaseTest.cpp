#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QElapsedTimer>
#include <QFile>

#include "core/Errors.h"
#include "core/db/Database.h"
#include "support/ProgramFolder.h"

namespace orvex {
namespace {

using test::ProgramFolderTest;
using test::ReadFile;
using test::WriteFile;

class DatabaseTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        db.Open(Path("data/data.base"));
    }
    QString Error(const QString& jet) {
        try {
            db.Exec(jet);
        } catch (const DbError& e) {
            return e.text();
        }
        return {};
    }
    QStringList Names(const QString& jet) {
        const Rows rows = db.Query(jet);
        QStringList names;
        for (int i = 0; i < rows.Count(); ++i) names << rows.Value(i, 0).toString();
        return names;
    }
    Database db;
};

void MakeForeignDatabase(const QString& path) {
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &raw), SQLITE_OK);
    sqlite3_exec(raw, "CREATE TABLE notes (id INTEGER, txt TEXT)", nullptr, nullptr, nullptr);
    sqlite3_close(raw);
}

TEST_F(DatabaseTest, OpenRefusesWhatIsNotThisProgramsDatabaseAndCreatesNothing) {
    const QString missing = Path("data/missing.base");
    const QString empty = Path("data/empty.base");
    const QString binary = Path("data/binary.base");
    const QString foreign = Path("data/foreign.base");
    WriteFile(empty, {});
    WriteFile(binary, QByteArray(4096, char(0xAB)));
    MakeForeignDatabase(foreign);
    const QByteArray binaryBytes = ReadFile(binary);
    const QByteArray foreignBytes = ReadFile(foreign);
    for (const QString& file : {missing, empty, binary, foreign, Path("data")}) {
        Database other;
        try {
            other.Open(file);
            ADD_FAILURE() << "opened " << file.toStdString();
        } catch (const DbError& e) {
            EXPECT_TRUE(e.text().contains(file)) << e.text().toStdString();
        }
        EXPECT_FALSE(other.IsOpen());
    }
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_EQ(ReadFile(empty).size(), 0);
    EXPECT_EQ(ReadFile(binary), binaryBytes);
    EXPECT_EQ(ReadFile(foreign), foreignBytes);
    EXPECT_FALSE(QFile::exists(Path("data/missing.base-journal")));
}

TEST_F(DatabaseTest, OpensSharedWithTheRollbackJournalAndABusyWait) {
    EXPECT_TRUE(db.IsOpen());
    EXPECT_EQ(db.QueryNative("PRAGMA journal_mode").Value(0, 0).toString().toLower(), "delete");
    // A second connection (another workstation) holding a write lock: we wait, then report it.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(Path("data/data.base")).constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    QElapsedTimer timer;
    timer.start();
    EXPECT_NE(Error("UPDATE opt SET cn=cn+1"), QString());
    EXPECT_GE(timer.elapsed(), 1000);
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(db.Exec("UPDATE opt SET cn=cn+1"), 1);
}

TEST_F(DatabaseTest, ErrorsCarryTheEnginesTextAndTheStatement) {
    EXPECT_EQ(Error("SELECT nosuch FROM pac"), "no such column: nosuch\nSELECT nosuch FROM pac");
    EXPECT_TRUE(Error("SELECT * FROM nosuch").startsWith("no such table: nosuch"));
    EXPECT_TRUE(Error("DELETE FROM pac WHERE pid=1; DELETE FROM users").contains("DELETE FROM users"));
    EXPECT_NE(Error("   "), QString());
    EXPECT_NE(Error("SELECT \"abc"), QString());
    EXPECT_EQ(Error("SELECT * FROM pac WHERE pid=1;  ;\n"),
              QString());  // a trailing semicolon is no statement
    db.Close();
    EXPECT_NE(Error("SELECT * FROM pac"), QString());
}

TEST_F(DatabaseTest, ExecCountsTheRowsItChanged) {
    EXPECT_EQ(db.Exec("INSERT INTO pac(pid,pname,uid,regdat,arch) VALUES(1,\"А\",1,#4/2/2007#,0)"), 1);
    EXPECT_EQ(db.Exec("INSERT INTO pac(pid,pname,uid,regdat,arch) VALUES(2,\"Б\",1,#4/2/2007#,0)"), 1);
    EXPECT_EQ(db.Exec("UPDATE pac SET arch=1 WHERE uid=1"), 2);
    EXPECT_EQ(db.Exec("UPDATE pac SET arch=1 WHERE uid=7"), 0);
    EXPECT_EQ(db.Exec("CREATE INDEX pac_arch ON pac (arch)"), 0);  // not the count of the update before
    EXPECT_EQ(db.Exec("DELETE FROM pac"), 2);
    EXPECT_EQ(db.Exec("SELECT * FROM users"), 0);
}

TEST_F(DatabaseTest, QueryKeepsNamesDeclaredTypesAndStoredValues) {
    db.Exec(
        "INSERT INTO vidv(pid,vdate,vtime,perv,likuv,sum) VALUES(7,#4/2/2007#,#12/30/1899 "
        "9:5:0#,True,null,12.5)");
    const Rows rows =
        db.Query("SELECT vid, vdate, vtime, perv, likuv, sum, [vidv].[pid] AS [Хто], 11 AS typ FROM vidv");
    ASSERT_EQ(rows.Count(), 1);
    EXPECT_EQ(rows.columns, QStringList({"vid", "vdate", "vtime", "perv", "likuv", "sum", "Хто", "typ"}));
    EXPECT_EQ(rows.types,
              QStringList({"INTEGER", "DATETIME", "DATETIME", "BIT", "TEXT", "CURRENCY", "INTEGER", ""}));
    EXPECT_EQ(rows.Value(0, "VDATE"), QVariant(qlonglong(39174)));
    EXPECT_EQ(rows.Value(0, "vtime").typeId(), QMetaType::Double);
    EXPECT_EQ(rows.Value(0, "perv"), QVariant(qlonglong(1)));
    EXPECT_TRUE(rows.Value(0, "likuv").isNull());
    EXPECT_EQ(rows.Value(0, "sum"), QVariant(12.5));
    EXPECT_EQ(rows.Value(0, "хто"), QVariant(qlonglong(7)));
    EXPECT_THROW(rows.Value(0, "nosuch"), DbError);
    EXPECT_THROW(rows.Value(1, "vid"), DbError);
}

TEST_F(DatabaseTest, ListsUserTablesAndColumns) {
    const QStringList tables = db.Tables();
    for (const char* table : {"pac", "vidv", "zvit", "f39", "napr", "nagad", "plan", "photos", "payments",
                              "users", "rooms", "groups", "dov", "opt"})
        EXPECT_TRUE(tables.contains(QLatin1StringView(table))) << table;
    EXPECT_EQ(tables.size(), 14) << tables.join(u',').toStdString();  // no sqlite_sequence
    EXPECT_EQ(db.Columns("NAPR"), QStringList({"nid", "npid", "nuid", "ndid", "regdat", "ond", "ont"}));
    EXPECT_EQ(db.Columns("nosuch"), QStringList());
    EXPECT_EQ(db.Columns("pac\"; DROP TABLE pac; --"), QStringList());
    EXPECT_TRUE(db.Tables().contains("pac"));
}

TEST_F(DatabaseTest, TextColumnsCompareSortAndMatchInUkrainian) {
    const char* names[] = {"Іваненко", "Ґалаган", "Євтушенко", "Гнатюк", "Їжак", "Жук", "Smith", "Єрмак"};
    int pid = 0;
    for (const char* name : names)
        db.ExecNative("INSERT INTO pac(pid,pname) VALUES(?,?)", {++pid, QString::fromUtf8(name)});
    EXPECT_EQ(Names("SELECT pname FROM pac ORDER BY pname"),
              QStringList({"Гнатюк", "Ґалаган", "Євтушенко", "Єрмак", "Жук", "Іваненко", "Їжак", "Smith"}));
    EXPECT_EQ(Names("SELECT pname FROM pac WHERE pname=\"ґАЛАГАН\""), QStringList({"Ґалаган"}));
    EXPECT_EQ(Names("SELECT pname FROM pac WHERE pname=\"ІВАНЕНКО\""), QStringList({"Іваненко"}));
    EXPECT_EQ(Names("SELECT pname FROM pac WHERE pname LIKE \"%шЕН%\" ORDER BY pname"),
              QStringList({"Євтушенко"}));
    EXPECT_EQ(Names("SELECT pname FROM pac WHERE pname LIKE \"є%\" ORDER BY pname"),
              QStringList({"Євтушенко", "Єрмак"}));
    EXPECT_EQ(Names("SELECT pname FROM pac WHERE pname LIKE \"_ук\""), QStringList({"Жук"}));
    EXPECT_EQ(Names("SELECT pname FROM pac WHERE pname LIKE \"sm%\""), QStringList({"Smith"}));
    EXPECT_EQ(Names("SELECT pname FROM pac WHERE pname LIKE 'ж!%' ESCAPE '!'"), QStringList());
    EXPECT_EQ(Names("SELECT pname FROM pac WHERE pname > \"Ж\" ORDER BY pname DESC"),
              QStringList({"Smith", "Їжак", "Іваненко", "Жук"}));
    EXPECT_EQ(Names("SELECT count(*) FROM pac WHERE pname LIKE null"), QStringList({"0"}));
}

TEST_F(DatabaseTest, BindsTheTimeParameterAndPositionalValues) {
    db.Exec("INSERT INTO napr(npid,ond,ont) VALUES(1,#4/2/2007#,#12/30/1899 9:5:0#)");
    db.Exec("INSERT INTO napr(npid,ond,ont) VALUES(2,#4/2/2007#,#12/30/1899 9:30:0#)");
    const Rows rows = db.Query("SELECT napr.npid FROM napr WHERE ond=#4/2/2007# AND ont=:tim", QTime(9, 30));
    ASSERT_EQ(rows.Count(), 1);
    EXPECT_EQ(rows.Value(0, 0), QVariant(qlonglong(2)));
    EXPECT_EQ(db.Query("SELECT npid FROM napr WHERE ont=:tim", QTime(9, 31)).Count(), 0);
    db.ExecNative("INSERT INTO dov(name,firma,info) VALUES(?,?,?)",
                  {QStringLiteral("Ф'ірма \"X\""), true, QVariant()});
    const Rows dov = db.QueryNative("SELECT name, firma, info FROM dov WHERE zid=?", {db.LastInsertId()});
    EXPECT_EQ(dov.Value(0, 0).toString(), "Ф'ірма \"X\"");
    EXPECT_EQ(dov.Value(0, 1), QVariant(qlonglong(1)));
    EXPECT_TRUE(dov.Value(0, 2).isNull());
    EXPECT_THROW(db.QueryNative("SELECT ?", {}), DbError);
}

}  // namespace
}  // namespace orvex

namespace orvex {
namespace {

// A large result spans several storage blocks; removing and rewriting rows must keep every value
// in its place across the block edges.
TEST(RowsTest, ValuesSurviveBlockEdgesRemovalAndRewrites) {
    Rows rows;
    rows.columns = {"n", "text", "real"};
    const int count = 40000;  // 120 000 cells
    for (int i = 0; i < count; ++i) {
        rows.AddInteger(i);
        const QByteArray text = "рядок " + QByteArray::number(i);
        rows.AddText(text.constData(), int(text.size()));
        if (i % 2)
            rows.AddNull();
        else
            rows.AddReal(i + 0.5);
    }
    ASSERT_EQ(rows.Count(), count);
    rows.RemoveRow(10);
    rows.RemoveRow(count - 2);  // the last one
    ASSERT_EQ(rows.Count(), count - 2);
    for (int r : {0, 9, 10, 21844, 21845, 30000, count - 3}) {
        const int n = r < 10 ? r : r + 1;
        EXPECT_EQ(rows.Value(r, 0), QVariant(qlonglong(n))) << r;
        EXPECT_EQ(rows.Value(r, "TEXT").toString(), "рядок " + QString::number(n)) << r;
        EXPECT_EQ(rows.IsNull(r, 2), n % 2 == 1) << r;
    }
    rows.AppendRow();
    rows.Set(count - 2, 1, QStringLiteral("Новий"));
    rows.Set(count - 2, 0, true);
    EXPECT_EQ(rows.Value(count - 2, 1).toString(), "Новий");
    EXPECT_EQ(rows.Value(count - 2, 0), QVariant(qlonglong(1)));
    EXPECT_TRUE(rows.IsNull(count - 2, 2));
    EXPECT_TRUE(rows.Equals(count - 2, 1, Rows::ProbeOf(QStringLiteral("НОВИЙ"))));
    EXPECT_TRUE(rows.Equals(5, 0, Rows::ProbeOf(QStringLiteral("5"))));
    EXPECT_FALSE(rows.Equals(5, 1, Rows::ProbeOf(5)));
    EXPECT_FALSE(rows.Equals(1, 2, Rows::ProbeOf(QVariant())));
    const Rows copy = rows;  // an independent copy
    rows.Set(0, 1, QStringLiteral("змінено"));
    EXPECT_EQ(copy.Value(0, 1).toString(), "рядок 0");
}

}  // namespace
}  // namespace orvex
