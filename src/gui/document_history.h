#pragma once

#include <QObject>
#include <QUndoStack>
#include <functional>

#include "core/document.h"

class QAction;

namespace qx210 {

// The undo history of the document: every edit the document announces is one
// step; undo and redo put the state before or after it back. The clean state
// is the one last saved or loaded from a file, and the document's change mark
// follows it. Undo and redo are not offered while an exchange runs.
class DocumentHistory : public QObject {
  Q_OBJECT
 public:
  explicit DocumentHistory(Document& document, QObject* parent = nullptr);

  QUndoStack& stack() { return m_stack; }

  // Edit menu actions whose texts name the step ("Undo Band Change") in the
  // current language.
  QAction* undoAction() const { return m_undo; }
  QAction* redoAction() const { return m_redo; }

  // The current state is the one in the file (after a save or an open).
  void markClean();
  // Runs before each undo or redo (the window commits an open edit there).
  void setBeforeStep(std::function<void()> beforeStep) { m_beforeStep = std::move(beforeStep); }

  // What an edit of `kind` is called in undo texts, in the current language.
  static QString kindText(EditKind kind);

 private:
  // The texts name the steps in the current language.
  void updateActions();

  Document& m_document;
  QUndoStack m_stack;
  QAction* m_undo = nullptr;
  QAction* m_redo = nullptr;
  std::function<void()> m_beforeStep;
};

}  // namespace qx210
