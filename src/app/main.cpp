// qx210: the programming tool's window. `qx210 FILE.DAT` opens that data
// file; --help and --version print and end without a window, so they work
// without a display.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "gui/help.h"
#include "gui/main_window.h"

namespace {

constexpr int kExitUsage = 2;

void Configure(QCommandLineParser& parser) {
  const QString guide = QDir(qx210::DefaultHelpFolder()).filePath(qx210::HelpFileName());
  parser.setApplicationDescription(
      QStringLiteral("Reads, edits and writes the memory of a ZERATH QX-210 radio.\n"
                     "User guide: %1%2")
          .arg(QDir::toNativeSeparators(guide),
               QFileInfo::exists(guide) ? QString() : QStringLiteral(" (not installed)")));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A data file (.DAT) to open."),
                               QStringLiteral("[FILE.DAT]"));
}

// Whether the command line asks only for text, which needs no window system.
bool AsksForTextOnly(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i)
    for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
      if (std::strcmp(argv[i], option) == 0) return true;
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication::setApplicationName(QStringLiteral("qx210"));
  QCoreApplication::setApplicationVersion(QStringLiteral(QX210_VERSION));

  if (AsksForTextOnly(argc, argv)) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    Configure(parser);
    parser.parse(QCoreApplication::arguments());  // other options do not matter here
    if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
    parser.showHelp(0);  // both end the process
  }

  QApplication app(argc, argv);
  // Ties the window to its desktop entry (its icon on Wayland and in docks).
  QGuiApplication::setDesktopFileName(QStringLiteral(QX210_APP_ID));
  // The installed icon, where the icon theme has it (no icon in a build tree).
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(QX210_APP_ID)));
  QCommandLineParser parser;
  Configure(parser);
  // Qt's own options (-platform ...) are gone from the arguments by now.
  if (!parser.parse(QCoreApplication::arguments())) {
    std::fprintf(stderr, "qx210: %s (see qx210 --help)\n", qPrintable(parser.errorText()));
    return kExitUsage;
  }
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    std::fputs("qx210: give at most one data file (see qx210 --help)\n", stderr);
    return kExitUsage;
  }

  qx210::MainWindow window;
  // Closing the main window ends the program, even with a dialog still open.
  QObject::connect(&window, &qx210::MainWindow::shutDown, &app, &QCoreApplication::quit, Qt::QueuedConnection);
  window.show();
  if (!files.isEmpty()) {
    // Once the window is up, so that a message about the file has its owner.
    const QString path = QFileInfo(files.first()).absoluteFilePath();
    QTimer::singleShot(0, &window, [&window, path] { window.openFile(path); });
  }
  return QApplication::exec();
}
