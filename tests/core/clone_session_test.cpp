#include <gtest/gtest.h>

#include "support/fake_clone_host.h"
#include "core/clone_session.h"
#include "core/link_texts.h"

namespace qx210 {
namespace {

using test::FakeCloneHost;
using test::Pump;

const QByteArray kProgram = QByteArrayLiteral("PROGRAM");
const QByteArray kAck(1, '\x06');
const QByteArray kIdentify(1, '\x02');
const QByteArray kEnd(1, 'E');

QByteArray Bytes(const char* hex) { return QByteArray::fromHex(QByteArray(hex).replace(' ', "")); }

class CloneSessionTest : public ::testing::Test {
 protected:
  void SetUp() override { host.session = &session; }

  // Start, then answer the handshake up to the transfer phase.
  void startAndIdentify(bool write, const char* identification = "50 33 32 30 37 33 F8 FF") {
    ASSERT_TRUE(write ? session.startWriteExchange() : session.startReadExchange());
    session.handleReceivedBytes(kAck);
    session.handleReceivedBytes(Bytes(identification));
    ASSERT_EQ(session.phase(), ClonePhase::Transfer);
    host.outbox.clear();
  }

  QList<QByteArray> readRequests() const {
    QList<QByteArray> requests;
    for (const QByteArray& m : host.sent)
      if (m.size() == 4 && m[0] == 'R') requests << m;
    return requests;
  }
  QList<QByteArray> writeBlocks() const {
    QList<QByteArray> blocks;
    for (const QByteArray& m : host.sent)
      if (m.size() == 20 && m[0] == 'W') blocks << m;
    return blocks;
  }
  void tickWatchdog(int n) {
    for (int i = 0; i < n; ++i) session.tickWatchdog();
  }

  FakeCloneHost host;
  CloneSession session{host};
};

// --- Start and handshake -----------------------------------------------------

TEST_F(CloneSessionTest, StartSendsProgramRequestAndStartsTimersInOrder) {
  ASSERT_TRUE(session.startReadExchange());
  EXPECT_EQ(host.sent, QList<QByteArray>{kProgram});
  EXPECT_EQ(session.phase(), ClonePhase::Handshake);
  EXPECT_EQ(session.direction(), CloneDirection::Read);
  EXPECT_EQ(host.busyChanges, QList<bool>{true});
  EXPECT_EQ(host.statusTexts, QStringList{QStringLiteral("It's communicating, please wait......")});
  const QList<std::pair<CloneTimer, bool>> expected{
      {CloneTimer::Blink, true}, {CloneTimer::Watchdog, true}, {CloneTimer::Retry, true}};
  EXPECT_EQ(host.timerChanges, expected);
}

TEST_F(CloneSessionTest, ClosedPortPromptsAndChangesNothing) {
  host.portOpen = false;
  EXPECT_FALSE(session.startWriteExchange());
  EXPECT_EQ(host.portNotOpenPrompts, 1);
  EXPECT_TRUE(host.sent.isEmpty());
  EXPECT_TRUE(host.timerChanges.isEmpty());
  EXPECT_TRUE(host.busyChanges.isEmpty());
  EXPECT_EQ(session.direction(), CloneDirection::None);
}

TEST_F(CloneSessionTest, SecondStartWhileBusyIsRefused) {
  ASSERT_TRUE(session.startReadExchange());
  EXPECT_FALSE(session.startWriteExchange());
  EXPECT_EQ(host.countSent(kProgram), 1);
  EXPECT_EQ(session.direction(), CloneDirection::Read);
}

TEST_F(CloneSessionTest, HandshakeAcknowledgementIsAnyByte06AtAByteBoundary) {
  ASSERT_TRUE(session.startReadExchange());
  session.handleReceivedBytes(Bytes("50 06"));
  EXPECT_EQ(host.lastSent(), kIdentify);
  EXPECT_FALSE(session.timerActive(CloneTimer::Retry));
  EXPECT_TRUE(session.rxHex().isEmpty());
}

TEST_F(CloneSessionTest, HandshakeDoesNotReadAcknowledgementAcrossBytes) {
  ASSERT_TRUE(session.startReadExchange());
  session.handleReceivedBytes(Bytes("A0 6B"));
  EXPECT_EQ(host.sent.size(), 1);
  EXPECT_EQ(session.rxHex(), QStringLiteral("A06B"));
  EXPECT_TRUE(session.timerActive(CloneTimer::Retry));
}

TEST_F(CloneSessionTest, IdentificationSplitOverEventsStartsTransfer) {
  ASSERT_TRUE(session.startReadExchange());
  session.handleReceivedBytes(kAck);
  session.handleReceivedBytes(Bytes("50 33"));
  session.handleReceivedBytes(Bytes("32 30 37"));
  EXPECT_EQ(session.phase(), ClonePhase::Handshake);
  session.handleReceivedBytes(Bytes("01 F8 FF"));
  EXPECT_EQ(session.phase(), ClonePhase::Transfer);
  EXPECT_EQ(session.radioBand(), 5);
  EXPECT_EQ(session.blockAddress(), 0x0010);
  EXPECT_EQ(host.lastSent(), kAck);
  EXPECT_EQ(host.progressShownCount, 1);
  EXPECT_EQ(session.writeImage(), host.image);  // encoded in both directions
}

TEST_F(CloneSessionTest, VhfModelTextIsAnIdentificationToo) {
  ASSERT_TRUE(session.startReadExchange());
  session.handleReceivedBytes(kAck);
  session.handleReceivedBytes(Bytes("50 32 32 30 37 01 F8 FF"));
  EXPECT_EQ(session.phase(), ClonePhase::Transfer);
}

TEST_F(CloneSessionTest, IdentificationWithByte06InItsTailIsNotAnAcknowledgement) {
  ASSERT_TRUE(session.startReadExchange());
  session.handleReceivedBytes(kAck);
  ASSERT_EQ(host.countSent(kIdentify), 1);
  // Seven bytes first: holds 06 but is a part of an identification.
  session.handleReceivedBytes(Bytes("50 33 32 30 37 43 06"));
  EXPECT_EQ(host.countSent(kIdentify), 1);
  session.handleReceivedBytes(Bytes("06"));
  EXPECT_EQ(session.phase(), ClonePhase::Transfer);
  EXPECT_EQ(session.radioBand(), 2);
}

// The one reading of an identification, which the link doctor and the fleet
// job share: eight bytes, the model text starting at a byte, byte 6 the band.
TEST(RadioIdentification, EightBytesWithTheModelTextAtAByte) {
  const std::optional<RadioIdentification> uhf = ParseIdentification(Bytes("50 33 32 30 37 53 F8 FF"));
  ASSERT_TRUE(uhf);
  EXPECT_EQ(uhf->model, QByteArrayLiteral("P3207"));
  EXPECT_EQ(uhf->bandCode, 0x53);
  EXPECT_EQ(uhf->band, 4);
  // Elsewhere in the eight bytes; byte 6 is then the model's own "7", no band.
  const std::optional<RadioIdentification> later = ParseIdentification(Bytes("00 50 33 32 30 37 F8 FF"));
  ASSERT_TRUE(later);
  EXPECT_EQ(later->bandCode, 0x37);
  EXPECT_EQ(later->band, -1);

  // The model's digits half a byte off: the bytes do not hold "P3207".
  EXPECT_FALSE(ParseIdentification(Bytes("05 03 33 23 03 73 3F FF")));
  // A late acknowledgement before it makes nine bytes.
  EXPECT_FALSE(ParseIdentification(Bytes("06 50 33 32 30 37 33 F8 FF")));
  EXPECT_TRUE(HoldsModelText(Bytes("06 50 33 32 30 37 33 F8 FF")));
}

TEST_F(CloneSessionTest, ModelTextOffTheByteBoundaryIsNoIdentification) {
  ASSERT_TRUE(session.startReadExchange());
  session.handleReceivedBytes(kAck);
  const int sent = host.sent.size();
  session.handleReceivedBytes(Bytes("05 03 33 23 03 73 3F FF"));
  EXPECT_EQ(session.phase(), ClonePhase::Handshake);
  EXPECT_EQ(host.sent.size(), sent);
  tickWatchdog(4);
  EXPECT_EQ(session.failure().kind, CloneFailure::Kind::WrongIdentification);
}

TEST_F(CloneSessionTest, IdentificationOfAnotherLengthIsIgnored) {
  ASSERT_TRUE(session.startReadExchange());
  session.handleReceivedBytes(kAck);
  session.handleReceivedBytes(Bytes("50 33 32 30 37 33 F8 FF 00"));
  EXPECT_EQ(session.phase(), ClonePhase::Handshake);
}

TEST_F(CloneSessionTest, UnknownBandCodeKeepsThePreviousBand) {
  startAndIdentify(false, "50 33 32 30 37 99 F8 FF");
  EXPECT_EQ(session.radioBand(), 0);  // as at program start
  session.failExchange();
  startAndIdentify(false, "50 33 32 30 37 63 F8 FF");
  EXPECT_EQ(session.radioBand(), 3);
  session.failExchange();
  startAndIdentify(false, "50 33 32 30 37 00 F8 FF");
  EXPECT_EQ(session.radioBand(), 3);
}

TEST_F(CloneSessionTest, UnknownBandCodeIsComparedOnWrite) {
  host.bandPosition = 4;
  startAndIdentify(true, "50 33 32 30 37 99 F8 FF");
  session.handleReceivedBytes(kAck);
  EXPECT_EQ(host.outcomes, QList<ExchangeOutcome>{ExchangeOutcome::BandRefused});
  EXPECT_TRUE(writeBlocks().isEmpty());
}

TEST_F(CloneSessionTest, AcknowledgementsWithoutIdentificationStillFail) {
  ASSERT_TRUE(session.startReadExchange());
  for (int tick = 0; tick < 10 && session.isRunning(); ++tick) {
    session.handleReceivedBytes(kAck);  // the radio acknowledges every identify request
    session.tickWatchdog();
  }
  EXPECT_EQ(host.communicationErrors, 1);
  EXPECT_EQ(session.phase(), ClonePhase::Aborted);
}

// --- Read --------------------------------------------------------------------

TEST_F(CloneSessionTest, ReadSends16RequestsAndEndsOnThe17thAcknowledgement) {
  sim::RadioProtocol radio("P3207", 0x53);
  QByteArray memory(1024, '\0');
  for (int i = 0; i < memory.size(); ++i) memory[i] = static_cast<char>(i * 13 + i / 256);
  radio.loadMemory(memory);
  ASSERT_TRUE(session.startReadExchange());
  Pump(host, session, radio);

  const QList<QByteArray> requests = readRequests();
  ASSERT_EQ(requests.size(), 16);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(requests[i], Bytes("52 00 10 40").replace(1, 2, QByteArray::fromHex(QByteArray::number(0x10 + 0x40 * i, 16).rightJustified(4, '0'))));
  EXPECT_EQ(requests.first(), Bytes("52 00 10 40"));
  EXPECT_EQ(requests.last(), Bytes("52 03 D0 40"));
  // Acknowledgements of the transfer phase: the one after the identification
  // and one after each of the 16 replies.
  EXPECT_EQ(host.countSent(kAck), 17);
  EXPECT_EQ(host.progressValues.last(), 425);
  ASSERT_EQ(host.decoded.size(), 1);
  EXPECT_EQ(host.decoded.first(), memory);
  EXPECT_EQ(host.bandsSelected, QList<int>{4});
  EXPECT_EQ(host.statusTexts.last(), QStringLiteral("Read frequency success!"));
  EXPECT_EQ(host.lastSent(), kEnd);
  EXPECT_EQ(radio.endsReceived(), 1);
  EXPECT_EQ(host.progressHiddenCount, 1);
  EXPECT_EQ(session.exchangeDone(), -1);
  EXPECT_FALSE(session.timerActive(CloneTimer::Watchdog));
  EXPECT_EQ(host.outcomes, QList<ExchangeOutcome>{ExchangeOutcome::ReadComplete});
}

TEST_F(CloneSessionTest, ReadWorksWithRepliesInSmallPieces) {
  sim::RadioProtocol radio;
  ASSERT_TRUE(session.startReadExchange());
  Pump(host, session, radio, 3);
  EXPECT_EQ(host.outcomes, QList<ExchangeOutcome>{ExchangeOutcome::ReadComplete});
  EXPECT_EQ(readRequests().size(), 16);
}

TEST_F(CloneSessionTest, ReadReplyForAnotherAddressIsNotAcknowledged) {
  startAndIdentify(false);
  session.handleReceivedBytes(kAck);
  ASSERT_EQ(host.lastSent(), Bytes("52 00 10 40"));
  const int before = host.sent.size();
  QByteArray reply = Bytes("57 00 50 40") + QByteArray(64, '\x11');
  session.handleReceivedBytes(reply);
  EXPECT_EQ(host.sent.size(), before);
  EXPECT_TRUE(session.readImage().isEmpty());
}

TEST_F(CloneSessionTest, ReadReplyOfAnotherLengthIsNotAcknowledged) {
  startAndIdentify(false);
  session.handleReceivedBytes(kAck);
  const int before = host.sent.size();
  session.handleReceivedBytes(Bytes("57 00 10 40") + QByteArray(65, '\x11'));
  EXPECT_EQ(host.sent.size(), before);
}

TEST_F(CloneSessionTest, AcknowledgementInPlaceOfAReadReplyIsNotTaken) {
  startAndIdentify(false);
  session.handleReceivedBytes(kAck);
  const int before = host.sent.size();
  session.handleReceivedBytes(kAck);
  EXPECT_EQ(host.sent.size(), before);
  EXPECT_EQ(session.blockAddress(), 0x0050);
}

// The protocol asks for this: an acknowledgement must be the only byte
// received since the last message. Whether two arrive together depends on
// how the system hands the bytes over; split, the second is taken as the
// reply to the next message, which no rule can tell apart from a real one.
TEST_F(CloneSessionTest, TwoAcknowledgementsTogetherAreNoAcknowledgementAsTheProtocolRequires) {
  startAndIdentify(false);
  session.handleReceivedBytes(Bytes("06 06"));
  EXPECT_TRUE(host.outbox.empty());
  tickWatchdog(4);
  EXPECT_EQ(host.communicationErrors, 1);
  EXPECT_EQ(host.lastSent(), kEnd);
}

TEST_F(CloneSessionTest, IncompleteReadLeavesTheEditorAlone) {
  sim::RadioProtocol radio;
  radio.setFaults({.silenceAfter = 10});
  ASSERT_TRUE(session.startReadExchange());
  Pump(host, session, radio);
  tickWatchdog(4);
  EXPECT_TRUE(host.decoded.isEmpty());
  EXPECT_TRUE(host.bandsSelected.isEmpty());
  EXPECT_EQ(host.outcomes, QList<ExchangeOutcome>{ExchangeOutcome::CommunicationError});
}

// --- Write -------------------------------------------------------------------

QList<int> ExpectedWritePlan(bool unlocked) {
  QList<int> plan;
  for (int a = 0x0010; a <= 0x0170; a += 0x10) plan << a;
  if (unlocked) plan << 0x0180;
  plan << 0x01B0;
  for (int a = 0x0280; a <= 0x0350; a += 0x10) plan << a;
  return plan;
}

TEST_F(CloneSessionTest, WriteSends38BlocksOfTheEncodedImage) {
  sim::RadioProtocol radio;
  ASSERT_TRUE(session.startWriteExchange());
  Pump(host, session, radio);
  const QList<QByteArray> blocks = writeBlocks();
  ASSERT_EQ(blocks.size(), 38);
  QList<int> addresses;
  for (const QByteArray& block : blocks) {
    const int address = (static_cast<unsigned char>(block[1]) << 8) | static_cast<unsigned char>(block[2]);
    addresses << address;
    EXPECT_EQ(block[3], '\x10');
    EXPECT_EQ(block.mid(4), host.image.mid(address - 0x10, 16)) << std::hex << address;
  }
  EXPECT_EQ(addresses, ExpectedWritePlan(false));
  EXPECT_EQ(host.progressValues.last(), 390);
  EXPECT_EQ(radio.repliesSent(), 2 + 39);  // acknowledgement and identification, then 39 acknowledgements
  EXPECT_EQ(host.statusTexts.last(), QStringLiteral("Write frequency success!"));
  EXPECT_EQ(host.lastSent(), kEnd);
  EXPECT_EQ(host.outcomes, QList<ExchangeOutcome>{ExchangeOutcome::WriteComplete});
  // Written regions only.
  const QByteArray memory = radio.memory();
  for (int address = 0x10; address < 0x410; ++address) {
    const bool written = ExpectedWritePlan(false).contains(address & ~0xF);
    EXPECT_EQ(memory[address - 0x10], written ? host.image[address - 0x10] : '\xFF') << std::hex << address;
  }
}

TEST_F(CloneSessionTest, WriteWithDebugParametersSends39Blocks) {
  sim::RadioProtocol radio;
  host.debugUnlocked = true;
  ASSERT_TRUE(session.startWriteExchange());
  Pump(host, session, radio);
  EXPECT_EQ(radio.writtenAddresses(), ExpectedWritePlan(true));
  EXPECT_EQ(host.progressValues.last(), 400);
  EXPECT_EQ(radio.repliesSent(), 2 + 40);
  EXPECT_EQ(host.outcomes, QList<ExchangeOutcome>{ExchangeOutcome::WriteComplete});
}

TEST_F(CloneSessionTest, WriteToAnotherBandIsRefusedBeforeAnyBlock) {
  sim::RadioProtocol radio("P2207", 0x01);  // 136-174 MHz
  host.bandPosition = 0;
  ASSERT_TRUE(session.startWriteExchange());
  Pump(host, session, radio);
  EXPECT_TRUE(writeBlocks().isEmpty());
  EXPECT_EQ(host.statusTexts.last(), QStringLiteral("Frequency band with discrepancies, do not write."));
  EXPECT_EQ(host.lastSent(), kEnd);
  EXPECT_EQ(session.radioBand(), 0);  // takes the band list's position
  EXPECT_TRUE(host.questions.isEmpty());
  EXPECT_EQ(host.outcomes, QList<ExchangeOutcome>{ExchangeOutcome::BandRefused});
}

TEST_F(CloneSessionTest, OverrideModeAsksAndNoStopsTheWrite) {
  sim::RadioProtocol radio("P2207", 0x01);
  host.bandOverride = true;
  host.autoAnswer = false;
  ASSERT_TRUE(session.startWriteExchange());
  Pump(host, session, radio);
  EXPECT_EQ(host.questions.size(), 1);
  EXPECT_TRUE(writeBlocks().isEmpty());
  EXPECT_EQ(host.statusTexts.last(),
            QStringLiteral("Frequency band with discrepancies, do you wish to continue?"));
  EXPECT_EQ(host.lastSent(), kEnd);
  EXPECT_EQ(host.outcomes, QList<ExchangeOutcome>{ExchangeOutcome::BandDeclined});
}

TEST_F(CloneSessionTest, OverrideModeYesWritesEverything) {
  sim::RadioProtocol radio("P2207", 0x01);
  host.bandOverride = true;
  host.autoAnswer = true;
  ASSERT_TRUE(session.startWriteExchange());
  Pump(host, session, radio);
  EXPECT_EQ(host.questions.size(), 1);  // asked once: the band is taken over
  EXPECT_EQ(writeBlocks().size(), 38);
  EXPECT_EQ(host.outcomes, QList<ExchangeOutcome>{ExchangeOutcome::WriteComplete});
}

TEST_F(CloneSessionTest, AnswerArrivingLaterContinuesTheWrite) {
  sim::RadioProtocol radio("P2207", 0x01);
  host.bandOverride = true;
  ASSERT_TRUE(session.startWriteExchange());
  Pump(host, session, radio);
  ASSERT_EQ(host.questions.size(), 1);
  EXPECT_TRUE(session.bandQuestionOpen());
  EXPECT_TRUE(writeBlocks().isEmpty());
  session.answerBandQuestion(host.questions.first(), true);
  Pump(host, session, radio);
  EXPECT_EQ(writeBlocks().size(), 38);
}

TEST_F(CloneSessionTest, BandChangedDuringAWriteStopsItAtTheNextAcknowledgement) {
  startAndIdentify(true);  // band code 33, position 0
  for (int i = 0; i < 5; ++i) session.handleReceivedBytes(kAck);
  ASSERT_EQ(writeBlocks().size(), 5);
  host.bandPosition = 5;
  session.handleReceivedBytes(kAck);
  EXPECT_EQ(writeBlocks().size(), 5);
  EXPECT_EQ(host.statusTexts.last(), QStringLiteral("Frequency band with discrepancies, do not write."));
  EXPECT_EQ(host.lastSent(), kEnd);
}

TEST_F(CloneSessionTest, BandChangedDuringAWriteAsksAgainInOverrideMode) {
  host.bandOverride = true;
  host.autoAnswer = true;
  startAndIdentify(true, "50 33 32 30 37 01 F8 FF");
  session.handleReceivedBytes(kAck);
  EXPECT_EQ(host.questions.size(), 1);
  host.bandPosition = 3;
  session.handleReceivedBytes(kAck);
  EXPECT_EQ(host.questions.size(), 2);
  EXPECT_EQ(writeBlocks().size(), 2);
}

TEST_F(CloneSessionTest, YesAfterTheWatchdogEndedTheWriteSendsNothing) {
  host.bandOverride = true;
  startAndIdentify(true, "50 33 32 30 37 01 F8 FF");
  session.handleReceivedBytes(kAck);
  ASSERT_EQ(host.questions.size(), 1);
  tickWatchdog(4);
  ASSERT_EQ(host.communicationErrors, 1);
  const int sent = host.sent.size();
  session.answerBandQuestion(host.questions.first(), true);
  EXPECT_EQ(host.sent.size(), sent);
  EXPECT_EQ(session.phase(), ClonePhase::Aborted);
}

TEST_F(CloneSessionTest, AnswerToAnOldQuestionIsIgnored) {
  host.bandOverride = true;
  startAndIdentify(true, "50 33 32 30 37 01 F8 FF");
  session.handleReceivedBytes(kAck);
  const int oldQuestion = host.questions.first();
  tickWatchdog(4);
  host.bandPosition = 0;
  startAndIdentify(true, "50 33 32 30 37 01 F8 FF");
  session.handleReceivedBytes(kAck);
  ASSERT_EQ(host.questions.size(), 2);
  const int sent = host.sent.size();
  session.answerBandQuestion(oldQuestion, true);
  EXPECT_EQ(host.sent.size(), sent);
  EXPECT_TRUE(session.bandQuestionOpen());
}

TEST_F(CloneSessionTest, WriteIgnoresAnythingButASingleAcknowledgement) {
  startAndIdentify(true);
  session.handleReceivedBytes(Bytes("15"));
  session.handleReceivedBytes(kAck);  // "1506"
  EXPECT_TRUE(writeBlocks().isEmpty());
}

// Every percentage of an exchange counts towards where the protocol's
// progress ends, so it reaches 100 exactly at the end.
TEST_F(CloneSessionTest, ProgressEndsWhereTheExchangeEnds) {
  struct Case {
    bool write;
    bool calibration;
    int end;
  };
  for (const Case c : {Case{false, false, 425}, Case{true, false, 390}, Case{true, true, 400}}) {
    FakeCloneHost h;
    CloneSession s(h);
    h.session = &s;
    h.debugUnlocked = c.calibration;
    sim::RadioProtocol radio;
    ASSERT_TRUE(c.write ? s.startWriteExchange() : s.startReadExchange());
    Pump(h, s, radio);
    const CloneDirection direction = c.write ? CloneDirection::Write : CloneDirection::Read;
    EXPECT_EQ(h.progressValues.last(), c.end);
    EXPECT_EQ(ProgressAtEnd(direction, c.calibration), c.end);
    EXPECT_EQ(ProgressPercent(h.progressValues.last(), direction, c.calibration), 100);
    EXPECT_LT(ProgressPercent(h.progressValues.at(h.progressValues.size() - 2), direction, c.calibration), 100);
  }
}

// --- Timers ------------------------------------------------------------------

TEST_F(CloneSessionTest, RetryGoesOutOnTheThirdTickOnce) {
  ASSERT_TRUE(session.startReadExchange());
  session.tickRetry();
  session.tickRetry();
  EXPECT_EQ(host.countSent(kProgram), 1);
  session.tickRetry();  // 1.5 s after the start
  EXPECT_EQ(host.countSent(kProgram), 2);
  EXPECT_EQ(session.retryCount(), 0);
  EXPECT_FALSE(session.timerActive(CloneTimer::Retry));
}

// The protocol asks for this: the retry ticks are cleared only when the
// retry fires, so ticks left from the last exchange bring the next one's
// retry forward. A second program request is harmless to the radio.
TEST_F(CloneSessionTest, RetryCountIsCarriedIntoTheNextExchangeAsTheProtocolRequires) {
  sim::RadioProtocol radio;
  ASSERT_TRUE(session.startReadExchange());
  session.tickRetry();
  session.tickRetry();  // the radio answers only after 1.0 s
  Pump(host, session, radio);
  ASSERT_EQ(host.outcomes.size(), 1);
  EXPECT_EQ(session.retryCount(), 2);
  for (int i = 0; i < 12; ++i) session.tickBlink();
  ASSERT_FALSE(session.isBusy());

  ASSERT_TRUE(session.startReadExchange());
  const int programs = host.countSent(kProgram);
  session.tickRetry();  // 0.5 s after this start
  EXPECT_EQ(host.countSent(kProgram), programs + 1);
}

TEST_F(CloneSessionTest, WatchdogFailsOnTheFourthTickAfterTheLastAcceptedReply) {
  startAndIdentify(false);
  tickWatchdog(3);
  session.handleReceivedBytes(kAck);  // accepted: the count starts again
  EXPECT_EQ(session.watchdogCount(), 0);
  tickWatchdog(3);
  EXPECT_EQ(host.communicationErrors, 0);
  tickWatchdog(1);
  EXPECT_EQ(host.communicationErrors, 1);
}

TEST_F(CloneSessionTest, FailExchangeAbortsBeforeTheMessageAndSendsEndAfterIt) {
  startAndIdentify(false);
  session.handleReceivedBytes(kAck);
  bool endBeforeMessage = true;
  host.onCommunicationError = [&] {
    EXPECT_EQ(session.phase(), ClonePhase::Aborted);
    EXPECT_FALSE(session.timerActive(CloneTimer::Watchdog));
    EXPECT_FALSE(session.timerActive(CloneTimer::Blink));
    endBeforeMessage = host.lastSent() == kEnd;
    // A reply arriving while the message is open completes nothing.
    session.handleReceivedBytes(Bytes("57 00 10 40") + QByteArray(64, '\0'));
  };
  tickWatchdog(4);
  EXPECT_FALSE(endBeforeMessage);
  EXPECT_EQ(host.lastSent(), kEnd);
  EXPECT_EQ(host.countSent(kAck), 1);
  EXPECT_TRUE(session.readImage().isEmpty());
  EXPECT_TRUE(session.rxHex().isEmpty());
  EXPECT_FALSE(host.progressVisible);
  EXPECT_EQ(host.statusVisibility.last(), false);
  EXPECT_EQ(host.busyChanges, (QList<bool>{true, false}));
  EXPECT_EQ(session.exchangeDone(), 0);
}

TEST_F(CloneSessionTest, NoRadioMeansRetryThenErrorAfterFourSeconds) {
  ASSERT_TRUE(session.startReadExchange());
  // The watchdog ticks every 1000 ms, the retry every 500 ms.
  for (int ms = 500; ms <= 4000; ms += 500) {
    if (session.timerActive(CloneTimer::Retry)) session.tickRetry();
    if (ms % 1000 == 0) session.tickWatchdog();
    if (ms < 4000) {
      EXPECT_EQ(host.communicationErrors, 0) << ms;
    }
  }
  EXPECT_EQ(host.communicationErrors, 1);
  EXPECT_EQ(host.countSent(kProgram), 2);
  EXPECT_EQ(host.sent, (QList<QByteArray>{kProgram, kProgram, kEnd}));
}

TEST_F(CloneSessionTest, FinishBlinksTwelveTicksThenFreesTheWindow) {
  sim::RadioProtocol radio;
  ASSERT_TRUE(session.startReadExchange());
  Pump(host, session, radio);
  ASSERT_EQ(session.exchangeDone(), -1);
  const int visibilityChanges = host.statusVisibility.size();
  for (int i = 0; i < 11; ++i) session.tickBlink();
  EXPECT_TRUE(session.isBusy());
  EXPECT_EQ(host.statusVisibility.size(), visibilityChanges + 11);
  EXPECT_NE(host.statusVisibility[visibilityChanges], host.statusVisibility[visibilityChanges + 1]);
  session.tickBlink();
  EXPECT_FALSE(session.isBusy());
  EXPECT_EQ(host.busyChanges, (QList<bool>{true, false}));
  EXPECT_EQ(host.statusVisibility.last(), false);
  EXPECT_FALSE(session.timerActive(CloneTimer::Blink));
  EXPECT_EQ(session.exchangeDone(), 0);
  EXPECT_EQ(session.doneCount(), 0);
}

TEST_F(CloneSessionTest, BytesAfterTheEndAreKeptButNotActedOn) {
  sim::RadioProtocol radio;
  ASSERT_TRUE(session.startWriteExchange());
  Pump(host, session, radio);
  const int sent = host.sent.size();
  session.handleReceivedBytes(kAck);
  EXPECT_EQ(host.sent.size(), sent);
  EXPECT_EQ(session.rxHex(), QStringLiteral("0606"));
}

TEST_F(CloneSessionTest, ChineseTexts) {
  host.uiLanguage = kChinese;
  sim::RadioProtocol radio;
  ASSERT_TRUE(session.startReadExchange());
  EXPECT_EQ(host.statusTexts.first(), QString::fromUtf8("正在通信,请稍后……"));
  Pump(host, session, radio);
  EXPECT_EQ(host.statusTexts.last(), QString::fromUtf8("读频成功！"));
}

TEST_F(CloneSessionTest, EndGoesOutInEveryEnding) {
  struct Case {
    const char* name;
    bool write;
    QByteArray model;
    unsigned char code;
    bool override;
    bool answer;
    ExchangeOutcome outcome;
  };
  const Case cases[] = {
      {"read", false, "P3207", 0x33, false, false, ExchangeOutcome::ReadComplete},
      {"write", true, "P3207", 0x33, false, false, ExchangeOutcome::WriteComplete},
      {"refused", true, "P2207", 0x01, false, false, ExchangeOutcome::BandRefused},
      {"declined", true, "P2207", 0x01, true, false, ExchangeOutcome::BandDeclined},
  };
  for (const Case& c : cases) {
    FakeCloneHost h;
    CloneSession s(h);
    h.session = &s;
    h.bandOverride = c.override;
    h.autoAnswer = c.answer;
    sim::RadioProtocol radio(c.model, c.code);
    ASSERT_TRUE(c.write ? s.startWriteExchange() : s.startReadExchange());
    Pump(h, s, radio);
    EXPECT_EQ(h.outcomes, QList<ExchangeOutcome>{c.outcome}) << c.name;
    EXPECT_EQ(radio.endsReceived(), 1) << c.name;
    EXPECT_EQ(h.lastSent(), kEnd) << c.name;
  }
}

}  // namespace
}  // namespace qx210
