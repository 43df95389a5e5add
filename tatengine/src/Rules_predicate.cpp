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

// The person 1-6 of the past auxiliary in any letter case (Иде), or 0.
int AuxPerson(std::u16string_view source) { return IdePerson(Lowered(source)); }

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
  auto clauseEnd = [this](int k) { return k >= LastWord || Kits[k + 1].Kind == kkSeparator; };
  for (int l = FirstWord + 1; l <= LastWord; ++l) {
    if (Kits[l].Kind != kkTranslated) continue;
    // The negation may follow (Миңа салкын түгел: Мне не холодно).
    const bool negated = l < LastWord && Kits[l + 1].Kind == kkTranslated &&
                         Lowered(Tat(l + 1).Source).starts_with(u"түгел") && clauseEnd(l + 1);
    if (!clauseEnd(l) && !negated) continue;
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
      // Coordinated states (җылы һәм рәхәт: тепло и уютно).
      for (int k = l - 2; k >= from && Kits[k + 1].Kind == kkTranslated &&
                          Lowered(Tat(k + 1).Source) == u"һәм" &&
                          HasReading(k, wcAdjective) && HasReading(k, wcAdverb, adverb);
           k -= 2)
        Keep(k, adverb);
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
    Kits.insert(Kits.begin() + start, FixedKit(u"было"));
    ++LastWord;
    ++l;
  }
}

void TSP_tat::NounCopulas() {
  // A plural with "идек" that is a noun as well as an adjective (дуслар
  // идек: we were friends) is the noun: the analyser offered the adjective.
  const TDictionaryTR& dictionary = Translator->Dictionary();
  for (int a = FirstWord; a <= LastWord; ++a) {
    if (Kits[a].Kind != kkTranslated || Class(a) != wcAdjective || Rus(a).Prefix != u"были ") continue;
    TTransUnit noun;
    if (!dictionary.Noun.Analyse(Tat(a).Source, noun.Tat, noun.Rus) || noun.Rus.Number != 2 ||
        noun.Rus.Case > 2 || !noun.Rus.Prefix.empty())
      continue;
    noun.Rus.FoundClass = wcNoun;
    Kits[a].Readings.assign(1, std::move(noun));
    Kits.insert(Kits.begin() + a + 1, FixedKit(u"были"));
    Rus(a + 1).Number = 2;
    Tat(a + 1).Source = u"иделәр";
    ++LastWord;
  }
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
    if (subject < 0 && person == 3 && PresentedThing(n)) {
      // Nothing is said of a subject: the thing itself was there (Начар
      // һава иде: Была плохая погода).
      std::u16string_view was = u"был";
      if (noun.Number == 2 || noun.Gender == 4) was = u"были";
      else if (noun.Gender == 2) was = u"была";
      else if (noun.Gender == 3) was = u"было";
      Kits.erase(Kits.begin() + a);
      --LastWord;
      Kits.insert(Kits.begin() + NounPhraseStart(n), FixedKit(was));
      ++LastWord;
      continue;
    }
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
    --LastWord;
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
    // "ул" before the noun is the subject, not "тот" (Ул табиб иде: Он был
    // врачом).
    int at = start;
    if (start < n && Tat(start).WordClass == wcGlue && Lowered(Tat(start).Source) == u"ул") {
      Rus(start).WordClass = wcUnchanged03;
      Rus(start).FoundClass = wcUnchanged03;
      Rus(start).RusText = u"он";
      Kits[start].Readings.resize(1);
      ++at;
    }
    Kits.insert(Kits.begin() + at, FixedKit(form));
    ++LastWord;
  }
}

void TSP_tat::StateCopulas() {
  // A state with a form of "бул" and no subject (Безгә күңелле булды: Нам
  // было весело): the adverb form and a neuter verb before it.
  for (int v = FirstWord + 1; v <= LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb) continue;
    if (CellAt(Translator->Dictionary().Verb.Stems, Tat(v).StemRow, 4) != u"бул") continue;
    if (IsSpeakerVerb(v) || (v < LastWord && Kits[v + 1].Kind != kkSeparator)) continue;
    const int s = v - 1;
    if (Kits[s].Kind != kkTranslated || !(Class(s) & (wcAdjective | wcAdverb))) continue;
    // An adverb only when it is an adjective's state (күңелле), not a place
    // or a time (кайда, кичә).
    TTransUnit probe;
    if (!Translator->Dictionary().Adj.Analyse(Tat(s).Source, probe.Tat, probe.Rus)) continue;
    const int from = ClauseStart(s);
    bool subject = false;
    for (int k = from; k < s; ++k) subject = subject || MayBeSubject(k) || HasReading(k, wcVerb);
    if (subject) continue;
    if (Class(s) == wcAdjective) {
      TTransUnit state;
      const TDictionaryTR& dictionary = Translator->Dictionary();
      if (!dictionary.Adverb.Analyse(Tat(s).Source, state.Tat, state.Rus)) continue;
      state.Rus.RusText = dictionary.Adverb.Translate(state.Rus);
      state.Rus.FoundClass = wcAdverb;
      Kits[s].Readings.assign(1, std::move(state));
    }
    TFormRus& verb = Rus(v);
    verb.Gender = 3;
    verb.Number = 1;
    verb.Agreed = 1;
    // Before the state and its degree adverbs (было очень весело).
    int start = s;
    while (start - 1 > from && SingleReading(start - 1, wcAdverb)) --start;
    Move(v, start);
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
      Kits[v] = FixedKit(u"будет");
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

namespace tatengine {
namespace {

// Person 1-6 (6: 3rd plural) of a genitive personal pronoun, or 0.
int OwnerPronoun(std::u16string_view source) {
  static constexpr std::u16string_view forms[6] = {u"минем",  u"синең",  u"аның",
                                                   u"безнең", u"сезнең", u"аларның"};
  const std::u16string low = Lowered(source);
  for (int k = 0; k < 6; ++k)
    if (low == forms[k]) return k + 1;
  return 0;
}

std::u16string_view AccusativePronoun(int person) {
  static constexpr std::u16string_view forms[6] = {u"меня", u"тебя", u"его", u"нас", u"вас", u"их"};
  return person >= 1 && person <= 6 ? forms[person - 1] : std::u16string_view();
}

std::u16string_view OwnerForm(int person) {
  static constexpr std::u16string_view forms[6] = {u"у меня", u"у тебя", u"у него",
                                                   u"у нас",  u"у вас",  u"у них"};
  return person >= 1 && person <= 6 ? forms[person - 1] : std::u16string_view();
}

// The person a possessive ending names (1, 2, 4, 5; the 3rd person is 3),
// turned into the numbering of the pronouns above.
int EndingPerson(int possessor) { return possessor >= 1 && possessor <= 5 ? possessor : 0; }

}  // namespace

bool TSP_tat::IsNounLemma(int slot, std::u16string_view lemma) {
  if (Kits[slot].Kind != kkTranslated || Class(slot) != wcNoun) return false;
  TTransUnit reading = Kits[slot].Readings[0];
  reading.Rus.Case = 1;
  reading.Rus.Number = 1;
  reading.Rus.Prefix.clear();
  Translator->Dictionary().Generate(reading);
  return reading.Rus.RusText == lemma;
}

void TSP_tat::NameClauses() {
  // "Аның исеме Алсу" is "Её зовут Алсу": the name's owner goes to the
  // accusative before "зовут" (Мою маму зовут Гөлнара; Как его зовут?).
  for (int i = FirstWord; i <= LastWord; ++i) {
    if (!IsNounLemma(i, u"имя") || Rus(i).Case > 2 || Rus(i).Possessor == 0) continue;
    // The name follows in the same clause, with no verb.
    const int from = ClauseStart(i);
    int end = i;
    while (end + 1 <= LastWord && Kits[end + 1].Kind != kkSeparator) ++end;
    if (end == i) continue;
    bool verb = false;
    for (int k = from; k <= end; ++k) verb = verb || HasReading(k, wcVerb);
    if (verb) continue;
    // With the past auxiliary: звали (Әбинең исеме ничек иде? Как звали бабушку?).
    bool past = false;
    for (int k = end; k > i; --k)
      if (Kits[k].Kind == kkTranslated && AuxPerson(Tat(k).Source) != 0) {
        Kits.erase(Kits.begin() + k);
        --LastWord;
        past = true;
      }
    const int person = EndingPerson(Rus(i).Possessor);
    const uint8_t capital = Kits[i].Capital;
    Kits[i] = FixedKit(past ? u"звали" : u"зовут");
    Kits[i].Capital = capital;
    const int before = i - 1;
    if (before >= from && Kits[before].Kind == kkTranslated && OwnerPronoun(Tat(before).Source) != 0) {
      // минем, аның, аларның: меня, его, их.
      TFormRus& owner = Rus(before);
      owner.WordClass = wcUnchanged03;
      owner.RusText.assign(AccusativePronoun(OwnerPronoun(Tat(before).Source)));
      Kits[before].Readings.resize(1);
    } else if (before >= from && Class(before) == wcNoun && NounRule(Tat(before).EndingCode).Case == 3) {
      // A named owner in the genitive: the accusative (маму, учителя).
      Rus(before).Case = 7;
      Rus(before).Agreed = 1;
    } else if (person != 0) {
      Kits.insert(Kits.begin() + i, FixedKit(AccusativePronoun(person)));
      ++LastWord;
      ++i;
    }
  }
}

void TSP_tat::BodyStates() {
  // "Башым авырта" is "У меня болит голова": the one it hurts is "у меня"
  // and the verb goes before the aching part.
  for (int v = FirstWord + 1; v <= LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb) continue;
    if (CellAt(Translator->Dictionary().Verb.Stems, Tat(v).StemRow, 4) != u"авырт") continue;
    const int from = ClauseStart(v);
    int n = -1;
    for (int k = from; k <= LastWord && Kits[k].Kind == kkTranslated; ++k)
      if (k != v && Class(k) == wcNoun && Rus(k).Case <= 2 && Rus(k).Prefix.empty()) {
        n = k;
        break;
      }
    if (n < 0 || Rus(n).Possessor == 0) continue;
    int owner = -1;
    std::u16string_view text;
    if (n - 1 >= from && Kits[n - 1].Kind == kkTranslated && OwnerPronoun(Tat(n - 1).Source) != 0) {
      owner = n - 1;
      text = OwnerForm(OwnerPronoun(Tat(owner).Source));
    } else if (Rus(n).Possessor != 3) {
      text = OwnerForm(EndingPerson(Rus(n).Possessor));
    }
    if (text.empty()) continue;
    Rus(n).Possessor = 0;
    if (owner >= 0) {
      Rus(owner).WordClass = wcUnchanged03;
      Rus(owner).RusText.assign(text);
      Kits[owner].Readings.resize(1);
    } else {
      Kits.insert(Kits.begin() + n, FixedKit(text));
      ++LastWord;
      owner = n;
      ++n;
      if (v > owner) ++v;
    }
    // у меня болит голова: the verb right after the owner.
    if (v > n) Move(v, n);
    else if (v < owner) Move(v, owner);
  }
}

}  // namespace tatengine

namespace tatengine {

bool TSP_tat::AnalyseOrdinal(std::u16string_view stem, TTransUnit& reading) {
  const TAdj& adj = Translator->Dictionary().Adj;
  if (adj.Analyse(stem, reading.Tat, reading.Rus)) return true;
  // A tens word written together with the ordinal (унбишенче): as two words.
  for (std::u16string_view tens : {u"ун", u"егерме", u"утыз"}) {
    if (stem.size() <= tens.size() || !stem.starts_with(tens)) continue;
    std::u16string spaced(tens);
    spaced += u' ';
    spaced += stem.substr(tens.size());
    if (adj.Analyse(spaced, reading.Tat, reading.Rus)) return true;
  }
  return false;
}

void TSP_tat::DateOrdinals() {
  // "мартның унбишенчесендә" (on the fifteenth of March): an ordinal with
  // the 3rd-person possessive and the locative or ablative is a day of the
  // month: пятнадцатого марта, с пятнадцатого марта.
  static constexpr std::u16string_view locative[] = {u"сендә", u"сында"};
  static constexpr std::u16string_view ablative[] = {u"сеннән", u"сыннан"};
  for (int i = FirstWord; i <= LastWord; ++i) {
    if (Kits[i].Kind != kkUnknown) continue;
    std::u16string low = Lowered(Kits[i].Text);
    bool from = false, found = false;
    for (std::u16string_view e : locative)
      if (!found && low.size() > e.size() && low.ends_with(e)) {
        low.resize(low.size() - e.size());
        found = true;
      }
    for (std::u16string_view e : ablative)
      if (!found && low.size() > e.size() && low.ends_with(e)) {
        low.resize(low.size() - e.size());
        found = from = true;
      }
    if (!found || !(low.ends_with(u"нче") || low.ends_with(u"нчы"))) continue;
    // "ун бишенчесендә" in two words: the tens word joins the ordinal.
    int first = i;
    if (i - 1 >= FirstWord && Kits[i - 1].Kind == kkTranslated) {
      const std::u16string tens = Lowered(Tat(i - 1).Source);
      if (tens == u"ун" || tens == u"егерме" || tens == u"утыз") {
        low = tens + low;
        first = i - 1;
      }
    }
    TTransUnit reading;
    if (!AnalyseOrdinal(low, reading)) continue;
    reading.Rus.Case = 3;
    reading.Rus.Gender = 3;
    reading.Rus.Number = 1;
    reading.Rus.Agreed = 1;
    reading.Rus.FoundClass = wcAdjective;
    TTransKit kit;
    kit.Kind = kkTranslated;
    kit.HyphenPart = -1;
    kit.Capital = Kits[first].Capital;
    kit.Readings.push_back(std::move(reading));
    Kits.erase(Kits.begin() + first, Kits.begin() + i + 1);
    LastWord -= i - first + 1;
    i = first;
    Kits.insert(Kits.begin() + i, std::move(kit));
    ++LastWord;
    // The month in the genitive goes after the day (пятнадцатого марта).
    int at = i;
    if (i - 1 >= FirstWord && Class(i - 1) == wcNoun && NounRule(Tat(i - 1).EndingCode).Case == 3) {
      Move(i, i - 1);
      at = i - 1;
    }
    if (from) {
      Kits.insert(Kits.begin() + at, FixedKit(u"с"));
      ++LastWord;
      ++i;
    }
  }
}

}  // namespace tatengine

namespace tatengine {

void TSP_tat::GladPredicates() {
  // "шат" said of a person is "рад" (Мин шат: Я рад; Алар бик шат: Они
  // очень рады), agreeing with the subject or the personal ending.
  for (int a = FirstWord; a <= LastWord; ++a) {
    if (Kits[a].Kind != kkTranslated || (a < LastWord && Kits[a + 1].Kind != kkSeparator)) continue;
    std::u16string source = Lowered(Tat(a).Source);
    const bool phrase = source.starts_with(u"бик ");
    if (phrase) source.erase(0, 4);
    if (!source.starts_with(u"шат") || source.size() > 7) continue;
    std::u16string ending = source.substr(3);
    if (ending == u"мы") ending.clear();  // the question: Син шатмы?
    const bool speaker = ending == u"мын" || ending == u"сың";
    const bool speakers = ending == u"быз" || ending == u"сыз" || ending == u"лар";
    if (!ending.empty() && !speaker && !speakers) continue;
    const int from = ClauseStart(a);
    int subject = a > from ? SubjectOf(from, a) : -1;
    for (int k = from; k < a && subject < 0; ++k) {
      const std::u16string who = Lowered(Tat(k).Source);
      if (who == u"мин" || who == u"син" || who == u"ул" || who == u"без" || who == u"сез" ||
          who == u"алар")
        subject = k;
    }
    if (subject < 0 && !speaker && !speakers) continue;
    if (subject >= 0 && Class(subject) == wcNoun) continue;  // Балалар шат: веселы
    bool plural = speakers;
    bool feminine = false;
    if (subject >= 0) {
      const std::u16string who = Lowered(Tat(subject).Source);
      plural = plural || who == u"алар" || who == u"без" || who == u"сез" || Rus(subject).Number == 2;
      feminine = Rus(subject).Gender == 2;
    }
    std::u16string text = phrase ? u"очень " : u"";
    text += plural ? u"рады" : feminine ? u"рада" : u"рад";
    const uint8_t capital = Kits[a].Capital;
    std::u16string tatSource = Tat(a).Source;
    Kits[a] = FixedKit(text);
    Kits[a].Capital = capital;
    Tat(a).Source = std::move(tatSource);
  }
}

}  // namespace tatengine

namespace tatengine {

void TSP_tat::QuantityPredicates() {
  // "Анда кеше күп (иде)": there are (were) many people: "много"/"мало"
  // before the noun in the genitive plural (Там было много людей).
  for (int q = FirstWord + 1; q <= LastWord; ++q) {
    if (Kits[q].Kind != kkTranslated) continue;
    // The auxiliary may stand on its own after the word (аз иде).
    const bool aux = q < LastWord && Kits[q + 1].Kind == kkTranslated && AuxPerson(Tat(q + 1).Source) != 0 &&
                     (q + 1 == LastWord || Kits[q + 2].Kind == kkSeparator);
    if (q < LastWord && Kits[q + 1].Kind != kkSeparator && !aux) continue;
    const std::u16string source = Lowered(Tat(q).Source);
    if (source != u"күп" && source != u"аз") continue;
    const bool past = aux || Rus(q).Prefix == u"был " || Rus(q).Prefix == u"были ";
    const int n = q - 1;
    if (Kits[n].Kind != kkTranslated || Class(n) != wcNoun || Rus(n).Case > 2 ||
        !Rus(n).Prefix.empty() || Rus(n).Possessor != 0)
      continue;
    int start = n;
    while (start - 1 >= FirstWord && Kits[start - 1].Kind == kkTranslated &&
           Class(start - 1) == wcAdjective)
      --start;
    for (int k = start; k <= n; ++k) {
      Rus(k).Case = 3;
      Rus(k).Number = 2;
      Rus(k).Agreed = 1;
    }
    if (aux) {
      Kits.erase(Kits.begin() + q + 1);
      --LastWord;
    }
    // The slot keeps no Tatar source: the quantity rule must not decline it.
    const uint8_t capital = Kits[q].Capital;
    Kits[q] = FixedKit(source == u"күп" ? u"много" : u"мало");
    Kits[q].Capital = capital;
    Move(q, start);
    if (past) {
      Kits.insert(Kits.begin() + start, FixedKit(u"было"));
      ++LastWord;
      ++q;
    }
  }
}

}  // namespace tatengine
