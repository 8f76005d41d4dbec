#include "core/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>
#include <memory>
#include <vector>

namespace qx210 {

namespace {

UiLanguage g_language = kChinese;
std::vector<std::unique_ptr<QTranslator>> g_translators;

// The Chinese catalogues are compiled into the program under :/i18n.
void InstallChinese() {
  if (!g_translators.empty()) return;
  const QDir folder(QStringLiteral(":/i18n"));
  for (const QString& name : folder.entryList({QStringLiteral("*.qm")}, QDir::Files, QDir::Name)) {
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(folder.filePath(name)) && QCoreApplication::installTranslator(translator.get()))
      g_translators.push_back(std::move(translator));
  }
}

void RemoveChinese() {
  for (auto& translator : g_translators) QCoreApplication::removeTranslator(translator.get());
  g_translators.clear();
}

}  // namespace

UiLanguage CurrentLanguage() { return g_language; }

void SetLanguage(UiLanguage language) {
  g_language = language;
  if (language == kChinese)
    InstallChinese();
  else
    RemoveChinese();
  Q_EMIT LanguageNotifier::instance().languageChanged(language);
}

LanguageNotifier& LanguageNotifier::instance() {
  static LanguageNotifier notifier;
  return notifier;
}

}  // namespace qx210
