// Saving on Windows: device names are refused as files, a save replaces the
// target whole and leaves no temporary file behind.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/safe_file_platform.h"

namespace qx210::safe_file_platform {
namespace {

TEST(SafeFileWindows, DeviceNamesAreNoFiles) {
  QTemporaryDir dir;
  for (const char* name : {"COM1", "com1.DAT", "NUL", "CON", "LPT2.txt", "AUX"}) {
    SaveTarget target;
    EXPECT_EQ(FindSaveTarget(dir.filePath(QString::fromLatin1(name)), target).verdict, Verdict::Device) << name;
    QFile file;
    EXPECT_EQ(OpenForReading(dir.filePath(QString::fromLatin1(name)), file).verdict, Verdict::Device) << name;
    EXPECT_FALSE(file.isOpen());
  }
  SaveTarget target;
  EXPECT_EQ(FindSaveTarget(QStringLiteral("\\\\.\\COM5"), target).verdict, Verdict::Device);
  // Names that merely start like one are files.
  EXPECT_TRUE(FindSaveTarget(dir.filePath(QStringLiteral("COM10x.DAT")), target).ok());
  EXPECT_TRUE(FindSaveTarget(dir.filePath(QStringLiteral("console.DAT")), target).ok());
}

TEST(SafeFileWindows, ReplaceKeepsNothingButTheNewBytes) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("radio.DAT"));
  SaveTarget target;
  ASSERT_TRUE(FindSaveTarget(path, target).ok());
  EXPECT_FALSE(target.exists);
  ASSERT_TRUE(ReplaceFile(target, QByteArray(1024, '\x11')).ok());
  ASSERT_TRUE(FindSaveTarget(path, target).ok());
  EXPECT_TRUE(target.exists);
  ASSERT_TRUE(ReplaceFile(target, QByteArray(10, '\x22')).ok());
  QFile file;
  ASSERT_TRUE(OpenForReading(path, file).ok());
  EXPECT_EQ(file.readAll(), QByteArray(10, '\x22'));
  file.close();
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("radio.DAT")});
  // A folder is no target.
  EXPECT_EQ(FindSaveTarget(dir.path(), target).verdict, Verdict::Folder);
}

}  // namespace
}  // namespace qx210::safe_file_platform
