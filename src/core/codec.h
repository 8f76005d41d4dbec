#pragma once

#include <QByteArray>

#include "core/radio_state.h"

// The memory image and the radio state, one into the other. Byte 0 of an image
// is radio address 0x0010; see layout.h for the addresses.
namespace qx210 {

// Takes every field of `image` into `state`. A setting whose byte lies
// outside its accepted range keeps the value `state` held; so does the band
// when the image's band code is unknown. Returns false, and leaves `state`
// untouched, when the image is shorter than 848 bytes.
bool DecodeImage(const QByteArray& image, RadioState& state);

// The 848-byte image (addresses 0x0010..0x035F) of `state`.
QByteArray EncodeImage(const RadioState& state);

// The band list position of the band code an image carries at 0x01BD, or -1.
int BandOfImage(const QByteArray& image);

// Whether `image` looks like this radio's: a model identifier of its own at
// 0x01B8 and a band code the band list knows.
bool IsRadioImage(const QByteArray& image);

}  // namespace qx210
