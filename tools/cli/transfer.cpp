// The read and write verbs: one radio, over the clone protocol of the window.
#include <QCoreApplication>
#include <cstdio>

#include "cli.h"
#include "core/codec.h"
#include "core/data_file.h"
#include "core/backups.h"
#include "core/band_selection.h"
#include "core/link_texts.h"
#include "link/exchange_control.h"
#include "link/serial_link.h"
#include "verbs.h"

namespace qx210::cli {

namespace {

class ConsolePrompts : public ExchangePrompts {
 public:
  explicit ConsolePrompts(bool forceBand) : m_forceBand(forceBand) {}
  void showPortNotOpen(UiLanguage language) override { Err(link_texts::kPortNotOpen.text(language)); }
  void showCommunicationError(UiLanguage language, const QString& detail) override {
    endProgressLine();
    Err(link_texts::kCommunicationError.text(language));
    if (!detail.isEmpty()) Err(detail);
  }
  void askBandQuestion(UiLanguage language, std::function<void(bool)> answer) override {
    endProgressLine();
    Err(link_texts::kBandQuestion.text(language) + (m_forceBand ? QStringLiteral(" yes (--force-band)")
                                                                : QStringLiteral(" no")));
    answer(m_forceBand);
  }
  void showProgress(const QString& label, int percent) {
    std::fprintf(stderr, "\r%s %3d%%", qPrintable(label), percent);
    std::fflush(stderr);
    m_progressShown = true;
  }
  void endProgressLine() {
    if (m_progressShown) std::fputc('\n', stderr);
    m_progressShown = false;
  }

 private:
  bool m_forceBand;
  bool m_progressShown = false;
};

int RunTransfer(const QStringList& arguments, const Verb& verb, bool isRead) {
  QCommandLineParser parser;
  parser.addOption({QStringLiteral("port"), QStringLiteral("Serial port: device path or COMn."),
                    QStringLiteral("port")});
  if (isRead) {
    parser.addOption({QStringLiteral("out"), QStringLiteral("Data file to create."), QStringLiteral("file")});
    parser.addOption(
        {QStringLiteral("raw"), QStringLiteral("Store all 1024 bytes as read instead of the 848-byte image.")});
    parser.addOption({QStringLiteral("force"), QString::fromLatin1(kForceSaveHelp)});
  } else {
    parser.addOption({QStringLiteral("in"), QStringLiteral("Data file to send."), QStringLiteral("file")});
    parser.addOption({QStringLiteral("calibration"),
                      QStringLiteral("Also send the transmitter power calibration block (0x0180).")});
    parser.addOption({QStringLiteral("force-band"),
                      QStringLiteral("Write even when the radio reports another band than the file.")});
    parser.addOption({QStringLiteral("force"),
                      QStringLiteral("Write a file even when it does not look like this radio's data.")});
  }
  parser.addOption({QStringLiteral("lang"), QStringLiteral("Language of the messages: en (default) or zh."),
                    QStringLiteral("lang"), QStringLiteral("en")});
  int status = kExitOk;
  if (!ParseVerbArguments(parser, arguments, verb, status)) return status;

  const QString name = QString::fromLatin1(verb.name);
  if (!parser.positionalArguments().isEmpty()) return UsageError(name, QStringLiteral("unexpected arguments"));
  if (!parser.isSet(QStringLiteral("port"))) return UsageError(name, QStringLiteral("--port is missing"));
  const QString fileOption = isRead ? QStringLiteral("out") : QStringLiteral("in");
  if (!parser.isSet(fileOption)) return UsageError(name, QStringLiteral("--%1 is missing").arg(fileOption));
  UiLanguage language = kEnglish;
  if (!ParseLanguage(parser.value(QStringLiteral("lang")), language))
    return UsageError(name, QStringLiteral("--lang is en or zh"));

  // A file that will not be replaced is said before the radio is read.
  if (isRead && !MayReplace(parser.value(fileOption), parser.isSet(QStringLiteral("force")))) return kExitFile;
  QByteArray image;
  int band = 0;
  if (!isRead && !LoadImageToWrite(parser.value(fileOption), parser.isSet(QStringLiteral("force")), image, band))
    return kExitFile;

  const QString port = parser.value(QStringLiteral("port"));
  SerialLink link(CatalogueFor(port));
  // Busy and permission denied in the doctor's words; the exchange then
  // reports the closed port.
  if (!link.choosePort(1))
    Err(QStringLiteral("qx210-cli: %1").arg(PortOpenProblem(link.catalogue().slotPath(1), link.lastOpenResult(), language)));

  const bool forceBand = !isRead && parser.isSet(QStringLiteral("force-band"));
  ConsolePrompts prompts(forceBand);
  ExchangeControl control(link, prompts);
  control.setLanguage(language);
  control.setBandOverrideEnabled(forceBand);
  const bool calibration = !isRead && parser.isSet(QStringLiteral("calibration"));
  control.setCalibrationIncluded(calibration);
  control.setImageSource([&image] { return image; });
  control.setBandSource([band] { return band; });

  const bool progressOnTerminal = StandardErrorIsTerminal();
  int lastPercent = -1;
  QObject::connect(&control, &ExchangeControl::progressChanged, &control, [&](int value) {
    const int percent = ProgressPercent(value, isRead ? CloneDirection::Read : CloneDirection::Write, calibration);
    if (percent == lastPercent || !progressOnTerminal) return;
    lastPercent = percent;
    prompts.showProgress(name, percent);
  });
  QString statusText;
  QObject::connect(&control, &ExchangeControl::statusTextChanged, &control,
                   [&statusText](const QString& text) { statusText = text; });
  QByteArray readImage;
  QObject::connect(&control, &ExchangeControl::readCompleted, &control,
                   [&](const QByteArray& bytes, int radioBand) {
                     // Kept among the backups as read, whatever becomes of --out.
                     QString backupError;
                     if (BackupStore().keep(bytes, QStringLiteral("read"), QDateTime::currentDateTime(), &backupError)
                             .isEmpty())
                       Err(QStringLiteral("qx210-cli: the image read could not be backed up: %1").arg(backupError));
                     if (parser.isSet(QStringLiteral("raw"))) {
                       readImage = bytes;
                       return;
                     }
                     RadioState state;
                     DecodeImage(bytes, state);
                     TakeReportedBand(state, radioBand);
                     readImage = EncodeImage(state);
                   });

  status = kExitCommunication;
  QObject::connect(&control, &ExchangeControl::finished, &control, [&](ExchangeOutcome outcome) {
    prompts.endProgressLine();
    link.flush();
    switch (outcome) {
      case ExchangeOutcome::ReadComplete: {
        if (SaveDataFile(parser.value(fileOption), readImage, parser.isSet(QStringLiteral("force")))) {
          Err(statusText);
          status = kExitOk;
        } else {
          status = kExitFile;
        }
        break;
      }
      case ExchangeOutcome::WriteComplete:
        Err(statusText);
        status = kExitOk;
        break;
      case ExchangeOutcome::BandRefused:
      case ExchangeOutcome::BandDeclined:
        Err(statusText);
        status = kExitBand;
        break;
      case ExchangeOutcome::CommunicationError:
      case ExchangeOutcome::Stopped:
        status = kExitCommunication;
        break;
    }
    QCoreApplication::exit(status);
  });

  const bool started = isRead ? control.startRead() : control.startWrite();
  if (!started) return kExitCommunication;
  QCoreApplication::exec();
  return status;
}

}  // namespace

int RunRead(const QStringList& arguments) { return RunTransfer(arguments, kReadVerb, true); }
int RunWrite(const QStringList& arguments) { return RunTransfer(arguments, kWriteVerb, false); }

}  // namespace qx210::cli
