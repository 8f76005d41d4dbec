// qx210-cli clone and doctor as a user runs them, against emulated radios on
// pseudo-terminals.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

#include "core/clone_plan.h"
#include "core/data_file.h"
#include "support/cli_run.h"
#include "support/link_rig.h"

namespace qx210 {
namespace {

using test::SampleImage;

using test::CliRun;

CliRun RunCli(const QStringList& arguments, int timeoutMs = 20000) { return test::RunCli(arguments, {}, timeoutMs); }

class CliFleetTest : public ::testing::Test {
 protected:
  QString addRadio(sim::RadioProtocol protocol, sim::LineOptions line = {}) {
    protocol.loadMemory(QByteArray(1024, '\x5A'));
    auto radio = std::make_unique<sim::PtyRadio>(std::move(protocol), line);
    EXPECT_TRUE(radio->open());
    radio->start();
    m_radios.push_back(std::move(radio));
    return m_radios.back()->slavePath();
  }
  QString addVhfRadio(sim::RadioFaults faults = {}) {
    sim::RadioProtocol protocol("P2207", 0x01);
    protocol.setFaults(faults);
    return addRadio(std::move(protocol));
  }
  void TearDown() override {
    for (auto& radio : m_radios) radio->stop();
  }
  QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
  QString image() {
    const QString file = path("fleet.DAT");
    EXPECT_TRUE(WriteDataFile(file, SampleImage().left(848)).ok);
    return file;
  }
  QStringList fileLines(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  }

  QTemporaryDir m_dir;
  std::vector<std::unique_ptr<sim::PtyRadio>> m_radios;
};

// --- clone -------------------------------------------------------------------

TEST_F(CliFleetTest, CloneVerifyCatchesARadioThatChangesAByte) {
  const QString good = addVhfRadio();
  const QString spoiling = addVhfRadio({.spoilWriteAddress = 0x0150});
  const QString file = image();
  const CliRun run = RunCli({QStringLiteral("clone"), QStringLiteral("--in"), file, QStringLiteral("--port"), good,
                             QStringLiteral("--port"), spoiling, QStringLiteral("--verify"), QStringLiteral("--log"),
                             path("fleet.csv")});
  EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
  const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 3) << run.out.toStdString();
  const QString goodLine = lines.filter(good).value(0);
  const QString badLine = lines.filter(spoiling).value(0);
  EXPECT_TRUE(goodLine.contains(QStringLiteral("  136-174MHz  ok  "))) << goodLine.toStdString();
  EXPECT_TRUE(goodLine.endsWith(QStringLiteral(" s")));
  EXPECT_TRUE(badLine.contains(QStringLiteral("  136-174MHz  verify failed at 0x0150  "))) << badLine.toStdString();
  EXPECT_EQ(lines.last(), QStringLiteral("2 radios: 1 passed, 1 failed"));
  // The good radio holds the image; both were read back in full.
  EXPECT_EQ(FirstDifference(SampleImage().left(848), m_radios[0]->memory(), WrittenRanges(false)), -1);
  EXPECT_EQ(m_radios[1]->readRequests(), 16);

  QStringList log = fileLines(path("fleet.csv"));
  ASSERT_EQ(log.size(), 3);
  EXPECT_EQ(log.first(), QStringLiteral("time,port,band,result,seconds"));
  EXPECT_TRUE(log.filter(spoiling).value(0).contains(QStringLiteral(",136-174MHz,verify failed at 0x0150,")));

  // A second run appends to the log without a second header; without
  // --verify the changed byte goes unnoticed.
  const CliRun again = RunCli({QStringLiteral("clone"), QStringLiteral("--in"), file, QStringLiteral("--port"), good,
                               QStringLiteral("--port"), spoiling, QStringLiteral("--log"), path("fleet.csv")});
  EXPECT_EQ(again.exitCode, 0) << again.out.toStdString();
  log = fileLines(path("fleet.csv"));
  ASSERT_EQ(log.size(), 5);
  EXPECT_EQ(log.filter(QStringLiteral("time,port")).size(), 1);
  EXPECT_EQ(log.filter(QStringLiteral(",ok,")).size(), 3);
}

TEST_F(CliFleetTest, CloneReportsEachPortsOwnFault) {
  const QString good = addVhfRadio();
  const QString silent = addVhfRadio({.silenceAfter = 0});
  const QString uhf = addRadio(sim::RadioProtocol("P3207", 0x33));
  const CliRun run = RunCli({QStringLiteral("clone"), QStringLiteral("--in"), image(), QStringLiteral("--port"), good,
                             QStringLiteral("--port"), silent, QStringLiteral("--port"), uhf, QStringLiteral("--port"),
                             path("no-such-tty")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.out.contains(good + QStringLiteral("  136-174MHz  ok  "))) << run.out.toStdString();
  EXPECT_TRUE(run.out.contains(silent + QStringLiteral("  -  no answer  "))) << run.out.toStdString();
  EXPECT_TRUE(run.out.contains(uhf + QStringLiteral("  400-480MHz  band mismatch  "))) << run.out.toStdString();
  EXPECT_TRUE(run.out.contains(path("no-such-tty") + QStringLiteral("  -  no such device  ")));
  EXPECT_TRUE(run.out.contains(QStringLiteral("4 radios: 1 passed, 3 failed")));
  EXPECT_TRUE(m_radios[2]->writtenAddresses().isEmpty());
}

TEST_F(CliFleetTest, ContinuousCloneEndsOnInterruptWithASummary) {
  const QString port = addVhfRadio();
  QProcess process;
  process.start(QStringLiteral(QX210_CLI_PATH), {QStringLiteral("clone"), QStringLiteral("--in"), image(),
                                                 QStringLiteral("--port"), port, QStringLiteral("--continuous")});
  ASSERT_TRUE(process.waitForStarted());
  ASSERT_TRUE(QTest::qWaitFor([&] { return process.canReadLine(); }, 10000));
  EXPECT_TRUE(QString::fromUtf8(process.readLine()).contains(QStringLiteral(" ok ")));
  // Still connected: not written a second time while the port waits.
  QTest::qWait(2200);
  EXPECT_EQ(m_radios[0]->writtenAddresses().size(), 38);
  ::kill(static_cast<pid_t>(process.processId()), SIGINT);
  ASSERT_TRUE(process.waitForFinished(5000));
  EXPECT_EQ(process.exitCode(), 0);
  EXPECT_TRUE(QString::fromUtf8(process.readAllStandardOutput()).contains(QStringLiteral("1 radios: 1 passed, 0 failed")));
  EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError()).contains(QStringLiteral("stopping")));
  EXPECT_GE(m_radios[0]->endsReceived(), 2);
}

TEST_F(CliFleetTest, CloneUsageAndFileErrors) {
  const QString file = image();
  EXPECT_EQ(RunCli({QStringLiteral("clone"), QStringLiteral("--port"), QStringLiteral("/dev/null")}).exitCode, 2);
  EXPECT_EQ(RunCli({QStringLiteral("clone"), QStringLiteral("--in"), file}).exitCode, 2);
  const CliRun twice = RunCli({QStringLiteral("clone"), QStringLiteral("--in"), file, QStringLiteral("--port"),
                               path("a"), QStringLiteral("--port"), path("a")});
  EXPECT_EQ(twice.exitCode, 2);
  EXPECT_TRUE(twice.err.contains(QStringLiteral("named twice")));
  EXPECT_EQ(RunCli({QStringLiteral("clone"), QStringLiteral("--in"), path("absent.DAT"), QStringLiteral("--port"),
                    path("a")})
                .exitCode,
            4);
  EXPECT_EQ(RunCli({QStringLiteral("clone"), QStringLiteral("--in"), file, QStringLiteral("--port"), path("a"),
                    QStringLiteral("--log"), path("no-folder/log.csv")})
                .exitCode,
            4);
}

TEST_F(CliFleetTest, ClonePortsAreDevicesNamedOnceAndNeverEmpty) {
  const QString file = image();
  const QString port = addVhfRadio();
  ASSERT_TRUE(QFile::link(port, path("radio-link")));
  const CliRun twice = RunCli({QStringLiteral("clone"), QStringLiteral("--in"), file, QStringLiteral("--port"), port,
                               QStringLiteral("--port"), path("radio-link")});
  EXPECT_EQ(twice.exitCode, 2);
  EXPECT_TRUE(twice.err.contains(QStringLiteral("are the same port"))) << twice.err.toStdString();
  EXPECT_EQ(m_radios[0]->programRequests(), 0);
  const QStringList empty{QStringLiteral("clone"), QStringLiteral("--in"), file, QStringLiteral("--port"), QString()};
  EXPECT_EQ(RunCli(empty).exitCode, 2);
  const CliRun null = RunCli({QStringLiteral("clone"), QStringLiteral("--in"), file, QStringLiteral("--port"),
                              QStringLiteral("/dev/null")});
  EXPECT_EQ(null.exitCode, 1);
  EXPECT_TRUE(null.out.contains(QStringLiteral("/dev/null  -  not a serial device"))) << null.out.toStdString();
}

// A log that cannot take a row fails the run and loses no row; a FIFO as the
// log is refused before any radio is programmed.
TEST_F(CliFleetTest, CloneLogFaultsAreErrors) {
  const QString file = image();
  const QString port = addVhfRadio();
  const QString fifo = path("log.fifo");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const CliRun piped = RunCli({QStringLiteral("clone"), QStringLiteral("--in"), file, QStringLiteral("--port"), port,
                               QStringLiteral("--log"), fifo},
                              5000);
  EXPECT_EQ(piped.exitCode, 4);
  EXPECT_TRUE(piped.err.contains(QStringLiteral("named pipe"))) << piped.err.toStdString();
  EXPECT_EQ(m_radios[0]->programRequests(), 0);

  // The log's file may not grow any further (the port's lock file still fits).
  constexpr int kLimit = 200;
  const QString log = path("full.csv");
  {
    QFile header(log);
    ASSERT_TRUE(header.open(QIODevice::WriteOnly));
    header.write(QByteArray("time,port,band,result,seconds\n").leftJustified(kLimit, ' '));
  }
  QProcess process;
  process.setChildProcessModifier([] {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{kLimit, kLimit};
    ::setrlimit(RLIMIT_FSIZE, &limit);
  });
  process.start(QStringLiteral(QX210_CLI_PATH), {QStringLiteral("clone"), QStringLiteral("--in"), file,
                                                 QStringLiteral("--port"), port, QStringLiteral("--log"), log});
  ASSERT_TRUE(process.waitForFinished(20000));
  const QString err = QString::fromUtf8(process.readAllStandardError());
  EXPECT_EQ(process.exitCode(), 4) << err.toStdString();
  EXPECT_TRUE(err.contains(QStringLiteral("cannot write the log"))) << err.toStdString();
  EXPECT_TRUE(err.contains(QStringLiteral(",136-174MHz,ok,"))) << err.toStdString();
  EXPECT_TRUE(QString::fromUtf8(process.readAllStandardOutput()).contains(QStringLiteral("1 not in the log")));
}

// --- doctor ------------------------------------------------------------------

CliRun Doctor(const QString& port, const QString& lang = QStringLiteral("en")) {
  return RunCli({QStringLiteral("doctor"), QStringLiteral("--port"), port, QStringLiteral("--lang"), lang});
}

TEST_F(CliFleetTest, DoctorMissingDevice) {
  const CliRun run = Doctor(path("ttyUSB9"));
  EXPECT_EQ(run.exitCode, 10);
  EXPECT_TRUE(run.out.startsWith(path("ttyUSB9") + QStringLiteral(" does not exist."))) << run.out.toStdString();
  // Either the devices that do exist, or that there are none.
  EXPECT_TRUE(run.out.contains(QStringLiteral("serial devices"), Qt::CaseInsensitive)) << run.out.toStdString();
  QFile plain(path("notes.txt"));
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.close();
  const CliRun file = Doctor(path("notes.txt"));
  EXPECT_EQ(file.exitCode, 10);
  EXPECT_TRUE(file.out.contains(QStringLiteral("is not a serial device")));
}

TEST_F(CliFleetTest, DoctorSilentLine) {
  const QString port = addVhfRadio({.silenceAfter = 0});
  const CliRun run = Doctor(port);
  EXPECT_EQ(run.exitCode, 13);
  EXPECT_TRUE(run.out.contains(QStringLiteral("No answer to the program request on ") + port +
                               QStringLiteral(" within two seconds")))
      << run.out.toStdString();
  EXPECT_TRUE(run.out.contains(QStringLiteral("switched off")));
  // The request went out, and once more a second later.
  EXPECT_EQ(m_radios[0]->programRequests(), 2);
}

TEST_F(CliFleetTest, DoctorEcho) {
  sim::LineOptions echo;
  echo.echo = true;
  const QString port = addRadio(sim::RadioProtocol(), echo);
  const CliRun run = Doctor(port);
  EXPECT_EQ(run.exitCode, 14);
  EXPECT_TRUE(run.out.contains(QStringLiteral("The cable returns what is sent to it")));
  EXPECT_TRUE(run.out.contains(QStringLiteral("loopback")));
}

TEST_F(CliFleetTest, DoctorRadioOfAnotherModel) {
  const QString port = addRadio(sim::RadioProtocol("Q7000", 0x33));
  const CliRun run = Doctor(port);
  EXPECT_EQ(run.exitCode, 15);
  EXPECT_TRUE(run.out.contains(QStringLiteral("not a QX-210's identification: 51 37 30 30 30 33 F8 FF")))
      << run.out.toStdString();
  // It was told to leave programming mode.
  EXPECT_TRUE(QTest::qWaitFor([&] { return m_radios[0]->endsReceived() == 1; }, 2000));
}

TEST_F(CliFleetTest, DoctorRadioAnswers) {
  const QString port = addVhfRadio();
  const CliRun run = Doctor(port);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_TRUE(run.out.contains(QStringLiteral("The radio answers: QX-210, model P2207, band 136-174MHz.")))
      << run.out.toStdString();
  EXPECT_TRUE(QTest::qWaitFor([&] { return m_radios[0]->endsReceived() == 1; }, 2000));
  EXPECT_EQ(m_radios[0]->readRequests(), 0);
  EXPECT_TRUE(m_radios[0]->writtenAddresses().isEmpty());

  const CliRun chinese = Doctor(port, QStringLiteral("zh"));
  EXPECT_EQ(chinese.exitCode, 0);
  EXPECT_TRUE(chinese.out.contains(QString::fromUtf8("对讲机应答正常：QX-210，型号 P2207，频段 136-174MHz。")));
}

TEST_F(CliFleetTest, DoctorRadioWithABandCodeItDoesNotKnow) {
  const CliRun run = Doctor(addRadio(sim::RadioProtocol("P3207", 0x5A)));
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_TRUE(run.out.contains(QStringLiteral("model P3207, band unknown (band code 0x5A).")))
      << run.out.toStdString();
}

TEST_F(CliFleetTest, DoctorAndReadNameTheProgramHoldingThePort) {
  const QString port = addVhfRadio();
  QSerialPort holder(port);
  ASSERT_TRUE(holder.open(QIODevice::ReadWrite));
  const QString pid = QString::number(::getpid());
  const CliRun run = Doctor(port);
  EXPECT_EQ(run.exitCode, 12);
  EXPECT_TRUE(run.out.contains(QStringLiteral("is in use by another program: "))) << run.out.toStdString();
  EXPECT_TRUE(run.out.contains(QStringLiteral("(%1)").arg(pid))) << run.out.toStdString();
  EXPECT_TRUE(run.out.contains(QStringLiteral("ModemManager")));
  EXPECT_TRUE(run.out.contains(QStringLiteral("brltty")));

  // read and write say the same.
  const CliRun read = RunCli({QStringLiteral("read"), QStringLiteral("--port"), port, QStringLiteral("--out"),
                              path("x.DAT")});
  EXPECT_EQ(read.exitCode, 1);
  EXPECT_TRUE(read.err.contains(QStringLiteral("is in use by another program: "))) << read.err.toStdString();
  EXPECT_TRUE(read.err.contains(QStringLiteral("(%1)").arg(pid)));
  holder.close();
  EXPECT_EQ(Doctor(port).exitCode, 0);
}

TEST_F(CliFleetTest, DoctorUsage) {
  EXPECT_EQ(RunCli({QStringLiteral("doctor")}).exitCode, 2);
  EXPECT_EQ(RunCli({QStringLiteral("doctor"), QStringLiteral("--port"), QStringLiteral("x"), QStringLiteral("--lang"),
                    QStringLiteral("fr")})
                .exitCode,
            2);
  const CliRun help = RunCli({QStringLiteral("--help")});
  EXPECT_TRUE(help.out.contains(QStringLiteral("doctor")));
  EXPECT_TRUE(help.out.contains(QStringLiteral("clone")));
}

}  // namespace
}  // namespace qx210
