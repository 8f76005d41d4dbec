// The language of a first start follows the system locale; afterwards the
// stored choice holds. Each start is a process of its own, because the
// system locale is read once per process.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include "core/ui_language.h"

namespace qx210 {
namespace {

class FirstStartLanguage : public ::testing::Test {
 protected:
  QString parameterPath() const { return dir.filePath(QStringLiteral("parameter")); }
  QString hintPath() const { return dir.filePath(QStringLiteral("QB-7.ini")); }

  // Starts the window under `environment` (LANG=..., LANGUAGE=...) and returns
  // the language it chose, or -1.
  int startUnder(const QStringList& environment) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_CTYPE", "LC_NUMERIC"})
      env.remove(QString::fromLatin1(name));
    for (const QString& entry : environment)
      env.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess probe;
    probe.setProcessEnvironment(env);
    probe.start(QStringLiteral(QX210_FIRST_START_PROBE), {parameterPath(), hintPath()});
    if (!probe.waitForFinished(60000) || probe.exitCode() != 0) {
      ADD_FAILURE() << "probe failed: " << probe.readAllStandardError().toStdString();
      return -1;
    }
    const QString out = QString::fromUtf8(probe.readAllStandardOutput());
    const int at = out.indexOf(QStringLiteral("language="));
    return at < 0 ? -1 : out.mid(at + 9, 1).toInt();
  }
  QByteArray storedBytes() const {
    QFile file(parameterPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  QTemporaryDir dir;
};

TEST_F(FirstStartLanguage, EnglishLocaleGivesEnglishAndTheChoiceIsStored) {
  EXPECT_EQ(startUnder({QStringLiteral("LANG=en_US.UTF-8")}), kEnglish);
  EXPECT_EQ(storedBytes(), QByteArray("\x00\x00\x01", 3));
  // Afterwards the stored choice holds, whatever the locale says.
  EXPECT_EQ(startUnder({QStringLiteral("LANG=zh_CN.UTF-8")}), kEnglish);
}

TEST_F(FirstStartLanguage, ChineseLocaleGivesChineseAndTheChoiceIsStored) {
  EXPECT_EQ(startUnder({QStringLiteral("LANG=zh_CN.UTF-8")}), kChinese);
  EXPECT_EQ(storedBytes(), QByteArray("\x00\x00\x00", 3));
  EXPECT_EQ(startUnder({QStringLiteral("LANG=en_US.UTF-8")}), kChinese);
}

#ifdef Q_OS_UNIX
// The order of the POSIX locale variables (Windows has one user locale).
TEST_F(FirstStartLanguage, PreferredLanguageAndLcAllCountBeforeLang) {
  EXPECT_EQ(startUnder({QStringLiteral("LANG=en_US.UTF-8"), QStringLiteral("LC_ALL=zh_TW.UTF-8")}), kChinese);
  QFile::remove(parameterPath());
  EXPECT_EQ(startUnder({QStringLiteral("LANG=zh_CN.UTF-8"), QStringLiteral("LANGUAGE=en_GB:en")}), kEnglish);
}
#endif

TEST_F(FirstStartLanguage, AFileWithoutTheLanguageByteIsAFirstStartAndAHintStillWins) {
  {
    QFile file(parameterPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x01", 1);  // edit lock only
  }
  EXPECT_EQ(startUnder({QStringLiteral("LANG=zh_CN.UTF-8")}), kChinese);
  EXPECT_EQ(storedBytes(), QByteArray("\x01\x00\x00", 3));

  QFile::remove(parameterPath());
  QSettings(hintPath(), QSettings::IniFormat).setValue(QStringLiteral("Languages"), QStringLiteral("english"));
  EXPECT_EQ(startUnder({QStringLiteral("LANG=zh_CN.UTF-8")}), kEnglish);
}

}  // namespace
}  // namespace qx210
