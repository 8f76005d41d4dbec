#include "gui/dialog_set.h"

#include <QCoreApplication>
#include <QPushButton>

#include "gui/about_dialog.h"
#include "gui/accessibility.h"
#include "gui/debug_parameters_dialog.h"
#include "gui/embedded_message_dialog.h"
#include "gui/key_assignment_dialog.h"
#include "gui/optional_functions_dialog.h"
#include "gui/test_frequency_dialog.h"
#include "core/document.h"

namespace qx210 {

namespace {

template <typename T, typename... Args>
T& Ensure(std::unique_ptr<T>& dialog, Args&&... args) {
  if (!dialog) dialog = std::make_unique<T>(std::forward<Args>(args)...);
  return *dialog;
}

// The part of the radio state a dialog edits, and the kind of edit its OK is.
template <auto Part, EditKind Kind, typename Values>
void Accept(Document& document, const Values& values) {
  RadioState next = document.state();
  next.settings.*Part = values;
  document.apply(next, Kind);
}

// The OK button of an auxiliary dialog.
void SetOkEnabled(QWidget& dialog, bool enabled) {
  if (auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("Command1"))) ok->setEnabled(enabled);
}

}  // namespace

DialogSet::DialogSet(Document& document) : QObject(nullptr), m_document(document) {
  InstallAccessibleInterfaces();
  connect(&m_document, &Document::changed, this, [this](const Changes& changes) { documentChanged(changes, false); });
  connect(&m_document, &Document::imageLoaded, this, [this] { documentChanged(Changes{}, true); });
}

DialogSet::~DialogSet() = default;

OptionalFunctionsDialog& DialogSet::optionalFunctions() {
  if (!m_optionalFunctions) {
    Ensure(m_optionalFunctions);
    connect(m_optionalFunctions.get(), &OptionalFunctionsDialog::valuesAccepted, this,
            [this](const OptionalFunctions& values) {
              Accept<&RadioSettings::optional, EditKind::OptionalFunctions>(m_document, values);
            });
  }
  return *m_optionalFunctions;
}

KeyAssignmentDialog& DialogSet::keyAssignment() {
  if (!m_keyAssignment) {
    Ensure(m_keyAssignment);
    connect(m_keyAssignment.get(), &KeyAssignmentDialog::valuesAccepted, this, [this](const KeyAssignment& values) {
      Accept<&RadioSettings::keys, EditKind::KeyAssignment>(m_document, values);
    });
  }
  return *m_keyAssignment;
}

EmbeddedMessageDialog& DialogSet::embeddedMessage() {
  if (!m_embeddedMessage) {
    Ensure(m_embeddedMessage);
    connect(m_embeddedMessage.get(), &EmbeddedMessageDialog::valuesAccepted, this,
            [this](const EmbeddedMessage& values) {
              Accept<&RadioSettings::message, EditKind::EmbeddedMessage>(m_document, values);
            });
  }
  return *m_embeddedMessage;
}

DebugParametersDialog& DialogSet::debugParameters() {
  if (!m_debugParameters) {
    Ensure(m_debugParameters, m_gestures);
    DebugParametersDialog* dialog = m_debugParameters.get();
    connect(dialog, &DebugParametersDialog::valuesAccepted, this, [this](const DebugParameters& values) {
      Accept<&RadioSettings::debug, EditKind::DebugParameters>(m_document, values);
    });
    connect(dialog, &DebugParametersDialog::unlockGestureMade, this,
            [this] { m_document.setDebugParametersUnlocked(true); });
    connect(&m_document, &Document::debugParametersUnlockedChanged, dialog,
            &DebugParametersDialog::setSlidersEnabled);
    dialog->setSlidersEnabled(m_document.debugParametersUnlocked());
  }
  return *m_debugParameters;
}

TestFrequencyDialog& DialogSet::testFrequencies() {
  if (!m_testFrequencies) {
    Ensure(m_testFrequencies);
    connect(m_testFrequencies.get(), &TestFrequencyDialog::valuesAccepted, this,
            [this](const TestFrequencies& values) {
              Accept<&RadioSettings::testFrequencies, EditKind::TestFrequencies>(m_document, values);
            });
  }
  return *m_testFrequencies;
}

AboutDialog& DialogSet::about() { return Ensure(m_about); }

void DialogSet::setEditsBlocked(bool blocked) {
  m_editsBlocked = blocked;
  for (QWidget* dialog : std::initializer_list<QWidget*>{m_optionalFunctions.get(), m_keyAssignment.get(),
                                                        m_embeddedMessage.get(), m_debugParameters.get(),
                                                        m_testFrequencies.get()})
    if (dialog) SetOkEnabled(*dialog, !blocked);
}

template <typename Dialog, typename Values>
void DialogSet::present(Dialog& dialog, const Values& values) {
  if (m_beforeShow) m_beforeShow();
  SetOkEnabled(dialog, !m_editsBlocked);
  // An open dialog keeps what is being edited in it.
  if (!dialog.isVisible()) dialog.setValues(values);
  dialog.present();
}

void DialogSet::showOptionalFunctions() { present(optionalFunctions(), m_document.state().settings.optional); }
void DialogSet::showKeyAssignment() { present(keyAssignment(), m_document.state().settings.keys); }
void DialogSet::showEmbeddedMessage() { present(embeddedMessage(), m_document.state().settings.message); }
void DialogSet::showDebugParameters() { present(debugParameters(), m_document.state().settings.debug); }
void DialogSet::showTestFrequencies() { present(testFrequencies(), m_document.state().settings.testFrequencies); }
void DialogSet::showAbout() {
  if (m_beforeShow) m_beforeShow();
  about().present();
}

// An image loaded shows in every open dialog, whether or not its values
// differ; other changes (an undo, the dialog's own OK) only in the dialogs
// whose values they touch.
void DialogSet::documentChanged(const Changes& changes, bool imageLoaded) {
  const RadioSettings& settings = m_document.state().settings;
  auto reload = [imageLoaded](auto& dialog, bool touched, const auto& values) {
    if (dialog && dialog->isVisible() && (imageLoaded || touched)) dialog->setValues(values);
  };
  reload(m_optionalFunctions, changes.optionalFunctions, settings.optional);
  reload(m_keyAssignment, changes.keys, settings.keys);
  reload(m_embeddedMessage, changes.message, settings.message);
  reload(m_debugParameters, changes.debug, settings.debug);
  reload(m_testFrequencies, changes.testFrequencies, settings.testFrequencies);
}

QString DialogSet::helpFolder() const {
  return m_helpFolder.isEmpty() ? DefaultHelpFolder() : m_helpFolder;
}

void DialogSet::openHelp() { OpenHelpFile(helpFolder(), m_urlOpener); }

}  // namespace qx210
