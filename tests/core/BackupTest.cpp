#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/Backup.h"
#include "core/Errors.h"
#include "core/Paths.h"
#include "core/Settings.h"
#include "core/db/Database.h"
#include "support/ProgramFolder.h"

namespace orvex {
namespace {

using test::ProgramFolderTest;

const QDate kDay(2007, 4, 2);

class BackupTest : public ProgramFolderTest {
protected:
    QString Database() const { return Path("data/data.base"); }
    QString Backups() const { return Path("bkp"); }  // deliberately without a trailing separator

    QStringList Copies() const {
        return QDir(Backups()).entryList({QStringLiteral("*.bkp")}, QDir::Files, QDir::Name);
    }
    void MakeCopies(const QStringList& names) {
        for (const QString& name : names) test::WriteFile(Backups() + "/" + name, "old");
    }
    int Count(const QString& file, const char* table) {
        orvex::Database db;
        db.Open(file);
        return db.Query(QStringLiteral("SELECT count(*) FROM ") + QString::fromLatin1(table))
            .Value(0, 0)
            .toInt();
    }
};

TEST_F(BackupTest, SecondStartOfTheDayNeitherCopiesNorRotates) {
    MakeCopies({"20070301.bkp", "20070302.bkp"});
    EXPECT_TRUE(WriteDailyBackup(Database(), Backups(), kDay, 1));
    EXPECT_EQ(Copies(), QStringList({"20070402.bkp"}));

    MakeCopies({"20070303.bkp"});
    EXPECT_FALSE(WriteDailyBackup(Database(), Backups(), kDay, 1));
    EXPECT_EQ(Copies(), QStringList({"20070303.bkp", "20070402.bkp"}));
}

TEST_F(BackupTest, KeepsTheNewestCopies) {
    struct Case {
        int keep;
        int present;
        int left;  // including the new copy
    };
    for (const Case& c : {Case{7, 10, 7}, Case{0, 3, 1}, Case{5, 2, 3}, Case{1, 1, 1}}) {
        QDir(Backups()).removeRecursively();
        QDir().mkpath(Backups());
        QStringList names;
        for (int i = 1; i <= c.present; ++i)
            names << QStringLiteral("200703%1.bkp").arg(i, 2, 10, QChar(u'0'));
        MakeCopies(names);

        ASSERT_TRUE(WriteDailyBackup(Database(), Backups(), kDay, c.keep));
        const QStringList left = Copies();
        EXPECT_EQ(left.size(), c.left) << "keep " << c.keep << ", present " << c.present;
        EXPECT_EQ(left.last(), "20070402.bkp");
        if (c.left > 1) {
            EXPECT_EQ(left.first(), names[c.present - c.left + 1]) << "the oldest go first";
        }
    }
}

TEST_F(BackupTest, RotationListsOnlyVisibleFilesAndIgnoresLetterCase) {
    MakeCopies({"20070101.BKP", "20070102.bkp", ".20060101.bkp", "notes.txt"});
    QDir().mkpath(Backups() + "/20050101.bkp");  // a folder, not a copy
    RotateBackups(Backups(), 2);                 // room for one more: the oldest file goes
    const QStringList left =
        QDir(Backups()).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    EXPECT_EQ(left, QStringList({".20060101.bkp", "20050101.bkp", "20070102.bkp", "notes.txt"}));
}

TEST_F(BackupTest, CopyIsTheDatabaseWithItsModificationTime) {
    const QDateTime modified(QDate(2007, 4, 1), QTime(18, 30, 15));
    {
        QFile db(Database());
        ASSERT_TRUE(db.open(QIODevice::ReadWrite));
        ASSERT_TRUE(db.setFileTime(modified, QFileDevice::FileModificationTime));
    }
    ASSERT_TRUE(WriteDailyBackup(Database(), Backups(), kDay, 7));
    const QString copy = Backups() + "/20070402.bkp";
    EXPECT_EQ(QFileInfo(copy).lastModified(), modified);
    EXPECT_EQ(test::ReadFile(copy).size(), test::ReadFile(Database()).size());
    EXPECT_EQ(Count(copy, "f39"), Count(Database(), "f39"));
    EXPECT_FALSE(QFileInfo::exists(copy + ".part"));
}

TEST_F(BackupTest, CopyHoldsOnlyCommittedDataWhileAnotherConnectionWrites) {
    sqlite3* writer = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(Database()).constData(), &writer), SQLITE_OK);
    ASSERT_EQ(
        sqlite3_exec(writer, "INSERT INTO rooms(rid,rname) VALUES(3,'Committed')", nullptr, nullptr, nullptr),
        SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(writer,
                           "BEGIN IMMEDIATE; INSERT INTO rooms(rid,rname) VALUES(4,'Pending');"
                           "INSERT INTO opt(cn) VALUES(99);",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);

    ASSERT_TRUE(WriteDailyBackup(Database(), Backups(), kDay, 7));
    EXPECT_EQ(sqlite3_exec(writer, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(writer);

    const QString copy = Backups() + "/20070402.bkp";
    orvex::Database db;
    db.Open(copy);
    EXPECT_EQ(db.Query(QStringLiteral("PRAGMA integrity_check")).Value(0, 0).toString(), "ok");
    EXPECT_EQ(db.Query(QStringLiteral("SELECT rname FROM rooms WHERE rid>=3")).Count(), 1);
    EXPECT_EQ(db.Query(QStringLiteral("SELECT cn FROM opt")).Count(), 1);
}

TEST_F(BackupTest, FailedCopyLeavesNoFileBehind) {
    test::WriteFile(Database(), QByteArray("this is not a database, just some text").repeated(200));
    EXPECT_THROW(WriteDailyBackup(Database(), Backups(), kDay, 7), DbError);
    EXPECT_TRUE(QDir(Backups()).isEmpty(QDir::Files | QDir::Hidden));
}

TEST_F(BackupTest, StartUpCopiesIntoTheConfiguredFolder) {
    const QString archive = Path("archive");
    QDir().mkpath(archive);
    WriteSetting(QStringLiteral("BACKUPPATH"), archive);  // as the settings dialog leaves it: no separator
    WriteSettingInt(QStringLiteral("BACKUPCNT"), 3);
    MakeDailyBackup(kDay);
    EXPECT_TRUE(QFileInfo::exists(archive + "/20070402.bkp"));
    EXPECT_TRUE(prompts.shown().isEmpty());
}

TEST_F(BackupTest, MissingFolderIsFixedOnlyWhenTheUserAgrees) {
    const QString question =
        QStringLiteral("Не знайдено каталогу для розміщення резервних копій! Виправити це?");
    WriteSetting(QStringLiteral("BACKUPPATH"), Path("gone"));
    QDir(Backups()).removeRecursively();

    prompts.AnswerNo();
    MakeDailyBackup(kDay);
    EXPECT_EQ(prompts.Texts(), QStringList({question}));
    EXPECT_EQ(ReadSetting(QStringLiteral("BACKUPPATH")), Path("gone"));
    EXPECT_FALSE(QFileInfo::exists(Backups()));

    prompts.Clear();
    prompts.AnswerYes();
    MakeDailyBackup(kDay);
    EXPECT_EQ(ReadSetting(QStringLiteral("BACKUPPATH")), DefaultBackupFolder());
    EXPECT_TRUE(QFileInfo::exists(DefaultBackupFolder() + "20070402.bkp"));
}

}  // namespace
}  // namespace orvex
