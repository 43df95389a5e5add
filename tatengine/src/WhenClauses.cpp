// Clauses of time that Tatar builds on a verbal form and Russian on a
// conjunction. "Әти кайткач, без ашадык": the -гач form has a subject of
// its own, so no gerund can say it (a Russian gerund shares the subject of
// its main clause): "Когда папа вернулся, мы поели". The tense of the time
// clause follows its main clause: a past says the past, anything else the
// perfective future (Әти кайткач, ашарбыз "Когда папа вернётся, поедим").
//   -гач  "когда" + the perfective;
//   -ганда "когда" + the imperfective (Когда папа возвращался, мы ели);
//   -ганчы "пока ... не" + the perfective (Пока мама не пришла, мы ждали).
// The speaker's own -гач before a clause of the same person drops the
// pronoun and stays a gerund: Мин кайткач, ашадым "Вернувшись, я поел".
// A cause said with "-ганга күрә" or "-ганлыктан" is a clause with "так
// как": Кар яуганга күрә, без өйдә калдык "Так как шёл снег, мы остались
// дома".
#include <array>

#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "TextUtil.h"
#include "Transler.h"
#include "VerbAspect.h"

namespace tatengine {
namespace {

enum class TWhen { None, After, While, Until };

TWhen WhenOf(int code) {
  if (code == 79) return TWhen::After;
  if (code == 83 || code == 84) return TWhen::While;
  if (code == 77) return TWhen::Until;
  return TWhen::None;
}

bool IsPastCode(int code) { return code >= 27 && code <= 50; }
bool IsPresentCode(int code) { return code >= 15 && code <= 26; }

// "иде" and its persons, alone or as the last word of a merged slot
// (ашый идек).
bool EndsWithIde(std::u16string_view low) {
  const size_t blank = low.rfind(u' ');
  if (blank != std::u16string_view::npos) low.remove_prefix(blank + 1);
  return IsIdeWord(low);
}

// The present selector of a person 1..6 (3rd person for 0): 3 4 5 7 8 9.
int PresentSelector(int person) {
  static constexpr int selectors[7] = {5, 3, 4, 5, 7, 8, 9};
  return selectors[person >= 0 && person <= 6 ? person : 0];
}

}  // namespace

void TSP_tat::WhenClauses() {
  const TVerb& verbs = Translator->Dictionary().Verb;
  for (int v = FirstWord; v < LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb || Tat(v).WordClass != wcVerb) continue;
    const TWhen when = WhenOf(Tat(v).EndingCode);
    if (when == TWhen::None) continue;
    // The time clause ends at a comma with its main clause after it; the
    // comma is often left out (Әти кайткач без ашадык): then the main
    // clause starts right after the verb and needs a finite verb of its own.
    const bool comma = Kits[v + 1].Kind == kkSeparator && Kits[v + 1].Text.find(u',') != std::u16string::npos;
    if (Kits[v + 1].Kind == kkSeparator && !comma) continue;
    int main = comma ? v + 2 : v + 1;
    if (main > LastWord || Kits[main].Kind == kkSeparator) continue;
    if (!comma) {
      bool finite = false;
      for (int k = main; k <= LastWord && Kits[k].Kind != kkSeparator; ++k)
        finite = finite || (Kits[k].Kind == kkTranslated && Class(k) == wcVerb && Tat(k).WordClass == wcVerb &&
                            Tat(k).EndingCode >= 15 && Tat(k).EndingCode <= 74);
      if (!finite) continue;
    }
    const int from = ClauseStart(v);
    const int subject = SubjectOf(from, v);
    if (subject < 0 || Kits[subject].Kind != kkTranslated) continue;
    if (!comma) {
      // Russian writes the comma; it also ends the time clause for the
      // rules that follow.
      TTransKit separator = SeparatorKit(u", ");
      Kits.insert(Kits.begin() + v + 1, std::move(separator));
      ++LastWord;
      ++main;
    }
    const int to = ClauseEnd(main);
    bool past = false;
    int mainPerson = 0;
    bool mainSubject = false;
    for (int k = main; k <= to; ++k) {
      if (Kits[k].Kind != kkTranslated) continue;
      if (EndsWithIde(Source(k))) past = true;
      if (Class(k) == wcVerb && Tat(k).WordClass == wcVerb) {
        const int code = Tat(k).EndingCode;
        // "ашый идек" reads as one past verb (Case 10-13, the past by gender).
        past = past || IsPastCode(code) || (Rus(k).Case >= 10 && Rus(k).Case <= 13);
        if (code >= 15 && code <= 74 && mainPerson == 0) mainPerson = (code - 15) % 6 + 1;
      }
    }
    for (int k = main; k <= to; ++k)
      mainSubject = mainSubject || (Kits[k].Kind == kkTranslated && Class(k) == wcSubNoun);
    const int person = PronounPerson(Source(subject));
    // Мин кайткач, ашадым: one subject for both, the gerund says it.
    if (when == TWhen::After && person > 0 && person == mainPerson && !mainSubject && Rus(v).Case == 14) {
      Kits.erase(Kits.begin() + subject);
      --LastWord;
      --v;
      continue;
    }
    // A present main clause about one act is still to come (Әни кайткач
    // ашыйбыз: поедим); -ганда with a present is a habit (когда ... приходит).
    const bool future = !past && !(when == TWhen::While && [&] {
      for (int k = main; k <= to; ++k)
        if (Kits[k].Kind == kkTranslated && Class(k) == wcVerb && Tat(k).WordClass == wcVerb &&
            IsPresentCode(Tat(k).EndingCode))
          return true;
      return false;
    }());
    for (TTransUnit& reading : Kits[v].Readings) {
      if (reading.Rus.WordClass != wcVerb || reading.Tat.WordClass != wcVerb) continue;
      const int row = reading.Tat.StemRow;
      const int entry = verbs.VerbNumber(row);
      const bool perfective = when != TWhen::While || future;
      reading.Rus.StemRow = VerbOfAspect(entry, verbs.PartnerNumber(row), verbs.IsPerfective(entry),
                                         perfective ? awPerfective : awImperfective);
      reading.Rus.Case = past ? 10 : PresentSelector(person);
      const bool negated = Tat(v).EndingCode == 84;
      reading.Rus.Prefix.assign(when == TWhen::Until || negated ? u"не " : u"");
    }
    TTransKit conjunction = FixedKit(when == TWhen::Until ? u"пока" : u"когда");
    conjunction.Readings[0].Tat.Source = Tat(v).Source;
    Kits.insert(Kits.begin() + from, std::move(conjunction));
    ++LastWord;
    ++v;
    // Subject, then the verb, then the rest: Когда папа вернулся с работы.
    if (subject + 2 < v) Move(v, subject + 2);
  }
}

void TSP_tat::CauseClauses() {
  static constexpr std::array<std::u16string_view, 4> kDatives = {u"ганга", u"гәнгә", u"канга", u"кәнгә"};
  static constexpr std::array<std::u16string_view, 4> kAblatives = {u"ганлыктан", u"гәнлектән", u"канлыктан",
                                                                    u"кәнлектән"};
  const TVerb& verbs = Translator->Dictionary().Verb;
  for (int v = FirstWord; v <= LastWord; ++v) {
    if (Kits[v].Kind == kkSeparator) continue;
    const std::u16string word = Source(v);
    size_t cut = 0;
    bool withKura = false;
    for (std::u16string_view e : kDatives)
      if (word.ends_with(e) && v < LastWord && Kits[v + 1].Kind != kkSeparator && Source(v + 1) == u"күрә") {
        cut = e.size() - 3;  // keep -ган
        withKura = true;
      }
    for (std::u16string_view e : kAblatives)
      if (word.ends_with(e)) cut = e.size() - 3;
    if (cut == 0 || word.size() <= cut + 4) continue;
    TTransUnit verb;
    const std::u16string participle = word.substr(0, word.size() - cut);
    if (!verbs.AnalyseWord(participle, verb.Tat, verb.Rus) || verb.Tat.EndingCode != 41) continue;
    verb.Tat.Source = Kits[v].Kind == kkUnknown ? Kits[v].Text : Tat(v).Source;
    verb.Rus.Case = 10;
    verb.Rus.Prefix.clear();
    Kits[v].Kind = kkTranslated;
    Kits[v].Readings.assign(1, verb);
    if (withKura) {
      Kits.erase(Kits.begin() + v + 1);
      --LastWord;
    }
    const int from = ClauseStart(v);
    const int subject = SubjectOf(from, v);
    TTransKit conjunction = FixedKit(u"так как");
    conjunction.Readings[0].Tat.Source = verb.Tat.Source;
    Kits.insert(Kits.begin() + from, std::move(conjunction));
    ++LastWord;
    ++v;
    if (subject >= 0 && subject + 2 < v) Move(v, subject + 2);
  }
}

}  // namespace tatengine

