// Conversions between the encodings the system meets: UTF-16 inside, UTF-8
// for file names and terminals, code page 1251 for captions and 8-bit text.
#pragma once

#include <string>
#include <string_view>

namespace zentrok {

// UTF-8 <-> UTF-16. Ill-formed input is replaced with U+FFFD, never rejected.
std::u16string Utf8ToUtf16(std::string_view s);
std::string Utf16ToUtf8(std::u16string_view s);

// True when the bytes are well-formed UTF-8.
bool IsValidUtf8(std::string_view s);

// Code page 1251 <-> UTF-16. Characters without a 1251 byte become '?'.
std::u16string Cp1251ToUtf16(std::string_view s);
std::string Utf16ToCp1251(std::u16string_view s);

// True when every character of s has a byte in code page 1251.
bool FitsCp1251(std::u16string_view s);

}  // namespace zentrok
