// The Tatar letters beyond the Russian alphabet, the caret notation that
// writes them in 8-bit (code page 1251) captions, multi-language captions,
// and the replacement of legacy substitute letters.
//
// Caret notation: "^" and the next byte stand for one UTF-16 character:
//   A a -> U+04D8 U+04D9 (schwa)      H h -> U+04BA U+04BB (shha)
//   J j -> U+0496 U+0497 (zhe desc.)  N n -> U+04A2 U+04A3 (en desc.)
//   O o -> U+04E8 U+04E9 (barred o)   Y y -> U+04AE U+04AF (straight u)
//   ^   -> "^" itself.
// Multi-language caption: variants separated by "|" (hints: "/"), variant 0
// Russian, 1 Tatar, 2 English where present: "Копировать|К^yчерм^a ясау|Copy".
#pragma once

#include <string>
#include <string_view>

namespace zentrok {

// The UTF-16 letter that a caret followed by c stands for; U+0000 for a byte
// that is not in the caret table.
char16_t CaretLetter(char c);

// An 8-bit caption in caret notation as UTF-16. Bytes other than caret pairs
// are code page 1251. A caret as the last byte is dropped.
std::u16string CaretToWide(std::string_view s);

// Variant `index` of a multi-language caption, converted with CaretToWide.
// The first "&" (menu accelerator mark) is removed first. A zero or negative
// index gives the first variant; an index past the last variant gives "".
std::u16string CaptionVariant(std::string_view caption, int index, char separator);

// Replaces the legacy substitutes for the Tatar letters (Serbian and
// Macedonian Cyrillic of code page 1251, e.g. U+0459 -> U+04E9) in the first
// `count` characters of buf, in place. Other characters are unchanged.
void NormalizeTatarCodes(char16_t* buf, int count);

}  // namespace zentrok
