#include "core/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include "core/Settings.h"

namespace orvex {
namespace {

// Set only by InitPaths; every other part reads them through ConfigFolder/PhotoFolder.
QString g_configFolder;
QString g_photoFolder;
QString g_programFolderOverride;

QString Sep() {
    return QString(QDir::separator());
}

QString ExecutableFolder() {
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
    // Tools may ask before an application object exists.
    const QString target = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    return target.isEmpty() ? QDir::currentPath() : QFileInfo(target).absolutePath();
}

// The shared part of both presence tests: a path another workstation could not resolve the same
// way (relative, or a UNC name) is never usable.
bool PathShapeUsable(const QString& path) {
    if (path.isEmpty() || path.startsWith(QStringLiteral("\\\\"))) return false;
#ifdef Q_OS_WIN
    if (path.size() < 3 || path[1] != u':' || !path[0].isLetter()) return false;
    const QStorageInfo drive(path.left(2) + u'\\');
    if (!drive.isValid() || !drive.isReady()) return false;
#endif
    return QDir::isAbsolutePath(path);
}

}  // namespace

QString WithSeparator(const QString& folder) {
    if (folder.isEmpty() || folder.endsWith(QDir::separator()) || folder.endsWith(u'/')) return folder;
    return folder + QDir::separator();
}

void OverrideProgramFolder(const QString& folder) {
    g_programFolderOverride = QDir::toNativeSeparators(folder);
}

QString ProgramFolder() {
    if (!g_programFolderOverride.isEmpty()) return WithSeparator(g_programFolderOverride);
    return WithSeparator(QDir::toNativeSeparators(ExecutableFolder()));
}

QString LocalConfigFolder() {
    return ProgramFolder() + "config" + Sep();
}
QString WorkstationSettingsPath() {
    return LocalConfigFolder() + "sdata.opt";
}
QString ConfigFolder() {
    return g_configFolder;
}
QString PracticeSettingsPath() {
    return ConfigFolder() + "net.opt";
}
QString PhotoFolder() {
    return g_photoFolder;
}
QString LocalDatabasePath() {
    return ProgramFolder() + "data" + Sep() + "data.base";
}
QString DefaultBackupFolder() {
    return ProgramFolder() + "bkp" + Sep();
}
QString ReportProjectPath() {
    return LocalConfigFolder() + "reports.rav";
}
QString LanguagePath() {
    return LocalConfigFolder() + "ukr.lng";
}

void InitPaths() {
    const QString settings =
        ReadSettingsGroup(WorkstationSettingsPath(), QStringLiteral("NETWORK;SERVER;NETBASE;NETOPT;"));
    const bool client = GetSettingText(QStringLiteral("NETWORK"), settings) == u"1" &&
                        GetSettingText(QStringLiteral("SERVER"), settings) != u"1";
    if (!client) {
        g_photoFolder = ProgramFolder() + "photo" + Sep();
        g_configFolder = LocalConfigFolder();
        return;
    }

    // The share's folder is the one holding data/data.base; anything else falls back to local.
    const QString netBase = GetSettingText(QStringLiteral("NETBASE"), settings);
    const qsizetype at = netBase.indexOf(Sep() + "data" + Sep() + "data.base");
    QString baseFolder = at >= 0 ? netBase.left(at + 1) : QString();
    if (!FolderUsable(baseFolder)) baseFolder = ProgramFolder();

    g_photoFolder = baseFolder + "photo" + Sep();
    g_configFolder = GetSettingText(QStringLiteral("NETOPT"), settings) == u"1"
                         ? baseFolder + "config" + Sep()
                         : LocalConfigFolder();
}

bool FolderUsable(const QString& path) {
    return PathShapeUsable(path) && QFileInfo(path).isDir();
}

bool FileUsable(const QString& path) {
    if (!PathShapeUsable(path)) return false;
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

}  // namespace orvex
