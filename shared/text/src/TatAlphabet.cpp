#include "zentrok/TatAlphabet.h"

#include <array>

#include "zentrok/Utf.h"

namespace zentrok {

char16_t CaretLetter(char c) {
  switch (c) {
    case 'A': return u'\u04D8';
    case 'a': return u'\u04D9';
    case 'H': return u'\u04BA';
    case 'h': return u'\u04BB';
    case 'J': return u'\u0496';
    case 'j': return u'\u0497';
    case 'N': return u'\u04A2';
    case 'n': return u'\u04A3';
    case 'O': return u'\u04E8';
    case 'o': return u'\u04E9';
    case 'Y': return u'\u04AE';
    case 'y': return u'\u04AF';
    case '^': return u'^';
    default: return u'\0';
  }
}

std::u16string CaretToWide(std::string_view s) {
  std::u16string out;
  out.reserve(s.size());
  size_t runStart = 0;  // start of the pending run of plain 1251 bytes
  auto flush = [&](size_t end) {
    if (end > runStart) out += Cp1251ToUtf16(s.substr(runStart, end - runStart));
  };
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '^') continue;
    flush(i);
    if (i + 1 < s.size()) {
      // A pair outside the table gives U+0000, which no stored caption has.
      out.push_back(CaretLetter(s[i + 1]));
      ++i;
    }
    runStart = i + 1;
  }
  flush(s.size());
  return out;
}

std::u16string CaptionVariant(std::string_view caption, int index, char separator) {
  std::string copy(caption);
  if (size_t amp = copy.find('&'); amp != std::string::npos) copy.erase(amp, 1);

  size_t pos = 0;
  int passed = 0;
  while (pos < copy.size() && passed < index) {
    if (copy[pos] == separator) ++passed;
    ++pos;
  }
  if (passed < index || pos >= copy.size()) return {};
  size_t end = copy.find(separator, pos);
  if (end == std::string::npos) end = copy.size();
  return CaretToWide(std::string_view(copy).substr(pos, end - pos));
}

namespace {

// Low byte of U+04xx -> low byte of its replacement; identity except for the
// twelve legacy substitutes.
constexpr std::array<uint8_t, 256> MakeNormalizeTable() {
  std::array<uint8_t, 256> t{};
  for (int i = 0; i < 256; ++i) t[i] = static_cast<uint8_t>(i);
  t[0x02] = 0xD8;  // Ђ -> Ә
  t[0x09] = 0xE8;  // Љ -> Ө
  t[0x0A] = 0xAE;  // Њ -> Ү
  t[0x0B] = 0xA2;  // Ћ -> Ң
  t[0x0C] = 0x96;  // Ќ -> Җ
  t[0x0F] = 0xBA;  // Џ -> Һ
  t[0x52] = 0xD9;  // ђ -> ә
  t[0x59] = 0xE9;  // љ -> ө
  t[0x5A] = 0xAF;  // њ -> ү
  t[0x5B] = 0xA3;  // ћ -> ң
  t[0x5C] = 0x97;  // ќ -> җ
  t[0x5F] = 0xBB;  // џ -> һ
  return t;
}
constexpr std::array<uint8_t, 256> kNormalize = MakeNormalizeTable();

}  // namespace

void NormalizeTatarCodes(char16_t* buf, int count) {
  for (int i = 0; i < count; ++i) {
    const char16_t c = buf[i];
    if (c >= 0x0400 && c <= 0x04FF) buf[i] = static_cast<char16_t>(0x0400 | kNormalize[c & 0xFF]);
  }
}

}  // namespace zentrok
