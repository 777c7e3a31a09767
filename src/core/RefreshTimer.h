#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace orvex {

// A refresh that a change notification sets going: it runs once per tick and stops itself after
// its second tick, so it never runs longer than two intervals after its last start.
class RefreshTimer : public QObject {
    Q_OBJECT
public:
    // The refresh learns whether this is the second (last) tick of a run.
    using Refresh = std::function<void(bool secondTick)>;

    explicit RefreshTimer(Refresh refresh, QObject* parent = nullptr);

    void SetInterval(int milliseconds) { m_timer.setInterval(milliseconds); }
    int Interval() const { return m_timer.interval(); }
    bool IsActive() const { return m_timer.isActive(); }
    int Ticks() const { return m_ticks; }

    void Restart();     // counter := 0, timer started
    void RefreshNow();  // one refresh outside the count
    void RefreshNowAndRestart();
    void ResetCount() { m_ticks = 0; }
    void Tick();  // what the timer does on each tick

private:
    Refresh m_refresh;
    QTimer m_timer;
    int m_ticks = 0;
};

}  // namespace orvex
