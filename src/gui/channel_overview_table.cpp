#include "gui/channel_overview_table.h"

#include <QHeaderView>
#include <QTableWidget>

#include "core/channel.h"

namespace qx210 {

QString ChannelNumberText(int number) { return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0')); }

QTableWidget* NewChannelOverviewTable(const QStringList& captions, QWidget* parent) {
  auto* table = new QTableWidget(kChannelCount, static_cast<int>(captions.size()), parent);
  table->setHorizontalHeaderLabels(captions);
  QStringList numbers;
  for (int n = 1; n <= kChannelCount; ++n) numbers << ChannelNumberText(n);
  table->setVerticalHeaderLabels(numbers);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setTabKeyNavigation(false);
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  return table;
}

}  // namespace qx210
