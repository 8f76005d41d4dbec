#include <gtest/gtest.h>

#include "core/lists.h"
#include "core/memory_image.h"
#include "support/link_rig.h"

namespace qx210 {
namespace {

using test::LinkRig;
using test::SampleImage;

constexpr int kVhfCode = 0x01;

sim::RadioProtocol Radio(const QByteArray& memory, sim::RadioFaults faults = {}) {
  sim::RadioProtocol radio("P2207", kVhfCode);
  radio.loadMemory(memory);
  radio.setFaults(faults);
  return radio;
}

bool InWritePlan(int address, bool unlocked) {
  const int block = address & ~0xF;
  if (block >= 0x0010 && block <= 0x0170) return true;
  if (block == 0x0180) return unlocked;
  if (block == 0x01B0) return true;
  return block >= 0x0280 && block <= 0x0350;
}

TEST(ExchangePty, ReadFillsTheEditorWithTheRadiosImage) {
  LinkRig rig(Radio(SampleImage()));
  RadioState expected;
  ASSERT_TRUE(DecodeImage(SampleImage(), expected));
  QSignalSpy busy(rig.control.get(), &ExchangeControl::busyChanged);
  QSignalSpy progress(rig.control.get(), &ExchangeControl::progressChanged);
  ASSERT_TRUE(rig.control->startRead());
  EXPECT_EQ(rig.waitForOutcome(10000), static_cast<int>(ExchangeOutcome::ReadComplete));
  EXPECT_EQ(rig.document.state(), expected);
  EXPECT_EQ(rig.document.state().channel(1).rx.text(), QStringLiteral("145.12500"));
  EXPECT_EQ(rig.document.state().band, kVhfBandPosition);
  EXPECT_EQ(rig.radio.readRequests(), 16);
  EXPECT_EQ(progress.last().first().toInt(), 425);
  EXPECT_TRUE(QTest::qWaitFor([&] { return rig.radio.endsReceived() == 1; }, 2000));
  // The window comes back after the 12 blink ticks.
  EXPECT_TRUE(rig.control->isBusy());
  EXPECT_TRUE(rig.waitUntilIdle(5000));
  ASSERT_EQ(busy.size(), 2);
  EXPECT_EQ(busy.at(1).first().toBool(), false);
}

TEST(ExchangePty, WriteChangesTheWrittenRegionsOnly) {
  const QByteArray before(1024, '\xA5');
  LinkRig rig(Radio(before));
  ASSERT_TRUE(rig.document.loadImage(SampleImage(), EditKind::OpenFile));
  const QByteArray image = rig.document.image();
  ASSERT_TRUE(rig.control->startWrite());
  EXPECT_EQ(rig.waitForOutcome(10000), static_cast<int>(ExchangeOutcome::WriteComplete));
  EXPECT_TRUE(QTest::qWaitFor([&] { return rig.radio.endsReceived() == 1; }, 2000));
  const QByteArray after = rig.radio.memory();
  for (int address = 0x0010; address < 0x0410; ++address) {
    const char want = InWritePlan(address, false) ? image.at(address - 0x10) : before.at(address - 0x10);
    ASSERT_EQ(after.at(address - 0x10), want) << std::hex << address;
  }
}

TEST(ExchangePty, WriteWithCalibrationIncludesBlock0180) {
  LinkRig rig(Radio(QByteArray(1024, '\xA5')));
  ASSERT_TRUE(rig.document.loadImage(SampleImage(), EditKind::OpenFile));
  rig.control->setCalibrationIncluded(true);
  ASSERT_TRUE(rig.control->startWrite());
  EXPECT_EQ(rig.waitForOutcome(10000), static_cast<int>(ExchangeOutcome::WriteComplete));
  EXPECT_EQ(rig.radio.writtenAddresses().size(), 39);
  EXPECT_TRUE(rig.radio.writtenAddresses().contains(0x0180));
}

TEST(ExchangePty, WriteToAnotherBandIsRefused) {
  LinkRig rig(Radio(QByteArray(1024, '\xA5')));
  ASSERT_TRUE(rig.document.loadImage(SampleImage(), EditKind::OpenFile));
  RadioState other = rig.document.state();
  other.band = 0;
  rig.document.apply(other, EditKind::Band);
  QSignalSpy status(rig.control.get(), &ExchangeControl::statusTextChanged);
  ASSERT_TRUE(rig.control->startWrite());
  EXPECT_EQ(rig.waitForOutcome(10000), static_cast<int>(ExchangeOutcome::BandRefused));
  EXPECT_EQ(status.last().first().toString(), QStringLiteral("Frequency band with discrepancies, do not write."));
  EXPECT_TRUE(rig.radio.writtenAddresses().isEmpty());
  EXPECT_EQ(rig.radio.memory(), QByteArray(1024, '\xA5'));
}

TEST(ExchangePty, RepliesInPiecesAndRetryAfterAnIgnoredRequest) {
  sim::LineOptions line;
  line.pieces = 4;
  line.pieceGapMs = 3;
  LinkRig rig(Radio(SampleImage(), {.ignoreFirstProgram = true}), line);
  QElapsedTimer clock;
  clock.start();
  ASSERT_TRUE(rig.control->startRead());
  EXPECT_EQ(rig.waitForOutcome(10000), static_cast<int>(ExchangeOutcome::ReadComplete));
  EXPECT_EQ(rig.radio.programRequests(), 2);
  EXPECT_GE(clock.elapsed(), 1400);
}

// A failed exchange leaves the document as it was and sends End.
void ExpectCommunicationError(LinkRig& rig, const RadioState& before) {
  EXPECT_EQ(rig.prompts.communicationErrors, 1);
  EXPECT_EQ(rig.document.state(), before);
  EXPECT_FALSE(rig.control->isBusy());
  EXPECT_EQ(rig.control->session().phase(), ClonePhase::Aborted);
}

TEST(ExchangePty, SilenceEndsWithTheCommunicationErrorThreeToFourSecondsLater) {
  LinkRig rig(Radio(SampleImage(), {.silenceAfter = 8}));
  const RadioState before = rig.document.state();
  QElapsedTimer sinceLastReply;
  sinceLastReply.start();
  QObject::connect(rig.control.get(), &ExchangeControl::progressChanged, rig.control.get(),
                   [&sinceLastReply] { sinceLastReply.restart(); });
  ASSERT_TRUE(rig.control->startRead());
  EXPECT_EQ(rig.waitForOutcome(8000), static_cast<int>(ExchangeOutcome::CommunicationError));
  EXPECT_GE(sinceLastReply.elapsed(), 2900);
  EXPECT_LE(sinceLastReply.elapsed(), 4600);
  ExpectCommunicationError(rig, before);
  EXPECT_TRUE(QTest::qWaitFor([&] { return rig.radio.endsReceived() == 1; }, 2000));
}

TEST(ExchangePty, CorruptedReplyEndsWithTheCommunicationError) {
  LinkRig rig(Radio(SampleImage(), {.corruptReply = 6}));
  const RadioState before = rig.document.state();
  ASSERT_TRUE(rig.control->startRead());
  EXPECT_EQ(rig.waitForOutcome(8000), static_cast<int>(ExchangeOutcome::CommunicationError));
  ExpectCommunicationError(rig, before);
}

TEST(ExchangePty, DoubledAcknowledgementEndsWithTheCommunicationError) {
  LinkRig rig(Radio(QByteArray(1024, '\xA5'), {.doubleAck = 5}));
  ASSERT_TRUE(rig.document.loadImage(SampleImage(), EditKind::OpenFile));
  const RadioState before = rig.document.state();
  ASSERT_TRUE(rig.control->startWrite());
  EXPECT_EQ(rig.waitForOutcome(8000), static_cast<int>(ExchangeOutcome::CommunicationError));
  ExpectCommunicationError(rig, before);
  EXPECT_LE(rig.radio.writtenAddresses().size(), 4);
}

TEST(ExchangePty, PulledCableEndsAtOnce) {
  sim::LineOptions line;
  line.paced = true;
  LinkRig rig(Radio(SampleImage()), line);
  const RadioState before = rig.document.state();
  bool pulled = false;
  QElapsedTimer sincePull;
  QObject::connect(rig.control.get(), &ExchangeControl::progressChanged, rig.control.get(), [&](int value) {
    if (value >= 100 && !pulled) {
      pulled = true;
      rig.radio.pullCable();
      sincePull.start();
    }
  });
  ASSERT_TRUE(rig.control->startRead());
  EXPECT_EQ(rig.waitForOutcome(8000), static_cast<int>(ExchangeOutcome::CommunicationError));
  ASSERT_TRUE(pulled);
  EXPECT_LT(sincePull.elapsed(), 900);  // before the watchdog could have fired
  ExpectCommunicationError(rig, before);
  EXPECT_FALSE(rig.link->isOpen());
  // With the port closed a new start only prompts.
  EXPECT_FALSE(rig.control->startRead());
  EXPECT_EQ(rig.prompts.portNotOpen, 1);
}

TEST(ExchangePty, PacedReadTakesAboutTheLineTime) {
  sim::LineOptions line;
  line.paced = true;
  LinkRig rig(Radio(SampleImage()), line);
  QElapsedTimer clock;
  clock.start();
  ASSERT_TRUE(rig.control->startRead());
  EXPECT_EQ(rig.waitForOutcome(10000), static_cast<int>(ExchangeOutcome::ReadComplete));
  const double bound = (rig.control->bytesSent() + rig.control->bytesReceived()) * 10.0 / 9600.0;
  EXPECT_EQ(rig.control->bytesSent() + rig.control->bytesReceived(), 1204);
  // Generous: a loaded test machine must not fail this.
  EXPECT_LT(clock.elapsed() / 1000.0, bound * 1.5);
}

}  // namespace
}  // namespace qx210
