#pragma once

#include <QString>
#include <functional>

class QMessageBox;
class QWidget;

namespace qx210 {

// Message-box style words as the program uses them: a button set, an icon, the
// default button and modality, added together.
namespace MessageStyle {
inline constexpr int kOk = 0;
inline constexpr int kOkCancel = 1;
inline constexpr int kAbortRetryIgnore = 2;
inline constexpr int kYesNoCancel = 3;
inline constexpr int kYesNo = 4;
inline constexpr int kRetryCancel = 5;
inline constexpr int kIconStop = 16;
inline constexpr int kIconQuestion = 32;
inline constexpr int kIconExclamation = 48;
inline constexpr int kIconInformation = 64;
inline constexpr int kDefaultButton2 = 256;
inline constexpr int kSystemModal = 4096;
}  // namespace MessageStyle

// Identifiers of the pressed button.
namespace MessageResult {
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kAbort = 3;
inline constexpr int kRetry = 4;
inline constexpr int kIgnore = 5;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;
// Answers of the questions with buttons of their own.
inline constexpr int kSave = 101;
inline constexpr int kDiscard = 102;
inline constexpr int kWrite = 103;
inline constexpr int kTestConnection = 104;
}  // namespace MessageResult

// Captions of the buttons for a UiLanguage (0 simplified Chinese, 1 English,
// 2 traditional Chinese); empty for any other value (the toolkit's own stay).
QString MessageButtonCaption(int resultId, int language);

// Shows a modal message box owned by the main window, with button captions in
// the current UiLanguage. An empty title becomes the application's title.
// Returns the identifier of the pressed button.
int ShowLocalizedMessage(const QString& text, int style, const QString& title = QString());
// The same with `details` behind the box's "Show Details..." button (none
// when empty), for what lies behind the message.
int ShowLocalizedMessage(const QString& text, int style, const QString& title, const QString& details);

// The window that owns every message box (the main window).
void SetMessageBoxOwner(QWidget* owner);

// The application's title, which a box without a title of its own shows. It
// is kept here rather than as the application's display name, which the
// window systems would append to the title of every other window and box.
void SetApplicationTitle(const QString& title);
QString ApplicationTitle();

// "Save changes?" with Save, Discard and Cancel in the current language;
// Cancel is also what closing the box answers.
int AskToSaveChanges(const QString& text);

// Before a write: `text` with Write and Cancel, and a "Do not ask again" box
// whose state goes to `dontAskAgain`. Cancel is the default.
int AskToWrite(const QString& text, bool& dontAskAgain);

// A failed exchange: `text` with `informative` below it (the port, what was
// seen), OK and, with `offerTest`, "Test connection". Returns kOk or
// kTestConnection; closing the box answers OK.
int ShowLinkFailure(const QString& text, const QString& informative, bool offerTest);

// Test seam: when set, the hook receives the fully prepared box instead of it
// being shown, and its return value is the pressed button's identifier. The
// hook may tick the box's check box.
using MessageBoxHook = std::function<int(QMessageBox& box)>;
void SetMessageBoxHook(MessageBoxHook hook);

}  // namespace qx210
