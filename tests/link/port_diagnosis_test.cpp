// The sentences for ports that cannot be used, including the cases a test
// running as root cannot make (permission denied).
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "core/radio_identification.h"
#include "link/link_doctor.h"
#include "link/port_diagnosis.h"
#include "pty_radio.h"

namespace qx210 {
namespace {

PortDiagnosis Denied(bool groupListsUser) {
  PortDiagnosis diagnosis;
  diagnosis.problem = PortProblem::PermissionDenied;
  diagnosis.path = QStringLiteral("/dev/ttyUSB0");
  diagnosis.group = QStringLiteral("dialout");
  diagnosis.user = QStringLiteral("ana");
  diagnosis.groupListsUser = groupListsUser;
  diagnosis.fixCommand = QStringLiteral("sudo usermod -aG dialout ana");
  return diagnosis;
}

TEST(PortDiagnosis, PermissionDeniedGivesTheCommandOrTheRelogin) {
  EXPECT_EQ(DescribePortProblem(Denied(false), kEnglish),
            QStringLiteral("Permission denied: this user may not open /dev/ttyUSB0. The port belongs to the group "
                           "\"dialout\". Run: sudo usermod -aG dialout ana , then log out and back in."));
  EXPECT_EQ(DescribePortProblem(Denied(false), kChinese),
            QString::fromUtf8("没有打开 /dev/ttyUSB0 的权限。串口属于用户组“dialout”。请运行：sudo usermod -aG dialout ana "
                              "，然后注销并重新登录。"));
  EXPECT_TRUE(DescribePortProblem(Denied(true), kEnglish)
                  .contains(QStringLiteral("was added after logging in: log out and back in (or run newgrp dialout)")));
  PortDiagnosis rootOnly = Denied(false);
  rootOnly.group.clear();
  EXPECT_TRUE(DescribePortProblem(rootOnly, kEnglish).endsWith(QStringLiteral("Ask the administrator to let this user "
                                                                               "read and write the port.")));
}

TEST(PortDiagnosis, BusyNamesTheHoldersAndTheUsualSuspects) {
  PortDiagnosis diagnosis;
  diagnosis.problem = PortProblem::Busy;
  diagnosis.path = QStringLiteral("/dev/ttyUSB0");
  diagnosis.holders = {{812, QStringLiteral("ModemManager")}, {4711, QStringLiteral("minicom")}};
  diagnosis.modemManagerRunning = true;
  const QString text = DescribePortProblem(diagnosis, kEnglish);
  EXPECT_TRUE(text.startsWith(QStringLiteral("/dev/ttyUSB0 is in use by another program: ModemManager (812), "
                                             "minicom (4711). Close that program and try again.")))
      << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("sudo systemctl stop ModemManager")));
  EXPECT_TRUE(text.contains(QStringLiteral("sudo apt remove brltty")));
  EXPECT_TRUE(text.endsWith(QStringLiteral("Running on this computer now: ModemManager.")));
  diagnosis.holders.clear();
  EXPECT_TRUE(DescribePortProblem(diagnosis, kChinese).contains(QString::fromUtf8("系统不向当前用户透露是哪个程序")));
}

TEST(PortDiagnosis, ChecksWithoutOpening) {
  QTemporaryDir dir;
  EXPECT_EQ(DiagnosePort(dir.filePath(QStringLiteral("ttyNONE"))).problem, PortProblem::Missing);
  EXPECT_EQ(DiagnosePort(QString()).problem, PortProblem::Missing);
  QFile file(dir.filePath(QStringLiteral("plain")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  EXPECT_EQ(DiagnosePort(file.fileName()).problem, PortProblem::NotSerial);
  EXPECT_EQ(DiagnosePort(dir.path()).problem, PortProblem::NotSerial);
  // A dangling link: the device it named is gone.
  ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("gone")), dir.filePath(QStringLiteral("link"))));
  EXPECT_EQ(DiagnosePort(dir.filePath(QStringLiteral("link"))).problem, PortProblem::Missing);
  // A device that is no terminal is no serial port, where the system says
  // which class a device is of.
  if (QFileInfo::exists(QStringLiteral("/sys/dev/char"))) {
    EXPECT_EQ(DiagnosePort(QStringLiteral("/dev/null")).problem, PortProblem::NotSerial);
  }
  EXPECT_TRUE(PortHolders(dir.filePath(QStringLiteral("ttyNONE"))).isEmpty());
}

// A doctor that goes away after the radio took its program request (the
// window closed during the test) still tells the radio to leave programming mode.
TEST(LinkDoctor, GoingAwayMidTestSendsEnd) {
  sim::RadioProtocol protocol;
  protocol.setFaults({.silenceAfter = 1});  // acknowledges, then says nothing
  sim::PtyRadio radio(std::move(protocol), {});
  ASSERT_TRUE(radio.open());
  radio.start();
  {
    LinkDoctor doctor;
    doctor.start(radio.slavePath());
    ASSERT_TRUE(QTest::qWaitFor([&] { return radio.programRequests() == 1; }, 2000));
    QTest::qWait(200);  // the acknowledgement arrives
    ASSERT_TRUE(doctor.isRunning());
  }
  EXPECT_TRUE(QTest::qWaitFor([&] { return radio.endsReceived() == 1; }, 2000));
  radio.stop();
}

// The doctor reads the identification as the exchange does: what one
// refuses, the other refuses too.
TEST(LinkDoctor, AnswersOnlyForAnIdentificationTheExchangeTakes) {
  const QByteArray good = QByteArray::fromHex("5033323037" "43" "0606");
  const QByteArray cases[] = {
      good,
      QByteArray::fromHex("06") + good,         // a late acknowledgement in front
      QByteArray::fromHex("0503332303733FFF"),  // the model's digits half a byte off
  };
  for (const QByteArray& identification : cases) {
    sim::RadioProtocol protocol;
    protocol.setIdentification(identification);
    sim::PtyRadio radio(std::move(protocol), {});
    ASSERT_TRUE(radio.open());
    radio.start();
    LinkDoctor doctor;
    QSignalSpy finished(&doctor, &LinkDoctor::finished);
    doctor.start(radio.slavePath());
    ASSERT_TRUE(finished.wait(5000));
    const auto report = finished.first().first().value<DoctorReport>();
    const bool takes = ParseIdentification(identification).has_value();
    EXPECT_EQ(takes, identification == good);
    EXPECT_EQ(report.verdict, takes ? DoctorVerdict::RadioAnswers : DoctorVerdict::NotThisRadio)
        << identification.toHex(' ').toStdString();
    if (takes) {
      EXPECT_EQ(report.band, 2);
    }
    radio.stop();
  }
}

}  // namespace
}  // namespace qx210
