#pragma once

#include <QSet>
#include <QStringList>
#include <functional>

#include "app/Windows.h"
#include "core/Context.h"
#include "core/Network.h"
#include "support/ProgramFolder.h"

struct sqlite3;

namespace orvex::test {

// A network that records what the card file sends and locks, and can report records as locked.
class RecordingNetwork : public Network {
public:
    void SendNotification(const QString& word) override { sent << word; }
    bool CheckLock(const QString& id) override { return lockedElsewhere.contains(id); }
    void TakeLock(const QString& id) override { taken << id; }
    void ReleaseLock(const QString& id) override { released << id; }
    void StartNetwork() override {}
    void StopNetwork() override {}
    int ConnectedClients() const override { return 0; }

    QStringList sent, taken, released;
    QSet<QString> lockedElsewhere;
};

// Every window on a fresh program folder, the administrator logged in, two doctors and the card
// file open on the general group.
class CardFileTest : public ProgramFolderTest {
protected:
    void SetUp() override;
    void TearDown() override;

    void LogInAs(int uid);  // -1: the administrator
    int AddPatientRow(int pid, const QString& name, int uid, int arch = 0);
    // Runs `drive` on the next modal dialog once it is up (the dialog is found by its type).
    void WhenModal(std::function<void(QWidget*)> drive);
    QVariant Scalar(const QString& sql);
    int StatementsRun() const { return m_statements; }
    void SaveShot(QWidget* widget, const QString& name);
    // Types text key by key as a user would (QTest's key clicks know only ASCII).
    static void Type(QWidget* widget, const QString& text);

    Context ctx;
    Windows windows;
    RecordingNetwork* network = nullptr;

private:
    int m_statements = 0;
};

}  // namespace orvex::test
