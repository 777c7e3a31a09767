#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace orvex {

// menus.cfg: the phrase lists of the nine card fields that carry a quick menu, one line each.

inline constexpr int kQuickMenuCount = 9;

// The pac column of each line, in file order: skargy, diagnoz, zahvorlast, …, vita.
const QStringList& QuickMenuColumns();

// Nine phrase lists (missing lines read as empty). Throws FileError when the file cannot be read.
QList<QStringList> ReadQuickMenus(const QString& path);
// Every phrase between double quotes, comma-separated, nothing else on the line.
QString QuickMenuLine(const QStringList& phrases);
void WriteQuickMenus(const QString& path, const QList<QStringList>& menus);

// The field's text after choosing a phrase: the phrase replaces the text, except for zahvorlast,
// where a non-empty text gets ", " and the phrase appended.
QString ApplyQuickPhrase(const QString& column, const QString& current, const QString& phrase);

}  // namespace orvex
