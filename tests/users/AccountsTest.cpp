#include <gtest/gtest.h>

#include "core/Settings.h"
#include "core/db/Database.h"
#include "support/ProgramFolder.h"
#include "users/Accounts.h"
#include "users/Digest.h"
#include "users/LoginList.h"

namespace orvex {
namespace {

const QString kAdmin = QStringLiteral("Адміністратор");

class AccountsTest : public test::ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        db.Open(Path("data/data.base"));
        // uid 1 has a password, uid 2 none; the list orders them by name.
        db.Exec("INSERT INTO users(uname,upass,allreg,ctrlviz,rep,medit,vedit,pvis) VALUES(\"Петренко\",\"" +
                PasswordDigest(QStringLiteral("зуб")) + "\",True,False,True,False,True,False)");
        db.Exec("INSERT INTO users(uname,upass,allreg,ctrlviz,rep,medit,vedit,pvis) VALUES(\"Іваненко\",\"" +
                PasswordDigest(QString()) + "\",False,True,False,True,False,True)");
        list.Rebuild(db, kAdmin);
    }

    Database db;
    LoginList list;
    CurrentUser user;
};

TEST_F(AccountsTest, LoginListPutsTheAdministratorFirstThenUsersByName) {
    EXPECT_EQ(list.Names(), QStringList({kAdmin, "Іваненко", "Петренко"}));
    EXPECT_EQ(list.UserNumberAt(0), -1);
    EXPECT_EQ(list.UserNumberAt(1), 2);
    EXPECT_EQ(list.UserNumberAt(3), LoginList::kNotInList);
    EXPECT_EQ(list.UserNumberAt(-1), LoginList::kNotInList);
    EXPECT_EQ(list.UserNameOf(1), "Петренко");
    EXPECT_EQ(list.UserNameOf(-1), kAdmin);
    EXPECT_EQ(list.UserNameOf(7), QString());
}

TEST_F(AccountsTest, LogInChecksThePasswordAndTakesTheRights) {
    struct Case {
        int position;
        const char* password;
        bool accepted;
        int number;
    };
    const Case cases[] = {
        {0, "", true, -1},  // the shipped administrator has no password
        {0, "x", false, -2}, {2, "зуб", true, 1}, {2, "ЗУБ", false, -2},  // passwords are case-sensitive
        {1, "", true, 2},
    };
    for (const Case& c : cases) {
        user = {};
        EXPECT_EQ(LogIn(db, list, c.position, QString::fromUtf8(c.password), kAdmin, user), c.accepted)
            << c.position << " " << c.password;
        EXPECT_EQ(user.number, c.number) << "a failed login leaves the user as it was";
        EXPECT_EQ(ReadSettingInt(QStringLiteral("LOGINDEX")), c.position);
    }

    ASSERT_TRUE(LogIn(db, list, 2, QStringLiteral("зуб"), kAdmin, user));
    EXPECT_EQ(user.name, "Петренко");
    EXPECT_TRUE(user.rights.allreg && user.rights.rep && user.rights.vedit);
    EXPECT_FALSE(user.rights.ctrlviz || user.rights.medit || user.rights.pvis);

    ASSERT_TRUE(LogIn(db, list, 0, QString(), kAdmin, user));
    EXPECT_EQ(user.name, kAdmin);
    EXPECT_TRUE(user.IsAdministrator());
    EXPECT_TRUE(user.rights.allreg && user.rights.ctrlviz && user.rights.rep && user.rights.medit &&
                user.rights.vedit && user.rights.pvis);
}

TEST_F(AccountsTest, VanishedUserAndEmptyAdministratorDigestCannotLogIn) {
    db.Exec(QStringLiteral("DELETE FROM users WHERE uid=2"));
    EXPECT_FALSE(LogIn(db, list, 1, QString(), kAdmin, user));  // the list still shows the user
    WriteSetting(QStringLiteral("ADM"), QString());
    EXPECT_FALSE(LogIn(db, list, 0, QString(), kAdmin, user));
}

TEST_F(AccountsTest, AdministratorPasswordPrompt) {
    WriteSetting(QStringLiteral("ADM"), PasswordDigest(QStringLiteral("секрет")));
    prompts.AnswerText(QStringLiteral("секрет"));
    EXPECT_TRUE(AdminPasswordPrompt());
    prompts.AnswerText(QStringLiteral("інше"));
    EXPECT_FALSE(AdminPasswordPrompt());
    prompts.AnswerCancel();
    EXPECT_FALSE(AdminPasswordPrompt());
    EXPECT_EQ(prompts.Texts(), QStringList(3, QStringLiteral("Захист|Введіть пароль адміністратора")));
}

TEST_F(AccountsTest, OwnPasswordChange) {
    bool askedOld = true;
    auto dialog = [&askedOld](const char* old, const char* fresh) {
        return [&askedOld, old, fresh](bool askOld) {
            askedOld = askOld;
            return PasswordEntry{true, QString::fromUtf8(old), QString::fromUtf8(fresh)};
        };
    };

    // The administrator without a password: no old password asked, no message.
    CurrentUser admin{kAdmin, CurrentUser::kAdministrator, Rights::All()};
    ChangeOwnPassword(db, admin, dialog("", "новий"));
    EXPECT_FALSE(askedOld);
    EXPECT_EQ(ReadSetting(QStringLiteral("ADM")), PasswordDigest(QStringLiteral("новий")));
    EXPECT_TRUE(prompts.shown().isEmpty());

    // A user with a password: asked, checked, written, confirmed.
    CurrentUser doctor{QStringLiteral("Петренко"), 1, {}};
    ChangeOwnPassword(db, doctor, dialog("невірний", "x"));
    EXPECT_TRUE(askedOld);
    EXPECT_EQ(prompts.Texts(), QStringList({"Невірний пароль!"}));
    ChangeOwnPassword(db, doctor, dialog("зуб", "щелепа"));
    EXPECT_EQ(prompts.Texts().last(), "Пароль змінено.");
    EXPECT_EQ(db.Query(QStringLiteral("SELECT upass FROM users WHERE uid=1")).Value(0, 0).toString(),
              PasswordDigest(QStringLiteral("щелепа")));

    // Nothing to compare with: refused before the dialog.
    prompts.Clear();
    WriteSetting(QStringLiteral("ADM"), QString());
    bool shown = false;
    ChangeOwnPassword(db, admin, [&shown](bool) {
        shown = true;
        return PasswordEntry{};
    });
    EXPECT_FALSE(shown);
    EXPECT_EQ(prompts.Texts(), QStringList({"Пошкоджений пароль користувача !"}));
}

TEST_F(AccountsTest, UserNamesAreUniqueWhateverTheLetterCase) {
    EXPECT_FALSE(UserNameFree(db, QStringLiteral("ПЕТРЕНКО")));
    EXPECT_FALSE(UserNameFree(db, QStringLiteral("іваненко")));
    EXPECT_TRUE(UserNameFree(db, QStringLiteral("Петренко О.")));
}

TEST_F(AccountsTest, UserWithPatientsIsKept) {
    db.Exec(QStringLiteral("INSERT INTO pac(pid,pname,uid,arch) VALUES(1,\"Коваль Ірина\",2,0)"));
    EXPECT_TRUE(UserHasPatients(db, 2));
    EXPECT_FALSE(UserHasPatients(db, 1));
}

}  // namespace
}  // namespace orvex
