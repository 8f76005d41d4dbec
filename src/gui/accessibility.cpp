#include "gui/accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QStatusBar>
#include <QToolBar>

namespace qx210 {

namespace {

// A widget's children as the tree shows them: the controls that are not
// hidden, not windows of their own and not menus.
QList<QWidget*> ShownChildren(const QWidget* widget) {
  QList<QWidget*> shown;
  for (QObject* object : widget->children()) {
    auto* child = qobject_cast<QWidget*>(object);
    if (child && !child->isWindow() && !child->isHidden() && !qobject_cast<QMenu*>(child)) shown << child;
  }
  return shown;
}

// A container (a plain widget, a frame, the tool bar, the status bar) that
// lists only the controls it shows.
class ShownChildrenAccessible : public QAccessibleWidget {
 public:
  ShownChildrenAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

  int childCount() const override { return static_cast<int>(ShownChildren(widget()).size()); }
  QAccessibleInterface* child(int index) const override {
    const QList<QWidget*> shown = ShownChildren(widget());
    return index >= 0 && index < shown.size() ? QAccessible::queryAccessibleInterface(shown.at(index)) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child ? static_cast<int>(ShownChildren(widget()).indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      if (auto* frame = qobject_cast<QGroupBox*>(widget())) return SpokenCaption(frame->title());
      if (auto* bar = qobject_cast<QToolBar*>(widget())) return bar->windowTitle();
    }
    return QAccessibleWidget::text(t);
  }
};

// A list named by its label or accessible name, whose value is the entry it
// shows; its pop-up list and, when it takes typing, its text are its children.
class LabelledComboBoxAccessible : public QAccessibleWidget {
 public:
  explicit LabelledComboBoxAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {
    addControllingSignal(QStringLiteral("currentIndexChanged(int)"));
  }

  QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return combo()->isEditable() ? combo()->lineEdit()->text() : combo()->currentText();
    if (t == QAccessible::Accelerator) return QKeySequence(Qt::Key_F4).toString(QKeySequence::NativeText);
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.expandable = true;
    s.expanded = combo()->view()->isVisible();
    s.editable = combo()->isEditable();
    return s;
  }
  int childCount() const override { return combo()->isEditable() ? 2 : 1; }
  QAccessibleInterface* child(int index) const override {
    if (index == 0) return QAccessible::queryAccessibleInterface(combo()->view());
    if (index == 1 && combo()->isEditable()) return QAccessible::queryAccessibleInterface(combo()->lineEdit());
    return nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (!child) return -1;
    if (child->object() == combo()->view()) return 0;
    if (combo()->isEditable() && child->object() == combo()->lineEdit()) return 1;
    return -1;
  }
  QStringList actionNames() const override {
    return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& name) override {
    if (name == showMenuAction() || name == pressAction()) {
      if (combo()->view()->isVisible())
        combo()->hidePopup();
      else
        combo()->showPopup();
      return;
    }
    QAccessibleWidget::doAction(name);
  }
};

// A menu item named by its caption as it reads.
class MenuItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  MenuItemAccessible(QWidget* owner, QAction* action) : m_owner(owner), m_action(action) {}

  bool isValid() const override { return m_owner && m_action; }
  QObject* object() const override { return m_action; }
  QWindow* window() const override { return m_owner ? m_owner->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_owner); }
  QAccessibleInterface* child(int index) const override {
    return index == 0 && m_action->menu() ? QAccessible::queryAccessibleInterface(m_action->menu()) : nullptr;
  }
  int childCount() const override { return m_action->menu() ? 1 : 0; }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child && m_action->menu() && child->object() == m_action->menu() ? 0 : -1;
  }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return SpokenCaption(m_action->text());
    if (t == QAccessible::Accelerator) return keyBinding();
    if (t == QAccessible::Description) return m_action->statusTip();
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}

  QRect rect() const override {
    QRect area;
    if (auto* menu = qobject_cast<QMenu*>(m_owner))
      area = menu->actionGeometry(m_action);
    else if (auto* bar = qobject_cast<QMenuBar*>(m_owner))
      area = bar->actionGeometry(m_action);
    return area.isValid() ? QRect(m_owner->mapToGlobal(area.topLeft()), area.size()) : QRect();
  }
  QAccessible::Role role() const override {
    return m_action->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
  }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.invisible = !m_action->isVisible();
    s.disabled = !m_action->isEnabled();
    s.focusable = !m_action->isSeparator();
    s.checkable = m_action->isCheckable();
    s.checked = m_action->isChecked();
    s.hasPopup = m_action->menu() != nullptr;
    QAction* active = nullptr;
    if (auto* menu = qobject_cast<QMenu*>(m_owner)) active = menu->activeAction();
    if (auto* bar = qobject_cast<QMenuBar*>(m_owner)) active = bar->activeAction();
    s.focused = s.hotTracked = active == m_action;
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }

  QStringList actionNames() const override {
    if (m_action->isSeparator() || !m_action->isEnabled()) return {};
    if (m_action->menu()) return {showMenuAction()};
    return {m_action->isCheckable() ? toggleAction() : pressAction()};
  }
  void doAction(const QString& name) override {
    if (!m_action->isEnabled()) return;
    if (name == showMenuAction()) {
      if (auto* bar = qobject_cast<QMenuBar*>(m_owner)) bar->setActiveAction(m_action);
      else if (auto* menu = qobject_cast<QMenu*>(m_owner)) menu->setActiveAction(m_action);
      return;
    }
    if (name == pressAction() || name == toggleAction()) {
      if (auto* menu = qobject_cast<QMenu*>(m_owner)) menu->hide();
      m_action->trigger();
    }
  }
  QStringList keyBindingsForAction(const QString& name) const override {
    return actionNames().contains(name) && !keyBinding().isEmpty() ? QStringList{keyBinding()} : QStringList{};
  }

 private:
  QString keyBinding() const {
    QKeySequence key = m_action->shortcut();
    if (key.isEmpty()) key = QKeySequence::mnemonic(m_action->text());
    return key.toString(QKeySequence::NativeText);
  }

  QPointer<QWidget> m_owner;
  QPointer<QAction> m_action;
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
  if (auto* action = qobject_cast<QAction*>(object)) {
    // The menu or menu bar that shows it; actions elsewhere keep Qt's own.
    for (QObject* place : action->associatedObjects())
      if (qobject_cast<QMenu*>(place) || qobject_cast<QMenuBar*>(place))
        return new MenuItemAccessible(static_cast<QWidget*>(place), action);
    return nullptr;
  }
  if (!object || !object->isWidgetType()) return nullptr;
  auto* widget = static_cast<QWidget*>(object);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) return new LabelledComboBoxAccessible(combo);
  if (auto* frame = qobject_cast<QGroupBox*>(widget); frame && !frame->isCheckable())
    return new ShownChildrenAccessible(widget, QAccessible::Grouping);
  if (qobject_cast<QToolBar*>(widget)) return new ShownChildrenAccessible(widget, QAccessible::ToolBar);
  if (qobject_cast<QStatusBar*>(widget)) return new ShownChildrenAccessible(widget, QAccessible::StatusBar);
  // Message boxes keep Qt's own, which reads out their text.
  if (qobject_cast<QDialog*>(widget) && !qobject_cast<QMessageBox*>(widget))
    return new ShownChildrenAccessible(widget, QAccessible::Dialog);
  if (className == QLatin1String("QWidget")) return new ShownChildrenAccessible(widget, QAccessible::Client);
  return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(Factory);
}

QString SpokenCaption(const QString& caption) {
  QString text = caption;
  // An access letter in brackets after the caption, then the marks of the others.
  static const QRegularExpression bracketedLetter(QStringLiteral("\\(&[^)]\\)"));
  text.remove(bracketedLetter);
  text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  text.remove(QLatin1Char('&'));
  text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
  // A key written into the caption (the help topic's F1) is the shortcut, not the name.
  static const QRegularExpression writtenKey(QStringLiteral("\\s+F\\d+\\s*$"));
  text.remove(writtenKey);
  return text.simplified();
}

}  // namespace qx210
