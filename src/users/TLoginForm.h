#pragma once

#include <QDialog>

#include "users/LoginList.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvex {

class Context;

// The login window: choose a user, type the password. It owns the login list other windows
// translate user positions, numbers and names with.
class TLoginForm : public QDialog {
    Q_OBJECT
public:
    explicit TLoginForm(Context& ctx, QWidget* parent = nullptr);
    ~TLoginForm() override;  // withdraws the user-name lookup it installed

    const LoginList& loginList() const { return m_list; }
    // Rebuilds the list and selects LOGINDEX (done on every showing, and when the users window
    // closes with changes).
    void Rebuild();
    void Enter();  // the login button

    QComboBox* users = nullptr;
    QLineEdit* password = nullptr;
    QPushButton* enterButton = nullptr;
    QPushButton* exitButton = nullptr;
    QLabel* label1 = nullptr;
    QLabel* label2 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Context& m_ctx;
    LoginList m_list;
};

}  // namespace orvex
