// Tense, aspect and government of a verb chosen by the words around it.
// The form of a Tatar verb asks for one Russian aspect (VerbAspect.h); the
// sentence often asks for the other:
//   a -ган past of the speaker or in a question, and -ганым бар/юк,
//   report experience: караганмын "смотрел", Син Казанда булганмы "Ты был
//   в Казани?", күргәнем бар "я видел";
//   a present with a time to come, or asked "when", is the perfective
//   future: Иртәгә китәм "Завтра уйду", Кайчан кайтасың "Когда вернёшься?";
//   a -ды past with many things at a place tells the activity: урманда
//   гөмбә җыйдык "собирали грибы", китапны укыдым stays "прочитал";
//   going to an event or at a past time is a trip there and back: Кичә
//   театрга бардык "Вчера ходили в театр"; монда, анда with a verb of
//   going are сюда, туда; элек alone is "раньше";
// and the verb's object or sense: не знает английского языка, опоздал на
// урок, кунакка "в гости", китап йөз сум тора "книга стоит сто рублей".
#include <array>

#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "TextUtil.h"
#include "Transler.h"
#include "VerbAspect.h"

namespace tatengine {
namespace {

// Words naming a time to come: иртәгә "завтра", киләсе атнада "на следующей
// неделе", соңрак "позже", тиздән "скоро".
constexpr std::array<std::u16string_view, 8> kFutureWords = {
    u"иртәгә", u"киләсе", u"соңрак", u"тиздән", u"берсекөнне", u"иртәгәдән", u"якында", u"киләчәктә"};

// Words naming a time gone by: кичә "вчера", былтыр "в прошлом году",
// узган/үткән атнада "на прошлой неделе", кичә кич, элек after a span.
constexpr std::array<std::u16string_view, 8> kPastWords = {
    u"кичә", u"былтыр", u"узган", u"үткән", u"кичәге", u"өченчекөнне", u"узганда", u"әле генә"};

// Places one goes to for an event and comes back from (Russian lemmas).
constexpr std::array<std::u16string_view, 10> kOutings = {
    u"кино",     u"кинотеатр", u"театр",     u"концерт", u"музей",
    u"цирк",     u"выставка",  u"спектакль", u"экскурсия", u"зоопарк"};

// Events and means of transport one is late for "на": опоздал на урок,
// на поезд (a place keeps "в": опоздал в школу).
constexpr std::array<std::u16string_view, 22> kLateFor = {
    u"урок",    u"поезд",   u"автобус", u"самолёт",  u"электричка", u"трамвай", u"троллейбус",
    u"концерт", u"спектакль", u"собрание", u"встреча", u"лекция",    u"экзамен", u"занятие",
    u"работа",  u"свадьба", u"матч",    u"тренировка", u"рейс",    u"обед",    u"репетиция",
    u"семинар"};

// Money words that make "тор" a price: йөз сум тора "стоит сто рублей".
constexpr std::array<std::u16string_view, 9> kPriceWords = {
    u"сум", u"тиен", u"ничә", u"күпме", u"кыйммәт", u"арзан", u"доллар", u"евро", u"акча"};

// Activities whose indefinite object is many things (Russian imperfectives).
constexpr std::array<std::u16string_view, 6> kGathering = {u"собирать", u"сажать", u"обрывать",
                                                           u"рвать",    u"копать", u"ловить"};

// Tatar verbs of going somewhere: монда, анда with them say where to.
constexpr std::array<std::u16string_view, 11> kGoingStems = {
    u"бар", u"кил", u"кайт", u"кер", u"кит", u"чык", u"мен", u"төш", u"йөгер", u"оч", u"күч"};

// A plain verb reading of one word (no two-word construction).
bool IsSimpleVerb(const TTransUnit& r) {
  return r.Rus.WordClass == wcVerb && r.Tat.WordClass == wcVerb && r.Tat.Source.find(u' ') == std::u16string::npos;
}

// The Tatar case of a noun form code: 0 nominative, 1 genitive, 2 dative,
// 3 accusative, 4 ablative, 5 locative; -1 for the other forms.
int TatarCase(int code) {
  if (code >= 1 && code <= 36) return (code - 1) % 6;
  if (code >= 37 && code <= 41) return code - 36;
  if (code >= 42 && code <= 71) return (code - 42) % 6;
  if (code == 87) return 0;
  return -1;
}

bool IsImperative(int code) { return code == 2 || code == 3 || code == 11 || code == 12; }
bool IsPresentCode(int code) { return code >= 15 && code <= 26; }
bool IsDefinitePastCode(int code) { return code >= 27 && code <= 38; }
bool IsGanPastCode(int code) { return code >= 39 && code <= 50; }
// The person of a finite code: 0 1sg, 1 2sg, 2 3sg, 3 1pl, 4 2pl, 5 3pl.
int PersonOf(int code) { return (code - 15) % 6; }
bool IsSpeakerPerson(int person) { return person != 2 && person != 5; }

}  // namespace

bool TSP_tat::IsAsked(int v) {
  const int to = ClauseEnd(v);
  const std::u16string own = Source(v);
  return (to + 1 < SlotCount() && Kits[to + 1].Text.find(u'?') != std::u16string::npos) ||
         own.ends_with(u"мы") || own.ends_with(u"ме");
}

void TSP_tat::VerbTenses() {
  // "Мин аны күргәнем бар" (I have seen him once): the -ган participle
  // with a possessive and бар/юк is the speaker's experience, the
  // imperfective past: Я его видел; with юк: Я его не видел.
  static constexpr std::pair<std::u16string_view, int> possessives[] = {
      {u"ыбыз", 3}, {u"ебез", 3}, {u"ыгыз", 4}, {u"егез", 4}, {u"ым", 0}, {u"ем", 0},
      {u"ың", 1},   {u"ең", 1},   {u"ы", 2},    {u"е", 2}};
  static constexpr std::u16string_view owners[6] = {u"минем", u"синең", u"аның", u"безнең", u"сезнең", u"аларның"};
  static constexpr std::u16string_view subjects[6] = {u"я", u"ты", u"он", u"мы", u"вы", u"они"};
  const TVerb& verbs = Translator->Dictionary().Verb;
  for (int k = FirstWord; k < LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || Kits[k + 1].Kind != kkTranslated) continue;
    const std::u16string exists = Source(k + 1);
    const bool have = exists == u"бар" || exists == u"бармы";
    const bool lack = exists == u"юк" || exists == u"юкмы";
    if ((!have && !lack) || (k + 1 < LastWord && Kits[k + 2].Kind != kkSeparator)) continue;
    const std::u16string word = Source(k);
    int person = -1;
    std::u16string stem;
    for (const auto& [ending, p] : possessives)
      if (word.ends_with(ending)) {
        stem = word.substr(0, word.size() - ending.size());
        person = p;
        break;
      }
    if (person < 0 || !(stem.ends_with(u"ган") || stem.ends_with(u"гән") || stem.ends_with(u"кан") ||
                        stem.ends_with(u"кән")))
      continue;
    TTransUnit verb;
    if (!verbs.AnalyseWord(stem, verb.Tat, verb.Rus) || verb.Tat.EndingCode != 41) continue;
    const int code = (lack ? 45 : 39) + person;
    const int row = verb.Tat.StemRow;
    const int entry = verbs.VerbNumber(row);
    verb.Tat.EndingCode = static_cast<uint8_t>(code);
    verb.Tat.Source = Tat(k).Source;
    verb.Rus.StemRow = VerbOfAspect(entry, verbs.PartnerNumber(row), verbs.IsPerfective(entry), awImperfective);
    const TCasePrefix rule = VerbRule(code);
    verb.Rus.Case = rule.Case;
    verb.Rus.Prefix.assign(rule.Prefix);
    verb.Rus.FoundClass = wcVerb;
    Kits[k].Readings.assign(1, std::move(verb));
    Kits.erase(Kits.begin() + k + 1);
    --LastWord;
    // The owner in the genitive is the one who did it: минем -> я.
    for (int o = ClauseStart(k); o < k; ++o)
      for (int p = 0; p < 6; ++p)
        if (Kits[o].Kind == kkTranslated && Source(o) == owners[p]) {
          const uint8_t capital = Kits[o].Capital;
          TTransKit subject = FixedKit(subjects[p], wcUnchanged03);
          subject.Readings[0].Tat.Source.assign(owners[p]);
          subject.Capital = capital;
          Kits[o] = std::move(subject);
        }
  }

  // "элек" after a span of time or an ablative is "назад"/"до" (ике ел
  // элек, дәрестән элек); anywhere else it is "раньше", formerly (Алар
  // элек авылда яшәделәр: Раньше они жили в деревне).
  for (int k = FirstWord; k <= LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || Source(k) != u"элек" || Class(k) == wcAdverb) continue;
    const int p = k - 1;
    const bool governs = p >= FirstWord && Kits[p].Kind == kkTranslated &&
                         (IsTimeUnit(p) || IsCountWord(p) ||
                          ((Class(p) & (wcNoun | wcSubNoun)) && IsAblativeEnding(Tat(p).EndingCode)) ||
                          Source(p).ends_with(u"дан") || Source(p).ends_with(u"дән") ||
                          Source(p).ends_with(u"тан") || Source(p).ends_with(u"тән") ||
                          Source(p).ends_with(u"нан") || Source(p).ends_with(u"нән"));
    if (governs) continue;
    if (int adverb; HasReading(k, wcAdverb, adverb)) {
      Keep(k, adverb);
    } else {
      const uint8_t capital = Kits[k].Capital;
      Kits[k] = FixedKit(u"раньше", wcAdverb);
      Kits[k].Readings[0].Tat.Source = u"элек";
      Kits[k].Capital = capital;
    }
  }
  bool habitual = false;
  for (int k = FirstWord; k <= LastWord; ++k)
    habitual = habitual || (Kits[k].Kind == kkTranslated && IsHabitualWord(Source(k)));
  for (int v = FirstWord; v <= LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated) continue;
    // A word the lexicon gives as a phrase (белмим "не знаю") is the verb
    // again after an object in the accusative: аның адресын белмим.
    if (Class(v) == wcDirect && v > FirstWord && Kits[v - 1].Kind == kkTranslated &&
        (v == LastWord || Kits[v + 1].Kind == kkSeparator) &&
        (Class(v - 1) & (wcNoun | wcSubNoun)) && TatarCase(Tat(v - 1).EndingCode) == 3 &&
        Source(v).find(u' ') == std::u16string::npos) {
      TTransUnit verb;
      if (verbs.AnalyseWord(Source(v), verb.Tat, verb.Rus) && verb.Tat.EndingCode >= 15 &&
          verb.Tat.EndingCode <= 74) {
        verb.Tat.Source = Tat(v).Source;
        verb.Rus.FoundClass = wcVerb;
        Kits[v].Readings.assign(1, std::move(verb));
      }
    }
    const int from = ClauseStart(v);
    const int to = ClauseEnd(v);
    const bool question = IsAsked(v);
    bool future = false, when = false, already = false, accusative = false, place = false;
    for (int k = from; k <= to; ++k) {
      if (k == v || Kits[k].Kind != kkTranslated) continue;
      const std::u16string word = Source(k);
      future = future || OneOf(word, kFutureWords);
      when = when || (k < v && word == u"кайчан");
      already = already || (k < v && word == u"инде");
      if (k < v && (Class(k) & (wcNoun | wcSubNoun))) {
        const int c = TatarCase(Tat(k).EndingCode);
        const bool pronounObject = Class(k) == wcSubNoun && IsPronounObject(k);
        accusative = accusative || (Class(k) == wcNoun && c == 3) || pronounObject;
        place = place || (Class(k) == wcNoun && c == 5);
      }
    }
    for (TTransUnit& reading : Kits[v].Readings) {
      if (!IsSimpleVerb(reading)) continue;
      const int code = reading.Tat.EndingCode;
      const int row = reading.Tat.StemRow;
      const int entry = verbs.VerbNumber(row);
      const int partner = verbs.PartnerNumber(row);
      if (partner <= 0) continue;
      const bool entryPerfective = verbs.IsPerfective(entry);
      const int perfective = entryPerfective ? entry : partner;
      const int imperfective = entryPerfective ? partner : entry;
      if (IsPresentCode(code)) {
        // Something to happen at a time to come, or asked when: the
        // perfective future (Иртәгә китәм: Завтра уйду). Habits stay.
        if (!habitual && (future || (when && question)) && verbs.IsPerfective(perfective))
          reading.Rus.StemRow = perfective;
      } else if (IsGanPastCode(code) && !IsNegativeVerbEnding(code)) {
        // Having done it at some time: experience, the imperfective of an
        // activity (Я читал эту книгу). A change the lexicon gives as a
        // perfective entry keeps it (Ты вернулся?), and so does "инде".
        const bool experience = IsSpeakerPerson(PersonOf(code)) || question;
        if (experience && !already && !entryPerfective && !habitual) reading.Rus.StemRow = imperfective;
      } else if (IsDefinitePastCode(code) && !IsNegativeVerbEnding(code)) {
        // Gathering, eating, reading things at a place: an indefinite
        // plural or mass object tells the activity (собирали цветы в лесу,
        // пили чай в саду). A definite object (-ны), a single thing, "инде"
        // and a perfective entry keep the perfective (прочитали стихотворение).
        if (!place || entryPerfective || already || accusative || habitual) continue;
        const int o = v - 1;
        if (o < from || Kits[o].Kind != kkTranslated || Class(o) != wcNoun) continue;
        const int oc = Tat(o).EndingCode;
        TFormRus activity = reading.Rus;
        activity.StemRow = imperfective;
        // Things gathered, picked or planted are many: a bare singular
        // is plural in Russian (гөмбә җыйдык: собирали грибы).
        const bool gathering = oc == 1 && !IsMassNoun(o) && Rus(o).Variant != 1 &&
                               OneOf(InfinitiveOf(verbs, activity), kGathering);
        if (oc != 87 && !(oc == 1 && IsMassNoun(o)) && !gathering) continue;
        const int subject = SubjectOf(from, v);
        if (subject == o || (subject < 0 && !IsSpeakerPerson(PersonOf(code)))) continue;
        reading.Rus.StemRow = imperfective;
        if (gathering) Rus(o).Number = 2;
      }
    }
  }
}

void TSP_tat::RoundTrips() {
  // "Кичә театрга бардык": going somewhere at a past time, or to an event,
  // and being back is "ходили"/"ездили"; a trip followed by what was done
  // there keeps "пошли" (Кибеткә бардым да икмәк алдым).
  const TVerb& verbs = Translator->Dictionary().Verb;
  for (int v = FirstWord; v <= LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb || !IsSimpleVerb(Kits[v].Readings[0])) continue;
    if (verbs.TatarStem(Tat(v).StemRow) != u"бар") continue;
    const int code = Tat(v).EndingCode;
    if (!IsDefinitePastCode(code) && !IsGanPastCode(code)) continue;
    const int from = ClauseStart(v);
    const int to = ClauseEnd(v);
    const bool question = IsAsked(v);
    bool trip = IsGanPastCode(code) && (IsSpeakerPerson(PersonOf(code)) || question);
    bool purpose = false;
    for (int k = from; k < v; ++k) {
      if (Kits[k].Kind != kkTranslated) continue;
      const std::u16string word = Source(k);
      trip = trip || OneOf(word, kPastWords);
      // "өч ел элек" (three years ago) is a past time; "элек" alone is "раньше".
      trip = trip || (word == u"элек" && k > from && (IsTimeUnit(k - 1) || IsCountWord(k - 1)));
      if (Class(k) == wcNoun && IsDativeEnding(Tat(k).EndingCode) && OneOf(LemmaOf(k), kOutings)) trip = true;
      if (Class(k) == wcNoun && Source(k) == u"кунакка") trip = true;
      purpose = purpose || (Class(k) == wcVerb && (Tat(k).EndingCode == 5 || Tat(k).EndingCode == 75));
    }
    // A new action after the trip: "пошёл ... и купил".
    bool next = false;
    for (int k = v + 1; k <= LastWord; ++k)
      next = next || (Kits[k].Kind == kkTranslated && Class(k) == wcVerb && Tat(k).WordClass == wcVerb &&
                      (IsDefinitePastCode(Tat(k).EndingCode) || IsGanPastCode(Tat(k).EndingCode)));
    if (!trip || purpose || next) continue;
    for (TTransUnit& reading : Kits[v].Readings) {
      if (!IsSimpleVerb(reading)) continue;
      if (const int number = RoundTripOf(verbs, reading.Rus); number >= 0) reading.Rus.StemRow = number;
    }
  }
}

void TSP_tat::DirectionWords() {
  // "монда", "анда", "кайда" with a verb of going say where to: сюда, туда, куда (Ул
  // монда килде: Он пришёл сюда); "Монда кил!" calls: Иди сюда!
  const TVerb& verbs = Translator->Dictionary().Verb;
  for (int v = FirstWord; v <= LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb || Tat(v).WordClass != wcVerb) continue;
    if (!OneOf(verbs.TatarStem(Tat(v).StemRow), kGoingStems)) continue;
    const int from = ClauseStart(v);
    const int to = ClauseEnd(v);
    bool here = false;
    for (int k = from; k <= to; ++k) {
      if (k == v || Kits[k].Kind != kkTranslated) continue;
      // The word goes with the first verb after it (Диңгезгә бардык, анда
      // ял иттек: there, not thither).
      int next = k + 1;
      while (next < v && Class(next) != wcVerb) ++next;
      if (k < v && next != v) continue;
      const std::u16string word = Source(k);
      const bool near = word == u"монда" || word == u"мында";
      // "кайда" with going asks where to, as "кая" does: Кайда барасың? Куда ты идёшь?
      const bool asked = word == u"кайда";
      if (!near && !asked && word != u"анда" && word != u"шунда") continue;
      const uint8_t capital = Kits[k].Capital;
      Kits[k] = FixedKit(near ? u"сюда" : asked ? u"куда" : u"туда");
      Kits[k].Readings[0].Tat.Source = word;
      Kits[k].Capital = capital;
      here = here || near;
    }
    const int code = Tat(v).EndingCode;
    if (here && (code == 2 || code == 11) && verbs.TatarStem(Tat(v).StemRow) == u"кил")
      if (const int go = VerbNumberOf(verbs, u"идти"); go >= 0) Rus(v).StemRow = go;
  }
}

void TSP_tat::VerbGovernment() {
  const TVerb& verbs = Translator->Dictionary().Verb;
  // Going visiting: кунакка "в гости", кунакта "в гостях", кунактан "из
  // гостей", whatever the verb (бардык, чакырды, идек, кайттык).
  for (int n = FirstWord; n <= LastWord; ++n) {
    if (Kits[n].Kind != kkTranslated || Class(n) != wcNoun || LemmaOf(n) != u"гость") continue;
    const int code = Tat(n).EndingCode;
    if (code != 3 && code != 5 && code != 6) continue;
    int p = n - 1;
    if (p < FirstWord || Kits[p].Kind != kkTranslated || Class(p) != wcPostposition) {
      // A dative of a person takes no preposition of its own (гостю).
      Kits.insert(Kits.begin() + n, FixedKit(u"в", wcPostposition));
      ++LastWord;
      p = n++;
    }
    Rus(n).Number = 2;
    Rus(n).Case = code == 3 ? 2 : code == 5 ? 4 : 12;
    Rus(n).Agreed = 1;
    Rus(p).RusText = code == 5 ? u"из" : u"в";
    Kits[p].Text = Rus(p).RusText;
  }
  for (int v = FirstWord; v <= LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb || Tat(v).WordClass != wcVerb) continue;
    // The verbs have found their Russian place: the clause is searched
    // on both sides of the verb.
    const int from = ClauseStart(v);
    int to = ClauseEnd(v);
    const int code = Tat(v).EndingCode;
    const std::u16string infinitive = InfinitiveOf(verbs, Rus(v));
    const bool negated = IsNegativeVerbEnding(code) || Rus(v).Prefix.starts_with(u"не ");
    // Not knowing something, or not seeing or hearing anything of a kind:
    // the genitive of negation (не знает английского языка, не видел
    // никакой разницы). A person keeps the accusative, the genitive anyway
    // for the animate (не видел Марата); a definite thing seen keeps it
    // too (не видел эту машину). Runs after the verbs found their place.
    if (negated && (infinitive == u"знать" || infinitive == u"видеть" || infinitive == u"увидеть" ||
                    infinitive == u"слышать" || infinitive == u"иметь")) {
      for (int n = from; n <= to; ++n) {
        // An object (MarkObjects gave it the accusative) that is no person.
        if (Kits[n].Kind != kkTranslated || Class(n) != wcNoun || Rus(n).Variant == 1) continue;
        if (Rus(n).Case != 7 && Rus(n).Case != 8) continue;
        const int c = TatarCase(Tat(n).EndingCode);
        int start = n;
        bool none = false;
        while (start - 1 >= from && Kits[start - 1].Kind == kkTranslated &&
               (Class(start - 1) & (wcAdjective | wcUnchanged07))) {
          --start;
          none = none || Source(start) == u"бернинди" || Source(start) == u"һичнинди";
        }
        const bool indefinite = c == 0;
        const bool known = c == 3 && infinitive == u"знать";
        if (!indefinite && !known && !(none && c == 3)) continue;
        Rus(n).Case = Rus(n).Case == 8 ? 4 : 3;
        Rus(n).Agreed = 1;
        for (int k = start; k < n; ++k) {
          if (Rus(k).Case == 14) continue;
          Agree(k, n, afCase | afNumber);
          // "бернинди" stands as "никакой" in the nominative; its genitive:
          // никакого, никакой, никаких.
          if (Class(k) == wcUnchanged07 && (Source(k) == u"бернинди" || Source(k) == u"һичнинди")) {
            const uint8_t capital = Kits[k].Capital;
            const int gender = Rus(n).Gender;
            Kits[k] = FixedKit(Rus(n).Case == 4 || gender == 4 ? u"никаких" : gender == 2 ? u"никакой" : u"никакого");
            Kits[k].Capital = capital;
          }
        }
      }
    }
    // Late for a lesson or a train: "опоздать на"; for a place "в" stays.
    if (infinitive == u"опоздать" || infinitive == u"опаздывать") {
      for (int n = from + 1; n <= to; ++n) {
        if (Kits[n].Kind != kkTranslated || Class(n) != wcNoun || !IsDativeEnding(Tat(n).EndingCode)) continue;
        if (!OneOf(LemmaOf(n), kLateFor)) continue;
        int p = n - 1;
        while (p > from && Kits[p].Kind == kkTranslated && (Class(p) & (wcAdjective | wcNumeral | wcUnchanged07)))
          --p;
        if (Kits[p].Kind == kkTranslated && Class(p) == wcPostposition && (Rus(p).RusText == u"в" || Rus(p).RusText == u"к")) {
          Rus(p).RusText = u"на";
          Kits[p].Text = u"на";
          Rus(n).Case = Rus(n).Number == 2 ? 8 : 7;
          Rus(n).Agreed = 1;
        }
      }
    }
    // A price with "тор": стоит (Бу китап йөз сум тора, Ничә сум тора?).
    if (verbs.TatarStem(Tat(v).StemRow) == u"тор" && IsSimpleVerb(Kits[v].Readings[0]) &&
        !IsImperative(code) && code != 75) {
      bool price = false;
      for (int k = from; k <= to; ++k) price = price || (Kits[k].Kind == kkTranslated && OneOf(Source(k), kPriceWords));
      for (int k = from; k <= to && !price; ++k)
        price = Kits[k].Kind == kkTranslated && Class(k) == wcNoun &&
                (LemmaOf(k) == u"рубль" || LemmaOf(k) == u"копейка" || LemmaOf(k) == u"цена");
      if (!price) continue;
      const int cost = VerbNumberOf(verbs, u"стоить");
      if (cost < 0) continue;
      for (TTransUnit& reading : Kits[v].Readings)
        if (IsSimpleVerb(reading)) reading.Rus.StemRow = cost;
      // "бу" before the price is the thing priced: Бу ун сум тора, Это стоит
      // десять рублей.
      for (int d = from; d < to; ++d) {
        const std::u16string word = Source(d);
        if (Kits[d].Kind != kkTranslated || (word != u"бу" && word != u"шул") || Class(d) == wcNoun ||
            d + 1 > to || (Class(d + 1) & (wcNoun | wcAdjective)))
          continue;
        const uint8_t dc = Kits[d].Capital;
        Kits[d] = FixedKit(u"это");
        Kits[d].Readings[0].Tat.Source = word;
        Kits[d].Capital = dc;
      }
      // "Ничә сум тора?" asks the price: Сколько стоит? A demonstrative
      // standing alone is the thing priced: Бу ничә сум тора? Сколько это стоит?
      for (int k = from; k < to; ++k) {
        if (Kits[k].Kind != kkTranslated || Source(k) != u"ничә" || Source(k + 1) != u"сум") continue;
        const uint8_t capital = Kits[k].Capital;
        Kits[k] = FixedKit(u"сколько");
        Kits[k].Readings[0].Tat.Source = u"ничә";
        Kits[k].Capital = capital;
        Kits.erase(Kits.begin() + k + 1);
        --LastWord;
        --to;
        if (v > k) --v;
        for (int d = from; d <= to; ++d) {
          const std::u16string word = Source(d);
          if (Kits[d].Kind != kkTranslated || (word != u"бу" && word != u"шул") || Class(d) == wcNoun ||
              (d + 1 <= to && (Class(d + 1) & (wcNoun | wcAdjective))))
            continue;
          const uint8_t dc = Kits[d].Capital;
          Kits[d] = FixedKit(u"это");
          Kits[d].Readings[0].Tat.Source = word;
          Kits[d].Capital = dc;
        }
        // The question opens the clause, the verb follows it unless the
        // thing is "это": Сколько стоит хлеб? Сколько это стоит?
        Move(k, from);
        bool pronoun = false;
        int verb = -1;
        for (int d = from + 1; d <= to; ++d) {
          pronoun = pronoun || Rus(d).RusText == u"это";
          if (Kits[d].Kind == kkTranslated && Class(d) == wcVerb) verb = d;
        }
        if (!pronoun && verb > from + 1) Move(verb, from + 1);
        v = to;
        break;
      }
    }
  }
}

}  // namespace tatengine
