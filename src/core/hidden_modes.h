#pragma once

#include <QObject>
#include <optional>

#include "core/unlock_gesture.h"

namespace qx210 {

// The two hidden service modes of the main window. The band override is
// switched on by clicking three captions of the settings frame within five
// seconds; toolbar button 8 ("Anma") then appears, and a double click on it
// (two clicks within a second) leaves the mode. Button 7 ("TAnMa") leaves the
// debug-parameter mode the same way.
//
// The gesture flags are shared with the debug-parameter unlock gesture of the
// Debug parameters dialog. Time comes from a monotonic clock in milliseconds,
// so neither midnight nor a change of the system clock breaks a gesture or a
// double click.
class HiddenModes : public QObject {
  Q_OBJECT
 public:
  using Clock = GestureState::Clock;
  static constexpr qint64 kDoubleClickMs = 1000;
  static constexpr int kGestureCaptions = 3;

  enum class Button { DebugParameters /* 7, "TAnMa" */, BandOverride /* 8, "Anma" */ };

  explicit HiddenModes(GestureState& gestures, QObject* parent = nullptr);
  // Replaces the clock of the double click and the gestures (tests); an empty
  // clock restores the monotonic one.
  void setClock(Clock clock);

  // A click on gesture caption k (0, 1 or 2).
  void gestureClick(int k);
  // A click on hidden toolbar button 7 or 8. True when it was the second click
  // within a second: the gesture flags are cleared and the mode is left (for
  // button 8 here; for button 7 the caller releases the debug parameters).
  bool hiddenButtonClick(Button button);

  bool bandOverrideEnabled() const { return m_bandOverride; }
  bool gestureFlag(int k) const { return m_gestures.flag(k); }

 Q_SIGNALS:
  void bandOverrideChanged(bool enabled);

 private:
  void setBandOverride(bool enabled);

  GestureState& m_gestures;  // GestureFlags and GestureStart
  std::optional<qint64> m_lastHiddenClick;       // LastHiddenButtonClick, both buttons
  bool m_bandOverride = false;                   // BandOverrideEnabled
};

}  // namespace qx210
