// Verb senses chosen by the words around the verb. A Tatar verb comes with
// one Russian verb; some verbs say another one in a known context:
//   тор "стоять" with a morning or waking word is "вставать" (иртә торам:
//   рано встаю);
//   ал "взять" with a letter, a mark or a prize is "получить", with a place
//   "занять" (хат алдым: получил письмо; беренче урынны алды: занял первое
//   место);
//   бар, кил, кит to or from a town or a country go by road: ехать, приехать,
//   уехать (Казанга бардык: поехали в Казань);
//   эшлә "работать" with an object is "делать" (өй эшен эшләдем: сделал
//   домашнее задание);
//   әле before a negated verb is "ещё" right before it (Ул әле кайтмаган:
//   Он ещё не вернулся).
#include <array>
#include <span>

#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "TextUtil.h"
#include "Transler.h"
#include "VerbAspect.h"

namespace tatengine {
namespace {

using TSense = std::pair<std::u16string_view, std::u16string_view>;

// The Russian verb number of an infinitive; -1 when the data has none.
int NumberOf(const TVerb& verb, std::u16string_view infinitive) {
  const int rows = verb.VerbForms.RowCount();
  for (int r = 0; r < rows; ++r)
    if (CellAt(verb.VerbForms, r, 1) == infinitive) return IntAt(verb.VerbForms, r, 0);
  return -1;
}

template <size_t N>
bool OneOf(std::u16string_view word, const std::array<std::u16string_view, N>& list) {
  for (std::u16string_view w : list)
    if (word == w) return true;
  return false;
}

// Words that put "тор" into the morning: иртә торам "рано встаю",
// йокыдан тордым "проснулся и встал", сәгать җидедә "в семь часов".
constexpr std::array<std::u16string_view, 9> kWakeWords = {
    u"иртә", u"иртән", u"иртүк", u"иртәрәк", u"иртәнге", u"йокыдан", u"урыннан", u"сәгать", u"соң"};

// What one receives rather than takes.
constexpr std::array<std::u16string_view, 22> kReceived = {
    u"письмо",  u"оценка",   u"пятёрка",   u"четвёрка",  u"тройка",   u"двойка",
    u"подарок", u"приз",     u"премия",    u"зарплата",  u"ответ",    u"посылка",
    u"медаль",  u"диплом",   u"награда",   u"сообщение", u"телеграмма", u"пенсия",
    u"стипендия", u"образование", u"разрешение", u"известие"};

constexpr std::array<std::u16string_view, 1> kTaken = {u"место"};

// Places one goes to by road or by air: towns, countries, the country side.
constexpr std::array<std::u16string_view, 10> kFarPlaces = {
    u"город", u"деревня", u"село", u"страна", u"столица", u"дача", u"море", u"курорт",
    u"лагерь", u"заграница"};

constexpr std::array<std::u16string_view, 6> kVehicles = {u"поезд",      u"автобус", u"трамвай",
                                                           u"троллейбус", u"электричка", u"теплоход"};

// Proper names of places in town rather than towns.
constexpr std::array<std::u16string_view, 1> kTownSights = {u"Кремль"};

constexpr std::array<TSense, 2> kWakeSenses = {{{u"стоять", u"вставать"}, {u"постоять", u"встать"}}};
constexpr std::array<TSense, 1> kStandSenses = {{{u"встать", u"стоять"}}};
constexpr std::array<TSense, 1> kDoSenses = {{{u"работать", u"делать"}}};
constexpr std::array<TSense, 1> kDoneSenses = {{{u"работать", u"сделать"}}};
constexpr std::array<TSense, 2> kReceiveSenses = {{{u"взять", u"получить"}, {u"брать", u"получать"}}};
constexpr std::array<TSense, 2> kTakeSenses = {{{u"взять", u"занять"}, {u"брать", u"занимать"}}};
constexpr std::array<TSense, 7> kRoadSenses = {{{u"идти", u"ехать"},
                                                {u"пойти", u"поехать"},
                                                {u"ходить", u"ездить"},
                                                {u"прийти", u"приехать"},
                                                {u"приходить", u"приезжать"},
                                                {u"уйти", u"уехать"},
                                                {u"уходить", u"уезжать"}}};

// A locative form: өйдә, янында, урамда.
bool IsLocative(std::u16string_view low) {
  return low.ends_with(u"да") || low.ends_with(u"дә") || low.ends_with(u"та") || low.ends_with(u"тә");
}

// The Russian infinitive of a verb reading.
std::u16string InfinitiveOf(const TVerb& verb, const TTransUnit& reading) {
  TFormRus rus = reading.Rus;
  rus.Case = 1;
  rus.Prefix.clear();
  rus.Suffix.clear();
  return verb.PlainForm(rus);
}

// Every verb reading of the slot whose Russian verb is a "from" of senses
// says its "to" instead, in the same form.
void SwapSense(const TVerb& verb, TTransKit& kit, std::span<const TSense> senses) {
  for (TTransUnit& reading : kit.Readings) {
    if (reading.Rus.WordClass != wcVerb || reading.Tat.WordClass != wcVerb) continue;
    const std::u16string infinitive = InfinitiveOf(verb, reading);
    for (const auto& [from, to] : senses) {
      if (infinitive != from) continue;
      if (const int number = NumberOf(verb, to); number >= 0) reading.Rus.StemRow = number;
      break;
    }
  }
}

}  // namespace

bool TSP_tat::IsFarPlace(int slot) {
  if (Kits[slot].Kind != kkTranslated || Class(slot) != wcNoun) return false;
  const std::u16string lemma = LemmaOf(slot);
  if (lemma.empty()) return false;
  // A proper name that is no person: a town, a country, a river.
  if (IsUpperChar(lemma[0]) && Rus(slot).Variant != 1) return !OneOf(lemma, kTownSights);
  return OneOf(lemma, kFarPlaces);
}

void TSP_tat::VerbSenses() {
  const TVerb& verbs = Translator->Dictionary().Verb;
  for (int v = FirstWord; v <= LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb || Tat(v).WordClass != wcVerb) continue;
    // Of the two-word groups only "надо" + infinitive keeps the verb's own sense.
    if (Tat(v).Source.find(u' ') != std::u16string::npos && !Rus(v).Prefix.starts_with(u"надо "))
      continue;
    const std::u16string_view stem = verbs.TatarStem(Tat(v).StemRow);
    const int from = ClauseStart(v);
    if (stem == u"тор") {
      bool wake = false;
      for (int k = from; k < v; ++k) wake = wake || OneOf(Source(k), kWakeWords);
      // "-ып тор" keeps doing (укып тор), no getting up.
      const bool converb = v > from && Class(v - 1) == wcVerb && Tat(v - 1).EndingCode == 75;
      if (wake && !converb) {
        SwapSense(verbs, Kits[v], kWakeSenses);
      } else if (!converb) {
        // Standing somewhere (ишек янында торды): стоял, not встал.
        bool place = false;
        for (int k = from; k < v; ++k)
          place = place || (Kits[k].Kind == kkTranslated && IsLocative(Source(k)));
        if (place) SwapSense(verbs, Kits[v], kStandSenses);
      }
    } else if (stem == u"ал") {
      for (int k = from; k < v; ++k) {
        if (Kits[k].Kind != kkTranslated || Class(k) != wcNoun) continue;
        const std::u16string lemma = LemmaOf(k);
        if (OneOf(lemma, kReceived)) SwapSense(verbs, Kits[v], kReceiveSenses);
        else if (OneOf(lemma, kTaken)) SwapSense(verbs, Kits[v], kTakeSenses);
      }
    } else if (stem == u"эшл" || stem == u"эшлә") {
      // Working at something is doing it: өй эшен эшләдем "сделал домашнее
      // задание"; a one-off past or future says the perfective.
      bool object = false;
      for (int k = from; k < v; ++k)
        object = object || (Kits[k].Kind == kkTranslated && Class(k) == wcNoun &&
                            (Rus(k).Case == 7 || Rus(k).Case == 8));
      if (object)
        SwapSense(verbs, Kits[v],
                  AspectOfForm(Tat(v).EndingCode) == awPerfective && !IsNegativeVerbEnding(Tat(v).EndingCode)
                      ? std::span<const TSense>(kDoneSenses)
                      : std::span<const TSense>(kDoSenses));
    } else if (stem == u"бар" || stem == u"кил" || stem == u"кит") {
      // A train or a bus "идёт" wherever it goes.
      bool vehicle = false;
      for (int k = from; k < v; ++k)
        vehicle = vehicle || (Kits[k].Kind == kkTranslated && Class(k) == wcNoun && Rus(k).Case <= 2 &&
                              OneOf(LemmaOf(k), kVehicles));
      for (int k = from; k < v && !vehicle; ++k) {
        const int code = Tat(k).EndingCode;
        if ((IsDativeEnding(code) || IsAblativeEnding(code)) && IsFarPlace(k)) {
          SwapSense(verbs, Kits[v], kRoadSenses);
          break;
        }
      }
    }
  }
}

void TSP_tat::StillNot() {
  // "әле" + a negated verb: not yet, "ещё" just before "не".
  for (int a = FirstWord; a <= LastWord; ++a) {
    if (Kits[a].Kind != kkTranslated || Source(a) != u"әле") continue;
    int v = a + 1;
    while (v <= LastWord && Kits[v].Kind == kkTranslated && Class(v) != wcVerb) ++v;
    if (v > LastWord || Kits[v].Kind != kkTranslated) continue;
    const TFormRus& verb = Rus(v);
    if (!verb.Prefix.starts_with(u"не ") && verb.Prefix.find(u" не ") == std::u16string::npos)
      continue;
    TTransKit still = FixedKit(u"ещё");
    still.Readings[0].Tat.Source = u"әле";
    still.Capital = Kits[a].Capital;
    Kits[a] = std::move(still);
    Move(a, v - 1);
  }
}

}  // namespace tatengine
