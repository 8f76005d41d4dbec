#pragma once

#include <QObject>

#include "core/ui_language.h"

namespace qx210 {

// UiLanguage as the running program holds it.
UiLanguage CurrentLanguage();

// Sets UiLanguage. Chinese (0) installs the compiled Chinese translations of
// every caption; any other value removes them, so tr() texts fall back to their
// English source. Qt then sends LanguageChange to every widget; LanguageNotifier
// also announces the change for texts that come from the core's own tables.
void SetLanguage(UiLanguage language);

class LanguageNotifier : public QObject {
  Q_OBJECT
 public:
  static LanguageNotifier& instance();

 Q_SIGNALS:
  void languageChanged(int language);

 private:
  LanguageNotifier() = default;
};

}  // namespace qx210
