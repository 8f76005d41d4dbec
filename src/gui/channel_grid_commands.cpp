// The channel commands of the grid: cut, copy, paste, delete and move channels.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>

#include "core/channel_clipboard.h"
#include "core/document.h"
#include "core/frequency_entry.h"
#include "core/language.h"
#include "core/lists.h"
#include "core/tone_entry.h"
#include "gui/channel_grid.h"
#include "gui/channel_table_model.h"
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
  m_cutAction = add("cutChannelsAction", QKeySequence::Cut, [this] { cutChannels(); });
  m_copyAction = add("copyChannelsAction", QKeySequence::Copy, [this] { copyChannels(); });
  m_pasteAction = add("pasteChannelsAction", QKeySequence::Paste, [this] { pasteChannels(); });
  m_deleteAction = add("deleteChannelsAction", QKeySequence::Delete, [this] { deleteChannels(); });
  m_moveUpAction = add("moveUpAction", QKeySequence(Qt::CTRL | Qt::Key_Up), [this] { moveChannels(-1); });
  m_moveDownAction = add("moveDownAction", QKeySequence(Qt::CTRL | Qt::Key_Down), [this] { moveChannels(1); });
  m_selectAllAction = add("selectAllChannelsAction", QKeySequence::SelectAll, [this] {
    commitPendingEdit();
    selectAll();
  });
  retranslateChannelActions();
}

void ChannelGrid::retranslateChannelActions() {
  m_cutAction->setText(tr("Cu&t Channels"));
  m_copyAction->setText(tr("&Copy"));
  m_pasteAction->setText(tr("&Paste"));
  m_deleteAction->setText(tr("&Delete Channels"));
  m_moveUpAction->setText(tr("Mo&ve Up"));
  m_moveDownAction->setText(tr("Move Do&wn"));
  m_selectAllAction->setText(tr("Select &All"));
}

QList<QAction*> ChannelGrid::channelActions() const {
  return {m_cutAction, m_copyAction, m_pasteAction, m_deleteAction, m_moveUpAction, m_moveDownAction, m_selectAllAction};
}

QList<int> ChannelGrid::selectedChannels() const {
  QList<int> channels;
  for (const QModelIndex& index : selectionModel()->selectedIndexes())
    if (!channels.contains(index.row() + 1)) channels << index.row() + 1;
  if (channels.isEmpty() && currentIndex().isValid()) channels << currentIndex().row() + 1;
  std::sort(channels.begin(), channels.end());
  return channels;
}

bool ChannelGrid::applyChannels(const RadioState& next) {
  commitPendingEdit();
  m_applying = true;
  const bool applied = m_document.apply(next, EditKind::Channels);
  m_applying = false;
  return applied;
}

void ChannelGrid::cutChannels() {
  commitPendingEdit();
  // Whole channels, also from a single selected cell: what is emptied is
  // what the clipboard holds.
  const QList<int> channels = selectedChannels();
  if (channels.isEmpty() || m_document.exchangeRunning()) return;
  QApplication::clipboard()->setText(CopyChannels(m_document.state(), channels));
  deleteChannels();
}

void ChannelGrid::copyChannels() {
  commitPendingEdit();
  const QList<int> channels = selectedChannels();
  if (channels.isEmpty()) return;
  // One cell is copied as its text, to be pasted into one column.
  const QModelIndexList cells = selectionModel()->selectedIndexes();
  if (cells.size() == 1 && cells.first().column() != kColChannel) {
    QApplication::clipboard()->setText(cells.first().data().toString());
    return;
  }
  QApplication::clipboard()->setText(CopyChannels(m_document.state(), channels));
}

void ChannelGrid::pasteChannels() {
  commitPendingEdit();
  const QList<int> channels = selectedChannels();
  const QString text = QApplication::clipboard()->text();
  if (channels.isEmpty() || text.trimmed().isEmpty()) return;
  // A single value (a copied cell) fills one column, never the whole channel.
  const QString value = text.trimmed();
  if (!value.contains(QLatin1Char('\t')) && !value.contains(QLatin1Char('\n')) && !value.contains(QLatin1Char(','))) {
    pasteIntoColumn(value);
    return;
  }
  const ChannelImport import = PasteChannels(text, m_document.state(), channels.first());
  const UiLanguage language = CurrentLanguage();
  if (import.error || import.placedCount() == 0) {
    ShowLocalizedMessage(tr("The clipboard holds no channels to paste.") +
                             (import.error ? QLatin1Char('\n') + import.error->text(language) : QString()),
                         MessageStyle::kIconExclamation);
    return;
  }
  if (!applyChannels(ApplyImport(import, m_document.state()))) return;
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
  const bool wholeRows = !selectedChannelRows().isEmpty();
  if (!applyChannels(next)) return;
  // The selection goes with the channels.
  const int column = currentIndex().isValid() ? currentIndex().column() : kColRxFreq;
  selectionModel()->clearSelection();
  for (int n : channels) {
    const int row = n - 1 + delta;
    if (wholeRows)
      selectionModel()->select(QItemSelection(model()->index(row, 0), model()->index(row, kColumnCount - 1)),
                               QItemSelectionModel::Select);
    else
      selectionModel()->select(model()->index(row, column), QItemSelectionModel::Select);
  }
  selectionModel()->setCurrentIndex(model()->index(channels.first() - 1 + delta, column), QItemSelectionModel::NoUpdate);
}

void ChannelGrid::pasteIntoColumn(const QString& value) {
  const QModelIndex current = currentIndex();
  const int column = current.isValid() && current.column() != kColChannel ? current.column() : kColRxFreq;
  const UiLanguage language = CurrentLanguage();
  RadioState next = m_document.state();
  bool fits = false;
  bool outOfBand = false;
  for (int n : selectedChannels()) {
    Channel& channel = next.channel(n);
    if (IsFrequencyColumn(column)) {
      const FrequencyOutcome outcome = CommitFrequencyEntry(channel, next.band, column, value);
      fits |= outcome == FrequencyOutcome::Written;
      outOfBand |= outcome == FrequencyOutcome::OutOfBand;
      continue;
    }
    if (!channel.inUse()) continue;  // a channel starts at its RX frequency
    if (IsToneColumn(column)) {
      const int position = ToneList(language).indexOf(value);
      if (const std::optional<Tone> tone = position == 0 ? ToneAtListPosition(0) : CheckToneEntry(value, position)) {
        ToneOf(channel, column) = *tone;
        fits = true;
      }
      continue;
    }
    for (int position = 0; position < 2; ++position)
      for (UiLanguage any : {kChinese, kEnglish})
        if (OptionText(column, position, any) == value) {
          SetOptionPosition(channel, column, position);
          fits = true;
        }
  }
  if (outOfBand) {
    ShowLocalizedMessage(kOutOfBandMessage.text(language), MessageStyle::kOk);
    return;
  }
  if (!fits) {
    ShowLocalizedMessage(tr("The copied value does not fit this column."), MessageStyle::kIconExclamation);
    return;
  }
  applyChannels(next);
}

void ChannelGrid::contextMenuEvent(QContextMenuEvent* event) {
  // A right click acts on the channel clicked: one outside the selection
  // becomes the selected cell first.
  const QModelIndex clicked = indexAt(event->pos());
  if (event->reason() == QContextMenuEvent::Mouse && clicked.isValid() &&
      !selectedChannels().contains(clicked.row() + 1)) {
    commitPendingEdit();
    const int column = clicked.column() == kColChannel ? kColRxFreq : clicked.column();
    selectionModel()->setCurrentIndex(m_model->index(clicked.row(), column), QItemSelectionModel::ClearAndSelect);
  }
  QMenu menu(this);
  menu.addActions(channelActions());
  m_pasteAction->setEnabled(takesEdits() && QApplication::clipboard()->mimeData() &&
                            QApplication::clipboard()->mimeData()->hasText());
  menu.exec(event->globalPos());
  m_pasteAction->setEnabled(takesEdits());
}

}  // namespace qx210
