#include "core/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include "core/Errors.h"

namespace orvex {

QByteArray EncodeWin1251(const QString& text) {
    QStringEncoder encoder("windows-1251");
    return encoder.encode(text);
}

QString DecodeWin1251(const QByteArray& bytes) {
    QStringDecoder decoder("windows-1251");
    return decoder.decode(bytes);
}

QStringList ReadTextLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("Не вдається прочитати файл %1: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError(QStringLiteral("Не вдається прочитати файл %1: %2").arg(path, file.errorString()));

    QStringList lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0) end = bytes.size();
        qsizetype stop = end;
        if (stop > start && bytes[stop - 1] == '\r') --stop;
        lines.append(DecodeWin1251(bytes.mid(start, stop - start)));
        start = end + 1;
    }
    return lines;
}

void WriteTextLines(const QString& path, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += EncodeWin1251(line);
        bytes += "\r\n";
    }
    QSaveFile file(path);
    // The explicit flush matters: commit() does not notice a buffered write that fails on close
    // (a full disk), and would put the truncated file in place of the old one.
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
        !file.commit())
        throw FileError(QStringLiteral("Не вдається записати файл %1: %2").arg(path, file.errorString()));
}

}  // namespace orvex
