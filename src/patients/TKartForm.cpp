#include "patients/TKartForm.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "app/Windows.h"
#include "core/Context.h"
#include "core/Errors.h"
#include "core/Fmt.h"
#include "core/Paths.h"
#include "core/Prompt.h"
#include "core/TMainForm.h"
#include "core/db/FieldBinding.h"
#include "core/db/RowSet.h"
#include "core/db/RowSetModel.h"
#include "patients/TKartFormulaForm.h"
#include "templates/QuickMenus.h"
#include "users/TLoginForm.h"

namespace orvex {
namespace {

// The card's fields: column, first caption line, second caption line.
struct CardField {
    const char* column;
    const char* caption;
    const char* caption2;
};

// The nine fields with a quick menu, in the order of the menu file's lines.
const CardField kQuickFields[] = {
    {"skargy", "Скарги", ""},
    {"diagnoz", "Діагноз", ""},
    {"zahvorlast", "Перенесені та су-", "путні захворювання"},
    {"zahvornow", "Розвиток теперіш-", "нього захворювання"},
    {"zubstate", "Дані об'єктивного дослідження,", "зовнішній огляд, стан зубів"},
    {"prykus", "Прикус", ""},
    {"girma", "Індекси ГІ таРМА", ""},
    {"rentgen", "Дані рентгенівських обстежень,", "лабораторних досліджень"},
    {"vita", "Колір за шкалою \"Віта\"", ""},
};

QString Caption(const CardField& f) {
    const QString second = QString::fromUtf8(f.caption2);
    return QString::fromUtf8(f.caption) + (second.isEmpty() ? QString() : "\n" + second);
}

QLabel* FieldLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

}  // namespace

TKartForm::TKartForm(Context& ctx, QWidget* parent) : QMainWindow(parent), m_ctx(ctx) {
    setWindowTitle(QStringLiteral("Картотека"));
    resize(1024, 740);

    m_patients = new RowSet(ctx.db, this);
    m_patients->SetUpdateTable(QStringLiteral("pac"), QStringLiteral("pid"));
    m_patientModel =
        new RowSetModel(*m_patients, {{QStringLiteral("pname"), QStringLiteral("Пацієнти")}}, this);
    m_visits = new RowSet(ctx.db, this);
    m_visits->SetUpdateTable(QStringLiteral("vidv"), QStringLiteral("vid"));
    m_items = new RowSet(ctx.db, this);
    m_itemModel = new RowSetModel(*m_items,
                                  {{QStringLiteral("cnt"), QStringLiteral("К-сть")},
                                   {QStringLiteral("name"), QStringLiteral("у звіт")}},
                                  this);

    auto* central = new QWidget(this);
    auto* v = new QVBoxLayout(central);
    auto* split = new QSplitter(Qt::Horizontal, central);
    split->addWidget(BuildListPane());
    pages = new QTabWidget(split);
    pages->addTab(BuildCardPage(), QStringLiteral("Картка"));
    pages->addTab(BuildVisitPage(), QStringLiteral("Історія хвороби"));
    split->addWidget(pages);
    split->setStretchFactor(1, 1);
    split->setSizes({280, 840});
    v->addWidget(split, 1);
    v->addWidget(BuildBottomButtons());
    setCentralWidget(central);
    BuildMenus();

    ConnectPatientHooks();
    ConnectVisitHooks();
    connect(pages, &QTabWidget::currentChanged, this, [this](int page) {
        if (page == 1) LoadVisits();
    });

    pages->setCurrentIndex(0);
    if (ctx.db.IsOpen()) {
        BuildGroups();
        ReloadQuickMenus();
    }
    UpdateEnabled();
    UpdateEditButtons();
}

TKartForm::~TKartForm() = default;

QWidget* TKartForm::BuildListPane() {
    auto* pane = new QWidget(this);
    auto* v = new QVBoxLayout(pane);
    v->setContentsMargins(0, 0, 0, 0);

    userPanel = new QPushButton(pane);
    userPanel->setToolTip(QStringLiteral("Клацніть мишою для зміни користувача"));
    userPanel->setStyleSheet(
        QStringLiteral("QPushButton { font-weight: bold; text-align: left; padding: 4px 8px; }"));
    connect(userPanel, &QPushButton::clicked, this, [this] {
        if (m_ctx.windows && m_ctx.windows->main) m_ctx.windows->main->SwitchUser();
    });
    v->addWidget(userPanel);

    auto* groupRow = new QHBoxLayout;
    groupRow->addWidget(new QLabel(QStringLiteral("Група:"), pane));
    groupSelector = new QComboBox(pane);
    groupRow->addWidget(groupSelector, 1);
    v->addLayout(groupRow);
    connect(groupSelector, &QComboBox::activated, this, [this](int index) {
        ApplyGroupFilter(index);
        UpdateEnabled();
    });

    listTitle = new QLabel(PatientListTitle(0), pane);
    listTitle->setStyleSheet(QStringLiteral("font-weight: bold;"));
    v->addWidget(listTitle);

    PacList = new QTableView(pane);
    PacList->setModel(m_patientModel);
    m_patientModel->Follow(PacList->selectionModel());
    PacList->horizontalHeader()->hide();
    PacList->horizontalHeader()->setStretchLastSection(true);
    PacList->verticalHeader()->hide();
    PacList->verticalHeader()->setDefaultSectionSize(22);
    PacList->setSelectionBehavior(QAbstractItemView::SelectRows);
    PacList->setSelectionMode(QAbstractItemView::SingleSelection);
    PacList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    PacList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(PacList, &QWidget::customContextMenuRequested, this, &TKartForm::ShowListMenu);
    v->addWidget(PacList, 1);

    quickSearch = new QLineEdit(pane);
    quickSearch->setPlaceholderText(QStringLiteral("Швидкий пошук"));
    connect(quickSearch, &QLineEdit::textEdited, this, &TKartForm::QuickSearch);
    v->addWidget(quickSearch);

    auto* buttons = new QHBoxLayout;
    saveButton = new QPushButton(QStringLiteral("Зберегти"), pane);
    cancelButton = new QPushButton(QStringLiteral("Відмінити"), pane);
    connect(saveButton, &QPushButton::clicked, this, &TKartForm::SaveChanges);
    connect(cancelButton, &QPushButton::clicked, this, &TKartForm::CancelChanges);
    buttons->addWidget(saveButton);
    buttons->addWidget(cancelButton);
    v->addLayout(buttons);
    return pane;
}

QWidget* TKartForm::BuildCardPage() {
    auto* page = new QWidget(this);
    // The head (identity, dates, contact) beside the photo; the card's examination fields below.
    auto* outer = new QVBoxLayout(page);
    auto* head = new QHBoxLayout;
    auto* grid = new QGridLayout;
    head->addLayout(grid, 1);
    outer->addLayout(head);
    auto* fields = new QGridLayout;
    outer->addLayout(fields, 1);
    constexpr int kLabelWidth = 215;
    for (QGridLayout* g : {grid, fields}) {
        g->setColumnMinimumWidth(0, kLabelWidth);
        g->setColumnStretch(1, 1);
        g->setHorizontalSpacing(10);
    }
    grid->setColumnStretch(3, 1);

    auto bind = [this](const char* column, QWidget* field) {
        new FieldBinding(*m_patients, QString::fromLatin1(column), field, this);
    };

    // Head: name, number, doctor, registration date, birth, age, sex and residence, photo.
    name = new QLineEdit(page);
    name->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 14px;"));
    bind("pname", name);
    connect(name, &QLineEdit::textEdited, this, &TKartForm::NameEdited);
    grid->addWidget(FieldLabel(QStringLiteral("Прізвище, ім`я, по батькові"), page), 0, 0);
    grid->addWidget(name, 0, 1, 1, 3);

    number = new QLabel(page);
    doctor = new QLabel(page);
    grid->addWidget(FieldLabel(QStringLiteral("Номер хворого"), page), 1, 0);
    grid->addWidget(number, 1, 1);
    grid->addWidget(FieldLabel(QStringLiteral("Лікар:"), page), 2, 0);
    grid->addWidget(doctor, 2, 1, 1, 3);

    birth = new QDateEdit(page);
    birth->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    birth->setCalendarPopup(true);
    birth->setMinimumDate(QDate(1900, 1, 1));
    birth->setSpecialValueText(QStringLiteral(" "));
    bind("birth", birth);
    connect(birth, &QDateEdit::dateChanged, this, &TKartForm::BirthChanged);
    age = new QLabel(page);
    age->setMinimumWidth(40);
    auto* birthRow = new QHBoxLayout;
    birthRow->addWidget(birth);
    birthRow->addSpacing(12);
    birthRow->addWidget(new QLabel(QStringLiteral("Вік:"), page));
    birthRow->addWidget(age);
    birthRow->addStretch(1);
    grid->addWidget(FieldLabel(QStringLiteral("Дата народження"), page), 3, 0);
    grid->addLayout(birthRow, 3, 1);

    regdat = new QDateEdit(page);
    regdat->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    regdat->setCalendarPopup(true);
    bind("regdat", regdat);
    grid->addWidget(FieldLabel(QStringLiteral("Дата реєстрації:"), page), 1, 2);
    grid->addWidget(regdat, 1, 3, Qt::AlignLeft);

    sex = new QComboBox(page);
    sex->addItems({QStringLiteral("Ч"), QStringLiteral("Ж")});
    connect(sex, &QComboBox::activated, this, &TKartForm::SexChosen);
    residenceLabel = new QLabel(QStringLiteral("Мешканець:"), page);
    residence = new QComboBox(page);
    residence->addItems({QStringLiteral("Міста"), QStringLiteral("Села")});
    connect(residence, &QComboBox::activated, this, &TKartForm::ResidenceChosen);
    auto* sexRow = new QHBoxLayout;
    sexRow->addWidget(sex);
    sexRow->addSpacing(16);
    sexRow->addWidget(residenceLabel);
    sexRow->addWidget(residence);
    sexRow->addStretch(1);
    grid->addWidget(FieldLabel(QStringLiteral("Стать"), page), 4, 0);
    grid->addLayout(sexRow, 4, 1);

    photo = new QLabel(page);
    photo->setFixedSize(130, 130);
    photo->setAlignment(Qt::AlignCenter);
    photo->setWordWrap(true);
    photo->setFrameShape(QFrame::StyledPanel);
    photo->setAutoFillBackground(true);
    photo->installEventFilter(this);
    showPhotos = new QCheckBox(QStringLiteral("Фото"), page);
    showPhotos->setToolTip(QStringLiteral("Відображати фотографії"));
    showPhotos->setChecked(true);
    connect(showPhotos, &QCheckBox::toggled, this, [this](bool on) {
        if (on) PhotoTimer->start();
    });
    auto* more = new QPushButton(QStringLiteral("Додатково"), page);
    more->setToolTip(QStringLiteral("Додати/Змінити фотографію пацієнта чи його зуба"));
    more->setEnabled(false);  // the photo window comes with the photographs
    auto* photoBox = new QVBoxLayout;
    photoBox->addWidget(photo, 0, Qt::AlignHCenter);
    auto* photoButtons = new QHBoxLayout;
    photoButtons->addWidget(showPhotos);
    photoButtons->addWidget(more);
    photoBox->addLayout(photoButtons);
    head->addLayout(photoBox);

    PhotoTimer = new QTimer(this);
    PhotoTimer->setSingleShot(true);
    PhotoTimer->setInterval(100);
    connect(PhotoTimer, &QTimer::timeout, this, &TKartForm::LoadPhoto);

    int row = 5;
    QGridLayout* target = grid;
    auto addLine = [&](const char* column, const QString& caption, int span = 1) {
        auto* field = new QLineEdit(page);
        bind(column, field);
        target->addWidget(FieldLabel(caption, page), row, 0);
        target->addWidget(field, row, 1, 1, span);
        ++row;
        return field;
    };
    addLine("adres", QStringLiteral("Адреса"), 3);
    addLine("tel", QStringLiteral("Телефон"));
    target = fields;
    row = 0;
    addLine("posada", QStringLiteral("Місце роботи,\nпосада"), 3);

    for (int line = 0; line < kQuickMenuCount; ++line) {
        const CardField& f = kQuickFields[line];
        QLineEdit* field = addLine(f.column, Caption(f), 3);
        field->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(field, &QWidget::customContextMenuRequested, this,
                [this, line](const QPoint& at) { ShowFieldMenu(line, at); });
        cardFields.append(field);
    }
    addLine("navch", QStringLiteral("Дата навчання навикам\nгігієни порожнини рота"));
    addLine("gigien", QStringLiteral("Дата контролю гігієни\nпорожнини рота"));

    auto* buttons = new QHBoxLayout;
    // The notes, reminders and treatment plan windows come with later parts of the program.
    for (const auto& [caption, hint] :
         {std::pair{"Примітки", "Додаткова інформація про пацієнта"}, std::pair{"Додати нагадування", ""},
          std::pair{"План лікування", ""}}) {
        auto* b = new QPushButton(QString::fromUtf8(caption), page);
        b->setToolTip(QString::fromUtf8(hint));
        b->setEnabled(false);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    auto* formula = new QPushButton(QStringLiteral("Формула"), page);
    connect(formula, &QPushButton::clicked, this, &TKartForm::ShowFormula);
    m_patientButtons.append(formula);
    buttons->addWidget(formula);
    fields->addLayout(buttons, row, 0, 1, 4);
    fields->setRowStretch(row + 1, 1);
    return page;
}

QWidget* TKartForm::BuildBottomButtons() {
    auto* bar = new QWidget(this);
    auto* h = new QHBoxLayout(bar);
    h->setContentsMargins(0, 0, 0, 0);
    auto* add = new QPushButton(QStringLiteral("Новий"), bar);
    connect(add, &QPushButton::clicked, this, &TKartForm::NewPatient);
    h->addWidget(add);
    // Their windows (groups manager, reports) come with later parts of the program.
    for (const QString& caption :
         {QStringLiteral("Менеджер\nгруп"), QStringLiteral("Карта пацієнта"),
          QStringLiteral("Друк медичної картки"), QStringLiteral("Історія хвороби")}) {
        auto* b = new QPushButton(caption, bar);
        b->setEnabled(false);
        h->addWidget(b);
    }
    h->addStretch(1);
    auto* close = new QPushButton(QStringLiteral("Закрити"), bar);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    h->addWidget(close);
    return bar;
}

void TKartForm::BuildMenus() {
    QMenu* card = menuBar()->addMenu(QStringLiteral("&Картка"));
    QAction* add = card->addAction(QStringLiteral("Нова картка"), this, &TKartForm::NewPatient);
    add->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    QAction* remove =
        card->addAction(QStringLiteral("Видалити картку"), this, &TKartForm::DeleteCurrentPatient);
    m_patientActions.append(remove);
    card->addSeparator();
    QAction* manager = card->addAction(QStringLiteral("Менеджер груп"));
    manager->setShortcut(QKeySequence(QStringLiteral("Ctrl+A")));
    manager->setEnabled(false);
    QAction* search = card->addAction(QStringLiteral("Пошук пацієнта"));
    search->setShortcut(QKeySequence(QStringLiteral("Ctrl+F")));
    search->setEnabled(false);
    card->addSeparator();
    card->addAction(QStringLiteral("Закрити"), this, &QWidget::close);

    QMenu* visits = menuBar()->addMenu(QStringLiteral("&Відвідування"));
    QAction* newVisit = visits->addAction(QStringLiteral("Нове"), this, [this] {
        pages->setCurrentIndex(1);
        AddVisit();
    });
    QAction* deleteVisit = visits->addAction(QStringLiteral("Видалити"), this, [this] {
        pages->setCurrentIndex(1);
        DeleteVisit();
    });
    m_patientActions.append(newVisit);
    m_patientActions.append(deleteVisit);
}

// ---- The patient list ----------------------------------------------------------------------

bool TKartForm::HasPatient() const {
    return m_patients->IsOpen() && m_patients->Position() >= 0;
}

int TKartForm::CurrentPid() const {
    return HasPatient() ? m_patients->Int(QStringLiteral("pid")) : 0;
}

void TKartForm::BuildGroups() {
    try {
        m_groups = GroupItems(m_ctx.db);
    } catch (const Error& e) {
        ShowError(e.text());
        m_groups.clear();
    }
    groupSelector->clear();
    for (const GroupItem& g : m_groups) groupSelector->addItem(g.caption);
    groupSelector->setCurrentIndex(m_groups.size() > 1 ? 1 : 0);
    ApplyGroupFilter(groupSelector->currentIndex());
}

void TKartForm::ApplyGroupFilter(int index) {
    if (index < 0 || index >= m_groups.size()) return;
    try {
        m_patients->SetFilter(m_groups[index].filter);
    } catch (const Error& e) {
        ShowError(e.text());
    }
    listTitle->setText(PatientListTitle(m_patients->IsOpen() ? m_patients->Count() : 0));
}

void TKartForm::ReloadPatientList() {
    if (HasPatient()) m_rememberedPid = CurrentPid();
    try {
        if (m_patients->IsEditing()) m_patients->Post();
        m_patients->Close();
        m_patients->SetSql(PatientListSql(m_ctx.user));
        m_patients->Open();
        if (m_rememberedPid) m_patients->Locate(QStringLiteral("pid"), *m_rememberedPid);
    } catch (const Error& e) {
        ShowError(e.text());
    }
    UpdateEnabled();
    PatientChanged();
}

bool TKartForm::LocatePatient(const QString& groupName, const QString& column, const QVariant& value) {
    if (groupSelector->currentText() != groupName) {
        const int index = groupSelector->findText(groupName);
        groupSelector->setCurrentIndex(index >= 0 ? index : 0);
        ApplyGroupFilter(groupSelector->currentIndex());
        ReloadPatientList();
    }
    show();
    raise();
    activateWindow();
    if (!m_patients->IsOpen()) ReloadPatientList();
    return m_patients->Locate(column, value);
}

void TKartForm::QuickSearch(const QString& text) {
    if (!m_patients->IsOpen() || text.isEmpty()) return;
    const int column = m_patients->ColumnIndex(QStringLiteral("pname"));
    for (int i = 0; i < m_patients->Count(); ++i) {
        if (m_patients->ValueAt(i, column).toString().startsWith(text, Qt::CaseInsensitive)) {
            try {
                m_patients->SetPosition(i);
            } catch (const Error& e) {
                ShowError(e.text());
            }
            return;
        }
    }
}

void TKartForm::UpdateEnabled() {
    const bool any = m_patients->IsOpen() && !m_patients->IsEmpty();
    pages->setEnabled(any);
    for (QAction* a : m_patientActions) a->setEnabled(any);
    if (newVisitButton) newVisitButton->setEnabled(any);
    for (QWidget* b : std::as_const(m_patientButtons)) b->setEnabled(any);
    if (!any) {
        m_visits->Close();
        m_items->Close();
        pages->setCurrentIndex(0);
        RebuildTabs();
    }
    listTitle->setText(PatientListTitle(m_patients->IsOpen() ? m_patients->Count() : 0));
}

void TKartForm::UpdateEditButtons() {
    const bool editing = (m_patients->IsEditing()) || (m_visits->IsEditing());
    saveButton->setEnabled(editing);
    cancelButton->setEnabled(editing);
}

void TKartForm::ConnectPatientHooks() {
    m_patients->beforeEdit = [this](RowSet& rows) {
        const int pid = rows.Int(QStringLiteral("pid"));
        const QString lock = "p" + QString::number(pid);
        if (m_ctx.network->CheckLock(lock)) return false;  // edited elsewhere: silently not
        m_ctx.network->TakeLock(lock);
        m_lockedPid = pid;
        return true;
    };
    m_patients->afterPost = [this](RowSet&) { PatientEditEnded(true); };
    m_patients->afterCancel = [this](RowSet&) { PatientEditEnded(false); };
    connect(m_patients, &RowSet::stateChanged, this, &TKartForm::UpdateEditButtons);
    connect(m_patients, &RowSet::currentChanged, this, &TKartForm::PatientChanged);
    connect(m_patients, &RowSet::reset, this,
            [this] { listTitle->setText(PatientListTitle(m_patients->IsOpen() ? m_patients->Count() : 0)); });
    connect(m_patients, &RowSet::rowChanged, this, [this](int position) {
        if (position != m_patients->Position()) return;
        ShowSexAndResidence();
        BirthChanged();
    });
}

void TKartForm::PatientEditEnded(bool posted) {
    if (m_lockedPid) {
        m_ctx.network->ReleaseLock("p" + QString::number(*m_lockedPid));
        m_lockedPid.reset();
    }
    if (posted) m_ctx.network->SendNotification(kCardRefresh);
    // A refresh that arrived during the edit runs now, outside the row set's own signal.
    if (m_ctx.windows && m_ctx.windows->main && m_ctx.windows->main->cardRefreshPending)
        QTimer::singleShot(0, this, &TKartForm::CardRefreshTick);
}

void TKartForm::CardRefreshTick() {
    if (m_ctx.windows && m_ctx.windows->main) m_ctx.windows->main->cardRefreshPending = false;
    if (!m_patients->IsOpen()) return;
    if (m_patients->IsEditing()) {
        if (m_ctx.windows && m_ctx.windows->main) m_ctx.windows->main->cardRefreshPending = true;
        return;
    }
    try {
        m_patients->Requery();
    } catch (const Error& e) {
        ShowError(e.text());
    }
    UpdateEnabled();
    PatientChanged();
}

void TKartForm::PatientChanged() {
    const bool any = HasPatient();
    const LoginList* list =
        m_ctx.windows && m_ctx.windows->login ? &m_ctx.windows->login->loginList() : nullptr;
    doctor->setText(any && list ? list->UserNameOf(m_patients->Int(QStringLiteral("uid"))) : QString());
    number->setText(any ? QString::number(CurrentPid()) : QString());
    ShowSexAndResidence();
    BirthChanged();
    if (pages->currentIndex() == 1) LoadVisits();

    PhotoTimer->stop();
    if (any && !m_patients->IsNull(QStringLiteral("photo"))) {
        photo->setPixmap({});
        photo->setText(QStringLiteral("Завантаження..."));
        PhotoTimer->start();
    } else {
        LoadPhoto();
    }
}

void TKartForm::ShowSexAndResidence() {
    const bool any = HasPatient();
    const int s = any ? m_patients->Int(QStringLiteral("sex")) : 0;
    sex->setCurrentIndex(s == 1 || s == 2 ? s - 1 : -1);
    residence->setCurrentIndex(any ? (m_patients->Bool(QStringLiteral("selo")) ? 1 : 0) : -1);
    residenceLabel->setText(sex->currentIndex() == 1 ? QStringLiteral("Мешканка:")
                                                     : QStringLiteral("Мешканець:"));
    sex->setEnabled(any);
    residence->setEnabled(any);
    regdat->setEnabled(any && m_ctx.user.IsAdministrator());
}

void TKartForm::BirthChanged() {
    age->setText(HasPatient() ? AgeText(m_patients->Date(QStringLiteral("birth")), QDate::currentDate())
                              : QString());
}

void TKartForm::SexChosen(int index) {
    if (!HasPatient() || index < 0) return;
    try {
        if (!m_patients->Edit()) {
            ShowSexAndResidence();
            return;
        }
        m_patients->SetValue(QStringLiteral("sex"), index + 1);
    } catch (const Error& e) {
        ShowError(e.text());
    }
    ShowSexAndResidence();
}

void TKartForm::ResidenceChosen(int index) {
    if (!HasPatient() || index < 0) return;
    try {
        if (!m_patients->Edit()) {
            ShowSexAndResidence();
            return;
        }
        m_patients->SetValue(QStringLiteral("selo"), index == 1 ? 1 : 0);
    } catch (const Error& e) {
        ShowError(e.text());
    }
}

void TKartForm::NameEdited(const QString& text) {
    if (!HasPatient() || !m_patients->IsEditing()) return;
    const TypedName typed = CapitaliseTypedName(text, name->cursorPosition());
    if (!typed.changed) return;
    name->setText(typed.text);
    name->setCursorPosition(typed.caret);
    try {
        m_patients->SetValue(QStringLiteral("pname"), typed.text);
    } catch (const Error& e) {
        ShowError(e.text());
    }
}

void TKartForm::LoadPhoto() {
    QPalette palette = photo->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Base));
    photo->setPixmap({});
    photo->setToolTip({});
    const QString file = HasPatient() ? m_patients->Text(QStringLiteral("photo")) : QString();
    if (file.isEmpty()) {
        photo->setText(QStringLiteral("Фото відсутнє"));
        photo->setToolTip(
            QStringLiteral("Щоб вставити фотографію пацієнта, чи його зуба натисніть \"Додатково\""));
        palette.setColor(QPalette::Window, palette.color(QPalette::Window));
    } else if (!showPhotos->isChecked()) {
        photo->setText(QStringLiteral("Показати фото"));
        photo->setToolTip(QStringLiteral("Щоб показати фотографію, натисніть мишкою сюди !"));
    } else {
        QImageReader reader(PhotoFolder() + file);
        const QSize size = reader.size();
        if (size.isValid()) reader.setScaledSize(PhotoFit(size));
        const QImage image = reader.read();
        if (image.isNull()) {
            photo->setText(QStringLiteral("Фото пошкоджене !"));
        } else {
            photo->setText({});
            photo->setPixmap(QPixmap::fromImage(image));
        }
        palette.setColor(QPalette::Window, Qt::white);
    }
    photo->setPalette(palette);
}

bool TKartForm::eventFilter(QObject* watched, QEvent* event) {
    // A hidden photo is shown by clicking its panel.
    if (watched == photo && event->type() == QEvent::MouseButtonPress && !showPhotos->isChecked())
        showPhotos->setChecked(true);
    return QMainWindow::eventFilter(watched, event);
}

// ---- Showing, hiding, closing ----------------------------------------------------------------

void TKartForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    userPanel->setText(m_ctx.user.name);
    const bool pvis = m_ctx.user.rights.pvis;
    price->setVisible(pvis);
    priceLabel->setVisible(pvis);
    for (QWidget* w : std::as_const(m_paymentControls)) w->setVisible(pvis);
    if (!m_patients->IsOpen()) ReloadPatientList();
    UpdateEnabled();
    ApplyVisitRights();
}

void TKartForm::hideEvent(QHideEvent* event) {
    if (m_ctx.windows && m_ctx.windows->kartFormula) m_ctx.windows->kartFormula->hide();
    try {
        if (m_patients->IsEditing()) m_patients->Post();
    } catch (const Error& e) {
        ShowError(e.text());
    }
    QMainWindow::hideEvent(event);
}

void TKartForm::closeEvent(QCloseEvent* event) {
    PostPendingEdits();
    if (HasPatient()) m_rememberedPid = CurrentPid();
    m_visits->Close();
    m_items->Close();
    m_patients->Close();
    UpdateEnabled();
    QMainWindow::closeEvent(event);
}

}  // namespace orvex
