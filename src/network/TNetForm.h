#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QSpinBox;
class QToolButton;

namespace orvex {

class Context;

// "Налагодження мережевої роботи": this workstation's network role, server address and port, the
// shared database and the refresh interval. While the connection window is up it only saves.
class TNetForm : public QDialog {
    Q_OBJECT
public:
    explicit TNetForm(Context& ctx, QWidget* parent = nullptr);

    void Load();  // done on every showing
    void ChooseDatabaseFolder();
    void Save();  // "Зберегти зміни"

    QCheckBox* network = nullptr;
    QComboBox* role = nullptr;  // "Клієнт", "Сервер"
    QLineEdit* netBase = nullptr;
    QToolButton* folderButton = nullptr;
    QLineEdit* host = nullptr;
    QLineEdit* port = nullptr;
    QSpinBox* refreshInterval = nullptr;
    QLabel* defaultBaseNote = nullptr;
    QLabel* status = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void UpdateEnabled();
    Context& m_ctx;
    QFormLayout* m_form = nullptr;
};

}  // namespace orvex
