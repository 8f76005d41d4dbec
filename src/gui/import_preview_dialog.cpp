#include "gui/import_preview_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/language.h"
#include "gui/channel_overview_table.h"
#include "gui/channel_table_model.h"

namespace qx210 {

namespace {

// The columns of the file's rows: the row's line, where it goes, what it
// gives (as the channel table would show it) and why it was not imported.
constexpr int kLineColumn = 0;
constexpr int kChannelColumn = 1;
constexpr int kFirstValueColumn = 2;  // channel table columns 1..8
constexpr int kResultColumn = kFirstValueColumn + kColumnCount - 1;

// The columns of the channels: now and after the import.
constexpr int kNowColumn = 0;
constexpr int kAfterColumn = 1;

QString Joined(const std::vector<ListMessage>& messages, UiLanguage language) {
  QStringList lines;
  for (const ListMessage& message : messages) lines << message.text(language);
  return lines.join(QStringLiteral("; "));
}

// A channel on one line, its cells in table order; empty when not in use.
QString ChannelLine(const Channel& channel, int number, UiLanguage language) {
  if (!channel.inUse()) return {};
  QStringList cells;
  for (int column = 1; column < kColumnCount; ++column)
    cells << ChannelTableModel::cellText(channel, number, column, language);
  return cells.join(QStringLiteral("  "));
}

}  // namespace

ImportPreviewDialog::ImportPreviewDialog(const ChannelImport& import, const RadioState& current,
                                         const QString& fileName, QWidget* parent)
    : QDialog(parent), m_list(import), m_current(current) {
  setObjectName(QStringLiteral("importPreview"));
  setWindowTitle(tr("Import channels"));
  const UiLanguage language = CurrentLanguage();

  m_summary = new QLabel(this);
  m_summary->setWordWrap(true);
  m_summary->setText(tr("%1: %2 rows go to channels, %3 are not imported.")
                         .arg(fileName)
                         .arg(import.placedCount())
                         .arg(import.notImportedCount()));

  m_replace = new QRadioButton(tr("&Replace all channels"), this);
  m_replace->setObjectName(QStringLiteral("replaceAll"));
  m_merge = new QRadioButton(tr("&Merge into these channels"), this);
  m_merge->setObjectName(QStringLiteral("mergeInto"));
  m_merge->setChecked(true);
  auto* modes = new QButtonGroup(this);
  modes->addButton(m_replace);
  modes->addButton(m_merge);
  connect(m_replace, &QRadioButton::toggled, this, &ImportPreviewDialog::showResult);

  auto* channelsLabel = new QLabel(tr("C&hannels:"), this);
  m_channels = NewChannelOverviewTable({tr("Now"), tr("After the import")}, this);
  m_channels->setObjectName(QStringLiteral("previewChannels"));
  m_channels->setAccessibleName(tr("Channels now and after the import"));
  channelsLabel->setBuddy(m_channels);
  for (int n = 1; n <= kChannelCount; ++n)
    m_channels->setItem(n - 1, kNowColumn, new QTableWidgetItem(ChannelLine(current.channel(n), n, language)));

  auto* rowsLabel = new QLabel(tr("R&ows of the file:"), this);
  QStringList header{tr("Line"), tr("Channel")};
  for (int column = 1; column < kColumnCount; ++column) header << ChannelTableModel::columnCaption(column);
  header << tr("Result");
  m_table = new QTableWidget(static_cast<int>(import.rows.size()), static_cast<int>(header.size()), this);
  m_table->setObjectName(QStringLiteral("previewTable"));
  m_table->setAccessibleName(tr("Rows of the file"));
  rowsLabel->setBuddy(m_table);
  m_table->setHorizontalHeaderLabels(header);
  m_table->verticalHeader()->hide();
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table->setTabKeyNavigation(false);
  m_table->setSelectionMode(QAbstractItemView::NoSelection);
  m_table->setWordWrap(true);
  for (int row = 0; row < static_cast<int>(import.rows.size()); ++row) {
    const ImportRow& entry = import.rows[static_cast<std::size_t>(row)];
    const auto set = [this, row](int column, const QString& text) {
      auto* item = new QTableWidgetItem(text);
      item->setTextAlignment(Qt::AlignCenter);
      m_table->setItem(row, column, item);
      return item;
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
    // A reason may be long: it wraps in its cell and shows whole as a tip.
    QTableWidgetItem* resultItem = set(kResultColumn, result);
    resultItem->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    resultItem->setToolTip(result);
    if (entry.fate != ImportRow::Fate::Placed)
      for (int column = 0; column < m_table->columnCount(); ++column)
        if (QTableWidgetItem* item = m_table->item(row, column)) item->setForeground(QColor(0xA0, 0x20, 0x20));
  }
  m_table->resizeColumnsToContents();
  m_table->horizontalHeader()->setSectionResizeMode(kResultColumn, QHeaderView::Stretch);
  // Rows grow to show a long reason whole whenever its column changes width.
  connect(m_table->horizontalHeader(), &QHeaderView::sectionResized, m_table, &QTableView::resizeRowsToContents);
  m_table->resizeRowsToContents();

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

  auto* modeRow = new QHBoxLayout;
  modeRow->addWidget(m_merge);
  modeRow->addWidget(m_replace);
  modeRow->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_summary);
  layout->addLayout(modeRow);
  layout->addWidget(channelsLabel);
  layout->addWidget(m_channels, 3);
  layout->addWidget(rowsLabel);
  layout->addWidget(m_table, 2);
  layout->addWidget(m_notices);
  layout->addWidget(buttons);
  showResult();
  resize(900, 640);
}

ImportMode ImportPreviewDialog::mode() const {
  return m_replace->isChecked() ? ImportMode::Replace : ImportMode::Merge;
}

void ImportPreviewDialog::showResult() {
  const UiLanguage language = CurrentLanguage();
  const RadioState after = ApplyImport(m_list, m_current, mode());
  for (int n = 1; n <= kChannelCount; ++n) {
    auto* item = new QTableWidgetItem(ChannelLine(after.channel(n), n, language));
    // What the import changes stands out.
    QFont font = item->font();
    font.setBold(after.channel(n) != m_current.channel(n));
    item->setFont(font);
    m_channels->setItem(n - 1, kAfterColumn, item);
  }
}

}  // namespace qx210
