#pragma once

#include <QString>
#include <array>

#include "core/lists.h"

namespace qx210 {

// The 16 channels as the table Grid1 shows them. The cell texts are the
// channel data; besides them each channel keeps the list position of its four
// option cells and an Off flag for each tone cell, so that a language switch
// can rewrite those cells. Rows are channels 1..16, columns 1..8 (column 0,
// the channel number, is fixed).
class ChannelTable {
 public:
  ChannelTable();

  QString cell(int row, int column) const;
  void setCell(int row, int column, const QString& text);

  // Option columns 5..8: the stored position, 0 or 1.
  int optionPosition(int row, int column) const;
  void setOptionPosition(int row, int column, int position);
  // Writes the option entry at `position` and stores the position.
  void setOption(int row, int column, int position, UiLanguage language);

  // Tone columns 2 and 4.
  bool toneOff(int row, int column) const;
  void setToneOff(int row, int column, bool off);
  // Writes a tone cell: the Off entry (flag set) or a tone text (flag cleared).
  void setToneOffCell(int row, int column, UiLanguage language);
  void setToneText(int row, int column, const QString& tone);

  // A channel is in use exactly when its RX frequency is not empty.
  bool inUse(int row) const;

  // Empties channel n and resets its stored positions and tone flags.
  void ClearNO(int n);
  // ClearNO for all 16 channels.
  void ClearGrid();
  // Empties the cells of every channel in use; positions and flags stay.
  void ClearGrid1();
  // Rewrites the Off tone cells and the option cells of channels in use in `language`.
  void SetGrid1Text(UiLanguage language);

  // The defaults of a new channel: TX = `frequency`, both tones Off, Power
  // High, BCLO Off, W/N Wide, Scan Add Yes.
  void applyNewChannelDefaults(int row, const QString& frequency, UiLanguage language);

  static QString channelNumberText(int row);

  bool operator==(const ChannelTable&) const = default;

 private:
  struct Row {
    std::array<QString, kColumnCount> cells;
    std::array<int, kColumnCount> positions{};      // used for columns 5..8
    std::array<bool, kColumnCount> toneOff{};       // used for columns 2 and 4
    bool operator==(const Row&) const = default;
  };
  Row& row(int n);
  const Row& row(int n) const;

  std::array<Row, kChannelCount> m_rows;
};

}  // namespace qx210
