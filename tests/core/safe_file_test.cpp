// Reading and saving the program's files: special files are refused at once,
// and a save that fails leaves the old file byte for byte.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "core/data_file.h"
#include "core/parameter_file.h"
#include "core/safe_file.h"

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

namespace qx210 {
namespace {

QByteArray Pattern(int size, int seed = 7) {
  QByteArray bytes(size, '\0');
  for (int i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * seed + 1);
  return bytes;
}

void WriteRaw(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray ReadRaw(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(SafeFile, ReadsAtMostTheLimitAndReportsMissingFiles) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("f.bin"));
  WriteRaw(path, Pattern(100));
  QByteArray bytes;
  QString error;
  ASSERT_TRUE(ReadRegularFile(path, 10, bytes, error));
  EXPECT_EQ(bytes, Pattern(10));

  bytes = "kept";
  EXPECT_FALSE(ReadRegularFile(dir.filePath(QStringLiteral("missing")), 10, bytes, error));
  EXPECT_EQ(error, QStringLiteral("it does not exist"));
  EXPECT_EQ(bytes, QByteArray("kept"));
}

TEST(SafeFile, FoldersAreNeitherReadNorReplaced) {
  QTemporaryDir dir;
  const QString folder = dir.filePath(QStringLiteral("sub.DAT"));
  ASSERT_TRUE(QDir().mkdir(folder));
  QByteArray bytes;
  QString error;
  EXPECT_FALSE(ReadRegularFile(folder, 10, bytes, error));
  EXPECT_EQ(error, QStringLiteral("it is a folder"));
  EXPECT_FALSE(SaveFileAtomically(folder, Pattern(10), error));
  EXPECT_EQ(error, QStringLiteral("it is a folder"));
  EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST(SafeFile, SaveReplacesTheWholeFileAndLeavesNoTemporaryFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("radio.DAT"));
  WriteRaw(path, Pattern(2000, 3));
  QString error;
  ASSERT_TRUE(SaveFileAtomically(path, Pattern(848), error)) << error.toStdString();
  EXPECT_EQ(ReadRaw(path), Pattern(848));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("radio.DAT")});
}

#ifdef Q_OS_UNIX

// The whole call, however it ends, within a second: nothing waits for a writer
// or a reader at the other end of a FIFO.
template <typename Call>
qint64 Milliseconds(Call call) {
  QElapsedTimer timer;
  timer.start();
  call();
  return timer.elapsed();
}

TEST(SafeFile, FifoIsRefusedAtOnceForReadingAndSaving) {
  QTemporaryDir dir;
  const QString fifo = dir.filePath(QStringLiteral("pipe.DAT"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

  QByteArray image("kept");
  FileResult read;
  EXPECT_LT(Milliseconds([&] { read = ReadDataFile(fifo, image); }), 1000);
  EXPECT_FALSE(read.ok);
  EXPECT_TRUE(read.error.contains(QStringLiteral("named pipe"))) << read.error.toStdString();
  EXPECT_EQ(image, QByteArray("kept"));
  // The window says it in its own language.
  EXPECT_EQ(ReadDataFile(fifo, image, kChinese).error, QStringLiteral("无法打开 %1：这是一个命名管道（FIFO）").arg(fifo));

  FileResult written;
  EXPECT_LT(Milliseconds([&] { written = WriteDataFile(fifo, Pattern(848)); }), 1000);
  EXPECT_FALSE(written.ok);
  EXPECT_TRUE(written.error.startsWith(QStringLiteral("Cannot write"))) << written.error.toStdString();
  struct stat info {};
  ASSERT_EQ(::stat(QFile::encodeName(fifo).constData(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));

  // A FIFO named "parameter" reads as no file at all.
  Parameters p;
  EXPECT_LT(Milliseconds([&] { p = OpenParameterFile({fifo}).parameters; }), 1000);
  EXPECT_FALSE(p.languageStored);
}

TEST(SafeFile, DevicePathIsRefusedAndLeftAlone) {
  const QString device = QStringLiteral("/dev/null");
  QByteArray image("kept");
  const FileResult read = ReadDataFile(device, image);
  EXPECT_FALSE(read.ok);
  EXPECT_TRUE(read.error.contains(QStringLiteral("device"))) << read.error.toStdString();
  EXPECT_EQ(image, QByteArray("kept"));

  // The target is refused before the save begins: as root, a save that went
  // through would put a regular file in place of the device node.
  QString error;
  EXPECT_FALSE(SaveFileAtomically(device, Pattern(848), error));
  EXPECT_EQ(error, QStringLiteral("it is a device"));
  EXPECT_FALSE(WriteDataFile(device, Pattern(848)).ok);
  struct stat info {};
  ASSERT_EQ(::stat("/dev/null", &info), 0);
  EXPECT_TRUE(S_ISCHR(info.st_mode));
}

TEST(SafeFile, AWholeReadRefusesWhatIsLargerThanTheLimit) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("list.csv"));
  WriteRaw(path, Pattern(101));
  QByteArray bytes("kept");
  QString error;
  EXPECT_FALSE(ReadWholeRegularFile(path, 100, bytes, error));
  EXPECT_EQ(error, QStringLiteral("it is larger than 100 bytes and is not read"));
  EXPECT_EQ(bytes, QByteArray("kept"));
  ASSERT_TRUE(ReadWholeRegularFile(path, 101, bytes, error));
  EXPECT_EQ(bytes, Pattern(101));
}

TEST(SafeFile, AReadOnlyFileIsReplacedOnlyWhenAskedAndStaysReadOnly) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("radio.DAT"));
  WriteRaw(path, Pattern(20));
  ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
  EXPECT_TRUE(IsReadOnlyFile(path));
  QString error;
  EXPECT_FALSE(SaveFileAtomically(path, Pattern(848), error));
  EXPECT_EQ(error, QStringLiteral("it is read-only"));
  EXPECT_EQ(ReadRaw(path), Pattern(20));
  ASSERT_TRUE(SaveFileAtomically(path, Pattern(848), error, kEnglish, ReadOnlyFiles::Replace)) << error.toStdString();
  EXPECT_EQ(ReadRaw(path), Pattern(848));
  struct stat info {};
  ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0440u);
}

TEST(SafeFile, SaveThroughALinkKeepsTheLink) {
  QTemporaryDir dir;
  const QString target = dir.filePath(QStringLiteral("real.DAT"));
  const QString link = dir.filePath(QStringLiteral("link.DAT"));
  WriteRaw(target, Pattern(20));
  ASSERT_TRUE(QFile::link(target, link));
  QString error;
  ASSERT_TRUE(SaveFileAtomically(link, Pattern(848), error)) << error.toStdString();
  EXPECT_TRUE(QFileInfo(link).isSymLink());
  EXPECT_EQ(ReadRaw(target), Pattern(848));
}

// Root saving: a link another user planted in a shared folder is not
// followed, and a user's file stays theirs with its permissions.
TEST(SafeFile, RootSavesNeitherThroughAnotherUsersLinkNorTakeTheFile) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root: only root can give files and links to another user";
  const passwd* nobody = ::getpwnam("nobody");
  ASSERT_NE(nobody, nullptr);
  QTemporaryDir dir;
  const QString shared = dir.filePath(QStringLiteral("tmp"));
  ASSERT_TRUE(QDir().mkdir(shared));
  ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
  const QString secret = dir.filePath(QStringLiteral("secret"));
  WriteRaw(secret, Pattern(30));
  ASSERT_TRUE(QFile::setPermissions(secret, QFileDevice::ReadOwner | QFileDevice::WriteOwner));

  const QString planted = shared + QStringLiteral("/radio.DAT");
  ASSERT_TRUE(QFile::link(secret, planted));
  ASSERT_EQ(::lchown(QFile::encodeName(planted).constData(), nobody->pw_uid, nobody->pw_gid), 0);
  QString error;
  EXPECT_FALSE(SaveFileAtomically(planted, Pattern(848), error));
  EXPECT_TRUE(error.contains(QStringLiteral("another user"))) << error.toStdString();
  EXPECT_EQ(ReadRaw(secret), Pattern(30));
  EXPECT_TRUE(QFileInfo(planted).isSymLink());
  // Root's own link there is followed, as the kernel follows it.
  const QString own = shared + QStringLiteral("/own.DAT");
  ASSERT_TRUE(QFile::link(secret, own));
  EXPECT_TRUE(SaveFileAtomically(own, Pattern(848), error)) << error.toStdString();
  EXPECT_EQ(ReadRaw(secret), Pattern(848));

  const QString users = dir.filePath(QStringLiteral("users.DAT"));
  WriteRaw(users, Pattern(10));
  ASSERT_EQ(::chown(QFile::encodeName(users).constData(), nobody->pw_uid, nobody->pw_gid), 0);
  ASSERT_EQ(::chmod(QFile::encodeName(users).constData(), 0640), 0);
  ASSERT_TRUE(WriteDataFile(users, Pattern(848)).ok);
  struct stat info {};
  ASSERT_EQ(::stat(QFile::encodeName(users).constData(), &info), 0);
  EXPECT_EQ(info.st_uid, nobody->pw_uid);
  EXPECT_EQ(info.st_gid, nobody->pw_gid);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  EXPECT_EQ(ReadRaw(users), Pattern(848));
}

// A file the user may not write stays as it is, even in a folder that would
// let the user put another file in its place.
TEST(SafeFile, AFileTheUserMayNotWriteIsReadOnlyToThem) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to run the check as the user nobody";
  const passwd* nobody = ::getpwnam("nobody");
  ASSERT_NE(nobody, nullptr);
  QTemporaryDir dir;
  const QString open = dir.filePath(QStringLiteral("open"));
  ASSERT_TRUE(QDir().mkdir(open));
  ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
  ASSERT_EQ(::chmod(QFile::encodeName(open).constData(), 0777), 0);
  const QString file = open + QStringLiteral("/root.DAT");
  WriteRaw(file, Pattern(30));
  const pid_t child = ::fork();
  if (child == 0) {
    if (::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0) ::_exit(3);
    QString error;
    const bool refused = IsReadOnlyFile(file) && !SaveFileAtomically(file, Pattern(848), error) &&
                         error == QStringLiteral("it is read-only");
    ::_exit(refused ? 0 : 1);
  }
  int status = -1;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_EQ(ReadRaw(file), Pattern(30));
  EXPECT_EQ(QFileInfo(file).ownerId(), 0u);
}

// Runs `save` in a child process whose files may not grow beyond `limit`
// bytes (a full disk, without a disk to fill). Returns what the child
// reported: 0 the save said it failed, 1 it said it succeeded, else a crash.
template <typename Save>
int SaveUnderSizeLimit(rlim_t limit, Save save) {
  const pid_t child = ::fork();
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);  // the write fails with EFBIG instead
    const rlimit small{limit, limit};
    if (::setrlimit(RLIMIT_FSIZE, &small) != 0) ::_exit(3);
    ::_exit(save() ? 1 : 0);
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SafeFile, SaveThatRunsOutOfSpaceLeavesTheOldFileByteForByte) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("radio.DAT"));
  const QByteArray old = Pattern(848, 5);
  WriteRaw(path, old);

  EXPECT_EQ(SaveUnderSizeLimit(512,
                               [&] {
                                 const FileResult result = WriteDataFile(path, Pattern(848));
                                 // The reason reaches the caller.
                                 return result.ok || !result.error.startsWith(QStringLiteral("Cannot write"));
                               }),
            0);
  EXPECT_EQ(ReadRaw(path), old);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("radio.DAT")});

  // A new file is not left behind half written either.
  const QString fresh = dir.filePath(QStringLiteral("fresh.DAT"));
  EXPECT_EQ(SaveUnderSizeLimit(512, [&] { return WriteDataFile(fresh, Pattern(848)).ok; }), 0);
  EXPECT_FALSE(QFile::exists(fresh));
}

TEST(SafeFile, ParameterFileThatCannotBeWrittenStaysAsItWas) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("parameter"));
  WriteRaw(path, QByteArray("\x01\x02\x01\x55", 4));
  EXPECT_EQ(SaveUnderSizeLimit(2, [&] { return WriteParameterFile(path, {0, 7, 0, true}); }), 0);
  EXPECT_EQ(ReadRaw(path), QByteArray("\x01\x02\x01\x55", 4));
}

#endif  // Q_OS_UNIX

}  // namespace
}  // namespace qx210
