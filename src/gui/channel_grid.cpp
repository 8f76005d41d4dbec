#include "gui/channel_grid.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <algorithm>
#include <numeric>

#include "core/document.h"
#include "core/frequency_entry.h"
#include "core/language.h"
#include "core/lists.h"
#include "core/tone_entry.h"
#include "gui/cell_editors.h"
#include "gui/channel_table_model.h"
#include "gui/colour_contrast.h"
#include "gui/message_box.h"

namespace qx210 {

namespace {

// The table's size at the usual font: 8835 by 5190 twips. The header row
// takes what the 16 rows and the frame leave.
constexpr QSize kBaseSize(589, 346);
// Room beside a cell's text for the focus frame and the grid line.
constexpr int kCellPadding = 8;

// The longest texts a column shows in `language`.
QStringList ColumnSamples(int column, UiLanguage language) {
  if (column == kColChannel) return {QStringLiteral("00")};
  if (IsFrequencyColumn(column)) return {QStringLiteral("000.00000")};
  if (IsToneColumn(column)) return ToneList(language);
  return OptionList(column, language);
}

int Sum(const std::array<int, kColumnCount>& widths) { return std::accumulate(widths.begin(), widths.end(), 0); }

}  // namespace

ChannelGrid::ChannelGrid(Document& document, QWidget* parent) : QTableView(parent), m_document(document) {
  setObjectName(QStringLiteral("Grid1"));
  m_model = new ChannelTableModel(document, this);
  setModel(m_model);
  // Several channels can be selected (for copy, paste, delete and move), by
  // their numbers or with Shift and Ctrl; a plain click opens an editor.
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  // The window keeps room for every channel; only a screen too small for it
  // brings scroll bars.
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setCornerButtonEnabled(false);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->setHighlightSections(false);

  m_frequencyEditor = new FrequencyEditor(viewport());
  m_frequencyEditor->setObjectName(QStringLiteral("Text1"));
  m_toneEditor = new ToneEditor(viewport());
  m_toneEditor->setObjectName(QStringLiteral("Combo8"));
  m_toneEditor->addItems(ToneList(CurrentLanguage()));
  for (int c = kColPower; c <= kColScanAdd; ++c) {
    auto* combo = new OptionEditor(viewport());
    combo->setObjectName(QStringLiteral("Combo5_%1").arg(c));
    combo->addItems(OptionList(c, CurrentLanguage()));
    m_optionEditors[static_cast<std::size_t>(c - kColPower)] = combo;
    connect(combo, &QComboBox::activated, this, [this, c](int position) { pickOption(c, position); });
    connect(combo, &OptionEditor::editingLeft, combo, &QWidget::hide);
    connect(combo, &OptionEditor::escapePressed, this, &ChannelGrid::closeEditors);
    combo->hide();
  }
  m_frequencyEditor->hide();
  m_toneEditor->hide();

  connect(m_frequencyEditor, &FrequencyEditor::enterPressed, this, [this] { setFocus(Qt::OtherFocusReason); });
  connect(m_frequencyEditor, &FrequencyEditor::editingLeft, this, &ChannelGrid::commitFrequency);
  connect(m_toneEditor, &ToneEditor::enterPressed, this, [this] { setFocus(Qt::OtherFocusReason); });
  connect(m_toneEditor, &ToneEditor::editingLeft, this, &ChannelGrid::commitTone);
  connect(m_toneEditor, &QComboBox::activated, this, &ChannelGrid::pickTone);
  connect(m_toneEditor, &ToneEditor::escapePressed, this, &ChannelGrid::closeEditors);
  // Tab and Shift+Tab go on to the band list and the settings; the arrow keys
  // move between the cells.
  setTabKeyNavigation(false);

  connect(&m_document, &Document::changed, this,
          [this](const Changes& changes) { documentChanged(changes.channels); });
  connect(&m_document, &Document::exchangeRunningChanged, this, &ChannelGrid::exchangeRunningChanged);
  connect(&LanguageNotifier::instance(), &LanguageNotifier::languageChanged, this, &ChannelGrid::refillLists);
  createChannelActions();
  setAccessibleName(tr("Channels"));
  fitToFont();
  updateRowColours();
}

void ChannelGrid::fitToFont() {
  const UiLanguage language = CurrentLanguage();
  const QFontMetrics cells = fontMetrics();
  const QFontMetrics captions = horizontalHeader()->fontMetrics();
  const int captionPadding = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader());
  for (int c = 0; c < kColumnCount; ++c) {
    int text = 0;
    for (const QString& sample : ColumnSamples(c, language)) text = std::max(text, cells.horizontalAdvance(sample));
    const auto i = static_cast<std::size_t>(c);
    m_neededWidths[i] = std::max(text + kCellPadding,
                                 captions.horizontalAdvance(ChannelTableModel::columnCaption(c)) + captionPadding);
    m_preferredWidths[i] = std::max(m_neededWidths[i], ChannelTableModel::columnWidth(c));
  }
  m_rowHeight = std::max(ChannelTableModel::kRowHeight, cells.height() + 2);
  m_headerHeight = std::max(kBaseSize.height() - kChannelCount * ChannelTableModel::kRowHeight - 2 * frameWidth(),
                            captions.height() + 6);
  horizontalHeader()->setFixedHeight(m_headerHeight);
  updateGeometry();
  spreadSections();
}

QSize ChannelGrid::sizeHint() const {
  const int frame = 2 * frameWidth();
  return {std::max(kBaseSize.width(), Sum(m_preferredWidths) + frame),
          m_headerHeight + kChannelCount * m_rowHeight + frame};
}

QSize ChannelGrid::minimumSizeHint() const {
  const int frame = 2 * frameWidth();
  return {Sum(m_neededWidths) + frame, m_headerHeight + kChannelCount * m_rowHeight + frame};
}

// Wider than its usual size, the table gives the room to the columns in
// proportion; narrower, the columns give up what their texts do not need.
void ChannelGrid::spreadSections() {
  const int frame = 2 * frameWidth();
  const int preferred = Sum(m_preferredWidths);
  const int needed = Sum(m_neededWidths);
  const int extra = width() - sizeHint().width();
  const int room = width() - frame - needed;
  int spread = 0;
  for (int c = 0; c < kColumnCount; ++c) {
    const auto i = static_cast<std::size_t>(c);
    int w = m_preferredWidths[i];
    if (extra > 0) {
      w += extra * m_preferredWidths[i] / preferred;
      spread += extra * m_preferredWidths[i] / preferred;
      // The last column takes what the rounding left.
      if (c == kColumnCount - 1) w += extra - spread;
    } else if (room < preferred - needed) {
      w = m_neededWidths[i] + std::max(0, room) * (m_preferredWidths[i] - m_neededWidths[i]) / std::max(1, preferred - needed);
    }
    setColumnWidth(c, w);
  }
  const int rows = height() - frame - m_headerHeight;
  verticalHeader()->setDefaultSectionSize(std::max(m_rowHeight, rows / kChannelCount));
}

void ChannelGrid::updateRowColours() {
  // The light blue of the even channels suits dark text; under a palette
  // with light text they take the palette's own alternate colour.
  const bool readable =
      ContrastRatio(ChannelTableModel::evenRowColour(), palette().color(QPalette::Text)) >= kReadableContrast;
  m_model->setEvenRowColoured(readable);
  setAlternatingRowColors(!readable);
}

void ChannelGrid::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  spreadSections();
  // An open editor stays over its cell.
  if (m_frequencyEditor->isVisible()) placeOver(m_frequencyEditor, m_editRow, m_editColumn, false);
  if (m_toneEditor->isVisible()) placeOver(m_toneEditor, m_editRow, m_editColumn, true);
  if (OptionEditor* combo = optionEditor(m_editColumn); combo && combo->isVisible())
    placeOver(combo, m_editRow, m_editColumn, true);
}

void ChannelGrid::changeEvent(QEvent* event) {
  QTableView::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) fitToFont();
  if (event->type() == QEvent::PaletteChange) updateRowColours();
  if (event->type() == QEvent::EnabledChange) updateEditActions();
}

OptionEditor* ChannelGrid::optionEditor(int column) const {
  if (!IsOptionColumn(column)) return nullptr;
  return m_optionEditors[static_cast<std::size_t>(column - kColPower)];
}

void ChannelGrid::placeOver(QWidget* editor, int row, int column, bool ownHeight) {
  const QRect cell = visualRect(m_model->index(row - 1, column));
  const int height = ownHeight ? editor->sizeHint().height() : cell.height();
  editor->setGeometry(cell.x(), cell.y(), cell.width(), height);
}

void ChannelGrid::openEditor(int row, int column) {
  openEditorAt(row, column);
  dropDownOpenList();
}

void ChannelGrid::dropDownOpenList() {
  if (!m_dropDown) return;
  for (QComboBox* combo : openLists())
    if (combo->isVisible()) combo->showPopup();
}

std::array<QComboBox*, 5> ChannelGrid::openLists() const {
  return {m_toneEditor, m_optionEditors[0], m_optionEditors[1], m_optionEditors[2], m_optionEditors[3]};
}

void ChannelGrid::openEditorAt(int row, int column) {
  if (row < 1 || row > kChannelCount || column < kColRxFreq || column >= kColumnCount) return;
  // Leaving an open editor ends its edit first.
  if (!hasFocus()) setFocus(Qt::OtherFocusReason);
  if (m_document.exchangeRunning()) return;
  const Channel& channel = m_document.state().channel(row);
  if (!channel.inUse()) column = kColRxFreq;
  // A tone or option goes to every selected channel when the edited one is
  // among them; a frequency only to its own.
  const QList<int> rows = selectedChannelRows();
  m_editChannels = rows.size() > 1 && rows.contains(row) && !IsFrequencyColumn(column) ? rows : QList<int>{row};
  setCurrentIndex(m_model->index(row - 1, column));
  m_editRow = row;
  m_editColumn = column;

  const QString text = ChannelTableModel::cellText(channel, row, column, CurrentLanguage());
  QWidget* editor = nullptr;
  if (IsFrequencyColumn(column)) {
    placeOver(m_frequencyEditor, row, column, false);
    m_frequencyEditor->setText(text);
    m_frequencyEditor->selectAll();  // typing replaces the old value
    editor = m_frequencyEditor;
  } else if (IsToneColumn(column)) {
    placeOver(m_toneEditor, row, column, true);
    m_toneEditor->setCurrentIndex(text.isEmpty() ? -1 : ListPositionOfTone(ToneOf(channel, column)));
    m_toneEditor->setEditText(text);
    m_toneEditor->lineEdit()->selectAll();
    editor = m_toneEditor;
  } else {
    OptionEditor* combo = optionEditor(column);
    placeOver(combo, row, column, true);
    // Selected while still hidden, so it is not taken for a pick.
    combo->setCurrentIndex(OptionPosition(channel, column));
    editor = combo;
  }
  // A screen reader names the editor by the cell it edits.
  editor->setAccessibleName(tr("%1, channel %2").arg(ChannelTableModel::columnCaption(column)).arg(row));
  editor->show();
  editor->raise();
  editor->setFocus(Qt::OtherFocusReason);
}

bool ChannelGrid::isEditing() const {
  return m_frequencyEditor->isVisible() || m_toneEditor->isVisible() ||
         std::any_of(m_optionEditors.begin(), m_optionEditors.end(), [](QWidget* w) { return w->isVisible(); });
}

void ChannelGrid::closeEditors() {
  if (!isEditing()) return;
  // Nothing is written: the commit guard is up while the focus leaves the
  // editors, and hidden editors report no focus loss.
  const bool committing = m_committing;
  m_committing = true;
  hideEditor(m_frequencyEditor);
  hideEditor(m_toneEditor);
  for (OptionEditor* combo : m_optionEditors) hideEditor(combo);
  m_committing = committing;
}

void ChannelGrid::hideEditor(QWidget* editor) {
  // A focused widget that is hidden hands the focus to the next one in the
  // chain, which for a table view is the next cell: the current cell would
  // move one column right. The grid takes the focus first.
  if (editor->hasFocus() || editor->isAncestorOf(QApplication::focusWidget())) setFocus(Qt::OtherFocusReason);
  editor->hide();
}

void ChannelGrid::commitPendingEdit() {
  if (m_frequencyEditor->isVisible()) commitFrequency();
  if (m_toneEditor->isVisible()) {
    m_toneEditor->hidePopup();
    commitTone();
  }
  // An option list writes only when picked; leaving it open changes nothing.
  for (OptionEditor* combo : m_optionEditors) {
    combo->hidePopup();
    hideEditor(combo);
  }
}

void ChannelGrid::applyChannel(const Channel& channel) {
  RadioState next = m_document.state();
  next.channel(m_editRow) = channel;
  m_applying = true;
  m_document.apply(next, EditKind::Channel);
  m_applying = false;
}

void ChannelGrid::applyToEditChannels(const std::function<void(Channel&)>& change) {
  RadioState next = m_document.state();
  for (int n : m_editChannels) {
    // Channels not in use stay empty: a channel starts at its RX frequency.
    if (n != m_editRow && !next.channel(n).inUse()) continue;
    change(next.channel(n));
  }
  m_applying = true;
  m_document.apply(next, m_editChannels.size() > 1 ? EditKind::Channels : EditKind::Channel);
  m_applying = false;
}

void ChannelGrid::exchangeRunningChanged(bool running) {
  // The exchange has taken what was typed before it started.
  if (running) closeEditors();
  updateEditActions();
}

bool ChannelGrid::takesEdits() const { return isEnabled() && !m_document.exchangeRunning(); }

void ChannelGrid::updateEditActions() {
  // The Edit menu offers these also while the table is disabled (the edit
  // lock): they change channels, so they follow the table.
  for (QAction* action : {m_cutAction, m_pasteAction, m_deleteAction, m_moveUpAction, m_moveDownAction})
    action->setEnabled(takesEdits());
}

void ChannelGrid::documentChanged(quint16 channels) {
  m_model->refresh(channels);
  // Channels replaced from elsewhere (a file, a read, an undo): an open
  // editor would write over them with what it was showing.
  if (!m_applying && !m_committing && (channels >> (m_editRow - 1)) & 1) closeEditors();
}

void ChannelGrid::commitFrequency() {
  if (m_committing) return;
  m_committing = true;
  Channel channel = m_document.state().channel(m_editRow);
  const FrequencyOutcome outcome =
      CommitFrequencyEntry(channel, m_document.state().band, m_editColumn, m_frequencyEditor->text());
  hideEditor(m_frequencyEditor);
  if (outcome == FrequencyOutcome::Written || outcome == FrequencyOutcome::ChannelDeleted) applyChannel(channel);
  if (outcome == FrequencyOutcome::OutOfBand) {
    ShowLocalizedMessage(kOutOfBandMessage.text(CurrentLanguage()), MessageStyle::kOk);
    setFocus(Qt::OtherFocusReason);
  }
  m_committing = false;
}

void ChannelGrid::commitTone() {
  if (m_committing) return;
  m_committing = true;
  if (const std::optional<Tone> tone = CheckToneEntry(m_toneEditor->currentText(), m_toneEditor->matchingPosition()))
    applyToEditChannels([this, &tone](Channel& channel) { ToneOf(channel, m_editColumn) = *tone; });
  hideEditor(m_toneEditor);
  m_committing = false;
}

void ChannelGrid::pickTone(int position) {
  if (!m_toneEditor->isVisible() || m_committing) return;
  // The focus change below must not check the picked text again.
  m_committing = true;
  applyToEditChannels([this, position](Channel& channel) { ToneOf(channel, m_editColumn) = ToneAtListPosition(position); });
  hideEditor(m_toneEditor);
  setFocus(Qt::OtherFocusReason);
  m_committing = false;
}

void ChannelGrid::pickOption(int column, int position) {
  OptionEditor* combo = optionEditor(column);
  if (!combo->isVisible() || column != m_editColumn) return;
  applyToEditChannels([column, position](Channel& channel) { SetOptionPosition(channel, column, position); });
  hideEditor(combo);
  setFocus(Qt::OtherFocusReason);
}

void ChannelGrid::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    // The context menu that follows finds the channel clicked.
    setFocus(Qt::MouseFocusReason);
    event->accept();
    return;
  }
  const QModelIndex index = indexAt(event->position().toPoint());
  const Qt::KeyboardModifiers modifiers = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
  if (event->button() == Qt::LeftButton && index.isValid() && index.column() == kColChannel) {
    selectChannelRow(index.row(), modifiers);
    event->accept();
    return;
  }
  QTableView::mousePressEvent(event);
  if (event->button() != Qt::LeftButton || modifiers) return;
  if (index.isValid() && index.column() != kColChannel) {
    openEditorAt(index.row() + 1, index.column());
    // The list drops down once the button is up: a release over the open list
    // would otherwise pick the entry under the pointer.
    m_dropDownOnRelease = true;
  }
}

void ChannelGrid::selectChannelRow(int row, Qt::KeyboardModifiers modifiers) {
  setFocus(Qt::MouseFocusReason);  // an open editor ends its edit
  QItemSelectionModel* selection = selectionModel();
  const int anchor = currentIndex().isValid() ? currentIndex().row() : row;
  // The current column stays: a value pasted next goes into it.
  const int column =
      currentIndex().isValid() && currentIndex().column() != kColChannel ? currentIndex().column() : kColRxFreq;
  const auto rowRange = [this](int first, int last) {
    return QItemSelection(m_model->index(std::min(first, last), 0),
                          m_model->index(std::max(first, last), kColumnCount - 1));
  };
  if (modifiers & Qt::ShiftModifier) {
    selection->select(rowRange(anchor, row), QItemSelectionModel::ClearAndSelect);
  } else if (modifiers & Qt::ControlModifier) {
    selection->select(rowRange(row, row), QItemSelectionModel::Toggle);
    selection->setCurrentIndex(m_model->index(row, column), QItemSelectionModel::NoUpdate);
  } else {
    selection->select(rowRange(row, row), QItemSelectionModel::ClearAndSelect);
    selection->setCurrentIndex(m_model->index(row, column), QItemSelectionModel::NoUpdate);
  }
}

void ChannelGrid::mouseMoveEvent(QMouseEvent* event) {
  // A drag selects nothing: a slightly moved click stays a click on its cell.
  if (event->buttons() & Qt::LeftButton) {
    event->accept();
    return;
  }
  QTableView::mouseMoveEvent(event);
}

QItemSelectionModel::SelectionFlags ChannelGrid::selectionCommand(const QModelIndex& index, const QEvent*) const {
  // Moving within the selected channels keeps them selected (a tone or option
  // set there goes to all of them); anywhere else the cell alone is selected.
  if (index.isValid() && selectedChannelRows().size() > 1 && selectedChannelRows().contains(index.row() + 1))
    return QItemSelectionModel::NoUpdate;
  return QItemSelectionModel::ClearAndSelect;
}

QList<int> ChannelGrid::selectedChannelRows() const {
  QList<int> rows;
  for (int row = 0; row < kChannelCount; ++row)
    if (selectionModel()->isRowSelected(row, {})) rows << row + 1;
  return rows;
}

void ChannelGrid::keyboardSearch(const QString&) {}

void ChannelGrid::mouseReleaseEvent(QMouseEvent* event) {
  QTableView::mouseReleaseEvent(event);
  if (!m_dropDownOnRelease) return;
  m_dropDownOnRelease = false;
  dropDownOpenList();
}

void ChannelGrid::keyPressEvent(QKeyEvent* event) {
  // Ctrl+Tab leaves the table as it does Qt's other item views.
  if ((event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) && event->modifiers() & Qt::ControlModifier) {
    focusNextPrevChild(event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier));
    event->accept();
    return;
  }
  const QModelIndex index = currentIndex();
  const bool onChannelCell = index.isValid() && index.column() != kColChannel;
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_F2) {
    if (onChannelCell) openEditor(index.row() + 1, index.column());
    event->accept();
    return;
  }
  if (onChannelCell && typeIntoCell(index.row() + 1, index.column(), event)) return;
  QTableView::keyPressEvent(event);
}

bool ChannelGrid::typeIntoCell(int row, int column, QKeyEvent* event) {
  const QString text = event->text();
  if (text.size() != 1 || !text.front().isPrint() || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
    return false;
  event->accept();
  if (m_document.exchangeRunning()) return true;
  // An unused channel starts at its RX frequency, whichever cell was typed on.
  if (!m_document.state().channel(row).inUse()) column = kColRxFreq;
  const QChar c = text.front();
  QKeyEvent typed(QEvent::KeyPress, event->key(), event->modifiers(), text);
  if (IsFrequencyColumn(column)) {
    if (!IsFrequencyCharacter(c)) return true;
    openEditorAt(row, column);  // its text selected: the key replaces it
    QCoreApplication::sendEvent(m_frequencyEditor, &typed);
  } else if (IsToneColumn(column)) {
    if (FilterToneCharacter(c).isNull()) return true;
    openEditorAt(row, column);
    QCoreApplication::sendEvent(m_toneEditor, &typed);
  } else {
    // The first letter picks the entry that begins with it.
    const UiLanguage language = CurrentLanguage();
    for (int position = 0; position < 2; ++position) {
      if (!OptionText(column, position, language).startsWith(c, Qt::CaseInsensitive)) continue;
      openEditorAt(row, column);
      OptionEditor* combo = optionEditor(column);
      combo->setCurrentIndex(position);
      pickOption(column, position);
      break;
    }
  }
  return true;
}


void ChannelGrid::refillLists() {
  const UiLanguage language = CurrentLanguage();
  m_toneEditor->setItemText(0, ToneOffText(language));
  for (int c = kColPower; c <= kColScanAdd; ++c)
    for (int p = 0; p < 2; ++p) optionEditor(c)->setItemText(p, OptionText(c, p, language));
  m_model->retranslate();
  m_model->refresh();
  retranslateChannelActions();
  setAccessibleName(tr("Channels"));
  fitToFont();
}

}  // namespace qx210
