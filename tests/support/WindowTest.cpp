#include "support/WindowTest.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include "core/Fmt.h"
#include "core/Lang.h"
#include "core/Paths.h"
#include "core/TMainForm.h"
#include "users/Digest.h"
#include "users/TLoginForm.h"

namespace orvex::test {

void WindowTest::SetUp() {
    ProgramFolderTest::SetUp();
    LoadLanguage(LanguagePath());
    ctx.windows = &windows;
}

void WindowTest::TearDown() {
    DestroyWindows(ctx);
    ctx.db.Close();
    FreeLanguage();
    ProgramFolderTest::TearDown();
}

void WindowTest::OpenDatabase() {
    ctx.db.Open(Path("data/data.base"));
}

void WindowTest::CreateAll() {
    // As the program starts: the connection window opens the database.
    CreateConnectionWindows(ctx);
    ASSERT_TRUE(ctx.db.IsOpen());
    CreateWindows(ctx);
}

int WindowTest::AddUser(const QString& name, const Rights& r, const QString& password) {
    auto flag = [](bool on) { return on ? QStringLiteral("True") : QStringLiteral("False"); };
    const QString flags = flag(r.allreg) + u',' + flag(r.ctrlviz) + u',' + flag(r.rep) + u',' +
                          flag(r.medit) + u',' + flag(r.vedit) + u',' + flag(r.pvis);
    ctx.db.Exec("INSERT INTO users(uname,upass,allreg,ctrlviz,rep,medit,vedit,pvis) VALUES(" + SqlText(name) +
                ",'" + PasswordDigest(password) + "'," + flags + u')');
    return int(ctx.db.LastInsertId());
}

bool WindowTest::LogIn(const QString& name, const QString& password) {
    TLoginForm* login = windows.login;
    login->show();
    const int position = login->users->findText(name);
    EXPECT_GE(position, 0) << name.toStdString();
    login->users->setCurrentIndex(position);
    login->password->setText(password);
    login->Enter();
    return windows.main->isVisible() && !login->isVisible();
}

void WindowTest::WhenModal(std::function<void()> action) {
    // Polls until a modal dialog is up, however many loops the code under test runs before it.
    auto* timer = new QTimer(qApp);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (!QApplication::activeModalWidget()) return;
        timer->stop();
        timer->deleteLater();
        action();
    });
    timer->start();
}

void WindowTest::Type(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &release);
    }
}

QString WindowTest::ScreenFolder() {
    return QStringLiteral(ORVEX_SCREEN_DIR);
}

void WindowTest::SaveScreen(QWidget* widget, const QString& name) {
    const QString folder = ScreenFolder();
    QDir().mkpath(folder);
    // Layout changes made while showing (rows hidden by the loaded settings) settle first.
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    EXPECT_TRUE(widget->grab().save(folder + u'/' + name + ".png")) << name.toStdString();
}

}  // namespace orvex::test
