#include <gtest/gtest.h>

#include "core/db/Database.h"
#include "core/db/DateNumber.h"
#include "patients/Registration.h"
#include "support/ProgramFolder.h"
#include "users/LoginList.h"

namespace orvex {
namespace {

const QString kAdmin = QStringLiteral("Адміністратор");
const QString kDuplicate = QStringLiteral("Пацієнт з подібним ім`ям уже існує !");
const QString kEmpty = QStringLiteral("Ім`я пацієнта не може бути пустим !");
const QString kNoUser = QStringLiteral("Не можу знайти користувача!");
const QString kCannotMove = QStringLiteral("Не можу перемістити пацієнта !");

// Two doctors (Петренко 1, Іваненко 2) and, unless a test adds more, an empty card file.
class RegistrationTest : public test::ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        db.Open(Path("data/data.base"));
        db.Exec(QStringLiteral("INSERT INTO users(uid,uname) VALUES(1,\"Петренко\")"));
        db.Exec(QStringLiteral("INSERT INTO users(uid,uname) VALUES(2,\"Іваненко\")"));
        doctor.name = QStringLiteral("Петренко");
        doctor.number = 1;
        receptionist.name = QStringLiteral("Іваненко");
        receptionist.number = 2;
        receptionist.rights.allreg = true;
        admin.name = kAdmin;
        admin.number = CurrentUser::kAdministrator;
        admin.rights = Rights::All();
    }

    int Counter() { return db.Query(QStringLiteral("SELECT cn FROM opt")).Value(0, "cn").toInt(); }
    int Count(const QString& sql) { return db.Query(sql).Count(); }
    void AddRow(int pid, const QString& name, int uid) {
        db.Exec(QStringLiteral("INSERT INTO pac(pid,pname,uid) VALUES(%1,\"%2\",%3)")
                    .arg(pid)
                    .arg(name)
                    .arg(uid));
    }
    // A doctor choice that must not be offered.
    static std::optional<int> NotAsked() {
        ADD_FAILURE() << "the doctor choice was shown";
        return std::nullopt;
    }

    Database db;
    CurrentUser doctor, receptionist, admin;
    const QDate today{2024, 3, 5};
};

TEST_F(RegistrationTest, DoctorRegistersHisOwnPatientsUnderConsecutiveNumbers) {
    ASSERT_EQ(Counter(), 1);
    EXPECT_EQ(AddPatient(db, QStringLiteral("Шевченко Тарас Григорович  \t"), doctor, 0, NotAsked, today), 1);
    EXPECT_EQ(AddPatient(db, QStringLiteral("Українка Леся"), doctor, 1, NotAsked, today), 2);
    EXPECT_EQ(Counter(), 3);
    const Rows rows = db.Query(QStringLiteral("SELECT pid, pname, uid, regdat, arch FROM pac ORDER BY pid"));
    ASSERT_EQ(rows.Count(), 2);
    EXPECT_EQ(rows.Value(0, "pname"), "Шевченко Тарас Григорович");  // trailing blanks gone
    EXPECT_EQ(rows.Value(0, "uid").toInt(), 1);
    EXPECT_EQ(rows.Value(0, "regdat").toDouble(), DateNumber(today));
    EXPECT_EQ(rows.Value(0, "arch").toInt(), 0);
    EXPECT_EQ(rows.Value(1, "arch").toInt(), 1);
    EXPECT_TRUE(prompts.Texts().isEmpty());
}

TEST_F(RegistrationTest, AllDoctorsUserAndAdministratorChooseTheDoctor) {
    int asked = 0;
    const auto choose = [&asked](std::optional<int> answer) {
        return [&asked, answer]() -> std::optional<int> {
            ++asked;
            return answer;
        };
    };
    // Cancelling the choice refuses without a message of its own.
    EXPECT_EQ(AddPatient(db, QStringLiteral("Коваль Петро"), receptionist, 0, choose(std::nullopt), today),
              std::nullopt);
    EXPECT_EQ(AddPatient(db, QStringLiteral("Коваль Петро"), receptionist, 0, choose(2), today), 1);
    EXPECT_EQ(AddPatient(db, QStringLiteral("Бондар Ольга"), admin, 5, choose(1), today), 2);
    EXPECT_EQ(asked, 3);
    EXPECT_TRUE(prompts.Texts().isEmpty());
    const Rows rows = db.Query(QStringLiteral("SELECT uid, arch FROM pac ORDER BY pid"));
    ASSERT_EQ(rows.Count(), 2);
    EXPECT_EQ(rows.Value(0, "uid").toInt(), 2);
    EXPECT_EQ(rows.Value(1, "uid").toInt(), 1);
    EXPECT_EQ(rows.Value(1, "arch").toInt(), 5);
}

TEST_F(RegistrationTest, RefusedNamesLeaveCardFileAndCounterAlone) {
    AddRow(50, QStringLiteral("Іваненко Іван"), 1);
    AddRow(51, QString(), 1);  // a card whose name was emptied in the card file
    const struct {
        const char* name;
        const CurrentUser* user;
        std::optional<int> chosen;
        QString message;
    } cases[] = {
        {"іваненко іван", &doctor, {}, kDuplicate},  // letter case does not make a new patient
        {"ІВАНЕНКО ІВАН  ", &receptionist, {}, kDuplicate},
        {"", &doctor, {}, kEmpty},
        {"   ", &receptionist, {}, kEmpty},  // empty is said as such, before any doctor choice
        {"Новий Пацієнт", &receptionist, 0, kNoUser},
        {"Новий Пацієнт", &admin, CurrentUser::kAdministrator, kNoUser},
    };
    for (const auto& c : cases) {
        prompts.Clear();
        const auto choose = [&c]() { return c.chosen; };
        const bool asks = c.message == kNoUser;
        EXPECT_EQ(AddPatient(db, QString::fromUtf8(c.name), *c.user, 0,
                             asks ? std::function<std::optional<int>()>(choose) : NotAsked, today),
                  std::nullopt)
            << c.name;
        EXPECT_EQ(prompts.Texts(), QStringList({c.message})) << c.name;
    }
    EXPECT_EQ(Count(QStringLiteral("SELECT * FROM pac")), 2);
    EXPECT_EQ(Counter(), 1);
}

TEST_F(RegistrationTest, WildcardCharactersInANameAreLetters) {
    AddRow(50, QStringLiteral("Іваненко Іван"), 1);
    EXPECT_EQ(AddPatient(db, QStringLiteral("%"), doctor, 0, NotAsked, today), 1);
    EXPECT_EQ(AddPatient(db, QStringLiteral("Іван_нко Іван"), doctor, 0, NotAsked, today), 2);
    EXPECT_EQ(AddPatient(db, QStringLiteral("Дубовий \"Дуб\" 50\\%"), doctor, 0, NotAsked, today), 3);
    EXPECT_EQ(AddPatient(db, QStringLiteral("дубовий \"дуб\" 50\\%"), doctor, 0, NotAsked, today),
              std::nullopt);
    EXPECT_EQ(prompts.Texts(), QStringList({kDuplicate}));
    EXPECT_EQ(Count(QStringLiteral("SELECT * FROM pac")), 4);
}

TEST_F(RegistrationTest, FailedInsertShowsTheEngineErrorAndKeepsTheCounter) {
    AddRow(1, QStringLiteral("Зайнятий Номер"), 1);  // the counter points at a taken number
    EXPECT_EQ(AddPatient(db, QStringLiteral("Новий Пацієнт"), doctor, 0, NotAsked, today), std::nullopt);
    EXPECT_EQ(prompts.Texts(ScriptedPrompter::Kind::Error).size(), 1);
    EXPECT_EQ(Counter(), 1);
    EXPECT_EQ(Count(QStringLiteral("SELECT * FROM pac")), 1);
}

class FindPatientTest : public RegistrationTest {
protected:
    void SetUp() override {
        RegistrationTest::SetUp();
        AddRow(10, QStringLiteral("Коваленко Іван"), 1);
        AddRow(11, QStringLiteral("Коваль Петро"), 2);
        AddRow(12, QStringLiteral("Мельник Ольга"), 2);
    }
    static QString Offer(const QString& name) {
        return "Якщо Ви маєте на увазі пацієнта \"" + name + "\" натисніть ТАК, інакше натисніть НІ.";
    }
    static QString OfferOf(int position, int count, const QString& name) {
        return QStringLiteral("Ім`я пацієнта, яке Ви ввели співпадає з ім`ям %1 пац.\n\r%2. ")
                   .arg(count)
                   .arg(position) +
               Offer(name);
    }
};

TEST_F(FindPatientTest, ExactNameInAnyCaseIsTakenWithoutAQuestion) {
    const FoundPatient found = FindPatientByName(db, QStringLiteral("КОВАЛЬ петро "));
    EXPECT_TRUE(found.found);
    EXPECT_EQ(found.pid, 11);
    EXPECT_EQ(found.uid, 2);
    EXPECT_FALSE(FindPatientByName(db, QStringLiteral("Шевченко")).found);
    EXPECT_FALSE(FindPatientByName(db, QStringLiteral("  ")).found);  // not every patient in turn
    EXPECT_TRUE(prompts.Texts().isEmpty());
}

TEST_F(FindPatientTest, SinglePrefixMatchIsOffered) {
    prompts.AnswerYes();
    const FoundPatient found = FindPatientByName(db, QStringLiteral("мель"));
    EXPECT_TRUE(found.found);
    EXPECT_EQ(found.pid, 12);
    prompts.AnswerNo();
    EXPECT_FALSE(FindPatientByName(db, QStringLiteral("мель")).found);
    EXPECT_EQ(prompts.Texts(), QStringList({Offer("Мельник Ольга"), Offer("Мельник Ольга")}));
}

TEST_F(FindPatientTest, SeveralMatchesAreOfferedInTurnUntilYesOrCancel) {
    prompts.AnswerNo();
    prompts.AnswerYes();
    const FoundPatient found = FindPatientByName(db, QStringLiteral("Ковал"));
    EXPECT_TRUE(found.found);
    EXPECT_EQ(found.pid, 11);
    EXPECT_EQ(found.uid, 2);
    const QStringList both = {OfferOf(1, 2, "Коваленко Іван"), OfferOf(2, 2, "Коваль Петро")};
    EXPECT_EQ(prompts.Texts(), both);

    prompts.Clear();
    prompts.AnswerNo();
    prompts.AnswerNo();
    EXPECT_FALSE(FindPatientByName(db, QStringLiteral("Ковал")).found);
    EXPECT_EQ(prompts.Texts(), both);

    prompts.Clear();
    prompts.AnswerCancel();
    EXPECT_FALSE(FindPatientByName(db, QStringLiteral("Ковал")).found);
    EXPECT_EQ(prompts.Texts().size(), 1);
}

TEST_F(RegistrationTest, NameRegisteredFromTheGridIsFoundAgain) {
    // The grid searches, registers on no match, then searches again with the same typed text.
    const QString typed = QStringLiteral("Ткаченко Марія ");
    ASSERT_FALSE(FindPatientByName(db, typed).found);
    ASSERT_EQ(AddPatient(db, typed, doctor, 0, NotAsked, today), 1);
    const FoundPatient found = FindPatientByName(db, typed);
    EXPECT_TRUE(found.found);
    EXPECT_EQ(found.pid, 1);
}

class TransferTest : public RegistrationTest {
protected:
    void SetUp() override {
        RegistrationTest::SetUp();
        db.Exec(QStringLiteral("INSERT INTO users(uid,uname) VALUES(3,\"Сидоренко\")"));
        AddRow(10, QStringLiteral("Коваленко Іван"), 1);
        AddRow(11, QStringLiteral("Коваль Петро"), 1);
        AddRow(12, QStringLiteral("Мельник Ольга"), 2);
        for (const auto& [npid, ndid] : {std::pair{10, 1}, {11, 1}, {12, 2}})
            db.Exec(QStringLiteral("INSERT INTO napr(npid,ndid) VALUES(%1,%2)").arg(npid).arg(ndid));
    }
    QString Doctors(const QString& table, const QString& key, const QString& doctor) {
        const Rows rows = db.Query("SELECT " + key + ", " + doctor + " FROM " + table + " ORDER BY " + key);
        QStringList parts;
        for (int r = 0; r < rows.Count(); ++r)
            parts << rows.Value(r, 0).toString() + u':' + rows.Value(r, 1).toString();
        return parts.join(u' ');
    }
};

TEST_F(TransferTest, TargetsAreTheUsersOtherThanAdministratorAndCurrentDoctor) {
    LoginList list;
    list.Rebuild(db, kAdmin);
    EXPECT_EQ(TransferTargets(list, 2), QStringList({"Петренко", "Сидоренко"}));
    EXPECT_EQ(TransferTargets(list, 0), QStringList({"Іваненко", "Петренко", "Сидоренко"}));
}

TEST_F(TransferTest, OnePatientAndOnRequestHisAppointments) {
    prompts.AnswerNo();
    EXPECT_TRUE(TransferPatient(db, 10, QStringLiteral("Сидоренко")));
    EXPECT_EQ(Doctors("pac", "pid", "uid"), "10:3 11:1 12:2");
    EXPECT_EQ(Doctors("napr", "npid", "ndid"), "10:1 11:1 12:2");
    prompts.AnswerYes();
    EXPECT_TRUE(TransferPatient(db, 11, QStringLiteral("Іваненко")));
    EXPECT_EQ(Doctors("pac", "pid", "uid"), "10:3 11:2 12:2");
    EXPECT_EQ(Doctors("napr", "npid", "ndid"), "10:1 11:2 12:2");
    EXPECT_EQ(prompts.Texts(), QStringList({"Переназначити усі направлення пацієнта на лікаря Сидоренко ?",
                                            "Переназначити усі направлення пацієнта на лікаря Іваненко ?"}));
}

TEST_F(TransferTest, AllPatientsOfTheDoctorMoveWithTheirAppointmentsWithoutAQuestion) {
    EXPECT_TRUE(TransferAllPatients(db, 1, QStringLiteral("Сидоренко")));
    EXPECT_EQ(Doctors("pac", "pid", "uid"), "10:3 11:3 12:2");
    EXPECT_EQ(Doctors("napr", "npid", "ndid"), "10:3 11:3 12:2");
    EXPECT_TRUE(prompts.Texts().isEmpty());
}

TEST_F(TransferTest, UnknownTargetOrNoPatientChangesNothing) {
    EXPECT_FALSE(TransferPatient(db, 10, kAdmin));
    EXPECT_FALSE(TransferPatient(db, -1, QStringLiteral("Сидоренко")));
    EXPECT_FALSE(TransferAllPatients(db, 1, QStringLiteral("Нікого")));
    EXPECT_EQ(prompts.Texts(), QStringList({kCannotMove, kCannotMove, kCannotMove}));
    EXPECT_EQ(Doctors("pac", "pid", "uid"), "10:1 11:1 12:2");
    EXPECT_EQ(Doctors("napr", "npid", "ndid"), "10:1 11:1 12:2");
}

TEST_F(RegistrationTest, DeletionRemovesEverythingOfThePatientAndNothingElse) {
    AddRow(10, QStringLiteral("Коваленко Іван"), 1);
    AddRow(11, QStringLiteral("Коваль Петро"), 1);
    for (int pid : {10, 11}) {
        for (int visit = 0; visit < 2; ++visit) {
            db.Exec(QStringLiteral("INSERT INTO vidv(pid) VALUES(%1)").arg(pid));
            const qint64 vid = db.LastInsertId();
            db.Exec(QStringLiteral("INSERT INTO zvit(vid,fid,cnt) VALUES(%1,15,1)").arg(vid));
            db.Exec(QStringLiteral("INSERT INTO zvit(vid,fid,cnt) VALUES(%1,16,2)").arg(vid));
        }
        db.Exec(QStringLiteral("INSERT INTO photos(pid) VALUES(%1)").arg(pid));
        db.Exec(QStringLiteral("INSERT INTO payments(pid) VALUES(%1)").arg(pid));
        db.Exec(QStringLiteral("INSERT INTO napr(npid) VALUES(%1)").arg(pid));
        db.Exec(QStringLiteral("INSERT INTO plan(pid,dat) VALUES(%1,1)").arg(pid));
    }
    prompts.AnswerYes();
    ASSERT_TRUE(ConfirmPatientDeletion(QStringLiteral("Коваленко Іван")));
    EXPECT_EQ(prompts.Texts(),
              QStringList({"Ви дійсно бажаєте видалити усі дані про пацієнта \"Коваленко Іван\" ?"}));
    DeletePatientData(db, 10);

    EXPECT_EQ(Count("SELECT * FROM zvit, vidv WHERE zvit.vid=vidv.vid AND vidv.pid=11"), 4);
    EXPECT_EQ(Count("SELECT * FROM zvit"), 4);  // no orphaned report items are left behind
    for (const char* table :
         {"vidv WHERE pid", "photos WHERE pid", "payments WHERE pid", "napr WHERE npid"}) {
        const QString sql = QStringLiteral("SELECT * FROM ") + QString::fromLatin1(table);
        EXPECT_EQ(Count(sql + "=10"), 0) << table;
        EXPECT_EQ(Count(sql + "=11"), table[0] == 'v' ? 2 : 1) << table;
    }
    // The card row goes through the caller's list; plans stay as documented.
    EXPECT_EQ(Count("SELECT * FROM pac"), 2);
    EXPECT_EQ(Count("SELECT * FROM plan WHERE pid=10"), 1);
    EXPECT_NO_THROW(DeletePatientData(db, 11));
    EXPECT_NO_THROW(DeletePatientData(db, 99));  // no visits at all
    EXPECT_EQ(Count("SELECT * FROM zvit"), 0);
}

}  // namespace
}  // namespace orvex
