// What an exchange reports when it fails, the start after someone else's
// acknowledgement, the ready-at-once ending, and the plan of written ranges.
#include <gtest/gtest.h>

#include <array>

#include "core/clone_plan.h"
#include "core/clone_session.h"
#include "core/codec.h"
#include "core/lists.h"
#include "support/fake_clone_host.h"

namespace qx210 {
namespace {

using test::FakeCloneHost;
using test::Pump;
using Kind = CloneFailure::Kind;

const QByteArray kProgram = QByteArrayLiteral("PROGRAM");
const QByteArray kIdentify(1, '\x02');

class CloneFailureTest : public ::testing::Test {
 protected:
  void SetUp() override { host.session = &session; }
  // Runs the exchange against `radio` until it stalls, then lets the watchdog expire.
  CloneFailure failAgainst(sim::RadioProtocol& radio, bool write) {
    EXPECT_TRUE(write ? session.startWriteExchange() : session.startReadExchange());
    Pump(host, session, radio);
    for (int tick = 0; tick < 4; ++tick) session.tickWatchdog();
    EXPECT_EQ(host.failures.size(), 1);
    return host.failures.value(0);
  }
  FakeCloneHost host;
  CloneSession session{host};
};

TEST_F(CloneFailureTest, SilentLineIsNoAnswerToTheProgramRequest) {
  ASSERT_TRUE(session.startReadExchange());
  for (int tick = 0; tick < 4; ++tick) session.tickWatchdog();
  ASSERT_EQ(host.failures.size(), 1);
  EXPECT_EQ(host.failures.first().kind, Kind::NoAnswer);
  EXPECT_EQ(session.failure(), host.failures.first());
  EXPECT_EQ(DescribeFailure(session.failure(), kEnglish), QStringLiteral("No answer to the program request."));
}

TEST_F(CloneFailureTest, EchoedRequestIsNotAnAcknowledgement) {
  ASSERT_TRUE(session.startWriteExchange());
  session.handleReceivedBytes(kProgram);  // a loopback cable
  for (int tick = 0; tick < 4; ++tick) session.tickWatchdog();
  ASSERT_EQ(host.failures.size(), 1);
  EXPECT_EQ(host.failures.first().kind, Kind::NotAcknowledged);
  EXPECT_EQ(host.failures.first().received, kProgram);
  EXPECT_EQ(DescribeFailure(host.failures.first(), kEnglish),
            QStringLiteral("The answer to the program request is not an acknowledgement (06): "
                           "50 52 4F 47 52 41 4D (\"PROGRAM\")."));
}

TEST_F(CloneFailureTest, AcknowledgedButNotIdentified) {
  sim::RadioProtocol radio;
  radio.setFaults({.silenceAfter = 1});
  EXPECT_EQ(failAgainst(radio, false).kind, Kind::NoIdentification);
}

TEST_F(CloneFailureTest, IdentificationOfAnotherModelShowsItsBytes) {
  sim::RadioProtocol radio("Q7000", 0x33);
  const CloneFailure failure = failAgainst(radio, true);
  EXPECT_EQ(failure.kind, Kind::WrongIdentification);
  EXPECT_EQ(failure.received, QByteArray("Q7000\x33\xF8\xFF", 8));
  EXPECT_EQ(FailureResult(failure), QStringLiteral("not a QX-210 (51 37 30 30 30 33 F8 FF)"));
  EXPECT_EQ(DescribeFailure(failure, kChinese),
            QString::fromUtf8("型号标识不是 QX-210 的：51 37 30 30 30 33 F8 FF。"));
}

TEST_F(CloneFailureTest, SilenceNamesTheLastBlockWritten) {
  sim::RadioProtocol radio;
  // Replies: acknowledgement, identification, acknowledgement, then one
  // acknowledgement per block; the sixth block (0x0060) goes unanswered.
  radio.setFaults({.silenceAfter = 3 + 5});
  const CloneFailure failure = failAgainst(radio, true);
  EXPECT_EQ(failure.kind, Kind::NoAnswerAfterBlock);
  EXPECT_EQ(failure.address, 0x0060);
  EXPECT_EQ(DescribeFailure(failure, kEnglish), QStringLiteral("No answer after block 0x0060."));
  EXPECT_EQ(DescribeFailure(failure, kChinese), QString::fromUtf8("数据块 0x0060 之后没有应答。"));
  EXPECT_EQ(FailureResult(failure), QStringLiteral("no answer after block 0x0060"));
}

TEST_F(CloneFailureTest, SilenceRightAfterTheIdentification) {
  sim::RadioProtocol radio;
  radio.setFaults({.silenceAfter = 2});
  const CloneFailure failure = failAgainst(radio, false);
  EXPECT_EQ(failure.kind, Kind::NoAnswerAfterBlock);
  EXPECT_EQ(failure.address, -1);
  EXPECT_EQ(DescribeFailure(failure, kEnglish), QStringLiteral("No answer after the identification."));
}

TEST_F(CloneFailureTest, DamagedReadReplyNamesItsBlock) {
  sim::RadioProtocol radio;
  // Read replies are numbers 4, 6, 8, ...: number 8 is the block at 0x0090.
  radio.setFaults({.corruptReply = 8});
  const CloneFailure failure = failAgainst(radio, false);
  EXPECT_EQ(failure.kind, Kind::DamagedReply);
  EXPECT_EQ(failure.address, 0x0090);
  EXPECT_EQ(static_cast<unsigned char>(failure.received.at(0)), 0x57 ^ 0x80);
  EXPECT_EQ(DescribeFailure(failure, kEnglish), QStringLiteral("A damaged reply at 0x0090."));
  EXPECT_EQ(DescribeFailure(failure, kChinese), QString::fromUtf8("在 0x0090 处收到损坏的应答。"));
}

// The radio acknowledged; the user's answer to the band question is what
// never came.
TEST_F(CloneFailureTest, BandQuestionLeftOpenPastTheTimeOutIsNoDamagedReply) {
  host.bandOverride = true;
  host.bandPosition = 0;
  sim::RadioProtocol radio("P2207", 0x01);
  const CloneFailure failure = failAgainst(radio, true);
  ASSERT_EQ(host.questions.size(), 1);
  EXPECT_EQ(failure.kind, Kind::BandUnanswered);
  EXPECT_EQ(DescribeFailure(failure, kEnglish),
            QStringLiteral("The band question was not answered before the radio stopped waiting."));
  EXPECT_EQ(FailureResult(failure), QStringLiteral("band question not answered"));
}

TEST_F(CloneFailureTest, LostPortIsReportedWithTheSystemsWords) {
  ASSERT_TRUE(session.startReadExchange());
  CloneFailure lost;
  lost.kind = Kind::PortLost;
  lost.reason = QStringLiteral("Input/output error");
  session.failExchange(lost);
  ASSERT_EQ(host.failures.size(), 1);
  EXPECT_EQ(DescribeFailure(host.failures.first(), kEnglish), QStringLiteral("The port went away (Input/output error)."));
  EXPECT_EQ(host.lastSent(), QByteArray(1, 'E'));
  // A later exchange that succeeds clears the failure.
  sim::RadioProtocol radio;
  host.outbox.clear();
  ASSERT_TRUE(session.startReadExchange());
  Pump(host, session, radio);
  EXPECT_EQ(host.outcomes.last(), ExchangeOutcome::ReadComplete);
  EXPECT_EQ(session.failure().kind, Kind::None);
}

TEST_F(CloneFailureTest, WriteAfterSomeoneElsesAcknowledgementStartsWithTheIdentifyRequest) {
  sim::RadioProtocol radio;
  ASSERT_EQ(radio.receive(kProgram), QList<QByteArray>{QByteArray(1, '\x06')});
  ASSERT_TRUE(session.startWriteExchangeAcknowledged());
  EXPECT_EQ(host.sent.first(), kIdentify);
  EXPECT_FALSE(session.timerActive(CloneTimer::Retry));
  Pump(host, session, radio);
  EXPECT_EQ(host.outcomes, QList<ExchangeOutcome>{ExchangeOutcome::WriteComplete});
  EXPECT_EQ(host.countSent(kProgram), 0);
  EXPECT_EQ(radio.programRequests(), 1);
  EXPECT_EQ(radio.writtenAddresses().size(), 38);
  ASSERT_TRUE(session.identification());
  EXPECT_EQ(session.identification()->bandCode, 0x33);
}

TEST_F(CloneFailureTest, WithoutTheCountdownTheSessionIsReadyAtOnce) {
  session.setFinishCountdownEnabled(false);
  sim::RadioProtocol radio;
  ASSERT_TRUE(session.startWriteExchange());
  Pump(host, session, radio);
  ASSERT_EQ(host.outcomes, QList<ExchangeOutcome>{ExchangeOutcome::WriteComplete});
  EXPECT_FALSE(session.isBusy());
  EXPECT_EQ(host.busyChanges, (QList<bool>{true, false}));
  EXPECT_FALSE(session.timerActive(CloneTimer::Blink));
  // The next exchange may start right away.
  host.outbox.clear();
  EXPECT_TRUE(session.startReadExchange());
}

// Four sessions side by side, their messages interleaved one at a time: each
// keeps its own state, and the fault of one is its own.
TEST(CloneSessionsAtOnce, FourExchangesOneFaulty) {
  struct Lane {
    FakeCloneHost host;
    CloneSession session{host};
    sim::RadioProtocol radio{"P3207", 0x33};
  };
  std::array<Lane, 4> lanes;
  lanes[2].radio.setFaults({.corruptReply = 8});  // the read reply of block 0x0090
  for (std::size_t i = 0; i < lanes.size(); ++i) {
    QByteArray memory(1024, static_cast<char>(0x10 * (i + 1)));
    lanes[i].radio.loadMemory(memory);
    lanes[i].host.session = &lanes[i].session;
    ASSERT_TRUE(lanes[i].session.startReadExchange());
  }
  for (bool moved = true; moved;) {
    moved = false;
    for (Lane& lane : lanes) {
      if (lane.host.outbox.empty()) continue;
      const QByteArray message = lane.host.outbox.front();
      lane.host.outbox.pop_front();
      for (const QByteArray& reply : lane.radio.receive(message)) lane.session.handleReceivedBytes(reply);
      moved = true;
    }
  }
  for (Lane& lane : lanes)
    for (int tick = 0; tick < 4; ++tick) lane.session.tickWatchdog();
  for (std::size_t i = 0; i < lanes.size(); ++i) {
    const Lane& lane = lanes[i];
    ASSERT_EQ(lane.host.outcomes.size(), 1) << i;
    if (i == 2) {
      EXPECT_EQ(lane.host.outcomes.first(), ExchangeOutcome::CommunicationError);
      EXPECT_EQ(FailureResult(lane.session.failure()), QStringLiteral("damaged reply at 0x0090"));
      continue;
    }
    EXPECT_EQ(lane.host.outcomes.first(), ExchangeOutcome::ReadComplete) << i;
    ASSERT_EQ(lane.host.decoded.size(), 1);
    EXPECT_EQ(lane.host.decoded.first(), QByteArray(1024, static_cast<char>(0x10 * (i + 1)))) << i;
    EXPECT_EQ(lane.host.communicationErrors, 0);
  }
}

// --- Written ranges and the read-back comparison -----------------------------

TEST(ClonePlan, WrittenRangesAreWhatTheWriteSends) {
  EXPECT_EQ(WrittenRanges(false), (QList<AddressRange>{{0x0010, 0x0180}, {0x01B0, 0x01C0}, {0x0280, 0x0360}}));
  EXPECT_EQ(WrittenRanges(true), (QList<AddressRange>{{0x0010, 0x0190}, {0x01B0, 0x01C0}, {0x0280, 0x0360}}));
  for (const bool calibration : {false, true}) {
    FakeCloneHost host;
    host.debugUnlocked = calibration;
    CloneSession session(host);
    sim::RadioProtocol radio;
    ASSERT_TRUE(session.startWriteExchange());
    Pump(host, session, radio);
    QList<AddressRange> fromBlocks;
    for (const int address : radio.writtenAddresses()) {
      if (!fromBlocks.isEmpty() && fromBlocks.last().end == address)
        fromBlocks.last().end += 0x10;
      else
        fromBlocks.append({address, address + 0x10});
    }
    EXPECT_EQ(WrittenRanges(calibration), fromBlocks) << calibration;
  }
}

TEST(ClonePlan, FirstDifferenceLooksOnlyAtWrittenRanges) {
  QByteArray written(848, '\x11');
  QByteArray readBack = written + QByteArray(1024 - 848, '\xFF');
  const QList<AddressRange> plain = WrittenRanges(false);
  EXPECT_EQ(FirstDifference(written, readBack, plain), -1);
  readBack[0x0190 - 0x10] = 0x00;  // never written: not compared
  readBack[0x0183 - 0x10] = 0x00;  // calibration: compared only when written
  EXPECT_EQ(FirstDifference(written, readBack, plain), -1);
  EXPECT_EQ(FirstDifference(written, readBack, WrittenRanges(true)), 0x0183);
  readBack[0x0150 - 0x10] = 0x10;
  readBack[0x0300 - 0x10] = 0x10;
  EXPECT_EQ(FirstDifference(written, readBack, plain), 0x0150);
  // A read-back that ends early differs at its first missing address.
  EXPECT_EQ(FirstDifference(written, written.left(0x0100 - 0x10), plain), 0x0100);
}

// What the question before a write counts goes by the written ranges alone:
// the auto-dial memories, Duplicate and (while locked) the calibration never
// change in the radio, so they never count.
TEST(ClonePlan, WriteChangesCountOnlyWhatTheWriteSends) {
  const QByteArray radio = EncodeImage(RadioState{}) + QByteArray(1024 - 848, '\xFF');
  RadioState read;
  ASSERT_TRUE(DecodeImage(radio, read));
  EXPECT_EQ(WriteChanges(radio, read, false).channels, 0);
  EXPECT_EQ(WriteChanges(radio, read, false).settings, 0);

  RadioState edited = read;
  edited.settings.optional.autoDial[0] = QStringLiteral("123");
  edited.settings.optional.duplicate = 1 - read.settings.optional.duplicate;
  edited.settings.debug.txHighPower = 10;
  EXPECT_EQ(WriteChanges(radio, edited, false).settings, 0);
  EXPECT_EQ(WriteChanges(radio, edited, true).settings, 1);
  edited.channel(2) = NewChannel(*Frequency::fromText(QStringLiteral("146.00000")));
  edited.settings.keys.pf2 = 3;
  const DifferenceCount count = WriteChanges(radio, edited, false);
  EXPECT_EQ(count.channels, 1);
  EXPECT_EQ(count.settings, 1);

  // What the radio holds once that is written: nothing left to change.
  const QByteArray after = ImageAfterWrite(radio, EncodeImage(edited), false);
  EXPECT_EQ(after.mid(0x01C0 - 0x10, 0xC0), radio.mid(0x01C0 - 0x10, 0xC0));  // the auto-dial memories among them
  EXPECT_EQ(WriteChanges(after, edited, false).channels, 0);
  EXPECT_EQ(WriteChanges(after, edited, false).settings, 0);
}

TEST(CloneFailureText, BytesAreShownAsHexWithTheirTextWhenPrintable) {
  EXPECT_EQ(DescribeBytes(QByteArrayLiteral("ABC")), QStringLiteral("41 42 43 (\"ABC\")"));
  EXPECT_EQ(DescribeBytes(QByteArray::fromHex("0006FF")), QStringLiteral("00 06 FF"));
  EXPECT_EQ(DescribeBytes(QByteArray(20, 'x'), 4), QStringLiteral("78 78 78 78 … (\"xxxx\")"));
  EXPECT_TRUE(DescribeBytes({}).isEmpty());
}

}  // namespace
}  // namespace qx210
