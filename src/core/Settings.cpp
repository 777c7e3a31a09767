#include "core/Settings.h"

#include <QStringList>

#include "core/Errors.h"
#include "core/Fmt.h"
#include "core/Paths.h"
#include "core/TextFile.h"

namespace orvex {
namespace {

const QString kEnd = QStringLiteral("##");

// A NUL never occurs in a Windows-1251 settings text; such a file is damaged, not settings.
bool LooksBinary(const QStringList& lines) {
    for (const QString& line : lines)
        if (line.contains(QChar(u'\0'))) return true;
    return false;
}

// The lines of a settings file for reading: whatever is wrong with the file reads as empty.
QStringList LinesForReading(const QString& file) {
    if (!FileUsable(file)) return {};
    try {
        QStringList lines = ReadTextLines(file);
        return LooksBinary(lines) ? QStringList() : lines;
    } catch (const FileError&) {
        return {};
    }
}

// The lines to rewrite. A file that exists but cannot be read is reported rather than
// overwritten, since writing would silently drop every setting in it; a damaged (binary) file
// holds no settings to keep and is replaced.
QStringList LinesForWriting(const QString& file) {
    if (!FileUsable(file)) return {};
    QStringList lines = ReadTextLines(file);
    return LooksBinary(lines) ? QStringList() : lines;
}

bool Carries(const QString& line, const QString& upperKey) {
    return UpperUkr(line).startsWith(upperKey + u'=');
}

qsizetype FirstCarrying(const QStringList& lines, const QString& key) {
    const QString upperKey = UpperUkr(key);
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (Carries(lines[i], upperKey)) return i;
    return -1;
}

// A value must stay on one line and must not hold the entry separator, or it would end its
// entry early and let the rest pass for another setting.
QString SafeValue(const QString& value) {
    QString safe = value;
    safe.replace(u'\r', u' ').replace(u'\n', u' ');
    while (safe.contains(kEnd)) safe.replace(kEnd, QStringLiteral("#"));
    while (safe.endsWith(u'#')) safe.chop(1);
    return safe;
}

}  // namespace

QString ReadSettingsGroup(const QString& file, const QString& keys) {
    const QStringList lines = LinesForReading(file);
    QString result;
    if (lines.isEmpty()) return result;
    if (keys.isEmpty()) {
        for (const QString& line : lines) result += line + kEnd;
        return result;
    }
    qsizetype start = 0;
    for (qsizetype end = keys.indexOf(u';'); end >= 0; end = keys.indexOf(u';', start)) {
        const qsizetype at = FirstCarrying(lines, keys.mid(start, end - start));
        if (at >= 0) result += lines[at] + kEnd;
        start = end + 1;
    }
    return result;
}

QString GetSettingText(const QString& name, const QString& settingsText) {
    const QString key = UpperUkr(name) + u'=';
    const qsizetype at = settingsText.indexOf(key);
    if (at < 0) return {};
    const qsizetype valueStart = at + key.size();
    const qsizetype end = settingsText.indexOf(kEnd, valueStart);
    return settingsText.mid(valueStart, end < 0 ? -1 : end - valueStart);
}

int GetSettingInt(const QString& name, const QString& settingsText) {
    return GetSettingText(name, settingsText).toInt();  // 0 when not a number
}

void AppendSetting(const QString& name, const QString& value, QString& changeList) {
    changeList += UpperUkr(name) + u'=' + SafeValue(value) + kEnd;
}

void WriteSettingsGroup(const QString& file, const QString& changeList) {
    QStringList lines = LinesForWriting(file);
    QStringList entries = changeList.split(kEnd);
    entries.removeLast();  // the text after the last separator is no entry
    for (const QString& entry : entries) {
        const qsizetype eq = entry.indexOf(u'=');
        if (eq <= 0) continue;  // no key: nothing to write
        QString line = UpperUkr(entry.left(eq)) + entry.mid(eq);
        line.replace(u'\r', u' ').replace(u'\n', u' ');  // one setting stays one line
        const qsizetype at = FirstCarrying(lines, entry.left(eq));
        if (at >= 0)
            lines[at] = line;
        else
            lines.append(line);
    }
    WriteTextLines(file, lines);
}

QString ReadSetting(const QString& name) {
    const QStringList lines = LinesForReading(WorkstationSettingsPath());
    const qsizetype at = FirstCarrying(lines, name);
    return at < 0 ? QString() : lines[at].mid(name.size() + 1);
}

int ReadSettingInt(const QString& name) {
    const QString value = ReadSetting(name);
    if (value.isEmpty()) return 0;
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok)
        throw ConversionError(
            QStringLiteral("Значення \"%1\" параметра %2 не є цілим числом.").arg(value, UpperUkr(name)));
    return number;
}

void WriteSetting(const QString& name, const QString& value) {
    QString changes;
    AppendSetting(name, value, changes);
    WriteSettingsGroup(WorkstationSettingsPath(), changes);
}

void WriteSettingInt(const QString& name, int value) {
    WriteSetting(name, QString::number(value));
}

}  // namespace orvex
