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
// and kept at OK unless its slider is moved.
class DebugParametersDialog : public AuxDialog {
  Q_OBJECT
 public:
  DebugParametersDialog(Editor& editor, GestureState& gestures);

  void load() override;

  // The sliders follow DebugParametersUnlocked.
  void setSlidersEnabled(bool enabled);

 protected:
  bool heldValuesChanged() const override;
  void retranslate() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void store();
  void onGestureClick(int caption);

  GestureState& m_gestures;
  DebugParameters m_loaded;

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
