#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "core/CurrentUser.h"

namespace orvex {

class Database;
class LoginList;

// Adding, finding, transferring and deleting whole patients. Messages go through Prompt; the caller
// reloads its list and sends the notifications.

// Registers a patient under the next card number and returns the number, or nothing when the name
// is refused or the engine fails (its message shown). chooseDoctor is asked for users who work for
// all doctors and for the administrator; it returns the chosen uid or nothing when cancelled.
std::optional<int> AddPatient(Database& db, const QString& name, const CurrentUser& user, int arch,
                              const std::function<std::optional<int>()>& chooseDoctor,
                              const QDate& today = QDate::currentDate());

struct FoundPatient {
    bool found = false;
    int pid = 0;
    int uid = 0;
};
// Looks a typed name up as a prefix; an exact match (letter case ignored) is taken at once, other
// candidates are offered one by one with Yes / No / Cancel.
FoundPatient FindPatientByName(Database& db, const QString& name);

// The doctors a patient of `currentDoctor` can be handed to: the login list without the
// administrator and without that doctor.
QStringList TransferTargets(const LoginList& list, int currentDoctor);
// Hands one patient to the named doctor and asks whether his appointments follow. False (with
// "Не можу перемістити пацієнта !") when the doctor is unknown or pid is negative (no current
// patient).
bool TransferPatient(Database& db, int pid, const QString& doctorName);
// Hands every patient of oldUid, and their appointments, to the named doctor.
bool TransferAllPatients(Database& db, int oldUid, const QString& doctorName);

// Asks whether all data of the patient should go.
bool ConfirmPatientDeletion(const QString& name);
// Deletes what belongs to a patient, report items before visits; the pac row itself is left to
// the caller's list.
void DeletePatientData(Database& db, int pid);

}  // namespace orvex
