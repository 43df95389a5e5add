// Noun phrases around owners: a person noun opening a sentence before its
// own possessed object is the subject (Әни күлмәген юды: Мама постирала
// своё платье); a possessed noun in a phrase of its own names its owner
// (китабыннан: из его книги); "буенда" after water is "на берегу" (елга
// буенда: на берегу реки).
#include <algorithm>
#include <iterator>

#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "RusForms.h"
#include "TextUtil.h"
#include "Transler.h"

namespace tatengine {
namespace {

// Water with a shore (Russian nominative singular).
constexpr std::u16string_view ShoreWaters[] = {u"река", u"озеро", u"море", u"пруд", u"речка", u"океан", u"залив"};

// A finite verb of the 3rd person (укый, юды, барачаклар).
bool IsThirdPersonFinite(int code) { return code >= 15 && code <= 74 && (code - 15) % 6 % 3 == 2; }

// The person of a genitive pronoun that has a possessive of its own.
int OwnerPronounPerson(std::u16string_view word) {
  if (word == u"минем") return 1;
  if (word == u"синең") return 2;
  if (word == u"безнең") return 4;
  if (word == u"сезнең") return 5;
  return 0;
}

// "свой" in the case-and-number x, declined like "твой".
std::u16string OwnForm(int x, int gender, bool animate) {
  std::u16string form(PossessiveForm(2, x, gender, animate));
  if (form.size() >= 2 && form[0] == u'т' && form[1] == u'в') form[0] = u'с';
  else form.clear();
  return form;
}

}  // namespace

int TSP_tat::OwnedObjectVerb(int subject) {
  // The clause's first finite verb after the subject, with no other
  // nominative word that could be the subject on the way.
  for (int v = subject + 1; v <= LastWord; ++v) {
    if (Kits[v].Kind == kkSeparator) return -1;
    if (Kits[v].Kind != kkTranslated) continue;
    if (Class(v) == wcVerb) return IsThirdPersonFinite(Tat(v).EndingCode) ? v : -1;
    if (Class(v) == wcNoun && v != subject + 1 && (Rus(v).Case == 1 || Rus(v).Case == 2)) return -1;
    const std::u16string word = Source(v);
    if (word == u"ул" || word == u"алар") return -1;
  }
  return -1;
}

void TSP_tat::OwnersAsSubjects() {
  // SwapPossessives read "Әни күлмәген" as "платье мамы". With a 3rd-person
  // verb and nothing else to be its subject, a person opening the sentence
  // is the subject and owns the object: Мама постирала своё платье.
  // An oblique's preposition already stands in a slot of its own before it.
  const bool preposition = Kits[FirstWord].Kind == kkTranslated && Class(FirstWord) == wcPostposition;
  const int head = FirstWord + (preposition ? 1 : 0);
  const int owner = head + 1;
  if (owner > LastWord || Kits[head].Kind != kkTranslated || Kits[owner].Kind != kkTranslated) return;
  if (preposition && NounRule(Tat(head).EndingCode).Prefix.empty()) return;
  if (Class(head) != wcNoun || Class(owner) != wcNoun || Tat(owner).WordClass != wcNoun) return;
  // The owned thing is the object or any oblique of the verb (Әби
  // авыруыннан терелде: Бабушка выздоровела от болезни), not a genitive
  // possessor of something further on.
  const TCasePrefix form = NounRule(Tat(head).EndingCode);
  const bool oblique = form.Case == 7 || form.Case == 8 || form.Case == 5 || form.Case == 6 ||
                       ((form.Case == 3 || form.Case == 4 || form.Case >= 11) && !form.Prefix.empty());
  if (!IsPossessedHead(head) || !oblique) return;
  if (!IsBareNounEnding(Tat(owner).EndingCode) || Rus(owner).Case != 3 || Rus(owner).Variant != 1) return;
  if (OwnedObjectVerb(owner) < 0) return;
  Move(owner, FirstWord);
  Kits[FirstWord].Readings.resize(1);
  Rus(FirstWord).Case = 1;
  Rus(FirstWord).Number = 1;
  Rus(FirstWord).Agreed = 1;
}

void TSP_tat::OwnObjectsOfNounSubjects() {
  // The object owned by a person noun subject says "свой" (Кыз әнисен
  // сагынды: Девочка соскучилась по своей маме). Pronoun subjects keep the
  // plain noun.
  const int subject = FirstWord;
  if (Kits[subject].Kind != kkTranslated || Class(subject) != wcNoun || Tat(subject).WordClass != wcNoun ||
      !IsBareNounEnding(Tat(subject).EndingCode) || Rus(subject).Case != 1 || Rus(subject).Variant != 1)
    return;
  const int end = ClauseEnd(subject);
  bool finite = false;
  for (int v = subject + 1; v <= end; ++v)
    finite = finite || (Kits[v].Kind == kkTranslated && Class(v) == wcVerb && IsThirdPersonFinite(Tat(v).EndingCode));
  if (!finite) return;
  for (int k = subject + 1; k <= end; ++k) {
    if (Kits[k].Kind != kkTranslated || !IsPossessedHead(k)) continue;
    const int code = Tat(k).EndingCode;
    if (NounRule(code).Case != 7 && NounRule(code).Case != 8) continue;
    // An owner said beside it (its genitive after it, a determiner before).
    if (k + 1 <= LastWord && Kits[k + 1].Kind == kkTranslated && Class(k + 1) == wcNoun && Rus(k + 1).Case == 3 &&
        Rus(k + 1).Agreed)
      continue;
    const int start = NounPhraseStart(k);
    bool named = false;
    for (int m = start; m < k; ++m) named = named || Class(m) == wcUnchanged07;
    if (named) continue;
    const TFormRus& noun = Rus(k);
    const std::u16string form = OwnForm(noun.Case, noun.Gender, noun.Variant == 1);
    if (form.empty()) continue;
    Kits.insert(Kits.begin() + start, FixedKit(form));
    ++LastWord;
    return;
  }
}

void TSP_tat::UnnamedOwners() {
  // A possessed noun in a phrase of its own (a heading, an answer, a drill
  // line) has an owner no one named: "его" (бакчасында: в его саду). In a
  // sentence the subject or the context names the owner.
  int noun = -1;
  for (int k = FirstWord; k <= LastWord; ++k) {
    if (Kits[k].Kind == kkSeparator) continue;
    if (Kits[k].Kind != kkTranslated) return;
    const int cls = Class(k);
    if (cls == wcNoun) {
      if (noun >= 0) return;
      noun = k;
    } else if (cls != wcPostposition) {
      return;
    }
  }
  // The nominative alone names the thing (китабы: книга), and a word
  // before it is mostly its owner read as an adjective (мәктәп китабы).
  if (noun < 0 || noun != NounPhraseStart(noun) || Tat(noun).WordClass != wcNoun || !IsPossessedHead(noun) ||
      Rus(noun).Possessor != 3 || Rus(noun).Case <= 2)
    return;
  if (!Rus(noun).Prefix.empty()) {
    Rus(noun).Prefix += u"его ";
    return;
  }
  Kits.insert(Kits.begin() + noun, FixedKit(u"его"));
  ++LastWord;
}

void TSP_tat::CountedPossessives() {
  // Russian puts the count before the possessive: трём моим друзьям, два
  // моих брата. After a governing два, три, четыре the possessive is in the
  // genitive plural, or the nominative plural with a feminine noun (две мои
  // сестры); elsewhere it takes the noun's plural case.
  for (int k = FirstWord + 1; k <= LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || Class(k) != wcNoun || Tat(k).WordClass != wcNoun) continue;
    int last = k - 1;
    while (last > FirstWord && Class(last) == wcAdjective) --last;
    if (Kits[last].Kind != kkTranslated || Class(last) != wcNumeral) continue;
    int first = last;
    while (first - 1 >= FirstWord && Kits[first - 1].Kind == kkTranslated && Class(first - 1) == wcNumeral) --first;
    int named = -1;
    if (first - 1 >= FirstWord && Kits[first - 1].Kind == kkTranslated && Class(first - 1) == wcUnchanged07 &&
        OwnerPronounPerson(Source(first - 1)) != 0)
      named = first - 1;
    TFormRus& noun = Rus(k);
    const int person = named >= 0 ? OwnerPronounPerson(Source(named)) : noun.Possessor;
    if (person != 1 && person != 2 && person != 4 && person != 5) continue;
    int x = CaseMap(noun.Case, noun.Number);
    if (x == 3) x = noun.Gender == 2 ? 2 : 4;
    else if (x % 2 == 1) x += 1;
    const std::u16string_view form = PossessiveForm(person, x, noun.Gender, noun.Variant == 1);
    if (form.empty()) continue;
    noun.Possessor = 0;
    Kits.insert(Kits.begin() + last + 1, FixedKit(form));
    ++LastWord;
    ++k;
    if (named >= 0) {
      Kits.erase(Kits.begin() + named);
      --LastWord;
      --k;
    }
  }
}

void TSP_tat::PastExistentials() {
  // "бар иде", "юк иде": the clause of having or being there in the past
  // (Аның ике сеңлесе бар иде: У него было две младшие сестры; Өйдә беркем
  // дә юк иде: Дома никого не было). The present rule builds the clause,
  // then "есть" and "нет" become the past.
  if (LastWord - 1 <= FirstWord || Kits[LastWord].Kind != kkTranslated || Source(LastWord) != u"иде") return;
  const int link = LastWord - 1;
  const std::u16string word = Source(link);
  if (Kits[link].Kind != kkTranslated || (word != u"бар" && word != u"юк") || (Class(link) & 0x108)) return;
  const bool negative = word == u"юк";
  Kits.erase(Kits.begin() + LastWord);
  --LastWord;
  ExistentialClauses();
  int slot = -1;
  for (int k = FirstWord; k <= LastWord; ++k)
    if (Kits[k].Kind == kkTranslated && Source(k) == word && !(Class(k) & 0x108)) slot = k;
  int thing = -1;
  for (int k = slot < 0 ? FirstWord : slot + 1; k <= LastWord && thing < 0; ++k)
    if (Kits[k].Kind == kkTranslated && Class(k) == wcNoun) thing = k;
  if (slot < 0) {
    // A count dropped "есть": the past goes before the count.
    int count = -1;
    for (int k = FirstWord; k <= LastWord && count < 0; ++k)
      if (Kits[k].Kind == kkTranslated && Class(k) == wcNumeral) count = k;
    if (count < 0) return;
    Kits.insert(Kits.begin() + count, FixedKit(u"было"));
    ++LastWord;
    return;
  }
  std::u16string_view past = u"был";
  if (negative || thing < 0) past = u"было";
  else if (Rus(thing).Number == 2) past = u"были";
  else if (Rus(thing).Gender == 2) past = u"была";
  else if (Rus(thing).Gender == 3) past = u"было";
  const uint8_t capital = Kits[slot].Capital;
  Kits[slot] = FixedKit(negative ? u"не было" : past);
  Kits[slot].Capital = capital;
}

void TSP_tat::CountedChildren() {
  // Children counted by два, три, четыре in the nominative or the
  // accusative take the collective numeral: ике бала, двое детей.
  static constexpr std::pair<std::u16string_view, std::u16string_view> collectives[] = {
      {u"два", u"двое"}, {u"три", u"трое"}, {u"четыре", u"четверо"}};
  for (int i = FirstWord; i < LastWord; ++i) {
    if (Kits[i].Kind != kkTranslated || Class(i) != wcNumeral) continue;
    const int n = i + 1;
    if (Kits[n].Kind != kkTranslated || Class(n) != wcNoun || Tat(n).WordClass != wcNoun ||
        Rus(n).Case != 3 || Rus(n).Number != 1 || LemmaOf(n) != u"ребёнок")
      continue;
    for (auto [plain, collective] : collectives)
      if (Rus(i).RusText == plain) {
        Rus(i).RusText.assign(collective);
        Rus(n).Number = 2;
      }
  }
}

void TSP_tat::RiverBanks() {
  // "буенда" after water is its shore: елга буенда, на берегу реки (у реки
  // is beside it); after anything else it stays "у".
  for (int p = FirstWord + 1; p <= LastWord; ++p) {
    if (Kits[p].Kind != kkTranslated || Class(p) != wcPostposition || Source(p) != u"буенда") continue;
    const int n = p - 1;
    if (Kits[n].Kind != kkTranslated || Class(n) != wcNoun || !OneOf(LemmaOf(n), ShoreWaters)) continue;
    Kits[p].Readings.resize(1);
    Rus(p).RusText = u"на берегу";
  }
}

}  // namespace tatengine
