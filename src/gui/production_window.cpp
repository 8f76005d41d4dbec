#include "gui/production_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/clone_plan.h"
#include "core/codec.h"
#include "core/language.h"
#include "core/lists.h"
#include "core/memory_image.h"
#include "gui/message_box.h"
#include "link/serial_link.h"

namespace qx210 {

namespace {
constexpr int kPathRole = Qt::UserRole;
constexpr int kReasonRole = Qt::UserRole + 1;
constexpr int kRescanIntervalMs = 1000;
}  // namespace

ProductionWindow::ProductionWindow(SerialLink& link, Hooks hooks, QWidget* parent)
    : QDialog(parent), m_link(link), m_hooks(std::move(hooks)) {
  setObjectName(QStringLiteral("ProductionWindow"));
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  m_imageLabel = new QLabel(this);
  m_imageLabel->setObjectName(QStringLiteral("ImageLabel"));
  layout->addWidget(m_imageLabel);
  m_portsLabel = new QLabel(this);
  layout->addWidget(m_portsLabel);
  m_ports = new QTreeWidget(this);
  m_ports->setObjectName(QStringLiteral("Ports"));
  m_ports->setRootIsDecorated(false);
  m_ports->setColumnCount(3);
  m_ports->setUniformRowHeights(true);
  m_ports->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  m_ports->header()->setStretchLastSection(true);
  m_ports->setMinimumSize(560, 200);
  layout->addWidget(m_ports, 1);
  m_portsLabel->setBuddy(m_ports);

  m_verify = new QCheckBox(this);
  m_verify->setObjectName(QStringLiteral("Verify"));
  m_verify->setChecked(true);
  m_continuous = new QCheckBox(this);
  m_continuous->setObjectName(QStringLiteral("Continuous"));
  m_continuous->setChecked(true);
  layout->addWidget(m_verify);
  layout->addWidget(m_continuous);

  auto* logRow = new QHBoxLayout;
  m_logLabel = new QLabel(this);
  m_logPath = new QLineEdit(this);
  m_logPath->setObjectName(QStringLiteral("LogFile"));
  m_logLabel->setBuddy(m_logPath);
  m_browse = new QPushButton(this);
  m_browse->setObjectName(QStringLiteral("BrowseLog"));
  logRow->addWidget(m_logLabel);
  logRow->addWidget(m_logPath, 1);
  logRow->addWidget(m_browse);
  layout->addLayout(logRow);

  m_counts = new QLabel(this);
  m_counts->setObjectName(QStringLiteral("Counts"));
  QFont bold = m_counts->font();
  bold.setBold(true);
  m_counts->setFont(bold);
  layout->addWidget(m_counts);

  auto* buttons = new QHBoxLayout;
  m_start = new QPushButton(this);
  m_start->setObjectName(QStringLiteral("Start"));
  m_stop = new QPushButton(this);
  m_stop->setObjectName(QStringLiteral("Stop"));
  m_close = new QPushButton(this);
  m_close->setObjectName(QStringLiteral("Close"));
  buttons->addWidget(m_start);
  buttons->addWidget(m_stop);
  buttons->addStretch(1);
  buttons->addWidget(m_close);
  layout->addLayout(buttons);

  connect(m_start, &QPushButton::clicked, this, &ProductionWindow::start);
  connect(m_stop, &QPushButton::clicked, this, &ProductionWindow::stop);
  connect(m_close, &QPushButton::clicked, this, &QWidget::close);
  connect(m_browse, &QPushButton::clicked, this, &ProductionWindow::chooseLogFile);
  m_rescan.setInterval(kRescanIntervalMs);
  connect(&m_rescan, &QTimer::timeout, this, [this] {
    if (isRunning()) return;
    m_link.rescan();
    fillPorts();
  });

  setRunning(false);
  fillPorts();
  retranslate();
}

ProductionWindow::~ProductionWindow() {
  // Jobs still under way end with the window; their radios get their End.
  m_jobs.clear();
}

QTreeWidgetItem* ProductionWindow::rowOf(const QString& path) const {
  for (int i = 0; i < m_ports->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = m_ports->topLevelItem(i);
    if (item->data(kPortColumn, kPathRole).toString() == path) return item;
  }
  return nullptr;
}

void ProductionWindow::setTicked(const QString& path, bool ticked) {
  if (QTreeWidgetItem* item = rowOf(path)) item->setCheckState(kPortColumn, ticked ? Qt::Checked : Qt::Unchecked);
}

QStringList ProductionWindow::tickedPaths() const {
  QStringList paths;
  for (int i = 0; i < m_ports->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = m_ports->topLevelItem(i);
    if (item->checkState(kPortColumn) == Qt::Checked) paths << item->data(kPortColumn, kPathRole).toString();
  }
  return paths;
}

void ProductionWindow::fillPorts() {
  if (isRunning()) return;
  const PortCatalogue& catalogue = m_link.catalogue();
  QStringList paths;
  QStringList texts;
  for (int slot = 1; slot <= PortCatalogue::kSlotCount; ++slot) {
    const QString path = catalogue.slotPath(slot);
    if (path.isEmpty()) continue;
    const PortDetails details = catalogue.slotDetails(slot);
    QString text = QStringLiteral("%1  %2").arg(PortCatalogue::slotCaption(slot), path);
    if (!details.description.isEmpty()) text += QStringLiteral("  ") + details.description;
    if (!details.usbIds().isEmpty()) text += QStringLiteral("  [%1]").arg(details.usbIds());
    paths << path;
    texts << text;
  }
  QStringList shown;
  for (int i = 0; i < m_ports->topLevelItemCount(); ++i) shown << m_ports->topLevelItem(i)->text(kPortColumn);
  if (shown == texts) return;
  const QStringList ticked = tickedPaths();
  m_ports->clear();
  for (qsizetype i = 0; i < paths.size(); ++i) {
    auto* item = new QTreeWidgetItem(m_ports);
    item->setText(kPortColumn, texts.at(i));
    item->setData(kPortColumn, kPathRole, paths.at(i));
    item->setToolTip(kPortColumn, paths.at(i));
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(kPortColumn, ticked.contains(paths.at(i)) ? Qt::Checked : Qt::Unchecked);
  }
}

void ProductionWindow::retranslate() {
  setWindowTitle(tr("Program several radios"));
  m_portsLabel->setText(tr("Tick the ports with a radio:"));
  m_ports->setHeaderLabels({tr("Port"), tr("State"), tr("Last radio")});
  m_verify->setText(tr("Read each radio back and compare"));
  m_continuous->setText(tr("After each radio, wait on its port for the next one"));
  m_logLabel->setText(tr("Log file (CSV):"));
  m_logPath->setPlaceholderText(tr("none"));
  m_browse->setText(tr("Browse…"));
  m_start->setText(tr("Start"));
  m_stop->setText(tr("Stop"));
  m_close->setText(tr("Close"));
  showCounts();
  showImage();
  for (const auto& job : m_jobs) showJobState(*job);
}

void ProductionWindow::showCounts() {
  m_counts->setText(tr("Passed: %1    Failed: %2").arg(m_passed).arg(m_failed));
}

void ProductionWindow::showImage() {
  const QByteArray image = m_hooks.image ? m_hooks.image() : QByteArray();
  const int band = BandOfImage(image);
  m_imageLabel->setText(band >= 0 ? tr("Image: the open document, band %1")
                                        .arg(QString::fromLatin1(kBands.at(static_cast<std::size_t>(band)).text))
                                  : tr("Image: the open document"));
}

void ProductionWindow::setRunning(bool running) {
  m_start->setEnabled(!running);
  m_stop->setEnabled(running);
  m_verify->setEnabled(!running);
  m_continuous->setEnabled(!running);
  m_logPath->setEnabled(!running);
  m_browse->setEnabled(!running);
  for (int i = 0; i < m_ports->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = m_ports->topLevelItem(i);
    Qt::ItemFlags flags = item->flags();
    flags.setFlag(Qt::ItemIsUserCheckable, !running);
    flags.setFlag(Qt::ItemIsEnabled, !running || item->checkState(kPortColumn) == Qt::Checked);
    item->setFlags(flags);
  }
}

void ProductionWindow::chooseLogFile() {
  const QString path = QFileDialog::getSaveFileName(this, tr("Log file"), m_logPath->text(), tr("CSV files (*.csv)"),
                                                    nullptr, QFileDialog::DontConfirmOverwrite);
  if (!path.isEmpty()) m_logPath->setText(path);
}

void ProductionWindow::start() {
  if (isRunning()) return;
  const QStringList paths = tickedPaths();
  if (paths.isEmpty()) {
    ShowLocalizedMessage(tr("Tick the ports with a radio first."), MessageStyle::kOk + MessageStyle::kIconInformation);
    return;
  }
  const QByteArray image = m_hooks.image ? m_hooks.image() : QByteArray();
  if (image.size() < kEncodedImageSize) {
    ShowLocalizedMessage(tr("There is no image to write."), MessageStyle::kOk + MessageStyle::kIconExclamation);
    return;
  }
  const QString logPath = m_logPath->text().trimmed();
  if (!logPath.isEmpty()) {
    QString error;
    if (!m_log.open(logPath, error)) {
      ShowLocalizedMessage(tr("The log file %1 cannot be written: %2").arg(logPath, error),
                           MessageStyle::kOk + MessageStyle::kIconExclamation);
      return;
    }
  }
  if (m_hooks.acquirePorts && !m_hooks.acquirePorts(paths)) {
    m_log.close();
    return;
  }
  const int band = qMax(0, BandOfImage(image));
  CloneJobOptions options;
  options.verify = m_verify->isChecked();
  options.continuous = m_continuous->isChecked();
  options.language = CurrentLanguage();
  // Every radio keeps its own transmitter calibration: a fleet run never
  // writes the calibration block.
  options.calibration = false;

  m_passed = 0;
  m_failed = 0;
  m_closeWhenDone = false;
  showCounts();
  showImage();
  for (int i = 0; i < m_ports->topLevelItemCount(); ++i) {
    m_ports->topLevelItem(i)->setText(kStateColumn, QString());
    m_ports->topLevelItem(i)->setText(kLastColumn, QString());
  }
  for (const QString& path : paths)
    m_jobs.push_back(std::make_unique<CloneJob>(path, path, image, band, options));
  setRunning(true);
  Q_EMIT runStarted();
  for (const auto& job : m_jobs) {
    CloneJob* raw = job.get();
    connect(raw, &CloneJob::stateChanged, this, [this, raw] { showJobState(*raw); });
    connect(raw, &CloneJob::radioFinished, this, &ProductionWindow::onRadioFinished);
    connect(raw, &CloneJob::finished, this, &ProductionWindow::onJobFinished, Qt::QueuedConnection);
  }
  // Started after every connection: a port that fails at once reports at once.
  for (const auto& job : m_jobs) job->start();
}

void ProductionWindow::stop() {
  for (const auto& job : m_jobs) job->stop();
  if (isRunning()) m_stop->setEnabled(false);
}

void ProductionWindow::abort() {
  for (const auto& job : m_jobs) job->abort();
}

QString ProductionWindow::stateText(const CloneJob& job) const {
  switch (job.state()) {
    case CloneJobState::Idle: return {};
    case CloneJobState::Waiting: return tr("waiting");
    case CloneJobState::Writing: return tr("writing %1 %").arg(job.percent());
    case CloneJobState::Verifying: return tr("verifying %1 %").arg(job.percent());
    case CloneJobState::Passed: return tr("passed");
    case CloneJobState::Failed: {
      QTreeWidgetItem* item = rowOf(job.port());
      return tr("failed: %1").arg(item ? item->data(kLastColumn, kReasonRole).toString() : QString());
    }
    case CloneJobState::Stopped: return tr("stopped");
  }
  return {};
}

void ProductionWindow::showJobState(const CloneJob& job) {
  if (QTreeWidgetItem* item = rowOf(job.port())) item->setText(kStateColumn, stateText(job));
}

void ProductionWindow::onRadioFinished(const CloneRadioResult& result) {
  (result.passed() ? m_passed : m_failed) += 1;
  showCounts();
  if (QTreeWidgetItem* item = rowOf(result.port)) {
    const QString reason = result.passed() ? tr("passed") : ResultReason(result, CurrentLanguage());
    item->setData(kLastColumn, kReasonRole, reason);
    item->setText(kLastColumn, QStringLiteral("%1  %2").arg(result.finishedAt.toString(QStringLiteral("HH:mm:ss")),
                                                           result.passed() ? reason : tr("failed: %1").arg(reason)));
    item->setToolTip(kLastColumn, reason);
  }
  if (m_log.isOpen() && !m_log.append(result)) {
    m_log.close();
    ShowLocalizedMessage(tr("The log file %1 cannot be written any more.").arg(m_logPath->text()),
                         MessageStyle::kOk + MessageStyle::kIconExclamation);
  }
}

void ProductionWindow::onJobFinished() {
  for (const auto& job : m_jobs) {
    showJobState(*job);
    if (!job->isFinished()) return;
  }
  m_jobs.clear();
  m_log.close();
  setRunning(false);
  if (m_hooks.releasePorts) m_hooks.releasePorts();
  Q_EMIT runEnded();
  if (m_closeWhenDone) {
    m_closeWhenDone = false;
    hide();
  }
}

void ProductionWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!isRunning()) {
    m_link.rescan();
    fillPorts();
    setRunning(false);
  }
  showImage();
  m_rescan.start();
}

void ProductionWindow::hideEvent(QHideEvent* event) {
  m_rescan.stop();
  QDialog::hideEvent(event);
}

void ProductionWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (!isRunning()) {
    hide();
    return;
  }
  const int answer = ShowLocalizedMessage(
      tr("Radios are being programmed. Stop when the radios under way are done, and close the window?"),
      MessageStyle::kYesNo + MessageStyle::kIconQuestion);
  if (answer != MessageResult::kYes) return;
  m_closeWhenDone = true;
  stop();
}

void ProductionWindow::reject() { close(); }

void ProductionWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QDialog::changeEvent(event);
}

}  // namespace qx210
