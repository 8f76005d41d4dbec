#pragma once

#include "gui/aux_dialog.h"
#include "core/radio_settings.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;

namespace qx210 {

class GestureState;

// Form2, debug parameters: the transmitter power calibration levels on two
// sliders 0..63 (Slider1 high power, Slider3 low power) with live value labels.
// The sliders stay disabled until the unlock gesture: clicking the two end
// labels of the high-power group, Label3 ("Low") and Label8 ("High"), in
// either order within five seconds.
//
// A level held outside 0..63 (read from a radio) is shown in its value label
// and kept at OK unless the user moves its slider; a slider the user moved
// gives its position, even when it was moved back to where it started.
class DebugParametersDialog : public AuxDialog {
  Q_OBJECT
 public:
  explicit DebugParametersDialog(GestureState& gestures);

  void setValues(const DebugParameters& values);
  DebugParameters values() const;

  // The sliders follow DebugParametersUnlocked.
  void setSlidersEnabled(bool enabled);

 Q_SIGNALS:
  void valuesAccepted(const qx210::DebugParameters& values);
  // The unlock gesture was completed on this dialog.
  void unlockGestureMade();

 protected:
  void retranslate() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void onGestureClick(int caption);

  GestureState& m_gestures;
  DebugParameters m_loaded;
  bool m_highMoved = false;
  bool m_lowMoved = false;

  QGroupBox* m_frame1 = nullptr;
  QGroupBox* m_frame2 = nullptr;
  QSlider* m_slider1 = nullptr;
  QSlider* m_slider3 = nullptr;
  QLabel* m_lblpower1 = nullptr;
  QLabel* m_lblpower3 = nullptr;
  QLabel* m_label3 = nullptr;
  QLabel* m_label8 = nullptr;
  QLabel* m_label6 = nullptr;
  QLabel* m_label7 = nullptr;
  QPushButton* m_command1 = nullptr;
};

}  // namespace qx210
