#include "gui/test_frequency_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

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
  m_mfgrid1 = new QTableWidget(kRows, 3, this);
  m_mfgrid1->setObjectName(QStringLiteral("mfgrid1"));
  m_mfgrid1->verticalHeader()->hide();
  m_mfgrid1->verticalHeader()->setDefaultSectionSize(22);
  m_mfgrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  m_mfgrid1->setColumnWidth(0, 64);
  m_mfgrid1->setColumnWidth(kRxColumn, 110);
  m_mfgrid1->setColumnWidth(kTxColumn, 110);
  m_mfgrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  m_cellDelegate = new FrequencyCellDelegate(m_mfgrid1);
  m_mfgrid1->setItemDelegate(m_cellDelegate);
  // A click opens the cell's editor at once.
  m_mfgrid1->setEditTriggers(QAbstractItemView::AllEditTriggers);
  for (int row = 0; row < kRows; ++row) {
    auto* number = new QTableWidgetItem(QStringLiteral("%1").arg(row + 1, 2, 10, QLatin1Char('0')));
    number->setFlags(Qt::ItemIsEnabled);
    number->setTextAlignment(Qt::AlignCenter);
    m_mfgrid1->setItem(row, 0, number);
    for (int column : {kRxColumn, kTxColumn}) {
      auto* cell = new QTableWidgetItem;
      cell->setTextAlignment(Qt::AlignCenter);
      m_mfgrid1->setItem(row, column, cell);
    }
  }

  m_command1 = new QPushButton(this);
  m_command1->setObjectName(QStringLiteral("Command1"));
  m_command1->setAutoDefault(false);
  m_command2 = new QPushButton(this);
  m_command2->setObjectName(QStringLiteral("Command2"));
  m_command2->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(m_command1);
  buttons->addWidget(m_command2);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_mfgrid1);
  layout->addLayout(buttons);

  connect(m_cellDelegate, &FrequencyCellDelegate::cellEdited, this, &TestFrequencyDialog::cellEdited);
  connect(m_command1, &QPushButton::clicked, this, [this] {
    Q_EMIT valuesAccepted(values());
    accept();
  });
  connect(m_command2, &QPushButton::clicked, this, &QDialog::reject);

  retranslate();
  setValues(m_loaded);
}

// An open cell editor commits while the grid is torn down, after this
// object's part is gone: no edit may reach cellEdited then.
TestFrequencyDialog::~TestFrequencyDialog() { m_cellDelegate->disconnect(this); }

void TestFrequencyDialog::retranslate() {
  setWindowTitle(tr("Test Frequency"));
  m_mfgrid1->setHorizontalHeaderLabels({tr("Channel"), tr("RX Frequency"), tr("TX Frequency")});
  m_command1->setText(tr("OK"));
  m_command2->setText(tr("Cancel"));
  // Room for all 16 rows under a header whose height depends on the language.
  const int frame = 2 * m_mfgrid1->frameWidth();
  m_mfgrid1->setMinimumSize(64 + 110 + 110 + frame, m_mfgrid1->horizontalHeader()->sizeHint().height() + kRows * 22 + frame);
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
  m_mfgrid1->item(row, kRxColumn)->setText(values.rx);
  QTableWidgetItem* tx = m_mfgrid1->item(row, kTxColumn);
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
