#include "link/clone_log.h"

#include "core/csv.h"
#include "core/safe_file.h"

namespace qx210 {

bool CloneLog::open(const QString& path, QString& error) {
  m_file.close();
  // A FIFO or a device is refused like any other file that is no log.
  if (!OpenFileForAppending(m_file, path, error)) return false;
  if (m_file.size() == 0 && !write(header())) {
    error = m_file.errorString();
    m_file.close();
    return false;
  }
  return true;
}

QString CloneLog::row(const CloneRadioResult& result) {
  const bool identified = result.band >= 0 || result.bandCode >= 0;
  return CsvLine({result.finishedAt.toString(Qt::ISODate), result.port, identified ? ResultBand(result) : QString(),
                  ResultText(result), QString::number(result.seconds, 'f', 1)});
}

bool CloneLog::append(const CloneRadioResult& result) { return isOpen() && write(row(result)); }

bool CloneLog::write(const QString& line) {
  const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
  return m_file.write(bytes) == bytes.size() && m_file.flush();
}

}  // namespace qx210
