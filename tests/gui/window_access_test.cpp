// The window for keyboard users, screen readers, larger fonts and dark
// palettes.
#include <QAccessible>
#include <QAbstractItemView>
#include <QAccessibleActionInterface>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "gui/about_dialog.h"
#include "gui/access_keys.h"
#include "gui/channel_table_model.h"
#include "gui/colour_contrast.h"
#include "gui/debug_parameters_dialog.h"
#include "gui/dialog_set.h"
#include "gui/embedded_message_dialog.h"
#include "gui/key_assignment_dialog.h"
#include "gui/optional_functions_dialog.h"
#include "gui/settings_panel.h"
#include "gui/test_frequency_dialog.h"
#include "support/main_window_fixture.h"

namespace qx210::testing {
namespace {

class WindowAccessTest : public MainWindowTest {
 protected:
  // The six dialogs of the window.
  static QList<QWidget*> AllDialogs(DialogSet& dialogs) {
    return {&dialogs.optionalFunctions(), &dialogs.keyAssignment(), &dialogs.embeddedMessage(),
            &dialogs.debugParameters(), &dialogs.testFrequencies(), &dialogs.about()};
  }
  // Everything the accessibility tree shows below `root`, depth first.
  static void Walk(QAccessibleInterface* root, const std::function<void(QAccessibleInterface*)>& visit, int depth = 0) {
    ASSERT_LT(depth, 40);
    visit(root);
    // A table's cells are its own; their names are the cell texts.
    if (root->role() == QAccessible::Table) return;
    for (int i = 0; i < root->childCount(); ++i)
      if (QAccessibleInterface* child = root->child(i)) Walk(child, visit, depth + 1);
  }

  // Names every focusable control, names lists by something else than the
  // entry they show, and lists nothing hidden.
  static void ExpectNamedControls(QWidget* window) {
    int controls = 0;
    Walk(QAccessible::queryAccessibleInterface(window), [&](QAccessibleInterface* node) {
      const QString name = node->text(QAccessible::Name);
      const QString what = node->object() ? node->object()->objectName() : QString();
      // Menus are hidden until they drop down, and belong to the tree all the same.
      if (auto* widget = qobject_cast<QWidget*>(node->object()); widget && !qobject_cast<QMenu*>(widget)) {
        EXPECT_FALSE(widget->isHidden()) << "hidden control listed: " << what.toStdString();
      }
      if (!node->state().focusable || node->state().invisible) return;
      ++controls;
      EXPECT_FALSE(name.trimmed().isEmpty()) << "no name: " << what.toStdString() << " role " << node->role();
      EXPECT_EQ(name, name.simplified()) << what.toStdString();
      if (node->role() == QAccessible::ComboBox && !node->text(QAccessible::Value).isEmpty()) {
        EXPECT_NE(name, node->text(QAccessible::Value)) << "list named by its value: " << what.toStdString();
      }
    });
    EXPECT_GT(controls, 0);
  }

  void use(UiLanguage language) {
    if (language == kChinese)
      window->chooseChinese();
    else
      window->chooseEnglish();
  }

  QString nameOf(QObject* object) {
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
  }

  // Tab presses from the table until it has the focus again.
  QStringList tabChain(Qt::Key key) {
    grid()->setFocus();
    QStringList chain;
    for (int i = 0; i < 20; ++i) {
      QTest::keyClick(QApplication::focusWidget(), key);
      if (QApplication::focusWidget() == grid()) return chain;
      chain << QApplication::focusWidget()->objectName();
    }
    return chain << QStringLiteral("...");
  }
};

TEST_F(WindowAccessTest, ScreenReaderNamesEveryControlOfTheWindowAndTheDialogs) {
  start();
  for (UiLanguage language : {kEnglish, kChinese}) {
    use(language);
    ExpectNamedControls(window.get());
    EXPECT_EQ(nameOf(grid()), language == kChinese ? QStringLiteral("信道表") : QStringLiteral("Channels"));
    // Lists by their captions, whatever entry they show.
    EXPECT_EQ(nameOf(window->findChild<QComboBox*>(QStringLiteral("Combo3"))),
              language == kChinese ? QStringLiteral("发射超时") : QStringLiteral("Time-out Timer:"));
    EXPECT_EQ(nameOf(window->findChild<QComboBox*>(QStringLiteral("Combo1"))),
              language == kChinese ? QStringLiteral("频段") : QStringLiteral("Range"));
    auto* toolBar = window->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
    EXPECT_EQ(nameOf(toolBar->widgetForAction(window->toolbarReadAction())),
              language == kChinese ? QStringLiteral("读频") : QStringLiteral("Read frequency"));
    // Menu items as they read: no access marks, no written-in key, no blanks.
    EXPECT_EQ(nameOf(window->findChild<QAction*>(QStringLiteral("mnumainhelp"))),
              language == kChinese ? QStringLiteral("帮助主题") : QStringLiteral("The help topic"));
    EXPECT_EQ(nameOf(window->findChild<QAction*>(QStringLiteral("mnudtmf"))),
              language == kChinese ? QStringLiteral("可选功能") : QStringLiteral("Optional function"));
    EXPECT_EQ(nameOf(window->findChild<QAction*>(QStringLiteral("mnucom"))),
              language == kChinese ? QStringLiteral("通信端口") : QStringLiteral("Communication port"));

    for (QWidget* dialog : AllDialogs(window->dialogs())) {
      SCOPED_TRACE(dialog->objectName().toStdString());
      dialog->show();
      ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
      ExpectNamedControls(dialog);
      dialog->hide();
    }
  }
  // An open in-place editor is named by its cell.
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  typeFrequency(3, kColRxFreq, QStringLiteral("446.1"));
  use(kEnglish);
  clickCell(3, kColPower);
  EXPECT_EQ(nameOf(combo5(kColPower)), QStringLiteral("Power, channel 3"));
}

TEST_F(WindowAccessTest, EveryMenuItemHasItsOwnAccessLetterInBothLanguages) {
  start();
  for (UiLanguage language : {kEnglish, kChinese}) {
    use(language);
    const std::function<void(QMenu*)> check = [&](QMenu* menu) {
      QSet<QChar> used;
      for (QAction* action : menu->actions()) {
        if (action->isSeparator() || !action->isVisible()) continue;
        const QChar letter = AccessKey(action);
        EXPECT_FALSE(letter.isNull()) << action->text().toStdString();
        EXPECT_FALSE(used.contains(letter)) << "twice in " << menu->title().toStdString() << ": "
                                             << action->text().toStdString();
        used.insert(letter);
        if (action->menu()) check(action->menu());
      }
    };
    QSet<QChar> titles;
    for (QAction* menu : window->menuBar()->actions()) {
      EXPECT_FALSE(titles.contains(AccessKey(menu))) << menu->text().toStdString();
      titles.insert(AccessKey(menu));
      check(menu->menu());
    }
  }
  // A Chinese caption without its letter still answers it.
  auto* help = window->findChild<QMenu*>(QStringLiteral("mnuhelp"));
  help->popup(window->mapToGlobal(QPoint(0, 0)));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
  QTest::keyClick(help, Qt::Key_A);
  EXPECT_TRUE(QTest::qWaitFor([&] { return window->dialogs().about().isVisible(); }, 2000));
  EXPECT_FALSE(help->isVisible());
  window->dialogs().about().hide();
}

TEST_F(WindowAccessTest, TabMovesBetweenTableBandListAndSettings) {
  start();
  const QStringList forward{"Combo1", "Combo2", "Combo3", "Combo9", "Combo6", "Combo7", "Combo10"};
  EXPECT_EQ(tabChain(Qt::Key_Tab), forward);
  QStringList backward = forward;
  std::reverse(backward.begin(), backward.end());
  EXPECT_EQ(tabChain(Qt::Key_Backtab), backward);
  // Ctrl+Tab leaves the table too; the arrow keys stay in it.
  grid()->setCurrentIndex(grid()->model()->index(0, kColRxFreq));
  QTest::keyClick(grid(), Qt::Key_Right);
  EXPECT_TRUE(grid()->hasFocus());
  EXPECT_EQ(grid()->currentIndex().column(), kColRxFreq + 1);
  QTest::keyClick(grid(), Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Combo1"));
}

// Tab reaches every control of every dialog (Ctrl+Tab leaves a table, as in
// Qt's item views) and Escape closes it.
TEST_F(WindowAccessTest, EveryDialogWorksFromTheKeyboard) {
  start();
  for (QWidget* dialog : AllDialogs(window->dialogs())) {
    SCOPED_TRACE(dialog->objectName().toStdString());
    dialog->show();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    QSet<QWidget*> reached;
    for (int i = 0; i < 80; ++i) {
      QWidget* focus = QApplication::focusWidget();
      ASSERT_NE(focus, nullptr);
      reached.insert(focus);
      const bool inTable = qobject_cast<QAbstractItemView*>(focus) != nullptr;
      QTest::keyClick(focus, Qt::Key_Tab, inTable ? Qt::ControlModifier : Qt::NoModifier);
    }
    for (QWidget* control : dialog->findChildren<QWidget*>()) {
      if (!control->isVisible() || !control->isEnabled() || !(control->focusPolicy() & Qt::TabFocus)) continue;
      if (control->focusProxy()) continue;
      EXPECT_TRUE(reached.contains(control)) << "not reached by Tab: " << control->objectName().toStdString() << " "
                                             << control->metaObject()->className();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog->isVisible(); }, 1000));
    dialog->hide();
  }
}

TEST_F(WindowAccessTest, EscapeClosesAListEditorWithoutWriting) {
  start();
  typeFrequency(2, kColRxFreq, QStringLiteral("446.1"));
  const bool wide = channel(2).wide;
  grid()->setCurrentIndex(grid()->model()->index(1, kColWn));
  QTest::keyClick(grid(), Qt::Key_Return);
  ASSERT_TRUE(combo5(kColWn)->isVisible());
  QTest::keyClick(combo5(kColWn), Qt::Key_Down);  // shown, not picked
  QTest::keyClick(combo5(kColWn), Qt::Key_Escape);
  EXPECT_FALSE(combo5(kColWn)->isVisible());
  EXPECT_TRUE(grid()->hasFocus());
  EXPECT_EQ(channel(2).wide, wide);
  EXPECT_EQ(grid()->currentIndex(), grid()->model()->index(1, kColWn));
  // Dropped down, Escape closes the list and the editor together.
  grid()->setDropDownLists(true);
  QTest::keyClick(grid(), Qt::Key_Return);
  ASSERT_TRUE(QTest::qWaitFor([&] { return combo5(kColWn)->view()->isVisible(); }, 2000));
  QTest::keyClick(combo5(kColWn)->view(), Qt::Key_Escape);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !combo5(kColWn)->view()->isVisible(); }, 2000));
  EXPECT_FALSE(combo5(kColWn)->isVisible());
  EXPECT_EQ(channel(2).wide, wide);
}

TEST_F(WindowAccessTest, EvenRowsKeepTheirBlueOnlyWhereTextStaysReadable) {
  start();
  const QModelIndex even = grid()->model()->index(1, kColRxFreq);
  EXPECT_EQ(even.data(Qt::BackgroundRole).value<QBrush>().color(), QColor(192, 192, 255));
  QPalette dark = grid()->palette();
  dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
  dark.setColor(QPalette::AlternateBase, QColor(0x3a, 0x3a, 0x42));
  dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
  window->setPalette(dark);
  EXPECT_FALSE(even.data(Qt::BackgroundRole).isValid());
  EXPECT_TRUE(grid()->alternatingRowColors());
  EXPECT_GE(ContrastRatio(grid()->palette().color(QPalette::AlternateBase), grid()->palette().color(QPalette::Text)),
            kReadableContrast);
  window->setPalette(QPalette());
  EXPECT_EQ(even.data(Qt::BackgroundRole).value<QBrush>().color(), QColor(192, 192, 255));
  EXPECT_FALSE(grid()->alternatingRowColors());
}

TEST_F(WindowAccessTest, LargerFontsAndChineseKeepEveryChannelAndCaptionWhole) {
  start();
  for (UiLanguage language : {kEnglish, kChinese})
    for (int points : {11, 14}) {
      SCOPED_TRACE(points);
      use(language);
      QFont font = window->font();
      font.setPointSize(points);
      window->setFont(font);
      // The window grows once its layout has taken the new font.
      const auto lastRowShown = [this] {
        return grid()->viewport()->rect().contains(grid()->visualRect(grid()->model()->index(15, kColScanAdd)));
      };
      EXPECT_TRUE(QTest::qWaitFor(lastRowShown, 2000));
      const QHeaderView* header = grid()->horizontalHeader();
      for (int c = 0; c < kColumnCount; ++c)
        EXPECT_LT(header->fontMetrics().horizontalAdvance(ChannelTableModel::columnCaption(c)), header->sectionSize(c)) << c;
      QTest::qWait(20);
      for (const QLabel* label : window->settingsPanel()->findChildren<QLabel*>())
        if (label->isVisible()) {
          EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << label->text().toStdString();
        }
    }
}

}  // namespace
}  // namespace qx210::testing
