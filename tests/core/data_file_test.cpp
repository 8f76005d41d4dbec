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
#ifdef Q_OS_UNIX
#include "support/as_nobody.h"
#endif

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

Parameters Opened(const QStringList& candidates) { return OpenParameterFile(candidates).parameters; }

TEST(ParameterFile, AMissingFileIsCreatedEmptyAndReadsAsZeros) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("parameter"));
  const OpenedParameters opened = OpenParameterFile({path});
  EXPECT_EQ(opened.path, path);
  EXPECT_EQ(opened.parameters.editLock, 0);
  EXPECT_EQ(opened.parameters.comPortNumber, 0);
  EXPECT_EQ(opened.parameters.language, 0);
  // Created at start-up, not first at shutdown.
  EXPECT_TRUE(QFile::exists(path));
  EXPECT_EQ(ReadRaw(path), QByteArray());
  ASSERT_TRUE(WriteParameterFile(path, {1, 3, 1}));
  EXPECT_EQ(ReadRaw(path), QByteArray("\x01\x03\x01", 3));
  const Parameters back = Opened({path});
  EXPECT_EQ(back.editLock, 1);
  EXPECT_EQ(back.comPortNumber, 3);
  EXPECT_EQ(back.language, 1);
}

TEST(ParameterFile, ShortFileAndExtraBytes) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("parameter"));
  WriteRaw(path, QByteArray("\x01", 1));
  Parameters p = Opened({path});
  EXPECT_EQ(p.editLock, 1);
  EXPECT_EQ(p.comPortNumber, 0);
  WriteRaw(path, QByteArray("\x00\x00\x00\x09\x08", 5));
  ASSERT_TRUE(WriteParameterFile(path, {0, 20, 2}));
  EXPECT_EQ(ReadRaw(path), QByteArray("\x00\x14\x02\x09\x08", 5));
}

TEST(ParameterFile, TheLanguageCountsAsStoredOnlyWhenItsByteIsThere) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("parameter"));
  EXPECT_FALSE(Opened({path}).languageStored);
  WriteRaw(path, QByteArray("\x01\x02", 2));
  EXPECT_FALSE(Opened({path}).languageStored);
  WriteRaw(path, QByteArray("\x01\x02\x00", 3));
  EXPECT_TRUE(Opened({path}).languageStored);
  EXPECT_EQ(Opened({path}).language, 0);
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

TEST_F(ParameterLocations, AWritableFileBesideTheProgramWins) {
  WriteRaw(beside(), QByteArray("\x01\x02\x01", 3));
  WriteRaw(user(), QByteArray("\x00\x05\x00", 3));
  const OpenedParameters opened = OpenParameterFile(candidates());
  EXPECT_EQ(opened.path, beside());
  EXPECT_EQ(opened.parameters.editLock, 1);
  EXPECT_EQ(opened.parameters.comPortNumber, 2);
  EXPECT_EQ(opened.parameters.language, 1);
  ASSERT_TRUE(WriteParameterFile(opened.path, {0, 9, 0, true}));
  EXPECT_EQ(ReadRaw(beside()), QByteArray("\x00\x09\x00", 3));
  EXPECT_EQ(ReadRaw(user()), QByteArray("\x00\x05\x00", 3));
}

TEST_F(ParameterLocations, NoFileAnywhereGivesDefaultsAndTheFileGoesBesideTheProgram) {
  const OpenedParameters opened = OpenParameterFile(candidates());
  EXPECT_EQ(opened.parameters.editLock, 0);
  EXPECT_FALSE(opened.parameters.languageStored);
  EXPECT_EQ(opened.path, beside());
  EXPECT_TRUE(QFile::exists(beside()));
  EXPECT_FALSE(QFile::exists(user()));
}

TEST_F(ParameterLocations, AFolderNamedParameterFallsBackToTheUserFile) {
  ASSERT_TRUE(QDir().mkdir(beside()));
  WriteRaw(user(), QByteArray("\x00\x05\x01", 3));
  const OpenedParameters opened = OpenParameterFile(candidates());
  EXPECT_EQ(opened.path, user());
  EXPECT_EQ(opened.parameters.comPortNumber, 5);
  EXPECT_TRUE(QFileInfo(beside()).isDir());
}

TEST_F(ParameterLocations, AFolderThatCannotHoldFilesFallsBackAndUserFoldersAreMade) {
  // A file where the program's folder would be: nobody, not even root, can
  // create a file in it.
  WriteRaw(dir.filePath(QStringLiteral("plain")), "x");
  const QStringList where{dir.filePath(QStringLiteral("plain/parameter")),
                          dir.filePath(QStringLiteral("new/user/parameter"))};
  const OpenedParameters opened = OpenParameterFile(where);
  EXPECT_FALSE(opened.parameters.languageStored);
  EXPECT_EQ(opened.path, where[1]);
  ASSERT_TRUE(WriteParameterFile(opened.path, {1, 1, 1, true}));
  EXPECT_EQ(Opened(where).comPortNumber, 1);
  EXPECT_TRUE(OpenParameterFile({where[0]}).path.isEmpty());
}

#ifdef Q_OS_UNIX
TEST_F(ParameterLocations, AFifoNamedParameterIsPassedOverWithoutWaiting) {
  ASSERT_EQ(::mkfifo(QFile::encodeName(beside()).constData(), 0600), 0);
  WriteRaw(user(), QByteArray("\x00\x03\x01", 3));
  const OpenedParameters opened = OpenParameterFile(candidates());
  EXPECT_EQ(opened.path, user());
  EXPECT_EQ(opened.parameters.comPortNumber, 3);
  struct stat info {};
  ASSERT_EQ(::stat(QFile::encodeName(beside()).constData(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

// A read-only file beside the program (an administrator's) seeds the per-user
// file once; from then on the per-user file is read and written, so what the
// user chose survives the next start. Run as a user who is not root.
TEST_F(ParameterLocations, AReadOnlyFileBesideTheProgramOnlySeedsTheUserFile) {
  WriteRaw(beside(), QByteArray("\x01\x02\x01", 3));
  const QString bin = dir.filePath(QStringLiteral("bin"));
  // Readable by everyone, writable by nobody but root.
  ASSERT_TRUE(QFile::setPermissions(beside(), QFileDevice::ReadOwner | QFileDevice::ReadOther));
  for (const QString& folder : {dir.path(), bin})
    ASSERT_TRUE(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                  QFileDevice::ReadOther | QFileDevice::ExeOther));
  ASSERT_TRUE(QFile::setPermissions(dir.filePath(QStringLiteral("user")), QFileDevice::ReadOwner |
      QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther | QFileDevice::WriteOther |
      QFileDevice::ExeOther));
  std::string skipReason;
  const std::string report = test::RunAsNonRoot([this]() -> std::string {
    const OpenedParameters first = OpenParameterFile(candidates());
    if (first.path != user()) return "the first start chose " + first.path.toStdString();
    if (first.parameters.comPortNumber != 2 || first.parameters.language != 1) return "the seed was not read";
    if (ReadRaw(user()) != QByteArray("\x01\x02\x01", 3)) return "the user file was not seeded at start-up";
    // Shutdown: the user unlocked, chose port 8 and Chinese.
    if (!WriteParameterFile(first.path, {0, 8, 0, true})) return "shutdown could not write the user file";
    const OpenedParameters second = OpenParameterFile(candidates());
    if (second.path != user()) return "the second start chose " + second.path.toStdString();
    if (second.parameters.editLock != 0 || second.parameters.comPortNumber != 8 || second.parameters.language != 0)
      return "the second start did not read what the user chose";
    if (ReadRaw(beside()) != QByteArray("\x01\x02\x01", 3)) return "the file beside the program changed";
    return {};
  }, skipReason);
  QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  QFile::setPermissions(bin, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  if (!skipReason.empty()) GTEST_SKIP() << skipReason;
  EXPECT_EQ(report, "");
}
#endif

TEST(ParameterFile, UnwritableLocationIsReportedNotFatal) {
  QTemporaryDir dir;
  EXPECT_FALSE(WriteParameterFile(dir.filePath(QStringLiteral("missing/parameter")), {1, 1, 1}));
}

}  // namespace
}  // namespace qx210
