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
  m_slider1 = NewSlider(this, "Slider1");
  m_slider3 = NewSlider(this, "Slider3");
  m_lblpower1 = NewLabel(this, "Lblpower1");
  m_lblpower3 = NewLabel(this, "Lblpower3");
  m_label3 = NewLabel(this, "Label3");
  m_label8 = NewLabel(this, "Label8");
  m_label6 = NewLabel(this, "Label6");
  m_label7 = NewLabel(this, "Label7");
  m_frame1 = NewGroup(this, "Frame1", m_slider1, m_lblpower1, m_label3, m_label8);
  m_frame2 = NewGroup(this, "Frame2", m_slider3, m_lblpower3, m_label6, m_label7);
  m_command1 = new QPushButton(this);
  m_command1->setObjectName(QStringLiteral("Command1"));
  m_command1->setDefault(true);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(m_command1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_frame1);
  layout->addWidget(m_frame2);
  layout->addLayout(buttons);

  connect(m_slider1, &QSlider::valueChanged, m_lblpower1, qOverload<int>(&QLabel::setNum));
  connect(m_slider3, &QSlider::valueChanged, m_lblpower3, qOverload<int>(&QLabel::setNum));
  // Only the user's own moves count, not positions set by setValues().
  connect(m_slider1, &QSlider::actionTriggered, this, [this] { m_highMoved = true; });
  connect(m_slider3, &QSlider::actionTriggered, this, [this] { m_lowMoved = true; });
  connect(m_command1, &QPushButton::clicked, this, [this] {
    Q_EMIT valuesAccepted(values());
    accept();
  });
  m_label3->installEventFilter(this);
  m_label8->installEventFilter(this);

  retranslate();
  setValues(m_loaded);
  setSlidersEnabled(false);
}

void DebugParametersDialog::retranslate() {
  setWindowTitle(tr("Debug Parameters"));
  m_frame1->setTitle(tr("TX-High Power"));
  m_frame2->setTitle(tr("TX-Low Power"));
  m_label3->setText(tr("Low"));
  m_label6->setText(tr("Low"));
  m_label8->setText(tr("High"));
  m_label7->setText(tr("High"));
  m_command1->setText(tr("OK"));
}

void DebugParametersDialog::setValues(const DebugParameters& levels) {
  m_slider1->setValue(std::clamp(levels.txHighPower, 0, kLevelMaximum));
  m_slider3->setValue(std::clamp(levels.txLowPower, 0, kLevelMaximum));
  // The labels tell the level held, also one the slider cannot reach.
  m_lblpower1->setNum(levels.txHighPower);
  m_lblpower3->setNum(levels.txLowPower);
  m_loaded = levels;
  m_highMoved = false;
  m_lowMoved = false;
}

void DebugParametersDialog::setSlidersEnabled(bool enabled) {
  m_slider1->setEnabled(enabled);
  m_slider3->setEnabled(enabled);
}

DebugParameters DebugParametersDialog::values() const {
  // A slider the user did not move shows the level given (or the nearest end
  // of its range for a level it cannot reach): the level given stays then.
  DebugParameters levels = m_loaded;
  if (m_highMoved) levels.txHighPower = m_slider1->value();
  if (m_lowMoved) levels.txLowPower = m_slider3->value();
  return levels;
}

bool DebugParametersDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (watched == m_label3) onGestureClick(0);
    if (watched == m_label8) onGestureClick(1);
  }
  return AuxDialog::eventFilter(watched, event);
}

void DebugParametersDialog::onGestureClick(int caption) {
  // The document's flag enables the sliders and shows toolbar button 7.
  if (m_gestures.clickDebugUnlock(caption)) Q_EMIT unlockGestureMade();
}

}  // namespace qx210
