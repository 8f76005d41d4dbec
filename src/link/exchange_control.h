#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "core/clone_session.h"

namespace qx210 {

class SerialLink;

// The questions and messages of an exchange. The window shows them as
// message boxes; the command line prints or answers them itself.
class ExchangePrompts {
 public:
  virtual ~ExchangePrompts() = default;
  virtual void showPortNotOpen(UiLanguage language) = 0;
  // May block in a nested event loop. `detail` says what the program saw
  // (no answer, a damaged reply at an address, a lost port), in `language`.
  virtual void showCommunicationError(UiLanguage language, const QString& detail) = 0;
  // Calls `answer` with true for Yes, now or later.
  virtual void askBandQuestion(UiLanguage language, std::function<void(bool yes)> answer) = 0;
};

// Runs read and write exchanges over one SerialLink: the three timers, the
// clone protocol, and signals for the status label, the progress bar and the
// busy state of a window. Each instance is a whole exchange of its own, so
// several can run at once on different ports.
class ExchangeControl : public QObject, private CloneHost {
  Q_OBJECT
 public:
  ExchangeControl(SerialLink& link, ExchangePrompts& prompts, QObject* parent = nullptr);
  ~ExchangeControl() override;

  // False when the port is closed (the prompt has been shown) or an exchange
  // is still under way.
  bool startRead();
  bool startWrite();
  // A write to a radio that has just acknowledged a program request sent
  // through the same port by someone else.
  bool startWriteAcknowledged();

  // Off: ready for the next exchange as soon as one ends (no blink countdown).
  void setFinishCountdownEnabled(bool enabled) { m_session.setFinishCountdownEnabled(enabled); }

  // What a write sends: asked for when the radio has identified itself, so
  // it is the state of that moment (848 bytes, address 0x0010 first).
  void setImageSource(std::function<QByteArray()> source) { m_imageSource = std::move(source); }
  // The band the image is for, checked against the radio's on every
  // acknowledgement of a write.
  void setBandSource(std::function<int()> source) { m_bandSource = std::move(source); }
  // A write also sends the transmitter power calibration block.
  void setCalibrationIncluded(bool included) { m_calibrationIncluded = included; }
  bool calibrationIncluded() const { return m_calibrationIncluded; }
  // The language of the status texts and prompts.
  void setLanguage(UiLanguage language) { m_language = language; }

  bool isBusy() const { return m_session.isBusy(); }
  // True while the radio is being read or written (not in the countdown after).
  bool isRunning() const { return m_session.isRunning(); }
  // Stops a running exchange: End is sent and handed to the device at once.
  void stop();
  // What the last failed exchange saw.
  const CloneFailure& failure() const { return m_session.failure(); }
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
  // A read is complete: the 1024 bytes from address 0x0010 and the band
  // position the radio reported. Emitted before finished().
  void readCompleted(const QByteArray& image, int radioBand);
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
  UiLanguage language() const override;
  bool debugParametersUnlocked() const override;
  int bandListPosition() const override;
  QByteArray encodeImage() override;
  void deliverReadImage(const QByteArray& image, int radioBand) override;
  void showPortNotOpen() override;
  void showCommunicationError(const CloneFailure& failure) override;
  void askBandQuestion(int questionId) override;
  void exchangeEnded(ExchangeOutcome outcome) override;

  void onBytesReceived(const QByteArray& bytes);
  void onPortLost(const QString& reason);
  QTimer& timer(CloneTimer which);

  SerialLink& m_link;
  ExchangePrompts& m_prompts;
  CloneSession m_session{*this};
  QTimer m_watchdog;
  QTimer m_blink;
  QTimer m_retry;
  std::function<QByteArray()> m_imageSource;
  std::function<int()> m_bandSource;
  bool m_calibrationIncluded = false;
  UiLanguage m_language = kEnglish;
  bool m_bandOverride = false;
  qint64 m_bytesSent = 0;
  qint64 m_bytesReceived = 0;
};

}  // namespace qx210
