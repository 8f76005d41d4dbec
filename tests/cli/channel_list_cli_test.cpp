#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "core/backups.h"
#include "core/channel_csv.h"
#include "core/codec.h"
#include "core/data_file.h"
#include "support/cli_run.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

// qx210-cli as a user runs it: the verbs on data files and channel lists.
namespace qx210 {
namespace {

using test::CliRun;
using test::RunCli;

Frequency Mhz(const char* text) { return *Frequency::fromText(QString::fromLatin1(text)); }

class ChannelListCli : public ::testing::Test {
 protected:
  QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
  QString sample(const char* name) const {
    return QStringLiteral(QX210_CHANNEL_LISTS_DIR "/") + QString::fromLatin1(name);
  }
  void writeState(const char* name, const RadioState& state) const {
    ASSERT_TRUE(WriteDataFile(path(name), EncodeImage(state)).ok);
  }
  void writeText(const char* name, const QByteArray& text) const {
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }
  RadioState readState(const char* name) const {
    QByteArray image;
    EXPECT_TRUE(ReadDataFile(path(name), image).ok) << name;
    RadioState state;
    DecodeImage(image, state);
    return state;
  }
  static RadioState Sample() {
    RadioState state;
    state.channel(1) = NewChannel(Mhz("446.00625"));
    state.channel(3) = NewChannel(Mhz("442.10000"));
    state.channel(3).tx = Mhz("447.10000");
    state.channel(3).txTone = *Tone::qt(670);
    state.settings.panel.squelchLevel = 5;
    return state;
  }

  QTemporaryDir m_dir;
};

TEST_F(ChannelListCli, HelpListsEveryVerbWithAnExample) {
  const CliRun run = RunCli({QStringLiteral("--help")});
  EXPECT_EQ(run.exitCode, 0);
  for (const char* line : {"qx210-cli read --port", "qx210-cli write --port", "qx210-cli export --in radio.DAT --csv",
                           "qx210-cli import --csv", "qx210-cli info radio.DAT", "qx210-cli diff old.DAT new.DAT"})
    EXPECT_TRUE(run.out.contains(QLatin1String(line))) << line;
  const CliRun verbHelp = RunCli({QStringLiteral("import"), QStringLiteral("--help")});
  EXPECT_EQ(verbHelp.exitCode, 0);
  EXPECT_TRUE(verbHelp.out.contains(QStringLiteral("--strict")));
}

TEST_F(ChannelListCli, ExportWritesTheListOfTheFile) {
  writeState("radio.DAT", Sample());
  const CliRun run = RunCli({QStringLiteral("export"), QStringLiteral("--in"), path("radio.DAT"),
                             QStringLiteral("--csv"), path("out.csv")});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  QFile file(path("out.csv"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(file.readAll()), ExportChannelList(Sample()).text);
  EXPECT_TRUE(run.err.contains(QStringLiteral("2 channel(s) written")));

  const CliRun toStdout = RunCli({QStringLiteral("export"), QStringLiteral("--in"), path("radio.DAT"),
                                  QStringLiteral("--csv"), QStringLiteral("-")});
  EXPECT_EQ(toStdout.exitCode, 0);
  EXPECT_EQ(toStdout.out, ExportChannelList(Sample()).text);
}

TEST_F(ChannelListCli, ExportStatuses) {
  EXPECT_EQ(RunCli({QStringLiteral("export"), QStringLiteral("--csv"), path("x.csv")}).exitCode, 2);
  const CliRun missing = RunCli({QStringLiteral("export"), QStringLiteral("--in"), path("none.DAT"),
                                 QStringLiteral("--csv"), path("x.csv")});
  EXPECT_EQ(missing.exitCode, 4);
  EXPECT_TRUE(missing.err.contains(QStringLiteral("Cannot open")));
  writeState("radio.DAT", Sample());
  EXPECT_EQ(RunCli({QStringLiteral("export"), QStringLiteral("--in"), path("radio.DAT"), QStringLiteral("--csv"),
                    path("no/such/folder/x.csv")})
                .exitCode,
            4);
  RadioState odd = Sample();
  odd.channel(3).rxTone = Tone::fromWord(0x0100);
  writeState("odd.DAT", odd);
  const CliRun warned = RunCli({QStringLiteral("export"), QStringLiteral("--in"), path("odd.DAT"),
                                QStringLiteral("--csv"), path("odd.csv")});
  EXPECT_EQ(warned.exitCode, 0);
  EXPECT_TRUE(warned.err.contains(QStringLiteral("Channel 3 was not exported"))) << warned.err.toStdString();
}

TEST_F(ChannelListCli, ImportIntoFreshDefaultsReportsLeftOutRows) {
  const CliRun run = RunCli({QStringLiteral("import"), QStringLiteral("--csv"), sample("repeaters_2m_70cm.csv"),
                             QStringLiteral("--out"), path("new.DAT")});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains(QStringLiteral("line 14: Offset 145.500000 is beyond the frequency range 400-480MHz")))
      << run.err.toStdString();
  EXPECT_TRUE(run.err.contains(QStringLiteral("line 15: Mode \"DV\" is not available")));
  EXPECT_TRUE(run.err.contains(QStringLiteral("5 row(s) imported into channel(s) 08-12, 9 not imported")));
  EXPECT_TRUE(run.out.isEmpty());
  const RadioState state = readState("new.DAT");
  EXPECT_EQ(state.band, 0);
  EXPECT_EQ(state.settings, RadioSettings{});
  EXPECT_EQ(state.channel(9).rx, Mhz("442.12500"));
  EXPECT_FALSE(state.channel(1).inUse());
}

TEST_F(ChannelListCli, ImportOverABaseFileOrIntoAChosenBand) {
  RadioState base = Sample();
  base.band = 5;
  base.channel(1) = NewChannel(Mhz("150.00000"));
  base.channel(3) = Channel{};
  writeState("base.DAT", base);
  const CliRun run = RunCli({QStringLiteral("import"), QStringLiteral("--csv"), sample("repeaters_2m_70cm.csv"),
                             QStringLiteral("--in"), path("base.DAT"), QStringLiteral("--out"), path("new.DAT")});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  const RadioState state = readState("new.DAT");
  EXPECT_EQ(state.band, 5);
  EXPECT_EQ(state.settings.panel.squelchLevel, 5);
  EXPECT_EQ(state.channel(1).rx, Mhz("145.65000"));
  EXPECT_EQ(state.channel(16).rx, Mhz("145.50000"));

  const CliRun band = RunCli({QStringLiteral("import"), QStringLiteral("--csv"), sample("repeaters_2m_70cm.csv"),
                              QStringLiteral("--band"), QStringLiteral("136-174"), QStringLiteral("--out"),
                              path("vhf.DAT")});
  EXPECT_EQ(band.exitCode, 0) << band.err.toStdString();
  EXPECT_EQ(readState("vhf.DAT").band, 5);
  EXPECT_EQ(readState("vhf.DAT").channel(2).tx, Mhz("146.34000"));

  const QStringList both{QStringLiteral("import"), QStringLiteral("--csv"), sample("gmrs.csv"),
                         QStringLiteral("--band"), QStringLiteral("5"), QStringLiteral("--in"), path("base.DAT"),
                         QStringLiteral("--out"), path("x.DAT")};
  EXPECT_EQ(RunCli(both).exitCode, 2);
  EXPECT_EQ(RunCli({QStringLiteral("import"), QStringLiteral("--csv"), sample("gmrs.csv"), QStringLiteral("--band"),
                    QStringLiteral("144-148"), QStringLiteral("--out"), path("x.DAT")})
                .exitCode,
            2);
}

TEST_F(ChannelListCli, ImportStatuses) {
  // Left over rows are fine unless --strict; then nothing is written.
  const QStringList pmr{QStringLiteral("import"), QStringLiteral("--csv"), sample("pmr446_8x16.csv"),
                        QStringLiteral("--out"), path("pmr.DAT")};
  const CliRun loose = RunCli(pmr);
  EXPECT_EQ(loose.exitCode, 0);
  EXPECT_TRUE(loose.err.contains(QStringLiteral("112 rows left over (lines 18 to 129)"))) << loose.err.toStdString();
  EXPECT_TRUE(QFile::exists(path("pmr.DAT")));
  QFile::remove(path("pmr.DAT"));
  const CliRun strict = RunCli(pmr + QStringList{QStringLiteral("--strict")});
  EXPECT_EQ(strict.exitCode, 5);
  EXPECT_TRUE(strict.err.contains(QStringLiteral("--strict: nothing written")));
  EXPECT_FALSE(QFile::exists(path("pmr.DAT")));

  // Nothing fits the band: 5, nothing written.
  writeText("vhf.csv", "Location,Frequency\n1,146.52\n2,145.5\n");
  const CliRun nothing = RunCli({QStringLiteral("import"), QStringLiteral("--csv"), path("vhf.csv"),
                                 QStringLiteral("--out"), path("none.DAT")});
  EXPECT_EQ(nothing.exitCode, 5);
  EXPECT_TRUE(nothing.err.contains(QStringLiteral("line 2: Frequency 146.52 is beyond the frequency range")));
  EXPECT_FALSE(QFile::exists(path("none.DAT")));

  // Files that cannot be read, or are no channel list: 4.
  EXPECT_EQ(RunCli({QStringLiteral("import"), QStringLiteral("--csv"), path("missing.csv"), QStringLiteral("--out"),
                    path("x.DAT")})
                .exitCode,
            4);
  writeText("other.csv", "Name,Call\nA,B\n");
  const CliRun other = RunCli({QStringLiteral("import"), QStringLiteral("--csv"), path("other.csv"),
                               QStringLiteral("--out"), path("x.DAT")});
  EXPECT_EQ(other.exitCode, 4);
  EXPECT_TRUE(other.err.contains(QStringLiteral("no \"Frequency\" column")));
  EXPECT_EQ(RunCli({QStringLiteral("import"), QStringLiteral("--csv"), sample("gmrs.csv"), QStringLiteral("--in"),
                    path("missing.DAT"), QStringLiteral("--out"), path("x.DAT")})
                .exitCode,
            4);
  EXPECT_EQ(RunCli({QStringLiteral("import"), QStringLiteral("--out"), path("x.DAT")}).exitCode, 2);
}

#ifdef Q_OS_UNIX
// A FIFO is neither waited on as a list nor replaced by an exported one.
TEST_F(ChannelListCli, FifoIsRefusedAsListAndAsExportTarget) {
  const QString fifo = path("pipe.csv");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const CliRun imported = RunCli({QStringLiteral("import"), QStringLiteral("--csv"), fifo, QStringLiteral("--out"),
                                  path("x.DAT")},
                                 {}, 5000);
  EXPECT_EQ(imported.exitCode, 4);
  EXPECT_TRUE(imported.err.contains(QStringLiteral("named pipe"))) << imported.err.toStdString();

  writeState("radio.DAT", Sample());
  const CliRun exported = RunCli({QStringLiteral("export"), QStringLiteral("--in"), path("radio.DAT"),
                                  QStringLiteral("--csv"), fifo},
                                 {}, 5000);
  EXPECT_EQ(exported.exitCode, 4);
  struct stat info {};
  ASSERT_EQ(::stat(QFile::encodeName(fifo).constData(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));
}
#endif

TEST_F(ChannelListCli, ImportReadsStandardInputAndExportReadsBack) {
  writeState("radio.DAT", Sample());
  const CliRun exported = RunCli({QStringLiteral("export"), QStringLiteral("--in"), path("radio.DAT"),
                                  QStringLiteral("--csv"), QStringLiteral("-")});
  const CliRun imported = RunCli({QStringLiteral("import"), QStringLiteral("--csv"), QStringLiteral("-"),
                                  QStringLiteral("--in"), path("radio.DAT"), QStringLiteral("--out"),
                                  path("again.DAT")},
                                 exported.out.toUtf8());
  EXPECT_EQ(imported.exitCode, 0) << imported.err.toStdString();
  EXPECT_EQ(readState("again.DAT"), Sample());
}

// Standard input is read to its end, however the writer hands it over, and
// a list over the size limit is refused, never cut.
TEST_F(ChannelListCli, ImportReadsAllOfASlowPipeAndRefusesAnOversizedList) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("XDG_DATA_HOME"), test::CliHome().filePath(QStringLiteral("data")));
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(QX210_CLI_PATH),
                {QStringLiteral("import"), QStringLiteral("--csv"), QStringLiteral("-"), QStringLiteral("--out"),
                 path("slow.DAT"), QStringLiteral("--strict")});
  ASSERT_TRUE(process.waitForStarted());
  process.write("Location,Frequency\n1,446.1");
  ASSERT_TRUE(process.waitForBytesWritten());
  QThread::msleep(300);
  process.write("2500\n2,446.2\n");
  process.closeWriteChannel();
  ASSERT_TRUE(process.waitForFinished(20000));
  EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
  EXPECT_EQ(readState("slow.DAT").channel(1).rx, Mhz("446.12500"));
  EXPECT_EQ(readState("slow.DAT").channel(2).rx, Mhz("446.20000"));

  QByteArray big = "Location,Frequency\n";
  while (big.size() <= kChannelListSizeLimit) big += "1,446.10000\n";
  writeText("big.csv", big);
  for (const QString& csv : {path("big.csv"), QStringLiteral("-")}) {
    const CliRun run = RunCli({QStringLiteral("import"), QStringLiteral("--csv"), csv, QStringLiteral("--out"),
                               path("big.DAT")},
                              csv == QLatin1String("-") ? big : QByteArray());
    EXPECT_EQ(run.exitCode, 4) << csv.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("larger than 4 MiB"))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("big.DAT")));
  }
}

// A data file it overwrites is backed up first; a read-only one is not
// replaced without --force.
TEST_F(ChannelListCli, ImportBacksUpTheFileItReplacesAndLeavesReadOnlyFilesAlone) {
  writeState("radio.DAT", Sample());
  const QStringList import{QStringLiteral("import"), QStringLiteral("--csv"), sample("gmrs.csv"),
                           QStringLiteral("--out"), path("radio.DAT")};
  ASSERT_EQ(RunCli(import).exitCode, 0);
  const QStringList backups = BackupStore(test::CliDataFolder(QStringLiteral("qx210/backups"))).backups();
  ASSERT_FALSE(backups.isEmpty());
  QFile backup(backups.first());
  ASSERT_TRUE(backup.open(QIODevice::ReadOnly));
  EXPECT_EQ(backup.readAll(), EncodeImage(Sample()));

  writeState("locked.DAT", Sample());
  ASSERT_TRUE(QFile::setPermissions(path("locked.DAT"), QFileDevice::ReadOwner));
  QStringList locked = import;
  locked.last() = path("locked.DAT");
  const CliRun refused = RunCli(locked);
  EXPECT_EQ(refused.exitCode, 4);
  EXPECT_TRUE(refused.err.contains(QStringLiteral("is read-only; give --force"))) << refused.err.toStdString();
  EXPECT_EQ(readState("locked.DAT"), Sample());
}

TEST_F(ChannelListCli, EmptyNamesNulsAndTheUnusedLocationColumn) {
  EXPECT_EQ(RunCli({QStringLiteral("import"), QStringLiteral("--csv"), sample("gmrs.csv"), QStringLiteral("--out"),
                    QString()})
                .exitCode,
            2);
  writeText("odd.csv", QByteArrayLiteral("Location,Frequency,Mode\n0,446.1,A\0B\n1,446.2,FM\n"));
  const CliRun run = RunCli({QStringLiteral("import"), QStringLiteral("--csv"), path("odd.csv"),
                             QStringLiteral("--out"), path("odd.DAT")});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains(QStringLiteral("line 2: Mode \"A\u2400B\" is not available on this radio")))
      << run.err.toStdString();
  EXPECT_TRUE(run.err.contains(QStringLiteral("The Location column was disregarded"))) << run.err.toStdString();
}

#ifdef Q_OS_UNIX
// Output that does not reach standard output is an error, not a success.
TEST_F(ChannelListCli, AFullStandardOutputIsAFileError) {
  writeState("a.DAT", Sample());
  RadioState other = Sample();
  other.settings.panel.squelchLevel = 2;
  writeState("b.DAT", other);
  const QList<QStringList> verbs{
      {QStringLiteral("export"), QStringLiteral("--in"), path("a.DAT"), QStringLiteral("--csv"), QStringLiteral("-")},
      {QStringLiteral("info"), path("a.DAT")},
      {QStringLiteral("info"), path("a.DAT"), QStringLiteral("--json")},
      {QStringLiteral("diff"), path("a.DAT"), path("b.DAT")}};
  for (const QStringList& arguments : verbs) {
    QProcess process;
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(QStringLiteral(QX210_CLI_PATH), arguments);
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitCode(), 4) << arguments.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError()).contains(QStringLiteral("standard output")));
  }
}
#endif

TEST_F(ChannelListCli, InfoAsTextAndJson) {
  writeState("radio.DAT", Sample());
  const CliRun text = RunCli({QStringLiteral("info"), path("radio.DAT")});
  EXPECT_EQ(text.exitCode, 0);
  EXPECT_TRUE(text.out.contains(QStringLiteral("Model: P3207")));
  EXPECT_TRUE(text.out.contains(QStringLiteral("Band: 400-480MHz")));
  EXPECT_TRUE(text.out.contains(QStringLiteral("Channels in use: 2 of 16")));
  EXPECT_TRUE(text.out.contains(QStringLiteral("Squelch Level: Level 5")));
  const QStringList lines = text.out.split(QLatin1Char('\n'));
  const auto ch3 = std::find_if(lines.begin(), lines.end(), [](const QString& l) { return l.startsWith(QStringLiteral("03 ")); });
  ASSERT_NE(ch3, lines.end());
  EXPECT_EQ(ch3->simplified(), QStringLiteral("03 442.10000 Off 447.10000 67.0 High Off Wide Yes"));

  const CliRun json = RunCli({QStringLiteral("info"), path("radio.DAT"), QStringLiteral("--json")});
  EXPECT_EQ(json.exitCode, 0);
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(json.out.toUtf8(), &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError) << json.out.toStdString();
  const QJsonObject root = document.object();
  EXPECT_EQ(root.value(QStringLiteral("model")).toString(), QStringLiteral("P3207"));
  EXPECT_EQ(root.value(QStringLiteral("file")).toString(), path("radio.DAT"));
  EXPECT_EQ(root.value(QStringLiteral("channels")).toArray().at(2).toObject().value(QStringLiteral("txTone")).toString(),
            QStringLiteral("67.0"));

  EXPECT_EQ(RunCli({QStringLiteral("info"), path("none.DAT")}).exitCode, 4);
  EXPECT_EQ(RunCli({QStringLiteral("info")}).exitCode, 2);
}

TEST_F(ChannelListCli, DiffStatusesAndLines) {
  writeState("a.DAT", Sample());
  writeState("same.DAT", Sample());
  RadioState changed = Sample();
  changed.channel(3).txTone = *Tone::dqt(023, false);
  changed.settings.panel.squelchLevel = 3;
  writeState("b.DAT", changed);

  const CliRun equal = RunCli({QStringLiteral("diff"), path("a.DAT"), path("same.DAT")});
  EXPECT_EQ(equal.exitCode, 0);
  EXPECT_EQ(equal.out, QStringLiteral("identical\n"));
  const CliRun differ = RunCli({QStringLiteral("diff"), path("a.DAT"), path("b.DAT")});
  EXPECT_EQ(differ.exitCode, 1);
  EXPECT_EQ(differ.out, QStringLiteral("CH 03 TX tone: 67.0 → D023N\nSquelch Level: Level 5 → Level 3\n"));
  EXPECT_EQ(RunCli({QStringLiteral("diff"), path("a.DAT"), path("none.DAT")}).exitCode, 2);
  EXPECT_EQ(RunCli({QStringLiteral("diff"), path("a.DAT")}).exitCode, 2);
  EXPECT_EQ(RunCli({QStringLiteral("diff"), QStringLiteral("--bogus"), path("a.DAT"), path("b.DAT")}).exitCode, 2);
}

TEST_F(ChannelListCli, PlansAreListedAndReplaceEveryChannel) {
  const auto arg = [](const char* text) { return QString::fromLatin1(text); };
  const CliRun list = RunCli({arg("import"), arg("--plan"), arg("list")});
  EXPECT_EQ(list.exitCode, 0) << list.err.toStdString();
  const QStringList lines = list.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 5) << list.out.toStdString();
  EXPECT_TRUE(lines.first().startsWith(arg("pmr446\t")));
  EXPECT_TRUE(list.out.contains(arg("murs\tMURS (Multi-Use Radio Service, USA, VHF) (band 136-174MHz)")));

  RadioState base = Sample();
  base.channel(16) = NewChannel(Mhz("450.00000"));
  writeState("base.DAT", base);
  const CliRun run = RunCli({arg("import"), arg("--plan"), arg("PMR446"), arg("--in"), path("base.DAT"), arg("--out"),
                             path("pmr.DAT")});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  const RadioState pmr = readState("pmr.DAT");
  EXPECT_EQ(pmr.channel(16).rx, Mhz("446.19375"));
  EXPECT_FALSE(pmr.channel(16).highPower);
  EXPECT_EQ(pmr.settings.panel.squelchLevel, 5);
  // A plan of ten channels empties the six after them.
  EXPECT_EQ(RunCli({arg("import"), arg("--plan"), arg("business-uhf"), arg("--in"), path("base.DAT"), arg("--out"),
                    path("business.DAT")})
                .exitCode,
            0);
  EXPECT_FALSE(readState("business.DAT").channel(16).inUse());

  const CliRun unknown = RunCli({arg("import"), arg("--plan"), arg("pmr999"), arg("--out"), path("x.DAT")});
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_TRUE(unknown.err.contains(arg("--plan list"))) << unknown.err.toStdString();
  EXPECT_EQ(RunCli({arg("import"), arg("--plan"), arg("pmr446"), arg("--csv"), path("a.csv"), arg("--out"), path("x.DAT")})
                .exitCode,
            2);
  const CliRun vhf = RunCli({arg("import"), arg("--plan"), arg("murs"), arg("--out"), path("x.DAT")});
  EXPECT_EQ(vhf.exitCode, 5);
  EXPECT_TRUE(vhf.err.contains(arg("the plan murs needs band 136-174MHz, not 400-480MHz"))) << vhf.err.toStdString();
  EXPECT_FALSE(QFile::exists(path("x.DAT")));
  EXPECT_EQ(RunCli({arg("import"), arg("--plan"), arg("murs"), arg("--band"), arg("136-174"), arg("--out"), path("x.DAT")})
                .exitCode,
            0);
}

}  // namespace
}  // namespace qx210
