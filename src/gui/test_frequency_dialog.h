#pragma once

#include <array>

#include "gui/aux_dialog.h"
#include "core/dialog_rules.h"
#include "core/radio_settings.h"

class QPushButton;
class QTableWidget;

namespace qx210 {

class FrequencyCellDelegate;

// The test frequency dialog: a grid of 16 rows (column 0 the channel number,
// 1 receive, 2 transmit, in MHz). An edited frequency is lowered onto the
// 5 kHz or 6.25 kHz raster, also when its text did not change; a transmit
// cell opens only once its row has a receive frequency. An entry that is not
// a number from 100 to 999.99999 is refused and the cell keeps its text.
//
// Object names follow the original controls: Form4; mfgrid1 the grid; Command1 OK, Command2 Cancel.
class TestFrequencyDialog : public AuxDialog {
  Q_OBJECT
 public:
  TestFrequencyDialog();
  ~TestFrequencyDialog() override;

  void setValues(const TestFrequencies& values);
  // A cell not edited keeps the frequency given, exactly as it was read.
  TestFrequencies values() const;

 Q_SIGNALS:
  void valuesAccepted(const qx210::TestFrequencies& values);

 protected:
  void retranslate() override;

 private:
  void writeRow(int row);
  // An in-place edit of a frequency cell ended with `text`, changed or not.
  void cellEdited(int row, int column, const QString& text);

  TestFrequencies m_loaded;
  std::array<TestFrequencyRow, 16> m_rows;  // what the grid shows
  FrequencyCellDelegate* m_cellDelegate = nullptr;

  QTableWidget* m_grid = nullptr;
  QPushButton* m_okButton = nullptr;
  QPushButton* m_cancelButton = nullptr;
};

}  // namespace qx210
