#include "TextCase.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>

namespace rusengine {

bool IsLetter(char16_t c) { return !U16_IS_SURROGATE(c) && u_isalpha(c); }

bool IsUpper(char16_t c) { return !U16_IS_SURROGATE(c) && u_isupper(c); }

char16_t ToUpper(char16_t c) {
  if (U16_IS_SURROGATE(c)) return c;
  UChar32 u = u_toupper(c);
  return u <= 0xFFFF ? static_cast<char16_t>(u) : c;
}

char16_t ToLower(char16_t c) {
  if (U16_IS_SURROGATE(c)) return c;
  UChar32 l = u_tolower(c);
  return l <= 0xFFFF ? static_cast<char16_t>(l) : c;
}

void LowerInPlace(std::u16string& text) {
  for (char16_t& c : text) c = ToLower(c);
}

void UpperInPlace(std::u16string& text) {
  for (char16_t& c : text) c = ToUpper(c);
}

}  // namespace rusengine
