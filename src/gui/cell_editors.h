#pragma once

#include <QComboBox>
#include <QLineEdit>

// The in-place editors of the channel table. Each one filters its keys, hands
// Enter back to the grid, and reports when it loses the focus, which is when
// its edit ends. A focus change to the editor's own drop-down list is not an
// end of the edit.
namespace qx210 {

// The frequency editor. Takes digits, Backspace and the decimal point.
class FrequencyEditor : public QLineEdit {
  Q_OBJECT
 public:
  explicit FrequencyEditor(QWidget* parent = nullptr);

 Q_SIGNALS:
  void enterPressed();
  void editingLeft();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
};

// Escape in a list editor, dropped down or not, ends its edit without
// writing anything: the list and the editor close.
//
// The editable tone list. Takes digits, Backspace, the decimal point
// and D, N, I (typed lower case, written upper case). Typing while the list is
// dropped down closes the list and types into the text.
class ToneEditor : public QComboBox {
  Q_OBJECT
 public:
  explicit ToneEditor(QWidget* parent = nullptr);

  // The list position whose text equals the edited text, -1 when none does.
  int matchingPosition() const;

 Q_SIGNALS:
  void enterPressed();
  void editingLeft();
  void escapePressed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// The option list of an option column: two entries, no typing.
class OptionEditor : public QComboBox {
  Q_OBJECT
 public:
  explicit OptionEditor(QWidget* parent = nullptr);

 Q_SIGNALS:
  void editingLeft();
  void escapePressed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace qx210
