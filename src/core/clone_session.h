#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

#include "core/clone_failure.h"
#include "core/radio_identification.h"
#include "core/ui_language.h"
#include "core/layout.h"
#include "core/memory_image.h"

// The clone protocol with the radio and the control of one exchange: bytes in,
// bytes out, timer ticks in, user-interface steps out through CloneHost. It
// owns no port, no timer and no window, so it runs as well under tests as
// behind the serial adapter or the command line.
namespace qx210 {

// Phase of the exchange as the protocol names it.
enum class ClonePhase : int { Transfer = 0, Handshake = 1, Aborted = 10 };

enum class CloneDirection { None, Read, Write };

// The reply watchdog (1000 ms), the status blink and finish countdown
// (200 ms) and the handshake retry (500 ms).
enum class CloneTimer { Watchdog, Blink, Retry };
inline constexpr int kWatchdogIntervalMs = 1000;
inline constexpr int kBlinkIntervalMs = 200;
inline constexpr int kRetryIntervalMs = 500;

// How an exchange ended.
enum class ExchangeOutcome {
  ReadComplete,
  WriteComplete,
  BandRefused,   // write stopped: the radio reports another band
  BandDeclined,  // write stopped: the user answered No to the band question
  CommunicationError,
  Stopped,  // the program stopped it (the user is leaving)
};

// Radio addresses and sizes of the two address plans.
inline constexpr int kReadBlockSize = 0x40;
inline constexpr int kWriteBlockSize = 0x10;
inline constexpr int kFirstBlockAddress = kImageBase;
inline constexpr int kReadEndAddress = kRadioImageEnd;
inline constexpr int kWriteEndAddress = kImageEnd;
inline constexpr int kCloneProgressMaximum = 460;

// Where the progress of an exchange stands once it has gone through: after
// the last acknowledgement of a read (425 of 460) or of a write (390, or
// 400 with the calibration block). Percentages shown anywhere count towards
// this, so they end at 100.
int ProgressAtEnd(CloneDirection direction, bool calibrationIncluded);
// `value` as a whole percentage of ProgressAtEnd, at most 100.
int ProgressPercent(int value, CloneDirection direction, bool calibrationIncluded);

// Messages of the clone protocol.
namespace clone_bytes {
inline constexpr char kAcknowledge = 0x06;
inline constexpr char kIdentifyRequest = 0x02;
inline constexpr char kEnd = 0x45;  // "E"
inline constexpr char kReadRequest = 0x52;  // "R"
inline constexpr char kWriteBlock = 0x57;   // "W", also the first byte of a read reply
inline const QByteArray kProgramRequest = QByteArrayLiteral("PROGRAM");
inline constexpr int kReadReplyLength = 4 + kReadBlockSize;
}  // namespace clone_bytes

// What the exchange needs from its surroundings: the port, the three timers,
// the status label, the progress bar, the busy state of the window, the image
// to write and the read image's destination, and the questions and messages
// shown to the user.
class CloneHost {
 public:
  virtual ~CloneHost() = default;

  virtual bool isPortOpen() const = 0;
  // One message; the adapter hands it to the port one byte at a time.
  virtual void transmitBytes(const QByteArray& bytes) = 0;
  virtual void setTimerActive(CloneTimer timer, bool active) = 0;

  virtual void showProgress(int maximum) = 0;  // visible, value 0
  virtual void setProgressValue(int value) = 0;
  virtual void hideProgress() = 0;
  virtual void setStatusText(const QString& text) = 0;
  virtual void setStatusVisible(bool visible) = 0;
  // Toolbar, Programming menu and the read/write buttons disabled (true) or back.
  virtual void setBusy(bool busy) = 0;

  virtual UiLanguage language() const = 0;
  virtual bool bandOverrideEnabled() const = 0;
  virtual bool debugParametersUnlocked() const = 0;
  // The band the image to write is for; the radio's must match it.
  virtual int bandListPosition() const = 0;
  // The image a write sends, asked for when the radio has identified itself:
  // 848 bytes, address 0x0010 first.
  virtual QByteArray encodeImage() = 0;
  // A read is complete: the 1024 bytes from address 0x0010 and the band
  // position the radio reported (its last known one when the code was unknown).
  virtual void deliverReadImage(const QByteArray& image, int radioBand) = 0;

  virtual void showPortNotOpen() = 0;
  // May run a nested event loop; the exchange is already marked aborted.
  // `failure` says what the program saw.
  virtual void showCommunicationError(const CloneFailure& failure) = 0;
  // Asks the band question of override mode. The answer comes through
  // CloneSession::answerBandQuestion with the same id, at once or later.
  virtual void askBandQuestion(int questionId) = 0;

  virtual void exchangeEnded(ExchangeOutcome outcome) { (void)outcome; }
};

// The exchange record of one port, kept as long as that port is used: its
// fields keep their values from one exchange to the next. Each instance has
// its own state, so exchanges on several ports run side by side.
class CloneSession {
 public:
  explicit CloneSession(CloneHost& host) : m_host(host) {}
  CloneSession(const CloneSession&) = delete;
  CloneSession& operator=(const CloneSession&) = delete;

  // Starts a read or a write. False when the port is closed (the prompt has
  // been shown) or an exchange is still under way.
  bool startReadExchange() { return startExchange(CloneDirection::Read, false); }
  bool startWriteExchange() { return startExchange(CloneDirection::Write, false); }
  // A write to a radio that has just acknowledged a program request sent by
  // someone else (a port waiting for the next radio): the exchange goes on
  // with the identify request, as after its own acknowledgement.
  bool startWriteExchangeAcknowledged() { return startExchange(CloneDirection::Write, true); }

  // With the countdown off, the session is ready for the next exchange as
  // soon as one ends, rather than after the 12 blink ticks a window shows.
  void setFinishCountdownEnabled(bool enabled) { m_finishCountdown = enabled; }

  // Every chunk of bytes the port delivers.
  void handleReceivedBytes(const QByteArray& bytes);

  // Timer ticks.
  void tickWatchdog();
  void tickBlink();
  void tickRetry();

  // The answer to askBandQuestion; ignored unless that very question is still
  // open (an exchange the watchdog ended stays ended).
  void answerBandQuestion(int questionId, bool yes);

  // Ends a running exchange with the communication error (watchdog expiry).
  // Does nothing when no exchange is running.
  void failExchange();
  // The same with what was seen, such as a port that went away.
  void failExchange(const CloneFailure& failure);
  // What the last failed exchange saw; Kind::None after a good one.
  const CloneFailure& failure() const { return m_failure; }

  // Stops a running exchange without a message: End goes to the radio so
  // that it leaves programming mode, and the window is usable at once.
  void stop();

  // True from the start of an exchange until the window is usable again.
  bool isBusy() const { return m_busy; }
  // True while the protocol still acts on received bytes.
  bool isRunning() const { return m_running; }
  bool bandQuestionOpen() const { return m_questionOpen; }

  CloneDirection direction() const { return m_direction; }
  ClonePhase phase() const { return m_phase; }
  const QString& rxHex() const { return m_rxHex; }
  int blockAddress() const { return m_blockAddress; }
  int radioBand() const { return m_radioBand; }
  // The identification the radio sent in this exchange; none before it.
  const std::optional<RadioIdentification>& identification() const { return m_identification; }
  const QByteArray& writeImage() const { return m_writeImage; }
  const QByteArray& readImage() const { return m_readImage; }
  int watchdogCount() const { return m_watchdogCount; }
  int exchangeDone() const { return m_exchangeDone; }
  int doneCount() const { return m_doneCount; }
  int retryCount() const { return m_retryCount; }
  bool timerActive(CloneTimer timer) const;

 private:
  bool startExchange(CloneDirection direction, bool acknowledged);
  CloneFailure failureNow() const;
  void transmitMessage(const QByteArray& message);
  void handshake();
  void transferRead();
  void transferWrite();
  void continueWrite();
  void finishExchange(const QString& statusText, ExchangeOutcome outcome);
  void advanceProgress(int step);
  void setTimer(CloneTimer timer, bool active);
  void setStatusVisible(bool visible);
  void setBusy(bool busy);
  QString text(const Bilingual& texts) const;

  CloneHost& m_host;

  CloneDirection m_direction = CloneDirection::None;
  ClonePhase m_phase = ClonePhase::Transfer;
  QString m_rxHex;
  int m_blockAddress = 0;
  QByteArray m_writeImage;
  QByteArray m_readImage;
  std::optional<RadioIdentification> m_identification;
  int m_radioBand = 0;
  int m_watchdogCount = 0;
  int m_exchangeDone = 0;
  int m_doneCount = 0;
  int m_retryCount = 0;

  int m_progressValue = 0;
  bool m_statusVisible = false;
  bool m_timerActive[3] = {false, false, false};
  bool m_busy = false;
  bool m_running = false;
  // The first acknowledgement of a handshake restarts the watchdog; later
  // ones do not, so a radio that only ever acknowledges still fails in time.
  bool m_handshakeAcknowledged = false;
  // A read request is out and its reply has not been taken yet.
  bool m_awaitingReadReply = false;
  bool m_questionOpen = false;
  int m_questionId = 0;
  // The block last requested or written; -1 before the first one.
  int m_lastBlock = -1;
  bool m_finishCountdown = true;
  CloneFailure m_failure;
};

}  // namespace qx210
