#include "core/Settings.h"

#include <gtest/gtest.h>

#include <functional>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/Errors.h"
#include "core/Paths.h"
#include "core/TextFile.h"
#include "support/ProgramFolder.h"

namespace orvex {
namespace {

using test::ReadFile;
using test::WriteFile;

class SettingsTest : public test::ProgramFolderTest {
protected:
    QString station() const { return WorkstationSettingsPath(); }
    void setStation(const QStringList& lines) { WriteTextLines(station(), lines); }
    QStringList stationLines() const { return ReadTextLines(station()); }
};

TEST_F(SettingsTest, GroupReadSelectsFirstCarryingLinesInAskedOrder) {
    struct Case {
        QString keys;
        QString expected;
    };
    const Case cases[] = {
        {"NETWORK;SERVER;", "NETWORK=1##SERVER=1##"},
        {"", "SERVER=1##NETWORK=1##network=2##NETBASE=a=b##поле=х##"},
        {"NETWORK;NETWORK;", "NETWORK=1##NETWORK=1##"},  // the first carrying line each time
        {"NETWORK;SERVER", "NETWORK=1##"},               // a name without ";" is ignored
        {"HOST;NET;", ""},                               // "NET" needs its own "=" to match
        {"netbase;ПОЛЕ;", "NETBASE=a=b##поле=х##"},
    };
    setStation({"SERVER=1", "NETWORK=1", "network=2", "NETBASE=a=b", "поле=х"});
    for (const Case& c : cases)
        EXPECT_EQ(ReadSettingsGroup(station(), c.keys), c.expected) << c.keys.toStdString();
}

TEST_F(SettingsTest, ValueGettersReadSettingsTexts) {
    struct Case {
        QString name;
        QString text;
        QString value;
        int number;
    };
    const Case cases[] = {
        {"SERVER", "NETWORK=1##SERVER=0##", "0", 0},
        {"port", "PORT=8080##", "8080", 8080},  // the asked name is upper-cased
        {"NETWORK", "network=1##", "", 0},      // the stored key must be upper case
        {"NETBASE", "NETBASE=a=b##", "a=b", 0},
        {"HOST", "HOST=##PORT=5##", "", 0},
        {"PORT", "PORT=abc##", "abc", 0},
        {"PORT", "PORT=12", "12", 12},  // no closing separator
        {"RTIME", "PORT=1##", "", 0},
        {"NET", "SUBNET=7##", "7", 7},  // not bound to an entry's start
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.name + " in " + c.text).toStdString());
        EXPECT_EQ(GetSettingText(c.name, c.text), c.value);
        EXPECT_EQ(GetSettingInt(c.name, c.text), c.number);
    }
}

TEST_F(SettingsTest, HandWrittenLowerCaseKeyIsReadByNameAndNormalisedByAWrite) {
    setStation({"network=1", "SERVER=0"});
    EXPECT_EQ(ReadSetting("NETWORK"), "1");
    EXPECT_EQ(GetSettingText("NETWORK", ReadSettingsGroup(station(), "NETWORK;")), "");

    WriteSetting("network", "1");
    EXPECT_EQ(stationLines(), (QStringList{"NETWORK=1", "SERVER=0"}));
    EXPECT_EQ(GetSettingText("NETWORK", ReadSettingsGroup(station(), "NETWORK;")), "1");
}

TEST_F(SettingsTest, WriteReplacesFirstCarryingLineAppendsNewKeysAndLeavesOtherLines) {
    setStation({"Кабінет №2 — не параметр", "PORT=1", "", "PORTX=4", "PORT=2", "ZAKLAD=Усмішка"});
    QString changes;
    AppendSetting("port", "3", changes);
    AppendSetting("RTIME", "2000", changes);
    AppendSetting("zaklad", "Клініка «Єва»", changes);
    EXPECT_EQ(changes, "PORT=3##RTIME=2000##ZAKLAD=Клініка «Єва»##");
    WriteSettingsGroup(station(), changes);

    EXPECT_EQ(stationLines(), (QStringList{"Кабінет №2 — не параметр", "PORT=3", "", "PORTX=4", "PORT=2",
                                           "ZAKLAD=Клініка «Єва»", "RTIME=2000"}));
    EXPECT_EQ(ReadSetting("PORT"), "3");
    EXPECT_EQ(ReadSettingInt("RTIME"), 2000);
}

TEST_F(SettingsTest, ValueCannotSmuggleInAnotherSetting) {
    const QString adm = ReadSetting("ADM");
    QString changes;
    AppendSetting("ZAKLAD", "Клініка##ADM=0", changes);
    AppendSetting("HOST", "a\r\nADM=1", changes);
    AppendSetting("DIRECTOR", "Іваненко #", changes);
    AppendSetting("PORT", "5", changes);
    WriteSettingsGroup(station(), changes);
    WriteSettingsGroup(station(), "NETBASE=x\ny##");  // a raw change list, too

    EXPECT_EQ(ReadSetting("ADM"), adm);
    EXPECT_EQ(ReadSetting("ZAKLAD"), "Клініка#ADM=0");
    EXPECT_EQ(ReadSetting("HOST"), "a  ADM=1");
    EXPECT_EQ(ReadSetting("DIRECTOR"), "Іваненко ");
    EXPECT_EQ(ReadSetting("PORT"), "5");
    EXPECT_EQ(ReadSetting("NETBASE"), "x y");
}

TEST_F(SettingsTest, IntegerSettings) {
    setStation({"PORT=", "LOGINDEX=3", "BACKUPCNT=сім"});
    EXPECT_EQ(ReadSettingInt("PORT"), 0);
    EXPECT_EQ(ReadSettingInt("logindex"), 3);
    EXPECT_EQ(ReadSettingInt("RTIME"), 0);
    try {
        ReadSettingInt("BACKUPCNT");
        FAIL() << "no error for a value that is not a number";
    } catch (const ConversionError& e) {
        EXPECT_TRUE(e.text().contains("сім")) << e.text().toStdString();
        EXPECT_TRUE(e.text().contains("BACKUPCNT")) << e.text().toStdString();
    }
    WriteSettingInt("LOGINDEX", -1);
    EXPECT_EQ(stationLines()[1], "LOGINDEX=-1");
}

TEST_F(SettingsTest, DamagedOrAbsentFilesReadAsEmpty) {
    struct Case {
        const char* what;
        std::function<void(const QString&)> make;
    };
    const Case cases[] = {
        {"missing", [](const QString& p) { QFile::remove(p); }},
        {"empty", [](const QString& p) { WriteFile(p, {}); }},
        {"binary", [](const QString& p) { WriteFile(p, QByteArray("NETWORK=1\r\n\0\x01\xFF\x98", 15)); }},
        {"a folder",
         [](const QString& p) {
             QFile::remove(p);
             QDir().mkpath(p);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString file = Path(QStringLiteral("case/sdata.opt"));
        QDir(Path("case")).removeRecursively();
        WriteFile(file, "NETWORK=1\r\n");
        c.make(file);
        EXPECT_EQ(ReadSettingsGroup(file, ""), "");
        EXPECT_EQ(ReadSettingsGroup(file, "NETWORK;"), "");
    }
    // The workstation operations behave the same on a damaged workstation file.
    WriteFile(station(), QByteArray("PORT=7\0", 7));
    EXPECT_EQ(ReadSetting("PORT"), "");
    EXPECT_EQ(ReadSettingInt("PORT"), 0);
}

TEST_F(SettingsTest, WriteCreatesMissingFileButNotMissingFolder) {
    const QString practice = Path("config/net.opt");
    QFile::remove(practice);
    WriteSettingsGroup(practice, "MAX_WORK_PLACES=3##");
    EXPECT_EQ(ReadFile(practice), "MAX_WORK_PLACES=3\r\n");

    ASSERT_TRUE(QDir(Path("config")).removeRecursively());
    EXPECT_THROW(WriteSetting("NETWORK", "1"), FileError);
    EXPECT_THROW(WriteSettingsGroup(practice, "ZAKLAD=x##"), FileError);
    EXPECT_FALSE(QFileInfo::exists(Path("config")));
    EXPECT_EQ(ReadSetting("NETWORK"), "");
}

TEST_F(SettingsTest, ShippedPracticeFileWithoutAKeyReadsZero) {
    WriteSettingsGroup(PracticeSettingsPath(), "F20OBL=4##");
    const QString practice = ReadSettingsGroup(PracticeSettingsPath(), "FORMULA_TYPE;F20OBL;F20HW;");
    EXPECT_EQ(practice, "FORMULA_TYPE=0##F20OBL=4##");
    EXPECT_EQ(GetSettingInt("F20OBL", practice), 4);
    EXPECT_EQ(GetSettingInt("F20HW", practice), 0);
}

}  // namespace
}  // namespace orvex
