#include "gui/debug_parameters_dialog.h"

#include <algorithm>

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "core/unlock_gesture.h"

namespace qx210 {

namespace {

constexpr int kLevelMaximum = 63;

QSlider* NewSlider(QWidget* parent, const char* name) {
  auto* slider = new QSlider(Qt::Horizontal, parent);
  slider->setObjectName(QString::fromLatin1(name));
  slider->setRange(0, kLevelMaximum);
  slider->setSingleStep(1);
  slider->setPageStep(5);
  slider->setTickPosition(QSlider::TicksBelow);
  slider->setTickInterval(7);
  slider->setMinimumWidth(240);
  return slider;
}

QLabel* NewLabel(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

// Slider, its value label above it and the two end labels on either side.
QGroupBox* NewGroup(QWidget* parent, const char* name, QSlider* slider, QLabel* value, QLabel* left, QLabel* right) {
  auto* group = new QGroupBox(parent);
  group->setObjectName(QString::fromLatin1(name));
  auto* grid = new QGridLayout(group);
  value->setAlignment(Qt::AlignCenter);
  grid->addWidget(value, 0, 1);
  grid->addWidget(left, 1, 0);
  grid->addWidget(slider, 1, 1);
  grid->addWidget(right, 1, 2);
  grid->setColumnStretch(1, 1);
  return group;
}

}  // namespace

DebugParametersDialog::DebugParametersDialog(GestureState& gestures) : m_gestures(gestures) {
  setObjectName(QStringLiteral("Form2"));
  m_highPowerSlider = NewSlider(this, "Slider1");
  m_lowPowerSlider = NewSlider(this, "Slider3");
  m_highPowerLevel = NewLabel(this, "Lblpower1");
  m_lowPowerLevel = NewLabel(this, "Lblpower3");
  m_highPowerLowEnd = NewLabel(this, "Label3");
  m_highPowerHighEnd = NewLabel(this, "Label8");
  m_lowPowerLowEnd = NewLabel(this, "Label6");
  m_lowPowerHighEnd = NewLabel(this, "Label7");
  m_highPowerGroup = NewGroup(this, "Frame1", m_highPowerSlider, m_highPowerLevel, m_highPowerLowEnd, m_highPowerHighEnd);
  m_lowPowerGroup = NewGroup(this, "Frame2", m_lowPowerSlider, m_lowPowerLevel, m_lowPowerLowEnd, m_lowPowerHighEnd);
  m_okButton = new QPushButton(this);
  m_okButton->setObjectName(QStringLiteral("Command1"));
  m_okButton->setDefault(true);

  QHBoxLayout* buttons = ButtonRow({m_okButton});
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_highPowerGroup);
  layout->addWidget(m_lowPowerGroup);
  layout->addLayout(buttons);

  connect(m_highPowerSlider, &QSlider::valueChanged, m_highPowerLevel, qOverload<int>(&QLabel::setNum));
  connect(m_lowPowerSlider, &QSlider::valueChanged, m_lowPowerLevel, qOverload<int>(&QLabel::setNum));
  // A move is a change of the value by the user, not a key or click at an
  // end (the slider then stays where it is) nor a position set by setValues().
  connect(m_highPowerSlider, &QSlider::valueChanged, this, [this] { m_highMoved |= !m_settingValues; });
  connect(m_lowPowerSlider, &QSlider::valueChanged, this, [this] { m_lowMoved |= !m_settingValues; });
  connectButtons(m_okButton, nullptr, [this] { Q_EMIT valuesAccepted(values()); });
  m_highPowerLowEnd->installEventFilter(this);
  m_highPowerHighEnd->installEventFilter(this);

  retranslate();
  setValues(m_loaded);
  setSlidersEnabled(false);
}

void DebugParametersDialog::retranslate() {
  setWindowTitle(tr("Debug Parameters"));
  m_highPowerGroup->setTitle(tr("TX-High Power"));
  m_lowPowerGroup->setTitle(tr("TX-Low Power"));
  m_highPowerLowEnd->setText(tr("Low"));
  m_lowPowerLowEnd->setText(tr("Low"));
  m_highPowerHighEnd->setText(tr("High"));
  m_lowPowerHighEnd->setText(tr("High"));
  m_okButton->setText(tr("OK"));
}

void DebugParametersDialog::setValues(const DebugParameters& levels) {
  m_settingValues = true;
  m_highPowerSlider->setValue(std::clamp(levels.txHighPower, 0, kLevelMaximum));
  m_lowPowerSlider->setValue(std::clamp(levels.txLowPower, 0, kLevelMaximum));
  m_settingValues = false;
  // The labels tell the level held, also one the slider cannot reach.
  m_highPowerLevel->setNum(levels.txHighPower);
  m_lowPowerLevel->setNum(levels.txLowPower);
  m_loaded = levels;
  m_highMoved = false;
  m_lowMoved = false;
}

void DebugParametersDialog::setSlidersEnabled(bool enabled) {
  m_highPowerSlider->setEnabled(enabled);
  m_lowPowerSlider->setEnabled(enabled);
}

DebugParameters DebugParametersDialog::values() const {
  // A slider the user did not move shows the level given (or the nearest end
  // of its range for a level it cannot reach): the level given stays then.
  DebugParameters levels = m_loaded;
  if (m_highMoved) levels.txHighPower = m_highPowerSlider->value();
  if (m_lowMoved) levels.txLowPower = m_lowPowerSlider->value();
  return levels;
}

bool DebugParametersDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (watched == m_highPowerLowEnd) onGestureClick(0);
    if (watched == m_highPowerHighEnd) onGestureClick(1);
  }
  return AuxDialog::eventFilter(watched, event);
}

void DebugParametersDialog::onGestureClick(int caption) {
  // The document's flag enables the sliders and shows toolbar button 7.
  if (m_gestures.clickDebugUnlock(caption)) Q_EMIT unlockGestureMade();
}

}  // namespace qx210
