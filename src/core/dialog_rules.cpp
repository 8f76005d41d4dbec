#include "core/dialog_rules.h"

#include <array>

#include "core/channel.h"
#include "core/conversions.h"
#include "core/frequency.h"

namespace qx210 {

namespace {

constexpr double kLowestTestMhz = 100.0;
constexpr double kHighestTestMhz = 999.99999;


QStringList Fixed(std::initializer_list<const char*> entries) {
  QStringList list;
  for (const char* entry : entries) list << QString::fromUtf8(entry);
  return list;
}

// "<first>", then "<i><suffix>" for i = 1..count.
QStringList Counted(const char* first, int count, const char* suffix) {
  QStringList list{QString::fromUtf8(first)};
  for (int i = 1; i <= count; ++i) list << QString::number(i) + QString::fromUtf8(suffix);
  return list;
}

constexpr std::array<Bilingual, 3> kPriority{{{"无", "No"}, {"固定", "Fixed"}, {"选定", "Selected"}}};
constexpr std::array<Bilingual, 4> kRevertChannel{{{"选定", "Selected"},
                                                   {"选定+当前", "Selected+Talk Back"},
                                                   {"优先", "priority"},
                                                   {"优先+当前", "priority+Talk Back"}}};
constexpr std::array<Bilingual, 2> kOffOn{{{"禁止", "Off"}, {"打开", "On"}}};
constexpr Bilingual kVoxGainOff{"关闭", "Off"};
constexpr Bilingual kLookBackEmpty{"空", "Empty"};
constexpr std::array<Bilingual, 3> kPttId{{{"发射开始", "Launch Start"}, {"发射结束", "Launch End"}, {"两者", "Both"}}};
constexpr std::array<Bilingual, kKeyFunctionCount> kKeyFunctions{{
    {"自动拨号", "Autodial"},
    {"OFF", "None"},
    {"按键锁定", "Keys lock"},
    {"按键锁定及备份", "Key lock with Backup"},
    {"监听", "Monitor"},
    {"监听瞬时", "Monitor Monentary"},
    {"扫描", "Scan"},
    {"扫描+暂时删除", "Scan + temporary Delete"},
    {"照明灯开关", "Scrambler"},
    {"取消静噪", "Squelch Off"},
    {"瞬时取消静噪", "Squelch Off Momentary"},
    {"暂时删除", "temporary Delete"},
}};

}  // namespace

bool IsCodeCharacter(QChar c) {
  const char16_t u = c.unicode();
  return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'D') || u == '*' || u == '#';
}

std::optional<QChar> FilterCodeKey(QChar typed, int length, bool hasSelection, int maxLength) {
  const char16_t u = typed.unicode();
  const QChar c = (u >= 'a' && u <= 'z') ? QChar(u - 'a' + 'A') : typed;
  if (!IsCodeCharacter(c)) return std::nullopt;
  if (maxLength > 0 && length >= maxLength && !hasSelection) return std::nullopt;
  return c;
}

QString FilterCodeText(const QString& text, int length, int maxLength) {
  QString accepted;
  for (QChar typed : text) {
    if (const auto c = FilterCodeKey(typed, length + static_cast<int>(accepted.size()), false, maxLength))
      accepted.append(*c);
  }
  return accepted;
}

bool IsOneByteCharacter(QChar c) { return c.unicode() >= 0x01 && c.unicode() <= 0xFE; }

bool IsOneByteText(const QString& text) {
  for (QChar c : text)
    if (!IsOneByteCharacter(c)) return false;
  return true;
}

std::optional<double> ParseTestFrequency(const QString& text) {
  bool ok = false;
  const double f = text.trimmed().toDouble(&ok);
  // The small margin admits 999.99999 itself despite binary rounding.
  if (!ok || !(f >= kLowestTestMhz) || f > kHighestTestMhz + 1e-9) return std::nullopt;
  return f;
}

bool CanEditTransmit(const TestFrequencyRow& row) { return !row.rx.isEmpty(); }

bool ApplyReceiveEdit(TestFrequencyRow& row, const QString& typed) {
  if (typed.trimmed().isEmpty()) {
    row = {};
    return true;
  }
  const std::optional<double> f = ParseTestFrequency(typed);
  if (!f) return false;
  row.rx = MegahertzText(SnapToChannelStep(RoundToTenHertz(*f)));
  row.tx = row.rx;
  return true;
}

bool ApplyTransmitEdit(TestFrequencyRow& row, const QString& typed) {
  if (typed.trimmed().isEmpty()) {
    row.tx = row.rx;
    return true;
  }
  const std::optional<double> t = ParseTestFrequency(typed);
  if (!t) return false;
  // A receive text that is not a number counts as 0, which lies on both rasters.
  const bool rxOn625 = RoundToTenHertz(row.rx.trimmed().toDouble()) % kRaster6250Hz == 0;
  row.tx = MegahertzText(LowerOntoRaster(RoundToTenHertz(*t), rxOn625 ? kRaster6250Hz : kRaster5kHz));
  return true;
}

QStringList PriorityItems(UiLanguage language) { return Texts(kPriority, language); }

QStringList PriorityChannelItems() {
  QStringList list;
  for (int i = 1; i <= kChannelCount; ++i) list << QString::number(i);
  return list;
}

QStringList LookBackTimeItems(UiLanguage language) {
  QStringList list{kLookBackEmpty.text(language)};
  // Whole hundredths avoid the drift of adding 0.05 ninety times.
  for (int i = 1; i < kLookBackListSize; ++i) list << QString::number((45 + 5 * i) / 100.0, 'f', 2);
  return list;
}

QStringList RevertChannelItems(UiLanguage language) { return Texts(kRevertChannel, language); }
QStringList OffOnItems(UiLanguage language) { return Texts(kOffOn, language); }

QStringList VoxGainItems(UiLanguage language) {
  QStringList list{kVoxGainOff.text(language)};
  for (int i = 1; i <= 10; ++i) list << QString::number(i);
  return list;
}

QStringList VoxDelayItems() { return Fixed({"0.3S", "0.5S", "1S", "1.5S", "2S", "3S"}); }
QStringList PttIdItems(UiLanguage language) { return Texts(kPttId, language); }
QStringList DtmfRateItems() { return Fixed({"6位", "8位", "10位", "15位"}); }
QStringList DigitTimeItems() { return Fixed({"OFF", "100MS", "500MS", "1000MS"}); }

QStringList FirstDigitDelayItems() {
  QStringList list;
  for (int ms = 100; ms <= 1000; ms += 50) list << QString::number(ms) + QStringLiteral("MS");
  return list;
}

QStringList DKeyItems() { return Counted("D码", 16, "秒"); }
QStringList SideToneItems() { return Fixed({"禁止", "使能"}); }
QStringList AutoResetItems() { return Counted("关闭", 15, "秒"); }
QStringList GroupCallItems() { return Fixed({"关闭", "*", "#", "A", "B", "C", "D"}); }
QStringList KeyFunctionItems(UiLanguage language) { return Texts(kKeyFunctions, language); }

}  // namespace qx210
