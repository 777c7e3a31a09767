#pragma once

#include <QDialog>

class QLabel;
class QTimer;

namespace orvex {

class Context;

// "Встановлення звязку з базою даних.": opens the program's database connection when created
// (making the day's backup first on a stand-alone or server workstation) and, shown while the
// database is unreachable, retries every 5 seconds. Leaving it with "Вихід" ends the program.
class TConnectForm : public QDialog {
    Q_OBJECT
public:
    explicit TConnectForm(Context& ctx, QWidget* parent = nullptr);

    // The documented opening: backup, then the local or network database. Errors are shown.
    void OpenDatabase();
    // One retry (Timer1's tick).
    void Retry();

    QTimer* Timer1 = nullptr;  // 5000 ms retry
    QTimer* Timer2 = nullptr;  // 2000 ms status line reset
    QLabel* status = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;  // no Esc: only "Вихід" leaves

private:
    void Open(const QString& file);
    void Configure();  // "Налагодження"

    Context& m_ctx;
};

}  // namespace orvex
