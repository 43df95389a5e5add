// Comparisons: "теге өйдән зуррак" (больше того дома), "миннән өлкәнрәк"
// (старше меня), "көзгә караганда салкынрак" (холоднее осени). The Tatar
// standard of comparison stands before the comparative in the ablative (or
// the dative with "караганда"); the Russian comparative comes first and
// takes the standard in the genitive without a preposition.
#include <algorithm>

#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "RusForms.h"
#include "TextUtil.h"
#include "Transler.h"

namespace tatengine {
namespace {

// The genitive Russian pronoun after a comparative for an ablative Tatar
// personal pronoun (старше меня, выше нас).
std::u16string_view ComparedPronoun(std::u16string_view tat) {
  static constexpr std::pair<std::u16string_view, std::u16string_view> pronouns[] = {
      {u"миннән", u"меня"}, {u"синнән", u"тебя"}, {u"аннан", u"его"},  {u"бездән", u"нас"},
      {u"сездән", u"вас"},  {u"алардан", u"их"},  {u"моннан", u"этого"}};
  for (auto [t, r] : pronouns)
    if (tat == t) return r;
  return {};
}

// The genitive of a possessive or demonstrative standard by the gender of
// the noun compared (masculine and neuter, feminine, plural): "минекеннән
// озынрак" is "длиннее моего", "моей" or "моих".
std::u16string_view ComparedOwner(std::u16string_view tat, int gender, bool plural) {
  struct TOwnerForms {
    std::u16string_view Tat, Masculine, Feminine, Plural;
  };
  static constexpr TOwnerForms owners[] = {
      {u"минекеннән", u"моего", u"моей", u"моих"},    {u"синекеннән", u"твоего", u"твоей", u"твоих"},
      {u"безнекеннән", u"нашего", u"нашей", u"наших"}, {u"сезнекеннән", u"вашего", u"вашей", u"ваших"},
      {u"аныкыннан", u"его", u"его", u"его"},          {u"аларныкыннан", u"их", u"их", u"их"},
      {u"тегесеннән", u"того", u"той", u"тех"},        {u"монысыннан", u"этого", u"этой", u"этих"},
      {u"бусыннан", u"этого", u"этой", u"этих"},       {u"шунысыннан", u"этого", u"этой", u"этих"}};
  for (const TOwnerForms& o : owners)
    if (tat == o.Tat) return plural ? o.Plural : gender == 2 ? o.Feminine : o.Masculine;
  return {};
}

// A time compared with another: "кичәгедән җылырак" is "теплее, чем вчера".
std::u16string_view ComparedTime(std::u16string_view tat) {
  static constexpr std::pair<std::u16string_view, std::u16string_view> times[] = {
      {u"кичәгедән", u"чем вчера"},       {u"бүгенгедән", u"чем сегодня"},   {u"элеккедән", u"чем раньше"},
      {u"гадәттәгедән", u"чем обычно"},   {u"иртәгедән", u"чем завтра"},     {u"әлегедән", u"чем сейчас"},
      {u"хәзергедән", u"чем сейчас"}};
  for (auto [t, r] : times)
    if (tat == t) return r;
  return {};
}

// Quantity comparatives the lexicon keeps as adverbs or particles.
bool IsComparativeWord(std::u16string_view word) {
  // "ерак" (far) only looks like one.
  return word.size() > 4 && word != u"ерак" && (word.ends_with(u"рак") || word.ends_with(u"рәк"));
}

}  // namespace

bool TSP_tat::IsComparative(int slot) {
  if (slot < FirstWord || slot > LastWord || Kits[slot].Kind != kkTranslated) return false;
  if (Class(slot) == wcAdjective) return Tat(slot).EndingCode == 2;
  return Class(slot) == wcAdverb && IsComparativeWord(Source(slot));
}

void TSP_tat::Comparatives() {
  for (int k = FirstWord; k < LastWord; ++k) {
    if (Kits[k].Kind == kkSeparator) continue;
    const std::u16string word = Source(k);
    std::u16string_view pronoun = ComparedPronoun(word);
    const std::u16string_view time = ComparedTime(word);
    if (pronoun.empty() && !time.empty()) pronoun = time;
    if (pronoun.empty()) {
      // The noun compared: the nearest nominative noun before the standard.
      int gender = 1;
      bool plural = false;
      for (int n = k - 1; n >= FirstWord && Kits[n].Kind != kkSeparator; --n) {
        if (Kits[n].Kind == kkTranslated && Class(n) == wcNoun && (Rus(n).Case == 1 || Rus(n).Case == 2)) {
          gender = Rus(n).Gender;
          plural = Rus(n).Number == 2;
          break;
        }
      }
      pronoun = ComparedOwner(word, gender, plural);
    }
    const bool noun = Class(k) == wcNoun;
    const bool than = noun && IsDativeEnding(Tat(k).EndingCode) && Source(k + 1) == u"караганда";
    const bool from = noun && IsAblativeEnding(Tat(k).EndingCode);
    const int a = than ? k + 2 : k + 1;
    if (CountComparison(k)) continue;
    if ((pronoun.empty() && !than && !from) || !IsComparative(a)) continue;

    // The comparative as a fixed word: it agrees with nothing once it
    // stands before the standard's own modifiers. Its Tatar side stays a
    // comparative so that OrderComparisons finds it.
    TTransUnit reading = Kits[a].Readings[0];
    Translator->Dictionary().Generate(reading);
    if (reading.Rus.RusText.empty()) continue;
    const uint8_t capital = Kits[a].Capital;
    // Before "чем" the comparative takes the comma (теплее, чем вчера).
    Kits[a] = FixedKit(time.empty() ? reading.Rus.RusText : reading.Rus.RusText + u",", wcUnchanged03);
    Tat(a).WordClass = wcAdjective;
    Tat(a).EndingCode = 2;
    Tat(a).Source = reading.Tat.Source;
    Kits[a].Capital = capital;

    if (pronoun.empty()) {
      Kits[k].Readings.resize(1);
      Rus(k).Prefix.clear();
      Rus(k).Case = 3;
      Rus(k).Agreed = 1;
    } else {
      const uint8_t pronounCapital = Kits[k].Capital;
      Kits[k] = FixedKit(pronoun, wcUnchanged03);
      Tat(k).Source = word;
      Kits[k].Capital = pronounCapital;
    }
    if (than) {
      Kits.erase(Kits.begin() + k + 1);
      --LastWord;
    }
  }
}

bool TSP_tat::CountComparison(int k) {
  // "меңнән артык кеше": больше тысячи людей. A count in the ablative
  // before артык, күбрәк or азрак.
  if (Kits[k].Kind != kkTranslated || Class(k) != wcNumeral || k + 1 > LastWord) return false;
  const std::u16string word = Source(k);
  const bool ablative = word.ends_with(u"нан") || word.ends_with(u"нән") || word.ends_with(u"дан") ||
                        word.ends_with(u"дән") || word.ends_with(u"тан") || word.ends_with(u"тән");
  const std::u16string next = Source(k + 1);
  const std::u16string_view degree = next == u"артык" || next == u"күбрәк" ? u"больше"
                                     : next == u"азрак" || next == u"кимрәк" ? u"меньше"
                                                                             : u"";
  if (!ablative || degree.empty()) return false;
  std::u16string numeral = Rus(k).RusText;
  if (numeral.empty()) return false;
  const uint8_t capital = Kits[k].Capital;
  TTransKit more = FixedKit(degree, wcUnchanged03);
  more.Readings[0].Tat.Source = next;
  more.Capital = capital;
  // The genitive: тысяча and миллион decline as nouns.
  std::u16string genitive;
  if (numeral.ends_with(u"тысяча"))
    genitive = numeral.substr(0, numeral.size() - 1) + u"и";
  else if (numeral.ends_with(u"он"))
    genitive = numeral + u"а";
  else
    genitive = NumeralForm(numeral, 2, 1, false);
  Kits[k + 1] = FixedKit(genitive, wcUnchanged03);
  Tat(k + 1).Source = word;
  Kits[k] = std::move(more);
  // The counted noun after it is in the genitive plural.
  if (k + 2 <= LastWord && Class(k + 2) == wcNoun && Rus(k + 2).Case <= 2 && Rus(k + 2).Prefix.empty()) {
    Kits[k + 2].Readings.resize(1);
    Rus(k + 2).Case = 3;
    Rus(k + 2).Number = 2;
    Rus(k + 2).Agreed = 1;
    // Counted people are "человек" (больше тысячи человек).
    TTransUnit counted = Kits[k + 2].Readings[0];
    Translator->Dictionary().Generate(counted);
    if (counted.Rus.RusText == u"людей") {
      Kits[k + 2] = FixedKit(u"человек", wcUnchanged03);
      Tat(k + 2).Source = counted.Tat.Source;
    }
  }
  return true;
}

bool TSP_tat::IsStandardOfComparison(int slot) {
  if (slot < FirstWord || slot > LastWord || Kits[slot].Kind != kkTranslated) return false;
  if (Class(slot) == wcUnchanged03) {
    const std::u16string word = Source(slot);
    return !ComparedPronoun(word).empty() || !ComparedTime(word).empty() || !ComparedOwner(word, 1, false).empty();
  }
  const int code = Tat(slot).EndingCode;
  return Class(slot) == wcNoun && Rus(slot).Case == 3 && (IsAblativeEnding(code) || IsDativeEnding(code));
}

void TSP_tat::OrderComparisons() {
  for (int a = FirstWord + 1; a <= LastWord; ++a) {
    if (Kits[a].Kind != kkTranslated || Class(a) != wcUnchanged03 || Tat(a).WordClass != wcAdjective ||
        Tat(a).EndingCode != 2)
      continue;
    const int k = a - 1;
    if (!IsStandardOfComparison(k)) continue;
    // The standard with its determiners, numerals and adjectives.
    int start = k;
    if (Class(k) == wcNoun) {
      while (start - 1 >= FirstWord && Kits[start - 1].Kind == kkTranslated &&
             (Class(start - 1) & (wcAdjective | wcNumeral | wcUnchanged07)) && Tat(start - 1).WordClass != wcGlue)
        --start;
    }
    // Used before a noun the comparison follows the noun: город больше
    // Елабуги.
    const int head = a + 1;
    const bool attributive = head <= LastWord && Class(head) == wcNoun && Kits[head].Kind == kkTranslated &&
                             Rus(head).Prefix.empty() && (Rus(head).Case == 1 || Rus(head).Case == 2);
    TTransKits phrase;
    if (attributive) phrase.push_back(Kits[head]);
    phrase.push_back(Kits[a]);
    for (int s = start; s <= k; ++s) phrase.push_back(Kits[s]);
    const int end = attributive ? head : a;
    std::copy(phrase.begin(), phrase.end(), Kits.begin() + start);
    // Said of how a verb is done, the comparison follows the verb: едет
    // быстрее автобуса.
    if (!attributive && end + 1 <= LastWord && Kits[end + 1].Kind == kkTranslated && Class(end + 1) == wcVerb &&
        SingleReading(end + 1, wcVerb)) {
      Move(end + 1, start);
      a = end + 1;
      continue;
    }
    a = end;
  }
}

}  // namespace tatengine
