#include "link/clone_log.h"

namespace qx210 {

namespace {

QString CsvField(const QString& text) {
  if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')))
    return text;
  return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

}  // namespace

bool CloneLog::open(const QString& path, QString& error) {
  m_file.close();
  m_file.setFileName(path);
  if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append)) {
    error = m_file.errorString();
    return false;
  }
  if (m_file.size() == 0 && !write(header())) {
    error = m_file.errorString();
    m_file.close();
    return false;
  }
  return true;
}

QString CloneLog::row(const CloneRadioResult& result) {
  const bool identified = result.band >= 0 || result.bandCode >= 0;
  return QStringList{result.finishedAt.toString(Qt::ISODate), CsvField(result.port),
                     CsvField(identified ? ResultBand(result) : QString()), CsvField(ResultText(result)),
                     QString::number(result.seconds, 'f', 1)}
      .join(QLatin1Char(','));
}

bool CloneLog::append(const CloneRadioResult& result) { return isOpen() && write(row(result)); }

bool CloneLog::write(const QString& line) {
  const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
  return m_file.write(bytes) == bytes.size() && m_file.flush();
}

}  // namespace qx210
