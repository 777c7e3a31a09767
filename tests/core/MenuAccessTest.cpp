#include <gtest/gtest.h>

#include "core/MenuAccess.h"
#include "core/RefreshTimer.h"

namespace orvex {
namespace {

TEST(MenuAccessTest, EachRightOpensItsItems) {
    struct Case {
        const char* who;
        CurrentUser user;
        MenuAccess expected;
    };
    auto doctor = [](Rights r) { return CurrentUser{QStringLiteral("Лікар"), 3, r}; };
    Rights rep;
    rep.rep = true;
    Rights repPvis = rep;
    repPvis.pvis = true;
    Rights ctrl;
    ctrl.ctrlviz = true;
    Rights pvisOnly;
    pvisOnly.pvis = true;
    Rights medit;
    medit.medit = true;

    const Case cases[] = {
        {"nobody", {}, {}},
        {"administrator",
         {QStringLiteral("Адміністратор"), -1, Rights::All()},
         {true, true, false, true, true, true, true}},
        {"no rights", doctor({}), {}},
        {"rep", doctor(rep), {false, false, false, false, true, true, false}},
        {"rep and pvis", doctor(repPvis), {false, false, false, true, true, true, false}},
        {"pvis alone", doctor(pvisOnly), {}},
        {"ctrlviz", doctor(ctrl), {false, true, false, false, false, false, false}},
        {"medit", doctor(medit), {false, false, false, false, false, false, true}},
        {"every right, not the administrator",
         doctor(Rights::All()),
         {false, true, false, true, true, true, true}},
    };
    for (const Case& c : cases) {
        const MenuAccess a = MenuAccessFor(c.user);
        const MenuAccess& e = c.expected;
        EXPECT_EQ(a.usersAndPasswords, e.usersAndPasswords) << c.who;
        EXPECT_EQ(a.baseSettings, e.baseSettings) << c.who;
        EXPECT_FALSE(a.network) << c.who;
        EXPECT_EQ(a.financial, e.financial) << c.who;
        EXPECT_EQ(a.dailyTreatment, e.dailyTreatment) << c.who;
        EXPECT_EQ(a.healthReports, e.healthReports) << c.who;
        EXPECT_EQ(a.templateEditors, e.templateEditors) << c.who;
    }
}

TEST(RefreshTimerTest, RunsTwoTicksAfterItsLastStart) {
    QList<bool> runs;
    RefreshTimer timer([&runs](bool second) { runs.append(second); });

    timer.RefreshNowAndRestart();  // a refresh at once, outside the count
    EXPECT_EQ(runs, QList<bool>({false}));
    EXPECT_TRUE(timer.IsActive());
    timer.Tick();
    EXPECT_TRUE(timer.IsActive());
    timer.RefreshNowAndRestart();  // a second word within the interval starts the count again
    timer.Tick();
    EXPECT_TRUE(timer.IsActive());
    timer.Tick();
    EXPECT_FALSE(timer.IsActive());
    EXPECT_EQ(timer.Ticks(), 0);
    EXPECT_EQ(runs, QList<bool>({false, false, false, false, true}));
}

}  // namespace
}  // namespace orvex
