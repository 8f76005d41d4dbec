// Reads and writes against the emulated radio with 9600-baud line pacing and
// prints each exchange's wall time against its line-time bound: every byte on
// the wire, both ways, at 10 bits per byte and 9600 bit/s.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>

#include "core/codec.h"
#include "core/radio_state.h"
#include "link/exchange_control.h"
#include "link/serial_link.h"
#include "pty_radio.h"

namespace {

using namespace qx210;

class NoPrompts : public ExchangePrompts {
 public:
  void showPortNotOpen(UiLanguage) override {}
  void showCommunicationError(UiLanguage, const QString&) override {}
  void askBandQuestion(UiLanguage, std::function<void(bool)> answer) override { answer(false); }
};

struct Result {
  bool ok = false;
  double seconds = 0;
  qint64 bytes = 0;
  double ratio() const { return seconds / (bytes * 10.0 / 9600.0); }
};

Result Run(ExchangeControl& control, bool write) {
  QEventLoop loop;
  Result result;
  QElapsedTimer clock;
  QObject::connect(&control, &ExchangeControl::finished, &loop, [&](ExchangeOutcome outcome) {
    result.seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    result.ok = outcome == (write ? ExchangeOutcome::WriteComplete : ExchangeOutcome::ReadComplete);
    result.bytes = control.bytesSent() + control.bytesReceived();
    loop.quit();
  });
  QTimer::singleShot(15000, &loop, &QEventLoop::quit);
  clock.start();
  if (!(write ? control.startWrite() : control.startRead())) return result;
  loop.exec();
  // Let the finish countdown run out before the next exchange.
  QEventLoop settle;
  QTimer::singleShot(2600, &settle, &QEventLoop::quit);
  settle.exec();
  return result;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 3;

  sim::LineOptions line;
  line.paced = true;
  sim::PtyRadio radio(sim::RadioProtocol("P3207", 0x33), line);
  QString error;
  if (!radio.open(&error)) {
    std::fprintf(stderr, "link_bench: %s\n", qPrintable(error));
    return 1;
  }
  radio.start();
  PortCatalogue catalogue;
  catalogue.setSlotPath(1, radio.slavePath());
  SerialLink link(catalogue);
  if (!link.choosePort(1)) {
    std::fprintf(stderr, "link_bench: cannot open %s\n", qPrintable(radio.slavePath()));
    return 1;
  }
  NoPrompts prompts;
  ExchangeControl control(link, prompts);
  const QByteArray image = EncodeImage(RadioState{});
  control.setImageSource([&image] { return image; });

  double worst = 0;
  bool allOk = true;
  std::printf("%-6s %5s %8s %10s %8s\n", "what", "bytes", "bound s", "wall s", "ratio");
  for (int round = 0; round < rounds; ++round) {
    for (const bool write : {false, true}) {
      const Result r = Run(control, write);
      allOk = allOk && r.ok;
      worst = std::max(worst, r.ratio());
      std::printf("%-6s %5lld %8.3f %10.3f %8.3f%s\n", write ? "write" : "read", static_cast<long long>(r.bytes),
                  r.bytes * 10.0 / 9600.0, r.seconds, r.ratio(), r.ok ? "" : "  FAILED");
    }
  }
  std::printf("worst ratio %.3f (target 1.05 or less)\n", worst);
  link.close();
  radio.stop();
  return allOk && worst <= 1.05 ? 0 : 1;
}
