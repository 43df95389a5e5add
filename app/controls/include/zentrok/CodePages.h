// Single-byte Windows code pages for rich text: the code page of a font
// character set, and the decoding of bytes under a code page (ICU).
#pragma once

#include <map>
#include <string>
#include <string_view>

struct UConverter;

namespace zentrok {

// The Windows code page of a font character set number (204 -> 1251,
// 238 -> 1250 ...); 0 for the ANSI and default sets, which follow the
// document's code page.
int CharsetCodePage(int charset);

// Decodes bytes under Windows code pages, keeping one converter per page.
// An unknown code page decodes as 1252; an undecodable byte gives U+FFFD.
class TCodePageDecoder {
public:
  TCodePageDecoder() = default;
  ~TCodePageDecoder();
  TCodePageDecoder(const TCodePageDecoder&) = delete;
  TCodePageDecoder& operator=(const TCodePageDecoder&) = delete;

  std::u16string Decode(std::string_view bytes, int codePage);

private:
  UConverter* Converter(int codePage);
  std::map<int, UConverter*> FConverters;
};

}  // namespace zentrok
