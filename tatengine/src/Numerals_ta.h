// Tatar cardinal words and their values, and the Russian words of a count:
// the nominative of a value (тысяча девятьсот девяносто пять) and the split
// of a count ending in "один" (двадцать один: "двадцать" and "один"), which
// agrees with its noun apart from the words before it.
#pragma once

#include <string>
#include <string_view>

namespace tatengine {

// The value of a Tatar cardinal word (бер 1 ... туксан 90, йөз 100, мең
// 1000); 0 for any other word.
int CardinalValue(std::u16string_view word);

// Whether text is one or more cardinal words separated by single blanks (a
// two-word numeral such as "ике мең" is one slot); false for "".
bool AllCardinals(std::u16string_view text);

// The value of cardinal words separated by single blanks, read as Tatar
// writes them: "мең тугыз йөз туксан биш" is 1995, "ике мең" 2000. Words
// that are no cardinals count 0.
int CardinalsValue(std::u16string_view words);

// The Russian nominative cardinal of 1..999999 (тысяча девятьсот девяносто
// пять, двадцать одна тысяча); "" outside that range.
std::u16string RussianCardinal(int value);

// Whether a Russian count is "один" or ends in it (двадцать один).
bool EndsInOne(std::u16string_view numeral);

// Whether a Russian count of several words ends in "один" (двадцать один);
// tens then gets the words before it (двадцать). A bare "один" is not split.
bool SplitOne(std::u16string_view numeral, std::u16string_view& tens);

}  // namespace tatengine
