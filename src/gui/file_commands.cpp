#include "gui/file_commands.h"

#include <QFileInfo>

#include "core/editor.h"
#include "core/language.h"
#include "gui/message_box.h"
#include "core/data_file.h"
#include "core/memory_image.h"

namespace qx210 {

namespace {

constexpr Bilingual kNewQuestion{"所有信道的数据将被清除！", "All channel data will be clear."};
constexpr Bilingual kNewTitle{"警告", "Warnning"};
constexpr Bilingual kOverwriteQuestion{"该文件已存在，是否覆盖？", "This file already exists, whether to cover?"};
constexpr Bilingual kCannotRead{"无法读取文件“%1”。", "The file \"%1\" cannot be read."};
constexpr Bilingual kNotADataFile{"文件“%1”不是本软件的数据文件（不足 848 字节），未作任何改动。",
                                  "The file \"%1\" is not a data file of this program (it holds fewer than "
                                  "848 bytes). Nothing was changed."};
constexpr Bilingual kCannotSave{"无法保存文件“%1”，原有文件保持不变。",
                                "The file \"%1\" cannot be saved. An existing file was left as it was."};

QString Text(const Bilingual& text, const QString& path) {
  return text.text(CurrentLanguage()).arg(QDir::toNativeSeparators(path));
}

}  // namespace

FileCommands::FileCommands(Editor& editor, QWidget* dialogParent)
    : QObject(dialogParent), m_editor(editor), m_dialogParent(dialogParent) {}

void FileCommands::newChannels() {
  const UiLanguage language = CurrentLanguage();
  const int answer = ShowLocalizedMessage(
      kNewQuestion.text(language),
      MessageStyle::kOkCancel | MessageStyle::kIconExclamation | MessageStyle::kDefaultButton2,
      kNewTitle.text(language));
  if (answer == MessageResult::kCancel) return;
  // Only the channels go; band, panel and dialog settings stay.
  m_editor.table().ClearGrid1();
  m_editor.notifyTableChanged();
}

QString FileCommands::chooseFile(QFileDialog::AcceptMode mode) {
  QFileDialog dialog(m_dialogParent);
  dialog.setOptions(m_dialogOptions | QFileDialog::DontConfirmOverwrite);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  // The only file type offered; no default suffix, a typed name is used as typed.
  dialog.setNameFilter(ApplicationTitle() + QStringLiteral(" (*.DAT)"));
  if (!m_lastFolder.isEmpty()) dialog.setDirectory(m_lastFolder);
  if (dialog.exec() != QDialog::Accepted) return {};
  const QString file = dialog.selectedFiles().value(0);
  if (!file.isEmpty()) m_lastFolder = QFileInfo(file).absolutePath();
  return file;
}

void FileCommands::open() {
  const QString path = chooseFile(QFileDialog::AcceptOpen);
  if (path.isEmpty()) return;
  openPath(path);
}

bool FileCommands::openPath(const QString& path) {
  QByteArray image;
  if (!ReadDataFile(path, image).ok) {
    const bool readable = QFileInfo(path).isFile() && QFileInfo(path).isReadable();
    ShowLocalizedMessage(Text(readable ? kNotADataFile : kCannotRead, path), MessageStyle::kIconStop);
    return false;
  }
  // The whole file is read and checked before the decoder runs, so a failure
  // leaves the editor as it was.
  m_editor.decode(image);
  return true;
}

void FileCommands::save() {
  const QByteArray image = m_editor.encode();
  for (;;) {
    const QString path = chooseFile(QFileDialog::AcceptSave);
    if (path.isEmpty()) return;
    if (QFileInfo::exists(path) &&
        ShowLocalizedMessage(kOverwriteQuestion.text(CurrentLanguage()),
                             MessageStyle::kYesNo | MessageStyle::kIconQuestion) == MessageResult::kNo)
      continue;  // the save dialog opens again
    if (!WriteDataFile(path, image).ok) ShowLocalizedMessage(Text(kCannotSave, path), MessageStyle::kIconStop);
    return;
  }
}

}  // namespace qx210
