#include "core/Fmt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/Errors.h"
#include "core/Money.h"

namespace orvex {
namespace {

TEST(FmtTest, UpperUkrTouchesOnlyAsciiAndTheUkrainianTable) {
    const std::pair<QString, QString> cases[] = {
        {"ґанок", "ґАНОК"},
        {"їжак", "ЇЖАК"},
        {"abc-1", "ABC-1"},
        {"єва і`мя", "ЄВА І`МЯ"},
        {"ёъыэ straße", "ёъыэ STRAßE"},  // outside the table, and never longer
        {"Вже ВЕЛИКІ", "ВЖЕ ВЕЛИКІ"},
        {"", ""},
    };
    for (const auto& [text, upper] : cases) EXPECT_EQ(UpperUkr(text), upper) << text.toStdString();
}

TEST(FmtTest, DateAndTimeTexts) {
    EXPECT_EQ(SqlDate(QDate(2007, 4, 2)), "#4/2/2007#");
    EXPECT_EQ(SqlDate(QDate(2007, 12, 31)), "#12/31/2007#");
    EXPECT_EQ(SqlTime(QTime(9, 5, 59)), "#12/30/1899 9:5:0#");
    EXPECT_EQ(SqlTime(QTime(14, 0)), "#12/30/1899 14:0:0#");
    EXPECT_EQ(SqlTime(QTime(0, 0)), "#12/30/1899 0:0:0#");
    EXPECT_EQ(TimeText(QTime(9, 5, 30)), "09:05");
    EXPECT_EQ(TimeText(QTime(23, 59)), "23:59");
    EXPECT_EQ(HourMinute(9, 5), "9:5");
    EXPECT_EQ(HourMinute(12, 30), "12:30");
}

TEST(FmtTest, LongDateUsesGenitiveMonths) {
    EXPECT_EQ(LongDate(QDate(2007, 4, 2)), "2 квітня 2007р.");
    EXPECT_EQ(LongDate(QDate(2020, 3, 15)), "15 березня 2020р.");
    EXPECT_EQ(LongDate(QDate(1999, 12, 31)), "31 грудня 1999р.");
    EXPECT_EQ(LongDate(QDate()), "");

    ASSERT_EQ(GenitiveMonths().size(), 12);
    EXPECT_EQ(GenitiveMonths().front(), "січня");
    EXPECT_EQ(GenitiveMonths().back(), "грудня");
    ASSERT_EQ(NumberedMonthChoices().size(), 12);
    EXPECT_EQ(NumberedMonthChoices()[0], "1 - січень");
    EXPECT_EQ(NumberedMonthChoices()[8], "9 - вересень");
    EXPECT_EQ(NumberedMonthChoices()[9], "10- жовтень");
    EXPECT_EQ(NumberedMonthChoices()[11], "12- грудень");
}

TEST(FmtTest, MoneyTexts) {
    struct Case {
        qint64 units;
        QString sql;
        QString shown;
    };
    const Case cases[] = {
        {125000, "12.5", "12,50"},
        {1000000, "100", "100,00"},
        {7500, "0.75", "0,75"},
        {0, "0", "0,00"},
        {70500, "7.05", "7,05"},
        {25000000, "2500", "2500,00"},
        {33330, "3.333", "3,33"},
        {39999, "3.9999", "3,99"},  // cut, not rounded
        {1, "0.0001", "0,00"},
        {-125000, "-12.5", "-12,50"},
        {-5, "-0.0005", "-0,00"},
        {1234567890123450000, "123456789012345", "123456789012345,00"},
        {std::numeric_limits<qint64>::min(), "-922337203685477.5808", "-922337203685477,58"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.units);
        EXPECT_EQ(SqlMoney({c.units}), c.sql);
        EXPECT_EQ(MoneyText({c.units}), c.shown);
        EXPECT_EQ(MoneyTextUah({c.units}), c.shown + " грн.");
    }
    EXPECT_EQ(CommaToPoint("1,2,3"), "1.2,3");
    EXPECT_EQ(CommaToPoint("12"), "12");
}

TEST(FmtTest, KopecksToMoney) {
    EXPECT_EQ(KopecksToMoney("1250"), Money{125000});
    EXPECT_EQ(KopecksToMoney("0"), Money{0});
    EXPECT_EQ(KopecksToMoney("-5"), Money{-500});
    for (const char* bad : {"", "12.5", "12,5", "abc", "1e3", "99999999999999999999", "92233720368547759"})
        EXPECT_THROW(KopecksToMoney(QString::fromUtf8(bad)), ConversionError) << bad;
}

TEST(FmtTest, MoneyFromDoubleRoundsHalfAwayFromZero) {
    const std::pair<double, qint64> cases[] = {
        {12.5, 125000}, {0.1 + 0.2, 3000}, {1.00005, 10001}, {-1.00005, -10001},         {0.00004, 0},
        {0.00005, 1},   {2.675, 26750},    {1e-300, 0},      {123456.78905, 1234567891}, {std::nan(""), 0},
    };
    for (const auto& [value, units] : cases) EXPECT_EQ(Money::fromDouble(value).units, units) << value;
    EXPECT_EQ(Money::fromDouble(1e300).units, std::numeric_limits<qint64>::max());
    EXPECT_EQ(Money::fromDouble(-INFINITY).units, -std::numeric_limits<qint64>::max());
    EXPECT_DOUBLE_EQ(Money{125000}.toDouble(), 12.5);
}

TEST(FmtTest, SqlTextDoublesInnerQuotes) {
    EXPECT_EQ(SqlText("Петренко"), "\"Петренко\"");
    EXPECT_EQ(SqlText("a\"b\"\""), "\"a\"\"b\"\"\"\"\"");
    EXPECT_EQ(SqlText(""), "\"\"");
}

TEST(FmtTest, AppointmentLabels) {
    struct Case {
        QString labels;
        int doctor;
        QString label;
        int appointment;
        QString patient;
    };
    const Case cases[] = {
        {"11.5:A|1.6:B", 1, "1.6:B", 6, "B"},
        {"11.5:A|1.6:B", 4, "11.5:A", 5, "A"},
        {"11.5:A|1.6:B", 11, "11.5:A", 5, "A"},
        {"3.517:X", 3, "3.517:X", 517, "X"},
        {"2.7:Іван: син|2.8:Друга", 2, "2.7:Іван: син", 7, "Іван: син"},
        {"", 1, "", -2, ""},
        {"пошкоджено", 1, "пошкоджено", -1, ""},
        {"1.x:A", 1, "1.x:A", -1, "A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.labels.toStdString() << " / " << c.doctor);
        const QString& labels = c.labels;
        EXPECT_EQ(LabelForDoctor(labels, c.doctor), c.label);
        EXPECT_EQ(AppointmentOf(labels, c.doctor), c.appointment);
        EXPECT_EQ(PatientOf(labels, c.doctor), c.patient);
    }
    EXPECT_EQ(LabelCount(""), 0);
    EXPECT_EQ(LabelCount("3.517:X"), 1);
    EXPECT_EQ(LabelCount("1.1:A|2.2:B|3.3:C"), 3);
}

TEST(FmtTest, LabelListHintNamesPatientsAndDoctors) {
    EXPECT_EQ(LabelListHint("11.5:Петренко|1.6:B"), "Пацієнт: Петренко\n\rЛікар: \n\rПацієнт: B\n\rЛікар: ");
    SetUserNameSource([](int number) { return "Лікар №" + QString::number(number); });
    EXPECT_EQ(LabelListHint("11.5:Петренко|1.6:B"),
              "Пацієнт: Петренко\n\rЛікар: Лікар №11\n\rПацієнт: B\n\rЛікар: Лікар №1");
    EXPECT_EQ(LabelListHint(""), "");
    SetUserNameSource({});
}

}  // namespace
}  // namespace orvex
