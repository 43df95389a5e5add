// Russian closed-class forms the sentence rules put in themselves: the
// possessive pronouns that stand for Tatar possessive endings, and the case
// forms of cardinal numerals, which the lexicon stores in the nominative.
#pragma once

#include <string>
#include <string_view>

namespace tatengine {

// The Tatar possessive person of a noun form code: 1 (1sg, -ым), 2 (2sg,
// -ың), 3 (3rd person, -ы), 4 (1pl, -ыбыз), 5 (2pl, -ыгыз); 0 for a form
// without a possessive ending.
int PossessorOf(int nounCode);

// "мой", "твой", "наш", "ваш" for persons 1, 2, 4, 5 in case-and-number
// code x (1-12) agreeing with a noun of the given gender (1-3; 4 and any
// plural code x give the plural form) and animacy (accusative = genitive
// when animate). Person 3 and anything out of range give "".
std::u16string_view PossessiveForm(int person, int x, int gender, bool animate);

// "этот" and "тот" (given by their masculine nominative) in case-and-number
// code x (1-12) for a noun of the given gender and animacy; "" for any other
// word or a code out of range.
std::u16string_view DemonstrativeForm(std::u16string_view masculine, int x, int gender, bool animate);

// Whether a Russian cardinal governs the genitive singular in the
// nominative ("два", "три", "четыре", "оба", also as the last word of
// "двадцать два").
bool IsPaucal(std::u16string_view numeral);

// The numeral (one or more words, nominative masculine as stored) in
// Russian case 1-6 (nominative, genitive, dative, accusative,
// instrumental, prepositional) for a noun of the given gender; the
// accusative of "два/три/четыре" is the genitive when animate. Words it does
// not know are left as they stand.
std::u16string NumeralForm(std::u16string_view numeral, int caseNo, int gender, bool animate);

}  // namespace tatengine
