// Spans of time, which Tatar says with a case or a postposition of its
// own rather than with the Russian preposition:
//   - "через час" -> бер сәгатьтән, "через пять лет" -> биш елдан (the
//     ablative; "через лес" stays урман аша);
//   - "неделю назад" -> бер атна элек, "пять лет назад" -> биш ел элек;
//   - "на неделю" -> бер атнага (the dative).
//   - "в девять" -> тугызда, "в пять часов" -> биш сәгатьтә;
//   - "перед едой" -> ашар алдыннан, "перед уроком" -> дәрес алдыннан:
//     before an event is a time (алдыннан), not a place (алдында).
// A unit named without a number takes бер ("one") before it.
#pragma once

#include "Records.h"

namespace rusengine {

class TDictionaryRT;

// Whether a slot names a unit of time (час, день, неделя, год, лет ...).
bool IsTimeUnit(const TTransKit& kit, const TDictionaryRT& dict);

// Rewrites every span of time in the sentence. Runs before the clause
// rules, on the Russian word order; it may insert a slot (бер).
void TimeSpans(TTransKits& kits, const TDictionaryRT& dict);

// "в девять", "в пять часов": a clock time is in the locative (тугызда,
// биш сәгатьтә).
void ClockTime(TTransKits& kits, const TDictionaryRT& dict);
// "перед" + a noun naming an event or a meal: the noun in the nominative
// with алдыннан; a meal is said with the verb (ашар алдыннан).
void BeforeAnEvent(TTransKits& kits, const TDictionaryRT& dict);

}  // namespace rusengine
