#include <gtest/gtest.h>

#include "channel_list_test_util.h"
#include "core/bands.h"
#include "core/codec.h"

namespace qx210 {
namespace {

using namespace test;
using Fate = ImportRow::Fate;

constexpr int kUhf = 0;  // 400-480MHz
constexpr int kVhf = 5;  // 136-174MHz

// ---- Published-style lists ------------------------------------------------------

TEST(ChannelListSamples, Pmr446SetFillsTheChannelsInFileOrder) {
  // 8 x 16 rows numbered from Location 0: not a list for 16 channels.
  const ChannelImport import = ImportChannelList(SampleList("pmr446_8x16.csv"), ImportOptions{kUhf});
  ASSERT_FALSE(import.error);
  EXPECT_FALSE(import.byLocation);
  ASSERT_EQ(import.rows.size(), 128u);
  EXPECT_EQ(import.placedCount(), 16);
  EXPECT_EQ(import.count(Fate::LeftOver), 112);
  EXPECT_EQ(import.count(Fate::LeftOut), 0);
  for (int n = 1; n <= kChannelCount; ++n) {
    const ImportRow& row = import.rows[static_cast<std::size_t>(n - 1)];
    EXPECT_EQ(row.channel, n);
    EXPECT_EQ(row.line, n + 1);
    const Channel& channel = *import.channels[static_cast<std::size_t>(n - 1)];
    EXPECT_EQ(channel.rx.tenHertz(), 44600625 + 1250 * (n - 1)) << n;
    EXPECT_EQ(channel.tx, channel.rx);
    // TSQL takes cToneFreq, not the 88.5 filler in rToneFreq.
    EXPECT_EQ(channel.rxTone, QtTone(670));
    EXPECT_EQ(channel.txTone, QtTone(670));
    EXPECT_FALSE(channel.wide);       // NFM
    EXPECT_FALSE(channel.highPower);  // 0.5W
    EXPECT_TRUE(channel.scanAdd);
    EXPECT_FALSE(channel.bclo);
  }
  // The left-over rows are still read: row 17 is PMR2-01 with code 2.
  EXPECT_EQ(import.rows[16].value.rxTone, QtTone(719));
  const QStringList report = ImportReportLines(import, kEnglish);
  EXPECT_EQ(report, (QStringList{
                        QStringLiteral("112 rows left over (lines 18 to 129): there is no channel after channel 16"),
                        QStringLiteral("The Location column was disregarded: not every row's Location is a channel 1 "
                                       "to 16, so the rows fill the channels in file order from channel 1."),
                        QStringLiteral("Names are not kept: this radio stores no channel names.")}));
}

TEST(ChannelListSamples, GmrsListWithBankColumnsAndNoPower) {
  const ChannelImport import = ImportChannelList(SampleList("gmrs.csv"), ImportOptions{kUhf});
  ASSERT_FALSE(import.error);
  ASSERT_EQ(import.rows.size(), 38u);
  EXPECT_FALSE(import.byLocation);  // Locations 1..38
  EXPECT_EQ(import.placedCount(), 16);
  EXPECT_EQ(import.count(Fate::LeftOver), 22);
  // No Power column: High. Channels 8..14 are skipped NFM interstitials.
  for (int n = 1; n <= 16; ++n) {
    const Channel& channel = *import.channels[static_cast<std::size_t>(n - 1)];
    EXPECT_TRUE(channel.highPower);
    EXPECT_EQ(channel.scanAdd, n < 8 || n > 14) << n;
    EXPECT_EQ(channel.wide, n < 8 || n > 14) << n;
  }
  EXPECT_EQ(import.channels[7]->rx, Mhz("467.56250"));
  // Repeater outputs (+5 MHz) and inputs (-5 MHz), with their tones.
  const ImportRow& output = import.rows[22];  // RPT 15R
  EXPECT_EQ(output.value.rx, Mhz("462.55000"));
  EXPECT_EQ(output.value.tx, Mhz("467.55000"));
  EXPECT_EQ(output.value.txTone, QtTone(1413));
  EXPECT_TRUE(output.value.rxTone.isOff());
  const ImportRow& input = import.rows[36];  // RPT 21IN, DTCS 754
  EXPECT_EQ(input.value.rx, Mhz("467.70000"));
  EXPECT_EQ(input.value.tx, Mhz("462.70000"));
  EXPECT_EQ(input.value.txTone, DcsTone(0754));
  EXPECT_EQ(input.value.rxTone, DcsTone(0754));
  EXPECT_FALSE(input.value.scanAdd);
}

TEST(ChannelListSamples, RepeaterListGoesByLocationAndKeepsTheBand) {
  const QString list = SampleList("repeaters_2m_70cm.csv");
  const ChannelImport vhf = ImportChannelList(list, ImportOptions{kVhf});
  ASSERT_FALSE(vhf.error);
  EXPECT_TRUE(vhf.byLocation);
  ASSERT_EQ(vhf.rows.size(), 14u);
  std::vector<int> placed;
  for (const ImportRow& row : vhf.rows)
    if (row.fate == Fate::Placed) placed.push_back(row.channel);
  EXPECT_EQ(placed, (std::vector<int>{1, 2, 3, 4, 5, 16}));

  const Channel& ch1 = *vhf.channels[0];  // "GB3XX, Town": the quoted comma shifts nothing
  EXPECT_EQ(ch1.rx, Mhz("145.65000"));
  EXPECT_EQ(ch1.tx, Mhz("145.05000"));
  EXPECT_EQ(ch1.txTone, QtTone(885));
  EXPECT_TRUE(ch1.rxTone.isOff());
  EXPECT_EQ(vhf.channels[1]->tx, Mhz("146.34000"));
  EXPECT_EQ(vhf.channels[2]->tx, Mhz("147.72000"));
  EXPECT_FALSE(vhf.channels[2]->highPower);
  const Channel& ch4 = *vhf.channels[3];  // Cross DTCS->Tone
  EXPECT_EQ(ch4.txTone, DcsTone(0411));
  EXPECT_EQ(ch4.rxTone, QtTone(1035));
  EXPECT_FALSE(ch4.scanAdd);
  EXPECT_TRUE(vhf.channels[4]->tx.isEmpty());  // Duplex off
  const Channel& ch16 = *vhf.channels[15];      // TSQL-R, Skip P, 1W
  EXPECT_TRUE(ch16.txTone.isOff());
  EXPECT_EQ(ch16.rxTone, QtTone(770));
  EXPECT_TRUE(ch16.scanAdd);
  EXPECT_FALSE(ch16.highPower);

  // Line numbers count the two-line comment of Location 9.
  const QStringList report = ImportReportLines(vhf, kEnglish);
  EXPECT_TRUE(report.contains(QStringLiteral(
      "line 7: Mode \"USB\" is not available on this radio (FM or NFM only)")))
      << report.join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(report.contains(
      QStringLiteral("line 11: Frequency 444.950000 is beyond the frequency range 136-174MHz")))
      << report.join(QLatin1Char('\n')).toStdString();

  const ChannelImport uhf = ImportChannelList(list, ImportOptions{kUhf});
  placed.clear();
  for (const ImportRow& row : uhf.rows)
    if (row.fate == Fate::Placed) placed.push_back(row.channel);
  EXPECT_EQ(placed, (std::vector<int>{8, 9, 10, 11, 12}));
  EXPECT_EQ(uhf.channels[7]->tx, Mhz("431.40000"));
  const Channel& ch10 = *uhf.channels[9];  // DTCS 754, polarity NR
  EXPECT_EQ(ch10.txTone, DcsTone(0754, false));
  EXPECT_EQ(ch10.rxTone, DcsTone(0754, true));
  EXPECT_EQ(uhf.channels[10]->tx, Mhz("433.50000"));  // simplex: Offset ignored
  EXPECT_FALSE(uhf.channels[10]->wide);
  const Channel& ch12 = *uhf.channels[11];  // Cross Tone->DTCS, RX polarity R, 4.0W
  EXPECT_EQ(ch12.txTone, QtTone(1109));
  EXPECT_EQ(ch12.rxTone, DcsTone(0114, true));
  EXPECT_TRUE(ch12.highPower);
  const auto row13 = std::find_if(uhf.rows.begin(), uhf.rows.end(), [](const ImportRow& r) { return r.line == 14; });
  ASSERT_NE(row13, uhf.rows.end());
  EXPECT_EQ(Reasons(*row13), "Offset 145.500000 is beyond the frequency range 400-480MHz");
}

// ---- Tone modes --------------------------------------------------------------------

struct ToneCase {
  const char* name;
  RowValues values;
  Tone tx;
  Tone rx;
};

TEST(ChannelListTones, EveryModeAndCrossMode) {
  const std::vector<ToneCase> cases{
      {"none", {}, Tone(), Tone()},
      {"Tone", {{"Tone", "Tone"}, {"rToneFreq", "100.0"}, {"cToneFreq", "67.0"}}, QtTone(1000), Tone()},
      {"TSQL", {{"Tone", "TSQL"}, {"rToneFreq", "100.0"}, {"cToneFreq", "67.0"}}, QtTone(670), QtTone(670)},
      {"tsql lower case", {{"Tone", "tsql"}, {"cToneFreq", "71.9"}}, QtTone(719), QtTone(719)},
      {"TSQL with an empty cToneFreq", {{"Tone", "TSQL"}, {"rToneFreq", "100"}, {"cToneFreq", ""}},
       QtTone(1000), QtTone(1000)},
      {"DTCS", {{"Tone", "DTCS"}, {"DtcsCode", "754"}, {"RxDtcsCode", "754"}}, DcsTone(0754), DcsTone(0754)},
      {"DTCS with its own RX code", {{"Tone", "DTCS"}, {"DtcsCode", "23"}, {"RxDtcsCode", "445"}}, DcsTone(023),
       DcsTone(0445)},
      {"TSQL-R", {{"Tone", "TSQL-R"}, {"rToneFreq", "77"}}, Tone(), QtTone(770)},
      {"DTCS-R", {{"Tone", "DTCS-R"}, {"DtcsCode", "125"}, {"DtcsPolarity", "NR"}}, Tone(), DcsTone(0125, true)},
      {"Cross Tone->Tone", {{"Tone", "Cross"}, {"rToneFreq", "88.5"}, {"cToneFreq", "123.0"}}, QtTone(885),
       QtTone(1230)},
      {"Cross with an empty CrossMode",
       {{"Tone", "Cross"}, {"CrossMode", ""}, {"rToneFreq", "88.5"}, {"cToneFreq", "123.0"}}, QtTone(885),
       QtTone(1230)},
      {"Cross Tone->DTCS", {{"Tone", "Cross"}, {"CrossMode", "Tone->DTCS"}, {"rToneFreq", "94.8"},
                            {"RxDtcsCode", "306"}, {"DtcsPolarity", "RR"}},
       QtTone(948), DcsTone(0306, true)},
      {"Cross DTCS->Tone", {{"Tone", "Cross"}, {"CrossMode", "DTCS->Tone"}, {"DtcsCode", "306"},
                            {"cToneFreq", "94.8"}, {"DtcsPolarity", "RN"}},
       DcsTone(0306, true), QtTone(948)},
      {"Cross ->Tone", {{"Tone", "Cross"}, {"CrossMode", "->Tone"}, {"cToneFreq", "250.3"}}, Tone(), QtTone(2503)},
      {"Cross ->DTCS", {{"Tone", "Cross"}, {"CrossMode", "->DTCS"}, {"RxDtcsCode", "703"}}, Tone(), DcsTone(0703)},
      {"Cross DTCS->", {{"Tone", "Cross"}, {"CrossMode", "DTCS->"}, {"DtcsCode", "703"}}, DcsTone(0703), Tone()},
      {"Cross DTCS->DTCS", {{"Tone", "Cross"}, {"CrossMode", "DTCS->DTCS"}, {"DtcsCode", "023"},
                            {"RxDtcsCode", "754"}, {"DtcsPolarity", "NR"}},
       DcsTone(023), DcsTone(0754, true)},
  };
  for (const ToneCase& c : cases) {
    const ImportRow row = ReadOneRow(c.values);
    ASSERT_EQ(row.fate, Fate::Placed) << c.name << ": " << Reasons(row);
    EXPECT_EQ(row.value.txTone, c.tx) << c.name;
    EXPECT_EQ(row.value.rxTone, c.rx) << c.name;
  }
}

TEST(ChannelListTones, EveryPolarityPair) {
  const std::vector<std::tuple<const char*, bool, bool>> pairs{
      {"NN", false, false}, {"NR", false, true}, {"RN", true, false}, {"RR", true, true}, {"rn", true, false}};
  for (const auto& [polarity, txInverted, rxInverted] : pairs) {
    const ImportRow row = ReadOneRow({{"Tone", "DTCS"}, {"DtcsCode", "023"}, {"RxDtcsCode", "023"},
                                      {"DtcsPolarity", polarity}});
    ASSERT_EQ(row.fate, Fate::Placed) << polarity;
    EXPECT_EQ(row.value.txTone, DcsTone(023, txInverted)) << polarity;
    EXPECT_EQ(row.value.rxTone, DcsTone(023, rxInverted)) << polarity;
  }
  // A list without the column means NN.
  QStringList columns = kListColumns;
  columns.removeAll(QStringLiteral("DtcsPolarity"));
  const ChannelImport noColumn =
      ImportChannelList(ListText({{{"Tone", "DTCS"}, {"DtcsCode", "432"}, {"RxDtcsCode", "432"}}}, columns), ImportOptions{});
  EXPECT_EQ(noColumn.channels[0]->rxTone, DcsTone(0432));
  // A broken polarity matters only where a code is used.
  EXPECT_EQ(ReadOneRow({{"Tone", "DTCS"}, {"DtcsPolarity", "NX"}}).fate, Fate::LeftOut);
  EXPECT_EQ(ReadOneRow({{"Tone", "TSQL"}, {"DtcsPolarity", "NX"}}).fate, Fate::Placed);
}

TEST(ChannelListTones, ValuesFollowTheToneListRules) {
  EXPECT_EQ(ReadOneRow({{"Tone", "Tone"}, {"rToneFreq", "67"}}).value.txTone, QtTone(670));
  EXPECT_EQ(ReadOneRow({{"Tone", "Tone"}, {"rToneFreq", "254.1"}}).value.txTone, QtTone(2541));
  EXPECT_EQ(ReadOneRow({{"Tone", "Tone"}, {"rToneFreq", "69.4"}}).value.txTone, QtTone(694));  // not in the list, in range
  EXPECT_EQ(Reasons(ReadOneRow({{"Tone", "Tone"}, {"rToneFreq", "66.9"}})),
            "rToneFreq 66.9 lies outside the QT range 67.0 to 254.1 Hz");
  EXPECT_EQ(Reasons(ReadOneRow({{"Tone", "TSQL"}, {"cToneFreq", "254.2"}})),
            "cToneFreq 254.2 lies outside the QT range 67.0 to 254.1 Hz");
  EXPECT_EQ(Reasons(ReadOneRow({{"Tone", "Tone"}, {"rToneFreq", "D023N"}})), "rToneFreq \"D023N\" is not a number");
  EXPECT_EQ(Reasons(ReadOneRow({{"Tone", "Tone"}, {"rToneFreq", ""}})), "rToneFreq is empty, but Tone Tone needs it");

  const ImportRow rounded = ReadOneRow({{"Tone", "Tone"}, {"rToneFreq", "71.94"}});
  EXPECT_EQ(rounded.value.txTone, QtTone(719));
  ASSERT_EQ(rounded.notes.size(), 1u);
  EXPECT_EQ(rounded.notes[0].text(kEnglish), QStringLiteral("rToneFreq 71.94 was kept to one decimal: 71.9"));

  // DCS codes: leading zeros may be missing; above 777 the code becomes 777;
  // a digit 8 or 9 is not octal.
  EXPECT_EQ(ReadOneRow({{"Tone", "DTCS"}, {"DtcsCode", "23"}, {"RxDtcsCode", "7"}}).value.rxTone, DcsTone(07));
  const ImportRow cut = ReadOneRow({{"Tone", "DTCS"}, {"DtcsCode", "999"}, {"RxDtcsCode", "999"}});
  EXPECT_EQ(cut.value.txTone, DcsTone(0777));
  EXPECT_EQ(cut.notes.size(), 2u);
  EXPECT_EQ(Reasons(ReadOneRow({{"Tone", "DTCS"}, {"DtcsCode", "028"}, {"RxDtcsCode", "028"}})),
            "DtcsCode \"028\" is not a DCS code (octal digits 0 to 7) | "
            "RxDtcsCode \"028\" is not a DCS code (octal digits 0 to 7)");
  EXPECT_EQ(Reasons(ReadOneRow({{"Tone", "DTCS-R"}, {"DtcsCode", "2.3"}})),
            "DtcsCode \"2.3\" is not a DCS code (octal digits 0 to 7)");
  EXPECT_EQ(Reasons(ReadOneRow({{"Tone", "DCS"}})),
            "Tone \"DCS\" is not blank, Tone, TSQL, DTCS, TSQL-R, DTCS-R or Cross");
  EXPECT_EQ(Reasons(ReadOneRow({{"Tone", "Cross"}, {"CrossMode", "Tone->"}})),
            "CrossMode \"Tone->\" is not Tone->Tone, Tone->DTCS, DTCS->Tone, ->Tone, ->DTCS, DTCS-> or DTCS->DTCS");
}

// ---- Frequencies and Duplex -----------------------------------------------------------

TEST(ChannelListFrequencies, EveryDuplexKind) {
  const ImportRow simplex = ReadOneRow({{"Frequency", "446.1"}, {"Duplex", ""}, {"Offset", "5.0"}});
  EXPECT_EQ(simplex.value.tx, Mhz("446.10000"));
  const ImportRow plus = ReadOneRow({{"Frequency", "442.125"}, {"Duplex", "+"}, {"Offset", "5"}});
  EXPECT_EQ(plus.value.tx, Mhz("447.12500"));
  const ImportRow minus = ReadOneRow({{"Frequency", "439.0"}, {"Duplex", "-"}, {"Offset", "7.6"}});
  EXPECT_EQ(minus.value.tx, Mhz("431.40000"));
  const ImportRow noOffset = ReadOneRow({{"Frequency", "439.0"}, {"Duplex", "-"}, {"Offset", ""}});
  EXPECT_EQ(noOffset.value.tx, Mhz("439.00000"));
  const ImportRow split = ReadOneRow({{"Frequency", "410.0"}, {"Duplex", "split"}, {"Offset", "470.00625"}});
  EXPECT_EQ(split.value.tx, Mhz("470.00625"));
  const ImportRow off = ReadOneRow({{"Frequency", "410.0"}, {"Duplex", "off"}, {"Tone", "Tone"},
                                    {"rToneFreq", "100.0"}});
  EXPECT_TRUE(off.value.tx.isEmpty());
  EXPECT_EQ(off.value.txTone, QtTone(1000));  // kept: the radio stores it even without TX
  EXPECT_EQ(ReadOneRow({{"Duplex", "OFF"}}).value.tx.isEmpty(), true);

  EXPECT_EQ(Reasons(ReadOneRow({{"Frequency", "478.0"}, {"Duplex", "+"}, {"Offset", "5.0"}})),
            "Frequency + Offset 483.000000 is beyond the frequency range 400-480MHz");
  EXPECT_EQ(Reasons(ReadOneRow({{"Frequency", "146.0"}, {"Duplex", "-"}, {"Offset", "150"}}, kVhf)),
            "Frequency - Offset -4.000000 is beyond the frequency range 136-174MHz");
  EXPECT_EQ(Reasons(ReadOneRow({{"Duplex", "split"}, {"Offset", ""}})), "Offset is empty");
  EXPECT_EQ(Reasons(ReadOneRow({{"Duplex", "+"}, {"Offset", "0,6"}})), "Offset \"0,6\" is not a number");
  EXPECT_EQ(Reasons(ReadOneRow({{"Duplex", "rev"}})), "Duplex \"rev\" is not blank, +, -, split or off");
}

// Numbers of any size are checked before any arithmetic (a huge offset
// overflowed the sum in hertz).
TEST(ChannelListFrequencies, HugeNumbersAreRefusedNotComputed) {
  const QString huge = QStringLiteral("99999999999999999999");
  const QString longer = QStringLiteral("9").repeated(400);
  for (const char* duplex : {"+", "-", "split"}) {
    for (const QString& offset : {huge, longer, huge + QStringLiteral(".5")}) {
      const ImportRow row = ReadOneRow({{"Duplex", duplex}, {"Offset", offset}});
      EXPECT_FALSE(row.reasons.empty()) << duplex << ' ' << offset.size();
      EXPECT_TRUE(row.value.tx.isEmpty() || row.value.tx == Mhz("446.00625"));
    }
  }
  EXPECT_EQ(Reasons(ReadOneRow({{"Duplex", "+"}, {"Offset", huge}})),
            "Offset 99999999999999999999 is beyond the frequency range 400-480MHz");
  // Every other number of a row, as large.
  EXPECT_EQ(Reasons(ReadOneRow({{"Frequency", huge}})),
            "Frequency 99999999999999999999 is beyond the frequency range 400-480MHz");
  EXPECT_EQ(Reasons(ReadOneRow({{"Tone", "TSQL"}, {"cToneFreq", huge}})),
            "cToneFreq 99999999999999999999 lies outside the QT range 67.0 to 254.1 Hz");
  const ImportRow codes = ReadOneRow({{"Tone", "DTCS"}, {"DtcsCode", huge}, {"RxDtcsCode", huge}});
  EXPECT_EQ(codes.value.txTone, *Tone::dqt(0777, false));
  EXPECT_EQ(codes.value.rxTone, *Tone::dqt(0777, false));
  const ImportRow rest = ReadOneRow({{"Location", huge}, {"Power", huge + QStringLiteral("W")}});
  EXPECT_EQ(rest.fate, Fate::Placed);
  EXPECT_TRUE(rest.value.highPower);
}

TEST(ChannelListFrequencies, TheEntryRulesOfTheTable) {
  // Band limits with the value as read, then the raster.
  EXPECT_EQ(ReadOneRow({{"Frequency", "400"}}).value.rx, Mhz("400.00000"));
  EXPECT_EQ(ReadOneRow({{"Frequency", "480.000000"}}).value.rx, Mhz("480.00000"));
  EXPECT_EQ(Reasons(ReadOneRow({{"Frequency", "480.001"}})), "Frequency 480.001 is beyond the frequency range 400-480MHz");
  EXPECT_EQ(Reasons(ReadOneRow({{"Frequency", "399.99999"}})),
            "Frequency 399.99999 is beyond the frequency range 400-480MHz");
  EXPECT_EQ(ReadOneRow({{"Frequency", "136"}}, kVhf).value.rx, Mhz("136.00000"));

  const ImportRow snapped = ReadOneRow({{"Frequency", "445.0149"}});
  EXPECT_EQ(snapped.value.rx, Mhz("445.01250"));
  EXPECT_EQ(snapped.value.tx, Mhz("445.01250"));
  ASSERT_EQ(snapped.notes.size(), 1u);
  EXPECT_EQ(snapped.notes[0].text(kEnglish), QStringLiteral("Frequency 445.0149 was moved onto the channel raster: 445.01250"));
  EXPECT_TRUE(ReadOneRow({{"Frequency", "446.006250"}}).notes.empty());

  EXPECT_EQ(Reasons(ReadOneRow({{"Frequency", ""}})), "Frequency is empty");
  EXPECT_EQ(Reasons(ReadOneRow({{"Frequency", "446.00.625"}})), "Frequency \"446.00.625\" is not a number");
  EXPECT_EQ(Reasons(ReadOneRow({{"Frequency", "446 MHz"}})), "Frequency \"446 MHz\" is not a number");
  // Blanks around a value are not part of it.
  EXPECT_EQ(ReadOneRow({{"Frequency", " 446.1 "}}).value.rx, Mhz("446.10000"));
}

// ---- Options ----------------------------------------------------------------------------

TEST(ChannelListOptions, ModeSkipAndPower) {
  EXPECT_TRUE(ReadOneRow({{"Mode", "FM"}}).value.wide);
  EXPECT_FALSE(ReadOneRow({{"Mode", "NFM"}}).value.wide);
  EXPECT_TRUE(ReadOneRow({{"Mode", ""}}).value.wide);
  EXPECT_EQ(Reasons(ReadOneRow({{"Mode", "AM"}})), "Mode \"AM\" is not available on this radio (FM or NFM only)");
  EXPECT_EQ(ReadOneRow({{"Mode", "DMR"}}).fate, Fate::LeftOut);

  EXPECT_TRUE(ReadOneRow({{"Skip", ""}}).value.scanAdd);
  EXPECT_TRUE(ReadOneRow({{"Skip", "P"}}).value.scanAdd);
  EXPECT_FALSE(ReadOneRow({{"Skip", "S"}}).value.scanAdd);
  EXPECT_EQ(Reasons(ReadOneRow({{"Skip", "Y"}})), "Skip \"Y\" is not blank, S or P");

  const std::vector<std::pair<const char*, bool>> powers{
      {"High", true}, {"Low", false},  {"LOW", false},  {"Low2", false}, {"Mid", true},  {"", true},
      {"5.0W", true}, {"4W", true},    {"2.5W", true},  {"2.4W", false}, {"1W", false},  {"0.5W", false},
      {"1.0", false}, {"500mW", false}, {"5000mW", true}, {"50", true}};
  for (const auto& [power, high] : powers) EXPECT_EQ(ReadOneRow({{"Power", power}}).value.highPower, high) << power;

  // BCLO has no column: always Off.
  EXPECT_FALSE(ReadOneRow({}).value.bclo);
}

// ---- Placement ----------------------------------------------------------------------------

std::vector<int> PlacedChannels(const ChannelImport& import) {
  std::vector<int> channels;
  for (const ImportRow& row : import.rows) channels.push_back(row.fate == Fate::Placed ? row.channel : 0);
  return channels;
}

TEST(ChannelListPlacement, ByLocationOnlyWhenEveryLocationIsAChannel) {
  const ChannelImport byLocation = ImportChannelList(
      ListText({{{"Location", "16"}}, {{"Location", "3"}}, {{"Location", "9"}}}), ImportOptions{});
  EXPECT_TRUE(byLocation.byLocation);
  EXPECT_EQ(PlacedChannels(byLocation), (std::vector<int>{16, 3, 9}));
  EXPECT_TRUE(byLocation.notices.empty());
  const ChannelImport asDecimals =
      ImportChannelList(ListText({{{"Location", "5.0"}}, {{"Location", " 2 "}}}), ImportOptions{});
  EXPECT_EQ(PlacedChannels(asDecimals), (std::vector<int>{5, 2}));

  // One Location outside 1..16 (or not a number) and the file order counts.
  for (const char* odd : {"0", "17", "", "A", "2.5", "1e99"}) {
    const ChannelImport inOrder = ImportChannelList(
        ListText({{{"Location", "16"}}, {{"Location", odd}}, {{"Location", "9"}}}), ImportOptions{});
    EXPECT_FALSE(inOrder.byLocation) << odd;
    EXPECT_EQ(PlacedChannels(inOrder), (std::vector<int>{1, 2, 3})) << odd;
    // The user is told that the column was there and went unused.
    ASSERT_EQ(inOrder.notices.size(), 1u) << odd;
    EXPECT_EQ(inOrder.notices[0].text(kChinese),
              QStringLiteral("未按 Location 列放置：并非每一行的 Location 都是信道 1 至 16，因此各行按文件顺序从信道 1 "
                             "起依次填入。"));
  }
  // A list without Location goes in file order too.
  QStringList columns = kListColumns;
  columns.removeFirst();
  EXPECT_FALSE(ImportChannelList(ListText({{}, {}}, columns), ImportOptions{}).byLocation);

  // The window can ask for file order from a chosen channel.
  ImportOptions fromRow14;
  fromRow14.startChannel = 14;
  fromRow14.placement = Placement::FileOrder;
  const ChannelImport pasted = ImportChannelList(
      ListText({{{"Location", "1"}}, {{"Location", "2"}}, {{"Location", "3"}}, {{"Location", "4"}}}), fromRow14);
  EXPECT_FALSE(pasted.byLocation);
  EXPECT_EQ(PlacedChannels(pasted), (std::vector<int>{14, 15, 16, 0}));
  EXPECT_TRUE(pasted.notices.empty());  // asked for
  EXPECT_EQ(pasted.rows[3].fate, Fate::LeftOver);
  EXPECT_EQ(Reasons(pasted.rows[3]), "left over: there is no channel after channel 16");
}

TEST(ChannelListPlacement, LeftOutRowsTakeNoChannel) {
  const ChannelImport import = ImportChannelList(
      ListText({{{"Frequency", "146.52"}}, {{"Frequency", "446.1"}}, {{"Mode", "AM"}}, {{"Frequency", "446.2"}}}),
      ImportOptions{});
  EXPECT_EQ(PlacedChannels(import), (std::vector<int>{0, 1, 0, 2}));
  EXPECT_TRUE(import.channels[0].has_value());
  EXPECT_TRUE(import.channels[1].has_value());
  EXPECT_FALSE(import.channels[2].has_value());
}

TEST(ChannelListPlacement, ASecondRowForTheSameLocationIsLeftOut) {
  const ChannelImport import = ImportChannelList(
      ListText({{{"Location", "4"}, {"Frequency", "446.1"}}, {{"Location", "4"}, {"Frequency", "446.2"}}}),
      ImportOptions{});
  EXPECT_EQ(PlacedChannels(import), (std::vector<int>{4, 0}));
  EXPECT_EQ(Reasons(import.rows[1]), "Location 4 names a channel that line 2 already fills");
  EXPECT_EQ(import.channels[3]->rx, Mhz("446.10000"));
}

TEST(ChannelListPlacement, ApplyChangesOnlyTheChannelsRowsReach) {
  RadioState state;
  state.band = kUhf;
  state.channel(2) = NewChannel(Mhz("430.00000"));
  state.channel(2).bclo = true;
  state.channel(7) = NewChannel(Mhz("431.00000"));
  state.settings.panel.squelchLevel = 7;
  const ChannelImport import = ImportChannelList(
      ListText({{{"Location", "2"}, {"Frequency", "446.1"}}, {{"Location", "7"}, {"Frequency", "999"}}}),
      ImportOptions{kUhf});
  const RadioState after = ApplyImport(import, state);
  EXPECT_EQ(after.channel(2).rx, Mhz("446.10000"));
  EXPECT_FALSE(after.channel(2).bclo);
  EXPECT_EQ(after.channel(7), state.channel(7));  // its row was left out
  EXPECT_EQ(after.settings, state.settings);
  EXPECT_EQ(after.band, state.band);
  EXPECT_EQ(Changes::between(state, after).channels, 1u << 1);
}

// ---- The file as a whole ----------------------------------------------------------------

TEST(ChannelListFile, ErrorsAndEmptyLists) {
  const ChannelImport empty = ImportChannelList(QString(), ImportOptions{});
  ASSERT_TRUE(empty.error);
  EXPECT_EQ(empty.error->text(kEnglish), QStringLiteral("The file is empty: there is no channel list in it."));

  const ChannelImport noFrequency =
      ImportChannelList(QStringLiteral("Location,Name,RX\n1,A,446.1\n"), ImportOptions{});
  ASSERT_TRUE(noFrequency.error);
  EXPECT_EQ(ImportReportLines(noFrequency, kEnglish),
            QStringList{QStringLiteral("The first line has no \"Frequency\" column: this is not a channel list.")});

  // A header and blank lines only: no rows, nothing placed, no error.
  const ChannelImport headerOnly = ImportChannelList(CsvLine(kListColumns) + QStringLiteral("\n,,,,\n\n"), ImportOptions{});
  EXPECT_FALSE(headerOnly.error);
  EXPECT_TRUE(headerOnly.rows.empty());
  EXPECT_EQ(headerOnly.placedCount(), 0);
}

TEST(ChannelListFile, ShortRowsOddColumnOrderAndTabs) {
  // Columns by name, in any order and case; fields missing at the end are blank.
  const ChannelImport import = ImportChannelList(
      QStringLiteral("frequency,TONE,rtonefreq,Unknown\n446.1,Tone,100.0,x\n446.2\n"), ImportOptions{});
  ASSERT_FALSE(import.error);
  EXPECT_EQ(import.placedCount(), 2);
  EXPECT_EQ(import.channels[0]->txTone, QtTone(1000));
  EXPECT_TRUE(import.channels[1]->txTone.isOff());

  const ChannelImport tabs = ImportChannelList(
      QStringLiteral("Location\tFrequency\tDuplex\tOffset\n3\t446.1\t+\t1.0\n"), ImportOptions{});
  EXPECT_EQ(PlacedChannels(tabs), (std::vector<int>{3}));
  EXPECT_EQ(tabs.channels[2]->tx, Mhz("447.10000"));
}

TEST(ChannelListFile, AnUnclosedQuoteLeavesItsRowOut) {
  const ChannelImport import = ImportChannelList(
      QStringLiteral("Location,Name,Frequency\n1,A,446.1\n2,\"B,446.2\n3,C,446.3\n"), ImportOptions{});
  ASSERT_EQ(import.rows.size(), 2u);
  EXPECT_EQ(import.rows[1].fate, Fate::LeftOut);
  EXPECT_EQ(Reasons(import.rows[1]),
            "a quotation mark is not closed, so the rest of the file became part of this row");
}

TEST(ChannelListFile, NamesAreReportedOnceAndReasonsInBothLanguages) {
  const ChannelImport import = ImportChannelList(
      ListText({{{"Location", "1"}, {"Name", "One"}},
                {{"Location", "2"}, {"Name", "Two"}},
                {{"Location", "3"}, {"Name", ""}, {"Frequency", "146.52"}}}),
      ImportOptions{});
  ASSERT_EQ(import.notices.size(), 1u);
  EXPECT_EQ(import.notices[0].text(kChinese), QStringLiteral("本机不存储信道名称：列表中的名称没有导入。"));
  const QStringList zh = ImportReportLines(import, kChinese);
  EXPECT_EQ(zh.front(), QStringLiteral("第 4 行：Frequency 146.52 超出频段范围 400-480MHz"));
  // Without names nothing is said.
  EXPECT_TRUE(ImportChannelList(ListText({{{"Location", "1"}}}), ImportOptions{}).notices.empty());
}

TEST(ChannelListFile, ArgumentsAreNotReadAsPlaceholders) {
  const ListMessage message{{"%1 / %2", "%1 / %2"}, {QStringLiteral("%2"), QStringLiteral("x")}};
  EXPECT_EQ(message.text(kEnglish), QStringLiteral("%2 / x"));
}

TEST(ChannelListFile, ControlCharactersOfAValueShowInTheMessage) {
  const ChannelImport import = ImportChannelList(
      ListText({{{"Mode", QStringLiteral("F") + QChar(0) + QStringLiteral("M") + QChar(1)}}}), ImportOptions{});
  EXPECT_EQ(Reasons(import.rows[0]),
            QStringLiteral("Mode \"F\u2400M\u2401\" is not available on this radio (FM or NFM only)").toStdString());
}

}  // namespace
}  // namespace qx210
