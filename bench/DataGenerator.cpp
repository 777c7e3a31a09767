#include "DataGenerator.h"

#include <sqlite3.h>

#include <QDate>
#include <QFile>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "core/Errors.h"
#include "core/db/Database.h"
#include "core/db/DateNumber.h"

namespace orvex {
namespace {

struct Surname {
    const char* male;
    const char* female;
};
// Surnames in both genders (those in -енко, -ук, -ак do not change).
constexpr Surname kSurnames[] = {
    {"Шевченко", "Шевченко"},
    {"Коваленко", "Коваленко"},
    {"Бондаренко", "Бондаренко"},
    {"Ткаченко", "Ткаченко"},
    {"Кравченко", "Кравченко"},
    {"Олійник", "Олійник"},
    {"Шевчук", "Шевчук"},
    {"Поліщук", "Поліщук"},
    {"Бойко", "Бойко"},
    {"Мельник", "Мельник"},
    {"Коваль", "Коваль"},
    {"Ковальчук", "Ковальчук"},
    {"Савчук", "Савчук"},
    {"Руденко", "Руденко"},
    {"Мороз", "Мороз"},
    {"Лисенко", "Лисенко"},
    {"Марченко", "Марченко"},
    {"Павленко", "Павленко"},
    {"Гончаренко", "Гончаренко"},
    {"Литвиненко", "Литвиненко"},
    {"Кузьменко", "Кузьменко"},
    {"Клименко", "Клименко"},
    {"Савченко", "Савченко"},
    {"Петренко", "Петренко"},
    {"Іваненко", "Іваненко"},
    {"Білоус", "Білоус"},
    {"Гнатюк", "Гнатюк"},
    {"Ярошенко", "Ярошенко"},
    {"Остапчук", "Остапчук"},
    {"Ґудзь", "Ґудзь"},
    {"Ковальський", "Ковальська"},
    {"Левицький", "Левицька"},
    {"Вишневський", "Вишневська"},
    {"Яворський", "Яворська"},
    {"Заїка", "Заїка"},
    {"Кравець", "Кравець"},
    {"Білий", "Біла"},
    {"Чорний", "Чорна"},
    {"Сірий", "Сіра"},
    {"Рудий", "Руда"},
    {"Зелений", "Зелена"},
    {"Гордієнко", "Гордієнко"},
    {"Єременко", "Єременко"},
    {"Юрченко", "Юрченко"},
    {"Щербак", "Щербак"},
    {"Дяченко", "Дяченко"},
    {"Федоренко", "Федоренко"},
    {"Гаврилюк", "Гаврилюк"},
};
constexpr const char* kMaleNames[] = {
    "Олександр", "Андрій", "Богдан",  "Василь", "Віктор",  "Володимир", "Дмитро", "Євген",
    "Іван",      "Ігор",   "Юрій",    "Микола", "Михайло", "Олег",      "Петро",  "Сергій",
    "Степан",    "Тарас",  "Ярослав", "Роман",  "Назар",   "Максим",    "Остап",  "Григорій",
};
constexpr const char* kFemaleNames[] = {
    "Олена",  "Оксана",   "Ірина", "Наталія", "Тетяна",   "Юлія",   "Світлана", "Людмила", "Марія",  "Ганна",
    "Галина", "Катерина", "Ольга", "Софія",   "Вікторія", "Дарина", "Ярослава", "Леся",    "Зоряна", "Уляна",
};
// Patronymics from the fathers' names, masculine and feminine.
constexpr Surname kPatronymics[] = {
    {"Олександрович", "Олександрівна"}, {"Андрійович", "Андріївна"},
    {"Богданович", "Богданівна"},       {"Васильович", "Василівна"},
    {"Вікторович", "Вікторівна"},       {"Володимирович", "Володимирівна"},
    {"Дмитрович", "Дмитрівна"},         {"Іванович", "Іванівна"},
    {"Ігорович", "Ігорівна"},           {"Юрійович", "Юріївна"},
    {"Миколайович", "Миколаївна"},      {"Михайлович", "Михайлівна"},
    {"Олегович", "Олегівна"},           {"Петрович", "Петрівна"},
    {"Сергійович", "Сергіївна"},        {"Степанович", "Степанівна"},
    {"Тарасович", "Тарасівна"},         {"Ярославович", "Ярославівна"},
    {"Романович", "Романівна"},         {"Григорович", "Григорівна"},
};
constexpr const char* kStreets[] = {"вул. Шевченка",      "вул. Франка",     "просп. Свободи",
                                    "вул. Лесі Українки", "вул. Городоцька", "вул. Сахарова",
                                    "вул. Наукова",       "вул. Зелена"};
constexpr const char* kComplaints[] = {"Біль від холодного", "Кровоточивість ясен", "Біль при накушуванні",
                                       "Профілактичний огляд", "Випала пломба"};
constexpr const char* kDiagnoses[] = {"Гострий глибокий карієс", "Хронічний фіброзний пульпіт",
                                      "Хронічний гранулюючий періодонтит", "Катаральний гінгівіт"};
constexpr const char* kTreatments[] = {"Пломба світлова", "Знеболення, препарування, пломба",
                                       "Механічна та медикаментозна обробка каналів",
                                       "Зняття зубних відкладень"};
constexpr int kReportCodes[] = {3, 7, 9, 11, 12, 15, 16, 17, 20, 25, 30, 40};

template <typename T, size_t N>
const T& Pick(const T (&items)[N], std::mt19937& random) {
    return items[std::uniform_int_distribution<size_t>(0, N - 1)(random)];
}

const char* FirstName(bool male, std::mt19937& random) {
    return male ? Pick(kMaleNames, random) : Pick(kFemaleNames, random);
}

void Check(sqlite3* db, int rc, const char* what) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw DbError(QString::fromUtf8(what) + QStringLiteral(": ") + QString::fromUtf8(sqlite3_errmsg(db)));
}

// One prepared INSERT, bound value by value and run per row.
class Insert {
public:
    Insert(sqlite3* db, const char* sql) : m_db(db) {
        Check(db, sqlite3_prepare_v2(db, sql, -1, &m_statement, nullptr), sql);
    }
    ~Insert() { sqlite3_finalize(m_statement); }
    Insert(const Insert&) = delete;
    Insert& operator=(const Insert&) = delete;

    Insert& Int(qint64 value) {
        sqlite3_bind_int64(m_statement, ++m_index, value);
        return *this;
    }
    Insert& Real(double value) {
        sqlite3_bind_double(m_statement, ++m_index, value);
        return *this;
    }
    Insert& Text(const std::string& value) {
        sqlite3_bind_text(m_statement, ++m_index, value.data(), int(value.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Insert& Null() {
        sqlite3_bind_null(m_statement, ++m_index);
        return *this;
    }
    qint64 Run() {
        Check(m_db, sqlite3_step(m_statement), "insert");
        sqlite3_reset(m_statement);
        sqlite3_clear_bindings(m_statement);
        m_index = 0;
        return sqlite3_last_insert_rowid(m_db);
    }

private:
    sqlite3* m_db;
    sqlite3_stmt* m_statement = nullptr;
    int m_index = 0;
};

}  // namespace

void FillPractice(Database& db, const PracticeSize& size, unsigned seed) {
    sqlite3* handle = db.handle();
    if (!handle) throw DbError(QStringLiteral("The database is not open"));
    std::mt19937 random(seed);
    const auto chance = [&random](int percent) {
        return std::uniform_int_distribution<int>(0, 99)(random) < percent;
    };
    const auto between = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };

    Check(handle, sqlite3_exec(handle, "BEGIN", nullptr, nullptr, nullptr), "BEGIN");
    try {
        std::vector<qint64> doctors;
        {
            Insert user(handle,
                        "INSERT INTO users(uname,upass,allreg,ctrlviz,rep,medit,vedit,pvis) "
                        "VALUES(?,'',0,0,1,0,1,1)");
            for (int d = 0; d < size.doctors; ++d) {
                const bool male = chance(50);
                const Surname& surname = Pick(kSurnames, random);
                doctors.push_back(user.Text(std::string(male ? surname.male : surname.female) + " " +
                                            FirstName(male, random))
                                      .Run());
            }
            if (doctors.empty()) doctors.push_back(1);
        }

        sqlite3_stmt* counter = nullptr;
        Check(handle, sqlite3_prepare_v2(handle, "SELECT cn FROM opt", -1, &counter, nullptr), "opt");
        const qint64 firstPid = sqlite3_step(counter) == SQLITE_ROW ? sqlite3_column_int64(counter, 0) : 1;
        sqlite3_finalize(counter);

        Insert patient(handle,
                       "INSERT INTO pac(pid,pname,uid,regdat,arch,birth,sex,selo,adres,tel) "
                       "VALUES(?,?,?,?,?,?,?,?,?,?)");
        Insert visit(handle,
                     "INSERT INTO vidv(pid,vdate,vtime,perv,skargy,anamnez,diag,likuv,sum) "
                     "VALUES(?,?,?,?,?,?,?,?,?)");
        Insert item(handle, "INSERT INTO zvit(vid,fid,cnt) VALUES(?,?,?)");
        Insert appointment(handle, "INSERT INTO napr(npid,nuid,ndid,regdat,ond,ont) VALUES(?,?,?,?,?,?)");
        Insert payment(handle, "INSERT INTO payments(pid,pcnt,znyzhka,pdat) VALUES(?,?,?,?)");

        const double today = DateNumber(QDate(2024, 3, 5));
        for (int p = 0; p < size.patients; ++p) {
            const qint64 pid = firstPid + p;
            const bool male = chance(45);
            const Surname& surname = Pick(kSurnames, random);
            const Surname& patronymic = Pick(kPatronymics, random);
            const std::string name = std::string(male ? surname.male : surname.female) + " " +
                                     FirstName(male, random) + " " +
                                     (male ? patronymic.male : patronymic.female);
            const qint64 doctor = doctors[size_t(between(0, int(doctors.size()) - 1))];
            const double registered = today - between(0, 3650);
            patient.Int(pid).Text(name).Int(doctor).Real(registered).Int(chance(10) ? 1 : 0);
            if (chance(90))
                patient.Real(today - between(3 * 365, 85 * 365));
            else
                patient.Null();
            patient.Int(male ? 1 : 2)
                .Int(chance(20) ? 1 : 0)
                .Text(std::string("м. Львів, ") + Pick(kStreets, random) + ", " +
                      std::to_string(between(1, 120)))
                .Text("+380 " + std::to_string(between(50, 99)) + " " +
                      std::to_string(between(1000000, 9999999)))
                .Run();

            double day = registered;
            for (int v = 0; v < size.visitsPerPatient; ++v) {
                day += between(1, 120);
                const qint64 vid = visit.Int(pid)
                                       .Real(day)
                                       .Real(between(8 * 60, 19 * 60) / 1440.0)
                                       .Int(v == 0 ? 1 : 0)
                                       .Text(Pick(kComplaints, random))
                                       .Text("Каріозна порожнина, зондування болісне")
                                       .Text(Pick(kDiagnoses, random))
                                       .Text(Pick(kTreatments, random))
                                       .Real(between(2, 40) * 50.0)
                                       .Run();
                for (int i = 0; i < size.itemsPerVisit; ++i)
                    item.Int(vid).Int(Pick(kReportCodes, random)).Real(between(1, 3)).Run();
            }
            for (int a = 0; a < size.appointmentsPerPatient; ++a)
                appointment.Int(pid)
                    .Int(doctor)
                    .Int(doctor)
                    .Real(today - between(0, 30))
                    .Real(today + between(0, 60))
                    .Real(between(16, 38) / 48.0)  // on the half hour, 8:00 to 19:00
                    .Run();
            for (int k = 0; k < size.paymentsPerPatient; ++k)
                payment.Int(pid).Real(between(1, 60) * 50.0).Real(chance(10) ? 50.0 : 0.0).Real(day).Run();
        }

        sqlite3_stmt* advance = nullptr;
        Check(handle, sqlite3_prepare_v2(handle, "UPDATE opt SET cn=?", -1, &advance, nullptr), "opt");
        sqlite3_bind_int64(advance, 1, firstPid + size.patients);
        const int rc = sqlite3_step(advance);
        sqlite3_finalize(advance);
        Check(handle, rc, "opt");
        Check(handle, sqlite3_exec(handle, "COMMIT", nullptr, nullptr, nullptr), "COMMIT");
    } catch (...) {
        sqlite3_exec(handle, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

void GeneratePractice(const QString& shippedDatabase, const QString& target, const PracticeSize& size,
                      unsigned seed) {
    QFile::remove(target);
    if (!QFile::copy(shippedDatabase, target))
        throw FileError(QStringLiteral("Cannot copy ") + shippedDatabase + QStringLiteral(" to ") + target);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    Database db;
    db.Open(target);
    FillPractice(db, size, seed);
}

}  // namespace orvex
