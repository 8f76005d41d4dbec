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
  // The message keeps its words; what the program saw is in the details.
  ShowLocalizedMessage(link_texts::kCommunicationError.text(language), MessageStyle::kOk + MessageStyle::kIconStop,
                       QString(), detail);
}

void MessageBoxPrompts::askBandQuestion(UiLanguage language, std::function<void(bool yes)> answer) {
  const int result = ShowLocalizedMessage(link_texts::kBandQuestion.text(language),
                                          MessageStyle::kYesNo + MessageStyle::kIconInformation,
                                          link_texts::kPromptTitle.text(language));
  answer(result == MessageResult::kYes);
}

}  // namespace qx210
