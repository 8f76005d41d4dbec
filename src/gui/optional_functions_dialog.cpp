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
#include "gui/access_keys.h"
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

  m_scanGroup = Named(new QGroupBox(this), "Frame2");
  auto* scan = new QFormLayout(m_scanGroup);
  m_priorityCaption = Named(new QLabel(m_scanGroup), "Label14");
  m_priorityChannelCaption = Named(new QLabel(m_scanGroup), "Label15");
  m_lookBackTimeACaption = Named(new QLabel(m_scanGroup), "Label17");
  m_lookBackTimeBCaption = Named(new QLabel(m_scanGroup), "Label16");
  m_revertChannelCaption = Named(new QLabel(m_scanGroup), "Label18");
  m_dropoutDelayCaption = Named(new QLabel(m_scanGroup), "Label19");
  m_txDwellCaption = Named(new QLabel(m_scanGroup), "Label20");
  m_priorityList = NewCombo(m_scanGroup, "Combo11");
  m_priorityChannelList = NewCombo(m_scanGroup, "Combo12");
  m_lookBackTimeAList = NewCombo(m_scanGroup, "Combo13");
  m_lookBackTimeBList = NewCombo(m_scanGroup, "Combo14");
  m_revertChannelList = NewCombo(m_scanGroup, "Combo15");
  m_dropoutDelayBox = NewDelaySpin(m_scanGroup, "Text5");
  m_txDwellBox = NewDelaySpin(m_scanGroup, "Text6");
  m_priorityChannelList->addItems(PriorityChannelItems());
  scan->addRow(m_priorityCaption, m_priorityList);
  scan->addRow(m_priorityChannelCaption, m_priorityChannelList);
  scan->addRow(m_lookBackTimeACaption, m_lookBackTimeAList);
  scan->addRow(m_lookBackTimeBCaption, m_lookBackTimeBList);
  scan->addRow(m_revertChannelCaption, m_revertChannelList);
  scan->addRow(m_dropoutDelayCaption, m_dropoutDelayBox);
  scan->addRow(m_txDwellCaption, m_txDwellBox);

  m_voxGroup = Named(new QGroupBox(QStringLiteral("VOX"), this), "Frame1");
  auto* vox = new QFormLayout(m_voxGroup);
  m_voxFunctionCaption = Named(new QLabel(m_voxGroup), "Label8");
  m_voxGainCaption = Named(new QLabel(m_voxGroup), "Label10");
  m_voxDelayCaption = Named(new QLabel(m_voxGroup), "Label9");
  m_voxProceedToneCaption = Named(new QLabel(m_voxGroup), "Label7");
  m_voxFunctionList = NewCombo(m_voxGroup, "Combo6");
  m_voxGainList = NewCombo(m_voxGroup, "Combo7");
  m_voxDelayList = NewCombo(m_voxGroup, "Combo8");
  m_voxProceedToneList = NewCombo(m_voxGroup, "Combo9");
  m_cancelOperationBox = Named(new QCheckBox(m_voxGroup), "Check3");
  m_voxInhibitBox = Named(new QCheckBox(m_voxGroup), "Check4");
  m_voxDelayList->addItems(VoxDelayItems());
  vox->addRow(m_voxFunctionCaption, m_voxFunctionList);
  vox->addRow(m_voxGainCaption, m_voxGainList);
  vox->addRow(m_voxDelayCaption, m_voxDelayList);
  vox->addRow(m_voxProceedToneCaption, m_voxProceedToneList);
  vox->addRow(m_cancelOperationBox);
  vox->addRow(m_voxInhibitBox);

  m_okButton = Named(new QPushButton(this), "Command1");
  m_cancelButton = Named(new QPushButton(this), "Command2");
  m_okButton->setDefault(true);
  QHBoxLayout* buttons = ButtonRow({m_okButton, m_cancelButton});

  auto* groups = new QHBoxLayout;
  groups->addWidget(m_scanGroup);
  groups->addWidget(m_voxGroup, 0, Qt::AlignTop);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(groups);
  layout->addLayout(buttons);

  buildHiddenControls();

  connectButtons(m_okButton, m_cancelButton, [this] { Q_EMIT valuesAccepted(values()); });
  connect(m_autoDialGrid, &QTableWidget::itemChanged, this, &OptionalFunctionsDialog::onAutoDialChanged);

  retranslate();
  setValues(m_loaded);
}

void OptionalFunctionsDialog::buildHiddenControls() {
  // Never shown: a container outside the layout keeps them out of sight.
  m_hidden = Named(new QWidget(this), "hiddenControls");
  m_hidden->hide();
  auto* form = new QFormLayout(m_hidden);

  m_pttIdCaption = Named(new QLabel(QStringLiteral("PTT ID"), m_hidden), "Label4");
  m_pttIdList = NewCombo(m_hidden, "Combo4");
  form->addRow(m_pttIdCaption, m_pttIdList);
  m_idCodeEdit = Named(new CodeLineEdit(kIdCodeLength, m_hidden), "Text1");
  m_txStartCodeEdit = Named(new CodeLineEdit(kDtmfCodeLength, m_hidden), "Text3");
  m_txEndCodeEdit = Named(new CodeLineEdit(kDtmfCodeLength, m_hidden), "Text4");
  form->addRow(QString::fromUtf8("ID码"), m_idCodeEdit);
  form->addRow(QString::fromUtf8("发射开始(16位)"), m_txStartCodeEdit);
  form->addRow(QString::fromUtf8("发射结束(16位)"), m_txEndCodeEdit);
  m_duplicateCaption = Named(new QLabel(m_hidden), "Label11");
  m_duplicateList = NewCombo(m_hidden, "Combo10");
  form->addRow(m_duplicateCaption, m_duplicateList);

  // The DTMF group exists in Chinese only.
  auto* dtmfGroup = Named(new QGroupBox(QStringLiteral("DTMF"), m_hidden), "Frame3");
  auto* dtmf = new QFormLayout(dtmfGroup);
  const auto addDtmf = [&](const char* name, const char* label, const QStringList& items) {
    QComboBox* combo = NewCombo(dtmfGroup, name);
    combo->addItems(items);
    dtmf->addRow(QString::fromUtf8(label), combo);
    return combo;
  };
  m_firstDigitTimeList = addDtmf("Combo16", "首位数码时间", DigitTimeItems());
  m_starHashToneList = addDtmf("Combo17", "*和#音", DigitTimeItems());
  m_firstDigitDelayList = addDtmf("Combo18", "首位数码延迟", FirstDigitDelayItems());
  m_dKeyList = addDtmf("Combo19", "D键设定", DKeyItems());
  m_dtmfRateList = addDtmf("Combo0", "DTMF 速率", DtmfRateItems());
  m_sideToneList = addDtmf("Combo20", "DTMF 侧音", SideToneItems());
  m_autoResetList = addDtmf("Combo21", "自动复位定时器", AutoResetItems());
  m_groupCallList = addDtmf("Combo22", "组呼码", GroupCallItems());
  form->addRow(dtmfGroup);

  m_autoDialGrid = Named(new QTableWidget(kAutoDialCount, 2, m_hidden), "mfgrid1");
  LeaveWithCtrlTab(m_autoDialGrid);
  m_autoDialGrid->setHorizontalHeaderLabels({QString::fromUtf8("编号"), QString::fromUtf8("自动拨号存储器")});
  m_autoDialGrid->verticalHeader()->hide();
  m_autoDialGrid->setItemDelegateForColumn(1, new AutoDialDelegate(m_autoDialGrid));
  // A click opens the cell's editor at once.
  m_autoDialGrid->setEditTriggers(QAbstractItemView::AllEditTriggers);
  for (int row = 0; row < kAutoDialCount; ++row) {
    auto* number = new QTableWidgetItem(QString::number(row + 1));
    number->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    number->setTextAlignment(Qt::AlignCenter);
    m_autoDialGrid->setItem(row, 0, number);
    m_autoDialGrid->setItem(row, 1, new QTableWidgetItem);
  }
  form->addRow(m_autoDialGrid);
}

// An open cell editor commits while the grid is torn down, after this
// object's part is gone: no edit may reach onItemChanged then.
OptionalFunctionsDialog::~OptionalFunctionsDialog() { m_autoDialGrid->disconnect(this); }

void OptionalFunctionsDialog::retranslate() {
  const UiLanguage language = CurrentLanguage();
  setWindowTitle(tr("Optional Function"));
  m_scanGroup->setTitle(tr("Scan"));
  m_priorityCaption->setText(tr("Priority"));
  m_priorityChannelCaption->setText(tr("Priority Channel"));
  m_lookBackTimeACaption->setText(tr("Look Back Time A[S]"));
  m_lookBackTimeBCaption->setText(tr("Look Back Time B[S]"));
  m_revertChannelCaption->setText(tr("Revert channel"));
  m_dropoutDelayCaption->setText(tr("Dropout delay time[S]"));
  m_txDwellCaption->setText(tr("TX Dwell time[S]"));
  m_voxFunctionCaption->setText(tr("VOX Function"));
  m_voxGainCaption->setText(tr("VOX Gain Level"));
  m_voxDelayCaption->setText(tr("VOX Delay time[S]"));
  m_voxProceedToneCaption->setText(tr("VOX Proceed Tone"));
  m_cancelOperationBox->setText(tr("Cancel Operation"));
  m_voxInhibitBox->setText(tr("VOX Inhibit On Reveive"));
  m_duplicateCaption->setText(tr("Duplicate"));
  m_okButton->setText(tr("OK"));
  m_cancelButton->setText(tr("Cancel"));

  SetComboItems(m_priorityList, PriorityItems(language));
  SetComboItems(m_lookBackTimeAList, LookBackTimeItems(language));
  SetComboItems(m_lookBackTimeBList, LookBackTimeItems(language));
  SetComboItems(m_revertChannelList, RevertChannelItems(language));
  SetComboItems(m_voxFunctionList, OffOnItems(language));
  SetComboItems(m_voxGainList, VoxGainItems(language));
  SetComboItems(m_voxProceedToneList, OffOnItems(language));
  SetComboItems(m_pttIdList, PttIdItems(language));
  SetComboItems(m_duplicateList, OffOnItems(language));
  for (QComboBox* combo : {m_priorityList, m_priorityChannelList, m_lookBackTimeAList, m_lookBackTimeBList, m_revertChannelList, m_voxFunctionList, m_voxGainList, m_voxDelayList, m_voxProceedToneList})
    FitComboToItems(combo);
}

void OptionalFunctionsDialog::setValues(const OptionalFunctions& v) {
  m_loading = true;
  SelectPosition(m_pttIdList, v.pttId);
  SelectPosition(m_voxFunctionList, v.voxFunction);
  SelectPosition(m_voxGainList, v.voxGainLevel);
  SelectPosition(m_voxDelayList, v.voxDelayTime);
  SelectPosition(m_voxProceedToneList, v.voxProceedTone);
  SelectPosition(m_duplicateList, v.duplicate);
  SelectPosition(m_priorityList, v.priority);
  SelectPosition(m_priorityChannelList, v.priorityChannel - 1);
  SelectPosition(m_lookBackTimeAList, v.lookBackTimeA);
  SelectPosition(m_lookBackTimeBList, v.lookBackTimeB);
  SelectPosition(m_revertChannelList, v.revertChannel);
  m_idCodeEdit->setText(v.idCode);
  m_txStartCodeEdit->setText(v.txStartCode);
  m_txEndCodeEdit->setText(v.txEndCode);
  m_dropoutDelayBox->setValue(v.dropoutDelayTime);
  m_txDwellBox->setValue(v.txDwellTime);
  m_cancelOperationBox->setChecked(v.cancelOperation);
  m_voxInhibitBox->setChecked(v.voxInhibitOnReceive);
  for (int row = 0; row < kAutoDialCount; ++row)
    m_autoDialGrid->item(row, 1)->setText(v.autoDial.at(static_cast<std::size_t>(row)));
  SelectPosition(m_dtmfRateList, v.dtmfRate);
  SelectPosition(m_firstDigitTimeList, v.firstDigitTime);
  SelectPosition(m_starHashToneList, v.starHashTone);
  SelectPosition(m_dKeyList, v.dKeySetting);
  SelectPosition(m_sideToneList, v.dtmfSideTone);
  SelectPosition(m_autoResetList, v.autoResetTimer);
  m_loaded = v;
  m_loading = false;
}

OptionalFunctions OptionalFunctionsDialog::values() const {
  // The values this dialog does not show stay as they were given.
  OptionalFunctions v = m_loaded;
  StorePosition(m_pttIdList, v.pttId);
  StorePosition(m_voxFunctionList, v.voxFunction);
  StorePosition(m_voxGainList, v.voxGainLevel);
  StorePosition(m_voxDelayList, v.voxDelayTime);
  StorePosition(m_voxProceedToneList, v.voxProceedTone);
  StorePosition(m_duplicateList, v.duplicate);
  StorePosition(m_priorityList, v.priority);
  if (m_priorityChannelList->currentIndex() >= 0) v.priorityChannel = m_priorityChannelList->currentIndex() + 1;
  StorePosition(m_lookBackTimeAList, v.lookBackTimeA);
  StorePosition(m_lookBackTimeBList, v.lookBackTimeB);
  StorePosition(m_revertChannelList, v.revertChannel);
  v.idCode = m_idCodeEdit->text();
  v.txStartCode = m_txStartCodeEdit->text();
  v.txEndCode = m_txEndCodeEdit->text();
  if (m_dropoutDelayBox->value() != std::clamp(m_loaded.dropoutDelayTime, 0, kDelayMaximum))
    v.dropoutDelayTime = m_dropoutDelayBox->value();
  if (m_txDwellBox->value() != std::clamp(m_loaded.txDwellTime, 0, kDelayMaximum)) v.txDwellTime = m_txDwellBox->value();
  v.cancelOperation = m_cancelOperationBox->isChecked();
  v.voxInhibitOnReceive = m_voxInhibitBox->isChecked();
  for (int row = 0; row < kAutoDialCount; ++row)
    v.autoDial.at(static_cast<std::size_t>(row)) = m_autoDialGrid->item(row, 1)->text();
  StorePosition(m_dtmfRateList, v.dtmfRate);
  StorePosition(m_firstDigitTimeList, v.firstDigitTime);
  StorePosition(m_starHashToneList, v.starHashTone);
  StorePosition(m_dKeyList, v.dKeySetting);
  StorePosition(m_sideToneList, v.dtmfSideTone);
  StorePosition(m_autoResetList, v.autoResetTimer);
  return v;
}

void OptionalFunctionsDialog::onAutoDialChanged(QTableWidgetItem* item) {
  if (m_loading || item->column() != 1) return;
  // Reported, and kept as typed.
  if (item->text().size() > kDtmfCodeLength)
    ShowLocalizedMessage(QString::fromUtf8("存储器只能存储16位！"), MessageStyle::kIconStop);
}

}  // namespace qx210
