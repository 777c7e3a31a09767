#pragma once

#include <QDialog>
#include <optional>

class QLineEdit;

namespace orvex {

// "Реєстрація нового пацієнта": asks for the new patient's name, capitalising words as typed.
class TAddUser : public QDialog {
    Q_OBJECT
public:
    explicit TAddUser(QWidget* parent = nullptr);

    // Shows the dialog modally; the typed name on "Додати", nothing on "Відмінити".
    std::optional<QString> Ask();

    QLineEdit* nameField = nullptr;

private:
    void Typed(const QString& text);
};

}  // namespace orvex
