#include "gui/message_box.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
#include <QAbstractButton>
#include <QPushButton>
#include <array>
#include <vector>

#include "core/language.h"

namespace qx210 {

namespace {

QPointer<QWidget> g_owner;
MessageBoxHook g_hook;
QString g_applicationTitle;

struct ButtonSpec {
  int id;
  QMessageBox::StandardButton button;
  const char* captions[3];  // simplified Chinese, English, traditional Chinese
};

// Written in this order, whatever buttons the box has.
constexpr std::array<ButtonSpec, 7> kButtons{{
    {MessageResult::kOk, QMessageBox::Ok, {"确定", "OK", "確定"}},
    {MessageResult::kCancel, QMessageBox::Cancel, {"取消", "Cancel", "取消"}},
    {MessageResult::kYes, QMessageBox::Yes, {"是", "Yes", "是"}},
    {MessageResult::kNo, QMessageBox::No, {"否", "No", "否"}},
    {MessageResult::kAbort, QMessageBox::Abort, {"放弃", "Abort", "放棄"}},
    {MessageResult::kIgnore, QMessageBox::Ignore, {"忽略", "Ignore", "忽略"}},
    {MessageResult::kRetry, QMessageBox::Retry, {"重试", "Retry", "重試"}},
}};

QMessageBox::StandardButtons ButtonsFor(int style, QMessageBox::StandardButton& first,
                                        QMessageBox::StandardButton& second) {
  switch (style & 0xF) {
    case MessageStyle::kOkCancel: first = QMessageBox::Ok; second = QMessageBox::Cancel; break;
    case MessageStyle::kAbortRetryIgnore: first = QMessageBox::Abort; second = QMessageBox::Retry; break;
    case MessageStyle::kYesNoCancel: first = QMessageBox::Yes; second = QMessageBox::No; break;
    case MessageStyle::kYesNo: first = QMessageBox::Yes; second = QMessageBox::No; break;
    case MessageStyle::kRetryCancel: first = QMessageBox::Retry; second = QMessageBox::Cancel; break;
    default: first = QMessageBox::Ok; second = QMessageBox::NoButton; break;
  }
  switch (style & 0xF) {
    case MessageStyle::kAbortRetryIgnore: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case MessageStyle::kYesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    default: return second == QMessageBox::NoButton ? QMessageBox::StandardButtons(first) : first | second;
  }
}

QMessageBox::Icon IconFor(int style) {
  switch (style & 0xF0) {
    case MessageStyle::kIconStop: return QMessageBox::Critical;
    case MessageStyle::kIconQuestion: return QMessageBox::Question;
    case MessageStyle::kIconExclamation: return QMessageBox::Warning;
    case MessageStyle::kIconInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

// Buttons of the questions the program adds, in both languages.
struct OwnButton {
  int id;
  QMessageBox::StandardButton button;
  QMessageBox::ButtonRole role;
  const char* zh;
  const char* en;
};
constexpr std::array<OwnButton, 6> kOwnButtons{{
    {MessageResult::kOk, QMessageBox::Ok, QMessageBox::AcceptRole, "确定", "OK"},
    {MessageResult::kTestConnection, QMessageBox::NoButton, QMessageBox::ActionRole, "测试连接", "Test connection"},
    {MessageResult::kSave, QMessageBox::Save, QMessageBox::AcceptRole, "保存", "Save"},
    {MessageResult::kDiscard, QMessageBox::Discard, QMessageBox::DestructiveRole, "不保存", "Don't Save"},
    {MessageResult::kWrite, QMessageBox::NoButton, QMessageBox::AcceptRole, "写入", "Write"},
    {MessageResult::kCancel, QMessageBox::Cancel, QMessageBox::RejectRole, "取消", "Cancel"},
}};

int ResultFor(QMessageBox::StandardButton button) {
  for (const ButtonSpec& entry : kButtons)
    if (entry.button == button) return entry.id;
  return MessageResult::kCancel;  // closed without a button (Escape on a box without Cancel)
}

}  // namespace

QString MessageButtonCaption(int resultId, int language) {
  if (language < 0 || language > 2) return {};
  for (const ButtonSpec& entry : kButtons)
    if (entry.id == resultId) return QString::fromUtf8(entry.captions[language]);
  return {};
}

void SetMessageBoxOwner(QWidget* owner) { g_owner = owner; }

void SetMessageBoxHook(MessageBoxHook hook) { g_hook = std::move(hook); }

void SetApplicationTitle(const QString& title) { g_applicationTitle = title; }

QString ApplicationTitle() {
  return g_applicationTitle.isEmpty() ? QCoreApplication::applicationName() : g_applicationTitle;
}

namespace {

// A box with the program's own buttons (`ids` from kOwnButtons, the first
// the default), answered by the hook in tests. Closing it answers
// `closedAnswer`.
int ShowOwnButtons(QMessageBox& box, std::initializer_list<int> ids, int defaultId,
                   int closedAnswer = MessageResult::kCancel) {
  const bool zh = CurrentLanguage() == kChinese;
  std::vector<std::pair<QAbstractButton*, int>> buttons;
  for (int id : ids) {
    for (const OwnButton& own : kOwnButtons) {
      if (own.id != id) continue;
      QAbstractButton* button = own.button != QMessageBox::NoButton
                                    ? static_cast<QAbstractButton*>(box.addButton(own.button))
                                    : box.addButton(QString(), own.role);
      button->setText(QString::fromUtf8(zh ? own.zh : own.en));
      buttons.emplace_back(button, id);
      if (id == defaultId) box.setDefaultButton(qobject_cast<QPushButton*>(button));
      if (id == closedAnswer) box.setEscapeButton(button);
    }
  }
  if (g_hook) {
    const int answer = g_hook(box);
    for (const auto& [button, id] : buttons)
      if (id == answer) return answer;
    qFatal("message box \"%s\" answered with %d, a button it does not have", qPrintable(box.text()), answer);
  }
  box.exec();
  for (const auto& [button, id] : buttons)
    if (box.clickedButton() == button) return id;
  return closedAnswer;
}

}  // namespace

int AskToSaveChanges(const QString& text) {
  QMessageBox box(QMessageBox::Warning, ApplicationTitle(), text, QMessageBox::NoButton, g_owner.data());
  return ShowOwnButtons(box, {MessageResult::kSave, MessageResult::kDiscard, MessageResult::kCancel},
                        MessageResult::kSave);
}

int AskToWrite(const QString& text, bool& dontAskAgain) {
  QMessageBox box(QMessageBox::Question, ApplicationTitle(), text, QMessageBox::NoButton, g_owner.data());
  auto* check = new QCheckBox(CurrentLanguage() == kChinese ? QString::fromUtf8("不再询问")
                                                             : QStringLiteral("Do not ask again"));
  check->setObjectName(QStringLiteral("dontAskAgain"));
  box.setCheckBox(check);
  const int answer = ShowOwnButtons(box, {MessageResult::kWrite, MessageResult::kCancel}, MessageResult::kCancel);
  dontAskAgain = answer == MessageResult::kWrite && check->isChecked();
  return answer;
}

int ShowLinkFailure(const QString& text, const QString& informative, bool offerTest) {
  // Style 16 with an empty title: stop icon, OK, the application's title.
  QMessageBox box(QMessageBox::Critical, ApplicationTitle(), text, QMessageBox::NoButton, g_owner.data());
  box.setInformativeText(informative);
  if (offerTest)
    return ShowOwnButtons(box, {MessageResult::kOk, MessageResult::kTestConnection}, MessageResult::kOk,
                          MessageResult::kOk);
  return ShowOwnButtons(box, {MessageResult::kOk}, MessageResult::kOk, MessageResult::kOk);
}

int ShowLocalizedMessage(const QString& text, int style, const QString& title) {
  return ShowLocalizedMessage(text, style, title, QString());
}

int ShowLocalizedMessage(const QString& text, int style, const QString& title, const QString& details) {
  const QString shownTitle = title.isEmpty() ? ApplicationTitle() : title;
  QMessageBox::StandardButton first = QMessageBox::Ok;
  QMessageBox::StandardButton second = QMessageBox::NoButton;
  const QMessageBox::StandardButtons buttons = ButtonsFor(style, first, second);
  QMessageBox box(IconFor(style), shownTitle, text, buttons, g_owner.data());
  box.setDefaultButton((style & MessageStyle::kDefaultButton2) && second != QMessageBox::NoButton ? second : first);
  // exec() makes every box application-modal, the system-modal ones too.
  // The captions of the details button come from the Chinese catalogue too.
  if (!details.isEmpty()) box.setDetailedText(details);

  const int language = CurrentLanguage();
  for (const ButtonSpec& entry : kButtons) {
    QAbstractButton* button = box.button(entry.button);
    const QString caption = MessageButtonCaption(entry.id, language);
    if (button && !caption.isEmpty()) button->setText(caption);
  }
  if (g_hook) {
    // The answer must be a button the box has, as a user's click would be.
    const int answer = g_hook(box);
    for (const ButtonSpec& entry : kButtons)
      if (entry.id == answer && box.button(entry.button)) return answer;
    qFatal("message box \"%s\" answered with %d, a button it does not have", qPrintable(text), answer);
  }
  box.exec();
  return ResultFor(box.standardButton(box.clickedButton()));
}

}  // namespace qx210
