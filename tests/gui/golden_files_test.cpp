// The data-file goldens: a freshly started window opens each input through
// File > Open and saves it through File > Save As; the saved file must equal
// the expected one byte for byte. The goldens were made apart from this code.
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "gui/file_chooser.h"
#include "support/file_dialog_answers.h"
#include "support/main_window_fixture.h"

namespace qx210::testing {
namespace {

const QString kGoldens = QStringLiteral(QX210_GOLDENS_DIR);

struct GoldenCase {
  std::string name;
  QString input;     // relative to the goldens' folder
  QString expected;
};

// The case's name in test output.
void PrintTo(const GoldenCase& golden, std::ostream* os) { *os << golden.name; }

std::vector<GoldenCase> GoldenCases() {
  std::vector<GoldenCase> cases;
  QFile file(kGoldens + QStringLiteral("/manifest.json"));
  if (!file.open(QIODevice::ReadOnly)) return cases;
  for (const QJsonValue& value : QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("cases")).toArray()) {
    const QJsonObject object = value.toObject();
    cases.push_back({object.value(QStringLiteral("name")).toString().toStdString(),
                     object.value(QStringLiteral("input")).toString(),
                     object.value(QStringLiteral("expected")).toString()});
  }
  return cases;
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The first differing bytes, by radio address, for the failure message.
std::string FirstDifferences(const QByteArray& saved, const QByteArray& expected) {
  std::string text;
  int shown = 0;
  for (qsizetype i = 0; i < std::max(saved.size(), expected.size()) && shown < 8; ++i) {
    const int a = i < saved.size() ? static_cast<unsigned char>(saved[i]) : -1;
    const int b = i < expected.size() ? static_cast<unsigned char>(expected[i]) : -1;
    if (a == b) continue;
    text += QStringLiteral("0x%1: saved %2, expected %3\n")
                .arg(0x10 + i, 4, 16, QLatin1Char('0'))
                .arg(a, 2, 16, QLatin1Char('0'))
                .arg(b, 2, 16, QLatin1Char('0'))
                .toStdString();
    ++shown;
  }
  return text;
}

class GoldenFile : public MainWindowTest, public ::testing::WithParamInterface<GoldenCase> {
 protected:
  // Runs the window's command `name` with its file dialog answered by `path`.
  void runFileCommand(const char* name, const QString& path) {
    auto* action = window->findChild<QAction*>(QString::fromLatin1(name));
    ASSERT_NE(action, nullptr) << name;
    FileDialogAnswers answer({path});
    action->trigger();
    EXPECT_EQ(answer.seen(), 1) << name;
  }
};

TEST_P(GoldenFile, OpenThenSaveGivesTheExpectedBytes) {
  const GoldenCase& golden = GetParam();
  start();
  window->fileChooser().setDialogOptions(QFileDialog::DontUseNativeDialog);
  const QString saved = dir.filePath(QStringLiteral("saved.DAT"));
  runFileCommand("mnuOpen", QDir(kGoldens).filePath(golden.input));
  runFileCommand("saveAsAction", saved);
  // Every input is this radio's: nothing to ask, nothing refused.
  EXPECT_TRUE(boxes.empty()) << boxes.front().text.toStdString();
  const QByteArray expected = Contents(QDir(kGoldens).filePath(golden.expected));
  ASSERT_EQ(expected.size(), 848);
  const QByteArray bytes = Contents(saved);
  EXPECT_TRUE(bytes == expected) << FirstDifferences(bytes, expected);
}

INSTANTIATE_TEST_SUITE_P(Goldens, GoldenFile, ::testing::ValuesIn(GoldenCases()),
                         [](const ::testing::TestParamInfo<GoldenCase>& info) { return info.param.name; });

// A manifest that cannot be read would leave nothing to run.
TEST(GoldenFiles, AllThirtySevenCasesAreThere) { EXPECT_EQ(GoldenCases().size(), 37u); }

}  // namespace
}  // namespace qx210::testing
