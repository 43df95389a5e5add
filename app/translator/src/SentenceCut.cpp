#include "zentrok/SentenceCut.h"

#include <unicode/uchar.h>

namespace zentrok {

bool IsCharAlphaNumeric(char16_t c) {
  if (c < 0x80) return (c >= u'0' && c <= u'9') || ((c | 0x20) >= u'a' && (c | 0x20) <= u'z');
  if (c >= 0xD800 && c <= 0xDFFF) return false;
  return u_isalnum(c);
}

size_t LastSentenceCut(std::u16string_view text) {
  // Walk the pieces forward with the driver's own scan; a piece counts as
  // whole once a letter or digit follows its separator run.
  const size_t n = text.size();
  size_t pos = 0, lastCut = 0;
  while (pos < n) {
    size_t g = pos;
    while (g < n && text[g] != 0 && !IsSentenceTerminator(text[g])) ++g;
    if (g >= n || text[g] == 0) break;
    ++g;  // the terminator opens the separator run
    while (g < n && text[g] != 0 && !IsCharAlphaNumeric(text[g])) ++g;
    if (g >= n || text[g] == 0) break;
    lastCut = pos = g;
  }
  return lastCut;
}

}  // namespace zentrok
