// The export verb: the channels of a data file as a channel list (CSV).
#include "cli.h"
#include "core/channel_csv.h"
#include "core/safe_file.h"
#include "verbs.h"

namespace qx210::cli {

namespace {

// Writes `text` to `path` as UTF-8, or to standard output for "-".
bool WriteText(const QString& path, const QString& text, QString& error) {
  const QByteArray bytes = text.toUtf8();
  if (path == QLatin1String("-")) {
    WriteOut(bytes);  // a failure shows in the exit status
    return true;
  }
  QString reason;
  if (SaveFileAtomically(path, bytes, reason)) return true;
  error = QStringLiteral("Cannot write %1: %2").arg(path, reason);
  return false;
}

}  // namespace

int RunExport(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.addOption({QStringLiteral("in"), QStringLiteral("Data file to read."), QStringLiteral("file")});
  parser.addOption({QStringLiteral("csv"), QStringLiteral("Channel list to write; - writes to standard output."),
                    QStringLiteral("file")});
  int status = kExitOk;
  if (!ParseVerbArguments(parser, arguments, kExportVerb, status)) return status;

  const QString name = QString::fromLatin1(kExportVerb.name);
  if (!parser.positionalArguments().isEmpty()) return UsageError(name, QStringLiteral("unexpected arguments"));
  if (!parser.isSet(QStringLiteral("in"))) return UsageError(name, QStringLiteral("--in is missing"));
  if (!parser.isSet(QStringLiteral("csv"))) return UsageError(name, QStringLiteral("--csv is missing"));

  RadioState state;
  if (!LoadDataFile(parser.value(QStringLiteral("in")), state)) return kExitFile;
  const ChannelExport list = ExportChannelList(state);
  for (const ListMessage& warning : list.warnings)
    Err(QStringLiteral("qx210-cli export: %1").arg(warning.text(kEnglish)));

  const QString path = parser.value(QStringLiteral("csv"));
  QString error;
  if (!WriteText(path, list.text, error)) {
    Err(QStringLiteral("qx210-cli: %1").arg(error));
    return kExitFile;
  }
  if (path != QLatin1String("-"))
    Err(QStringLiteral("%1 channel(s) written to %2").arg(list.channelCount).arg(path));
  return kExitOk;
}

}  // namespace qx210::cli
