#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "core/language_restore.h"

namespace qx210 {
namespace {

class LanguageRestoreTest : public ::testing::Test {
 protected:
  QSettings store() const { return QSettings(dir.filePath(QStringLiteral("QB-7.ini")), QSettings::IniFormat); }
  void setHint(const QVariant& value) {
    QSettings s = store();
    s.setValue(QStringLiteral("Languages"), value);
  }
  bool hintPresent() const { return store().contains(QStringLiteral("Languages")); }
  UiLanguage restore(int stored) {
    QSettings s = store();
    return RestoreLanguage(s, stored);
  }
  QTemporaryDir dir;
};

TEST_F(LanguageRestoreTest, EnglishHintWinsOnceAndIsDeleted) {
  setHint(QStringLiteral("english"));
  EXPECT_EQ(restore(kChinese), kEnglish);
  EXPECT_FALSE(hintPresent());
  EXPECT_EQ(restore(kChinese), kChinese);  // the next start follows the stored byte
}

TEST_F(LanguageRestoreTest, AnyOtherTextGivesChinese) {
  for (const char* text : {"English", "chinese", "1"}) {
    setHint(QString::fromLatin1(text));
    EXPECT_EQ(restore(kEnglish), kChinese) << text;
    EXPECT_FALSE(hintPresent()) << text;
  }
}

TEST_F(LanguageRestoreTest, NoHintUsesTheStoredValue) {
  EXPECT_EQ(restore(kChinese), kChinese);
  EXPECT_EQ(restore(kEnglish), kEnglish);
  EXPECT_EQ(restore(kTraditionalButtons), kTraditionalButtons);
  setHint(QString());  // an empty text counts as no hint
  EXPECT_EQ(restore(kEnglish), kEnglish);
}

TEST_F(LanguageRestoreTest, DamagedStoredValueGivesEnglish) {
  EXPECT_EQ(restore(3), kEnglish);
  EXPECT_EQ(restore(255), kEnglish);
}

TEST(LanguageHintText, StringsBinaryAndOtherTypes) {
  EXPECT_EQ(LanguageHintText(QStringLiteral("english")), QStringLiteral("english"));
  EXPECT_EQ(LanguageHintText(QString::fromUtf16(u"english\0junk", 12)), QStringLiteral("english"));
  EXPECT_EQ(LanguageHintText(QByteArray("\x01\x00\x33", 3)), QStringLiteral("1"));
  EXPECT_EQ(LanguageHintText(QByteArray("\xFF\xFF", 2)), QStringLiteral("-1"));
  EXPECT_EQ(LanguageHintText(QByteArray("\x01", 1)), QString());
  EXPECT_EQ(LanguageHintText(QVariant(42)), QString());
  EXPECT_EQ(LanguageHintText(QVariant()), QString());
}

TEST(LanguageOfLocale, ChineseForEveryChineseLocaleEnglishForTheRest) {
  for (const char* name : {"zh_CN", "zh_TW", "zh_HK", "zh_SG", "zh"})
    EXPECT_EQ(LanguageOfLocale(QLocale(QString::fromLatin1(name))), kChinese) << name;
  for (const char* name : {"en_US", "en_GB", "de_DE", "ja_JP", "C"})
    EXPECT_EQ(LanguageOfLocale(QLocale(QString::fromLatin1(name))), kEnglish) << name;
}

}  // namespace
}  // namespace qx210
