#pragma once

#include <QString>
#include <QStringList>
#include <QTime>
#include <QVariantList>

#include "core/db/Rows.h"

struct sqlite3;

namespace orvex {

// The program's one database connection. Statements are given in the Jet dialect and translated;
// every statement stands alone (no transactions). Errors throw DbError with the engine's text.
class Database {
public:
    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens an existing database file, shared with other connections. A missing file, or one that
    // is not a database of this program, throws DbError.
    void Open(const QString& file);
    void Close();
    bool IsOpen() const { return m_db != nullptr; }
    QString FileName() const { return m_file; }

    int Exec(const QString& jetSql);  // rows affected
    Rows Query(const QString& jetSql);
    Rows Query(const QString& jetSql, const QTime& tim);  // with the :tim parameter bound

    QStringList Tables();                       // user tables
    QStringList Columns(const QString& table);  // in table order

    // Statements already in SQLite's dialect with positional values bound (the row set's writes).
    int ExecNative(const QString& sql, const QVariantList& values = {});
    Rows QueryNative(const QString& sql, const QVariantList& values = {});
    qint64 LastInsertId() const;

    sqlite3* handle() const { return m_db; }

    // Installs the program's NOCASE collation and LIKE on a raw connection.
    static void InstallTextFunctions(sqlite3* db);

private:
    sqlite3* m_db = nullptr;
    QString m_file;
};

}  // namespace orvex
