#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "gui/help.h"
#include "core/unlock_gesture.h"

namespace qx210 {

class Document;
struct Changes;
class AboutDialog;
class DebugParametersDialog;
class EmbeddedMessageDialog;
class KeyAssignmentDialog;
class OptionalFunctionsDialog;
class TestFrequencyDialog;

// The auxiliary windows of the main window: Optional functions, Key
// assignment, Embedded message, Debug parameters, Test frequencies, About and
// the help file. Each dialog is created once, shown modeless and only hidden
// afterwards. A dialog is shown with the document's values and its OK applies
// the new ones to the document as one edit; while it is open, an image loaded
// into the document (even one holding the same values) or a change of its
// own values (an undo) is shown in it at once.
class DialogSet : public QObject {
  Q_OBJECT
 public:
  explicit DialogSet(Document& document);
  ~DialogSet() override;

  // The commands of the Programming and Help menus.
  void showOptionalFunctions();
  void showKeyAssignment();
  void showEmbeddedMessage();
  void showDebugParameters();
  void showTestFrequencies();
  void showAbout();
  void openHelp();  // also F1

  // The click state of the two hidden gestures, shared with the main
  // window's band-override gesture (GestureState::clickBandOverride).
  GestureState& gestures() { return m_gestures; }

  // The dialogs, created on first use (for tests and tools).
  OptionalFunctionsDialog& optionalFunctions();
  KeyAssignmentDialog& keyAssignment();
  EmbeddedMessageDialog& embeddedMessage();
  DebugParametersDialog& debugParameters();
  TestFrequencyDialog& testFrequencies();
  AboutDialog& about();

  // While an exchange runs the dialogs' OK waits: their OK buttons are disabled.
  void setEditsBlocked(bool blocked);
  // Called before a dialog opens, so an edit still open elsewhere is committed.
  void setBeforeShow(std::function<void()> beforeShow) { m_beforeShow = std::move(beforeShow); }

  // Where the help file is looked for (DefaultHelpFolder() by default),
  // and how it is opened (the system's browser by default).
  void setHelpFolder(const QString& folder) { m_helpFolder = folder; }
  QString helpFolder() const;
  void setUrlOpener(UrlOpener opener) { m_urlOpener = std::move(opener); }

 private:
  void documentChanged(const Changes& changes, bool imageLoaded);
  template <typename Dialog, typename Values>
  void present(Dialog& dialog, const Values& values);

  Document& m_document;
  bool m_editsBlocked = false;
  std::function<void()> m_beforeShow;
  GestureState m_gestures;
  QString m_helpFolder;
  UrlOpener m_urlOpener;

  // Top-level windows without an owner, so this object deletes them.
  std::unique_ptr<OptionalFunctionsDialog> m_optionalFunctions;
  std::unique_ptr<KeyAssignmentDialog> m_keyAssignment;
  std::unique_ptr<EmbeddedMessageDialog> m_embeddedMessage;
  std::unique_ptr<DebugParametersDialog> m_debugParameters;
  std::unique_ptr<TestFrequencyDialog> m_testFrequencies;
  std::unique_ptr<AboutDialog> m_about;
};

}  // namespace qx210
