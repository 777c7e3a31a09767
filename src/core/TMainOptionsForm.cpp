#include "core/TMainOptionsForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "core/Context.h"
#include "core/Errors.h"
#include "core/Paths.h"
#include "core/Prompt.h"
#include "core/Settings.h"

namespace orvex {
namespace {

int Clamp(int value) {
    return std::clamp(value, 1, 999);
}

}  // namespace

TMainOptionsForm::TMainOptionsForm(Context& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx) {
    setWindowTitle(QStringLiteral("Базові налаштування"));
    auto* v = new QVBoxLayout(this);

    auto* practice = new QGroupBox(QStringLiteral("Заклад"), this);
    auto* form = new QFormLayout(practice);
    zaklad = new QLineEdit(practice);
    director = new QLineEdit(practice);
    zkpo = new QLineEdit(practice);
    edrpou = new QLineEdit(practice);
    form->addRow(QStringLiteral("Назва закладу:"), zaklad);
    form->addRow(QStringLiteral("Керівник:"), director);
    form->addRow(QStringLiteral("Код закладу за ЗКПО"), zkpo);
    form->addRow(QStringLiteral("Код закладу за ЄДРПОУ"), edrpou);
    formulaType = new QComboBox(practice);
    formulaType->addItems({QStringLiteral("Стандартна форма (напир: |_2; |`3)"),
                           QStringLiteral("Європейські позначення (напр: 22; 33)")});
    form->addRow(QStringLiteral("Вид зубної формули"), formulaType);
    workPlaces = new QSpinBox(practice);
    workPlaces->setRange(1, 999);
    form->addRow(QStringLiteral("Кількість робочих місць (установок)"), workPlaces);
    auto* numberRow = new QHBoxLayout;
    cardNumber = new QLineEdit(practice);
    // Any stored counter must be shown and kept: the whole positive range of the column.
    cardNumber->setValidator(new QIntValidator(1, std::numeric_limits<int>::max(), cardNumber));
    auto* autoDetect = new QPushButton(QStringLiteral("Автовизначення"), practice);
    connect(autoDetect, &QPushButton::clicked, this, &TMainOptionsForm::AutoDetect);
    numberRow->addWidget(cardNumber, 1);
    numberRow->addWidget(autoDetect);
    form->addRow(QStringLiteral("Почати номерацію мед. карт з номера:"), numberRow);
    v->addWidget(practice);

    auto* backups = new QGroupBox(QStringLiteral("Резрвне копіювання"), this);
    auto* backupForm = new QFormLayout(backups);
    backupCount = new QSpinBox(backups);
    backupCount->setRange(1, 999);
    backupForm->addRow(QStringLiteral("Максимальна к-ть архівів:"), backupCount);
    auto* pathRow = new QHBoxLayout;
    backupPath = new QLineEdit(backups);
    auto* folder = new QToolButton(backups);
    folder->setText(QStringLiteral("..."));
    connect(folder, &QToolButton::clicked, this, &TMainOptionsForm::ChooseBackupFolder);
    pathRow->addWidget(backupPath, 1);
    pathRow->addWidget(folder);
    backupForm->addRow(QStringLiteral("Куди зберігати архіви:"), pathRow);
    v->addWidget(backups);

    netOpt = new QCheckBox(QStringLiteral("Використовувати налаштування сервера"), this);
    v->addWidget(netOpt);

    auto* buttons = new QHBoxLayout;
    auto* save = new QPushButton(QStringLiteral("Зберегти"), this);
    auto* cancel = new QPushButton(QStringLiteral("Відмінити"), this);
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, [this] {
        if (Save()) accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    v->addLayout(buttons);
    resize(560, sizeHint().height());
}

void TMainOptionsForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Load();
}

void TMainOptionsForm::Load() {
    const QString station =
        ReadSettingsGroup(WorkstationSettingsPath(), QStringLiteral("NETWORK;SERVER;NETOPT;"));
    netOpt->setEnabled(GetSettingText(QStringLiteral("NETWORK"), station) == u"1" &&
                       GetSettingText(QStringLiteral("SERVER"), station) != u"1");
    netOpt->setChecked(GetSettingText(QStringLiteral("NETOPT"), station) == u"1");

    const QString practice = ReadSettingsGroup(
        PracticeSettingsPath(), QStringLiteral("FORMULA_TYPE;MAX_WORK_PLACES;DIRECTOR;ZAKLAD;ZKPO;EDRPOU;"));
    const int type = GetSettingInt(QStringLiteral("FORMULA_TYPE"), practice);
    formulaType->setCurrentIndex(type >= 0 && type < formulaType->count() ? type : -1);
    workPlaces->setValue(Clamp(GetSettingInt(QStringLiteral("MAX_WORK_PLACES"), practice)));
    director->setText(GetSettingText(QStringLiteral("DIRECTOR"), practice));
    zaklad->setText(GetSettingText(QStringLiteral("ZAKLAD"), practice));
    zkpo->setText(GetSettingText(QStringLiteral("ZKPO"), practice));
    edrpou->setText(GetSettingText(QStringLiteral("EDRPOU"), practice));

    const QString backups =
        ReadSettingsGroup(WorkstationSettingsPath(), QStringLiteral("BACKUPPATH;BACKUPCNT;NETOPT;"));
    backupPath->setText(GetSettingText(QStringLiteral("BACKUPPATH"), backups));
    backupCount->setValue(Clamp(GetSettingInt(QStringLiteral("BACKUPCNT"), backups)));
    netOpt->setChecked(GetSettingText(QStringLiteral("NETOPT"), backups) == u"1");

    try {
        const Rows opt = m_ctx.db.Query(QStringLiteral("SELECT cn FROM opt"));
        cardNumber->setText(opt.Count() > 0 ? opt.Value(0, 0).toString() : QString());
    } catch (const Error& e) {
        ShowError(e.text());
    }
}

void TMainOptionsForm::AutoDetect() {
    try {
        const Rows max = m_ctx.db.Query(QStringLiteral("SELECT max([pac].[pid]) FROM [pac]"));
        const qlonglong top = max.Count() > 0 ? max.Value(0, 0).toLongLong() : 0;
        cardNumber->setText(QString::number(top + 1));
    } catch (const Error& e) {
        ShowError(e.text());
    }
}

void TMainOptionsForm::ChooseBackupFolder() {
    const QString folder = ChooseFolder(QStringLiteral("Виберіть папку"), backupPath->text());
    if (!folder.isEmpty()) backupPath->setText(folder);
}

bool TMainOptionsForm::Save() {
    try {
        QString station;
        AppendSetting(QStringLiteral("BACKUPPATH"), backupPath->text(), station);
        AppendSetting(QStringLiteral("BACKUPCNT"), QString::number(backupCount->value()), station);
        AppendSetting(QStringLiteral("NETOPT"),
                      netOpt->isChecked() ? QStringLiteral("1") : QStringLiteral("0"), station);
        WriteSettingsGroup(WorkstationSettingsPath(), station);
        InitPaths();

        QString practice;
        AppendSetting(QStringLiteral("FORMULA_TYPE"), QString::number(formulaType->currentIndex()), practice);
        AppendSetting(QStringLiteral("MAX_WORK_PLACES"), QString::number(workPlaces->value()), practice);
        AppendSetting(QStringLiteral("DIRECTOR"), director->text(), practice);
        AppendSetting(QStringLiteral("ZAKLAD"), zaklad->text(), practice);
        AppendSetting(QStringLiteral("ZKPO"), zkpo->text(), practice);
        AppendSetting(QStringLiteral("EDRPOU"), edrpou->text(), practice);
        WriteSettingsGroup(PracticeSettingsPath(), practice);

        bool numeric = false;
        const qlonglong number = cardNumber->text().toLongLong(&numeric);
        const Rows opt = m_ctx.db.Query(QStringLiteral("SELECT cn FROM opt"));
        if (numeric && number >= 1 && (opt.Count() == 0 || opt.Value(0, 0).toLongLong() != number))
            m_ctx.db.Exec(QStringLiteral("UPDATE opt SET cn=") + QString::number(number));
        // The form 20 window takes the head's and institution's names from here once it exists.
    } catch (const Error& e) {
        ShowError(e.text());
        return false;
    }
    return true;
}

}  // namespace orvex
