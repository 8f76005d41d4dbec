#pragma once

#include <QDialog>

#include "core/channel_csv.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace qx210 {

// The preview of a channel-list import: which row of the file goes to which
// channel, which rows are left out and why, and what is said about the list
// as a whole. Nothing changes until the user accepts.
class ImportPreviewDialog : public QDialog {
  Q_OBJECT
 public:
  ImportPreviewDialog(const ChannelImport& import, const QString& fileName, QWidget* parent = nullptr);

  QTableWidget* table() const { return m_table; }
  QPushButton* importButton() const { return m_import; }

 private:
  QLabel* m_summary = nullptr;
  QTableWidget* m_table = nullptr;
  QLabel* m_notices = nullptr;
  QPushButton* m_import = nullptr;
};

}  // namespace qx210
