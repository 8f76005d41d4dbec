#include "core/channel_plans.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <algorithm>

#include "core/bands.h"
#include "core/csv.h"
#include "core/safe_file.h"

namespace qx210 {

namespace {

// What the program says about its own plans. The sources are named in the
// user guide.
struct StockPlan {
  const char* name;
  Bilingual title;
  Bilingual description;
};

constexpr StockPlan kStockPlans[] = {
    {"pmr446",
     {"PMR446（欧洲免执照对讲）", "PMR446 (licence-free, Europe)"},
     {"PMR446 的 16 个信道，446.00625 至 446.19375 MHz，间隔 12.5 kHz；窄带，低功率。",
      "The 16 PMR446 channels, 446.00625 to 446.19375 MHz in 12.5 kHz steps; narrow, low power."}},
    {"frs",
     {"FRS（美国家庭无线电业务）", "FRS (Family Radio Service, USA)"},
     {"FRS 信道 1 至 16（17 至 22 放不下）；全部窄带、低功率（8 至 14 信道限 0.5 W，其余限 2 W）。",
      "FRS channels 1 to 16 (17 to 22 do not fit); all narrow and low power (0.5 W on channels 8 to 14, "
      "2 W on the others)."}},
    {"gmrs",
     {"GMRS（美国，需要执照）", "GMRS (USA, licence required)"},
     {"GMRS 主信道 15 至 22：信道 1 至 8 为直通，信道 9 至 16 为中继（发射高 5 MHz）；宽带，高功率。",
      "The GMRS main channels 15 to 22: channels 1 to 8 simplex, 9 to 16 through a repeater (transmit "
      "5 MHz higher); wide, high power."}},
    {"business-uhf",
     {"UHF 商用流动频率（美国，需要执照）", "UHF business itinerant (USA, licence required)"},
     {"10 个 UHF 商用流动频率（464.500 至 469.550 MHz）；窄带，高功率。",
      "The 10 UHF business itinerant frequencies (464.500 to 469.550 MHz); narrow, high power."}},
    {"murs",
     {"MURS（美国多用途无线电业务，VHF）", "MURS (Multi-Use Radio Service, USA, VHF)"},
     {"MURS 的 5 个信道（151.820 至 154.600 MHz）；1 至 3 窄带，4、5 宽带；低功率（限 2 W）。",
      "The 5 MURS channels (151.820 to 154.600 MHz); 1 to 3 narrow, 4 and 5 wide; low power (2 W at most)."}},
};

constexpr Bilingual kOwnPlan{"您自己的信道表：%1", "Your own plan: %1"};
constexpr Bilingual kBandSeparator{"或", " or "};
constexpr Bilingual kCannotRead{"无法读取“%1”：%2", "\"%1\" cannot be read: %2"};

const StockPlan* KnownPlan(const ChannelPlan& plan) {
  if (!plan.stock) return nullptr;
  for (const StockPlan& known : kStockPlans)
    if (plan.name == QLatin1String(known.name)) return &known;
  return nullptr;
}

void AddPlans(const QString& folder, bool stock, std::vector<ChannelPlan>& plans) {
  if (folder.isEmpty()) return;
  const QDir dir(folder);
  const QFileInfoList files =
      dir.entryInfoList({QStringLiteral("*.csv"), QStringLiteral("*.CSV")}, QDir::Files | QDir::Readable, QDir::Name);
  for (const QFileInfo& file : files) plans.push_back({file.completeBaseName(), file.absoluteFilePath(), stock});
}

// The program's own plans in the order of kStockPlans, any others after them.
int StockOrder(const ChannelPlan& plan) {
  int index = 0;
  for (const StockPlan& known : kStockPlans) {
    if (plan.name == QLatin1String(known.name)) return index;
    ++index;
  }
  return index;
}

}  // namespace

QString StockPlanFolder() {
  const QDir program(QCoreApplication::applicationDirPath());
  if (program.exists(QStringLiteral("plans"))) return program.filePath(QStringLiteral("plans"));
  // Relative to the program, so that an installed tree can be moved.
  return QDir::cleanPath(program.filePath(QStringLiteral(QX210_PLANS_FROM_BIN)));
}

QString UserPlanFolder() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
      .filePath(QStringLiteral("qx210/plans"));
}

std::vector<ChannelPlan> FindPlans(const QString& stockFolder, const QString& userFolder) {
  std::vector<ChannelPlan> plans;
  AddPlans(stockFolder, true, plans);
  std::stable_sort(plans.begin(), plans.end(),
                   [](const ChannelPlan& a, const ChannelPlan& b) { return StockOrder(a) < StockOrder(b); });
  if (QDir(userFolder) != QDir(stockFolder)) AddPlans(userFolder, false, plans);
  return plans;
}

std::optional<ChannelPlan> PlanNamed(const std::vector<ChannelPlan>& plans, const QString& name) {
  const auto found = std::find_if(plans.begin(), plans.end(), [&name](const ChannelPlan& plan) {
    return plan.name.compare(name, Qt::CaseInsensitive) == 0;
  });
  if (found == plans.end()) return std::nullopt;
  return *found;
}

QString PlanTitle(const ChannelPlan& plan, UiLanguage language) {
  const StockPlan* known = KnownPlan(plan);
  return known ? known->title.text(language) : plan.name;
}

QString PlanDescription(const ChannelPlan& plan, UiLanguage language) {
  const StockPlan* known = KnownPlan(plan);
  if (known) return known->description.text(language);
  return kOwnPlan.text(language).arg(QDir::toNativeSeparators(plan.path));
}

bool PlanImport::fits(int band) const { return std::find(bands.begin(), bands.end(), band) != bands.end(); }

QString PlanImport::bandsText(UiLanguage language) const {
  QStringList texts;
  for (int band : bands) texts << QString::fromLatin1(BandAt(band).text);
  return texts.join(kBandSeparator.text(language));
}

PlanImport ReadPlan(const ChannelPlan& plan, int band) {
  PlanImport result;
  QByteArray bytes;
  QString error;
  // A plan over the size limit is refused whole, never cut.
  if (!ReadWholeRegularFile(plan.path, kChannelListSizeLimit, bytes, error)) {
    result.error = ListMessage{kCannotRead, {QDir::toNativeSeparators(plan.path), error}};
    return result;
  }
  const QString text = CsvTextFromBytes(bytes);
  const auto import = [&text](int position) {
    return ImportChannelList(text, {.band = position, .startChannel = 1, .placement = Placement::Automatic});
  };
  result.import = import(band);
  if (result.import.error) {
    result.error = result.import.error;
    return result;
  }
  for (int position = 0; position < static_cast<int>(kBands.size()); ++position) {
    const ChannelImport trial = position == band ? result.import : import(position);
    if (trial.placedCount() > 0 && trial.notImportedCount() == 0) result.bands.push_back(position);
  }
  return result;
}

}  // namespace qx210
