#pragma once

#include "gui/aux_dialog.h"
#include "core/radio_settings.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace qx210 {

// The picture of the radio with one side key highlighted.
class KeyPicture : public QWidget {
  Q_OBJECT
 public:
  explicit KeyPicture(QWidget* parent = nullptr);

  // 1 = PF1, 2 = PF2.
  void setKey(int key);
  int key() const { return m_key; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int m_key = 1;
};

// The key assignment dialog: the functions of the side keys PF1 and PF2. The
// picture follows the list that has the focus.
//
// Object names follow the original controls: Form6; Label1/Combo1 PF1, Label2/Combo2 PF2, Image1 the picture; Command1 OK, Command2 Cancel.
class KeyAssignmentDialog : public AuxDialog {
  Q_OBJECT
 public:
  KeyAssignmentDialog();

  // A function outside the list is shown as "None" and kept unless its list
  // is changed.
  void setValues(const KeyAssignment& values);
  KeyAssignment values() const;

 Q_SIGNALS:
  void valuesAccepted(const qx210::KeyAssignment& values);

 protected:
  void retranslate() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  KeyAssignment m_loaded;

  QLabel* m_pf1Caption = nullptr;
  QLabel* m_pf2Caption = nullptr;
  QComboBox* m_pf1List = nullptr;
  QComboBox* m_pf2List = nullptr;
  KeyPicture* m_keyPicture = nullptr;
  QPushButton* m_okButton = nullptr;
  QPushButton* m_cancelButton = nullptr;
};

}  // namespace qx210
