#pragma once

#include <QtGlobal>
#include <array>
#include <functional>

namespace qx210 {

// Milliseconds of a monotonic clock started with the program.
qint64 MonotonicMilliseconds();

// The click state shared by the two hidden service-mode gestures: the main
// window's band override (three captions) and the debug-parameter release
// (two captions, the first two flags). A gesture completes when all of its
// captions are clicked within five seconds of the first click.
//
// Time comes from a monotonic clock in milliseconds, so a gesture that spans
// midnight or a change of the system clock behaves like any other.
class GestureState {
 public:
  using Clock = std::function<qint64()>;
  static constexpr qint64 kWindowMs = 5000;

  GestureState();

  // Replaces the clock (tests); an empty clock restores the monotonic one.
  void setClock(Clock clock);
  qint64 now() const { return m_clock(); }

  // A click on band-override caption `k` (0, 1 or 2). True when the click
  // completes the gesture (all three flags set within the window).
  bool clickBandOverride(int k);

  // A click on debug-unlock caption `k` (0 or 1, flags 0 and 1). True when
  // the click completes the gesture (both flags set within the window).
  bool clickDebugUnlock(int k);

  // Leaving a service mode clears all three flags.
  void clear();

  bool flag(int k) const { return m_flags.at(static_cast<std::size_t>(k)); }
  bool anyFlag() const { return m_flags[0] || m_flags[1] || m_flags[2]; }

 private:
  // Starts the attempt if no flag is set; true when the click lies within the
  // window of the current attempt.
  bool withinWindow();
  void restartAt(qint64 now) { m_start = now; }

  Clock m_clock;
  std::array<bool, 3> m_flags{};
  qint64 m_start = 0;  // GestureStart, clock milliseconds
};

}  // namespace qx210
