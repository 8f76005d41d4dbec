#include "gui/help.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

#include "core/language.h"
#include "gui/message_box.h"

namespace qx210 {

// The build copies the guide beside the program under this name.
QString HelpFileName() { return QStringLiteral(QX210_HELP_FILE); }

QString DefaultHelpFolder() {
  const QDir program(QCoreApplication::applicationDirPath());
  if (QFileInfo::exists(program.filePath(HelpFileName()))) return program.absolutePath();
  // Relative to the program, so that an installed tree can be moved.
  return QDir::cleanPath(program.filePath(QStringLiteral(QX210_DOC_FROM_BIN)));
}

bool OpenHelpFile(const QString& folder, const UrlOpener& open) {
  const QString path = QDir(folder).absoluteFilePath(HelpFileName());
  const UiLanguage language = CurrentLanguage();
  if (!QFileInfo(path).isFile()) {
    ShowLocalizedMessage(
        Pick(language, "找不到帮助文件：\n%1\n\n请重新安装本软件。", "The help file was not found:\n%1\n\nPlease reinstall the program.")
            .arg(QDir::toNativeSeparators(path)),
        MessageStyle::kIconExclamation);
    return false;
  }
  const QUrl url = QUrl::fromLocalFile(path);
  const bool opened = open ? open(url) : QDesktopServices::openUrl(url);
  if (!opened)
    ShowLocalizedMessage(Pick(language, "无法在浏览器中打开帮助文件：\n%1", "The help file could not be opened in a browser:\n%1")
                             .arg(QDir::toNativeSeparators(path)),
                         MessageStyle::kIconExclamation);
  return opened;
}

}  // namespace qx210
