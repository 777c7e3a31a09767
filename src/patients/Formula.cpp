#include "patients/Formula.h"

#include <QtGlobal>

namespace orvex {
namespace {

constexpr QStringView kPositionLetters = u"abcdefghijklmnopqrstuvwxyzABCDEF";
constexpr QStringView kStatusLetters = u"GHIJKLMNOPQRSTUVWXY";

int PositionOf(QChar letter) {
    return int(kPositionLetters.indexOf(letter)) + 1;
}  // 0 when foreign
int StatusOf(QChar letter) {
    return int(kStatusLetters.indexOf(letter)) + 1;
}

}  // namespace

const QList<ToothStatus>& ToothStatuses() {
    static const QList<ToothStatus> statuses = {
        {QStringLiteral("C"), QStringLiteral("Карієс")},
        {QStringLiteral("P"), QStringLiteral("Пульпіт")},
        {QStringLiteral("Pt"), QStringLiteral("Періодонтит")},
        {QStringLiteral("Lp"), QStringLiteral("Локалізований пародонтит")},
        {QStringLiteral("Gp"), QStringLiteral("Генегалізований пародонтит")},
        {QStringLiteral("R"), QStringLiteral("Корінь")},
        {QStringLiteral("A"), QStringLiteral("Відсутній")},
        {QStringLiteral("Cd"), QStringLiteral("Коронка")},
        {QStringLiteral("Pl"), QStringLiteral("Пломба")},
        {QStringLiteral("F"), QStringLiteral("Фасетка")},
        {QStringLiteral("ar"), QStringLiteral("Штучний зуб")},
        {QStringLiteral("r"), QStringLiteral("Реставрація")},
        {QStringLiteral("H"), QStringLiteral("Гемісекція")},
        {QStringLiteral("Am"), QStringLiteral("Ампутація")},
        {QStringLiteral("res"), QStringLiteral("Резекція")},
        {QStringLiteral("pin"), QStringLiteral("Штифт")},
        {QStringLiteral("i"), QStringLiteral("Імплантація")},
        {QStringLiteral("Rp"), QStringLiteral("Реплантація")},
        {QStringLiteral("Dc"), QStringLiteral("Зубний камінь")},
    };
    return statuses;
}

QList<ToothMark> DecodeFormula(const QString& formula) {
    QList<ToothMark> marks;
    // Whole entries only: an odd trailing character is not one.
    for (qsizetype i = 0; i + 1 < formula.size(); i += 2) {
        const int position = PositionOf(formula[i]);
        const int status = StatusOf(formula[i + 1]);
        if (position == 0 || status == 0) continue;
        marks.append({position, ToothStatuses()[status - 1].code});
    }
    return marks;
}

QString SetToothStatus(const QString& formula, int position, int status) {
    if (position < 1 || position > kToothPositions || status < 0 || status > kToothStatuses) return formula;
    const QChar letter = kPositionLetters[position - 1];
    // Works on whole entries, so that a damaged text (a stray letter, a tooth listed twice) can
    // never shift the entries after it out of step; on a sound text this is the plain search,
    // remove and append.
    QString result;
    result.reserve(formula.size() + 2);
    for (qsizetype i = 0; i + 1 < formula.size(); i += 2) {
        if (formula[i] == letter) continue;
        result.append(formula[i]);
        result.append(formula[i + 1]);
    }
    if (status > 0) {
        result.append(letter);
        result.append(kStatusLetters[status - 1]);
    }
    return result;
}

int StatusAt(const QString& formula, int position) {
    int status = 0;
    for (qsizetype i = 0; i + 1 < formula.size(); i += 2) {
        if (PositionOf(formula[i]) != position) continue;
        // The chart shows the entries in order, so the last one of a tooth is what it shows.
        const int s = StatusOf(formula[i + 1]);
        if (s != 0) status = s;
    }
    return status;
}

int ToothNumber(int position) {
    if (position < 1 || position > kToothPositions) return 0;
    const int quadrantStart[] = {18, 21, 48, 31};
    const int quadrant = (position - 1) / 8;
    const int offset = (position - 1) % 8;
    // The first and third quadrants run from the molar towards the middle, the others away from it.
    return quadrant % 2 == 0 ? quadrantStart[quadrant] - offset : quadrantStart[quadrant] + offset;
}

int ToothColumnAt(int x) {
    // x <= 26.75k is 4x <= 107k: integer arithmetic, so no column edge is lost to rounding.
    if (x <= 0) return 1;
    const qint64 k = (4 * qint64(x) + 106) / 107;
    return int(qBound(qint64(1), k, qint64(16)));
}

QStringList FormulaLegend(int formulaType) {
    if (formulaType == 1)
        return {QStringLiteral("  18     17     16     15     14    13     12     11 "
                               "    21     22     23     24     25     26    27     28"),
                QStringLiteral("  48     47     46     45     44    43     42     41 "
                               "    31     32    33     34     35      36    37     38")};
    return {
        QStringLiteral("8      7       6    5(V) 4(IV)3(III) 2(II)  1(I)  "
                       " 1(I)  2(II)  3(III) 4(IV) 5(V)    6      7       8")};
}

QString ExaminationDateForReport(const QString& fordatText) {
    if (fordatText.size() != 10) return fordatText;
    QString text = fordatText;
    return text.remove(6, 2);
}

}  // namespace orvex
