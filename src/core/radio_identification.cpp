#include "core/radio_identification.h"

#include "core/bands.h"
#include "core/layout.h"
#include "core/memory_image.h"

namespace qx210 {

namespace {

constexpr int kIdentificationLength = 8;
constexpr int kBandCodeOffset = 5;  // byte 6

// The model text in `bytes`, or an empty array. The search goes byte by
// byte: a text that only appears across two bytes' digits is none.
QByteArray ModelIn(const QByteArray& bytes) {
  static const QByteArray uhf = ToByteArray(layout::kModelUhf);
  static const QByteArray vhf = ToByteArray(layout::kModelVhf);
  if (bytes.contains(uhf)) return uhf;
  if (bytes.contains(vhf)) return vhf;
  return {};
}

}  // namespace

std::optional<RadioIdentification> ParseIdentification(const QByteArray& bytes) {
  if (bytes.size() != kIdentificationLength) return std::nullopt;
  const QByteArray model = ModelIn(bytes);
  if (model.isEmpty()) return std::nullopt;
  const auto code = static_cast<unsigned char>(bytes.at(kBandCodeOffset));
  return RadioIdentification{model, code, BandPositionForCode(code)};
}

bool HoldsModelText(const QByteArray& bytes) { return !ModelIn(bytes).isEmpty(); }

}  // namespace qx210
