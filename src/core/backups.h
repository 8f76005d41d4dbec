#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include "core/ui_language.h"

namespace qx210 {

// The per-user folder of automatic backups: every image read from a radio
// and every data file about to be overwritten is copied here first, named by
// date, time and what it was ("2026-12-08_094512_read.DAT"; a second backup
// in the same second is "2026-12-08_094512-2_overwritten.DAT"). The newest
// kKept files are kept, and never fewer than the one just written.
class BackupStore {
 public:
  static constexpr int kKept = 100;

  // The per-user folder, qx210/backups in the generic data location, shared
  // by the window and the command line whatever their own names.
  static QString defaultFolder();

  explicit BackupStore(QString folder = defaultFolder()) : m_folder(std::move(folder)) {}

  QString folder() const { return m_folder; }

  // Writes `image` as a backup of kind `what` ("read", "overwritten"...) made
  // at `when`; returns its path, or an empty string with `error` set in
  // `language`.
  QString keep(const QByteArray& image, const QString& what, const QDateTime& when = QDateTime::currentDateTime(),
               QString* error = nullptr, UiLanguage language = kEnglish) const;

  // Keeps what the data file `path` holds before a save replaces it. True
  // when it was kept, or when there is no regular file to keep; false with
  // `error` set when the save would lose it.
  bool keepBeforeOverwrite(const QString& path, QString* error = nullptr, UiLanguage language = kEnglish) const;

  // The backups, newest first.
  QStringList backups() const;

 private:
  void prune(const QString& justWritten) const;

  QString m_folder;
};

}  // namespace qx210
