// The clone verb: one data file into the radios on several ports at once,
// each optionally read back and compared, with a line per radio and a log.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <memory>
#include <vector>

#include "cli.h"
#include "link/clone_job.h"
#include "link/clone_log.h"
#include "verbs.h"

namespace qx210::cli {

namespace {

QString Seconds(double seconds) { return QString::number(seconds, 'f', 1); }

// The progress of every port on one line of standard error, when that is a terminal.
class ProgressLine {
 public:
  explicit ProgressLine(bool enabled) : m_enabled(enabled) {}
  void show(const std::vector<std::unique_ptr<CloneJob>>& jobs) {
    if (!m_enabled) return;
    QStringList parts;
    for (const auto& job : jobs) parts << QStringLiteral("%1 %2").arg(job->port(), StateText(*job));
    std::fprintf(stderr, "\r\033[K%s", qPrintable(parts.join(QStringLiteral("  "))));
    std::fflush(stderr);
    m_shown = true;
  }
  void clear() {
    if (!m_shown) return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    m_shown = false;
  }

 private:
  static QString StateText(const CloneJob& job) {
    switch (job.state()) {
      case CloneJobState::Idle: return QStringLiteral("-");
      case CloneJobState::Waiting: return QStringLiteral("waiting");
      case CloneJobState::Writing: return QStringLiteral("writing %1%").arg(job.percent());
      case CloneJobState::Verifying: return QStringLiteral("verifying %1%").arg(job.percent());
      case CloneJobState::Passed: return QStringLiteral("passed");
      case CloneJobState::Failed: return QStringLiteral("failed");
      case CloneJobState::Stopped: return QStringLiteral("stopped");
    }
    return {};
  }
  bool m_enabled;
  bool m_shown = false;
};

}  // namespace

int RunClone(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.addOption({QStringLiteral("in"), QStringLiteral("Data file to write into every radio."), QStringLiteral("file")});
  parser.addOption({QStringLiteral("port"),
                    QStringLiteral("Serial port with a radio: device path or COMn. Give it once per port."),
                    QStringLiteral("port")});
  parser.addOption({QStringLiteral("verify"),
                    QStringLiteral("Read each radio back and compare every written range.")});
  parser.addOption({QStringLiteral("log"), QStringLiteral("Append a CSV row per radio to this file."),
                    QStringLiteral("file")});
  parser.addOption({QStringLiteral("continuous"),
                    QStringLiteral("After each radio, wait on its port for the next one, until Ctrl+C.")});
  parser.addOption({QStringLiteral("calibration"),
                    QStringLiteral("Also write (and verify) the transmitter power calibration block (0x0180).")});
  parser.addOption({QStringLiteral("force-band"),
                    QStringLiteral("Write even when a radio reports another band than the file.")});
  parser.addOption({QStringLiteral("force"),
                    QStringLiteral("Write a file even when it does not look like this radio's data.")});
  parser.addOption({QStringLiteral("lang"), QStringLiteral("Language of the protocol texts: en (default) or zh."),
                    QStringLiteral("lang"), QStringLiteral("en")});
  int status = kExitOk;
  if (!ParseVerbArguments(parser, arguments, kCloneVerb, status)) return status;

  const QString name = QString::fromLatin1(kCloneVerb.name);
  if (!parser.positionalArguments().isEmpty()) return UsageError(name, QStringLiteral("unexpected arguments"));
  if (!parser.isSet(QStringLiteral("in"))) return UsageError(name, QStringLiteral("--in is missing"));
  const QStringList ports = parser.values(QStringLiteral("port"));
  if (ports.isEmpty()) return UsageError(name, QStringLiteral("--port is missing"));
  QStringList paths;
  // A device named through a link and by its own name is one port.
  QStringList devices;
  for (const QString& port : ports) {
    paths << PortPath(port);
    const QString device = QFileInfo(paths.last()).canonicalFilePath();
    devices << (device.isEmpty() ? paths.last() : device);
  }
  for (qsizetype i = 0; i < devices.size(); ++i) {
    const qsizetype first = devices.indexOf(devices.at(i));
    if (first == i) continue;
    return UsageError(name, ports.at(first) == ports.at(i)
                                ? QStringLiteral("%1 is named twice").arg(ports.at(i))
                                : QStringLiteral("%1 and %2 are the same port").arg(ports.at(first), ports.at(i)));
  }
  UiLanguage language = kEnglish;
  if (!ParseLanguage(parser.value(QStringLiteral("lang")), language))
    return UsageError(name, QStringLiteral("--lang is en or zh"));

  QByteArray image;
  int band = 0;
  if (!LoadImageToWrite(parser.value(QStringLiteral("in")), parser.isSet(QStringLiteral("force")), image, band))
    return kExitFile;

  CloneLog log;
  if (parser.isSet(QStringLiteral("log"))) {
    QString error;
    if (!log.open(parser.value(QStringLiteral("log")), error)) {
      Err(QStringLiteral("qx210-cli: cannot write the log %1: %2").arg(parser.value(QStringLiteral("log")), error));
      return kExitFile;
    }
  }

  CloneJobOptions options;
  options.verify = parser.isSet(QStringLiteral("verify"));
  options.continuous = parser.isSet(QStringLiteral("continuous"));
  options.calibration = parser.isSet(QStringLiteral("calibration"));
  options.forceBand = parser.isSet(QStringLiteral("force-band"));
  options.language = language;

  std::vector<std::unique_ptr<CloneJob>> jobs;
  ProgressLine progress(StandardErrorIsTerminal());
  int passed = 0;
  int failed = 0;
  int unlogged = 0;
  int running = 0;
  for (qsizetype i = 0; i < ports.size(); ++i) {
    auto job = std::make_unique<CloneJob>(ports.at(i), paths.at(i), image, band, options);
    CloneJob* raw = job.get();
    QObject::connect(raw, &CloneJob::stateChanged, raw, [&] { progress.show(jobs); });
    QObject::connect(raw, &CloneJob::radioFinished, raw, [&](const CloneRadioResult& result) {
      progress.clear();
      (result.passed() ? passed : failed) += 1;
      Out(QStringLiteral("%1  %2  %3  %4  %5 s")
              .arg(result.finishedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), result.port, ResultBand(result),
                   ResultText(result), Seconds(result.seconds)));
      // A row the log could not take is not lost: it goes to standard error.
      if (log.isOpen() && !log.append(result)) {
        ++unlogged;
        Err(QStringLiteral("qx210-cli: cannot write the log %1: %2; the row not written: %3")
                .arg(parser.value(QStringLiteral("log")), log.errorString(), CloneLog::row(result)));
      }
    });
    QObject::connect(raw, &CloneJob::finished, raw, [&] {
      if (--running == 0) QCoreApplication::quit();
    });
    jobs.push_back(std::move(job));
  }

  auto stopRequests = std::make_unique<StopRequests>([&] {
    progress.clear();
    Err(QStringLiteral("qx210-cli: stopping; radios under way are finished first (Ctrl+C again ends at once)"));
    for (const auto& job : jobs) job->stop();
  });

  running = static_cast<int>(jobs.size());
  for (const auto& job : jobs) job->start();
  if (running > 0) QCoreApplication::exec();
  progress.clear();

  stopRequests.reset();
  QString summary = QStringLiteral("%1 radios: %2 passed, %3 failed").arg(passed + failed).arg(passed).arg(failed);
  if (unlogged > 0) summary += QStringLiteral(", %1 not in the log").arg(unlogged);
  Out(summary);
  if (failed > 0) return kExitCommunication;
  return unlogged == 0 ? kExitOk : kExitFile;
}

}  // namespace qx210::cli
