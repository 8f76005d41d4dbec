#include "core/csv.h"

#include <QStringDecoder>
#include <optional>

namespace qx210 {

namespace {

constexpr char16_t kQuote = u'"';
constexpr char16_t kByteOrderMark = 0xFEFF;

bool IsBlank(const QString& text) {
  for (QChar c : text)
    if (c != QLatin1Char(' ') && c != QLatin1Char('\t')) return false;
  return true;
}

}  // namespace

QString CsvTextFromBytes(const QByteArray& bytes) {
  // A byte-order mark names the encoding (spreadsheets save "Unicode text"
  // as UTF-16); without one the text is UTF-8.
  const std::optional<QStringConverter::Encoding> encoding = QStringConverter::encodingForData(bytes);
  QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8));
  QString text = decoder(bytes);
  if (text.startsWith(QChar(kByteOrderMark))) text.remove(0, 1);
  return text;
}

std::vector<CsvRecord> ParseCsv(const QString& text, QChar separator) {
  std::vector<CsvRecord> records;
  CsvRecord record;
  QString field;
  bool quoted = false;      // inside a quoted field
  bool recordOpen = false;  // the current line has given a character
  int line = 1;

  auto endField = [&] {
    record.fields << field;
    field.clear();
  };
  auto endRecord = [&] {
    if (recordOpen) {
      endField();
      records.push_back(record);
    }
    record = CsvRecord{};
    field.clear();
    recordOpen = false;
  };

  const qsizetype size = text.size();
  for (qsizetype i = 0; i < size; ++i) {
    const QChar c = text.at(i);
    const bool lineEnd = c == QLatin1Char('\n') || c == QLatin1Char('\r');
    // CR LF is one line end.
    const bool crlf = c == QLatin1Char('\r') && i + 1 < size && text.at(i + 1) == QLatin1Char('\n');
    if (quoted) {
      if (c == kQuote) {
        if (i + 1 < size && text.at(i + 1) == kQuote) {
          field.append(c);
          ++i;
        } else {
          quoted = false;
        }
      } else if (lineEnd) {
        field.append(QLatin1Char('\n'));
        if (crlf) ++i;
        ++line;
      } else {
        field.append(c);
      }
      continue;
    }
    if (lineEnd) {
      endRecord();
      if (crlf) ++i;
      ++line;
      continue;
    }
    if (!recordOpen) {
      recordOpen = true;
      record.line = line;
    }
    if (c == separator) {
      endField();
    } else if (c == kQuote && IsBlank(field)) {
      // Blanks before an opening quotation mark (", "a, b"") are dropped.
      field.clear();
      quoted = true;
    } else {
      field.append(c);
    }
  }
  if (quoted) record.unclosedQuote = true;
  endRecord();
  return records;
}

QChar GuessSeparator(const QString& text) {
  const QString firstLine = text.section(QLatin1Char('\n'), 0, 0);
  if (firstLine.contains(QLatin1Char(','))) return QLatin1Char(',');
  if (firstLine.contains(QLatin1Char('\t'))) return QLatin1Char('\t');
  if (firstLine.contains(QLatin1Char(';'))) return QLatin1Char(';');
  return QLatin1Char(',');
}

QString CsvField(const QString& value, QChar separator) {
  const bool needsQuotes = value.contains(separator) || value.contains(kQuote) ||
                           value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r')) ||
                           (!value.isEmpty() && (value.front().isSpace() || value.back().isSpace()));
  if (!needsQuotes) return value;
  QString quoted = value;
  quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString CsvLine(const QStringList& fields, QChar separator) {
  QStringList written;
  written.reserve(fields.size());
  for (const QString& field : fields) written << CsvField(field, separator);
  return written.join(separator);
}

}  // namespace qx210
