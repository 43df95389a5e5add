#include "FrameRules.h"

#include <algorithm>
#include <string>

#include "Common_ru.h"
#include "DictionaryRT.h"
#include "SelectionRules.h"
#include "db_unit.h"

namespace rusengine {

namespace {

constexpr std::u16string_view kPastBeWords[] = {u"был", u"была", u"было", u"были"};
constexpr std::u16string_view kFutureBeWords[] = {u"будет", u"будут"};
// Russian words of years after a number.
constexpr std::u16string_view kYearWords[] = {u"лет", u"год", u"года"};
// Tatar verbs of going and coming that mean going home with "домой".
constexpr std::u16string_view kGoVerbs[] = {u"бар", u"кил"};
constexpr std::u16string_view kHomeVerb = u"кайт";
// "как дела": дела are one's state (хәл), not work.
constexpr std::u16string_view kStateNoun = u"хәл";
// "исполнилось пять лет": the years are full (тулды).
constexpr std::u16string_view kFillVerb = u"тул";
// Time and place words after which adjective + noun is a statement about
// the noun: "сегодня хорошая погода", "здесь красивая природа".
constexpr std::u16string_view kSettingWords[] = {
    u"сегодня", u"вчера",  u"завтра", u"сейчас", u"теперь", u"здесь", u"там",
    u"летом",   u"зимой",  u"весной", u"осенью", u"утром",  u"вечером", u"днем",
    u"ночью",   u"всегда", u"обычно", u"тут"};

// The Russian stem of "погода".
constexpr std::u16string_view kWeatherStem = u"погод";

// Words and phrases that set the time of a clause; Tatar puts them early,
// before the objects and places.
constexpr std::u16string_view kTimeSettings[] = {
    u"сегодня",      u"вчера",         u"завтра",        u"послезавтра", u"позавчера",
    u"летом",        u"зимой",         u"весной",        u"осенью",      u"утром",
    u"вечером",      u"днем",          u"ночью",         u"каждый день", u"каждое утро",
    u"каждый вечер", u"каждую неделю", u"каждый год",    u"каждое лето", u"каждую зиму",
    u"по утрам",     u"по вечерам",    u"по выходным",   u"каждый раз",  u"каждую ночь"};
// Adverbs of direction, which a time word passes like a place: домой
// вечером -> кичен өйгә.
constexpr std::u16string_view kDirections[] = {u"домой", u"туда", u"сюда", u"оттуда", u"отсюда",
                                               u"вперед", u"назад", u"наверх", u"вниз"};
// Words that open a clause and stay first.
constexpr std::u16string_view kOpeners[] = {u"и",    u"а",      u"но",      u"или",  u"что",
                                            u"чем",  u"когда",  u"если",    u"потому", u"поэтому",
                                            u"чтобы"};

int FirstWord(const TTransKits& kits, const TClause& c) {
  int i = c.First;
  while (i < c.Last && !IsWordSlot(kits[i])) ++i;
  return i < c.Last ? i : -1;
}

// A separator that holds a number written in digits ("мне 10 лет").
bool IsDigits(const TTransKit& kit) {
  if (kit.IsWord == 1 || kit.Readings.empty()) return false;
  const std::u16string& t = kit.Readings[0].Text;
  return std::any_of(t.begin(), t.end(), [](char16_t ch) { return ch >= u'0' && ch <= u'9'; }) &&
         std::all_of(t.begin(), t.end(),
                     [](char16_t ch) { return (ch >= u'0' && ch <= u'9') || ch == u' '; });
}

}  // namespace

bool IsPastBe(const TTransKit& kit) { return IsWordSlot(kit) && In(kPastBeWords, kit.Source); }
bool IsFutureBe(const TTransKit& kit) { return IsWordSlot(kit) && In(kFutureBeWords, kit.Source); }

bool OpensWithOwner(const TTransKits& kits, const TClause& c, const TDictionaryRT& dict) {
  int first = FirstWord(kits, c);
  if (first < 0) return false;
  // Past the owner's own determiners and adjectives: "у моего брата".
  while (first + 1 < c.Last && IsWordSlot(kits[first + 1]) &&
         (HeadIs(kits[first], kMaskAdjective) ||
          (HeadIs(kits[first], wcMod) && !FindPronoun(kits[first].Source))))
    ++first;
  const TWordForm& w = *Head(kits[first]);
  if (!w.HasPrep || dict.Noun().PrepositionWord(w.PrepFirst) != u"у") return false;
  return (w.WordClass == wcMod && FindPronoun(kits[first].Source, 1)) ||
         (w.WordClass == wcNoun && w.Animate);
}

void HadInPast(TTransKits& kits, const TClause& c, bool owner, const TDictionaryRT& dict) {
  if (!owner) return;
  // "у него было много работы": the quantity is the predicate (эше күп иде).
  for (int i = c.First; i < c.Last; ++i)
    if (IsWordSlot(kits[i]) && HeadIs(kits[i], wcMod)) {
      const std::u16string text = ModText(*Head(kits[i]), dict);
      if (text == u"күп" || text == u"аз") return;
    }
  for (int i = c.First; i < c.Last; ++i) {
    if (!IsPastBe(kits[i])) continue;
    const bool negated = Head(kits[i])->Negated != 0;
    SetFixedText(kits[i], negated ? u"юк иде" : u"бар иде");
    kits[i].Readings[0].Negated = 0;
    return;
  }
}

void HowAreThings(TTransKits& kits, const TClause& c, const TDictionaryRT& dict) {
  bool how = false;
  for (int i = c.First; i < c.Last; ++i) how = how || (IsWordSlot(kits[i]) && kits[i].Source == u"как");
  if (!how) return;
  for (int i = c.First; i < c.Last; ++i) {
    if (!IsWordSlot(kits[i]) || kits[i].Source != u"дела" || Head(kits[i])->HasPrep) continue;
    // "дела" reads as the genitive singular too; here it is the plural.
    TTransUnits& r = kits[i].Readings;
    const auto noun = std::find_if(r.begin(), r.end(),
                                   [](const TWordForm& w) { return w.WordClass == wcNoun; });
    if (noun == r.end()) return;
    const int32_t row = RowOfTatarLemma(dict.Noun(), kStateNoun);
    if (row < 0) return;
    TWordForm w = *noun;
    w.Row = row;
    w.Form = 6;
    w.CaseCode = -1;
    r = {w};
  }
}

void Age(TTransKits& kits, const TClause& c, const TClauseFacts& f, const TDictionaryRT& dict) {
  // A verb of its own ("я живу здесь пять лет") makes the years a span;
  // быть and исполниться (тул) do not.
  if (f.Main >= 0 && !IsPastBe(kits[f.Main]) && !IsFutureBe(kits[f.Main]) &&
      !(HeadIs(kits[f.Main], wcVerb) && dict.Verb().TatarLemma(Head(kits[f.Main])->Row) == kFillVerb))
    return;
  bool owner = false;
  for (int i = c.First; i < c.Last; ++i) {
    if (!IsWordSlot(kits[i]) || Head(kits[i])->HasPrep) continue;
    if (FindPronoun(kits[i].Source, 2)) owner = true;
    for (const TWordForm& r : kits[i].Readings)
      if (r.WordClass == wcNoun && (r.Form == 2 || r.Form == 8)) owner = true;
  }
  if (!owner) return;
  for (int i = c.First + 1; i < c.Last; ++i) {
    if (!IsWordSlot(kits[i]) || !In(kYearWords, kits[i].Source) || Head(kits[i])->HasPrep)
      continue;
    const TTransKit& before = kits[i - 1];
    if (!IsNumeral(before, dict) && !IsDigits(before)) continue;
    SetFixedText(kits[i], u"яшь");
    // A noun that may be the dative is the one whose age it is: it keeps
    // only its dative readings.
    for (int j = c.First; j < c.Last; ++j)
      if (IsWordSlot(kits[j]) && !Head(kits[j])->HasPrep) {
        TTransUnits& r = kits[j].Readings;
        const auto dative = [](const TWordForm& w) {
          return w.WordClass == wcNoun && (w.Form == 2 || w.Form == 8);
        };
        if (std::any_of(r.begin(), r.end(), dative))
          std::erase_if(r, [&](const TWordForm& w) { return w.WordClass == wcNoun && !dative(w); });
      }
    return;
  }
}

void GoHome(TTransKits& kits, const TClause& c, const TDictionaryRT& dict) {
  bool home = false;
  for (int i = c.First; i < c.Last; ++i)
    home = home || (IsWordSlot(kits[i]) && kits[i].Source == u"домой");
  if (!home) return;
  const int32_t row = RowOfTatarLemma(dict.Verb(), kHomeVerb);
  if (row < 0) return;
  for (int i = c.First; i < c.Last; ++i) {
    if (!IsWordSlot(kits[i]) || !HeadIs(kits[i], wcVerb)) continue;
    for (TWordForm& w : kits[i].Readings)
      if (w.WordClass == wcVerb && In(kGoVerbs, dict.Verb().TatarLemma(w.Row))) w.Row = row;
  }
}

void PredicateAdjective(TTransKits& kits, const TClause& c) {
  const int first = FirstWord(kits, c);
  if (first < 0) return;
  // The weather needs no setting word: "хорошая погода" -> һава яхшы.
  bool weather = false;
  for (int i = first; i < c.Last; ++i)
    weather = weather || (IsWordSlot(kits[i]) && kits[i].Source.starts_with(kWeatherStem));
  const bool setting = In(kSettingWords, kits[first].Source);
  if (!setting && !weather) return;
  int adj = -1, noun = -1;
  for (int i = setting ? first + 1 : first; i < c.Last; ++i) {
    if (!IsWordSlot(kits[i])) continue;
    if (IsPastBe(kits[i]) || IsFutureBe(kits[i])) continue;
    // Another setting before the noun phrase makes it a thing that is
    // there: "сегодня в театре новый спектакль".
    if (adj < 0 && !HeadIs(kits[i], wcAdj) && !In(kSettingWords, kits[i].Source)) return;
    if (IsFiniteVerb(kits[i]) || IsMainCandidate(kits[i])) return;
    if (HeadIs(kits[i], wcAdj) && !Head(kits[i])->HasPrep && adj < 0 && noun < 0) {
      adj = i;
    } else if (adj >= 0 && noun < 0 && i == adj + 1 && HeadIs(kits[i], wcNoun)) {
      noun = i;
    } else if (adj >= 0) {
      return;  // something follows the noun phrase: it is no bare statement
    }
  }
  if (adj < 0 || noun < 0) return;
  const TWordForm& n = *Head(kits[noun]);
  if (n.HasPrep || n.Possessor >= 0 || (n.Form != 0 && n.Form != 6)) return;
  for (TWordForm& r : kits[adj].Readings) r.Form = 0;
  std::swap(kits[adj], kits[noun]);
}

void TimeFirst(TTransKits& kits, const TClause& c, const TDictionaryRT& dict) {
  for (int i = c.First + 1; i < c.Last; ++i) {
    if (!IsWordSlot(kits[i]) || !In(kTimeSettings, kits[i].Source) || Head(kits[i])->HasPrep)
      continue;
    // Past places and directions (к нам летом -> җәен безгә) and a
    // predicate adjective (открыт каждый день -> көн саен ачык); a bare
    // object or a pronoun stays before it (миңа иртәгә шалтырат).
    // An owner with "у" keeps its place: it opens a have-clause.
    auto passable = [&](const TTransKit& k) {
      if (!IsWordSlot(k) || In(kOpeners, k.Source)) return false;
      const TWordForm& w = *Head(k);
      if (w.HasPrep) return dict.Noun().PrepositionWord(w.PrepFirst) != u"у";
      if (In(kDirections, k.Source)) return true;
      return (w.WordClass & kMaskAdjective) != 0;
    };
    int to = i;
    while (to - 1 >= c.First && passable(kits[to - 1])) --to;
    if (to < i) std::rotate(kits.begin() + to, kits.begin() + i, kits.begin() + i + 1);
    return;
  }
}

}  // namespace rusengine
