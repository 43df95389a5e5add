#include "SpeechRules.h"

#include <algorithm>
#include <string>

#include "ClauseRules.h"
#include "ClauseTools.h"
#include "Common_ru.h"
#include "DictionaryRT.h"
#include "db_unit.h"

namespace rusengine {

namespace {

// Tatar verbs that introduce what was said, thought or known.
constexpr std::u16string_view kSayVerbs[] = {
    u"әйт",  u"сөйлә", u"уйла",     u"бел",       u"яз",     u"ишет",     u"аңла",
    u"күр",  u"ышан",  u"оныт",     u"хәтерлә",   u"сора",   u"кычкыр",   u"җавап бир",
    u"хәбәр ит", u"вәгъдә ит", u"өмет ит", u"өметлән", u"аңлат", u"ди", u"исәплә"};
// After these что asks: "спросил, что случилось" -> нәрсә булды дип сорады.
constexpr std::u16string_view kAskVerbs[] = {u"сора"};
// Rendered as one word before the reported clause: "я думаю" / "мне кажется".
constexpr std::u16string_view kOpinionWord = u"минемчә";

// The next slot after i that emits something or is the word "что"; count
// when none.
int NextLive(const TTransKits& kits, int i) {
  const int count = static_cast<int>(kits.size());
  int j = i + 1;
  while (j < count && kits[j].Readings.empty() && kits[j].Source != u"что") ++j;
  return j;
}

// The first boundary at or after i; count when none.
int BoundaryFrom(const TTransKits& kits, int i) {
  const int count = static_cast<int>(kits.size());
  while (i < count && !IsBoundary(kits[i])) ++i;
  return i;
}

// The first slot of the clause holding slot i: past the boundary before it.
int ClauseStartOf(const TTransKits& kits, int i) {
  while (i > 0 && !IsBoundary(kits[i - 1])) --i;
  return i;
}

// "я думаю" / "мне кажется" alone in their clause: one word, минемчә.
bool OpinionClause(TTransKits& kits, int verb, std::u16string_view lemma) {
  const TWordForm& v = *Head(kits[verb]);
  if (v.Negated) return false;
  const bool think = lemma == u"уйла" && (v.Form == 3 || v.Person == 0);
  const bool seem = lemma == u"күрен" && (v.Form == 5 || kits[verb].Source == u"кажется");
  if (!think && !seem) return false;
  const int start = ClauseStartOf(kits, verb);
  int pronoun = -1;
  for (int i = start; i < verb; ++i) {
    if (!IsWordSlot(kits[i])) continue;
    const TPronounForm* p = FindPronoun(kits[i].Source, think ? 0 : 2);
    if (!p || p->Person != 0 || pronoun >= 0) return false;
    pronoun = i;
  }
  if (seem && pronoun < 0) return false;
  if (pronoun >= 0) kits[pronoun].Readings.clear();
  SetFixedText(kits[verb], std::u16string(kOpinionWord));
  kits[verb].Readings[0].Negated = 0;
  kits[verb].CasePattern = pronoun >= 0 ? kits[pronoun].CasePattern : kits[verb].CasePattern;
  if (start == 0 || verb == start) kits[verb].CasePattern = 1;
  return true;
}

// Datives that do not follow the rule: demonstratives, and the seasons,
// whose adverbs (кышын "in winter") are not the noun.
struct TDative {
  std::u16string_view Word, Dative;
};
constexpr TDative kIrregularDatives[] = {
    {u"шул", u"шуңа"}, {u"бу", u"моңа"},   {u"ул", u"аңа"},    {u"теге", u"тегесенә"},
    {u"кышын", u"кышка"}, {u"җәен", u"җәйгә"}, {u"язын", u"язга"}, {u"көзен", u"көзгә"}};

// The dative of a Tatar word by vowel harmony and the last sound.
std::u16string Dative(std::u16string word) {
  for (const TDative& d : kIrregularDatives)
    if (word == d.Word) return std::u16string(d.Dative);
  bool front = false;
  for (auto it = word.rbegin(); it != word.rend(); ++it) {
    const std::u16string_view back = u"аоуыя", frontVowels = u"әөүеиэю";
    if (back.find(*it) != std::u16string_view::npos) break;
    if (frontVowels.find(*it) != std::u16string_view::npos) {
      front = true;
      break;
    }
  }
  const std::u16string_view voiceless = u"кпстфхцчшщ";
  const bool hard = !word.empty() && voiceless.find(word.back()) != std::u16string_view::npos;
  word.append(hard ? (front ? u"кә" : u"ка") : (front ? u"гә" : u"га"));
  return word;
}

// Verbs of knowing and perceiving: what is known is the verb's object, a
// participle with the subject's possessive in the accusative ("я знаю, что
// он пришёл" -> мин аның килгәнен беләм). Verbs of saying and thinking
// keep дип.
constexpr std::u16string_view kKnowVerbs[] = {u"бел", u"күр", u"ишет", u"аңла", u"оныт",
                                              u"хәтерлә"};

// Possessive + accusative endings after a participle, by person, for a
// back-vowel and a front-vowel word. The 3pl takes the 3rd-person ending.
constexpr std::u16string_view kObjectEndings[2][6] = {
    {u"ымны", u"ыңны", u"ын", u"ыбызны", u"ыгызны", u"ын"},
    {u"емне", u"еңне", u"ен", u"ебезне", u"егезне", u"ен"}};

bool EndsInBackHarmony(std::u16string_view word) {
  for (auto it = word.rbegin(); it != word.rend(); ++it) {
    if (std::u16string_view(u"аоуыя").find(*it) != std::u16string_view::npos) return true;
    if (std::u16string_view(u"әөүеиэю").find(*it) != std::u16string_view::npos) return false;
  }
  return true;
}

// Rewrites the clause [from, to) after a verb of knowing as an object: the
// subject in the genitive, the verb as a -ган (or -ачак) participle with
// the subject's possessive in the accusative. False, with nothing
// changed, when the clause is not a plain subject + verb statement.
bool KnownFact(TTransKits& kits, int from, int to, const TDictionaryRT& dict) {
  int verb = -1;
  for (int j = to - 1; j >= from && verb < 0; --j)
    if (IsWordSlot(kits[j])) verb = j;
  if (verb < 0 || !HeadIs(kits[verb], wcVerb) || kits[verb].Predicate || kits[verb].AskParticle)
    return false;
  const TWordForm& v = *Head(kits[verb]);
  if (v.Form < 3 || v.CaseCode >= 0) return false;
  int subject = -1, person = 2;
  for (int j = from; j < verb && subject < 0; ++j) {
    if (!IsWordSlot(kits[j]) || Head(kits[j])->HasPrep) continue;
    if (const TPronounForm* p = FindPronoun(kits[j].Source, 0)) {
      subject = j;
      person = p->Person;
    } else if (HeadIs(kits[j], wcNoun) && (Head(kits[j])->Form == 0 || Head(kits[j])->Form == 6)) {
      subject = j;
    } else if (HeadIs(kits[j], wcVerb)) {
      return false;
    }
  }
  if (subject < 0) return false;
  // The participle: -ган for the past and the present, -ачак for the future.
  TWordForm participle = v;
  const bool future = IsFutureForm(v.Form);
  participle.CaseCode = static_cast<int16_t>(future ? (v.Negated ? 58 : 52) : (v.Negated ? 46 : 40));
  std::u16string text;
  dict.GetText(participle, text);
  if (text.empty()) return false;
  if (future && text.back() == u'к') text.back() = u'г';
  text.append(kObjectEndings[EndsInBackHarmony(text) ? 0 : 1][static_cast<size_t>(person)]);
  SetFixedText(kits[verb], std::move(text));
  kits[verb].Readings[0].Negated = 0;
  if (HeadIs(kits[subject], wcNoun)) {
    ForNouns(kits[subject], [](TWordForm& r) { r.CaseCode = static_cast<int16_t>(r.Form < 6 ? 1 : 36); });
  } else {
    SetFixedText(kits[subject], std::u16string(TatarPronoun(person, 1)));
  }
  return true;
}

}  // namespace

void ReportedSpeech(TTransKits& kits, const TDictionaryRT& dict) {
  for (int i = 0; i < static_cast<int>(kits.size()); ++i) {
    if (!IsWordSlot(kits[i])) continue;
    const bool seems = kits[i].Source == u"кажется";
    if (!HeadIs(kits[i], wcVerb) && !seems) continue;
    const std::u16string lemma =
        seems ? std::u16string(u"күрен") : dict.Verb().TatarLemma(Head(kits[i])->Row);
    if (!In(kSayVerbs, lemma) && lemma != u"күрен") continue;
    const int comma = NextLive(kits, i);
    if (comma >= static_cast<int>(kits.size()) || !IsComma(kits[comma])) continue;
    const int that = NextLive(kits, comma);
    if (that >= static_cast<int>(kits.size())) continue;
    // "что" alone is the conjunction; a phrase "что случилось" asks.
    const std::u16string& thatText = kits[that].Source;
    const bool conjunction = thatText == u"что";
    if (!conjunction && !thatText.starts_with(u"что ")) continue;
    const int end = BoundaryFrom(kits, that + 1);
    int last = -1;
    for (int j = conjunction ? that + 1 : that; j < end; ++j)
      if (IsWordSlot(kits[j])) last = j;
    // "не знаю, что сказать": что asks what, there is no statement.
    if (last < 0 || IsInfinitive(kits[last]) || (lemma == u"бел" && Head(kits[i])->Negated))
      continue;
    if (conjunction && !In(kAskVerbs, lemma)) kits[that].Readings.clear();
    if (OpinionClause(kits, i, lemma)) {
      i = end;
      continue;
    }
    if (lemma == u"күрен") continue;
    kits[comma].Readings.clear();
    if (!(conjunction && In(kKnowVerbs, lemma) && KnownFact(kits, that + 1, end, dict)))
      kits[last].Tail.append(u" дип");
    if (kits[i].CasePattern == 1 && ClauseStartOf(kits, i) == i) kits[i].CasePattern = 0;
    std::rotate(kits.begin() + i, kits.begin() + i + 1, kits.begin() + last + 1);
    i = end;
  }
}

void ThanksFor(TTransKits& kits, const TDictionaryRT& dict) {
  const int count = static_cast<int>(kits.size());
  for (int i = 0; i + 1 < count; ++i) {
    if (!IsWordSlot(kits[i]) || !kits[i].Source.ends_with(u"спасибо")) continue;
    // The preposition sits on the noun, past its determiners and adjectives.
    int noun = i + 1;
    while (noun < count && IsWordSlot(kits[noun]) && !HeadIs(kits[noun], wcNoun) &&
           !Head(kits[noun])->HasPrep)
      ++noun;
    if (noun >= count || !IsWordSlot(kits[noun]) || !Head(kits[noun])->HasPrep ||
        dict.Noun().PrepositionWord(Head(kits[noun])->PrepFirst) != u"за")
      continue;
    const int end = BoundaryFrom(kits, i + 1);
    const uint8_t pattern = kits[i].CasePattern;
    if (pattern == 1) {
      kits[i].CasePattern = 0;
      kits[i + 1].CasePattern = 1;
    }
    std::rotate(kits.begin() + i, kits.begin() + i + 1, kits.begin() + end);
    i = end;
  }
}

void GladTo(TTransKits& kits, const TDictionaryRT& dict) {
  const int count = static_cast<int>(kits.size());
  for (int i = 0; i + 1 < count; ++i) {
    const std::u16string& s = kits[i].Source;
    if (!IsWordSlot(kits[i]) || !(s == u"рад" || s == u"рада" || s == u"рады")) continue;
    const int end = BoundaryFrom(kits, i + 1);
    int inf = -1;
    for (int j = i + 1; j < end && inf < 0; ++j)
      if (IsInfinitive(kits[j])) inf = j;
    if (inf < 0) continue;
    int person = s == u"рады" ? 3 : 0;
    for (int j = ClauseStartOf(kits, i); j < i; ++j)
      if (IsWordSlot(kits[j]) && !Head(kits[j])->HasPrep)
        if (const TPronounForm* p = FindPronoun(kits[j].Source, 0)) person = p->Person;
    // The verbal noun (-у/-ү) with the possessive in the dative.
    static constexpr std::u16string_view kBack[] = {u"ыма", u"ыңа", u"ына", u"ыбызга", u"ыгызга", u"ына"};
    static constexpr std::u16string_view kFront[] = {u"емә", u"еңә", u"енә", u"ебезгә", u"егезгә", u"енә"};
    TWordForm noun = *Head(kits[inf]);
    noun.CaseCode = 0;
    noun.Negated = 0;
    std::u16string text;
    dict.GetText(noun, text);
    if (text.empty()) continue;
    text.append(text.back() == u'ү' ? kFront[person] : kBack[person]);
    SetFixedText(kits[inf], std::move(text));
    // Order: what the verbal noun governs, the verbal noun, шат.
    TTransKit glad = std::move(kits[i]);
    TTransKit verb = std::move(kits[inf]);
    std::vector<TTransKit> rest;
    for (int j = i + 1; j < end; ++j)
      if (j != inf) rest.push_back(std::move(kits[j]));
    int k = i;
    for (TTransKit& x : rest) kits[k++] = std::move(x);
    kits[k++] = std::move(verb);
    kits[k] = std::move(glad);
    i = end;
  }
}

void ComparedWith(TTransKits& kits, const TDictionaryRT& dict) {
  const int count = static_cast<int>(kits.size());
  for (int c = 1; c + 2 < count; ++c) {
    if (!IsComma(kits[c])) continue;
    const int than = NextLive(kits, c);
    if (than >= count || kits[than].Source != u"чем" || !IsWordSlot(kits[than])) continue;
    // The comparative: the last word before the comma.
    int cmp = c - 1;
    while (cmp >= 0 && kits[cmp].IsWord == 1 && kits[cmp].Readings.empty()) --cmp;
    if (cmp < 0 || !IsWordSlot(kits[cmp])) continue;
    std::u16string cmpText;
    dict.GetText(*Head(kits[cmp]), cmpText);
    if (!(cmpText.ends_with(u"рак") || cmpText.ends_with(u"рәк"))) continue;
    const int end = BoundaryFrom(kits, than + 1);
    int last = -1;
    for (int j = than + 1; j < end; ++j)
      if (IsWordSlot(kits[j])) last = j;
    if (last < 0) continue;
    TTransKit& x = kits[last];
    // A noun or a pronoun is compared with in the ablative (абыйдан,
    // миннән озынрак); anything else takes караганда.
    bool ablative = true;
    if (HeadIs(x, wcNoun) && !Head(x)->HasPrep) {
      ForNouns(x, [](TWordForm& r) {
        r.CaseCode = static_cast<int16_t>(r.Form >= 6 ? 39 : 4);
        r.Bare = 0;
      });
    } else if (const TPronounForm* p = FindPronoun(x.Source, 0); p && HeadIs(x, wcMod)) {
      SetFixedText(x, std::u16string(TatarPronoun(p->Person, 4)));
    } else if (HeadIs(x, wcMod) && !Head(x)->HasPrep) {
      ablative = false;
      std::u16string text;
      dict.GetText(*Head(x), text);
      if (text.empty() || text.find(u' ') != std::u16string::npos) continue;
      SetFixedText(x, Dative(std::move(text)));
    } else {
      continue;
    }
    // X (караганда) goes before the comparative; the comma goes.
    kits[c].Readings.clear();
    if (ablative) kits[than].Readings.clear();
    std::vector<TTransKit> moved;
    for (int j = than + 1; j < end; ++j) moved.push_back(std::move(kits[j]));
    moved.push_back(std::move(kits[than]));
    for (int j = cmp; j < than; ++j) moved.push_back(std::move(kits[j]));
    int k = cmp;
    for (TTransKit& m : moved) kits[k++] = std::move(m);
    c = end;
  }
}

}  // namespace rusengine
