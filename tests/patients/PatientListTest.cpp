#include <gtest/gtest.h>

#include "core/db/Database.h"
#include "patients/PatientList.h"
#include "support/ProgramFolder.h"

namespace orvex {
namespace {

TEST(PatientListTest, StatementShowsAllPatientsOnlyToThoseWhoWorkForAllDoctors) {
    CurrentUser doctor;
    doctor.number = 7;
    CurrentUser all = doctor;
    all.rights.allreg = true;
    EXPECT_EQ(PatientListSql(all), "SELECT pac.* FROM pac ORDER BY pac.pname");
    EXPECT_EQ(PatientListSql(doctor), "SELECT pac.* FROM pac WHERE pac.uid=7 ORDER BY pac.pname");
    EXPECT_EQ(PatientListSql(all, QStringLiteral("pac.pid"), QStringLiteral("pac.arch=1")),
              "SELECT pac.pid FROM pac WHERE pac.arch=1 ORDER BY pac.pname");
    EXPECT_EQ(PatientListSql(doctor, QStringLiteral("pac.*"), QStringLiteral("pac.arch=1")),
              "SELECT pac.* FROM pac WHERE pac.uid=7 AND pac.arch=1 ORDER BY pac.pname");
    EXPECT_EQ(PatientListTitle(0), "Пацієнти [0]");
    EXPECT_EQ(PatientListTitle(12), "Пацієнти [12]");
}

class PatientListGroups : public test::ProgramFolderTest {};

TEST_F(PatientListGroups, StandardItemsComeFirstThenUserGroupsInTableOrder) {
    Database db;
    db.Open(Path("data/data.base"));
    db.Exec(QStringLiteral("INSERT INTO groups(gid,gname) VALUES(7,\"Діти\")"));
    db.Exec(QStringLiteral("INSERT INTO groups(gid,gname) VALUES(3,\"Ортодонтія\")"));
    const QList<GroupItem> items = GroupItems(db);
    ASSERT_EQ(items.size(), 5);
    const struct {
        const char* caption;
        const char* filter;
        int gid;
        int arch;
    } expected[] = {
        {"Усі", "", -1, 0},         {"Загальна", "arch=0", -1, 0},
        {"Архів", "arch=1", -1, 1}, {"Ортодонтія", "arch=3", 3, 3},
        {"Діти", "arch=7", 7, 7},
    };
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(items[i].caption, QString::fromUtf8(expected[i].caption)) << i;
        EXPECT_EQ(items[i].filter, QString::fromUtf8(expected[i].filter)) << i;
        EXPECT_EQ(items[i].gid, expected[i].gid) << i;
        EXPECT_EQ(items[i].arch, expected[i].arch) << i;
    }
}

TEST(PatientListTest, AgeIsWholeYearsOf365Days) {
    const QDate today(2024, 3, 5);
    EXPECT_EQ(AgeText(today.addDays(-366), today), "1");
    EXPECT_EQ(AgeText(today.addDays(-365), today), "1");
    EXPECT_EQ(AgeText(today.addDays(-364), today), "0");
    EXPECT_EQ(AgeText(QDate(1980, 3, 6), today), "44");  // a day short of 44 years, but 16070 days
    EXPECT_EQ(AgeText(QDate(), today), "");
}

TEST(PatientListTest, TypedNameGetsCapitalsAtTheStartAndAfterBlanks) {
    const struct {
        const char* text;
        int caret;
        const char* result;
        int resultCaret;
        bool changed;
    } cases[] = {
        {"і", 1, "І", 1, true},
        {"ї", 0, "Ї", 1, true},
        {"g", 1, "G", 1, true},
        {"Ґ", 1, "Ґ", 1, false},
        {"Шевченко т", 10, "Шевченко Т", 10, true},
        {"Шевченко т", 3, "Шевченко Т", 3, true},  // the caret stays where it was
        {"Шевченко Тарас г", 16, "Шевченко Тарас Г", 16, true},
        {"Шевченко та", 11, "Шевченко та", 11, false},  // only the letter right after a blank
        {"Шевченко 1", 10, "Шевченко 1", 10, false},
        {"", 0, "", 0, false},
    };
    for (const auto& c : cases) {
        const TypedName typed = CapitaliseTypedName(QString::fromUtf8(c.text), c.caret);
        EXPECT_EQ(typed.text, QString::fromUtf8(c.result)) << c.text;
        EXPECT_EQ(typed.caret, c.resultCaret) << c.text;
        EXPECT_EQ(typed.changed, c.changed) << c.text;
    }
}

TEST(PatientListTest, PhotoFitsThe126PixelSquare) {
    const struct {
        QSize picture;
        QSize shown;
    } cases[] = {
        {{640, 480}, {126, 95}},                                                   // 94.5 rounds up
        {{480, 640}, {95, 126}}, {{300, 300}, {126, 126}}, {{63, 20}, {126, 40}},  // small pictures grow
        {{5000, 10}, {126, 1}},                                                    // never vanishes
        {{0, 100}, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(PhotoFit(c.picture), c.shown) << c.picture.width();
}

}  // namespace
}  // namespace orvex
