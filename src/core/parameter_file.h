#pragma once

#include <QString>
#include <QStringList>

// The three-byte "parameter" file: edit lock, serial port number, language.
namespace qx210 {

struct Parameters {
  int editLock = 0;       // 1 = locked
  int comPortNumber = 0;  // 0..20; 0 = none chosen yet
  int language = 0;       // UiLanguage as stored
  bool languageStored = false;  // the file held the language byte
};

// Where the file may live, in order: beside the executable (a portable copy,
// or one an administrator put there), then the per-user configuration folder.
QStringList ParameterFileCandidates();

// Reads the first candidate that is a readable regular file; one that is
// missing, unreadable, a folder or a special file is passed over without
// blocking. None at all gives the defaults, with no language stored. Bytes
// missing from a short file read as 0.
Parameters LoadParameters(const QStringList& candidates = ParameterFileCandidates());

// Writes to the first candidate that takes it: a file beside the program is
// replaced only when it and its folder are writable, so a read-only file there
// stays as the administrator left it and the per-user file gets the values.
bool StoreParameters(const Parameters& parameters, const QStringList& candidates = ParameterFileCandidates());

// Writes the three positions, keeping any bytes after them, atomically.
// Returns false on failure (the target is then unchanged); the caller carries on.
bool WriteParameterFile(const QString& path, const Parameters& parameters);

}  // namespace qx210
