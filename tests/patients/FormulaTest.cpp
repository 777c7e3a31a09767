#include <gtest/gtest.h>

#include "patients/Formula.h"

namespace orvex {
namespace {

constexpr int kTooth11 = 8;   // position of tooth 11
constexpr int kTooth36 = 30;  // position of tooth 36

QString Marks(const QString& formula) {
    QStringList parts;
    for (const ToothMark& mark : DecodeFormula(formula))
        parts << QString::number(mark.position) + u':' + mark.code;
    return parts.join(u' ');
}

TEST(FormulaTest, SettingTeethWritesTheStoredEntriesInOrderOfChange) {
    QString formula;
    formula = SetToothStatus(formula, kTooth11, 9);  // Пломба
    EXPECT_EQ(formula, "hO");
    formula = SetToothStatus(formula, kTooth36, 1);  // Карієс
    EXPECT_EQ(formula, "hODG");
    formula = SetToothStatus(formula, kTooth11, 6);  // Корінь moves the entry to the end
    EXPECT_EQ(formula, "DGhL");
    EXPECT_EQ(StatusAt(formula, kTooth11), 6);
    EXPECT_EQ(StatusAt(formula, kTooth36), 1);
    EXPECT_EQ(StatusAt(formula, 1), 0);

    EXPECT_EQ(SetToothStatus(formula, kTooth11, 0), "DG");  // "- Відмінити -"
    EXPECT_EQ(SetToothStatus(formula, 1, 0), formula);      // a tooth without entry: no change
    EXPECT_EQ(SetToothStatus(QString(), 32, 19), "FY");
    EXPECT_EQ(SetToothStatus(QString(), 1, 1), "aG");
    for (const auto& [position, status] : {std::pair{0, 1}, {33, 1}, {5, -1}, {5, 20}})
        EXPECT_EQ(SetToothStatus(formula, position, status), formula) << position << " " << status;
}

TEST(FormulaTest, DecodingSkipsWhatIsNotAWholeEntry) {
    const struct {
        const char* formula;
        const char* marks;
    } cases[] = {
        {"", ""},
        {"DGhL", "30:C 8:R"},
        {"hOD", "8:Pl"},              // odd trailing character
        {"hZDG", "30:C"},             // Z is no status letter
        {"GhDG", "30:C"},             // G is no position letter
        {"aRbRFY", "1:r 2:r 32:Dc"},  // the letter R is status 12, restoration "r", not root "R"
        {"h1ЖOcW", "3:i"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Marks(QString::fromUtf8(c.formula)), QString::fromUtf8(c.marks)) << c.formula;
}

TEST(FormulaTest, DamagedTextKeepsLaterEntriesInStep) {
    // A stray letter in front of a tooth's letter must not make the change eat a neighbouring entry.
    EXPECT_EQ(SetToothStatus(QStringLiteral("hOh"), kTooth11, 6), "hL");
    EXPECT_EQ(SetToothStatus(QStringLiteral("hOaGhP"), kTooth11, 1), "aGhG");  // listed twice
    EXPECT_EQ(StatusAt(QStringLiteral("hOaGhP"), kTooth11), 10);               // the chart shows the last
}

TEST(FormulaTest, StatusTableAndToothNumbers) {
    const QList<ToothStatus>& statuses = ToothStatuses();
    ASSERT_EQ(statuses.size(), kToothStatuses);
    QStringList codes;
    for (const ToothStatus& s : statuses) codes << s.code;
    EXPECT_EQ(codes.join(u' '), "C P Pt Lp Gp R A Cd Pl F ar r H Am res pin i Rp Dc");
    EXPECT_EQ(statuses[0].name, "Карієс");
    EXPECT_EQ(statuses[4].name, "Генегалізований пародонтит");
    EXPECT_EQ(statuses[10].name, "Штучний зуб");
    EXPECT_EQ(statuses[18].name, "Зубний камінь");

    QStringList numbers;
    for (int p = 1; p <= kToothPositions; ++p) numbers << QString::number(ToothNumber(p));
    EXPECT_EQ(
        numbers.join(u' '),
        "18 17 16 15 14 13 12 11 21 22 23 24 25 26 27 28 48 47 46 45 44 43 42 41 31 32 33 34 35 36 37 38");
    EXPECT_EQ(ToothNumber(0), 0);
    EXPECT_EQ(ToothNumber(33), 0);
}

TEST(FormulaTest, PointerColumnIsTheFirstWhoseEdgeIsNotLeftOfIt) {
    const struct {
        int x;
        int column;
    } cases[] = {{-5, 1}, {0, 1},   {26, 1},  {27, 2},   {53, 2},   {54, 3},   {80, 3},
                 {81, 4}, {107, 4}, {108, 5}, {401, 15}, {402, 16}, {428, 16}, {500, 16}};
    for (const auto& c : cases) EXPECT_EQ(ToothColumnAt(c.x), c.column) << c.x;
}

TEST(FormulaTest, LegendFollowsTheNotationSetting) {
    const QStringList european = FormulaLegend(1);
    ASSERT_EQ(european.size(), 2);
    EXPECT_EQ(
        european[0],
        "  18     17     16     15     14    13     12     11     21     22     23     24     25     26    27"
        "     28");
    EXPECT_EQ(
        european[1],
        "  48     47     46     45     44    43     42     41     31     32    33     34     35      36    37"
        "     38");
    const QStringList standard = {
        "8      7       6    5(V) 4(IV)3(III) 2(II)  1(I)   1(I)  2(II)  3(III) 4(IV) 5(V)    6      7       "
        "8"};
    EXPECT_EQ(FormulaLegend(0), standard);
    EXPECT_EQ(FormulaLegend(2), standard);
}

TEST(FormulaTest, ExaminationDateLosesTheCenturyForTheReport) {
    EXPECT_EQ(ExaminationDateForReport(QStringLiteral("05.03.2024")), "05.03.24");
    EXPECT_EQ(ExaminationDateForReport(QString()), "");
    EXPECT_EQ(ExaminationDateForReport(QStringLiteral("05.03.24")), "05.03.24");
}

}  // namespace
}  // namespace orvex
