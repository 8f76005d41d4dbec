#include "gui/import_preview_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/language.h"
#include "gui/channel_table_model.h"

namespace qx210 {

namespace {

// The columns of the preview: the row's line, where it goes, what it gives
// (as the channel table would show it) and why it was not imported.
constexpr int kLineColumn = 0;
constexpr int kChannelColumn = 1;
constexpr int kFirstValueColumn = 2;  // channel table columns 1..8
constexpr int kResultColumn = kFirstValueColumn + kColumnCount - 1;

QString Joined(const std::vector<ListMessage>& messages, UiLanguage language) {
  QStringList lines;
  for (const ListMessage& message : messages) lines << message.text(language);
  return lines.join(QStringLiteral("; "));
}

}  // namespace

ImportPreviewDialog::ImportPreviewDialog(const ChannelImport& import, const QString& fileName, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("importPreview"));
  setWindowTitle(tr("Import channels"));
  const UiLanguage language = CurrentLanguage();

  m_summary = new QLabel(this);
  m_summary->setWordWrap(true);
  m_summary->setText(tr("%1: %2 rows go to channels, %3 are not imported.")
                         .arg(fileName)
                         .arg(import.placedCount())
                         .arg(import.notImportedCount()));

  QStringList header{tr("Line"), tr("Channel")};
  for (int column = 1; column < kColumnCount; ++column) header << ChannelTableModel::columnCaption(column);
  header << tr("Result");
  m_table = new QTableWidget(static_cast<int>(import.rows.size()), static_cast<int>(header.size()), this);
  m_table->setObjectName(QStringLiteral("previewTable"));
  m_table->setHorizontalHeaderLabels(header);
  m_table->verticalHeader()->hide();
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table->setSelectionMode(QAbstractItemView::NoSelection);
  for (int row = 0; row < static_cast<int>(import.rows.size()); ++row) {
    const ImportRow& entry = import.rows[static_cast<std::size_t>(row)];
    const auto set = [this, row](int column, const QString& text) {
      auto* item = new QTableWidgetItem(text);
      item->setTextAlignment(Qt::AlignCenter);
      m_table->setItem(row, column, item);
    };
    set(kLineColumn, QString::number(entry.line));
    QString result;
    switch (entry.fate) {
      case ImportRow::Fate::Placed:
        set(kChannelColumn, QStringLiteral("%1").arg(entry.channel, 2, 10, QLatin1Char('0')));
        result = entry.notes.empty() ? tr("imported") : Joined(entry.notes, language);
        break;
      case ImportRow::Fate::LeftOut:
        result = Joined(entry.reasons, language);
        break;
      case ImportRow::Fate::LeftOver:
        result = tr("left over: no channel is free for it");
        break;
    }
    if (entry.fate != ImportRow::Fate::LeftOut)
      for (int column = 1; column < kColumnCount; ++column)
        set(kFirstValueColumn + column - 1, ChannelTableModel::cellText(entry.value, entry.channel, column, language));
    set(kResultColumn, result);
    if (entry.fate != ImportRow::Fate::Placed)
      for (int column = 0; column < m_table->columnCount(); ++column)
        if (QTableWidgetItem* item = m_table->item(row, column)) item->setForeground(QColor(0xA0, 0x20, 0x20));
  }
  m_table->resizeColumnsToContents();
  m_table->horizontalHeader()->setStretchLastSection(true);

  m_notices = new QLabel(this);
  m_notices->setWordWrap(true);
  QStringList notices;
  for (const ListMessage& notice : import.notices) notices << notice.text(language);
  m_notices->setText(notices.join(QLatin1Char('\n')));
  m_notices->setVisible(!notices.isEmpty());

  auto* buttons = new QDialogButtonBox(this);
  m_import = buttons->addButton(tr("Import"), QDialogButtonBox::AcceptRole);
  m_import->setObjectName(QStringLiteral("importButton"));
  m_import->setEnabled(import.placedCount() > 0);
  buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_summary);
  layout->addWidget(m_table, 1);
  layout->addWidget(m_notices);
  layout->addWidget(buttons);
  resize(900, 480);
}

}  // namespace qx210
