#include "gui/channel_list_commands.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTextDocument>

#ifdef QX210_HAVE_PRINT_SUPPORT
#include <QPrintDialog>
#include <QPrinter>
#endif

#include "core/channel_csv.h"
#include "core/channel_plans.h"
#include "core/csv.h"
#include "core/document.h"
#include "core/language.h"
#include "core/safe_file.h"
#include "gui/channel_plan_dialog.h"
#include "gui/channel_sheet.h"
#include "gui/file_chooser.h"
#include "gui/import_preview_dialog.h"
#include "gui/message_box.h"

namespace qx210 {

namespace {

const QString kCsvSuffix = QStringLiteral("csv");

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

}  // namespace

ChannelListCommands::ChannelListCommands(Document& document, FileChooser& chooser, QWidget* parent)
    : QObject(parent),
      m_document(document),
      m_chooser(chooser),
      m_parent(parent),
      m_stockPlans(StockPlanFolder()),
      m_userPlans(UserPlanFolder()) {}

void ChannelListCommands::setPlanFolders(const QString& stock, const QString& user) {
  m_stockPlans = stock;
  m_userPlans = user;
}

bool ChannelListCommands::newFromPlan(const std::function<bool()>& maySetAside) {
  ChannelPlanDialog dialog(FindPlans(m_stockPlans, m_userPlans), m_document.state().band, m_userPlans, m_parent);
  const bool accepted = m_planAnswer ? m_planAnswer(dialog) : dialog.exec() == QDialog::Accepted;
  const PlanImport* plan = dialog.chosen();
  if (!accepted || !plan || plan->error || plan->import.placedCount() == 0) return false;
  if (maySetAside && !maySetAside()) return false;
  // Like New, the result belongs to no file; the band and the settings stay.
  m_document.apply(ApplyImport(plan->import, m_document.state(), ImportMode::Replace), EditKind::Import);
  m_document.setFilePath(QString());
  return true;
}

void ChannelListCommands::importChannels(int startChannel) {
  const QString path = m_chooser.openFile(tr("Channel lists (*.csv *.CSV *.txt)"));
  if (!path.isEmpty()) importPath(path, startChannel);
}

bool ChannelListCommands::importPath(const QString& path, int startChannel) {
  QByteArray bytes;
  QString error;
  if (!ReadWholeRegularFile(path, kChannelListSizeLimit, bytes, error, CurrentLanguage())) {
    ShowLocalizedMessage(tr("The file \"%1\" cannot be read.").arg(Native(path)) + QLatin1Char('\n') + error,
                         MessageStyle::kIconStop);
    return false;
  }
  const ChannelImport import = ImportChannelList(
      CsvTextFromBytes(bytes), {.band = m_document.state().band, .startChannel = startChannel, .placement = {}});
  if (import.error) {
    ShowLocalizedMessage(tr("The file \"%1\" is not a channel list: %2")
                             .arg(Native(path), import.error->text(CurrentLanguage())),
                         MessageStyle::kIconStop);
    return false;
  }
  ImportPreviewDialog preview(import, m_document.state(), QFileInfo(path).fileName(), m_parent);
  const bool accepted = m_previewAnswer ? m_previewAnswer(preview) : preview.exec() == QDialog::Accepted;
  if (!accepted || import.placedCount() == 0) return false;
  m_document.apply(ApplyImport(import, m_document.state(), preview.mode()), EditKind::Import);
  return true;
}

void ChannelListCommands::exportChannels() {
  const QString path = m_chooser.saveFile(tr("Channel lists (*.csv)"), kCsvSuffix);
  if (path.isEmpty()) return;
  const ChannelExport list = ExportChannelList(m_document.state());
  QString error;
  if (!SaveFileAtomically(path, list.text.toUtf8(), error, CurrentLanguage())) {
    ShowLocalizedMessage(tr("The file \"%1\" cannot be saved. An existing file was left as it was.").arg(Native(path)) +
                             QLatin1Char('\n') + error,
                         MessageStyle::kIconStop);
    return;
  }
  if (list.warnings.empty()) return;
  QStringList lines;
  for (const ListMessage& warning : list.warnings) lines << warning.text(CurrentLanguage());
  ShowLocalizedMessage(tr("%1 channels were exported to \"%2\".").arg(list.channelCount).arg(Native(path)) +
                           QStringLiteral("\n\n") + lines.join(QLatin1Char('\n')),
                       MessageStyle::kIconExclamation);
}

QString ChannelListCommands::sheetTitle() const {
  const QString file = QFileInfo(m_document.filePath()).fileName();
  return file.isEmpty() ? ApplicationTitle() : ApplicationTitle() + QStringLiteral(" - ") + file;
}

void ChannelListCommands::exportSheet() {
  const QString path = m_chooser.saveFile(tr("Channel sheets (*.pdf *.html)"), QStringLiteral("pdf"));
  if (path.isEmpty()) return;
  QString error;
  if (!ChannelSheet(m_document.state(), sheetTitle()).write(path, &error))
    ShowLocalizedMessage(tr("The file \"%1\" cannot be saved. An existing file was left as it was.").arg(Native(path)) +
                             QLatin1Char('\n') + error,
                         MessageStyle::kIconStop);
}

bool ChannelListCommands::canPrint() {
#ifdef QX210_HAVE_PRINT_SUPPORT
  return true;
#else
  return false;
#endif
}

void ChannelListCommands::print() {
#ifdef QX210_HAVE_PRINT_SUPPORT
  QPrinter printer;
  QPrintDialog dialog(&printer, m_parent);
  if (dialog.exec() != QDialog::Accepted) return;
  QTextDocument document;
  ChannelSheet(m_document.state(), sheetTitle()).fill(document);
  document.print(&printer);
#endif
}

}  // namespace qx210
