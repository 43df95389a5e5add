// The command-line translator's output target: writes every piece to a file
// descriptor as UTF-8. Pieces in the marking style (untranslated words) can
// be shown in their colour with terminal escape sequences, or wrapped in a
// pair of markers, or written plainly.
#pragma once

#include <cstdint>
#include <string>

#include "zentrok/OutputTarget.h"

namespace zentrok::cli {

struct TPieceStyle {
  int32_t Color;  // 0x00BBGGRR
  int32_t Size;
  int32_t Style;  // fs* bits
  bool operator==(const TPieceStyle&) const = default;
};

enum class TMarkMode { Plain, Colour, Markers };

class TStreamTarget : public TOutputTarget {
public:
  // A piece whose style equals mark (and differs from basic) is a marked one.
  TStreamTarget(int fd, TMarkMode mode, TPieceStyle basic, TPieceStyle mark,
                std::string markOpen = "[[", std::string markClose = "]]");
  ~TStreamTarget() override;

  void AddStyledText(std::u16string_view text, int32_t color, int32_t size,
                     int32_t style) override;
  // Writes what is buffered. Raises std::system_error on a write error.
  void Flush();

  // The escape sequence that starts a piece in the given style on a
  // terminal (24-bit colour plus bold, italic, underline, strike-out).
  static std::string EscapeFor(const TPieceStyle& style);

private:
  int FFd;
  TMarkMode FMode;
  TPieceStyle FBasic, FMark;
  std::string FOpen, FClose;
  std::string FBuffer;
};

// Appends the UTF-8 form of text to out; unpaired surrogates become U+FFFD.
void AppendUtf8(std::u16string_view text, std::string& out);

}  // namespace zentrok::cli
