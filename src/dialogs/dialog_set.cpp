#include "dialogs/dialog_set.h"

#include "editor/editor.h"

namespace qx210 {

DialogSet::DialogSet(Editor& editor, QWidget* mainWindow) : QObject(nullptr), m_editor(editor), m_mainWindow(mainWindow) {}
DialogSet::~DialogSet() = default;

void DialogSet::showOptionalFunctions() {}
void DialogSet::showKeyAssignment() {}
void DialogSet::showEmbeddedMessage() {}
void DialogSet::showDebugParameters() {}
void DialogSet::showTestFrequencies() {}
void DialogSet::showAbout() {}
void DialogSet::openHelp() {}
void DialogSet::lockDebugParameters() {}

}  // namespace qx210
