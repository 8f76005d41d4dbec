// The emulator program as a user starts it: its printed paths, the fixed
// link to its pseudo-terminal and the kinds of device it can stand for.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <QElapsedTimer>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

namespace qx210 {
namespace {

// Sends `bytes` to the terminal at `path` and collects what comes back
// within `ms` milliseconds.
QByteArray Exchange(const QString& path, const QByteArray& bytes, int ms = 400) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return "open failed";
  termios tio{};
  ::tcgetattr(fd, &tio);
  ::cfmakeraw(&tio);
  ::tcsetattr(fd, TCSANOW, &tio);
  [[maybe_unused]] const ssize_t written = ::write(fd, bytes.constData(), static_cast<size_t>(bytes.size()));
  QByteArray received;
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) {
    pollfd in{fd, POLLIN, 0};
    if (::poll(&in, 1, 20) <= 0) continue;
    char buffer[256];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n > 0) received.append(buffer, n);
  }
  ::close(fd);
  return received;
}

class RadioSimProgram : public ::testing::Test {
 protected:
  // Starts the emulator and waits for its `lines` printed paths.
  QStringList start(const QStringList& arguments, int lines = 1) {
    m_process.start(QStringLiteral(QX210_SIM_PATH), arguments);
    if (!m_process.waitForStarted(5000)) return {};
    QStringList paths;
    while (paths.size() < lines && m_process.waitForReadyRead(5000))
      while (m_process.canReadLine()) paths << QString::fromLocal8Bit(m_process.readLine()).trimmed();
    return paths;
  }
  // SIGTERM, as a user's kill; the emulator cleans up and exits 0.
  int stop() {
    ::kill(static_cast<pid_t>(m_process.processId()), SIGTERM);
    if (!m_process.waitForFinished(5000)) return -1;
    return m_process.exitCode();
  }
  void TearDown() override {
    if (m_process.state() != QProcess::NotRunning) {
      m_process.kill();
      m_process.waitForFinished();
    }
  }
  QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }

  QTemporaryDir m_dir;
  QProcess m_process;
};

TEST_F(RadioSimProgram, LinkPointsToThePrintedTerminalAndGoesAwayOnExit) {
  // A link left by an emulator that was killed is replaced.
  ASSERT_TRUE(QFile::link(QStringLiteral("/dev/pts/no-such-terminal"), path("radio")));
  const QStringList paths = start({QStringLiteral("--link"), path("radio")});
  ASSERT_EQ(paths.size(), 1);
  EXPECT_TRUE(paths.first().startsWith(QStringLiteral("/dev/")));
  EXPECT_EQ(QFileInfo(path("radio")).symLinkTarget(), paths.first());
  EXPECT_EQ(stop(), 0);
  EXPECT_FALSE(QFileInfo(path("radio")).isSymLink());
}

TEST_F(RadioSimProgram, LinkNeverReplacesAFile) {
  QFile file(path("notes"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("keep me");
  file.close();
  m_process.start(QStringLiteral(QX210_SIM_PATH), {QStringLiteral("--link"), path("notes")});
  ASSERT_TRUE(m_process.waitForFinished(5000));
  EXPECT_NE(m_process.exitCode(), 0);
  EXPECT_TRUE(QString::fromLocal8Bit(m_process.readAllStandardError()).contains(QStringLiteral("not a symbolic link")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("keep me"));
}

TEST_F(RadioSimProgram, SeveralRadiosEachWithTheirOwnTerminalAndLink) {
  const QStringList paths = start({QStringLiteral("--radios"), QStringLiteral("3"), QStringLiteral("--link"),
                                   path("qx")},
                                  3);
  ASSERT_EQ(paths.size(), 3);
  EXPECT_EQ(QSet<QString>(paths.begin(), paths.end()).size(), 3);
  for (int n = 1; n <= 3; ++n) {
    const QString link = path("qx") + QStringLiteral("-%1").arg(n);
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), paths.at(n - 1)) << n;
    // Each one is a radio that acknowledges the program request.
    EXPECT_EQ(Exchange(link, "PROGRAM").toHex(), QByteArray("06")) << n;
    Exchange(link, "E", 50);
  }
  EXPECT_EQ(stop(), 0);
  for (int n = 1; n <= 3; ++n) EXPECT_FALSE(QFileInfo::exists(path("qx") + QStringLiteral("-%1").arg(n)));
}

TEST_F(RadioSimProgram, EchoReturnsEveryByte) {
  const QStringList paths = start({QStringLiteral("--echo")});
  ASSERT_EQ(paths.size(), 1);
  EXPECT_EQ(Exchange(paths.first(), "PROGRAM"), QByteArray("PROGRAM"));
  EXPECT_EQ(Exchange(paths.first(), QByteArray::fromHex("0200FF")), QByteArray::fromHex("0200FF"));
}

TEST_F(RadioSimProgram, RadioOfAnotherModel) {
  const QStringList paths = start({QStringLiteral("--model"), QStringLiteral("Q7000")});
  ASSERT_EQ(paths.size(), 1);
  EXPECT_EQ(Exchange(paths.first(), "PROGRAM").toHex(), QByteArray("06"));
  EXPECT_EQ(Exchange(paths.first(), QByteArray(1, '\x02')), QByteArray("Q7000\x33\xF8\xFF", 8));
  Exchange(paths.first(), "E", 50);
  stop();
  const QStringList raw = start({QStringLiteral("--identification"), QStringLiteral("414243")});
  ASSERT_EQ(raw.size(), 1);
  Exchange(raw.first(), "PROGRAM");
  EXPECT_EQ(Exchange(raw.first(), QByteArray(1, '\x02')), QByteArray("ABC"));
}

TEST_F(RadioSimProgram, BadOptionsAreRefused) {
  for (const QStringList& arguments : {QStringList{QStringLiteral("--radios"), QStringLiteral("0")},
                                       QStringList{QStringLiteral("--model"), QStringLiteral("P32")},
                                       QStringList{QStringLiteral("--identification"), QStringLiteral("XYZ")}}) {
    QProcess process;
    process.start(QStringLiteral(QX210_SIM_PATH), arguments);
    ASSERT_TRUE(process.waitForFinished(5000));
    EXPECT_EQ(process.exitCode(), 2) << arguments.join(QLatin1Char(' ')).toStdString();
  }
}

}  // namespace
}  // namespace qx210
