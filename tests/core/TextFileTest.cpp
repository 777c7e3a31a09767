#include "core/TextFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>

#include "core/Errors.h"
#include "support/ProgramFolder.h"

namespace orvex {
namespace {

using test::ReadFile;
using test::WriteFile;

class TextFileTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.path() + u'/' + name; }
    QTemporaryDir dir;
};

TEST_F(TextFileTest, UkrainianLinesRoundTripAsWin1251WithCrLf) {
    const QStringList lines = {QStringLiteral("ZAKLAD=Стоматологія «Усмішка» №2"), QStringLiteral(""),
                               QStringLiteral("ґанок їжак Єва і`мя")};
    WriteTextLines(path("a.opt"), lines);

    const QByteArray bytes = ReadFile(path("a.opt"));
    EXPECT_TRUE(bytes.startsWith("ZAKLAD=\xD1\xF2\xEE"));  // С т о in Windows-1251
    EXPECT_TRUE(bytes.contains("\r\n\r\n\xB4"));           // the empty line, then ґ
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count('\n'), 3);
    EXPECT_EQ(ReadTextLines(path("a.opt")), lines);
}

TEST_F(TextFileTest, BareLineFeedsAndAMissingFinalLineEndStillSplitLines) {
    WriteFile(path("b.txt"), "one\ntwo\r\nthree");
    EXPECT_EQ(ReadTextLines(path("b.txt")), (QStringList{"one", "two", "three"}));
}

TEST_F(TextFileTest, MissingFileThrows) {
    EXPECT_THROW(ReadTextLines(path("absent.opt")), FileError);
}

TEST_F(TextFileTest, WriteIntoMissingFolderThrowsAndCreatesNothing) {
    EXPECT_THROW(WriteTextLines(path("nowhere/a.opt"), {"A=1"}), FileError);
    EXPECT_FALSE(QFileInfo::exists(path("nowhere")));
}

TEST_F(TextFileTest, RewriteReplacesTheWholeOldFile) {
    WriteTextLines(path("c.opt"), {"A=1", "B=2", "C=3"});
    WriteTextLines(path("c.opt"), {"A=9"});
    EXPECT_EQ(ReadFile(path("c.opt")), "A=9\r\n");
    // No temporary file of the atomic write stays behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"c.opt"});
}

TEST_F(TextFileTest, FailedWriteLeavesTheOldFileWhole) {
    WriteTextLines(path("d.opt"), {"A=1", "B=2"});
    const QByteArray before = ReadFile(path("d.opt"));

    // A file size limit stands in for a full disk: the new text cannot be written completely.
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool threw = false;
    try {
        WriteTextLines(path("d.opt"), {"A=" + QString(100, u'я'), "B=3"});
    } catch (const FileError&) {
        threw = true;
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_TRUE(threw);
    EXPECT_EQ(ReadFile(path("d.opt")), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"d.opt"});
}

}  // namespace
}  // namespace orvex
