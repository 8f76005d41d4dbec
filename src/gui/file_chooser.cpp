#include "gui/file_chooser.h"

#include <QFileInfo>

namespace qx210 {

QString FileChooser::openFile(const QString& filter, const QString& folder) {
  return choose(QFileDialog::AcceptOpen, filter, QString(), folder);
}

QString FileChooser::saveFile(const QString& filter, const QString& suffix, const QString& folder) {
  return choose(QFileDialog::AcceptSave, filter, suffix, folder);
}

QString FileChooser::choose(QFileDialog::AcceptMode mode, const QString& filter, const QString& suffix,
                            const QString& folder) {
  const QString start = folder.isEmpty() ? m_lastFolder : folder;
  QString file;
  if (m_answer) {
    file = m_answer(mode, start);
  } else {
    QFileDialog dialog(m_parent);
    // The program asks before overwriting, in its own words.
    dialog.setOptions(m_options | QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    if (!suffix.isEmpty()) dialog.setDefaultSuffix(suffix);
    if (!start.isEmpty()) dialog.setDirectory(start);
    if (dialog.exec() != QDialog::Accepted) return {};
    file = dialog.selectedFiles().value(0);
  }
  if (file.isEmpty()) return {};
  if (mode == QFileDialog::AcceptSave && !suffix.isEmpty() && QFileInfo(file).suffix().isEmpty())
    file += QLatin1Char('.') + suffix;
  if (folder.isEmpty()) m_lastFolder = QFileInfo(file).absolutePath();
  return file;
}

}  // namespace qx210
