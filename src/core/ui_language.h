#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>

namespace qx210 {

// The process-wide interface language: 0 Chinese, 1 English. 2 only changes the
// captions of message-box buttons (traditional Chinese); every text is then
// English, as for any value other than 0.
using UiLanguage = int;
inline constexpr UiLanguage kChinese = 0;
inline constexpr UiLanguage kEnglish = 1;
inline constexpr UiLanguage kTraditionalButtons = 2;

// A fixed text in both languages; `zh` is shown for language 0, `en` otherwise.
struct Bilingual {
  const char* zh;
  const char* en;

  QString text(UiLanguage language) const {
    return QString::fromUtf8(language == kChinese ? zh : en);
  }
  bool matches(const QString& s) const {
    return s == QString::fromUtf8(zh) || s == QString::fromUtf8(en);
  }
};

// The texts of a list of entries in one language.
template <typename Entries>
QStringList Texts(const Entries& entries, UiLanguage language) {
  QStringList list;
  for (const Bilingual& entry : entries) list << entry.text(language);
  return list;
}
inline QStringList Texts(std::initializer_list<Bilingual> entries, UiLanguage language) {
  return Texts<std::initializer_list<Bilingual>>(entries, language);
}

inline QString Pick(UiLanguage language, const char* zh, const char* en) {
  return Bilingual{zh, en}.text(language);
}

}  // namespace qx210
