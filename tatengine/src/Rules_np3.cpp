// Noun phrases inside genitive chains and the senses a noun gives a word
// next to it: the words before a genitive possessor qualify it, not the
// head (иске өйнең ишеге: дверь старого дома); "каршы" after a place is
// "напротив" (мәктәпкә каршы: напротив школы); a noun compared with the
// same noun is said once (Этот дом больше того); "карт" before a noun is
// "старый" (карт эт: старая собака).
#include <algorithm>
#include <iterator>

#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "RusForms.h"
#include "TextUtil.h"
#include "Transler.h"

namespace tatengine {
namespace {

// Places one stands opposite to (Russian nominative singular).
constexpr std::u16string_view FacedPlaces[] = {
    u"дом",       u"школа",     u"магазин",  u"театр",     u"больница",  u"вокзал",    u"станция",
    u"остановка", u"парк",      u"библиотека", u"музей",   u"здание",    u"церковь",   u"мечеть",
    u"почта",     u"аптека",    u"кафе",     u"ресторан",  u"гостиница", u"завод",     u"фабрика",
    u"университет", u"институт", u"банк",    u"рынок",     u"площадь",   u"подъезд",   u"двор",
    u"сад",       u"стадион",   u"кинотеатр", u"клуб",     u"офис",      u"гараж",     u"памятник",
    u"мост",      u"окно",      u"дверь",    u"дворец",    u"цирк",      u"столовая",  u"поликлиника",
    u"администрация", u"детский сад", u"квартира", u"кабинет", u"класс", u"киоск",   u"сквер",
    u"улица",     u"дача",      u"лес",      u"река",      u"озеро",     u"село",      u"деревня"};

// One's own body parts and the things one carries: as the object of one's
// own verb Russian names them without "мой" (Я сломал ногу, Помой руки, Не
// забудь зонт).
constexpr std::u16string_view OwnObjects[] = {
    u"рука",   u"нога",    u"голова",  u"лицо",    u"глаз",   u"ухо",      u"нос",     u"рот",
    u"зуб",    u"волосы",  u"волос",   u"палец",   u"спина",  u"шея",      u"горло",   u"живот",
    u"плечо",  u"колено",  u"лоб",     u"губа",    u"щека",   u"ладонь",   u"ноготь",  u"бровь",
    u"ключ",   u"зонт",    u"зонтик",  u"сумка",   u"телефон", u"шапка",   u"куртка",  u"пальто",
    u"шарф",   u"перчатка", u"варежка", u"сапог",  u"ботинок", u"очки",    u"кошелёк", u"паспорт",
    u"портфель", u"рюкзак", u"платок", u"часы",    u"обувь",  u"пиджак",   u"кепка",   u"чемодан"};

constexpr std::u16string_view Owners[] = {u"минем", u"синең", u"безнең", u"сезнең"};

// The person a verb form speaks to or of: 2 or 5 for an order, else the
// person of its ending (SpeakerPerson).
int OrderPerson(int code) {
  if (code == 2 || code == 3) return 2;
  if (code == 11 || code == 12) return 5;
  return 0;
}

// Water one takes something out of: the ablative is "из" (из реки), though
// one stands "на" its shore (на реке).
constexpr std::u16string_view Waters[] = {u"река", u"озеро", u"море", u"пруд", u"колодец", u"речка", u"ручей"};

}  // namespace

void TSP_tat::ChainPossessives() {
  for (int k = FirstWord + 1; k <= LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || Class(k) != wcNoun || Tat(k).WordClass != wcNoun) continue;
    TFormRus& noun = Rus(k);
    const int code = Tat(k).EndingCode;
    if ((noun.Case != 3 && noun.Case != 4) || !noun.Prefix.empty() || PossessorOf(code) != 3) continue;
    if (NounRule(code).Case != 3 && NounRule(code).Case != 4) continue;
    // It follows its head directly, with no owner of its own named before
    // or after it (аның абыйсының, Әминәнең абыйсының: the owner is said).
    if (Kits[k - 1].Kind != kkTranslated || Class(k - 1) != wcNoun) continue;
    if (k + 1 <= LastWord && Kits[k + 1].Kind == kkTranslated && Class(k + 1) == wcNoun &&
        (Rus(k + 1).Case == 3 || Rus(k + 1).Case == 4))
      continue;
    if (Source(k - 1) == u"аларның" || Source(k - 1) == u"аның") continue;
    // A person's relative or a pet: жена его брата. A thing stays bare
    // (крыша дома), and so does the relative of the clause's own subject
    // (Ул абыйсының хатыны белән сөйләште: Он поговорил с женой брата).
    if (noun.Variant != 1) continue;
    bool subject = false;
    for (int m = ClauseStart(k); m < k - 1; ++m)
      subject = subject || (Kits[m].Kind == kkTranslated &&
                            (Source(m) == u"ул" || Source(m) == u"алар" ||
                             (Class(m) == wcNoun && Rus(m).Prefix.empty() && (Rus(m).Case == 1 || Rus(m).Case == 2))));
    if (!subject) noun.Prefix = u"его ";
  }
  // "аның" is "её" where the one possessed says the owner is a woman: аның
  // ире, её муж.
  for (int k = FirstWord; k < LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || Source(k) != u"аның" || Class(k) != wcUnchanged07) continue;
    int n = k + 1;
    while (n < LastWord && Class(n) == wcAdjective) ++n;
    if (Class(n) == wcNoun && Kits[n].Kind == kkTranslated && LemmaOf(n) == u"муж") {
      Kits[k].Readings.resize(1);
      Rus(k).RusText = u"её";
      Rus(k).WordClass = wcUnchanged03;
    }
  }
  // "аларның кызларының туе": the plural possessive agrees with "их", the
  // daughter is one (свадьба их дочери); children stay children.
  for (int k = FirstWord + 1; k <= LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || Class(k) != wcNoun || Source(k - 1) != u"аларның") continue;
    TFormRus& noun = Rus(k);
    const int code = Tat(k).EndingCode;
    if ((noun.Case != 3 && noun.Case != 4) || PossessorOf(code) != 3 || !IsPluralEnding(code)) continue;
    if (k - 2 < FirstWord || Class(k - 2) != wcNoun || LemmaOf(k) == u"ребёнок") continue;
    noun.Number = 1;
    if (noun.Case == 4) noun.Case = 3;
  }
}

void TSP_tat::AblativeSources() {
  for (int k = FirstWord; k <= LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || Class(k) != wcNoun || !IsAblativeEnding(Tat(k).EndingCode)) continue;
    if (Rus(k).Prefix != u"с " || !OneOf(LemmaOf(k), Waters)) continue;
    for (TTransUnit& reading : Kits[k].Readings)
      if (reading.Rus.WordClass == wcNoun && reading.Rus.Prefix == u"с ") reading.Rus.Prefix = u"из ";
  }
}

void TSP_tat::OwnObjectsWithoutPossessives() {
  int from = FirstWord;
  for (int v = FirstWord; v <= LastWord; ++v) {
    if (Kits[v].Kind == kkSeparator) from = v + 1;
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb) continue;
    const int order = OrderPerson(Tat(v).EndingCode);
    const int person = order != 0 ? order : SpeakerPerson(v);
    if (person == 0) continue;
    // The objects of this verb in its clause, before or after it.
    const int end = ClauseEnd(v);
    for (int k = from; k <= end; ++k) {
      if (k == v || Kits[k].Kind != kkTranslated || Class(k) != wcNoun) continue;
      TFormRus& noun = Rus(k);
      if (noun.Possessor != person || (noun.Case != 7 && noun.Case != 8) || !noun.Prefix.empty()) continue;
      // An owner said in words (минем кулымны) is meant.
      const int start = NounPhraseStart(k);
      bool named = false;
      for (int m = start; m < k; ++m) named = named || OneOf(Source(m), Owners);
      if (named || (k > FirstWord && Kits[k - 1].Kind == kkTranslated && Class(k - 1) == wcPostposition)) continue;
      if (OneOf(LemmaOf(k), OwnObjects)) noun.Possessor = 0;
    }
    from = end + 1;
    v = end;
  }
}

int TSP_tat::PossessorStart(int possessor) {
  // In Tatar a word qualifying the head stands after the genitive (өйнең
  // иске ишеге), so everything qualifying before the genitive is its own.
  return NounPhraseStart(possessor);
}

void TSP_tat::OldAnimals() {
  // "карт" is both "старик" and the adjective "старый"; before a noun it
  // qualifies it (карт эт: старая собака, карт атка: старой лошади).
  for (int k = FirstWord; k < LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || Source(k) != u"карт") continue;
    int adjective = -1;
    int noun = -1;
    if (!HasReading(k, wcAdjective, adjective) || !HasReading(k + 1, wcNoun, noun)) continue;
    // "карт" is said of the living; before a thing with a preposition of
    // place it is the old man there (Карт урамда утыра: Старик сидит на улице).
    const TFormRus& next = Kits[k + 1].Readings[noun].Rus;
    if (!next.Prefix.empty() && next.Variant != 1) {
      // The old man goes there (Карт урманга китте: Старик ушёл в лес).
      int man = -1;
      if (HasReading(k, wcNoun, man)) Keep(k, man);
      continue;
    }
    Keep(k, adjective);
  }
}

void TSP_tat::FacingPlaces() {
  // "каршы" after a place in the dative is where something stands:
  // мәктәпкә каршы, напротив школы; after anything else it is "против"
  // (җилгә каршы: против ветра).
  for (int p = FirstWord + 1; p <= LastWord; ++p) {
    if (Kits[p].Kind != kkTranslated || Source(p) != u"каршы" || Class(p) != wcPostposition) continue;
    const int n = p - 1;
    if (Kits[n].Kind != kkTranslated || Class(n) != wcNoun || !IsDativeEnding(Tat(n).EndingCode)) continue;
    if (Rus(n).Variant == 1 || !OneOf(LemmaOf(n), FacedPlaces)) continue;
    Kits[p].Readings.resize(1);
    Rus(p).RusText = u"напротив";
    // The noun takes the genitive here, so that a determiner before it that
    // is no possessive of it (безнең өйгә каршы) agrees too: напротив нашего
    // дома.
    Rus(p).Case = 0;
    Kits[n].Readings.resize(1);
    Rus(n).Case = 3;
    Rus(n).Agreed = 1;
  }
}

void TSP_tat::ComparedSameNoun() {
  // "Бу өй теге өйдән зуррак": the standard repeats the noun compared, and
  // Russian says it once (Этот дом больше того). The determiner and the
  // noun become one standard, as "тегесеннән" would be.
  for (int a = FirstWord + 2; a <= LastWord; ++a) {
    if (Kits[a].Kind != kkTranslated || Class(a) != wcUnchanged03 || Tat(a).WordClass != wcAdjective ||
        Tat(a).EndingCode != 2)
      continue;
    const int k = a - 1;
    const int d = k - 1;
    if (Kits[k].Kind != kkTranslated || Class(k) != wcNoun || Rus(k).Case != 3 ||
        !IsAblativeEnding(Tat(k).EndingCode) || Kits[d].Kind != kkTranslated || Class(d) != wcUnchanged07)
      continue;
    const std::u16string determiner = Source(d);
    std::u16string_view standard;
    if (determiner == u"теге" || determiner == u"шул") standard = u"тегесеннән";
    else if (determiner == u"бу" || determiner == u"шушы") standard = u"бусыннан";
    else continue;
    // The noun compared: the nearest nominative noun before the determiner,
    // the same Russian noun (йорт and өй are both "дом").
    int compared = -1;
    for (int n = d - 1; n >= FirstWord && Kits[n].Kind != kkSeparator; --n)
      if (Kits[n].Kind == kkTranslated && Class(n) == wcNoun && (Rus(n).Case == 1 || Rus(n).Case == 2)) {
        compared = n;
        break;
      }
    if (compared < 0 || LemmaOf(k).empty() || LemmaOf(compared) != LemmaOf(k)) continue;
    const TFormRus& noun = Rus(compared);
    const std::u16string_view form =
        DemonstrativeForm(standard == u"тегесеннән" ? u"тот" : u"этот", CaseMap(3, noun.Number), noun.Gender,
                          noun.Variant == 1);
    if (form.empty()) continue;
    const uint8_t capital = Kits[d].Capital;
    Kits[d] = FixedKit(form, wcUnchanged03);
    Tat(d).Source.assign(standard);
    Kits[d].Capital = capital;
    Kits.erase(Kits.begin() + k);
    --LastWord;
    --a;
  }
}

void TSP_tat::EchoedAdjectives() {
  for (int k = FirstWord; k < LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || Kits[k + 1].Kind != kkTranslated || Class(k) != wcAdjective ||
        !(Class(k + 1) & wcNoun))
      continue;
    const std::u16string adjective = LemmaOf(k);
    const std::u16string noun = LemmaOf(k + 1);
    const size_t blank = noun.find(u' ');
    if (adjective.size() < 4 || blank == std::u16string::npos || blank < 4) continue;
    // старший / старшая сестра: the same word but for its ending; "big"
    // and "little" before kin say older and younger (кечкенә энем: мой
    // младший брат).
    const std::u16string_view first = std::u16string_view(noun).substr(0, blank);
    const std::u16string_view stem = first.substr(0, first.size() - 2);
    const bool same = stem == std::u16string_view(adjective).substr(0, adjective.size() - 2);
    const bool older = stem == u"старш" && (adjective == u"большой" || adjective == u"взрослый");
    const bool younger = stem == u"младш" && adjective == u"маленький";
    if (!same && !older && !younger) continue;
    Kits.erase(Kits.begin() + k);
    --LastWord;
  }
}

}  // namespace tatengine

