// Font style bits, as stored in the settings, in the viewer's markup and in
// the style of every translated piece.
#pragma once

#include <cstdint>

namespace zentrok {

enum TFontStyleBit : int32_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

}  // namespace zentrok
