#include "core/db/Database.h"

#include <sqlite3.h>

#include <QFile>
#include <QFileInfo>

#include "core/Errors.h"
#include "core/db/Collation.h"
#include "core/db/DateNumber.h"
#include "core/db/JetSql.h"

namespace orvex {
namespace {

// Several workstations share one file; a writer holds it for milliseconds, so a short wait
// hides the collision instead of failing the user's action.
constexpr int kBusyTimeoutMs = 5000;

QString EngineText(sqlite3* db) {
    return QString::fromUtf8(sqlite3_errmsg(db));
}

class Statement {
public:
    Statement(sqlite3* db, const QString& sql, const QString& shown) : m_db(db), m_shown(shown) {
        const QByteArray utf8 = sql.toUtf8();
        const char* tail = nullptr;
        if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_stmt, &tail) != SQLITE_OK) Fail();
        if (!m_stmt) throw DbError("Порожній запит.\n" + shown);
        // One statement per call: a second one would run unseen (or not at all).
        for (const char* p = tail; p && *p; ++p) {
            if (*p != ';' && *p != ' ' && *p != '\t' && *p != '\r' && *p != '\n') {
                sqlite3_finalize(m_stmt);  // no destructor runs for a throwing constructor
                throw DbError("Запит містить більше однієї команди.\n" + shown);
            }
        }
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    sqlite3_stmt* get() const { return m_stmt; }

    [[noreturn]] void Fail() const { throw DbError(EngineText(m_db) + u'\n' + m_shown); }

    void Bind(int index, const QVariant& value) {
        int rc = SQLITE_OK;
        if (value.isNull()) {
            rc = sqlite3_bind_null(m_stmt, index);
        } else {
            switch (value.typeId()) {
                case QMetaType::Bool:
                    rc = sqlite3_bind_int(m_stmt, index, value.toBool() ? 1 : 0);
                    break;
                case QMetaType::Int:
                case QMetaType::UInt:
                case QMetaType::LongLong:
                case QMetaType::Short:
                case QMetaType::UShort:
                case QMetaType::Long:
                    rc = sqlite3_bind_int64(m_stmt, index, value.toLongLong());
                    break;
                case QMetaType::ULongLong:
                case QMetaType::ULong:
                    rc = sqlite3_bind_int64(m_stmt, index, qint64(value.toULongLong()));
                    break;
                case QMetaType::Double:
                case QMetaType::Float:
                    rc = sqlite3_bind_double(m_stmt, index, value.toDouble());
                    break;
                case QMetaType::QDate:
                    rc = sqlite3_bind_double(m_stmt, index, DateNumber(value.toDate()));
                    break;
                case QMetaType::QTime:
                    rc = sqlite3_bind_double(m_stmt, index, TimeNumber(value.toTime()));
                    break;
                case QMetaType::QDateTime: {
                    const QDateTime dt = value.toDateTime();
                    rc = sqlite3_bind_double(m_stmt, index, DateTimeNumber(dt.date(), dt.time()));
                    break;
                }
                case QMetaType::QByteArray: {
                    const QByteArray bytes = value.toByteArray();
                    rc = sqlite3_bind_blob64(m_stmt, index, bytes.constData(), sqlite3_uint64(bytes.size()),
                                             SQLITE_TRANSIENT);
                    break;
                }
                default: {
                    const QByteArray utf8 = value.toString().toUtf8();
                    rc = sqlite3_bind_text64(m_stmt, index, utf8.constData(), sqlite3_uint64(utf8.size()),
                                             SQLITE_TRANSIENT, SQLITE_UTF8);
                    break;
                }
            }
        }
        if (rc != SQLITE_OK) Fail();
    }

    void BindAll(const QVariantList& values) {
        if (values.size() != sqlite3_bind_parameter_count(m_stmt))
            throw DbError("Кількість значень не відповідає запиту.\n" + m_shown);
        for (int i = 0; i < values.size(); ++i) Bind(i + 1, values[i]);
    }

    // Runs to the end; the number of rows the statement inserted, changed or deleted.
    int Run() {
        const sqlite3_int64 before = sqlite3_total_changes64(m_db);
        int rc;
        while ((rc = sqlite3_step(m_stmt)) == SQLITE_ROW) {
        }
        if (rc != SQLITE_DONE) Fail();
        // The difference, not sqlite3_changes: that keeps the count of an earlier statement
        // after a CREATE or ALTER.
        return int(sqlite3_total_changes64(m_db) - before);
    }

    Rows Fetch() {
        Rows rows;
        const int n = sqlite3_column_count(m_stmt);
        rows.columns.reserve(n);
        rows.types.reserve(n);
        for (int i = 0; i < n; ++i) {
            rows.columns << QString::fromUtf8(sqlite3_column_name(m_stmt, i));
            rows.types << QString::fromUtf8(sqlite3_column_decltype(m_stmt, i));
        }
        int rc;
        while ((rc = sqlite3_step(m_stmt)) == SQLITE_ROW) {
            for (int i = 0; i < n; ++i) {
                switch (sqlite3_column_type(m_stmt, i)) {
                    case SQLITE_INTEGER:
                        rows.AddInteger(sqlite3_column_int64(m_stmt, i));
                        break;
                    case SQLITE_FLOAT:
                        rows.AddReal(sqlite3_column_double(m_stmt, i));
                        break;
                    case SQLITE_TEXT: {
                        // Read as a blob: the same UTF-8 bytes, without the engine copying each text
                        // to add the terminating zero that sqlite3_column_text promises.
                        const auto* text = static_cast<const char*>(sqlite3_column_blob(m_stmt, i));
                        rows.AddText(text, sqlite3_column_bytes(m_stmt, i));
                        break;
                    }
                    case SQLITE_BLOB: {
                        const auto* blob = static_cast<const char*>(sqlite3_column_blob(m_stmt, i));
                        rows.AddBlob(blob, sqlite3_column_bytes(m_stmt, i));
                        break;
                    }
                    default:
                        rows.AddNull();
                        break;
                }
            }
        }
        if (rc != SQLITE_DONE) Fail();
        return rows;
    }

private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
    QString m_shown;
};

int CollateNoCase(void*, int aLength, const void* a, int bLength, const void* b) {
    return CompareNoCase(static_cast<const char*>(a), aLength, static_cast<const char*>(b), bLength);
}

// like(pattern, text[, escape]): "x LIKE p" calls like(p, x).
void LikeFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    char32_t escape = 0;
    if (argc == 3) {
        if (sqlite3_value_type(argv[2]) == SQLITE_NULL) return;
        const QString text = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(argv[2])),
                                               sqlite3_value_bytes(argv[2]));
        const QList<uint> points = text.toUcs4();
        if (points.size() != 1) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = char32_t(points[0]);
    }
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) return;
    const auto* pattern = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const int patternLength = sqlite3_value_bytes(argv[0]);
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[1]));
    const int textLength = sqlite3_value_bytes(argv[1]);
    if (patternLength >
        sqlite3_limit(sqlite3_context_db_handle(context), SQLITE_LIMIT_LIKE_PATTERN_LENGTH, -1)) {
        sqlite3_result_error(context, "LIKE or GLOB pattern too complex", -1);
        return;
    }
    sqlite3_result_int(context, LikeMatch(pattern, patternLength, text, textLength, escape) ? 1 : 0);
}

}  // namespace

Database::Database() = default;

Database::~Database() {
    Close();
}

void Database::InstallTextFunctions(sqlite3* db) {
    sqlite3_create_collation_v2(db, "NOCASE", SQLITE_UTF8, nullptr, CollateNoCase, nullptr);
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function_v2(db, "like", 2, flags, nullptr, LikeFunction, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "like", 3, flags, nullptr, LikeFunction, nullptr, nullptr, nullptr);
}

void Database::Open(const QString& file) {
    Close();
    // SQLite would make an empty database of a missing name, or take a folder; neither is ours.
    if (!QFileInfo(file).isFile()) throw DbError("Файл бази даних не знайдено: " + file);
    sqlite3* db = nullptr;
    // NOMUTEX: the connection belongs to the program's one thread, so the per-call locking of every
    // column read (a quarter of loading the patient list) buys nothing.
    const int rc = sqlite3_open_v2(QFile::encodeName(file).constData(), &db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString text = db ? EngineText(db) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close_v2(db);
        throw DbError(text + u'\n' + file);
    }
    m_db = db;
    m_file = file;
    try {
        sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
        sqlite3_extended_result_codes(m_db, 1);
        InstallTextFunctions(m_db);
        // Reading the table list is the first touch of the file: a file that is no database fails
        // here, and an empty one or another program's database has none of our tables.
        QStringList tables;
        try {
            tables = Tables();
        } catch (const DbError& e) {  // "file is not a database": name the file, not our query
            throw DbError(e.text().section(u'\n', 0, 0) + u'\n' + file);
        }
        if (!tables.contains(QStringLiteral("pac"), Qt::CaseInsensitive) ||
            !tables.contains(QStringLiteral("users"), Qt::CaseInsensitive))
            throw DbError("Файл не є базою даних програми: " + file);
        // A file on a network share cannot use a write-ahead log; keep the rollback journal.
        const Rows mode = QueryNative(QStringLiteral("PRAGMA journal_mode"));
        if (mode.Count() == 1 &&
            mode.Value(0, 0).toString().compare(QStringLiteral("wal"), Qt::CaseInsensitive) == 0)
            ExecNative(QStringLiteral("PRAGMA journal_mode=DELETE"));
    } catch (...) {
        Close();
        throw;
    }
}

void Database::Close() {
    if (m_db) sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_file.clear();
}

static sqlite3* Require(sqlite3* db) {
    if (!db) throw DbError("Базу даних не відкрито.");
    return db;
}

int Database::Exec(const QString& jetSql) {
    Statement statement(Require(m_db), JetSql(jetSql), jetSql);
    return statement.Run();
}

Rows Database::Query(const QString& jetSql) {
    Statement statement(Require(m_db), JetSql(jetSql), jetSql);
    return statement.Fetch();
}

Rows Database::Query(const QString& jetSql, const QTime& tim) {
    Statement statement(Require(m_db), JetSql(jetSql), jetSql);
    const int index = sqlite3_bind_parameter_index(statement.get(), ":tim");
    if (index > 0) statement.Bind(index, TimeNumber(tim));
    return statement.Fetch();
}

QStringList Database::Tables() {
    const Rows rows = QueryNative(QStringLiteral(
        "SELECT name FROM sqlite_master WHERE type='table' AND substr(name,1,7)<>'sqlite_' ORDER BY rowid"));
    QStringList names;
    for (int i = 0; i < rows.Count(); ++i) names << rows.Value(i, 0).toString();
    return names;
}

QStringList Database::Columns(const QString& table) {
    const Rows rows =
        QueryNative(QStringLiteral("SELECT name FROM pragma_table_info(?) ORDER BY cid"), {table});
    QStringList names;
    for (int i = 0; i < rows.Count(); ++i) names << rows.Value(i, 0).toString();
    return names;
}

int Database::ExecNative(const QString& sql, const QVariantList& values) {
    Statement statement(Require(m_db), sql, sql);
    statement.BindAll(values);
    return statement.Run();
}

Rows Database::QueryNative(const QString& sql, const QVariantList& values) {
    Statement statement(Require(m_db), sql, sql);
    statement.BindAll(values);
    return statement.Fetch();
}

qint64 Database::LastInsertId() const {
    return m_db ? sqlite3_last_insert_rowid(m_db) : 0;
}

}  // namespace orvex
