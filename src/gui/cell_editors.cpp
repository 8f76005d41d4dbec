#include "gui/cell_editors.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>

#include "core/frequency_entry.h"
#include "core/tone_entry.h"

namespace qx210 {

namespace {

bool IsEnter(const QKeyEvent* event) { return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter; }

// Keys that type no character (arrows, Home, F4, Delete...) are the editor's own.
bool TypesCharacter(const QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) return false;
  return !event->text().isEmpty();
}

bool IsEscape(const QEvent* event) {
  return event->type() == QEvent::KeyPress && static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Escape;
}

// The focus moving into the editor's own drop-down list does not end the edit.
bool EndsEdit(const QFocusEvent* event) { return event->reason() != Qt::PopupFocusReason; }

}  // namespace

FrequencyEditor::FrequencyEditor(QWidget* parent) : QLineEdit(parent) {
  // Only typed characters reach the editor; a pasted text is checked on leaving anyway.
  setContextMenuPolicy(Qt::NoContextMenu);
  setAlignment(Qt::AlignCenter);
}

void FrequencyEditor::keyPressEvent(QKeyEvent* event) {
  if (IsEnter(event)) {
    event->accept();
    Q_EMIT enterPressed();
    return;
  }
  if (TypesCharacter(event) && (event->text().size() != 1 || !IsFrequencyCharacter(event->text().front()))) {
    event->accept();  // discarded
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void FrequencyEditor::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (EndsEdit(event) && isVisible()) Q_EMIT editingLeft();
}

ToneEditor::ToneEditor(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);  // no inline completion: the text is exactly what was typed
  setMaxVisibleItems(12);
  lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
  view()->installEventFilter(this);
}

int ToneEditor::matchingPosition() const {
  return findText(currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void ToneEditor::keyPressEvent(QKeyEvent* event) {
  if (IsEscape(event)) {
    event->accept();
    Q_EMIT escapePressed();
    return;
  }
  if (IsEnter(event)) {
    event->accept();
    Q_EMIT enterPressed();
    return;
  }
  if (!TypesCharacter(event)) {
    QComboBox::keyPressEvent(event);
    return;
  }
  const QChar kept = event->text().size() == 1 ? FilterToneCharacter(event->text().front()) : QChar();
  if (kept.isNull()) {
    event->accept();  // discarded
    return;
  }
  if (kept == event->text().front()) {
    QComboBox::keyPressEvent(event);
    return;
  }
  QKeyEvent raised(QEvent::KeyPress, event->key(), event->modifiers(), QString(kept), event->isAutoRepeat());
  QComboBox::keyPressEvent(&raised);
  event->setAccepted(raised.isAccepted());
}

void ToneEditor::focusOutEvent(QFocusEvent* event) {
  QComboBox::focusOutEvent(event);
  if (EndsEdit(event) && isVisible() && !view()->isVisible()) Q_EMIT editingLeft();
}

bool ToneEditor::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view() && IsEscape(event)) {
    hidePopup();
    Q_EMIT escapePressed();
    return true;
  }
  if (watched == view() && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const bool navigation = IsEnter(key) || key->key() == Qt::Key_Escape || key->key() == Qt::Key_Tab;
    if (!navigation && TypesCharacter(key)) {
      // Typing goes to the text, as in a combo box whose list follows the text.
      hidePopup();
      lineEdit()->selectAll();  // the first typed character replaces the shown entry
      QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers(), key->text(), key->isAutoRepeat());
      QCoreApplication::sendEvent(this, &copy);
      return true;
    }
  }
  return QComboBox::eventFilter(watched, event);
}

OptionEditor::OptionEditor(QWidget* parent) : QComboBox(parent) { view()->installEventFilter(this); }

void OptionEditor::keyPressEvent(QKeyEvent* event) {
  if (IsEscape(event)) {
    event->accept();
    Q_EMIT escapePressed();
    return;
  }
  QComboBox::keyPressEvent(event);
}

bool OptionEditor::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view() && IsEscape(event)) {
    hidePopup();
    Q_EMIT escapePressed();
    return true;
  }
  return QComboBox::eventFilter(watched, event);
}

void OptionEditor::focusOutEvent(QFocusEvent* event) {
  QComboBox::focusOutEvent(event);
  if (EndsEdit(event) && isVisible() && !view()->isVisible()) Q_EMIT editingLeft();
}

}  // namespace qx210
