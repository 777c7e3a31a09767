#include "users/Accounts.h"

#include "core/Fmt.h"
#include "core/Prompt.h"
#include "core/Settings.h"
#include "core/db/Database.h"
#include "users/Digest.h"
#include "users/LoginList.h"

namespace orvex {
namespace {

bool Flag(const Rows& rows, const char* column) {
    return rows.Value(0, QString::fromLatin1(column)).toInt() != 0;
}

}  // namespace

Rights RightsOfRow(Database& db, int uid) {
    const Rows row = db.Query(QStringLiteral("SELECT * FROM users WHERE uid=") + QString::number(uid));
    if (row.Count() == 0) return {};
    return {Flag(row, "allreg"), Flag(row, "ctrlviz"), Flag(row, "rep"),
            Flag(row, "medit"),  Flag(row, "vedit"),   Flag(row, "pvis")};
}

bool LogIn(Database& db, const LoginList& list, int position, const QString& password,
           const QString& administratorName, CurrentUser& user) {
    WriteSettingInt(QStringLiteral("LOGINDEX"), position);

    QString stored;
    CurrentUser candidate;
    bool found = false;
    if (position == 0) {
        stored = ReadSetting(QStringLiteral("ADM"));
        candidate = {administratorName, CurrentUser::kAdministrator, Rights::All()};
        found = true;
    } else {
        const Rows row =
            db.Query(QStringLiteral("SELECT * FROM users WHERE uname=") + SqlText(list.NameAt(position)));
        if (row.Count() > 0) {
            stored = row.Value(0, QStringLiteral("upass")).toString();
            const int uid = row.Value(0, QStringLiteral("uid")).toInt();
            candidate = {row.Value(0, QStringLiteral("uname")).toString(), uid, RightsOfRow(db, uid)};
            found = true;
        }
    }
    // A vanished user has no stored digest, which no password matches.
    if (!found || PasswordDigest(password) != stored) return false;
    user = candidate;
    return true;
}

bool AdminPasswordPrompt() {
    const auto typed = InputText(QStringLiteral("Захист"), QStringLiteral("Введіть пароль адміністратора"));
    return typed && PasswordDigest(*typed) == ReadSetting(QStringLiteral("ADM"));
}

void ChangeOwnPassword(Database& db, const CurrentUser& user, const PasswordDialog& dialog) {
    QString stored;
    bool usable = false;
    if (user.IsAdministrator()) {
        stored = ReadSetting(QStringLiteral("ADM"));
        usable = !stored.isEmpty();
    } else {
        const Rows row =
            db.Query(QStringLiteral("SELECT * FROM users WHERE uid=") + QString::number(user.number));
        usable = row.Count() > 0;
        if (usable) stored = row.Value(0, QStringLiteral("upass")).toString();
    }
    if (!usable) {
        ShowError(QStringLiteral("Пошкоджений пароль користувача !"));
        return;
    }

    const PasswordEntry entry = dialog(stored != PasswordDigest(QString()));
    if (!entry.confirmed) return;
    if (PasswordDigest(entry.oldPassword) != stored) {
        ShowWarning(QStringLiteral("Невірний пароль!"));
        return;
    }
    const QString digest = PasswordDigest(entry.newPassword);
    if (user.IsAdministrator()) {
        WriteSetting(QStringLiteral("ADM"), digest);
    } else {
        db.Exec(QStringLiteral("UPDATE users SET upass='") + digest +
                "' WHERE uid=" + QString::number(user.number));
        ShowInfo(QStringLiteral("Пароль змінено."));
    }
}

bool UserNameFree(Database& db, const QString& name) {
    const Rows users = db.Query(QStringLiteral("SELECT uname FROM users"));
    for (int r = 0; r < users.Count(); ++r)
        if (users.Value(r, 0).toString().compare(name, Qt::CaseInsensitive) == 0) return false;
    return true;
}

bool UserHasPatients(Database& db, int uid) {
    return db.Query(QStringLiteral("SELECT pac.pid FROM pac WHERE pac.uid=") + QString::number(uid)).Count() >
           0;
}

}  // namespace orvex
