#pragma once

#include "link/exchange_control.h"

namespace qx210 {

// The prompts of an exchange as localized message boxes of the main window.
class MessageBoxPrompts : public ExchangePrompts {
 public:
  void showPortNotOpen(UiLanguage language) override;
  void showCommunicationError(UiLanguage language, const QString& detail) override;
  void askBandQuestion(UiLanguage language, std::function<void(bool yes)> answer) override;
};

}  // namespace qx210
