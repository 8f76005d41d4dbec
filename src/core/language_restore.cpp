#include "core/language_restore.h"

#include <QSettings>
#include <QtEndian>

namespace qx210 {

QString LanguageHintText(const QVariant& value) {
  switch (value.typeId()) {
    case QMetaType::QString: {
      const QString text = value.toString();
      const qsizetype nul = text.indexOf(QChar(0));
      return nul < 0 ? text : text.left(nul);
    }
    case QMetaType::QByteArray: {
      const QByteArray data = value.toByteArray();
      if (data.size() < 2) return {};
      return QString::number(qFromLittleEndian<qint16>(data.constData()));
    }
    default:
      return {};
  }
}

UiLanguage RestoreLanguage(QSettings& hintStore, int storedValue) {
  const QString hintName = QString::fromLatin1(kLanguageHintName);
  const QString hint = LanguageHintText(hintStore.value(hintName));
  if (!hint.isEmpty()) {
    hintStore.remove(hintName);
    hintStore.sync();
    return hint == QStringLiteral("english") ? kEnglish : kChinese;
  }
  if (storedValue == kChinese || storedValue == kEnglish || storedValue == kTraditionalButtons) return storedValue;
  return kEnglish;
}

UiLanguage LanguageOfLocale(const QLocale& locale) {
  // uiLanguages() honours LANGUAGE and LC_MESSAGES before LANG, as message
  // catalogues do; the first entry is the one the user prefers.
  const QString preferred = locale.uiLanguages().value(0, locale.name());
  return preferred.startsWith(QStringLiteral("zh"), Qt::CaseInsensitive) ? kChinese : kEnglish;
}

}  // namespace qx210
