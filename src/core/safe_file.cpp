#include "core/safe_file.h"

#include <QFileInfo>

#include "core/safe_file_platform.h"

namespace qx210 {

namespace {

using safe_file_platform::Outcome;
using safe_file_platform::Verdict;

constexpr Bilingual kMissing{"文件不存在", "it does not exist"};
constexpr Bilingual kFolder{"这是一个文件夹", "it is a folder"};
constexpr Bilingual kFifo{"这是一个命名管道（FIFO）", "it is a named pipe (FIFO)"};
constexpr Bilingual kDevice{"这是一个设备", "it is a device"};
constexpr Bilingual kSocket{"这是一个套接字", "it is a socket"};
constexpr Bilingual kNotRegular{"这不是普通文件", "it is not a regular file"};
constexpr Bilingual kForeignLink{"这是其他用户放在公共文件夹中的链接，不予跟随",
                                 "it is a link that another user placed in a folder everybody may write to, "
                                 "and is not followed"};
constexpr Bilingual kReadOnly{"文件是只读的", "it is read-only"};
constexpr Bilingual kTooLarge{"文件大于 %1，不予读取", "it is larger than %1 and is not read"};

QString Reason(const Outcome& outcome, UiLanguage language) {
  switch (outcome.verdict) {
    case Verdict::Ok: return {};
    case Verdict::Missing: return kMissing.text(language);
    case Verdict::Folder: return kFolder.text(language);
    case Verdict::Fifo: return kFifo.text(language);
    case Verdict::Device: return kDevice.text(language);
    case Verdict::Socket: return kSocket.text(language);
    case Verdict::NotRegular: return kNotRegular.text(language);
    case Verdict::ForeignLink: return kForeignLink.text(language);
    case Verdict::SystemError: return outcome.systemError;
  }
  return {};
}

QString SizeText(qint64 bytes) {
  constexpr qint64 kMebibyte = 1024 * 1024;
  if (bytes % kMebibyte == 0) return QStringLiteral("%1 MiB").arg(bytes / kMebibyte);
  return QStringLiteral("%1 bytes").arg(bytes);
}

// Reads at most `maxBytes` + 1 bytes, so that a larger source shows.
bool ReadUpTo(QIODevice& device, qint64 maxBytes, QByteArray& bytes, QString& error) {
  QByteArray read;
  // A pipe hands over what its writer has written so far: read until the end.
  while (read.size() <= maxBytes) {
    const QByteArray piece = device.read(maxBytes + 1 - read.size());
    if (piece.isEmpty()) {
      if (device.atEnd() || !device.waitForReadyRead(-1)) break;
      continue;
    }
    read += piece;
  }
  if (auto* file = qobject_cast<QFileDevice*>(&device); file && file->error() != QFileDevice::NoError) {
    error = file->errorString();
    return false;
  }
  bytes = read;
  return true;
}

}  // namespace

bool ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray& bytes, QString& error, UiLanguage language) {
  QFile file;
  const Outcome opened = safe_file_platform::OpenForReading(path, file);
  if (!opened.ok()) {
    error = Reason(opened, language);
    return false;
  }
  const QByteArray read = file.read(maxBytes);
  if (file.error() != QFileDevice::NoError) {
    error = file.errorString();
    return false;
  }
  bytes = read;
  return true;
}

bool ReadWholeRegularFile(const QString& path, qint64 maxBytes, QByteArray& bytes, QString& error,
                          UiLanguage language) {
  QByteArray read;
  if (!ReadRegularFile(path, maxBytes + 1, read, error, language)) return false;
  if (read.size() > maxBytes) {
    error = kTooLarge.text(language).arg(SizeText(maxBytes));
    return false;
  }
  bytes = read;
  return true;
}

bool ReadWholeStream(QIODevice& device, qint64 maxBytes, QByteArray& bytes, QString& error, UiLanguage language) {
  QByteArray read;
  if (!ReadUpTo(device, maxBytes, read, error)) return false;
  if (read.size() > maxBytes) {
    error = kTooLarge.text(language).arg(SizeText(maxBytes));
    return false;
  }
  bytes = read;
  return true;
}

bool IsReadOnlyFile(const QString& path) {
  safe_file_platform::SaveTarget target;
  return safe_file_platform::FindSaveTarget(path, target).ok() && target.readOnly;
}

QString SaveRefusal(const QString& path, UiLanguage language) {
  safe_file_platform::SaveTarget target;
  return Reason(safe_file_platform::FindSaveTarget(path, target), language);
}

bool SaveFileAtomically(const QString& path, const QByteArray& bytes, QString& error, UiLanguage language,
                        ReadOnlyFiles readOnly) {
  // Whatever the target is, it is checked before anything is written.
  safe_file_platform::SaveTarget target;
  Outcome outcome = safe_file_platform::FindSaveTarget(path, target);
  if (outcome.ok() && target.readOnly && readOnly == ReadOnlyFiles::Refuse) {
    error = kReadOnly.text(language);
    return false;
  }
  if (outcome.ok()) outcome = safe_file_platform::ReplaceFile(target, bytes);
  error = Reason(outcome, language);
  return outcome.ok();
}

NewFile CreateNewFile(const QString& path, const QByteArray& bytes, QString& error) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink()) return NewFile::Exists;
    error = file.errorString();
    return NewFile::Failed;
  }
  if (file.write(bytes) != bytes.size() || !file.flush()) {
    error = file.errorString();
    file.close();
    file.remove();
    return NewFile::Failed;
  }
  file.close();
  return NewFile::Created;
}

bool OpenFileForAppending(QFile& file, const QString& path, QString& error, UiLanguage language) {
  const Outcome opened = safe_file_platform::OpenForAppending(path, file);
  error = Reason(opened, language);
  return opened.ok();
}

}  // namespace qx210
