#include "templates/QuickMenus.h"

#include "core/TextFile.h"
#include "templates/CommaList.h"

namespace orvex {

const QStringList& QuickMenuColumns() {
    static const QStringList columns = {
        QStringLiteral("skargy"),    QStringLiteral("diagnoz"),  QStringLiteral("zahvorlast"),
        QStringLiteral("zahvornow"), QStringLiteral("zubstate"), QStringLiteral("prykus"),
        QStringLiteral("girma"),     QStringLiteral("rentgen"),  QStringLiteral("vita"),
    };
    return columns;
}

QList<QStringList> ReadQuickMenus(const QString& path) {
    const QStringList lines = ReadTextLines(path);
    QList<QStringList> menus;
    menus.reserve(kQuickMenuCount);
    for (int i = 0; i < kQuickMenuCount; ++i)
        menus.append(i < lines.size() ? ParseCommaList(lines[i]) : QStringList());
    return menus;
}

QString QuickMenuLine(const QStringList& phrases) {
    QString line;
    for (const QString& phrase : phrases) {
        // A quote inside a phrase is doubled, as the comma list reads it, so the phrase comes
        // back exactly as typed. A line break would split the file's line and shift every menu
        // after it, so it becomes a blank.
        QString inner = phrase;
        inner.replace(u'"', QStringLiteral("\"\""));
        inner.replace(u'\r', u' ');
        inner.replace(u'\n', u' ');
        line += u'"' + inner + QStringLiteral("\",");
    }
    line.chop(1);
    return line;
}

void WriteQuickMenus(const QString& path, const QList<QStringList>& menus) {
    QStringList lines;
    for (int i = 0; i < kQuickMenuCount; ++i)
        lines.append(i < menus.size() ? QuickMenuLine(menus[i]) : QString());
    WriteTextLines(path, lines);
}

QString ApplyQuickPhrase(const QString& column, const QString& current, const QString& phrase) {
    if (column.compare(QStringLiteral("zahvorlast"), Qt::CaseInsensitive) == 0 && !current.isEmpty())
        return current + QStringLiteral(", ") + phrase;
    return phrase;
}

}  // namespace orvex
