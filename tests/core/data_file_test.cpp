#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

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
  const Parameters p = LoadParameters({path});
  EXPECT_EQ(p.editLock, 0);
  EXPECT_EQ(p.comPortNumber, 0);
  EXPECT_EQ(p.language, 0);
  ASSERT_TRUE(WriteParameterFile(path, {1, 3, 1}));
  EXPECT_EQ(ReadRaw(path), QByteArray("\x01\x03\x01", 3));
  const Parameters back = LoadParameters({path});
  EXPECT_EQ(back.editLock, 1);
  EXPECT_EQ(back.comPortNumber, 3);
  EXPECT_EQ(back.language, 1);
}

TEST(ParameterFile, ShortFileAndExtraBytes) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("parameter"));
  WriteRaw(path, QByteArray("\x01", 1));
  Parameters p = LoadParameters({path});
  EXPECT_EQ(p.editLock, 1);
  EXPECT_EQ(p.comPortNumber, 0);
  WriteRaw(path, QByteArray("\x00\x00\x00\x09\x08", 5));
  ASSERT_TRUE(WriteParameterFile(path, {0, 20, 2}));
  EXPECT_EQ(ReadRaw(path), QByteArray("\x00\x14\x02\x09\x08", 5));
}

TEST(ParameterFile, TheLanguageCountsAsStoredOnlyWhenItsByteIsThere) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("parameter"));
  EXPECT_FALSE(LoadParameters({path}).languageStored);
  WriteRaw(path, QByteArray("\x01\x02", 2));
  EXPECT_FALSE(LoadParameters({path}).languageStored);
  WriteRaw(path, QByteArray("\x01\x02\x00", 3));
  EXPECT_TRUE(LoadParameters({path}).languageStored);
  EXPECT_EQ(LoadParameters({path}).language, 0);
}

// The file beside the program and the per-user one, in a scratch folder.
class ParameterLocations : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("bin"))));
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("user"))));
  }
  QString beside() const { return dir.filePath(QStringLiteral("bin/parameter")); }
  QString user() const { return dir.filePath(QStringLiteral("user/parameter")); }
  QStringList candidates() const { return {beside(), user()}; }

  QTemporaryDir dir;
};

TEST_F(ParameterLocations, AReadableFileBesideTheProgramWins) {
  WriteRaw(beside(), QByteArray("\x01\x02\x01", 3));
  WriteRaw(user(), QByteArray("\x00\x05\x00", 3));
  const Parameters p = LoadParameters(candidates());
  EXPECT_EQ(p.editLock, 1);
  EXPECT_EQ(p.comPortNumber, 2);
  EXPECT_EQ(p.language, 1);
  ASSERT_TRUE(StoreParameters({0, 9, 0, true}, candidates()));
  EXPECT_EQ(ReadRaw(beside()), QByteArray("\x00\x09\x00", 3));
  EXPECT_EQ(ReadRaw(user()), QByteArray("\x00\x05\x00", 3));
}

TEST_F(ParameterLocations, NoFileAnywhereGivesDefaultsAndTheFileGoesBesideTheProgram) {
  const Parameters p = LoadParameters(candidates());
  EXPECT_EQ(p.editLock, 0);
  EXPECT_FALSE(p.languageStored);
  ASSERT_TRUE(StoreParameters({1, 4, 1, true}, candidates()));
  EXPECT_EQ(ReadRaw(beside()), QByteArray("\x01\x04\x01", 3));
  EXPECT_FALSE(QFile::exists(user()));
}

TEST_F(ParameterLocations, AFolderNamedParameterFallsBackToTheUserFile) {
  ASSERT_TRUE(QDir().mkdir(beside()));
  WriteRaw(user(), QByteArray("\x00\x05\x01", 3));
  EXPECT_EQ(LoadParameters(candidates()).comPortNumber, 5);
  ASSERT_TRUE(StoreParameters({0, 6, 1, true}, candidates()));
  EXPECT_TRUE(QFileInfo(beside()).isDir());
  EXPECT_EQ(ReadRaw(user()), QByteArray("\x00\x06\x01", 3));
}

TEST_F(ParameterLocations, AFolderThatCannotHoldFilesFallsBackAndUserFoldersAreMade) {
  // A file where the program's folder would be: nobody, not even root, can
  // create a file in it.
  WriteRaw(dir.filePath(QStringLiteral("plain")), "x");
  const QStringList where{dir.filePath(QStringLiteral("plain/parameter")),
                          dir.filePath(QStringLiteral("new/user/parameter"))};
  EXPECT_FALSE(LoadParameters(where).languageStored);
  ASSERT_TRUE(StoreParameters({1, 1, 1, true}, where));
  EXPECT_EQ(ReadRaw(where[1]), QByteArray("\x01\x01\x01", 3));
  EXPECT_EQ(LoadParameters(where).comPortNumber, 1);
  EXPECT_FALSE(StoreParameters({1, 1, 1, true}, {where[0]}));
}

#ifdef Q_OS_UNIX
TEST_F(ParameterLocations, AFifoNamedParameterIsPassedOverWithoutWaiting) {
  ASSERT_EQ(::mkfifo(QFile::encodeName(beside()).constData(), 0600), 0);
  WriteRaw(user(), QByteArray("\x00\x03\x01", 3));
  EXPECT_EQ(LoadParameters(candidates()).comPortNumber, 3);
  ASSERT_TRUE(StoreParameters({0, 4, 1, true}, candidates()));
  EXPECT_EQ(ReadRaw(user()), QByteArray("\x00\x04\x01", 3));
  struct stat info {};
  ASSERT_EQ(::stat(QFile::encodeName(beside()).constData(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST_F(ParameterLocations, AReadOnlyFileBesideTheProgramIsReadButNeverReplaced) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write any file";
  WriteRaw(beside(), QByteArray("\x01\x02\x01", 3));
  ASSERT_TRUE(QFile::setPermissions(beside(), QFileDevice::ReadOwner));
  ASSERT_TRUE(QFile::setPermissions(dir.filePath(QStringLiteral("bin")),
                                    QFileDevice::ReadOwner | QFileDevice::ExeOwner));
  EXPECT_EQ(LoadParameters(candidates()).comPortNumber, 2);
  ASSERT_TRUE(StoreParameters({0, 8, 0, true}, candidates()));
  EXPECT_EQ(ReadRaw(beside()), QByteArray("\x01\x02\x01", 3));
  EXPECT_EQ(ReadRaw(user()), QByteArray("\x00\x08\x00", 3));
  QFile::setPermissions(dir.filePath(QStringLiteral("bin")), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                                 QFileDevice::ExeOwner);
}
#endif

TEST(ParameterFile, UnwritableLocationIsReportedNotFatal) {
  QTemporaryDir dir;
  EXPECT_FALSE(WriteParameterFile(dir.filePath(QStringLiteral("missing/parameter")), {1, 1, 1}));
}

}  // namespace
}  // namespace qx210
