// The key collation: the one order in which every data file is sorted and
// every table is searched. The data compiler sorts with KeyCompare and the
// engines search with KeyCompare or with sort keys made by KeySortKey, which
// give the same order byte for byte.
//
// It is one ICU collator, opened once for the root locale:
//   - strength SECONDARY: case is ignored ("КИТАП" = "китап"), accents and
//     diacritics count, so "е" and "ё" (and "и"/"й") stay distinct;
//   - alternate handling NON_IGNORABLE: hyphen, apostrophe and other
//     punctuation are real characters that weigh less than every letter and
//     digit, so "а-б" sorts before "аб" and the two stay distinct keys;
//   - normalization OFF (the data is precomposed), French secondary OFF,
//     case level OFF.
// The root order of Cyrillic gives the Russian and the Tatar alphabets:
// ә after а, җ after ж, ң after н, ө after о, ү after у, һ after х.
// The result does not depend on the user's locale or environment.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zentrok {

// -1, 0 or 1 as a sorts before, equal to or after b.
int KeyCompare(std::u16string_view a, std::u16string_view b);

// The sort key of s: comparing two sort keys with memcmp (shorter first on
// a common prefix) gives exactly KeyCompare of their texts. The key has no
// terminating zero byte. Appends to out and returns the number of bytes
// appended.
size_t KeySortKey(std::u16string_view s, std::string& out);

// The sort key into a caller's buffer; returns its length, or a length
// greater than capacity when the buffer is too small (nothing useful is
// written then). Allocation-free.
size_t KeySortKey(std::u16string_view s, uint8_t* buffer, size_t capacity);

// Compares two sort keys: -1, 0, 1.
int CompareSortKeys(const uint8_t* a, size_t alen, const uint8_t* b, size_t blen);

// The compact key. Texts made only of printable ASCII, the Cyrillic letters
// U+0400-U+045F and the twelve Tatar letters (nearly all of the data) get a
// key of 2n+1 bytes: one primary rank per character, a zero byte, one
// secondary rank per character. The ranks are read off the collator itself
// when the process starts, so comparing two compact keys gives exactly
// KeyCompare of their texts; computing one costs a table look-up per
// character instead of a pass of the collator. Compact keys and sort keys
// are different encodings and are never compared with each other.
//
// Writes the key into buffer and returns its length; returns kNoFastKey
// when the text has a character outside the set (then nothing is useful in
// buffer), and a length greater than capacity when the buffer is too small.
inline constexpr size_t kNoFastKey = static_cast<size_t>(-1);
size_t KeyFastKey(std::u16string_view s, uint8_t* buffer, size_t capacity);
// Appends the compact key to out; false (out unchanged) when the text has a
// character outside the set.
bool KeyFastKey(std::u16string_view s, std::string& out);

}  // namespace zentrok
