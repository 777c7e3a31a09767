#include "core/Paths.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>

#include "core/TextFile.h"
#include "support/ProgramFolder.h"

namespace orvex {
namespace {

using PathsTest = test::ProgramFolderTest;

TEST_F(PathsTest, FoldersAndFilesHangOffTheProgramFolder) {
    const QString root = Folder();
    EXPECT_EQ(ProgramFolder(), root);
    EXPECT_EQ(LocalConfigFolder(), root + "config/");
    EXPECT_EQ(WorkstationSettingsPath(), root + "config/sdata.opt");
    EXPECT_EQ(LocalDatabasePath(), root + "data/data.base");
    EXPECT_EQ(DefaultBackupFolder(), root + "bkp/");
    EXPECT_EQ(ReportProjectPath(), root + "config/reports.rav");
    EXPECT_EQ(LanguagePath(), root + "config/ukr.lng");
    // The shipped workstation file is stand-alone.
    EXPECT_EQ(ConfigFolder(), root + "config/");
    EXPECT_EQ(PracticeSettingsPath(), root + "config/net.opt");
    EXPECT_EQ(PhotoFolder(), root + "photo/");

    OverrideProgramFolder(Folder() + "data");
    EXPECT_EQ(ProgramFolder(), root + "data/");
    OverrideProgramFolder({});
    EXPECT_EQ(ProgramFolder(), QCoreApplication::applicationDirPath() + u'/');
}

TEST_F(PathsTest, UsableMeansAbsoluteAndPresent) {
    struct Case {
        QString path;
        bool folder;
        bool file;
    };
    const Case cases[] = {
        {Folder(), true, false},
        {Folder() + "config", true, false},
        {Folder() + "config/sdata.opt", false, true},
        {Folder() + "config/absent.opt", false, false},
        {Folder() + "absent/", false, false},
        {"", false, false},
        {"config", false, false},
        {"config/sdata.opt", false, false},
        {"\\\\" + Folder(), false, false},
        {"\\\\server\\share\\data\\data.base", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FolderUsable(c.path), c.folder) << c.path.toStdString();
        EXPECT_EQ(FileUsable(c.path), c.file) << c.path.toStdString();
    }
}

TEST_F(PathsTest, NetworkClientFindsTheSharedFolderBesideTheDatabase) {
    const QString share = Folder() + "share/";
    ASSERT_TRUE(QDir().mkpath(share + "data"));
    const QString local = Folder();
    struct Case {
        const char* what;
        QStringList settings;
        QString photo;
        QString config;
    };
    const Case cases[] = {
        {"stand-alone",
         {"NETWORK=0", "NETBASE=" + share + "data/data.base", "NETOPT=1"},
         local + "photo/",
         local + "config/"},
        {"server",
         {"NETWORK=1", "SERVER=1", "NETBASE=" + share + "data/data.base", "NETOPT=1"},
         local + "photo/",
         local + "config/"},
        {"client",
         {"NETWORK=1", "SERVER=0", "NETBASE=" + share + "data/data.base", "NETOPT=0"},
         share + "photo/",
         local + "config/"},
        {"client sharing settings",
         {"NETWORK=1", "NETBASE=" + share + "data/data.base", "NETOPT=1"},
         share + "photo/",
         share + "config/"},
        {"first occurrence",
         {"NETWORK=1", "NETBASE=" + share + "data/data.base/data/data.base", "NETOPT=1"},
         share + "photo/",
         share + "config/"},
        {"no data/data.base",
         {"NETWORK=1", "NETBASE=" + share + "data.base", "NETOPT=1"},
         local + "photo/",
         local + "config/"},
        {"letter case differs",
         {"NETWORK=1", "NETBASE=" + share + "Data/data.base", "NETOPT=1"},
         local + "photo/",
         local + "config/"},
        {"share missing",
         {"NETWORK=1", "NETBASE=" + Folder() + "gone/data/data.base", "NETOPT=1"},
         local + "photo/",
         local + "config/"},
        {"two backslashes",
         {"NETWORK=1", "NETBASE=\\\\" + share + "data/data.base", "NETOPT=1"},
         local + "photo/",
         local + "config/"},
        {"empty file", {}, local + "photo/", local + "config/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteTextLines(WorkstationSettingsPath(), c.settings);
        InitPaths();
        EXPECT_EQ(PhotoFolder(), c.photo);
        EXPECT_EQ(ConfigFolder(), c.config);
        EXPECT_EQ(PracticeSettingsPath(), c.config + "net.opt");
    }
}

}  // namespace
}  // namespace orvex
