#pragma once

#include <QByteArray>
#include <optional>

// The radio's answer to the identify request. The exchange, the link doctor
// and the fleet job read it through this one function, so that whatever one
// of them accepts, the others accept too.
namespace qx210 {

struct RadioIdentification {
  QByteArray model;        // "P3207" or "P2207"
  unsigned char bandCode;  // byte 6 as sent
  int band;                // band list position of that code, -1 when unknown
};

// Eight bytes with a model text ("P3207" or "P2207") among them, starting at
// a byte of its own; byte 6 is the band code, bytes 7 and 8 are not examined.
// Anything else is no identification.
std::optional<RadioIdentification> ParseIdentification(const QByteArray& bytes);

// True when `bytes` hold a model text: an identification, a part of one
// still arriving, or one of another length. A 06 among such bytes belongs to
// the identification and is no acknowledgement.
bool HoldsModelText(const QByteArray& bytes);

}  // namespace qx210
