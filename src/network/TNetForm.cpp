#include "network/TNetForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHostAddress>
#include <QHostInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/Windows.h"
#include "core/Context.h"
#include "core/Errors.h"
#include "core/Paths.h"
#include "core/Prompt.h"
#include "core/Settings.h"
#include "core/TConnectForm.h"
#include "core/TMainForm.h"

namespace orvex {
namespace {

// This computer's own IPv4 address: the first one its host name resolves to.
QString OwnAddress() {
    const QHostInfo info = QHostInfo::fromName(QHostInfo::localHostName());
    for (const QHostAddress& address : info.addresses())
        if (address.protocol() == QAbstractSocket::IPv4Protocol) return address.toString();
    return {};
}

}  // namespace

TNetForm::TNetForm(Context& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx) {
    setWindowTitle(QStringLiteral("Налагодження мережевої роботи"));
    auto* v = new QVBoxLayout(this);

    network = new QCheckBox(QStringLiteral("Активна робота у мережі"), this);
    v->addWidget(network);

    auto* form = m_form = new QFormLayout;
    role = new QComboBox(this);
    role->addItems({QStringLiteral("Клієнт"), QStringLiteral("Сервер")});
    form->addRow(QStringLiteral("Мережа"), role);

    auto* baseRow = new QHBoxLayout;
    netBase = new QLineEdit(this);
    netBase->setReadOnly(true);
    folderButton = new QToolButton(this);
    folderButton->setText(QStringLiteral("..."));
    baseRow->addWidget(netBase, 1);
    baseRow->addWidget(folderButton);
    form->addRow(QStringLiteral("Мережева база даних"), baseRow);
    defaultBaseNote = new QLabel(QStringLiteral("База по замовчуванню"), this);
    defaultBaseNote->setStyleSheet(QStringLiteral("color: #555;"));
    form->addRow(QString(), defaultBaseNote);

    host = new QLineEdit(this);
    form->addRow(QStringLiteral("IP-адреса сервера:"), host);
    port = new QLineEdit(this);
    port->setMaximumWidth(100);
    form->addRow(QStringLiteral("Порт"), port);
    refreshInterval = new QSpinBox(this);
    refreshInterval->setRange(1, 99999999);
    refreshInterval->setSingleStep(500);
    form->addRow(QStringLiteral("Інтервал оновлення даних після внесення змін (мс.)"), refreshInterval);
    v->addLayout(form);

    status = new QLabel(QStringLiteral("Підключення відсутні"), this);
    v->addWidget(status);

    auto* buttons = new QHBoxLayout;
    auto* save = new QPushButton(QStringLiteral("Зберегти зміни"), this);
    auto* cancel = new QPushButton(QStringLiteral("Відмінити"), this);
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    v->addLayout(buttons);

    connect(network, &QCheckBox::toggled, this, &TNetForm::UpdateEnabled);
    connect(role, &QComboBox::activated, this, [this](int index) {
        if (index == 1) host->setText(OwnAddress());
        UpdateEnabled();
    });
    connect(folderButton, &QToolButton::clicked, this, &TNetForm::ChooseDatabaseFolder);
    connect(save, &QPushButton::clicked, this, &TNetForm::Save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(600, sizeHint().height());
}

void TNetForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Load();
}

void TNetForm::Load() {
    const QString s = ReadSettingsGroup(WorkstationSettingsPath(),
                                        QStringLiteral("NETWORK;SERVER;HOST;PORT;NETBASE;RTIME;"));
    network->setChecked(GetSettingText(QStringLiteral("NETWORK"), s) == u"1");
    role->setCurrentIndex(GetSettingText(QStringLiteral("SERVER"), s) == u"1" ? 1 : 0);
    host->setText(GetSettingText(QStringLiteral("HOST"), s));
    port->setText(GetSettingText(QStringLiteral("PORT"), s));
    netBase->setText(GetSettingText(QStringLiteral("NETBASE"), s));
    const int interval = GetSettingInt(QStringLiteral("RTIME"), s);
    refreshInterval->setValue(interval > 0 ? interval : 4000);
    UpdateEnabled();
}

void TNetForm::UpdateEnabled() {
    const bool on = network->isChecked();
    const bool client = role->currentIndex() == 0;
    role->setEnabled(on);
    host->setEnabled(client);
    folderButton->setEnabled(client);
    // The whole row goes, so a client's window has no empty line where the note was.
    m_form->setRowVisible(defaultBaseNote, !client);
}

void TNetForm::ChooseDatabaseFolder() {
    QString folder = ChooseFolder(QStringLiteral("Вибір розміщення віддаленої бази"));
    if (folder.isEmpty()) return;
    folder = WithSeparator(folder);
    const QString direct = folder + "data.base";
    const QString inData = folder + "data" + QDir::separator() + "data.base";
    if (QFileInfo(direct).isFile())
        netBase->setText(direct);
    else if (QFileInfo(inData).isFile())
        netBase->setText(inData);
    else
        ShowWarning(QStringLiteral("Бази даних не знайдено !"));
}

void TNetForm::Save() {
    QString changes;
    AppendSetting(QStringLiteral("NETWORK"), network->isChecked() ? QStringLiteral("1") : QStringLiteral("0"),
                  changes);
    AppendSetting(QStringLiteral("SERVER"),
                  role->currentIndex() == 1 ? QStringLiteral("1") : QStringLiteral("0"), changes);
    AppendSetting(QStringLiteral("HOST"), host->text(), changes);
    AppendSetting(QStringLiteral("PORT"), port->text(), changes);
    AppendSetting(QStringLiteral("NETBASE"), netBase->text(), changes);
    AppendSetting(QStringLiteral("RTIME"), QString::number(refreshInterval->value()), changes);
    try {
        WriteSettingsGroup(WorkstationSettingsPath(), changes);
    } catch (const Error& e) {
        ShowError(e.text());
        return;
    }

    Windows* w = m_ctx.windows;
    if (w && w->connect && w->connect->isVisible()) {
        accept();
        return;
    }
    if (w && w->main) {
        w->main->onlineIcon->hide();
        w->main->offlineIcon->hide();
        if (w->main->isVisible()) {
            ShowInfo(QStringLiteral("Необхідно перезапустити програму!"));
            accept();
            EndProgram(m_ctx);
            return;
        }
    }
    if (network->isChecked()) {
        if (FileUsable(netBase->text())) m_ctx.network->StartNetwork();
    } else {
        m_ctx.network->StopNetwork();
    }
    accept();
}

}  // namespace orvex
