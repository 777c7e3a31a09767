#pragma once

#include <QString>
#include <functional>

namespace orvex {

// Change notifications and edit locks between workstations. A stand-alone workstation has no
// traffic: every record is free, and of the notifications only the appointment refresh is carried
// out, locally.
class Network {
public:
    virtual ~Network() = default;

    virtual void SendNotification(const QString& word) = 0;
    virtual bool CheckLock(const QString& identifier) = 0;  // true: someone is editing it
    virtual void TakeLock(const QString& identifier) = 0;
    virtual void ReleaseLock(const QString& identifier) = 0;
    virtual void StartNetwork() = 0;
    virtual void StopNetwork() = 0;
    virtual int ConnectedClients() const = 0;  // on a server
    // A message that is not a notification word: a lock answer for a waiting CheckLock.
    virtual void ReceiveAnswer(const QString&) {}

    // What this workstation does with a notification word (the main window's dispatcher).
    std::function<void(const QString& word)> dispatch;
};

class StandAloneNetwork : public Network {
public:
    void SendNotification(const QString& word) override;
    bool CheckLock(const QString&) override { return false; }
    void TakeLock(const QString&) override {}
    void ReleaseLock(const QString&) override {}
    void StartNetwork() override {}
    void StopNetwork() override {}
    int ConnectedClients() const override { return 0; }
};

// Notification words.
inline const QString kCardRefresh = QStringLiteral("cardrefresh");
inline const QString kAppointmentRefresh = QStringLiteral("nznrefresh");
inline const QString kVisitRefresh = QStringLiteral("vidvrefresh");
inline const QString kReminderRefresh = QStringLiteral("nagad");
inline const QString kMenuRefresh = QStringLiteral("menurefresh");

}  // namespace orvex
