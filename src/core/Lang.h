#pragma once

#include <QString>

namespace orvex {

// The language table: the few interface texts taken from ukr.lng.

// Builds the table from the file (its first line is a header). Throws FileError when the file
// cannot be read; the table is then left empty.
void LoadLanguage(const QString& path);
// The text of the key (letter case ignored), or empty.
QString Lang(const QString& key);
void FreeLanguage();

}  // namespace orvex
