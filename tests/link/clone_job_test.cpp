// Several exchanges at once in one process, each on its own port against its
// own emulated radio, through the per-port job the command line and the
// production window share.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <vector>

#include "core/clone_plan.h"
#include "link/clone_job.h"
#include "support/link_rig.h"

namespace qx210 {
namespace {

using test::SampleImage;

struct Bench {
  std::unique_ptr<sim::PtyRadio> radio;
  std::unique_ptr<CloneJob> job;
  QList<CloneRadioResult> results;
};

class CloneJobTest : public ::testing::Test {
 protected:
  Bench& add(sim::RadioFaults faults, const CloneJobOptions& options, sim::LineOptions line = {}) {
    sim::RadioProtocol protocol("P2207", 0x01);
    protocol.loadMemory(QByteArray(1024, '\x5A'));
    protocol.setFaults(faults);
    auto bench = std::make_unique<Bench>();
    bench->radio = std::make_unique<sim::PtyRadio>(std::move(protocol), line);
    EXPECT_TRUE(bench->radio->open());
    bench->radio->start();
    const QString path = bench->radio->slavePath();
    bench->job = std::make_unique<CloneJob>(path, path, m_image, kVhfBandPosition, options);
    Bench* raw = bench.get();
    QObject::connect(raw->job.get(), &CloneJob::radioFinished, raw->job.get(),
                     [raw](const CloneRadioResult& result) { raw->results << result; });
    m_benches.push_back(std::move(bench));
    return *m_benches.back();
  }
  bool waitAllFinished(int ms) {
    return QTest::qWaitFor([this] {
      for (const auto& bench : m_benches)
        if (!bench->job->isFinished()) return false;
      return true;
    }, ms);
  }
  void TearDown() override {
    for (auto& bench : m_benches) {
      bench->job.reset();  // the program's side first
      bench->radio->stop();
    }
  }

  QByteArray m_image = SampleImage().left(848);
  std::vector<std::unique_ptr<Bench>> m_benches;
};

TEST_F(CloneJobTest, FourRadiosAtOnceOneFaulty) {
  const CloneJobOptions options{.verify = true};
  add({}, options);
  add({}, options);
  Bench& faulty = add({.silenceAfter = 3 + 20}, options);  // the 21st block, 0x0150, goes unanswered
  add({}, options);
  for (const auto& bench : m_benches) bench->job->start();
  // While one runs, the others run too: all four are under way together.
  EXPECT_TRUE(QTest::qWaitFor([this] {
    int busy = 0;
    for (const auto& bench : m_benches)
      busy += bench->job->state() == CloneJobState::Writing || bench->job->state() == CloneJobState::Verifying;
    return busy == 4;
  }, 5000));
  ASSERT_TRUE(waitAllFinished(20000));

  for (const auto& bench : m_benches) {
    ASSERT_EQ(bench->results.size(), 1);
    const CloneRadioResult& result = bench->results.first();
    if (bench.get() == &faulty) {
      EXPECT_EQ(result.kind, CloneRadioResult::Kind::CommunicationFailure);
      EXPECT_EQ(ResultText(result), QStringLiteral("no answer after block 0x0150"));
      EXPECT_EQ(bench->job->state(), CloneJobState::Failed);
      continue;
    }
    EXPECT_TRUE(result.passed()) << ResultText(result).toStdString();
    EXPECT_EQ(ResultBand(result), QStringLiteral("136-174MHz"));
    EXPECT_EQ(bench->job->state(), CloneJobState::Passed);
    // Written, then read back in full.
    EXPECT_EQ(bench->radio->writtenAddresses().size(), 38);
    EXPECT_EQ(bench->radio->readRequests(), 16);
    EXPECT_EQ(FirstDifference(m_image, bench->radio->memory(), WrittenRanges(false)), -1);
  }
}

TEST_F(CloneJobTest, VerificationCatchesAByteTheRadioChanged) {
  Bench& bench = add({.spoilWriteAddress = 0x0150}, {.verify = true});
  bench.job->start();
  ASSERT_TRUE(waitAllFinished(15000));
  ASSERT_EQ(bench.results.size(), 1);
  EXPECT_EQ(bench.results.first().kind, CloneRadioResult::Kind::VerifyFailed);
  EXPECT_EQ(ResultText(bench.results.first()), QStringLiteral("verify failed at 0x0150"));
  EXPECT_EQ(ResultReason(bench.results.first(), kChinese), QString::fromUtf8("回读校验不符，首个不同的地址是 0x0150"));
}

TEST_F(CloneJobTest, WithoutVerifyNothingIsReadBack) {
  Bench& bench = add({.spoilWriteAddress = 0x0150}, {});
  bench.job->start();
  ASSERT_TRUE(waitAllFinished(15000));
  ASSERT_EQ(bench.results.size(), 1);
  EXPECT_TRUE(bench.results.first().passed());
  EXPECT_EQ(bench.radio->readRequests(), 0);
}

TEST_F(CloneJobTest, RadioOfAnotherBandIsRefused) {
  sim::RadioProtocol uhf("P3207", 0x33);
  auto radio = std::make_unique<sim::PtyRadio>(std::move(uhf), sim::LineOptions{});
  ASSERT_TRUE(radio->open());
  radio->start();
  CloneJob job(radio->slavePath(), radio->slavePath(), m_image, kVhfBandPosition, {});
  QSignalSpy results(&job, &CloneJob::radioFinished);
  job.start();
  ASSERT_TRUE(QTest::qWaitFor([&] { return job.isFinished(); }, 10000));
  const auto result = results.first().first().value<CloneRadioResult>();
  EXPECT_EQ(ResultText(result), QStringLiteral("band mismatch"));
  EXPECT_EQ(ResultBand(result), QStringLiteral("400-480MHz"));
  EXPECT_TRUE(radio->writtenAddresses().isEmpty());
  radio->stop();
}

TEST_F(CloneJobTest, MissingPortFailsAtOnce) {
  CloneJob job(QStringLiteral("COM9"), QStringLiteral("/nonexistent/ttyUSB7"), m_image, 0, {.continuous = true});
  QSignalSpy results(&job, &CloneJob::radioFinished);
  QSignalSpy finished(&job, &CloneJob::finished);
  job.start();
  ASSERT_EQ(results.size(), 1);
  EXPECT_EQ(finished.size(), 1);
  const auto result = results.first().first().value<CloneRadioResult>();
  EXPECT_EQ(ResultText(result), QStringLiteral("no such device"));
  EXPECT_EQ(result.port, QStringLiteral("COM9"));
  EXPECT_EQ(ResultBand(result), QStringLiteral("-"));
}

TEST_F(CloneJobTest, ContinuousWritesEachRadioOnceAndTheNextOneToo) {
  Bench& bench = add({}, {.verify = true, .continuous = true});
  bench.job->start();
  ASSERT_TRUE(QTest::qWaitFor([&] { return bench.results.size() == 1; }, 10000));
  EXPECT_TRUE(bench.results.first().passed());
  EXPECT_EQ(bench.job->state(), CloneJobState::Waiting);
  // The radio stays on the cable: it answers the polls but is not written again.
  QTest::qWait(2500);
  EXPECT_EQ(bench.results.size(), 1);
  EXPECT_EQ(bench.radio->writtenAddresses().size(), 38);
  EXPECT_GE(bench.radio->programRequests(), 3);

  // Swapped for another radio: off the cable long enough to be missed, then a new one.
  bench.radio->setRadioConnected(false);
  QTest::qWait(2200);
  sim::RadioProtocol next("P2207", 0x01);
  next.loadMemory(QByteArray(1024, '\x00'));
  bench.radio->replaceRadio(std::move(next));
  ASSERT_TRUE(QTest::qWaitFor([&] { return bench.results.size() == 2; }, 10000));
  EXPECT_TRUE(bench.results.last().passed());
  EXPECT_EQ(FirstDifference(m_image, bench.radio->memory(), WrittenRanges(false)), -1);
  EXPECT_EQ(bench.job->passedCount(), 2);

  // Stop while waiting: over at once, and the radio is out of programming mode.
  QSignalSpy finished(bench.job.get(), &CloneJob::finished);
  bench.job->stop();
  EXPECT_EQ(finished.size(), 1);
  EXPECT_EQ(bench.job->state(), CloneJobState::Stopped);
}

TEST_F(CloneJobTest, StopDuringAWriteFinishesTheRadioFirst) {
  sim::LineOptions paced;
  paced.paced = true;
  Bench& bench = add({}, {.continuous = true}, paced);
  bench.job->start();
  ASSERT_TRUE(QTest::qWaitFor([&] { return bench.job->state() == CloneJobState::Writing; }, 5000));
  bench.job->stop();
  EXPECT_FALSE(bench.job->isFinished());
  ASSERT_TRUE(waitAllFinished(15000));
  ASSERT_EQ(bench.results.size(), 1);
  EXPECT_TRUE(bench.results.first().passed());
  EXPECT_EQ(bench.job->state(), CloneJobState::Passed);
}

// A job that goes away mid-write (its window closed) still ends the radio's
// programming mode.
TEST_F(CloneJobTest, DestroyedDuringAWriteSendsEnd) {
  sim::LineOptions paced;
  paced.paced = true;
  Bench& bench = add({}, {}, paced);
  bench.job->start();
  ASSERT_TRUE(QTest::qWaitFor([&] { return bench.job->percent() > 0; }, 5000));
  bench.job.reset();
  EXPECT_TRUE(QTest::qWaitFor([&] { return bench.radio->endsReceived() == 1; }, 3000));
  EXPECT_TRUE(bench.results.isEmpty());
}

}  // namespace
}  // namespace qx210
