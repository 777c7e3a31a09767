#pragma once

#include <QDate>
#include <QString>

#include "core/CurrentUser.h"

namespace orvex {

class Database;

// The reminders not yet done and due by the given day: the user's own, or everybody's for a user
// who works for all doctors. The main window's reminder button shows while there are any.
QString DueRemindersSql(const CurrentUser& user, const QDate& day);
bool HasDueReminders(Database& db, const CurrentUser& user, const QDate& day);

}  // namespace orvex
