#include "OrderRules.h"

#include <algorithm>
#include <string>

#include "DictionaryRT.h"
#include "SelectionRules.h"
#include "db_unit.h"

namespace rusengine {

namespace {

// Adverbs of manner and of a span of time: they qualify the action.
constexpr std::u16string_view kMannerAdverbs[] = {
    u"долго",     u"давно",     u"недолго",   u"быстро",  u"медленно", u"громко",     u"тихо",
    u"внимательно", u"осторожно", u"тщательно", u"хорошо", u"плохо",     u"отлично",
    u"легко",     u"трудно",    u"вежливо", u"честно",   u"спокойно",   u"весело",
    u"серьезно",  u"правильно", u"крепко",  u"сладко",   u"терпеливо", u"быстрее",
    u"медленнее", u"громче",    u"тише",    u"лучше",    u"хуже"};
// Adverbs of degree: they qualify the verb only when they stand next to
// it ("очень люблю"; in "очень быстро" the adverb after them).
constexpr std::u16string_view kDegreeAdverbs[] = {
    u"немного", u"очень", u"совсем", u"почти", u"чуть", u"чуть-чуть", u"слегка",
    u"вполне",  u"совершенно", u"полностью", u"сильно", u"едва", u"еле", u"много", u"мало"};

// Tatar lemmas of animals.
constexpr std::u16string_view kAnimals[] = {
    u"кош",    u"эт",    u"песи",   u"мәче",  u"сыер",   u"ат",    u"сарык", u"кәҗә",
    u"дуңгыз", u"тавык", u"әтәч",   u"чебеш", u"каз",    u"үрдәк", u"күгәрчен", u"чыпчык",
    u"карга",  u"сандугач", u"балык", u"бака", u"елан",  u"тычкан", u"куян",  u"тиен",
    u"бүре",   u"төлке", u"аю",     u"пошы",  u"бозау",  u"колын", u"эт баласы", u"маэмай",
    u"бал корты", u"корт", u"чебен", u"черки", u"күбәләк", u"кырмыска", u"хайван",
    u"җәнлек", u"бөҗәк", u"лачын",  u"бөркет", u"торна", u"аккош", u"кәкүк", u"тургай",
    u"сыерчык", u"саескан", u"ябалак", u"бытбылдык", u"керпе", u"дөя", u"фил", u"арыслан",
    u"юлбарыс", u"маймыл", u"төя", u"бәрән", u"тай", u"үгез", u"айгыр", u"бия", u"мәче баласы"};

int NextWord(const TTransKits& kits, int i, int last) {
  ++i;
  while (i < last && kits[i].IsWord == 1 && kits[i].Readings.empty()) ++i;
  return i;
}

int PreviousWord(const TTransKits& kits, int i, int first) {
  --i;
  while (i >= first && kits[i].IsWord == 1 && kits[i].Readings.empty()) --i;
  return i;
}

bool IsAdverbSlot(const TTransKit& kit) {
  return IsWordSlot(kit) && HeadIs(kit, wcMod) && !Head(kit)->HasPrep &&
         kit.Source.find(u' ') == std::u16string::npos;
}

bool HasManner(const TTransKits& kits, const TClause& c, int main) {
  for (int i = c.First; i < c.Last; ++i)
    if (i != main && IsAdverbSlot(kits[i]) && In(kMannerAdverbs, kits[i].Source)) return true;
  return false;
}

}  // namespace

bool IsAnimalLemma(std::u16string_view lemma) { return In(kAnimals, lemma); }

bool IsVerbAdverb(const TTransKits& kits, const TClause& c, int i, int main) {
  if (i == main || !IsAdverbSlot(kits[i])) return false;
  const int next = NextWord(kits, i, c.Last);
  // An adverb that qualifies the adjective or adverb after it stays with it.
  if (next < c.Last && next != main && IsWordSlot(kits[next]) &&
      (HeadIs(kits[next], kMaskAdjective) || IsAdverbSlot(kits[next])) &&
      In(kDegreeAdverbs, kits[i].Source))
    return false;
  if (In(kMannerAdverbs, kits[i].Source)) return true;
  if (!In(kDegreeAdverbs, kits[i].Source)) return false;
  // "много читаю", "читаю много": next to the verb; after a quantity word
  // a noun follows (много книг), which the test above leaves out.
  const bool beside = next == main || PreviousWord(kits, i, c.First) == main;
  if (!beside) return false;
  return next >= c.Last || !IsWordSlot(kits[next]) || !HasNoun(kits[next]) || next == main;
}

void DefiniteWithManner(TTransKits& kits, const TClause& c, const TClauseFacts& f) {
  if (f.Main < 0 || !IsFiniteVerb(kits[f.Main]) || !HasManner(kits, c, f.Main)) return;
  for (int i = c.First; i < c.Last; ++i) {
    TTransKit& kit = kits[i];
    if (i == f.Main || !IsWordSlot(kit) || !HeadIs(kit, wcNoun)) continue;
    const TWordForm& w = *Head(kit);
    if (w.HasPrep || !w.Bare || w.Form != 3) continue;
    // A counted or measured object stays indefinite (две книги).
    const int before = PreviousWord(kits, i, c.First);
    if (before >= c.First && IsWordSlot(kits[before]) && HeadIs(kits[before], wcMod) &&
        !FindPronoun(kits[before].Source) && !IsAdverbSlot(kits[before]))
      continue;
    ForNouns(kit, [](TWordForm& r) { r.Bare = 0; });
  }
}

void PlaceBeforeSubject(TTransKits& kits, const TClause& c, const TDictionaryRT& dict) {
  const TDB_standard& nouns = dict.Noun();
  // The verb, last after VerbLast.
  int verb = PreviousWord(kits, c.Last, c.First);
  if (verb < c.First || !IsWordSlot(kits[verb]) || !HeadIs(kits[verb], wcVerb) ||
      !IsFiniteVerb(kits[verb]))
    return;
  int subject = -1, place = -1;
  for (int i = c.First; i < verb; ++i) {
    if (!IsWordSlot(kits[i])) continue;
    if (FindPronoun(kits[i].Source, 0) && !Head(kits[i])->HasPrep) return;
    if (!HeadIs(kits[i], wcNoun)) continue;
    const TWordForm& w = *Head(kits[i]);
    if (!w.HasPrep) {
      // Anything but a nominative (an object, an owner) keeps the order.
      if (w.Form % 6 != 0 || w.CaseCode >= 0 || w.Possessor >= 0 || subject >= 0) return;
      subject = i;
      continue;
    }
    const std::u16string_view prep = nouns.PrepositionWord(w.PrepFirst);
    const bool where = (prep == u"в" || prep == u"во" || prep == u"на") && w.Form % 6 == 5;
    if (subject >= 0 && place < 0 && where) place = i;
  }
  if (subject < 0 || place < 0) return;
  // A person, or one thing or animal already in view (мәче диванда
  // йоклый), stays first.
  const TWordForm& s = *Head(kits[subject]);
  if (s.Form < 6 || (s.Animate && !IsAnimalLemma(nouns.TatarLemma(s.Row)))) return;
  // The subject with its adjectives and numerals; the place with its own.
  auto phraseStart = [&](int n) {
    int s = n;
    while (s - 1 >= c.First && IsWordSlot(kits[s - 1]) &&
           (HeadIs(kits[s - 1], kMaskAdjective) || IsNumeral(kits[s - 1], dict)))
      --s;
    return s;
  };
  const int from = phraseStart(subject), placeFrom = phraseStart(place);
  if (placeFrom <= subject) return;
  // The capital of the sentence start goes with the first slot.
  const bool capital = from == 0 && kits[from].CasePattern == 1;
  if (capital) kits[from].CasePattern = 0;
  std::rotate(kits.begin() + from, kits.begin() + placeFrom, kits.begin() + place + 1);
  if (capital) kits[from].CasePattern = 1;
}

}  // namespace rusengine
