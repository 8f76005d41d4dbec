#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "gui/debug_parameters_dialog.h"
#include "gui/dialog_set.h"
#include "core/lists.h"
#include "gui/message_box.h"
#include "core/codec.h"
#include "gui/window_link.h"
#include "support/link_rig.h"
#include "gui/main_window.h"
#include "gui/settings_panel.h"

namespace qx210 {
namespace {

using test::SampleImage;

// The main window, offscreen, with slot COM1 set to an emulated radio
// through the per-user port settings.
class MainWindowLink : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_dir.isValid());
    SetMessageBoxHook([this](QMessageBox& box) {
      m_boxes << box.text();
      return m_boxAnswer;
    });
  }
  void TearDown() override {
    m_window.reset();
    if (m_radio) m_radio->stop();
    SetMessageBoxHook({});
  }

  void startRadio(const QByteArray& memory, sim::RadioFaults faults = {}, bool paced = false) {
    sim::RadioProtocol protocol("P2207", 0x01);
    protocol.loadMemory(memory);
    protocol.setFaults(faults);
    sim::LineOptions line;
    line.paced = paced;
    m_radio = std::make_unique<sim::PtyRadio>(std::move(protocol), line);
    ASSERT_TRUE(m_radio->open());
    m_radio->start();
  }

  void openWindow(const QString& com1) {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.filePath(QStringLiteral("config")));
    {
      QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("qx210"), QStringLiteral("qx210"));
      settings.setValue(QStringLiteral("ports/COM1"), com1);
    }
    QFile parameter(m_dir.filePath(QStringLiteral("parameter")));
    ASSERT_TRUE(parameter.open(QIODevice::WriteOnly));
    parameter.write(QByteArray::fromHex("000101"));  // unlocked, COM1, English
    parameter.close();
    MainWindowConfig config;
    config.parameterFile = parameter.fileName();
    // The user's own devices only: the machine's serial devices fill the
    // other slots and would make the outcome depend on the machine.
    config.portCatalogue = [] {
      QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("qx210"), QStringLiteral("qx210"));
      return PortCatalogue::fromDevices({}, PortCatalogue::readOverrides(settings));
    };
    const QString hint = m_dir.filePath(QStringLiteral("hint.ini"));
    config.languageHintStore = [hint] { return std::make_unique<QSettings>(hint, QSettings::IniFormat); };
    m_window = std::make_unique<MainWindow>(config);
    m_window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
  }

  ExchangeControl& control() { return m_window->radioLink()->control(); }

  int waitForOutcome(int timeoutMs) {
    QSignalSpy spy(&control(), &ExchangeControl::finished);
    if (!spy.wait(timeoutMs)) return -1;
    return static_cast<int>(spy.first().first().value<ExchangeOutcome>());
  }

  QTemporaryDir m_dir;
  std::unique_ptr<sim::PtyRadio> m_radio;
  std::unique_ptr<MainWindow> m_window;
  QStringList m_boxes;
  int m_boxAnswer = MessageResult::kOk;
};

TEST_F(MainWindowLink, ReadFromTheMenuFillsTheEditor) {
  startRadio(SampleImage());
  openWindow(m_radio->slavePath());
  ASSERT_TRUE(m_window->radioLink()->serial().isOpen());
  EXPECT_EQ(m_window->comPortNumber(), 1);
  EditorState expected;
  ASSERT_TRUE(DecodeImage(SampleImage(), expected, kEnglish));

  // The start enables the model frame even under the edit lock and focuses the band list.
  QAction* lock = m_window->findChild<QAction*>(QStringLiteral("mnulock"));
  ASSERT_NE(lock, nullptr);
  lock->trigger();
  ASSERT_FALSE(m_window->modelFrame()->isEnabled());
  ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));

  m_window->readAction()->trigger();
  EXPECT_FALSE(m_window->readAction()->isEnabled());
  EXPECT_FALSE(m_window->toolbarWriteAction()->isEnabled());
  EXPECT_FALSE(m_window->findChild<QWidget*>(QStringLiteral("Toolbar1"))->isEnabled());
  EXPECT_FALSE(m_window->findChild<QWidget*>(QStringLiteral("mnupro"))->isEnabled());
  EXPECT_TRUE(m_window->findChild<QWidget*>(QStringLiteral("mnuFile"))->isEnabled());
  EXPECT_TRUE(m_window->modelFrame()->isEnabled());
  EXPECT_EQ(QApplication::focusWidget(), m_window->modelFrame()->bandList());
  EXPECT_EQ(m_window->statusLabel()->text(), QStringLiteral("It's communicating, please wait......"));
  EXPECT_EQ(waitForOutcome(10000), static_cast<int>(ExchangeOutcome::ReadComplete));
  EXPECT_EQ(m_window->editor().table(), expected.table);
  EXPECT_EQ(m_window->editor().state().band.selected, kVhfBandPosition);
  EXPECT_EQ(m_window->editor().state().band.index, kVhfBandPosition);
  EXPECT_EQ(m_window->modelFrame()->bandList()->currentIndex(), kVhfBandPosition);
  EXPECT_EQ(m_window->statusLabel()->text(), QStringLiteral("Read frequency success!"));
  EXPECT_FALSE(m_window->progressBar()->isVisible());
  EXPECT_EQ(m_window->progressBar()->value(), 425);
  EXPECT_TRUE(QTest::qWaitFor([&] { return m_window->readAction()->isEnabled(); }, 5000));
  EXPECT_FALSE(m_window->statusLabel()->isVisible());
  EXPECT_TRUE(m_boxes.isEmpty()) << m_boxes.join(QLatin1Char('|')).toStdString();
}

TEST_F(MainWindowLink, WriteFromTheToolbarChangesWrittenRegionsOnly) {
  startRadio(QByteArray(1024, '\x3C'));
  openWindow(m_radio->slavePath());
  ASSERT_TRUE(m_window->editor().decode(SampleImage()));
  const QByteArray image = m_window->editor().encode();
  m_window->toolbarWriteAction()->trigger();
  EXPECT_EQ(waitForOutcome(10000), static_cast<int>(ExchangeOutcome::WriteComplete));
  const QByteArray memory = m_radio->memory();
  for (int address = 0x10; address < 0x410; ++address) {
    const int block = address & ~0xF;
    const bool written = block <= 0x0170 || block == 0x01B0 || (block >= 0x0280 && block <= 0x0350);
    ASSERT_EQ(memory.at(address - 0x10), written ? image.at(address - 0x10) : '\x3C') << std::hex << address;
  }
}

// The unlock gesture of the Debug parameters dialog makes a write include the
// calibration block; leaving the mode with toolbar button 7 leaves it out again.
TEST_F(MainWindowLink, CalibrationBlockIsWrittenOnlyWhileUnlocked) {
  startRadio(QByteArray(1024, '\x3C'));
  openWindow(m_radio->slavePath());
  ASSERT_TRUE(m_window->editor().decode(SampleImage()));  // a decode locks the block again
  m_window->editor().settings().debug.txHighPower = 40;

  m_window->dialogs().showDebugParameters();
  QWidget* form2 = &m_window->dialogs().debugParameters();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form2));
  QAction* tanma = m_window->findChild<QAction*>(QStringLiteral("TAnMa"));
  ASSERT_NE(tanma, nullptr);
  EXPECT_FALSE(tanma->isVisible());
  QTest::mouseClick(form2->findChild<QWidget*>(QStringLiteral("Label8")), Qt::LeftButton);
  QTest::mouseClick(form2->findChild<QWidget*>(QStringLiteral("Label3")), Qt::LeftButton);
  ASSERT_TRUE(m_window->editor().debugParametersUnlocked());
  EXPECT_TRUE(tanma->isVisible());
  form2->hide();

  m_window->writeAction()->trigger();
  ASSERT_EQ(waitForOutcome(10000), static_cast<int>(ExchangeOutcome::WriteComplete));
  EXPECT_EQ(m_radio->memory().mid(0x0180 - 0x10, 9), QByteArray::fromHex("FFFFFF28FFFFFFFF00"));
  EXPECT_EQ(m_window->progressBar()->value(), 400);
  ASSERT_TRUE(QTest::qWaitFor([&] { return m_window->writeAction()->isEnabled(); }, 5000));

  // Two clicks on button 7 within a second leave the mode.
  tanma->trigger();
  tanma->trigger();
  EXPECT_FALSE(m_window->editor().debugParametersUnlocked());
  EXPECT_FALSE(tanma->isVisible());
  m_window->editor().settings().debug.txHighPower = 50;
  m_window->writeAction()->trigger();
  ASSERT_EQ(waitForOutcome(10000), static_cast<int>(ExchangeOutcome::WriteComplete));
  EXPECT_EQ(m_radio->memory().at(0x0183 - 0x10), '\x28');  // still the unlocked write's 40
  EXPECT_EQ(m_window->progressBar()->value(), 390);
}

TEST_F(MainWindowLink, SilenceShowsTheCommunicationErrorAndKeepsTheEditor) {
  startRadio(SampleImage(), {.silenceAfter = 12});
  openWindow(m_radio->slavePath());
  const EditorState before = m_window->editor().state();
  m_window->readAction()->trigger();
  EXPECT_EQ(waitForOutcome(8000), static_cast<int>(ExchangeOutcome::CommunicationError));
  EXPECT_EQ(m_boxes, QStringList{QStringLiteral(
                         "Communication error, please check the intercom model, fault, attachment and computer "
                         "serial choice!")});
  EXPECT_EQ(m_window->editor().state(), before);
  EXPECT_TRUE(m_window->readAction()->isEnabled());
  EXPECT_FALSE(m_window->progressBar()->isVisible());
}

TEST_F(MainWindowLink, CorruptedReplyShowsTheCommunicationError) {
  startRadio(SampleImage(), {.corruptReply = 10});
  openWindow(m_radio->slavePath());
  const EditorState before = m_window->editor().state();
  m_window->readAction()->trigger();
  EXPECT_EQ(waitForOutcome(8000), static_cast<int>(ExchangeOutcome::CommunicationError));
  EXPECT_EQ(m_boxes.size(), 1);
  EXPECT_EQ(m_window->editor().state(), before);
}

TEST_F(MainWindowLink, PulledCableEndsAtOnceWithTheCommunicationError) {
  startRadio(SampleImage(), {}, true);
  openWindow(m_radio->slavePath());
  const EditorState before = m_window->editor().state();
  QObject::connect(&control(), &ExchangeControl::progressChanged, m_window.get(), [this](int value) {
    if (value == 100) m_radio->pullCable();
  });
  QElapsedTimer clock;
  clock.start();
  m_window->readAction()->trigger();
  EXPECT_EQ(waitForOutcome(8000), static_cast<int>(ExchangeOutcome::CommunicationError));
  EXPECT_LT(clock.elapsed(), 2500);
  EXPECT_EQ(m_boxes.size(), 1);
  EXPECT_EQ(m_window->editor().state(), before);
  EXPECT_TRUE(m_window->readAction()->isEnabled());
}

TEST_F(MainWindowLink, ClosedPortOnlyPrompts) {
  openWindow(m_dir.filePath(QStringLiteral("no-such-tty")));
  ASSERT_FALSE(m_window->radioLink()->serial().isOpen());
  m_window->readAction()->trigger();
  EXPECT_EQ(m_boxes, QStringList{QStringLiteral("Communication port not open, please first selection menu "
                                                "'communication port' to open its serial ports!")});
  EXPECT_TRUE(m_window->readAction()->isEnabled());
  EXPECT_FALSE(control().isBusy());
}

TEST_F(MainWindowLink, PortMenuShowsTheSameWindow) {
  startRadio(SampleImage());
  openWindow(m_radio->slavePath());
  m_window->comPortAction()->trigger();
  FormCOM* form = m_window->radioLink()->form();
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(form->option(0)->isChecked());  // the remembered COM1
  form->close();
  EXPECT_FALSE(form->isVisible());
  m_window->comPortAction()->trigger();
  EXPECT_EQ(m_window->radioLink()->form(), form);
  EXPECT_EQ(m_window->findChildren<FormCOM*>().size(), 1);  // no second window, no second scan
  EXPECT_TRUE(form->isVisible());
}

}  // namespace
}  // namespace qx210
