// Verbs the lexicon lacks that are a known verb with a voice suffix:
// reflexive -ын/-ен/-н (күчен from күч), passive -ыл/-ел/-л (ясал),
// reciprocal -ыш/-еш/-ш (күреш) and causative -дыр/-тыр (яздыр). Such a
// word is read as the known verb in the same form, which keeps the sentence
// translated where it would otherwise stay Tatar.
#pragma once

#include <string_view>

#include "Records.h"

namespace tatengine {

class TVerb;

// Reads text as a form of a derived stem of a known verb; fills the records
// as TVerb::AnalyseWord does for the known verb. False when no suffix cut
// leaves a verb form.
bool AnalyseDerivedVerb(const TVerb& verb, std::u16string_view text, TFormTat& tat, TFormRus& rus);

}  // namespace tatengine
