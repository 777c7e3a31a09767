#pragma once

#include <QDialog>

#include "users/Accounts.h"

class QLabel;
class QLineEdit;

namespace orvex {

// "Встановлення/зміна паролю": old, new and confirmed password. Without an old password set, the
// old-password field is disabled with the note "Вводити не потрібно".
class TPassForm : public QDialog {
    Q_OBJECT
public:
    explicit TPassForm(QWidget* parent = nullptr);

    // Shows the dialog modally and hands back what was confirmed.
    PasswordEntry Ask(bool askOld);
    void Confirm();  // "Підтвердити"

    QLineEdit* oldPassword = nullptr;
    QLineEdit* newPassword = nullptr;
    QLineEdit* confirmPassword = nullptr;
    QLabel* notNeeded = nullptr;

private:
    void Prepare(bool askOld);
    bool m_confirmed = false;
};

}  // namespace orvex
