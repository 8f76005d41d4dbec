#pragma once

#include <QMainWindow>

class QTableWidget;

namespace qx210 {

// The program's only top-level window (Form1).
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);

 private:
  QTableWidget* m_grid = nullptr;
};

}  // namespace qx210
