// Clause rules for absence and for the mood of a verb:
//   - "его нет дома" -> ул өйдә юк: what is absent is the subject of юк, in
//     the nominative;
//   - "пойдём в парк" -> паркка барыйк: a 1pl perfective opening the clause
//     with no subject invites, like "давай";
//   - "я позвоню" -> шалтыратырмын: a 1sg perfective promises (-ыр);
//   - verbs that act on a thing already known (объяснить, проверить,
//     закончить ...) take a definite object: яңа теманы аңлатты.
#pragma once

#include "ClauseRules.h"
#include "ClauseTools.h"
#include "Records.h"

namespace rusengine {

class TDictionaryRT;

// Before reading selection: in a stretch with "нет" and no "у" owner, a noun
// with no preposition keeps its genitive readings (мамы нет: not the plural).
void PreferAbsentGenitive(TTransKits& kits, const TDictionaryRT& dict);
// "нет" without an owner: genitive pronouns and nouns become nominative.
// "не было" likewise, and it becomes юк иде (ул өйдә юк иде), unless the
// clause opened with an owner (owner: OpensWithOwner).
void Absent(TTransKits& kits, const TClause& c, bool owner, const TDictionaryRT& dict);
// A 1pl perfective verb first in a subjectless statement: the optative -ыйк.
void InviteUs(TTransKits& kits, const TClause& c, const TClauseFacts& f);
// A 1sg perfective main verb in a clause that names no time: the
// indefinite future -ыр (-мам negated). With a time ("завтра") the plain
// future -ачак stays.
void Promise(TTransKits& kits, const TClause& c, const TClauseFacts& f);
// A 1st-person perfective future of going (пойду, приедем, вернусь) left
// as a plain future: the present (барам, кайтабыз), which Tatar uses for
// a planned trip. Runs after Promise, which keeps its -ыр.
void NearFuture(TTransKits& kits, const TClause& c, const TClauseFacts& f,
                const TDictionaryRT& dict);
// Whether the main verb is one whose object is a thing already known.
bool KnownObjectVerb(const TTransKits& kits, const TClauseFacts& f, const TDictionaryRT& dict);

}  // namespace rusengine
