#pragma once

#include <QAbstractTableModel>

namespace qx210 {

class Editor;

// The channel table Grid1 as a table model over the editor's ChannelTable:
// 16 channel rows, 9 columns, the column captions as the header row. Column 0
// holds the channel numbers and can be neither selected nor edited.
class ChannelTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit ChannelTableModel(Editor& editor, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // The header caption of `column` in the installed language.
  static QString columnCaption(int column);
  // Column widths in pixels (the layout gives twips, 15 to a pixel).
  static int columnWidth(int column);
  static constexpr int kRowHeight = 20;  // 300 twips

  // Announce new cell texts or new captions to the view.
  void refresh();
  void retranslate();

 private:
  Editor& m_editor;
};

}  // namespace qx210
