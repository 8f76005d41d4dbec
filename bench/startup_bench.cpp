// Starts the main window as the program does and reports how long it took
// until the window was first painted, and the peak resident memory.
//   qx210-startup-bench [launch-time-ns]
// With the launch time (CLOCK_REALTIME nanoseconds, taken by the caller just
// before starting this process) the figure covers process start-up as well.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <cstdio>

#include "gui/main_window.h"

namespace {

qint64 RealtimeNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch())
      .count();
}

// VmHWM: the peak resident set size, in kB.
long PeakResidentKb() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
  return -1;
}

class FirstPaint : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !m_seen) {
      m_seen = true;
      // Measured once the paint has been delivered.
      QTimer::singleShot(0, this, [this] {
        m_shownNs = RealtimeNs();
        QCoreApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }
  qint64 shownNs() const { return m_shownNs; }

 private:
  bool m_seen = false;
  qint64 m_shownNs = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
  const qint64 mainNs = RealtimeNs();
  const qint64 launchNs = argc > 1 ? std::atoll(argv[1]) : 0;
  QApplication app(argc, argv);
  QTemporaryDir dir;
  qx210::MainWindowConfig config;
  config.parameterFile = dir.filePath(QStringLiteral("parameter"));
  config.languageHintStore = [path = dir.filePath(QStringLiteral("QB-7.ini"))] {
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
  };
  qx210::MainWindow window(config);
  FirstPaint paint;
  window.installEventFilter(&paint);
  window.show();
  QTimer::singleShot(10000, &app, &QCoreApplication::quit);  // never hang
  QApplication::exec();
  if (paint.shownNs() == 0) {
    std::fprintf(stderr, "the window was never painted\n");
    return 1;
  }
  std::printf("main_to_shown_ms %.1f\n", (paint.shownNs() - mainNs) / 1e6);
  if (launchNs > 0) std::printf("launch_to_shown_ms %.1f\n", (paint.shownNs() - launchNs) / 1e6);
  std::printf("peak_rss_kb %ld\n", PeakResidentKb());
  return 0;
}
