#include "cli.h"

#include "link/port_diagnosis.h"

#include <QRegularExpression>

#include "core/codec.h"
#include "core/data_file.h"
#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace qx210::cli {

void Err(const QString& line) {
  std::fputs(qPrintable(line + QLatin1Char('\n')), stderr);
  std::fflush(stderr);
}

void Out(const QString& line) {
  std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
  std::fflush(stdout);
}

int UsageError(const QString& verb, const QString& problem) {
  Err(QStringLiteral("qx210-cli %1: %2 (see qx210-cli %1 --help)").arg(verb, problem));
  return kExitUsage;
}

bool ParseVerbArguments(QCommandLineParser& parser, const QStringList& arguments, const Verb& verb, int& status) {
  const QString name = QString::fromLatin1(verb.name);
  parser.setApplicationDescription(QString::fromUtf8(verb.summary) + QStringLiteral("\n\nExample:\n  ") +
                                   QString::fromUtf8(verb.example));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows this help."));
  parser.addOption(help);
  // The verb stands where the program's name would.
  QStringList withProgram = arguments;
  withProgram[0] = QStringLiteral("qx210-cli ") + name;
  if (!parser.parse(withProgram)) {
    status = UsageError(name, parser.errorText());
    return false;
  }
  if (parser.isSet(help)) {
    // The first line names the program as it was started; name the verb too.
    QString text = parser.helpText();
    const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
    const qsizetype options = text.lastIndexOf(QStringLiteral(" [options]"), lineEnd);
    if (text.startsWith(QStringLiteral("Usage: ")) && options > 0)
      text.replace(7, options - 7, QStringLiteral("qx210-cli ") + name);
    std::fputs(qPrintable(text), stdout);
    status = kExitOk;
    return false;
  }
  return true;
}

PortCatalogue CatalogueFor(const QString& port) {
  PortCatalogue catalogue;
  static const QRegularExpression comName(QStringLiteral("^COM(\\d+)$"), QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch match = comName.match(port);
  QString path = port;
#ifndef Q_OS_WIN
  if (match.hasMatch()) path = PortCatalogue::fromSystem().slotPath(match.captured(1).toInt());
#endif
  catalogue.setSlotPath(1, path);
  return catalogue;
}

QString PortPath(const QString& port) {
  const QString path = CatalogueFor(port).slotPath(1);
  return path.isEmpty() ? port : path;
}

bool LoadDataFile(const QString& path, RadioState& state, QByteArray* image) {
  QByteArray bytes;
  const FileResult result = ReadDataFile(path, bytes);
  if (!result.ok) {
    Err(QStringLiteral("qx210-cli: %1").arg(result.error));
    return false;
  }
  state = RadioState{};
  DecodeImage(bytes, state);
  if (image) *image = bytes;
  return true;
}

bool LoadImageToWrite(const QString& path, bool force, QByteArray& image, int& band) {
  RadioState state;
  QByteArray file;
  if (!LoadDataFile(path, state, &file)) return false;
  if (!IsRadioImage(file) && !force) {
    Err(QStringLiteral("qx210-cli: %1 does not look like a QX-210 data file (no model identifier P2207 or "
                       "P3207 with a known band code); give --force to write it anyway")
            .arg(path));
    return false;
  }
  image = EncodeImage(state);
  band = state.band;
  return true;
}

bool ParseLanguage(const QString& value, UiLanguage& language) {
  if (value == QLatin1String("en")) {
    language = kEnglish;
    return true;
  }
  if (value == QLatin1String("zh")) {
    language = kChinese;
    return true;
  }
  return false;
}

QString PortOpenProblem(const QString& path, const QString& reason, UiLanguage language) {
  const PortDiagnosis diagnosis = DiagnoseOpenFailure(path, reason);
  QString text = DescribePortProblem(diagnosis, language);
  if (!reason.isEmpty() && diagnosis.problem == PortProblem::Busy) text += QStringLiteral(" (%1)").arg(reason);
  return text;
}

bool StandardErrorIsTerminal() {
#ifdef Q_OS_WIN
  return _isatty(_fileno(stderr)) != 0;
#else
  return ::isatty(STDERR_FILENO) != 0;
#endif
}

}  // namespace qx210::cli
