// Character classes and case mapping on UTF-16 text, and safe table access.
#pragma once

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

#include "zentrok/MyTables3.h"

namespace tatengine {

bool IsLetter(char16_t c);     // alphabetic character
bool IsUpperChar(char16_t c);  // upper-case letter
char16_t ToUpperChar(char16_t c);
char16_t ToLowerChar(char16_t c);

// Lower-cases the whole text in place (one character at a time).
void LowerInPlace(std::u16string& s);
std::u16string Lowered(std::u16string_view s);
// Upper-cases the first character, when there is one.
void UpperFirst(std::u16string& s);
// Equal ignoring letter case.
bool SameText(std::u16string_view a, std::u16string_view b);
// The word is one of a fixed list (an array of string views).
template <typename List>
bool OneOf(std::u16string_view word, const List& list) {
  return std::find(std::begin(list), std::end(list), word) != std::end(list);
}

// Table cells that may be missing: empty text or -1 instead of a read
// outside the table.
std::u16string_view CellAt(const zentrok::TTable& t, int row, int col);
int32_t IntAt(const zentrok::TTable& t, int row, int col);

// Decimal text of an integer in a caller's buffer (no allocation).
struct TNumKey {
  char16_t Buf[24];
  int Len = 0;
  explicit TNumKey(int64_t v);
  std::u16string_view View() const { return {Buf, static_cast<size_t>(Len)}; }
};

// The row whose key column equals the decimal text of v, or -1.
int FindNumber(const zentrok::TTable& t, int64_t v);

}  // namespace tatengine
