#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace orvex {

// The dental formula as pac.formula stores it: two-letter entries, a position letter
// ("a"…"z","A"…"F" for positions 1–32) followed by a status letter ("G"…"Y" for statuses 1–19),
// in the order the teeth were last set.

struct ToothMark {
    int position;  // 1–32: upper jaw 1–16 from the patient's right, lower jaw 17–32 likewise
    QString code;  // "C", "Pt", …
};

struct ToothStatus {
    QString code;  // shown on the chart and printed
    QString name;  // the menu caption
};

inline constexpr int kToothPositions = 32;
inline constexpr int kToothStatuses = 19;

// The 19 statuses, status s at index s-1.
const QList<ToothStatus>& ToothStatuses();

QList<ToothMark> DecodeFormula(const QString& formula);  // malformed entries skipped
// Removes the tooth's entry and, for a status 1–19, appends its new one; 0 only removes.
QString SetToothStatus(const QString& formula, int position, int status);
int StatusAt(const QString& formula, int position);  // 0 when the tooth has none

int ToothNumber(int position);  // the international number: position 1 is 18, 9 is 21, 17 is 48
// The column (1–16) of a jaw picture 428 pixels wide under horizontal coordinate x.
int ToothColumnAt(int x);
// The lines of the legend under the chart for the FORMULA_TYPE setting.
QStringList FormulaLegend(int formulaType);
// The examination date as the card report prints it: "dd.MM.yyyy" becomes "dd.MM.yy".
QString ExaminationDateForReport(const QString& fordatText);

}  // namespace orvex
