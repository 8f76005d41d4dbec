#include "gui/file_commands.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "core/backups.h"
#include "core/codec.h"
#include "core/data_file.h"
#include "core/document.h"
#include "core/language.h"
#include "core/memory_image.h"
#include "core/safe_file.h"
#include "core/user_settings.h"
#include "gui/file_chooser.h"
#include "gui/document_history.h"
#include "gui/message_box.h"

namespace qx210 {

namespace {

constexpr Bilingual kNewQuestion{"所有信道的数据将被清除！", "All channel data will be clear."};
constexpr Bilingual kNewTitle{"警告", "Warnning"};
constexpr Bilingual kOverwriteQuestion{"该文件已存在，是否覆盖？", "This file already exists, whether to cover?"};

constexpr int kRecentFiles = 5;
const QString kRecentKey = QStringLiteral("recentFiles");
const QString kDataSuffix = QStringLiteral("DAT");

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

}  // namespace

FileCommands::FileCommands(Document& document, DocumentHistory& history, FileChooser& chooser, QWidget* parent)
    : QObject(parent), m_document(document), m_history(history), m_chooser(chooser) {}

QString FileCommands::dataFileFilter() { return ApplicationTitle() + QStringLiteral(" (*.DAT)"); }

QString FileCommands::backupFolder() const {
  return m_backupFolder.isEmpty() ? BackupStore::defaultFolder() : m_backupFolder;
}

bool FileCommands::maySetDocumentAside() {
  if (!m_document.isModified()) return true;
  switch (AskToSaveChanges(tr("Save changes?"))) {
    case MessageResult::kSave: return save();
    case MessageResult::kDiscard: return true;
    default: return false;
  }
}

void FileCommands::newChannels() {
  // A saved document loses nothing that its file does not keep: no question.
  const bool saved = !m_document.isModified() && !m_document.filePath().isEmpty();
  if (!maySetDocumentAside()) return;
  const UiLanguage language = CurrentLanguage();
  if (!saved && ShowLocalizedMessage(kNewQuestion.text(language),
                                     MessageStyle::kOkCancel | MessageStyle::kIconExclamation |
                                         MessageStyle::kDefaultButton2,
                                     kNewTitle.text(language)) == MessageResult::kCancel)
    return;
  // Only the channels go; band, panel and dialog settings stay. The result
  // belongs to no file, so a Save asks for a name; it is a new, untouched
  // document, so nothing asks to save it before it is replaced (Undo still
  // brings the channels back).
  RadioState next = m_document.state();
  next.channels.fill(Channel{});
  m_document.apply(next, EditKind::NewChannels);
  m_document.setFilePath(QString());
  m_history.markClean();
}

void FileCommands::open() {
  if (!maySetDocumentAside()) return;
  const QString path = m_chooser.openFile(dataFileFilter());
  if (!path.isEmpty()) openPath(path);
}

bool FileCommands::openPath(const QString& path) {
  if (!load(path)) return false;
  m_document.setFilePath(QFileInfo(path).absoluteFilePath());
  m_history.markClean();
  remember(m_document.filePath());
  return true;
}

bool FileCommands::load(const QString& path) {
  QByteArray image;
  const FileResult read = ReadDataFile(path, image, CurrentLanguage());
  if (!read.ok) {
    const QFileInfo info(path);
    const QString text = info.isFile() && info.isReadable() && info.size() < kEncodedImageSize
                             ? tr("The file \"%1\" is not a data file of this program (it holds fewer than 848 "
                                  "bytes). Nothing was changed.")
                             : tr("The file \"%1\" cannot be read.");
    ShowLocalizedMessage(text.arg(Native(path)) + QLatin1Char('\n') + read.error, MessageStyle::kIconStop);
    return false;
  }
  if (!IsRadioImage(image) &&
      ShowLocalizedMessage(tr("This does not look like a QX-210 data file. Open anyway?"),
                           MessageStyle::kYesNo | MessageStyle::kIconExclamation | MessageStyle::kDefaultButton2) !=
          MessageResult::kYes)
    return false;
  // The whole file is read and checked before the decoder runs, so a failure
  // leaves the document as it was.
  m_document.loadImage(image, EditKind::OpenFile);
  return true;
}

bool FileCommands::save() {
  if (m_document.filePath().isEmpty()) return saveAs();
  return writeTo(m_document.filePath());
}

bool FileCommands::saveAs() {
  for (;;) {
    const QString path = m_chooser.saveFile(dataFileFilter(), kDataSuffix);
    if (path.isEmpty()) return false;
    const bool same = QFileInfo(path).absoluteFilePath() == m_document.filePath();
    if (!same && QFileInfo::exists(path) &&
        ShowLocalizedMessage(kOverwriteQuestion.text(CurrentLanguage()),
                             MessageStyle::kYesNo | MessageStyle::kIconQuestion) == MessageResult::kNo)
      continue;  // the save dialog opens again
    return writeTo(path);
  }
}

bool FileCommands::writeTo(const QString& path) {
  const auto agreed = [](const QString& question) {
    return ShowLocalizedMessage(question, MessageStyle::kYesNo | MessageStyle::kIconExclamation |
                                              MessageStyle::kDefaultButton2) == MessageResult::kYes;
  };
  if (IsReadOnlyFile(path) &&
      !agreed(tr("The file \"%1\" is read-only. Replace it anyway?").arg(Native(path))))
    return false;
  // What the file held goes to the backups first, whatever it was; a save
  // that cannot keep it goes ahead only when the user says so.
  QString backupError;
  if (!BackupStore(backupFolder()).keepBeforeOverwrite(path, &backupError, CurrentLanguage()) &&
      !agreed(tr("What the file \"%1\" holds now cannot be backed up:\n%2\nSave over it anyway?")
                  .arg(Native(path), backupError)))
    return false;
  const FileResult written = WriteDataFile(path, m_document.image(), CurrentLanguage(), ReadOnlyFiles::Replace);
  if (!written.ok) {
    ShowLocalizedMessage(tr("The file \"%1\" cannot be saved. An existing file was left as it was.").arg(Native(path)) +
                             QLatin1Char('\n') + written.error,
                         MessageStyle::kIconStop);
    return false;
  }
  m_document.setFilePath(QFileInfo(path).absoluteFilePath());
  m_history.markClean();
  remember(m_document.filePath());
  return true;
}

void FileCommands::backUpRead(const QByteArray& image) {
  QString error;
  const BackupStore store(backupFolder());
  if (store.keep(image, QStringLiteral("read"), QDateTime::currentDateTime(), &error, CurrentLanguage()).isEmpty())
    ShowLocalizedMessage(tr("The image read from the radio could not be backed up: %1").arg(error),
                         MessageStyle::kIconExclamation);
}

void FileCommands::restoreFromBackup() {
  if (!maySetDocumentAside()) return;
  QDir().mkpath(backupFolder());
  const QString path = m_chooser.openFile(dataFileFilter(), backupFolder());
  if (path.isEmpty() || !load(path)) return;
  // A backup is restored into a changed document of its own, not among the
  // recent files: Save asks for a name, so the backup is never overwritten.
  m_document.setFilePath(QString());
  m_history.stack().resetClean();
}

void FileCommands::openBackupFolder() {
  QDir().mkpath(backupFolder());
  QDesktopServices::openUrl(QUrl::fromLocalFile(backupFolder()));
}

QStringList FileCommands::recentFiles() const { return UserSettings().value(kRecentKey).toStringList(); }

void FileCommands::remember(const QString& path) {
  QStringList files = recentFiles();
  files.removeAll(path);
  files.prepend(path);
  while (files.size() > kRecentFiles) files.removeLast();
  UserSettings().setValue(kRecentKey, files);
  Q_EMIT recentFilesChanged();
}

}  // namespace qx210
