#include "CardFileFixture.h"

#include <sqlite3.h>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTimer>

#include "core/Fmt.h"
#include "core/Lang.h"
#include "core/Paths.h"
#include "users/Accounts.h"
#include "users/Digest.h"
#include "users/TLoginForm.h"

namespace orvex::test {

void CardFileTest::SetUp() {
    ProgramFolderTest::SetUp();
    LoadLanguage(LanguagePath());
    ctx.db.Open(Path("data/data.base"));
    auto recording = std::make_unique<RecordingNetwork>();
    network = recording.get();
    ctx.network = std::move(recording);
    ctx.windows = &windows;
    const QString none = SqlText(PasswordDigest(QString()));
    ctx.db.Exec("INSERT INTO users(uid,uname,upass,allreg,vedit,pvis) VALUES(1,\"Шевченко Тарас\"," + none +
                ",False,True,True)");
    ctx.db.Exec("INSERT INTO users(uid,uname,upass,allreg,vedit,pvis) VALUES(2,\"Коваленко Олена\"," + none +
                ",True,False,True)");
    // Counts every statement the connection runs, to prove what does not touch the database.
    sqlite3_trace_v2(
        ctx.db.handle(), SQLITE_TRACE_STMT,
        [](unsigned, void* counter, void*, void*) {
            ++*static_cast<int*>(counter);
            return 0;
        },
        &m_statements);
    CreateWindows(ctx);
    windows.login->Rebuild();
    LogInAs(-1);
}

void CardFileTest::TearDown() {
    sqlite3_trace_v2(ctx.db.handle(), 0, nullptr, nullptr);
    DestroyWindows(ctx);
    FreeLanguage();
    ProgramFolderTest::TearDown();
}

void CardFileTest::LogInAs(int uid) {
    const LoginList& list = windows.login->loginList();
    ASSERT_TRUE(
        LogIn(ctx.db, list, list.PositionOf(uid), QString(), Lang(QStringLiteral("Admin")), ctx.user));
}

int CardFileTest::AddPatientRow(int pid, const QString& name, int uid, int arch) {
    return ctx.db.Exec(
        QStringLiteral("INSERT INTO pac(pid,pname,uid,regdat,arch) VALUES(%1,%2,%3,#4/2/2007#,%4)")
            .arg(pid)
            .arg(SqlText(name))
            .arg(uid)
            .arg(arch));
}

void CardFileTest::WhenModal(std::function<void(QWidget*)> drive) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, drive] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            drive(modal);
        }
    });
    timer->start();
}

QVariant CardFileTest::Scalar(const QString& sql) {
    const Rows rows = ctx.db.Query(sql);
    return rows.Count() > 0 ? rows.Value(0, 0) : QVariant();
}

void CardFileTest::Type(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &release);
    }
}

void CardFileTest::SaveShot(QWidget* widget, const QString& name) {
    QDir().mkpath(QStringLiteral(ORVEX_SCREENS_DIR));
    QApplication::processEvents();  // pending layout requests, as a shown window would have had
    widget->grab().save(QStringLiteral(ORVEX_SCREENS_DIR) + "/" + name + ".png");
}

}  // namespace orvex::test
