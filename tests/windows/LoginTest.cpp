#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

#include "core/Fmt.h"
#include "core/Lang.h"
#include "core/Settings.h"
#include "core/TMainForm.h"
#include "core/db/Database.h"
#include "users/Digest.h"
#include "users/TLoginForm.h"
#include "users/TPassForm.h"
#include "users/TUserCfgForm.h"
#include "support/WindowTest.h"

namespace orvex {
namespace {

const QString kNoDoctorYet = QStringLiteral(
    "Увага. Для того, щоб можна було записувати пацієнтів, необхідно, щоб у прогамі був зареєстрований "
    "хочаб один користувач-лікар. Для цього скористайтесь меню \"Налаштування\"->\"Користувачі та "
    "паролі\".");

class LoginTest : public test::WindowTest {};

TEST_F(LoginTest, AdministratorLogsInAndIsToldToRegisterADoctorFirst) {
    CreateAll();
    WriteSettingInt(QStringLiteral("LOGINDEX"), 0);
    ASSERT_EQ(Lang(QStringLiteral("Admin")), "Адміністратор");

    ASSERT_TRUE(LogIn(QStringLiteral("Адміністратор")));
    EXPECT_EQ(windows.main->windowTitle(), "Orvex  [Адміністратор]");
    EXPECT_TRUE(ctx.user.IsAdministrator());
    EXPECT_TRUE(windows.main->Timer1->isActive()) << "the clock starts with the login";
    EXPECT_EQ(prompts.Texts(), QStringList{kNoDoctorYet});
    EXPECT_TRUE(windows.login->password->text().isEmpty());

    // With a doctor registered the note is not shown again.
    windows.main->hide();
    AddUser(QStringLiteral("Петренко"), {});
    prompts.Clear();
    ASSERT_TRUE(LogIn(QStringLiteral("Адміністратор")));
    EXPECT_TRUE(prompts.Texts().isEmpty());
}

TEST_F(LoginTest, WrongPasswordIsRefusedAndClearedAndTheUserStaysAsItWas) {
    CreateAll();
    AddUser(QStringLiteral("Петренко"), {}, QStringLiteral("зуб"));
    WriteSetting(QStringLiteral("ADM"), PasswordDigest(QStringLiteral("secret")));

    for (const char* name : {"Адміністратор", "Петренко"}) {
        EXPECT_FALSE(LogIn(QString::fromUtf8(name), QStringLiteral("wrong"))) << name;
        EXPECT_TRUE(windows.login->isVisible());
        EXPECT_TRUE(windows.login->password->text().isEmpty());
        EXPECT_EQ(ctx.user.number, CurrentUser::kNobody) << "a failed login changes nobody";
    }
    EXPECT_EQ(prompts.Texts(ScriptedPrompter::Kind::Warning),
              QStringList({Lang(QStringLiteral("Msg.WrongPass")), Lang(QStringLiteral("Msg.WrongPass"))}));
    EXPECT_EQ(ReadSettingInt(QStringLiteral("LOGINDEX")), 1) << "the attempt still remembers the choice";

    ASSERT_TRUE(LogIn(QStringLiteral("Петренко"), QStringLiteral("зуб")));
    EXPECT_EQ(windows.main->windowTitle(), "Orvex  [Петренко]");
}

TEST_F(LoginTest, RemembersTheChosenPositionAndFallsBackToTheAdministrator) {
    CreateAll();
    AddUser(QStringLiteral("Петренко"), {});
    AddUser(QStringLiteral("Іваненко"), {});
    const struct {
        const char* loginIndex;
        int selected;
    } cases[] = {{"2", 2}, {"1", 1}, {"3", 0}, {"99", 0}, {"-1", 0}, {"", 0}, {"abc", 0}};
    for (const auto& c : cases) {
        WriteSetting(QStringLiteral("LOGINDEX"), QString::fromUtf8(c.loginIndex));
        windows.login->show();
        EXPECT_EQ(windows.login->users->currentIndex(), c.selected) << c.loginIndex;
        windows.login->hide();
    }
    EXPECT_EQ(windows.login->users->itemText(1), "Іваненко") << "users follow the administrator by name";
}

TEST_F(LoginTest, DoctorAddedInTheUsersWindowLogsInWithoutPasswordAndGetsTheMenusOfTheRights) {
    CreateAll();
    ASSERT_TRUE(LogIn(QStringLiteral("Адміністратор")));
    prompts.Clear();

    TUserCfgForm* users = windows.userCfg;
    users->show();
    prompts.AnswerText(QStringLiteral("Сидоренко"));
    users->AddUser();
    users->rep->setChecked(true);
    users->accept();  // closing saves the new row and rebuilds the login list

    windows.main->hide();
    ASSERT_TRUE(LogIn(QStringLiteral("Сидоренко")));
    EXPECT_EQ(ctx.user.name, "Сидоренко");
    EXPECT_GT(ctx.user.number, 0);
    EXPECT_TRUE(ctx.user.rights.rep && ctx.user.rights.pvis);
    EXPECT_FALSE(ctx.user.rights.allreg || ctx.user.rights.ctrlviz || ctx.user.rights.medit);
    TMainForm* main = windows.main;
    EXPECT_EQ(main->windowTitle(), "Orvex  [Сидоренко]");
    EXPECT_FALSE(main->action(QStringLiteral("Налаштування/Користувачі та паролі"))->isEnabled());
    EXPECT_FALSE(main->action(QStringLiteral("Налаштування/Базові налаштування"))->isEnabled());
    EXPECT_TRUE(main->action(QStringLiteral("Звіт/Звітність МОЗ"))->isEnabled());

    // Own password: no old one is asked while none is set.
    bool askedOld = true;
    WhenModal([&] {
        TPassForm* pass = windows.pass;
        askedOld = pass->oldPassword->isEnabled();
        pass->newPassword->setText(QStringLiteral("абв"));
        pass->confirmPassword->setText(QStringLiteral("абв"));
        pass->Confirm();
    });
    main->action(QStringLiteral("Налаштування/Змінити пароль"))->trigger();
    EXPECT_FALSE(askedOld);
    EXPECT_EQ(prompts.Texts(ScriptedPrompter::Kind::Info), QStringList{"Пароль змінено."});
    EXPECT_EQ(
        ctx.db.Query("SELECT upass FROM users WHERE uid=" + QString::number(ctx.user.number)).Value(0, 0),
        PasswordDigest(QStringLiteral("абв")));
}

TEST_F(LoginTest, DoctorNamesComeFromTheLoginListOnlyWhileTheLoginWindowExists) {
    CreateAll();
    const QString label = QString::number(AddUser(QStringLiteral("Петренко"), {})) + ".1:Коваль";
    windows.login->Rebuild();
    EXPECT_EQ(LabelListHint(label), "Пацієнт: Коваль\n\rЛікар: Петренко");
    DestroyWindows(ctx);
    EXPECT_EQ(LabelListHint(label), "Пацієнт: Коваль\n\rЛікар: ");
}

}  // namespace
}  // namespace orvex
