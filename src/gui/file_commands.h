#pragma once

#include <QObject>
#include <QStringList>

namespace qx210 {

class Document;
class DocumentHistory;
class FileChooser;

// The File menu's work on the document: New, Open, Save, Save As, the recent
// files, and the automatic backups. A data file holds the raw bytes of a
// memory image. Nothing is lost on the way: a changed document is offered
// for saving before it is replaced, a file about to be overwritten and every
// image read from a radio are backed up first, and a save either leaves the
// complete new file or the old one untouched and says why.
class FileCommands : public QObject {
  Q_OBJECT
 public:
  FileCommands(Document& document, DocumentHistory& history, FileChooser& chooser, QWidget* parent);

  // File > New and Open.
  void newChannels();
  void open();
  // Opens `path` without asking for a file (command line, a drop, the recent
  // files). True when the document holds the file afterwards.
  bool openPath(const QString& path);
  bool save();    // to the open file, or Save As when there is none
  bool saveAs();  // asks for a name; one without a suffix gets ".DAT"
  void restoreFromBackup();
  void openBackupFolder();

  // "Save changes?" when the document has changed: true when it may be
  // replaced (saved, or the changes discarded), false when the user cancelled.
  bool maySetDocumentAside();

  // Keeps a backup of an image read from a radio.
  void backUpRead(const QByteArray& image);

  // The only file type offered for data files.
  static QString dataFileFilter();

  // The most recent files, newest first (at most five), kept per user.
  QStringList recentFiles() const;

  // Where the backups go (tests use a folder of their own).
  void setBackupFolder(const QString& folder) { m_backupFolder = folder; }
  QString backupFolder() const;

 Q_SIGNALS:
  void recentFilesChanged();

 private:
  // Reads `path` into the document, asking first about a file that does not
  // look like this radio's; false (after saying why) leaves the document alone.
  bool load(const QString& path);
  bool writeTo(const QString& path);
  void remember(const QString& path);

  Document& m_document;
  DocumentHistory& m_history;
  FileChooser& m_chooser;
  QString m_backupFolder;
};

}  // namespace qx210
