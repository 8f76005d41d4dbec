#include "link/clone_job.h"

#include "core/clone_plan.h"
#include "core/clone_session.h"
#include "core/conversions.h"
#include "core/lists.h"
#include "link/serial_link.h"

namespace qx210 {

namespace {

constexpr Bilingual kPassed{"写入成功", "passed"};
constexpr Bilingual kVerifyFailed{"回读校验不符，首个不同的地址是 %1", "the read-back differs, first at %1"};
constexpr Bilingual kBandMismatch{"对讲机的频段与数据不符", "the radio reports another band than the data"};

QString Address(int address) { return QStringLiteral("0x") + WordToHex(address); }

}  // namespace

QString ResultText(const CloneRadioResult& result) {
  using Kind = CloneRadioResult::Kind;
  switch (result.kind) {
    case Kind::Passed: return QStringLiteral("ok");
    case Kind::VerifyFailed: return QStringLiteral("verify failed at %1").arg(Address(result.verifyAddress));
    case Kind::BandMismatch: return QStringLiteral("band mismatch");
    case Kind::CommunicationFailure: return FailureResult(result.failure);
    case Kind::PortProblem:
      switch (result.portDiagnosis.problem) {
        case PortProblem::Missing: return QStringLiteral("no such device");
        case PortProblem::NotSerial: return QStringLiteral("not a serial device");
        case PortProblem::PermissionDenied: return QStringLiteral("permission denied");
        case PortProblem::Busy: return QStringLiteral("port busy");
        case PortProblem::None: break;
      }
      return QStringLiteral("port failed");
  }
  return {};
}

QString ResultReason(const CloneRadioResult& result, UiLanguage language) {
  using Kind = CloneRadioResult::Kind;
  switch (result.kind) {
    case Kind::Passed: return kPassed.text(language);
    case Kind::VerifyFailed: return kVerifyFailed.text(language).arg(Address(result.verifyAddress));
    case Kind::BandMismatch: return kBandMismatch.text(language);
    case Kind::CommunicationFailure: return DescribeFailure(result.failure, language);
    case Kind::PortProblem: return DescribePortProblem(result.portDiagnosis, language);
  }
  return {};
}

QString ResultBand(const CloneRadioResult& result) {
  if (result.band >= 0 && result.band < static_cast<int>(kBands.size()))
    return QString::fromLatin1(kBands.at(static_cast<std::size_t>(result.band)).text);
  if (result.bandCode >= 0) return QStringLiteral("band code 0x") + WordToHex(result.bandCode).right(2);
  return QStringLiteral("-");
}

CloneJob::CloneJob(const QString& port, const QString& path, const QByteArray& image, int band,
                   const CloneJobOptions& options, QObject* parent)
    : QObject(parent), m_port(port), m_path(path), m_image(image), m_band(band), m_options(options) {
  qRegisterMetaType<CloneRadioResult>();
  qRegisterMetaType<CloneJobState>();
  m_poll.setInterval(kPollIntervalMs);
  connect(&m_poll, &QTimer::timeout, this, &CloneJob::poll);
}

CloneJob::~CloneJob() {
  // An unfinished job still tells its radio to leave programming mode, but
  // reports nothing any more.
  blockSignals(true);
  abort();
  // The exchange refers to the link: it goes first.
  m_control.reset();
  m_link.reset();
}

void CloneJob::setState(CloneJobState state, int percent) {
  if (state == m_state && percent == m_percent) return;
  m_state = state;
  m_percent = percent;
  Q_EMIT stateChanged(state, percent);
}

void CloneJob::start() {
  if (m_state != CloneJobState::Idle || m_finished) return;
  PortCatalogue catalogue;
  catalogue.setSlotPath(1, m_path);
  m_link = std::make_unique<SerialLink>(catalogue);
  if (!m_link->choosePort(1)) {
    CloneRadioResult result;
    result.kind = CloneRadioResult::Kind::PortProblem;
    result.portDiagnosis = DiagnoseOpenFailure(m_path, m_link->lastOpenResult());
    m_clock.start();
    complete(result);
    return;
  }
  ExchangePrompts& prompts = *this;
  m_control = std::make_unique<ExchangeControl>(*m_link, prompts);
  m_control->setLanguage(m_options.language);
  m_control->setFinishCountdownEnabled(false);
  m_control->setCalibrationIncluded(m_options.calibration);
  m_control->setBandOverrideEnabled(m_options.forceBand);
  m_control->setImageSource([this] { return m_image; });
  m_control->setBandSource([this] { return m_band; });
  connect(m_control.get(), &ExchangeControl::progressShown, this, &CloneJob::onIdentified);
  connect(m_control.get(), &ExchangeControl::progressChanged, this, &CloneJob::onProgress);
  connect(m_control.get(), &ExchangeControl::finished, this, &CloneJob::onExchangeFinished);
  connect(m_control.get(), &ExchangeControl::readCompleted, this,
          [this](const QByteArray& image, int) { onReadCompleted(image); });
  connect(m_link.get(), &SerialLink::bytesReceived, this, &CloneJob::onBytes);
  connect(m_link.get(), &SerialLink::portLost, this, [this](const QString& reason) {
    // While an exchange runs, it reports the loss itself.
    if (m_state != CloneJobState::Waiting) return;
    m_poll.stop();
    CloneRadioResult result;
    result.kind = CloneRadioResult::Kind::CommunicationFailure;
    result.failure.kind = CloneFailure::Kind::PortLost;
    result.failure.reason = reason;
    m_clock.start();
    complete(result);
  });
  if (m_options.continuous)
    enterWaiting();
  else
    beginWrite(false);
}

void CloneJob::stop() {
  if (m_finished) return;
  m_stopping = true;
  if (m_state == CloneJobState::Writing || m_state == CloneJobState::Verifying) return;  // finished when done
  finishStopped();
}

void CloneJob::abort() {
  if (m_finished) return;
  m_stopping = true;
  if (m_control && m_control->isRunning()) {
    // Stopping the exchange sends End; its end is no result of this job.
    m_control->disconnect(this);
    m_control->stop();
  }
  finishStopped();
}

void CloneJob::finishStopped() {
  m_poll.stop();
  // A radio that took the last poll leaves programming mode again.
  if (m_state == CloneJobState::Waiting && m_link && m_link->isOpen()) {
    m_link->transmit(QByteArray(1, clone_bytes::kEnd));
    m_link->flush();
  }
  finish(CloneJobState::Stopped);
}

void CloneJob::enterWaiting() {
  setState(CloneJobState::Waiting);
  m_polls = 0;
  m_answeredSinceLastPoll = false;
  poll();
  m_poll.start();
}

void CloneJob::poll() {
  // A whole interval without an answer: the last radio has gone, and the
  // next one to answer is a new radio.
  if (m_polls > 0 && !m_answeredSinceLastPoll) m_radioPresent = false;
  m_answeredSinceLastPoll = false;
  ++m_polls;
  m_link->transmit(clone_bytes::kProgramRequest);
}

void CloneJob::onBytes(const QByteArray& bytes) {
  if (m_state != CloneJobState::Waiting || !bytes.contains(clone_bytes::kAcknowledge)) return;
  m_answeredSinceLastPoll = true;
  if (m_radioPresent) {
    // The radio done last: out of programming mode again, and left alone.
    m_link->transmit(QByteArray(1, clone_bytes::kEnd));
    return;
  }
  m_poll.stop();
  beginWrite(true);
}

void CloneJob::beginWrite(bool acknowledged) {
  m_clock.start();
  m_bandCode = -1;
  m_written.clear();
  m_readBack.clear();
  setState(CloneJobState::Writing, 0);
  const bool started = acknowledged ? m_control->startWriteAcknowledged() : m_control->startWrite();
  if (!started) {
    CloneRadioResult result;
    result.kind = CloneRadioResult::Kind::CommunicationFailure;
    result.failure.kind = CloneFailure::Kind::PortLost;
    complete(result);
  }
}

void CloneJob::onIdentified() {
  if (const std::optional<RadioIdentification>& identification = m_control->session().identification())
    m_bandCode = identification->bandCode;
}

void CloneJob::onProgress(int value) {
  if (m_state == CloneJobState::Writing)
    setState(m_state, ProgressPercent(value, CloneDirection::Write, m_options.calibration));
  else if (m_state == CloneJobState::Verifying)
    setState(m_state, ProgressPercent(value, CloneDirection::Read, false));
}

void CloneJob::onReadCompleted(const QByteArray& image) { m_readBack = image; }

void CloneJob::onExchangeFinished(ExchangeOutcome outcome) {
  CloneRadioResult result;
  switch (outcome) {
    case ExchangeOutcome::WriteComplete:
      if (m_state != CloneJobState::Writing) return;
      if (!m_options.verify) break;
      m_written = m_control->session().writeImage();
      setState(CloneJobState::Verifying, 0);
      QTimer::singleShot(kSettleMs, this, [this] {
        if (m_state == CloneJobState::Verifying && !m_control->startRead()) {
          CloneRadioResult lost;
          lost.kind = CloneRadioResult::Kind::CommunicationFailure;
          lost.failure.kind = CloneFailure::Kind::PortLost;
          complete(lost);
        }
      });
      return;
    case ExchangeOutcome::ReadComplete: {
      if (m_state != CloneJobState::Verifying) return;
      const int address = FirstDifference(m_written, m_readBack, WrittenRanges(m_options.calibration));
      if (address >= 0) {
        result.kind = CloneRadioResult::Kind::VerifyFailed;
        result.verifyAddress = address;
      }
      break;
    }
    case ExchangeOutcome::BandRefused:
    case ExchangeOutcome::BandDeclined:
      result.kind = CloneRadioResult::Kind::BandMismatch;
      break;
    case ExchangeOutcome::CommunicationError:
    case ExchangeOutcome::Stopped:
      result.kind = CloneRadioResult::Kind::CommunicationFailure;
      result.failure = m_control->failure();
      break;
  }
  complete(result);
}

void CloneJob::complete(CloneRadioResult result) {
  result.port = m_port;
  result.finishedAt = QDateTime::currentDateTime();
  result.seconds = static_cast<double>(m_clock.nsecsElapsed()) / 1e9;
  result.bandCode = m_bandCode;
  result.band = m_bandCode >= 0 ? BandPositionForCode(static_cast<unsigned char>(m_bandCode)) : -1;
  if (result.passed()) ++m_passed;
  Q_EMIT radioFinished(result);
  const bool portUsable = m_link && m_link->isOpen() && result.kind != CloneRadioResult::Kind::PortProblem;
  if (m_options.continuous && !m_stopping && portUsable) {
    m_radioPresent = true;
    enterWaiting();
    return;
  }
  finish(result.passed() ? CloneJobState::Passed : CloneJobState::Failed);
}

void CloneJob::finish(CloneJobState state) {
  if (m_finished) return;
  setState(state, state == CloneJobState::Passed ? 100 : 0);
  m_finished = true;
  if (m_link) {
    m_link->flush();
    m_link->close();
  }
  Q_EMIT finished();
}

}  // namespace qx210
