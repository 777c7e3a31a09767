// Makes the files of a new installation from their sources:
//   orvex-mkinstall text <utf-8 source> <target>       a Windows-1251, CR LF text file
//   orvex-mkinstall database <schema.sql> <seed.sql> <target>   the shipped database

#include <sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <cstdio>

#include "core/Errors.h"
#include "core/TextFile.h"

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw orvex::FileError(path + ": " + file.errorString());
    return file.readAll();
}

void MakeText(const QString& source, const QString& target) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(ReadAll(source));
    if (utf8.hasError()) throw orvex::FileError(source + ": not UTF-8");
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(u'\n')) text.chop(1);
    const QStringList lines = text.split(u'\n');
    for (const QString& line : lines)
        if (orvex::DecodeWin1251(orvex::EncodeWin1251(line)) != line)
            throw orvex::FileError(source + ": a character outside Windows-1251 in \"" + line + u'"');
    QDir().mkpath(QFileInfo(target).absolutePath());
    orvex::WriteTextLines(target, lines);
}

void Run(sqlite3* db, const QString& scriptPath) {
    const QByteArray script = ReadAll(scriptPath);
    char* message = nullptr;
    if (sqlite3_exec(db, script.constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        const QString text = scriptPath + ": " + QString::fromUtf8(message);
        sqlite3_free(message);
        throw orvex::FileError(text);
    }
}

void MakeDatabase(const QString& schema, const QString& seed, const QString& target) {
    QDir().mkpath(QFileInfo(target).absolutePath());
    const QString temporary = target + ".new";
    QFile::remove(temporary);
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(temporary).constData(), &db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    try {
        if (rc != SQLITE_OK) throw orvex::FileError(temporary + ": " + QString::fromUtf8(sqlite3_errmsg(db)));
        Run(db, schema);
        Run(db, seed);
    } catch (...) {
        sqlite3_close(db);
        QFile::remove(temporary);
        throw;
    }
    sqlite3_close(db);
    QFile::remove(target);
    if (!QFile::rename(temporary, target)) throw orvex::FileError(target + ": cannot be replaced");
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    try {
        if (args.size() == 4 && args[1] == "text") {
            MakeText(args[2], args[3]);
        } else if (args.size() == 5 && args[1] == "database") {
            MakeDatabase(args[2], args[3], args[4]);
        } else {
            std::fprintf(stderr,
                         "usage: orvex-mkinstall text <source> <target>\n"
                         "       orvex-mkinstall database <schema.sql> <seed.sql> <target>\n");
            return 2;
        }
    } catch (const orvex::Error& e) {
        std::fprintf(stderr, "orvex-mkinstall: %s\n", e.what());
        return 1;
    }
    return 0;
}
