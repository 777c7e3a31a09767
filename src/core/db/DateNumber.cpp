#include "core/db/DateNumber.h"

#include <cmath>

namespace orvex {
namespace {

const QDate kBase(1899, 12, 30);
constexpr qint64 kSecondsPerDay = 86400;
// Beyond this a day number is no calendar date any file of ours holds (year ~29000).
constexpr double kLimit = 1e7;

struct DayAndSecond {
    qint64 day = 0;
    qint64 second = 0;  // of the day, 0..86399
    bool valid = false;
};

// A day number read the way the engine stores it: the integer part is the day, the fraction the
// time of day, also for days before the base (-1.25 is 29 Dec 1899 6:00). Rounded to the second.
DayAndSecond Split(double number) {
    DayAndSecond result;
    if (!std::isfinite(number) || std::fabs(number) > kLimit) return result;
    const double whole = std::trunc(number);
    result.day = qint64(whole);
    result.second = std::llround(std::fabs(number - whole) * double(kSecondsPerDay));
    if (result.second >= kSecondsPerDay) {  // 23:59:59.6 rounds into the next day
        result.second -= kSecondsPerDay;
        result.day += 1;
    }
    result.valid = true;
    return result;
}

}  // namespace

double DateNumber(const QDate& date) {
    return date.isValid() ? double(kBase.daysTo(date)) : 0.0;
}

double TimeNumber(const QTime& time) {
    if (!time.isValid()) return 0.0;
    // Whole seconds over the day length: the same division the date literals of statements use,
    // so a stored time and a bound one compare equal.
    if (time.msec() == 0) return double(time.msecsSinceStartOfDay() / 1000) / double(kSecondsPerDay);
    return double(time.msecsSinceStartOfDay()) / double(kSecondsPerDay * 1000);
}

double DateTimeNumber(const QDate& date, const QTime& time) {
    const double day = DateNumber(date);
    const double fraction = TimeNumber(time);
    return day < 0 ? day - fraction : day + fraction;
}

QDate DateOfNumber(double number) {
    const DayAndSecond split = Split(number);
    return split.valid ? kBase.addDays(split.day) : QDate();
}

QTime TimeOfNumber(double number) {
    const DayAndSecond split = Split(number);
    return split.valid ? QTime(0, 0).addSecs(int(split.second)) : QTime();
}

QDateTime DateTimeOfNumber(double number) {
    const DayAndSecond split = Split(number);
    if (!split.valid) return {};
    return QDateTime(kBase.addDays(split.day), QTime(0, 0).addSecs(int(split.second)));
}

QString DateTimeText(double number) {
    const DayAndSecond split = Split(number);
    if (!split.valid) return {};
    const QTime time = QTime(0, 0).addSecs(int(split.second));
    const QString timeText = time.toString(QStringLiteral("H:mm:ss"));
    if (split.day == 0) return timeText;  // a time of day alone ("0:00:00" for the base itself)
    const QString dateText = kBase.addDays(split.day).toString(QStringLiteral("dd.MM.yyyy"));
    if (split.second == 0) return dateText;
    return dateText + u' ' + timeText;
}

QString DateTimeText(const QVariant& stored) {
    if (stored.isNull()) return {};
    switch (stored.typeId()) {
        case QMetaType::LongLong:
        case QMetaType::Int:
        case QMetaType::Double:
            return DateTimeText(stored.toDouble());
        default:
            return stored.toString();  // a text in a date column (a constant of a union) shows as it is
    }
}

}  // namespace orvex
