#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include "support/dialog_test_util.h"
#include "gui/about_dialog.h"
#include "gui/debug_parameters_dialog.h"
#include "core/dialog_rules.h"
#include "gui/embedded_message_dialog.h"
#include "gui/key_assignment_dialog.h"
#include "gui/optional_functions_dialog.h"
#include "gui/test_frequency_dialog.h"
#include "core/codec.h"

namespace qx210 {
namespace {

using testing::Child;

Frequency MHz(const char* text) { return *Frequency::fromText(QString::fromLatin1(text)); }

class AllDialogs : public testing::DialogFixture {
 protected:
  void showAll() {
    m_dialogs->showOptionalFunctions();
    m_dialogs->showKeyAssignment();
    m_dialogs->showEmbeddedMessage();
    m_dialogs->showDebugParameters();
    m_dialogs->showTestFrequencies();
    m_dialogs->showAbout();
  }
  void okAll() {
    for (QWidget* d : std::initializer_list<QWidget*>{&m_dialogs->optionalFunctions(), &m_dialogs->keyAssignment(),
                                                      &m_dialogs->embeddedMessage(), &m_dialogs->debugParameters(),
                                                      &m_dialogs->testFrequencies()})
      QTest::mouseClick(Child<QPushButton>(*d, "Command1"), Qt::LeftButton);
  }

  // A set of values that differs from the defaults in every field a dialog edits.
  static RadioSettings Unusual() {
    RadioSettings s;
    auto& o = s.optional;
    o.pttId = 2;
    o.voxFunction = 0;
    o.voxGainLevel = 7;
    o.voxDelayTime = 5;
    o.voxProceedTone = 0;
    o.priority = 1;
    o.priorityChannel = 16;
    o.lookBackTimeA = 91;
    o.lookBackTimeB = 0;
    o.revertChannel = 3;
    o.dropoutDelayTime = 300;
    o.txDwellTime = 17;
    o.cancelOperation = false;
    o.voxInhibitOnReceive = false;
    o.idCode = QStringLiteral("12AB*#");
    o.txStartCode = QStringLiteral("0123456789ABCD*#");
    o.txEndCode = QStringLiteral("D9");
    o.dtmfRate = 3;
    o.firstDigitTime = 2;
    o.starHashTone = 3;
    o.dKeySetting = 16;
    o.dtmfSideTone = 0;
    o.autoResetTimer = 15;
    o.autoDial = {QStringLiteral("911"), QStringLiteral(""), QStringLiteral("0123456789ABCD*#"), QStringLiteral("A"),
                  QStringLiteral("5"), QStringLiteral("66"), QStringLiteral("#"), QStringLiteral("*8")};
    s.keys = {8, 11};
    s.message = {QStringLiteral("ZERATH QX-210 ~ line one 1234567"), QStringLiteral("second line")};
    s.debug = {41, 12};
    s.testFrequencies.rx[0] = MHz("446.00625");
    s.testFrequencies.tx[0] = MHz("446.00625");
    s.testFrequencies.rx[15] = MHz("145.01250");
    s.testFrequencies.tx[15] = MHz("150.10000");
    return s;
  }
};

TEST_F(AllDialogs, OpenAndOkWithoutTouchingChangesNothing) {
  // The start-up defaults, then values a radio may hold that the controls
  // cannot show exactly.
  RadioSettings odd = Unusual();
  odd.keys = {12, 10};
  odd.debug = {200, 255};
  for (const RadioSettings& held : {RadioSettings{}, Unusual(), odd}) {
    hold(held);
    QSignalSpy changed(m_document.get(), &Document::changed);
    showAll();
    okAll();
    EXPECT_EQ(settings(), held);
    EXPECT_EQ(changed.count(), 0);
  }
}

TEST_F(AllDialogs, DialogsAreKeptAndOnlyHidden) {
  showAll();
  const QPointer<QWidget> form5(&m_dialogs->optionalFunctions());
  const QPointer<QWidget> about(&m_dialogs->about());
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible()) w->close();
  EXPECT_TRUE(form5);
  EXPECT_TRUE(about);
  EXPECT_FALSE(form5->isVisible());
  EXPECT_TRUE(form5->isWindow());
  EXPECT_EQ(form5->parentWidget(), nullptr);
  EXPECT_FALSE(static_cast<QDialog*>(form5.data())->isModal());
}

TEST_F(AllDialogs, NewValuesShowInEveryOpenDialog) {
  showAll();
  hold(Unusual());

  auto& f5 = m_dialogs->optionalFunctions();
  EXPECT_EQ(Child<QComboBox>(f5, "Combo4")->currentIndex(), 2);
  EXPECT_EQ(Child<QComboBox>(f5, "Combo6")->currentIndex(), 0);
  EXPECT_EQ(Child<QComboBox>(f5, "Combo7")->currentIndex(), 7);
  EXPECT_EQ(Child<QComboBox>(f5, "Combo8")->currentText(), QStringLiteral("3S"));
  EXPECT_EQ(Child<QComboBox>(f5, "Combo11")->currentText(), QStringLiteral("Fixed"));
  EXPECT_EQ(Child<QComboBox>(f5, "Combo12")->currentText(), QStringLiteral("16"));
  EXPECT_EQ(Child<QComboBox>(f5, "Combo13")->currentText(), QStringLiteral("5.00"));
  EXPECT_EQ(Child<QComboBox>(f5, "Combo14")->currentText(), QStringLiteral("Empty"));
  EXPECT_EQ(Child<QComboBox>(f5, "Combo15")->currentText(), QStringLiteral("priority+Talk Back"));
  EXPECT_EQ(Child<QSpinBox>(f5, "Text5")->value(), 300);
  EXPECT_EQ(Child<QSpinBox>(f5, "Text6")->value(), 17);
  EXPECT_FALSE(Child<QCheckBox>(f5, "Check3")->isChecked());
  EXPECT_FALSE(Child<QCheckBox>(f5, "Check4")->isChecked());
  EXPECT_EQ(Child<QLineEdit>(f5, "Text1")->text(), QStringLiteral("12AB*#"));
  EXPECT_EQ(Child<QLineEdit>(f5, "Text3")->text(), QStringLiteral("0123456789ABCD*#"));
  EXPECT_EQ(Child<QLineEdit>(f5, "Text4")->text(), QStringLiteral("D9"));
  EXPECT_EQ(Child<QComboBox>(f5, "Combo0")->currentText(), QString::fromUtf8("15位"));
  EXPECT_EQ(Child<QComboBox>(f5, "Combo16")->currentText(), QStringLiteral("500MS"));
  EXPECT_EQ(Child<QComboBox>(f5, "Combo17")->currentText(), QStringLiteral("1000MS"));
  EXPECT_EQ(Child<QComboBox>(f5, "Combo19")->currentText(), QString::fromUtf8("16秒"));
  EXPECT_EQ(Child<QComboBox>(f5, "Combo20")->currentIndex(), 0);
  EXPECT_EQ(Child<QComboBox>(f5, "Combo21")->currentText(), QString::fromUtf8("15秒"));
  EXPECT_EQ(Child<QTableWidget>(f5, "mfgrid1")->item(0, 1)->text(), QStringLiteral("911"));
  EXPECT_EQ(Child<QTableWidget>(f5, "mfgrid1")->item(2, 1)->text(), QStringLiteral("0123456789ABCD*#"));

  auto& f6 = m_dialogs->keyAssignment();
  EXPECT_EQ(Child<QComboBox>(f6, "Combo1")->currentText(), QStringLiteral("Scrambler"));
  EXPECT_EQ(Child<QComboBox>(f6, "Combo2")->currentText(), QStringLiteral("temporary Delete"));

  auto& f7 = m_dialogs->embeddedMessage();
  EXPECT_EQ(Child<QLineEdit>(f7, "Text1")->text(), QStringLiteral("ZERATH QX-210 ~ line one 1234567"));
  EXPECT_EQ(Child<QLineEdit>(f7, "Text2")->text(), QStringLiteral("second line"));

  auto& f2 = m_dialogs->debugParameters();
  EXPECT_EQ(Child<QSlider>(f2, "Slider1")->value(), 41);
  EXPECT_EQ(Child<QLabel>(f2, "Lblpower1")->text(), QStringLiteral("41"));
  EXPECT_EQ(Child<QSlider>(f2, "Slider3")->value(), 12);
  EXPECT_EQ(Child<QLabel>(f2, "Lblpower3")->text(), QStringLiteral("12"));

  auto* grid = Child<QTableWidget>(m_dialogs->testFrequencies(), "mfgrid1");
  EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("446.00625"));
  EXPECT_EQ(grid->item(15, 2)->text(), QStringLiteral("150.10000"));
  EXPECT_TRUE(grid->item(15, 2)->flags().testFlag(Qt::ItemIsEditable));
}

TEST_F(AllDialogs, ADecodeThroughTheCodecFillsTheDialogs) {
  RadioState source;
  source.settings = Unusual();
  const QByteArray image = EncodeImage(source);
  showAll();
  ASSERT_TRUE(m_document->loadImage(image, EditKind::OpenFile));
  EXPECT_EQ(Child<QComboBox>(m_dialogs->keyAssignment(), "Combo1")->currentIndex(), 8);
  EXPECT_EQ(Child<QSlider>(m_dialogs->debugParameters(), "Slider1")->value(), 41);
  EXPECT_EQ(Child<QLineEdit>(m_dialogs->embeddedMessage(), "Text2")->text(), QStringLiteral("second line"));
  EXPECT_EQ(Child<QTableWidget>(m_dialogs->testFrequencies(), "mfgrid1")->item(15, 1)->text(),
            QStringLiteral("145.01250"));
  EXPECT_EQ(Child<QComboBox>(m_dialogs->optionalFunctions(), "Combo13")->currentIndex(), 91);
}

TEST_F(AllDialogs, AnEditInProgressSurvivesChangesToOtherValues) {
  showAll();
  auto* gain = Child<QComboBox>(m_dialogs->optionalFunctions(), "Combo7");
  gain->setCurrentIndex(9);
  holdChanged([](RadioSettings& s) { s.keys.pf2 = 4; });  // another dialog's value changes
  EXPECT_EQ(gain->currentIndex(), 9);
  EXPECT_EQ(Child<QComboBox>(m_dialogs->keyAssignment(), "Combo2")->currentIndex(), 4);
}

TEST_F(AllDialogs, EveryEditedValueSurvivesEncodeAndDecode) {
  // Enter the unusual values through the dialogs' own controls.
  const RadioSettings wanted = Unusual();
  m_document->setDebugParametersUnlocked(true);
  showAll();
  auto& f5 = m_dialogs->optionalFunctions();
  const auto& o = wanted.optional;
  Child<QComboBox>(f5, "Combo4")->setCurrentIndex(o.pttId);
  Child<QComboBox>(f5, "Combo6")->setCurrentIndex(o.voxFunction);
  Child<QComboBox>(f5, "Combo7")->setCurrentIndex(o.voxGainLevel);
  Child<QComboBox>(f5, "Combo8")->setCurrentIndex(o.voxDelayTime);
  Child<QComboBox>(f5, "Combo9")->setCurrentIndex(o.voxProceedTone);
  Child<QComboBox>(f5, "Combo11")->setCurrentIndex(o.priority);
  Child<QComboBox>(f5, "Combo12")->setCurrentIndex(o.priorityChannel - 1);
  Child<QComboBox>(f5, "Combo13")->setCurrentIndex(o.lookBackTimeA);
  Child<QComboBox>(f5, "Combo14")->setCurrentIndex(o.lookBackTimeB);
  Child<QComboBox>(f5, "Combo15")->setCurrentIndex(o.revertChannel);
  Child<QSpinBox>(f5, "Text5")->setValue(o.dropoutDelayTime);
  Child<QSpinBox>(f5, "Text6")->setValue(o.txDwellTime);
  Child<QCheckBox>(f5, "Check3")->setChecked(o.cancelOperation);
  Child<QCheckBox>(f5, "Check4")->setChecked(o.voxInhibitOnReceive);
  for (const char* name : {"Text1", "Text3", "Text4"}) Child<QLineEdit>(f5, name)->clear();
  QTest::keyClicks(Child<QLineEdit>(f5, "Text1"), QStringLiteral("12ab*#"));
  QTest::keyClicks(Child<QLineEdit>(f5, "Text3"), QStringLiteral("0123456789abcd*#"));
  QTest::keyClicks(Child<QLineEdit>(f5, "Text4"), QStringLiteral("d9"));
  Child<QComboBox>(f5, "Combo0")->setCurrentIndex(o.dtmfRate);
  Child<QComboBox>(f5, "Combo16")->setCurrentIndex(o.firstDigitTime);
  Child<QComboBox>(f5, "Combo17")->setCurrentIndex(o.starHashTone);
  Child<QComboBox>(f5, "Combo19")->setCurrentIndex(o.dKeySetting);
  Child<QComboBox>(f5, "Combo20")->setCurrentIndex(o.dtmfSideTone);
  Child<QComboBox>(f5, "Combo21")->setCurrentIndex(o.autoResetTimer);
  for (int row = 0; row < 8; ++row)
    Child<QTableWidget>(f5, "mfgrid1")->item(row, 1)->setText(o.autoDial.at(static_cast<std::size_t>(row)));

  Child<QComboBox>(m_dialogs->keyAssignment(), "Combo1")->setCurrentIndex(wanted.keys.pf1);
  Child<QComboBox>(m_dialogs->keyAssignment(), "Combo2")->setCurrentIndex(wanted.keys.pf2);
  QTest::keyClicks(Child<QLineEdit>(m_dialogs->embeddedMessage(), "Text1"), wanted.message.line1);
  QTest::keyClicks(Child<QLineEdit>(m_dialogs->embeddedMessage(), "Text2"), wanted.message.line2);
  testing::MoveSlider(Child<QSlider>(m_dialogs->debugParameters(), "Slider1"), wanted.debug.txHighPower);
  testing::MoveSlider(Child<QSlider>(m_dialogs->debugParameters(), "Slider3"), wanted.debug.txLowPower);
  auto* grid = Child<QTableWidget>(m_dialogs->testFrequencies(), "mfgrid1");
  ASSERT_TRUE(testing::EditCell(grid, 0, 1, QStringLiteral("446.00625")));
  ASSERT_TRUE(testing::EditCell(grid, 15, 1, QStringLiteral("145.0126")));
  ASSERT_TRUE(testing::EditCell(grid, 15, 2, QStringLiteral("150.1")));
  okAll();

  RadioSettings entered = settings();
  RadioSettings expected = wanted;
  expected.optional.duplicate = entered.optional.duplicate;  // Duplicate is not part of the image
  ASSERT_EQ(entered, expected);

  // Save and Open pass the image through the encoder and the decoder.
  RadioState reopened;
  ASSERT_TRUE(DecodeImage(m_document->image(), reopened));
  RadioSettings back = reopened.settings;
  back.optional.duplicate = expected.optional.duplicate;
  EXPECT_EQ(back.optional, expected.optional);
  EXPECT_EQ(back.keys, expected.keys);
  EXPECT_EQ(back.message, expected.message);
  EXPECT_EQ(back.debug, expected.debug);
  EXPECT_EQ(back.testFrequencies, expected.testFrequencies);
}

TEST_F(AllDialogs, LanguageSwitchRecaptionsEveryOpenDialog) {
  holdChanged([](RadioSettings& s) {
    s.optional.priority = 2;
    s.optional.lookBackTimeA = 0;
    s.optional.dtmfRate = 1;
    s.keys = {8, 1};
  });
  showAll();
  auto& f5 = m_dialogs->optionalFunctions();
  auto& f6 = m_dialogs->keyAssignment();
  auto& f7 = m_dialogs->embeddedMessage();
  auto& f2 = m_dialogs->debugParameters();
  auto& f4 = m_dialogs->testFrequencies();
  auto& about = m_dialogs->about();
  const QStringList dtmfBefore = [&] {
    QStringList texts;
    for (const char* name : {"Combo0", "Combo16", "Combo17", "Combo18", "Combo19", "Combo20", "Combo21", "Combo22", "Combo8"})
      for (int i = 0; i < Child<QComboBox>(f5, name)->count(); ++i) texts << Child<QComboBox>(f5, name)->itemText(i);
    return texts;
  }();

  testing::SwitchLanguage(kChinese);
  const auto zh = [](const char* s) { return QString::fromUtf8(s); };
  EXPECT_EQ(f5.windowTitle(), zh("可选功能"));
  EXPECT_EQ(Child<QGroupBox>(f5, "Frame2")->title(), zh("扫描"));
  EXPECT_EQ(Child<QGroupBox>(f5, "Frame1")->title(), QStringLiteral("VOX"));
  EXPECT_EQ(Child<QLabel>(f5, "Label19")->text(), zh("扫描接收恢复延时时间(秒)"));
  EXPECT_EQ(Child<QLabel>(f5, "Label9")->text(), zh("VOX延迟时间"));
  EXPECT_EQ(Child<QCheckBox>(f5, "Check4")->text(), zh("接收时禁止VOX"));
  EXPECT_EQ(Child<QLabel>(f5, "Label11")->text(), zh("复制"));
  EXPECT_EQ(Child<QPushButton>(f5, "Command1")->text(), zh("确定"));
  EXPECT_EQ(Child<QPushButton>(f5, "Command2")->text(), zh("取消"));
  EXPECT_EQ(Child<QComboBox>(f5, "Combo11")->currentText(), zh("选定"));  // position kept
  EXPECT_EQ(Child<QComboBox>(f5, "Combo13")->currentText(), zh("空"));
  EXPECT_EQ(Child<QComboBox>(f5, "Combo13")->count(), 92);
  EXPECT_EQ(Child<QComboBox>(f5, "Combo7")->itemText(0), zh("关闭"));
  EXPECT_EQ(Child<QComboBox>(f5, "Combo4")->itemText(2), zh("两者"));
  EXPECT_EQ(Child<QComboBox>(f5, "Combo0")->currentIndex(), 1);
  EXPECT_EQ(f6.windowTitle(), zh("键设定"));
  EXPECT_EQ(Child<QComboBox>(f6, "Combo1")->currentText(), zh("照明灯开关"));
  EXPECT_EQ(Child<QComboBox>(f6, "Combo2")->currentText(), QStringLiteral("OFF"));
  EXPECT_EQ(f7.windowTitle(), zh("嵌入信息"));
  EXPECT_EQ(f2.windowTitle(), zh("调试参数"));
  EXPECT_EQ(Child<QGroupBox>(f2, "Frame1")->title(), zh("发射高功率"));
  EXPECT_EQ(Child<QGroupBox>(f2, "Frame2")->title(), zh("发射低功率"));
  EXPECT_EQ(Child<QLabel>(f2, "Label3")->text(), zh("最小"));
  EXPECT_EQ(Child<QLabel>(f2, "Label7")->text(), zh("最大"));
  EXPECT_EQ(f4.windowTitle(), zh("测试频率"));
  EXPECT_EQ(Child<QTableWidget>(f4, "mfgrid1")->horizontalHeaderItem(0)->text(), zh("频道"));
  EXPECT_EQ(Child<QTableWidget>(f4, "mfgrid1")->horizontalHeaderItem(2)->text(), zh("发射频率"));
  EXPECT_EQ(Child<QLabel>(about, "lblTitle")->text(), zh("ZERATH QX-210 写频软件"));
  EXPECT_EQ(Child<QLabel>(about, "Label1")->text(), zh("版本 1.8.0"));
  EXPECT_EQ(about.windowTitle(), QStringLiteral("Help"));
  EXPECT_EQ(Child<QPushButton>(about, "cmdOK")->text(), zh("确定"));

  testing::SwitchLanguage(kEnglish);
  EXPECT_EQ(f5.windowTitle(), QStringLiteral("Optional Function"));
  EXPECT_EQ(Child<QLabel>(f5, "Label20")->text(), QStringLiteral("TX Dwell time[S]"));
  EXPECT_EQ(Child<QComboBox>(f5, "Combo11")->currentText(), QStringLiteral("Selected"));
  EXPECT_EQ(Child<QComboBox>(f6, "Combo1")->currentText(), QStringLiteral("Scrambler"));
  EXPECT_EQ(f7.windowTitle(), QStringLiteral("Embedded Information"));
  EXPECT_EQ(f4.windowTitle(), QStringLiteral("Test Frequency"));
  EXPECT_EQ(Child<QLabel>(about, "lblTitle")->text(), QStringLiteral("ZERATH QX-210 Software"));
  EXPECT_EQ(about.windowTitle(), QStringLiteral("Help"));

  QStringList dtmfAfter;
  for (const char* name : {"Combo0", "Combo16", "Combo17", "Combo18", "Combo19", "Combo20", "Combo21", "Combo22", "Combo8"})
    for (int i = 0; i < Child<QComboBox>(f5, name)->count(); ++i) dtmfAfter << Child<QComboBox>(f5, name)->itemText(i);
  EXPECT_EQ(dtmfAfter, dtmfBefore);
  EXPECT_EQ(dtmfAfter.front(), QString::fromUtf8("6位"));
}

TEST_F(AllDialogs, DialogsCreatedInChineseStartInChinese) {
  testing::SwitchLanguage(kChinese);
  m_dialogs->showOptionalFunctions();
  EXPECT_EQ(m_dialogs->optionalFunctions().windowTitle(), QString::fromUtf8("可选功能"));
  EXPECT_EQ(Child<QComboBox>(m_dialogs->optionalFunctions(), "Combo13")->itemText(0), QString::fromUtf8("空"));
}

// An image loaded while the dialogs are open replaces what is being edited
// in them, also when it holds the very values the dialogs were shown with.
TEST_F(AllDialogs, ALoadedImageShowsInOpenDialogsEvenWithTheSameValues) {
  hold(Unusual());
  m_document->setDebugParametersUnlocked(true);
  showAll();
  auto& f5 = m_dialogs->optionalFunctions();
  auto& f2 = m_dialogs->debugParameters();
  Child<QComboBox>(f5, "Combo7")->setCurrentIndex(2);
  Child<QLineEdit>(f5, "Text1")->setText(QStringLiteral("55"));
  Child<QComboBox>(m_dialogs->keyAssignment(), "Combo1")->setCurrentIndex(0);
  Child<QLineEdit>(m_dialogs->embeddedMessage(), "Text2")->setText(QStringLiteral("typed"));
  QTest::keyClick(Child<QSlider>(f2, "Slider1"), Qt::Key_End);
  auto* grid = Child<QTableWidget>(m_dialogs->testFrequencies(), "mfgrid1");
  ASSERT_TRUE(testing::EditCell(grid, 15, 2, QStringLiteral("151")));

  ASSERT_TRUE(m_document->loadImage(m_document->image(), EditKind::OpenFile));
  EXPECT_EQ(Child<QComboBox>(f5, "Combo7")->currentIndex(), 7);
  EXPECT_EQ(Child<QLineEdit>(f5, "Text1")->text(), QStringLiteral("12AB*#"));
  EXPECT_EQ(Child<QComboBox>(m_dialogs->keyAssignment(), "Combo1")->currentIndex(), 8);
  EXPECT_EQ(Child<QLineEdit>(m_dialogs->embeddedMessage(), "Text2")->text(), QStringLiteral("second line"));
  EXPECT_EQ(Child<QSlider>(f2, "Slider1")->value(), 41);
  EXPECT_FALSE(Child<QSlider>(f2, "Slider1")->isEnabled());  // a load locks the calibration again
  EXPECT_EQ(grid->item(15, 2)->text(), QStringLiteral("150.10000"));
  okAll();
  EXPECT_EQ(settings(), Unusual());
}

}  // namespace
}  // namespace qx210
