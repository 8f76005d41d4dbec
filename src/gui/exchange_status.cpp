#include "gui/exchange_status.h"

#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTime>

#include "core/language.h"
#include "core/link_texts.h"
#include "link/exchange_control.h"

namespace qx210 {

ExchangeStatus::ExchangeStatus(ExchangeControl& control, QStatusBar* bar, QWidget* window,
                               std::function<QString()> portDescription, QObject* parent)
    : QObject(parent), m_control(control), m_portDescription(std::move(portDescription)) {
  m_progress = new QLabel(bar);
  m_progress->setObjectName(QStringLiteral("exchangeProgress"));
  m_stop = new QPushButton(bar);
  m_stop->setObjectName(QStringLiteral("exchangeStop"));
  // The result has a label of its own: the bar's message goes whenever a
  // menu item is only pointed at (its empty status tip replaces it).
  m_result = new QLabel(bar);
  m_result->setObjectName(QStringLiteral("exchangeResult"));
  m_result->hide();
  bar->addWidget(m_result, 1);
  bar->addPermanentWidget(m_progress);
  bar->addPermanentWidget(m_stop);
  m_progress->hide();
  m_stop->hide();
  m_escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
  m_escape->setObjectName(QStringLiteral("exchangeStopShortcut"));
  m_escape->setContext(Qt::WindowShortcut);
  m_escape->setEnabled(false);
  const auto retranslate = [this] {
    m_stop->setText(tr("Stop"));
    m_stop->setToolTip(tr("Stop the exchange (Esc): the radio is told to end, the document stays as it is"));
    if (m_progress->isVisible()) showProgress();
  };
  retranslate();
  connect(&LanguageNotifier::instance(), &LanguageNotifier::languageChanged, this, retranslate);
  connect(m_stop, &QPushButton::clicked, this, &ExchangeStatus::stop);
  connect(m_escape, &QShortcut::activated, this, &ExchangeStatus::stop);
  connect(&control, &ExchangeControl::busyChanged, this, &ExchangeStatus::onBusyChanged);
  connect(&control, &ExchangeControl::progressChanged, this, &ExchangeStatus::onProgressChanged);
  // Set once the exchange runs, which is after it has made the window busy.
  connect(&control, &ExchangeControl::statusTextChanged, this, &ExchangeStatus::showProgress);
  connect(&control, &ExchangeControl::finished, this, &ExchangeStatus::onFinished);
}

int ExchangeStatus::percent() const {
  return ProgressPercent(m_progressValue, m_control.session().direction(), m_control.calibrationIncluded());
}

void ExchangeStatus::onProgressChanged(int value) {
  m_progressValue = value;
  showProgress();
}

QString ExchangeStatus::result() const { return m_result->text(); }

void ExchangeStatus::clearResult() {
  m_result->clear();
  m_result->hide();
}

void ExchangeStatus::stop() {
  if (m_control.isRunning()) m_control.stop();
}

void ExchangeStatus::onBusyChanged(bool busy) {
  if (!busy) return;
  clearResult();
  m_progressValue = 0;
  m_progress->show();
  m_stop->show();
  m_stop->setEnabled(true);
  m_escape->setEnabled(true);
  showProgress();
}

void ExchangeStatus::showProgress() {
  if (!m_control.isRunning()) return;
  const CloneSession& session = m_control.session();
  const bool read = session.direction() == CloneDirection::Read;
  const QString port = m_portDescription ? m_portDescription() : QString();
  const QString doing = read ? tr("Reading from the radio on %1").arg(port) : tr("Writing to the radio on %1").arg(port);
  // The bar appears with the radio's identification; before it, the
  // program waits for an answer.
  const QString where =
      !session.identification() ? tr("waiting for the radio to answer") : tr("%1 %").arg(percent());
  m_progress->setText(tr("%1: %2").arg(doing, where));
}

void ExchangeStatus::onFinished(ExchangeOutcome outcome) {
  m_progress->hide();
  m_stop->hide();
  m_escape->setEnabled(false);
  const UiLanguage language = CurrentLanguage();
  const CloneSession& session = m_control.session();
  QString words;
  switch (outcome) {
    case ExchangeOutcome::ReadComplete: words = link_texts::kStatusReadDone.text(language); break;
    case ExchangeOutcome::WriteComplete: words = link_texts::kStatusWriteDone.text(language); break;
    case ExchangeOutcome::BandRefused: words = link_texts::kStatusBandRefused.text(language); break;
    case ExchangeOutcome::BandDeclined: words = link_texts::kBandQuestion.text(language); break;
    case ExchangeOutcome::CommunicationError:
      words = tr("The exchange failed: %1").arg(DescribeFailure(m_control.failure(), language));
      break;
    case ExchangeOutcome::Stopped:
      words = session.direction() == CloneDirection::Read
                  ? tr("Read stopped at %1 %; the radio was told to end and the document is unchanged.")
                  : tr("Write stopped at %1 %; the radio was told to end and holds part of this document: write "
                       "it again before using the radio.");
      words = words.arg(percent());
      break;
  }
  const QString port = m_portDescription ? m_portDescription() : QString();
  m_result->setText(tr("%1  %2  (port %3)").arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")), words, port));
  m_result->show();
}

}  // namespace qx210
