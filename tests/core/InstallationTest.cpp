#include <gtest/gtest.h>

#include <QSet>

#include "core/Lang.h"
#include "core/Paths.h"
#include "core/Settings.h"
#include "core/TextFile.h"
#include "core/db/Database.h"
#include "support/ProgramFolder.h"
#include "templates/QuickMenus.h"
#include "users/Digest.h"

namespace orvex {
namespace {

// What a new installation holds: the database with its fourteen tables and shipped rows, and the
// settings and language files a first start needs.
class InstallationTest : public test::ProgramFolderTest {};

TEST_F(InstallationTest, DatabaseHasEveryTableAndColumn) {
    const QList<QPair<QString, QString>> tables = {
        {"pac",
         "pid pname uid regdat arch birth sex selo adres tel posada notes photo formula fordat skargy "
         "diagnoz zahvorlast zahvornow zubstate prykus girma rentgen vita navch gigien"},
        {"vidv", "vid pid vdate vtime perv skargy anamnez diag likuv sum"},
        {"zvit", "zid vid fid cnt"},
        {"f39", "id name forma"},
        {"napr", "nid npid nuid ndid regdat ond ont"},
        {"nagad", "nagid pid txt dat done uid"},
        {"plan", "plid dat pid typ ptext"},
        {"photos", "photoid pid photo descript dat"},
        {"payments", "payid pid pcnt znyzhka pdat"},
        {"users", "uid uname upass rid birth info allreg ctrlviz rep medit vedit pvis"},
        {"rooms", "rid rname"},
        {"groups", "gid gname"},
        {"dov", "zid name teldom telmob fax adress email web info firma"},
        {"opt", "cn"},
    };
    Database db;
    db.Open(LocalDatabasePath());
    QStringList names;
    for (const auto& [table, columns] : tables) {
        names << table;
        EXPECT_EQ(db.Columns(table), columns.split(u' ')) << table.toStdString();
    }
    QStringList present = db.Tables();
    present.sort();
    names.sort();
    EXPECT_EQ(present, names);
}

TEST_F(InstallationTest, DatabaseHoldsTheReportCodesRoomsAndCounter) {
    Database db;
    db.Open(LocalDatabasePath());
    QSet<int> expected;
    for (int id = 2; id <= 55; ++id) expected.insert(id);
    for (int id = 60; id <= 72; ++id) expected.insert(id);
    expected.insert(74);

    const Rows codes = db.Query(QStringLiteral("SELECT * FROM f39 ORDER BY f39.id"));
    QSet<int> ids;
    for (int r = 0; r < codes.Count(); ++r) {
        ids.insert(codes.Value(r, "id").toInt());
        EXPECT_FALSE(codes.Value(r, "name").toString().isEmpty());
        EXPECT_TRUE(codes.Value(r, "forma").toString().contains(u"039") ||
                    codes.Value(r, "forma").toString().contains(u"20"));
    }
    EXPECT_EQ(ids, expected);
    EXPECT_EQ(db.Query(QStringLiteral("SELECT * FROM rooms")).Count(), 2);
    const Rows opt = db.Query(QStringLiteral("SELECT cn FROM opt"));
    ASSERT_EQ(opt.Count(), 1);
    EXPECT_EQ(opt.Value(0, "cn").toInt(), 1);
}

TEST_F(InstallationTest, SettingsFilesAreWindows1251WithCrLf) {
    for (const char* name : {"config/sdata.opt", "config/net.opt", "config/ukr.lng", "config/menus.cfg"}) {
        const QByteArray bytes = test::ReadFile(Path(QString::fromLatin1(name)));
        ASSERT_FALSE(bytes.isEmpty()) << name;
        EXPECT_TRUE(bytes.endsWith("\r\n")) << name;
        EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n")) << name;
    }
    // Ukrainian letters are single Windows-1251 bytes: "Вхід" is C2 F5 B3 E4.
    EXPECT_TRUE(test::ReadFile(Path("config/ukr.lng")).contains("\xC2\xF5\xB3\xE4"));
}

TEST_F(InstallationTest, StandAloneWorkstationWithAdministratorWithoutPassword) {
    EXPECT_EQ(ReadSetting(QStringLiteral("NETWORK")), "0");
    EXPECT_EQ(ReadSetting(QStringLiteral("ADM")), PasswordDigest(QString()));
    const QString practice =
        ReadSettingsGroup(PracticeSettingsPath(), QStringLiteral("FORMULA_TYPE;MAX_WORK_PLACES;"));
    EXPECT_EQ(practice, "FORMULA_TYPE=0##MAX_WORK_PLACES=2##");
    for (const char* key : {"DIRECTOR", "ZAKLAD", "ZKPO", "EDRPOU"}) {
        const QString group = ReadSettingsGroup(PracticeSettingsPath(), QString::fromLatin1(key) + ";");
        EXPECT_EQ(group, QString::fromLatin1(key) + "=##");
    }
}

TEST_F(InstallationTest, QuickMenusOfferPhrasesForEveryCardField) {
    const QString file = Path("config/menus.cfg");
    EXPECT_EQ(ReadTextLines(file).size(), kQuickMenuCount);
    const QList<QStringList> menus = ReadQuickMenus(file);
    for (int i = 0; i < kQuickMenuCount; ++i) {
        EXPECT_GE(menus[i].size(), 2) << QuickMenuColumns()[i].toStdString();
        for (const QString& phrase : menus[i]) EXPECT_FALSE(phrase.trimmed().isEmpty()) << i;
    }
    EXPECT_TRUE(menus[8].contains(QStringLiteral("A1")) && menus[8].contains(QStringLiteral("D4")));
}

TEST_F(InstallationTest, LanguageFileHasEveryKey) {
    LoadLanguage(LanguagePath());
    const QList<QPair<QString, QString>> texts = {
        {"Login.Caption", "Вхід у систему"},
        {"Login.Label1", "Для входу в систему виберіть"},
        {"Login.Label2", "користувача та введіть пароль"},
        {"Enter", "Увійти"},
        {"Exit", "Вихід"},
        {"Admin", "Адміністратор"},
    };
    for (const auto& [key, text] : texts) EXPECT_EQ(Lang(key), text) << key.toStdString();
    EXPECT_FALSE(Lang(QStringLiteral("Msg.WrongPass")).isEmpty());
    EXPECT_FALSE(Lang(QStringLiteral("Msg.VidvAddError")).isEmpty());
    FreeLanguage();
}

}  // namespace
}  // namespace orvex
