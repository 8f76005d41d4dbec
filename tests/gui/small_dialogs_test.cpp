#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "support/dialog_test_util.h"
#include "gui/about_dialog.h"
#include "gui/embedded_message_dialog.h"
#include "gui/key_assignment_dialog.h"

namespace qx210 {
namespace {

using testing::Child;

void Click(QWidget& dialog, const char* button) { QTest::mouseClick(Child<QPushButton>(dialog, button), Qt::LeftButton); }

// ---- Key assignment --------------------------------------------------------

class KeyAssignment : public testing::DialogFixture {
 protected:
  KeyAssignmentDialog& open() {
    m_dialogs->showKeyAssignment();
    return m_dialogs->keyAssignment();
  }
};

TEST_F(KeyAssignment, ShowsTheHeldFunctions) {
  holdChanged([](RadioSettings& s) { s.keys = {10, 8}; });
  auto& d = open();
  EXPECT_EQ(Child<QComboBox>(d, "Combo1")->currentIndex(), 10);
  EXPECT_EQ(Child<QComboBox>(d, "Combo2")->currentText(), QStringLiteral("Scrambler"));
  EXPECT_EQ(Child<QComboBox>(d, "Combo1")->count(), 12);
  EXPECT_EQ(Child<QLabel>(d, "Label1")->text(), QStringLiteral("PF1"));
  EXPECT_EQ(Child<QLabel>(d, "Label2")->text(), QStringLiteral("PF2"));
}

TEST_F(KeyAssignment, OkStoresCancelDiscards) {
  auto& d = open();
  Child<QComboBox>(d, "Combo1")->setCurrentIndex(3);
  Child<QComboBox>(d, "Combo2")->setCurrentIndex(11);
  Click(d, "Command2");
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(settings().keys, (qx210::KeyAssignment{10, 0}));
  open();
  EXPECT_EQ(Child<QComboBox>(d, "Combo1")->currentIndex(), 10);
  Child<QComboBox>(d, "Combo1")->setCurrentIndex(3);
  Child<QComboBox>(d, "Combo2")->setCurrentIndex(11);
  Click(d, "Command1");
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(settings().keys, (qx210::KeyAssignment{3, 11}));
}

TEST_F(KeyAssignment, ValueOutOfTheListShowsNoneAndIsKeptUntilChanged) {
  holdChanged([](RadioSettings& s) { s.keys = {12, -1}; });
  auto& d = open();
  EXPECT_EQ(Child<QComboBox>(d, "Combo1")->currentText(), QStringLiteral("None"));
  EXPECT_EQ(Child<QComboBox>(d, "Combo2")->currentIndex(), 1);
  Click(d, "Command1");
  EXPECT_EQ(settings().keys, (qx210::KeyAssignment{12, -1}));
  open();
  Child<QComboBox>(d, "Combo2")->setCurrentIndex(4);
  Click(d, "Command1");
  EXPECT_EQ(settings().keys, (qx210::KeyAssignment{12, 4}));
}

TEST_F(KeyAssignment, PictureFollowsTheFocusedList) {
  auto& d = open();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
  auto* picture = Child<KeyPicture>(d, "Image1");
  Child<QComboBox>(d, "Combo2")->setFocus();
  EXPECT_TRUE(QTest::qWaitFor([&] { return picture->key() == 2; }, 2000));
  Child<QComboBox>(d, "Combo1")->setFocus();
  EXPECT_TRUE(QTest::qWaitFor([&] { return picture->key() == 1; }, 2000));
}

// ---- Embedded message ------------------------------------------------------

class EmbeddedMessage : public testing::DialogFixture {
 protected:
  EmbeddedMessageDialog& open() {
    m_dialogs->showEmbeddedMessage();
    return m_dialogs->embeddedMessage();
  }
};

TEST_F(EmbeddedMessage, LinesHoldThirtyTwoTypedCharacters) {
  auto& d = open();
  auto* line = Child<QLineEdit>(d, "Text1");
  const QString full = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ012345");
  QTest::keyClicks(line, full);
  ASSERT_EQ(line->text(), full);
  QTest::keyClick(line, 'x');  // the 33rd
  EXPECT_EQ(line->text(), full);
  QTest::keyClick(line, Qt::Key_Backspace);
  EXPECT_EQ(line->text(), full.left(31));
  QTest::keyClick(line, 'x');
  EXPECT_EQ(line->text(), full.left(31) + QLatin1Char('x'));
  line->setSelection(0, 1);
  QTest::keyClick(line, 'z');  // replaces the selection of a full box
  EXPECT_EQ(line->text(), QLatin1Char('z') + full.mid(1, 30) + QLatin1Char('x'));
}

TEST_F(EmbeddedMessage, CharactersWithoutAOneByteCodeAreRefused) {
  auto& d = open();
  auto* line = Child<QLineEdit>(d, "Text2");
  // keyClicks handles ASCII only: send each character as the text of a key.
  for (QChar c : QString::fromUtf8("Hi 中€ é!"))
    QTest::sendKeyEvent(QTest::Click, line, Qt::Key_unknown, QString(c), Qt::NoModifier);
  EXPECT_EQ(line->text(), QString::fromUtf8("Hi  é!"));
}

TEST_F(EmbeddedMessage, PastedTextIsCutToThirtyTwo) {
  auto& d = open();
  auto* line = Child<QLineEdit>(d, "Text1");
  line->insert(QString(40, QLatin1Char('m')));  // what a paste does
  EXPECT_EQ(line->text(), QString(32, QLatin1Char('m')));
  line->clear();
  line->insert(QString::fromUtf8("ok 中文"));
  EXPECT_TRUE(line->text().isEmpty());
}

TEST_F(EmbeddedMessage, OkStoresCancelDiscards) {
  holdChanged([](RadioSettings& s) { s.message = {QStringLiteral("HELLO"), QStringLiteral("WORLD")}; });
  auto& d = open();
  EXPECT_EQ(Child<QLineEdit>(d, "Text1")->text(), QStringLiteral("HELLO"));
  EXPECT_EQ(Child<QLineEdit>(d, "Text2")->text(), QStringLiteral("WORLD"));
  Child<QLineEdit>(d, "Text1")->setText(QStringLiteral("CHANGED"));
  Click(d, "Command2");
  EXPECT_EQ(settings().message.line1, QStringLiteral("HELLO"));
  open();
  EXPECT_EQ(Child<QLineEdit>(d, "Text1")->text(), QStringLiteral("HELLO"));
  Child<QLineEdit>(d, "Text1")->clear();
  Child<QLineEdit>(d, "Text2")->setText(QStringLiteral("QX-210"));
  Click(d, "Command1");
  EXPECT_TRUE(settings().message.line1.isEmpty());
  EXPECT_EQ(settings().message.line2, QStringLiteral("QX-210"));
}

TEST_F(EmbeddedMessage, OverlongHeldLineIsKeptUnlessEdited) {
  const QString longLine(40, QLatin1Char('L'));
  holdChanged([&](RadioSettings& s) { s.message = {longLine, QStringLiteral("B")}; });
  auto& d = open();
  Click(d, "Command1");
  EXPECT_EQ(settings().message.line1, longLine);
}

// An image may hold 0x00 bytes in a message line; they read as U+0000. Such a
// line takes typed characters where there is room and still refuses those
// without a one-byte code.
TEST_F(EmbeddedMessage, LineWithNulCharactersFromAnImageKeepsTheRules) {
  holdChanged([](RadioSettings& s) { s.message = {QString(3, QChar(0)) + QStringLiteral("AB"), QString(32, QChar(0))}; });
  auto& d = open();
  auto* line1 = Child<QLineEdit>(d, "Text1");
  line1->end(false);
  QTest::keyClicks(line1, QStringLiteral("cd"));
  EXPECT_EQ(line1->text(), QString(3, QChar(0)) + QStringLiteral("ABcd"));
  QTest::sendKeyEvent(QTest::Click, line1, Qt::Key_unknown, QString::fromUtf8("中"), Qt::NoModifier);
  EXPECT_EQ(line1->text(), QString(3, QChar(0)) + QStringLiteral("ABcd"));  // still refused
  auto* line2 = Child<QLineEdit>(d, "Text2");
  line2->end(false);
  QTest::keyClick(line2, 'x');  // a full line
  EXPECT_EQ(line2->text(), QString(32, QChar(0)));
  QTest::keyClick(line2, Qt::Key_Backspace);
  QTest::keyClick(line2, 'x');
  EXPECT_EQ(line2->text(), QString(31, QChar(0)) + QLatin1Char('x'));
  Click(d, "Command1");
  EXPECT_EQ(settings().message.line1, QString(3, QChar(0)) + QStringLiteral("ABcd"));
  EXPECT_EQ(settings().message.line2, QString(31, QChar(0)) + QLatin1Char('x'));
}

// ---- About and help --------------------------------------------------------

class AboutAndHelp : public testing::DialogFixture {};

TEST_F(AboutAndHelp, AboutShowsTitleAndVersionAndHidesOnOk) {
  m_dialogs->showAbout();
  auto& d = m_dialogs->about();
  EXPECT_TRUE(d.isVisible());
  EXPECT_EQ(d.windowTitle(), QStringLiteral("Help"));
  EXPECT_EQ(Child<QLabel>(d, "lblTitle")->text(), QStringLiteral("ZERATH QX-210 Software"));
  EXPECT_EQ(Child<QLabel>(d, "Label1")->text(), QStringLiteral("Edition 1.8.0"));
  for (const char* maker : {"Label2", "Label3", "Label4"}) EXPECT_FALSE(Child<QLabel>(d, maker)->text().isEmpty());
  Click(d, "cmdOK");
  EXPECT_FALSE(d.isVisible());
  m_dialogs->showAbout();
  d.close();
  EXPECT_FALSE(d.isVisible());
  m_dialogs->showAbout();
  EXPECT_EQ(&m_dialogs->about(), &d);
  EXPECT_EQ(Child<QLabel>(d, "Label1")->text(), QStringLiteral("Edition 1.8.0"));
}

TEST_F(AboutAndHelp, MissingHelpFileIsReported) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  m_dialogs->setHelpFolder(folder.path());
  int opened = 0;
  m_dialogs->setUrlOpener([&](const QUrl&) { return ++opened, true; });
  m_dialogs->openHelp();
  EXPECT_EQ(opened, 0);
  ASSERT_EQ(m_messages.size(), 1u);
  EXPECT_TRUE(m_messages[0].text.contains(QStringLiteral("help file was not found")));
  EXPECT_TRUE(m_messages[0].text.contains(HelpFileName()));

  testing::SwitchLanguage(kChinese);
  m_dialogs->openHelp();
  ASSERT_EQ(m_messages.size(), 2u);
  EXPECT_TRUE(m_messages[1].text.startsWith(QString::fromUtf8("找不到帮助文件")));
}

TEST_F(AboutAndHelp, PresentHelpFileOpensInTheBrowser) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QFile file(QDir(folder.path()).filePath(HelpFileName()));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("<html></html>");
  file.close();
  m_dialogs->setHelpFolder(folder.path());
  QUrl seen;
  m_dialogs->setUrlOpener([&](const QUrl& url) { return seen = url, true; });
  m_dialogs->openHelp();
  EXPECT_TRUE(m_messages.empty());
  EXPECT_EQ(seen, QUrl::fromLocalFile(file.fileName()));

  m_dialogs->setUrlOpener([](const QUrl&) { return false; });
  m_dialogs->openHelp();
  ASSERT_EQ(m_messages.size(), 1u);
  EXPECT_TRUE(m_messages[0].text.contains(QStringLiteral("could not be opened")));
}

TEST(HelpFile, IsNamedAfterTheApplicationTitle) {
  EXPECT_EQ(HelpFileName(), QStringLiteral("ZERATH QX-210 Radio Software V1.80.html"));
  // The name the program opens is the file the build puts beside it.
  EXPECT_TRUE(QFileInfo::exists(QDir(QStringLiteral(QX210_PROGRAM_DIR)).filePath(HelpFileName())));
}

}  // namespace
}  // namespace qx210
