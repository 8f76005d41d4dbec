// Opens the main window with 16 channels under a given font size, language
// and palette, checks that it shows everything whole, and saves a picture:
//   qx210-window-check [--lang zh|en] [--font FAMILY] [--point-size N] [--dark] [--maximize] [--out file.png]
// Checked: the window fits the screen; every channel row lies inside the
// table's viewport; no header caption, panel caption or list entry is cut;
// every row's text stands out from its background. Prints one line per fault
// and exits with 1 when there is any. Runs on any platform plugin (the tests
// use offscreen with a 1600x1000 screen, scripts/screenshots.sh Xvfb).
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "core/bands.h"
#include "core/frequency_entry.h"
#include "core/tone_entry.h"
#include "gui/channel_grid.h"
#include "gui/colour_contrast.h"
#include "gui/main_window.h"
#include "scene_config.h"
#include "gui/settings_panel.h"

using namespace qx210;

namespace {

QPalette DarkPalette() {
  QPalette p;
  const QColor window(0x35, 0x35, 0x35);
  const QColor base(0x2a, 0x2a, 0x2a);
  const QColor text(0xee, 0xee, 0xee);
  p.setColor(QPalette::Window, window);
  p.setColor(QPalette::WindowText, text);
  p.setColor(QPalette::Base, base);
  p.setColor(QPalette::AlternateBase, QColor(0x3a, 0x3a, 0x42));
  p.setColor(QPalette::Text, text);
  p.setColor(QPalette::Button, window);
  p.setColor(QPalette::ButtonText, text);
  p.setColor(QPalette::ToolTipBase, base);
  p.setColor(QPalette::ToolTipText, text);
  p.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
  p.setColor(QPalette::HighlightedText, Qt::black);
  p.setColor(QPalette::PlaceholderText, QColor(0x90, 0x90, 0x90));
  p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
  p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
  p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
  return p;
}

int g_faults = 0;

void Fault(const QString& what) {
  std::printf("FAULT %s\n", qPrintable(what));
  ++g_faults;
}

void CheckTable(const ChannelGrid& grid) {
  const QRect viewport = grid.viewport()->rect();
  for (int row = 0; row < grid.model()->rowCount(); ++row)
    for (int column = 0; column < grid.model()->columnCount(); ++column) {
      const QModelIndex index = grid.model()->index(row, column);
      const QRect cell = grid.visualRect(index);
      if (!viewport.contains(cell))
        Fault(QStringLiteral("cell (%1, %2) lies outside the table").arg(row + 1).arg(column));
      const QString text = index.data().toString();
      if (grid.fontMetrics().horizontalAdvance(text) + 4 > cell.width())
        Fault(QStringLiteral("cell (%1, %2) cuts \"%3\"").arg(row + 1).arg(column).arg(text));
    }
  const QHeaderView* header = grid.horizontalHeader();
  const int margin = 2 * grid.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
  for (int column = 0; column < grid.model()->columnCount(); ++column) {
    const QString caption = grid.model()->headerData(column, Qt::Horizontal).toString();
    if (header->fontMetrics().horizontalAdvance(caption) + margin > header->sectionSize(column))
      Fault(QStringLiteral("header caption \"%1\" is cut").arg(caption));
    if (header->fontMetrics().height() > header->height())
      Fault(QStringLiteral("header row is lower than its captions"));
  }
  // Each row's background against the text drawn on it.
  const QColor text = grid.palette().color(QPalette::Text);
  for (int row = 0; row < 2; ++row) {
    QColor background = grid.palette().color(QPalette::Base);
    const QVariant brush = grid.model()->index(row, 1).data(Qt::BackgroundRole);
    if (brush.isValid())
      background = brush.value<QBrush>().color();
    else if (grid.alternatingRowColors() && row % 2 == 1)
      background = grid.palette().color(QPalette::AlternateBase);
    const double ratio = ContrastRatio(background, text);
    std::printf("channel %d: background %s, text %s, contrast %.1f\n", row + 1, qPrintable(background.name()),
                qPrintable(text.name()), ratio);
    if (ratio < kReadableContrast) Fault(QStringLiteral("channel %1's text is hard to read (contrast %2)").arg(row + 1).arg(ratio));
  }
}

void CheckPanels(const QMainWindow& window) {
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (!label->isVisible() || label->text().isEmpty()) continue;
    if (label->fontMetrics().horizontalAdvance(label->text()) > label->contentsRect().width())
      Fault(QStringLiteral("caption \"%1\" is cut").arg(label->text()));
  }
  for (const QGroupBox* frame : window.findChildren<QGroupBox*>())
    if (frame->isVisible() && frame->fontMetrics().horizontalAdvance(frame->title()) + 16 > frame->width())
      Fault(QStringLiteral("frame title \"%1\" is cut").arg(frame->title()));
  for (const QComboBox* combo : window.findChildren<QComboBox*>()) {
    if (!combo->isVisible()) continue;
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    for (int i = 0; i < combo->count(); ++i)
      if (combo->fontMetrics().horizontalAdvance(combo->itemText(i)) > field.width()) {
        Fault(QStringLiteral("list %1 cuts \"%2\"").arg(combo->objectName(), combo->itemText(i)));
        break;
      }
  }
  for (const QWidget* child : window.findChildren<QWidget*>())
    if (child->isVisible() && child->parentWidget() == window.centralWidget() &&
        !window.centralWidget()->rect().contains(child->geometry()))
      Fault(QStringLiteral("%1 lies outside the window").arg(child->objectName()));
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QString language = QStringLiteral("en");
  QString out;
  QString family;
  int pointSize = 0;
  bool dark = false;
  bool maximize = false;
  const QStringList args = QCoreApplication::arguments();
  for (int i = 1; i < args.size(); ++i) {
    const QString& a = args.at(i);
    if (a == QLatin1String("--lang") && i + 1 < args.size()) language = args.at(++i);
    else if (a == QLatin1String("--point-size") && i + 1 < args.size()) pointSize = args.at(++i).toInt();
    else if (a == QLatin1String("--font") && i + 1 < args.size()) family = args.at(++i);
    else if (a == QLatin1String("--out") && i + 1 < args.size()) out = args.at(++i);
    else if (a == QLatin1String("--dark")) dark = true;
    else if (a == QLatin1String("--maximize")) maximize = true;
    else {
      std::fprintf(stderr, "usage: %s [--lang zh|en] [--font FAMILY] [--point-size N] [--dark] [--maximize] [--out file.png]\n",
                   qPrintable(args.first()));
      return 2;
    }
  }
  QFont font = QApplication::font();
  if (!family.isEmpty()) font.setFamily(family);
  if (pointSize > 0) font.setPointSize(pointSize);
  QApplication::setFont(font);
  if (dark) {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(DarkPalette());
  }

  QTemporaryDir dir;
  const std::optional<MainWindowConfig> config = SceneConfig(dir, language == QLatin1String("zh"));
  if (!config) return 1;
  MainWindow window(*config);

  // Every channel in use, with the longest texts each column shows.
  RadioState state = window.document().state();
  state.band = 0;  // 400-480MHz
  for (int n = 1; n <= kChannelCount; ++n) {
    CommitFrequencyEntry(state.channel(n), state.band, kColRxFreq, QStringLiteral("446.%1").arg(n * 6250, 5, 10, QLatin1Char('0')));
    state.channel(n).rxTone = *CheckToneEntry(n % 2 ? QStringLiteral("D754I") : QStringLiteral("254.1"), -1);
    state.channel(n).bclo = true;
    state.channel(n).wide = n % 2;
  }
  window.document().apply(state, EditKind::Channels);

  window.move(0, 0);
  if (maximize)
    window.showMaximized();
  else
    window.show();
  if (!QTest::qWaitForWindowExposed(&window, 5000)) return 1;
  QTest::qWait(200);

  const QRect screen = window.screen()->availableGeometry();
  std::printf("screen %dx%d, window %dx%d, font %s %gpt, scale %g\n", screen.width(), screen.height(), window.width(),
              window.height(), qPrintable(QApplication::font().family()), QApplication::font().pointSizeF(),
              window.devicePixelRatioF());
  if (window.width() > screen.width() || window.height() > screen.height())
    Fault(QStringLiteral("the window (%1x%2) is larger than the screen").arg(window.width()).arg(window.height()));
  QStringList widths;
  for (int c = 0; c < window.grid()->model()->columnCount(); ++c) widths << QString::number(window.grid()->columnWidth(c));
  std::printf("table %dx%d, columns %s, rows %d\n", window.grid()->width(), window.grid()->height(),
              qPrintable(widths.join(QLatin1Char(' '))), window.grid()->rowHeight(0));
  CheckTable(*window.grid());
  CheckPanels(window);
  if (!out.isEmpty() && !window.grab().save(out)) Fault(QStringLiteral("cannot save %1").arg(out));
  std::printf("%s\n", g_faults ? "FAILED" : "OK");
  return g_faults ? 1 : 0;
}
