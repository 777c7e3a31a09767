#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <QVariant>

namespace orvex {

// Dates and times are stored as the number of days since 30 December 1899, the time of day being
// the fraction; a time alone sits on day 0. Differences of two dates are then whole days.

double DateNumber(const QDate& date);
double TimeNumber(const QTime& time);  // fraction of a day, on day 0
double DateTimeNumber(const QDate& date, const QTime& time);

QDate DateOfNumber(double number);
QTime TimeOfNumber(double number);  // rounded to the second
QDateTime DateTimeOfNumber(double number);

// "dd.MM.yyyy H:mm:ss"; the date part is dropped on day 0 and the time part at midnight.
QString DateTimeText(double number);
// The same for a stored value; empty for null.
QString DateTimeText(const QVariant& stored);

}  // namespace orvex
