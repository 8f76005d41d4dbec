#pragma once

#include <QFileDialog>
#include <QPointer>
#include <QString>
#include <functional>

namespace qx210 {

// The file dialogs of the window, remembering the folder the last one ended
// in. A name typed without a suffix for saving gets the suffix of its kind,
// so that the open dialog shows the file again.
class FileChooser {
 public:
  explicit FileChooser(QWidget* parent) : m_parent(parent) {}

  // An empty result means the user cancelled. `folder` overrides the folder
  // the dialog starts in (and is then not remembered).
  QString openFile(const QString& filter, const QString& folder = QString());
  QString saveFile(const QString& filter, const QString& suffix, const QString& folder = QString());

  // Extra options of the dialog (tests ask for Qt's own dialog).
  void setDialogOptions(QFileDialog::Options options) { m_options = options; }
  // Test seam: answers the dialogs instead of showing them; an empty path
  // means the user cancelled.
  using Answer = std::function<QString(QFileDialog::AcceptMode mode, const QString& folder)>;
  void setAnswer(Answer answer) { m_answer = std::move(answer); }

 private:
  QString choose(QFileDialog::AcceptMode mode, const QString& filter, const QString& suffix, const QString& folder);

  QPointer<QWidget> m_parent;
  QFileDialog::Options m_options;
  Answer m_answer;
  QString m_lastFolder;
};

}  // namespace qx210
