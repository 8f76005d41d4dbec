// qx210-cli: reads a radio into a data file or writes a data file into a
// radio, over the same clone protocol as the window.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QTextStream>
#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

#include "core/editor.h"
#include "core/language.h"
#include "core/data_file.h"
#include "link/exchange_control.h"
#include "core/link_texts.h"
#include "link/serial_link.h"

namespace {

using namespace qx210;

// Exit statuses.
constexpr int kExitOk = 0;
constexpr int kExitCommunication = 1;
constexpr int kExitUsage = 2;
constexpr int kExitBand = 3;
constexpr int kExitFile = 4;

void Err(const QString& line) {
  std::fputs(qPrintable(line + QLatin1Char('\n')), stderr);
  std::fflush(stderr);
}

class ConsolePrompts : public ExchangePrompts {
 public:
  explicit ConsolePrompts(bool forceBand) : m_forceBand(forceBand) {}
  void showPortNotOpen(UiLanguage language) override { Err(link_texts::kPortNotOpen.text(language)); }
  void showCommunicationError(UiLanguage language) override {
    EndProgressLine();
    Err(link_texts::kCommunicationError.text(language));
  }
  void askBandQuestion(UiLanguage language, std::function<void(bool)> answer) override {
    EndProgressLine();
    Err(link_texts::kBandQuestion.text(language) + (m_forceBand ? QStringLiteral(" yes (--force-band)")
                                                                : QStringLiteral(" no")));
    answer(m_forceBand);
  }
  static void EndProgressLine() {
    if (s_progressShown) std::fputc('\n', stderr);
    s_progressShown = false;
  }
  static inline bool s_progressShown = false;

 private:
  bool m_forceBand;
};

// Slot 1 of a private catalogue stands for the port named on the command
// line: COMn from the machine's catalogue, or any device path.
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

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("qx210-cli"));
  QCoreApplication::setApplicationVersion(QStringLiteral(QX210_VERSION));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Reads a QX-210 radio into a data file, or writes a data file into the radio.\n\n"
      "  qx210-cli read  --port PORT --out FILE.DAT [--raw]\n"
      "  qx210-cli write --port PORT --in FILE.DAT [--calibration] [--force-band]\n\n"
      "PORT is a device path (/dev/ttyUSB0) or a slot COM1..COM20 of the program's port list.\n"
      "Exit status: 0 complete, 1 communication error, 2 usage, 3 band mismatch, 4 file error."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("read or write"));
  parser.addOptions({
      {QStringLiteral("port"), QStringLiteral("Serial port: device path or COMn."), QStringLiteral("port")},
      {QStringLiteral("out"), QStringLiteral("read: data file to create."), QStringLiteral("file")},
      {QStringLiteral("in"), QStringLiteral("write: data file to send."), QStringLiteral("file")},
      {QStringLiteral("raw"), QStringLiteral("read: store all 1024 bytes as read instead of the 848-byte image.")},
      {QStringLiteral("calibration"), QStringLiteral("write: also send the transmitter power calibration block (0x0180).")},
      {QStringLiteral("force-band"), QStringLiteral("write: write even when the radio reports another band than the file.")},
      {QStringLiteral("lang"), QStringLiteral("Language of the messages: en (default) or zh."), QStringLiteral("lang"),
       QStringLiteral("en")},
  });
  parser.process(app);

  const QStringList args = parser.positionalArguments();
  const QString command = args.value(0);
  const bool isRead = command == QLatin1String("read");
  const bool isWrite = command == QLatin1String("write");
  auto usage = [](const QString& problem) {
    Err(QStringLiteral("qx210-cli: %1 (see --help)").arg(problem));
    return kExitUsage;
  };
  if (args.size() != 1 || (!isRead && !isWrite)) return usage(QStringLiteral("give one command, read or write"));
  if (!parser.isSet(QStringLiteral("port"))) return usage(QStringLiteral("--port is missing"));
  if (isRead && !parser.isSet(QStringLiteral("out"))) return usage(QStringLiteral("read needs --out"));
  if (isWrite && !parser.isSet(QStringLiteral("in"))) return usage(QStringLiteral("write needs --in"));
  const QString lang = parser.value(QStringLiteral("lang"));
  if (lang != QLatin1String("en") && lang != QLatin1String("zh")) return usage(QStringLiteral("--lang is en or zh"));
  const UiLanguage language = lang == QLatin1String("zh") ? kChinese : kEnglish;

  Editor editor;
  SetLanguage(language);
  if (isWrite) {
    QByteArray image;
    const FileResult file = ReadDataFile(parser.value(QStringLiteral("in")), image);
    if (!file.ok) {
      Err(QStringLiteral("qx210-cli: %1").arg(file.error));
      return kExitFile;
    }
    if (!editor.decode(image)) {
      Err(QStringLiteral("qx210-cli: %1 is not a data file of this radio").arg(parser.value(QStringLiteral("in"))));
      return kExitFile;
    }
    editor.setDebugParametersUnlocked(parser.isSet(QStringLiteral("calibration")));
  }

  const QString port = parser.value(QStringLiteral("port"));
  SerialLink link(CatalogueFor(port));
  if (!link.choosePort(1)) {
    const QString reason = link.errorString();
    Err(QStringLiteral("qx210-cli: cannot open %1: %2")
            .arg(port, reason.isEmpty() ? QStringLiteral("no device stands for this port") : reason));
    if (link.lastOpenDenied())
      Err(QStringLiteral("qx210-cli: add your user to the serial-port group \"dialout\" "
                         "(sudo usermod -aG dialout $USER) and log in again."));
  }

  ConsolePrompts prompts(parser.isSet(QStringLiteral("force-band")));
  ExchangeControl control(editor, link, prompts);
  control.setBandOverrideEnabled(parser.isSet(QStringLiteral("force-band")));

#ifdef Q_OS_WIN
  const bool progressOnTerminal = _isatty(_fileno(stderr)) != 0;
#else
  const bool progressOnTerminal = ::isatty(STDERR_FILENO) != 0;
#endif
  const QString label = isRead ? QStringLiteral("read") : QStringLiteral("write");
  int lastPercent = -1;
  QObject::connect(&control, &ExchangeControl::progressChanged, &control, [&](int value) {
    const int percent = value * 100 / kCloneProgressMaximum;
    if (percent == lastPercent) return;
    lastPercent = percent;
    if (progressOnTerminal) {
      std::fprintf(stderr, "\r%s %3d%%", qPrintable(label), percent);
      std::fflush(stderr);
      ConsolePrompts::s_progressShown = true;
    }
  });
  QString statusText;
  QObject::connect(&control, &ExchangeControl::statusTextChanged, &control,
                   [&statusText](const QString& text) { statusText = text; });

  int status = kExitCommunication;
  QObject::connect(&control, &ExchangeControl::finished, &control, [&](ExchangeOutcome outcome) {
    ConsolePrompts::EndProgressLine();
    link.flush();
    switch (outcome) {
      case ExchangeOutcome::ReadComplete: {
        const QByteArray image = parser.isSet(QStringLiteral("raw")) ? control.session().readImage() : editor.encode();
        const FileResult file = WriteDataFile(parser.value(QStringLiteral("out")), image);
        if (file.ok) {
          Err(statusText);
          status = kExitOk;
        } else {
          Err(QStringLiteral("qx210-cli: %1").arg(file.error));
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
