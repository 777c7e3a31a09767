#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/db/DateNumber.h"

namespace orvex {
namespace {

TEST(DateNumberTest, DaysCountFromTheBaseDateEitherSide) {
    const struct {
        QDate date;
        double number;
    } cases[] = {
        {{1899, 12, 30}, 0},  {{1899, 12, 31}, 1},    {{1900, 3, 1}, 61},     {{2007, 4, 2}, 39174},
        {{1899, 12, 29}, -1}, {{1800, 1, 1}, -36522}, {{2000, 2, 29}, 36585}, {{2100, 12, 31}, 73415},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DateNumber(c.date), c.number) << c.date.toString().toStdString();
        EXPECT_EQ(DateOfNumber(c.number), c.date) << c.number;
    }
}

// A time is written through a statement and compared with a bound one (ont=:tim), so every time
// of day must come back exactly, on day 0 and on real days before and after the base.
TEST(DateNumberTest, EverySecondOfTheDayRoundTripsExactly) {
    const QDate days[] = {{1899, 12, 30}, {2007, 4, 2}, {1899, 12, 29}, {1850, 6, 15}};
    for (const QDate& day : days) {
        for (int second = 0; second < 86400; ++second) {
            const QTime time = QTime(0, 0).addSecs(second);
            const double number = DateTimeNumber(day, time);
            ASSERT_EQ(DateTimeOfNumber(number), QDateTime(day, time))
                << day.toString().toStdString() << ' ' << second;
            ASSERT_EQ(TimeOfNumber(number), time);
            ASSERT_EQ(DateOfNumber(number), day);
        }
    }
}

TEST(DateNumberTest, DaysBeforeTheBaseKeepTheTimeAsAPositiveFraction) {
    EXPECT_EQ(DateTimeNumber({1899, 12, 29}, {6, 0}), -1.25);
    EXPECT_EQ(DateTimeOfNumber(-1.25), QDateTime(QDate(1899, 12, 29), QTime(6, 0)));
    EXPECT_EQ(TimeNumber({18, 0}), 0.75);
    EXPECT_EQ(DateTimeNumber({1899, 12, 30}, {18, 0}), 0.75);
}

TEST(DateNumberTest, TimesRoundToTheSecondAndCarryIntoTheNextDay) {
    EXPECT_EQ(DateTimeOfNumber(39174 + 0.9999999), QDateTime(QDate(2007, 4, 3), QTime(0, 0)));
    EXPECT_EQ(TimeOfNumber(0.5 + 0.4 / 86400), QTime(12, 0, 0));
    EXPECT_EQ(TimeOfNumber(0.5 + 0.6 / 86400), QTime(12, 0, 1));
}

TEST(DateNumberTest, NonNumbersGiveInvalidValues) {
    for (double bad : {std::nan(""), std::numeric_limits<double>::infinity(), 1e300, -1e300}) {
        EXPECT_FALSE(DateOfNumber(bad).isValid()) << bad;
        EXPECT_FALSE(TimeOfNumber(bad).isValid()) << bad;
        EXPECT_TRUE(DateTimeText(bad).isEmpty()) << bad;
    }
}

TEST(DateNumberTest, TextDropsTheDateOnDayZeroAndTheTimeAtMidnight) {
    const struct {
        QVariant stored;
        const char* text;
    } cases[] = {
        {39174, "02.04.2007"},
        {qlonglong(39174), "02.04.2007"},
        {DateTimeNumber({2007, 4, 2}, {9, 5}), "02.04.2007 9:05:00"},
        {DateTimeNumber({2007, 4, 2}, {23, 59, 59}), "02.04.2007 23:59:59"},
        {TimeNumber({9, 5}), "9:05:00"},
        {TimeNumber({14, 0}), "14:00:00"},
        {0.0, "0:00:00"},
        {-1.25, "29.12.1899 6:00:00"},
        {QVariant(), ""},
        {QString(), ""},  // the empty text constant of a union
        {QStringLiteral("abc"), "abc"},
    };
    for (const auto& c : cases) EXPECT_EQ(DateTimeText(c.stored), QString::fromUtf8(c.text)) << c.text;
}

}  // namespace
}  // namespace orvex
