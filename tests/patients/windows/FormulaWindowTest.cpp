#include <gtest/gtest.h>

#include <QLabel>

#include "CardFileFixture.h"
#include "core/Fmt.h"
#include "core/Paths.h"
#include "core/Settings.h"
#include "core/db/RowSet.h"
#include "patients/TKartForm.h"
#include "patients/TKartFormulaForm.h"

namespace orvex {
namespace {

class FormulaWindowTest : public test::CardFileTest {
protected:
    void SetUp() override {
        CardFileTest::SetUp();
        AddPatientRow(5, QStringLiteral("Бойко Марія"), 1);
        AddPatientRow(6, QStringLiteral("Гнатюк Іван"), 1);
        windows.kart->show();
        windows.kart->patients().Locate(QStringLiteral("pid"), 5);
        windows.kart->ShowFormula();
    }
    TKartFormulaForm& formula() { return *windows.kartFormula; }
    void Set(int position, int status) {
        formula().SelectPosition(position);
        formula().ChooseStatus(status);
    }
    QString Stored(int pid) {
        return Scalar("SELECT formula FROM pac WHERE pid=" + QString::number(pid)).toString();
    }
};

TEST_F(FormulaWindowTest, StatusesAreStoredInTheCardRowWhenTheCardIsSaved) {
    Set(8, 9);   // tooth 11: "Пломба"
    Set(30, 1);  // tooth 36: "Карієс"
    EXPECT_EQ(formula().CodeShown(8), "Pl");
    EXPECT_EQ(formula().CodeShown(30), "C");
    EXPECT_EQ(Stored(5), QString()) << "nothing is written before the card is saved";
    windows.kart->SaveChanges();
    EXPECT_EQ(Stored(5), "hODG");
    Set(8, 6);  // tooth 11: "Корінь"
    windows.kart->SaveChanges();
    EXPECT_EQ(Stored(5), "DGhL");
    EXPECT_EQ(Scalar(QStringLiteral("SELECT fordat FROM pac WHERE pid=5")).toDouble(),
              QDate(1899, 12, 30).daysTo(QDate::currentDate()));
    EXPECT_EQ(network->taken, QStringList({"p5", "p5"}));
}

TEST_F(FormulaWindowTest, ClearingCanBeCancelledAndTheWindowFollowsThePatient) {
    ctx.db.Exec(QStringLiteral("UPDATE pac SET formula=\"hODG\", fordat=#4/2/2007# WHERE pid=5"));
    windows.kart->ReloadPatientList();
    formula().ShowPatient();
    EXPECT_EQ(formula().windowTitle(), "Останній огляд проводився: 02.04.2007");
    formula().ClearFormula();
    EXPECT_EQ(formula().CodeShown(8), QString());
    windows.kart->CancelChanges();
    EXPECT_EQ(formula().CodeShown(8), "Pl");

    windows.kart->patients().Locate(QStringLiteral("pid"), 6);
    EXPECT_EQ(formula().CodeShown(8), QString());
    Set(1, 0);  // "- Відмінити -" on a tooth without a status: only the date changes
    windows.kart->SaveChanges();
    EXPECT_EQ(Stored(6), QString());
    EXPECT_EQ(Scalar(QStringLiteral("SELECT fordat FROM pac WHERE pid=6")).toDouble(),
              QDate(1899, 12, 30).daysTo(QDate::currentDate()));
}

TEST_F(FormulaWindowTest, LegendFollowsTheNotationSetting) {
    const QStringList standard = formula().legendRows();
    EXPECT_EQ(standard.size(), 1);
    QString change;
    AppendSetting(QStringLiteral("FORMULA_TYPE"), QStringLiteral("1"), change);
    WriteSettingsGroup(PracticeSettingsPath(), change);
    formula().ShowPatient();
    EXPECT_NE(formula().legendRows(), standard);
    ASSERT_EQ(formula().legendRows().size(), 2);
    EXPECT_TRUE(formula().legendRows()[0].contains(QStringLiteral("18     17")));
    Set(8, 9);
    SaveScreen(&formula(), QStringLiteral("formula"));
    windows.kart->CancelChanges();
}

}  // namespace
}  // namespace orvex
