#include "core/Backup.h"

#include <sqlite3.h>

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "core/Errors.h"
#include "core/Paths.h"
#include "core/Prompt.h"
#include "core/Settings.h"

namespace orvex {
namespace {

constexpr int kBusyMilliseconds = 10000;
constexpr int kRetryMilliseconds = 50;

// A raw connection closed on every path out.
struct Connection {
    sqlite3* db = nullptr;
    ~Connection() { sqlite3_close(db); }
    QString Message() const { return db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString(); }
};

void OpenConnection(Connection& c, const QString& file, int flags) {
    if (sqlite3_open_v2(QFile::encodeName(file).constData(), &c.db, flags, nullptr) != SQLITE_OK)
        throw DbError(c.Message() + "\n" + file);
    sqlite3_busy_timeout(c.db, kBusyMilliseconds);
}

// Copies every page under the engine's read lock, so a writer on another connection either has
// committed before or waits until the copy is done.
void CopyDatabase(const QString& source, const QString& target) {
    Connection from, to;
    OpenConnection(from, source, SQLITE_OPEN_READONLY);
    OpenConnection(to, target, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    sqlite3_backup* backup = sqlite3_backup_init(to.db, "main", from.db, "main");
    if (!backup) throw DbError(to.Message());
    int rc = SQLITE_OK;
    int waited = 0;
    do {
        rc = sqlite3_backup_step(backup, -1);
        if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) {
            if (waited >= kBusyMilliseconds) break;
            sqlite3_sleep(kRetryMilliseconds);
            waited += kRetryMilliseconds;
        }
    } while (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED);
    sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE) throw DbError(QString::fromUtf8(sqlite3_errstr(rc)) + "\n" + source);
}

}  // namespace

QString BackupFileName(const QDate& day) {
    return day.toString(QStringLiteral("yyyyMMdd")) + ".bkp";
}

void RotateBackups(const QString& folder, int keep) {
    QDir dir(folder);
    QStringList names = dir.entryList({QStringLiteral("*.bkp")}, QDir::Files);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    const qsizetype remove = std::min(names.size(), names.size() - keep + 1);
    for (qsizetype i = 0; i < remove; ++i) QFile::remove(dir.filePath(names[i]));
}

bool WriteDailyBackup(const QString& database, const QString& folder, const QDate& day, int keep) {
    const QString target = WithSeparator(folder) + BackupFileName(day);
    if (QFileInfo::exists(target)) return false;
    RotateBackups(folder, keep);

    // Written under another name and renamed when complete: a failed copy must not stand in for
    // the day's backup and stop the next start from making a real one.
    const QString part = target + ".part";
    QFile::remove(part);
    try {
        CopyDatabase(database, part);
        QFile copy(part);
        if (!copy.open(QIODevice::ReadWrite) ||
            !copy.setFileTime(QFileInfo(database).lastModified(), QFileDevice::FileModificationTime))
            throw FileError(QStringLiteral("Не вдається записати файл %1: %2").arg(part, copy.errorString()));
        copy.close();
        if (!QFile::rename(part, target))
            throw FileError(QStringLiteral("Не вдається створити файл %1").arg(target));
    } catch (...) {
        QFile::remove(part);
        throw;
    }
    return true;
}

void MakeDailyBackup(const QDate& today) {
    const QString settings =
        ReadSettingsGroup(WorkstationSettingsPath(), QStringLiteral("BACKUPPATH;BACKUPCNT;"));
    QString folder = GetSettingText(QStringLiteral("BACKUPPATH"), settings);
    if (folder.isEmpty()) folder = DefaultBackupFolder();

    if (!FolderUsable(folder) &&
        AskYesNo(QStringLiteral("Не знайдено каталогу для розміщення резервних копій! Виправити це?"))) {
        folder = DefaultBackupFolder();
        WriteSetting(QStringLiteral("BACKUPPATH"), folder);
        QDir().mkdir(folder);
    }

    if (FileUsable(LocalDatabasePath()) && FolderUsable(folder))
        WriteDailyBackup(LocalDatabasePath(), folder, today, ReadSettingInt(QStringLiteral("BACKUPCNT")));
}

}  // namespace orvex
