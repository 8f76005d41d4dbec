// The doctor verb: checks a port and the radio behind it step by step, and
// says what is wrong and what to do. The exit status names the fault.
#include <QCoreApplication>

#include "cli.h"
#include "link/link_doctor.h"
#include "verbs.h"

namespace qx210::cli {

int RunDoctor(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.addOption({QStringLiteral("port"), QStringLiteral("Serial port: device path or COMn."),
                    QStringLiteral("port")});
  parser.addOption({QStringLiteral("lang"), QStringLiteral("Language of the answer: en (default) or zh."),
                    QStringLiteral("lang"), QStringLiteral("en")});
  int status = kExitOk;
  if (!ParseVerbArguments(parser, arguments, kDoctorVerb, status)) return status;
  const QString name = QString::fromLatin1(kDoctorVerb.name);
  if (!parser.positionalArguments().isEmpty()) return UsageError(name, QStringLiteral("unexpected arguments"));
  if (!parser.isSet(QStringLiteral("port"))) return UsageError(name, QStringLiteral("--port is missing"));
  UiLanguage language = kEnglish;
  if (!ParseLanguage(parser.value(QStringLiteral("lang")), language))
    return UsageError(name, QStringLiteral("--lang is en or zh"));

  LinkDoctor doctor;
  DoctorReport report;
  QObject::connect(&doctor, &LinkDoctor::finished, &doctor, [&report](const DoctorReport& result) {
    report = result;
    QCoreApplication::quit();
  });
  doctor.start(PortPath(parser.value(QStringLiteral("port"))));
  QCoreApplication::exec();
  Out(DescribeReport(report, language));
  return static_cast<int>(report.verdict);
}

}  // namespace qx210::cli
