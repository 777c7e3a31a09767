#include "core/Lang.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/Errors.h"
#include "core/Paths.h"
#include "core/TextFile.h"
#include "support/ProgramFolder.h"

namespace orvex {
namespace {

class LangTest : public ::testing::Test {
protected:
    void TearDown() override { FreeLanguage(); }
    void load(const QStringList& lines) {
        WriteTextLines(dir.path() + "/ukr.lng", lines);
        LoadLanguage(dir.path() + "/ukr.lng");
    }
    QTemporaryDir dir;
};

TEST_F(LangTest, LooksUpKeysIgnoringCaseAndTakesValuesVerbatim) {
    load({"Admin=заголовок, не текст", "login.caption=Вхід", "Login.Label1 = Для входу", "Msg.WrongPass=a=b",
          "Admin", "Admin=Адміністратор", "ADMIN=друге", "ключ=значення", "Exit= Вихід "});
    struct Case {
        QString key;
        QString text;
    };
    const Case cases[] = {
        {"Login.Caption", "Вхід"},
        {"Login.Label1", ""},  // the key is "Login.Label1 " with its blank
        {"Msg.WrongPass", "a=b"},
        {"Admin", "Адміністратор"},  // header skipped, line without "=" defines
                                     // nothing, first wins
        {"КЛЮЧ", "значення"},
        {"Exit", " Вихід "},
        {"Enter", ""},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(Lang(c.key), c.text) << c.key.toStdString();
}

TEST_F(LangTest, HeaderOnlyFileGivesAnEmptyTable) {
    load({"Login.Caption=Вхід"});
    EXPECT_EQ(Lang("Login.Caption"), "");
}

TEST_F(LangTest, UnreadableFileThrowsAndLeavesTheTableEmpty) {
    load({"", "Admin=Адміністратор"});
    EXPECT_THROW(LoadLanguage(dir.path() + "/absent.lng"), FileError);
    EXPECT_EQ(Lang("Admin"), "");
}

TEST_F(LangTest, ShippedFileIsDecodedFromWin1251) {
    LoadLanguage(test::ImageFolder() + "/config/ukr.lng");
    EXPECT_EQ(Lang("Login.Caption"), "Вхід у систему");
    EXPECT_EQ(Lang("admin"), "Адміністратор");
    EXPECT_FALSE(Lang("Msg.WrongPass").isEmpty());
}

}  // namespace
}  // namespace orvex
