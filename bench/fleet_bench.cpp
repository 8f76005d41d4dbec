// Clones one image to 1, 2, 4 and 8 emulated radios at once, every line paced
// at 9600 bit/s, and prints each run's wall time against the time for one
// radio. Aim: eight radios take no more than 1.15 times as long as one.
// Usage: qx210-fleet-bench [rounds] [--verify]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "core/codec.h"
#include "core/radio_state.h"
#include "link/clone_job.h"
#include "pty_radio.h"

namespace {

using namespace qx210;

struct Run {
  double seconds = 0;
  int passed = 0;
};

Run CloneTo(int radios, const QByteArray& image, bool verify) {
  sim::LineOptions line;
  line.paced = true;
  std::vector<std::unique_ptr<sim::PtyRadio>> benches;
  std::vector<std::unique_ptr<CloneJob>> jobs;
  for (int i = 0; i < radios; ++i) {
    auto radio = std::make_unique<sim::PtyRadio>(sim::RadioProtocol("P3207", 0x33), line);
    QString error;
    if (!radio->open(&error)) {
      std::fprintf(stderr, "fleet_bench: %s\n", qPrintable(error));
      return {};
    }
    radio->start();
    const QString path = radio->slavePath();
    benches.push_back(std::move(radio));
    jobs.push_back(std::make_unique<CloneJob>(path, path, image, 0, CloneJobOptions{.verify = verify}));
  }
  Run run;
  QEventLoop loop;
  int running = radios;
  for (const auto& job : jobs) {
    QObject::connect(job.get(), &CloneJob::radioFinished, &loop,
                     [&run](const CloneRadioResult& result) { run.passed += result.passed(); });
    QObject::connect(job.get(), &CloneJob::finished, &loop, [&] {
      if (--running == 0) loop.quit();
    });
  }
  QTimer::singleShot(60000, &loop, &QEventLoop::quit);
  QElapsedTimer clock;
  clock.start();
  for (const auto& job : jobs) job->start();
  if (running > 0) loop.exec();
  run.seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
  jobs.clear();
  for (const auto& radio : benches) radio->stop();
  return run;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  int rounds = 2;
  bool verify = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--verify") == 0)
      verify = true;
    else
      rounds = std::max(1, std::atoi(argv[i]));
  }
  const QByteArray image = EncodeImage(RadioState{});
  std::printf("clone %s, paced lines, best of %d rounds\n", verify ? "with read-back" : "without read-back", rounds);
  std::printf("%6s %10s %12s\n", "radios", "wall s", "x one radio");
  double one = 0;
  double worst = 0;
  bool allPassed = true;
  for (const int radios : {1, 2, 4, 8}) {
    double best = 0;
    for (int round = 0; round < rounds; ++round) {
      const Run run = CloneTo(radios, image, verify);
      allPassed = allPassed && run.passed == radios;
      if (round == 0 || run.seconds < best) best = run.seconds;
    }
    if (radios == 1) one = best;
    const double ratio = one > 0 ? best / one : 0;
    worst = std::max(worst, ratio);
    std::printf("%6d %10.3f %12.3f\n", radios, best, ratio);
  }
  std::printf("eight radios: %.3f x one (aim 1.15 or less)%s\n", worst, allPassed ? "" : "; SOME RADIOS FAILED");
  return allPassed && worst <= 1.15 ? 0 : 1;
}
