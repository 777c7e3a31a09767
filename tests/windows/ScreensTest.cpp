#include <gtest/gtest.h>

#include <QColor>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "core/Settings.h"
#include "core/TAboutForm.h"
#include "core/TConnectForm.h"
#include "core/TMainForm.h"
#include "core/TMainOptionsForm.h"
#include "core/TSplashForm.h"
#include "network/TNetForm.h"
#include "support/WindowTest.h"
#include "users/TDocSelForm.h"
#include "users/TLoginForm.h"
#include "users/TPassForm.h"
#include "users/TUserCfgForm.h"

namespace orvex {
namespace {

// Pictures of every window as a user first meets it, for a look by eye.
class ScreensTest : public test::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        CreateAll();
        AddUser(QStringLiteral("Петренко Олександр Іванович"), {}, QStringLiteral("зуб"));
        AddUser(QStringLiteral("Іваненко Марія"), {});
    }

    void Shot(QWidget* window, const char* name) {
        window->show();
        SaveScreen(window, QString::fromLatin1(name));
        window->hide();
    }
};

TEST_F(ScreensTest, EveryWindow) {
    Shot(windows.login, "login");
    Shot(windows.connect, "connect");
    windows.connect->Timer1->stop();
    Shot(windows.net, "net");
    Shot(windows.mainOptions, "mainoptions");
    Shot(windows.about, "about");
    TSplashForm splash;
    splash.SetStage(QStringLiteral("фото зубів..."));
    Shot(&splash, "splash");

    ASSERT_TRUE(LogIn(QStringLiteral("Адміністратор")));
    windows.main->resize(1024, 768);
    SaveScreen(windows.main, QStringLiteral("main"));

    windows.userCfg->show();
    SaveScreen(windows.userCfg, QStringLiteral("users"));

    for (const bool askOld : {true, false}) {
        WhenModal([&] {
            SaveScreen(windows.pass, askOld ? QStringLiteral("pass-old") : QStringLiteral("pass-new"));
            windows.pass->reject();
        });
        windows.pass->Ask(askOld);
    }
    windows.userCfg->reject();

    WhenModal([&] {
        SaveScreen(windows.docSel, QStringLiteral("docsel"));
        windows.docSel->reject();
    });
    windows.docSel->Choose();

    for (const char* name : {"login", "connect", "net", "mainoptions", "about", "splash", "main", "users",
                             "pass-old", "pass-new", "docsel"})
        EXPECT_TRUE(QFileInfo::exists(ScreenFolder() + u'/' + QString::fromLatin1(name) + ".png")) << name;
}

TEST_F(ScreensTest, AboutBoxDrawsItsWhiteTextsOnTheDarkBackground) {
    TAboutForm* about = windows.about;
    about->show();
    const QImage picture = about->grab().toImage();
    EXPECT_EQ(picture.pixelColor(4, 4), QColor(0x24, 0x46, 0x6b));
    EXPECT_EQ(about->windowTitle(), "Система ведення документації та обліку \"Orvex\"");
    EXPECT_EQ(about->version->text(), "Версія: 8.0 b59");
}

}  // namespace
}  // namespace orvex
