// The production window's rows and counts, the window's fleet commands, the
// link doctor in the window and the details of a communication error.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <memory>
#include <vector>

#include "core/clone_plan.h"
#include "core/language.h"
#include "core/user_settings.h"
#include "gui/main_window.h"
#include "gui/message_box.h"
#include "gui/production_window.h"
#include "gui/window_link.h"
#include "support/link_rig.h"

namespace qx210 {
namespace {

using test::SampleImage;

struct Box {
  QString text, title, details;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
};

class FleetWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetLanguage(kEnglish);
    SetMessageBoxHook([this](QMessageBox& box) {
      m_boxes.append({box.text(), box.windowTitle(), box.detailedText(), box.icon()});
      return m_answer;
    });
  }
  void TearDown() override {
    m_window.reset();
    m_production.reset();
    m_link.reset();
    for (auto& radio : m_radios) radio->stop();
    SetMessageBoxHook({});
    SetLanguage(kEnglish);
  }
  // A VHF radio, or a UHF one of the band a new main window starts with.
  QString addRadio(sim::RadioFaults faults = {}, bool paced = false, bool uhf = false) {
    sim::RadioProtocol protocol(uhf ? "P3207" : "P2207", uhf ? 0x33 : 0x01);
    protocol.loadMemory(QByteArray(1024, '\x5A'));
    protocol.setFaults(faults);
    sim::LineOptions line;
    line.paced = paced;
    auto radio = std::make_unique<sim::PtyRadio>(std::move(protocol), line);
    EXPECT_TRUE(radio->open());
    radio->start();
    m_radios.push_back(std::move(radio));
    return m_radios.back()->slavePath();
  }
  // A production window over `paths`, in slots 1.. of its own port list.
  ProductionWindow& production(const QStringList& paths) {
    PortCatalogue catalogue = PortCatalogue::fromDevices(paths, {});
    m_link = std::make_unique<SerialLink>(catalogue);
    ProductionWindow::Hooks hooks;
    hooks.image = [] { return SampleImage().left(848); };
    hooks.acquirePorts = [this](const QStringList& ticked) {
      m_acquired = ticked;
      return true;
    };
    hooks.releasePorts = [this] { ++m_released; };
    m_production = std::make_unique<ProductionWindow>(*m_link, std::move(hooks));
    return *m_production;
  }
  QString state(const QString& path) const {
    QTreeWidgetItem* row = m_production->rowOf(path);
    return row ? row->text(ProductionWindow::kStateColumn) : QStringLiteral("<no row>");
  }
  QString last(const QString& path) const {
    QTreeWidgetItem* row = m_production->rowOf(path);
    return row ? row->text(ProductionWindow::kLastColumn) : QStringLiteral("<no row>");
  }
  QLabel* counts() const { return m_production->findChild<QLabel*>(QStringLiteral("Counts")); }
  QPushButton* button(const char* name) const { return m_production->findChild<QPushButton*>(QString::fromLatin1(name)); }

  QTemporaryDir m_dir;
  std::vector<std::unique_ptr<sim::PtyRadio>> m_radios;
  std::unique_ptr<SerialLink> m_link;
  std::unique_ptr<ProductionWindow> m_production;
  std::unique_ptr<MainWindow> m_window;
  QList<Box> m_boxes;
  int m_answer = MessageResult::kOk;
  QStringList m_acquired;
  int m_released = 0;
};

TEST_F(FleetWindowTest, RowsAndCountsOfARun) {
  const QString good = addRadio({}, true);
  const QString spoiling = addRadio({.spoilWriteAddress = 0x0150});
  const QString idle = addRadio();
  const QString missing = m_dir.filePath(QStringLiteral("ttyUSB7"));
  ProductionWindow& window = production({good, spoiling, idle, missing});
  window.findChild<QLineEdit*>(QStringLiteral("LogFile"))->setText(m_dir.filePath(QStringLiteral("run.csv")));
  window.show();
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Program several radios"));
  EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("ImageLabel"))->text(),
            QStringLiteral("Image: the open document, band 136-174MHz"));
  EXPECT_EQ(counts()->text(), QStringLiteral("Passed: 0    Failed: 0"));
  window.findChild<QCheckBox*>(QStringLiteral("Continuous"))->setChecked(false);
  for (const QString& path : {good, spoiling, missing}) window.setTicked(path, true);

  QSignalSpy ended(&window, &ProductionWindow::runEnded);
  QTest::mouseClick(button("Start"), Qt::LeftButton);
  EXPECT_EQ(m_acquired, (QStringList{good, spoiling, missing}));
  EXPECT_TRUE(window.isRunning());
  EXPECT_FALSE(button("Start")->isEnabled());
  EXPECT_TRUE(button("Stop")->isEnabled());
  // The paced radio shows its progress on its row.
  EXPECT_TRUE(QTest::qWaitFor([&] { return state(good).startsWith(QStringLiteral("writing ")); }, 5000));
  EXPECT_TRUE(state(good).endsWith(QStringLiteral(" %"))) << state(good).toStdString();
  EXPECT_TRUE(QTest::qWaitFor([&] { return state(good).startsWith(QStringLiteral("verifying ")); }, 10000));
  ASSERT_TRUE(ended.wait(20000));

  EXPECT_EQ(state(good), QStringLiteral("passed"));
  EXPECT_TRUE(last(good).endsWith(QStringLiteral("  passed")));
  EXPECT_EQ(state(spoiling), QStringLiteral("failed: the read-back differs, first at 0x0150"));
  EXPECT_TRUE(state(missing).startsWith(QStringLiteral("failed: ") + missing + QStringLiteral(" does not exist.")))
      << state(missing).toStdString();
  EXPECT_TRUE(state(idle).isEmpty());
  EXPECT_EQ(counts()->text(), QStringLiteral("Passed: 1    Failed: 2"));
  EXPECT_EQ(window.passedCount(), 1);
  EXPECT_EQ(m_released, 1);
  EXPECT_TRUE(button("Start")->isEnabled());
  EXPECT_FALSE(button("Stop")->isEnabled());
  EXPECT_TRUE(m_radios[2]->writtenAddresses().isEmpty());  // not ticked, not touched
  EXPECT_EQ(FirstDifference(SampleImage().left(848), m_radios[0]->memory(), WrittenRanges(false)), -1);

  QFile log(m_dir.filePath(QStringLiteral("run.csv")));
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  const QStringList rows = QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(rows.size(), 4);
  EXPECT_EQ(rows.first(), QStringLiteral("time,port,band,result,seconds"));
  EXPECT_TRUE(rows.filter(spoiling).value(0).contains(QStringLiteral(",136-174MHz,verify failed at 0x0150,")));
}

TEST_F(FleetWindowTest, WaitingForTheNextRadioUntilStop) {
  const QString port = addRadio();
  ProductionWindow& window = production({port});
  window.show();
  window.setTicked(port, true);
  window.start();
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.passedCount() == 1; }, 10000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return state(port) == QStringLiteral("waiting"); }, 2000));
  EXPECT_TRUE(last(port).endsWith(QStringLiteral("passed")));
  QSignalSpy ended(&window, &ProductionWindow::runEnded);
  QTest::mouseClick(button("Stop"), Qt::LeftButton);
  ASSERT_TRUE(ended.wait(3000));
  EXPECT_EQ(state(port), QStringLiteral("stopped"));
  EXPECT_EQ(counts()->text(), QStringLiteral("Passed: 1    Failed: 0"));
  EXPECT_EQ(m_radios[0]->writtenAddresses().size(), 38);  // written once
}

TEST_F(FleetWindowTest, NothingTickedAsksForAPort) {
  ProductionWindow& window = production({addRadio()});
  window.start();
  EXPECT_FALSE(window.isRunning());
  ASSERT_EQ(m_boxes.size(), 1);
  EXPECT_EQ(m_boxes.first().text, QStringLiteral("Tick the ports with a radio first."));
  EXPECT_TRUE(m_acquired.isEmpty());
}

TEST_F(FleetWindowTest, ChineseCaptionsAndStates) {
  const QString port = addRadio();
  ProductionWindow& window = production({port});
  SetLanguage(kChinese);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("同时写多台对讲机"));
  EXPECT_EQ(button("Start")->text(), QString::fromUtf8("开始"));
  EXPECT_EQ(counts()->text(), QString::fromUtf8("成功：0    失败：0"));
  window.setTicked(port, true);
  window.findChild<QCheckBox*>(QStringLiteral("Continuous"))->setChecked(false);
  QSignalSpy ended(&window, &ProductionWindow::runEnded);
  window.start();
  ASSERT_TRUE(ended.wait(10000));
  EXPECT_EQ(state(port), QString::fromUtf8("成功"));
}

// --- The main window's fleet commands ----------------------------------------

class MainWindowFleetTest : public FleetWindowTest {
 protected:
  void openWindow(const QString& com1) {
    QFile parameter(m_dir.filePath(QStringLiteral("parameter")));
    ASSERT_TRUE(parameter.open(QIODevice::WriteOnly));
    parameter.write(QByteArray::fromHex("000101"));  // unlocked, COM1, English
    parameter.close();
    MainWindowConfig config;
    config.parameterFile = parameter.fileName();
    const QString hint = m_dir.filePath(QStringLiteral("hint.ini"));
    config.languageHintStore = [hint] { return std::make_unique<QSettings>(hint, QSettings::IniFormat); };
    config.portCatalogue = [com1] { return PortCatalogue::fromDevices({com1}, {}); };
    const QString ports = m_dir.filePath(QStringLiteral("ports.ini"));
    config.portSettings = [ports] { return std::make_unique<QSettings>(ports, QSettings::IniFormat); };
    UserSettings().setValue(QStringLiteral("confirmWrite"), false);  // no question before a write here
    m_window = std::make_unique<MainWindow>(config);
    m_window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
  }
  QAction* action(const char* name) const { return m_window->findChild<QAction*>(QString::fromLatin1(name)); }
};

TEST_F(MainWindowFleetTest, ProductionRunBorrowsTheWindowsPort) {
  const QString port = addRadio({}, false, true);
  openWindow(port);
  WindowLink* link = m_window->radioLink();
  ASSERT_TRUE(link->serial().isOpen());
  ASSERT_NE(action("mnuProduction"), nullptr);
  EXPECT_EQ(action("mnuProduction")->text(), QStringLiteral("Program &several radios…"));
  action("mnuProduction")->trigger();
  ProductionWindow* window = link->productionWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  window->findChild<QCheckBox*>(QStringLiteral("Continuous"))->setChecked(false);
  window->setTicked(port, true);
  QSignalSpy ended(window, &ProductionWindow::runEnded);
  window->start();
  EXPECT_FALSE(link->serial().isOpen());  // the run has it
  ASSERT_TRUE(ended.wait(15000));
  EXPECT_EQ(window->passedCount(), 1);
  EXPECT_TRUE(link->serial().isOpen());  // and gives it back
  // The image written is the open document's.
  EXPECT_EQ(FirstDifference(m_window->document().image(), m_radios[0]->memory(), WrittenRanges(false)), -1);
}

// Leaving during a run asks first; stopping tells the radio under way to
// leave programming mode.
TEST_F(MainWindowFleetTest, ExitDuringARunAsksAndStopsTheRadiosWithEnd) {
  const QString port = addRadio({}, true, true);
  openWindow(port);
  action("mnuProduction")->trigger();
  ProductionWindow* window = m_window->radioLink()->productionWindow();
  window->setTicked(port, true);
  window->start();
  // Some blocks written already.
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        const QString state = window->rowOf(port)->text(ProductionWindow::kStateColumn);
        return state.startsWith(QStringLiteral("writing")) && state != QStringLiteral("writing 0 %");
      },
      5000));
  m_answer = MessageResult::kNo;
  EXPECT_FALSE(m_window->close());
  ASSERT_EQ(m_boxes.size(), 1);
  EXPECT_EQ(m_boxes.first().text, QStringLiteral("Several radios are being programmed. Stop them and exit?"));
  EXPECT_TRUE(window->isRunning());
  m_answer = MessageResult::kYes;
  EXPECT_TRUE(m_window->close());
  EXPECT_TRUE(QTest::qWaitFor([&] { return m_radios[0]->endsReceived() == 1; }, 3000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isRunning(); }, 1000));
}

TEST_F(MainWindowFleetTest, TestConnectionAnswersInAMessage) {
  const QString port = addRadio({}, false, true);
  openWindow(port);
  ASSERT_NE(action("mnuTestLink"), nullptr);
  EXPECT_EQ(action("mnuTestLink")->text(), QStringLiteral("&Test connection…"));
  QSignalSpy tested(m_window->radioLink(), &WindowLink::connectionTested);
  action("mnuTestLink")->trigger();
  EXPECT_FALSE(m_window->readAction()->isEnabled());  // no exchange while the doctor runs
  ASSERT_TRUE(tested.wait(5000));
  ASSERT_EQ(m_boxes.size(), 1);
  EXPECT_EQ(m_boxes.first().title, QStringLiteral("Test connection"));
  EXPECT_EQ(m_boxes.first().icon, QMessageBox::Information);
  EXPECT_TRUE(m_boxes.first().text.startsWith(QStringLiteral("The radio answers: QX-210, model P3207, band 400-480MHz.")));
  EXPECT_TRUE(m_window->readAction()->isEnabled());
  EXPECT_TRUE(m_window->radioLink()->serial().isOpen());
  EXPECT_TRUE(QTest::qWaitFor([&] { return m_radios[0]->endsReceived() == 1; }, 2000));

  // A silent radio, in Chinese.
  m_radios[0]->setRadioConnected(false);
  m_window->chooseChinese();
  action("mnuTestLink")->trigger();
  ASSERT_TRUE(tested.wait(5000));
  ASSERT_EQ(m_boxes.size(), 2);
  EXPECT_EQ(m_boxes.last().title, QString::fromUtf8("测试连接"));
  EXPECT_EQ(m_boxes.last().icon, QMessageBox::Critical);
  EXPECT_TRUE(m_boxes.last().text.contains(QString::fromUtf8("两秒内没有得到应答"))) << m_boxes.last().text.toStdString();
}

TEST_F(MainWindowFleetTest, CommunicationErrorKeepsItsWordsAndSaysWhatWasSeen) {
  const QString port = addRadio({.silenceAfter = 3 + 20}, false, true);
  openWindow(port);
  m_window->writeAction()->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !m_boxes.isEmpty(); }, 10000));
  EXPECT_EQ(m_boxes.first().text, QStringLiteral("Communication error, please check the intercom model, fault, "
                                                 "attachment and computer serial choice!"));
  EXPECT_EQ(m_boxes.first().details, QStringLiteral("No answer after block 0x0150."));
}

}  // namespace
}  // namespace qx210
