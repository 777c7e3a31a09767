// Opening the card file's patient list of a large practice, beside the bare engine reading the
// same rows.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QTemporaryDir>
#include <algorithm>
#include <memory>

#include "DataGenerator.h"
#include "core/CurrentUser.h"
#include "core/Errors.h"
#include "core/db/Database.h"
#include "core/db/JetSql.h"
#include "core/db/RowSet.h"
#include "core/db/RowSetModel.h"
#include "patients/PatientList.h"

namespace orvex {
namespace {

constexpr int kPatients = 50000;
constexpr int kVisibleRows = 40;  // what a list view shows and so asks the data of

// One generated practice for the whole run.
struct Practice {
    QTemporaryDir dir;
    Database db;

    Practice() {
        PracticeSize size;
        size.patients = kPatients;
        const QString file = dir.filePath(QStringLiteral("data.base"));
        GeneratePractice(QStringLiteral(ORVEX_IMAGE_DIR "/data/data.base"), file, size);
        db.Open(file);
    }
};

Practice& SharedPractice() {
    static Practice practice;
    return practice;
}

QString ListSql() {
    CurrentUser user;  // works for all doctors: the whole card file
    user.number = CurrentUser::kAdministrator;
    user.rights = Rights::All();
    return PatientListSql(user);  // SELECT pac.* FROM pac ORDER BY pac.pname
}

void PatientListProgram(benchmark::State& state) {
    Database& db = SharedPractice().db;
    RowSet rows(db);
    rows.SetSql(ListSql());
    rows.SetUpdateTable(QStringLiteral("pac"), QStringLiteral("pid"));
    RowSetModel model(rows, {{QStringLiteral("pname"), QStringLiteral("Пацієнти")}});
    qint64 shown = 0;
    for (auto _ : state) {
        rows.Open();  // also lets go of the previous load, as a reload does
        const int count = model.rowCount();
        for (int r = 0; r < std::min(count, kVisibleRows); ++r) {
            const QVariant text = model.data(model.index(r, 0), Qt::DisplayRole);
            shown += text.toString().size();
        }
        shown += count;
    }
    benchmark::DoNotOptimize(shown);
    if (rows.Count() != kPatients) state.SkipWithError("the list does not hold every patient");
    state.counters["rows"] = double(rows.Count());
}

void PatientListBareQuery(benchmark::State& state) {
    sqlite3* handle = SharedPractice().db.handle();
    const QByteArray sql = JetSql(ListSql()).toUtf8();
    qint64 checksum = 0;
    int count = 0;
    for (auto _ : state) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(handle, sql.constData(), -1, &statement, nullptr) != SQLITE_OK) {
            state.SkipWithError(sqlite3_errmsg(handle));
            break;
        }
        const int columns = sqlite3_column_count(statement);
        count = 0;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            ++count;
            for (int c = 0; c < columns; ++c) {
                switch (sqlite3_column_type(statement, c)) {
                    case SQLITE_INTEGER:
                        checksum += sqlite3_column_int64(statement, c);
                        break;
                    case SQLITE_FLOAT:
                        checksum += qint64(sqlite3_column_double(statement, c));
                        break;
                    case SQLITE_TEXT:
                        benchmark::DoNotOptimize(sqlite3_column_text(statement, c));
                        checksum += sqlite3_column_bytes(statement, c);
                        break;
                    case SQLITE_BLOB:
                        benchmark::DoNotOptimize(sqlite3_column_blob(statement, c));
                        checksum += sqlite3_column_bytes(statement, c);
                        break;
                    default:
                        break;
                }
            }
        }
        sqlite3_finalize(statement);
    }
    benchmark::DoNotOptimize(checksum);
    if (count != kPatients) state.SkipWithError("the query did not return every patient");
    state.counters["rows"] = double(count);
}

BENCHMARK(PatientListProgram)->Name("PatientList/Program")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(PatientListBareQuery)->Name("PatientList/BareQuery")->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace orvex
