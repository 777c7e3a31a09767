#include "users/TPassForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Prompt.h"

namespace orvex {

TPassForm::TPassForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Встановлення/зміна паролю"));
    auto* v = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    oldPassword = new QLineEdit(this);
    newPassword = new QLineEdit(this);
    confirmPassword = new QLineEdit(this);
    for (QLineEdit* field : {oldPassword, newPassword, confirmPassword}) {
        field->setEchoMode(QLineEdit::Password);
        field->setMinimumWidth(180);
    }
    notNeeded = new QLabel(QStringLiteral("Вводити не потрібно"), this);
    notNeeded->setStyleSheet(QStringLiteral("color: #555;"));
    grid->addWidget(new QLabel(QStringLiteral("Введіть старий пароль:"), this), 0, 0);
    grid->addWidget(oldPassword, 0, 1);
    grid->addWidget(notNeeded, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Введіть новий пароль:"), this), 1, 0);
    grid->addWidget(newPassword, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Підтвердіть новий пароль:"), this), 2, 0);
    grid->addWidget(confirmPassword, 2, 1);
    v->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    auto* confirm = new QPushButton(QStringLiteral("Підтвердити"), this);
    auto* cancel = new QPushButton(QStringLiteral("Відмінити"), this);
    confirm->setDefault(true);
    connect(confirm, &QPushButton::clicked, this, &TPassForm::Confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addStretch(1);
    buttons->addWidget(confirm);
    buttons->addWidget(cancel);
    v->addLayout(buttons);
}

void TPassForm::Prepare(bool askOld) {
    m_confirmed = false;
    oldPassword->clear();
    newPassword->clear();
    confirmPassword->clear();
    oldPassword->setEnabled(askOld);
    notNeeded->setVisible(!askOld);
    (askOld ? oldPassword : newPassword)->setFocus();
}

PasswordEntry TPassForm::Ask(bool askOld) {
    Prepare(askOld);
    exec();
    return {m_confirmed, oldPassword->text(), newPassword->text()};
}

void TPassForm::Confirm() {
    if (newPassword->text() == confirmPassword->text()) {
        m_confirmed = true;
        accept();
        return;
    }
    ShowWarning(QStringLiteral("Ви неправельно ввели підтвердження нового паролю !"));
    newPassword->clear();
    confirmPassword->clear();
    m_confirmed = false;
    reject();
}

}  // namespace orvex
