#include "core/TConnectForm.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/Windows.h"
#include "core/Backup.h"
#include "core/Context.h"
#include "core/Errors.h"
#include "core/Paths.h"
#include "core/Prompt.h"
#include "core/SchemaUpgrade.h"
#include "core/Settings.h"
#include "network/TNetForm.h"

namespace orvex {
namespace {

const QString kTrying = QStringLiteral("спроба під`єднатись...");
const QString kFailed = QStringLiteral("під`єднатись не вдалось");
const QString kConnected = QStringLiteral("під`єднання встановлено");

}  // namespace

TConnectForm::TConnectForm(Context& ctx, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_ctx(ctx) {
    setWindowTitle(QStringLiteral("Встановлення звязку з базою даних."));

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(20, 18, 20, 14);
    auto* title = new QLabel(QStringLiteral("Мережева база даних не доступна !"), this);
    title->setStyleSheet(QStringLiteral("font-weight: bold; color: #9a1c1c;"));
    v->addWidget(title);
    v->addSpacing(6);
    auto* line = new QHBoxLayout;
    line->addWidget(new QLabel(QStringLiteral("Встановлення зв`язку:"), this));
    status = new QLabel(kTrying, this);
    status->setMinimumWidth(200);
    line->addWidget(status, 1);
    v->addLayout(line);
    v->addSpacing(10);
    auto* buttons = new QHBoxLayout;
    auto* configure = new QPushButton(QStringLiteral("Налагодження"), this);
    auto* exit = new QPushButton(QStringLiteral("Вихід"), this);
    buttons->addStretch(1);
    buttons->addWidget(configure);
    buttons->addWidget(exit);
    v->addLayout(buttons);
    connect(configure, &QPushButton::clicked, this, &TConnectForm::Configure);
    connect(exit, &QPushButton::clicked, this, [this] { EndProgram(m_ctx); });

    Timer1 = new QTimer(this);
    Timer1->setInterval(5000);
    connect(Timer1, &QTimer::timeout, this, &TConnectForm::Retry);
    Timer2 = new QTimer(this);
    Timer2->setInterval(2000);
    connect(Timer2, &QTimer::timeout, this, [this] {
        status->setText(kTrying);
        Timer2->stop();
    });

    OpenDatabase();
}

void TConnectForm::Open(const QString& file) {
    m_ctx.db.Open(file);
    try {
        UpgradeSchema(m_ctx.db);
    } catch (const Error& e) {
        ShowError(e.text());  // the connection stays open
    }
}

void TConnectForm::OpenDatabase() {
    try {
        if (ReadSettingInt(QStringLiteral("NETWORK")) == 1) {
            QString file;
            if (ReadSettingInt(QStringLiteral("SERVER")) == 1) {
                MakeDailyBackup();
                m_ctx.serverLinkDown = false;
                file = LocalDatabasePath();
            } else {
                m_ctx.serverLinkDown = true;
                const QString netBase = ReadSetting(QStringLiteral("NETBASE"));
                if (!netBase.isEmpty() && QFileInfo::exists(netBase)) file = netBase;
            }
            if (!file.isEmpty()) Open(file);
        } else {
            MakeDailyBackup();
            m_ctx.serverLinkDown = false;
            Open(LocalDatabasePath());
        }
    } catch (const Error& e) {
        ShowError(e.text());
    }
}

void TConnectForm::Retry() {
    QString result = kFailed;
    try {
        // A network client waits for the shared database to appear; a stand-alone or server
        // workstation tries its own database again (never the network path, which it does not use).
        const bool client =
            ReadSettingInt(QStringLiteral("NETWORK")) == 1 && ReadSettingInt(QStringLiteral("SERVER")) != 1;
        const QString file = client ? ReadSetting(QStringLiteral("NETBASE")) : LocalDatabasePath();
        if (!client || FileUsable(file)) {
            Timer1->stop();
            Open(file);
            result = kConnected;
            accept();
        }
    } catch (const Error& e) {
        // Retries stop until "Налагодження"; the status line keeps its text.
        ShowError(e.text());
        return;
    }
    status->setText(result);
    Timer2->start();
}

void TConnectForm::Configure() {
    Timer1->stop();
    if (m_ctx.windows && m_ctx.windows->net) m_ctx.windows->net->exec();
    Timer1->start();
    Retry();
}

void TConnectForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Timer1->start();
}

void TConnectForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}

}  // namespace orvex
