#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

#include "core/Paths.h"
#include "core/Settings.h"
#include "core/TConnectForm.h"
#include "core/TMainForm.h"
#include "network/TNetForm.h"
#include "support/WindowTest.h"

namespace orvex {
namespace {

class NetTest : public test::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        auto fake = std::make_unique<test::CountingNetwork>();
        network = fake.get();
        ctx.network = std::move(fake);
    }

    QString Station(const char* key) {
        return GetSettingText(QString::fromLatin1(key), ReadSettingsGroup(WorkstationSettingsPath(), {}));
    }

    test::CountingNetwork* network = nullptr;
};

TEST_F(NetTest, LoadsTheSettingsAndEnablesTheFieldsForTheRole) {
    CreateAll();
    TNetForm* form = windows.net;
    const struct {
        const char* settings;
        bool checked;
        int role;
        int interval;
    } cases[] = {
        {"NETWORK=0##SERVER=0##RTIME=0##", false, 0, 4000},
        {"NETWORK=1##SERVER=0##RTIME=1500##", true, 0, 1500},
        {"NETWORK=1##SERVER=1##RTIME=-20##", true, 1, 4000},
        {"NETWORK=0##SERVER=1##RTIME=##", false, 1, 4000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.settings);
        WriteSettingsGroup(
            WorkstationSettingsPath(),
            QString::fromUtf8(c.settings) + "HOST=10.0.0.5##PORT=3050##NETBASE=/mnt/share/data.base##");
        form->show();
        EXPECT_EQ(form->network->isChecked(), c.checked);
        EXPECT_EQ(form->role->currentIndex(), c.role);
        EXPECT_EQ(form->role->isEnabled(), c.checked) << "the role needs network operation";
        const bool client = c.role == 0;
        EXPECT_EQ(form->host->isEnabled(), client);
        EXPECT_EQ(form->folderButton->isEnabled(), client);
        EXPECT_EQ(form->defaultBaseNote->isVisible(), !client);
        EXPECT_EQ(form->refreshInterval->value(), c.interval);
        EXPECT_EQ(form->host->text(), "10.0.0.5");
        EXPECT_EQ(form->port->text(), "3050");
        EXPECT_EQ(form->netBase->text(), "/mnt/share/data.base");
        form->reject();
    }

    // Ticking the box enables the role choice at once.
    form->show();
    form->network->setChecked(false);
    EXPECT_FALSE(form->role->isEnabled());
    form->network->setChecked(true);
    EXPECT_TRUE(form->role->isEnabled());
    form->reject();
}

TEST_F(NetTest, FindsTheDatabaseInTheChosenFolderOrItsDataFolder) {
    CreateAll();
    TNetForm* form = windows.net;
    test::WriteFile(Path("share1/data.base"), "x");
    test::WriteFile(Path("share2/data/data.base"), "x");
    QDir().mkpath(Path("share3/data"));
    const struct {
        const char* folder;
        const char* found;  // empty: not found
    } cases[] = {
        {"share1", "share1/data.base"},
        {"share2/", "share2/data/data.base"},
        {"share3", ""},
    };
    for (const auto& c : cases) {
        form->netBase->setText(QStringLiteral("/before"));
        prompts.Clear();
        prompts.AnswerText(Path(QString::fromUtf8(c.folder)));
        form->ChooseDatabaseFolder();
        const bool found = *c.found != 0;
        EXPECT_EQ(form->netBase->text(),
                  found ? Path(QString::fromUtf8(c.found)) : QStringLiteral("/before"));
        EXPECT_EQ(prompts.Texts(),
                  found ? QStringList{"Вибір розміщення віддаленої бази"}
                        : QStringList({"Вибір розміщення віддаленої бази", "Бази даних не знайдено !"}));
    }
}

TEST_F(NetTest, SavesAllSixSettingsThenActsOnWhatIsOpen) {
    enum Open { ConnectWindow, MainWindow, NeitherOn, NeitherOff };
    const struct {
        Open open;
        const char* info;
        int starts;
        int stops;
    } cases[] = {
        {ConnectWindow, "", 0, 0},                                // only saves
        {MainWindow, "Необхідно перезапустити програму!", 0, 0},  // and ends the program
        {NeitherOn, "", 1, 0},
        {NeitherOff, "", 0, 1},
    };
    CreateAll();
    TNetForm* form = windows.net;
    test::WriteFile(Path("share/data.base"), "x");
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.open));
        network->starts = network->stops = 0;
        prompts.Clear();
        if (c.open == ConnectWindow) windows.connect->show();
        if (c.open == MainWindow) windows.main->show();
        form->show();
        form->network->setChecked(c.open != NeitherOff);
        form->role->setCurrentIndex(0);
        form->host->setText(QStringLiteral("192.168.1.10"));
        form->port->setText(QStringLiteral("5000"));
        form->netBase->setText(Path("share/data.base"));
        form->refreshInterval->setValue(2500);
        form->Save();

        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(Station("NETWORK"), c.open == NeitherOff ? "0" : "1");
        EXPECT_EQ(Station("SERVER"), "0");
        EXPECT_EQ(Station("HOST"), "192.168.1.10");
        EXPECT_EQ(Station("PORT"), "5000");
        EXPECT_EQ(Station("NETBASE"), Path("share/data.base"));
        EXPECT_EQ(Station("RTIME"), "2500");
        const QString info = QString::fromUtf8(c.info);
        EXPECT_EQ(prompts.Texts(), info.isEmpty() ? QStringList() : QStringList{info});
        EXPECT_EQ(network->starts, c.starts);
        EXPECT_EQ(network->stops, c.stops);
        if (c.open == ConnectWindow) {
            EXPECT_TRUE(windows.connect->isVisible()) << "the connection goes on trying";
        }
        windows.connect->Timer1->stop();
        windows.connect->hide();
        windows.main->hide();
    }
}

}  // namespace
}  // namespace orvex
