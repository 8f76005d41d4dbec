#pragma once

#include <QFile>
#include <QString>

#include "link/clone_job.h"

namespace qx210 {

// The results of a fleet run as CSV rows (time, port, band, result, seconds),
// appended to a file that gets its header when it is new or empty. Each row
// reaches the disk at once: a run may end by a pulled plug.
class CloneLog {
 public:
  static QString header() { return QStringLiteral("time,port,band,result,seconds"); }

  bool open(const QString& path, QString& error);
  bool isOpen() const { return m_file.isOpen(); }
  void close() { m_file.close(); }
  // False when the row did not reach the file (a full disk); errorString() says why.
  bool append(const CloneRadioResult& result);
  QString errorString() const { return m_file.errorString(); }

  // One row, without its line end.
  static QString row(const CloneRadioResult& result);

 private:
  bool write(const QString& line);
  QFile m_file;
};

}  // namespace qx210
