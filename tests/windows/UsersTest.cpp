#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "core/Fmt.h"
#include "core/Lang.h"
#include "core/db/Database.h"
#include "core/db/RowSet.h"
#include "users/Digest.h"
#include "users/TLoginForm.h"
#include "users/TPassForm.h"
#include "users/TUserCfgForm.h"
#include "support/WindowTest.h"

namespace orvex {
namespace {

class UsersTest : public test::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        CreateAll();
        form = windows.userCfg;
    }

    Rows User(const QString& name) {
        return ctx.db.Query("SELECT * FROM users WHERE uname=" + SqlText(name));
    }
    void Select(const QString& name) {
        ASSERT_TRUE(form->rows().Locate(QStringLiteral("uname"), name)) << name.toStdString();
    }
    int UserCount() { return ctx.db.Query(QStringLiteral("SELECT uid FROM users")).Count(); }

    TUserCfgForm* form = nullptr;
};

TEST_F(UsersTest, AddsAUserWithTheDefaultRightsAndRefusesAnyCaseOfATakenName) {
    form->show();
    EXPECT_FALSE(form->deleteButton->isEnabled());
    EXPECT_FALSE(form->passwordButton->isEnabled());

    prompts.AnswerText(QStringLiteral("Іваненко"));
    form->AddUser();
    EXPECT_TRUE(form->deleteButton->isEnabled());
    EXPECT_TRUE(form->passwordButton->isEnabled());
    EXPECT_TRUE(form->loginListStale());
    form->PostChanges();

    const Rows row = User(QStringLiteral("Іваненко"));
    ASSERT_EQ(row.Count(), 1);
    EXPECT_EQ(row.Value(0, QStringLiteral("upass")).toString(), PasswordDigest(QString()));
    EXPECT_TRUE(row.Value(0, QStringLiteral("rid")).isNull());
    EXPECT_EQ(row.Value(0, QStringLiteral("pvis")).toInt(), 1);
    for (const char* right : {"allreg", "ctrlviz", "rep", "medit", "vedit"})
        EXPECT_EQ(row.Value(0, QString::fromLatin1(right)).toInt(), 0) << right;

    for (const char* taken : {"іваненко", "ІВАНЕНКО", "Іваненко", "іВАНЕНКО"}) {
        prompts.AnswerText(QString::fromUtf8(taken));
        form->AddUser();
    }
    form->PostChanges();
    EXPECT_EQ(UserCount(), 1);
    EXPECT_EQ(prompts.Texts(ScriptedPrompter::Kind::Input).size(), 5);
    EXPECT_EQ(prompts.Texts(ScriptedPrompter::Kind::Input).first(), "Новий користувач|Ім`я користувача:");
    EXPECT_EQ(prompts.Texts().size(), 5) << "a taken name is refused without a word";
}

TEST_F(UsersTest, DeletesOnlyAfterTheQuestionAndNeverAUserWhoOwnsPatients) {
    const int owner = AddUser(QStringLiteral("Петренко"), {});
    AddUser(QStringLiteral("Іваненко"), {});
    ctx.db.Exec("INSERT INTO pac(pid,pname,uid) VALUES(5,\"Коваль\"," + QString::number(owner) + u')');
    form->show();

    Select(QStringLiteral("Петренко"));
    prompts.AnswerYes();
    form->DeleteUser();
    EXPECT_EQ(prompts.Texts(),
              QStringList({"Ви дійсно бажаєте видалити користувача Петренко ?",
                           "У користувача є пацієнти ! Спочатку передайте усіх пацієнтів іншому лікарю. "
                           "Для цього, увійдіть до системи як адміністратор, клацніть правою кл. миші на "
                           "список пацієнтів та виберіть \"Передати УСІХ пацієнтів лікарю\"."}));
    EXPECT_EQ(UserCount(), 2);

    Select(QStringLiteral("Іваненко"));
    prompts.AnswerNo();
    form->DeleteUser();
    EXPECT_EQ(UserCount(), 2);
    EXPECT_FALSE(form->loginListStale());

    prompts.AnswerYes();
    form->DeleteUser();
    EXPECT_EQ(UserCount(), 1);
    EXPECT_TRUE(User(QStringLiteral("Іваненко")).Count() == 0);
    EXPECT_TRUE(form->loginListStale());

    // Without patients the last user goes too, and the buttons that need a user are disabled.
    ctx.db.Exec(QStringLiteral("DELETE FROM pac"));
    prompts.AnswerYes();
    form->DeleteUser();
    EXPECT_EQ(UserCount(), 0);
    EXPECT_FALSE(form->deleteButton->isEnabled());
    EXPECT_FALSE(form->passwordButton->isEnabled());
}

TEST_F(UsersTest, ChangesAPasswordThroughThePasswordDialog) {
    struct Case {
        const char* stored;  // the user's password before
        const char* old;
        const char* fresh;
        const char* confirm;
        const char* warning;  // empty: none
        const char* after;    // the password that must then match
    };
    const QString wrongPass = Lang(QStringLiteral("Msg.WrongPass"));
    const Case cases[] = {
        {"", "", "новий", "новий", "", "новий"},  // no old password to give
        {"старий", "старий", "новий", "новий", "", "новий"},
        {"старий", "інший", "новий", "новий", "WRONG", "старий"},
        {"старий", "старий", "новий", "новій", "Ви неправельно ввели підтвердження нового паролю !",
         "старий"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.old + std::string(" ") + c.fresh + " " + c.confirm);
        ctx.db.Exec(QStringLiteral("DELETE FROM users"));
        AddUser(QStringLiteral("Петренко"), {}, QString::fromUtf8(c.stored));
        form->show();
        prompts.Clear();

        bool oldEnabled = false;
        bool noteShown = false;
        WhenModal([&] {
            TPassForm* pass = windows.pass;
            oldEnabled = pass->oldPassword->isEnabled();
            noteShown = pass->notNeeded->isVisible();
            EXPECT_TRUE(pass->newPassword->text().isEmpty() && pass->confirmPassword->text().isEmpty());
            pass->oldPassword->setText(QString::fromUtf8(c.old));
            pass->newPassword->setText(QString::fromUtf8(c.fresh));
            pass->confirmPassword->setText(QString::fromUtf8(c.confirm));
            pass->Confirm();
        });
        form->ChangePassword();

        const bool askOld = *c.stored != 0;
        EXPECT_EQ(oldEnabled, askOld);
        EXPECT_EQ(noteShown, !askOld);
        const QString warning =
            QString::fromUtf8(c.warning) == u"WRONG" ? wrongPass : QString::fromUtf8(c.warning);
        EXPECT_EQ(prompts.Texts(), warning.isEmpty() ? QStringList() : QStringList{warning});
        // Saved at once, not at the window's close.
        EXPECT_EQ(User(QStringLiteral("Петренко")).Value(0, QStringLiteral("upass")).toString(),
                  PasswordDigest(QString::fromUtf8(c.after)));
        form->reject();
    }
}

TEST_F(UsersTest, RenamesAndSavesRightsAndRoomsAndRebuildsTheLoginListOnClose) {
    AddUser(QStringLiteral("Петренко"), {});
    const int other = AddUser(QStringLiteral("Іваненко"), {});
    ctx.db.Exec("UPDATE users SET rid=2 WHERE uid=" + QString::number(other));
    windows.login->Rebuild();
    form->show();

    EXPECT_EQ(form->room->count(), 3);
    EXPECT_EQ(form->room->itemText(0), "Усі кабінети");
    // The selector follows the selected user: the room, "Усі кабінети" for none, nothing for a lost room.
    Select(QStringLiteral("Іваненко"));
    EXPECT_EQ(form->room->currentText(), "Кабінет № 2");
    Select(QStringLiteral("Петренко"));
    EXPECT_EQ(form->room->currentIndex(), 0);

    // Rights and room of Петренко.
    QCheckBox* boxes[] = {form->allreg, form->ctrlviz, form->rep, form->medit, form->vedit, form->pvis};
    for (QCheckBox* box : boxes) box->setChecked(!box->isChecked());
    form->room->setCurrentIndex(1);
    Q_EMIT form->room->activated(1);
    form->PostChanges();
    Rows row = User(QStringLiteral("Петренко"));
    EXPECT_EQ(row.Value(0, QStringLiteral("rid")).toInt(), 1);
    for (const char* right : {"allreg", "ctrlviz", "rep", "medit", "vedit", "pvis"})
        EXPECT_EQ(row.Value(0, QString::fromLatin1(right)).toInt(), 1) << right;

    form->room->setCurrentIndex(0);
    Q_EMIT form->room->activated(0);
    form->PostChanges();
    EXPECT_TRUE(User(QStringLiteral("Петренко")).Value(0, QStringLiteral("rid")).isNull());

    ctx.db.Exec("UPDATE users SET rid=77 WHERE uid=" + QString::number(other));
    form->rows().Requery();
    Select(QStringLiteral("Іваненко"));
    EXPECT_EQ(form->room->currentIndex(), -1);

    // Rename Петренко; the name typed in the open editor is kept when the window is closed.
    Select(QStringLiteral("Петренко"));
    form->Rename();
    auto* editor = qobject_cast<QLineEdit*>(form->list->indexWidget(form->list->currentIndex()));
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("Петренко-Коваль"));
    form->accept();

    EXPECT_EQ(User(QStringLiteral("Петренко-Коваль")).Count(), 1);
    EXPECT_EQ(windows.login->loginList().Names(),
              QStringList({"Адміністратор", "Іваненко", "Петренко-Коваль"}));
}

}  // namespace
}  // namespace orvex
