#include "link/link_doctor.h"

#include <QFileInfo>

#include "core/clone_failure.h"
#include "core/clone_session.h"
#include "core/conversions.h"
#include "core/lists.h"

namespace qx210 {

namespace {

constexpr int kTickMs = 50;
// After End, the time the byte is given to leave before the port closes.
constexpr int kEndDrainMs = 200;

constexpr Bilingual kNoAnswer{
    "%1 上的编程请求在两秒内没有得到应答：对讲机没有开机、编程线没有插好，或者选错了端口。"
    "请打开对讲机，把插头完全插入对讲机，并检查端口的选择。",
    "No answer to the program request on %1 within two seconds: the radio is switched off, the cable is not "
    "seated in the radio, or this is the wrong port. Switch the radio on, push the plug fully into the radio "
    "and check the port."};
constexpr Bilingual kEcho{
    "编程线把发出的数据原样送回（%1）：对讲机没有连接或没有开机，或者这是一条环回线。请把编程线接到对讲机上并打开对讲机。",
    "The cable returns what is sent to it (%1): the radio is not connected or not switched on, or the cable is "
    "a loopback. Connect the cable to the radio and switch the radio on."};
constexpr Bilingual kNotThisRadio{
    "应答不是本机（QX-210）的型号标识：%1。端口上连接的是其他型号的对讲机或其他设备。",
    "The answer is not a QX-210's identification: %1. A radio of another model, or another device, is on this "
    "port."};
constexpr Bilingual kNoIdentification{
    "设备确认了编程请求，但没有发送型号标识：它不是 QX-210，或者当前不能写频。",
    "The device acknowledged the program request but did not identify itself: it is not a QX-210, or it is not "
    "ready to be programmed."};
constexpr Bilingual kRadioAnswers{
    "对讲机应答正常：QX-210，型号 %1，频段 %2。连接正常；已通知对讲机退出写频状态。",
    "The radio answers: QX-210, model %1, band %2. The connection works; the radio has been told to leave "
    "programming mode."};
constexpr Bilingual kUnknownBand{"未知（频段码 %1）", "unknown (band code %1)"};

bool IsPseudoTerminal(const QString& path) {
  return QFileInfo(path).canonicalFilePath().startsWith(QLatin1String("/dev/pts/"));
}

}  // namespace

QString DescribeReport(const DoctorReport& report, UiLanguage language) {
  const auto say = [language](const Bilingual& text) { return text.text(language); };
  switch (report.verdict) {
    case DoctorVerdict::NoDevice:
    case DoctorVerdict::PermissionDenied:
    case DoctorVerdict::Busy:
      return DescribePortProblem(report.port, language);
    case DoctorVerdict::NoAnswer:
      return say(kNoAnswer).arg(report.port.path);
    case DoctorVerdict::Echo:
      return say(kEcho).arg(DescribeBytes(report.received));
    case DoctorVerdict::NotThisRadio:
      if (report.acknowledged && report.received.isEmpty()) return say(kNoIdentification);
      return say(kNotThisRadio).arg(DescribeBytes(report.received));
    case DoctorVerdict::RadioAnswers: {
      const QString band =
          report.band >= 0 ? QString::fromLatin1(kBands.at(static_cast<std::size_t>(report.band)).text)
                           : say(kUnknownBand).arg(QStringLiteral("0x") + WordToHex(report.bandCode).right(2));
      return say(kRadioAnswers).arg(QString::fromLatin1(report.model), band);
    }
  }
  return {};
}

LinkDoctor::LinkDoctor(QObject* parent) : QObject(parent), m_port(SerialPort::create()) {
  qRegisterMetaType<DoctorReport>();
  m_tick.setInterval(kTickMs);
  connect(&m_tick, &QTimer::timeout, this, &LinkDoctor::onTick);
  connect(m_port.get(), &SerialPort::readyRead, this, &LinkDoctor::onBytes);
}

LinkDoctor::~LinkDoctor() { closePort(); }

void LinkDoctor::closePort() {
  if (!m_port->isOpen()) return;
  // A device that took the program request leaves programming mode again.
  if (m_report.acknowledged) {
    m_port->write(QByteArray(1, clone_bytes::kEnd));
    m_port->waitForBytesWritten(kEndDrainMs);
  }
  m_port->close();
}

void LinkDoctor::start(const QString& path) {
  m_report = {};
  m_received.clear();
  m_repeated = false;
  m_step = Step::Program;
  m_report.port = DiagnosePort(path);
  switch (m_report.port.problem) {
    case PortProblem::Missing:
    case PortProblem::NotSerial:
      finish(DoctorVerdict::NoDevice);
      return;
    case PortProblem::PermissionDenied:
      finish(DoctorVerdict::PermissionDenied);
      return;
    case PortProblem::Busy:
    case PortProblem::None:
      break;
  }

  if (const PortOpenResult opened = m_port->open(path); !opened.ok()) {
    m_report.port = DiagnoseOpenFailure(path, opened);
    switch (m_report.port.problem) {
      case PortProblem::PermissionDenied: finish(DoctorVerdict::PermissionDenied); return;
      case PortProblem::Busy: finish(DoctorVerdict::Busy); return;
      default: finish(DoctorVerdict::NoDevice); return;
    }
  }
  // A second program that reads the same device steals the radio's bytes. The
  // program that made a pseudo-terminal holds it open as a matter of course.
  if (!IsPseudoTerminal(path)) {
    FindHolders(m_report.port);
    if (!m_report.port.holders.isEmpty()) {
      m_report.port.problem = PortProblem::Busy;
      m_port->close();
      finish(DoctorVerdict::Busy);
      return;
    }
  }
  m_port->configure();
  m_port->clear();
  send(clone_bytes::kProgramRequest);
  m_clock.start();
  m_tick.start();
}

void LinkDoctor::send(const QByteArray& bytes) {
  m_port->write(bytes);
  m_port->flush();
}

void LinkDoctor::onBytes() {
  if (m_step == Step::Idle) {
    m_port->readAll();
    return;
  }
  m_received += m_port->readAll();
  evaluate(false);
}

void LinkDoctor::onTick() {
  if (m_step == Step::Idle) return;
  if (m_step == Step::Program && !m_repeated && m_received.isEmpty() && m_clock.elapsed() >= kRepeatAfterMs) {
    // A radio that missed the first request (just switched on) gets a second.
    m_repeated = true;
    send(clone_bytes::kProgramRequest);
  }
  evaluate(m_clock.elapsed() >= kAnswerTimeoutMs);
}

void LinkDoctor::evaluate(bool timedOut) {
  const QByteArray& program = clone_bytes::kProgramRequest;
  if (m_step == Step::Program) {
    // Checked before the acknowledgement: a cable that echoes may carry a
    // radio's answer behind the echo, and the exchange cannot work over it.
    if (m_received.startsWith(program) || (timedOut && !m_received.isEmpty() && program.startsWith(m_received))) {
      finish(DoctorVerdict::Echo);
      return;
    }
    if (!m_received.isEmpty() && program.startsWith(m_received)) return;  // the echo is still arriving
    if (m_received.contains(clone_bytes::kAcknowledge)) {
      m_report.acknowledged = true;
      m_received.clear();
      m_step = Step::Identify;
      send(QByteArray(1, clone_bytes::kIdentifyRequest));
      m_clock.restart();
      return;
    }
    if (timedOut) finish(m_received.isEmpty() ? DoctorVerdict::NoAnswer : DoctorVerdict::NotThisRadio);
    return;
  }

  // The identification is read as the exchange reads it, so a radio that
  // passes here passes there.
  if (const std::optional<RadioIdentification> identification = ParseIdentification(m_received)) {
    m_report.model = identification->model;
    m_report.bandCode = identification->bandCode;
    m_report.band = identification->band;
    finish(DoctorVerdict::RadioAnswers);
    return;
  }
  // A 06 outside an identification is an acknowledgement to the exchange,
  // which asks again: so does the doctor.
  if (!HoldsModelText(m_received) && m_received.contains(clone_bytes::kAcknowledge)) {
    m_received.clear();
    send(QByteArray(1, clone_bytes::kIdentifyRequest));
  }
  if (timedOut) finish(DoctorVerdict::NotThisRadio);
}

void LinkDoctor::finish(DoctorVerdict verdict) {
  m_tick.stop();
  m_report.verdict = verdict;
  if (verdict == DoctorVerdict::Echo || verdict == DoctorVerdict::NotThisRadio) m_report.received = m_received;
  closePort();
  m_step = Step::Idle;
  // Always after start() has returned, so a caller may connect late.
  QMetaObject::invokeMethod(
      this, [this, report = m_report] { Q_EMIT finished(report); }, Qt::QueuedConnection);
}

}  // namespace qx210
