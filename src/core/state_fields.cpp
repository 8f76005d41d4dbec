#include "core/state_fields.h"

#include <QJsonArray>

#include "core/bands.h"
#include "core/dialog_rules.h"
#include "core/layout.h"
#include "core/lists.h"
#include "core/memory_image.h"

namespace qx210 {

namespace {

constexpr Bilingual kEmptyValue{"（空）", "(empty)"};
constexpr Bilingual kNoEntry{"（无）", "(none)"};
constexpr Bilingual kChannelLabel{"信道 %1 ", "CH %1 "};
constexpr Bilingual kFieldSeparator{"：", ": "};
constexpr Bilingual kYes{"是", "Yes"};
constexpr Bilingual kNo{"否", "No"};
constexpr Bilingual kBandName{"频段", "Band"};

constexpr std::array<Bilingual, 8> kChannelFieldNames{{
    {"接收频率", "RX frequency"},
    {"接收亚音频", "RX tone"},
    {"发射频率", "TX frequency"},
    {"发射亚音频", "TX tone"},
    {"功率", "Power"},
    {"禁发", "BCLO"},
    {"宽\\窄带", "W/N"},
    {"扫描添加", "Scan Add"},
}};

// Replaces %1 in `format` by `argument`.
QString Filled(const QString& format, const QString& argument) {
  QString text = format;
  return text.replace(QStringLiteral("%1"), argument);
}

using Getter = std::function<int(const RadioSettings&)>;
using Lister = std::function<QStringList(UiLanguage)>;

// The entry at `position`, "(none)" for -1, the number where the list has no such entry.
QString Entry(const QStringList& list, int position, UiLanguage language) {
  if (position < 0) return kNoEntry.text(language);
  if (position < list.size()) return list.at(position);
  return QString::number(position);
}

SettingField ListField(const char* group, const char* key, Bilingual name, Getter get, Lister list) {
  return {group, key, -1, name,
          [get, list](const RadioSettings& s, UiLanguage language) { return Entry(list(language), get(s), language); },
          [get](const RadioSettings& s) { return QJsonValue(get(s)); }};
}

// A list the program shows in Chinese only: reports in other languages give the position.
SettingField ChineseListField(const char* group, const char* key, Bilingual name, Getter get,
                              std::function<QStringList()> list) {
  return ListField(group, key, name, get, [list](UiLanguage language) {
    return language == kChinese ? list() : QStringList();
  });
}

SettingField PanelField(const char* key, Bilingual name, int PanelSettings::*member, PanelList list) {
  return ListField("panel", key, name, [member](const RadioSettings& s) { return s.panel.*member; },
                   [list](UiLanguage language) { return PanelListEntries(list, language); });
}

SettingField NumberField(const char* group, const char* key, Bilingual name, Getter get) {
  return {group, key, -1, name,
          [get](const RadioSettings& s, UiLanguage) { return QString::number(get(s)); },
          [get](const RadioSettings& s) { return QJsonValue(get(s)); }};
}

SettingField FlagField(const char* group, const char* key, Bilingual name, std::function<bool(const RadioSettings&)> get) {
  return {group, key, -1, name,
          [get](const RadioSettings& s, UiLanguage language) { return (get(s) ? kYes : kNo).text(language); },
          [get](const RadioSettings& s) { return QJsonValue(get(s)); }};
}

SettingField TextField(const char* group, const char* key, int index, Bilingual name,
                       std::function<QString(const RadioSettings&)> get) {
  return {group, key, index, name, [get](const RadioSettings& s, UiLanguage) { return get(s); },
          [get](const RadioSettings& s) { return QJsonValue(get(s)); }};
}

SettingField FrequencyField(const char* key, int index, Bilingual name,
                            std::function<const Frequency&(const RadioSettings&)> get) {
  return {"testFrequencies", key, index, name, [get](const RadioSettings& s, UiLanguage) { return get(s).text(); },
          [get](const RadioSettings& s) {
            const Frequency& f = get(s);
            return f.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(f.text());
          }};
}

std::vector<SettingField> BuildSettingFields() {
  using S = const RadioSettings&;
  std::vector<SettingField> fields{
      PanelField("voiceNotice", {"语言通知", "Voice Notice"}, &PanelSettings::voiceNotice, kVoiceNotice),
      PanelField("timeoutTimer", {"发射超时", "Time-out Timer"}, &PanelSettings::timeoutTimer, kTimeoutTimer),
      PanelField("totPreAlert", {"发射超时预警", "TOT Pre-Alert"}, &PanelSettings::totPreAlert, kTotPreAlert),
      PanelField("squelchLevel", {"静噪等级", "Squelch Level"}, &PanelSettings::squelchLevel, kSquelchLevel),
      PanelField("batterySave", {"省电", "Battery Save"}, &PanelSettings::batterySave, kBatterySave),
      PanelField("beep", {"提示音", "Beep"}, &PanelSettings::beep, kBeep),
      PanelField("radioSwitch", {"收音机开关", "Radio Switch"}, &PanelSettings::radioSwitch, kRadioSwitch),
      ListField("keys", "pf1", {"PF1", "PF1"}, [](S s) { return s.keys.pf1; }, KeyFunctionItems),
      ListField("keys", "pf2", {"PF2", "PF2"}, [](S s) { return s.keys.pf2; }, KeyFunctionItems),
      TextField("message", "line1", -1, {"嵌入信息第 1 行", "Embedded message line 1"},
                [](S s) { return s.message.line1; }),
      TextField("message", "line2", -1, {"嵌入信息第 2 行", "Embedded message line 2"},
                [](S s) { return s.message.line2; }),
      ListField("optionalFunctions", "priority", {"优先", "Priority"}, [](S s) { return s.optional.priority; },
                PriorityItems),
      NumberField("optionalFunctions", "priorityChannel", {"优先信道", "Priority Channel"},
                  [](S s) { return s.optional.priorityChannel; }),
      ListField("optionalFunctions", "lookBackTimeA", {"回扫时间A[秒]", "Look Back Time A[S]"},
                [](S s) { return s.optional.lookBackTimeA; }, LookBackTimeItems),
      ListField("optionalFunctions", "lookBackTimeB", {"回扫时间B[秒]", "Look Back Time B[S]"},
                [](S s) { return s.optional.lookBackTimeB; }, LookBackTimeItems),
      ListField("optionalFunctions", "revertChannel", {"返回信道", "Revert channel"},
                [](S s) { return s.optional.revertChannel; }, RevertChannelItems),
      NumberField("optionalFunctions", "dropoutDelayTime", {"扫描接收恢复延时时间(秒)", "Dropout delay time[S]"},
                  [](S s) { return s.optional.dropoutDelayTime; }),
      NumberField("optionalFunctions", "txDwellTime", {"扫描发射恢复延时时间(秒)", "TX Dwell time[S]"},
                  [](S s) { return s.optional.txDwellTime; }),
      ListField("optionalFunctions", "voxFunction", {"VOX功能", "VOX Function"},
                [](S s) { return s.optional.voxFunction; }, OffOnItems),
      ListField("optionalFunctions", "voxGainLevel", {"VOX增益电平", "VOX Gain Level"},
                [](S s) { return s.optional.voxGainLevel; }, VoxGainItems),
      ListField("optionalFunctions", "voxDelayTime", {"VOX延迟时间", "VOX Delay time[S]"},
                [](S s) { return s.optional.voxDelayTime; }, [](UiLanguage) { return VoxDelayItems(); }),
      ListField("optionalFunctions", "voxProceedTone", {"VOX可进行音调", "VOX Proceed Tone"},
                [](S s) { return s.optional.voxProceedTone; }, OffOnItems),
      FlagField("optionalFunctions", "cancelOperation", {"取消操作", "Cancel Operation"},
                [](S s) { return s.optional.cancelOperation; }),
      FlagField("optionalFunctions", "voxInhibitOnReceive", {"接收时禁止VOX", "VOX Inhibit On Reveive"},
                [](S s) { return s.optional.voxInhibitOnReceive; }),
      ListField("optionalFunctions", "duplicate", {"复制", "Duplicate"}, [](S s) { return s.optional.duplicate; },
                OffOnItems),
      ListField("optionalFunctions", "pttId", {"PTT ID", "PTT ID"}, [](S s) { return s.optional.pttId; },
                PttIdItems),
      TextField("optionalFunctions", "idCode", -1, {"ID 码", "ID code"}, [](S s) { return s.optional.idCode; }),
      TextField("optionalFunctions", "txStartCode", -1, {"发射起始码", "TX start code"},
                [](S s) { return s.optional.txStartCode; }),
      TextField("optionalFunctions", "txEndCode", -1, {"发射结束码", "TX end code"},
                [](S s) { return s.optional.txEndCode; }),
      ChineseListField("optionalFunctions", "dtmfRate", {"DTMF 速率", "DTMF rate"},
                       [](S s) { return s.optional.dtmfRate; }, DtmfRateItems),
      ListField("optionalFunctions", "firstDigitTime", {"首位码时间", "First digit time"},
                [](S s) { return s.optional.firstDigitTime; }, [](UiLanguage) { return DigitTimeItems(); }),
      NumberField("optionalFunctions", "firstDigitDelay", {"首位码延时（毫秒）", "First digit delay (ms)"},
                  [](S s) { return s.optional.firstDigitDelay; }),
      ListField("optionalFunctions", "starHashTone", {"* 和 # 音", "* and # tone"},
                [](S s) { return s.optional.starHashTone; }, [](UiLanguage) { return DigitTimeItems(); }),
      ChineseListField("optionalFunctions", "dKeySetting", {"D 键设置", "D key setting"},
                       [](S s) { return s.optional.dKeySetting; }, DKeyItems),
      ChineseListField("optionalFunctions", "dtmfSideTone", {"DTMF 侧音", "DTMF side tone"},
                       [](S s) { return s.optional.dtmfSideTone; }, SideToneItems),
      ChineseListField("optionalFunctions", "autoResetTimer", {"自动复位时间", "Auto reset timer"},
                       [](S s) { return s.optional.autoResetTimer; }, AutoResetItems),
      {"optionalFunctions", "groupCallCode", -1, {"组呼码", "Group call code"},
       [](S s, UiLanguage language) {
         const int code = s.optional.groupCallCode;
         return code == 0 ? kNoEntry.text(language) : QString(QChar(code));
       },
       [](S s) { return QJsonValue(s.optional.groupCallCode); }},
  };
  for (int k = 0; k < 8; ++k)
    fields.push_back(TextField("optionalFunctions", "autoDial", k, {"自动拨号存储 %1", "Auto-dial memory %1"},
                               [k](S s) { return s.optional.autoDial[static_cast<std::size_t>(k)]; }));
  fields.push_back(NumberField("debug", "txHighPower", {"发射高功率", "TX-High Power"},
                               [](S s) { return s.debug.txHighPower; }));
  fields.push_back(NumberField("debug", "txLowPower", {"发射低功率", "TX-Low Power"},
                               [](S s) { return s.debug.txLowPower; }));
  for (int k = 0; k < 16; ++k) {
    const auto slot = static_cast<std::size_t>(k);
    fields.push_back(FrequencyField("rx", k, {"测试频率 %1 接收", "Test frequency %1 RX"},
                                    [slot](S s) -> const Frequency& { return s.testFrequencies.rx[slot]; }));
    fields.push_back(FrequencyField("tx", k, {"测试频率 %1 发射", "Test frequency %1 TX"},
                                    [slot](S s) -> const Frequency& { return s.testFrequencies.tx[slot]; }));
  }
  return fields;
}

QJsonObject ChannelJson(int n, const Channel& channel) {
  QJsonObject object{{QStringLiteral("channel"), n}, {QStringLiteral("inUse"), channel.inUse()}};
  if (!channel.inUse()) return object;
  auto frequency = [](const Frequency& f) {
    return f.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(f.text());
  };
  auto hertz = [](const Frequency& f) {
    const std::optional<qint64> units = f.tenHertz();
    return units ? QJsonValue(*units * 10) : QJsonValue(QJsonValue::Null);
  };
  auto tone = [](const Tone& t) { return t.isOff() ? QStringLiteral("off") : t.text(); };
  object.insert(QStringLiteral("rxFrequency"), frequency(channel.rx));
  object.insert(QStringLiteral("rxHz"), hertz(channel.rx));
  object.insert(QStringLiteral("rxTone"), tone(channel.rxTone));
  object.insert(QStringLiteral("rxToneWord"), channel.rxTone.word());
  object.insert(QStringLiteral("txFrequency"), frequency(channel.tx));
  object.insert(QStringLiteral("txHz"), hertz(channel.tx));
  object.insert(QStringLiteral("txTone"), tone(channel.txTone));
  object.insert(QStringLiteral("txToneWord"), channel.txTone.word());
  object.insert(QStringLiteral("highPower"), channel.highPower);
  object.insert(QStringLiteral("bclo"), channel.bclo);
  object.insert(QStringLiteral("wide"), channel.wide);
  object.insert(QStringLiteral("scanAdd"), channel.scanAdd);
  return object;
}

}  // namespace

Bilingual ChannelFieldName(int column) {
  return kChannelFieldNames.at(static_cast<std::size_t>(column - kColRxFreq));
}

QString ChannelFieldText(const Channel& channel, int column, UiLanguage language) {
  if (!channel.inUse()) return {};
  switch (column) {
    case kColRxFreq:
    case kColTxFreq:
      return FrequencyOf(channel, column).text();
    case kColRxTone:
    case kColTxTone:
      return ToneCaption(ToneOf(channel, column), language);
    default:
      return OptionText(column, OptionPosition(channel, column), language);
  }
}

QString SettingField::nameText(UiLanguage language) const {
  return Filled(name.text(language), QString::number(index + 1));
}

const std::vector<SettingField>& SettingFields() {
  static const std::vector<SettingField> fields = BuildSettingFields();
  return fields;
}

bool IsMainSetting(const SettingField& field) {
  const QLatin1String group(field.group);
  return group == QLatin1String("panel") || group == QLatin1String("keys") || group == QLatin1String("message");
}

QString BandText(int band) { return QString::fromLatin1(BandAt(band).text); }

QString ModelIdentifierText(const QByteArray& image) {
  QString text;
  for (int i = 0; i < static_cast<int>(layout::kModelVhf.size()); ++i) {
    const int offset = layout::kModelId - kImageBase + i;
    if (offset >= image.size()) break;
    const auto byte = static_cast<unsigned char>(image.at(offset));
    if (byte >= 0x20 && byte < 0x7F) text += QLatin1Char(static_cast<char>(byte));
    else text += QStringLiteral("<%1>").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
  }
  return text;
}

QString StateDifference::text(UiLanguage language) const {
  auto shown = [language](const QString& value) { return value.isEmpty() ? kEmptyValue.text(language) : value; };
  const QString where = channel > 0 ? Filled(kChannelLabel.text(language), QStringLiteral("%1").arg(channel, 2, 10, QLatin1Char('0')))
                                    : QString();
  return where + field + kFieldSeparator.text(language) + shown(before) + QStringLiteral(" → ") + shown(after);
}

DifferenceCount CountDifferences(const RadioState& a, const RadioState& b) {
  DifferenceCount count{Changes::between(a, b).channelCount(), a.band != b.band ? 1 : 0};
  // A value's JSON form holds all of it (a frequency's text every digit).
  for (const SettingField& field : SettingFields())
    if (field.json(a.settings) != field.json(b.settings)) ++count.settings;
  return count;
}

std::vector<StateDifference> CompareStates(const RadioState& before, const RadioState& after, UiLanguage language) {
  std::vector<StateDifference> differences;
  if (before.band != after.band)
    differences.push_back({0, kBandName.text(language), BandText(before.band), BandText(after.band)});
  for (int n = 1; n <= kChannelCount; ++n) {
    const Channel& a = before.channel(n);
    const Channel& b = after.channel(n);
    for (int column = kColRxFreq; column <= kColScanAdd; ++column) {
      // No two tones read alike, so the texts tell every difference.
      const QString was = ChannelFieldText(a, column, language);
      const QString is = ChannelFieldText(b, column, language);
      if (was != is) differences.push_back({n, ChannelFieldName(column).text(language), was, is});
    }
  }
  for (const SettingField& field : SettingFields()) {
    const QString was = field.text(before.settings, language);
    const QString is = field.text(after.settings, language);
    if (was != is || field.json(before.settings) != field.json(after.settings))
      differences.push_back({0, field.nameText(language), was, is});
  }
  return differences;
}

QJsonObject RadioStateJson(const RadioState& state) {
  QJsonObject root;
  root.insert(QStringLiteral("band"), state.band);
  root.insert(QStringLiteral("bandText"), BandText(state.band));
  QJsonArray channels;
  for (int n = 1; n <= kChannelCount; ++n) channels.append(ChannelJson(n, state.channel(n)));
  root.insert(QStringLiteral("channels"), channels);
  for (const SettingField& field : SettingFields()) {
    const QString group = QString::fromLatin1(field.group);
    const QString key = QString::fromLatin1(field.key);
    QJsonObject object = root.value(group).toObject();
    const QJsonValue value = field.json(state.settings);
    if (field.index < 0) {
      object.insert(key, value);
    } else {
      QJsonArray array = object.value(key).toArray();
      array.append(value);
      object.insert(key, array);
    }
    root.insert(group, object);
  }
  return root;
}

}  // namespace qx210
