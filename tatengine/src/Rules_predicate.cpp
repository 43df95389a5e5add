// Sentence rules for clauses whose predicate is not a verb, and for verbs
// that make an idiom with their subject: a state without a subject ("Урамда
// салкын": На улице холодно), a noun with the past auxiliary ("студент
// идек": мы были студентами), the weather ("Яңгыр ява": Идёт дождь).
#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "TextUtil.h"
#include "Transler.h"

namespace tatengine {
namespace {

// A fixed Russian word in a slot of its own that no generator rewrites.
TTransKit WordKit(std::u16string_view text) {
  TTransKit kit;
  kit.Kind = kkTranslated;
  kit.HyphenPart = -1;
  TTransUnit reading;
  reading.Tat.WordClass = wcUnchanged03;
  reading.Rus.WordClass = wcUnchanged03;
  reading.Rus.FoundClass = wcUnchanged03;
  reading.Rus.StemRow = -1;
  reading.Rus.RusText.assign(text);
  kit.Readings.push_back(std::move(reading));
  return kit;
}

// The person forms of the past auxiliary, 1-6 (идем ... иделәр), or 0.
int AuxPerson(std::u16string_view source) {
  static constexpr std::u16string_view forms[6] = {u"идем", u"идең", u"иде",
                                                   u"идек", u"идегез", u"иделәр"};
  const std::u16string low = Lowered(source);
  for (int k = 0; k < 6; ++k)
    if (low == forms[k]) return k + 1;
  return 0;
}

}  // namespace

int TSP_tat::ClauseStart(int slot) {
  int from = slot;
  while (from - 1 >= FirstWord && Kits[from - 1].Kind != kkSeparator) --from;
  return from;
}

bool TSP_tat::MayBeSubject(int slot) {
  if (Kits[slot].Kind != kkTranslated) return false;
  for (const TTransUnit& reading : Kits[slot].Readings) {
    const int c = reading.Rus.WordClass;
    if ((c & 0x108) && (reading.Rus.Case == 1 || reading.Rus.Case == 2) && reading.Rus.Prefix.empty())
      return true;
    if (reading.Tat.WordClass == wcGlue) return true;  // "ул": он, она
  }
  return false;
}

void TSP_tat::ImpersonalPredicates() {
  // The last word of each clause without a verb: an adjective with nothing
  // it could describe is the state itself, the Russian short neuter form
  // (Урамда салкын: На улице холодно; Миңа күңелсез: Мне скучно). The
  // adverb of the same stem is that form.
  const TDictionaryTR& dictionary = Translator->Dictionary();
  for (int l = FirstWord + 1; l <= LastWord; ++l) {
    if (Kits[l].Kind != kkTranslated || (l < LastWord && Kits[l + 1].Kind != kkSeparator)) continue;
    const int from = ClauseStart(l);
    if (from == l) continue;  // a single word keeps its own reading
    bool subject = false, verb = false;
    for (int k = from; k < l; ++k) {
      subject = subject || MayBeSubject(k);
      verb = verb || HasReading(k, wcVerb | wcParticiple);
    }
    if (subject || verb) continue;
    int adjective = -1, adverb = -1;
    if (!HasReading(l, wcAdjective, adjective)) continue;
    const TTransUnit reading = Kits[l].Readings[adjective];
    const bool past = reading.Rus.Prefix == u"был " || reading.Rus.Prefix == u"были ";
    if (!past && HasReading(l, wcVerb)) continue;
    if (HasReading(l, wcAdverb, adverb)) {
      Keep(l, adverb);
      continue;
    }
    if (!past) continue;
    // The adjective with "иде" (матур иде): "было" and the adverb.
    TTransUnit state;
    if (!dictionary.Adverb.Analyse(reading.Tat.Source, state.Tat, state.Rus)) continue;
    state.Rus.RusText = dictionary.Adverb.Translate(state.Rus);
    state.Rus.FoundClass = wcAdverb;
    Kits[l].Readings.assign(1, std::move(state));
    // "было" goes before the degree adverbs (Там было очень красиво).
    int start = l;
    while (start - 1 > from && SingleReading(start - 1, wcAdverb)) --start;
    Kits.insert(Kits.begin() + start, WordKit(u"было"));
    ++LastWord;
    ++l;
  }
}

void TSP_tat::NounCopulas() {
  // A noun with the past auxiliary (укытучы иде, студентлар идек): был,
  // была, были before the noun in the instrumental (был учителем).
  for (int a = FirstWord + 1; a <= LastWord; ++a) {
    if (Kits[a].Kind != kkTranslated || Class(a) != wcUnchanged03) continue;
    const int person = AuxPerson(Tat(a).Source);
    if (person == 0) continue;
    const int n = a - 1;
    if (Kits[n].Kind != kkTranslated || Class(n) != wcNoun || Rus(n).Case > 2 ||
        !Rus(n).Prefix.empty())
      continue;
    TFormRus& noun = Rus(n);
    const int subject = SubjectOf(ClauseStart(n), n);
    const bool plural = person >= 4 || noun.Number == 2 ||
                        (subject >= 0 && (Rus(subject).Number == 2 || Rus(subject).Gender == 4));
    std::u16string_view form = u"был";
    if (plural) form = u"были";
    else if (subject >= 0 && Rus(subject).Gender == 2) form = u"была";
    else if (subject < 0 && person == 3 && noun.Gender == 2) form = u"была";
    noun.Case = 9;
    noun.Agreed = 1;
    // With a plural subject the noun is plural too (мы были студентами).
    if (person >= 4) noun.Number = 2;
    Kits.erase(Kits.begin() + a);
    int start = n;
    while (start - 1 >= FirstWord && Kits[start - 1].Kind == kkTranslated &&
           (Class(start - 1) & (wcAdjective | wcNumeral | wcUnchanged07)))
      --start;
    for (int k = start; k < n; ++k)
      if (Class(k) == wcAdjective) {
        Rus(k).Case = 9;
        Rus(k).Number = noun.Number;
        Rus(k).Gender = noun.Gender;
        Rus(k).Agreed = 1;
      }
    Kits.insert(Kits.begin() + start, WordKit(form));
  }
}

void TSP_tat::WeatherVerbs() {
  // "яу" (fall) with rain or snow is Russian "идти" before the subject:
  // Яңгыр ява: Идёт дождь; the future is "будет" alone (Будет дождь).
  for (int v = FirstWord + 1; v <= LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb) continue;
    // Column 4 of the verb stem row: the Tatar lemma.
    if (CellAt(Translator->Dictionary().Verb.Stems, Tat(v).StemRow, 4) != u"яу") continue;
    int n = -1;
    for (int k = ClauseStart(v); k <= LastWord && Kits[k].Kind == kkTranslated; ++k)
      if (k != v && Class(k) == wcNoun && Rus(k).Case <= 2 && Rus(k).Prefix.empty()) {
        n = k;
        break;
      }
    if (n < 0) continue;
    TFormRus& verb = Rus(v);
    if (verb.Prefix == u"будет " || verb.Prefix == u"будут ") {
      const uint8_t capital = Kits[v].Capital;
      Kits[v] = WordKit(u"будет");
      Kits[v].Capital = capital;
    }
    if (v < n) continue;
    int start = n;
    while (start - 1 >= FirstWord && Kits[start - 1].Kind == kkTranslated &&
           (Class(start - 1) & (wcAdjective | wcNumeral | wcUnchanged07)))
      --start;
    Move(v, start);
  }
}

}  // namespace tatengine
