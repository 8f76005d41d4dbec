#include "link/exchange_control.h"

#include <QPointer>

#include "link/serial_link.h"

namespace qx210 {

ExchangeControl::ExchangeControl(SerialLink& link, ExchangePrompts& prompts, QObject* parent)
    : QObject(parent), m_link(link), m_prompts(prompts) {
  m_watchdog.setInterval(kWatchdogIntervalMs);
  m_blink.setInterval(kBlinkIntervalMs);
  m_retry.setInterval(kRetryIntervalMs);
  connect(&m_watchdog, &QTimer::timeout, this, [this] { m_session.tickWatchdog(); });
  connect(&m_blink, &QTimer::timeout, this, [this] { m_session.tickBlink(); });
  connect(&m_retry, &QTimer::timeout, this, [this] { m_session.tickRetry(); });
  connect(&m_link, &SerialLink::bytesReceived, this, &ExchangeControl::onBytesReceived);
  connect(&m_link, &SerialLink::portLost, this, &ExchangeControl::onPortLost);
}

ExchangeControl::~ExchangeControl() = default;

bool ExchangeControl::startRead() {
  m_bytesSent = m_bytesReceived = 0;
  return m_session.startReadExchange();
}

bool ExchangeControl::startWrite() {
  m_bytesSent = m_bytesReceived = 0;
  return m_session.startWriteExchange();
}

void ExchangeControl::stop() {
  m_session.stop();
  m_link.flush();
}

bool ExchangeControl::startWriteAcknowledged() {
  m_bytesSent = m_bytesReceived = 0;
  return m_session.startWriteExchangeAcknowledged();
}

void ExchangeControl::onBytesReceived(const QByteArray& bytes) {
  if (m_session.isRunning()) m_bytesReceived += bytes.size();
  m_session.handleReceivedBytes(bytes);
}

// The cable was pulled or the device vanished: end at once rather than
// leaving the window busy until the watchdog.
void ExchangeControl::onPortLost(const QString& reason) {
  CloneFailure failure;
  failure.kind = CloneFailure::Kind::PortLost;
  failure.reason = reason;
  m_session.failExchange(failure);
}

QTimer& ExchangeControl::timer(CloneTimer which) {
  switch (which) {
    case CloneTimer::Watchdog: return m_watchdog;
    case CloneTimer::Blink: return m_blink;
    case CloneTimer::Retry: break;
  }
  return m_retry;
}

bool ExchangeControl::isPortOpen() const { return m_link.isOpen(); }

void ExchangeControl::transmitBytes(const QByteArray& bytes) {
  m_bytesSent += bytes.size();
  m_link.transmit(bytes);
}

void ExchangeControl::setTimerActive(CloneTimer which, bool active) {
  QTimer& t = timer(which);
  if (active && !t.isActive())
    t.start();
  else if (!active)
    t.stop();
}

void ExchangeControl::showProgress(int maximum) { Q_EMIT progressShown(maximum); }
void ExchangeControl::setProgressValue(int value) { Q_EMIT progressChanged(value); }
void ExchangeControl::hideProgress() { Q_EMIT progressHidden(); }
void ExchangeControl::setStatusText(const QString& text) { Q_EMIT statusTextChanged(text); }
void ExchangeControl::setStatusVisible(bool visible) { Q_EMIT statusVisibleChanged(visible); }
void ExchangeControl::setBusy(bool busy) { Q_EMIT busyChanged(busy); }

bool ExchangeControl::debugParametersUnlocked() const { return m_calibrationIncluded; }
int ExchangeControl::bandListPosition() const { return m_bandSource ? m_bandSource() : 0; }
UiLanguage ExchangeControl::language() const { return m_language; }
QByteArray ExchangeControl::encodeImage() { return m_imageSource ? m_imageSource() : QByteArray(); }

void ExchangeControl::deliverReadImage(const QByteArray& image, int radioBand) {
  Q_EMIT readCompleted(image, radioBand);
}

void ExchangeControl::showPortNotOpen() { m_prompts.showPortNotOpen(language()); }
void ExchangeControl::showCommunicationError(const CloneFailure& failure) {
  m_prompts.showCommunicationError(language(), DescribeFailure(failure, language()));
}

void ExchangeControl::askBandQuestion(int questionId) {
  QPointer<ExchangeControl> self(this);
  m_prompts.askBandQuestion(language(), [self, questionId](bool yes) {
    if (self) self->m_session.answerBandQuestion(questionId, yes);
  });
}

void ExchangeControl::exchangeEnded(ExchangeOutcome outcome) { Q_EMIT finished(outcome); }

}  // namespace qx210
