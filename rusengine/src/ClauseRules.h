// Rules that see a whole clause of the sentence rather than one slot:
//   - a noun after a preposition takes a case the preposition governs;
//   - the verb agrees with a pronoun subject ("мы пошли" -> бардык);
//   - possession: "у меня есть брат" -> минем абыем бар, "мой брат" ->
//     минем абыем, "свою маму" -> әниемне;
//   - a personal pronoun after a preposition: "о тебе" -> синең турында;
//   - a noun after a numeral stays singular (два брата -> ике абый);
//   - an indefinite object stays bare (читаю книгу -> китап укыйм); a
//     demonstrative, a possessor or an imperative makes it definite (-ны);
//   - after "быть"/"стать" the instrumental is a plain predicate noun;
//   - Tatar word order: the verb, with its infinitives before it, goes to
//     the end of its clause.
// They work on the slots after reading selection and before generation.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "Records.h"

namespace rusengine {

class TDB_standard;
class TDictionaryRT;

// A Russian personal pronoun form: person 0-5 (1sg ... 3pl) and the mask of
// Russian cases (bit n: noun form n, 0-5) it stands in.
struct TPronounForm {
  std::u16string_view Russian;
  int8_t Person;
  uint8_t Cases;
};
// The pronoun form of a slot's source text that stands in russianCase (any
// case when -1); null when the text is no personal pronoun.
const TPronounForm* FindPronoun(std::u16string_view source, int russianCase = -1);
// The Tatar personal pronoun of person in a Tatar case (0 nominative,
// 1 genitive, 2 dative, 3 accusative, 4 ablative, 5 locative).
std::u16string_view TatarPronoun(int person, int tatCase);

// Narrows the readings of a noun after a preposition (on the noun or on
// the adjectives before it) to the cases the preposition governs, when any
// reading has one.
void ChoosePrepositionCase(TTransKits& kits, const TDB_standard& nouns);
// After a subject and a verb, a noun with an accusative (or genitive)
// reading loses its nominative ones: it is the object. Marks masculine
// animate nouns (genitive = accusative) as Animate.
void PreferObjects(TTransKits& kits);
// Drops a plural noun reading when a singular reading of the same case and
// stem remains.
void PreferSingular(TTransKits& kits);

// Before reading selection: a noun after a numeral or "много" keeps only
// its genitive readings (два брата, много снега).
void PreferQuantityCase(TTransKits& kits, const TDictionaryRT& dict);

// Before reading selection: a noun that can be a genitive right after
// another noun (possibly with its own adjectives, possessive or
// demonstrative between) keeps its genitive readings and is marked as an
// Attribute of that noun.
void MarkAttributes(TTransKits& kits, const TDictionaryRT& dict);

// Before reading selection: a whole phrase holding a finite verb ("хочу
// спать") is marked as a Predicate.
void MarkPredicatePhrases(TTransKits& kits, const TDictionaryRT& dict);
// Before reading selection: a word that is a finite verb or a noun
// ("начал", "стали") keeps only its verb readings in a verb's place: after
// a pronoun subject, after "и"/"а"/"но" that follow a verb, before an
// infinitive, or after "не".
void PreferVerbsInContext(TTransKits& kits);
// Before reading selection: with a verb of motion in the stretch, a noun
// after в/на keeps its accusative readings (the Tatar dative: поехать на
// море -> диңгезгә бару).
void PreferDirection(TTransKits& kits, const TDictionaryRT& dict);
// Before reading selection: a noun right after a comparative keeps its
// genitive readings (краснее дома: what it is compared with).
void PreferComparedGenitive(TTransKits& kits);
// Before reading selection: a noun with no preposition is never in the
// prepositional case (маме is the dative).
void DropBarePrepositional(TTransKits& kits);

// Kits [First, Last) of one clause.
struct TClause {
  int First = 0;
  int Last = 0;
};
// The clauses of a sentence: cut at separators holding punctuation, and at
// "и", "а", "но", "или" when each side has a verb of its own.
std::vector<TClause> FindClauses(const TTransKits& kits);

// Every clause rule above, in order, on every clause.
void ApplyClauseRules(TTransKits& kits, const TDictionaryRT& dict);

}  // namespace rusengine
