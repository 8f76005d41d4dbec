#include "core/channel_clipboard.h"

#include <algorithm>

#include "core/csv.h"

namespace qx210 {

QString CopyChannels(const RadioState& state, const QList<int>& numbers) {
  // The export of a state holding just these channels, each at its own Location.
  RadioState selection;
  for (int n : numbers)
    if (n >= 1 && n <= kChannelCount) selection.channel(n) = state.channel(n);
  const ChannelExport list = ExportChannelList(selection);
  QString text;
  for (const CsvRecord& record : ParseCsv(list.text)) text += CsvLine(record.fields, QLatin1Char('\t')) + QLatin1Char('\n');
  return text;
}

ChannelImport PasteChannels(const QString& text, const RadioState& state, int firstChannel) {
  return ImportChannelList(text, {.band = state.band, .startChannel = firstChannel, .placement = Placement::FileOrder});
}

RadioState WithChannelsCleared(const RadioState& state, const QList<int>& numbers) {
  RadioState next = state;
  for (int n : numbers)
    if (n >= 1 && n <= kChannelCount) next.channel(n) = Channel{};
  return next;
}

RadioState WithChannelsMoved(const RadioState& state, int first, int last, int delta) {
  if (first > last || first + delta < 1 || last + delta > kChannelCount || (delta != 1 && delta != -1)) return state;
  RadioState next = state;
  auto begin = next.channels.begin();
  if (delta < 0)
    std::rotate(begin + first - 2, begin + first - 1, begin + last);
  else
    std::rotate(begin + first - 1, begin + last, begin + last + 1);
  return next;
}

}  // namespace qx210
