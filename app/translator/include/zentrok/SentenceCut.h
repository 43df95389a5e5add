// The character classes that cut a text into the sentences handed to the
// engines. A piece runs from its start to the first terminator, then on
// through every following character that is not a letter or digit (more
// terminators, closing quotes and brackets, spaces, line breaks), and ends
// just before the next letter or digit.
#pragma once

#include <cstddef>
#include <string_view>

namespace zentrok {

// ".", "!", "?" and U+1F60. Ellipsis, ";" and line breaks are not.
inline bool IsSentenceTerminator(char16_t c) {
  return c == u'.' || c == u'!' || c == u'?' || c == u'\x1F60';
}

// A letter or decimal digit (one UTF-16 unit; surrogates are neither).
bool IsCharAlphaNumeric(char16_t c);

// The last position of text at which the driver would begin a piece, so
// that the text before it is a whole number of pieces whatever follows; 0
// when there is none. The scan stops at a U+0000, as the driver's does.
size_t LastSentenceCut(std::u16string_view text);

}  // namespace zentrok
