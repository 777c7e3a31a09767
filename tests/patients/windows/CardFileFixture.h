#pragma once

#include <QSet>
#include <QStringList>

#include "core/Network.h"
#include "support/WindowTest.h"

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

// Every window on a fresh program folder with two doctors (uid 1 "Шевченко Тарас" with the history
// right, uid 2 "Коваленко Олена" working for all doctors), the administrator logged in.
class CardFileTest : public WindowTest {
protected:
    void SetUp() override;
    void TearDown() override;

    void LogInAs(int uid);  // -1: the administrator
    int AddPatientRow(int pid, const QString& name, int uid, int arch = 0);
    QVariant Scalar(const QString& sql);
    int StatementsRun() const { return m_statements; }

    RecordingNetwork* network = nullptr;

private:
    int m_statements = 0;
};

}  // namespace orvex::test
