// The emulator program as a user starts it: its printed paths, the fixed
// link to its pseudo-terminal and the kinds of device it can stand for.
#include <gtest/gtest.h>
#include <signal.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace qx210 {
namespace {

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

}  // namespace
}  // namespace qx210
