#include "gui/optional_functions_dialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/dialog_rules.h"
#include "core/language.h"
#include "gui/message_box.h"

namespace qx210 {

namespace {

constexpr int kDelayMaximum = 300;  // seconds, what the memory image holds
constexpr int kAutoDialCount = 8;

// Edits the auto-dial memories with the DTMF key filter and no length limit:
// an over-long memory is reported after the edit.
class AutoDialDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
    auto* edit = new CodeLineEdit(0, parent);
    edit->setObjectName(QStringLiteral("autoDialEditor"));
    return edit;
  }
};

template <typename T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QComboBox* NewCombo(QWidget* parent, const char* name) {
  auto* combo = Named(new QComboBox(parent), name);
  // Widths follow the texts of the language in force.
  combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  return combo;
}

QSpinBox* NewDelaySpin(QWidget* parent, const char* name) {
  auto* spin = Named(new QSpinBox(parent), name);
  spin->setRange(0, kDelayMaximum);
  return spin;
}

void StorePosition(const QComboBox* combo, int& value) {
  if (combo->currentIndex() >= 0) value = combo->currentIndex();
}

}  // namespace

OptionalFunctionsDialog::OptionalFunctionsDialog() {
  setObjectName(QStringLiteral("Form5"));

  m_frame2 = Named(new QGroupBox(this), "Frame2");
  auto* scan = new QFormLayout(m_frame2);
  m_label14 = Named(new QLabel(m_frame2), "Label14");
  m_label15 = Named(new QLabel(m_frame2), "Label15");
  m_label17 = Named(new QLabel(m_frame2), "Label17");
  m_label16 = Named(new QLabel(m_frame2), "Label16");
  m_label18 = Named(new QLabel(m_frame2), "Label18");
  m_label19 = Named(new QLabel(m_frame2), "Label19");
  m_label20 = Named(new QLabel(m_frame2), "Label20");
  m_combo11 = NewCombo(m_frame2, "Combo11");
  m_combo12 = NewCombo(m_frame2, "Combo12");
  m_combo13 = NewCombo(m_frame2, "Combo13");
  m_combo14 = NewCombo(m_frame2, "Combo14");
  m_combo15 = NewCombo(m_frame2, "Combo15");
  m_text5 = NewDelaySpin(m_frame2, "Text5");
  m_text6 = NewDelaySpin(m_frame2, "Text6");
  m_combo12->addItems(PriorityChannelItems());
  scan->addRow(m_label14, m_combo11);
  scan->addRow(m_label15, m_combo12);
  scan->addRow(m_label17, m_combo13);
  scan->addRow(m_label16, m_combo14);
  scan->addRow(m_label18, m_combo15);
  scan->addRow(m_label19, m_text5);
  scan->addRow(m_label20, m_text6);

  m_frame1 = Named(new QGroupBox(QStringLiteral("VOX"), this), "Frame1");
  auto* vox = new QFormLayout(m_frame1);
  m_label8 = Named(new QLabel(m_frame1), "Label8");
  m_label10 = Named(new QLabel(m_frame1), "Label10");
  m_label9 = Named(new QLabel(m_frame1), "Label9");
  m_label7 = Named(new QLabel(m_frame1), "Label7");
  m_combo6 = NewCombo(m_frame1, "Combo6");
  m_combo7 = NewCombo(m_frame1, "Combo7");
  m_combo8 = NewCombo(m_frame1, "Combo8");
  m_combo9 = NewCombo(m_frame1, "Combo9");
  m_check3 = Named(new QCheckBox(m_frame1), "Check3");
  m_check4 = Named(new QCheckBox(m_frame1), "Check4");
  m_combo8->addItems(VoxDelayItems());
  vox->addRow(m_label8, m_combo6);
  vox->addRow(m_label10, m_combo7);
  vox->addRow(m_label9, m_combo8);
  vox->addRow(m_label7, m_combo9);
  vox->addRow(m_check3);
  vox->addRow(m_check4);

  m_command1 = Named(new QPushButton(this), "Command1");
  m_command2 = Named(new QPushButton(this), "Command2");
  m_command1->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(m_command1);
  buttons->addWidget(m_command2);

  auto* groups = new QHBoxLayout;
  groups->addWidget(m_frame2);
  groups->addWidget(m_frame1, 0, Qt::AlignTop);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(groups);
  layout->addLayout(buttons);

  buildHiddenControls();

  connect(m_command1, &QPushButton::clicked, this, [this] {
    Q_EMIT valuesAccepted(values());
    accept();
  });
  connect(m_command2, &QPushButton::clicked, this, &QDialog::reject);
  connect(m_mfgrid1, &QTableWidget::itemChanged, this, &OptionalFunctionsDialog::onAutoDialChanged);

  retranslate();
  setValues(m_loaded);
}

void OptionalFunctionsDialog::buildHiddenControls() {
  // Never shown: a container outside the layout keeps them out of sight.
  m_hidden = Named(new QWidget(this), "hiddenControls");
  m_hidden->hide();
  auto* form = new QFormLayout(m_hidden);

  m_label4 = Named(new QLabel(QStringLiteral("PTT ID"), m_hidden), "Label4");
  m_combo4 = NewCombo(m_hidden, "Combo4");
  form->addRow(m_label4, m_combo4);
  m_text1 = Named(new CodeLineEdit(kIdCodeLength, m_hidden), "Text1");
  m_text3 = Named(new CodeLineEdit(kDtmfCodeLength, m_hidden), "Text3");
  m_text4 = Named(new CodeLineEdit(kDtmfCodeLength, m_hidden), "Text4");
  form->addRow(QString::fromUtf8("ID码"), m_text1);
  form->addRow(QString::fromUtf8("发射开始(16位)"), m_text3);
  form->addRow(QString::fromUtf8("发射结束(16位)"), m_text4);
  m_label11 = Named(new QLabel(m_hidden), "Label11");
  m_combo10 = NewCombo(m_hidden, "Combo10");
  form->addRow(m_label11, m_combo10);

  // The DTMF group exists in Chinese only.
  auto* frame3 = Named(new QGroupBox(QStringLiteral("DTMF"), m_hidden), "Frame3");
  auto* dtmf = new QFormLayout(frame3);
  const auto addDtmf = [&](const char* name, const char* label, const QStringList& items) {
    QComboBox* combo = NewCombo(frame3, name);
    combo->addItems(items);
    dtmf->addRow(QString::fromUtf8(label), combo);
    return combo;
  };
  m_combo16 = addDtmf("Combo16", "首位数码时间", DigitTimeItems());
  m_combo17 = addDtmf("Combo17", "*和#音", DigitTimeItems());
  m_combo18 = addDtmf("Combo18", "首位数码延迟", FirstDigitDelayItems());
  m_combo19 = addDtmf("Combo19", "D键设定", DKeyItems());
  m_combo0 = addDtmf("Combo0", "DTMF 速率", DtmfRateItems());
  m_combo20 = addDtmf("Combo20", "DTMF 侧音", SideToneItems());
  m_combo21 = addDtmf("Combo21", "自动复位定时器", AutoResetItems());
  m_combo22 = addDtmf("Combo22", "组呼码", GroupCallItems());
  form->addRow(frame3);

  m_mfgrid1 = Named(new QTableWidget(kAutoDialCount, 2, m_hidden), "mfgrid1");
  m_mfgrid1->setHorizontalHeaderLabels({QString::fromUtf8("编号"), QString::fromUtf8("自动拨号存储器")});
  m_mfgrid1->verticalHeader()->hide();
  m_mfgrid1->setItemDelegateForColumn(1, new AutoDialDelegate(m_mfgrid1));
  // A click opens the cell's editor at once.
  m_mfgrid1->setEditTriggers(QAbstractItemView::AllEditTriggers);
  for (int row = 0; row < kAutoDialCount; ++row) {
    auto* number = new QTableWidgetItem(QString::number(row + 1));
    number->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    number->setTextAlignment(Qt::AlignCenter);
    m_mfgrid1->setItem(row, 0, number);
    m_mfgrid1->setItem(row, 1, new QTableWidgetItem);
  }
  form->addRow(m_mfgrid1);
}

// An open cell editor commits while the grid is torn down, after this
// object's part is gone: no edit may reach onItemChanged then.
OptionalFunctionsDialog::~OptionalFunctionsDialog() { m_mfgrid1->disconnect(this); }

void OptionalFunctionsDialog::retranslate() {
  const UiLanguage language = CurrentLanguage();
  setWindowTitle(tr("Optional Function"));
  m_frame2->setTitle(tr("Scan"));
  m_label14->setText(tr("Priority"));
  m_label15->setText(tr("Priority Channel"));
  m_label17->setText(tr("Look Back Time A[S]"));
  m_label16->setText(tr("Look Back Time B[S]"));
  m_label18->setText(tr("Revert channel"));
  m_label19->setText(tr("Dropout delay time[S]"));
  m_label20->setText(tr("TX Dwell time[S]"));
  m_label8->setText(tr("VOX Function"));
  m_label10->setText(tr("VOX Gain Level"));
  m_label9->setText(tr("VOX Delay time[S]"));
  m_label7->setText(tr("VOX Proceed Tone"));
  m_check3->setText(tr("Cancel Operation"));
  m_check4->setText(tr("VOX Inhibit On Reveive"));
  m_label11->setText(tr("Duplicate"));
  m_command1->setText(tr("OK"));
  m_command2->setText(tr("Cancel"));

  SetComboItems(m_combo11, PriorityItems(language));
  SetComboItems(m_combo13, LookBackTimeItems(language));
  SetComboItems(m_combo14, LookBackTimeItems(language));
  SetComboItems(m_combo15, RevertChannelItems(language));
  SetComboItems(m_combo6, OffOnItems(language));
  SetComboItems(m_combo7, VoxGainItems(language));
  SetComboItems(m_combo9, OffOnItems(language));
  SetComboItems(m_combo4, PttIdItems(language));
  SetComboItems(m_combo10, OffOnItems(language));
  for (QComboBox* combo : {m_combo11, m_combo12, m_combo13, m_combo14, m_combo15, m_combo6, m_combo7, m_combo8, m_combo9})
    FitComboToItems(combo);
}

void OptionalFunctionsDialog::setValues(const OptionalFunctions& v) {
  m_loading = true;
  SelectPosition(m_combo4, v.pttId);
  SelectPosition(m_combo6, v.voxFunction);
  SelectPosition(m_combo7, v.voxGainLevel);
  SelectPosition(m_combo8, v.voxDelayTime);
  SelectPosition(m_combo9, v.voxProceedTone);
  SelectPosition(m_combo10, v.duplicate);
  SelectPosition(m_combo11, v.priority);
  SelectPosition(m_combo12, v.priorityChannel - 1);
  SelectPosition(m_combo13, v.lookBackTimeA);
  SelectPosition(m_combo14, v.lookBackTimeB);
  SelectPosition(m_combo15, v.revertChannel);
  m_text1->setText(v.idCode);
  m_text3->setText(v.txStartCode);
  m_text4->setText(v.txEndCode);
  m_text5->setValue(v.dropoutDelayTime);
  m_text6->setValue(v.txDwellTime);
  m_check3->setChecked(v.cancelOperation);
  m_check4->setChecked(v.voxInhibitOnReceive);
  for (int row = 0; row < kAutoDialCount; ++row)
    m_mfgrid1->item(row, 1)->setText(v.autoDial.at(static_cast<std::size_t>(row)));
  SelectPosition(m_combo0, v.dtmfRate);
  SelectPosition(m_combo16, v.firstDigitTime);
  SelectPosition(m_combo17, v.starHashTone);
  SelectPosition(m_combo19, v.dKeySetting);
  SelectPosition(m_combo20, v.dtmfSideTone);
  SelectPosition(m_combo21, v.autoResetTimer);
  m_loaded = v;
  m_loading = false;
}

OptionalFunctions OptionalFunctionsDialog::values() const {
  // The values this dialog does not show stay as they were given.
  OptionalFunctions v = m_loaded;
  StorePosition(m_combo4, v.pttId);
  StorePosition(m_combo6, v.voxFunction);
  StorePosition(m_combo7, v.voxGainLevel);
  StorePosition(m_combo8, v.voxDelayTime);
  StorePosition(m_combo9, v.voxProceedTone);
  StorePosition(m_combo10, v.duplicate);
  StorePosition(m_combo11, v.priority);
  if (m_combo12->currentIndex() >= 0) v.priorityChannel = m_combo12->currentIndex() + 1;
  StorePosition(m_combo13, v.lookBackTimeA);
  StorePosition(m_combo14, v.lookBackTimeB);
  StorePosition(m_combo15, v.revertChannel);
  v.idCode = m_text1->text();
  v.txStartCode = m_text3->text();
  v.txEndCode = m_text4->text();
  if (m_text5->value() != std::clamp(m_loaded.dropoutDelayTime, 0, kDelayMaximum))
    v.dropoutDelayTime = m_text5->value();
  if (m_text6->value() != std::clamp(m_loaded.txDwellTime, 0, kDelayMaximum)) v.txDwellTime = m_text6->value();
  v.cancelOperation = m_check3->isChecked();
  v.voxInhibitOnReceive = m_check4->isChecked();
  for (int row = 0; row < kAutoDialCount; ++row)
    v.autoDial.at(static_cast<std::size_t>(row)) = m_mfgrid1->item(row, 1)->text();
  StorePosition(m_combo0, v.dtmfRate);
  StorePosition(m_combo16, v.firstDigitTime);
  StorePosition(m_combo17, v.starHashTone);
  StorePosition(m_combo19, v.dKeySetting);
  StorePosition(m_combo20, v.dtmfSideTone);
  StorePosition(m_combo21, v.autoResetTimer);
  return v;
}

void OptionalFunctionsDialog::onAutoDialChanged(QTableWidgetItem* item) {
  if (m_loading || item->column() != 1) return;
  // Reported, and kept as typed.
  if (item->text().size() > kDtmfCodeLength)
    ShowLocalizedMessage(QString::fromUtf8("存储器只能存储16位！"), MessageStyle::kIconStop);
}

}  // namespace qx210
