#include <QApplication>

#include "shell/main_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("qx210"));
  QApplication::setApplicationVersion(QStringLiteral(QX210_VERSION));
  qx210::MainWindow window;
  window.show();
  return QApplication::exec();
}
