// UTF-16 -> UTF-8 for readable test messages, without other libraries.
#pragma once

#include <string>

inline std::string U8(const std::u16string& s) {
  std::string o;
  for (char16_t c : s) {
    if (c < 0x80) {
      o += static_cast<char>(c);
    } else if (c < 0x800) {
      o += static_cast<char>(0xC0 | (c >> 6));
      o += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      o += static_cast<char>(0xE0 | (c >> 12));
      o += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      o += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return o;
}
inline std::string U8(const char16_t* s) { return U8(std::u16string(s)); }
