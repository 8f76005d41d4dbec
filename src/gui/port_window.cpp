#include "gui/port_window.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QToolButton>

#include "core/language.h"
#include "gui/message_box.h"
#include "link/port_diagnosis.h"
#include "link/serial_link.h"

namespace qx210 {

namespace {
// 3000 x 5145 twips at 15 twips per pixel.
constexpr int kFormWidth = 343;
constexpr int kFormHeight = 200;
constexpr int kRows = 10;
}  // namespace

PortWindow::PortWindow(SerialLink& link, QWidget* parent) : QDialog(parent), m_link(link) {
  setObjectName(QStringLiteral("FormCOM"));
  setModal(false);
  m_group = new QButtonGroup(this);
  m_group->setExclusive(true);
  auto* layout = new QGridLayout(this);
  layout->setHorizontalSpacing(6);
  layout->setVerticalSpacing(2);
  for (int i = 0; i < PortCatalogue::kSlotCount; ++i) {
    auto* option = new QRadioButton(PortCatalogue::slotCaption(i + 1), this);
    option->setObjectName(QStringLiteral("OptionCOM%1").arg(i));
    auto* device = new QLabel(this);
    device->setObjectName(QStringLiteral("OptionCOMDevice%1").arg(i));
    device->setBuddy(option);
    QFont small = device->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    device->setFont(small);
    auto* remove = new QToolButton(this);
    remove->setObjectName(QStringLiteral("OptionCOMRemove%1").arg(i));
    remove->hide();
    connect(remove, &QToolButton::clicked, this, [this, i] { removeDevice(i); });
    m_group->addButton(option, i);
    m_options << option;
    m_devices << device;
    m_removes << remove;
    const int column = (i / kRows) * 3;
    layout->addWidget(option, i % kRows, column);
    layout->addWidget(device, i % kRows, column + 1);
    layout->addWidget(remove, i % kRows, column + 2);
  }
  m_otherDevice = new QPushButton(this);
  m_otherDevice->setObjectName(QStringLiteral("OtherDevice"));
  layout->addWidget(m_otherDevice, kRows, 0, 1, 6, Qt::AlignLeft);
  connect(m_group, &QButtonGroup::idClicked, this, &PortWindow::choosePort);
  connect(m_otherDevice, &QPushButton::clicked, this, &PortWindow::askForOtherDevice);
  m_settings = [] { return PortCatalogue::openUserSettings(); };

  // The ports are scanned once, by the program's start-up or by the first
  // window: the remembered one, the only one or the lowest one is opened.
  const int chosen = m_link.scannedChoice() >= 0 ? m_link.scannedChoice() : m_link.scan(m_link.comPortNumber());
  if (chosen >= 1) m_options.at(chosen - 1)->setChecked(true);
  connect(&m_link, &SerialLink::catalogueChanged, this, &PortWindow::showAvailability);
  connect(&m_link, &SerialLink::comPortNumberChanged, this, [this](int number) {
    // A mark, once there, follows the chosen port (into another slot too).
    if (m_group->checkedButton() && number >= 1) m_options.at(number - 1)->setChecked(true);
    showAvailability();
  });
  connect(&m_link, &SerialLink::portLost, this, &PortWindow::showAvailability);
  m_rescan.setInterval(kRescanIntervalMs);
  connect(&m_rescan, &QTimer::timeout, this, &PortWindow::rescan);
  connect(&LanguageNotifier::instance(), &LanguageNotifier::languageChanged, this, &PortWindow::retranslate);
  retranslate();
  resize(qMax(kFormWidth, sizeHint().width()), qMax(kFormHeight, sizeHint().height()));
}

PortWindow::~PortWindow() = default;

QString PortWindow::permissionHint() {
  return tr("Permission denied: add your user to the serial-port group \"dialout\" "
            "(sudo usermod -aG dialout $USER), then log in again.");
}

void PortWindow::showAvailability() {
  const int inUse = m_link.slotInUse();
  for (int i = 0; i < PortCatalogue::kSlotCount; ++i) {
    const int slot = i + 1;
    const PortProblem availability = m_link.availability(slot);
    const PortDetails details = m_link.catalogue().slotDetails(slot);
    QString path = m_link.catalogue().slotPath(slot);
    if (PortsNamedCom()) path.clear();  // the caption already names the port
    QStringList shown;
    if (!path.isEmpty()) shown << path;
    if (!details.description.isEmpty()) shown << details.description;
    QStringList ids;
    if (!details.usbIds().isEmpty()) ids << details.usbIds();
    if (!details.serialNumber.isEmpty()) ids << details.serialNumber;
    if (!ids.isEmpty()) shown << QStringLiteral("[%1]").arg(ids.join(QLatin1Char(' ')));
    if (slot == inUse) shown << tr("(selected)");
    if (availability == PortProblem::PermissionDenied) shown << QStringLiteral("\u26A0");

    QStringList tip{m_link.catalogue().slotPath(slot)};
    if (!details.description.isEmpty()) tip << details.description;
    if (!details.manufacturer.isEmpty()) tip << details.manufacturer;
    if (!details.usbIds().isEmpty()) tip << tr("USB vendor:product %1").arg(details.usbIds());
    if (!details.serialNumber.isEmpty()) tip << tr("Serial number %1").arg(details.serialNumber);
    if (m_link.userDevices().value(slot) == m_link.catalogue().slotPath(slot) && !path.isEmpty())
      tip << tr("Added under \"Other device…\"");
    if (availability == PortProblem::PermissionDenied)
      tip << permissionHint();
    else if ((availability == PortProblem::Busy || availability == PortProblem::NotSerial) && !m_link.openError(slot).isEmpty())
      tip << m_link.openError(slot);

    QRadioButton* option = m_options.at(i);
    QLabel* device = m_devices.at(i);
    // A device that exists but will not open can still be chosen, so that
    // choosing it says why (another program holds it, and which).
    option->setEnabled(availability == PortProblem::None || availability == PortProblem::Busy ||
                       availability == PortProblem::NotSerial);
    QToolButton* remove = m_removes.at(i);
    remove->setVisible(m_link.userDevices().contains(slot));
    remove->setText(tr("Remove"));
    remove->setToolTip(tr("Remove %1 from %2").arg(m_link.userDevices().value(slot), PortCatalogue::slotCaption(slot)));
    remove->setAccessibleName(tr("Remove %1").arg(PortCatalogue::slotCaption(slot)));
    device->setEnabled(availability != PortProblem::Missing);
    device->setText(shown.join(QLatin1Char(' ')));
    QFont font = device->font();
    font.setBold(slot == inUse);
    device->setFont(font);
    option->setToolTip(tip.join(QLatin1Char('\n')).trimmed());
    device->setToolTip(option->toolTip());
  }
}

void PortWindow::choosePort(int index) {
  const int slot = index + 1;
  const bool opened = m_link.choosePort(slot);
  showAvailability();
  if (opened) return;
  const QString path = m_link.catalogue().slotPath(slot);
  const PortDiagnosis diagnosis = DiagnoseOpenFailure(path, m_link.lastOpenResult());
  ShowLocalizedMessage(tr("%1 (%2) cannot be opened.").arg(PortCatalogue::slotCaption(slot), path) +
                           QLatin1Char('\n') + DescribePortProblem(diagnosis, CurrentLanguage()),
                       MessageStyle::kOk + MessageStyle::kIconExclamation);
}

void PortWindow::removeDevice(int index) {
  const int slot = index + 1;
  if (!m_link.userDevices().contains(slot)) return;
  m_link.removeUserDevice(slot);
  if (std::unique_ptr<QSettings> settings = m_settings ? m_settings() : nullptr)
    PortCatalogue::storeOverride(*settings, slot, QString());
  // The machine's devices may take the slot now.
  rescan();
}

void PortWindow::askForOtherDevice() {
  QInputDialog dialog(this);
  dialog.setObjectName(QStringLiteral("OtherDeviceDialog"));
  dialog.setWindowTitle(tr("Other device"));
  dialog.setLabelText(tr("Path of the serial device (a pseudo-terminal, or a link to one, will do).\n"
                         "Several paths separated by spaces, or a pattern such as /dev/ttyUSB*, add one slot "
                         "each:"));
  const QString current = m_link.catalogue().slotPath(m_link.comPortNumber());
  dialog.setTextValue(current.isEmpty() ? QStringLiteral("/dev/") : current);
  if (dialog.exec() != QDialog::Accepted) return;
  const QString path = dialog.textValue().trimmed();
  if (path.isEmpty()) return;
  chooseOtherDevice(path);
}

QStringList PortWindow::devicePaths(const QString& entry, QStringList& missing) {
  QStringList paths;
  const QStringList words = entry.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
  for (QString word : words) {
    // As the shell would: "~" alone or at the start means the home folder.
    if (word == QLatin1String("~") || word.startsWith(QLatin1String("~/")))
      word = QDir::homePath() + word.mid(1);
    const QFileInfo info(word);
    const QString name = info.fileName();
    if (name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?')) || name.contains(QLatin1Char('['))) {
      const QDir folder = info.dir();
      const QStringList matches =
          folder.entryList({name}, QDir::System | QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
      if (matches.isEmpty()) missing << word;
      QStringList found;
      for (const QString& match : matches) found << folder.filePath(match);
      paths << PortCatalogue::orderDevicePaths(found);
      continue;
    }
    // exists() follows links: a link to a device that is gone is missing.
    // A name the system lists (COM3 where ports are no files) is there too.
    if (info.exists() || SerialDevicePaths().contains(word))
      paths << word;
    else
      missing << word;
  }
  // A device named twice takes one slot.
  paths.removeDuplicates();
  return paths;
}

bool PortWindow::chooseOtherDevice(const QString& entry) {
  QStringList missing;
  const QStringList paths = devicePaths(entry, missing);
  if (paths.isEmpty() && missing.isEmpty()) return false;
  if (!missing.isEmpty()) {
    ShowLocalizedMessage(tr("There is no device %1. Nothing was added.").arg(missing.join(QStringLiteral(", "))),
                         MessageStyle::kOk + MessageStyle::kIconExclamation);
    return false;
  }
  int slot = 0;
  for (const QString& path : paths) {
    const int added = m_link.addUserDevice(path);
    if (std::unique_ptr<QSettings> settings = m_settings ? m_settings() : nullptr)
      PortCatalogue::storeOverride(*settings, added, path);
    if (slot == 0) slot = added;
  }
  const QString path = paths.first();
  m_options.at(slot - 1)->setChecked(true);
  const bool opened = m_link.choosePort(slot);
  showAvailability();
  if (!opened) {
    const PortDiagnosis diagnosis = DiagnoseOpenFailure(path, m_link.lastOpenResult());
    ShowLocalizedMessage(tr("%1 is kept as %2, but cannot be opened now.").arg(path, PortCatalogue::slotCaption(slot)) +
                             QLatin1Char('\n') + DescribePortProblem(diagnosis, CurrentLanguage()),
                         MessageStyle::kOk + MessageStyle::kIconExclamation);
  }
  return opened;
}

void PortWindow::rescan() {
  m_link.rescan();
  showAvailability();
}

void PortWindow::retranslate() {
  setWindowTitle(tr("Com"));
  m_otherDevice->setText(tr("Other device…"));
  showAvailability();
}

void PortWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // What was plugged in or out while the window was hidden shows at once.
  rescan();
  m_rescan.start();
}

void PortWindow::hideEvent(QHideEvent* event) {
  m_rescan.stop();
  QDialog::hideEvent(event);
}

void PortWindow::closeEvent(QCloseEvent* event) {
  // The close box only hides the window; its scan results stay.
  event->ignore();
  hide();
}

}  // namespace qx210
