#include "scheduling/DueReminders.h"

#include "core/Fmt.h"
#include "core/db/Database.h"

namespace orvex {

QString DueRemindersSql(const CurrentUser& user, const QDate& day) {
    const QString restriction =
        user.rights.allreg ? QString() : "(nagad.uid=" + QString::number(user.number) + ") AND ";
    return "SELECT nagad.* FROM nagad WHERE " + restriction +
           "(nagad.done=false) AND (nagad.dat<=" + SqlDate(day) + ")";
}

bool HasDueReminders(Database& db, const CurrentUser& user, const QDate& day) {
    return db.Query(DueRemindersSql(user, day)).Count() > 0;
}

}  // namespace orvex
