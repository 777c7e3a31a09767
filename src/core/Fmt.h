#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>
#include <functional>

#include "core/Money.h"

namespace orvex {

// Small text conversions shared by the whole program: SQL constants, shown dates and money,
// Ukrainian upper-casing and the appointment labels "doctor.appointment:patient|...".

QString UpperUkr(const QString&);

QString SqlDate(const QDate&);     // #4/2/2007#
QString SqlTime(const QTime&);     // #12/30/1899 9:5:0#
QString TimeText(const QTime&);    // 09:05
QString HourMinute(int h, int m);  // 9:5
QString CommaToPoint(const QString&);
QString SqlMoney(Money);               // 12.5
QString MoneyText(Money);              // 12,50
QString MoneyTextUah(Money);           // 12,50 грн.
Money KopecksToMoney(const QString&);  // throws ConversionError on a non-integer text
QString LongDate(const QDate&);        // 2 квітня 2007р.
QString SqlText(const QString&);       // "text" with inner quotes doubled

// "січня", …, "грудня" and the "1 - січень" … "12- грудень" selector items.
const QStringList& GenitiveMonths();
const QStringList& NumberedMonthChoices();

int LabelCount(const QString&);
QString LabelForDoctor(const QString&, int);
int AppointmentOf(const QString&, int);
QString PatientOf(const QString&, int);
QString LabelListHint(const QString&);

// Where LabelListHint takes a doctor's name from (the login list); unset, names are empty.
void SetUserNameSource(std::function<QString(int)> userNameOf);

}  // namespace orvex
