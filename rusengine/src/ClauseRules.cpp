#include "ClauseRules.h"

#include <algorithm>
#include <array>
#include <string>

#include "AttributeRules.h"
#include "ClauseTools.h"
#include "Common_ru.h"
#include "DictionaryRT.h"
#include "FrameRules.h"
#include "MoodRules.h"
#include "ObjectRules.h"
#include "OrderRules.h"
#include "SenseRules.h"
#include "SelectionRules.h"
#include "SpeechRules.h"
#include "TimeRules.h"
#include "db_unit.h"

namespace rusengine {

namespace {

constexpr uint8_t kNom = 1, kGen = 2, kDat = 4, kAcc = 8, kIns = 16, kPrep = 32;

// Oblique forms after a preposition take the н- variant (него, нему); both
// are listed. A form standing in two persons is listed twice, each with its
// cases ("ним": instrumental of он, dative of они).
constexpr TPronounForm kPronouns[] = {
    {u"я", 0, kNom},           {u"меня", 0, kGen | kAcc}, {u"мне", 0, kDat | kPrep},
    {u"мной", 0, kIns},        {u"мною", 0, kIns},        {u"ты", 1, kNom},
    {u"тебя", 1, kGen | kAcc}, {u"тебе", 1, kDat | kPrep}, {u"тобой", 1, kIns},
    {u"тобою", 1, kIns},       {u"он", 2, kNom},          {u"она", 2, kNom},
    {u"оно", 2, kNom},         {u"его", 2, kGen | kAcc},  {u"него", 2, kGen | kAcc},
    {u"ее", 2, kGen | kAcc},   {u"нее", 2, kGen | kAcc},  {u"ему", 2, kDat},
    {u"нему", 2, kDat},        {u"ей", 2, kDat | kIns | kPrep},
    {u"ней", 2, kDat | kIns | kPrep},
    {u"им", 2, kIns},          {u"ним", 2, kIns},         {u"нем", 2, kPrep},
    {u"ею", 2, kIns},          {u"нею", 2, kIns},         {u"мы", 3, kNom},
    {u"нас", 3, kGen | kAcc | kPrep},                     {u"нам", 3, kDat},
    {u"нами", 3, kIns},        {u"вы", 4, kNom},          {u"вас", 4, kGen | kAcc | kPrep},
    {u"вам", 4, kDat},         {u"вами", 4, kIns},        {u"они", 5, kNom},
    {u"их", 5, kGen | kAcc | kPrep},                      {u"них", 5, kGen | kAcc | kPrep},
    {u"им", 5, kDat},          {u"ним", 5, kDat},         {u"ими", 5, kIns},
    {u"ними", 5, kIns}};

constexpr std::array<std::array<std::u16string_view, 6>, 6> kTatarPronouns = {{
    {u"мин", u"минем", u"миңа", u"мине", u"миннән", u"миндә"},
    {u"син", u"синең", u"сиңа", u"сине", u"синнән", u"синдә"},
    {u"ул", u"аның", u"аңа", u"аны", u"аннан", u"анда"},
    {u"без", u"безнең", u"безгә", u"безне", u"бездән", u"бездә"},
    {u"сез", u"сезнең", u"сезгә", u"сезне", u"сездән", u"сездә"},
    {u"алар", u"аларның", u"аларга", u"аларны", u"алардан", u"аларда"},
}};

// Russian words that are the predicate of their clause although they are
// not verbs: they go to the end like a verb.
constexpr std::u16string_view kPredicates[] = {
    u"есть", u"нет",   u"был",   u"была",   u"было",  u"были",  u"нужно", u"надо",
    u"можно", u"нельзя", u"должен", u"должна", u"должно", u"должны", u"нужен", u"нужна",
    u"нужны"};
constexpr std::u16string_view kPastBe[] = {u"был", u"была", u"было", u"были"};
// Question words: in Tatar they stand right before the verb.
constexpr std::u16string_view kQuestionWords[] = {
    u"где", u"куда", u"откуда", u"когда", u"как", u"почему", u"зачем", u"что", u"кто", u"сколько"};
// Conjunctions that may join two clauses.
constexpr std::u16string_view kJoiners[] = {u"и", u"а", u"но", u"или"};
// Tatar demonstratives: the noun after one is a definite object.
constexpr std::u16string_view kDemonstratives[] = {u"бу", u"шул", u"теге", u"шушы", u"әлеге"};
// The Russian stem of "работать".
constexpr std::u16string_view kWorkStem = u"работа";
// Tatar verbs whose object is always definite.
constexpr std::u16string_view kWholeObjectVerbs[] = {u"ярат"};
// Tatar numerals and quantity words (the last word of a translation): the
// noun after one stays singular.
constexpr std::u16string_view kNumerals[] = {
    u"бер",   u"ике",   u"өч",    u"дүрт",  u"биш",   u"алты",  u"җиде",    u"сигез",
    u"тугыз", u"ун",    u"егерме", u"утыз", u"кырык", u"илле",  u"алтмыш", u"җитмеш",
    u"сиксән", u"туксан", u"йөз",  u"мең",  u"миллион", u"берничә", u"ничә", u"күпме"};
// Quantity words that are the predicate of a clause with no verb ("много
// снега" -> кар күп); the noun after one keeps its number.
constexpr std::u16string_view kQuantities[] = {u"күп", u"аз"};
// Tatar possessive pronouns and the person they mark.
struct TPossessive {
  std::u16string_view Tatar;
  int8_t Person;
};
constexpr TPossessive kPossessives[] = {
    {u"минем", 0}, {u"синең", 1}, {u"аның", 2}, {u"безнең", 3}, {u"сезнең", 4}, {u"аларның", 5}};
// The reflexive possessive (свой): the subject's person, no word of its own.
constexpr std::u16string_view kOwn = u"үз";
// Adverbs of place and time: after a negated "был" they say where or when
// one never was, so "был" is the past of бул (без анда булмадык), not the
// copula.
constexpr std::u16string_view kSettingAdverbs[] = {
    u"там",    u"здесь",  u"тут",     u"дома",   u"нигде",  u"везде", u"вчера",
    u"давно",  u"недавно", u"никогда", u"раньше", u"тогда",  u"долго", u"сегодня",
    u"утром",  u"вечером", u"днем",    u"ночью",  u"летом",  u"зимой", u"весной",
    u"осенью", u"туда",   u"оттуда",  u"сюда",   u"недолго", u"позавчера"};
// Personal endings of the past copula иде by person.
constexpr std::array<std::u16string_view, 6> kCopulaEndings = {u"м", u"ң", u"", u"к", u"гез", u""};

}  // namespace

const TWordForm* Head(const TTransKit& kit) {
  return kit.Readings.empty() ? nullptr : &kit.Readings[0];
}

bool HeadIs(const TTransKit& kit, uint16_t mask) {
  const TWordForm* w = Head(kit);
  return w && (w->WordClass & mask) != 0;
}

bool IsWordSlot(const TTransKit& kit) { return kit.IsWord == 1 && !kit.Readings.empty(); }

bool HasNoun(const TTransKit& kit) {
  return std::any_of(kit.Readings.begin(), kit.Readings.end(),
                     [](const TWordForm& w) { return w.WordClass == wcNoun; });
}

// A separator that ends a clause: anything but spaces and digits.
bool IsBoundary(const TTransKit& kit) {
  if (kit.IsWord == 1) return false;
  const TWordForm* w = Head(kit);
  if (!w) return false;
  return std::any_of(w->Text.begin(), w->Text.end(),
                     [](char16_t c) { return c != u' ' && !(c >= u'0' && c <= u'9'); });
}

// A slot read as a verb, or as a participle or short adjective that may
// also be a finite verb ("устал").
bool IsFiniteVerb(const TTransKit& kit) {
  const TWordForm* w = Head(kit);
  if (!w || !(w->WordClass & (wcVerb | wcVAdj | wcAdj))) return false;
  const int least = w->WordClass == wcVerb ? 1 : 3;
  return std::any_of(kit.Readings.begin(), kit.Readings.end(), [least](const TWordForm& r) {
    return r.WordClass == wcVerb && r.Form >= least;
  });
}

bool IsInfinitive(const TTransKit& kit) {
  const TWordForm* w = Head(kit);
  return w && w->WordClass == wcVerb && w->Form == 0;
}

bool IsPredicateWord(const TTransKit& kit) {
  return IsWordSlot(kit) && !Head(kit)->HasPrep && In(kPredicates, kit.Source);
}

bool IsMainCandidate(const TTransKit& kit) {
  return IsFiniteVerb(kit) || IsPredicateWord(kit) || (IsWordSlot(kit) && kit.Predicate);
}

// Whether the clause ends with a question mark.
bool IsQuestion(const TTransKits& kits, const TClause& c) {
  if (c.Last >= static_cast<int>(kits.size()) || !IsBoundary(kits[c.Last])) return false;
  const std::u16string& text = kits[c.Last].Readings[0].Text;
  return text.find(u'?') != std::u16string::npos;
}

// Forms of какой and чей: they ask, but qualify a noun rather than stand
// before the verb.
constexpr std::u16string_view kWhichWords[] = {
    u"какой", u"какая", u"какое", u"какие", u"какого", u"какую", u"каком", u"каким",
    u"какими", u"каких", u"какому", u"чей",  u"чья",   u"чье",   u"чьи",   u"чьего",
    u"чьей",  u"чью",   u"чьем",  u"чьим",  u"чьих"};
// Those of them that can be the subject or the predicate of a clause.
constexpr std::u16string_view kWhichSubjects[] = {u"какой", u"какая", u"какое", u"какие",
                                                  u"чей",   u"чья",   u"чье",   u"чьи"};

// A form of какой or чей in a question clause; -1 when none is.
int WhichWord(const TTransKits& kits, const TClause& c) {
  if (!IsQuestion(kits, c)) return -1;
  for (int i = c.First; i < c.Last; ++i)
    if (IsWordSlot(kits[i]) && In(kWhichWords, kits[i].Source)) return i;
  return -1;
}

// The question word that opens a question clause; -1 when none does.
int QuestionWord(const TTransKits& kits, const TClause& c) {
  if (!IsQuestion(kits, c)) return -1;
  // The first one in the question, wherever it stands ("ты где сейчас?").
  for (int i = c.First; i < c.Last; ++i)
    if (IsWordSlot(kits[i]) && !Head(kits[i])->HasPrep && In(kQuestionWords, kits[i].Source))
      return i;
  return -1;
}

// The Tatar text of a whole-word reading, without a negation.
std::u16string ModText(const TWordForm& w, const TDictionaryRT& dict) {
  if (w.WordClass != wcMod) return {};
  TWordForm plain = w;
  plain.Negated = 0;
  std::u16string text;
  dict.Mod().GetText(plain, text);
  return text;
}

// The last word of a text.
std::u16string_view LastWord(std::u16string_view text) {
  const size_t space = text.rfind(u' ');
  return space == std::u16string_view::npos ? text : text.substr(space + 1);
}

// Replaces a slot's readings by one fixed text (still translated).
void SetFixedText(TTransKit& kit, std::u16string text) {
  const uint8_t negated = kit.Readings.empty() ? 0 : kit.Readings[0].Negated;
  kit.Readings.clear();
  TWordForm& w = kit.Readings.emplace_back();
  w.WordClass = wcUnknown;
  w.Text = std::move(text);
  w.Negated = negated;
}

// The noun slot a determiner at i belongs to: the first slot after it,
// past adjectives and participles, if that is a noun; -1 otherwise.
int NounAfter(const TTransKits& kits, int i, const TClause& c) {
  int j = i + 1;
  while (j < c.Last && IsWordSlot(kits[j]) && HeadIs(kits[j], kMaskAdjective)) ++j;
  if (j < c.Last && IsWordSlot(kits[j]) && HeadIs(kits[j], wcNoun)) return j;
  return -1;
}

// The slot before noun slot j, past adjectives and participles; -1 when none.
int DeterminerBefore(const TTransKits& kits, int j, const TClause& c) {
  int i = j - 1;
  while (i >= c.First && IsWordSlot(kits[i]) && HeadIs(kits[i], kMaskAdjective)) --i;
  return i >= c.First && IsWordSlot(kits[i]) ? i : -1;
}


namespace {

// ------------------------------------------------------------------ clause


TClauseFacts Inspect(const TTransKits& kits, const TClause& c) {
  TClauseFacts f;
  for (int i = c.First; i < c.Last; ++i)
    if (IsMainCandidate(kits[i])) {
      f.Main = i;
      break;
    }
  const int end = f.Main >= 0 ? f.Main : c.Last;
  for (int i = c.First; i < end; ++i) {
    if (!IsWordSlot(kits[i]) || Head(kits[i])->HasPrep) continue;
    if (const TPronounForm* p = FindPronoun(kits[i].Source, 0)) {
      f.Subject = p->Person;
      break;
    }
    // An object before the verb ("книгу я прочитал") is no subject.
    if (HeadIs(kits[i], wcNoun) && Head(kits[i])->Form % 6 == 3 &&
        std::none_of(kits[i].Readings.begin(), kits[i].Readings.end(),
                     [](const TWordForm& r) { return r.Form % 6 == 0; }))
      continue;
    if (HeadIs(kits[i], wcNoun)) {  // a noun subject: the verb's own person
      f.NounSubject = true;
      break;
    }
  }
  return f;
}

// A personal pronoun after a preposition: the Tatar case the preposition
// asks for, with its postposition.
void PronounsAfterPrepositions(TTransKits& kits, const TClause& c, const TDB_standard& nouns) {
  for (int i = c.First; i < c.Last; ++i) {
    TTransKit& kit = kits[i];
    const TWordForm* w = Head(kit);
    if (!IsWordSlot(kit) || w->WordClass != wcMod || !w->HasPrep) continue;
    const TPronounForm* any = FindPronoun(kit.Source);
    if (!any) continue;
    int32_t row = w->PrepFirst;
    const TPronounForm* form = any;
    for (int32_t r = w->PrepFirst; r <= w->PrepLast; ++r)
      if (const TPronounForm* p = FindPronoun(kit.Source, nouns.GovernedCase(r))) {
        row = r;
        form = p;
        break;
      }
    const int32_t code = nouns.PrepositionCode(row);
    const std::u16string_view post = nouns.PrepositionText(row);
    const bool instrumental = nouns.GovernedCase(row) == 4;
    int tatCase = code >= 0 && code <= 5 ? code : 1;
    if (tatCase == 0 && (!post.empty() || instrumental)) tatCase = 1;
    std::u16string text(TatarPronoun(form->Person, tatCase));
    if (!post.empty())
      text.append(u" ").append(post);
    else if (instrumental)
      text.append(kWithWord);
    SetFixedText(kit, std::move(text));
  }
}

// "у меня (есть, нет) X", "у брата есть X": the owner in the genitive and
// the owned nouns of the clause with the owner's possessive ending. Outside
// such a clause "у" + pronoun says whose the subject is ("как у тебя
// дела" -> хәлләрең ничек) or, with no noun to own, where (у нас всё
// хорошо -> бездә барысы да яхшы, он живёт у меня -> ул миндә яши).
void Possession(TTransKits& kits, const TClause& c, const TDictionaryRT& dict) {
  const TDB_standard& nouns = dict.Noun();
  int first = c.First;
  while (first < c.Last && !IsWordSlot(kits[first])) ++first;
  if (first >= c.Last) return;
  int at = first;
  auto isOwner = [&](int i) {
    const TWordForm* h = Head(kits[i]);
    return IsWordSlot(kits[i]) && h->HasPrep && nouns.PrepositionWord(h->PrepFirst) == u"у";
  };
  while (at < c.Last && !isOwner(at)) ++at;
  if (at >= c.Last) return;
  TTransKit& owner = kits[at];
  const TWordForm* w = Head(owner);
  const bool pronoun = w->WordClass == wcMod;
  // Only a pronoun or a person owns from inside the clause; "у окна" is a
  // place.
  if (at != first && !pronoun && !w->Animate) return;
  bool hasOrNot = false, quantity = false;
  for (int i = first + 1; i < c.Last; ++i) {
    // "был", "будет": having in the past and the future (бар иде, булачак).
    if (kits[i].Source == u"есть" || kits[i].Source == u"нет" || IsPastBe(kits[i]) ||
        IsFutureBe(kits[i]))
      hasOrNot = true;
    if (IsWordSlot(kits[i]) && HeadIs(kits[i], wcMod) &&
        In(kQuantities, ModText(*Head(kits[i]), dict)))
      quantity = true;
  }

  int person = -1;
  bool predicate = false;
  for (int i = first + 1; i < c.Last; ++i) predicate = predicate || IsMainCandidate(kits[i]);
  // The nouns the owner may own: plain nouns after it.
  auto owned = [&](int i) {
    return IsWordSlot(kits[i]) && HeadIs(kits[i], wcNoun) && !Head(kits[i])->HasPrep;
  };
  bool anyOwned = false;
  for (int i = at + 1; i < c.Last; ++i) anyOwned = anyOwned || owned(i);
  if (pronoun) {
    const TPronounForm* p = FindPronoun(owner.Source, 1);
    if (!p) return;
    person = p->Person;
    if (!anyOwned) {
      // аңарда: анда alone would read as "there".
      SetFixedText(owner, person == 2 ? std::u16string(u"аңарда")
                                      : std::u16string(TatarPronoun(person, 5)));
      return;
    }
    SetFixedText(owner, std::u16string(TatarPronoun(person, 1)));
  } else if (w->WordClass == wcNoun && (hasOrNot || (w->Animate && !predicate && anyOwned))) {
    person = 2;
    for (TWordForm& r : owner.Readings) {
      r.HasPrep = 0;
      r.CaseCode = static_cast<int16_t>(r.Form >= 6 ? 36 : 1);
    }
  } else {
    return;
  }
  const bool have = at == first && (hasOrNot || !predicate);
  // Inside the clause the ending alone says "my", "your", "our": как у
  // тебя дела -> хәлләрең ничек.
  if (at != first && pronoun && person != 2 && person != 5) owner.Readings.clear();
  // "у нас два сына": a clause with no predicate has бар.
  int last = -1;
  for (int i = first + 1; i < c.Last; ++i)
    if (IsWordSlot(kits[i])) last = i;
  if (!predicate && !quantity && pronoun && at == first && last >= 0 && owned(last))
    kits[last].Tail = u" бар";
  for (int i = at + 1; i < c.Last; ++i) {
    if (!owned(i)) continue;
    // Outside a have-clause only the subject is owned.
    if (!have && !std::any_of(kits[i].Readings.begin(), kits[i].Readings.end(),
                              [](const TWordForm& r) { return r.Form == 0 || r.Form == 6; }))
      continue;
    ForNouns(kits[i], [&](TWordForm& r) {
      // The owned thing is the subject of бар / юк: "нет брата" (genitive,
      // read as the accusative too) is a plain noun.
      if (have && r.Form % 6 != 0 && r.Form % 6 <= 3)
        r.Form = static_cast<uint16_t>(r.Form >= 6 ? 6 : 0);
      if (r.Possessor < 0) r.Possessor = static_cast<int8_t>(person);
    });
  }
}

// мой, твой, наш, ваш, его, её, их and свой before a noun.
void PossessivePronouns(TTransKits& kits, const TClause& c, const TDictionaryRT& dict,
                        int subject) {
  for (int i = c.First; i < c.Last; ++i) {
    TTransKit& kit = kits[i];
    if (!IsWordSlot(kit) || Head(kit)->WordClass != wcMod) continue;
    const int noun = NounAfter(kits, i, c);
    if (noun < 0) continue;
    const std::u16string text = ModText(*Head(kit), dict);
    int person = -1;
    if (text == kOwn) {
      person = subject >= 0 ? subject : 2;
      kit.Readings.clear();  // the ending says it all
    } else if (kit.Source == u"его" || kit.Source == u"ее" || kit.Source == u"их") {
      if (Head(kits[noun])->HasPrep) continue;  // "поздравил их с праздником"
      person = kit.Source == u"их" ? 5 : 2;
      SetFixedText(kit, std::u16string(TatarPronoun(person, 1)));
    } else {
      for (const TPossessive& p : kPossessives)
        if (text == p.Tatar) person = p.Person;
      // The subject's own thing in an oblique case needs no pronoun: мин
      // дустыма бардым, без әниебезгә булыштык.
      const TWordForm& n = *Head(kits[noun]);
      if (person >= 0 && person == subject && !kits[noun].Attribute &&
          (n.HasPrep || n.Form % 6 != 0))
        kit.Readings.clear();
    }
    if (person < 0) continue;
    ForNouns(kits[noun], [&](TWordForm& r) { r.Possessor = static_cast<int8_t>(person); });
    kits[noun].Izafet = 0;
  }
}

}  // namespace

bool IsNumeral(const TTransKit& kit, const TDictionaryRT& dict) {
  if (!IsWordSlot(kit) || Head(kit)->WordClass != wcMod) return false;
  return In(kNumerals, LastWord(ModText(*Head(kit), dict)));
}

namespace {

bool IsQuantity(const TTransKit& kit, const TDictionaryRT& dict) {
  if (!IsWordSlot(kit) || Head(kit)->WordClass != wcMod) return false;
  return In(kQuantities, ModText(*Head(kit), dict));
}

// A noun after a numeral is singular, and without a preposition in the
// nominative; after "много" it is a plain noun of its own number.
void NumeralNouns(TTransKits& kits, const TClause& c, const TDictionaryRT& dict) {
  for (int i = c.First; i < c.Last; ++i) {
    const bool numeral = IsNumeral(kits[i], dict);
    if (!numeral && !IsQuantity(kits[i], dict)) continue;
    const int noun = NounAfter(kits, i, c);
    if (noun < 0) continue;
    ForNouns(kits[noun], [&](TWordForm& r) {
      if (numeral && r.Form >= 6) {
        r.Form = static_cast<uint16_t>(r.Form - 6);
        r.TatForm = static_cast<int16_t>(SingularCode(r.TatForm));
      }
      if (!r.HasPrep && (r.Form == 1 || r.Form == 7)) r.Form = static_cast<uint16_t>(r.Form - 1);
      r.Bare = 1;
    });
  }
}

// "быть", "стать" (Tatar бул) and "был": the instrumental predicate is a
// plain noun or adjective.
void CopulaPredicate(TTransKits& kits, const TClause& c, const TDictionaryRT& dict) {
  bool copula = false;
  for (int i = c.First; i < c.Last && !copula; ++i) {
    const TWordForm* w = Head(kits[i]);
    if (!IsWordSlot(kits[i])) continue;
    copula = In(kPastBe, kits[i].Source) ||
             (w->WordClass == wcVerb && dict.Verb().TatarStem(w->Row) == kBeStem);
  }
  // "работает учителем" -> укытучы булып эшли.
  bool works = false;
  for (int i = c.First; i < c.Last && !works; ++i) {
    const TWordForm* w = Head(kits[i]);
    works = IsWordSlot(kits[i]) && w->WordClass == wcVerb && kits[i].Source.starts_with(kWorkStem);
  }
  if (works)
    for (int i = c.First; i < c.Last; ++i) {
      if (!IsWordSlot(kits[i]) || !HeadIs(kits[i], wcNoun)) continue;
      const TWordForm& w = *Head(kits[i]);
      if (w.HasPrep || !IsInstrumentalForm(w.Form)) continue;
      ForNouns(kits[i], [](TWordForm& r) { r.Form = static_cast<uint16_t>(r.Form - 4); });
      kits[i].Tail = u" булып";
    }
  if (!copula) return;
  for (int i = c.First; i < c.Last; ++i)
    for (TWordForm& r : kits[i].Readings) {
      if (r.HasPrep || !IsInstrumentalForm(r.Form)) continue;
      if (r.WordClass == wcNoun) r.Form = static_cast<uint16_t>(r.Form - 4);
      if (r.WordClass == wcAdj) r.Form = 0;
    }
}

// The readings of the main verb: finite forms after a subject, the person
// of a pronoun subject; "был" as иде or as the past of бул.
void MainVerb(TTransKits& kits, const TClause& c, const TClauseFacts& f,
              const TDictionaryRT& dict) {
  if (f.Main < 0) return;
  TTransKit& kit = kits[f.Main];
  bool before = false;
  for (int i = c.First; i < f.Main; ++i) before = before || IsWordSlot(kits[i]);
  TTransUnits& r = kit.Readings;
  auto keepIf = [&r](auto&& pred) {
    if (std::any_of(r.begin(), r.end(), pred) && !std::all_of(r.begin(), r.end(), pred))
      std::erase_if(r, [&](const TWordForm& w) { return !pred(w); });
  };
  if (IsFiniteVerb(kit)) {
    keepIf([](const TWordForm& w) { return w.WordClass == wcVerb; });
    if (before)
      keepIf([](const TWordForm& w) { return w.Form >= 3; });
    else if (f.Subject < 0)
      // "Приходите ещё": opening the sentence, the imperative.
      keepIf([](const TWordForm& w) { return w.Form == 1 || w.Form == 2; });
    if (f.Subject >= 0)
      keepIf([&f](const TWordForm& w) {
        return IsPastForm(w.Form) || PersonOfForm(w.Form) == f.Subject;
      });
    for (TWordForm& w : r)
      if (f.Subject >= 0) w.Person = static_cast<int8_t>(f.Subject);
    return;
  }
  // A past of быть that a frame rule already rendered (бар иде) stays.
  if (!In(kPastBe, kit.Source) || HeadIs(kit, wcUnknown)) return;
  const int person = f.Subject >= 0 ? f.Subject : (kit.Source == u"были" ? 5 : 2);
  // With a predicate noun or adjective "был" is the copula иде; with none
  // (a place, a time) it is the past of бул: "я был в Москве" -> булдым.
  bool predicate = false;
  for (int i = c.First; i < c.Last; ++i) {
    if (i == f.Main || !IsWordSlot(kits[i])) continue;
    const TWordForm* w = Head(kits[i]);
    if (w->HasPrep || FindPronoun(kits[i].Source) || i < f.Main) continue;
    // A determiner of a place ("в том магазине") is part of the place.
    const int noun = NounAfter(kits, i, c);
    if (w->WordClass == wcMod && noun >= 0 && Head(kits[noun])->HasPrep) continue;
    // Only the negated past: "был дома" is өйдә иде, "не были там" анда
    // булмадык.
    if (Head(kit)->Negated && In(kSettingAdverbs, kits[i].Source)) continue;
    if (w->WordClass & (wcAdj | wcVAdj | wcNoun | wcMod)) predicate = true;
  }
  const uint8_t negated = Head(kit)->Negated;
  if (!predicate) {
    TTransUnits verbs;
    dict.Verb().AnalyseWord(kit.Source, verbs);
    for (TWordForm& v : verbs)
      if (IsPastForm(v.Form) && dict.Verb().TatarStem(v.Row) == kBeStem) {
        v.Person = static_cast<int8_t>(person);
        v.Negated = negated;
        kit.Readings = {v};
        return;
      }
  }
  std::u16string text = negated ? u"түгел иде" : u"иде";
  text.append(kCopulaEndings[static_cast<size_t>(person)]);
  SetFixedText(kit, std::move(text));
  kit.Readings[0].Negated = 0;
}

// "буду ждать": the future of the infinitive's verb; "буду" has no word.
void FutureWithInfinitive(TTransKits& kits, const TClause& c, TClauseFacts& f,
                          const TDictionaryRT& dict) {
  if (f.Main < 0 || !HeadIs(kits[f.Main], wcVerb)) return;
  const TWordForm& be = *Head(kits[f.Main]);
  if (be.Form < 3 || be.Form > 8 || dict.Verb().TatarStem(be.Row) != kBeStem) return;
  for (int i = f.Main + 1; i < c.Last; ++i) {
    if (!IsInfinitive(kits[i])) continue;
    const int person = f.Subject >= 0 ? f.Subject : be.Form - 3;
    const int neg = be.Negated || Head(kits[i])->Negated ? 1 : 0;
    TTransKit verb = std::move(kits[i]);
    for (TWordForm& w : verb.Readings) {
      w.CaseCode = static_cast<int16_t>(FutureCode(person, neg));
      w.Negated = static_cast<uint8_t>(neg);
    }
    verb.Readings.resize(1);
    if (kits[f.Main].CasePattern == 1 && f.Main == 0) verb.CasePattern = 1;
    kits[f.Main] = std::move(verb);
    kits[i].Readings.clear();
    return;
  }
}

// "когда" opening a statement clause: the verb takes -ганда and когда has
// no word of its own; the copula "был" becomes чакта (кечкенә чакта).
// Verbs after which "когда" asks rather than says when: "скажи, когда ты
// придёшь" -> әйт, син кайчан киләчәксең.
constexpr std::u16string_view kAskingVerbs[] = {u"әйт", u"бел", u"сора", u"кара"};

bool AfterAskingVerb(const TTransKits& kits, const TClause& c, const TDictionaryRT& dict) {
  int i = c.First - 1;
  while (i >= 0 && !IsWordSlot(kits[i])) --i;
  return i >= 0 && HeadIs(kits[i], wcVerb) &&
         In(kAskingVerbs, dict.Verb().TatarLemma(Head(kits[i])->Row));
}

void When(TTransKits& kits, const TClause& c, const TClauseFacts& f, const TDictionaryRT& dict) {
  int first = c.First;
  while (first < c.Last && !IsWordSlot(kits[first])) ++first;
  if (first >= c.Last || kits[first].Source != u"когда" || IsQuestion(kits, c) || f.Main < 0 ||
      AfterAskingVerb(kits, c, dict))
    return;
  TTransKit& verb = kits[f.Main];
  if (HeadIs(verb, wcVerb)) {
    // A perfective future is an event after which the rest happens: -гач
    // (кайткач); anything else -ганда.
    for (TWordForm& w : verb.Readings)
      if (w.WordClass == wcVerb)
        w.CaseCode = static_cast<int16_t>(IsFutureForm(w.Form) ? (w.Negated ? 79 : 78)
                                                               : (w.Negated ? 83 : 82));
  } else if (In(kPastBe, verb.Source) && HeadIs(verb, wcUnknown)) {
    SetFixedText(verb, u"чакта");
  } else {
    return;
  }
  kits[first].Readings.clear();
}

// "..., что он придёт": что joining a reported clause has no Tatar word;
// the clause reads as said (иртәгә килә).
void ReportedThat(TTransKits& kits, const TClause& c, const TClauseFacts& f) {
  if (c.First == 0 || IsQuestion(kits, c)) return;
  int first = c.First;
  while (first < c.Last && !IsWordSlot(kits[first])) ++first;
  if (first >= c.Last || kits[first].Source != u"что" || first == f.Main) return;
  // With no verb ("что ты прав") a subject right after что shows it is the
  // conjunction, not the pronoun.
  bool reported = f.Main >= 0 && IsFiniteVerb(kits[f.Main]);
  if (!reported && first + 1 < c.Last && IsWordSlot(kits[first + 1])) {
    const TTransKit& next = kits[first + 1];
    reported = !Head(next)->HasPrep &&
               (FindPronoun(next.Source, 0) != nullptr || next.Source == u"это" ||
                (HeadIs(next, wcNoun) && (Head(next)->Form == 0 || Head(next)->Form == 6)));
  }
  if (reported) kits[first].Readings.clear();
}

// "книга, которую я читаю": the relative clause becomes a participle
// phrase before its noun (мин укыган китап); который and the commas
// around the clause have no word. A present verb with который as its
// subject takes -учы (якында яшәүче кеше), any other -ган.
}  // namespace

bool IsComma(const TTransKit& kit) {
  if (kit.IsWord == 1 || kit.Readings.empty()) return false;
  const std::u16string& t = kit.Readings[0].Text;
  return t.find_first_not_of(u" ") != std::u16string::npos &&
         t.find_first_not_of(u", ") == std::u16string::npos;
}

namespace {

bool OpensRelative(const TTransKits& kits, int i) {
  return i >= 1 && IsWordSlot(kits[i]) && kits[i].Source.starts_with(u"котор") &&
         IsComma(kits[i - 1]);
}

// Before the clause rules reorder anything: marks the noun each relative
// clause qualifies.
void MarkRelativeHeads(TTransKits& kits) {
  for (int i = 2; i < static_cast<int>(kits.size()); ++i)
    if (OpensRelative(kits, i) && IsWordSlot(kits[i - 2]) && HeadIs(kits[i - 2], wcNoun))
      kits[i - 2].RelativeHead = 1;
}

void RelativeClauses(TTransKits& kits) {
  const int count = static_cast<int>(kits.size());
  for (int i = 2; i < count; ++i) {
    if (!OpensRelative(kits, i)) continue;
    // The head noun, which the verb of its own clause may have passed.
    int head = i - 2;
    while (head >= 0 && !IsBoundary(kits[head]) && !kits[head].RelativeHead) --head;
    if (head < 0 || !kits[head].RelativeHead) continue;
    kits[head].RelativeHead = 0;
    int end = i + 1;
    while (end < count && !IsBoundary(kits[end])) ++end;
    int verb = -1;
    for (int j = i + 1; j < end; ++j)
      if (IsWordSlot(kits[j]) && HeadIs(kits[j], wcVerb)) verb = j;
    if (verb < 0) continue;
    const bool subject = !Head(kits[i])->HasPrep &&
                         (kits[i].Source == u"который" || kits[i].Source == u"которая" ||
                          kits[i].Source == u"которое" || kits[i].Source == u"которые");
    for (TWordForm& w : kits[verb].Readings) {
      if (w.WordClass != wcVerb) continue;
      const bool present = IsPresentForm(w.Form);
      if (subject && present)
        w.CaseCode = static_cast<int16_t>(w.Negated ? 81 : 80);  // -учы
      else
        w.CaseCode = static_cast<int16_t>(w.Negated ? 44 : 40);  // -ган
    }
    kits[i].Readings.clear();
    kits[i - 1].Readings.clear();
    // A noun that a clause qualifies is definite: абый алган китапны.
    ForNouns(kits[head], [](TWordForm& r) { r.Bare = 0; });
    // The comma that closes the clause goes too when the sentence goes on.
    if (end + 1 < count && IsComma(kits[end]) && IsWordSlot(kits[end + 1]))
      kits[end].Readings.clear();
    int noun = head;
    while (noun > 0 && IsWordSlot(kits[noun - 1]) && HeadIs(kits[noun - 1], kMaskAdjective)) --noun;
    std::rotate(kits.begin() + noun, kits.begin() + i + 1, kits.begin() + end);
    i = end;
  }
}

// A genitive attribute goes before its noun and the adjectives before
// that; the noun takes the 3rd-person possessive (республика президенты).
// A person's genitive keeps -ның (абыйның китабы).
void Attributes(TTransKits& kits, const TClause& c) {
  for (int j = c.First + 1; j < c.Last; ++j) {
    const int head = j - kits[j].Attribute;
    if (!kits[j].Attribute || head < c.First || !IsWordSlot(kits[j]) ||
        !HeadIs(kits[head], wcNoun))
      continue;
    ForNouns(kits[head], [](TWordForm& r) {
      if (r.Possessor < 0) r.Possessor = 2;
    });
    ForNouns(kits[j], [](TWordForm& r) {
      if (r.Animate || r.Possessor >= 0) r.CaseCode = static_cast<int16_t>(r.Form >= 6 ? 36 : 1);
    });
    kits[j].Attribute = 0;
    int to = head;
    while (to > c.First && IsWordSlot(kits[to - 1]) && HeadIs(kits[to - 1], kMaskAdjective)) --to;
    // The attribute with its own determiners, head + 1 .. j, goes to `to`.
    std::rotate(kits.begin() + to, kits.begin() + head + 1, kits.begin() + j + 1);
  }
}

// "город Казань", "Республики Татарстан": a place word and the name after
// it make an izafet with the name first (Казан шәһәре, Татарстан
// Республикасының); the name stays in the nominative.
constexpr std::u16string_view kPlaceWords[] = {
    u"республика", u"шәһәр", u"елга", u"урам", u"авыл", u"күл", u"ил",
    u"өлкә",       u"район", u"тау",  u"проспект", u"мәйдан", u"поселок"};

void NamedPlaces(TTransKits& kits, const TClause& c, const TDictionaryRT& dict) {
  for (int j = c.First + 1; j < c.Last; ++j) {
    TTransKit& name = kits[j];
    TTransKit& place = kits[j - 1];
    if (!IsWordSlot(name) || name.CasePattern != 1 || name.Attribute || Head(name)->HasPrep ||
        !(HeadIs(name, wcNoun) || HeadIs(name, wcUnknown)))
      continue;
    if (!IsWordSlot(place) || !HeadIs(place, wcNoun) || place.CasePattern == 2 ||
        !In(kPlaceWords, dict.Noun().TatarLemma(Head(place)->Row)))
      continue;
    // An inanimate name reads as nominative or accusative: it is the
    // nominative here.
    if (HeadIs(name, wcNoun) && Head(name)->Form != 0 && Head(name)->Form != 3) continue;
    ForNouns(name, [](TWordForm& r) {
      r.Form = 0;
      r.Bare = 0;
    });
    ForNouns(place, [](TWordForm& r) {
      if (r.Possessor < 0) r.Possessor = 2;
      r.Bare = 0;
    });
    if (place.Attribute) ++place.Attribute;
    std::swap(kits[j - 1], kits[j]);
  }
}

// "если" opening the clause: the verb takes the conditional -са.
void Conditional(TTransKits& kits, const TClause& c, const TClauseFacts& f) {
  if (f.Main < 0 || !HeadIs(kits[f.Main], wcVerb)) return;
  int first = c.First;
  while (first < c.Last && !IsWordSlot(kits[first])) ++first;
  if (first >= c.Last || kits[first].Source != u"если") return;
  static constexpr std::array<int, 6> kConditional = {84, 85, 6, 86, 87, 88};
  for (TWordForm& w : kits[f.Main].Readings) {
    if (w.WordClass != wcVerb || w.Form < 3) continue;
    int person = f.Subject;
    if (person < 0) person = PersonOfForm(w.Form) >= 0 ? PersonOfForm(w.Form) : (w.Form == 12 ? 5 : 2);
    const int code = kConditional[static_cast<size_t>(person)];
    w.CaseCode = static_cast<int16_t>(code + (w.Negated ? (person == 2 ? 1 : 5) : 0));
  }
}

// An object in the accusative stays bare unless something makes it
// definite: a demonstrative or possessor before it, an imperative, a
// proper name.
void BareObjects(TTransKits& kits, const TClause& c, const TClauseFacts& f,
                 const TDictionaryRT& dict) {
  if (f.Main >= 0 && IsFiniteVerb(kits[f.Main])) {
    const TWordForm& verb = *Head(kits[f.Main]);
    if (verb.Form <= 2 || verb.Negated) return;
    // What one loves is meant as a whole, hence definite: кышны яратам.
    // An object of an infinitive after it is the infinitive's own:
    // китап укырга яратам.
    bool infinitive = false;
    for (int i = f.Main + 1; i < c.Last; ++i) infinitive = infinitive || IsInfinitive(kits[i]);
    if (verb.WordClass == wcVerb && In(kWholeObjectVerbs, dict.Verb().TatarStem(verb.Row)) &&
        !infinitive)
      return;
    if (!infinitive && KnownObjectVerb(kits, f, dict)) return;
  }
  for (int i = c.First; i < c.Last; ++i) {
    TTransKit& kit = kits[i];
    if (!IsWordSlot(kit) || !HeadIs(kit, wcNoun) || kit.CasePattern != 0) continue;
    // A person named as object is definite; a plural of people may be bare
    // (кунаклар көтәбез).
    if (Head(kit)->Animate && Head(kit)->Form < 6) continue;
    const int d = DeterminerBefore(kits, i, c);
    if (d >= 0 && HeadIs(kits[d], wcMod) &&
        In(kDemonstratives, LastWord(ModText(*Head(kits[d]), dict))))
      continue;
    // An izafet keeps its 3rd-person ending: китап киштәсе алдык.
    const bool izafet = kit.Izafet != 0;
    ForNouns(kit, [izafet](TWordForm& r) {
      if (!r.HasPrep && (r.Possessor < 0 || izafet) && (r.Form == 3 || r.Form == 9)) r.Bare = 1;
    });
  }
}

// "есть" right after a verb is the infinitive "to eat", not бар.
void EatNotHave(TTransKits& kits, const TClause& c, const TDictionaryRT& dict) {
  for (int i = c.First + 1; i < c.Last; ++i) {
    if (kits[i].Source != u"есть" || !IsFiniteVerb(kits[i - 1])) continue;
    TTransUnits verbs;
    dict.Verb().AnalyseWord(kits[i].Source, verbs);
    std::erase_if(verbs, [](const TWordForm& w) { return w.Form != 0; });
    if (verbs.empty()) continue;
    verbs.resize(1);
    verbs[0].Negated = Head(kits[i])->Negated;
    kits[i].Readings = std::move(verbs);
  }
}

// "у меня болит голова" and the like are handled by Possession; these are
// verbs whose Russian object case is not the one Tatar wants: a genitive
// object of бояться is the ablative (эттән куркам), of ждать the
// accusative (автобусны көтәм).
struct TGovernment {
  std::u16string_view TatarStem;
  int16_t Singular, Plural;  // Tatar noun codes for a genitive object
  bool Animate;              // also an animate accusative ("боюсь собак")
};
constexpr TGovernment kGovernment[] = {{u"курык", 4, 39, true}, {u"көт", 3, 38, false}};

void VerbGovernment(TTransKits& kits, const TClause& c, const TDictionaryRT& dict) {
  for (int v = c.First; v < c.Last; ++v) {
    if (!IsWordSlot(kits[v]) || !HeadIs(kits[v], wcVerb)) continue;
    const std::u16string stem = dict.Verb().TatarLemma(Head(kits[v])->Row);
    // "играть в футбол": the game is a bare object (футбол уйнарга).
    if (stem == u"уйна")
      for (int i = c.First; i < c.Last; ++i)
        ForNouns(kits[i], [&](TWordForm& r) {
          if (r.HasPrep && r.Form == 3 && dict.Noun().PrepositionWord(r.PrepFirst) == u"в") {
            r.HasPrep = 0;
            r.CaseCode = 0;
          }
        });
    const TGovernment* g = nullptr;
    for (const TGovernment& x : kGovernment)
      if (x.TatarStem == stem) g = &x;
    if (!g) continue;
    for (int i = c.First; i < c.Last; ++i) {
      if (i == v || !IsWordSlot(kits[i]) || !HeadIs(kits[i], wcNoun) || kits[i].Attribute)
        continue;
      ForNouns(kits[i], [&](TWordForm& r) {
        const bool genitive = r.Form == 1 || r.Form == 7;
        const bool animate = g->Animate && r.Animate && (r.Form == 3 || r.Form == 9);
        if (r.HasPrep || r.CaseCode >= 0 || !(genitive || animate)) return;
        r.CaseCode = r.Form < 6 ? g->Singular : g->Plural;  // the possessive comes on top
        r.Bare = 0;
      });
    }
  }
}

// "идёт дождь", "шёл снег": rain and snow fall (яу), they do not walk.
constexpr std::u16string_view kPrecipitation[] = {u"яңгыр", u"кар", u"боз"};
constexpr std::u16string_view kFallStem = u"яу";

}  // namespace

int32_t RowOfTatarLemma(const TDB_standard& db, std::u16string_view lemma) {
  for (int32_t r = 0; r < db.Stems().RowCount(); ++r)
    if (db.TatarStem(r) == lemma.substr(0, db.TatarStem(r).size()) && db.TatarLemma(r) == lemma)
      return r;
  return -1;
}

namespace {

void FallingWeather(TTransKits& kits, const TClause& c, const TDictionaryRT& dict) {
  bool weather = false;
  for (int i = c.First; i < c.Last; ++i)
    if (IsWordSlot(kits[i]) && HeadIs(kits[i], wcNoun) && !Head(kits[i])->HasPrep &&
        In(kPrecipitation, dict.Noun().TatarLemma(Head(kits[i])->Row)))
      weather = true;
  if (!weather) return;
  for (int i = c.First; i < c.Last; ++i) {
    if (!IsWordSlot(kits[i]) || !HeadIs(kits[i], wcVerb)) continue;
    if (dict.Verb().TatarLemma(Head(kits[i])->Row) != u"бар") continue;
    const int32_t row = RowOfTatarLemma(dict.Verb(), kFallStem);
    if (row < 0) return;
    for (TWordForm& w : kits[i].Readings)
      if (w.WordClass == wcVerb) w.Row = row;
  }
}

// Nationality adjectives are nouns in Tatar and make an izafet with the
// noun after them: татар теле, рус халкы (accusative татар телен).
constexpr std::u16string_view kNations[] = {
    u"татар", u"рус",  u"башкорт", u"чуваш", u"казах", u"үзбәк",  u"төрек",
    u"инглиз", u"немец", u"француз", u"кытай", u"япон",  u"гарәп", u"мари", u"удмурт"};

void NationIzafet(TTransKits& kits, const TClause& c, const TDictionaryRT& dict) {
  for (int i = c.First; i + 1 < c.Last; ++i) {
    if (!IsWordSlot(kits[i]) || !HeadIs(kits[i], wcAdj)) continue;
    if (!In(kNations, dict.Adj().TatarLemma(Head(kits[i])->Row))) continue;
    if (!IsWordSlot(kits[i + 1]) || !HeadIs(kits[i + 1], wcNoun)) continue;
    ForNouns(kits[i + 1], [](TWordForm& r) {
      if (r.Possessor < 0) r.Possessor = 2;
    });
  }
}

// A whole phrase "хочу спать" (йоклыйсым килә): its person lives in the
// phrase, so a pronoun subject is the genitive owner (минем йоклыйсым
// килә), and "не" negates the verb: килми.
void WantPhrase(TTransKits& kits, const TClause& c, const TClauseFacts& f,
                const TDictionaryRT& dict) {
  if (f.Main < 0 || !kits[f.Main].Predicate) return;
  TTransKit& kit = kits[f.Main];
  std::u16string text = ModText(*Head(kit), dict);
  constexpr std::u16string_view kWants = u" килә";
  if (!text.ends_with(kWants)) return;
  if (Head(kit)->Negated) {
    text.replace(text.size() - 1, 1, u"ми");
    SetFixedText(kit, std::move(text));
    kit.Readings[0].Negated = 0;
  }
  for (int i = c.First; i < f.Main; ++i) {
    if (!IsWordSlot(kits[i]) || Head(kits[i])->HasPrep) continue;
    if (const TPronounForm* p = FindPronoun(kits[i].Source, 0)) {
      SetFixedText(kits[i], std::u16string(TatarPronoun(p->Person, 1)));
      break;
    }
  }
}

// Place phrases Tatar says with a postposition: "рядом со школой" ->
// мәктәп янында, "сесть за стол" -> өстәл янына утыру. A weekday after
// "в" is a time, not a direction: "в субботу" -> шимбәдә.
constexpr std::u16string_view kWeekdays[] = {u"дүшәмбе", u"сишәмбе", u"чәршәмбе",
                                             u"пәнҗешәмбе", u"җомга", u"шимбә", u"якшәмбе"};

void PlacePhrases(TTransKits& kits, const TClause& c, const TDictionaryRT& dict) {
  const TDB_standard& nouns = dict.Noun();
  bool sit = false;
  for (int i = c.First; i < c.Last; ++i)
    if (IsWordSlot(kits[i]) && HeadIs(kits[i], wcVerb) &&
        dict.Verb().TatarLemma(Head(kits[i])->Row) == u"утыр")
      sit = true;
  for (int i = c.First; i < c.Last; ++i) {
    TTransKit& kit = kits[i];
    if (!IsWordSlot(kit) || !HeadIs(kit, wcNoun) || !Head(kit)->HasPrep) continue;
    const TWordForm& w = *Head(kit);
    const std::u16string_view prep = nouns.PrepositionWord(w.PrepFirst);
    int before = i - 1;
    while (before >= c.First && IsWordSlot(kits[before]) && HeadIs(kits[before], kMaskAdjective))
      --before;
    const bool near = (prep == u"с" || prep == u"со") && (w.Form == 4 || w.Form == 10) &&
                      before >= c.First && IsWordSlot(kits[before]) &&
                      kits[before].Source == u"рядом";
    const bool behind = sit && prep == u"за" && (w.Form == 3 || w.Form == 9);
    if (near || behind) {
      ForNouns(kit, [](TWordForm& r) {
        r.HasPrep = 0;
        r.Form = static_cast<uint16_t>(r.Form >= 6 ? 6 : 0);
        r.Bare = 0;
      });
      kit.Tail = near ? u" янында" : u" янына";
      if (near) kits[before].Readings.clear();
      continue;
    }
    if ((prep == u"в" || prep == u"во") && w.Form == 3 &&
        In(kWeekdays, nouns.TatarLemma(w.Row)))
      ForNouns(kit, [](TWordForm& r) { r.CaseCode = 5; });
  }
}

// One's own body parts carry the owner's possessive: "помой руки" ->
// кулларыңны ю, "я мою руки" -> кулларымны юам.
constexpr std::u16string_view kBodyParts[] = {u"кул", u"аяк",  u"баш",   u"бит", u"теш",
                                              u"чәч", u"күз", u"колак", u"борын", u"авыз"};

void BodyParts(TTransKits& kits, const TClause& c, const TClauseFacts& f,
               const TDictionaryRT& dict) {
  if (f.Main < 0 || !HeadIs(kits[f.Main], wcVerb)) return;
  const int form = Head(kits[f.Main])->Form;
  int person = f.Subject;
  if (person < 0 && (form == 1 || form == 2)) person = form == 1 ? 1 : 4;
  if (person < 0) return;
  for (int i = c.First; i < c.Last; ++i) {
    if (i == f.Main || !IsWordSlot(kits[i]) || !HeadIs(kits[i], wcNoun)) continue;
    const TWordForm& w = *Head(kits[i]);
    if (w.HasPrep || w.Possessor >= 0 || !In(kBodyParts, dict.Noun().TatarLemma(w.Row))) continue;
    ForNouns(kits[i], [person](TWordForm& r) {
      r.Possessor = static_cast<int8_t>(person);
      r.Bare = 0;
    });
  }
}

// "старше меня", "выше брата": what is compared with is the ablative and
// stands before the comparative (миннән олырак).
void Comparison(TTransKits& kits, const TClause& c) {
  for (int i = c.First; i + 1 < c.Last; ++i) {
    if (!IsWordSlot(kits[i]) || !HeadIs(kits[i], wcAdj) || Head(kits[i])->Form != 24) continue;
    TTransKit& other = kits[i + 1];
    if (!IsWordSlot(other) || Head(other)->HasPrep) continue;
    if (HeadIs(other, wcMod)) {
      const TPronounForm* p = FindPronoun(other.Source, 1);
      if (!p) continue;
      SetFixedText(other, std::u16string(TatarPronoun(p->Person, 4)));
    } else if (HeadIs(other, wcNoun)) {
      // An animate genitive reads as the accusative too (брата).
      auto genitive = [](const TWordForm& r) {
        return r.WordClass == wcNoun &&
               (r.Form == 1 || r.Form == 7 || (r.Animate && (r.Form == 3 || r.Form == 9)));
      };
      if (!std::any_of(other.Readings.begin(), other.Readings.end(), genitive)) continue;
      std::erase_if(other.Readings, [&](const TWordForm& r) { return !genitive(r); });
      for (TWordForm& r : other.Readings) r.CaseCode = static_cast<int16_t>(r.Form < 6 ? 4 : 39);
      other.Attribute = 0;
    } else {
      continue;
    }
    std::swap(kits[i], kits[i + 1]);
    ++i;
  }
}

// A plural subject that is not a person takes a singular verb: бәяләр
// күтәрелде, аякларым авырта, кошлар сайрый; so does a headcount: мең
// кеше эшли.
void InanimatePluralSubject(TTransKits& kits, const TClause& c, const TClauseFacts& f,
                            const TDictionaryRT& dict) {
  if (f.Main < 0 || f.Subject >= 0 || !HeadIs(kits[f.Main], wcVerb)) return;
  int subject = -1;
  for (int i = c.First; i < f.Main && subject < 0; ++i)
    if (IsWordSlot(kits[i]) && HeadIs(kits[i], wcNoun) && !Head(kits[i])->HasPrep)
      subject = i;
  // "На заводе работают тысячи людей": a plural nominative after the verb
  // of a clause with none before it.
  // A counted subject is singular in Tatar (мең кеше эшли): after a
  // numeral the noun has lost its plural.
  auto counted = [&](int n) {
    int before = n - 1;
    while (before >= c.First && IsWordSlot(kits[before]) && HeadIs(kits[before], kMaskAdjective))
      --before;
    return before >= c.First && IsNumeral(kits[before], dict);
  };
  for (int i = f.Main + 1; i < c.Last && subject < 0; ++i)
    if (IsWordSlot(kits[i]) && HeadIs(kits[i], wcNoun) && !Head(kits[i])->HasPrep &&
        (Head(kits[i])->Form == 6 || counted(i)))
      subject = i;
  if (subject < 0) return;
  const TWordForm& s = *Head(kits[subject]);
  const std::u16string lemma = dict.Noun().TatarLemma(s.Row);
  const bool thing = !s.Animate || IsAnimalLemma(lemma);
  // A headcount of people (биш кеше килде) is counted like things.
  const bool headcount = counted(subject) && (thing || lemma == u"кеше");
  if (s.CaseCode >= 0 || !(headcount || (s.Form == 6 && thing))) return;
  for (TWordForm& w : kits[f.Main].Readings) {
    if (w.WordClass != wcVerb || w.CaseCode >= 0) continue;
    const int neg = w.Negated ? 1 : 0;
    if (w.Form == 8) w.CaseCode = static_cast<int16_t>(16 + 6 * neg);
    if (w.Form == 18) w.CaseCode = static_cast<int16_t>(FutureCode(2, neg));
    if (w.Form == 12) w.CaseCode = static_cast<int16_t>(PastCode(2, neg));
  }
}

// "начал плакать", "стал работать": the infinitive takes the -а converb
// before башла (елый башлады).
constexpr std::u16string_view kBeginLemma = u"башла";

void BeginToDo(TTransKits& kits, const TClause& c, const TClauseFacts& f,
               const TDictionaryRT& dict) {
  if (f.Main < 0 || !HeadIs(kits[f.Main], wcVerb)) return;
  int inf = f.Main + 1;
  while (inf < c.Last && !IsInfinitive(kits[inf])) ++inf;
  if (inf >= c.Last) return;
  TTransKit& verb = kits[f.Main];
  const std::u16string lemma = dict.Verb().TatarLemma(Head(verb)->Row);
  // "стал работать" is башла, "могу помочь" the auxiliary ал (булыша алам).
  std::u16string_view aux;
  if (lemma == kBeStem || lemma == kBeginLemma)
    aux = kBeginLemma;
  else if (lemma == u"булдыр")
    aux = u"ал";
  else
    return;
  if (aux != lemma) {
    const int32_t row = RowOfTatarLemma(dict.Verb(), aux);
    if (row < 0) return;
    for (TWordForm& w : verb.Readings)
      if (w.WordClass == wcVerb) w.Row = row;
  }
  for (TWordForm& w : kits[inf].Readings)
    if (w.WordClass == wcVerb) w.CaseCode = 16;  // the -а converb
}

// "давай(те) отдохнём": the 1pl verb after әйдә is the optative -ыйк.
void LetUs(TTransKits& kits, const TClause& c, const TClauseFacts& f) {
  if (f.Main < 0 || !HeadIs(kits[f.Main], wcVerb)) return;
  bool letUs = false;
  for (int i = c.First; i < f.Main; ++i)
    letUs = letUs || (IsWordSlot(kits[i]) &&
                      (kits[i].Source == u"давай" || kits[i].Source == u"давайте"));
  if (!letUs) return;
  for (TWordForm& w : kits[f.Main].Readings)
    if (w.WordClass == wcVerb && PersonOfForm(w.Form) == 3)
      w.CaseCode = static_cast<int16_t>(w.Negated ? 97 : 95);
}

// Nouns asked about with "какой" for what they are like: the question word
// is then the predicate (бүген һава нинди?, кәефең нинди?).
constexpr std::u16string_view kQualityNouns[] = {u"һава",  u"кәеф",    u"холык",
                                                 u"тәм",   u"төс",     u"хәл",
                                                 u"климат", u"сәламәтлек", u"характер"};

// The noun that a "какой" at which asks about: the first nominative noun
// after it in the clause, across adverbs; -1 when another word comes
// first.
int AskedNoun(const TTransKits& kits, const TClause& c, int which) {
  for (int i = which + 1; i < c.Last; ++i) {
    if (!IsWordSlot(kits[i])) continue;
    if (HeadIs(kits[i], wcNoun)) return Head(kits[i])->HasPrep ? -1 : i;
    if (!HeadIs(kits[i], wcMod)) return -1;
  }
  return -1;
}

bool AsksForQuality(const TTransKit& noun, const TDictionaryRT& dict) {
  return In(kQualityNouns, dict.Noun().TatarLemma(Head(noun)->Row));
}

// The person noun a verbless "кто" question asks about as a role: the
// clause's only noun, a bare nominative with no possessor, and every other
// word an adverb (not a pronoun or a demonstrative); -1 otherwise.
int AskedRole(const TTransKits& kits, const TClause& c, int who, const TDictionaryRT& dict) {
  int role = -1;
  for (int i = c.First; i < c.Last; ++i) {
    if (i == who || !IsWordSlot(kits[i])) continue;
    const TTransKit& kit = kits[i];
    if (HeadIs(kit, wcNoun)) {
      const TWordForm& w = *Head(kit);
      if (role >= 0 || !w.Animate || w.HasPrep || w.Possessor >= 0 || w.Form % 6 != 0)
        return -1;
      role = i;
      continue;
    }
    if (!HeadIs(kit, wcMod) || FindPronoun(kit.Source) ||
        In(kDemonstratives, LastWord(ModText(*Head(kit), dict))))
      return -1;
  }
  return role;
}

// The main verb, with the infinitives after it, goes to the end of the
// clause: objects and adverbs come first in Tatar. A question word opening
// the clause goes right before them.
void VerbLast(TTransKits& kits, const TClause& c, const TClauseFacts& f,
              const TDictionaryRT& dict) {
  int question = QuestionWord(kits, c);
  // "Какая сегодня погода?": in a clause with no verb "какой" in the
  // nominative is the predicate, last: бүген һава нинди?
  const int which = WhichWord(kits, c);
  if (question < 0 && f.Main < 0 && which >= 0 && In(kWhichSubjects, kits[which].Source)) {
    // "Какой сегодня день?" asks which one, not what it is like: нинди
    // stays before its noun, after the words that stood between them
    // (бүген нинди көн?).
    const int noun = AskedNoun(kits, c, which);
    if (noun >= 0 && !AsksForQuality(kits[noun], dict)) {
      if (noun > which + 1) {
        TTransKit word = std::move(kits[which]);
        if (which == c.First && word.CasePattern == 1) word.CasePattern = 0;
        for (int i = which; i + 1 < noun; ++i) kits[i] = std::move(kits[i + 1]);
        kits[noun - 1] = std::move(word);
      }
      return;
    }
    question = which;
  }
  if (question >= 0 && f.Main < 0) {
    // "Кто дежурный сегодня?" asks who fills a role: кем is the subject,
    // the role the predicate after it, the other words first (бүген кем
    // дежур?).
    const int role = kits[question].Source == u"кто" ? AskedRole(kits, c, question, dict) : -1;
    if (role >= 0) {
      TTransKit who = std::move(kits[question]);
      TTransKit noun = std::move(kits[role]);
      if (question == c.First && who.CasePattern == 1) who.CasePattern = 0;
      int to = c.First;
      for (int i = c.First; i < c.Last; ++i)
        if (i != question && i != role) kits[to++] = std::move(kits[i]);
      kits[to++] = std::move(who);
      kits[to] = std::move(noun);
      return;
    }
    // "Кто это?" -> Бу кем?: the question word is the predicate.
    TTransKit word = std::move(kits[question]);
    if (question == 0 && word.CasePattern == 1) word.CasePattern = 0;
    for (int i = question; i + 1 < c.Last; ++i) kits[i] = std::move(kits[i + 1]);
    kits[c.Last - 1] = std::move(word);
    return;
  }
  // "В каком городе ты живёшь?" asks with нинди, not with -мы; a pronoun
  // subject after the question phrase opens the clause: син нинди
  // шәһәрдә яшисең?
  int main = f.Main;
  if (f.Main >= 0 && question < 0 && which >= 0) {
    // The noun it asks about is no known thing: нинди китап укыйсың?
    if (which + 1 < c.Last && IsWordSlot(kits[which + 1]) && kits[which].Source.starts_with(u"как"))
      ForNouns(kits[which + 1], [](TWordForm& r) {
        if (!r.HasPrep && r.Possessor < 0 && (r.Form == 3 || r.Form == 9)) r.Bare = 1;
      });
    for (int i = which + 1; i < c.Last; ++i)
      if (i != f.Main && IsWordSlot(kits[i]) && !Head(kits[i])->HasPrep &&
          FindPronoun(kits[i].Source, 0)) {
        std::rotate(kits.begin() + c.First, kits.begin() + i, kits.begin() + i + 1);
        if (main < i) ++main;
        break;
      }
  } else if (f.Main >= 0 && question < 0 && IsQuestion(kits, c)) {
    kits[f.Main].AskParticle = 1;
  }
  // A clause with no verb whose predicate is "много": кар күп.
  if (main < 0)
    for (int i = c.First; i < c.Last; ++i)
      if (IsQuantity(kits[i], dict) && NounAfter(kits, i, c) >= 0) main = i;
  if (main < 0) return;
  std::vector<TTransKit> others, infinitives, adverbs;
  for (int i = c.First; i < c.Last; ++i) {
    if (i == main) continue;
    if (i != question && IsVerbAdverb(kits, c, i, main)) {
      if (i == 0 && kits[i].CasePattern == 1) kits[i].CasePattern = 0;
      adverbs.push_back(std::move(kits[i]));
    } else if (i == question) {
      if (i == 0 && kits[i].CasePattern == 1) kits[i].CasePattern = 0;
      infinitives.insert(infinitives.begin(), std::move(kits[i]));
    } else if (i > main && IsInfinitive(kits[i]))
      infinitives.push_back(std::move(kits[i]));
    else
      others.push_back(std::move(kits[i]));
  }
  // An indefinite object, with the words that qualify it, stands right
  // before the verb: Ул көн саен газета укый.
  for (int o = static_cast<int>(others.size()) - 1; o >= 0; --o) {
    const TTransKit& x = others[static_cast<size_t>(o)];
    if (!IsWordSlot(x) || !HeadIs(x, wcNoun) || !Head(x)->Bare || Head(x)->HasPrep ||
        (Head(x)->Form != 3 && Head(x)->Form != 9))
      continue;
    int from = o;
    while (from > 0 && IsWordSlot(others[static_cast<size_t>(from - 1)]) &&
           (HeadIs(others[static_cast<size_t>(from - 1)], kMaskAdjective) ||
            IsNumeral(others[static_cast<size_t>(from - 1)], dict) ||
            IsMeasureSlot(others[static_cast<size_t>(from - 1)])))
      --from;
    std::rotate(others.begin() + from, others.begin() + o + 1, others.end());
    // An adverb of the verb goes before the indefinite object, which
    // stays next to the verb: бераз китап укыйм.
    if (question < 0 && infinitives.empty()) {
      others.insert(others.end() - (o + 1 - from), std::make_move_iterator(adverbs.begin()),
                    std::make_move_iterator(adverbs.end()));
      adverbs.clear();
    }
    break;
  }
  for (TTransKit& x : adverbs) infinitives.push_back(std::move(x));
  TTransKit verb = std::move(kits[main]);
  // A verb that opened the sentence loses the capital it had from there.
  if (main == 0 && verb.CasePattern == 1) verb.CasePattern = 0;
  int k = c.First;
  for (TTransKit& x : others) kits[k++] = std::move(x);
  for (TTransKit& x : infinitives) {
    if (k == 0 && x.CasePattern == 1) x.CasePattern = 0;
    kits[k++] = std::move(x);
  }
  kits[k] = std::move(verb);
}

// Masculine animate nouns read the same in the genitive and the
// accusative: such a noun names a person or an animal.
void MarkAnimate(TTransKit& kit) {
  for (const TWordForm& a : kit.Readings)
    if (a.WordClass == wcNoun && a.Form == 3)
      for (const TWordForm& g : kit.Readings)
        if (g.WordClass == wcNoun && g.Row == a.Row && g.Form == 1) {
          for (TWordForm& x : kit.Readings) x.Animate = 1;
          return;
        }
}

}  // namespace

const TPronounForm* FindPronoun(std::u16string_view source, int russianCase) {
  for (const TPronounForm& p : kPronouns)
    if (p.Russian == source &&
        (russianCase < 0 || (russianCase <= 5 && (p.Cases >> russianCase & 1))))
      return &p;
  return nullptr;
}

std::u16string_view TatarPronoun(int person, int tatCase) {
  if (person < 0 || person > 5 || tatCase < 0 || tatCase > 5) return {};
  return kTatarPronouns[static_cast<size_t>(person)][static_cast<size_t>(tatCase)];
}

void ChoosePrepositionCase(TTransKits& kits, const TDB_standard& nouns) {
  const int count = static_cast<int>(kits.size());
  for (int j = 0; j < count; ++j) {
    TTransKit& kit = kits[j];
    if (kit.Readings.size() <= 1 || !HasNoun(kit)) continue;
    // The preposition is on the noun, or still on an adjective or
    // determiner before it ("в большом доме").
    int i = j;
    while (i > 0 && !kits[i].Readings.empty() && !kits[i].Readings[0].HasPrep &&
           kits[i - 1].IsWord == 1 && !kits[i - 1].Readings.empty() &&
           (kits[i - 1].Readings[0].WordClass & (kMaskAdjective | wcMod)))
      --i;
    if (kits[i].Readings.empty() || !kits[i].Readings[0].HasPrep) continue;
    const int32_t first = kits[i].Readings[0].PrepFirst, last = kits[i].Readings[0].PrepLast;
    auto governed = [&](const TWordForm& w) {
      if (w.WordClass != wcNoun) return false;
      for (int32_t r = first; r <= last; ++r)
        if (nouns.GovernedCase(r) == w.Form % 6) return true;
      return false;
    };
    if (std::any_of(kit.Readings.begin(), kit.Readings.end(), governed))
      std::erase_if(kit.Readings, [&](const TWordForm& w) {
        return w.WordClass == wcNoun && !governed(w);
      });
    // "в Казани": a singular that fits wins over a plural that fits.
    auto singular = [&](const TWordForm& w) { return governed(w) && w.Form < 6; };
    if (std::any_of(kit.Readings.begin(), kit.Readings.end(), singular))
      std::erase_if(kit.Readings,
                    [&](const TWordForm& w) { return w.WordClass == wcNoun && w.Form >= 6; });
  }
}

void PreferObjects(TTransKits& kits) {
  bool subject = false, verb = false;
  for (TTransKit& kit : kits) {
    if (IsBoundary(kit)) {
      subject = verb = false;
      continue;
    }
    if (!IsWordSlot(kit)) continue;
    const TWordForm* w = Head(kit);
    MarkAnimate(kit);
    if (!verb && w->WordClass == wcVerb && w->Form >= 1) {
      // An imperative needs no subject before its object.
      verb = subject || w->Form <= 2;
      continue;
    }
    if (!verb) {
      const bool nominative = std::any_of(
          kit.Readings.begin(), kit.Readings.end(), [](const TWordForm& r) {
            return r.WordClass == wcNoun && (r.Form == 0 || r.Form == 6);
          });
      if (!w->HasPrep && (nominative || FindPronoun(kit.Source, 0))) subject = true;
      continue;
    }
    if (w->HasPrep || !HasNoun(kit)) continue;
    auto object = [](const TWordForm& r) {
      return r.WordClass == wcNoun && (r.Form == 3 || r.Form == 9 || r.Form == 1 || r.Form == 7);
    };
    if (std::any_of(kit.Readings.begin(), kit.Readings.end(), object))
      std::erase_if(kit.Readings, [](const TWordForm& r) {
        return r.WordClass == wcNoun && (r.Form == 0 || r.Form == 6);
      });
  }
}

void PreferSingular(TTransKits& kits) {
  for (TTransKit& kit : kits) {
    TTransUnits& r = kit.Readings;
    if (r.size() <= 1) continue;
    auto hasSingular = [&r](const TWordForm& w) {
      return std::any_of(r.begin(), r.end(), [&w](const TWordForm& s) {
        return s.WordClass == wcNoun && s.Row == w.Row && s.Form + 6 == w.Form;
      });
    };
    TTransUnits kept;
    for (const TWordForm& w : r)
      if (!(w.WordClass == wcNoun && w.Form >= 6 && hasSingular(w))) kept.push_back(w);
    if (!kept.empty()) r = std::move(kept);
  }
}

void PreferQuantityCase(TTransKits& kits, const TDictionaryRT& dict) {
  const int count = static_cast<int>(kits.size());
  for (int i = 0; i + 1 < count; ++i) {
    if (!(IsNumeral(kits[i], dict) || IsQuantity(kits[i], dict)) || Head(kits[i])->HasPrep)
      continue;
    int j = i + 1;
    while (j < count && IsWordSlot(kits[j]) && !HasNoun(kits[j]) &&
           HeadIs(kits[j], kMaskAdjective))
      ++j;
    if (j >= count || !IsWordSlot(kits[j]) || Head(kits[j])->HasPrep) continue;
    auto genitive = [](const TWordForm& w) {
      return w.WordClass == wcNoun && (w.Form == 1 || w.Form == 7);
    };
    TTransUnits& r = kits[j].Readings;
    if (std::any_of(r.begin(), r.end(), genitive))
      std::erase_if(r, [&](const TWordForm& w) { return !genitive(w); });
  }
}

void MarkAttributes(TTransKits& kits, const TDictionaryRT& dict) {
  // Determiners an attribute may carry: possessives and demonstratives.
  auto determiner = [&dict](const TTransKit& k) {
    const TWordForm& w = k.Readings[0];
    if (w.WordClass & kMaskAdjective) return true;
    if (w.WordClass != wcMod || FindPronoun(k.Source)) return false;
    const std::u16string text = ModText(w, dict);
    return In(kDemonstratives, text) || text == kOwn ||
           std::any_of(std::begin(kPossessives), std::end(kPossessives),
                       [&text](const TPossessive& p) { return p.Tatar == text; });
  };
  auto onlyNouns = [](const TTransKit& k) {
    return k.IsWord == 1 && !k.Readings.empty() &&
           std::all_of(k.Readings.begin(), k.Readings.end(),
                       [](const TWordForm& w) { return w.WordClass == wcNoun; });
  };
  for (size_t j = 1; j < kits.size(); ++j) {
    TTransKit& kit = kits[j];
    if (!onlyNouns(kit) || kit.Readings[0].HasPrep) continue;
    // The head noun, past the attribute's own determiners and adjectives
    // ("книга моего старшего брата").
    size_t i = j - 1;
    while (i > 0 && kits[i].IsWord == 1 && !kits[i].Readings.empty() &&
           !kits[i].Readings[0].HasPrep && determiner(kits[i]))
      --i;
    if (!onlyNouns(kits[i]) || j - i > 3) continue;
    auto genitive = [](const TWordForm& w) { return w.Form == 1 || w.Form == 7; };
    if (!std::any_of(kit.Readings.begin(), kit.Readings.end(), genitive)) continue;
    MarkAnimate(kit);
    std::erase_if(kit.Readings, [&](const TWordForm& w) { return !genitive(w); });
    kit.Attribute = static_cast<uint8_t>(j - i);
  }
}

std::vector<TClause> FindClauses(const TTransKits& kits) {
  std::vector<TClause> parts;
  const int count = static_cast<int>(kits.size());
  int start = 0;
  for (int i = 0; i <= count; ++i) {
    const bool cut = i == count || IsBoundary(kits[i]) ||
                     (IsWordSlot(kits[i]) && In(kJoiners, kits[i].Source));
    if (!cut) continue;
    if (i > start) parts.push_back({start, i});
    start = i;
    if (i < count && IsBoundary(kits[i])) start = i + 1;
  }
  // A joiner stays inside the clause unless both sides have a verb of their
  // own ("брат и сестра" is one phrase).
  auto hasVerb = [&](const TClause& c) {
    for (int i = c.First; i < c.Last; ++i)
      if (IsMainCandidate(kits[i])) return true;
    return false;
  };
  std::vector<TClause> clauses;
  for (const TClause& p : parts) {
    const bool joined = IsWordSlot(kits[p.First]) && In(kJoiners, kits[p.First].Source);
    if (joined && !clauses.empty() && clauses.back().Last == p.First &&
        !(hasVerb(clauses.back()) && hasVerb(p))) {
      clauses.back().Last = p.Last;
      continue;
    }
    clauses.push_back(p);
  }
  return clauses;
}

void ApplyClauseRules(TTransKits& kits, const TDictionaryRT& dict) {
  TimeSpans(kits, dict);
  BeforeAnEvent(kits, dict);
  ClockTime(kits, dict);
  MarkRelativeHeads(kits);
  ThanksFor(kits, dict);
  int previousSubject = -1;
  for (const TClause& c : FindClauses(kits)) {
    TimeFirst(kits, c, dict);
    const bool owner = OpensWithOwner(kits, c, dict);
    HowAreThings(kits, c, dict);
    Possession(kits, c, dict);
    Absent(kits, c, owner, dict);
    PronounsAfterPrepositions(kits, c, dict.Noun());
    TClauseFacts facts = Inspect(kits, c);
    // "мы пели и танцевали", "я встал, умылся": a clause with no subject
    // of its own has the one before it, when its verb is joined by a
    // conjunction or is a past (which has no person) of the same number.
    const bool joined = IsWordSlot(kits[c.First]) && In(kJoiners, kits[c.First].Source);
    bool samePast = false;
    if (facts.Main >= 0 && HeadIs(kits[facts.Main], wcVerb) && previousSubject >= 0) {
      const TWordForm& v = *Head(kits[facts.Main]);
      samePast = IsPastForm(v.Form) && (v.Form == 12) == (previousSubject >= 3) &&
                 dict.Verb().TatarLemma(v.Row) != kBeStem;
    }
    if (facts.Subject < 0 && !facts.NounSubject && (joined || samePast))
      facts.Subject = previousSubject;
    previousSubject = facts.Subject;
    EatNotHave(kits, c, dict);
    FutureWithInfinitive(kits, c, facts, dict);
    WantPhrase(kits, c, facts, dict);
    BeginToDo(kits, c, facts, dict);
    LetUs(kits, c, facts);
    InviteUs(kits, c, facts);
    Promise(kits, c, facts);
    NearFuture(kits, c, facts, dict);
    FallingWeather(kits, c, dict);
    VerbSenses(kits, c, facts, dict);
    AdjectiveSenses(kits, c, dict);
    NationIzafet(kits, c, dict);
    RelativeAdjectiveIzafet(kits, c, dict);
    PlacePhrases(kits, c, dict);
    Comparison(kits, c);
    InanimatePluralSubject(kits, c, facts, dict);
    BodyParts(kits, c, facts, dict);
    PossessivePronouns(kits, c, dict, facts.Subject);
    NumeralNouns(kits, c, dict);
    MeasuredAmounts(kits, c, dict);
    CopulaPredicate(kits, c, dict);
    Age(kits, c, facts, dict);
    HadInPast(kits, c, owner, dict);
    MainVerb(kits, c, facts, dict);
    GoHome(kits, c, dict);
    Conditional(kits, c, facts);
    When(kits, c, facts, dict);
    ReportedThat(kits, c, facts);
    NamedPlaces(kits, c, dict);
    Attributes(kits, c);
    VerbGovernment(kits, c, dict);
    BareObjects(kits, c, facts, dict);
    DefiniteObjects(kits, c, facts);
    DefiniteWithManner(kits, c, facts);
    VerbLast(kits, c, facts, dict);
    PlaceBeforeSubject(kits, c, dict);
    PredicateAdjective(kits, c);
  }
  RelativeClauses(kits);
  ReportedSpeech(kits, dict);
  GladTo(kits, dict);
  ComparedWith(kits, dict);
}

namespace {

constexpr std::u16string_view kClauseJoiners[] = {u"и", u"а", u"но"};

bool HasClass(const TTransKit& kit, uint16_t mask) {
  return std::any_of(kit.Readings.begin(), kit.Readings.end(),
                     [mask](const TWordForm& w) { return (w.WordClass & mask) != 0; });
}

bool IsFiniteReading(const TWordForm& w) { return w.WordClass == wcVerb && w.Form >= 3; }

bool HasFiniteReading(const TTransKit& kit) {
  return std::any_of(kit.Readings.begin(), kit.Readings.end(), IsFiniteReading);
}

// Whether a slot can only be an infinitive among verbs and has no noun
// reading ("плакать").
bool IsInfinitiveOnly(const TTransKit& kit) {
  if (!IsWordSlot(kit) || HasClass(kit, wcNoun)) return false;
  return std::any_of(kit.Readings.begin(), kit.Readings.end(),
                     [](const TWordForm& w) { return w.WordClass == wcVerb && w.Form == 0; });
}

// Tatar verbs of motion towards a place: в/на + accusative after them is
// the dative (диңгезгә барырга), not the locative.
constexpr std::u16string_view kMotionStems[] = {
    u"бар", u"кил", u"кайт", u"кит", u"кер", u"чык", u"мен", u"төш", u"оч", u"йөгер",
    u"күч", u"утыр", u"куй", u"сал", u"юнәл", u"җибәр", u"илт", u"китер", u"кара", u"яз",
    u"җыел", u"кереш", u"ашык", u"кыл"};

}  // namespace

void MarkPredicatePhrases(TTransKits& kits, const TDictionaryRT& dict) {
  TTransUnits verbs;
  for (TTransKit& kit : kits) {
    if (!IsWordSlot(kit) || Head(kit)->WordClass != wcMod) continue;
    if (kit.Source.find(u' ') == std::u16string::npos) continue;
    // "как тебя зовут" asks with a word of its own; in "меня зовут Алсу"
    // the name is the predicate.
    const std::u16string_view first = std::u16string_view(kit.Source).substr(0, kit.Source.find(u' '));
    if (In(kQuestionWords, first) || kit.Source.find(u"зовут") != std::u16string::npos) continue;
    std::u16string_view rest = kit.Source;
    while (!rest.empty() && !kit.Predicate) {
      const size_t space = rest.find(u' ');
      const std::u16string_view word = rest.substr(0, space);
      verbs.clear();
      dict.Verb().AnalyseWord(word, verbs);
      if (std::any_of(verbs.begin(), verbs.end(), IsFiniteReading)) kit.Predicate = 1;
      rest = space == std::u16string_view::npos ? std::u16string_view() : rest.substr(space + 1);
    }
  }
}

void PreferVerbsInContext(TTransKits& kits) {
  const int count = static_cast<int>(kits.size());
  bool verbBefore = false;  // a finite verb earlier in the same stretch of words
  for (int i = 0; i < count; ++i) {
    TTransKit& kit = kits[i];
    if (IsBoundary(kit)) {
      verbBefore = false;
      continue;
    }
    if (!IsWordSlot(kit)) continue;
    const bool ambiguous = HasFiniteReading(kit) && HasClass(kit, kMaskNominal | wcVAdj) &&
                           !Head(kit)->HasPrep;
    if (ambiguous) {
      int prev = i - 1;
      while (prev >= 0 && kits[prev].IsWord == 1 && kits[prev].Readings.empty()) --prev;
      int next = i + 1;
      while (next < count && kits[next].IsWord == 1 && kits[next].Readings.empty()) ++next;
      const bool prevWord = prev >= 0 && IsWordSlot(kits[prev]);
      const bool pronounSubject = prevWord && !Head(kits[prev])->HasPrep &&
                                  FindPronoun(kits[prev].Source, 0) != nullptr;
      const bool afterJoiner =
          prevWord && verbBefore && In(kClauseJoiners, kits[prev].Source);
      const bool beforeInfinitive = next < count && IsInfinitiveOnly(kits[next]);
      if (pronounSubject || afterJoiner || beforeInfinitive || Head(kit)->Negated)
        std::erase_if(kit.Readings, [](const TWordForm& w) { return w.WordClass != wcVerb; });
    }
    if (HasFiniteReading(kit) && !HasClass(kit, kMaskNominal)) verbBefore = true;
  }
}

void PreferDirection(TTransKits& kits, const TDictionaryRT& dict) {
  const int count = static_cast<int>(kits.size());
  const TDB_standard& nouns = dict.Noun();
  int start = 0;
  for (int end = 0; end <= count; ++end) {
    if (end < count && !IsBoundary(kits[end])) continue;
    // One stretch of words [start, end): is a verb of motion in it?
    bool motion = false;
    for (int i = start; i < end && !motion; ++i)
      for (const TWordForm& w : kits[i].Readings)
        if (w.WordClass == wcVerb && In(kMotionStems, dict.Verb().TatarLemma(w.Row))) motion = true;
    for (int j = start; j < end && motion; ++j) {
      TTransKit& kit = kits[j];
      if (!IsWordSlot(kit) || !HasClass(kit, wcNoun)) continue;
      int i = j;
      while (i > start && !Head(kits[i])->HasPrep && IsWordSlot(kits[i - 1]) &&
             (Head(kits[i - 1])->WordClass & (kMaskAdjective | wcMod)))
        --i;
      const TWordForm& p = *Head(kits[i]);
      if (!p.HasPrep) continue;
      bool place = false;
      for (int32_t r = p.PrepFirst; r <= p.PrepLast; ++r) {
        const std::u16string_view word = nouns.PrepositionWord(r);
        place = place || word == u"в" || word == u"во" || word == u"на";
      }
      auto accusative = [](const TWordForm& w) {
        return w.WordClass == wcNoun && (w.Form == 3 || w.Form == 9);
      };
      if (place && std::any_of(kit.Readings.begin(), kit.Readings.end(), accusative))
        std::erase_if(kit.Readings, [&](const TWordForm& w) {
          return w.WordClass == wcNoun && !accusative(w);
        });
    }
    start = end + 1;
  }
}

void PreferComparedGenitive(TTransKits& kits) {
  for (size_t i = 0; i + 1 < kits.size(); ++i) {
    const TTransKit& adj = kits[i];
    if (!IsWordSlot(adj) || !std::any_of(adj.Readings.begin(), adj.Readings.end(),
                                         [](const TWordForm& w) {
                                           return w.WordClass == wcAdj && w.Form == 24;
                                         }))
      continue;
    TTransKit& kit = kits[i + 1];
    if (!IsWordSlot(kit) || Head(kit)->HasPrep) continue;
    auto genitive = [](const TWordForm& w) {
      return w.WordClass == wcNoun && (w.Form == 1 || w.Form == 7);
    };
    if (std::any_of(kit.Readings.begin(), kit.Readings.end(), genitive))
      std::erase_if(kit.Readings, [&](const TWordForm& w) { return !genitive(w); });
  }
}

void DropBarePrepositional(TTransKits& kits) {
  for (TTransKit& kit : kits) {
    if (!IsWordSlot(kit) || Head(kit)->HasPrep) continue;
    auto prepositional = [](const TWordForm& w) {
      return w.WordClass == wcNoun && (w.Form == 5 || w.Form == 11);
    };
    if (std::any_of(kit.Readings.begin(), kit.Readings.end(),
                    [&](const TWordForm& w) { return !prepositional(w); }))
      std::erase_if(kit.Readings, prepositional);
  }
}

}  // namespace rusengine
