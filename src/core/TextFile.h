#pragma once

#include <QString>
#include <QStringList>

namespace orvex {

// The settings, language, template and menu files: Windows-1251 text with CR LF line ends.

// The lines of the file, without their line ends (a bare LF also ends a line). A missing or
// unreadable file throws FileError.
QStringList ReadTextLines(const QString& path);

// Writes every line followed by CR LF, atomically: the old file stays whole until the new one is
// complete. Throws FileError with the file system's reason.
void WriteTextLines(const QString& path, const QStringList& lines);

QByteArray EncodeWin1251(const QString& text);
QString DecodeWin1251(const QByteArray& bytes);

}  // namespace orvex
