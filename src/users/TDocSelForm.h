#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;

namespace orvex {

class Context;

// "Виберіть лікаря": picks the doctor of a new patient from the login list's users.
class TDocSelForm : public QDialog {
    Q_OBJECT
public:
    struct Choice {
        bool chosen = false;
        int number = 0;
    };

    explicit TDocSelForm(Context& ctx, QWidget* parent = nullptr);

    Choice Choose();  // shows the dialog modally
    void Select();    // "Вибрати"

    QComboBox* doctors = nullptr;
    QPushButton* selectButton = nullptr;

private:
    void Prepare();
    Context& m_ctx;
    Choice m_choice;
};

}  // namespace orvex
