#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <memory>

#include "core/clone_failure.h"
#include "link/exchange_control.h"
#include "link/port_diagnosis.h"

// One port of a fleet run: writes an image into the radio on the port,
// optionally reads it back and compares every written range, and with
// `continuous` waits for the next radio on the same port. The command line's
// clone verb and the production window both run one job per port.
namespace qx210 {

class SerialLink;

struct CloneJobOptions {
  bool verify = false;       // read back and compare every written range
  bool continuous = false;   // after each radio, wait for the next one
  bool calibration = false;  // write (and compare) the calibration block too
  bool forceBand = false;    // write even when the radio reports another band
  UiLanguage language = kEnglish;
};

enum class CloneJobState { Idle, Waiting, Writing, Verifying, Passed, Failed, Stopped };

// How one radio (or the port, when it could not be used) ended.
struct CloneRadioResult {
  enum class Kind { Passed, VerifyFailed, BandMismatch, CommunicationFailure, PortProblem };

  Kind kind = Kind::Passed;
  QString port;           // as the user named it
  QDateTime finishedAt;
  int band = -1;          // band list position the radio reported, -1: none or unknown
  int bandCode = -1;      // the band code byte it reported, -1: no identification
  double seconds = 0;
  int verifyAddress = -1;  // VerifyFailed: the first differing address
  CloneFailure failure;    // CommunicationFailure
  PortDiagnosis portDiagnosis;  // PortProblem

  bool passed() const { return kind == Kind::Passed; }
};

// "ok", "verify failed at 0x0150", "band mismatch", "no answer", ... in English,
// as result lines and logs carry them.
QString ResultText(const CloneRadioResult& result);
// The same for a user, a sentence in `language`.
QString ResultReason(const CloneRadioResult& result, UiLanguage language);
// The reported band ("400-480MHz"), "band code 0x5A" for an unknown code, or "-".
QString ResultBand(const CloneRadioResult& result);

class CloneJob : public QObject, private ExchangePrompts {
  Q_OBJECT
 public:
  // Between a write's End and the read of its verification: the radio leaves
  // programming mode before it is asked to enter it again.
  static constexpr int kSettleMs = 250;
  // A port waiting for its next radio repeats the program request this often.
  static constexpr int kPollIntervalMs = 1000;

  // `path` is the device; `port` the name the user gave it (shown in results).
  CloneJob(const QString& port, const QString& path, const QByteArray& image, int band,
           const CloneJobOptions& options, QObject* parent = nullptr);
  ~CloneJob() override;

  void start();
  // Finishes the radio under way, if any, then stops; finished() follows.
  void stop();
  // Stops at once: a radio being written or read is told to leave
  // programming mode and goes unreported; finished() follows. Also what
  // destroying an unfinished job does.
  void abort();

  QString port() const { return m_port; }
  CloneJobState state() const { return m_state; }
  int percent() const { return m_percent; }
  bool isFinished() const { return m_finished; }
  int passedCount() const { return m_passed; }

 Q_SIGNALS:
  void stateChanged(qx210::CloneJobState state, int percent);
  void radioFinished(const qx210::CloneRadioResult& result);
  // The job does nothing more: one radio done, or stopped, or the port failed.
  void finished();

 private:
  // ExchangePrompts: a job shows nothing and asks nobody.
  void showPortNotOpen(UiLanguage) override {}
  void showCommunicationError(UiLanguage, const QString&) override {}
  void askBandQuestion(UiLanguage, std::function<void(bool yes)> answer) override { answer(m_options.forceBand); }

  void setState(CloneJobState state, int percent = 0);
  void enterWaiting();
  // Ends a job without an exchange under way.
  void finishStopped();
  void poll();
  void onBytes(const QByteArray& bytes);
  void beginWrite(bool acknowledged);
  void onIdentified();
  void onProgress(int value);
  void onExchangeFinished(ExchangeOutcome outcome);
  void onReadCompleted(const QByteArray& image);
  void complete(CloneRadioResult result);
  void finish(CloneJobState state);

  QString m_port;
  QString m_path;
  QByteArray m_image;
  int m_band = 0;
  CloneJobOptions m_options;
  std::unique_ptr<SerialLink> m_link;
  std::unique_ptr<ExchangeControl> m_control;
  QTimer m_poll;
  QElapsedTimer m_clock;
  CloneJobState m_state = CloneJobState::Idle;
  int m_percent = 0;
  bool m_stopping = false;
  bool m_finished = false;
  // Continuous mode: the last radio is still on the line (it answered a poll
  // since the one before); it is not written again until it has been silent.
  bool m_radioPresent = false;
  bool m_answeredSinceLastPoll = false;
  int m_polls = 0;
  int m_bandCode = -1;
  QByteArray m_written;
  QByteArray m_readBack;
  int m_passed = 0;
};

}  // namespace qx210

Q_DECLARE_METATYPE(qx210::CloneRadioResult)
