#include "TextUtil.h"

#include <unicode/uchar.h>

namespace tatengine {

bool IsLetter(char16_t c) { return u_isalpha(c); }
bool IsUpperChar(char16_t c) { return u_isupper(c); }

char16_t ToUpperChar(char16_t c) {
  UChar32 u = u_toupper(c);
  return u <= 0xFFFF ? static_cast<char16_t>(u) : c;
}

char16_t ToLowerChar(char16_t c) {
  UChar32 u = u_tolower(c);
  return u <= 0xFFFF ? static_cast<char16_t>(u) : c;
}

void LowerInPlace(std::u16string& s) {
  for (char16_t& c : s) c = ToLowerChar(c);
}

std::u16string Lowered(std::u16string_view s) {
  std::u16string r(s);
  LowerInPlace(r);
  return r;
}

void UpperFirst(std::u16string& s) {
  if (!s.empty()) s[0] = ToUpperChar(s[0]);
}

bool SameText(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i] && ToLowerChar(a[i]) != ToLowerChar(b[i])) return false;
  return true;
}

std::u16string_view CellAt(const zentrok::TTable& t, int row, int col) {
  if (row < 0 || row >= t.RowCount() || col < 0 || col >= t.RowLength(row)) return {};
  return t.Cell(row, col);
}

int32_t IntAt(const zentrok::TTable& t, int row, int col) {
  if (row < 0 || row >= t.RowCount() || col < 0 || col >= t.RowLength(row)) return -1;
  return t.GetInt(row, col);
}

TNumKey::TNumKey(int64_t v) {
  char16_t tmp[24];
  int n = 0;
  bool negative = v < 0;
  uint64_t u = negative ? static_cast<uint64_t>(-(v + 1)) + 1 : static_cast<uint64_t>(v);
  do {
    tmp[n++] = static_cast<char16_t>(u'0' + u % 10);
    u /= 10;
  } while (u != 0);
  if (negative) Buf[Len++] = u'-';
  while (n > 0) Buf[Len++] = tmp[--n];
}

int FindNumber(const zentrok::TTable& t, int64_t v) {
  TNumKey key(v);
  int index = 0;
  if (!t.Find(key.View(), index)) return -1;
  return index;
}

}  // namespace tatengine
