// The visit page of the card file: one tab per visit, its date and time, four texts, its price and
// its report items.

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "app/Windows.h"
#include "core/Context.h"
#include "core/Errors.h"
#include "core/Fmt.h"
#include "core/Lang.h"
#include "core/Prompt.h"
#include "core/TMainForm.h"
#include "core/db/DateNumber.h"
#include "core/db/FieldBinding.h"
#include "core/db/RowSet.h"
#include "core/db/RowSetModel.h"
#include "patients/TKartForm.h"
#include "patients/Visits.h"

namespace orvex {
namespace {

QPlainTextEdit* Memo(QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setMinimumHeight(60);
    return memo;
}

}  // namespace

QWidget* TKartForm::BuildVisitPage() {
    auto* page = new QWidget(this);
    auto* v = new QVBoxLayout(page);

    auto* head = new QHBoxLayout;
    visitTabs = new QTabBar(page);
    visitTabs->setExpanding(false);
    visitTabs->setUsesScrollButtons(true);
    connect(visitTabs, &QTabBar::currentChanged, this, &TKartForm::SelectVisitTab);
    head->addWidget(visitTabs, 1);
    visitCounter = new QLabel(VisitCounterText(0, 0), page);
    head->addWidget(visitCounter);
    v->addLayout(head);

    auto* box = new QHBoxLayout;
    newVisitButton = new QPushButton(QStringLiteral("Нове"), page);
    deleteVisitButton = new QPushButton(QStringLiteral("Видалити"), page);
    connect(newVisitButton, &QPushButton::clicked, this, &TKartForm::AddVisit);
    connect(deleteVisitButton, &QPushButton::clicked, this, &TKartForm::DeleteVisit);
    box->addWidget(new QLabel(QStringLiteral("Відвідування"), page));
    box->addWidget(newVisitButton);
    box->addWidget(deleteVisitButton);
    box->addSpacing(20);

    dateTimePanel = new QWidget(page);
    auto* dt = new QHBoxLayout(dateTimePanel);
    dt->setContentsMargins(0, 0, 0, 0);
    visitDate = new QDateEdit(dateTimePanel);
    visitDate->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    visitDate->setCalendarPopup(true);
    visitHour = new QSpinBox(dateTimePanel);
    visitHour->setRange(0, 23);
    visitMinute = new QSpinBox(dateTimePanel);
    visitMinute->setRange(0, 59);
    dt->addWidget(new QLabel(QStringLiteral("Дата:"), dateTimePanel));
    dt->addWidget(visitDate);
    dt->addWidget(new QLabel(QStringLiteral("Час:"), dateTimePanel));
    dt->addWidget(visitHour);
    dt->addWidget(new QLabel(QStringLiteral(":"), dateTimePanel));
    dt->addWidget(visitMinute);
    box->addWidget(dateTimePanel);
    box->addStretch(1);
    v->addLayout(box);
    connect(visitDate, &QDateEdit::userDateChanged, this, &TKartForm::VisitDateChosen);
    connect(visitHour, &QSpinBox::valueChanged, this, &TKartForm::VisitTimeChosen);
    connect(visitMinute, &QSpinBox::valueChanged, this, &TKartForm::VisitTimeChosen);

    auto* grid = new QGridLayout;
    skargy = Memo(page);
    anamnez = Memo(page);
    diag = Memo(page);
    likuv = Memo(page);
    const QList<QPair<const char*, QPlainTextEdit*>> memos = {
        {"Скарги :", skargy}, {"Об`єктивно:", anamnez}, {"Діагноз :", diag}, {"Лікування :", likuv}};
    int row = 0;
    for (const auto& [caption, memo] : memos) {
        auto* label = new QLabel(QString::fromUtf8(caption), page);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        grid->addWidget(label, row, 0);
        grid->addWidget(memo, row, 1);
        ++row;
    }
    new FieldBinding(*m_visits, QStringLiteral("skargy"), skargy, this);
    new FieldBinding(*m_visits, QStringLiteral("anamnez"), anamnez, this);
    new FieldBinding(*m_visits, QStringLiteral("diag"), diag, this);
    new FieldBinding(*m_visits, QStringLiteral("likuv"), likuv, this);

    priceLabel = new QLabel(QStringLiteral("Ціна лікування:"), page);
    price = new QLineEdit(page);
    price->setMaximumWidth(140);
    price->setAlignment(Qt::AlignRight);
    connect(price, &QLineEdit::textEdited, this, &TKartForm::PriceEdited);
    auto* priceRow = new QHBoxLayout;
    priceRow->addWidget(price);
    priceRow->addWidget(new QLabel(QStringLiteral("грн."), page));
    priceRow->addStretch(1);
    grid->addWidget(priceLabel, row, 0);
    grid->addLayout(priceRow, row, 1);
    grid->setColumnStretch(1, 1);
    v->addLayout(grid, 1);

    itemsGrid = new QTableView(page);
    itemsGrid->setModel(m_itemModel);
    itemsGrid->verticalHeader()->hide();
    itemsGrid->horizontalHeader()->setStretchLastSection(true);
    itemsGrid->setColumnWidth(0, 60);
    itemsGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    itemsGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    itemsGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    itemsGrid->setMaximumHeight(130);
    itemsGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    m_itemModel->Follow(itemsGrid->selectionModel());
    connect(itemsGrid, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        const bool vedit = m_ctx.user.rights.vedit;
        menu.addAction(QStringLiteral("Видалити елемент звітної інформації"), this,
                       &TKartForm::DeleteReportItem)
            ->setEnabled(vedit && m_items->IsOpen() && m_items->Position() >= 0);
        // The report-items editor comes with the reports.
        menu.addAction(QStringLiteral("Редагувати звітну інформацію"))->setEnabled(false);
        menu.exec(itemsGrid->viewport()->mapToGlobal(at));
    });
    v->addWidget(itemsGrid);

    auto* actions = new QHBoxLayout;
    auto* formula = new QPushButton(QStringLiteral("Формула"), page);
    connect(formula, &QPushButton::clicked, this, &TKartForm::ShowFormula);
    m_patientButtons.append(formula);
    actions->addWidget(formula);
    // Their windows (account, schedules, treatment plan) come with later parts of the program.
    for (const char* caption : {"Баланс", "Оплата послуг", "Назначити", "Назначення", "План лікування"}) {
        auto* b = new QPushButton(QString::fromUtf8(caption), page);
        b->setEnabled(false);
        actions->addWidget(b);
        if (QByteArray(caption) == "Баланс" || QByteArray(caption) == "Оплата послуг")
            m_paymentControls.append(b);
    }
    actions->addStretch(1);
    v->addLayout(actions);

    vTimer = new QTimer(this);
    vTimer->setInterval(120000);
    connect(vTimer, &QTimer::timeout, this, [this] {
        vTimer->stop();
        if (m_visits->IsEditing()) SaveVisit();
    });
    return page;
}

void TKartForm::ConnectVisitHooks() {
    m_visits->beforeEdit = [this](RowSet& rows) {
        const int vid = rows.Int(QStringLiteral("vid"));
        const QString lock = "v" + QString::number(vid);
        if (m_ctx.network->CheckLock(lock)) return false;
        m_ctx.network->TakeLock(lock);
        m_lockedVid = vid;
        vTimer->start();
        return true;
    };
    m_visits->beforePost = [this](RowSet& rows) {
        if (rows.Text(QStringLiteral("likuv")).isEmpty() && m_items->IsOpen() && !m_items->IsEmpty() &&
            AskYesNo(QStringLiteral(
                "Інформація про лікування пуста. Видалити звітну інформацію щодо цього лікування?")))
            m_ctx.db.Exec("DELETE FROM zvit WHERE vid=" + QString::number(rows.Int(QStringLiteral("vid"))));
    };
    m_visits->afterPost = [this](RowSet&) { VisitEditEnded(true); };
    m_visits->afterCancel = [this](RowSet&) { VisitEditEnded(false); };
    connect(m_visits, &RowSet::stateChanged, this, &TKartForm::UpdateEditButtons);
    connect(m_visits, &RowSet::currentChanged, this, &TKartForm::VisitChanged);
    connect(m_visits, &RowSet::rowChanged, this, [this](int position) {
        if (position == m_visits->Position()) ShowPrice();
    });
}

void TKartForm::VisitEditEnded(bool posted) {
    vTimer->stop();
    if (posted) {
        // The treatment menu's report items reach the database only now; one that fails is skipped.
        for (const QString& statement : std::as_const(m_pendingItems)) {
            try {
                m_ctx.db.Exec(statement);
            } catch (const Error&) {
            }
        }
    }
    m_pendingItems.clear();
    if (posted) OpenReportItems();
    if (m_lockedVid) {
        m_ctx.network->ReleaseLock("v" + QString::number(*m_lockedVid));
        m_lockedVid.reset();
    }
    if (posted) m_ctx.network->SendNotification(kVisitRefresh);
    if (m_ctx.windows && m_ctx.windows->main && m_ctx.windows->main->visitRefreshPending)
        QTimer::singleShot(0, this, &TKartForm::VisitRefreshTick);
}

void TKartForm::VisitRefreshTick() {
    if (m_ctx.windows && m_ctx.windows->main) m_ctx.windows->main->visitRefreshPending = false;
    if (!m_visits->IsOpen()) return;
    if (m_visits->IsEditing()) {
        if (m_ctx.windows && m_ctx.windows->main) m_ctx.windows->main->visitRefreshPending = true;
        return;
    }
    try {
        m_visits->Requery();
    } catch (const Error& e) {
        ShowError(e.text());
    }
    RebuildTabs();
    VisitChanged();
}

void TKartForm::LoadVisits() {
    try {
        if (m_visits->IsEditing()) m_visits->Post();
    } catch (const Error& e) {
        ShowError(e.text());
    }
    m_pendingItems.clear();
    m_visits->Close();
    if (HasPatient()) {
        try {
            m_visits->SetSql(VisitsSql(CurrentPid()));
            m_visits->Open();
            m_visits->Last();
        } catch (const Error& e) {
            ShowError(e.text());
        }
    }
    RebuildTabs();
    VisitChanged();
}

void TKartForm::RebuildTabs() {
    const QSignalBlocker block(visitTabs);
    while (visitTabs->count() > 0) visitTabs->removeTab(0);
    if (m_visits->IsOpen()) {
        const int column = m_visits->ColumnIndex(QStringLiteral("vdate"));
        for (int i = 0; i < m_visits->Count(); ++i) {
            const QVariant stored = m_visits->ValueAt(i, column);
            visitTabs->addTab(stored.isNull() ? QStringLiteral("?")
                                              : VisitTabCaption(DateOfNumber(stored.toDouble())));
        }
        visitTabs->setCurrentIndex(m_visits->Position());
    }
}

void TKartForm::SelectVisitTab(int index) {
    if (!m_visits->IsOpen() || index < 0 || index == m_visits->Position()) return;
    try {
        m_visits->SetPosition(index);  // posts a pending edit of the visit left
    } catch (const Error& e) {
        ShowError(e.text());
    }
    const QSignalBlocker block(visitTabs);
    visitTabs->setCurrentIndex(m_visits->Position());
}

void TKartForm::VisitChanged() {
    const bool any = m_visits->IsOpen() && m_visits->Position() >= 0;
    {
        const QSignalBlocker block(visitTabs);
        if (any) visitTabs->setCurrentIndex(m_visits->Position());
    }
    visitCounter->setText(any ? VisitCounterText(m_visits->Position() + 1, m_visits->Count())
                              : VisitCounterText(0, 0));
    ShowVisitDateTime();
    ShowPrice();
    OpenReportItems();
    ApplyVisitRights();
}

void TKartForm::ShowVisitDateTime() {
    const bool any = m_visits->IsOpen() && m_visits->Position() >= 0;
    dateTimePanel->setVisible(any);
    if (!any) return;
    m_showingVisit = true;
    visitDate->setDate(m_visits->Date(QStringLiteral("vdate")));
    const QTime time = m_visits->Time(QStringLiteral("vtime"));
    visitHour->setValue(time.isValid() ? time.hour() : 0);
    visitMinute->setValue(time.isValid() ? time.minute() : 0);
    m_showingVisit = false;
}

void TKartForm::VisitDateChosen() {
    if (m_showingVisit || !m_visits->IsOpen() || m_visits->Position() < 0) return;
    try {
        if (!m_visits->Edit()) {
            ShowVisitDateTime();
            return;
        }
        m_visits->SetDate(QStringLiteral("vdate"), visitDate->date());
    } catch (const Error& e) {
        ShowError(e.text());
        return;
    }
    visitTabs->setTabText(m_visits->Position(), VisitTabCaption(visitDate->date()));
}

void TKartForm::VisitTimeChosen() {
    if (m_showingVisit || !m_visits->IsOpen() || m_visits->Position() < 0) return;
    try {
        if (!m_visits->Edit()) {
            ShowVisitDateTime();
            return;
        }
        m_visits->SetTime(QStringLiteral("vtime"), QTime(visitHour->value(), visitMinute->value()));
    } catch (const Error& e) {
        ShowError(e.text());
    }
}

void TKartForm::ShowPrice() {
    const bool any = m_visits->IsOpen() && m_visits->Position() >= 0;
    if (m_typingPrice) return;
    price->setText(any ? MoneyText(m_visits->MoneyValue(QStringLiteral("sum"))) : QString());
}

void TKartForm::PriceEdited(const QString& text) {
    if (!m_visits->IsOpen() || m_visits->Position() < 0) return;
    bool ok = false;
    const double amount = CommaToPoint(text.trimmed()).toDouble(&ok);
    if (!ok && !text.trimmed().isEmpty()) return;  // an unfinished number is written once it reads
    m_typingPrice = true;
    try {
        if (!m_visits->Edit()) {
            m_typingPrice = false;
            ShowPrice();
            return;
        }
        m_visits->SetMoney(QStringLiteral("sum"), Money::fromDouble(ok ? amount : 0));
    } catch (const Error& e) {
        ShowError(e.text());
    }
    m_typingPrice = false;
}

void TKartForm::OpenReportItems() {
    m_items->Close();
    if (!m_visits->IsOpen() || m_visits->Position() < 0) return;
    try {
        m_items->SetSql(ReportItemsSql(m_visits->Int(QStringLiteral("vid"))));
        m_items->Open();
    } catch (const Error& e) {
        ShowError(e.text());
    }
}

void TKartForm::ApplyVisitRights() {
    const bool any = m_visits->IsOpen() && m_visits->Position() >= 0;
    const bool vedit = m_ctx.user.rights.vedit;
    for (QPlainTextEdit* memo : {skargy, anamnez, diag, likuv}) {
        memo->setEnabled(any);
        memo->setReadOnly(!any || !vedit);
    }
    price->setEnabled(any);
    price->setReadOnly(!vedit);
    itemsGrid->setEnabled(any);
    visitDate->setEnabled(vedit);
    visitHour->setEnabled(vedit);
    visitMinute->setEnabled(vedit);
    deleteVisitButton->setEnabled(any && vedit);
}

void TKartForm::AddVisit() {
    if (!HasPatient()) return;
    if (m_ctx.serverLinkDown) {
        ShowWarning(QStringLiteral("Не можна додавати направлення, оскільки відсутній зв`язок із сервером."));
        return;
    }
    try {
        if (m_visits->IsEditing()) m_visits->Post();
        const int pid = CurrentPid();
        const bool first =
            m_ctx.db.Query("SELECT vid FROM vidv WHERE pid=" + QString::number(pid)).Count() == 0;
        if (m_ctx.db.Exec(AddVisitSql(QDateTime::currentDateTime(), pid, first)) == 0)
            ShowError(Lang(QStringLiteral("Msg.VidvAddError")));
    } catch (const Error& e) {
        ShowError(e.text());
    }
    ReloadAndAnnounceVisits();
}

void TKartForm::ReloadAndAnnounceVisits() {
    LoadVisits();
    m_ctx.network->SendNotification(kVisitRefresh);
    LoadVisits();
}

void TKartForm::DeleteVisit() {
    if (!m_visits->IsOpen() || m_visits->Position() < 0) return;
    const int vid = m_visits->Int(QStringLiteral("vid"));
    if (m_ctx.network->CheckLock("v" + QString::number(vid))) {
        ShowWarning(
            QStringLiteral("Відвідування редагується іншим користувачом, або відсутній зв`язок з сервером!"));
        return;
    }
    if (m_visits->IsEditing()) return;
    if (!AskYesNo(QStringLiteral("Ви дійсно бажаєте видалити відвідування %1 ?")
                      .arg(LongDate(m_visits->Date(QStringLiteral("vdate"))))))
        return;
    try {
        // The visit's report items go with it: left behind they would belong to nothing.
        m_ctx.db.Exec("DELETE FROM zvit WHERE vid=" + QString::number(vid));
        if (m_ctx.db.Exec("DELETE FROM vidv WHERE vid=" + QString::number(vid)) == 0)
            ShowError(Lang(QStringLiteral("Msg.VidvAddError")));
    } catch (const Error& e) {
        ShowError(e.text());
    }
    ReloadAndAnnounceVisits();
}

void TKartForm::SaveVisit() {
    try {
        if (m_visits->IsEditing()) m_visits->Post();
    } catch (const Error& e) {
        ShowError(e.text());
    }
}

void TKartForm::CancelVisit() {
    if (m_visits->IsEditing()) m_visits->Cancel();
    ShowVisitDateTime();
    ShowPrice();
}

void TKartForm::DeleteReportItem() {
    if (!m_items->IsOpen() || m_items->Position() < 0 || !m_ctx.user.rights.vedit) return;
    if (!AskYesNo("Бажаєте видалити \"" + m_items->Text(QStringLiteral("name")) + "\" ?")) return;
    try {
        m_ctx.db.Exec("DELETE FROM zvit WHERE zvit.zid=" +
                      QString::number(m_items->Int(QStringLiteral("zid"))));
    } catch (const Error& e) {
        ShowError(e.text());
    }
    OpenReportItems();
}

}  // namespace orvex
