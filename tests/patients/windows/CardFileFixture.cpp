#include "CardFileFixture.h"

#include <sqlite3.h>

#include "core/Fmt.h"
#include "core/Lang.h"
#include "users/Accounts.h"
#include "users/TLoginForm.h"

namespace orvex::test {

void CardFileTest::SetUp() {
    WindowTest::SetUp();
    OpenDatabase();
    auto recording = std::make_unique<RecordingNetwork>();
    network = recording.get();
    ctx.network = std::move(recording);
    Rights history;
    history.vedit = true;
    history.pvis = true;
    Rights all;
    all.allreg = true;
    all.pvis = true;
    ASSERT_EQ(AddUser(QStringLiteral("Шевченко Тарас"), history), 1);
    ASSERT_EQ(AddUser(QStringLiteral("Коваленко Олена"), all), 2);
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
    WindowTest::TearDown();
}

void CardFileTest::LogInAs(int uid) {
    const LoginList& list = windows.login->loginList();
    ASSERT_TRUE(
        orvex::LogIn(ctx.db, list, list.PositionOf(uid), QString(), Lang(QStringLiteral("Admin")), ctx.user));
}

int CardFileTest::AddPatientRow(int pid, const QString& name, int uid, int arch) {
    return ctx.db.Exec(
        QStringLiteral("INSERT INTO pac(pid,pname,uid,regdat,arch) VALUES(%1,%2,%3,#4/2/2007#,%4)")
            .arg(pid)
            .arg(SqlText(name))
            .arg(uid)
            .arg(arch));
}

QVariant CardFileTest::Scalar(const QString& sql) {
    const Rows rows = ctx.db.Query(sql);
    return rows.Count() > 0 ? rows.Value(0, 0) : QVariant();
}

}  // namespace orvex::test
