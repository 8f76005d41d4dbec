#pragma once

#include "gui/aux_dialog.h"
#include "core/radio_settings.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace qx210 {

// The picture of the radio with one side key highlighted (Image1).
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

// Form6, key assignment: the functions of the side keys PF1 (Combo1) and PF2
// (Combo2). The picture follows the list that has the focus.
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

  QLabel* m_label1 = nullptr;
  QLabel* m_label2 = nullptr;
  QComboBox* m_combo1 = nullptr;
  QComboBox* m_combo2 = nullptr;
  KeyPicture* m_image1 = nullptr;
  QPushButton* m_command1 = nullptr;
  QPushButton* m_command2 = nullptr;
};

}  // namespace qx210
