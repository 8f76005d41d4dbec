#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "channel_list_test_util.h"
#include "core/bands.h"
#include "core/codec.h"
#include "core/layout.h"
#include "core/memory_image.h"

namespace qx210 {
namespace {

using namespace test;

constexpr int kVhf = 5;  // 136-174MHz

QStringList Lines(const QString& text) {
  QStringList lines = text.split(QStringLiteral("\r\n"));
  EXPECT_EQ(lines.back(), QString()) << "the text ends with CRLF";
  lines.removeLast();
  return lines;
}

TEST(ChannelListExport, HeaderAndRowsAsListToolsWriteThem) {
  RadioState state;
  state.band = kVhf;
  Channel& ch1 = state.channel(1);
  ch1 = NewChannel(Mhz("146.00625"));
  ch1.wide = false;
  ch1.highPower = false;
  ch1.scanAdd = false;
  Channel& ch2 = state.channel(2);
  ch2 = NewChannel(Mhz("145.65000"));
  ch2.tx = Mhz("145.05000");
  ch2.txTone = QtTone(885);
  Channel& ch3 = state.channel(3);
  ch3 = NewChannel(Mhz("146.52000"));
  ch3.tx = Frequency();
  ch3.rxTone = DcsTone(0754, true);
  Channel& ch5 = state.channel(5);
  ch5 = NewChannel(Mhz("137.00000"));
  ch5.tx = Mhz("173.50000");
  ch5.txTone = DcsTone(023);
  ch5.rxTone = QtTone(670);
  Channel& ch16 = state.channel(16);
  ch16 = NewChannel(Mhz("147.12000"));
  ch16.tx = Mhz("147.72000");
  ch16.txTone = ch16.rxTone = QtTone(1000);

  const ChannelExport list = ExportChannelList(state);
  EXPECT_EQ(list.channelCount, 5);
  EXPECT_TRUE(list.warnings.empty());
  EXPECT_EQ(Lines(list.text),
            (QStringList{
                QStringLiteral("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
                               "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE"),
                QStringLiteral("1,,146.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,S,Low,,,,,"),
                QStringLiteral("2,,145.650000,-,0.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,"),
                QStringLiteral("3,,146.520000,off,0.000000,DTCS-R,88.5,88.5,754,RR,754,Tone->Tone,FM,5.00,,High,,,,,"),
                QStringLiteral("5,,137.000000,split,173.500000,Cross,88.5,67.0,023,NN,023,DTCS->Tone,FM,5.00,,High,,,,,"),
                QStringLiteral("16,,147.120000,+,0.600000,TSQL,100.0,100.0,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,"),
            }));
  EXPECT_EQ(ChannelListHeader().size(), 21);

  const ChannelExport none = ExportChannelList(RadioState{});
  EXPECT_EQ(none.channelCount, 0);
  EXPECT_EQ(Lines(none.text).size(), 1);
}

TEST(ChannelListExport, EveryPairOfTonesReadsBack) {
  const std::vector<Tone> tones{Tone(), QtTone(670), QtTone(2541), DcsTone(023), DcsTone(023, true), DcsTone(0754)};
  std::set<QString> modes;
  for (const Tone& tx : tones) {
    for (const Tone& rx : tones) {
      RadioState state;
      state.channel(1) = NewChannel(Mhz("446.00625"));
      state.channel(1).txTone = tx;
      state.channel(1).rxTone = rx;
      const ChannelExport list = ExportChannelList(state);
      const ChannelImport back = ImportChannelList(list.text, ImportOptions{});
      ASSERT_EQ(back.placedCount(), 1) << list.text.toStdString();
      EXPECT_EQ(back.channels[0]->txTone, tx) << list.text.toStdString();
      EXPECT_EQ(back.channels[0]->rxTone, rx) << list.text.toStdString();
      const QStringList fields = ParseCsv(list.text).at(1).fields;
      modes.insert(fields.at(5) + QLatin1Char(' ') + (fields.at(5) == QLatin1String("Cross") ? fields.at(11) : QString()));
    }
  }
  // Every mode a list knows but the two receive-only cross modes, which
  // TSQL-R and DTCS-R say already.
  EXPECT_EQ(modes, (std::set<QString>{QStringLiteral(" "), QStringLiteral("Tone "), QStringLiteral("TSQL "),
                                      QStringLiteral("DTCS "), QStringLiteral("TSQL-R "), QStringLiteral("DTCS-R "),
                                      QStringLiteral("Cross Tone->Tone"), QStringLiteral("Cross Tone->DTCS"),
                                      QStringLiteral("Cross DTCS->Tone"), QStringLiteral("Cross DTCS->"),
                                      QStringLiteral("Cross DTCS->DTCS")}));
}

TEST(ChannelListExport, ValuesAListCannotCarryAreNamed) {
  RadioState state;
  for (int n = 1; n <= 6; ++n) state.channel(n) = NewChannel(Mhz("446.00625"));
  state.channel(1).rx = Frequency::fromBytes({0x00, 0x25, 0x5A, 0x14});  // a digit A
  state.channel(2).tx = Frequency::fromBytes({0x00, 0x25, 0x51, 0xF4});
  state.channel(3).rxTone = Tone::fromWord(0x2013);  // DQT without bit 11: D023N
  state.channel(4).txTone = Tone::fromWord(0x0100);  // 25.6 Hz
  state.channel(5).bclo = true;
  state.channel(6).bclo = true;
  const ChannelExport list = ExportChannelList(state);
  EXPECT_EQ(list.channelCount, 3);
  QStringList warnings;
  for (const ListMessage& warning : list.warnings) warnings << warning.text(kEnglish);
  EXPECT_EQ(warnings,
            (QStringList{
                QStringLiteral("Channel 1 was not exported: its RX frequency 145.A2500 has a digit that is not decimal."),
                QStringLiteral("Channel 2 was not exported: its TX frequency F45.12500 has a digit that is not decimal."),
                QStringLiteral("Channel 4 was not exported: its TX tone word 0x0100 is no tone a channel list can hold."),
                QStringLiteral("A channel list has no BCLO column: the Carrier setting of channels 5, 6 is not exported."),
            }));
  EXPECT_FALSE(list.warnings.front().text(kChinese).isEmpty());
  const QStringList lines = Lines(list.text);
  ASSERT_EQ(lines.size(), 4);
  EXPECT_TRUE(lines[1].startsWith(QStringLiteral("3,"))) << lines[1].toStdString();  // D023N on receive
  EXPECT_TRUE(lines[1].contains(QStringLiteral(",023,"))) << lines[1].toStdString();
  EXPECT_TRUE(lines[2].startsWith(QStringLiteral("5,")));
  EXPECT_TRUE(lines[3].startsWith(QStringLiteral("6,")));
}

// ---- Round trips ---------------------------------------------------------------------

TEST(ChannelListRoundTrip, ImportExportImportKeepsTheChannels) {
  struct Case {
    const char* file;
    int band;
  };
  for (const Case& c : {Case{"pmr446_8x16.csv", 0}, Case{"gmrs.csv", 0}, Case{"repeaters_2m_70cm.csv", 0},
                        Case{"repeaters_2m_70cm.csv", kVhf}}) {
    const ChannelImport first = ImportChannelList(SampleList(c.file), ImportOptions{c.band});
    ASSERT_GT(first.placedCount(), 0) << c.file;
    RadioState state;
    state.band = c.band;
    state = ApplyImport(first, state);
    const ChannelExport list = ExportChannelList(state);
    EXPECT_TRUE(list.warnings.empty()) << c.file;
    const ChannelImport second = ImportChannelList(list.text, ImportOptions{c.band});
    EXPECT_TRUE(second.byLocation);
    EXPECT_EQ(second.notImportedCount(), 0) << c.file;
    EXPECT_EQ(second.channels, first.channels) << c.file;
  }
}

// A random image the editor could have made: channels on the raster inside
// the band, tones the tone list accepts, TX equal, shifted, far apart or empty.
class ImageGenerator {
 public:
  explicit ImageGenerator(quint32 seed) : m_random(seed) {}

  RadioState next() {
    RadioState state;
    state.band = pick(static_cast<int>(kBands.size()));
    for (Channel& channel : state.channels) {
      if (pick(4) == 0) continue;  // unused
      channel = NewChannel(frequency(state.band));
      switch (pick(4)) {
        case 0: break;                                                    // simplex
        case 1: channel.tx = Frequency(); break;                          // no TX
        default: channel.tx = frequency(state.band); break;               // offset or split
      }
      channel.rxTone = tone();
      channel.txTone = tone();
      channel.highPower = pick(2);
      channel.wide = pick(2);
      channel.scanAdd = pick(2);
      channel.bclo = pick(2);
    }
    return state;
  }

 private:
  int pick(int n) { return static_cast<int>(m_random.bounded(n)); }
  Frequency frequency(int band) {
    const qint64 low = qint64(BandAt(band).low) * 100'000;
    const qint64 high = qint64(BandAt(band).high) * 100'000;
    const qint64 step = pick(2) ? 500 : 625;
    const qint64 points = (high - low) / step + 1;
    return *Frequency::fromTenHertz(low + step * static_cast<qint64>(m_random.bounded(quint64(points))));
  }
  Tone tone() {
    switch (pick(3)) {
      case 0: return Tone();
      case 1: return QtTone(670 + pick(2541 - 670 + 1));
      default: return DcsTone(pick(0777 + 1), pick(2));
    }
  }
  QRandomGenerator m_random;
};

TEST(ChannelListRoundTrip, ExportOfAnyImageImportsBackToTheSameChannelBytes) {
  ImageGenerator generator(20261208);
  for (int i = 0; i < 300; ++i) {
    // Through the codec first, so the state is exactly what an image holds.
    RadioState original;
    ASSERT_TRUE(DecodeImage(EncodeImage(generator.next()), original));
    const ChannelExport list = ExportChannelList(original);

    RadioState fresh;
    fresh.band = original.band;
    const ChannelImport import = ImportChannelList(list.text, ImportOptions{original.band});
    ASSERT_EQ(import.notImportedCount(), 0) << ImportReportLines(import, kEnglish).join(QLatin1Char('\n')).toStdString();
    const QByteArray imported = EncodeImage(ApplyImport(import, fresh));

    // A list has no BCLO column: the import leaves it Off.
    RadioState expected = original;
    for (Channel& channel : expected.channels) channel.bclo = false;
    const QByteArray wanted = EncodeImage(expected);
    using namespace layout;
    const int channelBytes = kChannelRecordSize * kChannelCount;
    ASSERT_EQ(imported.mid(kChannels - kImageBase, channelBytes), wanted.mid(kChannels - kImageBase, channelBytes))
        << "image " << i << "\n" << list.text.toStdString();
    ASSERT_EQ(imported.mid(kScanAddLow - kImageBase, 2), wanted.mid(kScanAddLow - kImageBase, 2)) << i;
    // And the list written again is the same list.
    ASSERT_EQ(ExportChannelList(ApplyImport(import, fresh)).text, list.text) << i;
  }
}

}  // namespace
}  // namespace qx210
