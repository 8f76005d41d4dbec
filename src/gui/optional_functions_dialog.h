#pragma once

#include "gui/aux_dialog.h"
#include "core/radio_settings.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTableWidgetItem;

namespace qx210 {

// Form5, optional functions: the Scan and VOX groups, and hidden controls
// (PTT ID, ID code, TX start and end codes, Duplicate, the DTMF group and the
// auto-dial memories) whose values are loaded and stored like the others.
//
// Dropout delay (Text5) and TX Dwell (Text6) are spin boxes 0..300; their
// arrows play the part of the scroll bars VScroll1 and VScroll2.
class OptionalFunctionsDialog : public AuxDialog {
  Q_OBJECT
 public:
  OptionalFunctionsDialog();
  ~OptionalFunctionsDialog() override;

  // The controls show `values`.
  void setValues(const OptionalFunctions& values);
  // The values given, with what the controls changed. A list without a
  // selection and a spin box left as given keep the value given, so OK on an
  // untouched dialog changes nothing.
  OptionalFunctions values() const;

 Q_SIGNALS:
  void valuesAccepted(const qx210::OptionalFunctions& values);  // Command1, OK

 protected:
  void retranslate() override;

 private:
  void buildHiddenControls();
  void onAutoDialChanged(QTableWidgetItem* item);

  OptionalFunctions m_loaded;
  bool m_loading = false;

  // Scan (Frame2)
  QGroupBox* m_frame2 = nullptr;
  QLabel* m_label14 = nullptr;
  QLabel* m_label15 = nullptr;
  QLabel* m_label17 = nullptr;
  QLabel* m_label16 = nullptr;
  QLabel* m_label18 = nullptr;
  QLabel* m_label19 = nullptr;
  QLabel* m_label20 = nullptr;
  QComboBox* m_combo11 = nullptr;  // Priority
  QComboBox* m_combo12 = nullptr;  // Priority Channel
  QComboBox* m_combo13 = nullptr;  // Look Back Time A
  QComboBox* m_combo14 = nullptr;  // Look Back Time B
  QComboBox* m_combo15 = nullptr;  // Revert channel
  QSpinBox* m_text5 = nullptr;     // Dropout delay time
  QSpinBox* m_text6 = nullptr;     // TX Dwell time

  // VOX (Frame1)
  QGroupBox* m_frame1 = nullptr;
  QLabel* m_label8 = nullptr;
  QLabel* m_label10 = nullptr;
  QLabel* m_label9 = nullptr;
  QLabel* m_label7 = nullptr;
  QComboBox* m_combo6 = nullptr;  // VOX Function
  QComboBox* m_combo7 = nullptr;  // VOX Gain Level
  QComboBox* m_combo8 = nullptr;  // VOX Delay time
  QComboBox* m_combo9 = nullptr;  // VOX Proceed Tone
  QCheckBox* m_check3 = nullptr;  // Cancel Operation
  QCheckBox* m_check4 = nullptr;  // VOX Inhibit On Reveive

  // Hidden controls
  QWidget* m_hidden = nullptr;
  QLabel* m_label4 = nullptr;       // PTT ID
  QLabel* m_label11 = nullptr;      // Duplicate
  QComboBox* m_combo4 = nullptr;    // PTT ID
  QComboBox* m_combo10 = nullptr;   // Duplicate
  CodeLineEdit* m_text1 = nullptr;  // ID code
  CodeLineEdit* m_text3 = nullptr;  // TX start code
  CodeLineEdit* m_text4 = nullptr;  // TX end code
  QComboBox* m_combo0 = nullptr;    // DTMF rate
  QComboBox* m_combo16 = nullptr;   // First digit time
  QComboBox* m_combo17 = nullptr;   // * and # tone
  QComboBox* m_combo18 = nullptr;   // list only
  QComboBox* m_combo19 = nullptr;   // D key setting
  QComboBox* m_combo20 = nullptr;   // DTMF side tone
  QComboBox* m_combo21 = nullptr;   // Auto reset timer
  QComboBox* m_combo22 = nullptr;   // list only
  QTableWidget* m_mfgrid1 = nullptr;  // auto-dial memories

  QPushButton* m_command1 = nullptr;
  QPushButton* m_command2 = nullptr;
};

}  // namespace qx210
