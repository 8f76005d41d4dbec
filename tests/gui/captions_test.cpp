// Every caption of the main window, exactly, in both languages.
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

#include "support/main_window_fixture.h"

namespace qx210::testing {
namespace {

struct Caption {
  const char* object;
  const char* zh;
  const char* en;
};

// Menus (titles) and their items.
const Caption kMenuCaptions[] = {
    {"mnuFile", "文件(&F)", "File(&F)"},
    {"mnuNew", "新建(&N)", "New(&N)"},
    {"mnuOpen", "打开(&O)", "Open(&O)"},
    {"mnuAssave", "保存(&S)", "Save(&S)"},
    {"mnuQuit", "退出(&Q)", "Exit(&Q)"},
    {"mnupro", "编程(&P)", "Programming(&P)"},
    {"mnureadFre", "读频(&R)", "Read From Radio(&R)"},
    {"mnuwriteFre", "写频(&W)", "Write To Radio(&W)"},
    {"mnudtmf", "可选功能", "Optional function "},
    {"Key_enactment", "键设定", "Keys Assigment "},
    {"mnusetin", "嵌入信息", "Embedded Message"},
    {"mnudebug", "调试(&D)", "Debug Parameters(&D)"},
    {"mnutestfre", "测试频率", "Test Frequency"},
    {"mnuset", "设置(&S)", "Settings(&S)"},
    {"mnulock", "锁定(&L)", "Lock(&L)"},
    {"mnucom", "通信端口(&V)", "Communication port(&V)"},
    {"mnuLanguage", "语言选择(&L)", "Languages(&L)"},
    {"mnuChinese", "中文", "Chinese"},
    {"mnuEnglish", "英文", "English"},
    {"mnuhelp", "帮助(&H)", "Help(&H)"},
    {"mnumainhelp", "帮助主题  F1", "The help topic  F1 "},
    {"mnuabout", "关于", "About"},
};

const Caption kToolTips[] = {
    {"new", "新建", "New"},          {"open", "打开", "Open"},          {"save", "保存", "Save"},
    {"read", "读频", "Read frequency"}, {"write", "写频", "Write frequency"},
};

const Caption kLabels[] = {
    {"Label3", "频段", "Range"},
    {"Label4", "语言通知", "Voice Notice:"},
    {"Label5", "发射超时", "Time-out Timer:"},
    {"Label1", "发射超时预警", "TOT Pre-Alert:"},
    {"Label6", "静噪等级", "Squelch Level:"},
    {"Label7", "省电", "Battery Save:"},
    {"Label8", "提示音", "Beep:"},
    {"Label9", "收音机开关", "Radio Switch:"},
};

const Caption kHeaders[] = {
    {"0", "信道", "CH"},       {"1", "接收频率", "RX frequency"}, {"2", "亚音频", "QT/DQT"},
    {"3", "发射频率", "TX frequency"}, {"4", "亚音频", "QT/DQT"},     {"5", "功率", "Power"},
    {"6", "禁发", "BCLO"},     {"7", "宽\\窄带", "W/N"},          {"8", "扫描添加", "Scan Add"},
};

// A caption as shown: an access letter marked inside a caption that the
// table gives without one changes nothing that is seen.
QString Shown(QString text, const QString& expected) {
  if (!expected.contains(QLatin1Char('&'))) text.remove(QLatin1Char('&'));
  return text;
}

QStringList Items(const QComboBox* combo) {
  QStringList items;
  for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
  return items;
}

class CaptionsTest : public MainWindowTest, public ::testing::WithParamInterface<UiLanguage> {
 protected:
  QString pick(const Caption& c) const { return QString::fromUtf8(GetParam() == kChinese ? c.zh : c.en); }

  void expectAllCaptions() {
    EXPECT_EQ(shownTitle(), GetParam() == kChinese ? QStringLiteral("ZERATH QX-210 写频软件 V1.80")
                                                            : QStringLiteral("ZERATH QX-210 Radio Software V1.80"));
    for (const Caption& c : kMenuCaptions) {
      const QString name = QString::fromLatin1(c.object);
      if (auto* menu = window->findChild<QMenu*>(name))
        EXPECT_EQ(menu->title(), pick(c)) << c.object;
      else if (auto* action = window->findChild<QAction*>(name))
        EXPECT_EQ(Shown(action->text(), pick(c)), pick(c)) << c.object;
      else
        ADD_FAILURE() << "missing " << c.object;
    }
    for (const Caption& c : kToolTips)
      EXPECT_EQ(window->findChild<QAction*>(QString::fromLatin1(c.object))->toolTip(), pick(c)) << c.object;
    for (const Caption& c : kLabels)
      EXPECT_EQ(window->findChild<QLabel*>(QString::fromLatin1(c.object))->text(), pick(c)) << c.object;
    for (const Caption& c : kHeaders)
      EXPECT_EQ(grid()->model()->headerData(QByteArray(c.object).toInt(), Qt::Horizontal).toString(), pick(c));
    EXPECT_EQ(window->findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(),
              GetParam() == kChinese ? QStringLiteral("机型选择") : QStringLiteral("Model"));
    EXPECT_EQ(window->findChild<QGroupBox*>(QStringLiteral("Frame2"))->title(),
              GetParam() == kChinese ? QStringLiteral("功能设置") : QStringLiteral("Functions Setting"));

    const bool zh = GetParam() == kChinese;
    auto combo = [this](const char* name) { return window->findChild<QComboBox*>(QString::fromLatin1(name)); };
    EXPECT_EQ(Items(combo("Combo2")), (zh ? QStringList{"关", "中文", "英文"} : QStringList{"Off", "Chinese", "English"}));
    const QStringList timeout = Items(combo("Combo3"));
    ASSERT_EQ(timeout.size(), 40);
    EXPECT_EQ(timeout.first(), zh ? QStringLiteral("15 秒") : QStringLiteral("15 S"));
    EXPECT_EQ(timeout.last(), zh ? QStringLiteral("600 秒") : QStringLiteral("600 S"));
    const QStringList tot = Items(combo("Combo4"));
    ASSERT_EQ(tot.size(), 11);
    EXPECT_EQ(tot.first(), zh ? QStringLiteral("关闭") : QStringLiteral("Off"));
    EXPECT_EQ(tot.at(10), zh ? QStringLiteral("10 秒") : QStringLiteral("10 S"));
    const QStringList squelch = Items(combo("Combo9"));
    ASSERT_EQ(squelch.size(), 10);
    EXPECT_EQ(squelch.first(), zh ? QStringLiteral("0 级") : QStringLiteral("Level 0"));
    EXPECT_EQ(Items(combo("Combo6")), (zh ? QStringList{"禁止", "使能"} : QStringList{"Off", "On"}));
    EXPECT_EQ(Items(combo("Combo7")), (zh ? QStringList{"禁止", "使能"} : QStringList{"Off", "On"}));
    EXPECT_EQ(Items(combo("Combo10")), (zh ? QStringList{"关闭", "打开"} : QStringList{"Off", "On"}));
    EXPECT_EQ(Items(combo("Combo1")).size(), 7);
    EXPECT_EQ(combo8()->itemText(0), zh ? QStringLiteral("关闭") : QStringLiteral("Off"));
    EXPECT_EQ(Items(combo5(kColPower)), (zh ? QStringList{"低", "高"} : QStringList{"Low", "High"}));
    EXPECT_EQ(Items(combo5(kColBclo)), (zh ? QStringList{"关闭", "载波"} : QStringList{"Off", "Carrier"}));
    EXPECT_EQ(Items(combo5(kColWn)), (zh ? QStringList{"窄带", "宽带"} : QStringList{"Narrow", "Wide"}));
    EXPECT_EQ(Items(combo5(kColScanAdd)), (zh ? QStringList{"无", "有"} : QStringList{"No", "Yes"}));
  }
};

TEST_P(CaptionsTest, AtStartUp) {
  writeParameters(0, 0, GetParam());
  start();
  expectAllCaptions();
}

TEST_P(CaptionsTest, AfterASwitch) {
  writeParameters(0, 0, GetParam() == kChinese ? kEnglish : kChinese);
  start();
  if (GetParam() == kChinese)
    window->chooseChinese();
  else
    window->chooseEnglish();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  expectAllCaptions();
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, CaptionsTest, ::testing::Values(kChinese, kEnglish),
                         [](const auto& info) { return info.param == kChinese ? "Chinese" : "English"; });

}  // namespace
}  // namespace qx210::testing
