#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "core/channel_csv.h"
#include "core/ui_language.h"

// Channel plans: ready-made channel lists (CSV files) from public band plans,
// installed with the program, and the user's own lists in a folder of their
// own. A plan is read through the channel-list import, so its rows obey the
// same rules as typed entries.
namespace qx210 {

struct ChannelPlan {
  QString name;  // the file's name without ".csv": "pmr446"
  QString path;
  bool stock = true;  // installed with the program, not the user's own
};

// The plans installed with the program: beside the program in a build tree
// ("plans"), the program's data folder (share/qx210/plans) when installed.
QString StockPlanFolder();
// The user's own plans: ~/.local/share/qx210/plans on Linux.
QString UserPlanFolder();

// The plans of `stockFolder`, then those of `userFolder`, each sorted by
// name; a user plan named like a stock plan stands after it.
std::vector<ChannelPlan> FindPlans(const QString& stockFolder = StockPlanFolder(),
                                   const QString& userFolder = UserPlanFolder());
// The first plan called `name` (any case).
std::optional<ChannelPlan> PlanNamed(const std::vector<ChannelPlan>& plans, const QString& name);

// A stock plan's title and what it holds, in `language`; the file's name and
// its folder for a plan the program does not know.
QString PlanTitle(const ChannelPlan& plan, UiLanguage language);
QString PlanDescription(const ChannelPlan& plan, UiLanguage language);

// A plan read against one band.
struct PlanImport {
  std::optional<ListMessage> error;  // the file cannot be read, or is no channel list
  ChannelImport import;
  // Every band in which each row of the plan finds its place (by list position).
  std::vector<int> bands;

  bool fits(int band) const;
  // "400-480MHz or 400-520MHz"; empty when no band holds every row.
  QString bandsText(UiLanguage language) const;
};

// Reads the plan and imports it into `band`, every row to the channel its
// Location names.
PlanImport ReadPlan(const ChannelPlan& plan, int band);

}  // namespace qx210
