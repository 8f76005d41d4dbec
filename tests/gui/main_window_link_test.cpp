#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QRegularExpression>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <deque>
#include <QSignalSpy>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include "gui/cell_editors.h"
#include "gui/channel_grid.h"
#include "gui/channel_list_commands.h"
#include "gui/channel_plan_dialog.h"
#include "gui/debug_parameters_dialog.h"
#include "gui/document_history.h"
#include "gui/import_preview_dialog.h"
#include "gui/dialog_set.h"
#include "gui/exchange_status.h"
#include "gui/file_commands.h"
#include "core/lists.h"
#include "gui/message_box.h"
#include "core/backups.h"
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
      m_informative << box.informativeText();
      if (m_answers.empty()) return m_boxAnswer;
      const int answer = m_answers.front();
      m_answers.pop_front();
      return answer;
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
      // The question before a write has tests of its own.
      settings.setValue(QStringLiteral("confirmWrite"), m_confirmWrite);
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
    m_window->fileCommands().setBackupFolder(m_dir.filePath(QStringLiteral("backups")));
    m_window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
  }

  ExchangeControl& control() { return m_window->radioLink()->control(); }
  Document& document() { return m_window->document(); }
  void setHighPower(int level) {
    RadioState next = document().state();
    next.settings.debug.txHighPower = level;
    document().apply(next, EditKind::DebugParameters);
  }
  // Clicks channel `row`'s RX cell and types `text`; the edit stays open.
  void typeRx(int row, const QString& text) {
    ChannelGrid* grid = m_window->grid();
    grid->setDropDownLists(false);
    const QPoint centre = grid->visualRect(grid->model()->index(row - 1, kColRxFreq)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre);
    ASSERT_TRUE(grid->frequencyEditor()->hasFocus());
    QTest::keyClicks(grid->frequencyEditor(), text);
  }

  int waitForOutcome(int timeoutMs) {
    QSignalSpy spy(&control(), &ExchangeControl::finished);
    if (!spy.wait(timeoutMs)) return -1;
    return static_cast<int>(spy.first().first().value<ExchangeOutcome>());
  }

  QTemporaryDir m_dir;
  std::unique_ptr<sim::PtyRadio> m_radio;
  std::unique_ptr<MainWindow> m_window;
  QStringList m_boxes;
  QStringList m_informative;
  std::deque<int> m_answers;  // answered first, then m_boxAnswer
  int m_boxAnswer = MessageResult::kOk;
  bool m_confirmWrite = false;
};

TEST_F(MainWindowLink, ReadFromTheMenuFillsTheDocument) {
  startRadio(SampleImage());
  openWindow(m_radio->slavePath());
  ASSERT_TRUE(m_window->radioLink()->serial().isOpen());
  EXPECT_EQ(m_window->comPortNumber(), 1);
  RadioState expected;
  ASSERT_TRUE(DecodeImage(SampleImage(), expected));

  ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));

  m_window->readAction()->trigger();
  EXPECT_FALSE(m_window->readAction()->isEnabled());
  EXPECT_FALSE(m_window->toolbarWriteAction()->isEnabled());
  EXPECT_FALSE(m_window->findChild<QWidget*>(QStringLiteral("Toolbar1"))->isEnabled());
  EXPECT_FALSE(m_window->findChild<QWidget*>(QStringLiteral("mnupro"))->isEnabled());
  EXPECT_TRUE(m_window->findChild<QWidget*>(QStringLiteral("mnuFile"))->isEnabled());
  // The band and the panel wait until the read has replaced them.
  EXPECT_FALSE(m_window->modelFrame()->isEnabled());
  EXPECT_FALSE(m_window->settingsPanel()->isEnabled());
  EXPECT_EQ(m_window->statusLabel()->text(), QStringLiteral("It's communicating, please wait......"));
  EXPECT_EQ(waitForOutcome(10000), static_cast<int>(ExchangeOutcome::ReadComplete));
  EXPECT_EQ(document().state().channels, expected.channels);
  EXPECT_EQ(document().state().band, kVhfBandPosition);
  EXPECT_EQ(m_window->grid()->model()->index(0, kColRxFreq).data().toString(), QStringLiteral("145.12500"));
  EXPECT_EQ(m_window->modelFrame()->bandList()->currentIndex(), kVhfBandPosition);
  EXPECT_EQ(m_window->statusLabel()->text(), QStringLiteral("Read frequency success!"));
  EXPECT_FALSE(m_window->progressBar()->isVisible());
  EXPECT_EQ(m_window->progressBar()->value(), 425);
  EXPECT_TRUE(QTest::qWaitFor([&] { return m_window->readAction()->isEnabled(); }, 5000));
  EXPECT_FALSE(m_window->statusLabel()->isVisible());
  EXPECT_TRUE(m_boxes.isEmpty()) << m_boxes.join(QLatin1Char('|')).toStdString();
  // What the radio held is kept among the backups, as read.
  const QStringList backups = BackupStore(m_window->fileCommands().backupFolder()).backups();
  ASSERT_EQ(backups.size(), 1);
  EXPECT_TRUE(backups[0].endsWith(QStringLiteral("_read.DAT")));
  QFile backup(backups[0]);
  ASSERT_TRUE(backup.open(QIODevice::ReadOnly));
  EXPECT_EQ(backup.readAll(), SampleImage());
}

// Before a write: the port and what will change, with Write and Cancel and a
// "Do not ask again" that holds for the next writes.
TEST_F(MainWindowLink, AWriteIsAskedForWithThePortAndWhatChanges) {
  m_confirmWrite = true;
  startRadio(SampleImage());
  openWindow(m_radio->slavePath());
  QStringList questions;
  std::deque<std::pair<int, bool>> replies{
      {MessageResult::kCancel, false}, {MessageResult::kWrite, false}, {MessageResult::kWrite, true}};
  SetMessageBoxHook([&](QMessageBox& box) {
    m_boxes << box.text();
    if (!box.checkBox()) return static_cast<int>(MessageResult::kOk);
    questions << box.text();
    const auto [answer, dontAsk] = replies.front();
    replies.pop_front();
    box.checkBox()->setChecked(dontAsk);
    return answer;
  });
  m_window->writeAction()->trigger();
  ASSERT_EQ(questions.size(), 1);
  EXPECT_TRUE(questions[0].startsWith(QStringLiteral("Write to the radio on COM1 (%1)?").arg(m_radio->slavePath())))
      << questions[0].toStdString();
  EXPECT_TRUE(questions[0].contains(QStringLiteral("has not been read in this run")));
  EXPECT_FALSE(control().isBusy());
  EXPECT_EQ(m_radio->programRequests(), 0);

  m_window->readAction()->trigger();
  ASSERT_EQ(waitForOutcome(10000), static_cast<int>(ExchangeOutcome::ReadComplete));
  ASSERT_TRUE(QTest::qWaitFor([&] { return m_window->writeAction()->isEnabled(); }, 5000));
  RadioState next = document().state();
  next.channel(2) = NewChannel(*Frequency::fromText(QStringLiteral("146.00000")));
  next.settings.keys.pf2 = 3;
  next.settings.message.line1 = QStringLiteral("HELLO");
  document().apply(next, EditKind::Channels);
  m_window->writeAction()->trigger();
  ASSERT_EQ(questions.size(), 2);
  EXPECT_TRUE(questions[1].contains(QStringLiteral("1 channel and 2 settings differ"))) << questions[1].toStdString();
  ASSERT_EQ(waitForOutcome(10000), static_cast<int>(ExchangeOutcome::WriteComplete));
  ASSERT_TRUE(QTest::qWaitFor([&] { return m_window->writeAction()->isEnabled(); }, 5000));
  // Right after the write, the radio holds what was written.
  m_window->writeAction()->trigger();
  ASSERT_EQ(questions.size(), 3);
  EXPECT_TRUE(questions[2].endsWith(QStringLiteral("Nothing differs from what was last written to the radio.")))
      << questions[2].toStdString();
  ASSERT_EQ(waitForOutcome(10000), static_cast<int>(ExchangeOutcome::WriteComplete));
  ASSERT_TRUE(QTest::qWaitFor([&] { return m_window->writeAction()->isEnabled(); }, 5000));
  // Not asked again.
  m_window->writeAction()->trigger();
  EXPECT_EQ(questions.size(), 3);
  ASSERT_EQ(waitForOutcome(10000), static_cast<int>(ExchangeOutcome::WriteComplete));
}

// Leaving while the radio is written asks first; stopping sends End.
TEST_F(MainWindowLink, ExitDuringAWriteAsksAndStopsWithEnd) {
  startRadio(QByteArray(1024, '\x3C'), {}, true);
  openWindow(m_radio->slavePath());
  m_window->writeAction()->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return m_window->progressBar()->isVisible(); }, 5000));
  m_boxAnswer = MessageResult::kNo;
  EXPECT_FALSE(m_window->close());
  ASSERT_EQ(m_boxes.size(), 1);
  EXPECT_EQ(m_boxes[0], QStringLiteral("The radio is being read or written. Stop and exit?"));
  EXPECT_TRUE(control().isRunning());
  m_boxAnswer = MessageResult::kYes;
  EXPECT_TRUE(m_window->close());
  EXPECT_FALSE(control().isRunning());
  EXPECT_TRUE(QTest::qWaitFor([&] { return m_radio->endsReceived() == 1; }, 3000));
}

// While a write runs, no way of editing reaches the document: the radio gets
// the image the window shows, and the window still shows it afterwards.
TEST_F(MainWindowLink, NothingChangesTheChannelsDuringAWrite) {
  startRadio(QByteArray(1024, '\x3C'), {}, true);
  openWindow(m_radio->slavePath());
  ASSERT_TRUE(document().loadImage(SampleImage(), EditKind::OpenFile));
  ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
  const RadioState before = document().state();
  ChannelGrid* grid = m_window->grid();
  grid->setDropDownLists(false);
  const auto centre = [grid](int row, int column) {
    return grid->visualRect(grid->model()->index(row - 1, column)).center();
  };
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre(1, kColChannel));
  QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
  const QString list = m_dir.filePath(QStringLiteral("list.csv"));
  QFile csv(list);
  ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
  csv.write("Location,Frequency\r\n2,150.000000\r\n");
  csv.close();

  m_window->writeAction()->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return m_window->progressBar()->isVisible(); }, 5000));
  grid->setFocus();
  grid->setCurrentIndex(grid->model()->index(2, kColTxFreq));
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, centre(1, kColRxFreq));
  EXPECT_EQ(grid->currentIndex().row(), 0);  // the click reached the table
  EXPECT_FALSE(grid->isEditing());
  QTest::keyClick(grid, Qt::Key_1);
  EXPECT_FALSE(grid->isEditing());
  QTest::keyClick(grid, Qt::Key_Delete);
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre(1, kColChannel));
  QTest::keyClick(grid, Qt::Key_Down, Qt::ControlModifier);
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre(5, kColChannel));
  QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
  m_window->history().undoAction()->trigger();
  m_window->channelLists().setPreviewAnswer([](ImportPreviewDialog&) { return true; });
  m_window->channelLists().importPath(list);
  RadioState other = before;
  other.channel(3) = other.channel(1);
  EXPECT_FALSE(document().apply(other, EditKind::Channels));
  EXPECT_EQ(document().state(), before);
  EXPECT_TRUE(control().isRunning());

  ASSERT_EQ(waitForOutcome(20000), static_cast<int>(ExchangeOutcome::WriteComplete));
  RadioState written;
  ASSERT_TRUE(DecodeImage(m_radio->memory(), written));
  EXPECT_EQ(written.channels, before.channels);
  EXPECT_EQ(document().state(), before);
  // Once the exchange is over the table takes edits again.
  ASSERT_TRUE(QTest::qWaitFor([&] { return m_window->writeAction()->isEnabled(); }, 5000));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre(3, kColRxFreq));
  EXPECT_TRUE(grid->isEditing());
}

TEST_F(MainWindowLink, WriteFromTheToolbarChangesWrittenRegionsOnly) {
  startRadio(QByteArray(1024, '\x3C'));
  openWindow(m_radio->slavePath());
  ASSERT_TRUE(document().loadImage(SampleImage(), EditKind::OpenFile));
  const QByteArray image = document().image();
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
  ASSERT_TRUE(document().loadImage(SampleImage(), EditKind::OpenFile));  // a decode locks the block again
  setHighPower(40);

  m_window->dialogs().showDebugParameters();
  QWidget* form2 = &m_window->dialogs().debugParameters();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form2));
  QAction* tanma = m_window->findChild<QAction*>(QStringLiteral("TAnMa"));
  ASSERT_NE(tanma, nullptr);
  EXPECT_FALSE(tanma->isVisible());
  QTest::mouseClick(form2->findChild<QWidget*>(QStringLiteral("Label8")), Qt::LeftButton);
  QTest::mouseClick(form2->findChild<QWidget*>(QStringLiteral("Label3")), Qt::LeftButton);
  ASSERT_TRUE(document().debugParametersUnlocked());
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
  EXPECT_FALSE(document().debugParametersUnlocked());
  EXPECT_FALSE(tanma->isVisible());
  setHighPower(50);
  m_window->writeAction()->trigger();
  ASSERT_EQ(waitForOutcome(10000), static_cast<int>(ExchangeOutcome::WriteComplete));
  EXPECT_EQ(m_radio->memory().at(0x0183 - 0x10), '\x28');  // still the unlocked write's 40
  EXPECT_EQ(m_window->progressBar()->value(), 390);
}

TEST_F(MainWindowLink, SilenceShowsTheCommunicationErrorAndKeepsTheDocument) {
  startRadio(SampleImage(), {.silenceAfter = 12});
  openWindow(m_radio->slavePath());
  const RadioState before = document().state();
  m_window->readAction()->trigger();
  EXPECT_EQ(waitForOutcome(8000), static_cast<int>(ExchangeOutcome::CommunicationError));
  EXPECT_EQ(m_boxes, QStringList{QStringLiteral(
                         "Communication error, please check the intercom model, fault, attachment and computer "
                         "serial choice!")});
  EXPECT_EQ(document().state(), before);
  EXPECT_TRUE(m_window->readAction()->isEnabled());
  EXPECT_FALSE(m_window->progressBar()->isVisible());
}

// The error names the port and what was seen; its "Test connection" runs
// the link doctor on that port, whose answer names the port too.
TEST_F(MainWindowLink, TheCommunicationErrorNamesThePortAndTestsIt) {
  startRadio(SampleImage(), {.silenceAfter = 12});
  openWindow(m_radio->slavePath());
  const QString port = QStringLiteral("COM1 (%1)").arg(m_radio->slavePath());
  m_answers = {MessageResult::kTestConnection};
  QSignalSpy tested(m_window->radioLink(), &WindowLink::connectionTested);
  m_window->readAction()->trigger();
  EXPECT_EQ(waitForOutcome(8000), static_cast<int>(ExchangeOutcome::CommunicationError));
  ASSERT_TRUE(tested.wait(15000));
  ASSERT_EQ(m_boxes.size(), 2);
  EXPECT_EQ(m_boxes[0], QStringLiteral("Communication error, please check the intercom model, fault, attachment and "
                                       "computer serial choice!"));
  EXPECT_TRUE(m_informative[0].startsWith(QStringLiteral("Port: %1\nWhat was seen: ").arg(port)))
      << m_informative[0].toStdString();
  EXPECT_TRUE(m_boxes[1].startsWith(QStringLiteral("Port tested: %1\n\n").arg(port))) << m_boxes[1].toStdString();
  EXPECT_TRUE(m_window->radioLink()->serial().isOpen());
  EXPECT_TRUE(m_window->readAction()->isEnabled());
}

// Escape or Stop ends an exchange at once: End goes to the radio, nothing
// read is kept, and the status bar says where it stopped.
TEST_F(MainWindowLink, EscapeAndStopEndAnExchangeWithEndAndKeepTheDocument) {
  startRadio(SampleImage(), {}, true);
  openWindow(m_radio->slavePath());
  ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
  ExchangeStatus* status = m_window->radioLink()->exchangeStatus();
  ASSERT_NE(status, nullptr);
  const RadioState before = document().state();

  m_window->readAction()->trigger();
  EXPECT_TRUE(status->stopButton()->isVisible());
  const QString reading = QStringLiteral("Reading from the radio on COM1 (%1): ").arg(m_radio->slavePath());
  EXPECT_EQ(status->progressLabel()->text(), reading + QStringLiteral("waiting for the radio to answer"));
  // The percentage the status bar shows.
  const auto shown = [status] {
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("(\\d+) %$")).match(status->progressLabel()->text());
    return match.hasMatch() ? match.captured(1).toInt() : -1;
  };
  ASSERT_TRUE(QTest::qWaitFor([&] { return shown() >= 10; }, 5000)) << status->progressLabel()->text().toStdString();
  EXPECT_TRUE(status->progressLabel()->text().startsWith(reading));
  QSignalSpy finished(&control(), &ExchangeControl::finished);
  const int stoppedAt = shown();
  QTest::keyClick(m_window.get(), Qt::Key_Escape);
  ASSERT_EQ(finished.size(), 1);
  EXPECT_EQ(finished.first().first().value<ExchangeOutcome>(), ExchangeOutcome::Stopped);
  EXPECT_TRUE(m_window->readAction()->isEnabled());
  EXPECT_FALSE(status->stopButton()->isVisible());
  EXPECT_TRUE(QTest::qWaitFor([&] { return m_radio->endsReceived() == 1; }, 3000));
  EXPECT_EQ(document().state(), before);
  EXPECT_TRUE(status->result().contains(QStringLiteral("Read stopped at %1 %;").arg(stoppedAt)))
      << status->result().toStdString();

  // The radio finishes the reply under way and leaves programming mode, as
  // it would while a user reaches for Write.
  QTest::qWait(300);
  ASSERT_TRUE(document().loadImage(SampleImage(), EditKind::OpenFile));  // the radio's band
  m_window->writeAction()->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return shown() >= 10; }, 5000))
      << status->progressLabel()->text().toStdString();
  QTest::mouseClick(status->stopButton(), Qt::LeftButton);
  EXPECT_FALSE(control().isBusy());
  EXPECT_TRUE(QTest::qWaitFor([&] { return m_radio->endsReceived() == 2; }, 3000));
  EXPECT_TRUE(status->result().contains(QStringLiteral("Write stopped at "))) << status->result().toStdString();
  EXPECT_TRUE(m_boxes.isEmpty()) << m_boxes.join(QLatin1Char('\n')).toStdString();
}

// The result outlives the blinking status text, until the next edit.
TEST_F(MainWindowLink, TheResultStaysInTheStatusBarUntilTheNextEdit) {
  startRadio(SampleImage());
  openWindow(m_radio->slavePath());
  ExchangeStatus* status = m_window->radioLink()->exchangeStatus();
  m_window->readAction()->trigger();
  ASSERT_EQ(waitForOutcome(10000), static_cast<int>(ExchangeOutcome::ReadComplete));
  ASSERT_TRUE(QTest::qWaitFor([&] { return m_window->readAction()->isEnabled(); }, 5000));
  EXPECT_FALSE(m_window->statusLabel()->isVisible());
  EXPECT_TRUE(status->result().contains(QStringLiteral("Read frequency success!  (port COM1 (%1))").arg(m_radio->slavePath())))
      << status->result().toStdString();
  // Pointing at a menu item sends its (empty) status tip: the result stays.
  QStatusTipEvent tip{QString()};
  QCoreApplication::sendEvent(m_window.get(), &tip);
  EXPECT_FALSE(status->result().isEmpty());
  setHighPower(30);
  EXPECT_TRUE(status->result().isEmpty());
}

TEST_F(MainWindowLink, CorruptedReplyShowsTheCommunicationError) {
  startRadio(SampleImage(), {.corruptReply = 10});
  openWindow(m_radio->slavePath());
  const RadioState before = document().state();
  m_window->readAction()->trigger();
  EXPECT_EQ(waitForOutcome(8000), static_cast<int>(ExchangeOutcome::CommunicationError));
  EXPECT_EQ(m_boxes.size(), 1);
  EXPECT_EQ(document().state(), before);
}

TEST_F(MainWindowLink, PulledCableEndsAtOnceWithTheCommunicationError) {
  startRadio(SampleImage(), {}, true);
  openWindow(m_radio->slavePath());
  const RadioState before = document().state();
  QObject::connect(&control(), &ExchangeControl::progressChanged, m_window.get(), [this](int value) {
    if (value == 100) m_radio->pullCable();
  });
  QElapsedTimer clock;
  clock.start();
  m_window->readAction()->trigger();
  EXPECT_EQ(waitForOutcome(8000), static_cast<int>(ExchangeOutcome::CommunicationError));
  EXPECT_LT(clock.elapsed(), 2500);
  EXPECT_EQ(m_boxes.size(), 1);
  EXPECT_EQ(document().state(), before);
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
  PortWindow* form = m_window->radioLink()->portWindow();
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(form->option(0)->isChecked());  // the remembered COM1
  form->close();
  EXPECT_FALSE(form->isVisible());
  m_window->comPortAction()->trigger();
  EXPECT_EQ(m_window->radioLink()->portWindow(), form);
  EXPECT_EQ(m_window->findChildren<PortWindow*>().size(), 1);  // no second window, no second scan
  EXPECT_TRUE(form->isVisible());
}

// A frequency still being typed when Write is clicked is what the radio gets.
TEST_F(MainWindowLink, WriteSendsTheFrequencyStillBeingTyped) {
  startRadio(QByteArray(1024, '\x3C'));
  openWindow(m_radio->slavePath());
  ASSERT_TRUE(document().loadImage(SampleImage(), EditKind::OpenFile));  // the radio's band
  ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
  typeRx(4, QStringLiteral("146.5"));
  auto* toolbar = m_window->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
  QTest::mouseClick(toolbar->widgetForAction(m_window->toolbarWriteAction()), Qt::LeftButton);
  ASSERT_EQ(waitForOutcome(10000), static_cast<int>(ExchangeOutcome::WriteComplete));
  RadioState written;
  ASSERT_TRUE(DecodeImage(m_radio->memory(), written));
  EXPECT_EQ(written.channel(4).rx.text(), QStringLiteral("146.50000"));
  EXPECT_EQ(written.channel(4).tx.text(), QStringLiteral("146.50000"));
  EXPECT_EQ(written.channel(1), document().state().channel(1));
  EXPECT_TRUE(m_boxes.isEmpty()) << m_boxes.join(QLatin1Char('|')).toStdString();
}

// A PMR446 set: the stock plan, then one tone for every channel (Ctrl+A and
// typing it), then Write; the radio gets all 16 channels as the window shows.
TEST_F(MainWindowLink, ASetFromAChannelPlanIsWrittenToTheRadio) {
  m_radio = std::make_unique<sim::PtyRadio>(sim::RadioProtocol(), sim::LineOptions{});  // 400-480MHz
  ASSERT_TRUE(m_radio->open());
  m_radio->start();
  openWindow(m_radio->slavePath());
  m_window->channelLists().setPlanFolders(QStringLiteral(QX210_PLANS_DIR), m_dir.filePath(QStringLiteral("plans")));
  m_window->channelLists().setPlanAnswer(
      [](ChannelPlanDialog& dialog) { return dialog.selectPlan(QStringLiteral("pmr446")); });
  m_window->findChild<QAction*>(QStringLiteral("newFromPlanAction"))->trigger();
  ASSERT_EQ(document().state().channel(16).rx.text(), QStringLiteral("446.19375"));

  ChannelGrid* grid = m_window->grid();
  grid->setDropDownLists(false);
  ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
  grid->setFocus();
  QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
  grid->setCurrentIndex(grid->model()->index(0, kColRxTone));
  QTest::keyClick(grid, Qt::Key_6);
  QTest::keyClicks(grid->toneEditor(), QStringLiteral("7.0"));
  QTest::keyClick(grid->toneEditor(), Qt::Key_Return);
  for (int n = 1; n <= kChannelCount; ++n)
    ASSERT_EQ(document().state().channel(n).rxTone, *Tone::qt(670)) << n;

  m_window->toolbarWriteAction()->trigger();
  ASSERT_EQ(waitForOutcome(10000), static_cast<int>(ExchangeOutcome::WriteComplete));
  RadioState written;
  ASSERT_TRUE(DecodeImage(m_radio->memory(), written));
  EXPECT_EQ(written.channels, document().state().channels);
  EXPECT_TRUE(m_boxes.isEmpty()) << m_boxes.join(QLatin1Char('|')).toStdString();
}

// A value typed when Read starts becomes an edit of its own, which the read
// then replaces.
TEST_F(MainWindowLink, ReadCommitsTheTypedValueBeforeTheImageReplacesIt) {
  startRadio(SampleImage());
  openWindow(m_radio->slavePath());
  ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
  typeRx(4, QStringLiteral("437"));
  m_boxAnswer = MessageResult::kDiscard;  // the read replaces a changed document
  std::vector<Edit> edits;
  QObject::connect(&document(), &Document::edited, m_window.get(), [&edits](const Edit& edit) { edits.push_back(edit); });
  m_window->readAction()->trigger();
  ASSERT_EQ(waitForOutcome(10000), static_cast<int>(ExchangeOutcome::ReadComplete));
  ASSERT_EQ(edits.size(), 2u);
  EXPECT_EQ(edits[0].kind, EditKind::Channel);
  EXPECT_EQ(edits[0].after.channel(4).rx.text(), QStringLiteral("437.00000"));
  EXPECT_EQ(edits[1].kind, EditKind::ReadRadio);
  EXPECT_FALSE(document().state().channel(4).inUse());
}

}  // namespace
}  // namespace qx210
