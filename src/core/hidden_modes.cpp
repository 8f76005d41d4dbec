#include "core/hidden_modes.h"

namespace qx210 {

HiddenModes::HiddenModes(GestureState& gestures, QObject* parent)
    : QObject(parent), m_gestures(gestures) {}

void HiddenModes::setClock(Clock clock) { m_gestures.setClock(std::move(clock)); }

void HiddenModes::gestureClick(int k) {
  if (k < 0 || k >= kGestureCaptions) return;
  // The flags stay set once the gesture completes; leaving the mode clears them.
  if (m_gestures.clickBandOverride(k)) setBandOverride(true);
}

bool HiddenModes::hiddenButtonClick(Button button) {
  const qint64 now = m_gestures.now();
  if (!m_lastHiddenClick || now - *m_lastHiddenClick >= kDoubleClickMs) {
    m_lastHiddenClick = now;
    return false;
  }
  m_lastHiddenClick.reset();
  m_gestures.clear();
  if (button == Button::BandOverride) setBandOverride(false);
  return true;
}

void HiddenModes::setBandOverride(bool enabled) {
  if (m_bandOverride == enabled) return;
  m_bandOverride = enabled;
  Q_EMIT bandOverrideChanged(enabled);
}

}  // namespace qx210
