#pragma once

#include "cli.h"

// The verbs of qx210-cli, each in a file of its own.
namespace qx210::cli {

int RunRead(const QStringList& arguments);
int RunWrite(const QStringList& arguments);
int RunExport(const QStringList& arguments);
int RunImport(const QStringList& arguments);
int RunInfo(const QStringList& arguments);
int RunDiff(const QStringList& arguments);
int RunClone(const QStringList& arguments);
int RunDoctor(const QStringList& arguments);

inline constexpr Verb kReadVerb{"read", "Reads the radio on PORT into a data file.",
                                "qx210-cli read --port /dev/ttyUSB0 --out radio.DAT", &RunRead};
inline constexpr Verb kWriteVerb{
    "write", "Writes a data file into the radio on PORT.",
    "qx210-cli write --port /dev/ttyUSB0 --in radio.DAT [--calibration] [--force-band]", &RunWrite};

inline constexpr Verb kCloneVerb{
    "clone", "Writes one data file into the radios on every PORT at once, optionally reading each back.",
    "qx210-cli clone --in fleet.DAT --port /dev/ttyUSB0 --port /dev/ttyUSB1 --verify --log fleet.csv [--continuous]",
    &RunClone};
inline constexpr Verb kDoctorVerb{
    "doctor", "Checks the port and the radio behind it, and says what is wrong and what to do.",
    "qx210-cli doctor --port /dev/ttyUSB0", &RunDoctor};


inline constexpr Verb kExportVerb{"export", "Writes the channels of a data file as a channel list (CSV).",
                                  "qx210-cli export --in radio.DAT --csv channels.csv", &RunExport};
inline constexpr Verb kImportVerb{
    "import", "Reads a channel list (CSV) into the channels of a data file.",
    "qx210-cli import --csv repeaters.csv [--in base.DAT] --out radio.DAT [--strict]", &RunImport};
inline constexpr Verb kInfoVerb{"info", "Shows the band, model, channels in use and main settings of a data file.",
                                "qx210-cli info radio.DAT [--json]", &RunInfo};
inline constexpr Verb kDiffVerb{"diff", "Lists every value in which two data files differ.",
                                "qx210-cli diff old.DAT new.DAT", &RunDiff};

// Every verb, in the order --help lists them.
inline constexpr Verb kVerbs[] = {kReadVerb,   kWriteVerb, kCloneVerb, kDoctorVerb,
                                  kExportVerb, kImportVerb, kInfoVerb,  kDiffVerb};

}  // namespace qx210::cli
