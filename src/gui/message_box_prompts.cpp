#include "gui/message_box_prompts.h"

#include "gui/message_box.h"
#include "core/link_texts.h"

namespace qx210 {

void MessageBoxPrompts::showPortNotOpen(UiLanguage language) {
  ShowLocalizedMessage(link_texts::kPortNotOpen.text(language),
                       MessageStyle::kOk + MessageStyle::kIconInformation,
                       link_texts::kPromptTitle.text(language));
}

void MessageBoxPrompts::showCommunicationError(UiLanguage language, const QString& detail) {
  // The message keeps its words; the port and what the program saw follow
  // it, and the link doctor is one button away.
  QStringList lines;
  const QString port = m_describePort ? m_describePort() : QString();
  if (!port.isEmpty()) lines << tr("Port: %1").arg(port);
  if (!detail.isEmpty()) lines << tr("What was seen: %1").arg(detail);
  const int answer = ShowLinkFailure(link_texts::kCommunicationError.text(language), lines.join(QLatin1Char('\n')),
                                     static_cast<bool>(m_testConnection));
  if (answer == MessageResult::kTestConnection && m_testConnection) m_testConnection();
}

void MessageBoxPrompts::askBandQuestion(UiLanguage language, std::function<void(bool yes)> answer) {
  const int result = ShowLocalizedMessage(link_texts::kBandQuestion.text(language),
                                          MessageStyle::kYesNo + MessageStyle::kIconInformation,
                                          link_texts::kPromptTitle.text(language));
  answer(result == MessageResult::kYes);
}

}  // namespace qx210
