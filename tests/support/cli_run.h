#pragma once

#include <QByteArray>
#include <QDir>
#include <QtGlobal>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// qx210-cli run as a user runs it (the test target defines QX210_CLI_PATH).
namespace qx210::test {

struct CliRun {
  int exitCode = -1;  // -1: still running at the timeout; -2: crashed
  QString out;
  QString err;
};

// Where the command line's per-user data and settings go in tests on Linux
// (backups in data/qx210/backups), never the user's own.
inline const QTemporaryDir& CliHome() {
  static QTemporaryDir home;
  return home;
}

// Where qx210-cli started by RunCli keeps its data (`sub` inside): below
// CliHome through XDG_DATA_HOME; Windows has no such variable, so there it is
// the user's own application-data folder.
inline QString CliDataFolder(const QString& sub) {
#ifdef Q_OS_WIN
  // The folder the program's GenericDataLocation is (tests run in Qt's test mode).
  return QDir(qEnvironmentVariable("LOCALAPPDATA")).filePath(sub);
#else
  return CliHome().filePath(QStringLiteral("data/") + sub);
#endif
}

// Runs qx210-cli with `arguments`, feeding `input` to its standard input.
inline CliRun RunCli(const QStringList& arguments, const QByteArray& input = {}, int timeoutMs = 20000) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("XDG_DATA_HOME"), CliHome().filePath(QStringLiteral("data")));
  environment.insert(QStringLiteral("XDG_CONFIG_HOME"), CliHome().filePath(QStringLiteral("config")));
  QProcess process;
  process.setProcessEnvironment(environment);
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
