// qx210-cli: the radio and its data files without a window. Each verb lives
// in a file of its own; this file only dispatches.
#include <QCoreApplication>

#include "platform.h"
#include "verbs.h"

namespace {

using namespace qx210::cli;

QString GeneralHelp() {
  QString text = QStringLiteral(
      "Usage: qx210-cli <verb> [options]\n\n"
      "Reads and writes QX-210 radios, their data files and channel lists without a window.\n"
      "PORT is a device path (/dev/ttyUSB0) or a slot COM1..COM20 of the program's port list.\n\n"
      "Verbs:\n");
  for (const Verb& verb : kVerbs)
    text += QStringLiteral("  %1  %2\n      %3\n")
                .arg(QString::fromLatin1(verb.name).leftJustified(8), QString::fromUtf8(verb.summary),
                     QString::fromUtf8(verb.example));
  text += QStringLiteral(
      "\n'qx210-cli <verb> --help' lists the options of a verb.\n"
      "Exit status: 0 complete, 1 communication error (clone: any radio failed), 2 usage, 3 band mismatch,\n"
      "4 file error (also: standard output full, a clone result not logged), 5 no row imported (or --strict and\n"
      "a row not imported).\n"
      "diff: 0 equal, 1 different, 2 trouble. doctor: 0 the radio answers, 10 no such device,\n"
      "11 permission denied, 12 port busy, 13 no answer, 14 the cable echoes, 15 not this radio.\n");
  return text;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  PrepareStandardStreams();
  QCoreApplication::setApplicationName(QStringLiteral("qx210-cli"));
  QCoreApplication::setApplicationVersion(QStringLiteral(QX210_VERSION));

  const QStringList arguments = QCoreApplication::arguments().mid(1);
  const QString first = arguments.value(0);
  if (first.isEmpty()) {
    Err(QStringLiteral("qx210-cli: give a verb (see qx210-cli --help)"));
    return kExitUsage;
  }
  if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("help")) {
    WriteOut(GeneralHelp().toUtf8());
    return CheckStandardOutput(kExitOk);
  }
  if (first == QLatin1String("--version") || first == QLatin1String("-v")) {
    Out(QStringLiteral("qx210-cli %1").arg(QCoreApplication::applicationVersion()));
    return CheckStandardOutput(kExitOk);
  }
  for (const Verb& verb : kVerbs)
    if (first == QLatin1String(verb.name)) return CheckStandardOutput(verb.run(arguments));
  Err(QStringLiteral("qx210-cli: unknown verb '%1' (see qx210-cli --help)").arg(first));
  return kExitUsage;
}
