#pragma once

#include <QString>
#include <QStringList>

class QTableWidget;
class QWidget;

namespace qx210 {

// "01" … "16", as the channel column shows channel numbers.
QString ChannelNumberText(int number);

// A read-only table of the 16 channels, one row each under its number, with
// `captions` as columns that share the width (the plan and import dialogs).
QTableWidget* NewChannelOverviewTable(const QStringList& captions, QWidget* parent);

}  // namespace qx210
