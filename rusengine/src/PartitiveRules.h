// Objects that name an amount of something rather than the thing itself:
// "дай мне воды" -> миңа су бир, "купи хлеба" -> икмәк сатып ал, "купи
// яблок" -> алма сатып ал. After a verb of giving, taking, buying, pouring
// or eating, a genitive object with no preposition is the Tatar bare
// nominative (singular), like any indefinite object.
#pragma once

#include "Records.h"

namespace rusengine {

class TDictionaryRT;

// Before reading selection: a noun after such a verb in the same stretch
// of words keeps its genitive reading when the genitive is all it can be
// (яблок, денег) or when it names a substance (воды, хлеба, чаю); that
// reading becomes a bare singular object.
void PartitiveObjects(TTransKits& kits, const TDictionaryRT& dict);

}  // namespace rusengine
