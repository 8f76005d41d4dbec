// Saves a picture of every auxiliary dialog in Chinese and in English:
//   dialog_screenshots <output folder>
// Run under a display server (scripts/dialog_screenshots.sh uses Xvfb).
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QPixmap>
#include <QTest>
#include <cstdio>

#include "gui/about_dialog.h"
#include "gui/debug_parameters_dialog.h"
#include "gui/dialog_set.h"
#include "gui/embedded_message_dialog.h"
#include "gui/key_assignment_dialog.h"
#include "gui/optional_functions_dialog.h"
#include "gui/test_frequency_dialog.h"
#include "core/document.h"
#include "core/language.h"

using namespace qx210;

namespace {

bool Save(QWidget& dialog, const QDir& folder, const QString& name) {
  dialog.adjustSize();
  (void)QTest::qWaitForWindowExposed(&dialog, 3000);
  QTest::qWait(150);
  const QString path = folder.filePath(name + QStringLiteral(".png"));
  const bool ok = dialog.grab().save(path);
  std::printf("%s %s (%dx%d)\n", ok ? "wrote" : "FAILED", qPrintable(path), dialog.width(), dialog.height());
  dialog.hide();
  return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
    return 2;
  }
  QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(QStringLiteral("."))) return 1;

  Document document;
  RadioState state;
  RadioSettings& s = state.settings;
  s.message = {QStringLiteral("ZERATH QX-210"), QStringLiteral("Welcome / 0123456789")};
  s.testFrequencies.rx[0] = *Frequency::fromText(QStringLiteral("446.00625"));
  s.testFrequencies.tx[0] = *Frequency::fromText(QStringLiteral("446.00625"));
  s.testFrequencies.rx[1] = *Frequency::fromText(QStringLiteral("145.01250"));
  s.testFrequencies.tx[1] = *Frequency::fromText(QStringLiteral("150.10000"));
  s.optional.dropoutDelayTime = 30;
  document.apply(state, EditKind::OptionalFunctions);
  DialogSet dialogs(document);

  bool ok = true;
  for (const auto& [language, suffix] : {std::pair{kChinese, "zh"}, std::pair{kEnglish, "en"}}) {
    SetLanguage(language);
    for (int i = 0; i < 3; ++i) QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    const QString tag = QString::fromLatin1(suffix);
    dialogs.showOptionalFunctions();
    ok &= Save(dialogs.optionalFunctions(), folder, QStringLiteral("form5_optional_functions_") + tag);
    dialogs.showKeyAssignment();
    ok &= Save(dialogs.keyAssignment(), folder, QStringLiteral("form6_key_assignment_") + tag);
    dialogs.showEmbeddedMessage();
    ok &= Save(dialogs.embeddedMessage(), folder, QStringLiteral("form7_embedded_message_") + tag);
    dialogs.showDebugParameters();
    ok &= Save(dialogs.debugParameters(), folder, QStringLiteral("form2_debug_parameters_") + tag);
    dialogs.showTestFrequencies();
    ok &= Save(dialogs.testFrequencies(), folder, QStringLiteral("form4_test_frequency_") + tag);
    dialogs.showAbout();
    ok &= Save(dialogs.about(), folder, QStringLiteral("frmabout_") + tag);
  }
  return ok ? 0 : 1;
}
