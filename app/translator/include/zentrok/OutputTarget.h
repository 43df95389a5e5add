// Whatever receives the translation: the rich edit of the desktop program,
// the pane of the office popup window, or the command-line translator's
// writer. The driver's output callback inserts each piece there.
#pragma once

#include <cstdint>
#include <string_view>

namespace zentrok {

class TOutputTarget {
public:
  virtual ~TOutputTarget() = default;
  // Inserts text at the target's insertion point in the given style: colour
  // 0x00BBGGRR, size in points, style bits fsBold | fsItalic | fsUnderline |
  // fsStrikeOut (GlobalSettings2.h). The font face is the target's own.
  // The text is valid only during the call.
  virtual void AddStyledText(std::u16string_view text, int32_t color, int32_t size,
                             int32_t style) = 0;
};

// The target that currently receives the engines' output; none when null.
extern TOutputTarget* TranslationTarget;

}  // namespace zentrok
