#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>

#include "core/Errors.h"
#include "core/Fmt.h"
#include "core/db/Database.h"
#include "core/db/DateNumber.h"
#include "support/ProgramFolder.h"

namespace orvex {
namespace {

// Statements as the windows issue them, run on the shipped schema against a few rows: two doctors,
// five patients in the general group, the archive and a user group, their visits, report items,
// appointments, reminders, payments, photos and plans.
const char* const kFixture[] = {
    "INSERT INTO users(uid,uname,upass,rid) VALUES(1,\"Коваленко Олег\",\"\",1)",
    "INSERT INTO users(uid,uname,upass,rid) VALUES(2,\"Бондар Ірина\",\"\",1)",
    "INSERT INTO groups(gid,gname) VALUES(3,\"Пільговики\")",
    "INSERT INTO pac(pid,pname,uid,regdat,arch,birth,selo,tel,notes,photo) "
    "VALUES(1,\"Іваненко Іван Іванович\",1,#3/1/2007#,0,#5/1/2000#,True,\"050\",\"алергія\",\"p1.jpg\")",
    "INSERT INTO pac(pid,pname,uid,regdat,arch,birth,selo,tel) VALUES(2,\"Ґалаган "
    "Олена\",1,#3/1/2007#,1,#1/1/1970#,False,\"067\")",
    "INSERT INTO pac(pid,pname,uid,regdat,arch,birth,selo,tel) VALUES(3,\"Євтушенко "
    "Петро\",2,#3/1/2007#,3,#3/3/1980#,False,\"063\")",
    "INSERT INTO pac(pid,pname,uid,regdat,arch,birth,selo,tel) VALUES(4,\"Дем`ян "
    "Ігор\",2,#3/1/2007#,0,#2/2/1990#,True,\"\")",
    "INSERT INTO pac(pid,pname,uid,regdat,arch,birth,selo,tel) VALUES(5,\"д'Арк "
    "Жанна\",1,#3/1/2007#,0,#6/1/1995#,False,\"\")",
    "INSERT INTO vidv(vdate,vtime,pid,perv,likuv,sum) VALUES(#4/2/2007#,#12/30/1899 "
    "9:5:0#,1,true,\"Пломба\",150.5)",
    "INSERT INTO vidv(vdate,vtime,pid,perv,likuv,sum) VALUES(#4/3/2007#,#12/30/1899 "
    "10:0:0#,1,false,\"Контроль\",0)",
    "INSERT INTO vidv(vdate,vtime,pid,perv,likuv,sum) VALUES(#4/2/2007#,#12/30/1899 "
    "11:30:0#,2,true,\"Видалення\",200)",
    "INSERT INTO vidv(vdate,vtime,pid,perv,likuv,sum) VALUES(#4/2/2007#,#12/30/1899 12:0:0#,3,true,\"пломба "
    "ІІ\",80)",
    "INSERT INTO vidv(vdate,vtime,pid,perv,likuv,sum) VALUES(#4/3/2007#,#12/30/1899 "
    "9:0:0#,5,true,\"Огляд\",0)",
    "INSERT INTO zvit(vid,fid,cnt) VALUES(1,9,1.5);",
    "INSERT INTO zvit(vid,fid,cnt) VALUES(1,7,1);",
    "INSERT INTO zvit(vid,fid,cnt) VALUES(3,43,2);",
    "INSERT INTO zvit(vid,fid,cnt) VALUES(4,8,1);",
    "INSERT INTO napr(npid,nuid,ndid,regdat,ond,ont) VALUES(1,1,1,#4/1/2007#,#4/2/2007#,#12/30/1899 9:5:0#)",
    "INSERT INTO napr(npid,nuid,ndid,regdat,ond,ont) VALUES(2,1,1,#4/1/2007#,#4/2/2007#,#12/30/1899 9:30:0#)",
    "INSERT INTO napr(npid,nuid,ndid,regdat,ond,ont) VALUES(3,2,2,#4/1/2007#,#4/5/2007#,#12/30/1899 9:5:0#)",
    "INSERT INTO nagad(pid,txt,dat,done,uid) VALUES(1,\"Подзвонити\",#4/1/2007#,False,1)",
    "INSERT INTO nagad(pid,txt,dat,done,uid) VALUES(0,\"Замовити матеріали\",#4/2/2007#,False,1)",
    "INSERT INTO nagad(pid,txt,dat,done,uid) VALUES(2,\"Зроблено\",#4/3/2007#,True,1)",
    "INSERT INTO nagad(pid,txt,dat,done,uid) VALUES(3,\"Інший лікар\",#4/2/2007#,False,2)",
    "INSERT INTO nagad(pid,txt,dat,done,uid) VALUES(0,\"Пізніше\",#4/4/2007#,False,1)",
    "INSERT INTO payments(pid,pcnt,znyzhka,pdat) VALUES(1,100,0,#4/2/2007#)",
    "INSERT INTO payments(pid,pcnt,znyzhka,pdat) VALUES(1,50.5,5,#4/3/2007#)",
    "INSERT INTO payments(pid,pcnt,znyzhka,pdat) VALUES(3,80,0,#4/2/2007#)",
    "INSERT INTO photos(pid,photo,descript,dat) VALUES(1,\"a.jpg\",\"Знімок верхньої щелепи\",#4/2/2007#)",
    "INSERT INTO plan(dat,pid,typ,ptext) VALUES(#4/2/2007#,1,\"Терапія\",\"Лікування карієсу 36\")",
    "INSERT INTO plan(dat,pid,typ,ptext) VALUES(#4/1/2007#,1,\"Хірургія\",\"Видалення 48\")",
    "INSERT INTO plan(dat,pid,typ,ptext) VALUES(#4/2/2007#,3,\"терапія\",\"Пломба\")",
};

struct Case {
    const char* name;
    const char* sql;           // as the program writes it
    const char* rows;          // rows of the query, or of the check; "a|b" per row, rows on lines
    int changes = -1;          // for a modifying statement: rows affected
    const char* check = "";    // for a modifying statement: native query that shows the effect
    const char* setup = "";    // native statements run before (an older file's state)
    const char* columns = "";  // the query's column names, when they matter
    int timMinute = -1;        // the :tim parameter, minutes after midnight
};

// A value as a line of the expected text: dates and times in their text form, null as NULL.
QString Render(const Rows& rows) {
    QStringList lines;
    for (int r = 0; r < rows.Count(); ++r) {
        QStringList cells;
        for (int c = 0; c < rows.columns.size(); ++c) {
            const QVariant v = rows.Value(r, c);
            if (v.isNull())
                cells << "NULL";
            else if (rows.types[c].startsWith("DATETIME") && v.typeId() != QMetaType::QString)
                cells << DateTimeText(v);
            else if (v.typeId() == QMetaType::Double)
                cells << QString::number(v.toDouble(), 'g', 15);
            else
                cells << v.toString();
        }
        lines << cells.join(u'|');
    }
    return lines.join(u'\n');
}

QString Sorted(const QString& text) {
    QStringList lines = text.split(u'\n');
    lines.sort();
    return lines.join(u'\n');
}

class StatementsFixture : public test::ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        db.Open(Path("data/data.base"));
        for (const char* statement : kFixture)
            ASSERT_EQ(db.Exec(QString::fromUtf8(statement)), 1) << statement;
    }
    Database db;
};

class StatementsTest : public StatementsFixture, public ::testing::WithParamInterface<Case> {};
class SplicedStatementsTest : public StatementsFixture {};

TEST_P(StatementsTest, GivesTheRowsOrEffectWritten) {
    const Case& c = GetParam();
    const QString sql = QString::fromUtf8(c.sql);
    if (*c.setup) {
        ASSERT_EQ(sqlite3_exec(db.handle(), c.setup, nullptr, nullptr, nullptr), SQLITE_OK) << c.setup;
    }
    Rows rows;
    try {
        if (c.changes >= 0) {
            EXPECT_EQ(db.Exec(sql), c.changes);
            rows = db.QueryNative(QString::fromUtf8(c.check));
        } else if (c.timMinute >= 0) {
            rows = db.Query(sql, QTime(0, 0).addSecs(60 * c.timMinute));
        } else {
            rows = db.Query(sql);
        }
    } catch (const DbError& e) {
        FAIL() << e.text().toStdString();
    }
    const QString expected = QString::fromUtf8(c.rows);
    // Rows of a statement without its own order are compared as a set.
    const bool ordered =
        (c.changes >= 0 ? QString::fromUtf8(c.check) : sql).contains("ORDER BY", Qt::CaseInsensitive);
    EXPECT_EQ(ordered ? Render(rows) : Sorted(Render(rows)), ordered ? expected : Sorted(expected)) << c.sql;
    if (*c.columns) {
        EXPECT_EQ(rows.columns.join(u'|'), QString::fromUtf8(c.columns));
    }
}

const Case kCases[] = {
    {.name = "WeekScheduleBracketedNamesAndDateRange",
     .sql =
         "SELECT [napr].[nid], [napr].[ndid], [napr].[nuid], [napr].[ond], [napr].[ont], [pac].[pid], "
         "[pac].[pname] FROM [napr], [pac] WHERE ([pac].[pid]=[napr].[npid]) AND ([napr].[ond]>=#4/2/2007#) "
         "AND ([napr].[ond]<=#4/8/2007#)",
     .rows = "1|1|1|02.04.2007|9:05:00|1|Іваненко Іван Іванович\n2|1|1|02.04.2007|9:30:00|2|Ґалаган Олена\n"
             "3|2|2|05.04.2007|9:05:00|3|Євтушенко Петро",
     .columns = "nid|ndid|nuid|ond|ont|pid|pname"},
    {.name = "AppointmentAtABoundTime",
     .sql = "SELECT napr.nid, napr.ndid FROM napr WHERE ond=#4/2/2007# AND ont=:tim",
     .rows = "2|1",
     .timMinute = 9 * 60 + 30},
    {.name = "AppointmentAtAnotherTime",
     .sql = "SELECT napr.nid, napr.ndid FROM napr WHERE ond=#4/2/2007# AND ont=:tim",
     .rows = "",
     .timMinute = 9 * 60 + 31},
    {.name = "DayGrid",
     .sql = "SELECT napr.nid, napr.ond, napr.ont, napr.ndid, pac.uid, pac.pname FROM napr, pac WHERE "
            "(napr.npid=pac.pid) AND (napr.ond=#4/2/2007#)",
     .rows = "1|02.04.2007|9:05:00|1|1|Іваненко Іван Іванович\n2|02.04.2007|9:30:00|1|1|Ґалаган Олена"},
    {.name = "GroupOfANameInAnyLetterCase",
     .sql = "SELECT [groups].[gname] FROM [pac], [groups] WHERE ([pac].[pname]=\"євтушенко ПЕТРО\") AND "
            "([pac].[arch]=[groups].[gid])",
     .rows = "Пільговики"},
    {.name = "NameWithAnApostrophe",
     .sql = "SELECT [pac].[arch], [pac].[pid] FROM [pac] WHERE [pac].[pname]=\"Д'АРК ЖАННА\"",
     .rows = "0|5"},
    {.name = "DuplicateNameCheckWithLike",
     .sql = "SELECT [pac].[pid] FROM [pac] WHERE [pac].[pname] LIKE \"ґАЛАГАН олена\"",
     .rows = "2"},
    {.name = "PrefixSearchWithLike",
     .sql = "SELECT [pac].[pid], [pac].[uid], [pac].[pname] FROM [pac] WHERE [pac].[pname] LIKE \"ЄВТ%\"",
     .rows = "3|2|Євтушенко Петро"},
    {.name = "PatientSearchUnionOrderedByName",
     .sql =
         "SELECT [pac].[pid], [pac].[arch], [pac].[uid], [pac].[pname], [groups].[gname], [users].[uname] "
         "FROM [pac], [groups], [users] WHERE ([pac].[arch]=[groups].[gid]) AND ([pac].[uid]=[users].[uid]) "
         "AND [pac].[pname] LIKE \"%ЕН%\"\nUNION ALL\n"
         "SELECT [pac].[pid], \"0\" AS arch, [pac].[uid], [pac].[pname], \"Загальна\" AS gname, "
         "[users].[uname] "
         "FROM [pac], [users] WHERE ([pac].[arch]=0) AND ([pac].[uid]=[users].[uid]) AND [pac].[pname] LIKE "
         "\"%ЕН%\"\nUNION ALL\n"
         "SELECT [pac].[pid], \"1\" AS arch, [pac].[uid], [pac].[pname], \"Архів\" AS gname, [users].[uname] "
         "FROM [pac], [users] WHERE ([pac].[arch]=1) AND ([pac].[uid]=[users].[uid]) AND [pac].[pname] LIKE "
         "\"%ЕН%\"\nORDER BY pname",
     .rows = "2|1|1|Ґалаган Олена|Архів|Коваленко Олег\n3|3|2|Євтушенко Петро|Пільговики|Бондар Ірина\n"
             "1|0|1|Іваненко Іван Іванович|Загальна|Коваленко Олег",
     .columns = "pid|arch|uid|pname|gname|uname"},
    {.name = "PatientSearchInVisitsOfOneDoctor",
     .sql =
         "SELECT [pac].[pid], [pac].[arch], [pac].[uid], [pac].[pname], [groups].[gname], [users].[uname], "
         "[vidv].[vdate] FROM [pac], [groups], [users], [vidv] WHERE ([pac].[arch]=[groups].[gid]) AND "
         "([pac].[uid]=[users].[uid]) AND ([users].[uname]=\"Бондар Ірина\") AND ([pac].[pid]=[vidv].[pid]) "
         "AND "
         "[vidv].[likuv] LIKE \"%ПЛОМБА%\"\nUNION ALL\n"
         "SELECT [pac].[pid], \"0\" AS arch, [pac].[uid], [pac].[pname], \"Загальна\" AS gname, "
         "[users].[uname], "
         "[vidv].[vdate] FROM [pac], [users], [vidv] WHERE ([pac].[arch]=0) AND ([pac].[uid]=[users].[uid]) "
         "AND "
         "([users].[uname]=\"Бондар Ірина\") AND ([pac].[pid]=[vidv].[pid]) AND [vidv].[likuv] LIKE "
         "\"%ПЛОМБА%\"\nORDER BY pname",
     .rows = "3|3|2|Євтушенко Петро|Пільговики|Бондар Ірина|02.04.2007"},
    {.name = "NotesSearchWithItsInfColumn",
     .sql = "SELECT [pac].[pid], [pac].[pname], [pac].[notes] AS inf FROM [pac] WHERE [pac].[notes] LIKE "
            "\"%АЛЕРГ%\"",
     .rows = "1|Іваненко Іван Іванович|алергія",
     .columns = "pid|pname|inf"},
    {.name = "ReminderIndicatorWithFalse",
     .sql =
         "SELECT nagad.* FROM nagad WHERE (nagad.uid=1) AND (nagad.done=false) AND (nagad.dat<=#4/2/2007#)",
     .rows = "1|1|Подзвонити|01.04.2007|0|1\n2|0|Замовити матеріали|02.04.2007|0|1"},
    {.name = "ReminderListUnionWithConstantsOrderedByDate",
     .sql = "SELECT nagad.*, pac.pname, pac.tel, users.uname, pac.uid AS puid FROM nagad, pac, users WHERE "
            "(users.uid=nagad.uid) AND (nagad.pid=pac.pid) AND (nagad.dat<=#4/3/2007#) AND (nagad.done=False)"
            "AND (users.uid=1)\nUNION ALL\n"
            "SELECT nagad.*, \"Нагадування\", \"\", users.uname, users.uid AS puid FROM nagad, users WHERE "
            "(users.uid=nagad.uid) AND (nagad.pid=0) AND (nagad.dat<=#4/3/2007#) AND (nagad.done=False)"
            "AND (users.uid=1)\nUNION ALL\n"
            "SELECT nagad.*, pac.pname, pac.tel, users.uname, pac.uid AS puid FROM nagad, pac, users WHERE "
            "(users.uid=nagad.uid) AND (nagad.pid=pac.pid) AND (nagad.dat=#4/3/2007#) AND (nagad.done=True)"
            "AND (users.uid=1)\nUNION ALL\n"
            "SELECT nagad.*, \"Нагадування\", \"\", users.uname, users.uid AS puid FROM nagad, users WHERE "
            "(users.uid=nagad.uid) AND (nagad.pid=0) AND (nagad.dat=#4/3/2007#) AND (nagad.done=True)"
            "AND (users.uid=1)\nORDER BY dat DESC",
     .rows = "3|2|Зроблено|03.04.2007|1|1|Ґалаган Олена|067|Коваленко Олег|1\n"
             "2|0|Замовити матеріали|02.04.2007|0|1|Нагадування||Коваленко Олег|1\n"
             "1|1|Подзвонити|01.04.2007|0|1|Іваненко Іван Іванович|050|Коваленко Олег|1",
     .columns = "nagid|pid|txt|dat|done|uid|pname|tel|uname|puid"},
    {.name = "Form039VisitCountsOfOneDoctor",
     .sql =
         "SELECT vidv.vdate, count(vidv.vid), 3 AS typ FROM vidv,pac WHERE (vidv.pid=pac.pid) AND "
         "(pac.uid=1) "
         "AND (vidv.vdate>=#4/1/2007#) AND (vidv.vdate<=#4/30/2007#) GROUP BY vdate\nUNION ALL\n"
         "SELECT vidv.vdate, count(vidv.vid), 4 AS typ FROM vidv,pac WHERE (vidv.pid=pac.pid) AND "
         "(pac.uid=1) "
         "AND (vidv.vdate>=#4/1/2007#) AND (vidv.vdate<=#4/30/2007#) AND (vidv.perv=true) GROUP BY vdate\n"
         "UNION ALL\n"
         "SELECT vidv.vdate, count(vidv.vid), 55 AS typ FROM vidv,pac WHERE (vidv.pid=pac.pid) AND "
         "(pac.uid=1) "
         "AND (vidv.vdate>=#4/1/2007#) AND (vidv.vdate<=#4/30/2007#) AND (vidv.perv=true) AND "
         "(pac.selo=true) "
         "GROUP BY vdate\nUNION ALL\n"
         "SELECT vidv.vdate, Count(vidv.vid) AS [Count-vid], 5 AS typ FROM vidv, pac WHERE (pac.uid=1) AND "
         "(((vidv.vdate)>=#4/1/2007# And (vidv.vdate)<=#4/30/2007#) AND ((vidv.pid)=[pac].[pid]) AND "
         "((vidv.perv)=True) AND (([vidv].[vdate]-[pac].[birth])<6574))\nGROUP BY vidv.vdate",
     .rows = "02.04.2007|2|3\n03.04.2007|2|3\n02.04.2007|2|4\n03.04.2007|1|4\n02.04.2007|1|55\n"
             "02.04.2007|1|5\n03.04.2007|1|5",
     .columns = "vdate|count(vidv.vid)|typ"},
    {.name = "Form20ChildrenByDateDifference",
     .sql = "SELECT count(vidv.vid) AS [Count-vid], 5 AS typ FROM vidv, pac WHERE (pac.uid=1) AND "
            "(((vidv.vdate)>=#1/1/2007# And (vidv.vdate)<#1/1/2008#) AND ((vidv.pid)=[pac].[pid]) AND "
            "((vidv.perv)=True) AND (([vidv].[vdate]-[pac].[birth])<5113))",
     .rows = "2|5",
     .columns = "Count-vid|typ"},
    {.name = "Form20ItemSums",
     .sql = "SELECT zvit.fid, sum(zvit.cnt) FROM zvit, vidv WHERE (vidv.vid=zvit.vid) AND "
            "(vidv.vdate>=#1/1/2007#) "
            "AND (vidv.vdate<#1/1/2008#) GROUP BY zvit.fid",
     .rows = "7|1\n8|1\n9|1.5\n43|2"},
    {.name = "Form037CountWithAConstantColumn",
     .sql =
         "SELECT count(zvit.zid), 11 AS typ FROM zvit WHERE (zvit.vid=1) AND ((zvit.fid=7) OR (zvit.fid=8))",
     .rows = "1|11"},
    {.name = "VisitItemsWithTrailingSemicolon",
     .sql = "SELECT [zvit].[zid], [f39].[name], [zvit].[cnt] FROM [f39], [zvit] WHERE ([zvit].[vid]=1) AND "
            "([f39].[id]=[zvit].[fid]) ORDER BY zid DESC;",
     .rows = "2|Знеболення при лікуванні (аплікаційне, інфільтраційне)|1\n"
             "1|Запломбовано зубів з приводу карієсу: постійних|1.5"},
    {.name = "TreatmentCost", .sql = "SELECT sum([vidv].[sum]) FROM vidv WHERE vidv.pid=1", .rows = "150.5"},
    {.name = "PaymentsPerDoctorWithDottedBracketName",
     .sql = "SELECT users.uid, sum([payments].[pcnt]) AS psum, sum([payments].[znyzhka]) AS zn, "
            "count([payments].[payid]) AS pcnt\nFROM users, payments,pac\nWHERE "
            "([payments].[pid]=[pac].[pid]) AND "
            "([pac].[uid]=[users.uid])\nAND (payments.pdat>=#4/1/2007#) AND (payments.pdat<=#4/30/2007#)\n\n"
            "GROUP BY users.uid\nORDER BY users.uid",
     .rows = "1|150.5|5|2\n2|80|0|1"},
    {.name = "PhotoListWithThePortraitFirst",
     .sql = "SELECT * FROM photos WHERE photos.pid=1\nUNION ALL\nSELECT -1 AS photoid, \"-1\" AS pid, "
            "pac.photo, "
            "\"Фото пацієнта\" AS descript, \"\" AS dat FROM pac WHERE pac.pid=1\nORDER BY photoid",
     .rows = "-1|-1|p1.jpg|Фото пацієнта|\n1|1|a.jpg|Знімок верхньої щелепи|02.04.2007"},
    {.name = "PlanTypesDistinctInAnyCase",
     .sql = "SELECT DISTINCT [plan].[typ] FROM [plan] ORDER BY [typ]",
     .rows = "Терапія\nХірургія"},
    {.name = "PlanOfAPatient",
     .sql = "SELECT * FROM [plan]\nWHERE [plan].[pid]=1\nORDER BY [plan].[dat]",
     .rows = "2|01.04.2007|1|Хірургія|Видалення 48\n1|02.04.2007|1|Терапія|Лікування карієсу 36"},
    {.name = "GroupsUnquoted", .sql = "SELECT groups.* FROM groups", .rows = "3|Пільговики"},
    {.name = "MaxGroup", .sql = "SELECT max(gid) FROM groups", .rows = "3"},
    {.name = "AppointmentDays",
     .sql = "SELECT DISTINCT napr.ond FROM napr",
     .rows = "02.04.2007\n05.04.2007"},
    {.name = "UsersByName",
     .sql = "SELECT * FROM users ORDER BY uname",
     .rows = "2|Бондар Ірина||1|NULL|NULL|0|0|0|0|0|1\n1|Коваленко Олег||1|NULL|NULL|0|0|0|0|0|1"},
    // modifying statements
    {.name = "NewPatientWithADoubledQuote",
     .sql = "INSERT INTO pac(pid,pname,uid,regdat,arch) VALUES(6,\"Ковальчук \"\"Мала\"\" "
            "Ірина\",1,#4/2/2007#,3)",
     .rows = "Ковальчук \"Мала\" Ірина|3|02.04.2007|0",
     .changes = 1,
     .check = "SELECT pname, arch, regdat, selo FROM pac WHERE pid=6"},
    {.name = "NewVisitWithTimeLiteralAndTrue",
     .sql = "INSERT INTO vidv(vdate,vtime,pid,perv) VALUES(#4/5/2007#,#12/30/1899 14:0:0#,4,true);",
     .rows = "05.04.2007|14:00:00|1|0",
     .changes = 1,
     .check = "SELECT vdate, vtime, perv, sum FROM vidv WHERE pid=4"},
    {.name = "NewReminderWithFalse",
     .sql =
         "INSERT INTO nagad(pid,txt,dat,done,uid) VALUES(0,\"Нагадати \"\"завтра\"\"\",#4/10/2007#,False,1)",
     .rows = "Нагадати \"завтра\"|10.04.2007|0",
     .changes = 1,
     .check = "SELECT txt, dat, done FROM nagad WHERE dat=39182"},
    {.name = "ReminderDone",
     .sql = "UPDATE nagad SET done=True WHERE nagad.nagid=1",
     .rows = "1|1\n2|0",
     .changes = 1,
     .check = "SELECT nagid, done FROM nagad WHERE nagid<=2 ORDER BY nagid"},
    {.name = "MovePatientWithQualifiedSetColumn",
     .sql = "UPDATE pac SET pac.uid=2 WHERE pac.pid=1",
     .rows = "1|2\n2|1",
     .changes = 1,
     .check = "SELECT pid, uid FROM pac WHERE pid<=2 ORDER BY pid"},
    {.name = "MoveAllPatientsOfADoctor",
     .sql = "UPDATE pac SET pac.uid=2 WHERE pac.uid=1",
     .rows = "5",
     .changes = 3,
     .check = "SELECT count(*) FROM pac WHERE uid=2"},
    {.name = "MoveAppointments",
     .sql = "UPDATE napr SET napr.ndid=2 WHERE napr.npid=1",
     .rows = "1|2\n2|1\n3|2",
     .changes = 1,
     .check = "SELECT nid, ndid FROM napr ORDER BY nid"},
    {.name = "PortraitRemoved",
     .sql = "UPDATE pac SET pac.photo=null WHERE pac.pid=1",
     .rows = "NULL",
     .changes = 1,
     .check = "SELECT photo FROM pac WHERE pid=1"},
    {.name = "PhotoDescriptionAndDate",
     .sql = "UPDATE photos SET dat=#4/9/2007#, descript=\"Знімок, нижня щелепа\" WHERE photoid=1",
     .rows = "Знімок, нижня щелепа|09.04.2007",
     .changes = 1,
     .check = "SELECT descript, dat FROM photos"},
    {.name = "GroupMoveForOneDoctor",
     .sql = "UPDATE pac SET arch=3 WHERE arch=0 AND uid=1",
     .rows = "1|3\n4|0\n5|3",
     .changes = 2,
     .check = "SELECT pid, arch FROM pac WHERE pid IN (1,4,5) ORDER BY pid"},
    {.name = "CardCounter",
     .sql = "UPDATE opt SET cn=cn+1",
     .rows = "2",
     .changes = 1,
     .check = "SELECT cn FROM opt"},
    {.name = "NewGroup",
     .sql = "INSERT INTO groups(gid,gname) VALUES(4,\"Нова\")",
     .rows = "3|Пільговики\n4|Нова",
     .changes = 1,
     .check = "SELECT gid, gname FROM groups ORDER BY gid"},
    {.name = "DeleteVisitsOfAPatient",
     .sql = "DELETE FROM vidv WHERE vidv.pid=1",
     .rows = "3",
     .changes = 2,
     .check = "SELECT count(*) FROM vidv"},
    {.name = "DeleteReportItem",
     .sql = "DELETE FROM zvit WHERE zvit.zid=1",
     .rows = "2\n3\n4",
     .changes = 1,
     .check = "SELECT zid FROM zvit ORDER BY zid"},
    // the upgrade of an older file
    {.name = "UpgradeAddsMenuRightFalseForExistingUsers",
     .sql = "ALTER TABLE users ADD COLUMN medit bit NOT NULL;",
     .rows = "Бондар Ірина|0\nКоваленко Олег|0",
     .changes = 0,
     .check = "SELECT uname, medit FROM users ORDER BY uname",
     .setup = "ALTER TABLE users DROP COLUMN medit"},
    {.name = "UpgradeSetsTheFinanceRight",
     .sql = "UPDATE users SET pvis=true;",
     .rows = "1\n1",
     .changes = 2,
     .check = "SELECT pvis FROM users",
     .setup = "ALTER TABLE users DROP COLUMN pvis; ALTER TABLE users ADD COLUMN pvis BIT NOT NULL DEFAULT 0"},
    {.name = "UpgradeAddsPosition",
     .sql = "ALTER TABLE pac ADD COLUMN posada VARCHAR(70);",
     .rows = "1",
     .changes = 0,
     .check = "SELECT count(*) FROM pac WHERE posada IS NULL AND pid=1",
     .setup = "ALTER TABLE pac DROP COLUMN posada"},
    {.name = "UpgradeCreatesThePlan",
     .sql = "CREATE TABLE plan (plid counter PRIMARY KEY,dat DATETIME NOT NULL,pid integer NOT NULL,"
            "typ VARCHAR(20),ptext VARCHAR(200));",
     .rows =
         "plid|INTEGER|0|1\ndat|DATETIME|1|0\npid|INTEGER|1|0\ntyp|VARCHAR(20)|0|0\nptext|VARCHAR(200)|0|0",
     .changes = 0,
     .check = "SELECT name, type, \"notnull\", pk FROM pragma_table_info('plan') ORDER BY cid",
     .setup = "DROP TABLE plan"},
    {.name = "UpgradeIndexesThePlan",
     .sql = "CREATE INDEX pidindex ON plan (pid);",
     .rows = "pidindex",
     .changes = 0,
     .check = "SELECT name FROM pragma_index_list('plan') ORDER BY name",
     .setup = "DROP INDEX pidindex"},
};

INSTANTIATE_TEST_SUITE_P(Written, StatementsTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });

// The re-created plan keys new rows itself and compares its texts in Ukrainian.
TEST_F(SplicedStatementsTest, RecreatedPlanCountsKeysAndComparesNoCase) {
    ASSERT_EQ(sqlite3_exec(db.handle(), "DROP TABLE plan", nullptr, nullptr, nullptr), SQLITE_OK);
    db.Exec(
        "CREATE TABLE plan (plid counter PRIMARY KEY,dat DATETIME NOT NULL,pid integer NOT NULL,typ "
        "VARCHAR(20),"
        "ptext VARCHAR(200));");
    db.Exec("INSERT INTO plan(dat,pid,typ,ptext) VALUES(#4/2/2007#,1,\"Терапія\",\"a\")");
    db.Exec("DELETE FROM plan");
    db.Exec("INSERT INTO plan(dat,pid,typ,ptext) VALUES(#4/2/2007#,1,\"Терапія\",\"b\")");
    EXPECT_EQ(db.LastInsertId(), 2);  // never reused
    EXPECT_EQ(db.Query("SELECT plid FROM [plan] WHERE typ=\"ТЕРАПІЯ\"").Count(), 1);
    EXPECT_THROW(db.Exec("INSERT INTO plan(pid) VALUES(1)"), DbError);  // the date is required
}

// Whatever a user types into a name, spliced as a text constant it stays one value.
TEST_F(SplicedStatementsTest, TypedQuotesCannotBreakAStatement) {
    const QStringList typed = {"O\"Brien",
                               "д'Арк",
                               "\"",
                               "\"\"",
                               "a\"; DELETE FROM pac; --",
                               "[pac]",
                               "#4/2/2007#",
                               "True",
                               "x\" OR \"1\"=\"1",
                               "\\",
                               "%",
                               "Дем`ян",
                               "'; DROP TABLE users; --"};
    int pid = 100;
    for (const QString& name : typed) {
        ++pid;
        ASSERT_NO_THROW(db.Exec("INSERT INTO pac(pid,pname,uid,regdat,arch) VALUES(" + QString::number(pid) +
                                "," + SqlText(name) + ",1," + SqlDate({2007, 4, 2}) + ",0)"))
            << name.toStdString();
        const Rows rows =
            db.Query("SELECT [pac].[pid], [pac].[pname] FROM [pac] WHERE [pac].[pname]=" + SqlText(name));
        ASSERT_EQ(rows.Count(), 1) << name.toStdString();
        EXPECT_EQ(rows.Value(0, 0).toInt(), pid);
        EXPECT_EQ(rows.Value(0, 1).toString(), name);
    }
    EXPECT_EQ(db.Query("SELECT * FROM pac").Count(), 5 + typed.size());
    EXPECT_EQ(db.Query("SELECT * FROM users").Count(), 2);
}

}  // namespace
}  // namespace orvex
