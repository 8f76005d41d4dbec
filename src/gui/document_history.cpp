#include "gui/document_history.h"

#include <QAction>
#include <QKeySequence>

#include "core/language.h"

namespace qx210 {

namespace {

// One edit of the document. The document has already made the change when
// the step is pushed, so the first redo() does nothing.
class EditCommand : public QUndoCommand {
 public:
  EditCommand(Document& document, const Edit& edit)
      : m_document(document), m_kind(edit.kind), m_before(edit.before), m_after(edit.after) {}

  EditKind kind() const { return m_kind; }
  void undo() override { m_document.restore(m_before); }
  void redo() override {
    if (m_pushed) m_document.restore(m_after);
    m_pushed = true;
  }

 private:
  Document& m_document;
  EditKind m_kind;
  RadioState m_before;
  RadioState m_after;
  bool m_pushed = false;
};

}  // namespace

DocumentHistory::DocumentHistory(Document& document, QObject* parent) : QObject(parent), m_document(document) {
  m_undo = new QAction(this);
  m_undo->setObjectName(QStringLiteral("undoAction"));
  m_undo->setShortcuts(QKeySequence::Undo);
  m_redo = new QAction(this);
  m_redo->setObjectName(QStringLiteral("redoAction"));
  // Ctrl+Shift+Z and Ctrl+Y on every platform.
  m_redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  // While an exchange runs the document takes no step back or forth; the
  // stack must not move either.
  connect(m_undo, &QAction::triggered, this, [this] {
    if (m_document.exchangeRunning()) return;
    if (m_beforeStep) m_beforeStep();
    m_stack.undo();
  });
  connect(m_redo, &QAction::triggered, this, [this] {
    if (m_document.exchangeRunning()) return;
    if (m_beforeStep) m_beforeStep();
    m_stack.redo();
  });
  connect(&m_document, &Document::exchangeRunningChanged, this, &DocumentHistory::updateActions);
  connect(&m_stack, &QUndoStack::indexChanged, this, &DocumentHistory::updateActions);
  connect(&m_stack, &QUndoStack::cleanChanged, &m_document, [this](bool clean) { m_document.setModified(!clean); });
  connect(&m_document, &Document::edited, this, [this](const Edit& edit) {
    m_stack.push(new EditCommand(m_document, edit));
    m_document.setModified(!m_stack.isClean());
  });
  connect(&LanguageNotifier::instance(), &LanguageNotifier::languageChanged, this, &DocumentHistory::updateActions);
  updateActions();
}

void DocumentHistory::markClean() {
  m_stack.setClean();
  m_document.setModified(false);
}

QString DocumentHistory::kindText(EditKind kind) {
  switch (kind) {
    case EditKind::Channel: return tr("Channel Edit");
    case EditKind::Channels: return tr("Channel Changes");
    case EditKind::NewChannels: return tr("New");
    case EditKind::Band: return tr("Band Change");
    case EditKind::Panel: return tr("Function Setting");
    case EditKind::OptionalFunctions: return tr("Optional Functions");
    case EditKind::KeyAssignment: return tr("Key Assignment");
    case EditKind::EmbeddedMessage: return tr("Embedded Message");
    case EditKind::DebugParameters: return tr("Debug Parameters");
    case EditKind::TestFrequencies: return tr("Test Frequencies");
    case EditKind::OpenFile: return tr("Open");
    case EditKind::ReadRadio: return tr("Read From Radio");
    case EditKind::Import: return tr("Import");
  }
  return {};
}

void DocumentHistory::updateActions() {
  const int index = m_stack.index();
  const auto* undoStep = index > 0 ? static_cast<const EditCommand*>(m_stack.command(index - 1)) : nullptr;
  const auto* redoStep = index < m_stack.count() ? static_cast<const EditCommand*>(m_stack.command(index)) : nullptr;
  m_undo->setText(undoStep ? tr("&Undo %1").arg(kindText(undoStep->kind())) : tr("&Undo"));
  m_redo->setText(redoStep ? tr("&Redo %1").arg(kindText(redoStep->kind())) : tr("&Redo"));
  m_undo->setEnabled(undoStep && !m_document.exchangeRunning());
  m_redo->setEnabled(redoStep && !m_document.exchangeRunning());
}

}  // namespace qx210
