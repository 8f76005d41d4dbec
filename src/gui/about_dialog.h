#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace qx210 {

// The About box: the product title, the version line and three lines about
// the maker beside a small picture. Its window title is "Help" in both
// languages.
//
// Object names follow the original controls: frmAbout; Picture1, lblTitle, Label1 version, Label2..Label4 maker lines; cmdOK.
class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  AboutDialog();

  void present();

 protected:

 private:
  void retranslate();

  QLabel* m_picture = nullptr;
  QLabel* m_titleLabel = nullptr;
  QLabel* m_versionLabel = nullptr;
  QLabel* m_makerLabel = nullptr;
  QLabel* m_descriptionLabel = nullptr;
  QLabel* m_copyrightLabel = nullptr;
  QPushButton* m_okButton = nullptr;
};

}  // namespace qx210
