#include "shell/main_window.h"

#include <QHeaderView>
#include <QTableWidget>

#include "editor/channel_table.h"

namespace qx210 {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("ZERATH QX-210 写频软件 V1.80"));
  m_grid = new QTableWidget(kChannelCount, kColumnCount - 1, this);
  m_grid->setObjectName(QStringLiteral("Grid1"));
  for (int row = 1; row <= kChannelCount; ++row)
    m_grid->setVerticalHeaderItem(row - 1, new QTableWidgetItem(ChannelTable::channelNumberText(row)));
  setCentralWidget(m_grid);
  resize(820, 420);
}

}  // namespace qx210
