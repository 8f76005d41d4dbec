// Every caption and list text of the dialogs, in both languages, exactly as
// the product shows them (typos such as "Reveive" and "Monentary" included).
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

#include "support/dialog_test_util.h"
#include "gui/about_dialog.h"
#include "gui/debug_parameters_dialog.h"
#include "gui/embedded_message_dialog.h"
#include "gui/key_assignment_dialog.h"
#include "gui/optional_functions_dialog.h"
#include "gui/test_frequency_dialog.h"

namespace qx210 {
namespace {

using testing::Child;

struct Caption {
  const char* control;  // objectName; "" for the window title
  const char* chinese;
  const char* english;
};

QString U(const char* text) { return QString::fromUtf8(text); }

// The text a control shows: a window title, group title, label or button text.
QString Shown(QWidget& dialog, const char* control) {
  if (*control == '\0') return dialog.windowTitle();
  QWidget* w = Child<QWidget>(dialog, control);
  if (!w) return {};
  if (auto* group = qobject_cast<QGroupBox*>(w)) return group->title();
  if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
  ADD_FAILURE() << control << " shows no caption";
  return {};
}

QStringList Items(QWidget& dialog, const char* combo) {
  QStringList items;
  if (auto* c = Child<QComboBox>(dialog, combo))
    for (int i = 0; i < c->count(); ++i) items << c->itemText(i);
  return items;
}

QStringList Header(QWidget& dialog) {
  QStringList texts;
  auto* grid = Child<QTableWidget>(dialog, "mfgrid1");
  for (int c = 0; grid && c < grid->columnCount(); ++c) texts << grid->horizontalHeaderItem(c)->text();
  return texts;
}

class CaptionTables : public testing::DialogFixture {
 protected:
  void SetUp() override {
    DialogFixture::SetUp();
    m_dialogs->showOptionalFunctions();
    m_dialogs->showKeyAssignment();
    m_dialogs->showEmbeddedMessage();
    m_dialogs->showDebugParameters();
    m_dialogs->showTestFrequencies();
    m_dialogs->showAbout();
  }

  // Checks `table` on `dialog` in both languages, switching while it is open.
  void expectCaptions(QWidget& dialog, std::initializer_list<Caption> table) {
    for (UiLanguage language : {kChinese, kEnglish}) {
      testing::SwitchLanguage(language);
      for (const Caption& c : table)
        EXPECT_EQ(Shown(dialog, c.control), U(language == kChinese ? c.chinese : c.english))
            << dialog.objectName().toStdString() << " " << c.control << " language " << language;
    }
  }
};

TEST_F(CaptionTables, OptionalFunctions) {
  expectCaptions(m_dialogs->optionalFunctions(),
                 {{"", "可选功能", "Optional Function"},
                  {"Frame2", "扫描", "Scan"},
                  {"Frame1", "VOX", "VOX"},
                  {"Label14", "优先", "Priority"},
                  {"Label15", "优先信道", "Priority Channel"},
                  {"Label17", "回扫时间A[秒]", "Look Back Time A[S]"},
                  {"Label16", "回扫时间B[秒]", "Look Back Time B[S]"},
                  {"Label18", "返回信道", "Revert channel"},
                  {"Label19", "扫描接收恢复延时时间(秒)", "Dropout delay time[S]"},
                  {"Label20", "扫描发射恢复延时时间(秒)", "TX Dwell time[S]"},
                  {"Label8", "VOX功能", "VOX Function"},
                  {"Label10", "VOX增益电平", "VOX Gain Level"},
                  {"Label9", "VOX延迟时间", "VOX Delay time[S]"},
                  {"Label7", "VOX可进行音调", "VOX Proceed Tone"},
                  {"Check3", "取消操作", "Cancel Operation"},
                  {"Check4", "接收时禁止VOX", "VOX Inhibit On Reveive"},
                  {"Label4", "PTT ID", "PTT ID"},
                  {"Label11", "复制", "Duplicate"},
                  {"Command1", "确定", "OK"},
                  {"Command2", "取消", "Cancel"}});
}

TEST_F(CaptionTables, OptionalFunctionLists) {
  auto& d = m_dialogs->optionalFunctions();
  testing::SwitchLanguage(kChinese);
  EXPECT_EQ(Items(d, "Combo11"), (QStringList{U("无"), U("固定"), U("选定")}));
  EXPECT_EQ(Items(d, "Combo15"), (QStringList{U("选定"), U("选定+当前"), U("优先"), U("优先+当前")}));
  for (const char* offOn : {"Combo6", "Combo9", "Combo10"})
    EXPECT_EQ(Items(d, offOn), (QStringList{U("禁止"), U("打开")})) << offOn;
  EXPECT_EQ(Items(d, "Combo7").front(), U("关闭"));
  EXPECT_EQ(Items(d, "Combo13").front(), U("空"));
  EXPECT_EQ(Items(d, "Combo14").front(), U("空"));
  EXPECT_EQ(Items(d, "Combo4"), (QStringList{U("发射开始"), U("发射结束"), U("两者")}));

  testing::SwitchLanguage(kEnglish);
  EXPECT_EQ(Items(d, "Combo11"), (QStringList{"No", "Fixed", "Selected"}));
  EXPECT_EQ(Items(d, "Combo15"), (QStringList{"Selected", "Selected+Talk Back", "priority", "priority+Talk Back"}));
  for (const char* offOn : {"Combo6", "Combo9", "Combo10"}) EXPECT_EQ(Items(d, offOn), (QStringList{"Off", "On"})) << offOn;
  EXPECT_EQ(Items(d, "Combo7"), (QStringList{"Off", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
  EXPECT_EQ(Items(d, "Combo4"), (QStringList{"Launch Start", "Launch End", "Both"}));
  QStringList lookBack{"Empty"};
  for (int hundredths = 50; hundredths <= 500; hundredths += 5)
    lookBack << QStringLiteral("%1.%2").arg(hundredths / 100).arg(hundredths % 100, 2, 10, QLatin1Char('0'));
  EXPECT_EQ(Items(d, "Combo13"), lookBack);
  EXPECT_EQ(Items(d, "Combo14"), lookBack);

  // The same in both languages.
  for (UiLanguage language : {kChinese, kEnglish}) {
    testing::SwitchLanguage(language);
    EXPECT_EQ(Items(d, "Combo8"), (QStringList{"0.3S", "0.5S", "1S", "1.5S", "2S", "3S"}));
    EXPECT_EQ(Items(d, "Combo12").size(), 16);
    EXPECT_EQ(Items(d, "Combo12").back(), QStringLiteral("16"));
    EXPECT_EQ(Items(d, "Combo0"), (QStringList{U("6位"), U("8位"), U("10位"), U("15位")}));
    EXPECT_EQ(Items(d, "Combo16"), (QStringList{"OFF", "100MS", "500MS", "1000MS"}));
    EXPECT_EQ(Items(d, "Combo17"), Items(d, "Combo16"));
    EXPECT_EQ(Items(d, "Combo19").front(), U("D码"));
    EXPECT_EQ(Items(d, "Combo19").at(1), U("1秒"));
    EXPECT_EQ(Items(d, "Combo20"), (QStringList{U("禁止"), U("使能")}));
    EXPECT_EQ(Items(d, "Combo21").front(), U("关闭"));
    EXPECT_EQ(Items(d, "Combo21").back(), U("15秒"));
    EXPECT_EQ(Items(d, "Combo18").at(1), QStringLiteral("150MS"));
    EXPECT_EQ(Items(d, "Combo22"), (QStringList{U("关闭"), "*", "#", "A", "B", "C", "D"}));
    EXPECT_EQ(Header(d), (QStringList{U("编号"), U("自动拨号存储器")}));
  }
}

TEST_F(CaptionTables, KeyAssignment) {
  auto& d = m_dialogs->keyAssignment();
  expectCaptions(d, {{"", "键设定", "Keys Set"},
                     {"Label1", "PF1", "PF1"},
                     {"Label2", "PF2", "PF2"},
                     {"Command1", "确定", "OK"},
                     {"Command2", "取消", "Cancel"}});
  testing::SwitchLanguage(kChinese);
  const QStringList zh{U("自动拨号"), U("OFF"),         U("按键锁定"), U("按键锁定及备份"),
                       U("监听"),     U("监听瞬时"),    U("扫描"),     U("扫描+暂时删除"),
                       U("照明灯开关"), U("取消静噪"), U("瞬时取消静噪"), U("暂时删除")};
  EXPECT_EQ(Items(d, "Combo1"), zh);
  EXPECT_EQ(Items(d, "Combo2"), zh);
  testing::SwitchLanguage(kEnglish);
  const QStringList en{"Autodial", "None",        "Keys lock",           "Key lock with Backup",
                       "Monitor",  "Monitor Monentary", "Scan",          "Scan + temporary Delete",
                       "Scrambler", "Squelch Off", "Squelch Off Momentary", "temporary Delete"};
  EXPECT_EQ(Items(d, "Combo1"), en);
  EXPECT_EQ(Items(d, "Combo2"), en);
}

TEST_F(CaptionTables, EmbeddedMessage) {
  expectCaptions(m_dialogs->embeddedMessage(),
                 {{"", "嵌入信息", "Embedded Information"}, {"Command1", "确定", "OK"}, {"Command2", "取消", "Cancel"}});
}

TEST_F(CaptionTables, DebugParameters) {
  expectCaptions(m_dialogs->debugParameters(), {{"", "调试参数", "Debug Parameters"},
                                                {"Frame1", "发射高功率", "TX-High Power"},
                                                {"Frame2", "发射低功率", "TX-Low Power"},
                                                {"Label3", "最小", "Low"},
                                                {"Label6", "最小", "Low"},
                                                {"Label8", "最大", "High"},
                                                {"Label7", "最大", "High"},
                                                {"Command1", "确定", "OK"}});
}

TEST_F(CaptionTables, TestFrequency) {
  auto& d = m_dialogs->testFrequencies();
  expectCaptions(d, {{"", "测试频率", "Test Frequency"}, {"Command1", "确定", "OK"}, {"Command2", "取消", "Cancel"}});
  testing::SwitchLanguage(kChinese);
  EXPECT_EQ(Header(d), (QStringList{U("频道"), U("接收频率"), U("发射频率")}));
  testing::SwitchLanguage(kEnglish);
  EXPECT_EQ(Header(d), (QStringList{"Channel", "RX Frequency", "TX Frequency"}));
}

TEST_F(CaptionTables, About) {
  expectCaptions(m_dialogs->about(), {{"", "Help", "Help"},
                                      {"lblTitle", "ZERATH QX-210 写频软件", "ZERATH QX-210 Software"},
                                      {"Label1", "版本 1.8.0", "Edition 1.8.0"},
                                      {"cmdOK", "确定", "OK"}});
}

}  // namespace
}  // namespace qx210
