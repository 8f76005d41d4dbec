#include "core/channel_table.h"

#include <stdexcept>

namespace qx210 {

ChannelTable::ChannelTable() {
  // Created zeroed: every position 0 and every tone flag set.
  for (Row& r : m_rows) {
    r.toneOff[kColRxTone] = true;
    r.toneOff[kColTxTone] = true;
  }
}

ChannelTable::Row& ChannelTable::row(int n) {
  if (n < 1 || n > kChannelCount) throw std::out_of_range("channel row");
  return m_rows[static_cast<std::size_t>(n - 1)];
}

const ChannelTable::Row& ChannelTable::row(int n) const {
  if (n < 1 || n > kChannelCount) throw std::out_of_range("channel row");
  return m_rows[static_cast<std::size_t>(n - 1)];
}

QString ChannelTable::channelNumberText(int row) { return QStringLiteral("%1").arg(row, 2, 10, QLatin1Char('0')); }

QString ChannelTable::cell(int r, int column) const {
  if (column == kColChannel) return channelNumberText(r);
  return row(r).cells.at(static_cast<std::size_t>(column));
}

void ChannelTable::setCell(int r, int column, const QString& text) {
  if (column < kColRxFreq || column >= kColumnCount) throw std::out_of_range("channel column");
  row(r).cells[static_cast<std::size_t>(column)] = text;
}

int ChannelTable::optionPosition(int r, int column) const {
  return row(r).positions.at(static_cast<std::size_t>(column));
}

void ChannelTable::setOptionPosition(int r, int column, int position) {
  row(r).positions.at(static_cast<std::size_t>(column)) = position == 0 ? 0 : 1;
}

void ChannelTable::setOption(int r, int column, int position, UiLanguage language) {
  setOptionPosition(r, column, position);
  setCell(r, column, OptionText(column, position, language));
}

bool ChannelTable::toneOff(int r, int column) const { return row(r).toneOff.at(static_cast<std::size_t>(column)); }

void ChannelTable::setToneOff(int r, int column, bool off) {
  row(r).toneOff.at(static_cast<std::size_t>(column)) = off;
}

void ChannelTable::setToneOffCell(int r, int column, UiLanguage language) {
  setCell(r, column, ToneOffText(language));
  setToneOff(r, column, true);
}

void ChannelTable::setToneText(int r, int column, const QString& tone) {
  setCell(r, column, tone);
  setToneOff(r, column, false);
}

bool ChannelTable::inUse(int r) const { return !row(r).cells[kColRxFreq].isEmpty(); }

void ChannelTable::ClearNO(int n) {
  Row& r = row(n);
  for (int c = kColRxFreq; c < kColumnCount; ++c) r.cells[static_cast<std::size_t>(c)].clear();
  for (int c = kColPower; c <= kColScanAdd; ++c) r.positions[static_cast<std::size_t>(c)] = 0;
  r.toneOff[kColRxTone] = true;
  r.toneOff[kColTxTone] = true;
}

void ChannelTable::ClearGrid() {
  for (int n = 1; n <= kChannelCount; ++n) ClearNO(n);
}

void ChannelTable::ClearGrid1() {
  for (int n = 1; n <= kChannelCount; ++n) {
    if (!inUse(n)) continue;
    for (int c = kColRxFreq; c < kColumnCount; ++c) row(n).cells[static_cast<std::size_t>(c)].clear();
  }
}

void ChannelTable::SetGrid1Text(UiLanguage language) {
  for (int n = 1; n <= kChannelCount; ++n) {
    if (!inUse(n)) continue;
    for (int c : {kColRxTone, kColTxTone})
      if (toneOff(n, c)) setCell(n, c, ToneOffText(language));
    for (int c = kColPower; c <= kColScanAdd; ++c) setCell(n, c, OptionText(c, optionPosition(n, c), language));
  }
}

void ChannelTable::applyNewChannelDefaults(int r, const QString& frequency, UiLanguage language) {
  setCell(r, kColTxFreq, frequency);
  setToneOffCell(r, kColRxTone, language);
  setToneOffCell(r, kColTxTone, language);
  setOption(r, kColPower, 1, language);
  setOption(r, kColBclo, 0, language);
  setOption(r, kColWn, 1, language);
  setOption(r, kColScanAdd, 1, language);
}

}  // namespace qx210
