// The fixed lists of the main window as the views show them.
#include <gtest/gtest.h>

#include "core/lists.h"

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace qx210 {
namespace {

// Every entry of the tone list stands for the tone whose caption it is, and
// that tone leads back to the entry.
TEST(ToneList, EveryPositionAndItsTone) {
  for (UiLanguage language : {kChinese, kEnglish}) {
    const QStringList list = ToneList(language);
    ASSERT_EQ(list.size(), kToneListSize);
    for (int p = 0; p < kToneListSize; ++p) {
      const Tone tone = ToneAtListPosition(p);
      EXPECT_EQ(ToneCaption(tone, language), list.at(p)) << p;
      EXPECT_EQ(ListPositionOfTone(tone), p) << p;
    }
  }
  EXPECT_EQ(ToneList(kChinese).at(0), QStringLiteral("关闭"));
  EXPECT_EQ(ToneList(kEnglish).at(0), QStringLiteral("Off"));
}

TEST(ToneList, KindsInOrder) {
  EXPECT_TRUE(ToneAtListPosition(0).isOff());
  EXPECT_EQ(ToneAtListPosition(1).word(), 670);
  EXPECT_EQ(ToneAtListPosition(50).word(), 2541);
  EXPECT_EQ(ToneAtListPosition(51).word(), 0x2813);   // D023N
  EXPECT_EQ(ToneAtListPosition(155).word(), 0x29EC);  // D754N
  EXPECT_EQ(ToneAtListPosition(156).word(), 0xA813);  // D023I
  EXPECT_EQ(ToneAtListPosition(260).word(), 0xA9EC);  // D754I
  // Ascending within each part: no entry is missing, doubled or misplaced.
  for (int p = 2; p <= 50; ++p) EXPECT_GT(ToneAtListPosition(p).qtTenths(), ToneAtListPosition(p - 1).qtTenths()) << p;
  for (int p = 52; p <= 155; ++p) {
    EXPECT_GT(ToneAtListPosition(p).dqtCode(), ToneAtListPosition(p - 1).dqtCode()) << p;
    EXPECT_EQ(ToneAtListPosition(p + 105), *Tone::dqt(ToneAtListPosition(p).dqtCode(), true)) << p;
  }
}

TEST(ToneList, TonesTheListDoesNotOffer) {
  EXPECT_EQ(ListPositionOfTone(*Tone::qt(880)), -1);
  EXPECT_EQ(ListPositionOfTone(*Tone::dqt(0, false)), -1);
  EXPECT_EQ(ToneCaption(*Tone::qt(880), kChinese), QStringLiteral("88.0"));
}

TEST(OptionLists, BothLanguages) {
  EXPECT_EQ(OptionList(kColPower, kChinese), (QStringList{"低", "高"}));
  EXPECT_EQ(OptionList(kColPower, kEnglish), (QStringList{"Low", "High"}));
  EXPECT_EQ(OptionList(kColBclo, kChinese), (QStringList{"关闭", "载波"}));
  EXPECT_EQ(OptionList(kColBclo, kEnglish), (QStringList{"Off", "Carrier"}));
  EXPECT_EQ(OptionList(kColWn, kChinese), (QStringList{"窄带", "宽带"}));
  EXPECT_EQ(OptionList(kColWn, kEnglish), (QStringList{"Narrow", "Wide"}));
  EXPECT_EQ(OptionList(kColScanAdd, kChinese), (QStringList{"无", "有"}));
  EXPECT_EQ(OptionList(kColScanAdd, kEnglish), (QStringList{"No", "Yes"}));
}

QStringList Numbered(int from, int to, int step, const QString& before, const QString& after) {
  QStringList entries;
  for (int n = from; n <= to; ++n) entries << before + QString::number(n * step) + after;
  return entries;
}

TEST(PanelLists, EveryEntryInBothLanguages) {
  EXPECT_EQ(PanelListEntries(kVoiceNotice, kChinese), (QStringList{"关", "中文", "英文"}));
  EXPECT_EQ(PanelListEntries(kVoiceNotice, kEnglish), (QStringList{"Off", "Chinese", "English"}));
  EXPECT_EQ(PanelListEntries(kTimeoutTimer, kChinese), Numbered(1, 40, 15, {}, QStringLiteral(" 秒")));
  EXPECT_EQ(PanelListEntries(kTimeoutTimer, kEnglish), Numbered(1, 40, 15, {}, QStringLiteral(" S")));
  EXPECT_EQ(PanelListEntries(kTimeoutTimer, kEnglish).at(5), QStringLiteral("90 S"));
  EXPECT_EQ(PanelListEntries(kSquelchLevel, kChinese), Numbered(0, 9, 1, {}, QStringLiteral(" 级")));
  EXPECT_EQ(PanelListEntries(kSquelchLevel, kEnglish), Numbered(0, 9, 1, QStringLiteral("Level "), {}));
  EXPECT_EQ(PanelListEntries(kBatterySave, kChinese), (QStringList{"禁止", "使能"}));
  EXPECT_EQ(PanelListEntries(kBatterySave, kEnglish), (QStringList{"Off", "On"}));
  EXPECT_EQ(PanelListEntries(kBeep, kChinese), (QStringList{"禁止", "使能"}));
  EXPECT_EQ(PanelListEntries(kBeep, kEnglish), (QStringList{"Off", "On"}));
  EXPECT_EQ(PanelListEntries(kRadioSwitch, kChinese), (QStringList{"关闭", "打开"}));
  EXPECT_EQ(PanelListEntries(kRadioSwitch, kEnglish), (QStringList{"Off", "On"}));
  EXPECT_EQ(PanelListEntries(kTotPreAlert, kChinese),
            QStringList{QStringLiteral("关闭")} + Numbered(1, 10, 1, {}, QStringLiteral(" 秒")));
  EXPECT_EQ(PanelListEntries(kTotPreAlert, kEnglish),
            QStringList{QStringLiteral("Off")} + Numbered(1, 10, 1, {}, QStringLiteral(" S")));
  // Both languages offer the same positions.
  constexpr std::array<qsizetype, kPanelListCount> kSizes{3, 40, 10, 2, 2, 2, 11};
  for (int list = 0; list < kPanelListCount; ++list)
    for (UiLanguage language : {kChinese, kEnglish})
      EXPECT_EQ(PanelListEntries(static_cast<PanelList>(list), language).size(),
                kSizes[static_cast<std::size_t>(list)])
          << list;
}

}  // namespace
}  // namespace qx210
