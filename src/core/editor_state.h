#pragma once

#include "core/channel_table.h"
#include "core/radio_settings.h"

namespace qx210 {

// The band list Combo1: the selected position and BandIndex, the position last
// confirmed. A program step that selects a band sets both.
struct BandState {
  int index = 0;     // BandIndex
  int selected = 0;  // position shown in the band list
  int low() const { return kBands.at(static_cast<std::size_t>(selected)).low; }
  int high() const { return kBands.at(static_cast<std::size_t>(selected)).high; }
  bool operator==(const BandState&) const = default;
};

// Everything the memory image is decoded into and encoded from.
struct EditorState {
  ChannelTable table;
  BandState band;
  RadioSettings settings;
  // Set by the debug-parameter unlock gesture; makes a write include the
  // calibration block. Cleared at start-up and by every decode.
  bool debugParametersUnlocked = false;

  bool operator==(const EditorState&) const = default;
};

}  // namespace qx210
