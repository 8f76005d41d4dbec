#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/backups.h"
#include "core/data_file.h"

namespace qx210 {
namespace {

QByteArray Image(char fill) { return QByteArray(848, fill); }

TEST(BackupStore, KeepsAnImageUnderItsTimeAndKind) {
  QTemporaryDir dir;
  const BackupStore store(dir.filePath(QStringLiteral("backups")));
  const QDateTime when(QDate(2026, 12, 8), QTime(9, 45, 12));
  const QString path = store.keep(Image('\x11'), QStringLiteral("read"), when);
  EXPECT_EQ(QFileInfo(path).fileName(), QStringLiteral("2026-12-08_094512_read.DAT"));
  QByteArray kept;
  ASSERT_TRUE(ReadDataFile(path, kept).ok);
  EXPECT_EQ(kept, Image('\x11'));
  // A second backup in the same second gets a name of its own.
  const QString second = store.keep(Image('\x22'), QStringLiteral("read"), when);
  EXPECT_NE(second, path);
  EXPECT_EQ(store.backups().size(), 2);
}

TEST(BackupStore, KeepsOnlyTheNewestHundred) {
  QTemporaryDir dir;
  const BackupStore store(dir.path());
  const QDateTime start(QDate(2026, 1, 1), QTime(0, 0));
  for (int i = 0; i < BackupStore::kKept + 5; ++i)
    ASSERT_FALSE(store.keep(Image(static_cast<char>(i)), QStringLiteral("overwritten"), start.addSecs(60 * i)).isEmpty());
  const QStringList kept = store.backups();
  ASSERT_EQ(kept.size(), BackupStore::kKept);
  // Newest first; the five oldest are gone.
  EXPECT_TRUE(kept.first().contains(start.addSecs(60 * (BackupStore::kKept + 4)).toString(QStringLiteral("HHmmss"))));
  EXPECT_FALSE(QFile::exists(QDir(dir.path()).filePath(QStringLiteral("2026-01-01_000000_overwritten.DAT"))));
}

TEST(BackupStore, AFolderThatCannotBeMadeIsReported) {
  QTemporaryDir dir;
  QFile blocker(dir.filePath(QStringLiteral("file")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  const BackupStore store(dir.filePath(QStringLiteral("file/backups")));
  QString error;
  EXPECT_TRUE(store.keep(Image('\x01'), QStringLiteral("read"), QDateTime::currentDateTime(), &error).isEmpty());
  EXPECT_FALSE(error.isEmpty());
}

}  // namespace
}  // namespace qx210
