#include "core/backups.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>

#include "core/safe_file.h"

namespace qx210 {

namespace {

const QString kSuffix = QStringLiteral(".DAT");
constexpr Bilingual kNoFolder{"无法创建备份文件夹 %1", "Cannot create the backup folder %1"};
constexpr Bilingual kCannotWrite{"无法写入备份 %1：%2", "Cannot write the backup %1: %2"};
constexpr Bilingual kCannotRead{"无法读取 %1：%2", "Cannot read %1: %2"};
// A file overwritten by a save need not be a data file; a larger one than
// this is not one the program would have written, and is not copied.
constexpr qint64 kOverwrittenSizeLimit = 1024 * 1024;

// Where a backup stands in time: the second of its name, then its number
// within that second (also the "-N" that older names carried at the end).
struct Age {
  QString second;
  int number = 1;
};

Age AgeOf(const QString& name) {
  static const QRegularExpression kName(
      QStringLiteral("^(\\d{4}-\\d\\d-\\d\\d_\\d{6})(?:-(\\d+))?_.*?(?:-(\\d+))?\\.DAT$"));
  const QRegularExpressionMatch match = kName.match(name);
  if (!match.hasMatch()) return {name, 0};
  const QString number = match.captured(2).isEmpty() ? match.captured(3) : match.captured(2);
  return {match.captured(1), number.isEmpty() ? 1 : number.toInt()};
}

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
  const QString second = when.toString(QStringLiteral("yyyy-MM-dd_HHmmss"));
  // Backups of one second are numbered in the order they were made, whatever
  // their kind; a name is taken only by creating it, so two processes never
  // share one.
  for (int number = 1;; ++number) {
    const QString stamp = number == 1 ? second : QStringLiteral("%1-%2").arg(second).arg(number);
    if (!dir.entryList({stamp + QStringLiteral("_*")}, QDir::Files | QDir::System | QDir::Hidden).isEmpty()) continue;
    const QString path = dir.filePath(stamp + QLatin1Char('_') + what + kSuffix);
    QString reason;
    switch (CreateNewFile(path, image, reason)) {
      case NewFile::Created:
        prune(path);
        return path;
      case NewFile::Exists:
        continue;
      case NewFile::Failed:
        if (error) *error = kCannotWrite.text(language).arg(path, reason);
        return {};
    }
  }
}

bool BackupStore::keepBeforeOverwrite(const QString& path, QString* error, UiLanguage language) const {
  // Nothing to lose; the save itself refuses what it may not replace.
  if (!QFileInfo(path).isFile() || !SaveRefusal(path, language).isEmpty()) return true;
  QByteArray old;
  QString reason;
  if (!ReadWholeRegularFile(path, kOverwrittenSizeLimit, old, reason, language)) {
    if (error) *error = kCannotRead.text(language).arg(path, reason);
    return false;
  }
  return !keep(old, QStringLiteral("overwritten"), QDateTime::currentDateTime(), error, language).isEmpty();
}

QStringList BackupStore::backups() const {
  const QDir dir(m_folder);
  QStringList names = dir.entryList({QStringLiteral("*") + kSuffix}, QDir::Files);
  std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
    const Age ageA = AgeOf(a);
    const Age ageB = AgeOf(b);
    if (ageA.second != ageB.second) return ageA.second > ageB.second;
    if (ageA.number != ageB.number) return ageA.number > ageB.number;
    return a > b;
  });
  for (QString& name : names) name = dir.filePath(name);
  return names;
}

void BackupStore::prune(const QString& justWritten) const {
  // The backup just written stays even when the clock stands behind the
  // newest names; the oldest of the others go.
  int kept = 1;
  for (const QString& path : backups()) {
    if (path == justWritten) continue;
    if (kept < kKept) ++kept;
    else QFile::remove(path);
  }
}

}  // namespace qx210
