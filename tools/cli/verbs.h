#pragma once

#include "cli.h"

// The verbs of qx210-cli, each in a file of its own.
namespace qx210::cli {

int RunRead(const QStringList& arguments);
int RunWrite(const QStringList& arguments);
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

// Every verb, in the order --help lists them.
inline constexpr Verb kVerbs[] = {kReadVerb, kWriteVerb, kCloneVerb, kDoctorVerb};

}  // namespace qx210::cli
