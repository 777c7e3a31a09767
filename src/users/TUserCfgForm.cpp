#include "users/TUserCfgForm.h"

#include <QAbstractItemDelegate>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/Windows.h"
#include "core/Context.h"
#include "core/Errors.h"
#include "core/Lang.h"
#include "core/Prompt.h"
#include "core/db/FieldBinding.h"
#include "core/db/RowSet.h"
#include "core/db/RowSetModel.h"
#include "users/Accounts.h"
#include "users/Digest.h"
#include "users/TLoginForm.h"
#include "users/TPassForm.h"

namespace orvex {

TUserCfgForm::TUserCfgForm(Context& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx) {
    setWindowTitle(QStringLiteral("Користувачі системи"));
    m_rows = new RowSet(ctx.db, this);
    m_rows->SetSql(QStringLiteral("SELECT * FROM users ORDER BY uname"));
    m_rows->SetUpdateTable(QStringLiteral("users"), QStringLiteral("uid"));
    m_model = new RowSetModel(*m_rows, {{QStringLiteral("uname"), QStringLiteral("Ім`я користувача")}}, this);

    auto* h = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    list = new QTableView(this);
    list->setModel(m_model);
    m_model->Follow(list->selectionModel());
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->horizontalHeader()->setStretchLastSection(true);
    list->verticalHeader()->hide();
    list->setMinimumWidth(220);
    left->addWidget(list, 1);
    auto* add = new QPushButton(QStringLiteral("Додати користувача"), this);
    deleteButton = new QPushButton(QStringLiteral("Видалити користувача"), this);
    passwordButton = new QPushButton(QStringLiteral("Змінити пароль"), this);
    auto* rename = new QPushButton(QStringLiteral("Перейменувати"), this);
    for (QPushButton* b : {add, deleteButton, passwordButton, rename}) left->addWidget(b);
    h->addLayout(left);

    auto* right = new QVBoxLayout;
    auto* form = new QFormLayout;
    birth = new QDateEdit(this);
    birth->setCalendarPopup(true);
    birth->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    // A user without a birth date shows an empty field, not the editor's earliest date.
    birth->setMinimumDate(QDate(1900, 1, 1));
    birth->setSpecialValueText(QStringLiteral(" "));
    form->addRow(QStringLiteral("Дата народження:"), birth);
    room = new QComboBox(this);
    form->addRow(QStringLiteral("Кімната (кабінет):"), room);
    right->addLayout(form);
    right->addWidget(new QLabel(QStringLiteral("Додаткова інформація:"), this));
    info = new QPlainTextEdit(this);
    info->setMaximumHeight(90);
    right->addWidget(info);

    auto* rights = new QGroupBox(QStringLiteral("Права користувача"), this);
    auto* grid = new QGridLayout(rights);
    allreg = new QCheckBox(QStringLiteral("Реєстрація назначень для"), rights);
    // The caption's second half follows the box directly, as one sentence.
    auto* allregRow = new QHBoxLayout;
    allregRow->setSpacing(4);
    allregRow->addWidget(allreg);
    allregRow->addWidget(new QLabel(QStringLiteral("усіх лікарів."), rights));
    allregRow->addStretch(1);
    grid->addLayout(allregRow, 0, 0, 1, 2);
    ctrlviz = new QCheckBox(QStringLiteral("Зміна налаштувань"), rights);
    rep = new QCheckBox(QStringLiteral("Перегляд звітності"), rights);
    medit = new QCheckBox(QStringLiteral("Дозволити змінювати меню"), rights);
    vedit = new QCheckBox(QStringLiteral("Редагування історії хвороби"), rights);
    pvis = new QCheckBox(QStringLiteral("Показувати фін. інформацію"), rights);
    int row = 1;
    for (QCheckBox* box : {ctrlviz, rep, medit, vedit, pvis}) grid->addWidget(box, row++, 0, 1, 2);
    right->addWidget(rights);

    auto* post = new QHBoxLayout;
    auto* save = new QPushButton(QStringLiteral("Зберегти зміни"), this);
    auto* cancel = new QPushButton(QStringLiteral("Відмінити зміни"), this);
    post->addWidget(save);
    post->addWidget(cancel);
    right->addLayout(post);
    right->addStretch(1);
    auto* exit = new QPushButton(QStringLiteral("Вихід"), this);
    right->addWidget(exit, 0, Qt::AlignRight);
    h->addLayout(right, 1);

    new FieldBinding(*m_rows, QStringLiteral("birth"), birth, this);
    new FieldBinding(*m_rows, QStringLiteral("info"), info, this);
    const QList<QPair<const char*, QCheckBox*>> boxes = {{"allreg", allreg}, {"ctrlviz", ctrlviz},
                                                         {"rep", rep},       {"medit", medit},
                                                         {"vedit", vedit},   {"pvis", pvis}};
    for (const auto& [column, box] : boxes) new FieldBinding(*m_rows, QString::fromLatin1(column), box, this);

    connect(add, &QPushButton::clicked, this, &TUserCfgForm::AddUser);
    connect(deleteButton, &QPushButton::clicked, this, &TUserCfgForm::DeleteUser);
    connect(passwordButton, &QPushButton::clicked, this, &TUserCfgForm::ChangePassword);
    connect(rename, &QPushButton::clicked, this, &TUserCfgForm::Rename);
    connect(save, &QPushButton::clicked, this, &TUserCfgForm::PostChanges);
    connect(cancel, &QPushButton::clicked, this, &TUserCfgForm::CancelChanges);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);
    connect(room, &QComboBox::activated, this, &TUserCfgForm::RoomChosen);
    connect(m_rows, &RowSet::currentChanged, this, &TUserCfgForm::ShowRoom);
    resize(700, 460);
}

TUserCfgForm::~TUserCfgForm() = default;

void TUserCfgForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_stale = false;
    try {
        room->clear();
        m_roomIds = {0};
        room->addItem(QStringLiteral("Усі кабінети"));
        const Rows rooms = m_ctx.db.Query(QStringLiteral("SELECT * FROM rooms ORDER BY rname"));
        for (int r = 0; r < rooms.Count(); ++r) {
            room->addItem(rooms.Value(r, QStringLiteral("rname")).toString());
            m_roomIds.append(rooms.Value(r, QStringLiteral("rid")).toInt());
        }
        m_rows->Open();
    } catch (const Error& e) {
        ShowError(e.text());
    }
    UpdateButtons();
    ShowRoom();
}

void TUserCfgForm::UpdateButtons() {
    const bool any = m_rows->IsOpen() && !m_rows->IsEmpty();
    deleteButton->setEnabled(any);
    passwordButton->setEnabled(any);
}

void TUserCfgForm::ShowRoom() {
    if (!m_rows->IsOpen() || m_rows->IsEmpty()) {
        room->setCurrentIndex(-1);
        return;
    }
    if (m_rows->IsNull(QStringLiteral("rid"))) {
        room->setCurrentIndex(0);
        return;
    }
    const int at = int(m_roomIds.indexOf(m_rows->Int(QStringLiteral("rid"))));
    room->setCurrentIndex(at > 0 ? at : -1);
}

void TUserCfgForm::RoomChosen(int index) {
    if (!m_rows->IsOpen() || m_rows->IsEmpty() || index < 0) return;
    try {
        if (!m_rows->Edit()) return;
        m_rows->SetValue(QStringLiteral("rid"), index == 0 ? QVariant() : QVariant(m_roomIds[index]));
    } catch (const Error& e) {
        ShowError(e.text());
    }
}

void TUserCfgForm::AddUser() {
    const auto name = InputText(QStringLiteral("Новий користувач"), QStringLiteral("Ім`я користувача:"));
    if (!name || name->trimmed().isEmpty()) return;
    try {
        if (!UserNameFree(m_ctx.db, *name)) return;
        if (m_rows->IsEditing()) m_rows->Post();
        m_rows->Append();
        m_rows->SetValue(QStringLiteral("uname"), *name);
        m_rows->SetValue(QStringLiteral("upass"), PasswordDigest(QString()));
        for (const char* right : {"allreg", "ctrlviz", "medit", "vedit", "rep"})
            m_rows->SetValue(QString::fromLatin1(right), 0);
        m_rows->SetValue(QStringLiteral("rid"), QVariant());
        m_rows->SetValue(QStringLiteral("pvis"), 1);
        m_stale = true;
    } catch (const Error& e) {
        ShowError(e.text());
    }
    UpdateButtons();
}

void TUserCfgForm::DeleteUser() {
    if (!m_rows->IsOpen() || m_rows->IsEmpty()) return;
    const QString name = m_rows->Text(QStringLiteral("uname"));
    if (!AskYesNo("Ви дійсно бажаєте видалити користувача " + name + " ?")) return;
    try {
        if (m_rows->state() == RowSet::State::Insert) {
            m_rows->Cancel();  // never written: nothing to delete in the database
        } else {
            if (UserHasPatients(m_ctx.db, m_rows->Int(QStringLiteral("uid")))) {
                ShowInfo(QStringLiteral(
                    "У користувача є пацієнти ! Спочатку передайте усіх пацієнтів іншому лікарю. Для цього, "
                    "увійдіть "
                    "до системи як адміністратор, клацніть правою кл. миші на список пацієнтів та виберіть "
                    "\"Передати УСІХ пацієнтів лікарю\"."));
                return;
            }
            if (m_rows->state() == RowSet::State::Edit) m_rows->Cancel();
            m_rows->Delete();
        }
        m_stale = true;
    } catch (const Error& e) {
        ShowError(e.text());
    }
    UpdateButtons();
    ShowRoom();
}

void TUserCfgForm::ChangePassword() {
    if (!m_rows->IsOpen() || m_rows->IsEmpty() || !m_ctx.windows || !m_ctx.windows->pass) return;
    const QString stored = m_rows->Text(QStringLiteral("upass"));
    const PasswordEntry entry = m_ctx.windows->pass->Ask(stored != PasswordDigest(QString()));
    if (!entry.confirmed) return;
    if (PasswordDigest(entry.oldPassword) != stored) {
        ShowWarning(Lang(QStringLiteral("Msg.WrongPass")));
        return;
    }
    try {
        if (!m_rows->Edit()) return;
        m_rows->SetValue(QStringLiteral("upass"), PasswordDigest(entry.newPassword));
        m_rows->Post();
    } catch (const Error& e) {
        ShowError(e.text());
    }
}

void TUserCfgForm::Rename() {
    if (!m_rows->IsOpen() || m_rows->IsEmpty()) return;
    try {
        if (!m_rows->Edit()) return;
    } catch (const Error& e) {
        ShowError(e.text());
        return;
    }
    m_stale = true;
    m_model->SetEditable(true);
    list->setEditTriggers(QAbstractItemView::AllEditTriggers);
    list->edit(list->currentIndex().isValid() ? list->currentIndex() : m_model->index(m_rows->Position(), 0));
}

void TUserCfgForm::EndRename() {
    m_model->SetEditable(false);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void TUserCfgForm::PostChanges() {
    // An open name editor hands its text to the row before it is written: closing the editor alone
    // reverts it, which lost a new name typed just before the window was closed.
    const QModelIndex editing = list->currentIndex();
    if (QWidget* editor = editing.isValid() ? list->indexWidget(editing) : nullptr) {
        list->itemDelegate()->setModelData(editor, m_model, editing);
        list->closePersistentEditor(editing);
    }
    list->setFocus();
    try {
        if (m_rows->IsEditing()) m_rows->Post();
    } catch (const Error& e) {
        ShowError(e.text());
    }
    EndRename();
    UpdateButtons();
}

void TUserCfgForm::CancelChanges() {
    if (m_rows->IsEditing()) m_rows->Cancel();
    EndRename();
    UpdateButtons();
    ShowRoom();
    list->setFocus();
}

void TUserCfgForm::done(int result) {
    PostChanges();
    if (m_stale && m_ctx.windows && m_ctx.windows->login) m_ctx.windows->login->Rebuild();
    m_stale = false;
    m_rows->Close();
    QDialog::done(result);
}

}  // namespace orvex
