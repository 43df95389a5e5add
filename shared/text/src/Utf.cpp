#include "zentrok/Utf.h"

#include <unicode/ucnv.h>
#include <unicode/ustring.h>

#include <array>
#include <unordered_map>

namespace zentrok {

std::u16string Utf8ToUtf16(std::string_view s) {
  if (s.empty()) return {};
  std::u16string out(s.size(), u'\0');  // UTF-16 never needs more units than UTF-8 bytes
  int32_t len = 0;
  UErrorCode err = U_ZERO_ERROR;
  u_strFromUTF8WithSub(out.data(), static_cast<int32_t>(out.size()), &len, s.data(),
                       static_cast<int32_t>(s.size()), 0xFFFD, nullptr, &err);
  out.resize(U_SUCCESS(err) || err == U_STRING_NOT_TERMINATED_WARNING ? len : 0);
  return out;
}

std::string Utf16ToUtf8(std::u16string_view s) {
  if (s.empty()) return {};
  std::string out(s.size() * 3, '\0');
  int32_t len = 0;
  UErrorCode err = U_ZERO_ERROR;
  u_strToUTF8WithSub(out.data(), static_cast<int32_t>(out.size()), &len, s.data(),
                     static_cast<int32_t>(s.size()), 0xFFFD, nullptr, &err);
  out.resize(U_SUCCESS(err) || err == U_STRING_NOT_TERMINATED_WARNING ? len : 0);
  return out;
}

bool IsValidUtf8(std::string_view s) {
  if (s.empty()) return true;
  int32_t len = 0;
  UErrorCode err = U_ZERO_ERROR;
  // Pre-flight only: counts units and reports ill-formed sequences.
  u_strFromUTF8(nullptr, 0, &len, s.data(), static_cast<int32_t>(s.size()), &err);
  return err == U_BUFFER_OVERFLOW_ERROR || U_SUCCESS(err);
}

namespace {

// The 256 characters of code page 1251, decoded once by ICU, and the
// reverse map.
struct TCp1251 {
  std::array<char16_t, 256> ToWide{};
  std::unordered_map<char16_t, char> ToByte;

  TCp1251() {
    UErrorCode err = U_ZERO_ERROR;
    UConverter* cnv = ucnv_open("windows-1251", &err);
    for (int b = 0; b < 256; ++b) {
      ToWide[b] = b < 128 ? static_cast<char16_t>(b) : u'?';
      if (U_SUCCESS(err) && b >= 128) {
        const char in = static_cast<char>(b);
        UChar out[4];
        UErrorCode e = U_ZERO_ERROR;
        const int32_t n = ucnv_toUChars(cnv, out, 4, &in, 1, &e);
        // 0x98 is unassigned in 1251 and decodes to U+FFFD or nothing.
        if (U_SUCCESS(e) && n == 1 && out[0] != 0xFFFD && out[0] != 0x1A) ToWide[b] = out[0];
      }
    }
    if (cnv) ucnv_close(cnv);
    for (int b = 255; b >= 0; --b)
      if (b < 128 || ToWide[b] != u'?') ToByte[ToWide[b]] = static_cast<char>(b);
  }
};

const TCp1251& Cp1251() {
  static const TCp1251 table;
  return table;
}

}  // namespace

std::u16string Cp1251ToUtf16(std::string_view s) {
  const TCp1251& t = Cp1251();
  std::u16string out;
  out.reserve(s.size());
  for (char c : s) out.push_back(t.ToWide[static_cast<unsigned char>(c)]);
  return out;
}

std::string Utf16ToCp1251(std::u16string_view s) {
  const TCp1251& t = Cp1251();
  std::string out;
  out.reserve(s.size());
  for (char16_t c : s) {
    if (c < 128) {
      out.push_back(static_cast<char>(c));
      continue;
    }
    auto it = t.ToByte.find(c);
    out.push_back(it == t.ToByte.end() ? '?' : it->second);
  }
  return out;
}

bool FitsCp1251(std::u16string_view s) {
  const TCp1251& t = Cp1251();
  for (char16_t c : s)
    if (c >= 128 && t.ToByte.find(c) == t.ToByte.end()) return false;
  return true;
}

}  // namespace zentrok
