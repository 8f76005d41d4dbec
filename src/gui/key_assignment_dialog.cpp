#include "gui/key_assignment_dialog.h"

#include <algorithm>

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/dialog_rules.h"
#include "core/language.h"

namespace qx210 {

namespace {

constexpr int kNoneFunction = 1;  // "OFF" / "None", shown for a value out of the list

int ShownPosition(int held) { return held >= 0 && held < kKeyFunctionCount ? held : kNoneFunction; }

}  // namespace

KeyPicture::KeyPicture(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Image1"));
  setMinimumSize(sizeHint());
}

void KeyPicture::setKey(int key) {
  if (key == m_key) return;
  m_key = key;
  update();
}

QSize KeyPicture::sizeHint() const { return {130, 210}; }

void KeyPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  // A handheld radio seen from its left side: antenna, knob, body, display,
  // speaker grille, PTT and the two programmable keys below it.
  const qreal w = width();
  const qreal h = height();
  // Drawn on a 130 x 210 canvas, scaled to fit.
  const qreal scale = std::min(w / 130.0, h / 210.0);
  p.translate((w - 130 * scale) / 2 + 10 * scale, (h - 210 * scale) / 2);
  p.scale(scale, scale);

  const QColor body(60, 64, 72);
  const QColor edge(30, 30, 34);
  p.setPen(QPen(edge, 1.5));
  p.setBrush(QColor(40, 40, 44));
  p.drawRoundedRect(QRectF(72, 4, 8, 46), 3, 3);    // antenna
  p.drawRoundedRect(QRectF(50, 30, 14, 22), 3, 3);  // channel knob
  p.setBrush(body);
  p.drawRoundedRect(QRectF(30, 48, 66, 156), 12, 12);
  p.setBrush(QColor(150, 190, 160));
  p.drawRoundedRect(QRectF(40, 60, 46, 26), 4, 4);  // display
  p.setPen(QPen(QColor(110, 114, 122), 2));
  for (int i = 0; i < 5; ++i) p.drawLine(QPointF(44, 100 + 10 * i), QPointF(82, 100 + 10 * i));  // grille

  // Side keys on the left edge: PTT, PF1, PF2.
  const struct {
    QRectF rect;
    const char* text;
    int key;
  } keys[] = {{QRectF(20, 70, 12, 36), "PTT", 0}, {QRectF(20, 114, 12, 18), "PF1", 1}, {QRectF(20, 138, 12, 18), "PF2", 2}};
  QFont font = p.font();
  font.setPixelSize(10);
  font.setBold(true);
  p.setFont(font);
  for (const auto& k : keys) {
    const bool lit = k.key == m_key;
    p.setPen(QPen(edge, 1.2));
    p.setBrush(lit ? QColor(255, 170, 0) : QColor(90, 94, 102));
    p.drawRoundedRect(k.rect, 3, 3);
    if (k.key != 0) {
      p.setPen(lit ? QColor(200, 90, 0) : QColor(90, 90, 90));
      p.drawText(QRectF(-10, k.rect.top(), 28, k.rect.height()), Qt::AlignCenter, QString::fromLatin1(k.text));
    }
  }
}

KeyAssignmentDialog::KeyAssignmentDialog() {
  setObjectName(QStringLiteral("Form6"));
  m_pf1Caption = new QLabel(QStringLiteral("PF1"), this);
  m_pf1Caption->setObjectName(QStringLiteral("Label1"));
  m_pf2Caption = new QLabel(QStringLiteral("PF2"), this);
  m_pf2Caption->setObjectName(QStringLiteral("Label2"));
  m_pf1List = new QComboBox(this);
  m_pf1List->setObjectName(QStringLiteral("Combo1"));
  m_pf2List = new QComboBox(this);
  m_pf2List->setObjectName(QStringLiteral("Combo2"));
  m_pf1Caption->setBuddy(m_pf1List);
  m_pf2Caption->setBuddy(m_pf2List);
  m_pf1List->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  m_pf2List->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  m_keyPicture = new KeyPicture(this);
  m_okButton = new QPushButton(this);
  m_okButton->setObjectName(QStringLiteral("Command1"));
  m_okButton->setDefault(true);
  m_cancelButton = new QPushButton(this);
  m_cancelButton->setObjectName(QStringLiteral("Command2"));

  auto* lists = new QGridLayout;
  lists->addWidget(m_pf1Caption, 0, 0);
  lists->addWidget(m_pf1List, 0, 1);
  lists->addWidget(m_pf2Caption, 1, 0);
  lists->addWidget(m_pf2List, 1, 1);
  lists->setRowStretch(2, 1);
  lists->setColumnStretch(1, 1);
  auto* top = new QHBoxLayout;
  top->addWidget(m_keyPicture);
  top->addLayout(lists, 1);
  QHBoxLayout* buttons = ButtonRow({m_okButton, m_cancelButton});
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(buttons);

  m_pf1List->installEventFilter(this);
  m_pf2List->installEventFilter(this);
  connectButtons(m_okButton, m_cancelButton, [this] { Q_EMIT valuesAccepted(values()); });

  retranslate();
  setValues(m_loaded);
  setMinimumWidth(360);
}

bool KeyAssignmentDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    if (watched == m_pf1List) m_keyPicture->setKey(1);
    if (watched == m_pf2List) m_keyPicture->setKey(2);
  }
  return AuxDialog::eventFilter(watched, event);
}

void KeyAssignmentDialog::retranslate() {
  setWindowTitle(tr("Keys Set"));
  m_okButton->setText(tr("OK"));
  m_cancelButton->setText(tr("Cancel"));
  const QStringList items = KeyFunctionItems(CurrentLanguage());
  SetComboItems(m_pf1List, items);
  SetComboItems(m_pf2List, items);
  FitComboToItems(m_pf1List);
  FitComboToItems(m_pf2List);
}

void KeyAssignmentDialog::setValues(const KeyAssignment& keys) {
  m_pf1List->setCurrentIndex(ShownPosition(keys.pf1));
  m_pf2List->setCurrentIndex(ShownPosition(keys.pf2));
  m_loaded = keys;
}

KeyAssignment KeyAssignmentDialog::values() const {
  KeyAssignment keys = m_loaded;
  // A list still showing what was given keeps the value given, also one out
  // of the list that is shown as "None".
  if (m_pf1List->currentIndex() != ShownPosition(m_loaded.pf1)) keys.pf1 = m_pf1List->currentIndex();
  if (m_pf2List->currentIndex() != ShownPosition(m_loaded.pf2)) keys.pf2 = m_pf2List->currentIndex();
  return keys;
}

}  // namespace qx210
