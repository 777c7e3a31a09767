#include "core/TMainForm.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "app/Windows.h"
#include "core/Context.h"
#include "core/Errors.h"
#include "core/Fmt.h"
#include "core/MenuAccess.h"
#include "core/Paths.h"
#include "core/Prompt.h"
#include "core/RefreshTimer.h"
#include "core/Settings.h"
#include "core/TAboutForm.h"
#include "core/TMainOptionsForm.h"
#include "patients/TKartForm.h"
#include "scheduling/DueReminders.h"
#include "users/Accounts.h"
#include "users/TLoginForm.h"
#include "users/TPassForm.h"
#include "users/TUserCfgForm.h"

namespace orvex {
namespace {

QPushButton* Button(const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setMinimumHeight(30);
    return b;
}

}  // namespace

TMainForm::TMainForm(Context& ctx, QWidget* parent) : QMainWindow(parent), m_ctx(ctx) {
    setWindowTitle(QStringLiteral("Orvex"));
    resize(1024, 700);
    startDate = QDate::currentDate();
    cardRefreshPending = false;
    visitRefreshPending = false;

    BuildMenus();
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->addWidget(BuildLeftPanel());
    layout->addWidget(BuildDayPanel(), 1);
    setCentralWidget(central);

    onlineIcon = new QLabel(QStringLiteral("● у мережі"), this);
    onlineIcon->setStyleSheet(QStringLiteral("color: #1b7f2a;"));
    offlineIcon = new QLabel(QStringLiteral("○ без мережі"), this);
    offlineIcon->setStyleSheet(QStringLiteral("color: #9a1c1c;"));
    networkStatus = new QLabel(this);
    statusBar()->addWidget(networkStatus, 1);
    statusBar()->addPermanentWidget(onlineIcon);
    statusBar()->addPermanentWidget(offlineIcon);
    onlineIcon->hide();
    offlineIcon->hide();

    Timer1 = new QTimer(this);
    Timer1->setInterval(300);
    connect(Timer1, &QTimer::timeout, this, [this] { ClockTick(QTime::currentTime()); });
    Timer2 = new QTimer(this);
    Timer2->setInterval(500);
    connect(Timer2, &QTimer::timeout, this, &TMainForm::BlinkTick);

    NznRTimer = new RefreshTimer([this](bool second) { AppointmentRefreshTick(second); }, this);
    CRDRTimer = new RefreshTimer([this](bool second) { CardRefreshTick(second); }, this);
    VidvRTimer = new RefreshTimer([this](bool second) { VisitRefreshTick(second); }, this);
    NagadTimer = new RefreshTimer([this](bool second) { ReminderRefreshTick(second); }, this);

    const bool debug = m_ctx.netDebug;
    action(QStringLiteral("Налаштування/Rep"))->setVisible(debug);
    lockTestPanel->setVisible(debug);
    protocolSent->setVisible(debug);
    protocolReceived->setVisible(debug);
    networkStatus->setVisible(debug);

    const QString net =
        ReadSettingsGroup(WorkstationSettingsPath(), QStringLiteral("NETWORK;RTIME;NETBASE;"));
    if (GetSettingText(QStringLiteral("NETWORK"), net) == u"1") {
        const int interval = GetSettingInt(QStringLiteral("RTIME"), net);
        for (RefreshTimer* t : {NznRTimer, CRDRTimer, VidvRTimer, NagadTimer})
            t->SetInterval(interval > 0 ? interval : 4000);
        if (FileUsable(GetSettingText(QStringLiteral("NETBASE"), net))) m_ctx.network->StartNetwork();
    }
    m_ctx.network->dispatch = [this](const QString& word) { DispatchNotification(word); };

    calendar->setSelectedDate(startDate);
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this, &TMainForm::close);
}

QAction* TMainForm::AddItem(QMenu* menu, const QString& path, const QString& caption,
                            void (TMainForm::*slot)(), const QKeySequence& shortcut) {
    QAction* a = menu->addAction(caption);
    if (!shortcut.isEmpty()) a->setShortcut(shortcut);
    if (slot)
        connect(a, &QAction::triggered, this, slot);
    else
        a->setEnabled(false);  // its window comes with a later part of the program
    a->setProperty("available", slot != nullptr);
    m_actions.insert(path + u'/' + QString(caption).remove(u'&'), a);
    return a;
}

void TMainForm::BuildMenus() {
    QMenu* book = menuBar()->addMenu(QStringLiteral("&Довідник"));
    const QString b = QStringLiteral("Довідник");
    AddItem(book, b, QStringLiteral("Фірми"), nullptr);
    AddItem(book, b, QStringLiteral("Колеги"), nullptr);

    QMenu* reg = menuBar()->addMenu(QStringLiteral("&Реєстратура"));
    const QString r = QStringLiteral("Реєстратура");
    AddItem(reg, r, QStringLiteral("Картотека"), &TMainForm::OpenCardFile,
            QKeySequence(QStringLiteral("Ctrl+K")));
    AddItem(reg, r, QStringLiteral("Пошук"), nullptr, QKeySequence(QStringLiteral("Ctrl+F")));
    AddItem(reg, r, QStringLiteral("Тижневий графік"), nullptr, QKeySequence(QStringLiteral("Ctrl+W")));
    AddItem(reg, r, QStringLiteral("Нагадування"), nullptr);

    QMenu* rep = menuBar()->addMenu(QStringLiteral("&Звіт"));
    const QString z = QStringLiteral("Звіт");
    AddItem(rep, z, QStringLiteral("Фінансовий"), nullptr);
    AddItem(rep, z, QStringLiteral("Узагальнений фін. звіт"), nullptr);
    AddItem(rep, z, QStringLiteral("Лікування щоденний"), nullptr);
    QMenu* moz = rep->addMenu(QStringLiteral("Звітність МОЗ"));
    m_actions.insert(z + QStringLiteral("/Звітність МОЗ"), moz->menuAction());
    const QString zm = z + QStringLiteral("/Звітність МОЗ");
    AddItem(moz, zm, QStringLiteral("Форма 037/o"), nullptr);
    AddItem(moz, zm, QStringLiteral("Форма 039-2/o"), nullptr);
    AddItem(moz, zm, QStringLiteral("Форма №20"), nullptr);

    QMenu* set = menuBar()->addMenu(QStringLiteral("&Налаштування"));
    const QString n = QStringLiteral("Налаштування");
    AddItem(set, n, QStringLiteral("Базові налаштування"), &TMainForm::OpenBaseSettings);
    AddItem(set, n, QStringLiteral("Користувачі та паролі"), &TMainForm::OpenUsers);
    AddItem(set, n, QStringLiteral("Змінити пароль"), &TMainForm::ChangePassword);
    AddItem(set, n, QStringLiteral("Мережа"), nullptr);
    QMenu* menus = set->addMenu(QStringLiteral("Налаштування меню"));
    const QString nm = n + QStringLiteral("/Налаштування меню");
    for (const char* item : {"Скарги", "Об`єктивно", "Діагнози", "Лікування"})
        AddItem(menus, nm, QString::fromUtf8(item), nullptr);
    AddItem(set, n, QStringLiteral("Rep"), nullptr);

    QMenu* help = menuBar()->addMenu(QStringLiteral("Д&овідка"));
    const QString d = QStringLiteral("Довідка");
    AddItem(help, d, QStringLiteral("Допомога"), &TMainForm::OpenHelp);
    AddItem(help, d, QStringLiteral("Про програму..."), &TMainForm::OpenAbout);
}

QWidget* TMainForm::BuildLeftPanel() {
    auto* panel = new QWidget(this);
    panel->setFixedWidth(260);
    auto* v = new QVBoxLayout(panel);
    v->setContentsMargins(0, 0, 0, 0);

    userPanel = new QPushButton(panel);
    userPanel->setToolTip(QStringLiteral("Клацніть мишою для зміни користувача"));
    userPanel->setMinimumHeight(36);
    userPanel->setStyleSheet(
        QStringLiteral("QPushButton { font-weight: bold; text-align: left; padding-left: 8px; }"));
    connect(userPanel, &QPushButton::clicked, this, &TMainForm::SwitchUser);
    v->addWidget(userPanel);

    calendar = new QCalendarWidget(panel);
    calendar->setLocale(QLocale(QLocale::Ukrainian, QLocale::Ukraine));
    calendar->setFirstDayOfWeek(Qt::Monday);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar->setGridVisible(true);
    connect(calendar, &QCalendarWidget::clicked, this, [this] {
        ReloadDayGrid();
        RefreshReminderIndicator();
    });
    v->addWidget(calendar);

    clock = new QLabel(panel);
    clock->setAlignment(Qt::AlignCenter);
    clock->setStyleSheet(QStringLiteral("font-size: 20px; font-weight: bold;"));
    v->addWidget(clock);

    reminderButton = Button(QStringLiteral("Нагадування"), panel);
    reminderButton->setToolTip(QStringLiteral("Переглянути нагадування"));
    reminderButton->setStyleSheet(QStringLiteral("QPushButton { color: #b00020; font-weight: bold; }"));
    reminderButton->setEnabled(false);  // the reminders window comes with scheduling
    reminderButton->hide();
    v->addWidget(reminderButton);

    cardButton = Button(QStringLiteral("Картотека"), panel);
    weekButton = Button(QStringLiteral("Тижневий графік"), panel);
    printButton = Button(QStringLiteral("Друк"), panel);
    searchButton = Button(QStringLiteral("Пошук пацієнтів"), panel);
    connect(cardButton, &QPushButton::clicked, this, &TMainForm::OpenCardFile);
    v->addWidget(cardButton);
    for (QPushButton* button : {weekButton, printButton, searchButton}) {
        button->setEnabled(false);  // their windows come with later parts of the program
        v->addWidget(button);
    }
    v->addStretch(1);
    exitButton = Button(QStringLiteral("Вихід"), panel);
    connect(exitButton, &QPushButton::clicked, this, &TMainForm::close);
    v->addWidget(exitButton);
    return panel;
}

QWidget* TMainForm::BuildDayPanel() {
    auto* panel = new QWidget(this);
    auto* v = new QVBoxLayout(panel);
    v->setContentsMargins(0, 0, 0, 0);

    dayGrid = new QTableWidget(0, 2, panel);
    dayGrid->setHorizontalHeaderLabels({QStringLiteral("Час"), QStringLiteral("Пацієнт")});
    dayGrid->verticalHeader()->hide();
    dayGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    dayGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    dayGrid->viewport()->installEventFilter(this);
    v->addWidget(dayGrid, 1);

    lockTestPanel = new QWidget(panel);
    auto* h = new QHBoxLayout(lockTestPanel);
    h->setContentsMargins(0, 0, 0, 0);
    lockTestText = new QLineEdit(lockTestPanel);
    h->addWidget(lockTestText, 1);
    auto* add = new QPushButton(QStringLiteral("Add"), lockTestPanel);
    auto* remove = new QPushButton(QStringLiteral("Remove"), lockTestPanel);
    auto* check = new QPushButton(QStringLiteral("Check"), lockTestPanel);
    connect(add, &QPushButton::clicked, this, [this] { m_ctx.network->TakeLock(lockTestText->text()); });
    connect(remove, &QPushButton::clicked, this,
            [this] { m_ctx.network->ReleaseLock(lockTestText->text()); });
    connect(check, &QPushButton::clicked, this, [this] {
        setWindowTitle(m_ctx.network->CheckLock(lockTestText->text()) ? QStringLiteral("Blocked !!!")
                                                                      : QStringLiteral("Ok."));
    });
    for (QPushButton* b : {add, remove, check}) h->addWidget(b);
    v->addWidget(lockTestPanel);

    auto* lists = new QHBoxLayout;
    protocolSent = new QListWidget(panel);
    protocolReceived = new QListWidget(panel);
    protocolSent->setMaximumHeight(120);
    protocolReceived->setMaximumHeight(120);
    lists->addWidget(protocolSent);
    lists->addWidget(protocolReceived);
    v->addLayout(lists);
    return panel;
}

void TMainForm::LoggedIn() {
    Timer1->start();
    show();
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    calendar->setSelectedDate(startDate);
    setWindowTitle(QStringLiteral("Orvex  [") + m_ctx.user.name + u']');
    userPanel->setText(m_ctx.user.name);
    ApplyRights();
    try {
        ReloadDayGrid();
        RefreshReminderIndicator();
    } catch (const Error& e) {
        ShowError(e.text());
    }
    if (reminderButton->isVisible()) StartBlinking();
}

void TMainForm::ApplyRights() {
    const MenuAccess access = MenuAccessFor(m_ctx.user);
    auto set = [this](const char* path, bool allowed) {
        QAction* a = action(QString::fromUtf8(path));
        a->setEnabled(allowed && a->property("available").toBool());
    };
    set("Налаштування/Користувачі та паролі", access.usersAndPasswords);
    set("Налаштування/Базові налаштування", access.baseSettings);
    set("Налаштування/Мережа", access.network);
    set("Звіт/Фінансовий", access.financial);
    set("Звіт/Узагальнений фін. звіт", access.financial);
    set("Звіт/Лікування щоденний", access.dailyTreatment);
    action(QStringLiteral("Звіт/Звітність МОЗ"))->setEnabled(access.healthReports);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == dayGrid->viewport() && event->type() == QEvent::Resize) FitGridColumns();
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::FitGridColumns() {
    const int width = dayGrid->viewport()->width();
    dayGrid->setColumnWidth(0, width / 7);
    dayGrid->setColumnWidth(1, width - width / 7);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    const QString net = ReadSettingsGroup(WorkstationSettingsPath(), QStringLiteral("NETWORK;SERVER;"));
    const bool server = GetSettingText(QStringLiteral("SERVER"), net) == u"1" &&
                        GetSettingText(QStringLiteral("NETWORK"), net) == u"1";
    if (server && m_ctx.network->ConnectedClients() > 0 &&
        !AskYesNo(QStringLiteral("Є активні мережеві під`єднання! Ви дійсно бажаєте закрити програму ?"))) {
        event->ignore();
        return;
    }
    event->accept();
    Timer1->stop();
    orvex::EndProgram(m_ctx);
}

void TMainForm::SwitchUser() {
    if (TKartForm* kart = Kart(); kart && kart->isVisible()) kart->close();
    hide();
    if (m_ctx.windows && m_ctx.windows->login) m_ctx.windows->login->exec();
}

void TMainForm::ClockTick(const QTime& now) {
    const QString text = now.toString(QStringLiteral("HH:mm:ss"));
    if (text != clock->text()) clock->setText(text);
    const QString hour = text.section(u':', 0, 0);
    if (hour != lastHour) {
        lastHour = hour;
        try {
            ReloadDayGrid();
        } catch (const Error& e) {
            ShowError(e.text());
        }
    }
}

void TMainForm::ReloadDayGrid() {
    // The day's appointments are drawn here by the scheduling part of the program.
    ++dayGridReloads;
}

void TMainForm::RefreshReminderIndicator() {
    reminderButton->setVisible(HasDueReminders(m_ctx.db, m_ctx.user, calendar->selectedDate()));
}

void TMainForm::StartBlinking() {
    m_blinks = 0;
    Timer2->start();
}

void TMainForm::BlinkTick() {
    reminderButton->setVisible(!reminderButton->isVisible());
    if (++m_blinks >= 6) {
        m_blinks = 0;
        Timer2->stop();
        reminderButton->setVisible(true);
    }
}

void TMainForm::DispatchNotification(const QString& word) {
    if (word == kCardRefresh) {
        CRDRTimer->Restart();
    } else if (word == kAppointmentRefresh) {
        NznRTimer->RefreshNowAndRestart();
    } else if (word == kVisitRefresh) {
        VidvRTimer->Restart();
    } else if (word == kReminderRefresh) {
        NagadTimer->RefreshNowAndRestart();
    } else if (word == kMenuRefresh) {
        // The visit page's template menus reload here too once they exist.
        if (TKartForm* kart = Kart()) kart->ReloadQuickMenus();
    } else {
        m_ctx.network->ReceiveAnswer(word);
    }
}

void TMainForm::AppointmentRefreshTick(bool) {
    // The week schedule and the patient's appointment list reload here once they exist.
    try {
        ReloadDayGrid();
    } catch (const Error& e) {
        ShowError(e.text());
    }
}

void TMainForm::CardRefreshTick(bool secondTick) {
    cardRefreshPending = false;
    if (TKartForm* kart = Kart()) kart->CardRefreshTick();
    // The groups manager's lists are refreshed here too once it exists.
    if (secondTick) {
        NznRTimer->RefreshNow();
        NznRTimer->ResetCount();
    }
}

void TMainForm::VisitRefreshTick(bool) {
    visitRefreshPending = false;
    if (TKartForm* kart = Kart()) kart->VisitRefreshTick();
}

void TMainForm::ReminderRefreshTick(bool) {
    // The reminders window reloads itself here once it exists; otherwise the indicator.
    try {
        RefreshReminderIndicator();
    } catch (const Error& e) {
        ShowError(e.text());
    }
    if (reminderButton->isVisible()) StartBlinking();
}

void TMainForm::OpenCardByName(const QString& name) {
    OpenCard(QStringLiteral("pname"), name,
             "SELECT [pac].[arch] FROM [pac] WHERE [pac].[pname]=" + SqlText(name),
             "SELECT [groups].[gname] FROM [pac], [groups] WHERE ([pac].[pname]=" + SqlText(name) +
                 ") AND ([pac].[arch]=[groups].[gid])");
}

void TMainForm::OpenCardById(int pid) {
    const QString number = QString::number(pid);
    OpenCard(QStringLiteral("pid"), pid, "SELECT [pac].[arch] FROM [pac] WHERE [pac].[pid]=" + number,
             "SELECT [groups].[gname] FROM [pac], [groups] WHERE ([pac].[pid]=" + number +
                 ") AND ([pac].[arch]=[groups].[gid])");
}

void TMainForm::OpenCard(const QString& column, const QVariant& value, const QString& archSql,
                         const QString& groupSql) {
    try {
        const Rows arch = m_ctx.db.Query(archSql);
        if (arch.Count() == 0) return;
        const int group = arch.Value(0, 0).toInt();
        QString groupName = group == 0   ? QStringLiteral("Загальна")
                            : group == 1 ? QStringLiteral("Архів")
                                         : QString();
        if (group > 1) {
            const Rows named = m_ctx.db.Query(groupSql);
            if (named.Count() > 0) groupName = named.Value(0, 0).toString();
        }
        if (groupName.isEmpty()) return;
        if (TKartForm* kart = Kart()) kart->LocatePatient(groupName, column, value);
    } catch (const Error& e) {
        ShowError(e.text());
    }
}

TKartForm* TMainForm::Kart() const {
    return m_ctx.windows ? m_ctx.windows->kart : nullptr;
}

void TMainForm::OpenCardFile() {
    if (TKartForm* kart = Kart()) {
        kart->show();
        kart->raise();
        kart->activateWindow();
    }
}

void TMainForm::OpenUsers() {
    if (m_ctx.windows && m_ctx.windows->userCfg) m_ctx.windows->userCfg->exec();
}

void TMainForm::OpenBaseSettings() {
    if (m_ctx.windows && m_ctx.windows->mainOptions) m_ctx.windows->mainOptions->exec();
}

void TMainForm::ChangePassword() {
    try {
        ChangeOwnPassword(m_ctx.db, m_ctx.user, [this](bool askOld) {
            return m_ctx.windows && m_ctx.windows->pass ? m_ctx.windows->pass->Ask(askOld) : PasswordEntry{};
        });
    } catch (const Error& e) {
        ShowError(e.text());
    }
}

void TMainForm::OpenHelp() {
    const QString help = ProgramFolder() + "OrvexHelp.hlp";
    if (!QFileInfo::exists(help) || !QDesktopServices::openUrl(QUrl::fromLocalFile(help)))
        ShowWarning(QStringLiteral("Не вдається відкрити файл довідки ") + help);
}

void TMainForm::OpenAbout() {
    if (m_ctx.windows && m_ctx.windows->about) m_ctx.windows->about->exec();
}

}  // namespace orvex
