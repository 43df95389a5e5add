// Noun phrases with a "having" attribute and owners a strong cue makes
// female:
// - a noun in -лы/-ле the lexicon lacks as a word of its own is "с" + the
//   instrumental of the noun (сакаллы: с бородой), clothes "в" + the
//   prepositional (күлмәкле: в платье); an adjective of its own agrees
//   with that noun, and the whole attribute follows the noun it describes
//   (яшел күлмәкле кыз: девушка в зелёном платье);
// - "аның" and the owner named by a 3rd-person possessive of a woman's
//   thing or role are "её" (аның күлмәге: её платье, ире: её муж); "ул"
//   with such an object, or getting married as "кияүгә чык", is "она";
// - "янында" after a building in a phrase of its own is "возле";
// - a noun that is also an adjective before a postposition is the noun
//   (авыру аркасында: из-за болезни);
// - "бит" after an ordinal is a page (унынчы бит: десятая страница).
#include <algorithm>
#include <iterator>

#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "TextUtil.h"
#include "Transler.h"

namespace tatengine {
namespace {

// What one is dressed in: "в" + prepositional (в платье, в очках).
constexpr std::u16string_view Clothes[] = {
    u"платье",  u"пальто",   u"куртка",   u"шапка",   u"шляпа",  u"очки",    u"костюм",  u"рубашка",
    u"юбка",    u"сапоги",   u"шуба",     u"плащ",    u"свитер", u"брюки",   u"джинсы",  u"кофта",
    u"шарф",    u"платок",   u"ботинки",  u"туфли",   u"пиджак", u"халат",   u"майка",   u"футболка",
    u"перчатки", u"варежки", u"валенки",  u"кроссовки", u"блузка", u"сарафан", u"фартук", u"форма",
    u"галстук", u"тюбетейка", u"калоши",  u"шорты",   u"штаны",  u"сапог",   u"ботинок", u"туфля",
    u"тапочки", u"носки",    u"жилет",    u"пилотка", u"фуражка", u"бушлат", u"шинель",  u"одежда",
    u"обувь",   u"платочек", u"косынка",  u"шаль",    u"кепка",  u"панама",  u"купальник", u"наряд"};

// Things that come in pairs or many, said in the plural (зәңгәр күзле: с
// голубыми глазами).
constexpr std::u16string_view PairedThings[] = {u"глаз", u"рука", u"нога", u"ухо",   u"бровь", u"ресница",
                                                u"щека", u"зуб",  u"крыло", u"колесо", u"волос", u"ус"};

// Adjectives of look and size that describe the noun inside a having
// attribute rather than the owner: зур бакчалы йорт is дом с большим садом.
constexpr std::u16string_view LookAdjectives[] = {
    u"зелёный", u"красный",  u"белый",    u"чёрный",  u"синий",  u"голубой", u"жёлтый",  u"серый",
    u"коричневый", u"розовый", u"рыжий",  u"светлый", u"тёмный", u"длинный", u"короткий", u"большой",
    u"маленький", u"высокий", u"низкий",  u"широкий", u"узкий",  u"толстый", u"тонкий",  u"круглый",
    u"густой",  u"кудрявый", u"седой",    u"пушистый", u"острый", u"огромный", u"крупный", u"мелкий",
    u"фиолетовый", u"оранжевый", u"золотой", u"серебряный", u"пёстрый"};

// A woman's things and roles (Russian nominative singular): their owner is
// a woman.
constexpr std::u16string_view WomensNouns[] = {u"платье", u"юбка",   u"блузка",  u"сарафан", u"серьги",
                                               u"бусы",   u"помада", u"колготки", u"муж",    u"жених",
                                               u"свекровь", u"свёкор", u"косметика"};

// The Tatar "having" ending: -лы after a back stem, -ле after a front one.
bool HasHavingEnding(std::u16string_view word) {
  return word.size() >= 4 && word[word.size() - 2] == u'л' &&
         (word.back() == u'ы' || word.back() == u'е');
}

}  // namespace

bool TSP_tat::IsHavingAttribute(int slot) {
  if (slot < FirstWord || slot > LastWord || Kits[slot].Kind != kkTranslated || !SingleReading(slot, wcNoun))
    return false;
  const TTransUnit& reading = Kits[slot].Readings[0];
  return reading.Tat.WordClass == wcNoun && reading.Tat.EndingCode == 0 && reading.Rus.Agreed &&
         (reading.Rus.Prefix == u"с " || reading.Rus.Prefix == u"в ") && HasHavingEnding(Lowered(reading.Tat.Source));
}

bool TSP_tat::ReadAsHaving(int slot) {
  const std::u16string word = Source(slot);
  if (!Translator || !HasHavingEnding(word)) return false;
  const std::u16string stem = word.substr(0, word.size() - 2);
  TTransKit found;
  bool usedNext = false;
  if (!Translator->LookupWord(stem, {}, found, usedNext)) return false;
  auto noun = std::find_if(found.Readings.begin(), found.Readings.end(), [](const TTransUnit& r) {
    return r.Rus.WordClass == wcNoun && r.Tat.WordClass == wcNoun && r.Tat.EndingCode == 1;
  });
  if (noun == found.Readings.end()) return false;
  TTransUnit reading = std::move(*noun);
  reading.Tat.Source = Kits[slot].Kind == kkUnknown ? Kits[slot].Text : Tat(slot).Source;
  // No Tatar case: the rules that read a bare nominative as a subject or an
  // object must not take the attribute for one.
  reading.Tat.EndingCode = 0;
  TTransKit& kit = Kits[slot];
  // The capital of the sentence's first word marks the sentence start and
  // must not travel with the attribute when it moves.
  const bool capital = kit.Kind == kkUnknown ? !kit.Text.empty() && IsUpperChar(kit.Text[0]) : kit.Capital != 0;
  if (capital && slot == FirstWord) StartCapital = true;
  kit.Readings.assign(1, std::move(reading));
  TTransler::MarkTranslated(false, kit, kit.HyphenPart);
  TFormRus& rus = Rus(slot);
  const std::u16string lemma = LemmaOf(slot);
  // Plural-only nouns (очки, волосы) and pairs take the plural.
  rus.Number = rus.Gender == 4 || OneOf(lemma, PairedThings) ? 2 : 1;
  if (OneOf(lemma, Clothes)) {
    rus.Prefix = u"в ";
    rus.Case = rus.Number == 2 ? 12 : 11;
  } else {
    rus.Prefix = u"с ";
    rus.Case = rus.Number == 2 ? 10 : 9;
  }
  rus.Possessor = 0;
  rus.Agreed = 1;
  return true;
}

void TSP_tat::HavingAttributes() {
  for (int k = FirstWord; k <= LastWord; ++k) {
    if (Kits[k].Kind == kkSeparator) continue;
    // A count before it makes a compound adjective of its own (ике катлы:
    // двухэтажный): not this construction.
    const bool counted = k > FirstWord && HasReading(k - 1, wcNumeral);
    if (counted || !HasHavingEnding(Source(k))) continue;
    if (Kits[k].Kind == kkUnknown) {
      // The word after the attribute is the noun it describes (зур
      // тәрәзәле бүлмә: комната, not the order "не дели").
      int noun = -1;
      if (ReadAsHaving(k) && HasReading(k + 1, wcNoun, noun)) Keep(k + 1, noun);
      continue;
    }
    // A known adjective in -лы (сакаллы: бородатый) keeps its sense unless an
    // adjective of look or size describes the noun inside it (озын сакаллы:
    // с длинной бородой).
    int adjective = -1;
    if (k == FirstWord || !HasReading(k, wcAdjective) || !HasReading(k - 1, wcAdjective, adjective) ||
        Kits[k - 1].Readings.size() != 1)
      continue;
    TTransUnit before = Kits[k - 1].Readings[adjective];
    before.Rus.Case = 1;
    before.Rus.Number = 1;
    before.Rus.Gender = 1;
    before.Rus.Prefix.clear();
    Translator->Dictionary().Generate(before);
    if (!OneOf(std::u16string_view(before.Rus.RusText), LookAdjectives)) continue;
    const TTransKit saved = Kits[k];
    int noun = -1;
    if (!ReadAsHaving(k)) Kits[k] = saved;
    else if (HasReading(k + 1, wcNoun, noun)) Keep(k + 1, noun);
  }
}

void TSP_tat::PlaceHavingAttributes() {
  for (int k = FirstWord; k < LastWord; ++k) {
    if (!IsHavingAttribute(k)) continue;
    int head = FollowingHead(k + 1);
    if (head < 0 || IsTimeUnit(head)) continue;
    while (IsPossessedHead(head + 1)) ++head;
    // Only its own adjectives go with it; a determiner before it is the
    // head's (бу зур бакчалы йорт: этот дом с большим садом).
    int start = k;
    while (start - 1 >= FirstWord && Kits[start - 1].Kind == kkTranslated && Class(start - 1) == wcAdjective &&
           Tat(start - 1).WordClass == wcAdjective && Rus(start - 1).Prefix.empty())
      --start;
    k = MovePhraseAfter(start, k, head);
  }
}

}  // namespace tatengine

namespace tatengine {
namespace {

// The woman's thing or role in a slot's noun reading, named by its own
// 3rd-person possessive (күлмәге, ире) or by "аның" before it.
bool IsWomansNoun(std::u16string_view lemma) { return OneOf(lemma, WomensNouns); }

// Sets text as the slot's generated text, keeping a capital.
void SetText(TTransKit& kit, std::u16string_view text) {
  const bool capital = !kit.Text.empty() && IsUpperChar(kit.Text[0]);
  for (TTransUnit& reading : kit.Readings) reading.Rus.RusText.assign(text);
  kit.Text.assign(text);
  if (capital) UpperFirst(kit.Text);
}

}  // namespace

bool TSP_tat::HasWomansObject(int from, int to) {
  for (int k = from; k <= to; ++k) {
    if (Kits[k].Kind != kkTranslated) continue;
    // кияүгә чык: to marry, of a woman (one phrase or two words).
    const std::u16string word = Source(k);
    if (word.starts_with(u"кияүгә чык") ||
        (word == u"кияүгә" && k + 1 <= to && Kits[k + 1].Kind == kkTranslated && Source(k + 1).starts_with(u"чык")))
      return true;
    if (Class(k) == wcNoun && Tat(k).WordClass == wcNoun && Rus(k).Possessor == 3 && IsWomansNoun(LemmaOf(k)))
      return true;
  }
  return false;
}

void TSP_tat::WomenSubjects() {
  // "ул" as the subject of a clause about her own woman's thing or role, or
  // about marrying as a woman, is "она"; the verb agrees (Ул иренә
  // шалтыратты: Она позвонила мужу).
  for (int k = FirstWord; k <= LastWord; ++k) {
    if (Source(k) != u"ул" || !IsPronounSubject(k)) continue;
    if (!HasWomansObject(ClauseStart(k), ClauseEnd(k))) continue;
    for (TTransUnit& reading : Kits[k].Readings) reading.Rus.Gender = 2;
  }
}

void TSP_tat::WomenOwners() {
  // After generation: the owner of a woman's thing or role is "её" (аның
  // күлмәге: её платье, күлмәгендә: в её платье), and a subject "ул" marked
  // female says "она".
  for (int k = FirstWord; k <= LastWord && k < SlotCount(); ++k) {
    TTransKit& kit = Kits[k];
    if (kit.Kind != kkTranslated) continue;
    if (Source(k) == u"ул" && Rus(k).Gender == 2 && Lowered(kit.Text) == u"он") {
      SetText(kit, u"она");
      continue;
    }
    if (Class(k) != wcNoun || Tat(k).WordClass != wcNoun || !IsWomansNoun(LemmaOf(k))) continue;
    // "его" inside the noun's own text (в его платье).
    for (TTransUnit& reading : kit.Readings) {
      const size_t at = reading.Rus.RusText.find(u"его ");
      if (at != std::u16string::npos && Rus(k).Possessor == 3) reading.Rus.RusText.replace(at, 3, u"её");
    }
    if (Rus(k).Possessor == 3) {
      const size_t at = kit.Text.find(u"его ");
      if (at != std::u16string::npos) kit.Text.replace(at, 3, u"её");
    }
    // "аның" or an inserted "его" before the phrase.
    int o = k - 1;
    while (o >= FirstWord && Kits[o].Kind == kkTranslated && Class(o) == wcAdjective) --o;
    if (o < FirstWord || Kits[o].Kind != kkTranslated || Lowered(Kits[o].Text) != u"его") continue;
    const std::u16string owner = Source(o);
    if (owner == u"аның" || (owner.empty() && Rus(k).Possessor == 3)) SetText(Kits[o], u"её");
  }
}

}  // namespace tatengine

namespace tatengine {
namespace {

// Buildings and places one stands near rather than at: "возле" in a phrase
// of its own (вокзал янында: возле вокзала).
constexpr std::u16string_view Buildings[] = {
    u"дом",       u"школа",     u"вокзал",  u"подъезд",  u"магазин",  u"театр",  u"больница", u"станция",
    u"кинотеатр", u"музей",     u"библиотека", u"здание", u"завод",   u"фабрика", u"университет", u"институт",
    u"почта",     u"аптека",    u"банк",    u"рынок",    u"гостиница", u"церковь", u"мечеть",  u"стадион",
    u"ресторан",  u"парк",      u"дворец",  u"клуб",     u"цирк",     u"памятник", u"мост",    u"вход",
    u"гараж",     u"сарай",     u"двор",    u"забор",    u"мастерская", u"поликлиника", u"детский сад"};

}  // namespace

void TSP_tat::NearBuildings() {
  // With a verb "у" (сидим у стола, стоит у дома) reads well; a phrase of
  // its own about a building says "возле".
  if (HasVerb()) return;
  for (int p = FirstWord + 1; p <= LastWord; ++p) {
    if (Kits[p].Kind != kkTranslated || Class(p) != wcPostposition || Source(p) != u"янында") continue;
    const int n = p - 1;
    if (Kits[n].Kind != kkTranslated || Class(n) != wcNoun || !OneOf(LemmaOf(n), Buildings)) continue;
    Kits[p].Readings.resize(1);
    Rus(p).RusText = u"возле";
  }
}

}  // namespace tatengine

namespace tatengine {
namespace {

// An ordinal in -нчы/-нче (икенче, унынчы).
bool IsOrdinalWord(std::u16string_view word) {
  return word.size() >= 5 && (word.ends_with(u"нчы") || word.ends_with(u"нче"));
}

}  // namespace

void TSP_tat::PostpositionsAfterHomographs() {
  // A noun that is also an adjective before a word that is both a
  // postposition and a possessed noun is the noun the postposition governs
  // (авыру аркасында: из-за болезни, not "в больной спине").
  for (int k = FirstWord + 1; k <= LastWord; ++k) {
    int adjective = -1;
    if (!HasReading(k, wcPostposition) || !HasReading(k, wcNoun) || !HasReading(k - 1, wcNoun) ||
        !HasReading(k - 1, wcAdjective, adjective))
      continue;
    Drop(k - 1, adjective);
  }
}

void TSP_tat::OrdinalPages() {
  // After an ordinal "бит" is a page, feminine (унынчы бит: десятая
  // страница, икенче биттә: на второй странице); the glue reads it as a
  // face there.
  for (int k = FirstWord + 1; k <= LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || !IsOrdinalWord(Source(k - 1)) || !Source(k).starts_with(u"бит")) continue;
    for (TTransUnit& reading : Kits[k].Readings) {
      if (reading.Rus.WordClass != wcNoun) continue;
      reading.Rus.Gender = 2;
      if (reading.Tat.WordClass == wcGlue) reading.Rus.GlueMode = 2;
    }
  }
}

void TSP_tat::PageTexts() {
  // A noun "бит" the ordinal rule made feminine still generates "лицо".
  for (int k = FirstWord + 1; k <= LastWord && k < SlotCount(); ++k) {
    TTransKit& kit = Kits[k];
    if (kit.Kind != kkTranslated || Class(k) != wcNoun || Tat(k).WordClass != wcNoun || Rus(k).Gender != 2 ||
        !Source(k).starts_with(u"бит") || !Lowered(kit.Text).starts_with(u"лиц"))
      continue;
    const int x = Rus(k).Case > 12 ? CaseMap(Rus(k).Case, Rus(k).Number) : Rus(k).Case;
    const std::u16string_view page = PageForm(x);
    const bool capital = IsUpperChar(kit.Text[0]);
    kit.Text.assign(page);
    for (TTransUnit& reading : kit.Readings) reading.Rus.RusText.assign(page);
    if (capital) UpperFirst(kit.Text);
  }
}

}  // namespace tatengine
