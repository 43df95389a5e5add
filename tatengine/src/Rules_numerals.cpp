// Compound numerals before a noun: only the last word governs the noun, the
// words before it decline in the case of the phrase. "утыз бер укучы" is
// "тридцать один ученик" (один agrees with the noun, which stays singular),
// "егерме ике кызга" is "двадцати двум девочкам".
#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "RusForms.h"
#include "TextUtil.h"

namespace tatengine {

void TSP_tat::CompoundHomographs() {
  for (int i = FirstWord; i < LastWord; ++i) {
    // A chain of words that may be numerals, ending in a numeral or "бер",
    // then a noun: йөз ике кеше, йөз бер кеше (a hundred, not a face).
    // "бит" after a count is a page (йөз егерме биш бит).
    bool one = false;
    const int last = CompoundEnd(i, one, false);
    if (last < 0 || !(HasReading(last + 1, wcNoun) || Source(last + 1) == u"бит")) continue;
    for (int k = i; k <= last; ++k) {
      int index = -1;
      if (HasReading(k, wcNumeral, index)) Keep(k, index);
    }
    i = last;
  }
}

int TSP_tat::CompoundEnd(int first, bool& one, bool narrowed) {
  one = false;
  int last = first;
  if (!narrowed) {
    if (!HasReading(first, wcNumeral) || Source(first) == u"бер") return -1;
    while (last + 1 <= LastWord && (HasReading(last + 1, wcNumeral) || Source(last + 1) == u"бер")) {
      ++last;
      if (Source(last) == u"бер") {
        one = true;
        break;
      }
    }
    return last == first ? -1 : last;
  }
  if (first < FirstWord || Kits[first].Kind != kkTranslated || !SingleReading(first, wcNumeral)) return -1;
  while (last + 1 <= LastWord && SingleReading(last + 1, wcNumeral)) ++last;
  // "бер" after a numeral: read as the agreeing "один" (an adjective) until
  // CountsWithOne makes it a determiner slot.
  const int c = Class(last + 1);
  if (Source(last + 1) == u"бер" && (c == wcAdjective || c == wcUnchanged07)) {
    one = true;
    ++last;
  }
  return last == first ? -1 : last;
}

void TSP_tat::CountsWithOne() {
  for (int i = FirstWord; i < LastWord; ++i) {
    bool one = false;
    const int last = CompoundEnd(i, one);
    if (last < 0) continue;
    int n = last + 1;
    while (n <= LastWord && Class(n) == wcAdjective) ++n;
    // An age the age rules wrote out: двадцать один год.
    if (one && n <= LastWord && Class(n) == wcUnchanged03 && Rus(n).RusText == u"год") {
      TFormRus& count = Rus(last);
      count.Number = 1;
      count.Gender = 1;
      count.Case = 1;
      i = n;
      continue;
    }
    if (!one || n > LastWord || Class(n) != wcNoun) {
      i = last;
      continue;
    }
    // "один" counts a singular noun (тридцать один день прошёл). As a
    // determiner slot it agrees with the noun like "этот" and stops the
    // numeral rules from counting the noun again.
    for (int k = last + 1; k <= n; ++k) Rus(k).Number = 1;
    TFormRus& count = Rus(last);
    count.WordClass = wcUnchanged07;
    count.Number = 1;
    Tat(last).WordClass = wcNumeral;  // no longer a glue word that may stand for "он"
    i = n;
  }
}

void TSP_tat::CompoundNumerals() {
  for (int i = FirstWord; i < LastWord; ++i) {
    bool one = false;
    const int last = CompoundEnd(i, one);
    if (last < 0) continue;
    int n = last + 1;
    while (n <= LastWord && Class(n) == wcAdjective) ++n;
    if (n > LastWord || Class(n) != wcNoun || Rus(n).Case == 0) {
      i = last;
      continue;
    }
    TFormRus& noun = Rus(n);
    const int caseNo = (CaseMap(noun.Case, noun.Number) + 1) / 2;
    const bool animate = noun.Variant == 1;
    // Every word but the last declines alone and governs nothing; the
    // numeral rules skip a numeral that no noun follows.
    for (int k = i; k < last; ++k) Rus(k).RusText = NumeralForm(Rus(k).RusText, caseNo, 1, false);
    if (one && Class(last) == wcUnchanged07) {
      noun.Number = 1;
      noun.Case = static_cast<uint8_t>(2 * caseNo - 1);
      noun.Agreed = 1;
      TFormRus& count = Rus(last);
      count.Number = 1;
      // The accusative of a masculine person is the genitive (одного ученика).
      count.Case = caseNo == 4 && animate && noun.Gender == 1 ? 3 : noun.Case;
      count.Gender = noun.Gender;
      for (int k = last + 1; k < n; ++k) {
        Rus(k).Number = 1;
        Rus(k).Case = noun.Case;
        Rus(k).Gender = noun.Gender;
        Rus(k).Variant = animate ? 1 : 0;
      }
    }
    i = n;
  }
}

}  // namespace tatengine
