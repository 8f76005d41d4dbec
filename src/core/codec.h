#pragma once

#include <QByteArray>

#include "core/editor_state.h"
#include "core/ui_language.h"

namespace qx210 {

// Fills the channel table, the band and every radio setting from `image`
// (byte 0 = address 0x0010). Values out of their accepted range leave the
// setting as it was. Returns false and changes nothing when the image is
// shorter than 848 bytes. Language-dependent cell texts are written in `language`.
bool DecodeImage(const QByteArray& image, EditorState& state, UiLanguage language);

// Builds the 848-byte image (addresses 0x0010..0x035F) from the editor.
QByteArray EncodeImage(const EditorState& state, UiLanguage language);

}  // namespace qx210
