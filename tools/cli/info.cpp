// The info verb: what a data file holds, as text or as JSON for scripts.
#include <QJsonDocument>

#include "cli.h"
#include "core/state_fields.h"
#include "verbs.h"

namespace qx210::cli {

namespace {

// The channels in use as a table with aligned columns.
QStringList ChannelTable(const RadioState& state) {
  std::vector<QStringList> rows;
  QStringList header{QStringLiteral("CH")};
  for (int column = kColRxFreq; column <= kColScanAdd; ++column) header << ChannelFieldName(column).text(kEnglish);
  rows.push_back(header);
  for (int n = 1; n <= kChannelCount; ++n) {
    const Channel& channel = state.channel(n);
    if (!channel.inUse()) continue;
    QStringList row{QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'))};
    for (int column = kColRxFreq; column <= kColScanAdd; ++column) {
      const QString text = ChannelFieldText(channel, column, kEnglish);
      row << (text.isEmpty() ? QStringLiteral("-") : text);
    }
    rows.push_back(row);
  }
  std::vector<qsizetype> widths(static_cast<std::size_t>(header.size()), 0);
  for (const QStringList& row : rows)
    for (qsizetype i = 0; i < row.size(); ++i)
      widths[static_cast<std::size_t>(i)] = std::max(widths[static_cast<std::size_t>(i)], row.at(i).size());
  QStringList lines;
  for (const QStringList& row : rows) {
    QString line;
    for (qsizetype i = 0; i < row.size(); ++i)
      line += row.at(i).leftJustified(widths[static_cast<std::size_t>(i)] + 2);
    lines << line.trimmed();
  }
  return lines;
}

}  // namespace

int RunInfo(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("Data file to describe."));
  parser.addOption({QStringLiteral("json"),
                    QStringLiteral("Print the whole radio state as JSON (field names: docs/json-fields.md).")});
  int status = kExitOk;
  if (!ParseVerbArguments(parser, arguments, kInfoVerb, status)) return status;

  const QString name = QString::fromLatin1(kInfoVerb.name);
  const QStringList files = parser.positionalArguments();
  if (files.size() != 1) return UsageError(name, QStringLiteral("give one data file"));
  RadioState state;
  QByteArray image;
  if (!LoadDataFile(files.front(), state, &image)) return kExitFile;

  if (parser.isSet(QStringLiteral("json"))) {
    QJsonObject root = RadioStateJson(state);
    root.insert(QStringLiteral("file"), files.front());
    root.insert(QStringLiteral("model"), ModelIdentifierText(image));
    WriteOut(QJsonDocument(root).toJson(QJsonDocument::Indented));
    return kExitOk;
  }

  int inUse = 0;
  for (const Channel& channel : state.channels) inUse += channel.inUse() ? 1 : 0;
  Out(QStringLiteral("File: %1").arg(files.front()));
  Out(QStringLiteral("Model: %1").arg(ModelIdentifierText(image)));
  Out(QStringLiteral("Band: %1").arg(BandText(state.band)));
  Out(QStringLiteral("Channels in use: %1 of %2").arg(inUse).arg(kChannelCount));
  if (inUse > 0) {
    Out(QString());
    for (const QString& line : ChannelTable(state)) Out(line);
  }
  Out(QString());
  Out(QStringLiteral("Main settings:"));
  for (const SettingField& field : SettingFields()) {
    if (!IsMainSetting(field)) continue;
    const QString value = field.text(state.settings, kEnglish);
    Out(QStringLiteral("  %1: %2").arg(field.nameText(kEnglish), value.isEmpty() ? QStringLiteral("(empty)") : value));
  }
  return kExitOk;
}

}  // namespace qx210::cli
