#include "patients/TAddUser.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "patients/PatientList.h"

namespace orvex {

TAddUser::TAddUser(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Реєстрація нового пацієнта"));
    auto* v = new QVBoxLayout(this);
    v->addWidget(new QLabel(QStringLiteral("Введіть ім`я нового пацієнта:"), this));
    nameField = new QLineEdit(this);
    nameField->setMinimumWidth(360);
    connect(nameField, &QLineEdit::textEdited, this, &TAddUser::Typed);
    v->addWidget(nameField);
    auto* buttons = new QHBoxLayout;
    auto* add = new QPushButton(QStringLiteral("Додати"), this);
    auto* cancel = new QPushButton(QStringLiteral("Відмінити"), this);
    add->setDefault(true);
    connect(add, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addStretch(1);
    buttons->addWidget(add);
    buttons->addWidget(cancel);
    v->addLayout(buttons);
}

std::optional<QString> TAddUser::Ask() {
    nameField->clear();
    nameField->setFocus();
    if (exec() != QDialog::Accepted) return std::nullopt;
    return nameField->text();
}

void TAddUser::Typed(const QString& text) {
    const TypedName typed = CapitaliseTypedName(text, nameField->cursorPosition());
    if (!typed.changed) return;
    nameField->setText(typed.text);
    nameField->setCursorPosition(typed.caret);
}

}  // namespace orvex
