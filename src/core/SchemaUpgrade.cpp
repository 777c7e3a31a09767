#include "core/SchemaUpgrade.h"

#include "core/Paths.h"
#include "core/Settings.h"
#include "core/db/Database.h"

namespace orvex {
namespace {

bool Has(const QStringList& names, const char* name) {
    return names.contains(QString::fromLatin1(name), Qt::CaseInsensitive);
}

}  // namespace

void UpgradeSchema(Database& db) {
    const QString settings = ReadSettingsGroup(WorkstationSettingsPath(), QStringLiteral("NETWORK;SERVER;"));
    if (GetSettingText(QStringLiteral("NETWORK"), settings) == u"1" &&
        GetSettingText(QStringLiteral("SERVER"), settings) == u"0")
        return;

    // The column list is taken once, before any change: a table that already has medit gets no
    // vedit test.
    const QStringList users = db.Columns(QStringLiteral("users"));
    if (!Has(users, "medit")) {
        db.Exec(QStringLiteral("ALTER TABLE users ADD COLUMN medit bit NOT NULL;"));
        if (!Has(users, "vedit")) db.Exec(QStringLiteral("ALTER TABLE users ADD COLUMN vedit bit NOT NULL;"));
    }
    if (!Has(users, "pvis")) {
        db.Exec(QStringLiteral("ALTER TABLE users ADD COLUMN pvis bit NOT NULL;"));
        db.Exec(QStringLiteral("UPDATE users SET pvis=true;"));
    }

    if (!Has(db.Tables(), "plan")) {
        db.Exec(
            QStringLiteral("CREATE TABLE plan (plid counter PRIMARY KEY,dat DATETIME NOT NULL,pid integer "
                           "NOT NULL,typ VARCHAR(20),ptext VARCHAR(200));"));
        db.Exec(QStringLiteral("CREATE INDEX pidindex ON plan (pid);"));
    }

    if (!Has(db.Columns(QStringLiteral("pac")), "posada"))
        db.Exec(QStringLiteral("ALTER TABLE pac ADD COLUMN posada VARCHAR(70);"));
}

}  // namespace orvex
