#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTest>

#include "support/dialog_test_util.h"
#include "gui/optional_functions_dialog.h"

namespace qx210 {
namespace {

using testing::Child;

class OptionalFunctions : public testing::DialogFixture {
 protected:
  OptionalFunctionsDialog& open() {
    m_dialogs->showOptionalFunctions();
    return m_dialogs->optionalFunctions();
  }
  void ok(OptionalFunctionsDialog& d) { QTest::mouseClick(Child<QPushButton>(d, "Command1"), Qt::LeftButton); }
  void cancel(OptionalFunctionsDialog& d) { QTest::mouseClick(Child<QPushButton>(d, "Command2"), Qt::LeftButton); }
};

TEST_F(OptionalFunctions, ShowsTheHeldValues) {
  holdChanged([](RadioSettings& s) {
    s.optional.priority = 2;
    s.optional.priorityChannel = 16;
    s.optional.lookBackTimeA = 91;
    s.optional.lookBackTimeB = 0;
    s.optional.voxGainLevel = 10;
    s.optional.dropoutDelayTime = 300;
    s.optional.cancelOperation = false;
  });
  auto& d = open();
  EXPECT_TRUE(d.isVisible());
  EXPECT_EQ(Child<QComboBox>(d, "Combo11")->currentIndex(), 2);
  auto* channel = Child<QComboBox>(d, "Combo12");
  EXPECT_EQ(channel->currentIndex(), 15);
  EXPECT_EQ(channel->currentText(), QStringLiteral("16"));
  EXPECT_EQ(Child<QComboBox>(d, "Combo13")->currentText(), QStringLiteral("5.00"));
  EXPECT_EQ(Child<QComboBox>(d, "Combo14")->currentText(), QStringLiteral("Empty"));
  EXPECT_EQ(Child<QComboBox>(d, "Combo7")->currentText(), QStringLiteral("10"));
  EXPECT_EQ(Child<QSpinBox>(d, "Text5")->value(), 300);
  EXPECT_FALSE(Child<QCheckBox>(d, "Check3")->isChecked());
  EXPECT_TRUE(Child<QCheckBox>(d, "Check4")->isChecked());
  EXPECT_EQ(Child<QLineEdit>(d, "Text3")->text(), QStringLiteral("1"));
  EXPECT_EQ(Child<QTableWidget>(d, "mfgrid1")->item(7, 1)->text(), QStringLiteral("8"));
}

TEST_F(OptionalFunctions, OkStoresWhatWasChanged) {
  QSignalSpy changed(m_document.get(), &Document::changed);
  auto& d = open();
  Child<QComboBox>(d, "Combo7")->setCurrentIndex(5);
  Child<QComboBox>(d, "Combo12")->setCurrentIndex(15);
  Child<QComboBox>(d, "Combo13")->setCurrentIndex(91);
  Child<QComboBox>(d, "Combo15")->setCurrentIndex(3);
  Child<QSpinBox>(d, "Text5")->setValue(120);
  Child<QSpinBox>(d, "Text6")->setValue(7);
  Child<QCheckBox>(d, "Check4")->setChecked(false);
  Child<QComboBox>(d, "Combo21")->setCurrentIndex(15);
  Child<QTableWidget>(d, "mfgrid1")->item(2, 1)->setText(QStringLiteral("123#"));
  ok(d);
  EXPECT_FALSE(d.isVisible());
  const auto& v = settings().optional;
  EXPECT_EQ(v.voxGainLevel, 5);
  EXPECT_EQ(v.priorityChannel, 16);
  EXPECT_EQ(v.lookBackTimeA, 91);
  EXPECT_EQ(v.revertChannel, 3);
  EXPECT_EQ(v.dropoutDelayTime, 120);
  EXPECT_EQ(v.txDwellTime, 7);
  EXPECT_FALSE(v.voxInhibitOnReceive);
  EXPECT_EQ(v.autoResetTimer, 15);
  EXPECT_EQ(v.autoDial[2], QStringLiteral("123#"));
  EXPECT_EQ(changed.count(), 1);
}

TEST_F(OptionalFunctions, CancelAndCloseBoxDiscardAndOnlyHide) {
  const RadioSettings before = settings();
  auto& d = open();
  const QPointer<QWidget> alive(&d);
  Child<QComboBox>(d, "Combo7")->setCurrentIndex(9);
  cancel(d);
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(settings(), before);

  open();
  // Shown again: the held value, not the discarded edit.
  EXPECT_EQ(Child<QComboBox>(d, "Combo7")->currentIndex(), 1);
  Child<QSpinBox>(d, "Text6")->setValue(250);
  d.close();
  EXPECT_TRUE(alive);
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(settings(), before);
}

TEST_F(OptionalFunctions, DelaysAreEditedFrom0To300) {
  auto& d = open();
  auto* dropout = Child<QSpinBox>(d, "Text5");
  EXPECT_EQ(dropout->minimum(), 0);
  EXPECT_EQ(dropout->maximum(), 300);
  dropout->setValue(299);
  QTest::keyClick(dropout, Qt::Key_Up);
  QTest::keyClick(dropout, Qt::Key_Up);
  EXPECT_EQ(dropout->value(), 300);
  ok(d);
  EXPECT_EQ(settings().optional.dropoutDelayTime, 300);
}

TEST_F(OptionalFunctions, IdCodeKeyFilter) {
  auto& d = open();
  auto* id = Child<QLineEdit>(d, "Text1");
  QTest::keyClicks(id, QStringLiteral("abc#"));
  EXPECT_EQ(id->text(), QStringLiteral("ABC#"));
  QTest::keyClick(id, 'E');
  QTest::keyClick(id, Qt::Key_E, Qt::ShiftModifier);
  QTest::keyClicks(id, QStringLiteral("-x "));
  EXPECT_EQ(id->text(), QStringLiteral("ABC#"));
  QTest::keyClicks(id, QStringLiteral("*012d9"));
  EXPECT_EQ(id->text(), QStringLiteral("ABC#*012D9"));
  QTest::keyClick(id, '7');  // the eleventh character
  EXPECT_EQ(id->text(), QStringLiteral("ABC#*012D9"));
  QTest::keyClick(id, Qt::Key_Backspace);
  EXPECT_EQ(id->text(), QStringLiteral("ABC#*012D"));
  QTest::keyClick(id, '7');
  EXPECT_EQ(id->text(), QStringLiteral("ABC#*012D7"));
  id->setSelection(0, 2);
  QTest::keyClick(id, 'b');  // replaces the selection in a full field
  EXPECT_EQ(id->text(), QStringLiteral("BC#*012D7"));
  ok(d);
  EXPECT_EQ(settings().optional.idCode, QStringLiteral("BC#*012D7"));
}

TEST_F(OptionalFunctions, StartAndEndCodesTakeSixteen) {
  auto& d = open();
  for (const char* name : {"Text3", "Text4"}) {
    auto* code = Child<QLineEdit>(d, name);
    code->clear();
    QTest::keyClicks(code, QStringLiteral("0123456789abcd*#5"));
    EXPECT_EQ(code->text(), QStringLiteral("0123456789ABCD*#")) << name;
  }
}

TEST_F(OptionalFunctions, PastedCodeIsFiltered) {
  auto& d = open();
  auto* id = Child<QLineEdit>(d, "Text1");
  id->clear();
  QGuiApplication::clipboard()->setText(QStringLiteral("12ab-x#*e9876543"));
  if (QGuiApplication::clipboard()->text() != QStringLiteral("12ab-x#*e9876543"))
    GTEST_SKIP() << "no clipboard on this platform";
  QTest::keyClick(id, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(id->text(), QStringLiteral("12AB#*9876"));
}

TEST_F(OptionalFunctions, AutoDialEditorFiltersKeys) {
  auto& d = open();
  auto* grid = Child<QTableWidget>(d, "mfgrid1");
  QStyledItemDelegate* delegate = qobject_cast<QStyledItemDelegate*>(grid->itemDelegateForColumn(1));
  ASSERT_NE(delegate, nullptr);
  QWidget parent;
  std::unique_ptr<QWidget> editor(delegate->createEditor(&parent, QStyleOptionViewItem(), grid->model()->index(0, 1)));
  auto* line = qobject_cast<QLineEdit*>(editor.get());
  ASSERT_NE(line, nullptr);
  QTest::keyClicks(line, QStringLiteral("1a2b*#ex0123456789abcd"));
  EXPECT_EQ(line->text(), QStringLiteral("1A2B*#0123456789ABCD"));  // no length limit while typing
}

TEST_F(OptionalFunctions, OverlongAutoDialMemoryIsReportedAndKept) {
  auto& d = open();
  auto* cell = Child<QTableWidget>(d, "mfgrid1")->item(0, 1);
  cell->setText(QStringLiteral("0123456789ABCD*#"));
  EXPECT_TRUE(m_messages.empty());
  cell->setText(QStringLiteral("0123456789ABCD*#1"));
  ASSERT_EQ(m_messages.size(), 1u);
  EXPECT_EQ(m_messages[0].text, QString::fromUtf8("存储器只能存储16位！"));  // Chinese in both languages
  EXPECT_EQ(m_messages[0].icon, QMessageBox::Critical);
  EXPECT_FALSE(m_messages[0].title.isEmpty());  // the application's title
  EXPECT_EQ(cell->text(), QStringLiteral("0123456789ABCD*#1"));
  ok(d);
  EXPECT_EQ(settings().optional.autoDial[0], QStringLiteral("0123456789ABCD*#1"));
}

TEST_F(OptionalFunctions, HiddenControlsStayHiddenButCarryTheirValues) {
  holdChanged([](RadioSettings& s) {
    s.optional.pttId = 2;
    s.optional.duplicate = 0;
    s.optional.dtmfRate = 3;
    s.optional.dKeySetting = 16;
  });
  auto& d = open();
  for (const char* name : {"Combo4", "Combo10", "Combo0", "Combo19"})
    EXPECT_FALSE(Child<QWidget>(d, name)->isVisible()) << name;
  EXPECT_EQ(Child<QComboBox>(d, "Combo4")->currentIndex(), 2);
  EXPECT_EQ(Child<QComboBox>(d, "Combo19")->currentText(), QString::fromUtf8("16秒"));
  Child<QComboBox>(d, "Combo4")->setCurrentIndex(0);
  Child<QComboBox>(d, "Combo10")->setCurrentIndex(1);
  Child<QComboBox>(d, "Combo0")->setCurrentIndex(1);
  ok(d);
  EXPECT_EQ(settings().optional.pttId, 0);
  EXPECT_EQ(settings().optional.duplicate, 1);
  EXPECT_EQ(settings().optional.dtmfRate, 1);
  EXPECT_EQ(settings().optional.dKeySetting, 16);
}

TEST_F(OptionalFunctions, ValuesTheDialogDoesNotShowAreLeftAlone) {
  holdChanged([](RadioSettings& s) {
    s.optional.firstDigitDelay = 350;
    s.optional.groupCallCode = 0x35;
  });
  auto& d = open();
  Child<QComboBox>(d, "Combo6")->setCurrentIndex(0);
  ok(d);
  EXPECT_EQ(settings().optional.voxFunction, 0);
  EXPECT_EQ(settings().optional.firstDigitDelay, 350);
  EXPECT_EQ(settings().optional.groupCallCode, 0x35);
}

}  // namespace
}  // namespace qx210
