#include "TimeRules.h"

#include <string>

#include "ClauseTools.h"
#include "DictionaryRT.h"
#include "SelectionRules.h"
#include "db_unit.h"

namespace rusengine {

namespace {

// Tatar lemmas of the units of time.
constexpr std::u16string_view kTimeUnits[] = {u"секунд", u"минут", u"сәгать", u"көн",
                                              u"атна",   u"ай",    u"ел",     u"тәүлек"};
// Whole words that are units of time (лет after a number) and their
// ablative.
struct TTimeWord {
  std::u16string_view Tatar, Ablative;
};
constexpr TTimeWord kTimeWords[] = {{u"ел", u"елдан"}};
constexpr std::u16string_view kAgo[] = {u"назад", u"тому назад"};
constexpr std::u16string_view kAgoWord = u"элек";
constexpr std::u16string_view kOneWord = u"бер";
// A preposition whose row has no Tatar postposition.
constexpr std::u16string_view kNoPostposition = u"из";
// Tatar noun codes: the nominative, dative and ablative, singular and plural.
constexpr int16_t kNominative = 0, kDative = 2, kAblative = 4, kPluralAblative = 39,
                  kLocative = 5, kPluralNominative = 86;

const TTimeWord* TimeWord(const TTransKit& kit, const TDictionaryRT& dict) {
  if (!IsWordSlot(kit) || !HeadIs(kit, wcMod)) return nullptr;
  const std::u16string text = ModText(*Head(kit), dict);
  for (const TTimeWord& w : kTimeWords)
    if (w.Tatar == text) return &w;
  return nullptr;
}

void DropPreposition(TTransKit& kit) {
  for (TWordForm& w : kit.Readings) w.HasPrep = 0;
}

// The span keeps a preposition, one with no postposition of its own, so
// that the clause rules take it for a circumstance and not for the
// subject or the object.
void MarkCircumstance(TTransKit& kit, int32_t first) {
  for (TWordForm& w : kit.Readings) {
    w.HasPrep = 1;
    w.PrepFirst = w.PrepLast = first;
  }
}

// Sets the Tatar case of a time unit: a noun takes the code, a whole word
// its ablative when ablative is set.
void SetCase(TTransKit& kit, int16_t code, bool plural, const TDictionaryRT& dict) {
  if (const TTimeWord* w = TimeWord(kit, dict)) {
    SetFixedText(kit, std::u16string(code == kAblative ? w->Ablative : w->Tatar));
    return;
  }
  ForNouns(kit, [&](TWordForm& r) {
    r.Bare = 0;
    r.CaseCode = code == kAblative && plural && r.Form >= 6 ? kPluralAblative : code;
  });
}

// Puts бер before the unit at j; the capital of the span goes to it.
void InsertOne(TTransKits& kits, int j) {
  TTransKit one;
  one.IsWord = 1;
  one.Translated = 1;
  one.Source = u"один";
  one.CasePattern = kits[j].CasePattern;
  kits[j].CasePattern = 0;
  SetFixedText(one, std::u16string(kOneWord));
  kits.insert(kits.begin() + j, std::move(one));
}

}  // namespace

bool IsTimeUnit(const TTransKit& kit, const TDictionaryRT& dict) {
  if (TimeWord(kit, dict)) return true;
  if (!IsWordSlot(kit) || !HeadIs(kit, wcNoun)) return false;
  return In(kTimeUnits, dict.Noun().TatarLemma(Head(kit)->Row));
}

void TimeSpans(TTransKits& kits, const TDictionaryRT& dict) {
  const TDB_standard& nouns = dict.Noun();
  for (int j = 0; j < static_cast<int>(kits.size()); ++j) {
    if (!IsTimeUnit(kits[j], dict)) continue;
    // A genitive after the unit makes it part of a name: на день рождения.
    if (j + 1 < static_cast<int>(kits.size()) && kits[j + 1].Attribute) continue;
    const bool counted = j > 0 && IsNumeral(kits[j - 1], dict);
    // The preposition sits on the number or on the unit.
    TTransKit& carrier = counted && Head(kits[j - 1])->HasPrep ? kits[j - 1] : kits[j];
    const TWordForm& h = *Head(carrier);
    const std::u16string_view prep = h.HasPrep ? nouns.PrepositionWord(h.PrepFirst) : u"";
    const bool singular = HeadIs(kits[j], wcMod) || Head(kits[j])->Form < 6;
    int next = j + 1;
    while (next < static_cast<int>(kits.size()) && kits[next].IsWord == 1 &&
           kits[next].Readings.empty())
      ++next;
    const bool ago = next < static_cast<int>(kits.size()) && IsWordSlot(kits[next]) &&
                     !Head(kits[next])->HasPrep && In(kAgo, kits[next].Source);
    int16_t code = -1;
    if (prep == u"через")
      code = kAblative;
    else if (prep == u"на" && HeadIs(kits[j], wcNoun) && Head(kits[j])->Form % 6 == 3 &&
             !ago)
      code = kDative;
    else if (!h.HasPrep && ago)
      code = kNominative;
    if (code < 0) continue;
    if (ago) SetFixedText(kits[next], std::u16string(kAgoWord));
    // "на" keeps its own row (it has no postposition); the others take
    // one with none.
    int32_t row = h.PrepFirst, last = 0;
    if (code != kDative && !nouns.FindPreposition(kNoPostposition, row, last)) continue;
    DropPreposition(carrier);
    SetCase(kits[j], code, !counted, dict);
    MarkCircumstance(kits[j], row);
    if (!counted && singular && (j == 0 || !HeadIs(kits[j - 1], kMaskAdjective))) {
      InsertOne(kits, j);
      ++j;
    }
  }
}

namespace {

// The locative of a Tatar word by vowel harmony and its last sound.
std::u16string Locative(std::u16string word) {
  bool front = false;
  for (auto it = word.rbegin(); it != word.rend(); ++it) {
    if (std::u16string_view(u"аоуыя").find(*it) != std::u16string_view::npos) break;
    if (std::u16string_view(u"әөүеиэю").find(*it) != std::u16string_view::npos) {
      front = true;
      break;
    }
  }
  const bool voiceless =
      !word.empty() && std::u16string_view(u"кпстфхцчшщ").find(word.back()) != std::u16string_view::npos;
  word.push_back(voiceless ? u'т' : u'д');
  word.push_back(front ? u'ә' : u'а');
  return word;
}

}  // namespace

void ClockTime(TTransKits& kits, const TDictionaryRT& dict) {
  const TDB_standard& nouns = dict.Noun();
  const int count = static_cast<int>(kits.size());
  for (int i = 0; i < count; ++i) {
    TTransKit& kit = kits[i];
    if (!IsNumeral(kit, dict)) continue;
    int next = i + 1;
    while (next < count && kits[next].IsWord == 1 && kits[next].Readings.empty()) ++next;
    const bool hours = next < count && IsWordSlot(kits[next]) && HeadIs(kits[next], wcNoun) &&
                       nouns.TatarLemma(Head(kits[next])->Row) == u"сәгать";
    // The preposition stands on the numeral, or on the hours after it.
    const TWordForm& carrier = Head(kit)->HasPrep || !hours ? *Head(kit) : *Head(kits[next]);
    if (!carrier.HasPrep) continue;
    const std::u16string_view prep = nouns.PrepositionWord(carrier.PrepFirst);
    if (prep != u"в" && prep != u"во") continue;
    // Anything else counted after it (в два дома) is no time.
    if (!hours && next < count && IsWordSlot(kits[next]) && HasNoun(kits[next])) continue;
    if (hours) {
      ForNouns(kits[next], [](TWordForm& r) {
        r.CaseCode = kLocative;
        r.Bare = 0;
      });
      continue;
    }
    SetFixedText(kit, Locative(ModText(*Head(kit), dict)));
  }
}

namespace {

// Tatar lemmas of events: "перед" them says when.
constexpr std::u16string_view kEvents[] = {
    u"йокы",  u"дәрес", u"имтихан", u"бәйрәм", u"эш",     u"юл",      u"сәфәр",  u"җыелыш",
    u"концерт", u"спектакль", u"туй", u"яңа ел", u"ял",  u"уен",     u"матч",   u"очрашу",
    u"чыгыш", u"тамаша", u"китү",   u"сугыш",  u"кышкы ял", u"каникул", u"дәресләр"};
// Meals, said with the verb аша: ашар алдыннан.
constexpr std::u16string_view kMeals[] = {u"аш", u"төшке аш", u"кичке аш", u"иртәнге аш",
                                          u"ашау"};
constexpr std::u16string_view kBeforeTime = u" алдыннан";
constexpr std::u16string_view kBeforeEating = u"ашар";

}  // namespace

void BeforeAnEvent(TTransKits& kits, const TDictionaryRT& dict) {
  const TDB_standard& nouns = dict.Noun();
  for (TTransKit& kit : kits) {
    if (!IsWordSlot(kit) || !HeadIs(kit, wcNoun)) continue;
    const TWordForm& w = *Head(kit);
    const std::u16string_view prep = w.HasPrep ? nouns.PrepositionWord(w.PrepFirst) : u"";
    if (prep != u"перед" && prep != u"передо") continue;
    const std::u16string lemma = nouns.TatarLemma(w.Row);
    const bool meal = In(kMeals, lemma);
    if (!meal && !In(kEvents, lemma)) continue;
    if (meal) {
      SetFixedText(kit, std::u16string(kBeforeEating));
    } else {
      // The noun keeps a preposition, one with no postposition, so that
      // the clause rules take it for a circumstance, not the subject.
      int32_t row = 0, last = 0;
      if (!nouns.FindPreposition(kNoPostposition, row, last)) continue;
      ForNouns(kit, [](TWordForm& r) {
        r.CaseCode = r.Form >= 6 ? kPluralNominative : kNominative;
        r.Form = static_cast<uint16_t>(r.Form >= 6 ? 6 : 0);  // no белән
        r.Bare = 0;
      });
      MarkCircumstance(kit, row);
    }
    kit.Tail = kBeforeTime;
  }
}

}  // namespace rusengine
