#include <gtest/gtest.h>

#include "radio_protocol.h"

namespace qx210::sim {
namespace {

QByteArray Bytes(const char* hex) { return QByteArray::fromHex(QByteArray(hex).replace(' ', "")); }

QList<QByteArray> Handshake(RadioProtocol& radio) {
  QList<QByteArray> replies = radio.receive("PROGRAM");
  replies += radio.receive(Bytes("02"));
  return replies;
}

TEST(RadioProtocol, AnswersHandshakeReadAndWrite) {
  RadioProtocol radio("P2207", 0x01);
  EXPECT_EQ(Handshake(radio), (QList<QByteArray>{Bytes("06"), Bytes("50 32 32 30 37 01 F8 FF")}));
  EXPECT_EQ(radio.receive(Bytes("06")), QList<QByteArray>{Bytes("06")});
  const QList<QByteArray> read = radio.receive(Bytes("52 03 D0 40"));
  ASSERT_EQ(read.size(), 1);
  EXPECT_EQ(read.first().left(4), Bytes("57 03 D0 40"));
  EXPECT_EQ(read.first().size(), 68);
  const QByteArray data = Bytes("00 11 22 33 44 55 66 77 88 99 AA BB CC DD EE FF");
  EXPECT_EQ(radio.receive(Bytes("57 01 80 10") + data), QList<QByteArray>{Bytes("06")});
  EXPECT_EQ(radio.memory().mid(0x0180 - 0x10, 16), data);
  EXPECT_TRUE(radio.receive("E").isEmpty());
  EXPECT_EQ(radio.endsReceived(), 1);
  // After End it waits for a new program request.
  EXPECT_TRUE(radio.receive(Bytes("02")).isEmpty());
}

TEST(RadioProtocol, CommandsInPiecesAndMemoryBeyondTheImageIsBlank) {
  RadioProtocol radio;
  EXPECT_TRUE(radio.receive("PROG").isEmpty());
  EXPECT_EQ(radio.receive("RAM").size(), 1);
  radio.receive(Bytes("02 06"));
  EXPECT_TRUE(radio.receive(Bytes("52 04")).isEmpty());
  const QList<QByteArray> reply = radio.receive(Bytes("00 40"));
  ASSERT_EQ(reply.size(), 1);
  EXPECT_EQ(reply.first().mid(4, 16), QByteArray(16, '\xFF'));  // 0x0400..0x040F, blank memory
  EXPECT_EQ(reply.first().mid(20), QByteArray(48, '\xFF'));     // past 0x040F
}

TEST(RadioProtocol, Faults) {
  RadioProtocol silent;
  silent.setFaults({.silenceAfter = 1});
  EXPECT_EQ(Handshake(silent), QList<QByteArray>{Bytes("06")});

  RadioProtocol corrupt;
  corrupt.setFaults({.corruptReply = 2});
  EXPECT_EQ(Handshake(corrupt).at(1).at(0), '\xD0');

  RadioProtocol doubled;
  doubled.setFaults({.doubleAck = 2});
  Handshake(doubled);
  EXPECT_EQ(doubled.receive(Bytes("06")), QList<QByteArray>{Bytes("06 06")});

  RadioProtocol deaf;
  deaf.setFaults({.ignoreFirstProgram = true});
  EXPECT_TRUE(deaf.receive("PROGRAM").isEmpty());
  EXPECT_EQ(deaf.receive("PROGRAM"), QList<QByteArray>{Bytes("06")});
}

}  // namespace
}  // namespace qx210::sim
