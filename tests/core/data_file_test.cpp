#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/data_file.h"
#include "core/parameter_file.h"

namespace qx210 {
namespace {

QByteArray Pattern(int size) {
  QByteArray bytes(size, '\0');
  for (int i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7);
  return bytes;
}

void WriteRaw(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

QByteArray ReadRaw(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(DataFile, WriteThenReadGivesTheSameBytes) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("radio.DAT"));
  const QByteArray image = Pattern(848);
  ASSERT_TRUE(WriteDataFile(path, image).ok);
  EXPECT_EQ(ReadRaw(path), image);
  QByteArray read;
  ASSERT_TRUE(ReadDataFile(path, read).ok);
  EXPECT_EQ(read, image);
}

TEST(DataFile, ShorterExistingFileIsReplacedWhole) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("old.DAT"));
  WriteRaw(path, Pattern(2000));
  ASSERT_TRUE(WriteDataFile(path, Pattern(848)).ok);
  EXPECT_EQ(ReadRaw(path).size(), 848);
}

TEST(DataFile, LongFilesAreReadUpTo850Bytes) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("radio.DAT"));
  WriteRaw(path, Pattern(1024));
  QByteArray read;
  ASSERT_TRUE(ReadDataFile(path, read).ok);
  EXPECT_EQ(read, Pattern(850));
}

TEST(DataFile, ShortOrMissingFilesAreRefusedAndTheBufferKept) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("short.DAT"));
  WriteRaw(path, Pattern(847));
  QByteArray read("untouched");
  FileResult result = ReadDataFile(path, read);
  EXPECT_FALSE(result.ok);
  EXPECT_TRUE(result.error.contains(QStringLiteral("847")));
  EXPECT_EQ(read, QByteArray("untouched"));
  EXPECT_FALSE(ReadDataFile(dir.filePath(QStringLiteral("missing.DAT")), read).ok);
  EXPECT_EQ(read, QByteArray("untouched"));
}

TEST(DataFile, FailedWriteReportsAndLeavesNoFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("no/such/folder/radio.DAT"));
  const FileResult result = WriteDataFile(path, Pattern(848));
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.error.isEmpty());
  EXPECT_FALSE(QFile::exists(path));
}

TEST(ParameterFile, MissingFileReadsAsZerosAndWritingCreatesThreeBytes) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("parameter"));
  const Parameters p = ReadParameterFile(path);
  EXPECT_EQ(p.editLock, 0);
  EXPECT_EQ(p.comPortNumber, 0);
  EXPECT_EQ(p.language, 0);
  ASSERT_TRUE(WriteParameterFile(path, {1, 3, 1}));
  EXPECT_EQ(ReadRaw(path), QByteArray("\x01\x03\x01", 3));
  const Parameters back = ReadParameterFile(path);
  EXPECT_EQ(back.editLock, 1);
  EXPECT_EQ(back.comPortNumber, 3);
  EXPECT_EQ(back.language, 1);
}

TEST(ParameterFile, ShortFileAndExtraBytes) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("parameter"));
  WriteRaw(path, QByteArray("\x01", 1));
  Parameters p = ReadParameterFile(path);
  EXPECT_EQ(p.editLock, 1);
  EXPECT_EQ(p.comPortNumber, 0);
  WriteRaw(path, QByteArray("\x00\x00\x00\x09\x08", 5));
  ASSERT_TRUE(WriteParameterFile(path, {0, 20, 2}));
  EXPECT_EQ(ReadRaw(path), QByteArray("\x00\x14\x02\x09\x08", 5));
}

TEST(ParameterFile, UnwritableLocationIsReportedNotFatal) {
  QTemporaryDir dir;
  EXPECT_FALSE(WriteParameterFile(dir.filePath(QStringLiteral("missing/parameter")), {1, 1, 1}));
}

}  // namespace
}  // namespace qx210
