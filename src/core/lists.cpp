#include "core/lists.h"

namespace qx210 {

namespace {

constexpr std::array<const char*, 50> kQtTones{
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.9",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};

constexpr std::array<const char*, 105> kDqtCodes{
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071", "072", "073",
    "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145", "152", "155", "156", "162",
    "165", "172", "174", "205", "212", "223", "225", "226", "243", "244", "245", "246", "251", "252", "255",
    "261", "263", "265", "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346", "351",
    "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "446", "452", "454", "455",
    "462", "464", "465", "466", "503", "506", "516", "523", "526", "532", "546", "565", "606", "612", "624",
    "627", "631", "632", "645", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};

constexpr std::array<std::array<Bilingual, 2>, 4> kOptionLists{{
    {{{"低", "Low"}, {"高", "High"}}},
    {{{"关闭", "Off"}, {"载波", "Carrier"}}},
    {{{"窄带", "Narrow"}, {"宽带", "Wide"}}},
    {{{"无", "No"}, {"有", "Yes"}}},
}};


}  // namespace

int BandPositionForCode(unsigned char code) {
  for (int i = 0; i < static_cast<int>(kBands.size()); ++i)
    if (kBands[static_cast<std::size_t>(i)].code == code) return i;
  return -1;
}

QStringList BandTexts() {
  QStringList texts;
  for (const Band& band : kBands) texts << QString::fromLatin1(band.text);
  return texts;
}

QString ToneOffText(UiLanguage language) { return kToneOff.text(language); }

Tone ToneAtListPosition(int position) {
  constexpr int kQtCount = static_cast<int>(kQtTones.size());
  constexpr int kDqtCount = static_cast<int>(kDqtCodes.size());
  if (position >= 1 && position <= kQtCount) {
    const QString text = QString::fromLatin1(kQtTones[static_cast<std::size_t>(position - 1)]);
    return *Tone::qt(qRound(text.toDouble() * 10));
  }
  const int dqt = position - 1 - kQtCount;
  if (dqt >= 0 && dqt < 2 * kDqtCount) {
    const int code = QString::fromLatin1(kDqtCodes[static_cast<std::size_t>(dqt % kDqtCount)]).toInt(nullptr, 8);
    return *Tone::dqt(code, dqt >= kDqtCount);
  }
  return Tone();
}

int ListPositionOfTone(const Tone& tone) {
  for (int position = 0; position < kToneListSize; ++position)
    if (ToneAtListPosition(position) == tone) return position;
  return -1;
}

QString ToneCaption(const Tone& tone, UiLanguage language) {
  return tone.isOff() ? ToneOffText(language) : tone.text();
}

QStringList ToneList(UiLanguage language) {
  QStringList list;
  list.reserve(kToneListSize);
  list << ToneOffText(language);
  for (const char* tone : kQtTones) list << QString::fromLatin1(tone);
  for (const char* code : kDqtCodes) list << QStringLiteral("D%1N").arg(QLatin1String(code));
  for (const char* code : kDqtCodes) list << QStringLiteral("D%1I").arg(QLatin1String(code));
  return list;
}

Bilingual OptionEntry(int column, int position) {
  return kOptionLists.at(static_cast<std::size_t>(column - kColPower)).at(position == 0 ? 0 : 1);
}

QString OptionText(int column, int position, UiLanguage language) {
  return OptionEntry(column, position).text(language);
}

QStringList OptionList(int column, UiLanguage language) {
  return {OptionText(column, 0, language), OptionText(column, 1, language)};
}

QStringList PanelListEntries(PanelList list, UiLanguage language) {
  const bool zh = language == kChinese;
  QStringList entries;
  switch (list) {
    case kVoiceNotice:
      return Texts({{"关", "Off"}, {"中文", "Chinese"}, {"英文", "English"}}, language);
    case kTimeoutTimer:
      for (int n = 1; n <= 40; ++n)
        entries << QString::number(n * 15) + (zh ? QStringLiteral(" 秒") : QStringLiteral(" S"));
      return entries;
    case kSquelchLevel:
      for (int n = 0; n <= 9; ++n)
        entries << (zh ? QString::number(n) + QStringLiteral(" 级") : QStringLiteral("Level ") + QString::number(n));
      return entries;
    case kBatterySave:
    case kBeep:
      return Texts({{"禁止", "Off"}, {"使能", "On"}}, language);
    case kRadioSwitch:
      return Texts({{"关闭", "Off"}, {"打开", "On"}}, language);
    case kTotPreAlert:
      entries << Pick(language, "关闭", "Off");
      for (int n = 1; n <= 10; ++n)
        entries << QString::number(n) + (zh ? QStringLiteral(" 秒") : QStringLiteral(" S"));
      return entries;
  }
  return entries;
}

}  // namespace qx210
