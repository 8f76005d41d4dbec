#pragma once

#include "gui/aux_dialog.h"
#include "core/radio_settings.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;

namespace qx210 {

class GestureState;

// The debug parameters dialog: the transmitter power calibration levels on
// two sliders 0..63, high and low power, with live value labels. The sliders
// stay disabled until the unlock gesture: clicking the two end labels of the
// high-power group ("Low" and "High") in either order within five seconds.
//
// A level held outside 0..63 (read from a radio) is shown in its value label
// and kept at OK unless the user moves its slider (a key or click that leaves
// the slider where it is is no move); a slider the user moved gives its
// position, even when it was moved back to where it started.
//
// Object names follow the original controls: Form2; Frame1 high power (Slider1, Lblpower1, Label3, Label8); Frame2 low power (Slider3, Lblpower3, Label6, Label7); Command1 OK.
class DebugParametersDialog : public AuxDialog {
  Q_OBJECT
 public:
  explicit DebugParametersDialog(GestureState& gestures);

  void setValues(const DebugParameters& values);
  DebugParameters values() const;

  // The sliders follow the document's unlock flag.
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
  bool m_settingValues = false;

  QGroupBox* m_highPowerGroup = nullptr;
  QGroupBox* m_lowPowerGroup = nullptr;
  QSlider* m_highPowerSlider = nullptr;
  QSlider* m_lowPowerSlider = nullptr;
  QLabel* m_highPowerLevel = nullptr;
  QLabel* m_lowPowerLevel = nullptr;
  QLabel* m_highPowerLowEnd = nullptr;
  QLabel* m_highPowerHighEnd = nullptr;
  QLabel* m_lowPowerLowEnd = nullptr;
  QLabel* m_lowPowerHighEnd = nullptr;
  QPushButton* m_okButton = nullptr;
};

}  // namespace qx210
