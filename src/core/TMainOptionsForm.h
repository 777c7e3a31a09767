#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace orvex {

class Context;

// "Базові налаштування": the surgery's identity for the printed forms, the formula kind, the
// number of chairs, the next card number, and this workstation's backups and shared settings.
class TMainOptionsForm : public QDialog {
    Q_OBJECT
public:
    explicit TMainOptionsForm(Context& ctx, QWidget* parent = nullptr);

    // Fills the fields from both settings files and opt.cn (done on every showing).
    void Load();
    void AutoDetect();  // "Автовизначення"
    void ChooseBackupFolder();
    bool Save();  // "Зберегти"; false when a write failed (its error shown)

    QLineEdit* zaklad = nullptr;
    QLineEdit* director = nullptr;
    QLineEdit* zkpo = nullptr;
    QLineEdit* edrpou = nullptr;
    QComboBox* formulaType = nullptr;
    QSpinBox* workPlaces = nullptr;
    QLineEdit* cardNumber = nullptr;
    QSpinBox* backupCount = nullptr;
    QLineEdit* backupPath = nullptr;
    QCheckBox* netOpt = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Context& m_ctx;
};

}  // namespace orvex
