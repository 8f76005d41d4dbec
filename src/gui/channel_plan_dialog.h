#pragma once

#include <QDialog>
#include <vector>

#include "core/channel_plans.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace qx210 {

// File > New from channel plan: the stock plans and the user's own, each with
// what it holds, whether the selected band holds it (and which band it needs
// otherwise) and the channels it makes. OK takes the chosen plan; the caller
// puts its channels in place of all 16.
class ChannelPlanDialog : public QDialog {
  Q_OBJECT
 public:
  ChannelPlanDialog(std::vector<ChannelPlan> plans, int band, const QString& userFolder, QWidget* parent = nullptr);

  // The plan selected, read against the band.
  const PlanImport* chosen() const;
  bool selectPlan(const QString& name);

  QListWidget* planList() const { return m_list; }
  QTableWidget* table() const { return m_table; }
  QLabel* fitLabel() const { return m_fit; }
  QPushButton* createButton() const { return m_create; }

 private:
  void showPlan(int row);
  void openUserFolder();

  std::vector<ChannelPlan> m_plans;
  std::vector<PlanImport> m_reads;
  int m_band = 0;
  QString m_userFolder;
  QListWidget* m_list = nullptr;
  QLabel* m_description = nullptr;
  QLabel* m_fit = nullptr;
  QTableWidget* m_table = nullptr;
  QPushButton* m_create = nullptr;
};

}  // namespace qx210
