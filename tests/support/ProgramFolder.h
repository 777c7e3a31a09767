#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>

#include "core/ScriptedPrompter.h"

namespace orvex::test {

// A fresh program folder for each test: the installation image's config/ and data/data.base, empty
// bkp/ and photo/, the program folder pointed at it, the paths initialised and the scripted
// prompter installed. Fails a test that left questions unanswered or answers unused.
class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // An absolute path inside the program folder ("config/sdata.opt").
    QString Path(const QString& relative) const;
    QString Folder() const;  // ends with the separator

    ScriptedPrompter prompts;

private:
    QTemporaryDir m_dir;
};

// The pristine installation image the build made (config/, data/data.base).
QString ImageFolder();
// Writes bytes to a file, creating its folder; for fixtures.
void WriteFile(const QString& path, const QByteArray& bytes);
QByteArray ReadFile(const QString& path);

}  // namespace orvex::test
