// Postpositions with a possessive ending for a personal pronoun ("минем
// янымда": рядом со мной, "алдыңда": перед тобой), the "up to" case of a
// noun ("мәктәпкәчә": до школы), the senses of "каршында", and the н- forms
// of the 3rd-person pronouns after a preposition (у него, с ними), and
// personal pronouns in the ablative before a postposition (кроме тебя).
#include <algorithm>

#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "TextUtil.h"
#include "Transler.h"

namespace tatengine {
namespace {

// Russian cases as the pronoun table below orders them.
enum TPronCase { pcNone = -1, pcGen = 0, pcDat, pcAcc, pcIns, pcPrep };

// A preposition with the case it governs.
struct TGoverned {
  std::u16string_view Preposition;
  TPronCase Case = pcNone;
};

// A postposition stem that takes a possessive ending, with its Russian for
// the locative, dative and ablative forms.
struct TPossessedPost {
  std::u16string_view Stem;
  bool Back;         // back-vowel harmony
  bool VowelFinal;   // "каршы": the possessive is -м, -ң, -быз, -гыз
  bool NeedsOwner;   // only with the genitive pronoun before it (эчемдә)
  TGoverned Locative, Dative, Ablative;
};

constexpr TPossessedPost PossessedPosts[] = {
    {u"ян", true, false, false, {u"рядом с", pcIns}, {u"к", pcDat}, {u"от", pcGen}},
    {u"алд", true, false, false, {u"перед", pcIns}, {u"перед", pcIns}, {}},
    {u"арт", true, false, false, {u"за", pcIns}, {u"за", pcAcc}, {u"за", pcIns}},
    {u"аст", true, false, false, {u"под", pcIns}, {u"под", pcAcc}, {}},
    {u"каршы", true, true, false, {u"перед", pcIns}, {u"к", pcDat}, {}},
    {u"тур", true, false, false, {u"о", pcPrep}, {}, {}},
    {u"өст", false, false, false, {u"на", pcPrep}, {u"на", pcAcc}, {}},
    {u"эч", false, false, true, {u"в", pcPrep}, {u"в", pcAcc}, {u"из", pcGen}},
};

// Persons 1, 2, 4, 5 (1sg, 2sg, 1pl, 2pl) by index 0-3.
constexpr int Persons[4] = {1, 2, 4, 5};
constexpr std::u16string_view Owners[4] = {u"минем", u"синең", u"безнең", u"сезнең"};
constexpr std::u16string_view PronounForms[4][5] = {{u"меня", u"мне", u"меня", u"мной", u"мне"},
                                                   {u"тебя", u"тебе", u"тебя", u"тобой", u"тебе"},
                                                   {u"нас", u"нам", u"нас", u"нами", u"нас"},
                                                   {u"вас", u"вам", u"вас", u"вами", u"вас"}};

// The possessive ending of person index p after the stem.
std::u16string PossessiveEnding(const TPossessedPost& post, int p) {
  static constexpr std::u16string_view back[4] = {u"ым", u"ың", u"ыбыз", u"ыгыз"};
  static constexpr std::u16string_view front[4] = {u"ем", u"ең", u"ебез", u"егез"};
  std::u16string_view ending = post.Back ? back[p] : front[p];
  if (post.VowelFinal) ending.remove_prefix(1);
  return std::u16string(ending);
}

// The case ending after a possessive ending: -да, -а/-га, -нан/-дан.
std::u16string CaseEnding(const TPossessedPost& post, int p, int which) {
  const bool plural = p >= 2;  // -быз / -гыз end in a consonant other than м, ң
  switch (which) {
    case 0: return post.Back ? u"да" : u"дә";
    case 1: return plural ? (post.Back ? u"га" : u"гә") : (post.Back ? u"а" : u"ә");
    default: return plural ? (post.Back ? u"дан" : u"дән") : (post.Back ? u"нан" : u"нән");
  }
}

// "с мной" -> "со мной", "к мне" -> "ко мне", "о мне" -> "обо мне".
std::u16string JoinPreposition(std::u16string_view preposition, std::u16string_view pronoun) {
  std::u16string p(preposition);
  const bool me = pronoun == u"мной" || pronoun == u"мне";
  if (me && (p.ends_with(u" с") || p == u"с" || p == u"к" || p == u"в" || p == u"перед" || p == u"под"))
    p += u'о';
  else if (me && p == u"о")
    p = u"обо";
  return p + u' ' + std::u16string(pronoun);
}

bool IsOrganisation(std::u16string_view lemma) {
  static constexpr std::u16string_view words[] = {u"университет", u"институт",   u"министерство", u"академия",
                                                  u"правительство", u"комитет", u"управление",   u"президент"};
  return std::find(std::begin(words), std::end(words), lemma) != std::end(words);
}

// Postpositions that take a pronoun in the ablative, with the Russian
// preposition; the pronoun goes to the genitive (синнән тыш: кроме тебя).
constexpr std::pair<std::u16string_view, std::u16string_view> kAblativePostpositions[] = {
    {u"тыш", u"кроме"}, {u"башка", u"кроме"}, {u"соң", u"после"}, {u"элек", u"до"}};

}  // namespace

void TSP_tat::AblativePronounPostpositions() {
  for (int k = FirstWord; k < LastWord; ++k) {
    // Personal pronouns in the ablative are whole words read as "от" + the
    // genitive (синнән: от тебя).
    if (Kits[k].Kind != kkTranslated || Kits[k + 1].Kind == kkSeparator) continue;
    const std::u16string own = Rus(k).RusText;
    if (!own.starts_with(u"от ") || own.find(u' ', 3) != std::u16string::npos) continue;
    const std::u16string_view pronoun = std::u16string_view(own).substr(3);
    static constexpr std::u16string_view personal[] = {u"меня", u"тебя", u"него", u"неё", u"нас", u"вас", u"них"};
    if (std::find(std::begin(personal), std::end(personal), pronoun) == std::end(personal)) continue;
    const std::u16string next = Lowered(Source(k + 1));
    for (auto [tat, prep] : kAblativePostpositions) {
      if (next != tat) continue;
      const uint8_t capital = Kits[k].Capital;
      const std::u16string source = Source(k);
      Kits[k] = FixedKit(std::u16string(prep) + u" " + std::u16string(pronoun));
      Kits[k].Capital = capital;
      Tat(k).Source = source;
      Kits.erase(Kits.begin() + k + 1);
      --LastWord;
      break;
    }
  }
}

void TSP_tat::PossessedPostpositions() {
  for (int k = FirstWord; k <= LastWord; ++k) {
    if (Kits[k].Kind == kkSeparator) continue;
    const std::u16string word = Source(k);
    for (const TPossessedPost& post : PossessedPosts) {
      if (!word.starts_with(post.Stem)) continue;
      bool done = false;
      for (int p = 0; p < 4 && !done; ++p) {
        for (int which = 0; which < 3 && !done; ++which) {
          const TGoverned& sense = which == 0 ? post.Locative : which == 1 ? post.Dative : post.Ablative;
          if (sense.Case == pcNone) continue;
          if (word != std::u16string(post.Stem) + PossessiveEnding(post, p) + CaseEnding(post, p, which)) continue;
          const bool owner = k > FirstWord && Source(k - 1) == Owners[p];
          if (post.NeedsOwner && !owner) continue;
          const uint8_t capital = owner ? Kits[k - 1].Capital : Kits[k].Capital;
          Kits[k] = FixedKit(JoinPreposition(sense.Preposition, PronounForms[p][sense.Case]), wcUnchanged03);
          Tat(k).Source = word;
          Rus(k).Possessor = static_cast<uint8_t>(Persons[p]);
          Kits[k].Capital = capital;
          if (owner) {
            Kits.erase(Kits.begin() + k - 1);
            --LastWord;
            --k;
          }
          done = true;
        }
      }
      if (done) break;
    }
  }
}

void TSP_tat::UntilNouns() {
  // "-гача" after the dative is "up to": мәктәпкәчә (до школы), кичкәчә
  // (до вечера). The word is looked up without "-ча" and must be a noun.
  static constexpr std::u16string_view endings[] = {u"гача", u"гәчә", u"кача", u"кәчә", u"качы", u"гачы"};
  for (int k = FirstWord; k <= LastWord; ++k) {
    if (Kits[k].Kind != kkUnknown) continue;
    const std::u16string low = Lowered(Kits[k].Text);
    bool until = false;
    for (std::u16string_view e : endings) until = until || (low.size() > e.size() + 1 && low.ends_with(e));
    if (!until) continue;
    const std::u16string stem = Kits[k].Text.substr(0, Kits[k].Text.size() - 2);
    TTransKit found;
    bool usedNext = false;
    if (!Translator->LookupWord(stem, {}, found, usedNext)) continue;
    std::erase_if(found.Readings,
                  [](const TTransUnit& r) { return r.Rus.WordClass != wcNoun || !IsDativeEnding(r.Tat.EndingCode); });
    if (found.Readings.empty()) continue;
    // An unknown word carries no capital of its own: a sentence that starts
    // with it starts with a capital all the same.
    if (k == FirstWord && IsUpperChar(Kits[k].Text[0])) StartCapital = true;
    const uint8_t capital = k == FirstWord ? 0 : Kits[k].Capital;
    Kits[k].Readings = std::move(found.Readings);
    TTransler::MarkTranslated(capital != 0, Kits[k], -1);
    for (TTransUnit& reading : Kits[k].Readings) {
      reading.Tat.Source = low;
      reading.Rus.Prefix.clear();
      reading.Rus.Case = 3;
      reading.Rus.Agreed = 1;
    }
    Kits.insert(Kits.begin() + k + 1, FixedKit(u"до", wcPostposition));
    Rus(k + 1).Case = 3;
    ++LastWord;
    ++k;
  }
}

void TSP_tat::FacingSenses() {
  // "каршында" is "перед" (мәктәп каршында: перед школой), but "при" for a
  // body something is attached to (университет каршында: при университете).
  for (int p = FirstWord + 1; p <= LastWord; ++p) {
    if (Source(p) != u"каршында" || Class(p) != wcPostposition || Class(p - 1) != wcNoun) continue;
    if (IsOrganisation(LemmaOf(p - 1))) {
      Rus(p).RusText = u"при";
      Rus(p).Case = 11;
    } else {
      Rus(p).RusText = u"перед";
      Rus(p).Case = 9;
    }
  }
}

void TSP_tat::PronounsAfterPrepositions() {
  // "у его" -> "у него": a 3rd-person pronoun governed by a preposition takes
  // н-; "его" before its noun (у его дома) is the possessive and keeps its form.
  static constexpr std::u16string_view forms[] = {u"его", u"ему", u"им", u"ей", u"её", u"их", u"ими", u"ём"};
  for (int p = FirstWord; p < LastWord; ++p) {
    if (Kits[p].Kind != kkTranslated || Class(p) != wcPostposition) continue;
    const int n = p + 1;
    if (Kits[n].Kind != kkTranslated) continue;
    const std::u16string low = Lowered(Kits[n].Text);
    if (std::find(std::begin(forms), std::end(forms), low) == std::end(forms)) continue;
    if (n < LastWord && Kits[n + 1].Kind == kkTranslated && (Class(n + 1) & (wcNoun | wcAdjective | wcNumeral)))
      continue;
    const bool capital = IsUpperChar(Kits[n].Text[0]);
    Kits[n].Text = (capital ? u"Н" : u"н") + low;
    for (TTransUnit& reading : Kits[n].Readings) reading.Rus.RusText = u"н" + low;
  }
}

}  // namespace tatengine
