#include "StreamTarget.h"

#include <unicode/ustring.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "zentrok/GlobalSettings2.h"

namespace zentrok::cli {

namespace {
constexpr size_t FlushAt = 1 << 16;
bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\xA0'; }
}

void AppendUtf8(std::u16string_view text, std::string& out) {
  if (text.empty()) return;
  const size_t old = out.size();
  out.resize(old + 3 * text.size());  // the most a UTF-16 unit can take
  int32_t len = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strToUTF8WithSub(out.data() + old, static_cast<int32_t>(3 * text.size()), &len,
                     reinterpret_cast<const UChar*>(text.data()),
                     static_cast<int32_t>(text.size()), 0xFFFD, nullptr, &status);
  out.resize(U_SUCCESS(status) ? old + static_cast<size_t>(len) : old);
}

TStreamTarget::TStreamTarget(int fd, TMarkMode mode, TPieceStyle basic, TPieceStyle mark,
                             std::string markOpen, std::string markClose)
    : FFd(fd), FMode(mode), FBasic(basic), FMark(mark), FOpen(std::move(markOpen)),
      FClose(std::move(markClose)) {
  if (FBasic == FMark) FMode = TMarkMode::Plain;  // marked pieces cannot be told apart
}

TStreamTarget::~TStreamTarget() {
  try {
    Flush();
  } catch (...) {
  }
}

std::string TStreamTarget::EscapeFor(const TPieceStyle& s) {
  const int r = s.Color & 0xFF, g = (s.Color >> 8) & 0xFF, b = (s.Color >> 16) & 0xFF;
  std::string e = "\x1b[38;2;" + std::to_string(r) + ";" + std::to_string(g) + ";" +
                  std::to_string(b);
  if (s.Style & fsBold) e += ";1";
  if (s.Style & fsItalic) e += ";3";
  if (s.Style & fsUnderline) e += ";4";
  if (s.Style & fsStrikeOut) e += ";9";
  return e + "m";
}

void TStreamTarget::AddStyledText(std::u16string_view text, int32_t color, int32_t size,
                                  int32_t style) {
  const bool marked = FMode != TMarkMode::Plain && TPieceStyle{color, size, style} == FMark;
  if (!marked) {
    AppendUtf8(text, FBuffer);
  } else {
    // The engines hand an unknown word over with its blanks; those stay
    // outside the marker.
    size_t first = 0, last = text.size();
    while (first < last && IsBlank(text[first])) ++first;
    while (last > first && IsBlank(text[last - 1])) --last;
    AppendUtf8(text.substr(0, first), FBuffer);
    if (last > first) {
      FBuffer += FMode == TMarkMode::Colour ? EscapeFor(FMark) : FOpen;
      AppendUtf8(text.substr(first, last - first), FBuffer);
      FBuffer += FMode == TMarkMode::Colour ? std::string("\x1b[0m") : FClose;
    }
    AppendUtf8(text.substr(last), FBuffer);
  }
  if (FBuffer.size() >= FlushAt) Flush();
}

void TStreamTarget::Flush() {
  size_t done = 0;
  while (done < FBuffer.size()) {
    ssize_t n = write(FFd, FBuffer.data() + done, FBuffer.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      int err = errno;
      FBuffer.clear();
      throw std::system_error(err, std::generic_category(), "не удалось записать перевод");
    }
    done += static_cast<size_t>(n);
  }
  FBuffer.clear();
}

}  // namespace zentrok::cli
