#include <gtest/gtest.h>

#include "core/db/Database.h"
#include "patients/Visits.h"
#include "support/ProgramFolder.h"

namespace orvex {
namespace {

TEST(VisitsTest, Statements) {
    EXPECT_EQ(VisitsSql(12), "SELECT * FROM vidv WHERE pid=12 ORDER BY vidv.vdate, vidv.vid");
    EXPECT_EQ(ReportItemsSql(7),
              "SELECT [zvit].[zid], [f39].[name], [zvit].[cnt] FROM [f39], [zvit] WHERE ([zvit].[vid]=7) AND "
              "([f39].[id]=[zvit].[fid]) ORDER BY zid DESC;");
    const QDateTime now(QDate(2007, 4, 2), QTime(9, 5, 31));
    EXPECT_EQ(AddVisitSql(now, 3, true),
              "INSERT INTO vidv(vdate,vtime,pid,perv) VALUES(#4/2/2007#,#12/30/1899 9:5:0#,3,true);");
    EXPECT_EQ(AddVisitSql(now, 3, false),
              "INSERT INTO vidv(vdate,vtime,pid,perv) VALUES(#4/2/2007#,#12/30/1899 9:5:0#,3,false);");
}

TEST(VisitsTest, CaptionsAndAppending) {
    EXPECT_EQ(VisitTabCaption(QDate(2024, 3, 5)), "5 березня");
    EXPECT_EQ(VisitTabCaption(QDate(2024, 12, 31)), "31 грудня");
    EXPECT_EQ(VisitCounterText(2, 5), "Відвідування : 2 з 5");
    EXPECT_EQ(VisitCounterText(0, 0), "Відвідування : 0 з 0");
    EXPECT_EQ(AppendText("", "біль"), "біль");
    EXPECT_EQ(AppendText("Скарги", ""), "Скарги");
    EXPECT_EQ(AppendText("Скарги", "біль"), "Скарги біль");
}

TEST(VisitsTest, ReportItemsCountFactorTimesTeeth) {
    const struct {
        QStringList entries;
        int teeth;
        QStringList counts;  // "fid:cnt" of each statement
    } cases[] = {
        {{"2x15", "16"}, 3, {"15:6", "16:3"}},
        {{"1,5x51"}, 3, {"51:4.5"}},
        {{"1,5x51"}, 0, {"51:1.5"}},  // no tooth chosen counts once
        {{"0"}, 4, {}},
        {{"", " 17 "}, 1, {"17:1"}},
        {{"0,1x9"}, 3, {"9:0.3"}},
        // Damaged entries are skipped rather than spliced into a statement.
        {{"x15", "ax15", "15); DELETE FROM pac;--", "2x", "infx5", "3x4"}, 1, {"4:3"}},
    };
    for (const auto& c : cases) {
        QStringList counts;
        for (const QString& sql : ReportItemStatements(42, c.entries, c.teeth)) {
            const QString prefix = QStringLiteral("INSERT INTO zvit(vid,fid,cnt) VALUES(42,");
            ASSERT_TRUE(sql.startsWith(prefix) && sql.endsWith(");")) << sql.toStdString();
            counts << sql.mid(prefix.size(), sql.size() - prefix.size() - 2).replace(u',', u':');
        }
        EXPECT_EQ(counts, c.counts) << c.entries.join(u'|').toStdString();
    }
}

class VisitsDbTest : public test::ProgramFolderTest {};

TEST_F(VisitsDbTest, StatementsRunOnTheDatabase) {
    Database db;
    db.Open(Path("data/data.base"));
    const QDateTime now(QDate(2024, 3, 5), QTime(14, 30));
    EXPECT_EQ(db.Exec(AddVisitSql(now, 3, true)), 1);
    EXPECT_EQ(db.Exec(AddVisitSql(now.addDays(-1), 3, false)), 1);
    const Rows visits = db.Query(VisitsSql(3));
    ASSERT_EQ(visits.Count(), 2);
    EXPECT_EQ(visits.Value(0, "perv").toInt(), 0);  // oldest first
    EXPECT_EQ(visits.Value(1, "perv").toInt(), 1);
    const int vid = visits.Value(1, "vid").toInt();
    for (const QString& sql : ReportItemStatements(vid, {"1,5x15", "16"}, 3)) db.Exec(sql);
    const Rows items = db.Query(ReportItemsSql(vid));
    ASSERT_EQ(items.Count(), 2);
    EXPECT_EQ(items.Value(0, "cnt").toDouble(), 3.0);  // newest first
    EXPECT_EQ(items.Value(1, "cnt").toDouble(), 4.5);
    EXPECT_FALSE(items.Value(1, "name").toString().isEmpty());
}

}  // namespace
}  // namespace orvex
