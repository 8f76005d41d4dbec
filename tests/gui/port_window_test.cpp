#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTimer>
#include <QMessageBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "support/as_nobody.h"
#include "support/feigned_link.h"
#include "core/language.h"
#include "gui/message_box.h"
#include "gui/port_window.h"
#include "gui/message_box_prompts.h"
#include "link/serial_link.h"
#include "pty_radio.h"

namespace qx210 {
namespace {

class PortWindowTest : public ::testing::Test {
 protected:
  void addRadio(int slot) {
    auto radio = std::make_unique<sim::PtyRadio>(sim::RadioProtocol(), sim::LineOptions{});
    ASSERT_TRUE(radio->open());
    m_catalogue.setSlotPath(slot, radio->slavePath());
    m_radios.push_back(std::move(radio));
  }
  PortCatalogue m_catalogue;
  std::vector<std::unique_ptr<sim::PtyRadio>> m_radios;
};

TEST_F(PortWindowTest, TwentyOptionsWithTheirDevices) {
  addRadio(3);
  m_catalogue.setSlotPath(5, QStringLiteral("/nonexistent/ttyUSB9"));
  SerialLink link(m_catalogue);
  PortWindow form(link);
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Com"));
  EXPECT_FALSE(form.isVisible());
  for (int i = 0; i < 20; ++i) {
    QRadioButton* option = form.findChild<QRadioButton*>(QStringLiteral("OptionCOM%1").arg(i));
    ASSERT_NE(option, nullptr) << i;
    EXPECT_EQ(option->text(), QStringLiteral("COM%1").arg(i + 1));
    EXPECT_EQ(option->isEnabled(), i == 2) << i;
    EXPECT_FALSE(option->isChecked()) << i;
  }
  EXPECT_EQ(form.deviceLabel(2)->text(), m_catalogue.slotPath(3) + QStringLiteral(" (in use)"));
  EXPECT_EQ(form.deviceLabel(4)->text(), QStringLiteral("/nonexistent/ttyUSB9"));
  // The only openable port is opened and remembered, without a mark.
  EXPECT_TRUE(link.isOpen());
  EXPECT_EQ(link.comPortNumber(), 3);
}

TEST_F(PortWindowTest, SizeOfTheWindow) {
  SerialLink link(m_catalogue);
  PortWindow form(link);
  // 5145 x 3000 twips; the window grows only where its device column needs it.
  EXPECT_GE(form.width(), form.sizeHint().width());  // nothing clipped
  EXPECT_GE(form.height(), form.sizeHint().height());
  EXPECT_GE(form.height(), 200);
  EXPECT_EQ(form.width(), 343);
}

TEST_F(PortWindowTest, CaptionAndHintInChinese) {
  m_catalogue.setSlotPath(2, QStringLiteral("/dev/ttyLOCKED"));
  test::FeignedLink link(m_catalogue);
  link.feigned.insert(QStringLiteral("/dev/ttyLOCKED"), PortProblem::PermissionDenied);
  PortWindow form(link);
  SetLanguage(kChinese);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  const QString title = form.windowTitle();
  const QString tip = form.option(1)->toolTip();
  SetLanguage(kEnglish);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  EXPECT_EQ(title, QStringLiteral("Com"));
  EXPECT_TRUE(tip.contains(QString::fromUtf8("无权打开此端口"))) << tip.toStdString();
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Com"));
  EXPECT_TRUE(form.option(1)->toolTip().contains(QStringLiteral("Permission denied")));
}

TEST_F(PortWindowTest, RememberedPortIsMarkedAndClickOpensAnother) {
  addRadio(1);
  addRadio(6);
  SerialLink link(m_catalogue);
  link.setComPortNumber(6);
  PortWindow form(link);
  EXPECT_TRUE(form.option(5)->isChecked());
  EXPECT_EQ(link.comPortNumber(), 6);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  QTest::mouseClick(form.option(0), Qt::LeftButton);
  EXPECT_EQ(link.comPortNumber(), 1);
  EXPECT_TRUE(link.isOpen());
}

TEST_F(PortWindowTest, CloseBoxHidesAndShowingLooksAgain) {
  addRadio(2);
  test::FeignedLink link(m_catalogue);
  PortWindow form(link);
  ASSERT_EQ(link.opened.size(), 2);  // the scan's try, then the open for good
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  EXPECT_FALSE(form.close());  // the close is refused: the window only hides
  EXPECT_FALSE(form.isVisible());
  form.show();
  // A port that opened is not opened again by the looks that follow.
  EXPECT_EQ(link.opened.size(), 2);
  EXPECT_TRUE(form.option(1)->isEnabled());
  form.hide();
  m_radios.clear();  // the device goes away while the window is hidden
  form.show();
  EXPECT_FALSE(form.option(1)->isEnabled());
  EXPECT_FALSE(form.deviceLabel(1)->isEnabled());
  EXPECT_FALSE(link.isOpen());
  form.hide();
}

TEST_F(PortWindowTest, AdaptersThatComeAndGoShowWhileTheWindowIsOpen) {
  addRadio(1);
  SerialLink link(m_catalogue);
  PortCatalogue machine = m_catalogue;
  link.setCatalogueSource([&machine] { return machine; });
  PortWindow form(link);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  // A new adapter appears in the lowest free slot; the one in use keeps COM1.
  auto radio = std::make_unique<sim::PtyRadio>(sim::RadioProtocol(), sim::LineOptions{});
  ASSERT_TRUE(radio->open());
  machine = PortCatalogue::fromDevices({radio->slavePath(), m_catalogue.slotPath(1)}, {});
  EXPECT_TRUE(QTest::qWaitFor([&] { return form.option(1)->isEnabled(); }, 2000));
  EXPECT_EQ(form.deviceLabel(1)->text(), radio->slavePath());
  EXPECT_EQ(link.catalogue().slotPath(1), m_catalogue.slotPath(1));
  EXPECT_TRUE(form.deviceLabel(0)->text().endsWith(QStringLiteral("(in use)")));
  EXPECT_TRUE(form.deviceLabel(0)->font().bold());
  // And goes again.
  machine = PortCatalogue::fromDevices({m_catalogue.slotPath(1)}, {});
  EXPECT_TRUE(QTest::qWaitFor([&] { return form.deviceLabel(1)->text().isEmpty(); }, 2000));
  EXPECT_FALSE(form.option(1)->isEnabled());
  EXPECT_TRUE(link.isOpen());
  form.hide();
}

TEST_F(PortWindowTest, DescriptionAndUsbIdentifiersWhereKnown) {
  addRadio(1);
  PortDetails details;
  details.description = QStringLiteral("FT232R USB UART");
  details.manufacturer = QStringLiteral("FTDI");
  details.serialNumber = QStringLiteral("A50285BI");
  details.vendorId = 0x0403;
  details.productId = 0x6001;
  m_catalogue.setSlotDetails(1, details);
  SerialLink link(m_catalogue);
  PortWindow form(link);
  EXPECT_EQ(form.deviceLabel(0)->text(),
            m_catalogue.slotPath(1) + QStringLiteral(" FT232R USB UART [0403:6001 A50285BI] (in use)"));
  EXPECT_TRUE(form.option(0)->toolTip().contains(QStringLiteral("FTDI")));
  EXPECT_TRUE(form.option(0)->toolTip().contains(QStringLiteral("USB vendor:product 0403:6001")));
}

// "Other device…": any path, stored for later runs, in use at once.
class OtherDeviceTest : public PortWindowTest {
 protected:
  void SetUp() override {
    SetLanguage(kEnglish);
    m_settingsFile = m_dir.filePath(QStringLiteral("qx210.ini"));
    SetMessageBoxHook([this](QMessageBox& box) {
      m_boxes << box.text();
      return MessageResult::kOk;
    });
  }
  void TearDown() override { SetMessageBoxHook({}); }
  std::function<std::unique_ptr<QSettings>()> settings() const {
    return [file = m_settingsFile] { return std::make_unique<QSettings>(file, QSettings::IniFormat); };
  }
  // Clicks "Other device…" and types `path` into its dialog.
  void enterOtherDevice(PortWindow& form, const QString& path) {
    QTimer::singleShot(0, &form, [path] {
      auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(dialog->objectName(), QStringLiteral("OtherDeviceDialog"));
      dialog->setTextValue(path);
      dialog->accept();
    });
    QTest::mouseClick(form.otherDeviceButton(), Qt::LeftButton);
  }
  QTemporaryDir m_dir;
  QString m_settingsFile;
  QStringList m_boxes;
};

TEST_F(OtherDeviceTest, TakesEffectAtOnceAndIsRemembered) {
  m_catalogue.setSlotPath(1, QStringLiteral("/nonexistent/ttyUSB0"));
  SerialLink link(m_catalogue);
  PortWindow form(link);
  form.setSettingsFactory(settings());
  ASSERT_FALSE(link.isOpen());
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  EXPECT_EQ(form.otherDeviceButton()->text(), QStringLiteral("Other device…"));

  auto radio = std::make_unique<sim::PtyRadio>(sim::RadioProtocol(), sim::LineOptions{});
  ASSERT_TRUE(radio->open());
  radio->start();
  enterOtherDevice(form, radio->slavePath());
  // The lowest free slot, chosen and open, no restart.
  EXPECT_TRUE(link.isOpen());
  EXPECT_EQ(link.comPortNumber(), 2);
  EXPECT_TRUE(form.option(1)->isChecked());
  EXPECT_TRUE(form.deviceLabel(1)->text().startsWith(radio->slavePath()));
  EXPECT_TRUE(m_boxes.isEmpty()) << m_boxes.join(QLatin1Char('\n')).toStdString();
  // Stored for the next run, and kept through the window's looks.
  QSettings stored(m_settingsFile, QSettings::IniFormat);
  EXPECT_EQ(stored.value(QStringLiteral("ports/COM2")).toString(), radio->slavePath());
  QTest::qWait(1200);
  EXPECT_EQ(link.catalogue().slotPath(2), radio->slavePath());
  // The radio answers over it.
  link.transmit(QByteArrayLiteral("PROGRAM"));
  QSignalSpy received(&link, &SerialLink::bytesReceived);
  ASSERT_TRUE(received.wait(2000));
  EXPECT_EQ(received.first().first().toByteArray(), QByteArray(1, '\x06'));
  form.hide();
  link.close();
  radio->stop();
}

TEST_F(OtherDeviceTest, PathThatCannotOpenIsKeptAndExplained) {
  SerialLink link(m_catalogue);
  PortWindow form(link);
  form.setSettingsFactory(settings());
  const QString path = m_dir.filePath(QStringLiteral("qx210-radio"));
  EXPECT_FALSE(form.chooseOtherDevice(path));
  ASSERT_EQ(m_boxes.size(), 1);
  EXPECT_TRUE(m_boxes.first().startsWith(path + QStringLiteral(" is kept as COM1, but cannot be opened now.")));
  EXPECT_TRUE(m_boxes.first().contains(QStringLiteral("does not exist")));
  EXPECT_EQ(QSettings(m_settingsFile, QSettings::IniFormat).value(QStringLiteral("ports/COM1")).toString(), path);
  // Once the emulator makes it (as with --link), choosing COM1 works.
  auto radio = std::make_unique<sim::PtyRadio>(sim::RadioProtocol(), sim::LineOptions{});
  ASSERT_TRUE(radio->open());
  ASSERT_TRUE(QFile::link(radio->slavePath(), path));
  link.rescan();
  EXPECT_TRUE(form.option(0)->isEnabled());
  EXPECT_TRUE(link.choosePort(1));
}

TEST_F(PortWindowTest, PermissionDeniedNamesTheFix) {
  addRadio(1);
  m_catalogue.setSlotPath(4, QStringLiteral("/dev/ttyLOCKED"));
  m_catalogue.setSlotPath(6, QStringLiteral("/dev/ttyBUSY"));
  test::FeignedLink link(m_catalogue);
  link.feigned.insert(QStringLiteral("/dev/ttyLOCKED"), PortProblem::PermissionDenied);
  link.feigned.insert(QStringLiteral("/dev/ttyBUSY"), PortProblem::Busy);
  PortWindow form(link);
  EXPECT_FALSE(form.option(3)->isEnabled());
  EXPECT_TRUE(form.deviceLabel(3)->isEnabled());
  EXPECT_TRUE(form.deviceLabel(3)->text().startsWith(QStringLiteral("/dev/ttyLOCKED")));
  EXPECT_TRUE(form.option(3)->toolTip().contains(QStringLiteral("dialout"))) << form.option(3)->toolTip().toStdString();
  EXPECT_TRUE(form.deviceLabel(3)->toolTip().contains(QStringLiteral("usermod")));
  // A port that is only busy names the reason, not the group.
  EXPECT_FALSE(form.option(5)->isEnabled());
  EXPECT_FALSE(form.option(5)->toolTip().contains(QStringLiteral("dialout")));
  EXPECT_TRUE(form.option(5)->toolTip().contains(QStringLiteral("feigned failure")));
  EXPECT_EQ(form.deviceLabel(5)->text(), QStringLiteral("/dev/ttyBUSY"));
  EXPECT_TRUE(form.option(0)->isEnabled());
}

// The same through the operating system, for a user who is not root (root
// opens every device, so as root the check runs as nobody).
TEST_F(PortWindowTest, UnreadableDeviceIsDeniedByTheSystem) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("ttyLOCKED"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  QFile::setPermissions(path, QFileDevice::Permissions());
  QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                        QFileDevice::ReadOther | QFileDevice::ExeOther);
  m_catalogue.setSlotPath(4, path);
  std::string skipReason;
  const std::string report = test::RunAsNonRoot([this]() -> std::string {
    SerialLink link(m_catalogue);
    PortWindow form(link);
    if (link.availability(4) != PortProblem::PermissionDenied) return "the device was not denied";
    if (form.option(3)->isEnabled()) return "the option of a denied device is enabled";
    if (!form.option(3)->toolTip().contains(QStringLiteral("dialout"))) return "the tooltip does not name the group";
    return {};
  }, skipReason);
  if (!skipReason.empty()) GTEST_SKIP() << skipReason;
  EXPECT_EQ(report, "");
}

// --- Message boxes of an exchange --------------------------------------------

class PromptsTest : public ::testing::Test {
 protected:
  void TearDown() override { SetMessageBoxHook({}); }
  struct Seen {
    QString text, title, details;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
  };
  void answer(int result) {
    SetMessageBoxHook([this, result](QMessageBox& box) {
      Seen s{box.text(), box.windowTitle(), box.detailedText(), box.icon(), {}};
      // The answer buttons; the details button is none of them.
      for (QAbstractButton* b : box.buttons())
        if (box.standardButton(b) != QMessageBox::NoButton) s.buttons << b->text();
      m_seen << s;
      return result;
    });
  }
  QList<Seen> m_seen;
  MessageBoxPrompts m_prompts;
};

TEST_F(PromptsTest, PortNotOpenAndCommunicationError) {
  answer(MessageResult::kOk);
  m_prompts.showPortNotOpen(kEnglish);
  m_prompts.showCommunicationError(kChinese, QString::fromUtf8("数据块 0x0150 之后没有应答。"));
  ASSERT_EQ(m_seen.size(), 2);
  EXPECT_EQ(m_seen[0].text, QStringLiteral("Communication port not open, please first selection menu "
                                           "'communication port' to open its serial ports!"));
  EXPECT_EQ(m_seen[0].title, QStringLiteral("Prompt"));
  EXPECT_EQ(m_seen[0].icon, QMessageBox::Information);
  EXPECT_EQ(m_seen[1].text, QString::fromUtf8("通信出错，请检查对讲机型号、故障、连线及计算机串口的选择！"));
  EXPECT_EQ(m_seen[1].details, QString::fromUtf8("数据块 0x0150 之后没有应答。"));
  EXPECT_TRUE(m_seen[0].details.isEmpty());
  EXPECT_EQ(m_seen[1].icon, QMessageBox::Critical);
  // Style 16 with an empty title: the application's title.
  EXPECT_EQ(m_seen[1].title, ApplicationTitle());
  EXPECT_FALSE(m_seen[1].title.isEmpty());
  EXPECT_EQ(m_seen[1].buttons.size(), 1);
  EXPECT_EQ(m_seen[0].buttons.size(), 1);
}

TEST_F(PromptsTest, DetailsButtonInTheCurrentLanguage) {
  QStringList captions;
  SetMessageBoxHook([&captions](QMessageBox& box) {
    for (QAbstractButton* b : box.buttons())
      if (box.standardButton(b) == QMessageBox::NoButton) captions << b->text();
    return MessageResult::kOk;
  });
  SetLanguage(kChinese);
  m_prompts.showCommunicationError(kChinese, QString::fromUtf8("编程请求没有得到任何应答。"));
  SetLanguage(kEnglish);
  m_prompts.showCommunicationError(kEnglish, QStringLiteral("No answer to the program request."));
  EXPECT_EQ(captions, (QStringList{QString::fromUtf8("显示详细信息..."), QStringLiteral("Show Details...")}));
}

TEST_F(PromptsTest, BandQuestionAnswers) {
  for (const int result : {MessageResult::kYes, MessageResult::kNo}) {
    answer(result);
    int answered = -1;
    m_prompts.askBandQuestion(kChinese, [&answered](bool yes) { answered = yes; });
    EXPECT_EQ(answered, result == MessageResult::kYes ? 1 : 0);
  }
  ASSERT_EQ(m_seen.size(), 2);
  EXPECT_EQ(m_seen[0].text, QString::fromUtf8("频段不符，是否继续？"));
  EXPECT_EQ(m_seen[0].title, QString::fromUtf8("提示"));
  EXPECT_EQ(m_seen[0].buttons.size(), 2);
  EXPECT_EQ(m_seen[0].icon, QMessageBox::Information);  // style 68: Yes/No, information
}

}  // namespace
}  // namespace qx210
