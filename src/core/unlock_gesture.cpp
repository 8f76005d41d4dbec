#include "core/unlock_gesture.h"

#include <QElapsedTimer>

namespace qx210 {

qint64 MonotonicMilliseconds() {
  static QElapsedTimer timer = [] {
    QElapsedTimer t;
    t.start();
    return t;
  }();
  return timer.elapsed();
}

GestureState::GestureState() : m_clock(&MonotonicMilliseconds) {}

void GestureState::setClock(Clock clock) { m_clock = clock ? std::move(clock) : Clock(&MonotonicMilliseconds); }

bool GestureState::withinWindow() {
  const qint64 now = m_clock();
  if (!anyFlag()) restartAt(now);
  if (now - m_start <= kWindowMs) return true;
  restartAt(now);
  return false;
}

bool GestureState::clickBandOverride(int k) {
  Q_ASSERT(k >= 0 && k < 3);
  const auto i = static_cast<std::size_t>(k);
  if (withinWindow()) {
    m_flags[i] = true;
    return m_flags[0] && m_flags[1] && m_flags[2];
  }
  // Too late: this click starts a new attempt on its own.
  m_flags = {};
  m_flags[i] = true;
  return false;
}

bool GestureState::clickDebugUnlock(int k) {
  Q_ASSERT(k == 0 || k == 1);
  const auto mine = static_cast<std::size_t>(k);
  const auto other = static_cast<std::size_t>(1 - k);
  if (withinWindow()) {
    m_flags[mine] = true;
    return m_flags[other];
  }
  // Too late: a new attempt with this caption; the band-override flag is left.
  m_flags[mine] = true;
  m_flags[other] = false;
  return false;
}

void GestureState::clear() { m_flags = {}; }

}  // namespace qx210
