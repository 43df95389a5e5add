// Russian word order and the subject pronoun. Tatar leaves "I", "you",
// "we" to the verb's person ending and puts the verb last; Russian says the
// pronoun (Кая барасыз? Куда вы идёте?), opens the sentence with a point in
// time (Вчера я ходил в кино), keeps unstressed pronoun objects and
// frequency adverbs before the verb (Я тебе помогу, Я никогда не забуду
// этот день) and puts objects, manner adverbs and comparisons after it (Мы
// говорим по-татарски, Поезд едет быстрее автобуса).
#include <array>

#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "TextUtil.h"
#include "Transler.h"

namespace tatengine {
namespace {

// The Tatar pronoun of a person 1, 2, 4, 5, 6 (1sg, 2sg, 1pl, 2pl, 3pl).
std::u16string_view SpeakerPronoun(int person) {
  switch (person) {
    case 1: return u"мин";
    case 2: return u"син";
    case 4: return u"без";
    case 5: return u"сез";
    case 6: return u"алар";
    default: return {};
  }
}

// The Russian nominative of the same persons, used when the lexicon has no
// pronoun reading.
std::u16string_view RussianPronoun(int person) {
  switch (person) {
    case 1: return u"я";
    case 2: return u"ты";
    case 4: return u"мы";
    case 5: return u"вы";
    case 6: return u"они";
    default: return {};
  }
}

// Words that open a clause before its subject (Но я ..., Потом мы ...).
bool IsClauseOpener(std::u16string_view rus) {
  static constexpr std::array<std::u16string_view, 14> words = {
      u"и", u"а", u"но", u"или", u"что", u"потому что", u"поэтому", u"однако", u"если",
      u"когда", u"чтобы", u"ведь", u"потом", u"затем"};
  return OneOf(rus, words);
}

// A point in time that opens a neutral Russian sentence.
bool IsPointInTime(std::u16string_view rus) {
  static constexpr std::array<std::u16string_view, 10> words = {
      u"вчера",         u"сегодня",        u"завтра",        u"позавчера",    u"послезавтра",
      u"вчера вечером", u"сегодня утром", u"завтра утром", u"раньше",       u"сегодня вечером"};
  return OneOf(rus, words);
}

bool IsPreposition(std::u16string_view rus) {
  static constexpr std::array<std::u16string_view, 26> words = {
      u"в",   u"во",    u"на",    u"о",     u"об",    u"обо",   u"с",   u"со",   u"к",
      u"ко",  u"у",     u"до",    u"после", u"через", u"за",    u"под", u"над",  u"перед",
      u"рядом", u"около", u"возле", u"из",  u"от",    u"для",   u"про", u"по"};
  return OneOf(rus, words);
}

// Adverbs of time a sentence may open with, before its subject.
bool IsSeason(std::u16string_view rus) {
  return rus == u"летом" || rus == u"зимой" || rus == u"весной" || rus == u"осенью";
}

// A fixed phrase naming a time of its own (в этом году, на прошлой неделе,
// каждое лето): one Tatar word, several Russian ones.
bool IsTimePhrase(std::u16string_view rus) {
  static constexpr std::array<std::u16string_view, 12> starts = {
      u"в этом ",  u"в прошлом ", u"в следующем ", u"на этой ", u"на прошлой ", u"на следующей ",
      u"каждый ",  u"каждое ",    u"каждую ",      u"в эту ",   u"в прошлую ",  u"в следующую "};
  for (std::u16string_view w : starts)
    if (rus.starts_with(w)) return true;
  return false;
}

// A point in time said in one word (вчера, сегодня, утром) but no season.
bool IsOneWordTime(std::u16string_view rus) {
  return rus.find(u' ') == std::u16string_view::npos && !IsSeason(rus);
}

bool IsTimeAdverb(std::u16string_view rus) {
  static constexpr std::array<std::u16string_view, 11> words = {
      u"утром", u"вечером", u"ночью", u"днём", u"летом", u"зимой", u"весной", u"осенью",
      u"сейчас", u"скоро", u"теперь"};
  return IsPointInTime(rus) || OneOf(rus, words);
}

// Nouns naming a time (через час, в пятницу, за три дня).
bool IsTimeLemma(std::u16string_view lemma) {
  static constexpr std::array<std::u16string_view, 24> words = {
      u"день",   u"неделя",  u"год",         u"месяц",   u"час",     u"минута",
      u"секунда", u"сутки",  u"утро",        u"вечер",   u"ночь",    u"лето",
      u"зима",   u"весна",   u"осень",       u"понедельник", u"вторник", u"среда",
      u"четверг", u"пятница", u"суббота",    u"воскресенье", u"время", u"лет"};
  return OneOf(lemma, words);
}

// Adverbs of frequency and phase that stand right before the verb.
bool IsFrequencyAdverb(std::u16string_view rus) {
  static constexpr std::array<std::u16string_view, 13> words = {
      u"всегда", u"никогда", u"часто", u"уже",   u"ещё",   u"еще",     u"обычно",
      u"иногда", u"редко",   u"опять", u"снова", u"постоянно", u"тогда"};
  return OneOf(rus, words);
}

}  // namespace

TTransKit TSP_tat::SubjectPronounKit(int person) {
  // The pronoun as the lexicon reads it, so that the agreement and order
  // rules treat it as any written subject.
  TTransKit kit;
  kit.Kind = kkTranslated;
  kit.HyphenPart = -1;
  bool usedNext = false;
  TTransKit found;
  found.Kind = kkTranslated;
  if (Translator->Dictionary().Lookup(SpeakerPronoun(person), {}, usedNext, found))
    for (const TTransUnit& reading : found.Readings)
      if (reading.Rus.WordClass == wcSubNoun && kit.Readings.empty()) kit.Readings.push_back(reading);
  if (kit.Readings.empty()) {
    kit = FixedKit(RussianPronoun(person));
  } else {
    TFormRus& rus = kit.Readings[0].Rus;
    rus.Case = 1;
    rus.Number = person >= 4 ? 2 : 1;
    rus.Gender = 1;
  }
  kit.Readings[0].Tat.Source.assign(SpeakerPronoun(person));
  return kit;
}

std::u16string TSP_tat::RusWord(int slot) {
  if (slot < FirstWord || slot > LastWord || Kits[slot].Kind != kkTranslated) return {};
  return Lowered(Rus(slot).RusText);
}

bool TSP_tat::IsPronounSubject(int slot) {
  if (slot < FirstWord || slot > LastWord || Kits[slot].Kind != kkTranslated) return false;
  if (!IsPersonalPronoun(Lowered(Tat(slot).Source))) return false;
  return (Class(slot) == wcSubNoun && Rus(slot).Case <= 2) || Tat(slot).WordClass == wcGlue ||
         Class(slot) == wcUnchanged03;
}

int TSP_tat::ClauseEnd(int slot) {
  int to = slot;
  while (to + 1 <= LastWord && Kits[to + 1].Kind != kkSeparator) ++to;
  return to;
}

bool TSP_tat::IsQuestion() {
  const int last = SlotCount() - 1;
  return last >= 0 && Kits[last].Kind == kkSeparator && Kits[last].Text.find(u'?') != std::u16string::npos;
}

void TSP_tat::SpeakerSubjects() {
  for (int v = FirstWord; v <= LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb || Tat(v).WordClass != wcVerb) continue;
    const int code = Tat(v).EndingCode;
    if (code < 15 || code > 74) continue;  // finite forms with a person ending only
    const int person = SpeakerPerson(v);
    if (person == 0) continue;
    const int from = ClauseStart(v);
    const int to = ClauseEnd(v);
    bool said = false;
    for (int k = from; k <= to && !said; ++k) {
      if (Kits[k].Kind != kkTranslated) continue;
      for (const TTransUnit& reading : Kits[k].Readings) {
        const std::u16string low = Lowered(reading.Tat.Source);
        const bool speaker = low == u"мин" || low == u"син" || low == u"без" || low == u"сез";
        said = said || (speaker && (reading.Rus.WordClass != wcSubNoun || reading.Rus.Case <= 2));
        for (std::u16string_view p : {u"я ", u"ты ", u"мы ", u"вы "})
          said = said || reading.Rus.Prefix.starts_with(p);
      }
    }
    if (said) continue;

    TTransKit kit = SubjectPronounKit(person);
    int at = from;
    while (at < v && IsClauseOpener(RusWord(at))) ++at;
    // After a time that opens the clause: За три дня я закончил работу. (A
    // question puts the time after its verb.)
    for (int n = 0; n < 2 && at < v && !IsQuestion(); ++n) {
      if (IsTimeAdverb(RusWord(at)) && (Class(at) & (wcAdverb | wcDirect | wcUnchanged03))) {
        ++at;
        continue;
      }
      const int end = NounGroupEnd(at, v - 1);
      if (end < 0 || !IsTimeGroup(at, end)) break;
      at = end + 1;
    }
    Kits.insert(Kits.begin() + at, std::move(kit));
    ++LastWord;
    ++v;
  }
}

void TSP_tat::TimeFirst() {
  // "Без быел Казанга барабыз": В этом году мы поедем в Казань. A season
  // or a time said in several words in a clause that opens with a pronoun
  // subject goes before the subject; a one-word time stays after it (Я
  // сегодня работаю). In a question the time follows the verb instead
  // (Где ты был вчера?).
  const bool question = IsQuestion();
  for (int s = FirstWord; s < LastWord; ++s) {
    if (!IsPronounSubject(s)) continue;
    const int from = ClauseStart(s);
    int at = from;
    while (at < s && IsClauseOpener(RusWord(at))) ++at;
    const int to = ClauseEnd(s);
    int t = s + 1;
    while (t <= to && !((IsPointInTime(RusWord(t)) || IsSeason(RusWord(t)) || IsTimePhrase(RusWord(t))) &&
                        (Class(t) & (wcAdverb | wcDirect | wcUnchanged03))))
      ++t;
    // A noun group naming a time right after the subject, or after the
    // verb that follows it (на прошлой неделе, в этом месяце), opens the
    // clause as a whole.
    int groupEnd = -1;
    for (int g = s + 1; t > to && !question && g <= s + 2 && g <= to; ++g) {
      if (g == s + 2 && Class(s + 1) != wcVerb) break;
      const int end = NounGroupEnd(g, to);
      // With a word that picks the time out (прошлой, этом); a bare span
      // (через час, два дня) stays.
      bool picked = false;
      for (int k = g; k < end; ++k) picked = picked || (Class(k) & (wcAdjective | wcUnchanged07));
      if (end >= 0 && end < to && picked && IsTimeGroup(g, end) &&
          (Class(g) == wcPostposition || !Rus(end).Prefix.empty())) {
        t = g;
        groupEnd = end;
      }
    }
    if (t > to) continue;
    bool verb = false;
    for (int k = from; k <= to; ++k) verb = verb || Class(k) == wcVerb;
    if (!verb) continue;  // Они сегодня очень рады: no event to place in time
    if (groupEnd >= 0) {
      if (at != s) continue;
      for (int k = t; k <= groupEnd; ++k) Move(k, s + (k - t));
      s = groupEnd;
      continue;
    }
    // One plain word (сегодня, вчера, утром) stays where the Tatar says it:
    // Я сегодня работаю; only a season or a longer phrase opens the clause.
    if (!question && IsOneWordTime(RusWord(t))) continue;
    // Inside a modal group the time belongs to the infinitive: Я хочу
    // завтра пойти в кино.
    if (Class(t - 1) == wcVerb && Class(t + 1) == wcVerb && t + 1 <= to) continue;
    if (question) {
      // [question word] pronoun time verb: the verb comes before the time.
      const int v = t + 1;
      if (at == s || t != s + 1 || v > LastWord || Class(v) != wcVerb || v != ClauseEnd(v)) continue;
      Move(v, t);
      continue;
    }
    if (at != s) continue;
    Move(t, s);
    ++s;
  }
}

void TSP_tat::AgoAfterVerbs() {
  // "Мин дүрт ел элек Казанга күчтем": Я переехал в Казань четыре года
  // назад. A span with "назад" left between the verb and the rest of the
  // clause goes to the clause end.
  for (int n = FirstWord + 1; n <= LastWord; ++n) {
    if (RusWord(n) != u"назад") continue;
    const int to = ClauseEnd(n);
    if (n == to) continue;
    int start = n;
    while (start - 1 >= FirstWord && Kits[start - 1].Kind == kkTranslated &&
           (Class(start - 1) & (wcNoun | wcNumeral | wcAdjective)))
      --start;
    if (start == n || Class(start - 1) != wcVerb) continue;
    for (int k = start; k <= n; ++k) Move(start, to);
    n = to;
  }
}

void TSP_tat::FrequencyBeforeVerbs() {
  // "Мин бу көнне беркайчан да онытмаячакмын": the verb went before its
  // object; the frequency adverb left behind goes before the verb: Я
  // никогда не забуду этот день.
  for (int v = FirstWord; v <= LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb) continue;
    const int to = ClauseEnd(v);
    for (int k = v + 1; k <= to; ++k) {
      if (Kits[k].Kind != kkTranslated) break;
      if (IsFrequencyAdverb(RusWord(k)) && (Class(k) & (wcAdverb | wcDirect | wcUnchanged03))) {
        Move(k, v);
        ++v;
        break;
      }
      if (!(Class(k) & (wcNoun | wcSubNoun | wcAdjective | wcNumeral | wcUnchanged07 | wcPostposition)))
        break;
    }
  }
}

void TSP_tat::PronounObjectsBeforeVerbs() {
  // "Мин сиңа булышырмын": Я тебе помогу. An unstressed personal pronoun
  // in the dative or the accusative that the verb left at the clause end
  // goes before the verb.
  for (int v = FirstWord + 1; v < LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb || Tat(v).WordClass != wcVerb) continue;
    const int code = Tat(v).EndingCode;
    if (!((code >= 15 && code <= 74) || Rus(v).Case == 10 || Rus(v).Case == 13)) continue;
    const int p = v + 1;
    if (Kits[p].Kind != kkTranslated || Class(p) != wcSubNoun || !Rus(p).Prefix.empty()) continue;
    if (Rus(p).Case < 5 || Rus(p).Case > 8) continue;
    // Before a noun object Russian keeps it after the verb: дал мне книгу.
    if (p != ClauseEnd(p)) continue;
    const int from = ClauseStart(v);
    if (from == v) continue;
    // And before the frequency adverbs there: Он мне всегда помогал.
    int at = v;
    while (at - 1 > from && IsFrequencyAdverb(RusWord(at - 1))) --at;
    Move(p, at);
    ++v;
  }
}

void TSP_tat::MannerAfterVerbs() {
  // "Без татарча сөйләшәбез": Мы говорим по-татарски. A manner adverb in
  // "по-" or a comparison (быстрее автобуса) right before the verb that ends
  // the clause goes after it.
  for (int v = FirstWord + 1; v <= LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb || Tat(v).WordClass != wcVerb) continue;
    if (v != ClauseEnd(v)) continue;
    const int from = ClauseStart(v);
    int a = v - 1;
    // The standard of a comparison stands after its comparative.
    int c = a;
    while (c > from && Kits[c].Kind == kkTranslated &&
           (Class(c) & (wcNoun | wcAdjective | wcNumeral | wcUnchanged07)) && Tat(c).EndingCode != 2 &&
           (Rus(c).Case == 3 || Rus(c).Case == 4 || Class(c) != wcNoun))
      --c;
    // The comparative of a comparison is a fixed word by now (быстрее).
    const bool fixed = Class(c) == wcUnchanged03 && Tat(c).WordClass == wcAdjective && Tat(c).EndingCode == 2;
    const bool comparison = c < a && (fixed || (IsComparative(c) && Class(c) != wcAdjective));
    const bool manner = Kits[a].Kind == kkTranslated && (Class(a) & (wcAdverb | wcDirect)) &&
                        RusWord(a).starts_with(u"по-");
    const bool bare = IsComparative(a) && Class(a) == wcAdverb;
    if (comparison && c > from) Move(v, c);
    else if ((manner || bare) && a > from) Move(v, a);
  }
}

bool TSP_tat::IsTimeGroup(int start, int end) {
  int head = end;
  while (head > start && Class(head) == wcNoun && (Rus(head).Case == 3 || Rus(head).Case == 4)) --head;
  return Class(head) == wcNoun && IsTimeLemma(LemmaOf(head));
}

int TSP_tat::NounGroupEnd(int start, int to) {
  int k = start;
  if (k <= to && Kits[k].Kind == kkTranslated && Class(k) == wcPostposition) ++k;
  while (k <= to && Kits[k].Kind == kkTranslated && (Class(k) & (wcAdjective | wcNumeral | wcUnchanged07)))
    ++k;
  if (k > to || Kits[k].Kind != kkTranslated || Class(k) != wcNoun) return -1;
  // Possessors in the genitive after their noun (книгу моего друга).
  while (k + 1 <= to && Kits[k + 1].Kind == kkTranslated && Class(k + 1) == wcNoun &&
         (Rus(k + 1).Case == 3 || Rus(k + 1).Case == 4) && Rus(k + 1).Prefix.empty())
    ++k;
  return k;
}

void TSP_tat::ObjectsBeforePlaces() {
  // "Кыз урманда чәчәкләр җыйды": Девочка собирала цветы в лесу. After the
  // verb, a place or direction with its preposition and then the direct
  // object at the clause end: the object comes first.
  for (int v = FirstWord; v < LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb || Tat(v).WordClass != wcVerb) continue;
    const int to = ClauseEnd(v);
    const int a = v + 1;
    const int aEnd = NounGroupEnd(a, to);
    if (aEnd < 0 || aEnd >= to) continue;
    int head = aEnd;
    while (head > a && (Rus(head).Case == 3 || Rus(head).Case == 4) && Class(head - 1) == wcNoun) --head;
    const bool place = Class(a) == wcPostposition || !Rus(head).Prefix.empty();
    if (!place) continue;
    const int b = aEnd + 1;
    const int bEnd = NounGroupEnd(b, to);
    if (bEnd != to || Class(b) == wcPostposition) continue;
    int object = bEnd;
    while (object > b && (Rus(object).Case == 3 || Rus(object).Case == 4) && Class(object - 1) == wcNoun)
      --object;
    if ((Rus(object).Case != 7 && Rus(object).Case != 8) || !Rus(object).Prefix.empty()) continue;
    for (int k = b; k <= bEnd; ++k) Move(k, a + (k - b));
    v = to;
  }
}

void TSP_tat::QuestionGroupsFirst() {
  // "Ничәнче сыйныфта укыйсың?": В каком классе ты учишься? The group of
  // an asking determiner opens the question.
  if (!IsQuestion()) return;
  const int to = ClauseEnd(FirstWord);
  // "Син нишлисең?": a fixed "что делаешь" after the pronoun subject puts
  // "что" first: Что ты делаешь?
  if (IsPronounSubject(FirstWord) && FirstWord + 1 <= to && Class(FirstWord + 1) == wcDirect &&
      RusWord(FirstWord + 1).starts_with(u"что ")) {
    std::u16string& text = Rus(FirstWord + 1).RusText;
    text.erase(0, 4);
    Kits[FirstWord + 1].Readings.resize(1);
    Kits.insert(Kits.begin() + FirstWord, FixedKit(u"что"));
    ++LastWord;
    return;
  }
  for (int k = FirstWord; k <= to; ++k) {
    if (Kits[k].Kind != kkTranslated ||
        !(Class(k) & (wcAdjective | wcUnchanged07 | wcUnchanged03 | wcDirect)))
      continue;
    const std::u16string low = Lowered(Tat(k).Source);
    const bool whose = low == u"кемнең";
    if (!(whose || low.starts_with(u"ничәнче") || low == u"кайсы" || low == u"нинди")) continue;
    const int start = Class(k - 1) == wcPostposition && k - 1 >= FirstWord ? k - 1 : k;
    // "чей" is a fixed word before the noun's own group.
    const int end = NounGroupEnd(whose ? k + 1 : start, to);
    if (end <= k) return;
    // "Кемнең китабы бу?": Чья это книга? "это" follows "чей", which
    // agrees with the noun.
    if (whose && end + 1 == to && RusWord(to) == u"это" && (Class(k) & (wcUnchanged03 | wcDirect))) {
      const TFormRus& noun = Rus(end);
      Rus(k).RusText = noun.Number == 2   ? u"чьи"
                       : noun.Gender == 2 ? u"чья"
                       : noun.Gender == 3 ? u"чьё"
                                          : u"чей";
      Move(to, k + 1);
    }
    for (int m = start; m <= end && start > FirstWord; ++m) Move(m, FirstWord + (m - start));
    return;
  }
}

void TSP_tat::AuxBeforePronounObjects() {
  // "Без сезне көтәрбез": Мы будем вас ждать.
  static constexpr std::u16string_view aux[] = {u"буду ", u"будешь ", u"будет ",
                                                 u"будем ", u"будете ", u"будут "};
  for (int v = FirstWord + 1; v <= LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb) continue;
    const int p = v - 1;
    if (Kits[p].Kind != kkTranslated || Class(p) != wcSubNoun || Rus(p).Case < 5 || Rus(p).Case > 8 ||
        !Rus(p).Prefix.empty())
      continue;
    for (std::u16string_view a : aux) {
      if (!Rus(v).Prefix.starts_with(a)) continue;
      for (TTransUnit& reading : Kits[v].Readings)
        if (reading.Rus.Prefix.starts_with(a)) reading.Rus.Prefix.erase(0, a.size());
      Kits.insert(Kits.begin() + p, FixedKit(a.substr(0, a.size() - 1)));
      ++LastWord;
      ++v;
      break;
    }
  }
}

void TSP_tat::VerbsAfterSubjects() {
  for (int v = FirstWord + 2; v <= LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb || Tat(v).WordClass != wcVerb) continue;
    const int code = Tat(v).EndingCode;
    if (code < 15 || code > 74 || v != ClauseEnd(v)) continue;
    const int from = ClauseStart(v);
    int at = from;
    while (at < v && IsClauseOpener(RusWord(at))) ++at;
    // The subject: a pronoun or a nominative noun group without a preposition.
    int s = -1;
    if (IsPronounSubject(at)) {
      s = at;
    } else if (const int end = NounGroupEnd(at, v - 1); end >= 0 && Class(at) != wcPostposition) {
      int head = end;
      while (head > at && (Rus(head).Case == 3 || Rus(head).Case == 4) && Class(head - 1) == wcNoun) --head;
      if ((Rus(head).Case == 1 || Rus(head).Case == 2) && Rus(head).Prefix.empty()) s = end;
    }
    if (s < 0) continue;
    // Unstressed words stay before the verb: adverbs, pronoun objects.
    int t = s + 1;
    while (t < v && Kits[t].Kind == kkTranslated &&
           ((Class(t) & wcAdverb) || IsFrequencyAdverb(RusWord(t)) ||
            (Class(t) == wcSubNoun && Rus(t).Prefix.empty() && Rus(t).Case >= 5 && Rus(t).Case <= 8)))
      ++t;
    if (t >= v) continue;
    // What is left is phrases with a preposition only.
    bool prepositional = false;
    bool plain = true;
    for (int k = t; k < v && plain;) {
      // A fixed phrase that starts with a preposition (рядом со мной, о
      // тебе) with the fixed words after it (в девять часов).
      if (Class(k) == wcUnchanged03) {
        const std::u16string word = RusWord(k);
        if (!IsPreposition(word.substr(0, word.find(u' ')))) {
          plain = false;
          break;
        }
        prepositional = true;
        ++k;
        while (k < v && (Class(k) & (wcUnchanged03 | wcNumeral | wcNoun)) && !IsFrequencyAdverb(RusWord(k)) &&
               !IsPreposition(RusWord(k)) && RusWord(k) != u"не")
          ++k;
        continue;
      }
      const int end = NounGroupEnd(k, v - 1);
      if (end < 0) {
        plain = false;
        break;
      }
      int head = end;
      while (head > k && (Rus(head).Case == 3 || Rus(head).Case == 4) && Class(head - 1) == wcNoun) --head;
      const bool marked = Class(k) == wcPostposition || !Rus(head).Prefix.empty();
      plain = marked;
      prepositional = prepositional || marked;
      k = end + 1;
    }
    if (plain && prepositional) Move(v, t);
  }
}

void TSP_tat::OrdersBeforePronouns() {
  // "Миңа бер кисәк ипи бир": Дай мне кусок хлеба; "Китапны миңа бир": Дай
  // мне книгу.
  for (int v = FirstWord; v <= LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb || Tat(v).WordClass != wcVerb) continue;
    const int code = Tat(v).EndingCode;
    if (code != 2 && code != 3 && code != 11 && code != 12) continue;
    const int from = ClauseStart(v);
    const int to = ClauseEnd(v);
    auto dative = [this](int k) {
      return Kits[k].Kind == kkTranslated && Class(k) == wcSubNoun && Rus(k).Prefix.empty() &&
             (Rus(k).Case == 5 || Rus(k).Case == 6);
    };
    if (v == from + 1 && dative(from)) {
      Move(v, from);
      continue;
    }
    if (v == from && to > v + 1 && dative(to) && NounGroupEnd(v + 1, to - 1) == to - 1) Move(to, v + 1);
  }
}

}  // namespace tatengine
