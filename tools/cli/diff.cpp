// The diff verb: every value in which two data files differ.
#include "cli.h"
#include "core/state_fields.h"
#include "verbs.h"

namespace qx210::cli {

int RunDiff(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.addPositionalArgument(QStringLiteral("a"), QStringLiteral("First data file."));
  parser.addPositionalArgument(QStringLiteral("b"), QStringLiteral("Second data file."));
  int status = kExitOk;
  if (!ParseVerbArguments(parser, arguments, kDiffVerb, status))
    return status == kExitOk ? kExitOk : kExitTrouble;

  const QStringList files = parser.positionalArguments();
  if (files.size() != 2) {
    UsageError(QString::fromLatin1(kDiffVerb.name), QStringLiteral("give two data files"));
    return kExitTrouble;
  }
  RadioState a;
  RadioState b;
  if (!LoadDataFile(files.at(0), a) || !LoadDataFile(files.at(1), b)) return kExitTrouble;
  const std::vector<StateDifference> differences = CompareStates(a, b, kEnglish);
  for (const StateDifference& difference : differences) Out(difference.text(kEnglish));
  // Silence would leave a user wondering whether the verb ran at all.
  if (differences.empty()) Out(QStringLiteral("identical"));
  return differences.empty() ? kExitOk : kExitDifferent;
}

}  // namespace qx210::cli
