#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

#include "core/Paths.h"
#include "core/Settings.h"
#include "core/TMainOptionsForm.h"
#include "core/db/Database.h"
#include "support/WindowTest.h"

namespace orvex {
namespace {

class MainOptionsTest : public test::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        OpenDatabase();
        // Every rewrite of the counter row is logged, so a save that only repeats the value shows.
        ctx.db.ExecNative(QStringLiteral("CREATE TABLE optlog (cn INTEGER)"));
        ctx.db.ExecNative(QStringLiteral(
            "CREATE TRIGGER opt_written AFTER UPDATE ON opt BEGIN INSERT INTO optlog VALUES (new.cn); END"));
        form = new TMainOptionsForm(ctx);
        windows.mainOptions = form;
    }

    QString Practice(const char* key) {
        return GetSettingText(QString::fromLatin1(key), ReadSettingsGroup(PracticeSettingsPath(), {}));
    }
    QString Station(const char* key) {
        return GetSettingText(QString::fromLatin1(key), ReadSettingsGroup(WorkstationSettingsPath(), {}));
    }
    int CounterWrites() { return ctx.db.Query(QStringLiteral("SELECT cn FROM optlog")).Count(); }
    int Counter() { return ctx.db.Query(QStringLiteral("SELECT cn FROM opt")).Value(0, 0).toInt(); }

    TMainOptionsForm* form = nullptr;
};

TEST_F(MainOptionsTest, LoadsBothFilesAndTheCounterAndSavesThemBack) {
    WriteSettingsGroup(PracticeSettingsPath(),
                       "FORMULA_TYPE=1##MAX_WORK_PLACES=4##DIRECTOR=Бойко І. П.##ZAKLAD=Усмішка##"
                       "ZKPO=1234567##EDRPOU=7654321##");
    WriteSettingsGroup(WorkstationSettingsPath(), "BACKUPPATH=/srv/archive##BACKUPCNT=12##");
    ctx.db.Exec(QStringLiteral("UPDATE opt SET cn=1251"));
    form->show();

    EXPECT_EQ(form->formulaType->currentIndex(), 1);
    EXPECT_EQ(form->workPlaces->value(), 4);
    EXPECT_EQ(form->director->text(), "Бойко І. П.");
    EXPECT_EQ(form->zaklad->text(), "Усмішка");
    EXPECT_EQ(form->zkpo->text(), "1234567");
    EXPECT_EQ(form->edrpou->text(), "7654321");
    EXPECT_EQ(form->backupPath->text(), "/srv/archive");
    EXPECT_EQ(form->backupCount->value(), 12);
    EXPECT_EQ(form->cardNumber->text(), "1251");

    // Saved untouched: the files are rewritten, the counter is not.
    const int writes = CounterWrites();
    ASSERT_TRUE(form->Save());
    EXPECT_EQ(CounterWrites(), writes);
    EXPECT_EQ(Counter(), 1251);

    form->formulaType->setCurrentIndex(0);
    form->workPlaces->setValue(7);
    form->zaklad->setText(QStringLiteral("Нова усмішка"));
    form->backupCount->setValue(30);
    form->backupPath->setText(QStringLiteral("/srv/other"));
    form->cardNumber->setText(QStringLiteral("1300"));
    ASSERT_TRUE(form->Save());
    EXPECT_EQ(Practice("FORMULA_TYPE"), "0");
    EXPECT_EQ(Practice("MAX_WORK_PLACES"), "7");
    EXPECT_EQ(Practice("ZAKLAD"), "Нова усмішка");
    EXPECT_EQ(Practice("DIRECTOR"), "Бойко І. П.");
    EXPECT_EQ(Station("BACKUPCNT"), "30");
    EXPECT_EQ(Station("BACKUPPATH"), "/srv/other");
    EXPECT_EQ(Station("NETOPT"), "0");
    EXPECT_EQ(CounterWrites(), writes + 1);
    EXPECT_EQ(Counter(), 1300);
}

TEST_F(MainOptionsTest, BringsNumbersIntoRangeAndKeepsAnUnknownFormulaUnselected) {
    const struct {
        const char* stored;
        int shown;
    } cases[] = {{"0", 1}, {"", 1}, {"-3", 1}, {"999", 999}, {"1500", 999}, {"abc", 1}};
    for (const auto& c : cases) {
        const QString value = QString::fromUtf8(c.stored);
        WriteSettingsGroup(PracticeSettingsPath(), "MAX_WORK_PLACES=" + value + "##FORMULA_TYPE=5##");
        WriteSettingsGroup(WorkstationSettingsPath(), "BACKUPCNT=" + value + "##");
        form->Load();
        EXPECT_EQ(form->workPlaces->value(), c.shown) << c.stored;
        EXPECT_EQ(form->backupCount->value(), c.shown) << c.stored;
    }
    EXPECT_EQ(form->formulaType->currentIndex(), -1);
    ASSERT_TRUE(form->Save());
    EXPECT_EQ(Practice("FORMULA_TYPE"), "-1");
    EXPECT_EQ(Practice("MAX_WORK_PLACES"), "1");
}

TEST_F(MainOptionsTest, AutoDetectProposesTheNextPatientNumberWithoutSavingIt) {
    form->Load();
    form->AutoDetect();
    EXPECT_EQ(form->cardNumber->text(), "1") << "no patients yet";

    ctx.db.Exec(QStringLiteral("INSERT INTO pac(pid,pname) VALUES(830,\"Коваль\")"));
    ctx.db.Exec(QStringLiteral("INSERT INTO pac(pid,pname) VALUES(12,\"Бондар\")"));
    form->AutoDetect();
    EXPECT_EQ(form->cardNumber->text(), "831");
    EXPECT_EQ(Counter(), 1);
    ASSERT_TRUE(form->Save());
    EXPECT_EQ(Counter(), 831);
}

TEST_F(MainOptionsTest, BackupFolderComesFromTheFolderChooser) {
    form->Load();
    form->backupPath->setText(QStringLiteral("/old"));
    prompts.AnswerText(QString());  // cancelled
    form->ChooseBackupFolder();
    EXPECT_EQ(form->backupPath->text(), "/old");
    prompts.AnswerText(QStringLiteral("/media/archive"));
    form->ChooseBackupFolder();
    EXPECT_EQ(form->backupPath->text(), "/media/archive") << "taken as chosen, without a separator";
    EXPECT_EQ(prompts.Texts(ScriptedPrompter::Kind::Folder),
              QStringList({"Виберіть папку", "Виберіть папку"}));
}

TEST_F(MainOptionsTest, ServerSettingsBoxOnlyForANetworkClient) {
    const struct {
        const char* network;
        const char* server;
        bool enabled;
    } cases[] = {{"0", "0", false}, {"1", "0", true}, {"1", "1", false}, {"0", "1", false}};
    for (const auto& c : cases) {
        WriteSettingsGroup(WorkstationSettingsPath(),
                           QStringLiteral("NETWORK=%1##SERVER=%2##NETOPT=1##")
                               .arg(QString::fromLatin1(c.network), QString::fromLatin1(c.server)));
        form->Load();
        EXPECT_EQ(form->netOpt->isEnabled(), c.enabled) << c.network << c.server;
        EXPECT_TRUE(form->netOpt->isChecked()) << "a disabled box keeps its stored state";
    }
}

}  // namespace
}  // namespace orvex
