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

// The optional functions dialog: the Scan and VOX groups, and hidden controls
// (PTT ID, ID code, TX start and end codes, Duplicate, the DTMF group and the
// auto-dial memories) whose values are loaded and stored like the others.
// Dropout delay and TX Dwell are spin boxes 0..300, whose arrows do what
// scroll bars beside a text field would.
//
// Object names follow the original controls: Form5; Frame2 Scan (Combo11..Combo15, Text5, Text6); Frame1 VOX (Combo6..Combo9, Check3, Check4); hidden Combo4, Combo10, Text1, Text3, Text4, Frame3 DTMF (Combo0, Combo16..Combo22), mfgrid1; Command1 OK, Command2 Cancel.
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
  void valuesAccepted(const qx210::OptionalFunctions& values);  // OK

 protected:
  void retranslate() override;

 private:
  void buildHiddenControls();
  void onAutoDialChanged(QTableWidgetItem* item);

  OptionalFunctions m_loaded;
  bool m_loading = false;

  // Scan
  QGroupBox* m_scanGroup = nullptr;
  QLabel* m_priorityCaption = nullptr;
  QLabel* m_priorityChannelCaption = nullptr;
  QLabel* m_lookBackTimeACaption = nullptr;
  QLabel* m_lookBackTimeBCaption = nullptr;
  QLabel* m_revertChannelCaption = nullptr;
  QLabel* m_dropoutDelayCaption = nullptr;
  QLabel* m_txDwellCaption = nullptr;
  QComboBox* m_priorityList = nullptr;
  QComboBox* m_priorityChannelList = nullptr;
  QComboBox* m_lookBackTimeAList = nullptr;
  QComboBox* m_lookBackTimeBList = nullptr;
  QComboBox* m_revertChannelList = nullptr;
  QSpinBox* m_dropoutDelayBox = nullptr;
  QSpinBox* m_txDwellBox = nullptr;

  // VOX
  QGroupBox* m_voxGroup = nullptr;
  QLabel* m_voxFunctionCaption = nullptr;
  QLabel* m_voxGainCaption = nullptr;
  QLabel* m_voxDelayCaption = nullptr;
  QLabel* m_voxProceedToneCaption = nullptr;
  QComboBox* m_voxFunctionList = nullptr;
  QComboBox* m_voxGainList = nullptr;
  QComboBox* m_voxDelayList = nullptr;
  QComboBox* m_voxProceedToneList = nullptr;
  QCheckBox* m_cancelOperationBox = nullptr;
  QCheckBox* m_voxInhibitBox = nullptr;  // "VOX Inhibit On Reveive"

  // Hidden controls
  QWidget* m_hidden = nullptr;
  QLabel* m_pttIdCaption = nullptr;
  QLabel* m_duplicateCaption = nullptr;
  QComboBox* m_pttIdList = nullptr;
  QComboBox* m_duplicateList = nullptr;
  CodeLineEdit* m_idCodeEdit = nullptr;
  CodeLineEdit* m_txStartCodeEdit = nullptr;
  CodeLineEdit* m_txEndCodeEdit = nullptr;
  QComboBox* m_dtmfRateList = nullptr;
  QComboBox* m_firstDigitTimeList = nullptr;
  QComboBox* m_starHashToneList = nullptr;  // "* and # tone"
  QComboBox* m_firstDigitDelayList = nullptr;  // a list only, tied to no value
  QComboBox* m_dKeyList = nullptr;
  QComboBox* m_sideToneList = nullptr;
  QComboBox* m_autoResetList = nullptr;
  QComboBox* m_groupCallList = nullptr;  // a list only, tied to no value
  QTableWidget* m_autoDialGrid = nullptr;

  QPushButton* m_okButton = nullptr;
  QPushButton* m_cancelButton = nullptr;
};

}  // namespace qx210
