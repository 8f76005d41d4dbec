#include "core/backups.h"

#include <QDir>
#include <QStandardPaths>

#include "core/data_file.h"

namespace qx210 {

namespace {

const QString kSuffix = QStringLiteral(".DAT");
constexpr Bilingual kNoFolder{"无法创建备份文件夹 %1", "Cannot create the backup folder %1"};

}  // namespace

QString BackupStore::defaultFolder() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
      .filePath(QStringLiteral("qx210/backups"));
}

QString BackupStore::keep(const QByteArray& image, const QString& what, const QDateTime& when,
                          QString* error, UiLanguage language) const {
  QDir dir(m_folder);
  if (!dir.mkpath(QStringLiteral("."))) {
    if (error) *error = kNoFolder.text(language).arg(m_folder);
    return {};
  }
  const QString stem = when.toString(QStringLiteral("yyyy-MM-dd_HHmmss_")) + what;
  QString path = dir.filePath(stem + kSuffix);
  // Two backups in one second get numbers, so none replaces another.
  for (int n = 2; QFileInfo::exists(path); ++n) path = dir.filePath(QStringLiteral("%1-%2").arg(stem).arg(n) + kSuffix);
  const FileResult written = WriteDataFile(path, image, language);
  if (!written.ok) {
    if (error) *error = written.error;
    return {};
  }
  prune();
  return path;
}

QStringList BackupStore::backups() const {
  // The names begin with the date and time, so their order is the age.
  const QDir dir(m_folder);
  QStringList names = dir.entryList({QStringLiteral("*") + kSuffix}, QDir::Files, QDir::Name | QDir::Reversed);
  for (QString& name : names) name = dir.filePath(name);
  return names;
}

void BackupStore::prune() const {
  const QStringList all = backups();
  for (qsizetype i = kKept; i < all.size(); ++i) QFile::remove(all.at(i));
}

}  // namespace qx210
