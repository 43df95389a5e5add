// Tense, aspect and modality that a whole clause decides:
//   a condition about what is to come and the clause it conditions say the
//   perfective future: Ашамасаң, ачыгырсың "Если не поешь, проголодаешься",
//   Кар яуса, без өйдә калабыз "Если пойдёт снег, мы останемся дома"; a
//   present without an aspect partner there is the compound future (будем
//   играть);
//   a habit in the past (-а иде, or a past with саен, еш, гел) is a trip
//   there and back for verbs of going: Җәй саен авылга бара идек "Каждое
//   лето мы ездили в деревню", Иртә саен йөгерә иде "Бегал каждое утро";
//   "-а ала" of a skill is "уметь" (Мин йөзә алам: Я умею плавать), and of
//   a planned day to come the future "смогу" (Иртәгә килә алмыйм: Не смогу
//   прийти), while others unable today are "не может" (Ул бүген килә
//   алмый: Он сегодня не может прийти);
//   the weather needs no "воздух": Бүген һава суык "Сегодня холодно".
#include <array>

#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "Senses.h"
#include "TextUtil.h"
#include "Transler.h"
#include "VerbAspect.h"

namespace tatengine {
namespace {

constexpr int kCanVerb = 2037;  // мочь

bool IsConditionalCode(int code) { return code == 7 || code == 8 || (code >= 85 && code <= 94); }
bool IsPresentCode(int code) { return code >= 15 && code <= 26; }
bool IsPastCode(int code) { return code >= 27 && code <= 50; }

// A plain verb reading of one word (no two-word construction).
bool IsSimpleVerb(const TTransUnit& r) {
  return r.Rus.WordClass == wcVerb && r.Tat.WordClass == wcVerb && r.Tat.Source.find(u' ') == std::u16string::npos;
}

// "әгәр", "әгәрдә": the word "если" itself.
bool IsAgarWord(std::u16string_view low) { return low == u"әгәр" || low == u"әгәрдә"; }

// Words that put an event still to come: the day itself (бүген), or later.
constexpr std::array<std::u16string_view, 10> kComingWords = {
    u"иртәгә", u"киләсе", u"соңрак", u"тиздән", u"берсекөнне", u"якында", u"киләчәктә",
    u"бүген",  u"кичкә",  u"иртәгесен"};

// Plural times that say "every": җәйләрен "по летам", кичләрен "по вечерам".
constexpr std::array<std::u16string_view, 10> kPluralTimes = {
    u"җәйләрен", u"кышларын", u"язларын",  u"көзләрен",  u"кичләрен",
    u"иртәләрен", u"төннәрен", u"көндезләрен", u"ялларда", u"якшәмбеләрдә"};

// Tatar stems whose "-а ала" says a skill one has learnt: умею плавать.
constexpr std::array<std::u16string_view, 8> kSkillStems = {u"йөз", u"шу",   u"бие",  u"пешер",
                                                           u"тек", u"бәйлә", u"сызгыр", u"чаңгы шу"};


// One-way going and its start, the perfective that a condition says.
constexpr std::array<std::pair<std::u16string_view, std::u16string_view>, 4> kStartsGoing = {{
    {u"идти", u"пойти"}, {u"ехать", u"поехать"}, {u"бежать", u"побежать"}, {u"лететь", u"полететь"}}};

// Adjectives of the weather that say the state alone with "һава": Һава
// суык "Холодно", Бүген һава җылы "Сегодня тепло".
constexpr std::array<std::u16string_view, 10> kWeatherStates = {
    u"суык", u"салкын", u"җылы",  u"эссе",  u"аяз",
    u"болытлы", u"җилле", u"бөркү", u"томанлы", u"салкынча"};

// The Tatar lemma of a verb stem row (бие), which the stem (би) may not be.
std::u16string_view VerbLemma(const TVerb& verbs, int row) {
  if (row >= 0 && row < verbs.Stems.RowCount() && verbs.Stems.RowLength(row) > 4) return CellAt(verbs.Stems, row, 4);
  return verbs.TatarStem(row);
}

std::u16string FirstWordOf(std::u16string_view text) {
  const size_t blank = text.find(u' ');
  return std::u16string(blank == std::u16string_view::npos ? text : text.substr(0, blank));
}

}  // namespace

namespace {

// A word of repetition (еш, гел, саен, һәр); lasting a while (көне буе,
// озак) is no habit of going.
bool IsRepetitionWord(std::u16string_view word) {
  return IsHabitualWord(word) && word != u"буе" && word != u"буена" && word != u"озак";
}

}  // namespace

bool TSP_tat::IsHabitualClause(int from, int to) {
  for (int k = from; k <= to; ++k) {
    if (Kits[k].Kind != kkTranslated) continue;
    const std::u16string word = Source(k);
    // "өч ел элек" is a point in time, "элек" alone a habit of old.
    if (word == u"элек" && k > from && (IsTimeUnit(k - 1) || IsCountWord(k - 1))) continue;
    if (IsRepetitionWord(word) || OneOf(word, kPluralTimes)) return true;
    // A phrase such as "иртә саен" (каждое утро) carries the word inside.
    for (size_t at = 0;;) {
      const size_t blank = word.find(u' ', at);
      if (IsRepetitionWord(std::u16string_view(word).substr(at, blank == std::u16string::npos ? blank : blank - at)))
        return true;
      if (blank == std::u16string::npos) break;
      at = blank + 1;
    }
  }
  return false;
}

void TSP_tat::ConditionalFutures() {
  // "Эшне бетерсәң, уйнарга чыгарсың": a condition with the clause it
  // conditions after it is about what is to come. The condition takes the
  // perfective (Если закончишь работу), and so does a present in the main
  // clause (калабыз: останемся); a present with no perfective is the
  // compound future (будем играть). A habit (Кышын кар яуса, ...) and a
  // main clause in the past keep the forms as they are.
  static constexpr std::u16string_view future[12] = {
      u"буду ",    u"будешь ",    u"будет ",    u"будем ",    u"будете ",    u"будут ",
      u"не буду ", u"не будешь ", u"не будет ", u"не будем ", u"не будете ", u"не будут "};
  const TVerb& verbs = Translator->Dictionary().Verb;
  for (int v = FirstWord; v < LastWord; ++v) {
    // A verb of two words (ярдәм итсәң, соңга калсаң) is a condition too.
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb || Tat(v).WordClass != wcVerb ||
        !IsConditionalCode(Tat(v).EndingCode))
      continue;
    // The condition ends its clause; a comma leads to the main clause.
    if (Kits[v + 1].Kind != kkSeparator || Kits[v + 1].Text.find(u',') == std::u16string::npos) continue;
    const int from = ClauseStart(v);
    const int main = v + 2;
    if (main > LastWord || Kits[main].Kind == kkSeparator) continue;
    const int to = ClauseEnd(main);
    if (IsHabitualClause(from, to)) continue;
    bool past = false;
    for (int k = main; k <= to; ++k)
      past = past || (Kits[k].Kind == kkTranslated && (IsIdeWord(Source(k)) ||
                                                       (Class(k) == wcVerb && Tat(k).WordClass == wcVerb &&
                                                        IsPastCode(Tat(k).EndingCode))));
    if (past) continue;
    for (TTransUnit& reading : Kits[v].Readings) {
      if (reading.Rus.WordClass != wcVerb || reading.Tat.WordClass != wcVerb ||
          !IsConditionalCode(reading.Tat.EndingCode))
        continue;
      const int row = reading.Tat.StemRow;
      const int entry = verbs.VerbNumber(row);
      reading.Rus.StemRow =
          VerbOfAspect(entry, verbs.PartnerNumber(row), verbs.IsPerfective(entry), awPerfective);
      // Going that has no partner starts: яуса "если пойдёт (дождь)".
      if (!verbs.IsPerfective(reading.Rus.StemRow))
        for (const auto& [oneWay, start] : kStartsGoing)
          if (InfinitiveOf(verbs, reading.Rus) == oneWay) {
            if (const int number = VerbNumberOf(verbs, start); number >= 0) reading.Rus.StemRow = number;
            break;
          }
    }
    for (int m = main; m <= to; ++m) {
      if (Kits[m].Kind != kkTranslated || Class(m) != wcVerb) continue;
      // A present before another verb is the -а converb (йөгерә башлый).
      if (m < to && Class(m + 1) == wcVerb) continue;
      for (TTransUnit& reading : Kits[m].Readings) {
        const int code = reading.Tat.EndingCode;
        if (!IsSimpleVerb(reading) || !IsPresentCode(code)) continue;
        const int row = reading.Tat.StemRow;
        const int entry = verbs.VerbNumber(row);
        const int partner = verbs.PartnerNumber(row);
        // "бул" says a state (есть); it stays as it is.
        if (verbs.TatarStem(row) == u"бул") continue;
        if (partner > 0 || verbs.IsPerfective(entry)) {
          reading.Rus.StemRow = VerbOfAspect(entry, partner, verbs.IsPerfective(entry), awPerfective);
        } else {
          reading.Rus.Case = 1;
          reading.Rus.Prefix.assign(future[code - 15]);
        }
      }
    }
    // "если" opens the clause; one slot more stands before the comma.
    const int before = SlotCount();
    ConditionFirst(v);
    v += SlotCount() - before;
  }
}

void TSP_tat::ConditionFirst(int v) {
  // Russian opens the condition with "если", then the subject and the verb
  // before its objects: Эшне бетерсәң "Если закончишь работу", Кар яуса
  // "Если пойдёт снег". The verb carries "если" as its prefix.
  TFormRus& rus = Rus(v);
  if (!rus.Prefix.starts_with(u"если ")) return;
  const int from = ClauseStart(v);
  if (from == v) return;
  // A possessed subject (вакытың булса: если у тебя будет время) says who
  // has it: the clause is left as it is.
  for (int k = from; k < v; ++k)
    if (Kits[k].Kind != kkTranslated || ((Class(k) & (wcNoun | wcSubNoun)) && Rus(k).Possessor != 0) ||
        (k > from && IsAgarWord(Source(k))))
      return;
  // The verb follows the subject (a pronoun, or a noun with its modifiers);
  // without one it follows "если" and the adverbs of time. An "әгәр" that
  // opens the clause stays before both.
  const int first = IsAgarWord(Source(from)) ? from + 1 : from;
  const int subject = SubjectOf(first, v);
  int at = first;
  if (subject >= 0) {
    at = subject + 1;
  } else {
    while (at < v && SingleReading(at, wcAdverb)) ++at;
  }
  OpenCondition(v, from, at, true);
}

void TSP_tat::OpenCondition(int v, int from, int at, bool agar) {
  for (TTransUnit& reading : Kits[v].Readings)
    if (reading.Rus.Prefix.starts_with(u"если ")) reading.Rus.Prefix.erase(0, 5);
  const bool said = agar && IsAgarWord(Source(from));
  if (at < v) Move(v, at);
  if (said) return;
  TTransKit conjunction = FixedKit(u"если");
  if (agar) conjunction.Readings[0].Tat.Source = u"әгәр";
  Kits.insert(Kits.begin() + from, std::move(conjunction));
  ++LastWord;
}

void TSP_tat::ActivityPasts() {
  // "Кызлар волейбол уйнаганнар": a -ган past of others with an
  // indefinite object tells what they were doing, the imperfective
  // (играли в волейбол); a definite object (-ны), "инде" or a perfective
  // entry keep the one completed action.
  const TDictionaryTR& d = Translator->Dictionary();
  const TVerb& verbs = d.Verb;
  for (int v = FirstWord + 1; v <= LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb || !IsSimpleVerb(Kits[v].Readings[0])) continue;
    const int code = Tat(v).EndingCode;
    if (code != 41 && code != 44) continue;
    if (v < LastWord && Kits[v + 1].Kind != kkSeparator) continue;
    const int o = v - 1;
    if (Kits[o].Kind != kkTranslated || Class(o) != wcNoun || (Tat(o).EndingCode != 1 && Tat(o).EndingCode != 87))
      continue;
    const int from = ClauseStart(v);
    const int subject = SubjectOf(from, v);
    if (subject < 0 || subject == o) continue;
    bool already = false;
    for (int k = from; k < v; ++k) already = already || Source(k) == u"инде";
    if (already) continue;
    for (TTransUnit& reading : Kits[v].Readings) {
      if (!IsSimpleVerb(reading)) continue;
      const int row = reading.Tat.StemRow;
      const int entry = verbs.VerbNumber(row);
      // Only an activity without an aspect partner of its own (уйна
      // "играть"); a verb with a result keeps it (бәлеш пешергән: испекла).
      if (verbs.IsPerfective(entry) || verbs.PartnerNumber(row) > 0) continue;
      int imperfective = VerbOfAspect(entry, verbs.PartnerNumber(row), false, awImperfective);
      for (const TSenseRule& rule : d.Senses.RulesOf(TatarLemmaOf(v))) {
        if (rule.Relation == srHead || SenseContextSlot(rule, from, v) < 0) continue;
        if (rule.Imperfective > 0) imperfective = rule.Imperfective;
        break;
      }
      reading.Rus.StemRow = imperfective;
    }
  }
}

void TSP_tat::HabitualPasts() {
  // A habit in the past: "-а иде" with саен, еш, гел, һәр or a plural time,
  // or a past with them (HabitualAspect gave it the imperfective). Verbs of
  // going say the trip there and back: ходил, ездил, бегал. The two-word
  // "-а иде" takes the sense its context words ask for (авылга: ехать).
  const TDictionaryTR& d = Translator->Dictionary();
  const TVerb& verbs = d.Verb;
  for (int v = FirstWord; v <= LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb || Tat(v).WordClass != wcVerb) continue;
    const int from = ClauseStart(v);
    if (!IsHabitualClause(from, ClauseEnd(v))) continue;
    for (TTransUnit& reading : Kits[v].Readings) {
      if (reading.Rus.WordClass != wcVerb || reading.Tat.WordClass != wcVerb) continue;
      // The verb with "иде" is one reading of code 1 in the past; the "-а"
      // form is the one in the imperfective.
      const bool withIde = reading.Tat.EndingCode == 1 && reading.Rus.Case == 10;
      if (withIde) {
        if (verbs.IsPerfective(reading.Rus.StemRow) || reading.Rus.Prefix.find(u"не ") != std::u16string::npos)
          continue;
        for (const TSenseRule& rule : d.Senses.RulesOf(TatarLemmaOf(v))) {
          if (rule.Relation == srHead || rule.Imperfective <= 0) continue;
          if (SenseContextSlot(rule, from, v) < 0) continue;
          reading.Rus.StemRow = rule.Imperfective;
          break;
        }
      } else if (!IsSimpleVerb(reading) || !IsPastCode(reading.Tat.EndingCode) ||
                 IsNegativeVerbEnding(reading.Tat.EndingCode) || verbs.IsPerfective(reading.Rus.StemRow)) {
        continue;
      }
      if (const int round = RoundTripOf(verbs, reading.Rus); round >= 0) reading.Rus.StemRow = round;
    }
  }
}

void TSP_tat::ErrandInfinitives() {
  // "Миңа даруханәгә барырга кирәк": going somewhere one must is a short
  // errand there and back: Мне надо сходить в аптеку; to a town or a
  // village (the verb's sense said ехать) it is съездить. Without a place
  // (Миңа барырга кирәк) the going stays: надо идти.
  const TVerb& verbs = Translator->Dictionary().Verb;
  for (int v = FirstWord; v <= LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb || Tat(v).WordClass != wcVerb) continue;
    if (!Rus(v).Prefix.starts_with(u"надо ") || verbs.TatarStem(Tat(v).StemRow) != u"бар") continue;
    bool place = false;
    for (int k = ClauseStart(v); k < v; ++k)
      place = place || (Kits[k].Kind == kkTranslated && Class(k) == wcNoun && IsDativeEnding(Tat(k).EndingCode) &&
                        Rus(k).Variant != 1);
    if (!place) continue;
    const std::u16string infinitive = InfinitiveOf(verbs, Rus(v));
    const bool driving = infinitive == u"ехать" || infinitive == u"поехать";
    if (!driving && infinitive != u"идти" && infinitive != u"пойти") continue;
    if (const int errand = VerbNumberOf(verbs, driving ? u"съездить" : u"сходить"); errand >= 0)
      Rus(v).StemRow = errand;
  }
}

void TSP_tat::PermissionWords() {
  // An infinitive before ярый, ярыймы, ярамый, мөмкин is asked or told
  // whether it may be done: "Керергә ярыймы?" "Можно войти?", "Монда
  // йөгерергә ярамый" "Здесь нельзя бегать". ярый(мы) says "можно" and is
  // then a modal word like мөмкин; what must not be done is a general
  // rule: the imperfective, and the going there and back (бегать).
  const TVerb& verbs = Translator->Dictionary().Verb;
  for (int k = FirstWord; k < LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || Kits[k + 1].Kind == kkSeparator) continue;
    const std::u16string modal = Source(k + 1);
    const bool may = modal == u"ярый" || modal == u"ярыймы" || modal == u"мөмкинме";
    const bool mayNot = modal == u"ярамый" || modal == u"ярамыймы";
    if (!may && !mayNot && modal != u"мөмкин") continue;
    int infinitive = -1;
    for (int r = 0; r < static_cast<int>(Kits[k].Readings.size()) && infinitive < 0; ++r) {
      const TTransUnit& reading = Kits[k].Readings[r];
      if (reading.Tat.WordClass == wcVerb && reading.Rus.WordClass == wcVerb && reading.Tat.EndingCode == 5 &&
          reading.Tat.Source.find(u' ') == std::u16string::npos)
        infinitive = r;
    }
    if (infinitive < 0) {
      // A phrase the lexicon gives whole (тәмәке тартырга: курить) follows
      // the modal word as an infinitive does: Здесь нельзя курить.
      const std::u16string phrase = Source(k);
      if (Class(k) == wcDirect && (phrase.ends_with(u"рга") || phrase.ends_with(u"ргә"))) {
        if (may) {
          const uint8_t capital = Kits[k + 1].Capital;
          Kits[k + 1] = FixedKit(u"можно");
          Tat(k + 1).Source = u"мөмкин";
          Kits[k + 1].Capital = capital;
        }
        Move(k + 1, k);
        ++k;
      }
      continue;
    }
    TTransUnit chosen = Kits[k].Readings[infinitive];
    Kits[k].Readings.assign(1, std::move(chosen));
    if (may) {
      const uint8_t capital = Kits[k + 1].Capital;
      Kits[k + 1] = FixedKit(u"можно");
      Tat(k + 1).Source = u"мөмкин";
      Kits[k + 1].Capital = capital;
      // Asking leave to do it once: Можно сесть?
      const int row = Tat(k).StemRow;
      const int entry = verbs.VerbNumber(row);
      Rus(k).StemRow = VerbOfAspect(entry, verbs.PartnerNumber(row), verbs.IsPerfective(entry), awPerfective);
    } else if (mayNot) {
      TFormRus& rus = Rus(k);
      const int row = Tat(k).StemRow;
      const int entry = verbs.VerbNumber(row);
      rus.StemRow = VerbOfAspect(entry, verbs.PartnerNumber(row), verbs.IsPerfective(entry), awImperfective);
      if (const int round = RoundTripOf(verbs, rus); round >= 0) {
        rus.StemRow = round;
        // Running about here is no going somewhere: монда "здесь", not "сюда".
        for (int p = ClauseStart(k); p < k; ++p) {
          const std::u16string word = Source(p);
          if (Kits[p].Kind != kkTranslated || (word != u"монда" && word != u"анда")) continue;
          const uint8_t capital = Kits[p].Capital;
          Kits[p] = FixedKit(word == u"монда" ? u"здесь" : u"там", wcAdverb);
          Tat(p).Source = word == u"монда" ? u"здесь" : u"там";
          Kits[p].Capital = capital;
        }
      }
    }
  }
}

void TSP_tat::AbilityModals() {
  // "-а ала" (мочь) by what is meant: a skill one has is "уметь" (Мин йөзә
  // алам: Я умею плавать); a planned event, on a day to come or a going
  // one cannot make, is the future "смогу" (Мин иртәгә килә алмыйм: Я
  // завтра не смогу прийти). Being able to speak a language stays "мочь".
  const TVerb& verbs = Translator->Dictionary().Verb;
  for (int k = FirstWord; k <= LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || Class(k) != wcVerb || Rus(k).StemRow != kCanVerb) continue;
    const int code = Tat(k).EndingCode;
    if (!IsPresentCode(code) || Tat(k).Source.find(u' ') == std::u16string::npos) continue;
    TTransUnit main;
    if (!verbs.AnalyseWord(FirstWordOf(Source(k)), main.Tat, main.Rus)) continue;
    const std::u16string_view stem = VerbLemma(verbs, main.Tat.StemRow);
    const int from = ClauseStart(k);
    const int to = ClauseEnd(k);
    const bool negative = IsNegativeVerbEnding(code);
    // Others unable today are reported in the present: Ул бүген килә алмый
    // "Он сегодня не может прийти"; the speaker declining today's plan, and
    // anyone on a day to come, say the future: Мин бүген килә алмыйм "Я
    // сегодня не смогу прийти".
    const int person = (code - 15) % 6;
    const bool speaker = person == 0 || person == 3;
    bool coming = false;
    for (int j = from; j <= to; ++j)
      coming = coming || (Kits[j].Kind == kkTranslated && OneOf(Source(j), kComingWords) &&
                          !(negative && !speaker && Source(j) == u"бүген"));
    TFormRus& rus = Rus(k);
    if (coming) {
      rus.Prefix.assign(negative ? u"не с" : u"с");
    } else if (!negative && OneOf(stem, kSkillStems)) {
      if (const int can = VerbNumberOf(verbs, u"уметь"); can >= 0) rus.StemRow = can;
    }
  }
}

void TSP_tat::WeatherStates() {
  // "Бүген һава суык": the air is no subject in Russian, the weather is a
  // state: Сегодня холодно. "һава" before a weather adjective that ends the
  // clause (or stands before "иде", "түгел") goes, and the state rules say
  // the adverb.
  for (int n = FirstWord; n < LastWord; ++n) {
    if (Kits[n].Kind != kkTranslated || Source(n) != u"һава" || Class(n) != wcNoun) continue;
    int a = n + 1;
    while (a < LastWord && Kits[a].Kind == kkTranslated && SingleReading(a, wcAdverb)) ++a;
    if (Kits[a].Kind != kkTranslated) continue;
    const std::u16string state = Source(a);
    const size_t blank = state.find(u' ');
    if (!OneOf(blank == std::u16string::npos ? state : state.substr(0, blank), kWeatherStates)) continue;
    if (a < LastWord && Kits[a + 1].Kind != kkSeparator) {
      const std::u16string after = Source(a + 1);
      // The future of "бул" says the state to come as well (Иртәгә һава
      // җылы булачак: Завтра будет тепло).
      const bool future = after == u"булачак" || after == u"булыр";
      if (!IsIdeWord(after) && !after.starts_with(u"түгел") && !future) continue;
    }
    // The state is the adverb of the same stem (холодно); with "иде" the
    // state rules say it and add "было".
    const bool present = Rus(a).Prefix.empty();
    const TDictionaryTR& d = Translator->Dictionary();
    TTransUnit adverbial;
    int adverb = -1;
    if (present && !HasReading(a, wcAdverb, adverb)) {
      if (Class(a) != wcAdjective || !d.Adverb.Analyse(Tat(a).Source, adverbial.Tat, adverbial.Rus)) continue;
      adverbial.Rus.RusText = d.Adverb.Translate(adverbial.Rus);
      adverbial.Rus.FoundClass = wcAdverb;
    }
    if (present) {
      if (adverb >= 0)
        Keep(a, adverb);
      else
        Kits[a].Readings.assign(1, std::move(adverbial));
    }
    Kits.erase(Kits.begin() + n);
    --LastWord;
  }
}

}  // namespace tatengine
