#pragma once

#include <QDialog>
#include <QList>

class QButtonGroup;
class QLabel;
class QRadioButton;

namespace qx210 {

class SerialLink;

// The port window: 20 option buttons OptionCOM0..OptionCOM19 ("COM1".."COM20"),
// each with the device it stands for beside it. Building the window runs the
// port scan; closing it only hides it.
class FormCOM : public QDialog {
  Q_OBJECT
 public:
  explicit FormCOM(SerialLink& link, QWidget* parent = nullptr);

  QRadioButton* option(int index) const { return m_options.value(index); }
  QLabel* deviceLabel(int index) const { return m_devices.value(index); }

  // The hint shown for a port the user may not open.
  static QString permissionHint();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void OptionCOM_Click(int index);
  void showAvailability();
  void retranslate();

  SerialLink& m_link;
  QButtonGroup* m_group = nullptr;
  QList<QRadioButton*> m_options;
  QList<QLabel*> m_devices;
};

}  // namespace qx210
