#pragma once

#include <QDialog>

#include "core/channel_csv.h"
#include "core/radio_state.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace qx210 {

// The preview of a channel-list import: for each of the 16 channels what it
// holds now and what it will hold, whether the list replaces all channels or
// is merged into them, and which row of the file goes to which channel, which
// rows are left out and why. Nothing changes until the user accepts.
class ImportPreviewDialog : public QDialog {
  Q_OBJECT
 public:
  ImportPreviewDialog(const ChannelImport& import, const RadioState& current, const QString& fileName,
                      QWidget* parent = nullptr);

  ImportMode mode() const;
  // The channels as they are and as the import in the chosen mode makes them.
  QTableWidget* channelTable() const { return m_channels; }
  // The rows of the file.
  QTableWidget* table() const { return m_table; }
  QRadioButton* replaceButton() const { return m_replace; }
  QRadioButton* mergeButton() const { return m_merge; }
  QPushButton* importButton() const { return m_import; }

 private:
  void showResult();

  ChannelImport m_list;
  RadioState m_current;
  QLabel* m_summary = nullptr;
  QTableWidget* m_channels = nullptr;
  QRadioButton* m_replace = nullptr;
  QRadioButton* m_merge = nullptr;
  QTableWidget* m_table = nullptr;
  QLabel* m_notices = nullptr;
  QPushButton* m_import = nullptr;
};

}  // namespace qx210
