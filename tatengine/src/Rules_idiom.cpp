// Set expressions whose Russian is not the sum of their words:
// - "дөрес әйтәсең" is "ты прав", "дөрес әйттегез" "вы правы";
// - a counted span with "бирле" is how long it has lasted: "өч елдан бирле"
//   (уже три года), while a point in time keeps "с" (иртәдән бирле: с утра);
// - "яшьрәк" of a brother or sister is "младше" (сеңлем миннән яшьрәк: моя
//   младшая сестра младше меня); of others "моложе" stays;
// - a possessive goes before "самый" or a one-word superlative (мой
//   старший сын).
#include <algorithm>

#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "TextUtil.h"
#include "Transler.h"

namespace tatengine {
namespace {

// Person 1-6 of a finite form of "әйт" (present, past, either polarity) and
// whether it is negated; person 0 for any other word.
struct TSayForm {
  int Person = 0;
  bool Negated = false;
};

TSayForm SayForm(std::u16string_view word) {
  // Endings after "әйт" by person 1-6 for the present, the past and their
  // negations.
  static constexpr std::u16string_view forms[4][6] = {
      {u"әм", u"әсең", u"ә", u"әбез", u"әсез", u"әләр"},
      {u"тем", u"тең", u"те", u"тек", u"тегез", u"теләр"},
      {u"мим", u"мисең", u"ми", u"мибез", u"мисез", u"миләр"},
      {u"мәдем", u"мәдең", u"мәде", u"мәдек", u"мәдегез", u"мәделәр"}};
  if (!word.starts_with(u"әйт")) return {};
  word.remove_prefix(3);
  for (int row = 0; row < 4; ++row)
    for (int person = 0; person < 6; ++person)
      if (word == forms[row][person]) return {person + 1, row >= 2};
  return {};
}

// The Russian subject pronoun of a person 1-6.
std::u16string_view PersonPronoun(int person) {
  static constexpr std::u16string_view pronouns[6] = {u"я", u"ты", u"он", u"мы", u"вы", u"они"};
  return person >= 1 && person <= 6 ? pronouns[person - 1] : std::u16string_view();
}

bool IsFourDigitYear(std::u16string_view text) {
  return text.size() == 4 && std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

// "иң" (самый) and the adjectives whose superlative is one word.
bool IsSuperlativeSource(std::u16string_view source) {
  static constexpr std::u16string_view words[] = {u"иң", u"яхшы", u"начар", u"олы", u"өлкән", u"кече", u"якын"};
  return std::find(std::begin(words), std::end(words), source) != std::end(words);
}

// Brothers and sisters are "младше" (моя сестра младше меня); other people
// and things "моложе".
bool IsSibling(std::u16string_view lemma) {
  static constexpr std::u16string_view words[] = {u"сеңел", u"эне", u"абый", u"апа", u"туган"};
  return std::find(std::begin(words), std::end(words), lemma) != std::end(words);
}

// A possessive pronoun form that the possessive rules insert (мой, твоего,
// нашим, его, их).
bool IsPossessiveText(std::u16string_view text) {
  static constexpr std::u16string_view stems[] = {u"мо", u"тво", u"наш", u"ваш"};
  if (text == u"его" || text == u"её" || text == u"их") return true;
  for (std::u16string_view stem : stems)
    if (text.starts_with(stem)) return true;
  return false;
}

}  // namespace

void TSP_tat::RightAboutIt() {
  for (int v = FirstWord; v <= LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated) continue;
    const TSayForm say = SayForm(Source(v));
    if (say.Person == 0) continue;
    // "дөрес" right before or after the verb (rules may have moved it).
    int d = -1;
    if (v > FirstWord && Source(v - 1) == u"дөрес") d = v - 1;
    else if (v < LastWord && Source(v + 1) == u"дөрес") d = v + 1;
    if (d < 0) continue;
    const int first = std::min(d, v);
    // A subject already named (a pronoun or a noun) is not repeated.
    int subject = -1;
    for (int s = ClauseStart(first); s < first && subject < 0; ++s)
      if (Kits[s].Kind == kkTranslated && MayBeSubject(s)) subject = s;
    // A noun subject gives the gender and number (девочка права).
    const bool nounSubject = subject >= 0 && Class(subject) == wcNoun;
    const bool plural = say.Person >= 4 || (nounSubject && Rus(subject).Number == 2);
    const bool feminine = !plural && (nounSubject ? Rus(subject).Gender == 2 : Rus(v).Gender == 2);
    std::u16string text;
    if (subject < 0) text = std::u16string(PersonPronoun(say.Person)) + u" ";
    if (say.Negated) text += u"не ";
    text += plural ? u"правы" : feminine ? u"права" : u"прав";
    const uint8_t capital = Kits[first].Capital;
    Kits[v] = FixedKit(text, wcUnchanged03);
    Tat(v).Source = u"әйт";
    Kits.erase(Kits.begin() + d);
    --LastWord;
    Kits[first].Capital = capital;
    if (d < v) --v;
  }
}

void TSP_tat::SinceDurations() {
  for (int b = FirstWord + 2; b <= LastWord; ++b) {
    if (Source(b) != u"бирле") continue;
    int n = b - 1;
    if (Kits[n].Kind != kkTranslated || !IsTimeUnit(n) || Source(n).starts_with(u"яш")) continue;
    const int code = Tat(n).EndingCode;
    if (!IsAblativeEnding(code) && !IsBareNounEnding(code)) continue;
    const std::u16string count = Source(n - 1);
    if (!(IsCountWord(n - 1) || count == u"берничә") || IsFourDigitYear(count)) continue;
    // The span goes into the accusative after "уже": уже три года.
    Kits.erase(Kits.begin() + b);
    --LastWord;
    Kits[n].Readings.resize(1);
    PutTimePreposition(n, u"уже", u"бирле");
    if (count == u"берничә") {
      // "несколько" takes the genitive plural (уже несколько дней) and
      // hands the sentence capital to the word put before it.
      Rus(n).Case = 3;
      Rus(n).Number = 2;
      Kits[n + 1].Capital = Kits[n - 1].Capital;
      Kits[n - 1] = FixedKit(u"несколько", wcNumeral);
    }
    b = n + 1;
  }
}

void TSP_tat::YoungerPeople() {
  // Runs on the generated texts: the comparison keeps its order and case,
  // only the word changes.
  for (int k = FirstWord; k <= LastWord && k < SlotCount(); ++k) {
    const std::u16string word = Source(k);
    if (Kits[k].Kind != kkTranslated || (word != u"яшьрәк" && word != u"яшьрак")) continue;
    int subject = -1;
    for (int s = ClauseStart(k); s < k && subject < 0; ++s)
      if (Kits[s].Kind == kkTranslated && Class(s) == wcNoun && MayBeSubject(s)) subject = s;
    if (subject < 0 || !IsSibling(TatarLemmaOf(subject))) continue;
    for (std::u16string* text : {&Kits[k].Text, &Rus(k).RusText}) {
      for (auto [from, to] : {std::pair{u"моложе", u"младше"}, std::pair{u"Моложе", u"Младше"}})
        if (const size_t at = text->find(from); at != std::u16string::npos)
          text->replace(at, std::u16string_view(from).size(), to);
    }
  }
}

void TSP_tat::PossessivesBeforeSuperlatives() {
  for (int p = FirstWord + 1; p <= LastWord; ++p) {
    if (Kits[p].Kind != kkTranslated || !Tat(p).Source.empty() || !IsPossessiveText(Rus(p).RusText)) continue;
    int first = p;
    while (first - 1 >= FirstWord && Kits[first - 1].Kind == kkTranslated && Class(first - 1) == wcUnchanged03 &&
           IsSuperlativeSource(Tat(first - 1).Source))
      --first;
    if (first == p) continue;
    // The preposition and the capital stay at the front of the phrase.
    TTransKit possessive = std::move(Kits[p]);
    Kits.erase(Kits.begin() + p);
    possessive.Readings[0].Rus.Prefix = Rus(first).Prefix + possessive.Readings[0].Rus.Prefix;
    Rus(first).Prefix.clear();
    possessive.Capital = Kits[first].Capital;
    Kits[first].Capital = 0;
    Kits.insert(Kits.begin() + first, std::move(possessive));
  }
}

}  // namespace tatengine
