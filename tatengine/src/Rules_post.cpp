// Sentence rules for postpositions whose Russian depends on what they follow
// and for counted measure words: "ун минуттан" (через десять минут), "өч көн
// эчендә" (в течение трёх дней, за три дня), "аның кебек" (как он), "җиде яшьлек" (семилетний).
#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "RusForms.h"
#include "TextUtil.h"
#include "Transler.h"
#include "VerbAspect.h"

namespace tatengine {
namespace {

// The nominative personal pronoun for a genitive or nominative Tatar one.
std::u16string_view NominativePronoun(std::u16string_view tat) {
  static constexpr std::pair<std::u16string_view, std::u16string_view> pronouns[] = {
      {u"минем", u"я"},  {u"мин", u"я"},    {u"синең", u"ты"}, {u"син", u"ты"},
      {u"аның", u"он"},  {u"безнең", u"мы"}, {u"без", u"мы"},  {u"сезнең", u"вы"},
      {u"сез", u"вы"},   {u"аларның", u"они"}, {u"алар", u"они"}};
  for (auto [t, r] : pronouns)
    if (tat == t) return r;
  return {};
}

// Counted measure words and the Russian adjective ending they make with the
// combining form of the numeral: җиде яшьлек -> семи|летний.
struct TMeasure {
  std::u16string_view Tat;
  std::u16string_view Rus;
};
constexpr TMeasure Measures[] = {{u"яшьлек", u"летний"},      {u"яшълек", u"летний"},        {u"еллык", u"летний"},
                                 {u"катлы", u"этажный"},       {u"айлык", u"месячный"},       {u"көнлек", u"дневный"},
                                 {u"атналык", u"недельный"},   {u"минутлык", u"минутный"},    {u"сәгатьлек", u"часовой"},
                                 {u"литрлы", u"литровый"},     {u"литрлык", u"литровый"},     {u"метрлы", u"метровый"},
                                 {u"метрлык", u"метровый"},    {u"километрлы", u"километровый"},
                                 {u"килограммлы", u"килограммовый"}, {u"килограммлык", u"килограммовый"},
                                 {u"граммлы", u"граммовый"},   {u"граммлык", u"граммовый"},   {u"тонналы", u"тонный"},
                                 {u"бүлмәле", u"комнатный"},   {u"томлык", u"томный"},        {u"процентлы", u"процентный"},
                                 {u"гасырлык", u"вековой"}};

std::u16string_view MeasureOf(std::u16string_view word) {
  for (const TMeasure& m : Measures)
    if (word == m.Tat) return m.Rus;
  return {};
}

// The first part of a compound adjective made from a cardinal: двух-, пяти-,
// сорока-; empty where the combining form is not the genitive.
// A compound cardinal joins the forms of its words: двадцатипяти-.
std::u16string CombiningForm(std::u16string_view numeral) {
  if (const size_t space = numeral.find(u' '); space != std::u16string_view::npos) {
    const std::u16string head = CombiningForm(numeral.substr(0, space));
    const std::u16string tail = CombiningForm(numeral.substr(space + 1));
    return head.empty() || tail.empty() ? std::u16string() : head + tail;
  }
  if (numeral == u"один") return u"одно";
  if (numeral == u"сто" || numeral == u"девяносто") return std::u16string(numeral);
  std::u16string genitive = NumeralForm(numeral, 2, 1, false);
  if (genitive.empty() || genitive == numeral || genitive.find(u' ') != std::u16string::npos) return {};
  return genitive;
}

// Adjective endings by case 1-6 and gender 1-3, 4 plural; hard (-ный) and
// soft (-ний) stems.
constexpr std::u16string_view HardEndings[6][4] = {{u"ый", u"ая", u"ое", u"ые"},  {u"ого", u"ой", u"ого", u"ых"},
                                                   {u"ому", u"ой", u"ому", u"ым"}, {u"ый", u"ую", u"ое", u"ые"},
                                                   {u"ым", u"ой", u"ым", u"ыми"},  {u"ом", u"ой", u"ом", u"ых"}};
constexpr std::u16string_view SoftEndings[6][4] = {{u"ий", u"яя", u"ее", u"ие"},  {u"его", u"ей", u"его", u"их"},
                                                   {u"ему", u"ей", u"ему", u"им"}, {u"ий", u"юю", u"ее", u"ие"},
                                                   {u"им", u"ей", u"им", u"ими"},  {u"ем", u"ей", u"ем", u"их"}};

// The adjective lemma (…ный / …ний) in case-and-number x 1-12 for a noun of
// the given gender.
std::u16string DeclineAdjective(std::u16string_view lemma, int x, int gender, bool animate) {
  if (lemma.size() < 3) return std::u16string(lemma);
  const bool soft = lemma.ends_with(u"ий");
  x = x < 1 ? 1 : x > 12 ? 12 : x;
  int caseNo = (x + 1) / 2;
  int column = x % 2 == 0 || gender < 1 || gender > 3 ? 3 : gender - 1;
  if (caseNo == 4 && animate && (column == 0 || column == 3)) caseNo = 2;
  const auto& endings = soft ? SoftEndings : HardEndings;
  std::u16string form = std::u16string(lemma.substr(0, lemma.size() - 2)) + std::u16string(endings[caseNo - 1][column]);
  // A stressed ending keeps -ой where the others say -ый: двухчасовой.
  if (lemma.ends_with(u"ой") && form.ends_with(u"ый")) form.replace(form.size() - 2, 2, u"ой");
  return form;
}

}  // namespace

void TSP_tat::PostpositionSenses() {
  for (int k = FirstWord; k <= LastWord; ++k) {
    const std::u16string word = Source(k);
    // [count] [time noun]-ablative before the verb: через десять минут.
    if (k > FirstWord && k < LastWord && IsTimeUnit(k) && IsAblativeEnding(Tat(k).EndingCode) &&
        IsCountWord(k - 1) && Class(k + 1) == wcVerb) {
      PutTimePreposition(k, u"через", u"соң");
      continue;
    }
    // [count] [time noun] эчендә: the time it takes, за три дня; one unit
    // is how long (в течение недели) unless the action is completed (за
    // день); a bare unit: в течение года.
    if (word == u"эчендә" && k > FirstWord && IsTimeUnit(k - 1) && Tat(k - 1).EndingCode <= 1) {
      const bool counted = IsCountWord(k - 2);
      const bool one = counted && Source(k - 2) == u"бер" && !IsCountWord(k - 3);
      bool completed = false;
      for (int v = ClauseStart(k); v <= LastWord && Kits[v].Kind != kkSeparator; ++v)
        completed = completed || (Kits[v].Kind == kkTranslated && Class(v) == wcVerb &&
                                  (Translator->Dictionary().Verb.IsPerfective(Rus(v).StemRow) ||
                                   AspectOfForm(Tat(v).EndingCode) == awPerfective));
      const bool within = counted && (completed || !one);
      Kits[k] = FixedKit(within ? u"за" : u"в течение", wcPostposition);
      Tat(k).Source = word;
      Rus(k).Case = within ? 7 : 3;
      Rus(k - 1).Prefix.clear();
      Rus(k - 1).Case = within ? 7 : 3;
      Rus(k - 1).Agreed = 1;
      // One unit goes without "один": за день, за неделю.
      if (one) {
        Kits[k - 1].Capital = Kits[k - 2].Capital;
        Kits.erase(Kits.begin() + k - 2);
        --LastWord;
        --k;
      }
      continue;
    }
    // A personal pronoun before кебек: как он, как ты.
    if (IsLikeWord(word) && k > FirstWord) {
      const std::u16string_view pronoun = NominativePronoun(Source(k - 1));
      if (pronoun.empty()) continue;
      const uint8_t capital = Kits[k - 1].Capital;
      Kits[k - 1] = FixedKit(u"как " + std::u16string(pronoun), wcUnchanged03);
      Tat(k - 1).Source = word;
      Kits[k - 1].Capital = capital;
      Kits.erase(Kits.begin() + k);
      --LastWord;
      --k;
      continue;
    }
    // [count] яшьлек / катлы: one adjective, declined in MeasureAdjectives.
    const std::u16string_view measure = MeasureOf(word);
    const bool one = Source(k - 1) == u"бер";
    if (!measure.empty() && k > FirstWord && (one || SingleReading(k - 1, wcNumeral))) {
      // Tens before units make one count: егерме биш яшьлек, двадцатипятилетний.
      std::u16string count = one ? u"один" : Rus(k - 1).RusText;
      const bool tens = !one && k - 1 > FirstWord && SingleReading(k - 2, wcNumeral);
      if (tens) count = Rus(k - 2).RusText + u" " + count;
      const std::u16string first = CombiningForm(count);
      if (first.empty()) continue;
      if (tens) {
        Kits[k - 1].Capital = Kits[k - 2].Capital;
        Kits.erase(Kits.begin() + k - 2);
        --LastWord;
        --k;
      }
      const uint8_t capital = Kits[k - 1].Capital;
      Kits[k - 1] = FixedKit(first + std::u16string(measure), wcUnchanged07);
      Tat(k - 1).Source = word;
      Kits[k - 1].Capital = capital;
      Kits.erase(Kits.begin() + k);
      --LastWord;
      --k;
    }
  }
}

void TSP_tat::MeasureAdjectives() {
  for (int k = FirstWord; k <= LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || Class(k) != wcUnchanged07) continue;
    const std::u16string word = Source(k);
    if (MeasureOf(word).empty()) continue;
    int n = k + 1;
    while (n < LastWord && Class(n) == wcAdjective) ++n;
    const std::u16string lemma = Rus(k).RusText;
    if (n <= LastWord && Class(n) == wcNoun) {
      const TFormRus& noun = Rus(n);
      Rus(k).RusText = DeclineAdjective(lemma, CaseMap(noun.Case, noun.Number), noun.Gender, noun.Variant == 1);
    }
    Rus(k).WordClass = wcUnchanged03;
  }
  // A comparison ends the clause after its verb: говоришь как он.
  for (int k = FirstWord; k < LastWord; ++k) {
    if (Class(k) != wcUnchanged03 || !IsLikeWord(Tat(k).Source) || Class(k + 1) != wcVerb) continue;
    if (k + 2 <= LastWord && Kits[k + 2].Kind != kkSeparator) continue;
    std::swap(Kits[k], Kits[k + 1]);
    ++k;
  }
  // A noun after "как" from кебек keeps the nominative: как медведь.
  for (int k = FirstWord; k < LastWord; ++k) {
    if (Class(k) != wcPostposition || !IsLikeWord(Tat(k).Source) || Class(k + 1) != wcNoun) continue;
    Rus(k + 1).Case = 1;
    Rus(k + 1).Prefix.clear();
  }
  // The quality compared comes first when it ends the clause: кар кебек ак
  // is "белый как снег", минем кебек озын "высокий как я".
  for (int k = FirstWord; k < LastWord; ++k) {
    const bool noun = Class(k) == wcPostposition && Class(k + 1) == wcNoun;
    const bool pronoun = Class(k) == wcUnchanged03;
    if ((!noun && !pronoun) || !IsLikeWord(Tat(k).Source)) continue;
    const int quality = noun ? k + 2 : k + 1;
    if (quality > LastWord || Class(quality) != wcAdjective) continue;
    if (quality < LastWord && Kits[quality + 1].Kind != kkSeparator) continue;
    Move(quality, k);
    k = quality;
  }
}

}  // namespace tatengine
