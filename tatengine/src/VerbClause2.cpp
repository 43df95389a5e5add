// Orders, invitations and requests a clause says with its verb form:
//   an order to a third person opens with "пусть", before its subject: Ул
//   керсен "Пусть он войдёт", Балалар уйнасыннар "Пусть дети играют";
//   "әле" right after an order softens it: Утыр әле "Сядь, пожалуйста" (a
//   polite request, never the "пока" of time);
//   a -дык past after "әйдә" is an invitation to start at once: Әйдә,
//   киттек! "Давай, пошли!".
#include <array>

#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "Senses.h"
#include "TextUtil.h"
#include "Transler.h"
#include "VerbAspect.h"

namespace tatengine {
namespace {

bool IsOrderCode(int code) { return code == 2 || code == 3 || code == 11 || code == 12; }
bool IsJussiveCode(int code) { return code == 9 || code == 10 || code == 13 || code == 14; }

bool IsInviteWord(std::u16string_view low) {
  return low == u"әйдә" || low == u"әйдәгез" || low == u"әйдәле";
}

// Going away as an invitation is setting off: уйти -> пойти.
constexpr std::array<std::pair<std::u16string_view, std::u16string_view>, 3> kSettingOff = {{
    {u"уйти", u"пойти"}, {u"уехать", u"поехать"}, {u"убежать", u"побежать"}}};

}  // namespace

void TSP_tat::SoftenedOrders() {
  // Runs before the readings are chosen: the order keeps its imperative
  // reading and "әле" becomes "пожалуйста", which SoftenerPlaces puts.
  for (int k = FirstWord; k < LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || Kits[k + 1].Kind != kkTranslated) continue;
    if (Lowered(Kits[k + 1].Readings[0].Tat.Source) != u"әле") continue;
    int order = -1;
    for (int r = 0; r < static_cast<int>(Kits[k].Readings.size()) && order < 0; ++r) {
      const TTransUnit& reading = Kits[k].Readings[r];
      if (reading.Tat.WordClass == wcVerb && reading.Rus.WordClass == wcVerb && IsOrderCode(reading.Tat.EndingCode))
        order = r;
    }
    if (order < 0) continue;
    Keep(k, order);
    const uint8_t capital = Kits[k + 1].Capital;
    Kits[k + 1] = FixedKit(u"пожалуйста");
    Tat(k + 1).Source = u"әле";
    Kits[k + 1].Capital = capital;
  }
}

void TSP_tat::SoftenerPlaces() {
  // "пожалуйста" follows the order it softens, set off by commas: Дай мне,
  // пожалуйста, книгу stays as Russian says it; at the clause end a comma
  // before it is enough (Сядь, пожалуйста).
  for (int p = FirstWord; p <= LastWord; ++p) {
    if (Kits[p].Kind != kkTranslated || Source(p) != u"әле" || RusWord(p) != u"пожалуйста") continue;
    const int from = ClauseStart(p);
    const int to = ClauseEnd(p);
    int v = -1;
    for (int k = from; k <= to && v < 0; ++k)
      if (Kits[k].Kind == kkTranslated && Class(k) == wcVerb && Tat(k).WordClass == wcVerb &&
          IsOrderCode(Tat(k).EndingCode))
        v = k;
    if (v < 0) continue;
    if (p < v) {
      Move(p, v);
      --v;
    } else if (p > v + 1) {
      Move(p, v + 1);
    }
    p = v + 1;
    Rus(v).Suffix += u",";
    if (p < to) Rus(p).RusText += u",";
  }
}

void TSP_tat::ThirdPersonOrders() {
  // "Ул керсен": пусть goes before the subject (Пусть он войдёт), not
  // between the subject and the verb.
  const TVerb& verbs = Translator->Dictionary().Verb;
  for (int v = FirstWord; v <= LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb || Tat(v).WordClass != wcVerb ||
        !IsJussiveCode(Tat(v).EndingCode) || !Rus(v).Prefix.starts_with(u"пусть "))
      continue;
    int from = ClauseStart(v);
    if (from == v) continue;
    while (from < v && Kits[from].Kind == kkTranslated && (RusWord(from) == u"и" || RusWord(from) == u"а" ||
                                                           RusWord(from) == u"но" || RusWord(from) == u"если"))
      ++from;
    if (from == v) continue;
    const bool negative = Tat(v).EndingCode == 10 || Tat(v).EndingCode == 14;
    for (TTransUnit& reading : Kits[v].Readings) {
      if (reading.Rus.Prefix.starts_with(u"пусть ")) reading.Rus.Prefix.erase(0, 6);
      // What others must not do is the imperfective: Пусть дети не входят.
      if (negative && reading.Rus.WordClass == wcVerb && reading.Tat.WordClass == wcVerb) {
        const int row = reading.Tat.StemRow;
        const int entry = verbs.VerbNumber(row);
        reading.Rus.StemRow =
            VerbOfAspect(entry, verbs.PartnerNumber(row), verbs.IsPerfective(entry), awImperfective);
      }
    }
    TTransKit let = FixedKit(u"пусть");
    let.Readings[0].Tat.Source = u"-сын";
    Kits.insert(Kits.begin() + from, std::move(let));
    ++LastWord;
    ++v;
  }
}

void TSP_tat::InvitingPasts() {
  // "Әйдә, киттек!": the -дык past after "әйдә" says "let us set off now",
  // the perfective past plural (Давай, пошли!), without a subject "мы".
  const TVerb& verbs = Translator->Dictionary().Verb;
  for (int a = FirstWord; a < LastWord; ++a) {
    if (Kits[a].Kind != kkTranslated || !IsInviteWord(Source(a))) continue;
    int v = a + 1;
    while (v <= LastWord && !(Kits[v].Kind == kkTranslated && Class(v) == wcVerb && Tat(v).WordClass == wcVerb))
      ++v;
    if (v > LastWord || Tat(v).EndingCode != 30) continue;
    for (TTransUnit& reading : Kits[v].Readings) {
      if (reading.Rus.WordClass != wcVerb || reading.Tat.EndingCode != 30) continue;
      const int row = reading.Tat.StemRow;
      const int entry = verbs.VerbNumber(row);
      reading.Rus.StemRow = VerbOfAspect(entry, verbs.PartnerNumber(row), verbs.IsPerfective(entry), awPerfective);
      const std::u16string infinitive = InfinitiveOf(verbs, reading.Rus);
      for (const auto& [away, off] : kSettingOff)
        if (infinitive == away) {
          if (const int number = VerbNumberOf(verbs, off); number >= 0) reading.Rus.StemRow = number;
          break;
        }
    }
    // The "мы" the subject rules gave the 1st person plural goes.
    for (int k = a + 1; k < v; ++k)
      if (Kits[k].Kind == kkTranslated && Source(k) == u"без" && RusWord(k) == u"мы") {
        Kits.erase(Kits.begin() + k);
        --LastWord;
        --v;
        break;
      }
  }
}

}  // namespace tatengine

namespace tatengine {
namespace {

bool IsConditionCode(int code) { return code == 7 || code == 8 || (code >= 85 && code <= 94); }

// The plural conditional persons: -сак, -сагыз, -салар and their negatives.
bool IsPluralCondition(int code) { return (code >= 87 && code <= 89) || (code >= 92 && code <= 94); }

}  // namespace

void TSP_tat::UnrealConditions() {
  // "Вакытым булса, мин сиңа булышыр идем": a condition whose main clause
  // says what would be (-ыр иде: я бы помог) is unreal too: "если бы" with
  // the past (Если бы у меня было время, я бы тебе помог).
  for (int v = FirstWord; v < LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb || Tat(v).WordClass != wcVerb ||
        !IsConditionCode(Tat(v).EndingCode))
      continue;
    int to = ClauseEnd(v);
    if (to + 2 > LastWord || Kits[to + 1].Kind != kkSeparator || Kits[to + 1].Text.find(u',') == std::u16string::npos)
      continue;
    bool unreal = false;
    for (int k = to + 2; k <= ClauseEnd(to + 2) && !unreal; ++k)
      unreal = Kits[k].Kind == kkTranslated && Class(k) == wcVerb && Tat(k).WordClass == wcVerb &&
               Rus(k).Case == 10 && Rus(k).Prefix.starts_with(u"бы ");
    if (!unreal) continue;
    const bool plural = IsPluralCondition(Tat(v).EndingCode);
    for (TTransUnit& reading : Kits[v].Readings) {
      if (reading.Rus.WordClass != wcVerb) continue;
      reading.Rus.Case = 10;
      if (plural) reading.Rus.Number = 2;
      if (reading.Rus.Prefix.starts_with(u"если ")) reading.Rus.Prefix.insert(5, u"бы ");
    }
    for (int k = ClauseStart(v); k < v; ++k)
      if (Kits[k].Kind == kkTranslated && RusWord(k) == u"если") {
        Rus(k).RusText += u" бы";
        break;
      }
    // What one would have says whose it is: (вакытым булса) если бы у меня
    // было время; a real condition leaves it out (если будет время).
    if (Lowered(Tat(v).Source).starts_with(u"бул")) {
      static constexpr std::u16string_view owners[6] = {u"у меня", u"у тебя", {}, u"у нас", u"у вас", {}};
      for (int n = v + 1; n <= to; ++n) {
        if (Kits[n].Kind != kkTranslated || Class(n) != wcNoun) continue;
        const int person = Rus(n).Possessor;
        if (person >= 1 && person <= 6 && !owners[person - 1].empty()) {
          Kits.insert(Kits.begin() + v, FixedKit(owners[person - 1]));
          ++LastWord;
          ++to;
        }
        break;
      }
    }
    v = to + 1;
  }
  // "бы" follows a pronoun subject rather than the objects before the verb:
  // Я бы тебе помог.
  for (int v = FirstWord + 1; v <= LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb || Tat(v).WordClass != wcVerb || Rus(v).Case != 10 ||
        !Rus(v).Prefix.starts_with(u"бы "))
      continue;
    int subject = -1;
    for (int k = ClauseStart(v); k < v - 1 && subject < 0; ++k)
      if (IsPronounSubject(k)) subject = k;
    if (subject < 0) continue;
    for (TTransUnit& reading : Kits[v].Readings)
      if (reading.Rus.Prefix.starts_with(u"бы ")) reading.Rus.Prefix.erase(0, 3);
    Kits.insert(Kits.begin() + subject + 1, FixedKit(u"бы"));
    ++LastWord;
    ++v;
  }
}

}  // namespace tatengine

namespace tatengine {

namespace {

// Vehicles that run to a timetable, and the verbs of leaving and arriving.
constexpr std::array<std::u16string_view, 9> kVehicles = {
    u"поезд", u"автобус", u"самолёт", u"самолет", u"электричка", u"трамвай", u"троллейбус", u"пароход", u"очкыч"};
constexpr std::array<std::u16string_view, 6> kDepartStems = {u"кит", u"кил", u"җит", u"кузгал", u"оч", u"кайт"};

bool IsPresent(int code) { return code >= 15 && code <= 26; }

}  // namespace

void TSP_tat::NeedlessInfinitives() {
  // "Сиңа борчылырга кирәк түгел": what need not be done is "не нужно" with
  // the imperfective (Тебе не нужно волноваться, Нам не нужно вставать).
  const TVerb& verbs = Translator->Dictionary().Verb;
  for (int v = FirstWord; v < LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb || Tat(v).WordClass != wcVerb ||
        Tat(v).EndingCode != 5 || !Rus(v).Prefix.starts_with(u"надо "))
      continue;
    if (Kits[v + 1].Kind != kkTranslated || Lowered(Kits[v + 1].Readings[0].Tat.Source) != u"түгел") continue;
    const std::vector<TSenseRule>& senses = Translator->Dictionary().Senses.RulesOf(TatarLemmaOf(v));
    for (TTransUnit& reading : Kits[v].Readings) {
      if (reading.Rus.WordClass != wcVerb || !reading.Rus.Prefix.starts_with(u"надо ")) continue;
      const int row = reading.Tat.StemRow;
      const int entry = verbs.VerbNumber(row);
      const int partner = verbs.PartnerNumber(row);
      const int now = reading.Rus.StemRow;
      // A verb a context sense chose keeps that sense: (иртә торырга) рано
      // вставать, not стоять, though встать is also the entry's partner.
      bool sensed = false;
      for (const TSenseRule& rule : senses)
        if (now != entry && (rule.Perfective == now || rule.Imperfective == now) && rule.Imperfective > 0) {
          reading.Rus.StemRow = rule.Imperfective;
          sensed = true;
          break;
        }
      if (!sensed) reading.Rus.StemRow = VerbOfAspect(entry, partner, verbs.IsPerfective(entry), awImperfective);
      // The need stays "надо" for the order rules; NeedlessWords negates it.
      reading.Tat.Source += u" түгел";
    }
    Kits.erase(Kits.begin() + v + 1);
    --LastWord;
  }
}

void TSP_tat::NeedlessWords() {
  for (int v = FirstWord; v <= LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb || Tat(v).EndingCode != 5 ||
        !Tat(v).Source.ends_with(u" кирәк түгел"))
      continue;
    if (Rus(v).Prefix.starts_with(u"надо ")) {
      for (TTransUnit& reading : Kits[v].Readings)
        if (reading.Rus.Prefix.starts_with(u"надо ")) reading.Rus.Prefix.replace(0, 5, u"не нужно ");
      continue;
    }
    for (int k = v - 1; k >= ClauseStart(v); --k)
      if (Kits[k].Kind == kkTranslated && RusWord(k) == u"надо") {
        Rus(k).RusText.assign(u"не нужно");
        break;
      }
  }
}

void TSP_tat::ScheduledPresents() {
  // "Поезд кайчан китә?": a vehicle leaving or arriving by its timetable is
  // the present, not the future: Когда уходит поезд?
  const TVerb& verbs = Translator->Dictionary().Verb;
  for (int v = FirstWord; v <= LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb || Tat(v).WordClass != wcVerb) continue;
    const int code = Tat(v).EndingCode;
    if (!IsPresent(code) || Tat(v).Source.find(u' ') != std::u16string::npos) continue;
    bool depart = false;
    for (std::u16string_view s : kDepartStems) depart = depart || verbs.TatarStem(Tat(v).StemRow) == s;
    if (!depart) continue;
    bool vehicle = false;
    for (int k = ClauseStart(v); k < v && !vehicle; ++k) {
      if (Kits[k].Kind != kkTranslated || Class(k) != wcNoun || Rus(k).Case > 2) continue;
      const std::u16string word = Lowered(Tat(k).Source);
      for (std::u16string_view w : kVehicles) vehicle = vehicle || word == w || word.starts_with(std::u16string(w) + u"ың");
    }
    if (!vehicle) continue;
    const TCasePrefix rule = VerbRule(code);
    for (TTransUnit& reading : Kits[v].Readings) {
      if (reading.Rus.WordClass != wcVerb || reading.Tat.WordClass != wcVerb) continue;
      const int row = reading.Tat.StemRow;
      const int entry = verbs.VerbNumber(row);
      reading.Rus.StemRow = VerbOfAspect(entry, verbs.PartnerNumber(row), verbs.IsPerfective(entry), awImperfective);
      reading.Rus.Case = rule.Case;
      reading.Rus.Prefix.assign(rule.Prefix);
    }
  }
}

}  // namespace tatengine
