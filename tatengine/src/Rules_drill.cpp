// Sentence rules for counts, clock time, spans of time and the words that
// qualify a noun phrase: "сәгать алтыда" (в шесть часов), "биш көннән соң"
// (через пять дней), "ике ел элек" (два года назад), "ярты сәгать"
// (полчаса), "үз" (свой), "иң" (самый), and the noun reading of a word
// after a count (бер алма: одно яблоко, not an order).
#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "RusForms.h"
#include "TextUtil.h"
#include "Transler.h"

namespace tatengine {
namespace {

// Case-and-number code x (1-12) to case 1-6 (nominative, genitive, dative,
// accusative, instrumental, prepositional).
int CaseOf(int x) { return (x + 1) / 2; }

// Endings of an adjective-like word by case 1-6 and gender 1-3, 4 plural;
// the accusative of a masculine or plural animate noun is the genitive.
struct TAdjEndings {
  std::u16string_view Stem;
  std::u16string_view Forms[6][4];
};

constexpr TAdjEndings Samyj = {u"сам",
                               {{u"ый", u"ая", u"ое", u"ые"},
                                {u"ого", u"ой", u"ого", u"ых"},
                                {u"ому", u"ой", u"ому", u"ым"},
                                {u"ый", u"ую", u"ое", u"ые"},
                                {u"ым", u"ой", u"ым", u"ыми"},
                                {u"ом", u"ой", u"ом", u"ых"}}};
constexpr TAdjEndings Luchshij = {u"лучш",
                                  {{u"ий", u"ая", u"ее", u"ие"},
                                   {u"его", u"ей", u"его", u"их"},
                                   {u"ему", u"ей", u"ему", u"им"},
                                   {u"ий", u"ую", u"ее", u"ие"},
                                   {u"им", u"ей", u"им", u"ими"},
                                   {u"ем", u"ей", u"ем", u"их"}}};
constexpr TAdjEndings Svoj = {u"сво",
                              {{u"й", u"я", u"ё", u"и"},
                               {u"его", u"ей", u"его", u"их"},
                               {u"ему", u"ей", u"ему", u"им"},
                               {u"й", u"ю", u"ё", u"и"},
                               {u"им", u"ей", u"им", u"ими"},
                               {u"ём", u"ей", u"ём", u"их"}}};

std::u16string AdjForm(const TAdjEndings& word, int x, int gender, bool animate) {
  x = x < 1 ? 1 : x > 12 ? 12 : x;
  int caseNo = CaseOf(x);
  int column = x % 2 == 0 || gender < 1 || gender > 3 ? 3 : gender - 1;
  if (caseNo == 4 && animate && (column == 0 || column == 3)) caseNo = 2;
  return std::u16string(word.Stem) + std::u16string(word.Forms[caseNo - 1][column]);
}

// The stem of the one-word superlative of a Tatar adjective after "иң"
// (лучший, худший, старший, младший; ближайший of places and things, while
// a close friend is "самый близкий"); empty where Russian says "самый".
std::u16string_view SuperlativeStem(std::u16string_view adjective, bool personHead) {
  if (adjective == u"яхшы") return u"лучш";
  if (adjective == u"начар") return u"худш";
  if (adjective == u"олы" || adjective == u"өлкән") return u"старш";
  if (adjective == u"кече") return u"младш";
  if (adjective == u"якын" && !personHead) return u"ближайш";
  return {};
}

// "час", "часа", "часов" after a Russian cardinal in the nominative.
std::u16string_view HoursAfter(std::u16string_view numeral) {
  if (numeral == u"один" || numeral.ends_with(u" один")) return u"час";
  return IsPaucal(numeral) ? u"часа" : u"часов";
}

bool IsLocative(std::u16string_view low) {
  return low.ends_with(u"да") || low.ends_with(u"дә") || low.ends_with(u"та") || low.ends_with(u"тә");
}

}  // namespace

std::u16string TSP_tat::Source(int slot) {
  if (slot < 0 || slot >= SlotCount() || Kits[slot].Kind == kkSeparator) return {};
  return Lowered(Kits[slot].Kind == kkUnknown ? std::u16string_view(Kits[slot].Text)
                                              : std::u16string_view(Tat(slot).Source));
}

bool TSP_tat::IsDeterminerOf(int slot) {
  // "ул" read as the pronoun and a word that does not agree are no determiners.
  if (Class(slot) != wcUnchanged07 || Kits[slot].Kind != kkTranslated || Tat(slot).WordClass == wcGlue ||
      Rus(slot).Case == 14)
    return false;
  int n = slot + 1;
  while (n < LastWord && (Class(n) & (wcAdjective | wcNumeral))) ++n;
  if (n > LastWord || Class(n) != wcNoun) return false;
  // A genitive pronoun goes with a possessed noun only (минем дустым белән);
  // before any other noun it is what the postposition governs (аның белән).
  static constexpr std::u16string_view genitives[] = {u"минем", u"синең",  u"аның",
                                                      u"безнең", u"сезнең", u"аларның"};
  const std::u16string word = Source(slot);
  if (word == u"ул") return false;  // mostly the pronoun "он" at this place
  for (std::u16string_view g : genitives)
    if (word == g)
      // Colloquially безнең, сезнең go with a bare noun too (безнең мәктәп
      // янында: около нашей школы).
      return PossessorOf(Tat(n).EndingCode) != 0 || word == u"безнең" || word == u"сезнең";
  return true;
}

bool TSP_tat::IsCountWord(int slot) {
  if (slot < FirstWord || slot > LastWord) return false;
  return SingleReading(slot, wcNumeral) || Source(slot) == u"бер";
}

std::u16string TSP_tat::LemmaOf(int slot) {
  if (Kits[slot].Readings.empty()) return {};
  TTransUnit reading = Kits[slot].Readings[0];
  reading.Rus.Case = 1;
  reading.Rus.Number = 1;
  reading.Rus.Prefix.clear();
  Translator->Dictionary().Generate(reading);
  return reading.Rus.RusText;
}

bool TSP_tat::IsTimeUnit(int slot) {
  if (Class(slot) != wcNoun) return false;
  static constexpr std::u16string_view units[] = {u"день",  u"неделя", u"год",    u"месяц",
                                                  u"час",   u"минута", u"секунда", u"сутки",
                                                  u"век",   u"лет"};
  const std::u16string lemma = LemmaOf(slot);
  for (std::u16string_view u : units)
    if (lemma == u) return true;
  return false;
}

void TSP_tat::ResolveCountHomographs() {
  for (int i = FirstWord; i <= LastWord; ++i) {
    int index;
    // A word that is a count and a noun (йөз: сто / лицо) counts what follows.
    if (i < LastWord && HasReading(i, wcNumeral, index) && HasReading(i, ~wcNumeral) &&
        (HasReading(i + 1, wcNoun) || SingleReading(i + 1, wcNumeral))) {
      Keep(i, index);
      continue;
    }
    // After a count the word is what is counted (бер алма: an apple).
    if (i > FirstWord && HasReading(i, wcNoun, index) && HasReading(i, ~wcNoun) && IsCountWord(i - 1))
      Keep(i, index);
  }
}

void TSP_tat::ClockTimes() {
  // "сәгать алты" is six o'clock; "сәгать алтыда" at six: в шесть часов.
  for (int k = FirstWord; k < LastWord; ++k) {
    if (Class(k) != wcNoun || Source(k) != u"сәгать") continue;
    const int n = k + 1;
    if (Source(n) == u"ничәдә") {
      // "Сәгать ничәдә?": Во сколько?
      const uint8_t capital = Kits[k].Capital;
      Kits[n] = FixedKit(u"во сколько", wcUnchanged03);
      Kits[n].Readings[0].Tat.Source = u"ничәдә";
      Kits.erase(Kits.begin() + k);
      --LastWord;
      Kits[k].Capital = capital;
      continue;
    }
    const bool one = Source(n) == u"бер" || Source(n) == u"бердә";
    if (!one && !SingleReading(n, wcNumeral)) continue;
    const std::u16string low = Source(n);
    const bool located = IsLocative(low);
    // "сәгать бишкә кадәр": до пяти часов.
    const std::u16string after = Source(n + 1);
    const bool until = n < LastWord && (after == u"кадәр" || after == u"хәтле" || after == u"тикле" ||
                                        after == u"тиклем");
    const std::u16string numeral = one ? u"" : Rus(n).RusText;
    if (!one && numeral.empty()) continue;
    const uint8_t capital = Kits[k].Capital;
    TTransKit hours = FixedKit(until ? (one ? u"часа" : u"часов") : one ? u"час" : HoursAfter(numeral),
                              wcUnchanged03);
    if (until) {
      Kits.erase(Kits.begin() + n + 1);
      --LastWord;
    }
    hours.Readings[0].Tat.Source = u"сәгать";
    if (one) {
      Kits[n] = std::move(hours);
    } else {
      Kits[n] = FixedKit(until ? NumeralForm(numeral, 2, 1, false) : numeral, wcUnchanged03);
      Kits[n].Readings[0].Tat.Source = low;
      Kits.insert(Kits.begin() + n + 1, std::move(hours));
      ++LastWord;
    }
    if (located || until) {
      // A plain word: the clock time is no noun phrase a preposition moves with.
      Kits[k] = FixedKit(until ? u"до" : u"в", wcUnchanged03);
    } else {
      Kits.erase(Kits.begin() + k);
      --LastWord;
    }
    Kits[k].Capital = capital;
  }
}

void TSP_tat::CountedTimes() {
  // "өч тапкыр": три раза, "биш тапкыр": пять раз.
  for (int k = FirstWord + 1; k <= LastWord; ++k) {
    if (Source(k) != u"тапкыр" || !SingleReading(k - 1, wcNumeral)) continue;
    const std::u16string numeral = Rus(k - 1).RusText;
    const bool one = numeral == u"один" || numeral.ends_with(u" один");
    Kits[k] = FixedKit(!one && IsPaucal(numeral) ? u"раза" : u"раз", wcUnchanged03);
    Tat(k).Source = u"тапкыр";
  }
}

void TSP_tat::TimeSpans() {
  // [count] [time noun] соң / элек: через пять дней, два года назад.
  for (int p = FirstWord + 2; p <= LastWord; ++p) {
    const std::u16string word = Source(p);
    if (word != u"соң" && word != u"элек") continue;
    const int n = p - 1;
    if (!IsTimeUnit(n) || !IsCountWord(n - 1)) continue;
    if (word == u"соң") {
      if (!IsAblativeEnding(Tat(n).EndingCode)) continue;
      // The noun's ablative "от" goes with the replaced postposition.
      Kits[p] = FixedKit(u"через", wcPostposition);
      Rus(p).Case = 7;
      Rus(n).Prefix.clear();
      Rus(n).Case = 7;
      Rus(n).Agreed = 1;
    } else {
      Kits[p] = FixedKit(u"назад", wcUnchanged03);
      Rus(n).Prefix.clear();
      Rus(n).Case = 1;
      Rus(n).Agreed = 1;
    }
    Tat(p).Source = word;
    // One unit goes without "один": через час, год назад.
    if (Source(n - 1) == u"бер" && !IsCountWord(n - 2)) {
      Kits[n].Capital = Kits[n - 1].Capital;
      Kits.erase(Kits.begin() + n - 1);
      --LastWord;
      --p;
    }
  }
}

void TSP_tat::HalfNouns() {
  // "ярты" before a unit is one word: полчаса, полгода, полдня.
  for (int k = FirstWord; k < LastWord; ++k) {
    if (Source(k) != u"ярты" || Class(k + 1) != wcNoun || Kits[k + 1].Kind != kkTranslated) continue;
    // "ярты сәгатьтә" is "за полчаса", "ярты сәгатьтән соң" "через полчаса".
    const int code = Tat(k + 1).EndingCode;
    const bool soon = IsAblativeEnding(code) && k + 2 <= LastWord && Source(k + 2) == u"соң";
    const bool within = IsLocative(Source(k + 1));
    if (code != 1 && code != 87 && !soon && !within) continue;
    TTransUnit reading = Kits[k + 1].Readings[0];
    reading.Rus.Case = 3;
    reading.Rus.Number = 1;
    reading.Rus.Prefix.clear();
    Translator->Dictionary().Generate(reading);
    if (reading.Rus.RusText.empty() || reading.Rus.RusText.find(u' ') != std::u16string::npos) continue;
    const uint8_t capital = Kits[k].Capital;
    if (soon) {
      Kits.erase(Kits.begin() + k + 2);
      --LastWord;
    }
    const std::u16string_view before = soon ? u"через " : within ? u"за " : u"";
    Kits[k + 1] = FixedKit(std::u16string(before) + u"пол" + reading.Rus.RusText, wcUnchanged03);
    Kits[k + 1].Readings[0].Tat.Source = u"ярты";
    Kits.erase(Kits.begin() + k);
    --LastWord;
    Kits[k].Capital = capital;
  }
}

void TSP_tat::MarkQualifiers() {
  // "үз" before a possessed noun and "иң" before an adjective qualify the
  // phrase: they become determiners so that prepositions go before them and
  // they agree; their forms are chosen in NameQualifiers.
  for (int k = FirstWord; k < LastWord; ++k) {
    const std::u16string word = Source(k);
    int n = k + 1;
    if (word == u"үз") {
      while (n < LastWord && SingleReading(n, wcAdjective)) ++n;
      if (!HasReading(n, wcNoun) || Class(n) != wcNoun || PossessorOf(Tat(n).EndingCode) == 0) continue;
    } else if (word == u"иң") {
      if (!HasReading(n, wcAdjective)) continue;
      int index;
      HasReading(n, wcAdjective, index);
      Keep(n, index);
    } else {
      continue;
    }
    const uint8_t capital = Kits[k].Capital;
    // "иң" before a noun phrase is a determiner; as a predicate (Бу өй иң
    // зур) it stands like a degree adverb.
    const bool phrase = word == u"үз" || HasReading(k + 2, wcNoun);
    Kits[k] = FixedKit(word == u"үз" ? u"свой" : u"самый", phrase ? wcUnchanged07 : wcAdverb);
    Kits[k].Readings[0].Tat.Source = word;
    Kits[k].Capital = capital;
  }
}

void TSP_tat::NameQualifiers() {
  for (int k = FirstWord; k < LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || !(Class(k) & (wcUnchanged07 | wcAdverb))) continue;
    const std::u16string word = Source(k);
    if (word == u"үз") {
      int n = k + 1;
      while (n < LastWord && Class(n) == wcAdjective) ++n;
      if (Class(n) != wcNoun) continue;
      TFormRus& noun = Rus(n);
      Rus(k).RusText = AdjForm(Svoj, CaseMap(noun.Case, noun.Number), noun.Gender, noun.Variant == 1);
      noun.Possessor = 0;
    } else if (word == u"иң" && Class(k + 1) == wcAdjective) {
      const TFormRus adj = Rus(k + 1);
      const int x = adj.Case == 14 || adj.Case == 0 ? 1 : CaseMap(adj.Case, adj.Number);
      const int gender = adj.Number == 2 ? 4 : adj.Gender;
      const bool attributive = k + 2 <= LastWord && Class(k + 2) == wcNoun;
      const bool person = attributive && Rus(k + 2).Variant == 1;
      const std::u16string_view stem = SuperlativeStem(Source(k + 1), person);
      // "иң өлкән абыем": the noun already says "старший брат".
      if (!stem.empty() && stem != u"лучш" && stem != u"ближайш" && attributive &&
          LemmaOf(k + 2).starts_with(stem)) {
        Rus(k + 2).Prefix = Rus(k + 1).Prefix + Rus(k).Prefix + Rus(k + 2).Prefix;
        Kits[k + 2].Capital = Kits[k].Capital;
        Kits.erase(Kits.begin() + k, Kits.begin() + k + 2);
        LastWord -= 2;
        continue;
      }
      if (!stem.empty()) {
        // "иң яхшы" is "лучший"; before a noun everyday Russian says "самый
        // лучший" (самый лучший ученик), elsewhere the one word. The other
        // one-word superlatives (худший, старший, ближайший) stand alone.
        TAdjEndings word = Luchshij;
        word.Stem = stem;
        const std::u16string source = Source(k + 1);
        const std::u16string prefix = Rus(k + 1).Prefix;
        Kits[k + 1] = FixedKit(AdjForm(word, x, gender, adj.Variant == 1), wcUnchanged03);
        Kits[k + 1].Readings[0].Tat.Source = source;
        Rus(k + 1).Prefix = prefix;
        if (!attributive || source != u"яхшы") {
          Kits[k + 1].Capital = Kits[k].Capital;
          Kits.erase(Kits.begin() + k);
          --LastWord;
          continue;
        }
      }
      Rus(k).RusText = AdjForm(Samyj, x, gender, adj.Variant == 1);
    } else {
      continue;
    }
    Rus(k).WordClass = wcUnchanged03;
  }
}

int TSP_tat::SpeakerPerson(int verb) {
  if (Class(verb) != wcVerb) return 0;
  const int code = Tat(verb).EndingCode;
  if (code >= 15 && code <= 74) {
    static constexpr int persons[6] = {1, 2, 0, 4, 5, 0};
    return persons[(code - 15) % 6];
  }
  // "иде" puts the person in front of the verb: я читал, мы читали.
  static constexpr std::pair<std::u16string_view, int> prefixes[] = {
      {u"я ", 1}, {u"ты ", 2}, {u"мы ", 4}, {u"вы ", 5}};
  for (auto [prefix, person] : prefixes)
    if (Rus(verb).Prefix.starts_with(prefix)) return person;
  return 0;
}

void TSP_tat::DropEchoedPronouns() {
  // "укый идем" carries its person as "я читал"; with the pronoun already
  // standing as the subject (Мин китап укый идем) it is said once.
  static constexpr std::u16string_view pronouns[] = {u"я ", u"ты ", u"мы ", u"вы ", u"они "};
  int from = FirstWord;
  for (int v = FirstWord; v <= LastWord; ++v) {
    if (Kits[v].Kind == kkSeparator) {
      from = v + 1;
      continue;
    }
    if (Class(v) != wcVerb) continue;
    static constexpr std::u16string_view persons[] = {u"мин", u"син", u"без", u"сез", u"алар"};
    // A plural noun subject (Балалар уйный иделәр) says who as well, so
    // the verb's "они" goes.
    bool subject = false;
    bool pluralNoun = false;
    for (int k = from; k < v; ++k) {
      if (Kits[k].Kind != kkTranslated) continue;
      pluralNoun = pluralNoun || (Class(k) == wcNoun && Rus(k).Case == 2);
      if (Rus(k).Case > 2) continue;
      for (std::u16string_view p : persons) subject = subject || Source(k) == p;
    }
    if (!subject && !pluralNoun) continue;
    for (TTransUnit& reading : Kits[v].Readings)
      for (std::u16string_view p : pronouns)
        if ((subject || p == u"они ") && reading.Rus.Prefix.starts_with(p)) {
          reading.Rus.Prefix.erase(0, p.size());
          break;
        }
  }
}

}  // namespace tatengine
