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

}  // namespace rusengine
