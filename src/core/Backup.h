#pragma once

#include <QDate>
#include <QString>

namespace orvex {

// The daily copy of the database, made at the first start of each day by a stand-alone or server
// workstation, and the removal of the oldest copies beyond the number to keep.

// "20070402.bkp" for 2 April 2007.
QString BackupFileName(const QDate& day);

// Copies the database into folder under the day's name unless that copy exists; the oldest copies
// are removed first so that at most `keep` remain. The copy is taken through the engine, so it is a
// consistent database even while another connection writes, and it carries the database file's
// modification time. Returns true when a copy was written; throws DbError or FileError when it fails.
bool WriteDailyBackup(const QString& database, const QString& folder, const QDate& day, int keep);

// Deletes the oldest *.bkp files of the folder (by name, letter case ignored) so that a new copy
// leaves `keep` of them. A file that cannot be deleted is skipped.
void RotateBackups(const QString& folder, int keep);

// The start-up step: the backup folder and count from the workstation settings, the offer to use the
// default folder when the configured one is missing, then the copy of the local database.
void MakeDailyBackup(const QDate& today = QDate::currentDate());

}  // namespace orvex
