#include "cli.h"

#include "link/port_diagnosis.h"

#include "core/backups.h"
#include "core/codec.h"
#include "core/data_file.h"
#include "core/safe_file.h"
#include <cerrno>
#include <cstdio>

namespace qx210::cli {

namespace {

// The first error standard output gave, from errno.
int g_outputError = 0;

}  // namespace

void Err(const QString& line) {
  const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
  std::fflush(stderr);
}

void WriteOut(const QByteArray& bytes) {
  errno = 0;
  const std::size_t written = std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
  if ((written != static_cast<std::size_t>(bytes.size()) || std::fflush(stdout) != 0) && g_outputError == 0)
    g_outputError = errno != 0 ? errno : EIO;
}

void Out(const QString& line) { WriteOut((line + QLatin1Char('\n')).toUtf8()); }

int CheckStandardOutput(int status) {
  if (std::fflush(stdout) != 0 && g_outputError == 0) g_outputError = errno != 0 ? errno : EIO;
  if (g_outputError == 0 && !std::ferror(stdout)) return status;
  Err(QStringLiteral("qx210-cli: cannot write to standard output: %1")
          .arg(qt_error_string(g_outputError != 0 ? g_outputError : EIO)));
  return kExitFile;
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
  // An empty port or file name is a slip (an unset variable), never "none".
  for (const QString& option : parser.optionNames()) {
    if (parser.values(option).contains(QString())) {
      status = UsageError(name, QStringLiteral("--%1 is empty").arg(option));
      return false;
    }
  }
  if (parser.isSet(help)) {
    // The first line names the program as it was started; name the verb too.
    QString text = parser.helpText();
    const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
    const qsizetype options = text.lastIndexOf(QStringLiteral(" [options]"), lineEnd);
    if (text.startsWith(QStringLiteral("Usage: ")) && options > 0)
      text.replace(7, options - 7, QStringLiteral("qx210-cli ") + name);
    WriteOut(text.toUtf8());
    status = kExitOk;
    return false;
  }
  return true;
}

PortCatalogue CatalogueFor(const QString& port) {
  PortCatalogue catalogue;
  catalogue.setSlotPath(1, SystemPortPath(port));
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

bool MayReplace(const QString& path, bool force) {
  if (force || !IsReadOnlyFile(path)) return true;
  Err(QStringLiteral("qx210-cli: %1 is read-only; give --force to replace it").arg(path));
  return false;
}

bool SaveDataFile(const QString& path, const QByteArray& image, bool force) {
  if (!MayReplace(path, force)) return false;
  QString backupError;
  if (!BackupStore().keepBeforeOverwrite(path, &backupError)) {
    if (!force) {
      Err(QStringLiteral("qx210-cli: %1 was not replaced, as what it holds now cannot be backed up: %2; give --force "
                         "to replace it anyway")
              .arg(path, backupError));
      return false;
    }
    Err(QStringLiteral("qx210-cli: what %1 held is not backed up (--force): %2").arg(path, backupError));
  }
  const FileResult written =
      WriteDataFile(path, image, kEnglish, force ? ReadOnlyFiles::Replace : ReadOnlyFiles::Refuse);
  if (!written.ok) {
    Err(QStringLiteral("qx210-cli: %1").arg(written.error));
    return false;
  }
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

QString PortOpenProblem(const QString& path, const PortOpenResult& result, UiLanguage language) {
  const PortDiagnosis diagnosis = DiagnoseOpenFailure(path, result);
  QString text = DescribePortProblem(diagnosis, language);
  if (!result.reason.isEmpty() && diagnosis.problem == PortProblem::Busy)
    text += QStringLiteral(" (%1)").arg(result.reason);
  return text;
}

}  // namespace qx210::cli
