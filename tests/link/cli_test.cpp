#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "core/backups.h"
#include "core/codec.h"
#include "core/data_file.h"
#include "support/cli_run.h"
#include "support/link_rig.h"

namespace qx210 {
namespace {

using test::SampleImage;

using test::CliRun;

// Runs qx210-cli while the radio answers in its own thread.
CliRun RunCli(const QStringList& arguments, int timeoutMs = 15000) { return test::RunCli(arguments, {}, timeoutMs); }

class CliTest : public ::testing::Test {
 protected:
  void startRadio(QByteArray model, unsigned char code, const QByteArray& memory, sim::RadioFaults faults = {}) {
    sim::RadioProtocol protocol(std::move(model), code);
    protocol.loadMemory(memory);
    protocol.setFaults(faults);
    m_radio = std::make_unique<sim::PtyRadio>(std::move(protocol), sim::LineOptions{});
    ASSERT_TRUE(m_radio->open());
    m_radio->start();
  }
  void TearDown() override {
    if (m_radio) m_radio->stop();
  }
  QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
  QString port() const { return m_radio->slavePath(); }

  QTemporaryDir m_dir;
  std::unique_ptr<sim::PtyRadio> m_radio;
};

TEST_F(CliTest, ReadWritesTheEncodedImageOfTheRadio) {
  startRadio("P2207", 0x01, SampleImage());
  const CliRun run = RunCli({QStringLiteral("read"), QStringLiteral("--port"), port(), QStringLiteral("--out"),
                             path("radio.DAT")});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains(QStringLiteral("Read frequency success!")));
  QByteArray file;
  ASSERT_TRUE(ReadDataFile(path("radio.DAT"), file).ok);
  RadioState state;
  ASSERT_TRUE(DecodeImage(SampleImage(), state));
  EXPECT_EQ(file, EncodeImage(state));
  EXPECT_EQ(m_radio->endsReceived(), 1);
  // What the radio held is kept among the backups, as read.
  const QStringList backups = BackupStore(test::CliDataFolder(QStringLiteral("qx210/backups"))).backups();
  ASSERT_FALSE(backups.isEmpty());
  QFile backup(backups.first());
  ASSERT_TRUE(backup.open(QIODevice::ReadOnly));
  EXPECT_EQ(backup.readAll(), SampleImage());
}

TEST_F(CliTest, RawReadKeepsAll1024Bytes) {
  QByteArray memory = SampleImage();
  memory[1000] = 0x42;
  startRadio("P2207", 0x01, memory);
  const CliRun run = RunCli({QStringLiteral("read"), QStringLiteral("--raw"), QStringLiteral("--port"), port(),
                             QStringLiteral("--out"), path("raw.DAT")});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  QFile file(path("raw.DAT"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), memory);
}

TEST_F(CliTest, WriteChangesTheWrittenRegionsOnly) {
  startRadio("P2207", 0x01, QByteArray(1024, '\x5A'));
  ASSERT_TRUE(WriteDataFile(path("in.DAT"), SampleImage().left(848)).ok);
  const CliRun run = RunCli({QStringLiteral("write"), QStringLiteral("--port"), port(), QStringLiteral("--in"),
                             path("in.DAT")});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains(QStringLiteral("Write frequency success!")));
  RadioState state;
  ASSERT_TRUE(DecodeImage(SampleImage(), state));
  const QByteArray image = EncodeImage(state);
  const QByteArray memory = m_radio->memory();
  for (int address = 0x10; address < 0x410; ++address) {
    const int block = address & ~0xF;
    const bool written = (block <= 0x0170) || block == 0x01B0 || (block >= 0x0280 && block <= 0x0350);
    ASSERT_EQ(memory.at(address - 0x10), written ? image.at(address - 0x10) : '\x5A') << std::hex << address;
  }
  EXPECT_FALSE(m_radio->writtenAddresses().contains(0x0180));
}

TEST_F(CliTest, CalibrationOptionWritesBlock0180) {
  startRadio("P2207", 0x01, QByteArray(1024, '\x5A'));
  ASSERT_TRUE(WriteDataFile(path("in.DAT"), SampleImage().left(848)).ok);
  const CliRun run = RunCli({QStringLiteral("write"), QStringLiteral("--calibration"), QStringLiteral("--port"),
                             port(), QStringLiteral("--in"), path("in.DAT")});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(m_radio->writtenAddresses().size(), 39);
}

TEST_F(CliTest, BandMismatchIsRefusedUnlessForced) {
  startRadio("P3207", 0x33, QByteArray(1024, '\x5A'));
  ASSERT_TRUE(WriteDataFile(path("vhf.DAT"), SampleImage().left(848)).ok);
  const QStringList args{QStringLiteral("write"), QStringLiteral("--port"), port(), QStringLiteral("--in"),
                         path("vhf.DAT")};
  const CliRun refused = RunCli(args);
  EXPECT_EQ(refused.exitCode, 3);
  EXPECT_TRUE(refused.err.contains(QStringLiteral("Frequency band with discrepancies, do not write.")))
      << refused.err.toStdString();
  EXPECT_EQ(m_radio->memory(), QByteArray(1024, '\x5A'));

  const CliRun forced = RunCli(args + QStringList{QStringLiteral("--force-band")});
  EXPECT_EQ(forced.exitCode, 0) << forced.err.toStdString();
  EXPECT_EQ(m_radio->writtenAddresses().size(), 38);
}

TEST_F(CliTest, SilentRadioEndsWithTheCommunicationErrorAndNoFile) {
  startRadio("P2207", 0x01, SampleImage(), {.silenceAfter = 6});
  const CliRun run = RunCli({QStringLiteral("read"), QStringLiteral("--port"), port(), QStringLiteral("--out"),
                             path("never.DAT")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.err.contains(QStringLiteral(
      "Communication error, please check the intercom model, fault, attachment and computer serial choice!")));
  // What the program saw, below the message: the reply of block 0x0050 was
  // acknowledged, and nothing came back.
  EXPECT_TRUE(run.err.contains(QStringLiteral("No answer after block 0x0050."))) << run.err.toStdString();
  EXPECT_FALSE(QFile::exists(path("never.DAT")));
}

TEST_F(CliTest, ChineseMessages) {
  startRadio("P2207", 0x01, SampleImage(), {.corruptReply = 2});
  const CliRun run = RunCli({QStringLiteral("read"), QStringLiteral("--lang"), QStringLiteral("zh"),
                             QStringLiteral("--port"), port(), QStringLiteral("--out"), path("x.DAT")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.err.contains(QString::fromUtf8("通信出错，请检查对讲机型号、故障、连线及计算机串口的选择！")));
  EXPECT_TRUE(run.err.contains(QString::fromUtf8("型号标识不是 QX-210 的：D0 32 32 30 37 01 F8 FF。")))
      << run.err.toStdString();
}

TEST_F(CliTest, MissingPortSaysThePortIsNotOpen) {
  const CliRun run = RunCli({QStringLiteral("read"), QStringLiteral("--port"), path("no-such-tty"),
                             QStringLiteral("--out"), path("x.DAT")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.err.contains(QStringLiteral("Communication port not open")));
}

// README.md once went into a radio as if it were a data file.
TEST_F(CliTest, AFileThatIsNotThisRadiosIsWrittenOnlyWhenForced) {
  startRadio("P3207", 0x33, QByteArray(1024, '\x5A'));
  QFile notes(path("notes.md"));
  ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
  notes.write(QByteArray(2000, 'x'));
  notes.close();
  const QStringList args{QStringLiteral("write"), QStringLiteral("--port"), port(), QStringLiteral("--in"),
                         path("notes.md")};
  const CliRun refused = RunCli(args);
  EXPECT_EQ(refused.exitCode, 4);
  EXPECT_TRUE(refused.err.contains(QStringLiteral("does not look like a QX-210 data file"))) << refused.err.toStdString();
  EXPECT_EQ(m_radio->programRequests(), 0);
  const CliRun forced = RunCli(args + QStringList{QStringLiteral("--force")});
  EXPECT_EQ(forced.exitCode, 0) << forced.err.toStdString();
}

// A read-only file is not replaced by a read, which then does not begin;
// --force replaces it.
TEST_F(CliTest, ReadIntoAReadOnlyFileNeedsForce) {
  startRadio("P2207", 0x01, SampleImage());
  ASSERT_TRUE(WriteDataFile(path("old.DAT"), QByteArray(848, '\x11')).ok);
  ASSERT_TRUE(QFile::setPermissions(path("old.DAT"), QFileDevice::ReadOwner));
  const QStringList read{QStringLiteral("read"), QStringLiteral("--port"), port(), QStringLiteral("--out"),
                         path("old.DAT")};
  const CliRun refused = RunCli(read);
  EXPECT_EQ(refused.exitCode, 4);
  EXPECT_TRUE(refused.err.contains(QStringLiteral("read-only"))) << refused.err.toStdString();
  EXPECT_EQ(m_radio->programRequests(), 0);
  EXPECT_EQ(RunCli({QStringLiteral("read"), QStringLiteral("--port"), QString(), QStringLiteral("--out"),
                    path("x.DAT")})
                .exitCode,
            2);

  const CliRun forced = RunCli(read + QStringList{QStringLiteral("--force")});
  EXPECT_EQ(forced.exitCode, 0) << forced.err.toStdString();
  QByteArray file;
  ASSERT_TRUE(ReadDataFile(path("old.DAT"), file).ok);
  EXPECT_NE(file, QByteArray(848, '\x11'));
}

TEST_F(CliTest, UsageErrorsHelpAndVersion) {
  EXPECT_EQ(RunCli({QStringLiteral("read")}).exitCode, 2);
  EXPECT_EQ(RunCli({QStringLiteral("fly"), QStringLiteral("--port"), QStringLiteral("x")}).exitCode, 2);
  EXPECT_EQ(RunCli({QStringLiteral("write"), QStringLiteral("--port"), QStringLiteral("x")}).exitCode, 2);
  const CliRun missingFile = RunCli({QStringLiteral("write"), QStringLiteral("--port"), QStringLiteral("x"),
                                     QStringLiteral("--in"), path("absent.DAT")});
  EXPECT_EQ(missingFile.exitCode, 4);
  const CliRun help = RunCli({QStringLiteral("--help")});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(help.out.contains(QStringLiteral("--force-band")));
  const CliRun version = RunCli({QStringLiteral("--version")});
  EXPECT_EQ(version.exitCode, 0);
  // The version the window's title gives.
  EXPECT_EQ(version.out, QStringLiteral("qx210-cli 1.80\n"));
}

}  // namespace
}  // namespace qx210
