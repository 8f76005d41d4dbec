#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "core/clone_session.h"

class QLabel;
class QPushButton;
class QShortcut;
class QStatusBar;
class QWidget;

namespace qx210 {

class ExchangeControl;

// An exchange in the window's status bar: what it does, on which port and
// how far (in per cent), with a Stop button (Escape too) that ends it with
// End sent and the document untouched. When it is over, its result stays in
// the status bar until the next action (an edit or the next exchange).
class ExchangeStatus : public QObject {
  Q_OBJECT
 public:
  ExchangeStatus(ExchangeControl& control, QStatusBar* bar, QWidget* window,
                 std::function<QString()> portDescription, QObject* parent = nullptr);

  QPushButton* stopButton() const { return m_stop; }
  QLabel* progressLabel() const { return m_progress; }
  // The last result, until the next action; empty then.
  QString result() const;
  void clearResult();

  // How far the exchange under way (or the last one) has come, as the
  // percentage shown: 100 once everything has been acknowledged.
  int percent() const;

 private:
  void onBusyChanged(bool busy);
  void showProgress();
  void onProgressChanged(int value);
  void onFinished(ExchangeOutcome outcome);
  void stop();

  ExchangeControl& m_control;
  QLabel* m_progress = nullptr;
  QLabel* m_result = nullptr;
  QPushButton* m_stop = nullptr;
  QShortcut* m_escape = nullptr;
  std::function<QString()> m_portDescription;
  int m_progressValue = 0;
};

}  // namespace qx210
