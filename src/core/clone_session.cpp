#include "core/clone_session.h"

#include <algorithm>

#include "core/clone_plan.h"
#include "core/conversions.h"
#include "core/memory_image.h"
#include "core/link_texts.h"

namespace qx210 {

namespace {

// Watchdog ticks after the last accepted reply that end the exchange.
constexpr int kWatchdogLimit = 4;
// Blink ticks of the finish countdown.
constexpr int kFinishTicks = 12;
// Retry ticks before the program request goes out once more.
constexpr int kRetryTicks = 3;
constexpr int kReadProgressStep = 25;
constexpr int kWriteProgressStep = 10;

const QString kAcknowledgeHex = QStringLiteral("06");

// The block a write sends at or after `address`: blocks outside the written
// ranges are skipped.
int AdjustWriteAddress(int address, bool debugParametersUnlocked) {
  for (const AddressRange& range : WrittenRanges(debugParametersUnlocked))
    if (address < range.end) return std::max(address, range.begin);
  return address;
}

}  // namespace

int ProgressAtEnd(CloneDirection direction, bool calibrationIncluded) {
  // One step per acknowledgement of the transfer phase: the one after the
  // identification and one after each block.
  int acknowledgements = 1;
  int step = kWriteProgressStep;
  if (direction == CloneDirection::Read) {
    acknowledgements += (kReadEndAddress - kFirstBlockAddress) / kReadBlockSize;
    step = kReadProgressStep;
  } else {
    for (const AddressRange& range : WrittenRanges(calibrationIncluded))
      acknowledgements += (range.end - range.begin) / kWriteBlockSize;
  }
  int value = 0;
  for (int i = 0; i < acknowledgements && value < kCloneProgressMaximum; ++i) value += step;
  return value;
}

int ProgressPercent(int value, CloneDirection direction, bool calibrationIncluded) {
  return qBound(0, value * 100 / ProgressAtEnd(direction, calibrationIncluded), 100);
}

QString CloneSession::text(const Bilingual& texts) const { return texts.text(m_host.language()); }

bool CloneSession::timerActive(CloneTimer timer) const { return m_timerActive[static_cast<int>(timer)]; }

void CloneSession::setTimer(CloneTimer timer, bool active) {
  m_timerActive[static_cast<int>(timer)] = active;
  m_host.setTimerActive(timer, active);
}

void CloneSession::setStatusVisible(bool visible) {
  m_statusVisible = visible;
  m_host.setStatusVisible(visible);
}

void CloneSession::setBusy(bool busy) {
  m_busy = busy;
  m_host.setBusy(busy);
}

bool CloneSession::startExchange(CloneDirection direction, bool acknowledged) {
  if (!m_host.isPortOpen()) {
    m_host.showPortNotOpen();
    return false;
  }
  // The window keeps the start commands disabled while busy; a caller that
  // is not a window gets the same rule here.
  if (m_busy) return false;
  setBusy(true);
  m_rxHex.clear();
  m_direction = direction;
  m_phase = ClonePhase::Handshake;
  m_running = true;
  m_handshakeAcknowledged = acknowledged;
  m_awaitingReadReply = false;
  m_questionOpen = false;
  m_watchdogCount = 0;
  m_lastBlock = -1;
  m_failure = {};
  m_identification.reset();
  transmitMessage(acknowledged ? QByteArray(1, clone_bytes::kIdentifyRequest) : clone_bytes::kProgramRequest);
  m_host.setStatusText(text(link_texts::kStatusRunning));
  // RetryCount is deliberately kept: ticks left from the last exchange bring
  // the retry forward.
  setTimer(CloneTimer::Blink, true);
  setTimer(CloneTimer::Watchdog, true);
  if (!acknowledged) setTimer(CloneTimer::Retry, true);
  return true;
}

void CloneSession::transmitMessage(const QByteArray& message) {
  m_rxHex.clear();
  m_host.transmitBytes(message);
}

void CloneSession::handleReceivedBytes(const QByteArray& bytes) {
  if (bytes.isEmpty()) return;
  m_rxHex += ToHexText(bytes);
  if (!m_running) return;
  if (m_phase == ClonePhase::Handshake) {
    handshake();
  } else if (m_phase == ClonePhase::Transfer) {
    if (m_direction == CloneDirection::Write)
      transferWrite();
    else if (m_direction == CloneDirection::Read)
      transferRead();
  }
}

void CloneSession::handshake() {
  // An identification is recognised before any acknowledgement: its
  // unexamined bytes may hold 06, and a part of one is waited for.
  const QByteArray received = QByteArray::fromHex(m_rxHex.toLatin1());
  if (std::optional<RadioIdentification> identification = ParseIdentification(received)) {
    if (identification->band >= 0) m_radioBand = identification->band;
    m_identification = std::move(identification);
    m_phase = ClonePhase::Transfer;
    m_blockAddress = kFirstBlockAddress;
    m_lastBlock = -1;
    m_writeImage = m_host.encodeImage();
    m_readImage.clear();
    m_progressValue = 0;
    m_host.showProgress(kCloneProgressMaximum);
    m_watchdogCount = 0;
    transmitMessage(QByteArray(1, clone_bytes::kAcknowledge));
    return;
  }
  if (HoldsModelText(received)) return;

  if (received.contains(clone_bytes::kAcknowledge)) {
    if (!m_handshakeAcknowledged) {
      m_handshakeAcknowledged = true;
      m_watchdogCount = 0;
    }
    setTimer(CloneTimer::Retry, false);
    transmitMessage(QByteArray(1, clone_bytes::kIdentifyRequest));
  }
}

void CloneSession::advanceProgress(int step) {
  if (m_progressValue >= kCloneProgressMaximum) return;
  m_progressValue += step;
  m_host.setProgressValue(m_progressValue);
}

void CloneSession::transferRead() {
  if (!m_awaitingReadReply && m_rxHex == kAcknowledgeHex) {
    advanceProgress(kReadProgressStep);
    m_watchdogCount = 0;
    if (m_blockAddress != kReadEndAddress) {
      QByteArray request;
      request.append(clone_bytes::kReadRequest);
      request.append(static_cast<char>((m_blockAddress >> 8) & 0xFF));
      request.append(static_cast<char>(m_blockAddress & 0xFF));
      request.append(static_cast<char>(kReadBlockSize));
      m_awaitingReadReply = true;
      m_lastBlock = m_blockAddress;
      transmitMessage(request);
      m_blockAddress += kReadBlockSize;
      return;
    }
    // The acknowledgement after the last block: the image is complete.
    if (m_readImage.size() != kRadioImageSize) {
      failExchange();
      return;
    }
    m_host.deliverReadImage(m_readImage, m_radioBand);
    finishExchange(text(link_texts::kStatusReadDone), ExchangeOutcome::ReadComplete);
    return;
  }

  if (!m_awaitingReadReply || m_rxHex.size() != clone_bytes::kReadReplyLength * 2) return;
  const int requested = m_blockAddress - kReadBlockSize;
  const QString expected = QStringLiteral("57") + WordToHex(requested);
  if (!m_rxHex.startsWith(expected)) return;
  m_watchdogCount = 0;
  m_readImage += QByteArray::fromHex(QStringView(m_rxHex).mid(8).toLatin1());
  m_awaitingReadReply = false;
  transmitMessage(QByteArray(1, clone_bytes::kAcknowledge));
}

void CloneSession::transferWrite() {
  if (m_rxHex != kAcknowledgeHex || m_questionOpen) return;
  advanceProgress(kWriteProgressStep);
  m_watchdogCount = 0;

  // The band check runs on every acknowledgement, so a band changed during a
  // write stops it at the next block.
  const int selected = m_host.bandListPosition();
  if (m_radioBand != selected) {
    m_radioBand = selected;
    if (m_host.bandOverrideEnabled()) {
      m_questionOpen = true;
      m_host.askBandQuestion(++m_questionId);
      return;
    }
    finishExchange(text(link_texts::kStatusBandRefused), ExchangeOutcome::BandRefused);
    return;
  }
  continueWrite();
}

void CloneSession::answerBandQuestion(int questionId, bool yes) {
  if (!m_questionOpen || questionId != m_questionId || !m_running) return;
  m_questionOpen = false;
  if (!yes) {
    finishExchange(text(link_texts::kBandQuestion), ExchangeOutcome::BandDeclined);
    return;
  }
  continueWrite();
}

void CloneSession::continueWrite() {
  if (m_blockAddress == kWriteEndAddress) {
    finishExchange(text(link_texts::kStatusWriteDone), ExchangeOutcome::WriteComplete);
    return;
  }
  m_blockAddress = AdjustWriteAddress(m_blockAddress, m_host.debugParametersUnlocked());
  QByteArray block;
  block.append(clone_bytes::kWriteBlock);
  block.append(static_cast<char>((m_blockAddress >> 8) & 0xFF));
  block.append(static_cast<char>(m_blockAddress & 0xFF));
  block.append(static_cast<char>(kWriteBlockSize));
  QByteArray data = m_writeImage.mid(m_blockAddress - kFirstBlockAddress, kWriteBlockSize);
  // An encoder that returned a short image leaves unused bytes blank.
  if (data.size() < kWriteBlockSize) data.append(kWriteBlockSize - data.size(), '\xFF');
  block += data;
  m_lastBlock = m_blockAddress;
  transmitMessage(block);
  m_blockAddress += kWriteBlockSize;
}

void CloneSession::finishExchange(const QString& statusText, ExchangeOutcome outcome) {
  m_running = false;
  m_questionOpen = false;
  m_host.setStatusText(statusText);
  m_exchangeDone = -1;
  m_host.hideProgress();
  setTimer(CloneTimer::Watchdog, false);
  // Straight to the port: the last reply stays in RxHex.
  m_host.transmitBytes(QByteArray(1, clone_bytes::kEnd));
  if (!m_finishCountdown) {
    m_doneCount = 0;
    m_exchangeDone = 0;
    setStatusVisible(false);
    setTimer(CloneTimer::Blink, false);
    setBusy(false);
  }
  m_host.exchangeEnded(outcome);
}

CloneFailure CloneSession::failureNow() const {
  using Kind = CloneFailure::Kind;
  CloneFailure failure;
  failure.received = QByteArray::fromHex(m_rxHex.toLatin1());
  const bool silent = failure.received.isEmpty();
  if (m_phase == ClonePhase::Handshake) {
    if (!m_handshakeAcknowledged)
      failure.kind = silent ? Kind::NoAnswer : Kind::NotAcknowledged;
    else
      failure.kind = silent ? Kind::NoIdentification : Kind::WrongIdentification;
    return failure;
  }
  failure.address = m_lastBlock;
  // The radio's acknowledgement came; it was the user's answer that did not.
  if (m_questionOpen) {
    failure.kind = Kind::BandUnanswered;
    return failure;
  }
  failure.kind = silent ? Kind::NoAnswerAfterBlock : Kind::DamagedReply;
  return failure;
}

void CloneSession::failExchange() {
  if (!m_running) return;
  failExchange(failureNow());
}

void CloneSession::failExchange(const CloneFailure& failure) {
  if (!m_running) return;
  m_failure = failure;
  m_watchdogCount = 0;
  setTimer(CloneTimer::Watchdog, false);
  setStatusVisible(false);
  setTimer(CloneTimer::Blink, false);
  // Marked aborted before the message: the message box runs a nested event
  // loop, and nothing that arrives meanwhile may complete the exchange.
  m_phase = ClonePhase::Aborted;
  m_running = false;
  m_questionOpen = false;
  m_host.showCommunicationError(m_failure);
  m_host.hideProgress();
  m_rxHex.clear();
  m_host.transmitBytes(QByteArray(1, clone_bytes::kEnd));
  setBusy(false);
  m_host.exchangeEnded(ExchangeOutcome::CommunicationError);
}

void CloneSession::stop() {
  if (!m_running) return;
  m_running = false;
  m_questionOpen = false;
  m_phase = ClonePhase::Aborted;
  m_watchdogCount = 0;
  setTimer(CloneTimer::Watchdog, false);
  setTimer(CloneTimer::Retry, false);
  setTimer(CloneTimer::Blink, false);
  setStatusVisible(false);
  m_host.hideProgress();
  m_rxHex.clear();
  m_host.transmitBytes(QByteArray(1, clone_bytes::kEnd));
  setBusy(false);
  m_host.exchangeEnded(ExchangeOutcome::Stopped);
}

void CloneSession::tickWatchdog() {
  if (++m_watchdogCount < kWatchdogLimit) return;
  if (!m_running) {
    // A stray tick after the end only stops the timer.
    m_watchdogCount = 0;
    setTimer(CloneTimer::Watchdog, false);
    return;
  }
  failExchange();
}

void CloneSession::tickBlink() {
  setStatusVisible(!m_statusVisible);
  if (m_exchangeDone == -1) ++m_doneCount;
  if (m_doneCount >= kFinishTicks) {
    m_doneCount = 0;
    m_exchangeDone = 0;
    setStatusVisible(false);
    setTimer(CloneTimer::Blink, false);
    setBusy(false);
  }
}

void CloneSession::tickRetry() {
  if (++m_retryCount < kRetryTicks) return;
  m_retryCount = 0;
  transmitMessage(clone_bytes::kProgramRequest);
  setTimer(CloneTimer::Retry, false);
}

}  // namespace qx210
