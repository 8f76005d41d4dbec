#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace qx210 {

// frmAbout: the product title, the version line and three lines about the
// maker beside a small picture. Its window title is "Help" in both languages.
class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  AboutDialog();

  void present();

 protected:

 private:
  void retranslate();

  QLabel* m_picture1 = nullptr;
  QLabel* m_lblTitle = nullptr;
  QLabel* m_label1 = nullptr;
  QLabel* m_label2 = nullptr;
  QLabel* m_label3 = nullptr;
  QLabel* m_label4 = nullptr;
  QPushButton* m_cmdOK = nullptr;
};

}  // namespace qx210
