#pragma once

#include <QDate>
#include <QHash>
#include <QKeySequence>
#include <QMainWindow>

class QAction;
class QCalendarWidget;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTableWidget;
class QTimer;
class QWidget;

namespace orvex {

class Context;
class RefreshTimer;
class TKartForm;

// The window a logged-in user works in: the menus, the calendar and the day's appointments, the
// buttons to the card file and the schedules, the clock, the reminder button, and the refresh
// timers that carry out other workstations' change notifications.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(Context& ctx, QWidget* parent = nullptr);

    // After a successful login: starts the clock and shows the window for the current user.
    void LoggedIn();
    // Hides this window and asks for a login again.
    void SwitchUser();

    void DispatchNotification(const QString& word);
    void OpenCardByName(const QString& name);
    void OpenCardById(int pid);

    void ReloadDayGrid();
    void RefreshReminderIndicator();
    void ClockTick(const QTime& now);  // Timer1's tick, for a given moment
    void BlinkTick();                  // Timer2's tick
    // Enables the menu items and buttons for the current user and the windows that exist.
    void ApplyRights();

    // Menu items by their path of captions without "&", e.g. "Налаштування/Базові налаштування".
    QAction* action(const QString& path) const { return m_actions.value(path); }

    QTimer* Timer1 = nullptr;  // clock, 300 ms
    QTimer* Timer2 = nullptr;  // reminder button blinking, 500 ms
    RefreshTimer* NznRTimer = nullptr;
    RefreshTimer* CRDRTimer = nullptr;
    RefreshTimer* VidvRTimer = nullptr;
    RefreshTimer* NagadTimer = nullptr;

    bool cardRefreshPending = false;
    bool visitRefreshPending = false;

    QDate startDate;
    QString lastHour;
    int dayGridReloads = 0;  // how often the day grid was reloaded (the clock's and refreshes' effect)

    QCalendarWidget* calendar = nullptr;
    QPushButton* userPanel = nullptr;
    QPushButton* reminderButton = nullptr;
    QLabel* clock = nullptr;
    QTableWidget* dayGrid = nullptr;
    QPushButton* cardButton = nullptr;
    QPushButton* weekButton = nullptr;
    QPushButton* printButton = nullptr;
    QPushButton* searchButton = nullptr;
    QPushButton* exitButton = nullptr;
    QWidget* lockTestPanel = nullptr;
    QLineEdit* lockTestText = nullptr;
    QListWidget* protocolSent = nullptr;
    QListWidget* protocolReceived = nullptr;
    QLabel* networkStatus = nullptr;
    QLabel* onlineIcon = nullptr;
    QLabel* offlineIcon = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // The day grid's columns follow the grid's own width, which the layout settles after the
    // window's resize (and on the first showing).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    QWidget* BuildLeftPanel();
    QWidget* BuildDayPanel();
    QAction* AddItem(QMenu* menu, const QString& path, const QString& caption, void (TMainForm::*slot)(),
                     const QKeySequence& shortcut = {});
    void CardRefreshTick(bool secondTick);
    void VisitRefreshTick(bool secondTick);
    void AppointmentRefreshTick(bool secondTick);
    void ReminderRefreshTick(bool secondTick);
    void StartBlinking();
    void FitGridColumns();
    void OpenCard(const QString& column, const QVariant& value, const QString& archSql,
                  const QString& groupSql);
    TKartForm* Kart() const;
    void OpenCardFile();

    void OpenUsers();
    void OpenBaseSettings();
    void ChangePassword();
    void OpenHelp();
    void OpenAbout();

    Context& m_ctx;
    QHash<QString, QAction*> m_actions;
    int m_blinks = 0;
};

}  // namespace orvex
