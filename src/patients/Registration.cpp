#include "patients/Registration.h"

#include "core/Errors.h"
#include "core/Fmt.h"
#include "core/Prompt.h"
#include "core/db/Database.h"
#include "users/LoginList.h"

namespace orvex {
namespace {

QString TrimmedRight(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].unicode() <= u' ') --end;
    return text.left(end);
}

// The name as a LIKE pattern followed by `suffix`. A typed "%" or "_" is a character of the name,
// not a wildcard: unescaped, a name like "%" would match every patient.
QString LikePattern(const QString& name, const QString& suffix) {
    if (!name.contains(u'%') && !name.contains(u'_')) return SqlText(name + suffix);
    QString escaped = name;
    escaped.replace(u'\\', QStringLiteral("\\\\"));
    escaped.replace(u'%', QStringLiteral("\\%"));
    escaped.replace(u'_', QStringLiteral("\\_"));
    return SqlText(escaped + suffix) + QStringLiteral(" ESCAPE \"\\\"");
}

// The users.uid of a doctor by name; 0 when there is none.
int DoctorNumber(Database& db, const QString& doctorName) {
    const Rows rows = db.Query(QStringLiteral("SELECT [users].[uid] FROM [users] WHERE [users].[uname]=") +
                               SqlText(doctorName));
    return rows.Count() > 0 ? rows.Value(0, 0).toInt() : 0;
}

void CannotTransfer() {
    ShowWarning(QStringLiteral("Не можу перемістити пацієнта !"));
}

}  // namespace

std::optional<int> AddPatient(Database& db, const QString& typedName, const CurrentUser& user, int arch,
                              const std::function<std::optional<int>()>& chooseDoctor, const QDate& today) {
    const QString name = TrimmedRight(typedName);
    // Checked before the duplicate search and the doctor choice: an empty name is refused for what
    // it is, whatever unnamed cards the file may hold, and nobody is asked for a doctor in vain.
    if (name.isEmpty()) {
        ShowWarning(QStringLiteral("Ім`я пацієнта не може бути пустим !"));
        return std::nullopt;
    }
    try {
        const Rows same = db.Query(QStringLiteral("SELECT [pac].[pid] FROM [pac] WHERE [pac].[pname] LIKE ") +
                                   LikePattern(name, QString()));
        if (same.Count() > 0) {
            ShowWarning(QStringLiteral("Пацієнт з подібним ім`ям уже існує !"));
            return std::nullopt;
        }
        int doctor = user.number;
        if (user.rights.allreg || user.number < 1) {
            const std::optional<int> chosen = chooseDoctor ? chooseDoctor() : std::nullopt;
            if (!chosen) return std::nullopt;
            doctor = *chosen;
        }
        // Only real users own patients (the administrator is -1, nobody is 0).
        if (doctor < 1) {
            ShowWarning(QStringLiteral("Не можу знайти користувача!"));
            return std::nullopt;
        }
        const int pid = db.Query(QStringLiteral("SELECT cn FROM opt")).Value(0, QStringLiteral("cn")).toInt();
        db.Exec(QStringLiteral("INSERT INTO pac(pid,pname,uid,regdat,arch) VALUES(") + QString::number(pid) +
                u',' + SqlText(name) + u',' + QString::number(doctor) + u',' + SqlDate(today) + u',' +
                QString::number(arch) + u')');
        try {
            db.Exec(QStringLiteral("UPDATE opt SET cn=cn+1"));
        } catch (const DbError& e) {
            // The card exists; only the counter lags, which the next insert reports.
            ShowError(e.text());
        }
        return pid;
    } catch (const DbError& e) {
        ShowError(e.text());
        return std::nullopt;
    }
}

FoundPatient FindPatientByName(Database& db, const QString& typedName) {
    // Trimmed like a new card's name, so a name just registered from the same text is found.
    const QString name = TrimmedRight(typedName);
    // An empty prefix would offer every patient of the surgery in turn.
    if (name.isEmpty()) return {};
    const Rows rows =
        db.Query(QStringLiteral(
                     "SELECT [pac].[pid], [pac].[uid], [pac].[pname] FROM [pac] WHERE [pac].[pname] LIKE ") +
                 LikePattern(name, QStringLiteral("%")));
    const auto take = [&rows](int r) {
        return FoundPatient{true, rows.Value(r, 0).toInt(), rows.Value(r, 1).toInt()};
    };
    for (int r = 0; r < rows.Count(); ++r)
        if (rows.Value(r, 2).toString().compare(name, Qt::CaseInsensitive) == 0) return take(r);

    for (int r = 0; r < rows.Count(); ++r) {
        const QString offer = QStringLiteral("Якщо Ви маєте на увазі пацієнта \"") +
                              rows.Value(r, 2).toString() +
                              QStringLiteral("\" натисніть ТАК, інакше натисніть НІ.");
        const QString question =
            rows.Count() == 1
                ? offer
                : QStringLiteral("Ім`я пацієнта, яке Ви ввели співпадає з ім`ям %1 пац.\n\r%2. ")
                          .arg(rows.Count())
                          .arg(r + 1) +
                      offer;
        switch (AskYesNoCancel(question)) {
            case Answer::Yes:
                return take(r);
            case Answer::No:
                continue;
            case Answer::Cancel:
                return {};
        }
    }
    return {};
}

QStringList TransferTargets(const LoginList& list, int currentDoctor) {
    QStringList targets;
    for (int position = 1; position < list.Count(); ++position)
        if (list.UserNumberAt(position) != currentDoctor) targets.append(list.NameAt(position));
    return targets;
}

bool TransferPatient(Database& db, int pid, const QString& doctorName) {
    const int uid = pid < 0 ? 0 : DoctorNumber(db, doctorName);
    if (uid <= 0) {
        CannotTransfer();
        return false;
    }
    const QString to = QString::number(uid);
    const QString patient = QString::number(pid);
    db.Exec(QStringLiteral("UPDATE pac SET pac.uid=") + to + QStringLiteral(" WHERE pac.pid=") + patient);
    if (AskYesNo(QStringLiteral("Переназначити усі направлення пацієнта на лікаря %1 ?").arg(doctorName)))
        db.Exec(QStringLiteral("UPDATE napr SET napr.ndid=") + to + QStringLiteral(" WHERE napr.npid=") +
                patient);
    return true;
}

bool TransferAllPatients(Database& db, int oldUid, const QString& doctorName) {
    const int uid = DoctorNumber(db, doctorName);
    if (uid <= 0) {
        CannotTransfer();
        return false;
    }
    const QString to = QString::number(uid);
    const QString from = QString::number(oldUid);
    db.Exec(QStringLiteral("UPDATE pac SET pac.uid=") + to + QStringLiteral(" WHERE pac.uid=") + from);
    db.Exec(QStringLiteral("UPDATE napr SET napr.ndid=") + to + QStringLiteral(" WHERE napr.ndid=") + from);
    return true;
}

bool ConfirmPatientDeletion(const QString& name) {
    return AskYesNo(QStringLiteral("Ви дійсно бажаєте видалити усі дані про пацієнта \"") + name +
                    QStringLiteral("\" ?"));
}

void DeletePatientData(Database& db, int pid) {
    const QString patient = QString::number(pid);
    const Rows items =
        db.Query(QStringLiteral("SELECT zvit.zid FROM zvit, vidv WHERE (zvit.vid=vidv.vid) AND (vidv.pid=") +
                 patient + u')');
    for (int r = 0; r < items.Count(); ++r)
        db.Exec(QStringLiteral("DELETE FROM zvit WHERE zvit.zid=") + items.Value(r, 0).toString());
    db.Exec(QStringLiteral("DELETE FROM vidv WHERE vidv.pid=") + patient);
    db.Exec(QStringLiteral("DELETE FROM photos WHERE photos.pid=") + patient);
    db.Exec(QStringLiteral("DELETE FROM payments WHERE payments.pid=") + patient);
    db.Exec(QStringLiteral("DELETE FROM napr WHERE napr.npid=") + patient);
}

}  // namespace orvex
