// A value still being typed into the channel table is committed before any
// command that saves, sends, replaces the document, switches the language,
// opens a dialog or ends the program.
#include <QToolBar>
#include <QToolButton>
#include <functional>

#include "core/codec.h"
#include "gui/file_commands.h"
#include "gui/settings_panel.h"
#include "support/file_dialog_answers.h"
#include "support/main_window_fixture.h"

namespace qx210::testing {
namespace {

class PendingEditTest : public MainWindowTest {
 public:
  void trigger(const char* name) { action(name)->trigger(); }
  void click(const char* key) { clickToolButton(key); }
  void pickBand(int position) { window->modelFrame()->bandList()->setCurrentIndex(position); }

 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    start();
    window->fileChooser().setDialogOptions(QFileDialog::DontUseNativeDialog);
  }

  QAction* action(const char* name) const {
    auto* found = window->findChild<QAction*>(QString::fromLatin1(name));
    if (!found) ADD_FAILURE() << "no action " << name;
    return found;
  }
  // A click on a tool bar button, which takes no focus from the editor.
  void clickToolButton(const char* key) {
    auto* toolbar = window->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
    QWidget* button = toolbar->widgetForAction(action(key));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->focusPolicy() & Qt::ClickFocus, 0);
    QTest::mouseClick(button, Qt::LeftButton);
  }

  // The typed 437 reached the document and the table, and the current cell
  // is still channel 4's RX frequency.
  void expectCommitted() {
    EXPECT_EQ(channel(4).rx.text(), QStringLiteral("437.00000"));
    EXPECT_EQ(channel(4).tx.text(), QStringLiteral("437.00000"));
    EXPECT_EQ(cell(4, kColRxFreq), QStringLiteral("437.00000"));
    EXPECT_FALSE(grid()->isEditing());
    EXPECT_EQ(grid()->currentIndex(), grid()->model()->index(3, kColRxFreq));
  }

  QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
  static QByteArray contents(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
};

// The case from the field: 437 typed into channel 4 with 400-480MHz selected,
// then Save on the tool bar.
TEST_F(PendingEditTest, SaveWritesWhatIsStillBeingTyped) {
  ASSERT_EQ(state().band, 0);
  const std::pair<const char*, std::function<void()>> saves[] = {
      {"toolbar", [this] { clickToolButton("save"); }},
      {"menu", [this] { action("mnuAssave")->trigger(); }},
  };
  for (const auto& [name, save] : saves) {
    SCOPED_TRACE(name);
    window->activateWindow();  // back from the last file dialog
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    document().setFilePath(QString());  // so that Save asks for a name each time
    startFrequency(4, kColRxFreq, QStringLiteral("437"));
    const QString file = path(name) + QStringLiteral(".DAT");
    FileDialogAnswers files({file});
    save();
    EXPECT_EQ(files.seen(), 1);
    const QByteArray bytes = contents(file);
    ASSERT_EQ(bytes.size(), 848);
    // Channel 4's record starts 48 bytes in: RX then TX, 437.00000 MHz in BCD.
    EXPECT_EQ(bytes.mid(48, 8), QByteArray::fromHex("0000704300007043"));
    expectCommitted();
    emptyFrequency(4, kColRxFreq);
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(PendingEditTest, AToneStillBeingTypedIsSavedToo) {
  typeFrequency(4, kColRxFreq, QStringLiteral("437"));
  clickCell(4, kColTxTone);
  combo8()->lineEdit()->selectAll();
  QTest::keyClicks(combo8(), QStringLiteral("d23i"));
  FileDialogAnswers files({path("tone.DAT")});
  clickToolButton("save");
  RadioState saved;
  ASSERT_TRUE(DecodeImage(contents(path("tone.DAT")), saved));
  EXPECT_EQ(saved.channel(4).txTone, *Tone::dqt(023, true));
  EXPECT_EQ(cell(4, kColTxTone), QStringLiteral("D023I"));
  EXPECT_EQ(grid()->currentIndex(), grid()->model()->index(3, kColTxTone));
}

// A typed value outside the band is reported as on leaving the cell; the
// command goes on with the value the channel had.
TEST_F(PendingEditTest, AValueOutOfTheBandIsReportedBeforeTheCommand) {
  typeFrequency(4, kColRxFreq, QStringLiteral("437"));
  startFrequency(4, kColRxFreq, QStringLiteral("150"));
  FileDialogAnswers files({path("band.DAT")});
  clickToolButton("save");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, QStringLiteral("Beyond the frequency range"));
  EXPECT_EQ(files.seen(), 1);
  expectCommitted();
}

struct Command {
  const char* name;
  std::function<void(PendingEditTest&)> run;
  std::vector<int> answers;  // message boxes the command asks, in order
};

void PrintTo(const Command& command, std::ostream* os) { *os << command.name; }

class PendingEditCommands : public PendingEditTest, public ::testing::WithParamInterface<Command> {};

TEST_P(PendingEditCommands, CommitTheEditFirst) {
  startFrequency(4, kColRxFreq, QStringLiteral("437"));
  for (int answer : GetParam().answers) answers.push_back(answer);
  FileDialogAnswers files({QString()});  // a file dialog is cancelled
  GetParam().run(*this);
  expectCommitted();
  EXPECT_EQ(boxes.size(), GetParam().answers.size());
}

using Self = PendingEditTest;
INSTANTIATE_TEST_SUITE_P(
    Commands, PendingEditCommands,
    ::testing::Values(
        // The document has changed: each of these offers to save it first.
        Command{"NewOnTheToolbar", [](Self& t) { t.click("new"); }, {MessageResult::kDiscard, MessageResult::kCancel}},
        Command{"NewFromTheMenu", [](Self& t) { t.trigger("mnuNew"); }, {MessageResult::kDiscard, MessageResult::kCancel}},
        Command{"OpenOnTheToolbar", [](Self& t) { t.click("open"); }, {MessageResult::kDiscard}},
        Command{"OpenFromTheMenu", [](Self& t) { t.trigger("mnuOpen"); }, {MessageResult::kDiscard}},
        // No port is open here: each only says so, after the commit.
        Command{"ReadOnTheToolbar", [](Self& t) { t.click("read"); }, {MessageResult::kOk}},
        Command{"ReadFromTheMenu", [](Self& t) { t.trigger("mnureadFre"); }, {MessageResult::kOk}},
        Command{"WriteOnTheToolbar", [](Self& t) { t.click("write"); }, {MessageResult::kOk}},
        Command{"WriteFromTheMenu", [](Self& t) { t.trigger("mnuwriteFre"); }, {MessageResult::kOk}},
        Command{"SwitchToChinese", [](Self& t) { t.trigger("mnuChinese"); }, {}},
        Command{"OptionalFunctions", [](Self& t) { t.trigger("mnudtmf"); }, {}},
        Command{"KeyAssignment", [](Self& t) { t.trigger("Key_enactment"); }, {}},
        Command{"EmbeddedMessage", [](Self& t) { t.trigger("mnusetin"); }, {}},
        Command{"DebugParameters", [](Self& t) { t.trigger("mnudebug"); }, {}},
        Command{"TestFrequencies", [](Self& t) { t.trigger("mnutestfre"); }, {}},
        Command{"About", [](Self& t) { t.trigger("mnuabout"); }, {}},
        Command{"Exit", [](Self& t) { t.trigger("mnuQuit"); }, {MessageResult::kCancel}},
        Command{"BandChangeCancelled", [](Self& t) { t.pickBand(6); }, {MessageResult::kCancel}}),
    [](const auto& info) { return std::string(info.param.name); });

// After a switch the typed value shows in the new language's table.
TEST_F(PendingEditTest, SwitchBackShowsTheValueTypedBeforeTheFirstSwitch) {
  startFrequency(4, kColRxFreq, QStringLiteral("437"));
  window->chooseChinese();
  EXPECT_EQ(cell(4, kColPower), QStringLiteral("高"));
  startFrequency(4, kColTxFreq, QStringLiteral("438"));
  window->chooseEnglish();
  EXPECT_EQ(cell(4, kColTxFreq), QStringLiteral("438.00000"));
  EXPECT_EQ(cell(4, kColPower), QStringLiteral("High"));
}

}  // namespace
}  // namespace qx210::testing
