#include "core/parameter_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace qx210 {

namespace {
const QString kFileName = QStringLiteral("parameter");

bool FolderIsWritable(const QString& folder) {
  // A probe file tells more than permission bits (read-only mounts, ACLs).
  QFile probe(QDir(folder).filePath(QStringLiteral(".qx210-write-probe")));
  if (!probe.open(QIODevice::WriteOnly)) return false;
  probe.close();
  probe.remove();
  return true;
}
}  // namespace

QString ParameterFilePath() {
  const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(kFileName);
  if (QFileInfo::exists(beside) ? QFileInfo(beside).isWritable()
                                : FolderIsWritable(QCoreApplication::applicationDirPath()))
    return beside;
  const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  QDir().mkpath(config);
  return QDir(config).filePath(kFileName);
}

Parameters ReadParameterFile(const QString& path) {
  QFile file(path);
  Parameters p;
  if (!file.open(QIODevice::ReadOnly)) return p;
  const QByteArray bytes = file.read(3);
  auto at = [&bytes](int i) { return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0; };
  p.editLock = at(0);
  p.comPortNumber = at(1);
  p.language = at(2);
  return p;
}

bool WriteParameterFile(const QString& path, const Parameters& parameters) {
  QByteArray bytes;
  {
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly)) bytes = existing.readAll();
  }
  if (bytes.size() < 3) bytes.resize(3, '\0');
  bytes[0] = static_cast<char>(parameters.editLock);
  bytes[1] = static_cast<char>(parameters.comPortNumber);
  bytes[2] = static_cast<char>(parameters.language);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace qx210
