#include "gui/form_com.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

#include "core/language.h"
#include "link/serial_link.h"

namespace qx210 {

namespace {
// 3000 x 5145 twips at 15 twips per pixel.
constexpr int kFormWidth = 343;
constexpr int kFormHeight = 200;
constexpr int kRows = 10;
}  // namespace

FormCOM::FormCOM(SerialLink& link, QWidget* parent) : QDialog(parent), m_link(link) {
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
    m_group->addButton(option, i);
    m_options << option;
    m_devices << device;
    const int column = (i / kRows) * 2;
    layout->addWidget(option, i % kRows, column);
    layout->addWidget(device, i % kRows, column + 1);
  }
  connect(m_group, &QButtonGroup::idClicked, this, &FormCOM::OptionCOM_Click);

  // Loading the window scans the ports and opens the remembered one, the only
  // one or the lowest one.
  const int chosen = m_link.scan(m_link.comPortNumber());
  if (chosen >= 1) m_options.at(chosen - 1)->setChecked(true);
  connect(&LanguageNotifier::instance(), &LanguageNotifier::languageChanged, this, &FormCOM::retranslate);
  retranslate();
  resize(qMax(kFormWidth, sizeHint().width()), qMax(kFormHeight, sizeHint().height()));
}

QString FormCOM::permissionHint() {
  return tr("Permission denied: add your user to the serial-port group \"dialout\" "
            "(sudo usermod -aG dialout $USER), then log in again.");
}

void FormCOM::showAvailability() {
  for (int i = 0; i < PortCatalogue::kSlotCount; ++i) {
    const int slot = i + 1;
    const PortAvailability availability = m_link.availability(slot);
    QString path = m_link.catalogue().slotPath(slot);
#ifdef Q_OS_WIN
    path.clear();  // the caption already names the port
#endif
    QRadioButton* option = m_options.at(i);
    QLabel* device = m_devices.at(i);
    option->setEnabled(availability == PortAvailability::Openable);
    device->setEnabled(availability != PortAvailability::NoDevice);
    QString tip = m_link.catalogue().slotPath(slot);
    if (availability == PortAvailability::PermissionDenied) {
      device->setText(QStringLiteral("%1 \u26A0").arg(path));
      tip = QStringLiteral("%1\n%2").arg(tip, permissionHint());
    } else {
      device->setText(path);
      if (availability == PortAvailability::Unavailable && !m_link.openError(slot).isEmpty())
        tip = QStringLiteral("%1\n%2").arg(tip, m_link.openError(slot));
    }
    option->setToolTip(tip);
    device->setToolTip(tip);
  }
}

void FormCOM::OptionCOM_Click(int index) { m_link.choosePort(index + 1); }

void FormCOM::retranslate() {
  setWindowTitle(tr("Com"));
  showAvailability();
}

void FormCOM::closeEvent(QCloseEvent* event) {
  // The close box only hides the window; its scan results stay.
  event->ignore();
  hide();
}


}  // namespace qx210
