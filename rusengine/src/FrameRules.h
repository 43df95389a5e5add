// Clause rules for everyday frames whose Tatar shape differs from the
// Russian one:
//   - having in the past: "у меня был брат" -> минем абыем бар иде, "у него
//     не было времени" -> аның вакыты юк иде;
//   - "как у вас дела" -> хәлләрегез ничек;
//   - age: "мне десять лет" -> миңа ун яшь (лет after a number, with a
//     dative owner and no verb of its own, is яшь, not ел);
//   - going home: "иду домой" -> өйгә кайтам (бар and кил become кайт);
//   - a time word comes early: "приезжай к нам летом" -> җәен безгә кил;
//   - a predicate adjective after a time or place word: "сегодня хорошая
//     погода" -> бүген һава яхшы.
#pragma once

#include "ClauseRules.h"
#include "ClauseTools.h"
#include "Records.h"

namespace rusengine {

class TDictionaryRT;

// Whether the clause opens with an owner: "у" + a personal pronoun or a
// person. Asked before Possession, which rewrites the owner.
bool OpensWithOwner(const TTransKits& kits, const TClause& c, const TDictionaryRT& dict);
// Whether a slot is "был", "была", "было" or "были".
bool IsPastBe(const TTransKit& kit);
// Whether a slot is the future of быть ("будет", "будут").
bool IsFutureBe(const TTransKit& kit);
// In a clause that opened with an owner, the past of быть is бар иде, or
// юк иде when negated. Runs before MainVerb, which leaves it so.
void HadInPast(TTransKits& kits, const TClause& c, bool owner, const TDictionaryRT& dict);
// "как (у вас) дела": дела is хәлләр, which the owner then owns
// (хәлләрегез ничек). Runs before Possession.
void HowAreThings(TTransKits& kits, const TClause& c, const TDictionaryRT& dict);
// "мне десять лет", "брату пять лет": лет (год, года) after a number is
// яшь when the clause has a dative owner and no verb but быть or
// исполниться.
void Age(TTransKits& kits, const TClause& c, const TClauseFacts& f, const TDictionaryRT& dict);
// "домой" with a verb of going or coming: the verb is кайт.
void GoHome(TTransKits& kits, const TClause& c, const TDictionaryRT& dict);
// A clause with no verb (or only был) opening with a time or place word,
// ending in adjective + noun: the noun is the subject, the adjective its
// predicate, so they swap. Runs after VerbLast.
void PredicateAdjective(TTransKits& kits, const TClause& c);

// A time word ("летом", "каждый день") moves before the places,
// directions and predicate adjectives in front of it: "приезжай к нам
// летом" -> җәен безгә кил. Runs first, on the Russian order.
void TimeFirst(TTransKits& kits, const TClause& c, const TDictionaryRT& dict);

}  // namespace rusengine
