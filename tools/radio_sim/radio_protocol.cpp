#include "radio_protocol.h"

namespace qx210::sim {

namespace {
const QByteArray kProgram = QByteArrayLiteral("PROGRAM");
constexpr char kAck = 0x06;
constexpr char kIdentify = 0x02;
constexpr char kRead = 'R';
constexpr char kWrite = 'W';
constexpr char kEnd = 'E';
constexpr int kReadLength = 0x40;
constexpr int kWriteLength = 0x10;
}  // namespace

RadioProtocol::RadioProtocol(QByteArray model, unsigned char bandCode)
    : m_model(std::move(model)), m_bandCode(bandCode), m_memory(kMemorySize, '\xFF') {}

void RadioProtocol::setIdentificationTail(char first, char second) {
  m_tail[0] = first;
  m_tail[1] = second;
}

void RadioProtocol::loadMemory(const QByteArray& image) {
  const qsizetype n = qMin<qsizetype>(image.size(), kMemorySize);
  m_memory.replace(0, n, image.left(n));
}

QByteArray RadioProtocol::identification() const {
  if (!m_identification.isEmpty()) return m_identification;
  QByteArray id = m_model.left(5);
  id.append(static_cast<char>(m_bandCode));
  id.append(m_tail[0]);
  id.append(m_tail[1]);
  return id;
}

void RadioProtocol::reply(QList<QByteArray>& out, QByteArray bytes) {
  ++m_replies;
  if (m_faults.silenceAfter >= 0 && m_replies > m_faults.silenceAfter) return;
  if (m_replies == m_faults.corruptReply) bytes[0] = static_cast<char>(bytes[0] ^ 0x80);
  if (bytes.size() == 1 && bytes[0] == kAck && ++m_acks == m_faults.doubleAck) bytes.append(kAck);
  out << bytes;
}

QList<QByteArray> RadioProtocol::receive(const QByteArray& bytes) {
  QList<QByteArray> out;
  m_pending += bytes;
  while (!m_pending.isEmpty()) {
    if (!m_programmed) {
      // Until a program request the radio listens for nothing else.
      const qsizetype at = m_pending.indexOf(kProgram);
      if (at < 0) {
        m_pending = m_pending.right(kProgram.size() - 1);
        break;
      }
      m_pending.remove(0, at + kProgram.size());
      ++m_programRequests;
      if (m_faults.ignoreFirstProgram && m_programRequests == 1) continue;
      m_programmed = true;
      reply(out, QByteArray(1, kAck));
      continue;
    }
    const char command = m_pending.at(0);
    if (command == 'P') {
      if (m_pending.size() < kProgram.size() && kProgram.startsWith(m_pending)) break;
      if (m_pending.startsWith(kProgram)) {
        m_pending.remove(0, kProgram.size());
        ++m_programRequests;
        reply(out, QByteArray(1, kAck));
      } else {
        m_pending.remove(0, 1);
      }
    } else if (command == kIdentify) {
      m_pending.remove(0, 1);
      reply(out, identification());
    } else if (command == kAck) {
      m_pending.remove(0, 1);
      reply(out, QByteArray(1, kAck));
    } else if (command == kRead) {
      if (m_pending.size() < 4) break;
      const int address = (static_cast<unsigned char>(m_pending[1]) << 8) | static_cast<unsigned char>(m_pending[2]);
      m_pending.remove(0, 4);
      ++m_readRequests;
      QByteArray answer;
      answer.append(kWrite);
      answer.append(static_cast<char>(address >> 8));
      answer.append(static_cast<char>(address & 0xFF));
      answer.append(static_cast<char>(kReadLength));
      for (int i = 0; i < kReadLength; ++i) {
        const int index = address - kMemoryBase + i;
        answer.append(index >= 0 && index < kMemorySize ? m_memory.at(index) : '\xFF');
      }
      reply(out, answer);
    } else if (command == kWrite) {
      if (m_pending.size() < 4 + kWriteLength) break;
      const int address = (static_cast<unsigned char>(m_pending[1]) << 8) | static_cast<unsigned char>(m_pending[2]);
      for (int i = 0; i < kWriteLength; ++i) {
        const int index = address - kMemoryBase + i;
        if (index < 0 || index >= kMemorySize) continue;
        m_memory[index] = m_pending.at(4 + i);
        if (address + i == m_faults.spoilWriteAddress) m_memory[index] = static_cast<char>(m_memory[index] ^ 0x01);
      }
      m_written << address;
      m_pending.remove(0, 4 + kWriteLength);
      reply(out, QByteArray(1, kAck));
    } else if (command == kEnd) {
      m_pending.remove(0, 1);
      ++m_ends;
      m_programmed = false;
    } else {
      m_pending.remove(0, 1);
    }
  }
  return out;
}

}  // namespace qx210::sim
