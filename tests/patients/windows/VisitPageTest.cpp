#include <gtest/gtest.h>

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "CardFileFixture.h"
#include "core/Lang.h"
#include "core/db/RowSet.h"
#include "patients/TKartForm.h"

namespace orvex {
namespace {

class VisitPageTest : public test::CardFileTest {
protected:
    void SetUp() override {
        CardFileTest::SetUp();
        AddPatientRow(5, QStringLiteral("Бойко Марія"), 1);
        kart().show();
        kart().pages->setCurrentIndex(1);
    }
    TKartForm& kart() { return *windows.kart; }
    RowSet& visits() { return kart().visits(); }
};

TEST_F(VisitPageTest, ThreeVisitsWithTextsAndPrices) {
    for (int i = 0; i < 3; ++i) kart().AddVisit();
    ASSERT_EQ(visits().Count(), 3);
    EXPECT_EQ(kart().visitTabs->count(), 3);
    EXPECT_EQ(kart().visitTabs->currentIndex(), 2) << "the newest visit is selected";
    EXPECT_EQ(kart().visitCounter->text(), "Відвідування : 3 з 3");
    const Rows perv = ctx.db.Query(QStringLiteral("SELECT perv FROM vidv ORDER BY vid"));
    EXPECT_EQ(perv.Value(0, 0).toInt(), 1);
    EXPECT_EQ(perv.Value(1, 0).toInt(), 0) << "a second visit on the same day is not the first";
    EXPECT_EQ(perv.Value(2, 0).toInt(), 0);

    const QStringList treatments = {"Пломба 36", "Чистка", "Огляд"};
    const QStringList prices = {"450,50", "300", "0,75"};
    for (int i = 0; i < 3; ++i) {
        kart().visitTabs->setCurrentIndex(i);
        Type(kart().likuv, treatments[i]);
        kart().price->setFocus();
        kart().price->selectAll();
        Type(kart().price, prices[i]);
    }
    kart().SaveVisit();
    const Rows saved = ctx.db.Query(QStringLiteral("SELECT likuv, sum FROM vidv ORDER BY vid"));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(saved.Value(i, "likuv").toString(), treatments[i]);
    EXPECT_DOUBLE_EQ(saved.Value(0, "sum").toDouble(), 450.5);
    EXPECT_DOUBLE_EQ(saved.Value(1, "sum").toDouble(), 300);
    EXPECT_DOUBLE_EQ(saved.Value(2, "sum").toDouble(), 0.75);
    EXPECT_TRUE(network->taken.contains(QStringLiteral("v1")));
    EXPECT_TRUE(network->released.contains(QStringLiteral("v1")));
    EXPECT_EQ(network->sent.count(QStringLiteral("vidvrefresh")), 3 + 3);  // three adds, three saves
    SaveScreen(&kart(), QStringLiteral("kart-visits"));
}

TEST_F(VisitPageTest, PendingReportItemsAreWrittenOnlyWhenTheVisitIsSaved) {
    kart().AddVisit();
    Type(kart().likuv, QStringLiteral("Пломба"));
    kart().pendingReportItems() << QStringLiteral("INSERT INTO zvit(vid,fid,cnt) VALUES(1,15,6);")
                                << QStringLiteral("INSERT INTO zvit(vid,fid,cnt) VALUES(1,no_such_column,1);")
                                << QStringLiteral("INSERT INTO zvit(vid,fid,cnt) VALUES(1,16,3);");
    kart().CancelVisit();
    EXPECT_EQ(Scalar(QStringLiteral("SELECT count(*) FROM zvit")).toInt(), 0) << "cancelling discards them";

    Type(kart().likuv, QStringLiteral("Пломба"));
    kart().pendingReportItems() << QStringLiteral("INSERT INTO zvit(vid,fid,cnt) VALUES(1,15,6);")
                                << QStringLiteral("INSERT INTO zvit(vid,fid,cnt) VALUES(1,no_such_column,1);")
                                << QStringLiteral("INSERT INTO zvit(vid,fid,cnt) VALUES(1,16,3);");
    kart().SaveVisit();
    EXPECT_EQ(Scalar(QStringLiteral("SELECT sum(cnt) FROM zvit")).toDouble(), 9)
        << "a failing one is skipped";
    EXPECT_EQ(kart().reportItems().Count(), 2);

    // Emptying the treatment of a visit with report items asks; No keeps them.
    kart().likuv->selectAll();
    QTest::keyClick(kart().likuv, Qt::Key_Delete);
    prompts.AnswerNo();
    kart().SaveVisit();
    EXPECT_EQ(
        prompts.Texts(),
        QStringList({"Інформація про лікування пуста. Видалити звітну інформацію щодо цього лікування?"}));
    EXPECT_EQ(Scalar(QStringLiteral("SELECT count(*) FROM zvit")).toInt(), 2);
}

TEST_F(VisitPageTest, DeletingAVisitAsksWithItsDate) {
    ctx.db.Exec(QStringLiteral(
        "INSERT INTO vidv(pid,vdate,vtime,perv) VALUES(5,#4/2/2007#,#12/30/1899 9:5:0#,True)"));
    ctx.db.Exec(QStringLiteral("INSERT INTO zvit(vid,fid,cnt) VALUES(1,9,1)"));
    kart().LoadVisits();
    EXPECT_EQ(kart().visitTabs->tabText(0), "2 квітня");
    prompts.AnswerNo();
    kart().DeleteVisit();
    prompts.AnswerYes();
    kart().DeleteVisit();
    EXPECT_EQ(prompts.Texts(),
              QStringList(2, QStringLiteral("Ви дійсно бажаєте видалити відвідування 2 квітня 2007р. ?")));
    EXPECT_EQ(Scalar(QStringLiteral("SELECT count(*) FROM vidv")).toInt(), 0);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT count(*) FROM zvit")).toInt(), 0);
    EXPECT_EQ(kart().visitCounter->text(), "Відвідування : 0 з 0");
    EXPECT_FALSE(kart().dateTimePanel->isVisible());

    // Edited on another workstation: refused with its message.
    kart().AddVisit();
    network->lockedElsewhere.insert("v" + QString::number(visits().Int(QStringLiteral("vid"))));
    kart().DeleteVisit();
    EXPECT_EQ(prompts.Texts().last(),
              "Відвідування редагується іншим користувачом, або відсутній зв`язок з сервером!");
}

TEST_F(VisitPageTest, WithoutTheHistoryRightTextsAreReadOnly) {
    LogInAs(2);  // allreg, no vedit
    kart().hide();
    kart().show();
    kart().AddVisit();
    EXPECT_TRUE(kart().likuv->isReadOnly());
    EXPECT_FALSE(kart().visitDate->isEnabled());
    EXPECT_FALSE(kart().deleteVisitButton->isEnabled());
}

TEST_F(VisitPageTest, AddingWhileTheServerIsUnreachableIsRefused) {
    ctx.serverLinkDown = true;
    kart().AddVisit();
    EXPECT_EQ(prompts.Texts(),
              QStringList({"Не можна додавати направлення, оскільки відсутній зв`язок із сервером."}));
    EXPECT_EQ(Scalar(QStringLiteral("SELECT count(*) FROM vidv")).toInt(), 0);
}

}  // namespace
}  // namespace orvex
