#include "gui/channel_grid.h"

#include <QHeaderView>
#include <algorithm>
#include <QKeyEvent>
#include <QMouseEvent>

#include "gui/cell_editors.h"
#include "gui/channel_table_model.h"
#include "core/editor.h"
#include "core/frequency_entry.h"
#include "core/tone_entry.h"
#include "core/language.h"
#include "gui/message_box.h"

namespace qx210 {

ChannelGrid::ChannelGrid(Editor& editor, QWidget* parent) : QTableView(parent), m_editor(editor) {
  setObjectName(QStringLiteral("Grid1"));
  m_model = new ChannelTableModel(editor, this);
  setModel(m_model);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setCornerButtonEnabled(false);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(ChannelTableModel::kRowHeight);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->setHighlightSections(false);
  for (int c = 0; c < kColumnCount; ++c) setColumnWidth(c, ChannelTableModel::columnWidth(c));

  m_text1 = new FrequencyEditor(viewport());
  m_text1->setObjectName(QStringLiteral("Text1"));
  m_combo8 = new ToneEditor(viewport());
  m_combo8->setObjectName(QStringLiteral("Combo8"));
  m_combo8->addItems(ToneList(CurrentLanguage()));
  for (int c = kColPower; c <= kColScanAdd; ++c) {
    auto* combo = new OptionEditor(viewport());
    combo->setObjectName(QStringLiteral("Combo5_%1").arg(c));
    combo->addItems(OptionList(c, CurrentLanguage()));
    m_combo5[static_cast<std::size_t>(c - kColPower)] = combo;
    connect(combo, &QComboBox::activated, this, [this, c](int position) { pickOption(c, position); });
    connect(combo, &OptionEditor::editingLeft, combo, &QWidget::hide);
    combo->hide();
  }
  m_text1->hide();
  m_combo8->hide();

  connect(m_text1, &FrequencyEditor::enterPressed, this, [this] { setFocus(Qt::OtherFocusReason); });
  connect(m_text1, &FrequencyEditor::editingLeft, this, &ChannelGrid::commitFrequency);
  connect(m_combo8, &ToneEditor::enterPressed, this, [this] { setFocus(Qt::OtherFocusReason); });
  connect(m_combo8, &ToneEditor::editingLeft, this, &ChannelGrid::commitTone);
  connect(m_combo8, &QComboBox::activated, this, &ChannelGrid::pickTone);

  connect(&m_editor, &Editor::tableChanged, this, &ChannelGrid::tableChangedElsewhere);
  connect(&LanguageNotifier::instance(), &LanguageNotifier::languageChanged, this, &ChannelGrid::refillLists);
}

OptionEditor* ChannelGrid::optionEditor(int column) const {
  if (!IsOptionColumn(column)) return nullptr;
  return m_combo5[static_cast<std::size_t>(column - kColPower)];
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
  return {m_combo8, m_combo5[0], m_combo5[1], m_combo5[2], m_combo5[3]};
}

void ChannelGrid::openEditorAt(int row, int column) {
  if (row < 1 || row > kChannelCount || column < kColRxFreq || column >= kColumnCount) return;
  // Leaving an open editor ends its edit first.
  if (!hasFocus()) setFocus(Qt::OtherFocusReason);
  const ChannelTable& table = m_editor.state().table;
  if (!table.inUse(row)) column = kColRxFreq;
  setCurrentIndex(m_model->index(row - 1, column));
  m_editRow = row;
  m_editColumn = column;

  const QString text = table.cell(row, column);
  QWidget* editor = nullptr;
  if (IsFrequencyColumn(column)) {
    placeOver(m_text1, row, column, false);
    m_text1->setText(text);
    m_text1->selectAll();  // typing replaces the old value
    editor = m_text1;
  } else if (IsToneColumn(column)) {
    placeOver(m_combo8, row, column, true);
    m_combo8->setCurrentIndex(m_combo8->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    m_combo8->setEditText(text);
    m_combo8->lineEdit()->selectAll();
    editor = m_combo8;
  } else {
    OptionEditor* combo = optionEditor(column);
    placeOver(combo, row, column, true);
    // Selected while still hidden, so it is not taken for a pick.
    combo->setCurrentIndex(table.optionPosition(row, column));
    editor = combo;
  }
  editor->show();
  editor->raise();
  editor->setFocus(Qt::OtherFocusReason);
}

void ChannelGrid::closeEditors() {
  if (m_text1->isVisible() || m_combo8->isVisible() ||
      std::any_of(m_combo5.begin(), m_combo5.end(), [](QWidget* w) { return w->isVisible(); })) {
    // Hidden editors no longer report focus loss, so nothing is written.
    QWidget* focus = focusWidget();
    m_text1->hide();
    m_combo8->hide();
    for (OptionEditor* combo : m_combo5) combo->hide();
    if (focus && focus != this) setFocus(Qt::OtherFocusReason);
  }
}

void ChannelGrid::announceTableChange() {
  m_writing = true;
  m_editor.notifyTableChanged();
  m_writing = false;
}

void ChannelGrid::tableChangedElsewhere() {
  m_model->refresh();
  if (!m_writing && !m_committing) closeEditors();
}

void ChannelGrid::commitFrequency() {
  if (m_committing) return;
  m_committing = true;
  const FrequencyOutcome outcome = CommitFrequencyEntry(m_editor.table(), m_editor.state().band, m_editRow,
                                                        m_editColumn, m_text1->text(), m_editor.language());
  m_text1->hide();
  if (outcome == FrequencyOutcome::Written || outcome == FrequencyOutcome::ChannelDeleted) announceTableChange();
  if (outcome == FrequencyOutcome::OutOfBand) {
    ShowLocalizedMessage(kOutOfBandMessage.text(CurrentLanguage()), MessageStyle::kOk);
    setFocus(Qt::OtherFocusReason);
  }
  m_committing = false;
}

void ChannelGrid::commitTone() {
  if (m_committing) return;
  m_committing = true;
  if (CommitToneEntry(m_editor.table(), m_editRow, m_editColumn, m_combo8->currentText(),
                      m_combo8->matchingPosition()))
    announceTableChange();
  m_combo8->hide();
  m_committing = false;
}

void ChannelGrid::pickTone(int position) {
  if (!m_combo8->isVisible()) return;
  PickTone(m_editor.table(), m_editRow, m_editColumn, position, m_editor.language());
  announceTableChange();
  // Hidden first, so the focus change does not check the picked text again.
  m_combo8->hide();
  setFocus(Qt::OtherFocusReason);
}

void ChannelGrid::pickOption(int column, int position) {
  OptionEditor* combo = optionEditor(column);
  if (!combo->isVisible() || column != m_editColumn) return;
  m_editor.table().setOption(m_editRow, m_editColumn, position, m_editor.language());
  announceTableChange();
  setFocus(Qt::OtherFocusReason);
  combo->hide();
}

void ChannelGrid::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    setFocus(Qt::MouseFocusReason);
    event->accept();
    return;
  }
  QTableView::mousePressEvent(event);
  if (event->button() != Qt::LeftButton) return;
  const QModelIndex index = indexAt(event->position().toPoint());
  if (index.isValid() && index.column() != kColChannel) {
    openEditorAt(index.row() + 1, index.column());
    // The list drops down once the button is up: a release over the open list
    // would otherwise pick the entry under the pointer.
    m_dropDownOnRelease = true;
  }
}

void ChannelGrid::mouseReleaseEvent(QMouseEvent* event) {
  QTableView::mouseReleaseEvent(event);
  if (!m_dropDownOnRelease) return;
  m_dropDownOnRelease = false;
  dropDownOpenList();
}

void ChannelGrid::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    const QModelIndex index = currentIndex();
    if (index.isValid() && index.column() != kColChannel) openEditor(index.row() + 1, index.column());
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}


void ChannelGrid::refillLists() {
  const UiLanguage language = CurrentLanguage();
  m_combo8->setItemText(0, ToneOffText(language));
  for (int c = kColPower; c <= kColScanAdd; ++c)
    for (int p = 0; p < 2; ++p) optionEditor(c)->setItemText(p, OptionText(c, p, language));
  m_model->retranslate();
}

}  // namespace qx210
