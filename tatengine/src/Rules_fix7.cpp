// Clause openings, predicates of time nouns, set verb phrases and the
// present participle:
// - "ул" after times and adverbs that open the clause is read as if it
//   opened the sentence (OpensClauseAfterTimes, used by the glue rules);
// - a day, an evening or the weather with an adjective predicate and "иде"
//   after a time word is "был" + adjective + noun (Кичә көн салкын иде:
//   Вчера был холодный день);
// - "кияүгә чык" is "выйти замуж" in every tense;
// - a noun + "кирәк булса" is "если нужен" + the noun (Ярдәм кирәк булса:
//   Если нужна помощь);
// - an adjective in -сыз that is a word of its own (хәлсез: слабый) beats
//   the noun + "без" reading;
// - the -учы participle before a noun is the present participle (йөгерүче
//   малай: бегущий мальчик), made from the 3rd person plural present.
#include <array>

#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "TextUtil.h"
#include "Transler.h"

namespace tatengine {
namespace {

// Russian lemmas of nouns that a past or future copula with an adjective
// presents rather than describes: Был холодный день, Будет тёплый вечер.
constexpr std::array<std::u16string_view, 10> kTimeNouns = {
    u"день", u"вечер", u"ночь", u"утро", u"погода", u"зима", u"лето", u"весна", u"осень", u"год"};

bool IsTimeNounLemma(std::u16string_view lemma) {
  for (std::u16string_view w : kTimeNouns)
    if (lemma == w) return true;
  return false;
}

bool IsCopulaText(std::u16string_view low) {
  return low == u"был" || low == u"была" || low == u"было" || low == u"были" || low == u"будет" ||
         low == u"будут";
}

// Endings of a participle in -щий by case (nominative, genitive, dative,
// accusative, instrumental, prepositional) and gender 1-3, then plural; the
// accusative of a masculine or plural animate is the genitive.
constexpr std::array<std::array<std::u16string_view, 4>, 6> kParticipleEndings = {{
    {u"ий", u"ая", u"ее", u"ие"},
    {u"его", u"ей", u"его", u"их"},
    {u"ему", u"ей", u"ему", u"им"},
    {u"ий", u"ую", u"ее", u"ие"},
    {u"им", u"ей", u"им", u"ими"},
    {u"ем", u"ей", u"ем", u"их"},
}};

std::u16string_view ParticipleEnding(int caseNo, int gender, bool plural, bool animate) {
  const int c = caseNo >= 1 && caseNo <= 6 ? caseNo - 1 : 0;
  const int g = plural ? 3 : (gender >= 1 && gender <= 3 ? gender - 1 : 0);
  if (c == 3 && animate && (g == 0 || g == 3)) return kParticipleEndings[1][g];
  return kParticipleEndings[c][g];
}

}  // namespace

bool TSP_tat::OpensClauseAfterTimes(int slot) {
  if (slot == FirstWord) return true;
  const int from = ClauseStart(slot);
  if (from >= slot) return true;
  for (int k = from; k < slot; ++k) {
    if (Kits[k].Kind != kkTranslated) return false;
    // An adjective of the time noun after it (яшь чакта, узган елны).
    if (k + 1 < slot && HasReading(k, wcAdjective)) continue;
    if (HasReading(k, wcVerb | wcParticiple) || MayBeSubject(k)) return false;
    // Only adverbs, set phrases and nouns in an oblique case (в молодости,
    // летом) open a clause before its subject.
    for (const TTransUnit& reading : Kits[k].Readings) {
      const int c = reading.Rus.WordClass;
      if (c & (wcAdverb | wcNoun | wcSubNoun | wcDirect)) continue;
      return false;
    }
  }
  return true;
}

void TSP_tat::TimeNounPredicates() {
  // [time] noun был adjective -> [time] был adjective noun.
  for (int n = FirstWord + 1; n + 2 <= LastWord; ++n) {
    if (Kits[n].Kind != kkTranslated || Class(n) != wcNoun || Rus(n).Case != 1 || !Rus(n).Prefix.empty())
      continue;
    if (!IsTimeNounLemma(LemmaOf(n))) continue;
    if (Kits[n + 1].Kind != kkTranslated || !IsCopulaText(RusWord(n + 1))) continue;
    if (Kits[n + 2].Kind != kkTranslated || Class(n + 2) != wcAdjective) continue;
    if (n + 2 < LastWord && Kits[n + 3].Kind != kkSeparator) continue;
    // A time word opens the clause (Кичә, Иртәгә); alone the noun stays the
    // subject (День был тёплый).
    const int from = ClauseStart(n);
    if (from >= n) continue;
    bool times = true;
    for (int k = from; k < n; ++k) times = times && SingleReading(k, wcAdverb);
    if (!times) continue;
    TFormRus& adjective = Rus(n + 2);
    adjective.Case = 1;
    adjective.Gender = Rus(n).Gender;
    adjective.Number = Rus(n).Number;
    adjective.Agreed = 1;
    Move(n, n + 2);
  }
}

void TSP_tat::MarriageVerbs() {
  // кияүгә чык: the dative "to a groom" is "замуж" after the verb.
  for (int k = FirstWord; k <= LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || Source(k) != u"кияүгә") continue;
    const int end = ClauseEnd(k);
    for (int v = ClauseStart(k); v <= end; ++v) {
      if (v == k || Kits[v].Kind != kkTranslated || Class(v) != wcVerb || Tat(v).WordClass != wcVerb) continue;
      if (CellAt(Translator->Dictionary().Verb.Stems, Tat(v).StemRow, 4) != u"чык") continue;
      for (TTransUnit& reading : Kits[v].Readings) reading.Rus.Suffix += u" замуж";
      // Its preposition, split off into a slot of its own, goes with it.
      const bool preposition = k - 1 >= FirstWord && Kits[k - 1].Kind == kkTranslated &&
                               Class(k - 1) == wcPostposition && Tat(k - 1).Source.empty();
      const int first = preposition ? k - 1 : k;
      Kits.erase(Kits.begin() + first, Kits.begin() + k + 1);
      LastWord -= k + 1 - first;
      k = first - 1;
      break;
    }
  }
}

void TSP_tat::NeededThings() {
  // noun + "кирәк булса": если нужен/нужна/нужно/нужны + the noun.
  for (int k = FirstWord + 1; k <= LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || Source(k) != u"кирәк булса") continue;
    const int n = k - 1;
    if (Kits[n].Kind != kkTranslated || Class(n) != wcNoun || Rus(n).Case > 2 || !Rus(n).Prefix.empty())
      continue;
    const TFormRus& noun = Rus(n);
    std::u16string_view needed = u"нужен";
    if (noun.Number == 2 || noun.Case == 2 || noun.Gender == 4) needed = u"нужны";
    else if (noun.Gender == 2) needed = u"нужна";
    else if (noun.Gender == 3) needed = u"нужно";
    const int start = NounPhraseStart(n);
    // "если" opens the clause, before a dative of the one in need (Если
    // мне нужна помощь).
    const int from = ClauseStart(start);
    Kits.erase(Kits.begin() + k);
    Kits.insert(Kits.begin() + start, FixedKit(needed));
    Kits.insert(Kits.begin() + from, FixedKit(u"если"));
    ++LastWord;
    k += 1;
  }
}

void TSP_tat::OwnLackAdjectives() {
  // хәлсез is "слабый", not "без положения": the lexicon's own adjective in
  // -сыз wins over the noun with the ending of lacking.
  for (int k = FirstWord; k <= LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated) continue;
    int adjective = -1, noun = -1;
    for (int r = 0; r < static_cast<int>(Kits[k].Readings.size()); ++r) {
      const TTransUnit& reading = Kits[k].Readings[r];
      if (reading.Rus.WordClass == wcAdjective && reading.Tat.EndingCode <= 1) adjective = r;
      if (reading.Rus.WordClass == wcNoun && reading.Rus.Prefix == u"без ") noun = r;
    }
    if (adjective < 0 || noun < 0) continue;
    const std::u16string low = Source(k);
    if (!low.ends_with(u"сыз") && !low.ends_with(u"сез")) continue;
    Keep(k, adjective);
  }
}

void TSP_tat::PresentParticiples() {
  // Runs on the generated text: the -учы participle before its noun.
  const TVerb& verbs = Translator->Dictionary().Verb;
  for (int k = FirstWord; k < LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || Class(k) != wcVerb || Tat(k).WordClass != wcVerb) continue;
    const int code = Tat(k).EndingCode;
    if ((code != 81 && code != 82) || Rus(k).Case != 15) continue;
    const int next = k + 1;
    if (Kits[next].Kind != kkTranslated || !(Class(next) & (wcNoun | wcAdjective))) continue;
    TFormRus form = Rus(k);
    if (verbs.IsPerfective(form.StemRow)) continue;
    form.Prefix.clear();
    form.Suffix.clear();
    // бегут -> бегущий, читают -> читающий, занимаются -> занимающийся.
    form.Case = 9;
    std::u16string plural = verbs.Generate(form);
    const bool reflexive = plural.ends_with(u"ся");
    if (reflexive) plural.resize(plural.size() - 2);
    if (plural.size() < 3 || plural.back() != u'т') continue;
    plural.back() = u'щ';
    // The participle agrees with its noun (бегущие девочки, бегущему мальчику).
    int head = next;
    while (head < LastWord && Class(head) == wcAdjective && Kits[head + 1].Kind == kkTranslated) ++head;
    const TFormRus& noun = Rus(Class(head) == wcNoun ? head : next);
    const bool many = noun.Number == 2 || noun.Gender == 4 || (noun.Case >= 1 && noun.Case % 2 == 0);
    const std::u16string_view ending =
        ParticipleEnding(noun.Case >= 1 ? (noun.Case + 1) / 2 : 1, noun.Gender, many, noun.Variant == 1);
    std::u16string text = Rus(k).Prefix + plural + std::u16string(ending);
    if (reflexive) text += u"ся";
    if (Kits[k].Capital) UpperFirst(text);
    Kits[k].Text = text;
    for (TTransUnit& reading : Kits[k].Readings) reading.Rus.RusText = text;
  }
}


bool TSP_tat::PresentedThing(int noun) {
  // A thing (not a person) with an adjective of its own, and before it
  // nothing but times and adverbs: Матур көн иде, Кичә кызык кино иде.
  if (Rus(noun).Variant == 1) return false;
  int start = noun;
  while (start - 1 >= FirstWord && Kits[start - 1].Kind == kkTranslated && Class(start - 1) == wcAdjective &&
         Tat(start - 1).WordClass != wcGlue)
    --start;
  if (start == noun) return false;
  for (int k = ClauseStart(start); k < start; ++k)
    if (!SingleReading(k, wcAdverb)) return false;
  return true;
}

}  // namespace tatengine
