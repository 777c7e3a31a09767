#include "core/RefreshTimer.h"

namespace orvex {

RefreshTimer::RefreshTimer(Refresh refresh, QObject* parent)
    : QObject(parent), m_refresh(std::move(refresh)) {
    m_timer.setInterval(4000);
    connect(&m_timer, &QTimer::timeout, this, &RefreshTimer::Tick);
}

void RefreshTimer::Restart() {
    m_ticks = 0;
    m_timer.start();
}

void RefreshTimer::RefreshNow() {
    m_refresh(false);
}

void RefreshTimer::RefreshNowAndRestart() {
    RefreshNow();
    Restart();
}

void RefreshTimer::Tick() {
    ++m_ticks;
    const bool second = m_ticks >= 2;
    if (second) {
        m_ticks = 0;
        m_timer.stop();
    }
    m_refresh(second);
}

}  // namespace orvex
