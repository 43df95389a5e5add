// Sentence rules that rebuild a Russian pattern spanning more than one
// clause or a fixed frame, after the clause rules put each clause in Tatar
// order:
//   - reported speech: "он сказал, что придёт" -> ул киләчәк дип әйтте, and
//     "я думаю, что ..." / "мне кажется, что ..." -> минемчә, ...;
//   - "спасибо за помощь" -> ярдәм өчен рәхмәт;
//   - "рад вас видеть" -> сезне күрүемә шат;
//   - "лучше, чем вчера" -> кичәгә караганда яхшырак, "выше, чем я" ->
//     миннән биегрәк.
#pragma once

#include "Records.h"

namespace rusengine {

class TDictionaryRT;

// A verb of saying, thinking or knowing, a comma and "что": the reported
// clause comes first and ends with дип, the verb follows it; что has no
// word (after "спросить" it stays the question word).
void ReportedSpeech(TTransKits& kits, const TDictionaryRT& dict);
// "спасибо" followed by a "за" phrase goes after the phrase.
void ThanksFor(TTransKits& kits, const TDictionaryRT& dict);
// "рад" + infinitive: the verbal noun with the subject's possessive in the
// dative, before шат.
void GladTo(TTransKits& kits, const TDictionaryRT& dict);
// A comparative, a comma, "чем" X: X goes before the comparative, in the
// ablative when it is a noun or a pronoun, else in the dative with
// караганда.
void ComparedWith(TTransKits& kits, const TDictionaryRT& dict);

}  // namespace rusengine
