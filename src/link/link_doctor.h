#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <memory>

#include "core/ui_language.h"
#include "link/port_diagnosis.h"
#include "link/serial_port.h"

// The link doctor: checks a port step by step and stops at the first fault
// with a sentence that says what is wrong and what to do.
namespace qx210 {

// The doctor's answers; the numbers are the command line's exit statuses.
enum class DoctorVerdict : int {
  RadioAnswers = 0,
  NoDevice = 10,
  PermissionDenied = 11,
  Busy = 12,
  NoAnswer = 13,
  Echo = 14,
  NotThisRadio = 15,
};

struct DoctorReport {
  DoctorVerdict verdict = DoctorVerdict::NoAnswer;
  PortDiagnosis port;     // the device checks
  QByteArray received;    // what came back (Echo, NotThisRadio)
  bool acknowledged = false;  // NotThisRadio: the program request was acknowledged
  QByteArray model;       // RadioAnswers: the model text
  int band = -1;          // RadioAnswers: band list position, -1 for an unknown code
  int bandCode = -1;      // the band code byte as reported
};

// What the report means and what to do, in one paragraph.
QString DescribeReport(const DoctorReport& report, UiLanguage language);

class LinkDoctor : public QObject {
  Q_OBJECT
 public:
  // How long the doctor waits for an answer to each of its requests.
  static constexpr int kAnswerTimeoutMs = 2000;
  // The program request goes out again once, this long after the first.
  static constexpr int kRepeatAfterMs = 1000;

  explicit LinkDoctor(QObject* parent = nullptr);
  ~LinkDoctor() override;

  // Starts the checks on `path`; finished() follows, possibly at once.
  void start(const QString& path);
  bool isRunning() const { return m_step != Step::Idle; }

 Q_SIGNALS:
  void finished(const qx210::DoctorReport& report);

 private:
  enum class Step { Idle, Program, Identify };

  void onBytes();
  void onTick();
  void evaluate(bool timedOut);
  void finish(DoctorVerdict verdict);
  void send(const QByteArray& bytes);
  // Closes the port, after End when the device took the program request.
  void closePort();

  std::unique_ptr<SerialPort> m_port;
  QTimer m_tick;
  QElapsedTimer m_clock;
  Step m_step = Step::Idle;
  bool m_repeated = false;
  QByteArray m_received;
  DoctorReport m_report;
};

}  // namespace qx210

Q_DECLARE_METATYPE(qx210::DoctorReport)
