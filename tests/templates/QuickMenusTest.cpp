#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/Errors.h"
#include "core/TextFile.h"
#include "support/ProgramFolder.h"
#include "templates/QuickMenus.h"

namespace orvex {
namespace {

class QuickMenusTest : public ::testing::Test {
protected:
    QString File() const { return m_dir.filePath(QStringLiteral("menus.cfg")); }

private:
    QTemporaryDir m_dir;
};

TEST_F(QuickMenusTest, LineQuotesEveryPhraseSoBlanksCommasAndQuotesReadBack) {
    EXPECT_EQ(QuickMenuLine({}), "");
    EXPECT_EQ(QuickMenuLine({"A1", "біль, при накушуванні"}), "\"A1\",\"біль, при накушуванні\"");
    const QList<QStringList> menus = {
        {"Біль від холодного", "Кровоточивість ясен"},
        {},
        {"Колір \"Віта\" A2", "\"", ""},
        {"одне"},
    };
    WriteQuickMenus(File(), menus);
    QList<QStringList> expected = menus;
    while (expected.size() < kQuickMenuCount) expected.append(QStringList());
    EXPECT_EQ(ReadQuickMenus(File()), expected);
    // Nine lines always, each ended by CR LF in Windows-1251.
    const QByteArray bytes = test::ReadFile(File());
    EXPECT_EQ(bytes.count("\r\n"), kQuickMenuCount);
    EXPECT_TRUE(bytes.startsWith(EncodeWin1251(QStringLiteral("\"Біль від холодного\","))));
}

TEST_F(QuickMenusTest, LineBreakInsidePhraseCannotShiftTheFollowingMenus) {
    QList<QStringList> menus(kQuickMenuCount);
    menus[0] = {"перший\r\nрядок"};
    menus[1] = {"Діагноз"};
    WriteQuickMenus(File(), menus);
    const QList<QStringList> read = ReadQuickMenus(File());
    EXPECT_EQ(read[0], QStringList({"перший  рядок"}));
    EXPECT_EQ(read[1], QStringList({"Діагноз"}));
}

TEST_F(QuickMenusTest, ShortFileReadsAsEmptyMenusAndMissingFileThrows) {
    WriteTextLines(File(), {"\"Скарга\"", "Діагноз,інший"});
    const QList<QStringList> menus = ReadQuickMenus(File());
    ASSERT_EQ(menus.size(), kQuickMenuCount);
    EXPECT_EQ(menus[0], QStringList({"Скарга"}));
    EXPECT_EQ(menus[1], QStringList({"Діагноз", "інший"}));  // hand-written unquoted phrases too
    for (int i = 2; i < kQuickMenuCount; ++i) EXPECT_TRUE(menus[i].isEmpty()) << i;

    EXPECT_THROW(ReadQuickMenus(File() + QStringLiteral(".absent")), FileError);
}

TEST(QuickMenus, ColumnsAndChosenPhrase) {
    EXPECT_EQ(QuickMenuColumns(), QStringList({"skargy", "diagnoz", "zahvorlast", "zahvornow", "zubstate",
                                               "prykus", "girma", "rentgen", "vita"}));
    const struct {
        const char* column;
        const char* current;
        const char* expected;
    } cases[] = {
        {"skargy", "старе", "нове"},
        {"vita", "", "нове"},
        {"zahvorlast", "", "нове"},
        {"zahvorlast", "Гастрит", "Гастрит, нове"},  // only past diseases accumulate
    };
    for (const auto& c : cases)
        EXPECT_EQ(ApplyQuickPhrase(QString::fromUtf8(c.column), QString::fromUtf8(c.current),
                                   QStringLiteral("нове")),
                  QString::fromUtf8(c.expected))
            << c.column << " " << c.current;
}

}  // namespace
}  // namespace orvex
