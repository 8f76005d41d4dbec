#pragma once

#include <QObject>
#include <QPointer>

#include <QWidget>

namespace qx210 {

class Editor;

// The auxiliary windows of the main window: Optional functions (Form5), Key
// assignment (Form6), Embedded message (Form7), Debug parameters (Form2), Test
// frequencies (Form4), About (frmAbout) and the help file. Each dialog is
// created once, shown modeless and only hidden afterwards.
class DialogSet : public QObject {
  Q_OBJECT
 public:
  DialogSet(Editor& editor, QWidget* mainWindow);
  ~DialogSet() override;

  void showOptionalFunctions();  // mnudtmf
  void showKeyAssignment();      // Key_enactment
  void showEmbeddedMessage();    // mnusetin
  void showDebugParameters();    // mnudebug
  void showTestFrequencies();    // mnutestfre
  void showAbout();              // mnuabout
  void openHelp();               // mnumainhelp, F1

  // Toolbar button 7 left the debug-parameter mode: lock the sliders again.
  void lockDebugParameters();

 private:
  Editor& m_editor;
  QPointer<QWidget> m_mainWindow;
};

}  // namespace qx210
