#pragma once

#include <QFileDialog>
#include <QObject>
#include <QPointer>

namespace qx210 {

class Document;

// New, Open and Save of the File menu. A data file holds the raw bytes of a
// memory image: Save encodes the document, Open decodes a file into it.
class FileCommands : public QObject {
  Q_OBJECT
 public:
  FileCommands(Document& document, QWidget* dialogParent);

  // File > New, Open and Save.
  void newChannels();
  void open();
  void save();

  // Extra options of the file dialog (tests ask for Qt's own dialog).
  void setDialogOptions(QFileDialog::Options options) { m_dialogOptions = options; }

 private:
  // Shows the file dialog; an empty result means the user cancelled.
  QString chooseFile(QFileDialog::AcceptMode mode);

  Document& m_document;
  QPointer<QWidget> m_dialogParent;
  QFileDialog::Options m_dialogOptions;
  QString m_lastFolder;  // the dialog opens where the last one ended
};

}  // namespace qx210
