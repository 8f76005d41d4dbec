#pragma once

#include <QString>

// The three-byte "parameter" file: edit lock, serial port number, language.
namespace qx210 {

struct Parameters {
  int editLock = 0;       // 1 = locked
  int comPortNumber = 0;  // 0..20; 0 = none chosen yet
  int language = 0;       // UiLanguage as stored
};

// Where the file lives: beside the executable when that folder is writable,
// else in the per-user configuration folder.
QString ParameterFilePath();

// Missing bytes read as 0; a missing or unreadable file gives all zeros.
Parameters ReadParameterFile(const QString& path);

// Writes the three positions, keeping any bytes after them. Returns false on
// failure; the caller carries on.
bool WriteParameterFile(const QString& path, const Parameters& parameters);

}  // namespace qx210
