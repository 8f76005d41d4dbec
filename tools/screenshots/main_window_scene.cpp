// Shows the main window with a few channels for scripts/screenshots.sh.
//   qx210-screenshot-scene zh|en [menu]
// Prints "ready" once the window is painted, then stays until killed (at
// most 30 s). With "menu" the Programming menu is dropped down too.
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "core/band_selection.h"
#include "core/frequency_entry.h"
#include "core/tone_entry.h"
#include "gui/main_window.h"

using namespace qx210;

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const bool chinese = argc > 1 && qstrcmp(argv[1], "zh") == 0;
  const bool menu = argc > 2 && qstrcmp(argv[2], "menu") == 0;
  QTemporaryDir dir;
  {
    QFile parameters(dir.filePath(QStringLiteral("parameter")));
    if (!parameters.open(QIODevice::WriteOnly)) return 1;
    parameters.write(QByteArray(1, '\0') + QByteArray(1, '\0') + QByteArray(1, chinese ? '\0' : '\1'));
  }
  MainWindowConfig config;
  config.parameterFile = dir.filePath(QStringLiteral("parameter"));
  config.languageHintStore = [path = dir.filePath(QStringLiteral("QB-7.ini"))] {
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
  };
  config.portCatalogue = [] { return PortCatalogue(); };
  MainWindow window(config);

  // A VHF radio with a few channels.
  Editor& editor = window.editor();
  SelectBandByProgram(editor.state().band, kVhfBandPosition);
  const UiLanguage language = editor.language();
  ChannelTable& table = editor.table();
  const char* frequencies[] = {"145.0125", "145.5", "146.52", "150.025", "156.8", "162.55"};
  for (int i = 0; i < 6; ++i)
    CommitFrequencyEntry(table, editor.state().band, i + 1, kColRxFreq, QString::fromLatin1(frequencies[i]), language);
  CommitFrequencyEntry(table, editor.state().band, 2, kColTxFreq, QStringLiteral("145.9"), language);
  CommitToneEntry(table, 1, kColRxTone, QStringLiteral("88.5"), -1);
  CommitToneEntry(table, 1, kColTxTone, QStringLiteral("88.5"), -1);
  CommitToneEntry(table, 3, kColTxTone, QStringLiteral("D023N"), -1);
  CommitToneEntry(table, 4, kColRxTone, QStringLiteral("D754I"), -1);
  table.setOption(2, kColPower, 0, language);
  table.setOption(4, kColBclo, 1, language);
  table.setOption(5, kColWn, 0, language);
  table.setOption(6, kColScanAdd, 0, language);
  editor.notifyBandChanged();
  editor.notifyTableChanged();

  window.move(0, 0);
  window.show();
  QTimer::singleShot(500, &window, [&window, menu] {
    if (menu) {
      QMenu* programming = window.findChild<QMenu*>(QStringLiteral("mnupro"));
      window.menuBar()->setActiveAction(programming->menuAction());
    }
    QTimer::singleShot(300, &window, [] {
      std::puts("ready");
      std::fflush(stdout);
    });
  });
  QTimer::singleShot(30000, &app, &QCoreApplication::quit);
  return QApplication::exec();
}
