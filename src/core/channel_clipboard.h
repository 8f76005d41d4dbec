#pragma once

#include <QList>
#include <QString>

#include "core/channel_csv.h"
#include "core/radio_state.h"

// Channels moved as text between the channel table and other programs: tab-
// separated, with the header of a channel list, so that a spreadsheet takes
// them as they are and a paste reads them by the rules of an import.
namespace qx210 {

// Channels `numbers` (1..16) that are in use, as tab-separated lines with a
// header line.
QString CopyChannels(const RadioState& state, const QList<int>& numbers);

// Reads tab-separated or comma-separated text (a channel list with its
// header) into the channels from `firstChannel` on, in the order of its rows.
ChannelImport PasteChannels(const QString& text, const RadioState& state, int firstChannel);

// `state` with channels `numbers` emptied.
RadioState WithChannelsCleared(const RadioState& state, const QList<int>& numbers);

// `state` with the block of channels first..last moved one place up (delta
// -1) or down (+1), the channel it passes taking the freed place. The same
// state when the block would leave the table.
RadioState WithChannelsMoved(const RadioState& state, int first, int last, int delta);

}  // namespace qx210
