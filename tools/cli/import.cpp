// The import verb: a channel list (CSV) into the channels of a data file.
#include <QDir>
#include <QFile>

#include "cli.h"
#include "core/bands.h"
#include "core/channel_csv.h"
#include "core/channel_plans.h"
#include "core/codec.h"
#include "core/csv.h"
#include "core/data_file.h"
#include "core/safe_file.h"
#include "verbs.h"

namespace qx210::cli {

namespace {

// A band given on the command line: its list text with or without "MHz"
// ("136-174MHz", "136-174"), or its position 0..6 in the band list.
int BandFromArgument(const QString& argument) {
  bool isNumber = false;
  const int position = argument.toInt(&isNumber);
  if (isNumber) return IsBandPosition(position) ? position : -1;
  QString wanted = argument.trimmed();
  if (!wanted.endsWith(QLatin1String("mhz"), Qt::CaseInsensitive)) wanted += QStringLiteral("MHz");
  const QStringList texts = BandTexts();
  for (int i = 0; i < static_cast<int>(texts.size()); ++i)
    if (texts.at(i).compare(wanted, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

// A list file as the window reads it (a FIFO or a device is refused at once),
// or standard input for "-", read to its end. A list over the size limit is
// refused, never cut.
bool ReadListFile(const QString& path, QByteArray& bytes, QString& error) {
  QString reason;
  if (path == QLatin1String("-")) {
    // Descriptor 0 rather than the C library's stdin: QFile over that FILE
    // fails on a Windows pipe, over the descriptor it reads on both systems.
    QFile input;
    if (input.open(0, QIODevice::ReadOnly) && ReadWholeStream(input, kChannelListSizeLimit, bytes, reason))
      return true;
    if (reason.isEmpty()) reason = input.errorString();
  } else if (ReadWholeRegularFile(path, kChannelListSizeLimit, bytes, reason)) {
    return true;
  }
  error = QStringLiteral("Cannot open %1: %2").arg(path, reason);
  return false;
}

// "01-04, 07, 09-16".
QString ChannelRanges(const ChannelImport& import) {
  QStringList ranges;
  int n = 1;
  while (n <= kChannelCount) {
    if (!import.channels[static_cast<std::size_t>(n - 1)]) {
      ++n;
      continue;
    }
    int last = n;
    while (last < kChannelCount && import.channels[static_cast<std::size_t>(last)]) ++last;
    const QString first = QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    ranges << (last == n ? first : first + QStringLiteral("-%1").arg(last, 2, 10, QLatin1Char('0')));
    n = last + 1;
  }
  return ranges.join(QStringLiteral(", "));
}

// "--plan list": each plan's name, title and the bands that hold it.
int ListPlans() {
  const std::vector<ChannelPlan> plans = FindPlans();
  for (const ChannelPlan& plan : plans) {
    const PlanImport read = ReadPlan(plan, 0);
    QString bands = read.error ? read.error->text(kEnglish) : QStringLiteral("band ") + read.bandsText(kEnglish);
    if (!read.error && read.bands.empty()) bands = QStringLiteral("fits no band");
    Out(QStringLiteral("%1\t%2 (%3)").arg(plan.name, PlanTitle(plan, kEnglish), bands));
  }
  Err(QStringLiteral("Stock plans: %1\nYour own plans (CSV files): %2")
          .arg(QDir::toNativeSeparators(StockPlanFolder()), QDir::toNativeSeparators(UserPlanFolder())));
  return plans.empty() ? kExitFile : kExitOk;
}

}  // namespace

int RunImport(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.addOption({QStringLiteral("csv"), QStringLiteral("Channel list to read; - reads standard input."),
                    QStringLiteral("file")});
  parser.addOption({QStringLiteral("plan"),
                    QStringLiteral("Channel plan to read instead of a list, e.g. pmr446; it replaces every channel. "
                                   "\"list\" names the plans."),
                    QStringLiteral("name")});
  parser.addOption({QStringLiteral("in"),
                    QStringLiteral("Data file to start from (its band, settings and other channels). "
                                   "Without it the fresh-editor defaults are the start."),
                    QStringLiteral("file")});
  parser.addOption({QStringLiteral("out"), QStringLiteral("Data file to write."), QStringLiteral("file")});
  parser.addOption({QStringLiteral("band"),
                    QStringLiteral("Band of a fresh start, e.g. 136-174MHz (default 400-480MHz); not with --in."),
                    QStringLiteral("band")});
  parser.addOption({QStringLiteral("strict"), QStringLiteral("Write nothing when any row is not imported.")});
  parser.addOption({QStringLiteral("force"), QString::fromLatin1(kForceSaveHelp)});
  int status = kExitOk;
  if (!ParseVerbArguments(parser, arguments, kImportVerb, status)) return status;

  const QString name = QString::fromLatin1(kImportVerb.name);
  if (!parser.positionalArguments().isEmpty()) return UsageError(name, QStringLiteral("unexpected arguments"));
  const bool fromPlan = parser.isSet(QStringLiteral("plan"));
  if (fromPlan && parser.isSet(QStringLiteral("csv")))
    return UsageError(name, QStringLiteral("--csv and --plan cannot go together"));
  if (fromPlan && parser.value(QStringLiteral("plan")) == QLatin1String("list")) return ListPlans();
  if (!fromPlan && !parser.isSet(QStringLiteral("csv"))) return UsageError(name, QStringLiteral("--csv is missing"));
  if (!parser.isSet(QStringLiteral("out"))) return UsageError(name, QStringLiteral("--out is missing"));
  if (parser.isSet(QStringLiteral("band")) && parser.isSet(QStringLiteral("in")))
    return UsageError(name, QStringLiteral("--band is for a fresh start; --in brings its own band"));
  RadioState state;
  if (parser.isSet(QStringLiteral("band"))) {
    state.band = BandFromArgument(parser.value(QStringLiteral("band")));
    if (state.band < 0)
      return UsageError(name, QStringLiteral("--band is one of %1").arg(BandTexts().join(QStringLiteral(", "))));
  }
  if (parser.isSet(QStringLiteral("in")) && !LoadDataFile(parser.value(QStringLiteral("in")), state))
    return kExitFile;

  QString csvPath = parser.value(QStringLiteral("csv"));
  ChannelImport import;
  if (fromPlan) {
    const std::optional<ChannelPlan> plan = PlanNamed(FindPlans(), parser.value(QStringLiteral("plan")));
    if (!plan)
      return UsageError(name, QStringLiteral("there is no plan \"%1\"; --plan list names them")
                                  .arg(parser.value(QStringLiteral("plan"))));
    PlanImport read = ReadPlan(*plan, state.band);
    if (read.error) {
      Err(QStringLiteral("qx210-cli: %1").arg(read.error->text(kEnglish)));
      return kExitFile;
    }
    // A plan is taken whole: one that another band holds is not cut to this one.
    if (!read.fits(state.band) && !read.bands.empty()) {
      Err(QStringLiteral("qx210-cli import: the plan %1 needs band %2, not %3; nothing written (choose it with --band)")
              .arg(plan->name, read.bandsText(kEnglish), QString::fromLatin1(BandAt(state.band).text)));
      return kExitNothingImported;
    }
    csvPath = plan->path;
    import = std::move(read.import);
  } else {
    QByteArray bytes;
    QString error;
    if (!ReadListFile(csvPath, bytes, error)) {
      Err(QStringLiteral("qx210-cli: %1").arg(error));
      return kExitFile;
    }
    ImportOptions options;
    options.band = state.band;
    import = ImportChannelList(CsvTextFromBytes(bytes), options);
    if (import.error) {
      Err(QStringLiteral("qx210-cli: %1: %2").arg(csvPath, import.error->text(kEnglish)));
      return kExitFile;
    }
  }
  for (const QString& line : ImportReportLines(import, kEnglish)) Err(QStringLiteral("%1: %2").arg(csvPath, line));

  const int placed = import.placedCount();
  const int left = import.notImportedCount();
  if (placed == 0) {
    Err(QStringLiteral("qx210-cli import: no row of %1 could be imported into band %2; nothing written")
            .arg(csvPath, QString::fromLatin1(BandAt(state.band).text)));
    return kExitNothingImported;
  }
  QString summary = QStringLiteral("%1 row(s) imported into channel(s) %2").arg(placed).arg(ChannelRanges(import));
  if (left > 0) summary += QStringLiteral(", %1 not imported").arg(left);
  if (parser.isSet(QStringLiteral("strict")) && left > 0) {
    Err(summary + QStringLiteral("; --strict: nothing written"));
    return kExitNothingImported;
  }
  const QString outPath = parser.value(QStringLiteral("out"));
  if (!SaveDataFile(outPath, EncodeImage(ApplyImport(import, state, fromPlan ? ImportMode::Replace : ImportMode::Merge)),
                    parser.isSet(QStringLiteral("force"))))
    return kExitFile;
  Err(summary + QStringLiteral("; written to %1").arg(outPath));
  return kExitOk;
}

}  // namespace qx210::cli
