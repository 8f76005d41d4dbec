#include <gtest/gtest.h>

#include "core/dialog_rules.h"
#include "core/unlock_gesture.h"

namespace qx210 {
namespace {

// ---- Code fields -----------------------------------------------------------

TEST(CodeKeyFilter, UpperCasesLettersAndAcceptsTheDtmfAlphabet) {
  EXPECT_EQ(FilterCodeKey(QLatin1Char('a'), 0, false, 10), QChar('A'));
  EXPECT_EQ(FilterCodeKey(QLatin1Char('d'), 0, false, 10), QChar('D'));
  for (char c : QByteArray("0123456789ABCD*#")) EXPECT_EQ(FilterCodeKey(QLatin1Char(c), 0, false, 10), QChar(c)) << c;
}

TEST(CodeKeyFilter, RefusesEverythingElse) {
  for (char c : QByteArray("EeFfzZ-+ .,/")) EXPECT_FALSE(FilterCodeKey(QLatin1Char(c), 0, false, 10)) << c;
  EXPECT_FALSE(FilterCodeKey(QChar(0x4E2D), 0, false, 10));  // a Chinese character
  EXPECT_FALSE(FilterCodeKey(QChar(0x00E1), 0, false, 10));  // á is no letter a..z
}

TEST(CodeKeyFilter, FullFieldTakesACharacterOnlyInPlaceOfASelection) {
  EXPECT_TRUE(FilterCodeKey(QLatin1Char('1'), 9, false, 10));
  EXPECT_FALSE(FilterCodeKey(QLatin1Char('1'), 10, false, 10));
  EXPECT_TRUE(FilterCodeKey(QLatin1Char('1'), 10, true, 10));
  EXPECT_FALSE(FilterCodeKey(QLatin1Char('1'), 16, false, 16));
  EXPECT_TRUE(FilterCodeKey(QLatin1Char('1'), 500, false, 0));  // no limit
}

TEST(CodeKeyFilter, PastedTextPassesTheSameFilter) {
  EXPECT_EQ(FilterCodeText(QStringLiteral("12ab-x#*e9"), 0, 16), QStringLiteral("12AB#*9"));
  EXPECT_EQ(FilterCodeText(QStringLiteral("123456"), 7, 10), QStringLiteral("123"));
}

TEST(MessageCharacters, OnlyOneByteCodesExceptNulAndFF) {
  EXPECT_TRUE(IsOneByteText(QStringLiteral("Hello, radio! ~")));
  EXPECT_TRUE(IsOneByteText(QString(QChar(0xFE))));
  EXPECT_TRUE(IsOneByteText(QString(QChar(0x01))));
  EXPECT_FALSE(IsOneByteText(QString(QChar(0xFF))));
  EXPECT_FALSE(IsOneByteText(QString(QChar(0x00))));
  EXPECT_FALSE(IsOneByteText(QString::fromUtf8("中文")));
  EXPECT_FALSE(IsOneByteText(QString::fromUtf8("ok€")));
}

// ---- Test frequencies ------------------------------------------------------

QString ReceiveSnapped(const QString& typed) {
  TestFrequencyRow row;
  EXPECT_TRUE(ApplyReceiveEdit(row, typed)) << typed.toStdString();
  EXPECT_EQ(row.tx, row.rx);
  return row.rx;
}

TEST(TestFrequencySnapping, ReceiveTakesTheRasterWithTheSmallerRemainder) {
  EXPECT_EQ(ReceiveSnapped(QStringLiteral("446.00625")), QStringLiteral("446.00625"));
  EXPECT_EQ(ReceiveSnapped(QStringLiteral("145.0073")), QStringLiteral("145.00625"));  // 6.25: 0.00105 < 0.0023
  EXPECT_EQ(ReceiveSnapped(QStringLiteral("145.0051")), QStringLiteral("145.00500"));  // 5: 0.0001 < 0.0051
  EXPECT_EQ(ReceiveSnapped(QStringLiteral("145.0126")), QStringLiteral("145.01250"));
  EXPECT_EQ(ReceiveSnapped(QStringLiteral("100")), QStringLiteral("100.00000"));
  EXPECT_EQ(ReceiveSnapped(QStringLiteral(" 430.1 ")), QStringLiteral("430.10000"));
  EXPECT_EQ(ReceiveSnapped(QStringLiteral("999.99999")), QStringLiteral("999.99500"));
}

TEST(TestFrequencySnapping, ReceiveOnBothRastersStays) {
  // 145.025 lies on 5 kHz and on 6.25 kHz: a tie takes 6.25 kHz, nothing moves.
  EXPECT_EQ(ReceiveSnapped(QStringLiteral("145.025")), QStringLiteral("145.02500"));
}

TEST(TestFrequencySnapping, RefusedEntriesLeaveTheRow) {
  const TestFrequencyRow before{QStringLiteral("446.00625"), QStringLiteral("446.10000")};
  for (const char* typed : {"abc", "99.99999", "1000", "1000.00000", "446,00625", "-446", "inf", "nan", "1e3"}) {
    TestFrequencyRow row = before;
    EXPECT_FALSE(ApplyReceiveEdit(row, QString::fromLatin1(typed))) << typed;
    EXPECT_EQ(row, before) << typed;
    EXPECT_FALSE(ApplyTransmitEdit(row, QString::fromLatin1(typed))) << typed;
    EXPECT_EQ(row, before) << typed;
  }
}

TEST(TestFrequencyRules, ClearingReceiveClearsTheRow) {
  TestFrequencyRow row{QStringLiteral("446.00625"), QStringLiteral("440.00000")};
  EXPECT_TRUE(ApplyReceiveEdit(row, QString()));
  EXPECT_EQ(row, TestFrequencyRow{});
  EXPECT_FALSE(CanEditTransmit(row));
}

TEST(TestFrequencyRules, ReceiveReplacesTheTransmitFrequency) {
  TestFrequencyRow row{QStringLiteral("446.00625"), QStringLiteral("440.00000")};
  EXPECT_TRUE(ApplyReceiveEdit(row, QStringLiteral("145.0051")));
  EXPECT_EQ(row.tx, QStringLiteral("145.00500"));
  EXPECT_TRUE(CanEditTransmit(row));
}

TEST(TestFrequencyRules, EmptiedTransmitTakesTheReceiveFrequency) {
  TestFrequencyRow row{QStringLiteral("446.00625"), QStringLiteral("440.00000")};
  EXPECT_TRUE(ApplyTransmitEdit(row, QString()));
  EXPECT_EQ(row.tx, QStringLiteral("446.00625"));
}

TEST(TestFrequencyRules, TransmitFollowsTheRasterOfTheReceiveFrequency) {
  // Receive on 6.25 kHz: the transmit frequency goes to 6.25 kHz even where
  // its own 5 kHz remainder is smaller.
  TestFrequencyRow row{QStringLiteral("446.00625"), QString()};
  EXPECT_TRUE(ApplyTransmitEdit(row, QStringLiteral("145.0051")));
  EXPECT_EQ(row.tx, QStringLiteral("145.00000"));
  // Receive off the 6.25 kHz raster: 5 kHz, even where 6.25 kHz would fit better.
  row = {QStringLiteral("145.00500"), QString()};
  EXPECT_TRUE(ApplyTransmitEdit(row, QStringLiteral("145.0073")));
  EXPECT_EQ(row.tx, QStringLiteral("145.00500"));
  EXPECT_TRUE(ApplyTransmitEdit(row, QStringLiteral("438.12")));
  EXPECT_EQ(row.tx, QStringLiteral("438.12000"));
  EXPECT_EQ(row.rx, QStringLiteral("145.00500"));  // the receive cell is left alone
}

TEST(TestFrequencyRules, ParseKeepsTheRange) {
  EXPECT_EQ(ParseTestFrequency(QStringLiteral("100")), 100.0);
  EXPECT_EQ(ParseTestFrequency(QStringLiteral("999.99999")), 999.99999);
  EXPECT_FALSE(ParseTestFrequency(QStringLiteral("99.99999")));
  EXPECT_FALSE(ParseTestFrequency(QStringLiteral("999.999995")));
  EXPECT_FALSE(ParseTestFrequency(QString()));
}

// ---- Lists -----------------------------------------------------------------

TEST(DialogLists, LookBackTimesHold92EntriesFromEmptyTo500) {
  for (UiLanguage language : {kChinese, kEnglish}) {
    const QStringList items = LookBackTimeItems(language);
    ASSERT_EQ(items.size(), 92);
    EXPECT_EQ(items.at(0), language == kChinese ? QString::fromUtf8("空") : QStringLiteral("Empty"));
    EXPECT_EQ(items.at(1), QStringLiteral("0.50"));
    EXPECT_EQ(items.at(2), QStringLiteral("0.55"));
    EXPECT_EQ(items.at(51), QStringLiteral("3.00"));
    EXPECT_EQ(items.at(91), QStringLiteral("5.00"));
  }
}

TEST(DialogLists, KeyFunctionsDifferOnlyInLanguageAtPosition8) {
  const QStringList zh = KeyFunctionItems(kChinese);
  const QStringList en = KeyFunctionItems(kEnglish);
  ASSERT_EQ(zh.size(), 12);
  ASSERT_EQ(en.size(), 12);
  EXPECT_EQ(zh.at(8), QString::fromUtf8("照明灯开关"));
  EXPECT_EQ(en.at(8), QStringLiteral("Scrambler"));
  EXPECT_EQ(zh.at(1), QStringLiteral("OFF"));
  EXPECT_EQ(en.at(1), QStringLiteral("None"));
  EXPECT_EQ(en.at(5), QStringLiteral("Monitor Monentary"));
  EXPECT_EQ(en.at(10), QStringLiteral("Squelch Off Momentary"));
}

TEST(DialogLists, OptionalFunctionListsInBothLanguages) {
  EXPECT_EQ(PriorityItems(kEnglish), (QStringList{"No", "Fixed", "Selected"}));
  EXPECT_EQ(PriorityItems(kChinese).at(1), QString::fromUtf8("固定"));
  EXPECT_EQ(RevertChannelItems(kEnglish).at(3), QStringLiteral("priority+Talk Back"));
  EXPECT_EQ(RevertChannelItems(kChinese).at(1), QString::fromUtf8("选定+当前"));
  EXPECT_EQ(OffOnItems(kChinese), (QStringList{QString::fromUtf8("禁止"), QString::fromUtf8("打开")}));
  const QStringList gain = VoxGainItems(kChinese);
  ASSERT_EQ(gain.size(), 11);
  EXPECT_EQ(gain.at(0), QString::fromUtf8("关闭"));
  EXPECT_EQ(gain.at(10), QStringLiteral("10"));
  EXPECT_EQ(VoxDelayItems(), (QStringList{"0.3S", "0.5S", "1S", "1.5S", "2S", "3S"}));
  EXPECT_EQ(PttIdItems(kEnglish), (QStringList{"Launch Start", "Launch End", "Both"}));
  const QStringList channels = PriorityChannelItems();
  ASSERT_EQ(channels.size(), 16);
  EXPECT_EQ(channels.at(15), QStringLiteral("16"));
}

TEST(DialogLists, DtmfListsHaveTheirFixedLengths) {
  EXPECT_EQ(DtmfRateItems().size(), 4);
  EXPECT_EQ(DigitTimeItems().at(3), QStringLiteral("1000MS"));
  const QStringList delay = FirstDigitDelayItems();
  ASSERT_EQ(delay.size(), 19);
  EXPECT_EQ(delay.front(), QStringLiteral("100MS"));
  EXPECT_EQ(delay.back(), QStringLiteral("1000MS"));
  const QStringList dkey = DKeyItems();
  ASSERT_EQ(dkey.size(), 17);
  EXPECT_EQ(dkey.at(0), QString::fromUtf8("D码"));
  EXPECT_EQ(dkey.at(16), QString::fromUtf8("16秒"));
  const QStringList reset = AutoResetItems();
  ASSERT_EQ(reset.size(), 16);
  EXPECT_EQ(reset.at(15), QString::fromUtf8("15秒"));
  EXPECT_EQ(GroupCallItems().size(), 7);
  EXPECT_EQ(SideToneItems().at(1), QString::fromUtf8("使能"));
}

// ---- Gestures --------------------------------------------------------------

class Gestures : public ::testing::Test {
 protected:
  void SetUp() override {
    m_state.setClock([this] { return m_now; });
  }
  bool debugAt(qint64 ms, int caption) {
    m_now = ms;
    return m_state.clickDebugUnlock(caption);
  }
  bool bandAt(qint64 ms, int caption) {
    m_now = ms;
    return m_state.clickBandOverride(caption);
  }
  GestureState m_state;
  qint64 m_now = 1'000'000;
};

TEST_F(Gestures, BothDebugCaptionsWithinFiveSecondsUnlock) {
  EXPECT_FALSE(debugAt(1'000'000, 0));
  EXPECT_TRUE(debugAt(1'003'000, 1));
}

TEST_F(Gestures, EitherOrderAndTheFullWindowCount) {
  EXPECT_FALSE(debugAt(0, 1));
  EXPECT_TRUE(debugAt(5'000, 0));
}

TEST_F(Gestures, SevenSecondsApartDoNotUnlockButStartANewAttempt) {
  EXPECT_FALSE(debugAt(0, 0));
  EXPECT_FALSE(debugAt(7'000, 1));
  EXPECT_FALSE(m_state.flag(0));
  EXPECT_TRUE(m_state.flag(1));
  EXPECT_TRUE(debugAt(10'000, 0));  // within 5 s of the second click
}

TEST_F(Gestures, TheSameCaptionTwiceDoesNotUnlock) {
  EXPECT_FALSE(debugAt(0, 0));
  EXPECT_FALSE(debugAt(1'000, 0));
  EXPECT_FALSE(debugAt(2'000, 0));
}

TEST_F(Gestures, ClearForgetsTheAttempt) {
  EXPECT_FALSE(debugAt(0, 0));
  m_state.clear();
  EXPECT_FALSE(m_state.anyFlag());
  EXPECT_FALSE(debugAt(1'000, 1));
  EXPECT_TRUE(debugAt(2'000, 0));
}

TEST_F(Gestures, BandOverrideNeedsAllThreeCaptions) {
  EXPECT_FALSE(bandAt(0, 2));
  EXPECT_FALSE(bandAt(1'000, 2));  // repeats allowed
  EXPECT_FALSE(bandAt(2'000, 0));
  EXPECT_TRUE(bandAt(4'000, 1));
}

TEST_F(Gestures, LateBandOverrideClickStartsAlone) {
  EXPECT_FALSE(bandAt(0, 0));
  EXPECT_FALSE(bandAt(1'000, 1));
  EXPECT_FALSE(bandAt(6'000, 2));
  EXPECT_FALSE(m_state.flag(0));
  EXPECT_FALSE(m_state.flag(1));
  EXPECT_TRUE(m_state.flag(2));
  EXPECT_FALSE(bandAt(7'000, 0));
  EXPECT_TRUE(bandAt(8'000, 1));
}

TEST_F(Gestures, FlagsAreSharedBetweenTheTwoGestures) {
  // Band-override clicks on the first two captions count for the debug unlock.
  EXPECT_FALSE(bandAt(0, 0));
  EXPECT_FALSE(bandAt(1'000, 1));
  EXPECT_TRUE(debugAt(2'000, 0));
}

TEST_F(Gestures, LateDebugClickLeavesTheThirdFlag) {
  EXPECT_FALSE(bandAt(0, 2));
  EXPECT_FALSE(debugAt(1'000, 1));
  EXPECT_FALSE(debugAt(9'000, 0));
  EXPECT_TRUE(m_state.flag(2));
  EXPECT_FALSE(m_state.flag(1));
}

}  // namespace
}  // namespace qx210
