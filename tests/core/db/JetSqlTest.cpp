#include <gtest/gtest.h>

#include "core/db/DateNumber.h"
#include "core/db/JetSql.h"

namespace orvex {
namespace {

TEST(JetSqlTest, TranslatesTheDialect) {
    const struct {
        const char* jet;
        const char* sqlite;
    } cases[] = {
        // dates and times
        {"SELECT * FROM vidv WHERE vdate=#4/2/2007#", "SELECT * FROM vidv WHERE vdate=39174"},
        {"(vidv.vdate>=#1/1/2007#) AND (vidv.vdate<#1/1/2008#)",
         "(vidv.vdate>=39083) AND (vidv.vdate<39448)"},
        {"VALUES(#4/2/2007#,#12/30/1899 12:0:0#,5)", "VALUES(39174,0.5,5)"},
        {"#4/2/2007 18:0:0#", "39174.75"},
        {"#12/30/1899 0:0:0#", "0"},
        {"birth>#1/1/1850# AND x-#1/1/1850#", "birth>(-18260) AND x-(-18260)"},
        {"#12/29/1899 6:0:0#", "(-1.25)"},
        {"#2/30/2007#", "#2/30/2007#"},  // no such day: left for the engine to refuse
        {"#4/2/2007", "#4/2/2007"},
        // texts
        {"WHERE pname=\"Іваненко\"", "WHERE pname='Іваненко'"},
        {"\"O\"\"Brien\"", "'O\"Brien'"},
        {"\"д'Арк\"", "'д''Арк'"},
        {"\"\"", "''"},
        {"'as is'", "'as is'"},
        {"\"#4/2/2007# [pac] True; DROP\"", "'#4/2/2007# [pac] True; DROP'"},
        {"SELECT \"abc", "SELECT \"abc"},  // unclosed: the engine reports it
        // names
        {"[pac].[pname]", "\"pac\".\"pname\""},
        {"([pac].[uid]=[users.uid])", "(\"pac\".\"uid\"=\"users\".\"uid\")"},
        {"Count(vidv.vid) AS [Count-vid]", "Count(vidv.vid) AS \"Count-vid\""},
        {"SELECT * FROM [plan]", "SELECT * FROM \"plan\""},
        // truth values, whole words only
        {"done=True AND perv=FALSE OR x=true", "done=1 AND perv=0 OR x=1"},
        {"SELECT Trueness, [True], \"False\" FROM t", "SELECT Trueness, \"True\", 'False' FROM t"},
        {"VALUES(1,\"txt\",39174,False,2)", "VALUES(1,'txt',39174,0,2)"},
        // qualified columns on the left of SET
        {"UPDATE pac SET pac.uid=5 WHERE pac.pid=3", "UPDATE pac SET uid=5 WHERE pac.pid=3"},
        {"UPDATE napr SET napr.ndid=2 WHERE napr.ndid=1", "UPDATE napr SET ndid=2 WHERE napr.ndid=1"},
        {"UPDATE [pac] SET [pac].[photo]=null, pac.uid = pac.uid+1 WHERE [pac].[pid]=1",
         "UPDATE \"pac\" SET \"photo\"=null, uid = pac.uid+1 WHERE \"pac\".\"pid\"=1"},
        {"UPDATE photos SET dat=#4/2/2007#, descript=\"a, b.c=d\" WHERE photoid=3",
         "UPDATE photos SET dat=39174, descript='a, b.c=d' WHERE photoid=3"},
        {"UPDATE opt SET cn=cn+1", "UPDATE opt SET cn=cn+1"},
        {"SELECT a.b FROM t WHERE a.b=1", "SELECT a.b FROM t WHERE a.b=1"},
        // the time parameter
        {"SELECT napr.nid FROM napr WHERE ond=#4/2/2007# AND ont=:tim",
         "SELECT napr.nid FROM napr WHERE ond=39174 AND ont=:tim"},
        // table definitions
        {"ALTER TABLE users ADD COLUMN medit bit NOT NULL;",
         "ALTER TABLE users ADD COLUMN medit BIT NOT NULL DEFAULT 0;"},
        {"ALTER TABLE users ADD COLUMN pvis bit NOT NULL DEFAULT True;",
         "ALTER TABLE users ADD COLUMN pvis BIT NOT NULL DEFAULT 1;"},
        {"ALTER TABLE pac ADD COLUMN posada VARCHAR(70);",
         "ALTER TABLE pac ADD COLUMN posada VARCHAR(70) COLLATE NOCASE;"},
        {"ALTER TABLE pac ADD COLUMN note text NOT NULL",
         "ALTER TABLE pac ADD COLUMN note TEXT COLLATE NOCASE NOT NULL DEFAULT ''"},
        {"CREATE TABLE plan (plid counter PRIMARY KEY,dat DATETIME NOT NULL,pid integer NOT NULL,typ "
         "VARCHAR(20),"
         "ptext VARCHAR(200));",
         "CREATE TABLE plan (plid INTEGER PRIMARY KEY AUTOINCREMENT,dat DATETIME NOT NULL,pid INTEGER NOT "
         "NULL,"
         "typ VARCHAR(20) COLLATE NOCASE,ptext VARCHAR(200) COLLATE NOCASE);"},
        {"CREATE TABLE t (bit bit, text memo, sum currency)",
         "CREATE TABLE t (bit BIT, text TEXT COLLATE NOCASE, sum CURRENCY)"},
        {"CREATE INDEX pidindex ON plan (pid);", "CREATE INDEX pidindex ON plan (pid);"},
        {"SELECT counter, bit FROM t", "SELECT counter, bit FROM t"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TranslateJetSql(QString::fromUtf8(c.jet)), QString::fromUtf8(c.sqlite)) << c.jet;
        EXPECT_EQ(JetSql(QString::fromUtf8(c.jet)), QString::fromUtf8(c.sqlite)) << c.jet;
    }
}

// A time spliced as a literal must equal the same time bound as a value, to the last bit.
TEST(JetSqlTest, TimeLiteralsEqualBoundTimes) {
    for (int minute = 0; minute < 24 * 60; ++minute) {
        const QTime time(minute / 60, minute % 60);
        const QString literal = QStringLiteral("#12/30/1899 %1:%2:0#").arg(time.hour()).arg(time.minute());
        ASSERT_EQ(JetSql(literal).toDouble(), TimeNumber(time)) << literal.toStdString();
        const QString dated = QStringLiteral("#4/2/2007 %1:%2:0#").arg(time.hour()).arg(time.minute());
        ASSERT_EQ(JetSql(dated).toDouble(), DateTimeNumber({2007, 4, 2}, time)) << dated.toStdString();
    }
}

TEST(JetSqlTest, CacheStaysCorrectPastItsBound) {
    for (int i = 0; i < 10000; ++i) {
        const QString jet = QStringLiteral("SELECT * FROM pac WHERE pid=%1 AND selo=True").arg(i);
        ASSERT_EQ(JetSql(jet), QStringLiteral("SELECT * FROM pac WHERE pid=%1 AND selo=1").arg(i));
    }
}

}  // namespace
}  // namespace orvex
