// Measure phrases: a quantity or container noun before the thing measured,
// "ике стакан сөт" (два стакана молока), "бер кисәк ипи белән" (с куском
// хлеба). The measure word takes the case of the whole phrase and agrees
// with the count; the measured noun follows it in the genitive, singular for
// a mass noun (молока) and plural otherwise (килограмм яблок). "бер" before a
// measure word is left out: стакан молока.
//
// The difference of a comparison: "өч яшькә олырак" (на три года старше),
// "ике сантиметрга озынрак" (на два сантиметра длиннее).
#include "Common_ta.h"
#include "DictionaryTR.h"
#include "Parser_sent_ta.h"
#include "RusForms.h"
#include "TextUtil.h"
#include "Transler.h"

namespace tatengine {
namespace {

// Quantity words that count a measure word like a numeral (күп стакан).
bool IsQuantitySource(std::u16string_view low) {
  return low == u"күп" || low == u"аз" || low == u"берничә" || low == u"ничә";
}

// "яшь" (age) counts years; its dative is the difference in age.
bool IsAgeDative(std::u16string_view low) { return low == u"яшькә" || low == u"яшька" || low == u"яшкә"; }

}  // namespace

bool TSP_tat::IsMassNoun(int slot) {
  if (Class(slot) != wcNoun || Tat(slot).WordClass != wcNoun || !Translator) return false;
  return Translator->Dictionary().Noun.IsMass(Rus(slot).StemRow);
}

void TSP_tat::PreferMeasuredNouns() {
  if (!Translator) return;
  const TNoun& nouns = Translator->Dictionary().Noun;
  for (int m = FirstWord; m < LastWord; ++m) {
    int measure = -1;
    int measured = -1;
    if (!HasReading(m, wcNoun, measure) || !HasReading(m + 1, wcNoun, measured)) continue;
    const TTransUnit& reading = Kits[m].Readings[measure];
    if (reading.Tat.WordClass != wcNoun || reading.Tat.EndingCode != 1 || !nouns.IsMeasure(reading.Rus.StemRow))
      continue;
    // What follows a measure word is what it measures (бер кило алма:
    // apples, not "do not take"), and the measure word is a noun.
    if (!IsCountWord(m - 1) && !IsQuantitySource(Source(m - 1)) && Source(m - 1) != u"ярты") continue;
    Keep(m, measure);
    Keep(m + 1, measured);
  }
}

void TSP_tat::MeasurePhrases() {
  if (!Translator) return;
  const TNoun& nouns = Translator->Dictionary().Noun;
  for (int m = FirstWord; m < LastWord; ++m) {
    if (Kits[m].Kind != kkTranslated || Class(m) != wcNoun || Tat(m).WordClass != wcNoun) continue;
    if (Tat(m).EndingCode != 1 || !nouns.IsMeasure(Rus(m).StemRow)) continue;
    // The measured noun, with its adjectives: бер стакан кайнар сөт.
    int x = m + 1;
    while (x < LastWord && Kits[x].Kind == kkTranslated && Class(x) == wcAdjective && Rus(x).Case != 14) ++x;
    if (Kits[x].Kind != kkTranslated || Class(x) != wcNoun || Tat(x).WordClass != wcNoun) continue;
    if (nouns.IsMeasure(Rus(x).StemRow)) continue;
    const int code = Tat(x).EndingCode;
    if (IsPossessedEnding(code) && PossessorOf(code) == 3) continue;  // стакан төбе: the bottom of a glass
    const std::u16string before = Source(m - 1);
    const bool half = before == u"ярты";
    const bool counted = m > FirstWord && (IsCountWord(m - 1) || IsQuantitySource(before) || half);
    // Without a count only the bare form is a measure phrase: "стакан
    // өстәлдә" is a glass on the table.
    if (!counted && code != 1 && code != 87) continue;

    // The genitive of the measured noun and its adjectives, as one text.
    const TFormRus measured = Rus(x);
    const uint8_t number = measured.Gender == 4 || IsPluralEnding(code) || !IsMassNoun(x) ? 2 : 1;
    std::u16string suffix;
    for (int k = m + 1; k <= x; ++k) {
      TTransUnit reading = Kits[k].Readings[0];
      TFormRus& rus = reading.Rus;
      rus.Case = 3;
      rus.Number = number;
      rus.Prefix.clear();
      rus.Suffix.clear();
      if (k < x) {
        rus.Gender = measured.Gender;
        rus.Variant = 0;
      }
      Translator->Dictionary().Generate(reading);
      suffix += u' ';
      suffix += reading.Rus.RusText;
    }

    // The measure word carries the case of the phrase.
    Kits[m].Readings.resize(1);
    TFormTat& tat = Tat(m);
    TFormRus& rus = Rus(m);
    const TCasePrefix rule = NounRule(code);
    tat.EndingCode = static_cast<uint8_t>(code);
    rus.Case = rule.Case != 0 && rule.Case <= 12 && rule.Case % 2 == 0 ? rule.Case - 1 : rule.Case;
    if (rus.Case == 0) rus.Case = 1;
    rus.Number = 1;
    rus.Prefix.assign(rule.Prefix);
    rus.Possessor = measured.Possessor;
    TNoun::AdjustPlaceCase(rus, code, nouns.TakesNa(rus.StemRow));
    rus.Suffix = std::move(suffix);
    Kits.erase(Kits.begin() + m + 1, Kits.begin() + x + 1);
    LastWord -= x - m;

    // "ярты" makes one word of a measure in the nominative: полстакана
    // молока, пол-литра воды (a hyphen before a vowel or л).
    if (half && (code == 1 || code == 87)) {
      TTransUnit reading = Kits[m].Readings[0];
      reading.Rus.Case = 3;
      reading.Rus.Prefix.clear();
      Translator->Dictionary().Generate(reading);
      const std::u16string& measure = reading.Rus.RusText;
      const bool hyphen = !measure.empty() &&
                          std::u16string_view(u"аеёиоуыэюял").find(measure[0]) != std::u16string_view::npos;
      const uint8_t capital = Kits[m - 1].Capital;
      Kits[m] = FixedKit((hyphen ? u"пол-" : u"пол") + measure);
      Kits[m].Readings[0].Tat.Source = u"ярты";
      Kits[m].Capital = capital;
      Kits.erase(Kits.begin() + m - 1);
      --LastWord;
      --m;
      continue;
    }
    // "бер" alone before the measure word says nothing: стакан молока (but
    // егерме бер стакан keeps it).
    if (before == u"бер" && !IsCountWord(m - 2)) {
      Kits[m].Capital = Kits[m - 1].Capital;
      Kits.erase(Kits.begin() + m - 1);
      --LastWord;
      --m;
    }
  }
}

void TSP_tat::ComparisonDifferences() {
  for (int d = FirstWord + 1; d < LastWord; ++d) {
    if (Kits[d].Kind == kkSeparator || !IsCountWord(d - 1)) continue;
    const std::u16string low = Source(d);
    const bool age = IsAgeDative(low);
    const bool dative = Class(d) == wcNoun && Tat(d).WordClass == wcNoun && Tat(d).EndingCode == 3;
    if (!age && !dative) continue;
    // The comparative follows, perhaps after what is compared with (миннән).
    int c = d + 1;
    if (c < LastWord && Kits[c].Kind == kkTranslated && (Class(c) & 0x108) &&
        IsAblativeEnding(Tat(c).EndingCode))
      ++c;
    if (Kits[c].Kind != kkTranslated || Class(c) != wcAdjective || Rus(c).Case != 14) continue;
    const int count = d - 1;
    const bool one = Source(count) == u"бер";
    if (age) {
      // яшь has no noun reading: the count and "год" are written out here.
      const std::u16string numeral = one ? u"" : Rus(count).RusText;
      std::u16string text = u"на ";
      if (one) {
        text += u"год";
      } else {
        text += NumeralForm(numeral, 4, 1, false);
        text += u' ';
        text += numeral == u"один" || numeral.ends_with(u" один") ? u"год"
                : IsPaucal(numeral)                               ? u"года"
                                                                  : u"лет";
      }
      const uint8_t capital = Kits[count].Capital;
      Kits[count] = FixedKit(text);
      Kits[count].Capital = capital;
      Tat(count).Source = low;
      Kits.erase(Kits.begin() + d);
      --LastWord;
      --d;
      continue;
    }
    // "на" + the accusative, counted as any accusative of a thing.
    TFormRus& rus = Rus(d);
    Kits[d].Readings.resize(1);
    rus.Case = 7;
    rus.Number = 1;
    rus.Prefix = u"на ";
    rus.Agreed = 1;
    if (one) {
      Kits[d].Capital = Kits[count].Capital;
      Kits.erase(Kits.begin() + count);
      --LastWord;
      --d;
    }
  }
}

}  // namespace tatengine
