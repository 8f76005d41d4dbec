#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QString>

#include "core/radio_state.h"

class QTextDocument;

namespace qx210 {

// The channel sheet: one page with the title, the band, the date, the 16
// channels as the table shows them and the main settings, in the current
// language. Written as HTML or PDF, and printed where Qt's print support is
// installed.
class ChannelSheet {
  Q_DECLARE_TR_FUNCTIONS(qx210::ChannelSheet)

 public:
  ChannelSheet(const RadioState& state, QString title, QDate date = QDate::currentDate());

  QString html() const;
  // Puts the sheet into `document`, for printing.
  void fill(QTextDocument& document) const;

  // Writes the sheet as PDF when `path` ends in ".pdf" (any case), as HTML
  // otherwise, as safely as a data file; false with `error` set when the file
  // cannot be written.
  bool write(const QString& path, QString* error = nullptr) const;

 private:
  // One A4 page.
  QByteArray pdf() const;

  RadioState m_state;
  QString m_title;
  QDate m_date;
};

}  // namespace qx210
