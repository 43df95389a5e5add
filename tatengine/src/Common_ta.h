// The engine's fixed tables: noun, participle and verb form codes, case
// mapping, adjective form codes, auxiliary constructions, glue words and the
// ending sets the sentence rules test. Every accessor is safe for any index:
// a value outside a table gives the documented fallback, never a stray read.
#pragma once

#include <cstdint>
#include <string_view>

namespace tatengine {

// A case (or form selector) and the Russian text put before the word.
struct TCasePrefix {
  uint8_t Case;
  std::u16string_view Prefix;
};

// Noun and sub-noun ending form codes 1-87; other codes: case 0, no prefix.
TCasePrefix NounRule(int code);
// Participle form codes 1-71; other codes: case 0, no prefix.
TCasePrefix GanRule(int code);
// Verb form codes 1-105; other codes (0 included): case 0, no prefix.
TCasePrefix VerbRule(int code);
// Capitalised prefixes by verb form code 1-50; others: none.
std::u16string_view VerbRuleCap(int code);
// "намереваться " ... by case 1-13; others: empty.
std::u16string_view IntentForm(int caseNo);

// The postpositions of likeness: кебек, төсле, сыман, күк (как).
bool IsLikeWord(std::u16string_view word);
bool IsPluralEnding(int code);        // noun form codes meaning plural
bool IsBareNounEnding(int code);      // noun without a possessive ending
bool IsPossessedEnding(int code);     // noun with a possessive ending
bool IsNegativeVerbEnding(int code);  // negative verb form codes
bool IsAblativeEnding(int code);      // noun form codes of the ablative
bool IsDativeEnding(int code);        // noun form codes of the dative

// Russian case-and-number code 1-12 for a case 1-20 and number 1-2. A case
// below 1 reads as 1 and above 20 as 20; a number other than 2 is singular.
int CaseMap(int caseNo, int number);

// Adjective form code by case, variant and gender. Row (case + 1) div 2;
// cases above 14 use the last row (as 13-14) and case 0 the first; a variant
// above 1 reads as 1; a gender outside 1-4 is clamped into it.
int AdjFormCode(int caseNo, int variant, int gender);

// Russian verb numbers that can act as auxiliaries.
bool IsAuxVerbId(int number);
// Construction kind of a main verb form code followed by an auxiliary with
// the given Russian verb number; 0 when they make no construction.
int AuxKind(int mainCode, int auxNumber);
// New Russian verb number of a new-stem kind, 0 for the other kinds.
int AuxStem(int kind);
bool IsNewStemKind(int kind);
// Prefix and suffix that the other kinds add.
struct TAffixes {
  std::u16string_view Prefix;
  std::u16string_view Suffix;
};
TAffixes AuxAffixes(int kind);
// Person prefix and suffix of the past auxiliary by pattern p and aux
// number n = 1-6; unused patterns give none.
TAffixes IdePersonForm(int pattern, int n);

// The particles the tokeniser drops.
inline constexpr std::u16string_view Particles[5] = {u"да", u"та", u"дә", u"тә", u"дип"};

// Glue words and their kinds, in the order they are compared.
struct TGlueWord {
  std::u16string_view Word;
  int Kind;
};
inline constexpr int GlueWordCount = 19;
extern const TGlueWord GlueWords[GlueWordCount];

// Texts of glue kind 0-13, index 0-3; empty where there is none.
std::u16string_view GlueText(int kind, int index);
inline constexpr int GlueKindCount = 14;

// Glue generator form lists. Case-and-number code x 1-12 (outside: clamped),
// gender 1-4 (clamped), number 1-2.
std::u16string_view FaceForm(int x);
std::u16string_view PageForm(int x);
std::u16string_view RiseForm(int number);
std::u16string_view ThisForm(int gender);
std::u16string_view ReadyForm(int gender);
std::u16string_view ResourcefulForm(int x, int gender);
std::u16string_view OneForm(int x, int gender, bool animate);

// The person 1-6 (1sg, 2sg, 3sg, 1pl, 2pl, 3pl) of a Tatar personal pronoun
// in the nominative (мин ... алар), 0 for any other word.
int PronounPerson(std::u16string_view low);
inline bool IsPersonalPronoun(std::u16string_view low) { return PronounPerson(low) != 0; }
// The person 1-6 of the past auxiliary (идем, идең, иде, идек, идегез,
// иделәр), 0 for any other word.
int IdePerson(std::u16string_view low);
inline bool IsIdeWord(std::u16string_view low) { return IdePerson(low) != 0; }

}  // namespace tatengine
