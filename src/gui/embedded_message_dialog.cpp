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
  m_line1Edit = NewLine(this, "Text1");
  m_line2Edit = NewLine(this, "Text2");
  m_okButton = new QPushButton(this);
  m_okButton->setObjectName(QStringLiteral("Command1"));
  m_okButton->setDefault(true);
  m_cancelButton = new QPushButton(this);
  m_cancelButton->setObjectName(QStringLiteral("Command2"));

  QHBoxLayout* buttons = ButtonRow({m_okButton, m_cancelButton});
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_line1Edit);
  layout->addWidget(m_line2Edit);
  layout->addLayout(buttons);

  connectButtons(m_okButton, m_cancelButton, [this] { Q_EMIT valuesAccepted(values()); });

  retranslate();
  setValues(m_loaded);
}

void EmbeddedMessageDialog::retranslate() {
  setWindowTitle(tr("Embedded Information"));
  // The lines have no captions; a screen reader names them.
  m_line1Edit->setAccessibleName(tr("Line 1"));
  m_line2Edit->setAccessibleName(tr("Line 2"));
  m_okButton->setText(tr("OK"));
  m_cancelButton->setText(tr("Cancel"));
}

void EmbeddedMessageDialog::setValues(const EmbeddedMessage& message) {
  m_loaded = message;
  m_line1Edit->setText(m_loaded.line1);
  m_line2Edit->setText(m_loaded.line2);
  m_shown = {m_line1Edit->text(), m_line2Edit->text()};
}

EmbeddedMessage EmbeddedMessageDialog::values() const {
  EmbeddedMessage message = m_loaded;
  if (m_line1Edit->text() != m_shown.line1) message.line1 = m_line1Edit->text();
  if (m_line2Edit->text() != m_shown.line2) message.line2 = m_line2Edit->text();
  return message;
}

}  // namespace qx210
