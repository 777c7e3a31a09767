#include "users/TDocSelForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Windows.h"
#include "core/Context.h"
#include "core/Prompt.h"
#include "users/TLoginForm.h"

namespace orvex {

TDocSelForm::TDocSelForm(Context& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx) {
    setWindowTitle(QStringLiteral("Виберіть лікаря"));
    auto* v = new QVBoxLayout(this);
    v->addWidget(new QLabel(QStringLiteral("Лікар (виберіть лікаря)"), this));
    doctors = new QComboBox(this);
    doctors->setMinimumWidth(260);
    v->addWidget(doctors);
    auto* buttons = new QHBoxLayout;
    selectButton = new QPushButton(QStringLiteral("Вибрати"), this);
    auto* cancel = new QPushButton(QStringLiteral("Відмінити"), this);
    selectButton->setDefault(true);
    connect(selectButton, &QPushButton::clicked, this, &TDocSelForm::Select);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addStretch(1);
    buttons->addWidget(selectButton);
    buttons->addWidget(cancel);
    v->addLayout(buttons);
}

void TDocSelForm::Prepare() {
    m_choice = {};
    doctors->clear();
    if (m_ctx.windows && m_ctx.windows->login) {
        const QStringList names = m_ctx.windows->login->loginList().Names();
        doctors->addItems(names.mid(1));
    }
    if (m_ctx.user.number <= 0)
        doctors->setCurrentIndex(doctors->count() > 0 ? 0 : -1);
    else
        doctors->setCurrentIndex(doctors->findText(m_ctx.user.name));
    selectButton->setEnabled(doctors->count() > 0);
}

TDocSelForm::Choice TDocSelForm::Choose() {
    Prepare();
    exec();
    return m_choice;
}

void TDocSelForm::Select() {
    m_choice.chosen = true;
    const LoginList* list =
        m_ctx.windows && m_ctx.windows->login ? &m_ctx.windows->login->loginList() : nullptr;
    m_choice.number = list ? list->UserNumberAt(doctors->currentIndex() + 1) : LoginList::kNotInList;
    if (m_choice.number == LoginList::kNotInList) {
        ShowWarning("На можу знайти користувача \"" + doctors->currentText() +
                    "\". Сробуйте вибрати іншого користувача.");
        return;
    }
    accept();
}

}  // namespace orvex
