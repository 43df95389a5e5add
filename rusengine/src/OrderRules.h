// Tatar word order inside a clause beyond "the verb goes last":
//   - an adverb of degree or manner stands right before the verb, after
//     places and known objects and before an indefinite object: мин русча
//     бераз аңлыйм, без паркта озак йөрдек, мин ачкычны озак эзләдем;
//   - with such an adverb a singular object is the one in hand, definite:
//     ачкычны озак эзләдем;
//   - a place where things or animals are goes before them: урманда
//     кошлар сайрый, киштәдә китаплар ята.
#pragma once

#include "ClauseTools.h"
#include "Records.h"

namespace rusengine {

class TDictionaryRT;

// Whether a Tatar noun lemma names an animal: animals take the order
// and the singular verb of things (кошлар сайрый), people do not.
bool IsAnimalLemma(std::u16string_view lemma);
// Whether slot i is an adverb that VerbLast puts right before the verb at
// main (both in the Russian order): one of manner or time span anywhere in
// the clause, or one of degree next to the verb.
bool IsVerbAdverb(const TTransKits& kits, const TClause& c, int i, int main);
// An accusative object of a clause with a manner adverb is definite.
// Runs before VerbLast, on the Russian order.
void DefiniteWithManner(TTransKits& kits, const TClause& c, const TClauseFacts& f);
// A place phrase (в/на + the prepositional) after a noun subject of a
// clause with no object goes before that subject when the subject is a
// plural of things or animals, not of people. Runs after VerbLast.
void PlaceBeforeSubject(TTransKits& kits, const TClause& c, const TDictionaryRT& dict);

}  // namespace rusengine
