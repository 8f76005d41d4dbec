#include "core/parameter_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/safe_file.h"

namespace qx210 {

namespace {

const QString kFileName = QStringLiteral("parameter");
// Bytes after the third are kept on writing; nobody writes more than a few.
constexpr qint64 kKeptBytesLimit = 64 * 1024;

bool ReadBytes(const QString& path, QByteArray& bytes) {
  QString error;
  return ReadRegularFile(path, kKeptBytesLimit, bytes, error);
}

Parameters FromBytes(const QByteArray& bytes) {
  auto at = [&bytes](int i) { return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0; };
  Parameters p;
  p.editLock = at(0);
  p.comPortNumber = at(1);
  p.language = at(2);
  p.languageStored = bytes.size() >= 3;
  return p;
}

// Whether a save may replace (or create) `path`: the folder must take the
// temporary file, and an existing file must not be write-protected.
bool MayReplace(const QString& path) {
  const QFileInfo info(path);
  if (!QFileInfo(info.absolutePath()).isWritable()) return false;
  return !info.exists() || info.isWritable();
}

bool Exists(const QString& path) { return QFileInfo(path).exists() || QFileInfo(path).isSymLink(); }

}  // namespace

QStringList ParameterFileCandidates() {
  return {QDir(QCoreApplication::applicationDirPath()).filePath(kFileName),
          QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath(kFileName)};
}

OpenedParameters OpenParameterFile(const QStringList& candidates) {
  QByteArray seed;
  bool seeded = false;
  for (const QString& path : candidates) {
    QByteArray bytes;
    if (!ReadBytes(path, bytes)) continue;
    if (MayReplace(path)) return {path, FromBytes(bytes)};
    if (!seeded) seed = bytes;
    seeded = true;
  }
  for (const QString& path : candidates) {
    if (Exists(path)) continue;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString error;
    if (MayReplace(path) && SaveFileAtomically(path, seed, error)) return {path, FromBytes(seed)};
  }
  // Nowhere to write: what could be read still counts for this run.
  return {QString(), seeded ? FromBytes(seed) : Parameters{}};
}

bool WriteParameterFile(const QString& path, const Parameters& parameters) {
  QByteArray bytes;
  ReadBytes(path, bytes);  // missing: start from nothing
  if (bytes.size() < 3) bytes.resize(3, '\0');
  bytes[0] = static_cast<char>(parameters.editLock);
  bytes[1] = static_cast<char>(parameters.comPortNumber);
  bytes[2] = static_cast<char>(parameters.language);
  QString error;
  return SaveFileAtomically(path, bytes, error);
}

}  // namespace qx210
