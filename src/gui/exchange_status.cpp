#include "gui/exchange_status.h"

#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTime>

#include "core/clone_plan.h"
#include "core/language.h"
#include "core/link_texts.h"
#include "link/exchange_control.h"

namespace qx210 {

ExchangeStatus::ExchangeStatus(ExchangeControl& control, QStatusBar* bar, QWidget* window,
                               std::function<QString()> portDescription, QObject* parent)
    : QObject(parent), m_control(control), m_bar(bar), m_portDescription(std::move(portDescription)) {
  m_progress = new QLabel(bar);
  m_progress->setObjectName(QStringLiteral("exchangeProgress"));
  m_stop = new QPushButton(bar);
  m_stop->setObjectName(QStringLiteral("exchangeStop"));
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
  connect(&control, &ExchangeControl::progressChanged, this, &ExchangeStatus::showProgress);
  // Set once the exchange runs, which is after it has made the window busy.
  connect(&control, &ExchangeControl::statusTextChanged, this, &ExchangeStatus::showProgress);
  connect(&control, &ExchangeControl::finished, this, &ExchangeStatus::onFinished);
}

ExchangeStatus::Blocks ExchangeStatus::blocksOf(const CloneSession& session, bool calibrationIncluded) {
  Blocks blocks;
  // Before the radio has identified itself nothing of this exchange is done.
  const bool transferring = !session.identification().isEmpty();
  if (session.direction() == CloneDirection::Read) {
    blocks.total = (kReadEndAddress - kFirstBlockAddress) / kReadBlockSize;
    if (transferring) blocks.done = static_cast<int>(session.readImage().size()) / kReadBlockSize;
    return blocks;
  }
  for (const AddressRange& range : WrittenRanges(calibrationIncluded)) {
    blocks.total += (range.end - range.begin) / kWriteBlockSize;
    // The write sends the blocks of each range in address order; the next
    // block address is past every block sent so far.
    if (transferring)
      blocks.done += qMax(0, qMin(range.end, session.blockAddress()) - range.begin) / kWriteBlockSize;
  }
  return blocks;
}

QString ExchangeStatus::result() const { return m_bar->currentMessage(); }

void ExchangeStatus::clearResult() { m_bar->clearMessage(); }

void ExchangeStatus::stop() {
  if (m_control.isRunning()) m_control.stop();
}

void ExchangeStatus::onBusyChanged(bool busy) {
  if (!busy) return;
  clearResult();
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
  QString where;
  if (session.identification().isEmpty()) {
    where = tr("waiting for the radio to answer");
  } else {
    const Blocks blocks = blocksOf(session, m_control.calibrationIncluded());
    where = tr("block %1 of %2").arg(blocks.done).arg(blocks.total);
  }
  m_progress->setText(tr("%1: %2").arg(doing, where));
}

void ExchangeStatus::onFinished(ExchangeOutcome outcome) {
  m_progress->hide();
  m_stop->hide();
  m_escape->setEnabled(false);
  const UiLanguage language = CurrentLanguage();
  const CloneSession& session = m_control.session();
  const Blocks blocks = blocksOf(session, m_control.calibrationIncluded());
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
                  ? tr("Read stopped after %1 of %2 blocks; the radio was told to end and the document is "
                       "unchanged.")
                  : tr("Write stopped after %1 of %2 blocks; the radio was told to end and holds part of this "
                       "document: write it again before using the radio.");
      words = words.arg(blocks.done).arg(blocks.total);
      break;
  }
  const QString port = m_portDescription ? m_portDescription() : QString();
  m_bar->showMessage(tr("%1  %2  (port %3)").arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")), words, port));
}

}  // namespace qx210
