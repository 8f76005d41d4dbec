#pragma once

#include <QAbstractTableModel>
#include <QColor>

#include "core/channel.h"
#include "core/ui_language.h"

namespace qx210 {

class Document;

// The channel table as a table model over the document's channels: 16
// rows, 9 columns, the column captions as the header row. Column 0 holds the
// channel numbers and can be neither selected nor edited. The texts are made
// from the channels' values in the current language; a channel not in use
// shows nothing.
class ChannelTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit ChannelTableModel(Document& document, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // The header caption of `column` in the installed language.
  static QString columnCaption(int column);
  // What cell (channel, column) shows for `channel` in `language`.
  static QString cellText(const Channel& channel, int number, int column, UiLanguage language);
  // How far a split channel transmits from where it listens ("+5.00000 MHz");
  // empty for a simplex channel or one without both frequencies.
  static QString splitOffsetText(const Channel& channel);
  // Column widths in pixels (the layout gives twips, 15 to a pixel).
  static int columnWidth(int column);
  static constexpr int kRowHeight = 20;  // 300 twips

  // The light blue of the even channels, readable with dark text.
  static QColor evenRowColour();
  // Whether the even channels carry that colour; the view turns it off where
  // its palette's text would be unreadable on it.
  void setEvenRowColoured(bool coloured);

  // Announce new cell texts or new captions to the view.
  void refresh(quint16 channels = 0xFFFF);
  void retranslate();

 private:
  Document& m_document;
  bool m_evenRowColoured = true;
};

}  // namespace qx210
