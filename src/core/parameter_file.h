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

// The parameter file of a run, chosen at start-up.
struct OpenedParameters {
  QString path;  // where shutdown writes; empty when no candidate can be written
  Parameters parameters;
};

// Opens the parameter file at start-up. The file is the first candidate that
// can be both read and written, or else the first that is missing and can be
// created; it is created at once, holding what the first readable candidate
// holds (nothing on a first start). So a read-only file beside the program
// only seeds the per-user file, which is read and written from then on. A
// folder, a special file or an unreadable file is passed over without
// blocking. Bytes missing from a short file read as 0; with no file at all
// the defaults come back, with no language stored.
OpenedParameters OpenParameterFile(const QStringList& candidates = ParameterFileCandidates());

// Writes the three positions, keeping any bytes after them, atomically.
// Returns false on failure (the target is then unchanged); the caller carries on.
bool WriteParameterFile(const QString& path, const Parameters& parameters);

}  // namespace qx210
