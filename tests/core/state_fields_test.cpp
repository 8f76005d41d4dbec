#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QRegularExpression>
#include <set>

#include "core/codec.h"
#include "core/state_fields.h"

namespace qx210 {
namespace {

Frequency Mhz(const char* text) { return *Frequency::fromText(QString::fromLatin1(text)); }

QStringList Lines(const std::vector<StateDifference>& differences, UiLanguage language = kEnglish) {
  QStringList lines;
  for (const StateDifference& difference : differences) lines << difference.text(language);
  return lines;
}

RadioState TwoChannels() {
  RadioState state;
  state.channel(3) = NewChannel(Mhz("446.00625"));
  state.channel(3).txTone = *Tone::qt(670);
  state.channel(4) = NewChannel(Mhz("446.01875"));
  return state;
}

TEST(StateDifferences, EqualStatesHaveNone) {
  EXPECT_TRUE(CompareStates(TwoChannels(), TwoChannels(), kEnglish).empty());
}

TEST(StateDifferences, ChannelValuesByFieldNameAndChannel) {
  const RadioState before = TwoChannels();
  RadioState after = before;
  after.channel(3).txTone = *Tone::dqt(023, false);
  after.channel(3).highPower = false;
  after.channel(4).tx = Frequency();
  EXPECT_EQ(Lines(CompareStates(before, after, kEnglish)),
            (QStringList{QStringLiteral("CH 03 TX tone: 67.0 → D023N"), QStringLiteral("CH 03 Power: High → Low"),
                         QStringLiteral("CH 04 TX frequency: 446.01875 → (empty)")}));
  EXPECT_EQ(Lines(CompareStates(before, after, kChinese), kChinese).front(), QStringLiteral("信道 03 发射亚音频：67.0 → D023N"));
}

TEST(StateDifferences, AChannelInUseOnOneSideDiffersInEveryColumn) {
  const RadioState before = TwoChannels();
  RadioState after = before;
  after.channel(4) = Channel{};
  EXPECT_EQ(Lines(CompareStates(before, after, kEnglish)),
            (QStringList{QStringLiteral("CH 04 RX frequency: 446.01875 → (empty)"),
                         QStringLiteral("CH 04 RX tone: Off → (empty)"),
                         QStringLiteral("CH 04 TX frequency: 446.01875 → (empty)"),
                         QStringLiteral("CH 04 TX tone: Off → (empty)"), QStringLiteral("CH 04 Power: High → (empty)"),
                         QStringLiteral("CH 04 BCLO: Off → (empty)"), QStringLiteral("CH 04 W/N: Wide → (empty)"),
                         QStringLiteral("CH 04 Scan Add: Yes → (empty)")}));
  // What an unused channel's record holds besides its empty RX is no difference.
  RadioState stale = after;
  stale.channel(4).highPower = false;
  EXPECT_TRUE(CompareStates(after, stale, kEnglish).empty());
}

TEST(StateDifferences, BandAndRadioWideValues) {
  const RadioState before;
  RadioState after;
  after.band = 5;
  after.settings.panel.squelchLevel = 5;
  after.settings.panel.timeoutTimer = -1;
  after.settings.keys.pf2 = 3;
  after.settings.message.line1 = QStringLiteral("HELLO");
  after.settings.optional.autoDial[2] = QStringLiteral("105");
  after.settings.optional.voxInhibitOnReceive = false;
  after.settings.testFrequencies.rx[15] = Mhz("150.00000");
  after.settings.debug.txHighPower = 40;
  const QStringList lines = Lines(CompareStates(before, after, kEnglish));
  EXPECT_EQ(lines, (QStringList{QStringLiteral("Band: 400-480MHz → 136-174MHz"),
                                QStringLiteral("Time-out Timer: 90 S → (none)"),
                                QStringLiteral("Squelch Level: Level 3 → Level 5"),
                                lines.value(3),  // PF2's entry text is the key list's business
                                QStringLiteral("Embedded message line 1: (empty) → HELLO"),
                                QStringLiteral("VOX Inhibit On Reveive: Yes → No"),
                                QStringLiteral("Auto-dial memory 3: 3 → 105"),
                                QStringLiteral("TX-High Power: 63 → 40"),
                                QStringLiteral("Test frequency 16 RX: (empty) → 150.00000")}));
  EXPECT_TRUE(lines.value(3).startsWith(QStringLiteral("PF2: "))) << lines.value(3).toStdString();
}

TEST(StateDifferences, CountedAsAWriteQuestionSaysThem) {
  const RadioState before = TwoChannels();
  RadioState after = before;
  EXPECT_EQ(CountDifferences(before, after).channels, 0);
  EXPECT_EQ(CountDifferences(before, after).settings, 0);
  after.channel(3).highPower = false;
  after.channel(3).bclo = true;
  after.channel(9) = NewChannel(Mhz("446.10000"));
  after.band = 5;
  after.settings.panel.beep = 0;
  after.settings.optional.autoDial[1] = QStringLiteral("9");
  after.settings.optional.autoDial[7] = QString();
  after.settings.optional.groupCallCode = 0x35;
  after.settings.testFrequencies.tx[4] = Frequency::fromBytes({0x00, 0x00, 0x0A, 0x45});  // a digit A
  const DifferenceCount count = CountDifferences(before, after);
  EXPECT_EQ(count.channels, 2);
  EXPECT_EQ(count.settings, 6);  // the band, the beep, two memories, the code, one test frequency
}

TEST(StateJson, ChannelsAndEveryGroup) {
  RadioState state = TwoChannels();
  state.channel(4).tx = Frequency();
  state.channel(4).rxTone = *Tone::dqt(0754, true);
  state.settings.testFrequencies.tx[0] = Mhz("150.00000");
  const QJsonObject json = RadioStateJson(state);
  EXPECT_EQ(json.value(QStringLiteral("band")).toInt(), 0);
  EXPECT_EQ(json.value(QStringLiteral("bandText")).toString(), QStringLiteral("400-480MHz"));
  const QJsonArray channels = json.value(QStringLiteral("channels")).toArray();
  ASSERT_EQ(channels.size(), 16);
  EXPECT_EQ(channels.at(0).toObject(), (QJsonObject{{QStringLiteral("channel"), 1}, {QStringLiteral("inUse"), false}}));
  const QJsonObject ch3 = channels.at(2).toObject();
  EXPECT_EQ(ch3.value(QStringLiteral("rxFrequency")).toString(), QStringLiteral("446.00625"));
  EXPECT_EQ(ch3.value(QStringLiteral("rxHz")).toInteger(), 446006250);
  EXPECT_EQ(ch3.value(QStringLiteral("rxTone")).toString(), QStringLiteral("off"));
  EXPECT_EQ(ch3.value(QStringLiteral("txTone")).toString(), QStringLiteral("67.0"));
  EXPECT_EQ(ch3.value(QStringLiteral("txToneWord")).toInt(), 670);
  const QJsonObject ch4 = channels.at(3).toObject();
  EXPECT_TRUE(ch4.value(QStringLiteral("txFrequency")).isNull());
  EXPECT_TRUE(ch4.value(QStringLiteral("txHz")).isNull());
  EXPECT_EQ(ch4.value(QStringLiteral("rxTone")).toString(), QStringLiteral("D754I"));
  EXPECT_EQ(ch4.value(QStringLiteral("rxToneWord")).toInt(), 0xA9EC);

  const QJsonObject panel = json.value(QStringLiteral("panel")).toObject();
  EXPECT_EQ(panel.value(QStringLiteral("timeoutTimer")).toInt(), 5);
  EXPECT_EQ(panel.size(), 7);
  const QJsonObject optional = json.value(QStringLiteral("optionalFunctions")).toObject();
  EXPECT_EQ(optional.value(QStringLiteral("autoDial")).toArray().size(), 8);
  EXPECT_EQ(optional.value(QStringLiteral("txStartCode")).toString(), QStringLiteral("1"));
  EXPECT_TRUE(optional.value(QStringLiteral("cancelOperation")).toBool());
  const QJsonObject tests = json.value(QStringLiteral("testFrequencies")).toObject();
  EXPECT_EQ(tests.value(QStringLiteral("rx")).toArray().size(), 16);
  EXPECT_TRUE(tests.value(QStringLiteral("rx")).toArray().at(0).isNull());
  EXPECT_EQ(tests.value(QStringLiteral("tx")).toArray().at(0).toString(), QStringLiteral("150.00000"));
  EXPECT_EQ(json.value(QStringLiteral("keys")).toObject().value(QStringLiteral("pf1")).toInt(), 10);
  EXPECT_EQ(json.value(QStringLiteral("debug")).toObject().value(QStringLiteral("txHighPower")).toInt(), 63);
}

// Every name the JSON form uses is described in docs/json-fields.md.
TEST(StateJson, EveryNameIsDocumented) {
  QFile file(QStringLiteral(QX210_SOURCE_DIR "/docs/json-fields.md"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString doc = QString::fromUtf8(file.readAll());
  std::set<QString> documented;
  static const QRegularExpression kCode(QStringLiteral("`([A-Za-z0-9]+)`"));
  for (auto it = kCode.globalMatch(doc); it.hasNext();) documented.insert(it.next().captured(1));

  RadioState state = TwoChannels();
  const QJsonObject json = RadioStateJson(state);
  std::set<QString> used;
  for (auto it = json.begin(); it != json.end(); ++it) {
    used.insert(it.key());
    if (it->isObject())
      for (const QString& key : it->toObject().keys()) used.insert(key);
  }
  for (const QJsonValue& channel : json.value(QStringLiteral("channels")).toArray())
    for (const QString& key : channel.toObject().keys()) used.insert(key);
  used.insert(QStringLiteral("file"));   // added by qx210-cli info --json
  used.insert(QStringLiteral("model"));
  for (const QString& name : used) EXPECT_TRUE(documented.count(name)) << name.toStdString() << " is not documented";
}

TEST(StateFields, ModelIdentifierOfAnImage) {
  RadioState vhf;
  vhf.band = 5;
  EXPECT_EQ(ModelIdentifierText(EncodeImage(vhf)), QStringLiteral("P2207"));
  EXPECT_EQ(ModelIdentifierText(EncodeImage(RadioState{})), QStringLiteral("P3207"));
  QByteArray odd = EncodeImage(RadioState{});
  odd[0x01B8 - 0x0010] = '\xFF';
  EXPECT_EQ(ModelIdentifierText(odd), QStringLiteral("<FF>3207"));
}

}  // namespace
}  // namespace qx210
