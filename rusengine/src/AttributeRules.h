// A Russian relative adjective whose Tatar word is a noun ("книжный" ->
// китап, "куриный" -> тавык) qualifies the noun after it the Tatar way: as
// the first noun of an izafet, the second taking the 3rd-person
// possessive: китап кибете, тавык шулпасы, бүлмә гөлләре. A material
// (агач йорт, тимер юл) and an adjective that also has degrees stay plain
// attributes.
#pragma once

#include "ClauseTools.h"
#include "Records.h"

namespace rusengine {

class TDictionaryRT;

// Runs on every clause, before the possessive pronouns are read, so that a
// possessor before the phrase ("моя книжная полка") wins over the izafet.
void RelativeAdjectiveIzafet(TTransKits& kits, const TClause& c, const TDictionaryRT& dict);

// "стакан воды", "две бутылки молока": a measure and what it measures.
// Tatar names the measure bare before the substance, which takes the case
// of the phrase: бер стакан су бир, ике шешә сөт алдым, бер чынаяк чәйдән
// соң. A measure with no number before it takes бер. Runs after the
// numerals have made the measure singular, before the attributes move.
void MeasuredAmounts(TTransKits& kits, const TClause& c, const TDictionaryRT& dict);
// Whether a slot is a measure that MeasuredAmounts left before its
// substance: it stays with it when the substance moves.
bool IsMeasureSlot(const TTransKit& kit);

}  // namespace rusengine
