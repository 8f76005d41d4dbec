#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// qx210-cli run as a user runs it (the test target defines QX210_CLI_PATH).
namespace qx210::test {

struct CliRun {
  int exitCode = -1;  // -1: still running at the timeout; -2: crashed
  QString out;
  QString err;
};

// Runs qx210-cli with `arguments`, feeding `input` to its standard input.
inline CliRun RunCli(const QStringList& arguments, const QByteArray& input = {}, int timeoutMs = 20000) {
  QProcess process;
  process.start(QStringLiteral(QX210_CLI_PATH), arguments);
  if (!input.isNull()) process.write(input);
  process.closeWriteChannel();
  CliRun run;
  if (!process.waitForFinished(timeoutMs)) {
    process.kill();
    process.waitForFinished();
    return run;
  }
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
  run.out = QString::fromUtf8(process.readAllStandardOutput());
  run.err = QString::fromUtf8(process.readAllStandardError());
  return run;
}

}  // namespace qx210::test
