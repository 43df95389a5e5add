// Noun phrases whose Russian order or case the Tatar case ending alone does
// not give:
// - a place attribute in -дагы follows its noun: "өстәлдәге китап" (книга на
//   столе), "сыйныфтагы иң озын малай" (самый высокий мальчик в классе);
// - a dative or ablative noun before a noun it depends on follows it:
//   "апама бүләк" (подарок старшей сестре), "авылдан хат" (письмо из деревни);
// - "белән" with a tool is the bare instrumental (кашык белән: ложкой), with
//   a vehicle "на" (поезд белән: на поезде);
// - the ablative of a road with a verb of motion is "по" (урамнан бара: идёт
//   по улице);
// - the locative of a part of the day with an adjective is the instrumental
//   (караңгы төндә: тёмной ночью), in the plural "в" + accusative (в зимние
//   дни);
// - a lack in -сыз or a topic with турында before a noun follows it
//   (сөтсез чәй: чай без молока, мәче турында әкият: сказка о кошке);
// - plurals of nouns that Russian has only as collectives stay singular
//   (киемнәр: одежда).
#include <algorithm>

#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "TextUtil.h"
#include "Transler.h"

namespace tatengine {
namespace {

// What one holds to do something: the instrumental without "с".
constexpr std::u16string_view Tools[] = {
    u"ложка",   u"вилка",  u"нож",    u"ручка",   u"карандаш", u"топор",  u"молоток", u"пила",
    u"лопата",  u"ножницы", u"иголка", u"игла",   u"кисть",    u"кисточка", u"мел",   u"щётка",
    u"ключ",    u"палка",  u"ведро",  u"рука",    u"палец",    u"нога",   u"глаз",    u"зуб",
    u"фломастер", u"линейка", u"тряпка", u"полотенце", u"мышка", u"веник", u"удочка", u"краска"};

// Vehicles: "на" + prepositional.
constexpr std::u16string_view Vehicles[] = {
    u"поезд",   u"автобус", u"машина",  u"самолёт", u"трамвай", u"троллейбус", u"такси",   u"велосипед",
    u"лодка",   u"пароход", u"метро",   u"корабль", u"мотоцикл", u"электричка", u"теплоход", u"катер",
    u"лошадь",  u"конь",    u"лыжи",    u"самокат", u"грузовик", u"вертолёт",  u"трактор", u"маршрутка",
    u"автомобиль", u"коньки", u"сани"};

// Ways one moves along: "по" + dative with a verb of motion.
constexpr std::u16string_view Ways[] = {u"улица",   u"дорога",   u"мост",     u"тропинка", u"тропа",
                                        u"коридор", u"лестница", u"берег",    u"проспект", u"шоссе",
                                        u"тротуар", u"аллея",    u"переулок", u"площадь",  u"набережная"};

// Channels one talks or watches through: the locative is "по" + dative
// (телефонда: по телефону).
constexpr std::u16string_view Channels[] = {u"телефон", u"радио", u"телевизор"};

// Parts of the day and seasons: with an adjective the locative is the
// instrumental (тёмной ночью, зимним днём).
constexpr std::u16string_view DayParts[] = {u"день", u"ночь", u"утро", u"вечер"};

// Ending codes of a noun in -сыз (without), singular and plural.
bool IsLackEnding(int code) { return code == 72 || code == 73; }

// Postpositions of a topic: "о" + prepositional.
constexpr std::u16string_view Topics[] = {u"турында", u"хакында"};

// Russian nouns used only as a collective singular for a Tatar plural.
constexpr std::u16string_view Collectives[] = {u"одежда", u"обувь", u"мебель", u"посуда", u"бельё",
                                               u"молодёжь", u"мусор", u"детвора", u"листва"};

// Seasons and day parts say "when" in the instrumental, not "в".
constexpr std::u16string_view SeasonsAndDayParts[] = {u"зима", u"лето",  u"весна", u"осень",
                                                      u"утро", u"вечер", u"ночь"};

// "у меня" ... for the owner of a possessed noun by person 1-6 (3 singular,
// 6 plural), and the genitive pronoun that names it.
struct TOwnerPronoun {
  std::u16string_view Tat;
  int Person;
  std::u16string_view Have;
};
constexpr TOwnerPronoun OwnerPronouns[] = {{u"минем", 1, u"у меня"},  {u"синең", 2, u"у тебя"},
                                           {u"аның", 3, u"у него"},   {u"безнең", 4, u"у нас"},
                                           {u"сезнең", 5, u"у вас"},  {u"аларның", 6, u"у них"}};

std::u16string_view HaveOf(int person) {
  for (const TOwnerPronoun& o : OwnerPronouns)
    if (o.Person == person) return o.Have;
  return {};
}

// Ending codes of a noun in -дагы (the last one plural).
bool IsPlaceAttribute(int code) { return code >= 82 && code <= 86; }

}  // namespace

int TSP_tat::NounPhraseStart(int noun) {
  // A personal pronoun in the nominative is a subject, no determiner.
  int s = noun;
  while (s - 1 >= FirstWord && Kits[s - 1].Kind == kkTranslated && Rus(s - 1).Prefix.empty() &&
         ((Class(s - 1) & (wcAdjective | wcNumeral)) ||
          (Class(s - 1) == wcUnchanged07 && Tat(s - 1).WordClass != wcGlue && !IsPersonalPronoun(Source(s - 1)))))
    --s;
  return s;
}

int TSP_tat::FollowingHead(int from) {
  int h = from;
  while (h <= LastWord && Kits[h].Kind == kkTranslated && Rus(h).Prefix.empty() &&
         ((Class(h) & (wcAdjective | wcNumeral)) || (Class(h) == wcUnchanged07 && Tat(h).WordClass != wcGlue) ||
          (Class(h) == wcAdverb && Source(h) == u"иң")))
    ++h;
  if (h > LastWord || Kits[h].Kind != kkTranslated || Class(h) != wcNoun || !SingleReading(h, wcNoun)) return -1;
  return h;
}

void TSP_tat::PlaceAttributes() {
  if (!Translator) return;
  for (int k = FirstWord; k < LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || Class(k) != wcNoun || Tat(k).WordClass != wcNoun ||
        !IsPlaceAttribute(Tat(k).EndingCode))
      continue;
    int head = FollowingHead(k + 1);
    if (head < 0) continue;
    // After the whole chain of possessed nouns (директор школы в деревне).
    while (IsPossessedHead(head + 1)) ++head;
    // The place: в/на + prepositional, у + genitive for a person, a season
    // or a part of the day in the instrumental.
    Kits[k].Readings.resize(1);
    TFormRus& place = Rus(k);
    const bool plural = Tat(k).EndingCode == 86;
    const std::u16string lemma = LemmaOf(k);
    if (OneOf(lemma, SeasonsAndDayParts)) {
      place.Prefix.clear();
      place.Case = plural ? 10 : 9;
    } else if (place.Variant == 1) {
      place.Prefix = u"у ";
      place.Case = plural ? 4 : 3;
    } else {
      place.Prefix = Translator->Dictionary().Noun.TakesNa(place.StemRow) ? u"на " : u"в ";
      place.Case = plural ? 12 : 11;
    }
    place.Agreed = 1;
    // The place with its own modifiers goes after the head noun.
    k = MovePhraseAfter(NounPhraseStart(k), k, head);
  }
}

void TSP_tat::DependentObliques() {
  for (int k = FirstWord; k < LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || !SingleReading(k, wcNoun) || Tat(k).WordClass != wcNoun) continue;
    const int code = Tat(k).EndingCode;
    const TFormRus& rus = Rus(k);
    // A person in the dative (маме), or any ablative (из деревни, от мамы).
    const bool dative = IsDativeEnding(code) && rus.Variant == 1 && rus.Prefix.empty();
    const bool ablative = IsAblativeEnding(code) && !rus.Prefix.empty();
    if (!dative && !ablative) continue;
    const int head = k + 1;
    if (head > LastWord || Kits[head].Kind != kkTranslated || !SingleReading(head, wcNoun) ||
        Tat(head).WordClass != wcNoun)
      continue;
    // The head is a bare noun in the nominative or accusative, and no
    // possessor of the noun after it (авылдан мәктәп директоры).
    const int headCode = Tat(head).EndingCode;
    if (!IsBareNounEnding(headCode) || !Rus(head).Prefix.empty() || (Rus(head).Case != 1 && Rus(head).Case != 2 &&
                                                                     Rus(head).Case != 7 && Rus(head).Case != 8))
      continue;
    if (IsPossessedHead(head + 1) || HasReading(head + 1, wcPostposition) || HasReading(head + 1, wcNoun)) continue;
    // Only before a verb or at the end of the phrase: the pair is an object
    // or the whole phrase.
    const int after = head + 1;
    if (after <= LastWord && Kits[after].Kind != kkSeparator && !HasReading(after, wcVerb)) continue;
    // A time unit is no object (көннән көн).
    if (IsTimeUnit(head)) continue;
    const int start = NounPhraseStart(k);
    // Right before the verb the bare noun was its object; moved away from
    // it, it takes the accusative here (купил книгу брату). Without a
    // subject before it or a verb of the speaker it is the subject itself
    // (Авылдан кыз килде).
    if (after <= LastWord && HasReading(after, wcVerb) && IsBareNounEnding(headCode) &&
        (SubjectOf(ClauseStart(start), start) >= 0 || IsSpeakerVerb(after)) && Rus(head).Case <= 2) {
      Rus(head).Case = 7;
      Rus(head).Agreed = 1;
    }
    const uint8_t capital = Kits[start].Capital;
    TTransKit moved = std::move(Kits[head]);
    Kits.erase(Kits.begin() + head);
    moved.Capital = capital;
    Kits[start].Capital = 0;
    Kits.insert(Kits.begin() + start, std::move(moved));
    k = head;
  }
}

void TSP_tat::LackAndTopicAttributes() {
  for (int k = FirstWord; k < LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated) continue;
    int start = -1;
    if (SingleReading(k, wcNoun) && Tat(k).WordClass == wcNoun && IsLackEnding(Tat(k).EndingCode)) {
      start = NounPhraseStart(k);
    } else if (k > FirstWord && Class(k) == wcPostposition && OneOf(Source(k), Topics) &&
               SingleReading(k - 1, wcNoun)) {
      // Only a noun topic: a pronoun (бу турында) stays by the verb.
      start = NounPhraseStart(k - 1);
    }
    if (start < 0) continue;
    int head = FollowingHead(k + 1);
    // A time word after it says when, it is no head (бу турында кичә).
    if (head < 0 || IsTimeUnit(head)) continue;
    while (IsPossessedHead(head + 1)) ++head;
    k = MovePhraseAfter(start, k, head);
  }
}

int TSP_tat::MovePhraseAfter(int start, int end, int head) {
  TTransKits phrase(std::make_move_iterator(Kits.begin() + start), std::make_move_iterator(Kits.begin() + end + 1));
  // The capital stays with the sentence's first slot.
  const uint8_t capital = Kits[start].Capital;
  Kits.erase(Kits.begin() + start, Kits.begin() + end + 1);
  const int newHead = head - (end + 1 - start);
  Kits[start].Capital = capital;
  phrase.front().Capital = 0;
  Kits.insert(Kits.begin() + newHead + 1, std::make_move_iterator(phrase.begin()), std::make_move_iterator(phrase.end()));
  return newHead + static_cast<int>(phrase.size());
}

void TSP_tat::InstrumentSenses() {
  for (int p = FirstWord + 1; p <= LastWord; ++p) {
    if (Kits[p].Kind != kkTranslated || Class(p) != wcPostposition || Source(p) != u"белән") continue;
    const int noun = p - 1;
    if (Kits[noun].Kind != kkTranslated || Class(noun) != wcNoun || Tat(noun).WordClass != wcNoun ||
        Rus(noun).Possessor == 1 || Rus(noun).Possessor == 2)
      continue;
    const std::u16string lemma = LemmaOf(noun);
    if (OneOf(lemma, Vehicles)) {
      Rus(p).RusText = u"на";
      Rus(p).Case = 11;
    } else if (OneOf(lemma, Tools)) {
      // The bare instrumental: the noun takes the case, the slot goes.
      Kits[noun].Readings.resize(1);
      Rus(noun).Prefix.clear();
      Rus(noun).Case = Rus(noun).Number == 2 ? 10 : 9;
      Rus(noun).Agreed = 1;
      Kits.erase(Kits.begin() + p);
      --LastWord;
      --p;
    }
  }
}

void TSP_tat::WaysAlong() {
  for (int k = FirstWord; k <= LastWord; ++k) {
    if (Kits[k].Kind == kkTranslated && Class(k) == wcNoun && Tat(k).WordClass == wcNoun &&
        (Rus(k).Case == 11 || Rus(k).Case == 12) && !Rus(k).Prefix.empty() && OneOf(LemmaOf(k), Channels)) {
      Kits[k].Readings.resize(1);
      Rus(k).Prefix = u"по ";
      Rus(k).Case = 5;
      Rus(k).Number = 1;
      Rus(k).Agreed = 1;
      continue;
    }
    if (k == LastWord) break;
    if (Kits[k].Kind != kkTranslated || Class(k) != wcNoun || Tat(k).WordClass != wcNoun ||
        !IsAblativeEnding(Tat(k).EndingCode) || Rus(k).Prefix.empty())
      continue;
    if (!OneOf(LemmaOf(k), Ways)) continue;
    // A verb of motion later in the clause.
    bool motion = false;
    for (int v = k + 1; v <= LastWord && Kits[v].Kind != kkSeparator; ++v) motion = motion || IsMotionVerb(v);
    if (!motion) continue;
    Kits[k].Readings.resize(1);
    Rus(k).Prefix = u"по ";
    Rus(k).Case = Rus(k).Number == 2 ? 6 : 5;
    Rus(k).Agreed = 1;
  }
}

void TSP_tat::TimeOfDayLocatives() {
  for (int k = FirstWord; k <= LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || Class(k) != wcNoun || Tat(k).WordClass != wcNoun) continue;
    TFormRus& rus = Rus(k);
    if (rus.Prefix != u"в " || (rus.Case != 11 && rus.Case != 12)) continue;
    // An adjective (or a noun read as one: кыш көнендә) before it; a
    // season or a part of the day other than "день" says when on its own
    // too (язда: весной, төндә: ночью).
    const bool before = k > FirstWord && Kits[k - 1].Kind == kkTranslated;
    const bool modified = before && Class(k - 1) == wcAdjective;
    if (!(modified && OneOf(LemmaOf(k), DayParts)) && !OneOf(LemmaOf(k), SeasonsAndDayParts)) continue;
    // Not after a count (өч кышта) and not in the plural without a modifier.
    if (!modified && (rus.Number == 2 || (before && Class(k - 1) == wcNumeral))) continue;
    Kits[k].Readings.resize(1);
    // "һәр иртәдә" is every morning: каждое утро, in the accusative.
    if (before && Source(k - 1) == u"һәр") {
      rus.Prefix.clear();
      rus.Case = rus.Number == 2 ? 8 : 7;
      rus.Agreed = 1;
      continue;
    }
    if (rus.Number == 2) {
      rus.Case = 8;  // в зимние дни
    } else {
      rus.Prefix.clear();
      rus.Case = 9;  // тёмной ночью
    }
    rus.Agreed = 1;
  }
}

void TSP_tat::CollectiveNouns() {
  for (int k = FirstWord; k <= LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || Class(k) != wcNoun || Rus(k).Number != 2) continue;
    if (!OneOf(LemmaOf(k), Collectives)) continue;
    for (TTransUnit& reading : Kits[k].Readings)
      if (reading.Rus.WordClass == wcNoun) reading.Rus.Number = 1;
  }
}

}  // namespace tatengine

namespace tatengine {

void TSP_tat::CountQuestions() {
  // "Синең ничә апаң бар?" is "Сколько у тебя старших сестёр?": the owner
  // goes after "сколько" as "у ...", the noun into the genitive plural, and
  // "бар" (есть) goes.
  const int last = LastWord;
  if (last - 2 < FirstWord || Source(last) != u"бар" || Kits[last].Kind != kkTranslated) return;
  const int noun = last - 1;
  if (Kits[noun].Kind != kkTranslated || Class(noun) != wcNoun || Tat(noun).WordClass != wcNoun ||
      Rus(noun).Possessor == 0 || Rus(noun).Case > 2)
    return;
  int q = noun - 1;
  while (q >= FirstWord && Class(q) == wcAdjective) --q;
  if (q < FirstWord || Source(q) != u"ничә") return;
  // The owner: a genitive pronoun, a noun in the genitive, or the ending.
  const int o = q - 1;
  std::u16string_view have;
  bool nounOwner = false;
  if (o >= FirstWord && Kits[o].Kind == kkTranslated) {
    const std::u16string word = Source(o);
    for (const TOwnerPronoun& p : OwnerPronouns)
      if (word == p.Tat) have = p.Have;
    nounOwner = have.empty() && Class(o) == wcNoun && Tat(o).WordClass == wcNoun &&
                NounRule(Tat(o).EndingCode).Case == 3 && NounRule(Tat(o).EndingCode).Prefix.empty();
  }
  const bool owned = !have.empty() || nounOwner;
  if (!owned) have = HaveOf(Rus(noun).Possessor);
  if (have.empty() && !nounOwner) return;

  const int first = owned ? o : q;
  const uint8_t capital = Kits[first].Capital;
  // Without its Tatar source: the quantity rules must not decline it.
  TTransKit how = FixedKit(u"сколько", wcUnchanged03);
  how.Capital = capital;
  TTransKit owner;
  if (nounOwner) {
    owner = std::move(Kits[o]);
    owner.Readings.resize(1);
    owner.Readings[0].Rus.Prefix = u"у ";
    owner.Readings[0].Rus.Case = 3;
    owner.Readings[0].Rus.Number = 1;
    owner.Readings[0].Rus.Agreed = 1;
    owner.Capital = 0;
  } else {
    owner = FixedKit(have);
  }
  TFormRus& counted = Rus(noun);
  counted.Case = 3;
  counted.Number = IsMassNoun(noun) ? 1 : 2;
  counted.Possessor = 0;
  counted.Agreed = 1;
  // [owner] ничә ... noun бар -> сколько owner ... noun
  Kits.erase(Kits.begin() + last);
  Kits.erase(Kits.begin() + first, Kits.begin() + q + 1);
  Kits.insert(Kits.begin() + first, std::move(owner));
  Kits.insert(Kits.begin() + first, std::move(how));
  LastWord = LastWord - 1 - (q + 1 - first) + 2;
}

}  // namespace tatengine
