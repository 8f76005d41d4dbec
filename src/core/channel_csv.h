#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "core/channel.h"
#include "core/radio_state.h"
#include "core/ui_language.h"

// Channel lists in the column set that channel-list tools share (Location,
// Name, Frequency, Duplex, Offset, Tone, rToneFreq, ... DVCODE): reading one
// into the 16 channels, and writing the channels as one.
namespace qx210 {

// Channel lists are small; a larger file is refused as a whole (never cut,
// which would change the row at the cut and lose the rest).
inline constexpr qint64 kChannelListSizeLimit = 4 * 1024 * 1024;

// A line of an import or export report, in both languages. `format` holds
// %1, %2, ... for the arguments.
struct ListMessage {
  Bilingual format;
  QStringList arguments;

  QString text(UiLanguage language) const;
  bool operator==(const ListMessage& other) const;
};

enum class Placement {
  Automatic,  // by Location when every row's Location is a channel 1..16, else in file order
  FileOrder,  // in file order from the start channel, whatever Location says
};

struct ImportOptions {
  int band = 0;          // band list position; every frequency must lie in it
  int startChannel = 1;  // the first channel that rows fill in file order
  Placement placement = Placement::Automatic;
};

// What became of one row of the list.
struct ImportRow {
  enum class Fate {
    Placed,    // goes to `channel`
    LeftOut,   // breaks a rule; `reasons` says which
    LeftOver,  // valid, but no channel was left for it
  };

  int line = 0;  // line of the file on which the row starts
  Fate fate = Fate::LeftOut;
  int channel = 0;  // 1..16 when placed
  Channel value;    // the channel the row gives (placed or left over)
  std::vector<ListMessage> reasons;  // why it was left out
  std::vector<ListMessage> notes;    // values the entry rules adjusted (raster, code 777)
};

// The outcome of reading a channel list, before anything is changed: which
// row goes to which channel, which rows are left out and why, and the
// channels as they would become. ApplyImport() then takes it over.
struct ChannelImport {
  // The file as a whole is not a channel list; nothing is imported.
  std::optional<ListMessage> error;
  bool byLocation = false;  // rows went to the channel their Location names
  std::vector<ImportRow> rows;  // every row with content, in file order
  std::vector<ListMessage> notices;  // said once for the whole list
  // The new content of each channel a row reaches; channels no row reaches
  // keep what they hold.
  std::array<std::optional<Channel>, kChannelCount> channels;

  int count(ImportRow::Fate fate) const;
  int placedCount() const { return count(ImportRow::Fate::Placed); }
  // Rows not imported: left out and left over.
  int notImportedCount() const { return static_cast<int>(rows.size()) - placedCount(); }
};

// Reads a list given as text, separated as its first line shows: by commas,
// tabs or semicolons (GuessSeparator).
ChannelImport ImportChannelList(const QString& text, const ImportOptions& options);

// How an import meets the channels there are.
enum class ImportMode {
  Merge,    // channels no row reaches keep what they hold
  Replace,  // channels no row reaches are emptied
};

// `state` with the imported channels in place; the other channels as `mode`
// says, the band and the settings as they were.
RadioState ApplyImport(const ChannelImport& import, const RadioState& state, ImportMode mode = ImportMode::Merge);

// The lines of an import report in `language`: a "line N: ..." line for every
// row not imported and for every adjusted value, then the notices.
QStringList ImportReportLines(const ChannelImport& import, UiLanguage language);

// A channel list of the channels in use.
struct ChannelExport {
  QString text;  // header and one row per channel, CRLF line ends
  int channelCount = 0;
  // Channels left out because they hold a value a list cannot carry back
  // (a frequency digit that is not decimal, an odd tone word), and settings
  // a list has no column for.
  std::vector<ListMessage> warnings;
};

ChannelExport ExportChannelList(const RadioState& state);

// The column names of an exported list, in order.
QStringList ChannelListHeader();

}  // namespace qx210
