#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include "core/radio_state.h"
#include "core/ui_language.h"
#include "link/port_catalogue.h"
#include "link/serial_port.h"
#include "platform.h"

// Pieces shared by the verbs of qx210-cli.
namespace qx210::cli {

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitCommunication = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitBand = 3;
inline constexpr int kExitFile = 4;
inline constexpr int kExitNothingImported = 5;  // import: no row imported, or --strict and a row not imported
// diff keeps the convention of diff(1): 0 equal, 1 different, 2 trouble.
inline constexpr int kExitDifferent = 1;
inline constexpr int kExitTrouble = 2;

// One verb: its name, a line of what it does and one example.
struct Verb {
  const char* name;
  const char* summary;
  const char* example;
  int (*run)(const QStringList& arguments);
};

// Lines to standard error and standard output, whole whatever they hold.
void Err(const QString& line);
void Out(const QString& line);
// Bytes to standard output as they are.
void WriteOut(const QByteArray& bytes);
// After a verb: the file status, after saying so, when standard output
// could not take everything (a full disk, a closed pipe); else `status`.
int CheckStandardOutput(int status);

// Prints "qx210-cli <verb>: <problem> (see qx210-cli <verb> --help)" and
// returns the usage status.
int UsageError(const QString& verb, const QString& problem);

// Parses `arguments` (the verb first) with `parser`, which already holds the
// verb's options; adds --help. Prints the verb's help and returns kExitOk
// through `status` when asked, or a usage error (an option given an empty
// value among them). True when the verb goes on.
bool ParseVerbArguments(QCommandLineParser& parser, const QStringList& arguments, const Verb& verb, int& status);

// Slot 1 of a private catalogue stands for the port named on the command
// line: COMn from the machine's catalogue, or any device path.
PortCatalogue CatalogueFor(const QString& port);
// The device path of that port; the name itself where the catalogue has none.
QString PortPath(const QString& port);

// Reads the data file `path` and decodes it over the fresh-editor defaults,
// keeping the file's bytes in `image` when given. Prints the reason and
// returns false when the file cannot be read.
bool LoadDataFile(const QString& path, RadioState& state, QByteArray* image = nullptr);

// The image a write sends for the data file `path`: the image of the file's
// values, as the window would send it, and the band it is for. Prints the
// reason and returns false when the file cannot be read or, unless `force`,
// does not look like this radio's data.
bool LoadImageToWrite(const QString& path, bool force, QByteArray& image, int& band);

// Writes `image` to the data file `path` as the window saves it: what an
// existing file holds goes to the backups first. Unless `force`, a read-only
// file is not replaced, nor one whose old content cannot be backed up.
// Prints the reason and returns false when nothing was written.
bool SaveDataFile(const QString& path, const QByteArray& image, bool force);
// Says why and returns false when `path` is a read-only file and not `force`.
bool MayReplace(const QString& path, bool force);
inline constexpr const char* kForceSaveHelp =
    "Replace a read-only --out file, or one whose present content cannot be backed up.";

// "en" or "zh" of a --lang option.
bool ParseLanguage(const QString& value, UiLanguage& language);

// The sentence for a port that would not open: missing, not permitted or
// held by another program, with what to do about it.
QString PortOpenProblem(const QString& path, const PortOpenResult& result, UiLanguage language);

}  // namespace qx210::cli
