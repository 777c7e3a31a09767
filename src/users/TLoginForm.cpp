#include "users/TLoginForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Windows.h"
#include "core/Context.h"
#include "core/Errors.h"
#include "core/Fmt.h"
#include "core/Lang.h"
#include "core/Prompt.h"
#include "core/Settings.h"
#include "core/TMainForm.h"
#include "users/Accounts.h"

namespace orvex {
namespace {

const QString kNoDoctorYet = QStringLiteral(
    "Увага. Для того, щоб можна було записувати пацієнтів, необхідно, щоб у прогамі був зареєстрований хочаб "
    "один "
    "користувач-лікар. Для цього скористайтесь меню \"Налаштування\"->\"Користувачі та паролі\".");

}  // namespace

TLoginForm::TLoginForm(Context& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx) {
    setWindowTitle(Lang(QStringLiteral("Login.Caption")));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(22, 18, 22, 16);
    label1 = new QLabel(Lang(QStringLiteral("Login.Label1")), this);
    label2 = new QLabel(Lang(QStringLiteral("Login.Label2")), this);
    v->addWidget(label1);
    v->addWidget(label2);
    v->addSpacing(8);

    auto* grid = new QGridLayout;
    users = new QComboBox(this);
    users->setMinimumWidth(240);
    password = new QLineEdit(this);
    password->setEchoMode(QLineEdit::Password);
    grid->addWidget(new QLabel(QStringLiteral("Користувач:"), this), 0, 0);
    grid->addWidget(users, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Пароль:"), this), 1, 0);
    grid->addWidget(password, 1, 1);
    v->addLayout(grid);
    v->addSpacing(8);

    auto* buttons = new QHBoxLayout;
    enterButton = new QPushButton(Lang(QStringLiteral("Enter")), this);
    exitButton = new QPushButton(Lang(QStringLiteral("Exit")), this);
    enterButton->setDefault(true);
    buttons->addStretch(1);
    buttons->addWidget(enterButton);
    buttons->addWidget(exitButton);
    v->addLayout(buttons);

    connect(users, &QComboBox::activated, this, [this] { password->setFocus(); });
    connect(enterButton, &QPushButton::clicked, this, &TLoginForm::Enter);
    connect(exitButton, &QPushButton::clicked, this, [this] {
        reject();
        EndProgram(m_ctx);
    });
    // Closing the window without logging in leaves nothing to work in: it ends the program too.
    connect(this, &QDialog::rejected, this, [this] {
        if (!(m_ctx.windows && m_ctx.windows->main && m_ctx.windows->main->isVisible())) EndProgram(m_ctx);
    });
    setFixedSize(sizeHint().expandedTo(QSize(380, 0)));
}

// The lookup points into this window's login list; nobody may call it once the window is gone.
TLoginForm::~TLoginForm() {
    SetUserNameSource({});
}

void TLoginForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Rebuild();
    password->setFocus();
}

void TLoginForm::Rebuild() {
    password->clear();
    try {
        m_list.Rebuild(m_ctx.db, Lang(QStringLiteral("Admin")));
    } catch (const Error& e) {
        ShowError(e.text());
    }
    SetUserNameSource([this](int number) { return m_list.UserNameOf(number); });
    users->clear();
    users->addItems(m_list.Names());
    int position = 0;
    try {
        position = ReadSettingInt(QStringLiteral("LOGINDEX"));
    } catch (const Error&) {
        position = 0;  // an unreadable remembered choice falls back to the administrator
    }
    users->setCurrentIndex(position >= 0 && position < users->count() ? position : 0);
}

void TLoginForm::Enter() {
    bool accepted = false;
    try {
        accepted = LogIn(m_ctx.db, m_list, users->currentIndex(), password->text(),
                         Lang(QStringLiteral("Admin")), m_ctx.user);
    } catch (const Error& e) {
        ShowError(e.text());
        return;
    }
    if (!accepted) {
        ShowWarning(Lang(QStringLiteral("Msg.WrongPass")));
        password->clear();
        return;
    }
    password->clear();
    if (m_ctx.windows && m_ctx.windows->main) m_ctx.windows->main->LoggedIn();
    if (m_list.Count() < 2) ShowInfo(kNoDoctorYet);
    accept();
}

}  // namespace orvex
