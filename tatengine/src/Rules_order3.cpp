// Russian word order of questions, conditions, comparisons and adjective
// predicates. Tatar keeps the subject first and the predicate last; Russian
// puts what is new at the end: the subject after the verb of a question
// (Когда уходит поезд?) or of what exists (Если будет время), the noun after
// its adjective when a place or an owner opens the clause (На улице сильный
// ветер, У неё красивый голос).
#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "TextUtil.h"
#include "Transler.h"

namespace tatengine {
namespace {

// The Russian nominative of a personal pronoun in the dative (миңа: я).
std::u16string_view DativePronounSubject(std::u16string_view low) {
  static constexpr std::pair<std::u16string_view, std::u16string_view> forms[] = {
      {u"миңа", u"я"},   {u"сиңа", u"ты"},   {u"аңа", u"он"},     {u"безгә", u"мы"},
      {u"сезгә", u"вы"}, {u"аларга", u"они"}, {u"моңа", u"это"}};
  for (auto [t, r] : forms)
    if (low == t) return r;
  return {};
}

// Russian possessive words the rules insert before a noun (моя мама).
bool IsPossessiveWord(std::u16string_view rus) {
  static constexpr std::u16string_view words[] = {
      u"мой", u"моя", u"моё", u"мои", u"твой", u"твоя", u"твоё", u"твои", u"наш", u"наша",
      u"наше", u"наши", u"ваш", u"ваша", u"ваше", u"ваши", u"его", u"её", u"их", u"свой",
      u"своя", u"своё", u"свои"};
  for (std::u16string_view w : words)
    if (rus == w) return true;
  return false;
}

// "у меня" ... by the person of a genitive pronoun or a possessive ending
// (1, 2, 3, 4, 5; 6 the 3rd person plural).
std::u16string_view HaveOwner(int person) {
  static constexpr std::u16string_view forms[6] = {u"у меня", u"у тебя", u"у него",
                                                   u"у нас",  u"у вас",  u"у них"};
  return person >= 1 && person <= 6 ? forms[person - 1] : std::u16string_view();
}

int GenitiveOwner(std::u16string_view low) {
  static constexpr std::u16string_view forms[6] = {u"минем",  u"синең",  u"аның",
                                                   u"безнең", u"сезнең", u"аларның"};
  for (int k = 0; k < 6; ++k)
    if (low == forms[k]) return k + 1;
  return 0;
}

// Features of a person described by an adjective predicate in Russian as
// "у меня длинные волосы": the body, the voice, the character.
bool IsPersonalFeature(std::u16string_view lemma) {
  static constexpr std::u16string_view words[] = {
      u"голос",  u"волосы", u"волос", u"глаз",   u"глаза", u"нос",    u"рука",  u"нога",
      u"лицо",   u"ухо",    u"уши",   u"рост",   u"зуб",   u"зубы",   u"кожа",  u"борода",
      u"усы",    u"палец",  u"плечо", u"сердце", u"характер", u"улыбка", u"почерк", u"коса",
      u"голова", u"бровь",  u"губа",  u"щека",   u"шея",   u"память", u"душа"};
  for (std::u16string_view w : words)
    if (lemma == w) return true;
  return false;
}

// Question words that ask about a circumstance or an object (кайчан,
// күпме, нәрсә): they open the question.
bool IsAskingWord(std::u16string_view low) {
  static constexpr std::u16string_view words[] = {u"кайчан", u"кайда", u"кая",    u"кайдан", u"нигә",
                                                  u"ничек",  u"күпме", u"нәрсә",  u"кемне",  u"нишләп",
                                                  u"ни",     u"ничә",  u"кем",    u"кемгә"};
  for (std::u16string_view w : words)
    if (low == w) return true;
  return false;
}

// Words that open a clause before its subject (Но ..., Если ...).
bool IsOpener(std::u16string_view rus) {
  static constexpr std::u16string_view words[] = {u"и",     u"а",    u"но",    u"или",   u"что",
                                                  u"если",  u"когда", u"потом", u"ведь",  u"поэтому",
                                                  u"потому что"};
  for (std::u16string_view w : words)
    if (rus == w) return true;
  return false;
}

// A day said in one word (вчера, завтра); a part of the day (вечером)
// may follow the verb.
bool IsDayWord(std::u16string_view rus) {
  return rus == u"вчера" || rus == u"сегодня" || rus == u"завтра" || rus == u"позавчера" ||
         rus == u"послезавтра";
}

// Any question word, also with a postposition (кем белән, кайсы көнне).
bool IsQuestionSource(std::u16string_view low) {
  return low.starts_with(u"кем") || low.starts_with(u"нәрсә") || low.starts_with(u"кай") ||
         low.starts_with(u"нич") || low.starts_with(u"нигә") || low.starts_with(u"нишлә") ||
         low.starts_with(u"нинди") || low == u"ни" || low == u"ни өчен" || low == u"күпме";
}

// Nouns of the weather and the surroundings that a place is said to have
// (На улице сильный ветер, В лесу чистый воздух).
bool IsAmbientNoun(std::u16string_view lemma) {
  static constexpr std::u16string_view words[] = {u"ветер", u"воздух", u"погода", u"мороз",  u"туман",
                                                  u"снег",  u"дождь",  u"жара",   u"солнце", u"небо",
                                                  u"шум",   u"тишина", u"свет",   u"вода",   u"холод"};
  for (std::u16string_view w : words)
    if (lemma == w) return true;
  return false;
}

}  // namespace

int TSP_tat::SubjectGroupEnd(int start, int to) {
  int k = start;
  while (k <= to && Kits[k].Kind == kkTranslated &&
         ((Class(k) & (wcAdjective | wcNumeral | wcUnchanged07)) ||
          (Class(k) == wcUnchanged03 && IsPossessiveWord(RusWord(k)))))
    ++k;
  if (k > to || Kits[k].Kind != kkTranslated || Class(k) != wcNoun || Rus(k).Case > 2 || !Rus(k).Prefix.empty())
    return -1;
  // Possessors in the genitive after their noun (мама моего друга).
  while (k + 1 <= to && Kits[k + 1].Kind == kkTranslated && Class(k + 1) == wcNoun &&
         (Rus(k + 1).Case == 3 || Rus(k + 1).Case == 4) && Rus(k + 1).Prefix.empty())
    ++k;
  return k;
}

void TSP_tat::ComparedPronounsWithThan() {
  // "Ул аңа караганда тизрәк": Он быстрее, чем он. A pronoun compared
  // with "караганда" stays in the nominative after "чем"; the comparative
  // goes first, with the comma. (A noun takes the genitive instead: Лето
  // теплее весны.)
  for (int k = FirstWord; k + 2 <= LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || Kits[k + 1].Kind != kkTranslated) continue;
    const std::u16string_view pronoun = DativePronounSubject(Source(k));
    if (pronoun.empty() || Source(k + 1) != u"караганда") continue;
    // A subject pronoun between the standard and the comparative goes
    // first: Аларга караганда без күбрәк ...: Мы больше, чем они, ...
    if (!IsComparative(k + 2) && k + 3 <= LastWord && IsComparative(k + 3) && IsPronounSubject(k + 2)) {
      Move(k + 2, k);
      ++k;
    }
    if (!IsComparative(k + 2)) continue;
    TTransUnit reading = Kits[k + 2].Readings[0];
    Translator->Dictionary().Generate(reading);
    if (reading.Rus.RusText.empty()) continue;
    const uint8_t capital = Kits[k].Capital;
    TTransKit than = FixedKit(u"чем " + std::u16string(pronoun));
    than.Readings[0].Tat.Source = Source(k);
    TTransKit comparative = FixedKit(reading.Rus.RusText + u",");
    comparative.Readings[0].Tat.Source = reading.Tat.Source;
    comparative.Capital = capital;
    Kits[k] = std::move(comparative);
    Kits[k + 1] = std::move(than);
    Kits.erase(Kits.begin() + k + 2);
    --LastWord;
    // Said of how a verb is done, the comparison follows the verb: Он
    // бегает быстрее, чем он.
    const int v = k + 2;
    if (v <= LastWord && Kits[v].Kind == kkTranslated && SingleReading(v, wcVerb) && v == ClauseEnd(v)) {
      Move(v, k);
      ++k;
    }
    ++k;
  }
}

void TSP_tat::QuestionVerbsBeforeSubjects() {
  // "Поезд кайчан китә?": Когда уходит поезд? "Бу алмалар күпме тора?":
  // Сколько стоят эти яблоки? In a question with a question word, a noun
  // subject goes after the verb at the clause end, the question word
  // before them.
  if (!IsQuestion()) return;
  for (int v = FirstWord + 1; v <= LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb || Tat(v).WordClass != wcVerb) continue;
    const int code = Tat(v).EndingCode;
    if (code < 15 || code > 74 || SpeakerPerson(v) != 0 || v != ClauseEnd(v)) continue;
    const int from = ClauseStart(v);
    // The question word: before the subject or between it and the verb.
    auto asking = [this](int k) { return Kits[k].Kind == kkTranslated && IsAskingWord(Lowered(Tat(k).Source)); };
    int q = from;
    while (q < v && IsOpener(RusWord(q)) && !asking(q)) ++q;
    if (q < v && asking(q)) {
      // Question word, subject, verb: the verb goes before the subject.
      const int s = q + 1;
      if (SubjectGroupEnd(s, v - 1) != v - 1) continue;
      Move(v, s);
    } else {
      // Subject, question word, verb: both go before the subject.
      const int end = SubjectGroupEnd(q, v - 1);
      if (end < 0 || end + 2 != v || !asking(end + 1)) continue;
      Move(end + 1, q);
      Move(v, q + 1);
    }
  }
}

void TSP_tat::ExistenceBeforeThings() {
  // "Вакыт булса, ...": Если будет время, ... A thing that there is (a
  // noun subject of "бул") follows the verb of a condition.
  const TVerb& verbs = Translator->Dictionary().Verb;
  for (int v = FirstWord + 2; v <= LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb || Tat(v).WordClass != wcVerb) continue;
    if (verbs.TatarStem(Tat(v).StemRow) != u"бул" || v != ClauseEnd(v)) continue;
    const int from = ClauseStart(v);
    if (RusWord(from) != u"если" && RusWord(from) != u"если бы") continue;
    const int s = from + 1;
    if (SubjectGroupEnd(s, v - 1) != v - 1) continue;
    // What there will not be is in the genitive, the verb neuter: Если не
    // будет работы.
    if (IsNegativeVerbEnding(Tat(v).EndingCode) && s == v - 1) {
      Rus(s).Case = 3;
      Rus(s).Agreed = 1;
      Rus(v).Number = 1;
      Rus(v).Gender = 3;
      Rus(v).Agreed = 1;
    }
    Move(v, s);
  }
}

void TSP_tat::PersonalFeatures() {
  // "Аның тавышы матур": У него красивый голос; "Минем чәчем озын": У меня
  // длинные волосы. A body part, the voice or the character of a person,
  // described by an adjective with no verb, is what the person has. Other
  // things keep their owner (Моя машина новая).
  for (int a = FirstWord + 1; a <= LastWord; ++a) {
    if (Kits[a].Kind != kkTranslated || Class(a) != wcAdjective || IsComparative(a) || a != ClauseEnd(a)) continue;
    const int from = ClauseStart(a);
    int p = a;
    while (p - 1 > from && Kits[p - 1].Kind == kkTranslated && SingleReading(p - 1, wcAdverb)) --p;
    // A named owner follows the feature in the genitive (волосы мамы): у
    // мамы длинные волосы.
    if (p - 2 == from && Kits[p - 1].Kind == kkTranslated && Class(p - 1) == wcNoun &&
        (Rus(p - 1).Case == 3 || Rus(p - 1).Case == 4) && Rus(p - 1).Prefix.empty() &&
        Class(from) == wcNoun && Rus(from).Case <= 2 && Rus(from).Prefix.empty() && Rus(from).Possessor != 0 &&
        IsPersonalFeature(LemmaOf(from))) {
      bool verb = false;
      for (int k = from; k <= a; ++k) verb = verb || HasReading(k, wcVerb | wcParticiple);
      if (verb) continue;
      Rus(from).Possessor = 0;
      Kits[from].Capital = 0;
      Move(p - 1, from);
      Kits.insert(Kits.begin() + from, FixedKit(u"у", wcPostposition));
      ++LastWord;
      ++a;
      Move(from + 2, a);
      continue;
    }
    const int n = p - 1;
    if (n < from || Kits[n].Kind != kkTranslated || Class(n) != wcNoun || Rus(n).Case > 2 ||
        !Rus(n).Prefix.empty() || Rus(n).Possessor == 0 || !IsPersonalFeature(LemmaOf(n)))
      continue;
    bool verb = false;
    for (int k = from; k <= a; ++k) verb = verb || HasReading(k, wcVerb | wcParticiple);
    if (verb) continue;
    const int o = n - 1;
    int owner = -1;
    int person = Rus(n).Possessor;
    if (o >= from && Kits[o].Kind == kkTranslated) {
      const int named = GenitiveOwner(Lowered(Tat(o).Source));
      if (named != 0) person = named;
      if (named != 0 || (Class(o) == wcUnchanged03 && IsPossessiveWord(RusWord(o)))) owner = o;
    }
    if ((owner >= 0 ? owner : n) != from || person < 1 || person > 6) continue;
    Rus(n).Possessor = 0;
    const uint8_t capital = owner >= 0 ? Kits[owner].Capital : Kits[n].Capital;
    TTransKit have = FixedKit(HaveOwner(person));
    have.Readings[0].Tat.Source = owner >= 0 ? Tat(owner).Source : std::u16string();
    have.Capital = capital;
    Kits[n].Capital = 0;
    int noun = n;
    if (owner >= 0) {
      Kits[owner] = std::move(have);
    } else {
      Kits.insert(Kits.begin() + n, std::move(have));
      ++LastWord;
      ++noun;
      ++a;
    }
    // The noun after its adjective: у меня длинные волосы.
    Move(noun, a);
  }
}

void TSP_tat::PlacedQualities() {
  // "Урамда җил көчле": На улице сильный ветер. After a place with its
  // preposition, the weather or the air with an adjective predicate and no
  // verb reads as a noun with its attribute. Other things keep the
  // predicate (На рынке яблоки дешёвые), so does a comparison (В этом
  // магазине фрукты дешевле).
  for (int a = FirstWord + 2; a <= LastWord; ++a) {
    if (Kits[a].Kind != kkTranslated || Class(a) != wcAdjective || IsComparative(a) || a != ClauseEnd(a)) continue;
    const int from = ClauseStart(a);
    int p = a;
    while (p - 1 > from && Kits[p - 1].Kind == kkTranslated && SingleReading(p - 1, wcAdverb)) --p;
    const int n = p - 1;
    if (n <= from || Kits[n].Kind != kkTranslated || Class(n) != wcNoun || Rus(n).Case > 2 ||
        !Rus(n).Prefix.empty() || Rus(n).Possessor != 0 || !IsAmbientNoun(LemmaOf(n)))
      continue;
    // Before the noun: the place, a preposition and its noun group.
    const int start = NounPhraseStart(n);
    if (start != n) continue;
    int place = from;
    if (Class(place) != wcPostposition) continue;
    const int end = NounGroupEnd(place, n - 1);
    if (end != n - 1 || IsTimeGroup(place, end)) continue;
    bool verb = false;
    for (int k = from; k <= a; ++k) verb = verb || HasReading(k, wcVerb | wcParticiple);
    if (verb) continue;
    Move(n, a);
  }
}

void TSP_tat::HomeAfterNegatedVerbs() {
  // "Алар өйгә кайтмадылар": Они не вернулись домой.
  for (int v = FirstWord + 1; v <= LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb || Tat(v).WordClass != wcVerb) continue;
    if (!IsNegativeVerbEnding(Tat(v).EndingCode) || RusWord(v - 1) != u"домой") continue;
    Move(v - 1, v);
  }
}

void TSP_tat::TimesBeforeVerbs() {
  // "Сез иртәгә эшлисезме?": Вы завтра работаете? "Бабай көн саен балык
  // тота": Дедушка каждый день ловит рыбу. A one-word day or a "каждый"
  // time said right after the subject stays before the verb; the verb may
  // have moved past it. A question word keeps it after the verb (Где ты
  // был вчера?).
  for (int v = FirstWord + 1; v + 1 <= LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb) continue;
    const int t = v + 1;
    if (Kits[t].Kind != kkTranslated) continue;
    const std::u16string time = RusWord(t);
    const bool every = time.starts_with(u"каждый ") || time.starts_with(u"каждое ") || time.starts_with(u"каждую ");
    // A "каждый" time ending the clause may stay there: Он приходил каждый день.
    if (!IsDayWord(time) && !(every && t != ClauseEnd(t) && (Class(t) & (wcDirect | wcUnchanged03 | wcAdverb))))
      continue;
    // When an event will be is what "будет" says: Соревнование будет завтра.
    if (Tat(v).WordClass == wcVerb && Translator->Dictionary().Verb.TatarStem(Tat(v).StemRow) == u"бул") continue;
    // The subject alone before the verb.
    const int from = ClauseStart(v);
    int s = from;
    while (s < v && IsOpener(RusWord(s))) ++s;
    if (!(IsPronounSubject(s) && s + 1 == v) && SubjectGroupEnd(s, v - 1) != v - 1) continue;
    // Inside a modal group the time belongs to the infinitive: Я хочу
    // завтра пойти в кино.
    if (t + 1 <= LastWord && Kits[t + 1].Kind == kkTranslated && Class(t + 1) == wcVerb) continue;
    bool asked = false;
    for (int k = from; k <= ClauseEnd(v); ++k) asked = asked || IsQuestionSource(Source(k));
    if (asked) continue;
    Move(t, v);
    ++v;
  }
}

}  // namespace tatengine

namespace tatengine {

void TSP_tat::WhoseQuestions() {
  // "Бу кемнең китабы?" asks whose the thing named is: Чья это книга? The
  // pointing word goes after the possessed noun, the order "Кемнең китабы
  // бу?" that the rules already say as "чья это".
  for (int k = FirstWord; k + 2 <= LastWord; ++k) {
    const std::u16string word = Source(k);
    if ((word != u"бу" && word != u"шул" && word != u"ул") || Source(k + 1) != u"кемнең") continue;
    if (k + 2 != LastWord && Kits[k + 3].Kind != kkSeparator) continue;
    Move(k, k + 2);
    break;
  }
}

}  // namespace tatengine
