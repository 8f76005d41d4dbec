#include "gui/dialog_set.h"

#include "gui/about_dialog.h"
#include "gui/debug_parameters_dialog.h"
#include "gui/embedded_message_dialog.h"
#include "gui/key_assignment_dialog.h"
#include "gui/optional_functions_dialog.h"
#include "gui/test_frequency_dialog.h"
#include "core/editor.h"

namespace qx210 {

namespace {

template <typename T, typename... Args>
T& Ensure(std::unique_ptr<T>& dialog, Args&&... args) {
  if (!dialog) dialog = std::make_unique<T>(std::forward<Args>(args)...);
  return *dialog;
}

}  // namespace

DialogSet::DialogSet(Editor& editor) : QObject(nullptr), m_editor(editor) {}

DialogSet::~DialogSet() = default;

OptionalFunctionsDialog& DialogSet::optionalFunctions() { return Ensure(m_optionalFunctions, m_editor); }
KeyAssignmentDialog& DialogSet::keyAssignment() { return Ensure(m_keyAssignment, m_editor); }
EmbeddedMessageDialog& DialogSet::embeddedMessage() { return Ensure(m_embeddedMessage, m_editor); }
DebugParametersDialog& DialogSet::debugParameters() { return Ensure(m_debugParameters, m_editor, m_gestures); }
TestFrequencyDialog& DialogSet::testFrequencies() { return Ensure(m_testFrequencies, m_editor); }
AboutDialog& DialogSet::about() { return Ensure(m_about); }

void DialogSet::showOptionalFunctions() { optionalFunctions().present(); }
void DialogSet::showKeyAssignment() { keyAssignment().present(); }
void DialogSet::showEmbeddedMessage() { embeddedMessage().present(); }
void DialogSet::showDebugParameters() { debugParameters().present(); }
void DialogSet::showTestFrequencies() { testFrequencies().present(); }
void DialogSet::showAbout() { about().present(); }

QString DialogSet::helpFolder() const {
  return m_helpFolder.isEmpty() ? DefaultHelpFolder() : m_helpFolder;
}

void DialogSet::openHelp() { OpenHelpFile(helpFolder(), m_urlOpener); }

}  // namespace qx210
