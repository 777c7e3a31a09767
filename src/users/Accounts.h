#pragma once

#include <QString>
#include <functional>

#include "core/CurrentUser.h"

namespace orvex {

class Database;
class LoginList;

// Logging in, the administrator's password prompt and password changes: what the login window,
// the users window and the main menu do with passwords, without their widgets.

// The rights stored in a users row (null reads false).
Rights RightsOfRow(Database& db, int uid);

// Checks the password of the user at `position` of the login list and remembers the position
// (LOGINDEX). On success `user` becomes that user; a failed attempt leaves it as it was.
bool LogIn(Database& db, const LoginList& list, int position, const QString& password,
           const QString& administratorName, CurrentUser& user);

// Asks for the administrator's password (input box "Захист"); true when it matches ADM.
bool AdminPasswordPrompt();

// What the password dialog hands back.
struct PasswordEntry {
    bool confirmed = false;
    QString oldPassword;
    QString newPassword;
};
// Shows the password dialog; the argument says whether it must ask for the old password.
using PasswordDialog = std::function<PasswordEntry(bool askOld)>;

// The main menu's "Змінити пароль" for the logged-in user.
void ChangeOwnPassword(Database& db, const CurrentUser& user, const PasswordDialog& dialog);

// A user name not yet taken, letter case ignored (the users window's "Додати користувача").
bool UserNameFree(Database& db, const QString& name);

// True when the user still owns patients and so cannot be deleted.
bool UserHasPatients(Database& db, int uid);

}  // namespace orvex
