#pragma once

#include <QDialog>
#include <QLineEdit>
#include <functional>
#include <initializer_list>

class QComboBox;
class QHBoxLayout;
class QPushButton;

namespace qx210 {

// Common behaviour of the auxiliary dialogs: a modeless top-level window
// without an owner, created once and only hidden afterwards (OK, Cancel and
// the close box all hide it). A dialog is given the values it edits
// (setValues) and hands new ones out on OK (valuesAccepted); it holds no
// shared settings of its own. Captions follow a language switch while open.
class AuxDialog : public QDialog {
  Q_OBJECT
 public:
  AuxDialog();

  // Shows the dialog and brings it to the front.
  void present();

 protected:
  // Writes every caption and list text in the current language.
  virtual void retranslate() = 0;
  // OK hands the values out through `handOut` and hides the dialog; Cancel
  // (when there is one) only hides it.
  void connectButtons(QPushButton* ok, QPushButton* cancel, std::function<void()> handOut);
};

// The dialogs' row of buttons, to the right.
QHBoxLayout* ButtonRow(std::initializer_list<QWidget*> buttons);

// Replaces the items of a list, keeping the selected position.
void SetComboItems(QComboBox* combo, const QStringList& items);

// Makes a list at least as wide as its longest item needs. The computed size
// hint leaves too little room for the text in some styles, so add a margin.
void FitComboToItems(QComboBox* combo);

// Selects `position`, or nothing when it is not a position of the list.
void SelectPosition(QComboBox* combo, int position);

// A field for DTMF codes: typed a..z become A..Z, only 0-9, A-D, '*' and '#'
// are accepted, and a full field (maxLength > 0) takes a character only in
// place of a selection. Pasted text passes the same filter.
class CodeLineEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit CodeLineEdit(int maxLength, QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int m_limit = 0;
};

}  // namespace qx210
