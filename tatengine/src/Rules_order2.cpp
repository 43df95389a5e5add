// More Russian word order: manner adverbs after the infinitive of a modal
// group, the subject of "должен", "вовремя" after a pronoun subject, clauses
// with "если" and "давай" before a joint order.
#include <algorithm>

#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "RusForms.h"
#include "TextUtil.h"
#include "Transler.h"

namespace tatengine {
namespace {

bool IsInfinitiveCode(int code) { return code == 5 || code == 6; }

// Modal words that stand before an infinitive in Russian.
bool IsModalText(std::u16string_view rus) {
  return rus.starts_with(u"должн") || rus == u"должен" || rus == u"надо" || rus == u"нужно" ||
         rus == u"нельзя" || rus == u"можно";
}

// A Russian infinitive (говорить, идти, мочь, учиться).
bool IsInfinitiveText(std::u16string_view rus) {
  return rus.ends_with(u"ть") || rus.ends_with(u"ти") || rus.ends_with(u"чь") || rus.ends_with(u"ться") ||
         rus.ends_with(u"тись");
}

// The person (1, 2, 4, 5, 6) of "тиеш" with a person ending; 0 for the
// bare word and other words.
int MustPerson(std::u16string_view low) {
  if (!low.starts_with(u"тиеш")) return 0;
  const std::u16string_view end = low.substr(4);
  if (end == u"мен" || end == u"мин") return 1;
  if (end == u"сең" || end == u"сен") return 2;
  if (end == u"без") return 4;
  if (end == u"сез") return 5;
  if (end == u"ләр") return 6;
  return 0;
}

// Words before the subject of a clause: conjunctions.
bool IsOpenerText(std::u16string_view rus) {
  return rus == u"и" || rus == u"а" || rus == u"но" || rus == u"или" || rus == u"что" || rus == u"если" ||
         rus == u"когда" || rus == u"потому что" || rus == u"поэтому" || rus == u"потом" || rus == u"ведь";
}

bool IsInviteWord(std::u16string_view low) {
  return low == u"әйдә" || low == u"әйдәгез" || low == u"әйдәле";
}

// The 1st person plural orders: барыйк (96), бармыйк (98).
bool IsJointOrderCode(int code) { return code == 96 || code == 98; }

// A separator that is a comma and blanks only.
bool IsBareComma(std::u16string_view text) {
  int commas = 0;
  for (char16_t c : text) {
    if (c == u',') ++commas;
    else if (c != u' ') return false;
  }
  return commas == 1;
}

}  // namespace

void TSP_tat::JointOrders() {
  // "Әйдә, кибеткә барыйк": Давай пойдём в магазин; "Әйдәгез, чәй эчик":
  // Давайте выпьем чаю. The comma after "әйдә" sets off an interjection in
  // Tatar; in Russian "давай" is part of the order, which goes before its
  // objects (after the adverbs that follow "давай").
  for (int k = FirstWord; k + 2 <= LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || !IsInviteWord(Source(k))) continue;
    const bool comma = Kits[k + 1].Kind == kkSeparator && IsBareComma(Kits[k + 1].Text);
    const int first = comma ? k + 2 : k + 1;
    if (first > LastWord || Kits[first].Kind != kkTranslated) continue;
    const int to = ClauseEnd(first);
    int v = first;
    while (v <= to && !(Kits[v].Kind == kkTranslated && Class(v) == wcVerb && Tat(v).WordClass == wcVerb &&
                        IsJointOrderCode(Tat(v).EndingCode)))
      ++v;
    if (v > to) continue;
    int at = first;
    while (at < v && (Class(at) & wcAdverb)) ++at;
    bool objects = at < v;
    for (int j = at; j < v; ++j)
      objects = objects && Kits[j].Kind == kkTranslated &&
                (Class(j) & (wcNoun | wcSubNoun | wcAdjective | wcNumeral | wcUnchanged07 | wcPostposition));
    if (objects && v == to) Move(v, at);
    if (comma) {
      Kits.erase(Kits.begin() + k + 1);
      --LastWord;
    }
  }
}

void TSP_tat::AdverbsAfterInfinitives() {
  // "Ул татарча сөйләшә ала": Он может говорить по-татарски. The manner
  // adverb before the modal and its infinitive at the clause end follows
  // the infinitive.
  for (int a = FirstWord; a + 2 <= LastWord; ++a) {
    if (Kits[a].Kind != kkTranslated || !(Class(a) & (wcAdverb | wcDirect)) || !RusWord(a).starts_with(u"по-"))
      continue;
    const int m = a + 1;
    const int i = a + 2;
    if (i != ClauseEnd(a) || Kits[m].Kind != kkTranslated || Kits[i].Kind != kkTranslated) continue;
    const bool modal = (Class(m) == wcVerb && !IsInfinitiveCode(Tat(m).EndingCode)) ||
                       ((Class(m) & (wcUnchanged03 | wcDirect)) && IsModalText(RusWord(m)));
    const bool infinitive = (Class(i) == wcVerb && Tat(i).WordClass == wcVerb && IsInfinitiveCode(Tat(i).EndingCode)) ||
                            (Class(i) == wcUnchanged03 && IsInfinitiveText(RusWord(i)));
    if (modal && infinitive) Move(a, i);
  }
}

void TSP_tat::SubjectsOfMust() {
  // "Иртәрәк килергә тиешбез": the ending of "тиеш" is the subject, Мы
  // должны прийти пораньше. Runs before the readings are narrowed: only
  // the first reading keeps the whole word. The word becomes plain "тиеш"
  // and the pronoun goes to the clause start, where the modal rules find
  // them as if written.
  for (int m = FirstWord; m <= LastWord; ++m) {
    if (Kits[m].Kind == kkSeparator) continue;
    int person = 0;
    if (Kits[m].Kind == kkUnknown) {
      // The predicate endings the lookup does not strip: тиешсез, тиешләр.
      person = MustPerson(Lowered(Kits[m].Text));
      if (person == 0) continue;
      const uint8_t capital = Kits[m].Capital;
      Kits[m] = FixedKit(u"должен");
      Kits[m].Capital = capital;
    } else {
      for (const TTransUnit& reading : Kits[m].Readings)
        if (person == 0) person = MustPerson(Lowered(reading.Tat.Source));
      if (person == 0) continue;
    }
    for (TTransUnit& reading : Kits[m].Readings) reading.Tat.Source.assign(u"тиеш");
    const int from = ClauseStart(m);
    bool said = false;
    for (int k = from; k < m; ++k) said = said || (Kits[k].Kind == kkTranslated && IsPersonalPronoun(Source(k)));
    if (said) continue;
    TTransKit kit = SubjectPronounKit(person);
    int at = from;
    while (at < m && Kits[at].Kind == kkTranslated && IsOpenerText(RusWord(at))) ++at;
    Kits.insert(Kits.begin() + at, std::move(kit));
    ++LastWord;
    ++m;
  }
}

void TSP_tat::TimelyAfterPronouns() {
  for (int k = FirstWord; k < LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || Kits[k + 1].Kind != kkTranslated) continue;
    if (!IsPersonalPronoun(Source(k)) || Source(k + 1) != u"вакытында") continue;
    int adverb;
    if (HasReading(k + 1, wcAdverb, adverb)) Keep(k + 1, adverb);
  }
}

void TSP_tat::ConditionalClauses() {
  // "Вакытың булса, безгә кер": Если будет время, зайди к нам. "если"
  // opens the clause, before its subject; what one has (a possessed noun
  // with "булса") follows "будет" and needs no possessive.
  const TVerb& verbs = Translator->Dictionary().Verb;
  for (int v = FirstWord + 1; v <= LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb || Tat(v).WordClass != wcVerb) continue;
    if (!Rus(v).Prefix.starts_with(u"если ")) continue;
    const int from = ClauseStart(v);
    if (from == v) continue;
    int at = v;
    const int noun = v - 1;
    if (verbs.TatarStem(Tat(v).StemRow) == u"бул" && Kits[noun].Kind == kkTranslated && Class(noun) == wcNoun &&
        Rus(noun).Possessor != 0 && Rus(noun).Case <= 2) {
      int start = NounPhraseStart(noun);
      // The possessive the Tatar ending gave (твоё время) goes.
      const TFormRus& n = Rus(noun);
      const std::u16string_view own =
          PossessiveForm(n.Possessor, CaseMap(n.Case, n.Number), n.Gender, n.Variant == 1);
      const int k = start - 1;
      if (k >= from && Kits[k].Kind == kkTranslated && Class(k) == wcUnchanged03 && !own.empty() &&
          RusWord(k) == Lowered(own)) {
        Kits.erase(Kits.begin() + k);
        --LastWord;
        --v;
        start = k;
      }
      if (start >= from) at = start;
    }
    const int before = SlotCount();
    OpenCondition(v, from, at, false);
    v += SlotCount() - before;
  }
}

}  // namespace tatengine
