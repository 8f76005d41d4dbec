#include "gui/access_keys.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>

namespace qx210 {

namespace {

constexpr char kAccessKeyProperty[] = "qx210AccessKey";

QChar CaptionKey(const QAction* action) {
  const QKeySequence mnemonic = QKeySequence::mnemonic(action->text());
  return mnemonic.isEmpty() ? QChar() : QChar(mnemonic[0].key() & 0xffff).toUpper();
}

bool Answers(const QAction* action) { return action->isVisible() && action->isEnabled() && !action->isSeparator(); }

class AccessKeyFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* menu = qobject_cast<QMenu*>(watched);
    if (!menu || event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~(Qt::AltModifier | Qt::ShiftModifier) || key->text().size() != 1) return false;
    const QChar letter = key->text().front().toUpper();
    if (!letter.isLetterOrNumber()) return false;
    const QList<QAction*> actions = menu->actions();
    // A letter shown in a caption is Qt's to handle.
    for (const QAction* action : actions)
      if (Answers(action) && CaptionKey(action) == letter) return false;
    for (QAction* action : actions) {
      if (!Answers(action) || action->property(kAccessKeyProperty).value<QChar>() != letter) continue;
      // As if the item had been reached with the arrow keys and chosen.
      menu->setActiveAction(action);
      QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
      QCoreApplication::sendEvent(menu, &enter);
      return true;
    }
    return false;
  }
};

class CtrlTabFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!(key->modifiers() & Qt::ControlModifier) || (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab))
      return false;
    // The window moves the focus on as it does for Tab outside the table.
    const bool back = key->key() == Qt::Key_Backtab || key->modifiers() & Qt::ShiftModifier;
    QKeyEvent tab(QEvent::KeyPress, back ? Qt::Key_Backtab : Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(static_cast<QWidget*>(watched)->window(), &tab);
    return true;
  }
};

}  // namespace

void LeaveWithCtrlTab(QAbstractItemView* view) {
  static CtrlTabFilter* filter = new CtrlTabFilter(QCoreApplication::instance());
  view->installEventFilter(filter);
}

void SetAccessKey(QAction* action, QChar letter) { action->setProperty(kAccessKeyProperty, letter.toUpper()); }

QChar AccessKey(const QAction* action) {
  const QChar shown = CaptionKey(action);
  return shown.isNull() ? action->property(kAccessKeyProperty).value<QChar>() : shown;
}

void WatchAccessKeys(QMenu* menu) {
  static AccessKeyFilter* filter = new AccessKeyFilter(QCoreApplication::instance());
  menu->installEventFilter(filter);
  for (QAction* action : menu->actions())
    if (action->menu()) WatchAccessKeys(action->menu());
}

}  // namespace qx210
