#include "gui/embedded_message_dialog.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>
#include <QVBoxLayout>

#include "core/dialog_rules.h"

namespace qx210 {

namespace {

// Refuses any text holding a character the radio cannot store in one byte.
// A 0x00 byte of an image reads as U+0000 and is written back as 0x00, so it
// passes too: a line that is invalid from the start would take any input.
class OneByteValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    return IsOneByteText(QString(input).remove(QChar(0))) ? Acceptable : Invalid;
  }
};

QLineEdit* NewLine(QWidget* parent, const char* name) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setMaxLength(kMessageLineLength);
  edit->setValidator(new OneByteValidator(edit));
  // A fixed-pitch font shows how the 32 characters fill the line.
  edit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  const QFontMetrics metrics(edit->font());
  edit->setMinimumWidth(metrics.horizontalAdvance(QString(kMessageLineLength + 4, QLatin1Char('M'))));
  return edit;
}

}  // namespace

EmbeddedMessageDialog::EmbeddedMessageDialog() {
  setObjectName(QStringLiteral("Form7"));
  m_text1 = NewLine(this, "Text1");
  m_text2 = NewLine(this, "Text2");
  m_command1 = new QPushButton(this);
  m_command1->setObjectName(QStringLiteral("Command1"));
  m_command1->setDefault(true);
  m_command2 = new QPushButton(this);
  m_command2->setObjectName(QStringLiteral("Command2"));

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(m_command1);
  buttons->addWidget(m_command2);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_text1);
  layout->addWidget(m_text2);
  layout->addLayout(buttons);

  connect(m_command1, &QPushButton::clicked, this, [this] {
    Q_EMIT valuesAccepted(values());
    accept();
  });
  connect(m_command2, &QPushButton::clicked, this, &QDialog::reject);

  retranslate();
  setValues(m_loaded);
}

void EmbeddedMessageDialog::retranslate() {
  setWindowTitle(tr("Embedded Information"));
  m_command1->setText(tr("OK"));
  m_command2->setText(tr("Cancel"));
}

void EmbeddedMessageDialog::setValues(const EmbeddedMessage& message) {
  m_loaded = message;
  m_text1->setText(m_loaded.line1);
  m_text2->setText(m_loaded.line2);
  m_shown = {m_text1->text(), m_text2->text()};
}

EmbeddedMessage EmbeddedMessageDialog::values() const {
  EmbeddedMessage message = m_loaded;
  if (m_text1->text() != m_shown.line1) message.line1 = m_text1->text();
  if (m_text2->text() != m_shown.line2) message.line2 = m_text2->text();
  return message;
}

}  // namespace qx210
