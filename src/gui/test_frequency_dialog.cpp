#include "gui/test_frequency_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/access_keys.h"

namespace qx210 {

namespace {

constexpr int kRows = 16;
constexpr int kRxColumn = 1;
constexpr int kTxColumn = 2;

std::size_t At(int row) { return static_cast<std::size_t>(row); }

}  // namespace

// Hands every finished edit of a frequency cell to the dialog, also one that
// leaves the text as it was: the grid itself reports changed texts only, and
// an unchanged receive frequency is still snapped and copied.
class FrequencyCellDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override {
    if (auto* line = qobject_cast<QLineEdit*>(editor)) Q_EMIT cellEdited(index.row(), index.column(), line->text());
  }

 Q_SIGNALS:
  void cellEdited(int row, int column, const QString& text) const;
};

TestFrequencyDialog::TestFrequencyDialog() {
  setObjectName(QStringLiteral("Form4"));
  m_grid = new QTableWidget(kRows, 3, this);
  LeaveWithCtrlTab(m_grid);
  m_grid->setObjectName(QStringLiteral("mfgrid1"));
  m_grid->verticalHeader()->hide();
  m_grid->verticalHeader()->setDefaultSectionSize(22);
  m_grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  m_grid->setColumnWidth(0, 64);
  m_grid->setColumnWidth(kRxColumn, 110);
  m_grid->setColumnWidth(kTxColumn, 110);
  m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
  m_cellDelegate = new FrequencyCellDelegate(m_grid);
  m_grid->setItemDelegate(m_cellDelegate);
  // A click opens the cell's editor at once.
  m_grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
  for (int row = 0; row < kRows; ++row) {
    auto* number = new QTableWidgetItem(QStringLiteral("%1").arg(row + 1, 2, 10, QLatin1Char('0')));
    number->setFlags(Qt::ItemIsEnabled);
    number->setTextAlignment(Qt::AlignCenter);
    m_grid->setItem(row, 0, number);
    for (int column : {kRxColumn, kTxColumn}) {
      auto* cell = new QTableWidgetItem;
      cell->setTextAlignment(Qt::AlignCenter);
      m_grid->setItem(row, column, cell);
    }
  }

  m_okButton = new QPushButton(this);
  m_okButton->setObjectName(QStringLiteral("Command1"));
  m_okButton->setAutoDefault(false);
  m_cancelButton = new QPushButton(this);
  m_cancelButton->setObjectName(QStringLiteral("Command2"));
  m_cancelButton->setAutoDefault(false);
  QHBoxLayout* buttons = ButtonRow({m_okButton, m_cancelButton});
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_grid);
  layout->addLayout(buttons);

  connect(m_cellDelegate, &FrequencyCellDelegate::cellEdited, this, &TestFrequencyDialog::cellEdited);
  connectButtons(m_okButton, m_cancelButton, [this] { Q_EMIT valuesAccepted(values()); });

  retranslate();
  setValues(m_loaded);
}

// An open cell editor commits while the grid is torn down, after this
// object's part is gone: no edit may reach cellEdited then.
TestFrequencyDialog::~TestFrequencyDialog() { m_cellDelegate->disconnect(this); }

void TestFrequencyDialog::retranslate() {
  setWindowTitle(tr("Test Frequency"));
  m_grid->setAccessibleName(tr("Test frequencies"));
  m_grid->setHorizontalHeaderLabels({tr("Channel"), tr("RX Frequency"), tr("TX Frequency")});
  m_okButton->setText(tr("OK"));
  m_cancelButton->setText(tr("Cancel"));
  // Room for all 16 rows under a header whose height depends on the language.
  const int frame = 2 * m_grid->frameWidth();
  m_grid->setMinimumSize(64 + 110 + 110 + frame, m_grid->horizontalHeader()->sizeHint().height() + kRows * 22 + frame);
}

void TestFrequencyDialog::setValues(const TestFrequencies& frequencies) {
  m_loaded = frequencies;
  for (int row = 0; row < kRows; ++row) {
    m_rows.at(At(row)) = {m_loaded.rx.at(At(row)).text(), m_loaded.tx.at(At(row)).text()};
    writeRow(row);
  }
}

void TestFrequencyDialog::writeRow(int row) {
  const TestFrequencyRow& values = m_rows.at(At(row));
  m_grid->item(row, kRxColumn)->setText(values.rx);
  QTableWidgetItem* tx = m_grid->item(row, kTxColumn);
  tx->setText(values.tx);
  const Qt::ItemFlags fixed = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  tx->setFlags(CanEditTransmit(values) ? fixed | Qt::ItemIsEditable : fixed);
}

void TestFrequencyDialog::cellEdited(int row, int column, const QString& text) {
  if (row < 0 || row >= kRows || (column != kRxColumn && column != kTxColumn)) return;
  TestFrequencyRow edited = m_rows.at(At(row));
  const bool accepted = column == kRxColumn ? ApplyReceiveEdit(edited, text) : ApplyTransmitEdit(edited, text);
  if (accepted) m_rows.at(At(row)) = edited;
  // A refused entry gives the cell its previous text back.
  writeRow(row);
}

TestFrequencies TestFrequencyDialog::values() const {
  // A text shown as given stands for the frequency given, which may hold
  // digits no one could type (read from a radio).
  const auto frequency = [](const QString& text, const Frequency& given) {
    if (text == given.text()) return given;
    return Frequency::fromText(text).value_or(Frequency());
  };
  TestFrequencies frequencies;
  for (int row = 0; row < kRows; ++row) {
    frequencies.rx.at(At(row)) = frequency(m_rows.at(At(row)).rx, m_loaded.rx.at(At(row)));
    frequencies.tx.at(At(row)) = frequency(m_rows.at(At(row)).tx, m_loaded.tx.at(At(row)));
  }
  return frequencies;
}

}  // namespace qx210

#include "test_frequency_dialog.moc"
