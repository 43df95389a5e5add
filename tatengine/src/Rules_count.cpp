// Counts whose Russian agreement the plain numeral rules get wrong: a
// compound count ending in "бер" agrees like "один" (двадцать один год,
// двадцати одного дня), and the counted people after "сотни", "тысячи" are
// "людей", not the counted form "человек".
#include <algorithm>

#include "Common_ta.h"
#include "Numerals_ta.h"
#include "Parser_sent_ta.h"
#include "RusForms.h"
#include "TextUtil.h"
#include "Transler.h"

namespace tatengine {
namespace {

// "один" in case 1-6 for a noun of the given gender and animacy.
std::u16string_view OneIn(int caseNo, int gender, bool animate) { return OneForm(caseNo * 2 - 1, gender, animate); }

}  // namespace

void TSP_tat::CompoundOnes() {
  for (int i = FirstWord; i < LastWord; ++i) {
    if (Kits[i].Kind != kkTranslated || Class(i) != wcNumeral) continue;
    // Either one slot "двадцать один" or the tens and a "бер" slot.
    const std::u16string numeral = Rus(i).RusText;
    int one = -1;
    std::u16string_view tens;
    if (!SplitOne(numeral, tens)) {
      if (Source(i + 1) != u"бер" || numeral.empty() || numeral == u"один") continue;
      tens = numeral;
      one = i + 1;
    }
    int n = (one >= 0 ? one : i) + 1;
    while (n <= LastWord && Class(n) == wcAdjective) ++n;
    if (n > LastWord || Kits[n].Kind != kkTranslated) continue;
    int caseNo = 1, gender = 1;
    bool animate = false;
    if (Class(n) == wcNoun) {
      TFormRus& noun = Rus(n);
      caseNo = (CaseMap(noun.Case == 0 ? 1 : noun.Case, 1) + 1) / 2;
      animate = noun.Variant == 1;
      gender = noun.Gender < 1 || noun.Gender > 3 ? 1 : noun.Gender;
      // The noun and its adjectives are singular in their own case.
      for (int k = (one >= 0 ? one : i) + 1; k <= n; ++k) {
        Rus(k).Number = 1;
        Rus(k).Agreed = 1;
      }
    } else if (!Source(n).starts_with(u"яш")) {
      continue;  // an age is already "год" (двадцать один год)
    }
    const std::u16string text =
        NumeralForm(tens, caseNo, 1, animate) + u' ' + std::u16string(OneIn(caseNo, gender, animate));
    const uint8_t capital = Kits[i].Capital;
    Kits[i] = FixedKit(text, wcUnchanged03);
    Tat(i).Source = u"бер";
    Kits[i].Capital = capital;
    if (one >= 0) {
      Kits.erase(Kits.begin() + one);
      --LastWord;
    }
  }
}

void TSP_tat::LargeCounts() {
  static constexpr std::u16string_view groups[] = {u"сотни", u"тысячи", u"десятки", u"миллионы", u"сотен",
                                                   u"тысяч", u"десятков"};
  for (int i = FirstWord; i < LastWord; ++i) {
    if (Kits[i].Kind != kkTranslated) continue;
    if (std::find(std::begin(groups), std::end(groups), Rus(i).RusText) == std::end(groups)) continue;
    int n = i + 1;
    while (n < LastWord && Class(n) == wcAdjective) ++n;
    for (TTransUnit& reading : Kits[n].Readings)
      if (reading.Rus.RusText.ends_with(u"человек") && reading.Rus.WordClass == wcUnchanged03)
        reading.Rus.RusText.replace(reading.Rus.RusText.size() - 7, 7, u"людей");
  }
}

}  // namespace tatengine
