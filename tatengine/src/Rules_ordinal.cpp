// Compound ordinals: in "мең тугыз йөз туксан бишенче елда" only the last
// word is an ordinal; Russian declines only that word too and keeps the
// cardinal words before it in the nominative, with the noun in the singular
// (в тысяча девятьсот девяносто пятом году). The cardinal words become one
// fixed slot so that no agreement or count rule declines them or makes the
// noun plural.
#include <string>

#include "Numerals_ta.h"
#include "Parser_sent_ta.h"
#include "TextUtil.h"

namespace tatengine {

void TSP_tat::CompoundOrdinals() {
  for (int o = FirstWord + 1; o <= LastWord; ++o) {
    int adjective = -1;
    if (Kits[o].Kind != kkTranslated || !HasReading(o, wcAdjective, adjective)) continue;
    const std::u16string ordinal = Source(o);
    if (ordinal.find(u"нче") == std::u16string::npos && ordinal.find(u"нчы") == std::u16string::npos) continue;
    // The cardinal words right before it.
    int start = o;
    while (start - 1 >= FirstWord && Kits[start - 1].Kind == kkTranslated && HasReading(start - 1, wcNumeral) &&
           AllCardinals(Source(start - 1)))
      --start;
    if (start == o) continue;
    // "ун бишенче" is one ordinal (пятнадцатый), not ten and a fifth.
    if (Source(o - 1) == u"ун" || Source(o - 1).ends_with(u" ун")) continue;
    std::u16string words;
    for (int k = start; k < o; ++k) {
      if (!words.empty()) words += u' ';
      words += Source(k);
    }
    const std::u16string text = RussianCardinal(CardinalsValue(words));
    if (text.empty()) continue;
    Keep(o, adjective);
    const uint8_t capital = Kits[start].Capital;
    Kits.erase(Kits.begin() + start + 1, Kits.begin() + o);
    Kits[start] = FixedKit(text, wcUnchanged03);
    // Still a numeral on the Tatar side: the preposition of the phrase goes
    // before it (в тысяча девятьсот ...).
    Kits[start].Readings.front().Tat.WordClass = wcNumeral;
    Kits[start].Capital = capital;
    LastWord -= o - start - 1;
    o = start + 1;
  }
}

}  // namespace tatengine
