#include <gtest/gtest.h>

#include "core/csv.h"

namespace qx210 {
namespace {

QStringList Fields(const CsvRecord& record) { return record.fields; }

TEST(CsvReader, QuotedFieldsKeepSeparatorsQuotesAndLineBreaks) {
  const auto records = ParseCsv(QStringLiteral(
      "a,b,c\n"
      "\"2 m, local\",\"Say \"\"hi\"\"\",\"two\nlines\"\n"
      "x,y,z\n"));
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(Fields(records[1]),
            (QStringList{QStringLiteral("2 m, local"), QStringLiteral("Say \"hi\""), QStringLiteral("two\nlines")}));
  // The record after the two-line field starts on line 4.
  EXPECT_EQ(records[1].line, 2);
  EXPECT_EQ(records[2].line, 4);
  EXPECT_FALSE(records[1].unclosedQuote);
}

TEST(CsvReader, LineEndsByteOrderMarkAndEmptyLines) {
  const QByteArray bytes = QByteArray("\xEF\xBB\xBF") + "Location,Frequency\r\n1,446.00625\r\n\r\n2,446.01875\r3,446.03125";
  const QString text = CsvTextFromBytes(bytes);
  EXPECT_TRUE(text.startsWith(QStringLiteral("Location")));
  const auto records = ParseCsv(text);
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[0].fields.front(), QStringLiteral("Location"));
  EXPECT_EQ(records[1].fields, (QStringList{QStringLiteral("1"), QStringLiteral("446.00625")}));
  EXPECT_EQ(records[2].line, 4);  // the empty line 3 gives no record
  EXPECT_EQ(records[3].fields, (QStringList{QStringLiteral("3"), QStringLiteral("446.03125")}));
  EXPECT_EQ(records[3].line, 5);
  // "Unicode text" from a spreadsheet: UTF-16 with its byte-order mark.
  const QString utf16Text = QStringLiteral("Name\tFrequency\r\n信道\t446.1\r\n");
  QByteArray utf16("\xFF\xFE");
  for (QChar c : utf16Text) utf16.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
  EXPECT_EQ(CsvTextFromBytes(utf16), utf16Text);
  // A CRLF inside a quoted field is one line break.
  const auto quoted = ParseCsv(QStringLiteral("\"a\r\nb\",c\r\nd"));
  ASSERT_EQ(quoted.size(), 2u);
  EXPECT_EQ(quoted[0].fields.front(), QStringLiteral("a\nb"));
  EXPECT_EQ(quoted[1].line, 3);
}

TEST(CsvReader, EmptyFieldsAndBlanksBeforeAQuote) {
  const auto records = ParseCsv(QStringLiteral(",,\n1, \"a, b\" ,x,\n"));
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].fields, (QStringList{QString(), QString(), QString()}));
  // Blanks before the opening quotation mark are dropped; those after the
  // closing one stay (the importer trims values).
  EXPECT_EQ(records[1].fields,
            (QStringList{QStringLiteral("1"), QStringLiteral("a, b "), QStringLiteral("x"), QString()}));
}

TEST(CsvReader, AnUnclosedQuoteTakesTheRestOfTheText) {
  const auto records = ParseCsv(QStringLiteral("a,b\n1,\"open\n2,3\n"));
  ASSERT_EQ(records.size(), 2u);
  EXPECT_TRUE(records[1].unclosedQuote);
  EXPECT_EQ(records[1].fields.at(1), QStringLiteral("open\n2,3\n"));
}

TEST(CsvReader, TabSeparatedTextFromASpreadsheet) {
  const QString text = QStringLiteral("Location\tFrequency\tName\n1\t446.00625\tPMR, one\n");
  EXPECT_EQ(GuessSeparator(text), QLatin1Char('\t'));
  EXPECT_EQ(GuessSeparator(QStringLiteral("Location,Frequency\tx\n")), QLatin1Char(','));
  EXPECT_EQ(GuessSeparator(QStringLiteral("Location;Frequency\n1;446,1\n")), QLatin1Char(';'));
  EXPECT_EQ(GuessSeparator(QStringLiteral("Frequency\n446.1\n")), QLatin1Char(','));
  const auto records = ParseCsv(text, GuessSeparator(text));
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[1].fields.at(2), QStringLiteral("PMR, one"));
}

TEST(CsvWriter, QuotesOnlyWhereNeededAndReadsBack) {
  EXPECT_EQ(CsvField(QStringLiteral("446.006250")), QStringLiteral("446.006250"));
  EXPECT_EQ(CsvField(QStringLiteral("2 m, local")), QStringLiteral("\"2 m, local\""));
  EXPECT_EQ(CsvField(QStringLiteral("Say \"hi\"")), QStringLiteral("\"Say \"\"hi\"\"\""));
  EXPECT_EQ(CsvField(QStringLiteral(" padded")), QStringLiteral("\" padded\""));
  EXPECT_EQ(CsvField(QStringLiteral("a\tb"), QLatin1Char('\t')), QStringLiteral("\"a\tb\""));
  const QStringList fields{QStringLiteral("plain"), QStringLiteral("a, b"), QStringLiteral("\"q\""),
                           QStringLiteral("two\nlines"), QString(), QStringLiteral(" x ")};
  const auto records = ParseCsv(CsvLine(fields) + QStringLiteral("\r\n"));
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].fields, fields);
}

}  // namespace
}  // namespace qx210
