#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <vector>

// Comma-separated values as spreadsheets and channel-list tools write them: a
// field may be quoted ("2 m, local", with "" for a quotation mark inside) and
// may then span lines; lines end in LF, CRLF or CR; a UTF-8 byte-order mark
// may start the file. The same rules read tab-separated text.
namespace qx210 {

struct CsvRecord {
  int line = 0;  // line of the text on which the record starts, from 1
  QStringList fields;
  // A quoted field was still open at the end of the text: the rest of the
  // text became part of this record.
  bool unclosedQuote = false;
};

// The text of a file's bytes: UTF-8, or the UTF-16/32 a byte-order mark
// names; the mark itself is dropped.
QString CsvTextFromBytes(const QByteArray& bytes);

// The records of `text`. Empty lines give no record; a line of separators
// only gives a record of empty fields.
std::vector<CsvRecord> ParseCsv(const QString& text, QChar separator = QLatin1Char(','));

// The separator of the first line: a comma when it has one; otherwise a tab
// (cells copied from a spreadsheet) or a semicolon (spreadsheets in locales
// with a decimal comma) when it has one; a comma for a single column.
QChar GuessSeparator(const QString& text);

// A field as written: quoted when it holds the separator, a quotation mark,
// a line break, or blanks at either end.
QString CsvField(const QString& value, QChar separator = QLatin1Char(','));
// The fields of one record, without the line end.
QString CsvLine(const QStringList& fields, QChar separator = QLatin1Char(','));

}  // namespace qx210
