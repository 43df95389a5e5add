// Fixed tables of Tatar form generation and the capitalisation helpers.
// Every table value is a Tatar form code; an index outside a table has no
// form (-1), so a reading with a form id the tables do not know generates
// no text instead of reading past the table.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rusengine {

// Tatar form code of a noun form (Form 0-11: 0-5 singular cases, 6-11 the
// same cases plural).
int NounForms(int form);
// Tatar form code of a verbal adjective form (0-47).
int VAdjForms(int form);
// Tatar form code of a verbal adverb: index Negated * 2 + Form (Form 0-1).
int VAdvForms(int index);
// Tatar form code of a verb: index Form * 2 + Negated (Form 0-18).
int VerbForms(int index);

// Russian verb form ids: 3-8 the present, 13-18 the future (the present
// forms of a perfective verb), each 1sg ... 3pl; 9-12 the past.
inline bool IsPresentForm(int form) { return form >= 3 && form <= 8; }
inline bool IsFutureForm(int form) { return form >= 13 && form <= 18; }
inline bool IsPastForm(int form) { return form >= 9 && form <= 12; }
// The person (0-5) of a present or future form; -1 for any other form.
inline int PersonOfForm(int form) {
  if (IsPresentForm(form)) return form - 3;
  if (IsFutureForm(form)) return form - 13;
  return -1;
}

// Forms after which " белән" is appended (nouns, adjectives, verbal
// adjectives).
bool IsInstrumentalForm(int form);
// Adjective forms that mark a plural noun phrase; 29 is the plural form of
// a merged adjective reading.
bool IsPluralAdjForm(int form);
// A preposition's Tatar form code for a plural noun.
int PluralCase(int tatForm);

// Tatar noun codes: the possessive of person (0-5: 1sg ... 3pl; the 3pl
// takes the 3rd-person ending) on a bare case code, singular or plural;
// the singular of a plural case code; the nominative of an accusative.
// Codes without such a counterpart come back unchanged.
int PossessiveCode(int code, int person);
int SingularCode(int code);
int BareObjectCode(int code);
// Tatar verb codes of the definite past and the definite future of a
// person (0-5), negative when neg is 1.
inline int PastCode(int person, int neg) { return 26 + person + 6 * neg; }
inline int FutureCode(int person, int neg) { return 50 + person + 6 * neg; }
// The Tatar stem of "быть".
inline constexpr std::u16string_view kBeStem = u"бул";

// Appends the yes-no question particle in the harmony of the word's last
// vowel: -мы after a back vowel, -ме after a front one.
void AppendQuestionParticle(std::u16string& text);

// Words appended by generation.
inline constexpr std::u16string_view kWithWord = u" белән";  // instrumental
inline constexpr std::u16string_view kNotWord = u" түгел";   // negated word
inline constexpr std::u16string_view kMostWord = u"иң ";     // superlative
// A negation that has no word to attach to is rendered on its own.
inline constexpr std::u16string_view kNegationWord = u"түгел";

// 0 empty or no capital first letter, 1 capital first letter, 2 every
// character an upper-case letter (a one-letter capital word counts as 2).
uint8_t GetCasePattern(std::u16string_view text);
// Pattern 1: the first character upper-cased; 2: the whole text; 0: as is.
std::u16string ApplyCase(std::u16string text, uint8_t pattern);

}  // namespace rusengine
