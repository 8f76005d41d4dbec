#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QMap>
#include <QString>
#include <QStringList>
#include <vector>

#include "core/channel_csv.h"
#include "core/csv.h"

namespace qx210::test {

// The column set of current channel-list files, without the D-STAR columns.
inline const QStringList kListColumns{
    QStringLiteral("Location"),   QStringLiteral("Name"),       QStringLiteral("Frequency"),
    QStringLiteral("Duplex"),     QStringLiteral("Offset"),     QStringLiteral("Tone"),
    QStringLiteral("rToneFreq"),  QStringLiteral("cToneFreq"),  QStringLiteral("DtcsCode"),
    QStringLiteral("DtcsPolarity"), QStringLiteral("RxDtcsCode"), QStringLiteral("CrossMode"),
    QStringLiteral("Mode"),       QStringLiteral("TStep"),      QStringLiteral("Skip"),
    QStringLiteral("Power")};

using RowValues = QMap<QString, QString>;

// A row with the usual fillers, `values` put over them.
inline QStringList RowFields(const RowValues& values, const QStringList& columns) {
  const RowValues fillers{{QStringLiteral("Frequency"), QStringLiteral("446.006250")},
                          {QStringLiteral("Offset"), QStringLiteral("0.000000")},
                          {QStringLiteral("rToneFreq"), QStringLiteral("88.5")},
                          {QStringLiteral("cToneFreq"), QStringLiteral("88.5")},
                          {QStringLiteral("DtcsCode"), QStringLiteral("023")},
                          {QStringLiteral("DtcsPolarity"), QStringLiteral("NN")},
                          {QStringLiteral("RxDtcsCode"), QStringLiteral("023")},
                          {QStringLiteral("CrossMode"), QStringLiteral("Tone->Tone")},
                          {QStringLiteral("Mode"), QStringLiteral("FM")},
                          {QStringLiteral("TStep"), QStringLiteral("5.00")},
                          {QStringLiteral("Power"), QStringLiteral("High")}};
  QStringList fields;
  for (const QString& column : columns) fields << values.value(column, fillers.value(column));
  return fields;
}

// A list text: the header, then one line per row.
inline QString ListText(const std::vector<RowValues>& rows, const QStringList& columns = kListColumns) {
  QString text = CsvLine(columns) + QStringLiteral("\n");
  for (const RowValues& row : rows) text += CsvLine(RowFields(row, columns)) + QStringLiteral("\n");
  return text;
}

// The first row of a one-row list, read into band `band`.
inline ImportRow ReadOneRow(const RowValues& values, int band = 0) {
  const ChannelImport import = ImportChannelList(ListText({values}), ImportOptions{band});
  EXPECT_FALSE(import.error.has_value());
  EXPECT_EQ(import.rows.size(), 1u);
  return import.rows.empty() ? ImportRow{} : import.rows.front();
}

// The English reasons of a row, joined.
inline std::string Reasons(const ImportRow& row) {
  QStringList texts;
  for (const ListMessage& reason : row.reasons) texts << reason.text(kEnglish);
  return texts.join(QStringLiteral(" | ")).toStdString();
}

// A sample list of tests/core/data/channel_lists as text.
inline QString SampleList(const char* name) {
  QFile file(QStringLiteral(QX210_CHANNEL_LISTS_DIR "/") + QString::fromLatin1(name));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
  return CsvTextFromBytes(file.readAll());
}

inline Frequency Mhz(const char* text) { return *Frequency::fromText(QString::fromLatin1(text)); }
inline Tone QtTone(int tenths) { return *Tone::qt(tenths); }
inline Tone DcsTone(int octalCode, bool inverted = false) { return *Tone::dqt(octalCode, inverted); }

}  // namespace qx210::test
