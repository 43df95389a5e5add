// When a direct object is definite (the Tatar accusative -ны) beyond what
// BareObjects already sees (demonstratives, possessors, imperatives):
//   - "это" after the verb is the object моны: сделаю это -> моны эшләрмен;
//   - an object that Russian names before the verb is a thing already
//     spoken of: книгу я прочитал -> китапны укыдым;
//   - an object followed by a dative noun is the thing handed over, and
//     Tatar names it first, as known: дал книгу другу -> китапны дуска
//     бирдем.
// Anything else stays bare (китап укыйм).
#pragma once

#include "ClauseRules.h"
#include "ClauseTools.h"
#include "Records.h"

namespace rusengine {

// Runs after BareObjects and before VerbLast, on the Russian order.
void DefiniteObjects(TTransKits& kits, const TClause& c, const TClauseFacts& f);

}  // namespace rusengine
