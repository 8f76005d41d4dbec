// The fixed lists of the main window, entry by entry, in both languages.
#include <gtest/gtest.h>

#include "core/lists.h"

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace qx210 {
namespace {

QStringList Split(const char* commaSeparated) {
  QStringList items = QString::fromLatin1(commaSeparated).split(QLatin1Char(','));
  for (QString& item : items) item = item.trimmed();
  return items;
}

const char kQtTones[] =
    "67.0, 69.3, 71.9, 74.4, 77.0, 79.7, 82.5, 85.4, 88.5, 91.5, 94.8, 97.4, 100.0, 103.5, 107.2, 110.9, 114.8, "
    "118.8, 123.0, 127.3, 131.8, 136.5, 141.3, 146.2, 151.4, 156.7, 159.8, 162.2, 165.5, 167.9, 171.3, 173.8, "
    "177.3, 179.9, 183.5, 186.2, 189.9, 192.8, 196.6, 199.9, 203.5, 206.5, 210.7, 218.1, 225.7, 229.1, 233.6, "
    "241.8, 250.3, 254.1";

const char kDqtCodes[] =
    "023, 025, 026, 031, 032, 036, 043, 047, 051, 053, 054, 065, 071, 072, 073, 074, 114, 115, 116, 122, 125, "
    "131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205, 212, 223, 225, 226, 243, 244, 245, 246, "
    "251, 252, 255, 261, 263, 265, 266, 271, 274, 306, 311, 315, 325, 331, 332, 343, 346, 351, 356, 364, 365, "
    "371, 411, 412, 413, 423, 431, 432, 445, 446, 452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526, "
    "532, 546, 565, 606, 612, 624, 627, 631, 632, 645, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754";

TEST(ToneList, AllEntriesInOrder) {
  const QStringList tones = Split(kQtTones);
  const QStringList codes = Split(kDqtCodes);
  ASSERT_EQ(tones.size(), 50);
  ASSERT_EQ(codes.size(), 105);
  for (UiLanguage language : {kChinese, kEnglish}) {
    QStringList expected{language == kChinese ? QStringLiteral("关闭") : QStringLiteral("Off")};
    expected << tones;
    for (const QString& code : codes) expected << QLatin1Char('D') + code + QLatin1Char('N');
    for (const QString& code : codes) expected << QLatin1Char('D') + code + QLatin1Char('I');
    const QStringList list = ToneList(language);
    ASSERT_EQ(list.size(), kToneListSize);
    EXPECT_EQ(list, expected) << language;
  }
  EXPECT_EQ(ToneList(kChinese).at(155), QStringLiteral("D754N"));
  EXPECT_EQ(ToneList(kEnglish).at(156), QStringLiteral("D023I"));
}

TEST(ToneList, OffEntryInEitherLanguage) {
  EXPECT_TRUE(IsToneOffText(QStringLiteral("关闭")));
  EXPECT_TRUE(IsToneOffText(QStringLiteral("Off")));
  EXPECT_FALSE(IsToneOffText(QStringLiteral("off")));
  EXPECT_FALSE(IsToneOffText(QStringLiteral("67.0")));
}

TEST(BandList, TextsLimitsAndCodes) {
  EXPECT_EQ(BandTexts(), (QStringList{"400-480MHz", "200-260MHz", "400-430MHz", "370-390MHz", "350-370MHz",
                                      "136-174MHz", "400-520MHz"}));
  const int limits[7][2] = {{400, 480}, {200, 260}, {400, 430}, {370, 390}, {350, 370}, {136, 174}, {400, 520}};
  const unsigned char codes[7] = {0x33, 0x21, 0x43, 0x63, 0x53, 0x01, 0x73};
  for (int i = 0; i < 7; ++i) {
    // The limits are the numbers in characters 1-3 and 5-7 of the list text.
    const QString text = BandTexts().at(i);
    EXPECT_EQ(text.mid(0, 3).toInt(), limits[i][0]) << i;
    EXPECT_EQ(text.mid(4, 3).toInt(), limits[i][1]) << i;
    EXPECT_EQ(kBands[static_cast<std::size_t>(i)].low, limits[i][0]) << i;
    EXPECT_EQ(kBands[static_cast<std::size_t>(i)].high, limits[i][1]) << i;
    EXPECT_EQ(BandPositionForCode(codes[i]), i);
  }
  EXPECT_EQ(BandPositionForCode(0x00), -1);
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
