#include "gui/channel_plan_dialog.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QUrl>

#include "core/bands.h"
#include "core/language.h"
#include "gui/channel_overview_table.h"
#include "gui/channel_table_model.h"
#include "gui/message_box.h"

namespace qx210 {

ChannelPlanDialog::ChannelPlanDialog(std::vector<ChannelPlan> plans, int band, const QString& userFolder,
                                     QWidget* parent)
    : QDialog(parent), m_plans(std::move(plans)), m_band(band), m_userFolder(userFolder) {
  setObjectName(QStringLiteral("channelPlanDialog"));
  setWindowTitle(tr("New from channel plan"));
  const UiLanguage language = CurrentLanguage();

  auto* listLabel = new QLabel(tr("&Plans:"), this);
  m_list = new QListWidget(this);
  m_list->setObjectName(QStringLiteral("planList"));
  m_list->setAccessibleName(tr("Plans"));
  listLabel->setBuddy(m_list);
  for (const ChannelPlan& plan : m_plans) {
    m_reads.push_back(ReadPlan(plan, m_band));
    const QString title = PlanTitle(plan, language);
    m_list->addItem(plan.stock ? title : tr("%1 (your own)").arg(title));
  }

  // Wide enough for every title.
  m_list->setMinimumWidth(m_list->sizeHintForColumn(0) + 2 * m_list->frameWidth() + 4);

  m_description = new QLabel(this);
  m_description->setObjectName(QStringLiteral("planDescription"));
  m_description->setWordWrap(true);
  m_fit = new QLabel(this);
  m_fit->setObjectName(QStringLiteral("planFit"));
  m_fit->setWordWrap(true);
  auto* licence = new QLabel(tr("Your licence and local rules decide which frequencies and powers a radio may use."), this);
  licence->setWordWrap(true);

  auto* tableLabel = new QLabel(tr("C&hannels of the plan:"), this);
  QStringList header;
  for (int column = 1; column < kColumnCount; ++column) header << ChannelTableModel::columnCaption(column);
  m_table = NewChannelOverviewTable(header, this);
  m_table->setObjectName(QStringLiteral("planTable"));
  m_table->setAccessibleName(tr("Channels of the plan"));
  tableLabel->setBuddy(m_table);

  auto* folder = new QLabel(tr("Your own plans (CSV channel lists) go in: %1").arg(QDir::toNativeSeparators(m_userFolder)),
                            this);
  folder->setWordWrap(true);
  folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* openFolder = new QPushButton(tr("&Open folder"), this);
  openFolder->setObjectName(QStringLiteral("openPlanFolder"));
  openFolder->setAutoDefault(false);
  connect(openFolder, &QPushButton::clicked, this, &ChannelPlanDialog::openUserFolder);

  auto* buttons = new QDialogButtonBox(this);
  m_create = buttons->addButton(tr("Create channels"), QDialogButtonBox::AcceptRole);
  m_create->setObjectName(QStringLiteral("createChannels"));
  m_create->setDefault(true);
  buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(m_list, &QListWidget::currentRowChanged, this, &ChannelPlanDialog::showPlan);
  connect(m_list, &QListWidget::itemActivated, this, [this] {
    if (m_create->isEnabled()) accept();
  });

  auto* layout = new QGridLayout(this);
  layout->addWidget(listLabel, 0, 0);
  layout->addWidget(m_list, 1, 0, 4, 1);
  layout->addWidget(m_description, 1, 1, 1, 2);
  layout->addWidget(m_fit, 2, 1, 1, 2);
  layout->addWidget(licence, 3, 1, 1, 2);
  layout->addWidget(tableLabel, 4, 1, 1, 2);
  layout->addWidget(m_table, 5, 0, 1, 3);
  layout->addWidget(folder, 6, 0, 1, 2);
  layout->addWidget(openFolder, 6, 2);
  layout->addWidget(buttons, 7, 0, 1, 3);
  layout->setRowStretch(5, 1);
  layout->setColumnStretch(1, 1);
  setTabOrder(m_list, m_table);
  setTabOrder(m_table, openFolder);

  if (m_plans.empty()) {
    m_fit->setText(tr("No channel plan was found. Put CSV channel lists in the folder below."));
    m_create->setEnabled(false);
  } else {
    m_list->setCurrentRow(0);
  }
  m_list->setFocus();
  resize(860, 600);
}

const PlanImport* ChannelPlanDialog::chosen() const {
  const int row = m_list->currentRow();
  if (row < 0 || row >= static_cast<int>(m_reads.size())) return nullptr;
  return &m_reads[static_cast<std::size_t>(row)];
}

bool ChannelPlanDialog::selectPlan(const QString& name) {
  const std::optional<ChannelPlan> plan = PlanNamed(m_plans, name);
  if (!plan) return false;
  for (int row = 0; row < static_cast<int>(m_plans.size()); ++row)
    if (m_plans[static_cast<std::size_t>(row)].path == plan->path) m_list->setCurrentRow(row);
  return true;
}

void ChannelPlanDialog::showPlan(int row) {
  m_table->clearContents();
  const PlanImport* read = chosen();
  if (!read) return;
  const UiLanguage language = CurrentLanguage();
  const QString bandText = QString::fromLatin1(BandAt(m_band).text);
  m_description->setText(PlanDescription(m_plans[static_cast<std::size_t>(row)], language));
  const ChannelImport& import = read->import;
  if (read->error)
    m_fit->setText(read->error->text(language));
  else if (read->fits(m_band))
    m_fit->setText(tr("The selected band %1 holds this plan.").arg(bandText));
  else if (!read->bands.empty())
    m_fit->setText(tr("This plan needs the band %1; the selected band is %2. Choose that band in the band list "
                      "first.")
                       .arg(read->bandsText(language), bandText));
  else
    m_fit->setText(tr("%1 rows of this plan cannot be imported into the band %2; they are left out:\n%3")
                       .arg(import.notImportedCount())
                       .arg(bandText, ImportReportLines(import, language).join(QLatin1Char('\n'))));
  for (int n = 1; n <= kChannelCount; ++n) {
    const auto& channel = import.channels[static_cast<std::size_t>(n - 1)];
    for (int column = 1; column < kColumnCount; ++column) {
      auto* item = new QTableWidgetItem(channel ? ChannelTableModel::cellText(*channel, n, column, language) : QString());
      item->setTextAlignment(Qt::AlignCenter);
      m_table->setItem(n - 1, column - 1, item);
    }
  }
  // A plan is taken whole: one that another band holds is not cut to this one.
  m_create->setEnabled(!read->error && import.placedCount() > 0 && (read->fits(m_band) || read->bands.empty()));
}

void ChannelPlanDialog::openUserFolder() {
  if (!QDir().mkpath(m_userFolder) || !QDesktopServices::openUrl(QUrl::fromLocalFile(m_userFolder)))
    ShowLocalizedMessage(tr("The folder \"%1\" cannot be opened.").arg(QDir::toNativeSeparators(m_userFolder)),
                         MessageStyle::kIconExclamation);
}

}  // namespace qx210
