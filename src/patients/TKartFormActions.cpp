// The card file's actions on whole patients (registration, transfer, deletion), saving and
// cancelling, and the quick menus of the card's fields.

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>

#include "app/Windows.h"
#include "core/Context.h"
#include "core/Errors.h"
#include "core/Paths.h"
#include "core/Prompt.h"
#include "core/db/RowSet.h"
#include "patients/Registration.h"
#include "patients/TAddUser.h"
#include "patients/TKartForm.h"
#include "patients/TKartFormulaForm.h"
#include "templates/QuickMenus.h"
#include "users/TDocSelForm.h"
#include "users/TLoginForm.h"

namespace orvex {

void TKartForm::ShowListMenu(const QPoint& at) {
    QMenu menu(this);
    menu.addAction(QStringLiteral("Нова картка"), this, &TKartForm::NewPatient);
    menu.addSeparator();
    const bool any = HasPatient();
    QMenu* one = menu.addMenu(QStringLiteral("Передати пацієнта лікарю"));
    QMenu* all = menu.addMenu(QStringLiteral("Передати УСІХ пацієнтів лікарю"));
    if (any && m_ctx.windows && m_ctx.windows->login) {
        const QStringList targets =
            TransferTargets(m_ctx.windows->login->loginList(), m_patients->Int(QStringLiteral("uid")));
        for (const QString& target : targets) {
            one->addAction(target, this, [this, target] { TransferCurrentPatient(target); });
            all->addAction(target, this, [this, target] { TransferAllPatients(target); });
        }
    }
    one->setEnabled(any && !one->isEmpty());
    all->setEnabled(any && !all->isEmpty() && m_ctx.user.IsAdministrator());
    menu.addSeparator();
    menu.addAction(QStringLiteral("Видалити"), this, &TKartForm::DeleteCurrentPatient)->setEnabled(any);
    menu.exec(PacList->viewport()->mapToGlobal(at));
}

// ---- Card field menus ------------------------------------------------------------------------

void TKartForm::ReloadQuickMenus() {
    try {
        m_quickMenus = ReadQuickMenus(ConfigFolder() + "menus.cfg");
    } catch (const Error& e) {
        ShowError(e.text());
        m_quickMenus.clear();
    }
}

void TKartForm::ShowFieldMenu(int line, const QPoint& at) {
    auto* field = qobject_cast<QLineEdit*>(cardFields.value(line));
    if (!field) return;
    QMenu menu(this);
    for (const QString& phrase : m_quickMenus.value(line))
        menu.addAction(phrase, this, [this, line, phrase] { ApplyQuickPhrase(line, phrase); });
    if (!menu.isEmpty()) menu.addSeparator();
    menu.addAction(QStringLiteral("Редактор..."))->setEnabled(false);  // the quick-menu editor comes later
    menu.exec(field->mapToGlobal(at));
    field->setFocus();
}

void TKartForm::ApplyQuickPhrase(int line, const QString& phrase) {
    auto* field = qobject_cast<QLineEdit*>(cardFields.value(line));
    if (!field || !HasPatient()) return;
    const QString column = QuickMenuColumns().value(line);
    try {
        if (!m_patients->Edit()) return;
        m_patients->SetValue(column, orvex::ApplyQuickPhrase(column, m_patients->Text(column), phrase));
    } catch (const Error& e) {
        ShowError(e.text());
        return;
    }
    field->setCursorPosition(int(field->text().size()));
    field->setFocus();
}

// ---- Saving, registration, transfer and deletion ------------------------------------------------

bool TKartForm::PostPendingEdits() {
    try {
        if (m_visits->IsEditing()) m_visits->Post();
        if (m_patients->IsEditing()) m_patients->Post();
    } catch (const Error& e) {
        ShowError(e.text());
        return false;
    }
    return true;
}

void TKartForm::SaveChanges() {
    PostPendingEdits();
    PatientChanged();
}

void TKartForm::CancelChanges() {
    if (m_visits->IsEditing()) m_visits->Cancel();
    if (m_patients->IsEditing()) m_patients->Cancel();
    PatientChanged();
}

void TKartForm::NewPatient() {
    if (m_ctx.windows && m_ctx.windows->kartFormula) m_ctx.windows->kartFormula->hide();
    if (!PostPendingEdits()) return;
    if (!m_ctx.windows || !m_ctx.windows->addUser) return;
    const std::optional<QString> typed = m_ctx.windows->addUser->Ask();
    if (!typed) return;

    const int item = groupSelector->currentIndex();
    const int arch = isVisible() && item >= 0 && item < m_groups.size() ? m_groups[item].arch : 0;
    std::optional<int> pid;
    try {
        pid = AddPatient(m_ctx.db, *typed, m_ctx.user, arch, [this]() -> std::optional<int> {
            if (!m_ctx.windows || !m_ctx.windows->docSel) return std::nullopt;
            const TDocSelForm::Choice choice = m_ctx.windows->docSel->Choose();
            return choice.chosen ? std::optional<int>(choice.number) : std::nullopt;
        });
    } catch (const Error& e) {
        ShowError(e.text());
    }
    if (!pid) {
        ShowWarning(QStringLiteral("Пацієнт НЕ був доданий !"));
        return;
    }
    m_rememberedPid = *pid;
    ReloadPatientList();
    m_patients->Locate(QStringLiteral("pid"), *pid);
    m_ctx.network->SendNotification(kCardRefresh);
}

void TKartForm::DeleteCurrentPatient() {
    if (!HasPatient()) return;
    const QString patient = m_patients->Text(QStringLiteral("pname"));
    if (!AskYesNo("Ви дійсно бажаєте видалити усі дані про пацієнта \"" + patient + "\" ?")) return;
    try {
        if (m_visits->IsEditing()) m_visits->Cancel();
        if (m_patients->IsEditing()) m_patients->Cancel();
        m_visits->Close();
        m_items->Close();
        DeletePatientData(m_ctx.db, CurrentPid());
        m_patients->Delete();
    } catch (const Error& e) {
        ShowError(e.text());
    }
    m_rememberedPid.reset();
    UpdateEnabled();
    PatientChanged();
    m_ctx.network->SendNotification(kCardRefresh);
    m_ctx.network->SendNotification(kAppointmentRefresh);
}

void TKartForm::TransferCurrentPatient(const QString& doctorName) {
    if (!PostPendingEdits()) return;
    try {
        if (!HasPatient()) {
            ShowWarning(QStringLiteral("Не можу перемістити пацієнта !"));
            return;
        }
        TransferPatient(m_ctx.db, CurrentPid(), doctorName);
    } catch (const Error& e) {
        ShowError(e.text());
    }
    ReloadPatientList();
}

void TKartForm::TransferAllPatients(const QString& doctorName) {
    if (!PostPendingEdits()) return;
    try {
        if (!HasPatient()) {
            ShowWarning(QStringLiteral("Не можу перемістити пацієнта !"));
            return;
        }
        orvex::TransferAllPatients(m_ctx.db, m_patients->Int(QStringLiteral("uid")), doctorName);
    } catch (const Error& e) {
        ShowError(e.text());
    }
    ReloadPatientList();
}

void TKartForm::ShowFormula() {
    if (!HasPatient() || !m_ctx.windows || !m_ctx.windows->kartFormula) return;
    m_ctx.windows->kartFormula->ShowPatient();
    m_ctx.windows->kartFormula->show();
    m_ctx.windows->kartFormula->raise();
}

}  // namespace orvex
