// qx210-radio-sim: emulated QX-210 radios on pseudo-terminals. Prints each
// terminal's path on a line of its own, then answers the clone protocol until
// SIGINT or SIGTERM. With --link the terminals are also reachable under fixed
// paths; --echo makes a loopback cable instead of a radio.
#include <pthread.h>
#include <signal.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <memory>
#include <vector>

#include "pty_link.h"
#include "pty_radio.h"

namespace {

using qx210::sim::PtyLink;
using qx210::sim::PtyRadio;

void Fail(const QString& message) { std::fprintf(stderr, "qx210-radio-sim: %s\n", qPrintable(message)); }

int IntOption(const QCommandLineParser& parser, const QString& name, int fallback, bool& ok) {
  if (!parser.isSet(name)) return fallback;
  bool valid = false;
  const int value = parser.value(name).toInt(&valid, 0);
  if (!valid || value < 0) {
    Fail(QStringLiteral("--%1 needs a number of 0 or more").arg(name));
    ok = false;
  }
  return value;
}

// Radio n of several gets its own path: "radio.DAT" becomes "radio-2.DAT",
// "/tmp/qx210" becomes "/tmp/qx210-2". One radio keeps the path as given.
QString NumberedPath(const QString& path, int number, int count) {
  if (count == 1) return path;
  const QFileInfo info(path);
  const QString suffix = info.completeSuffix();
  if (suffix.isEmpty() || info.fileName().startsWith(QLatin1Char('.'))) return QStringLiteral("%1-%2").arg(path).arg(number);
  return path.left(path.size() - suffix.size() - 1) + QStringLiteral("-%1.").arg(number) + suffix;
}

bool IsPrintableAscii(const QByteArray& text) {
  for (const char c : text)
    if (c < 0x20 || c > 0x7E) return false;
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("qx210-radio-sim"));
  QCoreApplication::setApplicationVersion(QStringLiteral(QX210_VERSION));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Emulates QX-210 radios on pseudo-terminals. Prints each terminal's path on a line of its own;\n"
      "point the programming tool's port at it (for instance the setting COM1=<path>).\n"
      "With --radios N and --link PATH the links are PATH-1 .. PATH-N (--save likewise: radio-1.DAT ..).\n"
      "SIGUSR1 takes the radios off their cables (they answer nothing); the next SIGUSR1 puts fresh radios\n"
      "on them, as an operator swapping radios would."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addOptions({
      {QStringLiteral("radios"), QStringLiteral("Number of radios, each on a terminal of its own (default 1)."),
       QStringLiteral("n")},
      {QStringLiteral("link"),
       QStringLiteral("Also make a symbolic link at this path to the pseudo-terminal (a stale link is replaced; "
                      "the link is removed on exit)."),
       QStringLiteral("path")},
      {QStringLiteral("echo"),
       QStringLiteral("No radio: a loopback cable that returns every byte it is sent.")},
      {QStringLiteral("model"),
       QStringLiteral("Model text of the identification: P3207 (UHF), P2207 (VHF), or any other five characters "
                      "for a radio of another model."),
       QStringLiteral("text"), QStringLiteral("P3207")},
      {QStringLiteral("band-code"), QStringLiteral("Band code byte of the identification, hexadecimal (33, 21, 43, 63, 53, 01, 73)."),
       QStringLiteral("hex"), QStringLiteral("33")},
      {QStringLiteral("ident-tail"), QStringLiteral("Identification bytes 7 and 8, four hex digits."),
       QStringLiteral("hex"), QStringLiteral("F8FF")},
      {QStringLiteral("identification"),
       QStringLiteral("The whole answer to the identify request, 1 to 32 bytes in hex (overrides --model, "
                      "--band-code and --ident-tail)."),
       QStringLiteral("hex")},
      {QStringLiteral("memory"), QStringLiteral("Load the memory (from address 0x0010) from a data file; blank (FF) otherwise."),
       QStringLiteral("file")},
      {QStringLiteral("save"), QStringLiteral("Save the 1024-byte memory to this file after every End and on exit."),
       QStringLiteral("file")},
      {QStringLiteral("paced"), QStringLiteral("Pace both directions at 9600 bit/s (10 bits per byte).")},
      {QStringLiteral("latency"), QStringLiteral("Pause before each reply, in milliseconds."), QStringLiteral("ms")},
      {QStringLiteral("pieces"), QStringLiteral("Write each reply in this many pieces."), QStringLiteral("n")},
      {QStringLiteral("piece-gap"), QStringLiteral("Pause between the pieces of a reply, in milliseconds (default 5)."),
       QStringLiteral("ms")},
      {QStringLiteral("silence-after"), QStringLiteral("Fault: answer nothing after this many replies."), QStringLiteral("n")},
      {QStringLiteral("corrupt-reply"), QStringLiteral("Fault: spoil the first byte of reply number n (from 1)."),
       QStringLiteral("n")},
      {QStringLiteral("double-ack"), QStringLiteral("Fault: send acknowledgement number n (from 1) twice."), QStringLiteral("n")},
      {QStringLiteral("ignore-first-program"), QStringLiteral("Fault: leave the first program request unanswered.")},
      {QStringLiteral("spoil-write"),
       QStringLiteral("Fault: store the byte written to this address (e.g. 0x0150) with its lowest bit flipped."),
       QStringLiteral("address")},
  });
  parser.process(app);

  bool ok = true;
  const int count = IntOption(parser, QStringLiteral("radios"), 1, ok);
  if (ok && (count < 1 || count > 64)) {
    Fail(QStringLiteral("--radios is 1 to 64"));
    ok = false;
  }
  const QByteArray model = parser.value(QStringLiteral("model")).toLatin1();
  if (model.size() != 5 || !IsPrintableAscii(model)) {
    Fail(QStringLiteral("--model is five printable characters (P3207, P2207 or another model's)"));
    ok = false;
  }
  bool codeOk = false;
  const uint code = parser.value(QStringLiteral("band-code")).toUInt(&codeOk, 16);
  const QByteArray tail = QByteArray::fromHex(parser.value(QStringLiteral("ident-tail")).toLatin1());
  if (!codeOk || code > 0xFF || tail.size() != 2) {
    Fail(QStringLiteral("--band-code is one hex byte, --ident-tail two"));
    ok = false;
  }
  QByteArray identification;
  if (parser.isSet(QStringLiteral("identification"))) {
    const QByteArray hex = parser.value(QStringLiteral("identification")).toLatin1();
    identification = QByteArray::fromHex(hex);
    if (identification.isEmpty() || identification.size() > 32 || identification.toHex().compare(hex, Qt::CaseInsensitive) != 0) {
      Fail(QStringLiteral("--identification is 1 to 32 bytes as hex digits"));
      ok = false;
    }
  }
  qx210::sim::LineOptions line;
  line.paced = parser.isSet(QStringLiteral("paced"));
  line.latencyMs = IntOption(parser, QStringLiteral("latency"), 0, ok);
  line.pieces = IntOption(parser, QStringLiteral("pieces"), 1, ok);
  line.pieceGapMs = IntOption(parser, QStringLiteral("piece-gap"), 5, ok);
  line.echo = parser.isSet(QStringLiteral("echo"));
  qx210::sim::RadioFaults faults;
  faults.silenceAfter = parser.isSet(QStringLiteral("silence-after"))
                            ? IntOption(parser, QStringLiteral("silence-after"), -1, ok)
                            : -1;
  faults.corruptReply = IntOption(parser, QStringLiteral("corrupt-reply"), 0, ok);
  faults.doubleAck = IntOption(parser, QStringLiteral("double-ack"), 0, ok);
  faults.ignoreFirstProgram = parser.isSet(QStringLiteral("ignore-first-program"));
  faults.spoilWriteAddress = IntOption(parser, QStringLiteral("spoil-write"), 0, ok);
  if (!ok) return 2;

  QByteArray memory;
  if (parser.isSet(QStringLiteral("memory"))) {
    QFile file(parser.value(QStringLiteral("memory")));
    if (!file.open(QIODevice::ReadOnly)) {
      Fail(QStringLiteral("cannot read %1: %2").arg(file.fileName(), file.errorString()));
      return 2;
    }
    memory = file.read(qx210::sim::kMemorySize);
  }

  // SIGINT, SIGTERM and SIGUSR1 are taken by sigwait below, never by the radios' threads.
  sigset_t handled;
  sigemptyset(&handled);
  sigaddset(&handled, SIGINT);
  sigaddset(&handled, SIGTERM);
  sigaddset(&handled, SIGUSR1);
  pthread_sigmask(SIG_BLOCK, &handled, nullptr);

  const auto makeRadio = [&] {
    qx210::sim::RadioProtocol protocol(model, static_cast<unsigned char>(code));
    protocol.setIdentificationTail(tail.at(0), tail.at(1));
    if (!identification.isEmpty()) protocol.setIdentification(identification);
    protocol.setFaults(faults);
    if (!memory.isEmpty()) protocol.loadMemory(memory);
    return protocol;
  };

  std::vector<std::unique_ptr<PtyRadio>> radios;
  std::vector<std::unique_ptr<PtyLink>> links;
  for (int number = 1; number <= count; ++number) {
    auto radio = std::make_unique<PtyRadio>(makeRadio(), line);
    QString error;
    if (!radio->open(&error)) {
      Fail(error);
      return 1;
    }
    if (parser.isSet(QStringLiteral("save")))
      radio->setSavePath(NumberedPath(parser.value(QStringLiteral("save")), number, count));
    if (parser.isSet(QStringLiteral("link"))) {
      auto link = std::make_unique<PtyLink>();
      if (!link->create(NumberedPath(parser.value(QStringLiteral("link")), number, count), radio->slavePath(), &error)) {
        Fail(error);
        return 1;
      }
      links.push_back(std::move(link));
    }
    radios.push_back(std::move(radio));
  }

  for (const auto& radio : radios) std::printf("%s\n", qPrintable(radio->slavePath()));
  std::fflush(stdout);
  for (const auto& radio : radios) radio->start();
  int signal = 0;
  while (sigwait(&handled, &signal) == 0 && signal == SIGUSR1) {
    for (const auto& radio : radios) {
      if (radio->radioConnected())
        radio->setRadioConnected(false);
      else
        radio->replaceRadio(makeRadio());
    }
  }
  for (const auto& radio : radios) radio->stop();
  links.clear();
  return 0;
}
