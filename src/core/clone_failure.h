#pragma once

#include <QByteArray>
#include <QString>

#include "core/ui_language.h"

// What the program saw when an exchange with the radio failed: the detail
// behind the communication error.
namespace qx210 {

struct CloneFailure {
  enum class Kind {
    None,
    NoAnswer,             // nothing came back to the program request
    NotAcknowledged,      // bytes came back, but no acknowledgement among them
    NoIdentification,     // acknowledged, then silent after the identify request
    WrongIdentification,  // the answer to the identify request is not this radio's
    NoAnswerAfterBlock,   // silent after the block at `address` (-1: after the identification)
    DamagedReply,         // a reply that is not what the block at `address` calls for
    BandUnanswered,       // the band question was still open when the radio's time ran out
    PortLost,             // the device went away
  };

  Kind kind = Kind::None;
  int address = -1;
  QByteArray received;  // what came instead of the expected answer
  QString reason;       // the system's words for a lost port

  bool operator==(const CloneFailure&) const = default;
};

// One sentence in the language of the messages, for the details of the
// communication error.
QString DescribeFailure(const CloneFailure& failure, UiLanguage language);

// A few English words for a result column ("no answer", "damaged reply at
// 0x0090"), as the command line prints and logs them.
QString FailureResult(const CloneFailure& failure);

// Bytes as spaced hex pairs, with their text in quotes when all are printable:
// 50 52 4F ("PRO"). At most `limit` bytes, then an ellipsis.
QString DescribeBytes(const QByteArray& bytes, int limit = 16);

}  // namespace qx210
