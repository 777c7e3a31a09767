#include <gtest/gtest.h>

#include <QAction>
#include <QDate>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTime>
#include <QTimer>

#include "core/Fmt.h"
#include "core/Paths.h"
#include "core/RefreshTimer.h"
#include "core/Settings.h"
#include "core/TMainForm.h"
#include "core/db/Database.h"
#include "support/WindowTest.h"

namespace orvex {
namespace {

const CurrentUser kAdministrator{QStringLiteral("Адміністратор"), CurrentUser::kAdministrator, Rights::All()};

// Menu items whose windows the program does not have yet.
const char* const kNotYetThere[] = {
    "Довідник/Фірми",
    "Довідник/Колеги",
    "Реєстратура/Пошук",
    "Реєстратура/Тижневий графік",
    "Реєстратура/Нагадування",
    "Звіт/Фінансовий",
    "Звіт/Узагальнений фін. звіт",
    "Звіт/Лікування щоденний",
    "Звіт/Звітність МОЗ/Форма 037/o",
    "Звіт/Звітність МОЗ/Форма 039-2/o",
    "Звіт/Звітність МОЗ/Форма №20",
    "Налаштування/Налаштування меню/Скарги",
    "Налаштування/Налаштування меню/Лікування",
    "Налаштування/Rep",
};

class MainFormTest : public test::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        auto fake = std::make_unique<test::CountingNetwork>();
        network = fake.get();
        ctx.network = std::move(fake);
    }

    void ShowAs(const CurrentUser& user) {
        ctx.user = user;
        windows.main->hide();
        windows.main->show();
    }
    bool Enabled(const char* path) {
        QAction* a = windows.main->action(QString::fromUtf8(path));
        EXPECT_NE(a, nullptr) << path;
        return a && a->isEnabled();
    }
    void AddReminder(int daysFromToday, bool done, int uid) {
        ctx.db.Exec("INSERT INTO nagad(txt,dat,done,uid) VALUES(\"Контроль\"," +
                    SqlDate(QDate::currentDate().addDays(daysFromToday)) + u',' +
                    (done ? QStringLiteral("True") : QStringLiteral("False")) + u',' + QString::number(uid) +
                    u')');
    }

    test::CountingNetwork* network = nullptr;
};

TEST_F(MainFormTest, MenuItemsFollowTheRightsOfEachLogin) {
    CreateAll();
    auto rights = [](bool ctrlviz, bool rep, bool pvis) {
        Rights r;
        r.ctrlviz = ctrlviz;
        r.rep = rep;
        r.pvis = pvis;
        return r;
    };
    const struct {
        const char* who;
        CurrentUser user;
        bool users, base, health;
    } cases[] = {
        {"administrator", kAdministrator, true, true, true},
        {"no rights", {QStringLiteral("Петренко"), 3, {}}, false, false, false},
        {"ctrlviz", {QStringLiteral("Петренко"), 3, rights(true, false, false)}, false, true, false},
        {"rep", {QStringLiteral("Петренко"), 3, rights(false, true, false)}, false, false, true},
        {"pvis", {QStringLiteral("Петренко"), 3, rights(false, false, true)}, false, false, false},
        {"every right", {QStringLiteral("Петренко"), 3, Rights::All()}, false, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.who);
        ShowAs(c.user);
        EXPECT_EQ(Enabled("Налаштування/Користувачі та паролі"), c.users);
        EXPECT_EQ(Enabled("Налаштування/Базові налаштування"), c.base);
        EXPECT_EQ(Enabled("Звіт/Звітність МОЗ"), c.health);
        EXPECT_FALSE(Enabled("Налаштування/Мережа"));
        EXPECT_TRUE(Enabled("Налаштування/Змінити пароль"));
        EXPECT_TRUE(Enabled("Довідка/Про програму..."));
        // Items whose windows the program does not have yet stay disabled even for the administrator.
        for (const char* absent : kNotYetThere) EXPECT_FALSE(Enabled(absent)) << absent;
    }
    EXPECT_EQ(windows.main->windowTitle(), "Orvex  [Петренко]");
}

TEST_F(MainFormTest, DayGridGivesTheTimeColumnOneSeventhFromTheFirstShowing) {
    CreateAll();
    ShowAs(kAdministrator);
    for (const QSize size : {windows.main->size(), QSize(800, 600), QSize(1280, 960)}) {
        windows.main->resize(size);
        const int width = windows.main->dayGrid->viewport()->width();
        EXPECT_GT(width, 300);
        EXPECT_EQ(windows.main->dayGrid->columnWidth(0), width / 7) << size.width();
        EXPECT_EQ(windows.main->dayGrid->columnWidth(1), width - width / 7) << size.width();
    }
}

TEST_F(MainFormTest, NetDebugShowsTheProtocolPanels) {
    for (const bool debug : {false, true}) {
        SCOPED_TRACE(debug);
        ctx.netDebug = debug;
        CreateAll();
        ShowAs(kAdministrator);
        TMainForm* main = windows.main;
        EXPECT_EQ(main->action(QStringLiteral("Налаштування/Rep"))->isVisible(), debug);
        EXPECT_EQ(main->lockTestPanel->isVisible(), debug);
        EXPECT_EQ(main->protocolSent->isVisible(), debug);
        EXPECT_EQ(main->protocolReceived->isVisible(), debug);
        EXPECT_EQ(main->networkStatus->isVisible(), debug);
        SaveScreen(main, debug ? QStringLiteral("main-netdebug") : QStringLiteral("main-plain"));
        DestroyWindows(ctx);
    }
}

TEST_F(MainFormTest, RefreshIntervalAndNetworkStartComeFromTheWorkstationSettings) {
    test::WriteFile(Path("share/data.base"), "x");
    const struct {
        const char* settings;
        int interval;
        int starts;
    } cases[] = {
        {"NETWORK=0##RTIME=1500##", 4000, 0},
        {"NETWORK=1##RTIME=0##NETBASE=##", 4000, 0},
        {"NETWORK=1##RTIME=1500##NETBASE=share/data.base##", 1500, 0},  // not a usable path
        {"NETWORK=1##RTIME=2500##NETBASE=@##", 2500, 1},
    };
    OpenDatabase();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.settings);
        WriteSettingsGroup(WorkstationSettingsPath(),
                           QString::fromUtf8(c.settings).replace(u'@', Path("share/data.base")));
        network->starts = 0;
        TMainForm main(ctx);
        for (RefreshTimer* t : {main.NznRTimer, main.CRDRTimer, main.VidvRTimer, main.NagadTimer})
            EXPECT_EQ(t->Interval(), c.interval);
        EXPECT_EQ(network->starts, c.starts);
    }
}

TEST_F(MainFormTest, ClockReloadsTheDayGridOnlyWhenTheHourChanges) {
    CreateAll();
    TMainForm* main = windows.main;
    const struct {
        QTime now;
        const char* shown;
        int reloads;
    } cases[] = {
        {QTime(9, 59, 58), "09:59:58", 1},  // the first tick
        {QTime(9, 59, 59), "09:59:59", 0},  // minutes and seconds only move the clock
        {QTime(10, 0, 0), "10:00:00", 1},  {QTime(10, 1, 0), "10:01:00", 0},
        {QTime(10, 1, 0), "10:01:00", 0},  {QTime(9, 0, 0), "09:00:00", 1},  // any other hour, backwards too
    };
    for (const auto& c : cases) {
        const int before = main->dayGridReloads;
        main->ClockTick(c.now);
        EXPECT_EQ(main->clock->text(), QString::fromLatin1(c.shown));
        EXPECT_EQ(main->dayGridReloads - before, c.reloads) << c.shown;
    }
}

TEST_F(MainFormTest, NotificationsDriveTheirRefreshTimers) {
    CreateAll();
    TMainForm* main = windows.main;
    ctx.user = kAdministrator;
    RefreshTimer* const timers[] = {main->NznRTimer, main->CRDRTimer, main->VidvRTimer, main->NagadTimer};
    const struct {
        const char* word;
        RefreshTimer* started;  // null: none
        int reloadsAtOnce;
        int reloadsOverTwoTicks;
    } cases[] = {
        {"nznrefresh", main->NznRTimer, 1, 2},
        {"cardrefresh", main->CRDRTimer, 0, 1},  // the second tick runs one appointment refresh
        {"vidvrefresh", main->VidvRTimer, 0, 0},
        {"nagad", main->NagadTimer, 0, 0},
        {"menurefresh", nullptr, 0, 0},
        {"040209050705no", nullptr, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.word);
        main->cardRefreshPending = main->visitRefreshPending = true;
        int reloads = main->dayGridReloads;
        main->DispatchNotification(QString::fromLatin1(c.word));
        EXPECT_EQ(main->dayGridReloads - reloads, c.reloadsAtOnce);
        for (RefreshTimer* t : timers) EXPECT_EQ(t->IsActive(), t == c.started);
        if (!c.started) continue;

        reloads = main->dayGridReloads;
        c.started->Tick();
        EXPECT_TRUE(c.started->IsActive());
        c.started->Tick();
        EXPECT_FALSE(c.started->IsActive()) << "stops itself after its second tick";
        EXPECT_EQ(c.started->Ticks(), 0);
        EXPECT_EQ(main->dayGridReloads - reloads, c.reloadsOverTwoTicks);
        if (c.started == main->CRDRTimer) {
            EXPECT_FALSE(main->cardRefreshPending);
        }
        if (c.started == main->VidvRTimer) {
            EXPECT_FALSE(main->visitRefreshPending);
        }
    }
    EXPECT_EQ(network->answers, QStringList{"040209050705no"}) << "a lock answer goes to the protocol";
}

TEST_F(MainFormTest, ReminderButtonShowsDueRemindersAndStopsBlinkingVisible) {
    CreateAll();
    TMainForm* main = windows.main;
    const CurrentUser doctor{QStringLiteral("Петренко"), 3, {}};
    const struct {
        int days;
        bool done;
        int uid;
        const CurrentUser* user;
        bool shown;
    } cases[] = {
        {0, false, 3, &doctor, true},         {-5, false, 3, &doctor, true},  // overdue
        {1, false, 3, &doctor, false},                                        // not due yet
        {-1, true, 3, &doctor, false},                                        // done
        {0, false, 9, &doctor, false},                                        // another doctor's
        {0, false, 9, &kAdministrator, true},  // everybody's for the administrator
    };
    for (const auto& c : cases) {
        ctx.db.Exec(QStringLiteral("DELETE FROM nagad"));
        AddReminder(c.days, c.done, c.uid);
        ShowAs(*c.user);
        EXPECT_EQ(main->reminderButton->isVisible(), c.shown) << c.days << " " << c.uid;
        EXPECT_EQ(main->Timer2->isActive(), c.shown) << "blinks when shown";
        main->Timer2->stop();
    }

    // A reminder arriving from elsewhere while the window is open.
    ctx.db.Exec(QStringLiteral("DELETE FROM nagad"));
    ShowAs(doctor);
    EXPECT_FALSE(main->reminderButton->isVisible());
    AddReminder(0, false, 3);
    main->DispatchNotification(QStringLiteral("nagad"));
    EXPECT_TRUE(main->reminderButton->isVisible());
    ASSERT_TRUE(main->Timer2->isActive());
    QList<bool> seen;
    for (int tick = 0; tick < 6; ++tick) {
        main->BlinkTick();
        seen.append(main->reminderButton->isVisible());
    }
    EXPECT_EQ(seen, QList<bool>({false, true, false, true, false, true}));
    EXPECT_FALSE(main->Timer2->isActive());
    EXPECT_TRUE(main->reminderButton->isVisible());
}

TEST_F(MainFormTest, ClosingAsksOnlyAServerWithConnectedClients) {
    const QString question =
        QStringLiteral("Є активні мережеві під`єднання! Ви дійсно бажаєте закрити програму ?");
    const struct {
        const char* settings;
        int clients;
        int answer;  // 0 none expected, 1 yes, 2 no
        bool closed;
    } cases[] = {
        {"NETWORK=0##SERVER=0##", 0, 0, true},  {"NETWORK=0##SERVER=1##", 2, 0, true},
        {"NETWORK=1##SERVER=0##", 2, 0, true},  {"NETWORK=1##SERVER=1##", 0, 0, true},
        {"NETWORK=1##SERVER=1##", 1, 2, false}, {"NETWORK=1##SERVER=1##", 1, 1, true},
    };
    CreateAll();
    TMainForm* main = windows.main;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.settings + std::to_string(c.clients));
        WriteSettingsGroup(WorkstationSettingsPath(), QString::fromLatin1(c.settings));
        network->clients = c.clients;
        prompts.Clear();
        if (c.answer == 1) prompts.AnswerYes();
        if (c.answer == 2) prompts.AnswerNo();
        ShowAs(kAdministrator);
        main->close();
        EXPECT_EQ(prompts.Texts(), c.answer ? QStringList{question} : QStringList());
        EXPECT_EQ(main->isVisible(), !c.closed);
    }
}

}  // namespace
}  // namespace orvex
