// Aspect that the clause around a verb decides, where the verb form alone
// would say the other one:
//   an infinitive with кирәк or мөмкин is one planned act, the perfective
//   (Хатны язарга кирәк "Надо написать письмо"), unless the clause makes it
//   a routine: a word of habit, an early hour with no day named (иртә
//   торырга "рано вставать"), something one takes in as its bare object
//   (су эчәргә "пить воду"); with тиеш, a duty, the lexicon's verb stays
//   unless it is such a routine or the duty of a whole class of people
//   (Укучылар ... эшләргә тиеш "должны делать"); going with no place named
//   stays as it is (Безгә китәргә кирәк "Нам нужно уходить");
//   a -ды past of seeing or hearing with a pronoun object or asked, and any
//   past with беркайчан or кайчан да булса, is experience, the
//   imperfective: Син аны күрдеңме "Ты его видел?";
//   a negated -ды past with an object is one expected act that did not
//   happen, the perfective: Ул миңа шалтыратмады "Он мне не позвонил";
//   an order with a word of habit or "ашар алдыннан", or washing one's
//   hands told to all, is a routine: Кулларыгызны юыгыз "Мойте руки"; told
//   to one it is a request now (Кулларыңны ю "Помой руки", Ишекне яп
//   "Закрой дверь");
//   snow to come starts: Иртәгә кар явачак "Завтра пойдёт снег"; rain is
//   what there will be or not: Яңгыр яумаса "Если не будет дождя";
//   carrying: алып кайт, алып кил "принести", with a vehicle, heavy goods
//   or from a market or a town "привезти", a person "привести"; алып кит
//   "унести/увезти/увести"; алып бар done "отнести/отвезти/отвести", going
//   on "нести/везти/вести".
#include <array>

#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "Senses.h"
#include "TextUtil.h"
#include "Transler.h"
#include "VerbAspect.h"

namespace tatengine {
namespace {

bool IsPositivePast(int code) { return code >= 27 && code <= 32; }
bool IsNegatedPast(int code) { return code >= 33 && code <= 38; }
bool IsPositiveOrder(int code) { return code == 2 || code == 11; }
bool IsDefiniteFuture(int code) { return code >= 51 && code <= 56; }
bool IsNegatedCondition(int code) { return code == 8 || (code >= 90 && code <= 94); }

// The Tatar case of a noun form code: 0 nominative, 1 genitive, 2 dative,
// 3 accusative, 4 ablative, 5 locative; -1 for the other forms.
int TatarCase(int code) {
  if (code >= 1 && code <= 36) return (code - 1) % 6;
  if (code >= 37 && code <= 41) return code - 36;
  if (code >= 42 && code <= 71) return (code - 42) % 6;
  if (code == 87) return 0;
  return -1;
}

// Words that name the day or the moment: with them an early hour is one
// occasion (Иртәгә иртә торырга кирәк: завтра рано встать).
constexpr std::array<std::u16string_view, 8> kNamedDays = {
    u"иртәгә", u"бүген", u"хәзер", u"кичә", u"берсекөнне", u"шимбә", u"якшәмбе", u"иртәгесен"};

// Hours that, with no day named, make a routine: иртә торырга "рано вставать".
// ("соң" is also "after": дәрестән соң is one occasion.)
constexpr std::array<std::u16string_view, 3> kHours = {u"иртә", u"иртән", u"кичен"};

// Stems of taking something in: their bare object is a regimen.
constexpr std::array<std::u16string_view, 3> kIntakeStems = {u"эч", u"аша", u"кабул ит"};

// Stems of going: without a place they keep the lexicon's verb.
constexpr std::array<std::u16string_view, 8> kGoingStems = {u"бар", u"кил", u"кайт", u"кит",
                                                           u"кер", u"чык", u"йөр", u"оч"};

// Seeing and hearing: a -ды past of them with a pronoun, or asked, is
// experience (видел, слышал).
constexpr std::array<std::u16string_view, 2> kPerceptionStems = {u"күр", u"ишет"};
// Activities asked about in the -ды past: Син аны укыдыңмы "Ты его
// читал?"; a thing named is asked whether it got done (Ты прочитал книгу?).
constexpr std::array<std::u16string_view, 3> kAskedActivities = {u"укы", u"тыңла", u"кара"};

// Verbs whose negated past reports an activity, not a missed act: не
// видел, не ждал, не искал.
constexpr std::array<std::u16string_view, 12> kActivityStems = {
    u"күр", u"ишет", u"тыңла", u"кара", u"укы", u"көт", u"эзлә", u"уйла", u"ярат", u"бел", u"йокла", u"ашык"};

// One's own body: orders about it are routines of care (мойте руки).
constexpr std::array<std::u16string_view, 10> kBodyParts = {
    u"рука", u"зуб", u"лицо", u"нога", u"ухо", u"волосы", u"голова", u"шея", u"нос", u"палец"};

// Washing, brushing, combing: the care of one's body.
constexpr std::array<std::u16string_view, 5> kCareStems = {u"ю", u"чистарт", u"тара", u"юын", u"кис"};

// Rain, which "будет" says (Завтра будет дождь, Если не будет дождя), and
// snow, which starts to fall (Завтра пойдёт снег, Если не пойдёт снег).
constexpr std::array<std::u16string_view, 2> kRain = {u"дождь", u"ливень"};
constexpr std::array<std::u16string_view, 3> kSnow = {u"снег", u"град", u"снегопад"};

// What one carries in a vehicle: the vehicle itself, or goods too heavy to
// carry by hand.
constexpr std::array<std::u16string_view, 20> kVehicleWords = {
    u"машина",  u"автобус", u"поезд",    u"самолёт", u"грузовик", u"трактор",     u"такси",
    u"лодка",   u"телега",  u"мебель",   u"шкаф",    u"диван",    u"холодильник", u"дрова",
    u"уголь",   u"сено",    u"кирпич",   u"песок",   u"пианино",  u"велосипед"};

// Days to come: a present with them is the perfective future (принесу).
constexpr std::array<std::u16string_view, 5> kComingDays = {u"иртәгә", u"киләсе", u"соңрак", u"тиздән",
                                                           u"берсекөнне"};

// Places too far to carry things from on foot.
constexpr std::array<std::u16string_view, 7> kFarPlaces = {u"рынок", u"базар", u"деревня", u"город",
                                                          u"село",  u"дача",  u"район"};

// The Russian verbs of carrying by kind and means: perfective, imperfective.
struct TCarry {
  std::u16string_view Stem;  // алып + this Tatar stem
  std::u16string_view Hand[2], Vehicle[2], Lead[2];
};
constexpr std::array<TCarry, 4> kCarrying = {{
    {u"кайт", {u"принести", u"приносить"}, {u"привезти", u"привозить"}, {u"привести", u"приводить"}},
    {u"кил", {u"принести", u"приносить"}, {u"привезти", u"привозить"}, {u"привести", u"приводить"}},
    {u"кит", {u"унести", u"уносить"}, {u"увезти", u"увозить"}, {u"увести", u"уводить"}},
    {u"бар", {u"отнести", u"нести"}, {u"отвезти", u"везти"}, {u"отвести", u"вести"}},
}};

// The present form of a future code's person (51-74): a perfective verb
// says its future by it (пойдёт, принесу).
uint8_t FutureCase(int code) {
  static constexpr uint8_t present[6] = {3, 4, 5, 7, 8, 9};
  return present[(code - 51) % 6];
}

// The Tatar lemma of a verb stem row (укы), which the stem (ук) may not be.
std::u16string_view VerbLemma(const TVerb& verbs, int row) {
  if (row >= 0 && row < verbs.Stems.RowCount() && verbs.Stems.RowLength(row) > 4) return CellAt(verbs.Stems, row, 4);
  return verbs.TatarStem(row);
}

// Gives the reading the Russian verb of the wished aspect: the entry's own
// or its partner, or, where a context sense chose the verb, that sense's
// other aspect. False when there is no verb of that aspect.
bool SetAspect(const TDictionaryTR& d, std::u16string_view lemma, TTransUnit& reading, bool perfective) {
  const TVerb& verbs = d.Verb;
  const int row = reading.Tat.StemRow;
  const int entry = verbs.VerbNumber(row);
  const int partner = verbs.PartnerNumber(row);
  const int now = reading.Rus.StemRow;
  // A sense the context chose first: встать is the partner of стоять and
  // also the perfective of вставать, which the sense means.
  if (now != entry)
    for (const TSenseRule& rule : d.Senses.RulesOf(lemma))
      if (rule.Imperfective == now || rule.Perfective == now) {
        const int want = perfective ? rule.Perfective : rule.Imperfective;
        if (want <= 0) return false;
        reading.Rus.StemRow = want;
        return true;
      }
  if (now == entry || (partner > 0 && now == partner)) {
    if (partner <= 0) return verbs.IsPerfective(entry) == perfective;
    reading.Rus.StemRow =
        VerbOfAspect(entry, partner, verbs.IsPerfective(entry), perfective ? awPerfective : awImperfective);
    return true;
  }
  return false;
}

}  // namespace

void TSP_tat::ClauseAspects() {
  PlannedInfinitives();
  ExperiencePasts();
  MissedActs();
  RoutineOrders();
  WeatherFutures();
  CarryingVerbs();
}

bool TSP_tat::IsVerbSlot(int v) {
  return v >= FirstWord && v <= LastWord && Kits[v].Kind == kkTranslated && Class(v) == wcVerb &&
         Tat(v).WordClass == wcVerb;
}

void TSP_tat::PlannedInfinitives() {
  const TDictionaryTR& d = Translator->Dictionary();
  const TVerb& verbs = d.Verb;
  for (int v = FirstWord; v <= LastWord; ++v) {
    if (!IsVerbSlot(v) || Tat(v).EndingCode != 5) continue;
    // The word of need: кирәк joined to the infinitive (надо), or the word
    // after it. "кирәк түгел" and ярамый are the imperfective's (not
    // needed, not allowed) and have rules of their own; ярый, asked, is
    // already one act.
    const std::u16string next = v < LastWord && Kits[v + 1].Kind == kkTranslated ? Source(v + 1) : u"";
    const bool joined = Rus(v).Prefix.starts_with(u"надо ");
    const bool must = next.starts_with(u"тиеш");
    const bool need = joined || must || next == u"кирәк" || next == u"мөмкин" || next == u"мөмкинме";
    if (!need || next == u"түгел" || Tat(v).Source.ends_with(u"түгел")) continue;
    const int from = ClauseStart(v);
    const int to = ClauseEnd(v);
    const std::u16string stem(VerbLemma(verbs, Tat(v).StemRow));
    bool routine = IsHabitualClause(from, to);
    bool day = false, hour = false, place = false;
    for (int k = from; k <= to; ++k) {
      if (k == v || Kits[k].Kind != kkTranslated) continue;
      const std::u16string word = Source(k);
      day = day || OneOf(word, kNamedDays);
      hour = hour || (k < v && OneOf(word, kHours));
      place = place || (k < v && (Class(k) & wcNoun) && (TatarCase(Tat(k).EndingCode) == 2 ||
                                                         TatarCase(Tat(k).EndingCode) == 4));
    }
    routine = routine || (hour && !day);
    // A bare object of taking in: дару эчәргә "пить лекарство".
    const int o = v - 1;
    if (o >= from && Kits[o].Kind == kkTranslated && Class(o) == wcNoun && TatarCase(Tat(o).EndingCode) == 0 &&
        OneOf(std::u16string_view(stem), kIntakeStems))
      routine = true;
    // A duty of all pupils, all children: a plural noun subject with тиеш.
    if (must) {
      const int subject = SubjectOf(from, v);
      routine = routine || (subject >= 0 && Class(subject) == wcNoun && IsPluralEnding(Tat(subject).EndingCode));
    }
    if (!routine && !place && OneOf(std::u16string_view(stem), kGoingStems)) continue;
    // тиеш is a duty: the lexicon's verb stays unless it is a routine
    // (Мы должны прийти пораньше, Я должен читать книгу).
    if (must && !routine) continue;
    const std::u16string lemma = TatarLemmaOf(v);
    for (TTransUnit& reading : Kits[v].Readings)
      if (reading.Rus.WordClass == wcVerb && reading.Tat.WordClass == wcVerb && reading.Tat.EndingCode == 5)
        SetAspect(d, lemma, reading, !routine);
  }
}

bool TSP_tat::IsEverClause(int from, int to) {
  for (int k = from; k <= to; ++k) {
    if (Kits[k].Kind != kkTranslated) continue;
    const std::u16string word = Source(k);
    if (word.starts_with(u"беркайчан") || word.starts_with(u"һичкайчан") || word == u"кайчандыр" ||
        (word.starts_with(u"кайчан") && word.find(u"булса") != std::u16string::npos) ||
        (word == u"кайчан" && k < to && Source(k + 1) == u"булса"))
      return true;
  }
  return false;
}

void TSP_tat::ExperiencePasts() {
  const TDictionaryTR& d = Translator->Dictionary();
  const TVerb& verbs = d.Verb;
  for (int v = FirstWord; v <= LastWord; ++v) {
    if (!IsVerbSlot(v)) continue;
    const int code = Tat(v).EndingCode;
    if (!IsPositivePast(code) && !IsNegatedPast(code)) continue;
    const int from = ClauseStart(v);
    const int to = ClauseEnd(v);
    const std::u16string_view stem = VerbLemma(verbs, Tat(v).StemRow);
    const bool ever = IsEverClause(from, to);
    bool experience = ever;
    if (!experience && IsPositivePast(code) && !IsHabitualClause(from, to)) {
      bool pronoun = false, already = false, definite = false;
      for (int k = from; k < v; ++k) {
        if (Kits[k].Kind != kkTranslated) continue;
        pronoun = pronoun || IsPronounObject(k);
        already = already || Source(k) == u"инде";
        // A thing read or watched: whether it got done (Ты прочитал книгу?).
        definite = definite || (Class(k) == wcNoun && (TatarCase(Tat(k).EndingCode) == 3 ||
                                                       (k == v - 1 && TatarCase(Tat(k).EndingCode) == 0)));
      }
      const bool asked = IsAsked(v);
      experience = !already && ((OneOf(stem, kPerceptionStems) && (pronoun || asked)) ||
                                (OneOf(stem, kAskedActivities) && asked && !definite));
    }
    if (!experience) continue;
    const std::u16string lemma = TatarLemmaOf(v);
    for (TTransUnit& reading : Kits[v].Readings) {
      if (reading.Rus.WordClass != wcVerb || reading.Tat.WordClass != wcVerb || reading.Tat.EndingCode != code)
        continue;
      SetAspect(d, lemma, reading, false);
      // Ever having gone somewhere is the trip there and back: летал, ездил.
      if (ever)
        if (const int round = RoundTripOf(verbs, reading.Rus); round >= 0) reading.Rus.StemRow = round;
    }
  }
}

void TSP_tat::MissedActs() {
  const TDictionaryTR& d = Translator->Dictionary();
  const TVerb& verbs = d.Verb;
  for (int v = FirstWord; v <= LastWord; ++v) {
    if (!IsVerbSlot(v) || !IsNegatedPast(Tat(v).EndingCode)) continue;
    if (OneOf(VerbLemma(verbs, Tat(v).StemRow), kActivityStems)) continue;
    const int from = ClauseStart(v);
    const int to = ClauseEnd(v);
    if (IsHabitualClause(from, to) || IsEverClause(from, to)) continue;
    // The act had someone or something to go to: an object, or a person
    // or pronoun in the dative (миңа шалтыратмады).
    bool object = false;
    for (int k = from; k < v && !object; ++k) {
      if (Kits[k].Kind != kkTranslated || !(Class(k) & (wcNoun | wcSubNoun))) continue;
      const int c = TatarCase(Tat(k).EndingCode);
      const std::u16string word = Source(k);
      const bool pronounDative = Class(k) == wcSubNoun &&
                                 (word.ends_with(u"ңа") || word.ends_with(u"ңә") || word.ends_with(u"га") ||
                                  word.ends_with(u"гә") || word.ends_with(u"ка") || word.ends_with(u"кә"));
      object = IsPronounObject(k) || pronounDative ||
               (Class(k) == wcNoun && (c == 3 || (c == 2 && Rus(k).Variant == 1)));
    }
    if (!object) continue;
    const std::u16string lemma = TatarLemmaOf(v);
    for (TTransUnit& reading : Kits[v].Readings)
      if (reading.Rus.WordClass == wcVerb && reading.Tat.WordClass == wcVerb &&
          IsNegatedPast(reading.Tat.EndingCode))
        SetAspect(d, lemma, reading, true);
  }
}

void TSP_tat::RoutineOrders() {
  const TDictionaryTR& d = Translator->Dictionary();
  for (int v = FirstWord; v <= LastWord; ++v) {
    if (!IsVerbSlot(v) || !IsPositiveOrder(Tat(v).EndingCode)) continue;
    const int from = ClauseStart(v);
    const int to = ClauseEnd(v);
    bool routine = IsHabitualClause(from, to);
    const bool plural = Tat(v).EndingCode == 11;
    const bool care = OneOf(VerbLemma(Translator->Dictionary().Verb, Tat(v).StemRow), kCareStems);
    for (int k = from; k <= to && !routine; ++k) {
      if (k == v || Kits[k].Kind != kkTranslated) continue;
      // "ашар алдыннан": before every meal.
      if (Source(k) == u"алдыннан" && k > from && Class(k - 1) == wcVerb) routine = true;
      // Care of one's own hands, teeth, face told to all: a rule of
      // hygiene (Кулларыгызны юыгыз: Мойте руки); told to one, it is a
      // request now (Кулларыңны ю: Помой руки).
      if (k < v && plural && care && Class(k) == wcNoun && TatarCase(Tat(k).EndingCode) == 3 &&
          Rus(k).Possessor == 5 && OneOf(LemmaOf(k), kBodyParts))
        routine = true;
    }
    if (!routine) continue;
    const std::u16string lemma = TatarLemmaOf(v);
    for (TTransUnit& reading : Kits[v].Readings)
      if (reading.Rus.WordClass == wcVerb && reading.Tat.WordClass == wcVerb &&
          IsPositiveOrder(reading.Tat.EndingCode))
        SetAspect(d, lemma, reading, false);
  }
}

void TSP_tat::WeatherFutures() {
  const TVerb& verbs = Translator->Dictionary().Verb;
  for (int v = FirstWord; v <= LastWord; ++v) {
    if (!IsVerbSlot(v) || CellAt(verbs.Stems, Tat(v).StemRow, 4) != u"яу") continue;
    const int code = Tat(v).EndingCode;
    const bool future = IsDefiniteFuture(code);
    if (!future && !IsNegatedCondition(code)) continue;
    const int from = ClauseStart(v);
    int n = -1;
    bool snow = false;
    for (int k = from; k <= ClauseEnd(v) && n < 0; ++k)
      if (k != v && Kits[k].Kind == kkTranslated && Class(k) == wcNoun && TatarCase(Tat(k).EndingCode) == 0 &&
          (OneOf(LemmaOf(k), kRain) || OneOf(LemmaOf(k), kSnow))) {
        n = k;
        snow = OneOf(LemmaOf(k), kSnow);
      }
    if (n < 0 || future != snow) continue;
    if (future) {
      // It starts to rain: пойдёт дождь.
      const int start = VerbNumberOf(verbs, u"пойти");
      if (start < 0) continue;
      for (TTransUnit& reading : Kits[v].Readings) {
        if (reading.Rus.WordClass != wcVerb || !IsDefiniteFuture(reading.Tat.EndingCode)) continue;
        reading.Rus.StemRow = start;
        reading.Rus.Case = FutureCase(reading.Tat.EndingCode);
        reading.Rus.Prefix.clear();
      }
      continue;
    }
    // There will be no rain: не будет дождя, the rain in the genitive after
    // the verb. "если" stays where the condition rules put it.
    const bool ifPrefix = Rus(v).Prefix.starts_with(u"если ");
    const uint8_t capital = Kits[v].Capital;
    TTransKit none = FixedKit(ifPrefix ? u"если не будет" : u"не будет");
    none.Readings[0].Tat.Source = Tat(v).Source;
    none.Capital = capital;
    Rus(n).Case = static_cast<uint8_t>(Rus(n).Number == 2 ? 4 : 3);
    Rus(n).Agreed = 1;
    Kits[v] = std::move(none);
    int start = n;
    while (start - 1 >= from && Kits[start - 1].Kind == kkTranslated &&
           (Class(start - 1) & (wcAdjective | wcUnchanged07)))
      --start;
    if (v > start) Move(v, start);
  }
}

void TSP_tat::CarryingVerbs() {
  const TVerb& verbs = Translator->Dictionary().Verb;
  for (int v = FirstWord; v <= LastWord; ++v) {
    if (!IsVerbSlot(v)) continue;
    const std::u16string_view stem = VerbLemma(verbs, Tat(v).StemRow);
    if (!stem.starts_with(u"алып ")) continue;
    const TCarry* carry = nullptr;
    for (const TCarry& c : kCarrying)
      if (stem.substr(5) == c.Stem) carry = &c;
    if (carry == nullptr) continue;
    const int from = ClauseStart(v);
    const int to = ClauseEnd(v);
    bool vehicle = false, person = false, coming = false;
    for (int k = from; k <= to; ++k) {
      if (k != v && Kits[k].Kind == kkTranslated) coming = coming || OneOf(Source(k), kComingDays);
      if (k == v || Kits[k].Kind != kkTranslated || Class(k) != wcNoun) continue;
      vehicle = vehicle || OneOf(LemmaOf(k), kVehicleWords);
      // From the market, a village, a town by name: brought by car.
      const int c = TatarCase(Tat(k).EndingCode);
      vehicle = vehicle || ((c == 4 || c == 2) && (OneOf(LemmaOf(k), kFarPlaces) || (k > FirstWord && Kits[k].Capital)));
      // A person carried is led: a named person or an animate object.
      person = person || (k < v && TatarCase(Tat(k).EndingCode) == 3 && Rus(k).Variant == 1);
    }
    const std::u16string_view* pair = vehicle ? carry->Vehicle : person ? carry->Lead : carry->Hand;
    for (TTransUnit& reading : Kits[v].Readings) {
      if (reading.Rus.WordClass != wcVerb || reading.Tat.WordClass != wcVerb ||
          VerbLemma(verbs, reading.Tat.StemRow) != stem)
        continue;
      // The form's own aspect: going on (приносит, несёт) in the present
      // and its kin, else done (принёс, отнеси, нужно отнести); a present
      // the tense rules made a future stays one (Иртәгә алып кайтам: принесу).
      const int code = reading.Tat.EndingCode;
      const bool present = code >= 15 && code <= 26;
      const bool perfective = AspectOfForm(code) != awImperfective || verbs.IsPerfective(reading.Rus.StemRow) ||
                              (present && coming);
      const int number = VerbNumberOf(verbs, pair[perfective ? 0 : 1]);
      if (number < 0) continue;
      const bool wasPerfective = verbs.IsPerfective(reading.Rus.StemRow);
      reading.Rus.StemRow = number;
      // A future changing aspect changes its form: принесёт, будет носить.
      if (code >= 51 && code <= 74 && wasPerfective != verbs.IsPerfective(number)) {
        const TCasePrefix rule = VerbRule(code);
        reading.Rus.Case = rule.Case;
        reading.Rus.Prefix.assign(rule.Prefix);
        if (verbs.IsPerfective(number)) {
          reading.Rus.Case = FutureCase(code);
          reading.Rus.Prefix.assign(IsNegativeVerbEnding(code) ? u"не " : u"");
        }
      }
    }
  }
}

}  // namespace tatengine
