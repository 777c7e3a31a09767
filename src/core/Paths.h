#pragma once

#include <QString>

namespace orvex {

// The program's folders and files. Folder values end with the platform's separator.

QString ProgramFolder();
QString LocalConfigFolder();        // program folder + "config/"
QString WorkstationSettingsPath();  // local configuration folder + "sdata.opt"
QString ConfigFolder();             // the configuration folder in use, set by InitPaths
QString PracticeSettingsPath();     // configuration folder in use + "net.opt"
QString PhotoFolder();              // set by InitPaths
QString LocalDatabasePath();        // program folder + "data/data.base"
QString DefaultBackupFolder();      // program folder + "bkp/"
QString ReportProjectPath();        // program folder + "config/reports.rav"
QString LanguagePath();             // local configuration folder + "ukr.lng"

// Sets the configuration folder in use and the photo folder from the workstation settings.
void InitPaths();

// On Linux a path is usable when it is absolute and names an existing folder (file).
bool FolderUsable(const QString& path);
bool FileUsable(const QString& path);

// Appends the separator when a folder text lacks one.
QString WithSeparator(const QString& folder);

// Makes ProgramFolder() answer the given folder (tests and tools); empty restores the default.
void OverrideProgramFolder(const QString& folder);

}  // namespace orvex
