#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <chrono>
#include <deque>
#include <mutex>
#include <thread>

#include "radio_protocol.h"

// The emulated radio behind a pseudo-terminal: the program opens the slave
// path like a serial port. Runs its own thread so that a test can drive the
// program's event loop while the radio answers.
namespace qx210::sim {

struct LineOptions {
  bool paced = false;  // 9600 bit/s, 10 bits per byte, in both directions
  int latencyMs = 0;   // pause between a complete request and its reply
  int pieces = 1;      // each reply written in this many pieces
  int pieceGapMs = 5;  // pause between the pieces of a reply
  bool echo = false;   // no radio: the line returns every byte it is sent
};

class PtyRadio {
 public:
  PtyRadio(RadioProtocol protocol, LineOptions line);
  ~PtyRadio();
  PtyRadio(const PtyRadio&) = delete;
  PtyRadio& operator=(const PtyRadio&) = delete;

  // Opens the pseudo-terminal; false with `error` set on failure.
  bool open(QString* error = nullptr);
  QString slavePath() const { return m_slavePath; }

  void start();  // answers in a thread of its own
  void run();    // answers in the calling thread until stop()
  void stop();
  // Safe from a signal handler: wakes the loop and ends it.
  void requestStop();

  // Closes the pseudo-terminal as though the cable were pulled.
  void pullCable();

  // Takes the radio off the cable, which then answers nothing, or puts it back.
  void setRadioConnected(bool connected);
  bool radioConnected() const;
  // Puts another radio on the cable, as an operator swapping radios does.
  void replaceRadio(RadioProtocol protocol);

  // Saves the memory here after every End and when the radio stops.
  void setSavePath(const QString& path) { m_savePath = path; }

  QByteArray memory() const;
  int endsReceived() const;
  int programRequests() const;
  int readRequests() const;
  QList<int> writtenAddresses() const;

  static constexpr std::chrono::nanoseconds kByteTime{1'041'667};  // 10 bits at 9600 bit/s

 private:
  using Clock = std::chrono::steady_clock;
  struct TimedByte {
    Clock::time_point at;
    char byte;
  };

  void loop();
  void readAvailable();
  void deliverDueBytes();
  void writeDueBytes();
  void schedule(const QByteArray& reply, Clock::time_point ready);
  void save();
  void closeFds();

  mutable std::mutex m_mutex;
  RadioProtocol m_protocol;
  LineOptions m_line;
  int m_master = -1;
  int m_slave = -1;
  int m_wake[2] = {-1, -1};
  QString m_slavePath;
  QString m_savePath;
  std::thread m_thread;
  std::atomic<bool> m_stop{false};
  std::atomic<bool> m_pull{false};
  bool m_radioConnected = true;
  std::deque<TimedByte> m_incoming;  // bytes on the line towards the radio
  std::deque<TimedByte> m_outgoing;  // bytes waiting to go to the program
  Clock::time_point m_incomingLineFree{};
  Clock::time_point m_outgoingLineFree{};
};

}  // namespace qx210::sim
