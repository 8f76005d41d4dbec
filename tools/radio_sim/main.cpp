// qx210-radio-sim: an emulated QX-210 radio on a pseudo-terminal. Prints the
// terminal's path, then answers the clone protocol until SIGINT or SIGTERM.
// With --link the terminal is also reachable under a fixed path.
#include <csignal>
#include <cstdio>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include "pty_link.h"
#include "pty_radio.h"

namespace {

qx210::sim::PtyRadio* g_radio = nullptr;

void OnSignal(int) {
  if (g_radio) g_radio->requestStop();
}

int IntOption(const QCommandLineParser& parser, const QString& name, int fallback, bool& ok) {
  if (!parser.isSet(name)) return fallback;
  bool valid = false;
  const int value = parser.value(name).toInt(&valid, 0);
  if (!valid || value < 0) {
    std::fprintf(stderr, "qx210-radio-sim: --%s needs a number of 0 or more\n", qPrintable(name));
    ok = false;
  }
  return value;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("qx210-radio-sim"));
  QCoreApplication::setApplicationVersion(QStringLiteral(QX210_VERSION));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Emulates a QX-210 radio on a pseudo-terminal. Prints the terminal's path on the first line;\n"
      "point the programming tool's port at it (for instance the setting COM1=<path>)."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addOptions({
      {QStringLiteral("model"), QStringLiteral("Model text of the identification: P3207 (UHF) or P2207 (VHF)."),
       QStringLiteral("text"), QStringLiteral("P3207")},
      {QStringLiteral("band-code"), QStringLiteral("Band code byte of the identification, hexadecimal (33, 21, 43, 63, 53, 01, 73)."),
       QStringLiteral("hex"), QStringLiteral("33")},
      {QStringLiteral("ident-tail"), QStringLiteral("Identification bytes 7 and 8, four hex digits."),
       QStringLiteral("hex"), QStringLiteral("F8FF")},
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
      {QStringLiteral("link"),
       QStringLiteral("Also make a symbolic link at this path to the pseudo-terminal (a stale link is replaced; "
                      "the link is removed on exit)."),
       QStringLiteral("path")},
  });
  parser.process(app);

  bool ok = true;
  const QByteArray model = parser.value(QStringLiteral("model")).toLatin1();
  if (model != "P3207" && model != "P2207") {
    std::fprintf(stderr, "qx210-radio-sim: --model is P3207 or P2207\n");
    ok = false;
  }
  bool codeOk = false;
  const uint code = parser.value(QStringLiteral("band-code")).toUInt(&codeOk, 16);
  const QByteArray tail = QByteArray::fromHex(parser.value(QStringLiteral("ident-tail")).toLatin1());
  if (!codeOk || code > 0xFF || tail.size() != 2) {
    std::fprintf(stderr, "qx210-radio-sim: --band-code is one hex byte, --ident-tail two\n");
    ok = false;
  }
  qx210::sim::LineOptions line;
  line.paced = parser.isSet(QStringLiteral("paced"));
  line.latencyMs = IntOption(parser, QStringLiteral("latency"), 0, ok);
  line.pieces = IntOption(parser, QStringLiteral("pieces"), 1, ok);
  line.pieceGapMs = IntOption(parser, QStringLiteral("piece-gap"), 5, ok);
  qx210::sim::RadioFaults faults;
  faults.silenceAfter = parser.isSet(QStringLiteral("silence-after"))
                            ? IntOption(parser, QStringLiteral("silence-after"), -1, ok)
                            : -1;
  faults.corruptReply = IntOption(parser, QStringLiteral("corrupt-reply"), 0, ok);
  faults.doubleAck = IntOption(parser, QStringLiteral("double-ack"), 0, ok);
  faults.ignoreFirstProgram = parser.isSet(QStringLiteral("ignore-first-program"));
  if (!ok) return 2;

  qx210::sim::RadioProtocol protocol(model, static_cast<unsigned char>(code));
  protocol.setIdentificationTail(tail.at(0), tail.at(1));
  protocol.setFaults(faults);
  if (parser.isSet(QStringLiteral("memory"))) {
    QFile file(parser.value(QStringLiteral("memory")));
    if (!file.open(QIODevice::ReadOnly)) {
      std::fprintf(stderr, "qx210-radio-sim: cannot read %s: %s\n", qPrintable(file.fileName()),
                   qPrintable(file.errorString()));
      return 2;
    }
    protocol.loadMemory(file.read(qx210::sim::kMemorySize));
  }

  qx210::sim::PtyRadio radio(std::move(protocol), line);
  QString error;
  if (!radio.open(&error)) {
    std::fprintf(stderr, "qx210-radio-sim: %s\n", qPrintable(error));
    return 1;
  }
  if (parser.isSet(QStringLiteral("save"))) radio.setSavePath(parser.value(QStringLiteral("save")));
  qx210::sim::PtyLink link;
  if (parser.isSet(QStringLiteral("link")) && !link.create(parser.value(QStringLiteral("link")), radio.slavePath(), &error)) {
    std::fprintf(stderr, "qx210-radio-sim: %s\n", qPrintable(error));
    return 1;
  }

  g_radio = &radio;
  std::signal(SIGINT, OnSignal);
  std::signal(SIGTERM, OnSignal);
  std::printf("%s\n", qPrintable(radio.slavePath()));
  std::fflush(stdout);
  radio.run();
  g_radio = nullptr;
  return 0;
}
