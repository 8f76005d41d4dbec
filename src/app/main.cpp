#include <QApplication>

#include "gui/main_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("qx210"));
  QApplication::setApplicationVersion(QStringLiteral(QX210_VERSION));
  qx210::MainWindow window;
  // Closing the main window ends the program, even with a dialog still open.
  QObject::connect(&window, &qx210::MainWindow::shutDown, &app, &QCoreApplication::quit, Qt::QueuedConnection);
  window.show();
  return QApplication::exec();
}
