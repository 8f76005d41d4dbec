#pragma once

#include "cli.h"

// The verbs of qx210-cli, each in a file of its own.
namespace qx210::cli {

int RunRead(const QStringList& arguments);
int RunWrite(const QStringList& arguments);

inline constexpr Verb kReadVerb{"read", "Reads the radio on PORT into a data file.",
                                "qx210-cli read --port /dev/ttyUSB0 --out radio.DAT", &RunRead};
inline constexpr Verb kWriteVerb{
    "write", "Writes a data file into the radio on PORT.",
    "qx210-cli write --port /dev/ttyUSB0 --in radio.DAT [--calibration] [--force-band]", &RunWrite};

// Every verb, in the order --help lists them.
inline constexpr Verb kVerbs[] = {kReadVerb, kWriteVerb};

}  // namespace qx210::cli
