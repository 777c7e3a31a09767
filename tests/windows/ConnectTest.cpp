#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "core/Paths.h"
#include "core/Settings.h"
#include "core/TConnectForm.h"
#include "core/db/Database.h"
#include "network/TNetForm.h"
#include "support/WindowTest.h"

namespace orvex {
namespace {

const QString kTrying = QStringLiteral("спроба під`єднатись...");
const QString kFailed = QStringLiteral("під`єднатись не вдалось");
const QString kConnected = QStringLiteral("під`єднання встановлено");

class ConnectTest : public test::WindowTest {
protected:
    QString TodaysBackup() {
        return Path("bkp/" + QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) + ".bkp");
    }
    void MakeClient(const QString& netBase) {
        WriteSettingsGroup(WorkstationSettingsPath(), "NETWORK=1##SERVER=0##NETBASE=" + netBase + "##");
    }
    // The status line falls back to "trying" when Timer2 fires; run it now instead of waiting.
    void FireStatusReset() {
        TConnectForm* form = windows.connect;
        ASSERT_TRUE(form->Timer2->isActive());
        form->Timer2->setInterval(0);
        for (int i = 0; i < 100 && form->Timer2->isActive(); ++i) QCoreApplication::processEvents();
        form->Timer2->setInterval(2000);
    }
};

TEST_F(ConnectTest, OpensAGoodDatabaseOnCreationAfterTheDailyBackup) {
    CreateConnectionWindows(ctx);
    EXPECT_TRUE(ctx.db.IsOpen());
    EXPECT_EQ(ctx.db.FileName(), LocalDatabasePath());
    // A database of the same tables, the copy taken before the opening touched the file.
    ASSERT_TRUE(QFile::exists(TodaysBackup()));
    Database copy;
    copy.Open(TodaysBackup());
    EXPECT_EQ(copy.Tables(), ctx.db.Tables());
    EXPECT_FALSE(ctx.serverLinkDown);
    EXPECT_EQ(windows.connect->status->text(), kTrying);
    EXPECT_EQ(windows.connect->windowTitle(), "Встановлення звязку з базою даних.");
    EXPECT_TRUE(prompts.Texts().isEmpty());
}

TEST_F(ConnectTest, MissingLocalDatabaseShowsTheErrorAndRetryReopensItOnceItIsBack) {
    ASSERT_TRUE(QFile::rename(LocalDatabasePath(), Path("data/moved.base")));
    CreateConnectionWindows(ctx);
    EXPECT_FALSE(ctx.db.IsOpen());
    ASSERT_EQ(prompts.Texts(ScriptedPrompter::Kind::Error).size(), 1);
    EXPECT_TRUE(prompts.Texts(ScriptedPrompter::Kind::Error)[0].contains(LocalDatabasePath()));
    EXPECT_FALSE(QFile::exists(TodaysBackup())) << "nothing to copy";

    // A stand-alone workstation retries its own database; while missing, the error again and no
    // more retries until "Налагодження".
    TConnectForm* form = windows.connect;
    form->show();
    EXPECT_TRUE(form->Timer1->isActive());
    prompts.Clear();
    form->Retry();
    EXPECT_EQ(prompts.Texts(ScriptedPrompter::Kind::Error).size(), 1);
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_EQ(form->status->text(), kTrying);

    ASSERT_TRUE(QFile::rename(Path("data/moved.base"), LocalDatabasePath()));
    form->Retry();
    EXPECT_TRUE(ctx.db.IsOpen());
    EXPECT_EQ(form->status->text(), kConnected);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), int(QDialog::Accepted));
}

TEST_F(ConnectTest, ClientWaitsForTheSharedDatabaseWithAlternatingStatus) {
    const QString shared = Path("share/data.base");
    MakeClient(shared);
    CreateConnectionWindows(ctx);
    EXPECT_FALSE(ctx.db.IsOpen());
    EXPECT_TRUE(ctx.serverLinkDown);
    EXPECT_TRUE(prompts.Texts().isEmpty()) << "a missing shared file is no error, the window waits";

    TConnectForm* form = windows.connect;
    form->show();
    form->Retry();
    EXPECT_EQ(form->status->text(), kFailed);
    EXPECT_TRUE(form->Timer1->isActive()) << "goes on trying";
    FireStatusReset();
    EXPECT_EQ(form->status->text(), kTrying);

    QDir().mkpath(Path("share"));
    ASSERT_TRUE(QFile::copy(LocalDatabasePath(), shared));
    form->Retry();
    EXPECT_TRUE(ctx.db.IsOpen());
    EXPECT_EQ(ctx.db.FileName(), shared);
    EXPECT_EQ(form->status->text(), kConnected);
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(QFile::exists(TodaysBackup())) << "a client never copies the shared database";
}

TEST_F(ConnectTest, ConfigureOpensTheNetworkSettingsThenRetriesAtOnce) {
    MakeClient(QString());
    CreateConnectionWindows(ctx);
    TConnectForm* form = windows.connect;
    form->show();
    QDir().mkpath(Path("share"));
    ASSERT_TRUE(QFile::copy(LocalDatabasePath(), Path("share/data.base")));

    bool netShown = false;
    WhenModal([&] {
        TNetForm* net = windows.net;
        netShown = net->isVisible() && net->isModal();
        net->netBase->setText(Path("share/data.base"));
        net->Save();  // only saves and closes while the connection window is up
    });
    QPushButton* configure = nullptr;
    for (QPushButton* b : form->findChildren<QPushButton*>())
        if (b->text() == u"Налагодження") configure = b;
    ASSERT_NE(configure, nullptr);
    configure->click();

    EXPECT_TRUE(netShown);
    EXPECT_EQ(ReadSetting(QStringLiteral("NETBASE")), Path("share/data.base"));
    EXPECT_TRUE(ctx.db.IsOpen()) << "the retry after the settings connected";
    EXPECT_EQ(form->status->text(), kConnected);
    EXPECT_FALSE(form->isVisible());
}

}  // namespace
}  // namespace orvex
