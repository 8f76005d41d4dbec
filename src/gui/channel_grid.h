#pragma once

#include <QTableView>
#include <array>
#include <functional>

#include "core/channel.h"
#include "core/radio_state.h"

class QAction;
class QComboBox;

namespace qx210 {

class Document;
class ChannelTableModel;
class FrequencyEditor;
class ToneEditor;
class OptionEditor;

// The channel table with its in-place editors. A left click, or Enter on the
// current cell, opens the editor of that cell right over it: the frequency
// editor for the frequency columns, the tone list for the tone columns, the
// column's option list for the option columns. The edit ends when the editor
// loses the focus (Enter, a click elsewhere) or when a command commits it
// first; what it writes follows the frequency and tone rules and goes to the
// document as one edit. The current cell stays where the edit was. F2 opens
// the editor as Enter does, and a typed character opens it with that
// character typed. An unused channel can only be started at its RX frequency.
//
// Channels are selected through their numbers only (click, Shift, Ctrl, or
// Select All); a click or a key on a cell selects that one cell, and a drag
// selects nothing. With several channels selected, a tone or option set in
// one of them is set in all of them as one edit. A right click acts on the
// channel clicked; no editor opens. While an exchange runs nothing opens.
//
// Object names follow the original controls: Grid1 the table, Text1 the frequency editor, Combo8 the tone list, Combo5_5..Combo5_8 the option lists.
class ChannelGrid : public QTableView {
  Q_OBJECT
 public:
  explicit ChannelGrid(Document& document, QWidget* parent = nullptr);

  FrequencyEditor* frequencyEditor() const { return m_frequencyEditor; }
  ToneEditor* toneEditor() const { return m_toneEditor; }
  OptionEditor* optionEditor(int column) const;

  int editRow() const { return m_editRow; }
  int editColumn() const { return m_editColumn; }

  // Opens the editor of channel `row` (1..16), column 1..8.
  void openEditor(int row, int column);
  // Ends the edit that is still open as if the editor had lost the focus, so
  // that what was typed is not lost to the command that follows. A value out
  // of the band is reported as usual.
  void commitPendingEdit();
  bool isEditing() const;
  // Hides every editor without writing anything (the channels were replaced).
  void closeEditors();

  // Whether the tone and option lists drop down when they open (on by default).
  void setDropDownLists(bool dropDown) { m_dropDown = dropDown; }

  // The channels the selection touches, in order; the current one when
  // nothing is selected. A click on a channel number selects that channel
  // (with Shift or Ctrl, several).
  QList<int> selectedChannels() const;
  // Each of these is one undo step and is also offered by the context menu
  // and the Edit menu.
  void cutChannels();    // Ctrl+X: copy the whole channels, then delete them
  // Ctrl+C: the selected channels as tab-separated text with a header line;
  // a single selected cell as its text alone.
  void copyChannels();
  // Ctrl+V: a channel list into the selected rows on; a single value into
  // the current column of the selected channels.
  void pasteChannels();
  void deleteChannels(); // Delete
  void moveChannels(int delta);  // Ctrl+Up (-1), Ctrl+Down (+1)
  QList<QAction*> channelActions() const;

  // The table at the usual font has the original's size and column widths;
  // larger fonts, another language or a narrower window change them so that
  // every caption and all 16 channels stay whole.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // Typing goes to the cell's editor, never to a search that moves the cell.
  void keyboardSearch(const QString& search) override;
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event = nullptr) const override;

 private:
  // Channels whose whole row is selected (by their numbers).
  QList<int> selectedChannelRows() const;
  // A printable key on cell (row, column) opens its editor with the key typed.
  bool typeIntoCell(int row, int column, QKeyEvent* event);
  // One value pasted into `column` of the selected channels.
  void pasteIntoColumn(const QString& value);
  void exchangeRunningChanged(bool running);
  // Channels may change: the table is enabled and no exchange runs.
  bool takesEdits() const;
  void updateEditActions();
  void openEditorAt(int row, int column);
  void dropDownOpenList();
  std::array<QComboBox*, 5> openLists() const;
  void commitFrequency();
  void commitTone();
  void pickTone(int position);
  void pickOption(int column, int position);
  void refillLists();
  void createChannelActions();
  void selectChannelRow(int row, Qt::KeyboardModifiers modifiers);
  void retranslateChannelActions();
  void documentChanged(quint16 channels);
  void placeOver(QWidget* editor, int row, int column, bool ownHeight);
  // Measures what the captions and cell texts need in the current font and
  // language, then lays the columns and rows out again.
  void fitToFont();
  void spreadSections();
  void updateRowColours();
  // Hides an editor; one that has the focus gives it to the grid first.
  void hideEditor(QWidget* editor);
  // The edited channel, changed, goes to the document as one edit.
  void applyChannel(const Channel& channel);
  // `change` made to every channel the open editor writes to, as one edit.
  void applyToEditChannels(const std::function<void(Channel&)>& change);
  bool applyChannels(const RadioState& next);

  Document& m_document;
  ChannelTableModel* m_model = nullptr;
  FrequencyEditor* m_frequencyEditor = nullptr;
  ToneEditor* m_toneEditor = nullptr;
  std::array<OptionEditor*, 4> m_optionEditors{};  // columns 5..8
  int m_editRow = 1;     // the channel of the cell last opened
  int m_editColumn = 1;  // and its column
  QList<int> m_editChannels{1};  // the channels a tone or option edit writes to
  bool m_committing = false;
  bool m_applying = false;
  bool m_dropDown = true;
  QAction* m_cutAction = nullptr;
  QAction* m_copyAction = nullptr;
  QAction* m_pasteAction = nullptr;
  QAction* m_deleteAction = nullptr;
  QAction* m_moveUpAction = nullptr;
  QAction* m_moveDownAction = nullptr;
  QAction* m_selectAllAction = nullptr;
  bool m_dropDownOnRelease = false;
  std::array<int, kColumnCount> m_neededWidths{};     // the texts whole
  std::array<int, kColumnCount> m_preferredWidths{};  // at least the original widths
  int m_rowHeight = 0;
  int m_headerHeight = 0;
};

}  // namespace qx210
