#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <memory>

#include "core/bands.h"
#include "core/document.h"
#include "core/language.h"
#include "gui/cell_editors.h"
#include "gui/channel_grid.h"
#include "core/user_settings.h"
#include "gui/file_chooser.h"
#include "gui/file_commands.h"
#include "gui/main_window.h"
#include "gui/message_box.h"

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QModelIndex& index, std::ostream* os) {
  *os << "(row " << index.row() << ", column " << index.column() << ')';
}

namespace qx210::testing {

// One message box as the user would have seen it.
struct SeenBox {
  QString text;
  QString title;
  QStringList buttons;
};

// A main window on its own parameter file and language-hint store, shown and
// active, whose message boxes are answered from a queue instead of shown.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    writeParameters(0, 0, kEnglish);
    UserSettings().clear();  // recent files, questions not to ask again
    SetMessageBoxHook([this](QMessageBox& box) {
      SeenBox seen{box.text(), box.windowTitle(), {}};
      for (QAbstractButton* button : box.buttons()) seen.buttons << button->text();
      boxes.push_back(seen);
      // Unless a test says otherwise: OK, or the changes discarded, or Cancel.
      if (answers.empty())
        return static_cast<int>(box.button(QMessageBox::Ok)        ? MessageResult::kOk
                                : box.button(QMessageBox::Discard) ? MessageResult::kDiscard
                                                                   : MessageResult::kCancel);
      const int answer = answers.front();
      answers.pop_front();
      return answer;
    });
  }

  void TearDown() override {
    while (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    window.reset();
    SetMessageBoxHook({});
  }

  QString parameterPath() const { return dir.filePath(QStringLiteral("parameter")); }
  QString hintPath() const { return dir.filePath(QStringLiteral("QB-7.ini")); }

  void writeParameters(int lock, int port, int language) {
    QFile file(parameterPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray bytes(3, '\0');
    bytes[0] = static_cast<char>(lock);
    bytes[1] = static_cast<char>(port);
    bytes[2] = static_cast<char>(language);
    file.write(bytes);
  }
  QByteArray readParameters() const {
    QFile file(parameterPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  void start() {
    MainWindowConfig config;
    config.parameterFile = parameterPath();
    config.languageHintStore = [path = hintPath()] {
      return std::make_unique<QSettings>(path, QSettings::IniFormat);
    };
    config.portCatalogue = [] { return PortCatalogue(); };  // no serial ports
    window = std::make_unique<MainWindow>(config);
    window->fileCommands().setBackupFolder(dir.filePath(QStringLiteral("backups")));
    grid()->setDropDownLists(false);  // popups stay closed in tests
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  // The title as the window system shows it: the change mark "[*]" becomes
  // "*" in a changed document and disappears otherwise.
  QString shownTitle() const {
    QString title = window->windowTitle();
    return title.replace(QStringLiteral("[*]"), window->isWindowModified() ? QStringLiteral("*") : QString());
  }

  ChannelGrid* grid() const { return window->grid(); }
  FrequencyEditor* text1() const { return grid()->frequencyEditor(); }
  ToneEditor* combo8() const { return grid()->toneEditor(); }
  OptionEditor* combo5(int column) const { return grid()->optionEditor(column); }
  Document& document() const { return window->document(); }
  const RadioState& state() const { return document().state(); }
  const Channel& channel(int n) const { return state().channel(n); }
  // What the table shows in cell (channel `row`, `column`).
  QString cell(int row, int column) const {
    return grid()->model()->index(row - 1, column).data().toString();
  }
  // Changes the document as a program step would (one edit of `kind`).
  template <typename Change>
  void change(Change&& edit, EditKind kind = EditKind::Channels) {
    RadioState next = state();
    edit(next);
    document().apply(next, kind);
  }

  QPoint cellCentre(int row, int column) const {
    return grid()->visualRect(grid()->model()->index(row - 1, column)).center();
  }
  void clickCell(int row, int column, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(grid()->viewport(), button, {}, cellCentre(row, column));
  }

  // Selects a band the way a program step does: no question, no clearing.
  void useBand(int position) {
    change([position](RadioState& next) { next.band = position; }, EditKind::Band);
  }

  // Opens the frequency editor by a click and types `text` over the old text;
  // the edit stays open.
  void startFrequency(int row, int column, const QString& text) {
    clickCell(row, column);
    ASSERT_TRUE(text1()->isVisible());
    ASSERT_TRUE(text1()->hasFocus());
    text1()->selectAll();
    QTest::keyClicks(text1(), text);
  }
  // The same, ended with Enter.
  void typeFrequency(int row, int column, const QString& text) {
    startFrequency(row, column, text);
    QTest::keyClick(text1(), Qt::Key_Return);
    ASSERT_FALSE(text1()->isVisible());
  }
  void emptyFrequency(int row, int column) {
    clickCell(row, column);
    ASSERT_TRUE(text1()->isVisible());
    text1()->selectAll();
    QTest::keyClick(text1(), Qt::Key_Backspace);
    QTest::keyClick(text1(), Qt::Key_Return);
  }

  void typeTone(int row, int column, const QString& text) {
    clickCell(row, column);
    ASSERT_TRUE(combo8()->isVisible());
    ASSERT_TRUE(combo8()->hasFocus());
    combo8()->lineEdit()->selectAll();
    QTest::keyClicks(combo8(), text);
    QTest::keyClick(combo8(), Qt::Key_Return);
    ASSERT_FALSE(combo8()->isVisible());
  }

  QTemporaryDir dir;
  std::unique_ptr<MainWindow> window;
  std::vector<SeenBox> boxes;
  std::deque<int> answers;
};

}  // namespace qx210::testing
