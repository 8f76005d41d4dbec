#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "link/clone_job.h"
#include "link/clone_log.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace qx210 {

class SerialLink;

// Programming -> "Program several radios…": writes the open document into the
// radios on the ticked ports at once, each port a row with its state, a
// running count of passed and failed radios, an optional CSV log, Start and
// Stop. With "wait for the next radio" each port takes radio after radio
// until Stop.
class ProductionWindow : public QDialog {
  Q_OBJECT
 public:
  struct Hooks {
    // The image to write: the open document as it is when Start is pressed.
    std::function<QByteArray()> image;
    // Before a run on these device paths: frees a port the main window holds
    // among them. False refuses the run (the hook has said why).
    std::function<bool(const QStringList& paths)> acquirePorts;
    // After the run: the main window may take its port again.
    std::function<void()> releasePorts;
  };

  // Columns of the port list.
  enum Column { kPortColumn, kStateColumn, kLastColumn };

  ProductionWindow(SerialLink& link, Hooks hooks, QWidget* parent = nullptr);
  ~ProductionWindow() override;

  bool isRunning() const { return !m_jobs.empty(); }
  int passedCount() const { return m_passed; }

  // The row of a device path, or null.
  QTreeWidgetItem* rowOf(const QString& path) const;
  void setTicked(const QString& path, bool ticked);
  QStringList tickedPaths() const;

  void start();
  // Finishes the radios under way, then ends the run.
  void stop();
  // Ends the run at once; the radios under way are told to leave programming mode.
  void abort();

 Q_SIGNALS:
  void runEnded();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void fillPorts();
  void retranslate();
  void showCounts();
  void showImage();
  void setRunning(bool running);
  void chooseLogFile();
  void showJobState(const CloneJob& job);
  void onRadioFinished(const CloneRadioResult& result);
  void onJobFinished();
  QString stateText(const CloneJob& job) const;

  SerialLink& m_link;
  Hooks m_hooks;
  QLabel* m_imageLabel = nullptr;
  QLabel* m_portsLabel = nullptr;
  QTreeWidget* m_ports = nullptr;
  QCheckBox* m_verify = nullptr;
  QCheckBox* m_continuous = nullptr;
  QLabel* m_logLabel = nullptr;
  QLineEdit* m_logPath = nullptr;
  QPushButton* m_browse = nullptr;
  QLabel* m_counts = nullptr;
  QPushButton* m_start = nullptr;
  QPushButton* m_stop = nullptr;
  QPushButton* m_close = nullptr;
  QTimer m_rescan;
  std::vector<std::unique_ptr<CloneJob>> m_jobs;
  CloneLog m_log;
  int m_passed = 0;
  int m_failed = 0;
  bool m_closeWhenDone = false;
};

}  // namespace qx210
