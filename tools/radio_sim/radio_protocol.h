#pragma once

#include <QByteArray>
#include <QList>

// The radio's side of the clone protocol, as bytes in and replies out: the
// memory of addresses 0x0010..0x040F, the handshake with its identification,
// 64-byte reads, 16-byte writes and End, plus a few faults to order.
namespace qx210::sim {

inline constexpr int kMemoryBase = 0x0010;
inline constexpr int kMemorySize = 1024;

struct RadioFaults {
  int silenceAfter = -1;     // send no reply after this many (-1: never silent)
  int corruptReply = 0;      // 1-based number of the reply whose first byte is spoiled (0: none)
  int doubleAck = 0;         // 1-based number of the acknowledgement sent twice (0: none)
  bool ignoreFirstProgram = false;  // the first program request gets no answer
  int spoilWriteAddress = 0;  // the byte written here is stored with bit 0 flipped (0: none)
};

class RadioProtocol {
 public:
  explicit RadioProtocol(QByteArray model = QByteArrayLiteral("P3207"), unsigned char bandCode = 0x33);

  // Identification bytes 7 and 8, which the program does not examine.
  void setIdentificationTail(char first, char second);
  // The whole answer to the identify request, for a radio of another model.
  void setIdentification(const QByteArray& bytes) { m_identification = bytes; }
  void setFaults(const RadioFaults& faults) { m_faults = faults; }

  // Memory, byte 0 = address 0x0010, always kMemorySize bytes.
  const QByteArray& memory() const { return m_memory; }
  // Copies `image` to the start of the memory; the rest stays as it was.
  void loadMemory(const QByteArray& image);

  // Bytes from the program; returns the complete replies they call for.
  QList<QByteArray> receive(const QByteArray& bytes);

  QByteArray identification() const;
  int repliesSent() const { return m_replies; }
  int endsReceived() const { return m_ends; }
  int programRequests() const { return m_programRequests; }
  int readRequests() const { return m_readRequests; }
  QList<int> writtenAddresses() const { return m_written; }

 private:
  void reply(QList<QByteArray>& out, QByteArray bytes);

  QByteArray m_model;
  unsigned char m_bandCode;
  char m_tail[2] = {'\xF8', '\xFF'};
  QByteArray m_identification;
  QByteArray m_memory;
  QByteArray m_pending;
  bool m_programmed = false;
  RadioFaults m_faults;
  int m_replies = 0;
  int m_acks = 0;
  int m_ends = 0;
  int m_programRequests = 0;
  int m_readRequests = 0;
  QList<int> m_written;
};

}  // namespace qx210::sim
