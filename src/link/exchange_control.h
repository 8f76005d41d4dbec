#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "core/clone_session.h"

namespace qx210 {

class Editor;
class SerialLink;

// The questions and messages of an exchange. The window shows them as
// message boxes; the command line prints or answers them itself.
class ExchangePrompts {
 public:
  virtual ~ExchangePrompts() = default;
  virtual void showPortNotOpen(UiLanguage language) = 0;
  // May block in a nested event loop.
  virtual void showCommunicationError(UiLanguage language) = 0;
  // Calls `answer` with true for Yes, now or later.
  virtual void askBandQuestion(UiLanguage language, std::function<void(bool yes)> answer) = 0;
};

// Runs read and write exchanges over a SerialLink for an Editor: the three
// timers, the clone protocol, and signals for the status label, the progress
// bar and the busy state of the window.
class ExchangeControl : public QObject, private CloneHost {
  Q_OBJECT
 public:
  ExchangeControl(Editor& editor, SerialLink& link, ExchangePrompts& prompts, QObject* parent = nullptr);
  ~ExchangeControl() override;

  // StartReadExchange and StartWriteExchange.
  bool startRead();
  bool startWrite();

  bool isBusy() const { return m_session.isBusy(); }
  const CloneSession& session() const { return m_session; }

  void setBandOverrideEnabled(bool enabled) { m_bandOverride = enabled; }
  bool bandOverrideEnabled() const override { return m_bandOverride; }

  // Wire bytes of the current exchange, both ways (for measurements).
  qint64 bytesSent() const { return m_bytesSent; }
  qint64 bytesReceived() const { return m_bytesReceived; }

 Q_SIGNALS:
  void busyChanged(bool busy);
  void statusTextChanged(const QString& text);
  void statusVisibleChanged(bool visible);
  void progressShown(int maximum);
  void progressChanged(int value);
  void progressHidden();
  // An open in-place editor should commit before the exchange starts.
  void editorCommitRequested();
  void finished(qx210::ExchangeOutcome outcome);

 private:
  // CloneHost
  bool isPortOpen() const override;
  void transmitBytes(const QByteArray& bytes) override;
  void setTimerActive(CloneTimer timer, bool active) override;
  void showProgress(int maximum) override;
  void setProgressValue(int value) override;
  void hideProgress() override;
  void setStatusText(const QString& text) override;
  void setStatusVisible(bool visible) override;
  void setBusy(bool busy) override;
  void prepareEditorForExchange() override;
  UiLanguage language() const override;
  bool debugParametersUnlocked() const override;
  int bandListPosition() const override;
  void selectBandAfterRead(int position) override;
  QByteArray encodeImage() override;
  bool decodeImage(const QByteArray& image) override;
  void showPortNotOpen() override;
  void showCommunicationError() override;
  void askBandQuestion(int questionId) override;
  void exchangeEnded(ExchangeOutcome outcome) override;

  void onBytesReceived(const QByteArray& bytes);
  void onPortLost();
  QTimer& timer(CloneTimer which);

  Editor& m_editor;
  SerialLink& m_link;
  ExchangePrompts& m_prompts;
  CloneSession m_session{*this};
  QTimer m_watchdog;
  QTimer m_blink;
  QTimer m_retry;
  bool m_bandOverride = false;
  qint64 m_bytesSent = 0;
  qint64 m_bytesReceived = 0;
};

}  // namespace qx210
