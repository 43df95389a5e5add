// Small questions the clause rules ask about slots, shared by the rule
// files: what a slot's first reading is, whether it is a verb or a clause
// boundary, and a few edits (a fixed text, every noun reading).
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "ClauseRules.h"
#include "Records.h"

namespace rusengine {

class TDB_standard;
class TDictionaryRT;

template <size_t N>
bool In(const std::u16string_view (&list)[N], std::u16string_view text) {
  return std::find(std::begin(list), std::end(list), text) != std::end(list);
}

// The first reading, the one emitted; null for a slot with none.
const TWordForm* Head(const TTransKit& kit);
bool HeadIs(const TTransKit& kit, uint16_t mask);
// A slot made from words that still has a reading.
bool IsWordSlot(const TTransKit& kit);
bool HasNoun(const TTransKit& kit);
// A separator that ends a clause: anything but spaces and digits.
bool IsBoundary(const TTransKit& kit);
// A separator that is a comma (with spaces).
bool IsComma(const TTransKit& kit);
// A slot read as a verb, or as a participle or short adjective that may
// also be a finite verb ("устал").
bool IsFiniteVerb(const TTransKit& kit);
bool IsInfinitive(const TTransKit& kit);
// A finite verb or a word that is the predicate like one (есть, нужно).
bool IsMainCandidate(const TTransKit& kit);
// Whether the clause ends with a question mark.
bool IsQuestion(const TTransKits& kits, const TClause& c);
// A whole word whose Tatar text ends in a numeral or ничә, күпме.
bool IsNumeral(const TTransKit& kit, const TDictionaryRT& dict);
// The Tatar text of a whole-word reading, without a negation.
std::u16string ModText(const TWordForm& w, const TDictionaryRT& dict);
// The last word of a text.
std::u16string_view LastWord(std::u16string_view text);
// Replaces a slot's readings by one fixed text (still translated).
void SetFixedText(TTransKit& kit, std::u16string text);
// The stem row whose Tatar dictionary form is lemma; -1 when none is.
int32_t RowOfTatarLemma(const TDB_standard& db, std::u16string_view lemma);

void ForNouns(TTransKit& kit, auto&& f) {
  for (TWordForm& w : kit.Readings)
    if (w.WordClass == wcNoun) f(w);
}

// What the clause rules learn about a clause before they change it.
struct TClauseFacts {
  int Subject = -1;  // person of a pronoun subject, -1 when none
  int Main = -1;     // the main verb or predicate slot, -1 when none
  bool NounSubject = false;  // a noun stands before the verb as its subject
};

}  // namespace rusengine
