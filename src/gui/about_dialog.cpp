#include "gui/about_dialog.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/language.h"
#include "gui/aux_dialog.h"

namespace qx210 {

namespace {

// A handheld radio sending waves, drawn once.
QPixmap RadioPicture() {
  constexpr int kSize = 96;
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 90, 160));
  p.drawEllipse(QRectF(2, 2, kSize - 4, kSize - 4));
  p.setBrush(QColor(235, 240, 248));
  p.drawRoundedRect(QRectF(30, 36, 26, 46), 5, 5);  // body
  p.drawRect(QRectF(34, 16, 5, 22));                // antenna
  p.setBrush(QColor(30, 90, 160));
  p.drawRect(QRectF(35, 44, 16, 10));  // display
  p.setPen(QPen(QColor(235, 240, 248), 3, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 3; ++i) {
    const qreal r = 10 + 9 * i;
    p.drawArc(QRectF(37 - r, 18 - r, 2 * r, 2 * r), 16 * -10, 16 * 70);
  }
  return pixmap;
}

}  // namespace

AboutDialog::AboutDialog() : QDialog(nullptr) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setWindowTitle(QStringLiteral("Help"));

  m_picture = new QLabel(this);
  m_picture->setObjectName(QStringLiteral("Picture1"));
  m_picture->setPixmap(RadioPicture());
  m_picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

  const auto newLabel = [this](const char* name) {
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    return label;
  };
  m_titleLabel = newLabel("lblTitle");
  QFont title = m_titleLabel->font();
  title.setPointSizeF(title.pointSizeF() * 1.4);
  title.setBold(true);
  m_titleLabel->setFont(title);
  m_versionLabel = newLabel("Label1");
  m_makerLabel = newLabel("Label2");
  m_descriptionLabel = newLabel("Label3");
  m_copyrightLabel = newLabel("Label4");
  m_okButton = new QPushButton(this);
  m_okButton->setObjectName(QStringLiteral("cmdOK"));
  m_okButton->setDefault(true);

  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);

  auto* texts = new QVBoxLayout;
  texts->addWidget(m_titleLabel);
  texts->addWidget(m_versionLabel);
  texts->addSpacing(8);
  texts->addWidget(line);
  texts->addWidget(m_makerLabel);
  texts->addWidget(m_descriptionLabel);
  texts->addWidget(m_copyrightLabel);
  texts->addStretch();
  auto* top = new QHBoxLayout;
  top->addWidget(m_picture);
  top->addSpacing(12);
  top->addLayout(texts, 1);
  QHBoxLayout* buttons = ButtonRow({m_okButton});
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(buttons);

  connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(&LanguageNotifier::instance(), &LanguageNotifier::languageChanged, this, &AboutDialog::retranslate);
  retranslate();
}

void AboutDialog::present() {
  show();
  raise();
  activateWindow();
}


void AboutDialog::retranslate() {
  m_titleLabel->setText(tr("ZERATH QX-210 Software"));
  m_versionLabel->setText(tr("Edition 1.8.0"));
  m_makerLabel->setText(tr("ZERATH Radio"));
  m_descriptionLabel->setText(tr("Programming software for the QX-210 two-way radio"));
  m_copyrightLabel->setText(tr("Copyright (C) ZERATH Radio. All rights reserved."));
  m_okButton->setText(tr("OK"));
}

}  // namespace qx210
