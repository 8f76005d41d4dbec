#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "gui/help.h"
#include "core/unlock_gesture.h"

namespace qx210 {

class Editor;
class AboutDialog;
class DebugParametersDialog;
class EmbeddedMessageDialog;
class KeyAssignmentDialog;
class OptionalFunctionsDialog;
class TestFrequencyDialog;

// The auxiliary windows of the main window: Optional functions (Form5), Key
// assignment (Form6), Embedded message (Form7), Debug parameters (Form2), Test
// frequencies (Form4), About (frmAbout) and the help file. Each dialog is
// created once, shown modeless and only hidden afterwards.
class DialogSet : public QObject {
  Q_OBJECT
 public:
  explicit DialogSet(Editor& editor);
  ~DialogSet() override;

  void showOptionalFunctions();  // mnudtmf
  void showKeyAssignment();      // Key_enactment
  void showEmbeddedMessage();    // mnusetin
  void showDebugParameters();    // mnudebug
  void showTestFrequencies();    // mnutestfre
  void showAbout();              // mnuabout
  void openHelp();               // mnumainhelp, F1

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

  // Where the help file is looked for (DefaultHelpFolder() by default),
  // and how it is opened (the system's browser by default).
  void setHelpFolder(const QString& folder) { m_helpFolder = folder; }
  QString helpFolder() const;
  void setUrlOpener(UrlOpener opener) { m_urlOpener = std::move(opener); }

 private:
  Editor& m_editor;
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
