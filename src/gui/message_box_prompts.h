#pragma once

#include <QCoreApplication>
#include <functional>

#include "link/exchange_control.h"

namespace qx210 {

// The prompts of an exchange as localized message boxes of the main window.
class MessageBoxPrompts : public ExchangePrompts {
  Q_DECLARE_TR_FUNCTIONS(qx210::MessageBoxPrompts)

 public:
  // The port the communication error names ("COM3 (/dev/ttyUSB0)").
  void setPortDescription(std::function<QString()> describe) { m_describePort = std::move(describe); }
  // What the error's "Test connection" button does; no button when unset.
  void setTestConnection(std::function<void()> test) { m_testConnection = std::move(test); }

  void showPortNotOpen(UiLanguage language) override;
  void showCommunicationError(UiLanguage language, const QString& detail) override;
  void askBandQuestion(UiLanguage language, std::function<void(bool yes)> answer) override;

 private:
  std::function<QString()> m_describePort;
  std::function<void()> m_testConnection;
};

}  // namespace qx210
