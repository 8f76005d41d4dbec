// Starts the main window as the program does, on the parameter file and
// language-hint store named on the command line, prints the language it
// started in and closes it again (which stores the parameter file).
//   first_start_probe <parameter file> <hint store (.ini)>
#include <QApplication>
#include <QSettings>
#include <cstdio>

#include "core/language.h"
#include "gui/main_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QStringList arguments = QCoreApplication::arguments();
  if (arguments.size() != 3) {
    std::fputs("usage: first_start_probe <parameter file> <hint store>\n", stderr);
    return 2;
  }
  qx210::MainWindowConfig config;
  config.parameterFile = arguments.at(1);
  config.languageHintStore = [path = arguments.at(2)] {
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
  };
  config.portCatalogue = [] { return qx210::PortCatalogue(); };
  qx210::MainWindow window(config);
  window.show();
  std::printf("language=%d title=%s\n", qx210::CurrentLanguage(), qPrintable(window.windowTitle()));
  window.close();
  return 0;
}
