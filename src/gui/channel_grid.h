#pragma once

#include <QTableView>
#include <array>

class QComboBox;

namespace qx210 {

class Editor;
class ChannelTableModel;
class FrequencyEditor;
class ToneEditor;
class OptionEditor;

// Grid1: the 16 channels with their in-place editors. A left click, or Enter
// on the current cell, opens the editor of that cell right over it: Text1 for
// the frequency columns, Combo8 for the tone columns, Combo5(column) for the
// option columns. The edit ends when the editor loses the focus (Enter, a
// click elsewhere); what it writes follows the frequency and tone rules. A
// right click only focuses the grid. An empty channel can only be started at
// its RX frequency.
class ChannelGrid : public QTableView {
  Q_OBJECT
 public:
  explicit ChannelGrid(Editor& editor, QWidget* parent = nullptr);

  FrequencyEditor* frequencyEditor() const { return m_text1; }
  ToneEditor* toneEditor() const { return m_combo8; }
  OptionEditor* optionEditor(int column) const;

  int editRow() const { return m_editRow; }
  int editColumn() const { return m_editColumn; }

  // Opens the editor of channel `row` (1..16), column 1..8.
  void openEditor(int row, int column);
  // Hides every editor without writing anything (the table was replaced).
  void closeEditors();

  // Whether the tone and option lists drop down when they open (on by default).
  void setDropDownLists(bool dropDown) { m_dropDown = dropDown; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void openEditorAt(int row, int column);
  void dropDownOpenList();
  std::array<QComboBox*, 5> openLists() const;
  void commitFrequency();
  void commitTone();
  void pickTone(int position);
  void pickOption(int column, int position);
  void refillLists();
  void tableChangedElsewhere();
  void placeOver(QWidget* editor, int row, int column, bool ownHeight);
  // Writes went to the table: tell every view.
  void announceTableChange();

  Editor& m_editor;
  ChannelTableModel* m_model = nullptr;
  FrequencyEditor* m_text1 = nullptr;
  ToneEditor* m_combo8 = nullptr;
  std::array<OptionEditor*, 4> m_combo5{};  // columns 5..8
  int m_editRow = 1;     // EditRow
  int m_editColumn = 1;  // EditColumn
  bool m_committing = false;
  bool m_writing = false;
  bool m_dropDown = true;
  bool m_dropDownOnRelease = false;
};

}  // namespace qx210
