// Shows the main window with a few channels for scripts/screenshots.sh.
//   qx210-screenshot-scene zh|en [menu]
// Prints "ready" once the window is painted, then stays until killed (at
// most 30 s). With "menu" the Programming menu is dropped down too.
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "core/bands.h"
#include "core/frequency_entry.h"
#include "core/tone_entry.h"
#include "gui/main_window.h"
#include "scene_config.h"

using namespace qx210;

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const bool chinese = argc > 1 && qstrcmp(argv[1], "zh") == 0;
  const bool menu = argc > 2 && qstrcmp(argv[2], "menu") == 0;
  QTemporaryDir dir;
  const std::optional<MainWindowConfig> config = SceneConfig(dir, chinese);
  if (!config) return 1;
  MainWindow window(*config);

  // A VHF radio with a few channels, entered by the rules of the table.
  RadioState state = window.document().state();
  state.band = kVhfBandPosition;
  const char* frequencies[] = {"145.0125", "145.5", "146.52", "150.025", "156.8", "162.55"};
  for (int n = 1; n <= 6; ++n)
    CommitFrequencyEntry(state.channel(n), state.band, kColRxFreq, QString::fromLatin1(frequencies[n - 1]));
  CommitFrequencyEntry(state.channel(2), state.band, kColTxFreq, QStringLiteral("145.9"));
  state.channel(1).rxTone = *CheckToneEntry(QStringLiteral("88.5"), -1);
  state.channel(1).txTone = *CheckToneEntry(QStringLiteral("88.5"), -1);
  state.channel(3).txTone = *CheckToneEntry(QStringLiteral("D023N"), -1);
  state.channel(4).rxTone = *CheckToneEntry(QStringLiteral("D754I"), -1);
  state.channel(2).highPower = false;
  state.channel(4).bclo = true;
  state.channel(5).wide = false;
  state.channel(6).scanAdd = false;
  window.document().apply(state, EditKind::Channels);

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
