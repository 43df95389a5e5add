#include "MoodRules.h"

#include <algorithm>

#include "Common_ru.h"
#include "DictionaryRT.h"
#include "db_unit.h"

namespace rusengine {

namespace {

bool IsGenitive(const TWordForm& w) { return w.WordClass == wcNoun && (w.Form == 1 || w.Form == 7); }

// Whether a slot is a word with the preposition "у" on it.
bool HasPrepU(const TTransKit& kit, const TDictionaryRT& dict) {
  return IsWordSlot(kit) && Head(kit)->HasPrep &&
         dict.Noun().PrepositionWord(Head(kit)->PrepFirst) == u"у";
}

// Words that set an event in time: a promise with one is a plain future.
constexpr std::u16string_view kTimeWords[] = {
    u"завтра", u"послезавтра", u"сегодня", u"вечером", u"утром", u"днем", u"ночью",
    u"скоро", u"потом", u"летом", u"зимой", u"весной", u"осенью", u"через", u"когда"};
// Russian weekday stems (в понедельник).
constexpr std::u16string_view kWeekdayStems[] = {u"понедельник", u"вторник", u"сред", u"четверг",
                                                 u"пятниц", u"суббот", u"воскресень"};

bool IsWeekday(const TTransKit& kit) {
  return std::any_of(std::begin(kWeekdayStems), std::end(kWeekdayStems),
                     [&](std::u16string_view s) { return kit.Source.starts_with(s); });
}

// Tatar verbs whose object is a thing already known: one explains, checks,
// repeats, finishes, wins, forgets or loses a particular thing.
constexpr std::u16string_view kKnownObjectVerbs[] = {
    u"аңлат", u"тикшер", u"кабатла", u"тәмамла", u"бетер", u"от", u"оныт", u"югалт"};

// "нет", or "не было" (absence in the past): what is absent is in the
// genitive and has no verb of its own.
bool IsAbsence(const TTransKit& kit) {
  if (!IsWordSlot(kit) || Head(kit)->HasPrep) return false;
  return kit.Source == u"нет" || (kit.Source == u"было" && Head(kit)->Negated);
}

// Personal endings of the past copula иде by person.
constexpr std::u16string_view kCopulaEndings[] = {u"м", u"ң", u"", u"к", u"гез", u""};

// Verbs of going: a planned trip in the first person is told in the
// present (иртәгә табибка барам).
constexpr std::u16string_view kGoingVerbs[] = {u"бар", u"кил", u"кайт", u"кит"};
constexpr std::u16string_view kEventOpeners[] = {u"когда", u"если", u"чтобы", u"пока"};

}  // namespace

void PreferAbsentGenitive(TTransKits& kits, const TDictionaryRT& dict) {
  const int count = static_cast<int>(kits.size());
  int start = 0;
  for (int end = 0; end <= count; ++end) {
    if (end < count && !IsBoundary(kits[end])) continue;
    bool absent = false, owner = false;
    for (int i = start; i < end; ++i) {
      absent = absent || IsAbsence(kits[i]);
      owner = owner || HasPrepU(kits[i], dict);
    }
    if (absent && !owner)
      for (int i = start; i < end; ++i) {
        TTransUnits& r = kits[i].Readings;
        if (!IsWordSlot(kits[i]) || Head(kits[i])->HasPrep) continue;
        if (std::any_of(r.begin(), r.end(), IsGenitive))
          std::erase_if(r, [](const TWordForm& w) { return w.WordClass == wcNoun && !IsGenitive(w); });
      }
    start = end + 1;
  }
}

void Absent(TTransKits& kits, const TClause& c, bool owner, const TDictionaryRT& dict) {
  int absent = -1;
  for (int i = c.First; i < c.Last; ++i) {
    if (HasPrepU(kits[i], dict)) return;
    // With an owner "не было" is юк иде of having (HadInPast).
    if (absent < 0 && IsAbsence(kits[i]) && !(owner && kits[i].Source == u"было")) absent = i;
  }
  if (absent < 0) return;
  int person = 2;
  for (int i = c.First; i < c.Last; ++i) {
    TTransKit& kit = kits[i];
    if (i == absent || !IsWordSlot(kit) || Head(kit)->HasPrep || kit.Attribute) continue;
    if (HeadIs(kit, wcMod)) {
      // "его нет" (not "нет его книги": a possessive has a noun after it)
      const TPronounForm* p = FindPronoun(kit.Source, 1);
      const bool nounAfter = i + 1 < c.Last && IsWordSlot(kits[i + 1]) && HeadIs(kits[i + 1], wcNoun);
      if (p && !nounAfter) {
        SetFixedText(kit, std::u16string(TatarPronoun(p->Person, 0)));
        person = p->Person;
      }
      continue;
    }
    ForNouns(kit, [](TWordForm& r) {
      if (IsGenitive(r) && r.CaseCode < 0) r.Form = static_cast<uint16_t>(r.Form - 1);
    });
  }
  // "его не было дома" -> ул өйдә юк иде: юк with the past copula of the
  // absent one's person.
  if (kits[absent].Source == u"было") {
    std::u16string text = u"юк иде";
    text.append(kCopulaEndings[static_cast<size_t>(person)]);
    SetFixedText(kits[absent], std::move(text));
    kits[absent].Readings[0].Negated = 0;
  }
}

void InviteUs(TTransKits& kits, const TClause& c, const TClauseFacts& f) {
  if (f.Main < 0 || f.Subject >= 0 || f.NounSubject || IsQuestion(kits, c)) return;
  int first = c.First;
  while (first < c.Last && !IsWordSlot(kits[first])) ++first;
  if (first != f.Main || !HeadIs(kits[f.Main], wcVerb)) return;
  for (TWordForm& w : kits[f.Main].Readings)
    if (w.WordClass == wcVerb && w.Form == 16 && w.CaseCode < 0)
      w.CaseCode = static_cast<int16_t>(w.Negated ? 97 : 95);
}

void Promise(TTransKits& kits, const TClause& c, const TClauseFacts& f) {
  if (f.Main < 0 || !HeadIs(kits[f.Main], wcVerb)) return;
  for (int i = c.First; i < c.Last; ++i)
    if (IsWordSlot(kits[i]) && (In(kTimeWords, kits[i].Source) || IsWeekday(kits[i])))
      return;
  for (TWordForm& w : kits[f.Main].Readings)
    if (w.WordClass == wcVerb && w.Form == 13 && w.CaseCode < 0)
      w.CaseCode = static_cast<int16_t>(w.Negated ? 68 : 62);
}

void NearFuture(TTransKits& kits, const TClause& c, const TClauseFacts& f,
                const TDictionaryRT& dict) {
  if (f.Main < 0 || !HeadIs(kits[f.Main], wcVerb)) return;
  // "когда я приду", "если мы поедем": the event of a time or a
  // condition keeps its future.
  for (int i = c.First; i < c.Last; ++i)
    if (IsWordSlot(kits[i]) && In(kEventOpeners, kits[i].Source)) return;
  for (TWordForm& w : kits[f.Main].Readings) {
    if (w.WordClass != wcVerb || w.CaseCode >= 0 || w.Negated) continue;
    if ((w.Form != 13 && w.Form != 16) || !In(kGoingVerbs, dict.Verb().TatarLemma(w.Row)))
      continue;
    w.Form = static_cast<uint16_t>(w.Form - 10);  // the present of the same person
  }
}

bool KnownObjectVerb(const TTransKits& kits, const TClauseFacts& f, const TDictionaryRT& dict) {
  if (f.Main < 0 || !HeadIs(kits[f.Main], wcVerb)) return false;
  return In(kKnownObjectVerbs, dict.Verb().TatarLemma(Head(kits[f.Main])->Row));
}

}  // namespace rusengine
