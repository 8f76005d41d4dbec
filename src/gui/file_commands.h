#pragma once

#include <QFileDialog>
#include <QObject>
#include <QPointer>

namespace qx210 {

class Editor;

// New, Open and Save of the File menu. A data file holds the raw bytes of a
// memory image: Save encodes the editor, Open decodes a file into it.
class FileCommands : public QObject {
  Q_OBJECT
 public:
  FileCommands(Editor& editor, QWidget* dialogParent);

  void newChannels();  // mnuNew
  void open();         // mnuOpen
  // Opens the data file `path` as Open does after its dialog (a file named on
  // the command line). A failure is shown and leaves the editor as it was.
  bool openPath(const QString& path);
  void save();         // mnuAssave

  // Extra options of the file dialog (tests ask for Qt's own dialog).
  void setDialogOptions(QFileDialog::Options options) { m_dialogOptions = options; }

 private:
  // Shows the file dialog; an empty result means the user cancelled.
  QString chooseFile(QFileDialog::AcceptMode mode);

  Editor& m_editor;
  QPointer<QWidget> m_dialogParent;
  QFileDialog::Options m_dialogOptions;
  QString m_lastFolder;  // the dialog opens where the last one ended
};

}  // namespace qx210
