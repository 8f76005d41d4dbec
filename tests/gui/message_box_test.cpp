#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "core/language.h"
#include "gui/message_box.h"

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace qx210 {
namespace {

struct Seen {
  QString title;
  QStringList buttons;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString defaultButton;
};

class MessageBoxTest : public ::testing::Test {
 protected:
  void TearDown() override {
    SetMessageBoxHook({});
    SetLanguage(kChinese);
  }
  Seen show(int language, int style, const QString& title = QString(), int answer = MessageResult::kOk) {
    SetLanguage(language);
    Seen seen;
    SetMessageBoxHook([&seen, answer](QMessageBox& box) {
      seen.title = box.windowTitle();
      seen.icon = box.icon();
      for (QAbstractButton* b : box.buttons()) seen.buttons << b->text();
      if (box.defaultButton()) seen.defaultButton = box.defaultButton()->text();
      return answer;
    });
    EXPECT_EQ(ShowLocalizedMessage(QStringLiteral("text"), style, title), answer);
    return seen;
  }
};

TEST_F(MessageBoxTest, OkCancelInEachCaptionSet) {
  EXPECT_EQ(show(0, 1).buttons, (QStringList{"确定", "取消"}));
  EXPECT_EQ(show(1, 1).buttons, (QStringList{"OK", "Cancel"}));
  EXPECT_EQ(show(2, 1).buttons, (QStringList{"確定", "取消"}));
}

TEST_F(MessageBoxTest, YesNoKeepsItsResults) {
  EXPECT_EQ(show(0, 36, {}, MessageResult::kNo).buttons, (QStringList{"是", "否"}));
  EXPECT_EQ(show(1, 36, {}, MessageResult::kYes).buttons, (QStringList{"Yes", "No"}));
  EXPECT_EQ(show(2, 68, {}, MessageResult::kNo).buttons, (QStringList{"是", "否"}));
}

TEST_F(MessageBoxTest, AbortRetryIgnoreInEachCaptionSet) {
  // The platform style decides the order of the buttons, not the captions.
  auto sorted = [](QStringList list) {
    list.sort();
    return list;
  };
  EXPECT_EQ(sorted(show(0, 2, {}, MessageResult::kAbort).buttons), sorted({"放弃", "重试", "忽略"}));
  EXPECT_EQ(sorted(show(1, 2, {}, MessageResult::kRetry).buttons), sorted({"Abort", "Retry", "Ignore"}));
  EXPECT_EQ(sorted(show(2, 2, {}, MessageResult::kIgnore).buttons), sorted({"放棄", "重試", "忽略"}));
}

TEST_F(MessageBoxTest, StyleWordGivesIconAndDefaultButton) {
  const Seen warning = show(1, 305);
  EXPECT_EQ(warning.icon, QMessageBox::Warning);
  EXPECT_EQ(warning.defaultButton, QStringLiteral("Cancel"));
  EXPECT_EQ(show(1, 16).icon, QMessageBox::Critical);
  EXPECT_EQ(show(1, 64).icon, QMessageBox::Information);
  EXPECT_EQ(show(1, 4385).defaultButton, QStringLiteral("Cancel"));
  EXPECT_EQ(show(1, 0).buttons, QStringList{"OK"});
}

TEST_F(MessageBoxTest, EmptyTitleBecomesTheApplicationTitle) {
  SetApplicationTitle(QStringLiteral("ZERATH QX-210 Radio Software V1.80"));
  EXPECT_EQ(show(1, 0).title, QStringLiteral("ZERATH QX-210 Radio Software V1.80"));
  EXPECT_EQ(show(1, 0, QStringLiteral("Prompt")).title, QStringLiteral("Prompt"));
}

TEST(MessageButtonCaptions, OutsideTheThreeSetsNoCaption) {
  EXPECT_EQ(MessageButtonCaption(MessageResult::kRetry, 2), QStringLiteral("重試"));
  EXPECT_TRUE(MessageButtonCaption(MessageResult::kOk, 3).isEmpty());
  EXPECT_TRUE(MessageButtonCaption(MessageResult::kOk, -1).isEmpty());
}

}  // namespace
}  // namespace qx210
