#include <gtest/gtest.h>

#include "core/SchemaUpgrade.h"
#include "core/Settings.h"
#include "core/db/Database.h"
#include "support/ProgramFolder.h"

namespace orvex {
namespace {

class SchemaUpgradeTest : public test::ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        db.Open(Path("data/data.base"));
        db.Exec(QStringLiteral("INSERT INTO users(uname,upass) VALUES(\"Лікар\",\"\")"));
    }
    // Takes the database back to an older layout.
    void Drop(const QStringList& statements) {
        for (const QString& s : statements) db.ExecNative(s);
    }
    bool HasColumn(const char* table, const char* column) {
        return db.Columns(QString::fromLatin1(table)).contains(QString::fromLatin1(column));
    }

    Database db;
};

TEST_F(SchemaUpgradeTest, OldDatabaseGetsEveryMissingItem) {
    Drop({"ALTER TABLE users DROP COLUMN medit", "ALTER TABLE users DROP COLUMN vedit",
          "ALTER TABLE users DROP COLUMN pvis", "DROP TABLE plan", "ALTER TABLE pac DROP COLUMN posada"});
    UpgradeSchema(db);

    for (const char* column : {"medit", "vedit", "pvis"}) EXPECT_TRUE(HasColumn("users", column)) << column;
    EXPECT_TRUE(HasColumn("pac", "posada"));
    const Rows user = db.Query(QStringLiteral("SELECT medit, vedit, pvis FROM users"));
    EXPECT_EQ(user.Value(0, "medit").toInt(), 0);
    EXPECT_EQ(user.Value(0, "vedit").toInt(), 0);
    EXPECT_EQ(user.Value(0, "pvis").toInt(), 1);

    // The new plan table takes rows as the treatment plan writes them, numbering them itself.
    db.Exec(QStringLiteral(
        "INSERT INTO [plan](dat,pid,typ,ptext) VALUES(#4/2/2007#,7,\"Терапія\",\"16 - пломба\")"));
    const Rows plan = db.Query(QStringLiteral("SELECT * FROM [plan] WHERE [plan].[pid]=7"));
    ASSERT_EQ(plan.Count(), 1);
    EXPECT_EQ(plan.Value(0, "plid").toInt(), 1);
    EXPECT_EQ(db.Query(QStringLiteral("SELECT name FROM sqlite_master WHERE name='pidindex'")).Count(), 1);

    UpgradeSchema(db);  // a second start finds nothing to do
}

TEST_F(SchemaUpgradeTest, TableWithMeditGetsNoVeditTest) {
    Drop({"ALTER TABLE users DROP COLUMN vedit"});
    UpgradeSchema(db);
    EXPECT_FALSE(HasColumn("users", "vedit"));
}

TEST_F(SchemaUpgradeTest, NetworkClientNeverAltersTheDatabase) {
    QString changes;
    AppendSetting(QStringLiteral("NETWORK"), QStringLiteral("1"), changes);
    AppendSetting(QStringLiteral("SERVER"), QStringLiteral("0"), changes);
    WriteSettingsGroup(Path("config/sdata.opt"), changes);
    Drop({"ALTER TABLE users DROP COLUMN pvis", "DROP TABLE plan"});
    UpgradeSchema(db);
    EXPECT_FALSE(HasColumn("users", "pvis"));
    EXPECT_FALSE(db.Tables().contains(QStringLiteral("plan")));
}

}  // namespace
}  // namespace orvex
