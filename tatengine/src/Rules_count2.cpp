// Counts and adjective predicates the general rules leave wrong:
// collective numerals ("Без өчәү": Нас трое, "икәү барабыз": идём вдвоём),
// ages in a case ("ун яшькә кадәр": до десяти лет), ordinals with "тапкыр"
// (во второй раз) and "бүлек" (пятая глава), short adjective predicates
// ("Бу итекләр миңа тар": Эти сапоги мне узки) and a comparative before a
// noun (арзанрак күлмәк: платье подешевле).
#include <algorithm>

#include "Common_ta.h"
#include "DictionaryTR.h"
#include "Numerals_ta.h"
#include "Parser_sent_ta.h"
#include "RusForms.h"
#include "TextUtil.h"
#include "Transler.h"

namespace tatengine {
namespace {

// A Tatar collective numeral: the predicate (трое) and the adverb (втроём).
struct TCollective {
  std::u16string_view Tat, Predicate, Adverb;
};
constexpr TCollective Collectives[] = {
    {u"икәү", u"двое", u"вдвоём"},          {u"өчәү", u"трое", u"втроём"},
    {u"дүртәү", u"четверо", u"вчетвером"},  {u"бишәү", u"пятеро", u"впятером"},
    {u"алтау", u"шестеро", u"вшестером"},   {u"җидәү", u"семеро", u"всемером"},
    {u"сигезәү", u"восьмеро", u"ввосьмером"}, {u"тугызау", u"девятеро", u"вдевятером"},
    {u"унау", u"десятеро", u"вдесятером"}};

// The collective a word is, with "-ләп/-лап" (икәүләп: вдвоём) setting
// adverb; nullptr for other words.
const TCollective* CollectiveOf(std::u16string_view word, bool& adverb) {
  adverb = false;
  for (const TCollective& c : Collectives) {
    if (word == c.Tat) return &c;
    if (word.size() == c.Tat.size() + 3 && word.starts_with(c.Tat) &&
        (word.ends_with(u"ләп") || word.ends_with(u"лап"))) {
      adverb = true;
      return &c;
    }
  }
  return nullptr;
}

// The genitive of a personal pronoun subject: нас, вас, их; "" for others.
std::u16string_view GenitivePronoun(std::u16string_view low) {
  if (low == u"без") return u"нас";
  if (low == u"сез") return u"вас";
  if (low == u"алар") return u"их";
  return {};
}

// The age forms of "яшь" after a count and what they make: the preposition,
// the Russian case (2 genitive, 4 accusative) and whether a postposition
// "кадәр" follows the word.
struct TAgeForm {
  std::u16string_view Tat, Preposition;
  int Case;
  bool Until;
};
constexpr TAgeForm AgeForms[] = {
    {u"яшькә", u"до", 2, true},   {u"яшенә", u"до", 2, true},  {u"яшькәчә", u"до", 2, false},
    {u"яшьтән", u"с", 2, false},  {u"яшеннән", u"с", 2, false}, {u"яшьтә", u"в", 4, false},
    {u"яшендә", u"в", 4, false}};

bool IsUntilWord(std::u16string_view low) {
  return low == u"кадәр" || low == u"хәтле" || low == u"тикле" || low == u"тиклем";
}

// "год" after a count in the genitive: одного года, but двух (пяти) лет;
// in the accusative as after the nominative.
std::u16string_view YearsIn(std::u16string_view numeral, int caseNo) {
  const bool one = EndsInOne(numeral);
  if (caseNo == 2) return one ? u"года" : u"лет";
  if (one) return u"год";
  return IsPaucal(numeral) ? u"года" : u"лет";
}

// "один" (as the last word of a count) in the genitive or accusative of a
// masculine inanimate noun.
std::u16string CountIn(const std::u16string& numeral, int caseNo) {
  std::u16string_view tens;
  if (numeral == u"один" || SplitOne(numeral, tens)) {
    const std::u16string one = caseNo == 2 ? u"одного" : u"один";
    return tens.empty() ? one : NumeralForm(tens, caseNo, 1, false) + u' ' + one;
  }
  return NumeralForm(numeral, caseNo, 1, false);
}

// Forms of "глава" by case 1-6, singular then plural.
constexpr std::u16string_view ChapterForms[2][6] = {
    {u"глава", u"главы", u"главе", u"главу", u"главой", u"главе"},
    {u"главы", u"глав", u"главам", u"главы", u"главами", u"главах"}};

bool IsOrdinalSource(std::u16string_view low) {
  return low.size() > 4 && (low.ends_with(u"нче") || low.ends_with(u"нчы"));
}

}  // namespace

void TSP_tat::CollectiveNumerals() {
  for (int c = FirstWord; c <= LastWord; ++c) {
    if (Kits[c].Kind == kkSeparator) continue;
    bool adverb = false;
    const TCollective* collective = CollectiveOf(Source(c), adverb);
    if (collective == nullptr) continue;
    const int from = ClauseStart(c);
    int end = c;
    while (end + 1 <= LastWord && Kits[end + 1].Kind != kkSeparator) ++end;
    // The past auxiliary right after it: Алар алтау иде.
    const int auxPerson = c < end ? IdePerson(Source(c + 1)) : 0;
    // A verb anywhere in the clause (a glue rule may have put the
    // numeral after it already).
    int verb = -1;
    for (int k = from; k <= end && verb < 0; ++k)
      if (k != c && Kits[k].Kind == kkTranslated && HasReading(k, wcVerb)) verb = k;
    const bool predicate = !adverb && verb < 0 && (c == end || (auxPerson != 0 && c + 1 == end));
    // The subject before it: a pronoun or a nominative noun.
    int subject = -1;
    for (int k = c - 1; k >= from && subject < 0; --k) {
      if (Kits[k].Kind != kkTranslated) continue;
      if (!GenitivePronoun(Source(k)).empty() || IsPersonalPronoun(Source(k)) ||
          (Class(k) == wcNoun && Rus(k).Case <= 2 && Rus(k).Prefix.empty()))
        subject = k;
    }
    const uint8_t capital = Kits[c].Capital;
    const std::u16string source = Source(c);
    if (predicate) {
      // "Нас трое", "Их было шестеро": the ones counted in the genitive.
      std::u16string_view owner;
      if (subject >= 0) owner = GenitivePronoun(Source(subject));
      if (subject < 0 && auxPerson >= 4)
        owner = GenitivePronoun(auxPerson == 4 ? u"без" : auxPerson == 5 ? u"сез" : u"алар");
      if (subject >= 0 && owner.empty() && !(Class(subject) == wcNoun && Rus(subject).Number == 2)) continue;
      Kits[c] = FixedKit(collective->Predicate);
      Tat(c).Source = source;
      Kits[c].Capital = capital;
      if (auxPerson != 0) {
        Kits[c + 1] = FixedKit(u"было");
        Tat(c + 1).Source = u"иде";
        Move(c + 1, c);
      }
      if (subject >= 0 && !owner.empty()) {
        const uint8_t subjectCapital = Kits[subject].Capital;
        Kits[subject] = FixedKit(owner);
        Kits[subject].Capital = subjectCapital;
      } else if (subject >= 0) {
        Kits[subject].Readings.resize(1);
        Rus(subject).Case = 3;
        Rus(subject).Number = 2;
        Rus(subject).Agreed = 1;
      } else if (!owner.empty()) {
        Kits.insert(Kits.begin() + from, FixedKit(owner));
        Kits[from].Capital = Kits[from + 1].Capital;
        Kits[from + 1].Capital = 0;
        ++LastWord;
        ++c;
      }
      c += auxPerson != 0 ? 1 : 0;
      continue;
    }
    // With a verb: how many do it together (Мы идём вдвоём). Without a
    // subject and with a verb of the 3rd person the numeral is the subject
    // itself (Өчәү килде: Пришли трое) and stays "трое".
    if (verb < 0 && !adverb) continue;
    if (!adverb && subject < 0 && !IsSpeakerVerb(verb)) continue;
    Kits[c] = FixedKit(collective->Adverb);
    Tat(c).Source = source;
    Kits[c].Capital = capital;
    // Right before a verb that ends the clause it follows the verb.
    if (verb == c + 1 && verb == end) Move(c, verb);
  }
}

void TSP_tat::AgePhrases() {
  for (int y = FirstWord + 1; y <= LastWord; ++y) {
    if (Kits[y].Kind == kkSeparator) continue;
    const std::u16string low = Source(y);
    const TAgeForm* form = nullptr;
    for (const TAgeForm& f : AgeForms)
      if (low == f.Tat) form = &f;
    if (form == nullptr) continue;
    // The count before it: one numeral slot, or a numeral and "бер". This
    // runs before the readings are narrowed: a numeral reading is enough.
    auto count = [this](int k) { return k >= FirstWord && (Source(k) == u"бер" || HasReading(k, wcNumeral)); };
    int first = y - 1;
    if (!count(first)) continue;
    if (Source(first) == u"бер" && count(first - 1)) --first;
    std::u16string numeral;
    for (int k = first; k < y; ++k) {
      int index = -1;
      if (!numeral.empty()) numeral += u' ';
      if (Source(k) == u"бер")
        numeral += u"один";
      else if (HasReading(k, wcNumeral, index))
        numeral += Kits[k].Readings[index].Rus.RusText;
    }
    if (numeral.empty()) continue;
    const bool until = form->Until && y < LastWord && IsUntilWord(Source(y + 1));
    if (form->Until && !until) continue;  // the dative alone: an age reached
    // "яшьтән" before a comparative is what is compared (яшьтән олырак).
    if (form->Case == 2 && !form->Until && form->Preposition == u"с" && IsComparative(y + 1)) continue;
    // "Мин алты яшьтә" says an age: AgeClauses makes it "Мне шесть лет".
    if (form->Case == 4) {
      bool verb = false;
      for (int k = ClauseStart(y); k <= LastWord && Kits[k].Kind != kkSeparator; ++k)
        verb = verb || (k != y && HasReading(k, wcVerb | wcParticiple));
      if (!verb) continue;
    }
    std::u16string text(form->Preposition);
    text += u' ';
    text += CountIn(numeral, form->Case);
    text += u' ';
    text += YearsIn(numeral, form->Case);
    const uint8_t capital = Kits[first].Capital;
    TTransKit age = FixedKit(text);
    age.Readings[0].Tat.Source = low;
    age.Capital = capital;
    const int last = until ? y + 1 : y;
    Kits.erase(Kits.begin() + first, Kits.begin() + last + 1);
    Kits.insert(Kits.begin() + first, std::move(age));
    LastWord -= last - first;
    y = first;
  }
}

void TSP_tat::OnTimeAdverbs() {
  // "вакытында" with no owner before it is "вовремя" (Без вакытында килдек:
  // Мы пришли вовремя); after a noun it stays "во время" (дәрес вакытында).
  // A person before it is the subject (Укытучы вакытында килде).
  for (int k = FirstWord; k <= LastWord; ++k) {
    if (Kits[k].Kind == kkSeparator || Source(k) != u"вакытында") continue;
    const int p = k - 1;
    int noun = -1;
    const bool person = p >= FirstWord && HasReading(p, wcNoun, noun) && Kits[p].Readings[noun].Rus.Variant == 1 &&
                        Kits[p].Readings[noun].Tat.EndingCode == 1;
    const bool owned = p >= FirstWord && Kits[p].Kind != kkSeparator && !IsPersonalPronoun(Source(p)) &&
                       !HasReading(p, wcVerb | wcAdverb) && !person;
    if (owned) continue;
    const uint8_t capital = Kits[k].Capital;
    Kits[k] = FixedKit(u"вовремя");
    Tat(k).Source = u"вакытында";
    Kits[k].Capital = capital;
  }
}

void TSP_tat::OrdinalTimes() {
  for (int t = FirstWord + 1; t <= LastWord; ++t) {
    if (Kits[t].Kind == kkSeparator || Source(t) != u"тапкыр") continue;
    const int o = t - 1;
    if (Kits[o].Kind == kkSeparator) continue;
    const std::u16string before = Source(o);
    std::u16string text;
    if (before == u"һәр") {
      text = u"каждый раз";
    } else if (before == u"бу" || before == u"шул") {
      text = u"в этот раз";
    } else if (before == u"теге") {
      text = u"в тот раз";
    } else if (before == u"соңгы") {
      text = u"в последний раз";
    } else if (IsOrdinalSource(before) && HasReading(o, wcAdjective)) {
      int index = -1;
      HasReading(o, wcAdjective, index);
      TTransUnit ordinal = Kits[o].Readings[index];
      ordinal.Rus.Case = 7;
      ordinal.Rus.Gender = 1;
      ordinal.Rus.Number = 1;
      ordinal.Rus.Variant = 0;
      ordinal.Rus.Prefix.clear();
      ordinal.Rus.Suffix.clear();
      Translator->Dictionary().Generate(ordinal);
      const std::u16string& word = ordinal.Rus.RusText;
      if (word.size() < 2) continue;
      // "во второй раз": "в" takes a vowel before в/ф and a consonant.
      const bool longer = (word[0] == u'в' || word[0] == u'ф') &&
                          std::u16string_view(u"аеёиоуыэюя").find(word[1]) == std::u16string_view::npos;
      text = (longer ? u"во " : u"в ") + word + u" раз";
    } else {
      continue;
    }
    const uint8_t capital = Kits[o].Capital;
    Kits[o] = FixedKit(text);
    Tat(o).Source = before;
    Kits[o].Capital = capital;
    Kits.erase(Kits.begin() + t);
    --LastWord;
    --t;
  }
}

void TSP_tat::OrdinalChapters() {
  // "бүлек" after an ordinal is a part of a book: пятая глава, в третьей
  // главе. Without one it keeps the lexicon's "отдел".
  for (int n = FirstWord + 1; n <= LastWord; ++n) {
    if (Kits[n].Kind != kkTranslated || Class(n) != wcNoun || Tat(n).WordClass != wcNoun) continue;
    const std::u16string low = Source(n);
    if (!low.starts_with(u"бүлек") && !low.starts_with(u"бүлег")) continue;
    if (LemmaOf(n) != u"отдел") continue;
    const int o = n - 1;
    if (Kits[o].Kind != kkTranslated || Class(o) != wcAdjective || !IsOrdinalSource(Source(o))) continue;
    const TFormRus noun = Rus(n);
    const int x = CaseMap(noun.Case == 0 ? 1 : noun.Case, noun.Number == 2 ? 2 : 1);
    const int caseNo = std::clamp((x + 1) / 2, 1, 6);
    const bool plural = x % 2 == 0;
    Kits[n] = FixedKit(noun.Prefix + std::u16string(ChapterForms[plural ? 1 : 0][caseNo - 1]));
    Tat(n).Source = low;
    TFormRus& ordinal = Rus(o);
    ordinal.Gender = plural ? 4 : 2;
    ordinal.Number = plural ? 2 : 1;
    ordinal.Case = static_cast<uint8_t>(plural ? x - 1 : x);
    ordinal.Agreed = 1;
  }
}

void TSP_tat::ShortPredicates() {
  if (!Translator) return;
  const TAdj& adjectives = Translator->Dictionary().Adj;
  for (int a = FirstWord + 1; a <= LastWord; ++a) {
    int index = -1;
    if (Kits[a].Kind != kkTranslated || !HasReading(a, wcAdjective, index)) continue;
    const TTransUnit& reading = Kits[a].Readings[index];
    // The plain form: no comparative (2), no plural (3), no "был".
    if (reading.Tat.WordClass != wcAdjective || reading.Tat.EndingCode == 2 || reading.Tat.EndingCode == 3 ||
        !reading.Rus.Prefix.empty())
      continue;
    const bool negated = a < LastWord && Kits[a + 1].Kind == kkTranslated && Source(a + 1) == u"түгел";
    const int end = negated ? a + 1 : a;
    if (end < LastWord && Kits[end + 1].Kind != kkSeparator) continue;
    // The subject and a dative experiencer before it in the clause.
    const int from = ClauseStart(a);
    int subject = -1;
    bool dative = false, verb = false;
    for (int k = from; k < a; ++k) {
      if (Kits[k].Kind != kkTranslated) continue;
      verb = verb || HasReading(k, wcVerb | wcParticiple);
      const std::u16string low = Source(k);
      if (subject < 0 && (IsPersonalPronoun(low) || (Class(k) == wcNoun && Rus(k).Case <= 2 && Rus(k).Prefix.empty())))
        subject = k;
      dative = dative || ((Class(k) & (wcNoun | wcSubNoun)) && IsDativeEnding(Tat(k).EndingCode)) ||
               low == u"миңа" || low == u"сиңа" || low == u"аңа" || low == u"безгә" || low == u"сезгә" ||
               low == u"аларга";
    }
    if (verb || subject < 0) continue;
    // Negated, a state of a person is short (Я с ним не знаком); with a
    // dative, what the thing is to someone (Эти сапоги мне узки).
    if (!dative && !(negated && IsPersonalPronoun(Source(subject)))) continue;
    const std::u16string who = Source(subject);
    int gender = 1;
    if (who == u"без" || who == u"сез" || who == u"алар" || Rus(subject).Number == 2 || Rus(subject).Gender == 4)
      gender = 4;
    else if (Class(subject) == wcNoun && Rus(subject).Gender >= 1 && Rus(subject).Gender <= 3)
      gender = Rus(subject).Gender;
    // "бу" before the noun is its determiner, standing alone "это" (neuter).
    else if (who == u"бу" || who == u"шул")
      gender = 3;
    const int row = reading.Tat.StemRow;
    if (row < 0 || row >= adjectives.Stems.RowCount()) continue;
    const int32_t paradigm = IntAt(adjectives.Stems, row, 3);
    const int code =
        paradigm < 0 ? -1 : FindNumber(adjectives.Codes, static_cast<int64_t>(paradigm) * 256 + 29 + gender);
    if (code < 0) {
      // No short form: the full form agrees with the subject, not with the
      // dative (Эти сапоги мне большие).
      Keep(a, index);
      Kits[a].Readings.resize(1);
      TFormRus& full = Rus(a);
      full.Case = 1;
      full.Number = gender == 4 ? 2 : 1;
      full.Gender = static_cast<uint8_t>(gender);
      full.Variant = 0;
      full.Agreed = 1;
      continue;
    }
    const std::u16string text = std::u16string(CellAt(adjectives.Stems, row, 2)) + std::u16string(CellAt(adjectives.Codes, code, 1));
    const uint8_t capital = Kits[a].Capital;
    const std::u16string source = reading.Tat.Source;
    Kits[a] = FixedKit(text);
    Tat(a).Source = source;
    Kits[a].Capital = capital;
  }
}

void TSP_tat::AttributiveComparatives() {
  // A comparative before a noun without a standard is "по-" after the noun:
  // кечерәк бүлмә, комната поменьше; арзанрак күлмәк, платье подешевле.
  for (int a = FirstWord; a < LastWord; ++a) {
    if (Kits[a].Kind != kkTranslated || !SingleReading(a, wcAdjective) || Tat(a).EndingCode != 2) continue;
    const std::u16string low = Source(a);
    if (low == u"күбрәк" || low == u"азрак") continue;
    const int n = a + 1;
    if (Kits[n].Kind != kkTranslated || !SingleReading(n, wcNoun)) continue;
    // A standard before it (миннән зуррак) makes it a comparison.
    if (a > FirstWord && IsStandardOfComparison(a - 1)) continue;
    TTransUnit reading = Kits[a].Readings[0];
    Translator->Dictionary().Generate(reading);
    const std::u16string& degree = reading.Rus.RusText;
    if (degree.empty() || degree.find(u' ') != std::u16string::npos || degree.starts_with(u"по")) continue;
    const uint8_t capital = Kits[a].Capital;
    Kits[a] = FixedKit(u"по" + degree);
    Tat(a).Source = low;
    Kits[n].Capital = capital;
    Move(a, n);
    ++a;
  }
}

}  // namespace tatengine
