// The channel commands of the grid: copy, paste, delete and move channels.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>

#include "core/channel_clipboard.h"
#include "core/document.h"
#include "core/language.h"
#include "gui/channel_grid.h"
#include "gui/message_box.h"

namespace qx210 {

void ChannelGrid::createChannelActions() {
  const auto add = [this](const char* name, const QKeySequence& key, auto slot) {
    auto* action = new QAction(this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    // Only while the grid itself has the focus: an open editor keeps its own
    // copy, paste and delete.
    action->setShortcutContext(Qt::WidgetShortcut);
    addAction(action);
    connect(action, &QAction::triggered, this, slot);
    return action;
  };
  m_copyAction = add("copyChannelsAction", QKeySequence::Copy, [this] { copyChannels(); });
  m_pasteAction = add("pasteChannelsAction", QKeySequence::Paste, [this] { pasteChannels(); });
  m_deleteAction = add("deleteChannelsAction", QKeySequence::Delete, [this] { deleteChannels(); });
  m_moveUpAction = add("moveUpAction", QKeySequence(Qt::CTRL | Qt::Key_Up), [this] { moveChannels(-1); });
  m_moveDownAction = add("moveDownAction", QKeySequence(Qt::CTRL | Qt::Key_Down), [this] { moveChannels(1); });
  retranslateChannelActions();
}

void ChannelGrid::retranslateChannelActions() {
  m_copyAction->setText(tr("&Copy Channels"));
  m_pasteAction->setText(tr("&Paste Channels"));
  m_deleteAction->setText(tr("&Delete Channels"));
  m_moveUpAction->setText(tr("Move &Up"));
  m_moveDownAction->setText(tr("Move Do&wn"));
}

QList<QAction*> ChannelGrid::channelActions() const {
  return {m_copyAction, m_pasteAction, m_deleteAction, m_moveUpAction, m_moveDownAction};
}

QList<int> ChannelGrid::selectedChannels() const {
  QList<int> channels;
  for (const QModelIndex& index : selectionModel()->selectedIndexes())
    if (!channels.contains(index.row() + 1)) channels << index.row() + 1;
  if (channels.isEmpty() && currentIndex().isValid()) channels << currentIndex().row() + 1;
  std::sort(channels.begin(), channels.end());
  return channels;
}

void ChannelGrid::applyChannels(const RadioState& next) {
  commitPendingEdit();
  m_applying = true;
  m_document.apply(next, EditKind::Channels);
  m_applying = false;
}

void ChannelGrid::copyChannels() {
  commitPendingEdit();
  const QList<int> channels = selectedChannels();
  if (channels.isEmpty()) return;
  QApplication::clipboard()->setText(CopyChannels(m_document.state(), channels));
}

void ChannelGrid::pasteChannels() {
  commitPendingEdit();
  const QList<int> channels = selectedChannels();
  const QString text = QApplication::clipboard()->text();
  if (channels.isEmpty() || text.trimmed().isEmpty()) return;
  const ChannelImport import = PasteChannels(text, m_document.state(), channels.first());
  const UiLanguage language = CurrentLanguage();
  if (import.error || import.placedCount() == 0) {
    ShowLocalizedMessage(tr("The clipboard holds no channels to paste.") +
                             (import.error ? QLatin1Char('\n') + import.error->text(language) : QString()),
                         MessageStyle::kIconExclamation);
    return;
  }
  applyChannels(ApplyImport(import, m_document.state()));
  if (import.notImportedCount() > 0)
    ShowLocalizedMessage(tr("Some rows were not pasted:") + QLatin1Char('\n') +
                             ImportReportLines(import, language).join(QLatin1Char('\n')),
                         MessageStyle::kIconExclamation);
}

void ChannelGrid::deleteChannels() {
  applyChannels(WithChannelsCleared(m_document.state(), selectedChannels()));
}

void ChannelGrid::moveChannels(int delta) {
  const QList<int> channels = selectedChannels();
  if (channels.isEmpty() || channels.last() - channels.first() + 1 != channels.size()) return;  // a block only
  const RadioState next = WithChannelsMoved(m_document.state(), channels.first(), channels.last(), delta);
  if (next == m_document.state() && (channels.first() + delta < 1 || channels.last() + delta > kChannelCount))
    return;
  applyChannels(next);
  // The selection goes with the channels.
  const int column = currentIndex().isValid() ? currentIndex().column() : kColRxFreq;
  selectionModel()->clearSelection();
  for (int n : channels)
    selectionModel()->select(model()->index(n - 1 + delta, column), QItemSelectionModel::Select);
  selectionModel()->setCurrentIndex(model()->index(channels.first() - 1 + delta, column), QItemSelectionModel::NoUpdate);
}

void ChannelGrid::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addActions(channelActions());
  m_pasteAction->setEnabled(QApplication::clipboard()->mimeData() && QApplication::clipboard()->mimeData()->hasText());
  menu.exec(event->globalPos());
  m_pasteAction->setEnabled(true);
}

}  // namespace qx210
