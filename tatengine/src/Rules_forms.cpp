// Sentence rules that shape Russian forms the Tatar words do not carry by
// themselves: "бар/юк" clauses, the case a numeral governs, the possessive
// pronoun behind a possessive ending, the accusative of an unmarked object
// and "это" as a subject.
#include <vector>

#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "RusForms.h"
#include "TextUtil.h"
#include "Transler.h"

namespace tatengine {
namespace {

// Person (1, 2, 3, 4, 5, 6 = 3pl) of a genitive personal pronoun, or 0.
int GenitivePronounPerson(std::u16string_view source) {
  const std::u16string low = Lowered(source);
  if (low == u"минем") return 1;
  if (low == u"синең") return 2;
  if (low == u"аның") return 3;
  if (low == u"безнең") return 4;
  if (low == u"сезнең") return 5;
  if (low == u"аларның") return 6;
  return 0;
}

std::u16string_view HaveForm(int person) {
  static constexpr std::u16string_view forms[6] = {u"у меня", u"у тебя", u"у него",
                                                   u"у нас",  u"у вас",  u"у них"};
  return person >= 1 && person <= 6 ? forms[person - 1] : std::u16string_view();
}

// The imperative: 2sg, 2pl and their negatives.
bool IsImperativeEnding(int code) { return code == 2 || code == 3 || code == 11 || code == 12; }

// Finite forms: present, past and future in every person, and the imperative.
bool IsFiniteVerbEnding(int code) { return (code >= 15 && code <= 74) || IsImperativeEnding(code); }

bool IsExistential(std::u16string_view source, bool& negative) {
  std::u16string low = Lowered(source);
  if (low.size() > 2 && (low.ends_with(u"мы") || low.ends_with(u"ме"))) low.resize(low.size() - 2);
  negative = low == u"юк";
  return low == u"бар" || negative;
}

// "год", "года" or "лет" after a Russian cardinal (as stored, nominative).
std::u16string_view YearsAfter(std::u16string_view numeral) {
  if (numeral == u"один" || numeral.ends_with(u" один")) return u"год";
  return IsPaucal(numeral) ? u"года" : u"лет";
}

// The Russian quantity word for a Tatar one that counts a noun, or "".
std::u16string_view QuantityWord(std::u16string_view source) {
  const std::u16string low = Lowered(source);
  if (low == u"күп") return u"много";
  if (low == u"берничә") return u"несколько";
  if (low == u"аз") return u"мало";
  if (low == u"ничә") return u"сколько";
  return {};
}

// "много", "несколько", "сколько" in the genitive, dative, instrumental or
// prepositional (2, 3, 5, 6); "" for other cases and words.
std::u16string_view QuantityForm(std::u16string_view word, int caseNo) {
  static constexpr std::u16string_view forms[3][4] = {
      {u"многих", u"многим", u"многими", u"многих"},
      {u"нескольких", u"нескольким", u"несколькими", u"нескольких"},
      {u"скольких", u"скольким", u"сколькими", u"скольких"}};
  const int row = word == u"много" ? 0 : word == u"несколько" ? 1 : word == u"сколько" ? 2 : -1;
  const int column = caseNo == 2 ? 0 : caseNo == 3 ? 1 : caseNo == 5 ? 2 : caseNo == 6 ? 3 : -1;
  return row < 0 || column < 0 ? std::u16string_view() : forms[row][column];
}

// The dative of a nominative personal pronoun, or "".
std::u16string_view DativePronoun(std::u16string_view source) {
  const std::u16string low = Lowered(source);
  if (low == u"мин") return u"мне";
  if (low == u"син") return u"тебе";
  if (low == u"ул") return u"ему";
  if (low == u"без") return u"нам";
  if (low == u"сез") return u"вам";
  if (low == u"алар") return u"им";
  return {};
}

}  // namespace

TTransKit SeparatorKit(std::u16string_view text) {
  TTransKit kit;
  kit.Kind = kkSeparator;
  kit.Text.assign(text);
  kit.HyphenPart = -1;
  TTransUnit placeholder;
  placeholder.Rus.WordClass = wcSeparator;
  placeholder.Rus.Number = 1;
  placeholder.Rus.Case = 1;
  placeholder.Rus.Variant = 0;
  placeholder.Rus.Gender = 1;
  placeholder.Rus.StemRow = -1;
  kit.Readings.push_back(std::move(placeholder));
  return kit;
}

TTransKit FixedKit(std::u16string_view text, int wordClass) {
  TTransKit kit;
  kit.Kind = kkTranslated;
  kit.HyphenPart = -1;
  TTransUnit reading;
  reading.Tat.WordClass = wordClass;
  reading.Rus.WordClass = wordClass;
  reading.Rus.FoundClass = wordClass;
  reading.Rus.StemRow = -1;
  reading.Rus.RusText.assign(text);
  kit.Readings.push_back(std::move(reading));
  return kit;
}

void TSP_tat::AgeClauses() {
  for (int k = FirstWord; k <= LastWord; ++k) {
    if (Kits[k].Kind == kkSeparator) continue;
    // An unknown word keeps its source text in the slot.
    std::u16string low = Lowered(Kits[k].Kind == kkUnknown ? std::u16string_view(Kits[k].Text)
                                                           : std::u16string_view(Tat(k).Source));
    // "ничә яшь" may come as one phrase slot.
    const bool asked = low.starts_with(u"ничә ");
    if (asked) low.erase(0, 5);
    if (low.ends_with(u"ме") && low.size() > 4) low.resize(low.size() - 2);
    const bool located = low == u"яшьтә";  // Мин алты яшьтә: the owner is the subject
    if (low != u"яшь" && !located) continue;
    std::u16string text;
    if (asked) {
      text = u"сколько лет";
    } else if (k > FirstWord && Kits[k - 1].Kind == kkTranslated && Class(k - 1) == wcNumeral) {
      text.assign(YearsAfter(Rus(k - 1).RusText));
    } else if (k > FirstWord && Kits[k - 1].Kind == kkTranslated && Lowered(Tat(k - 1).Source) == u"бер") {
      text = u"год";  // егерме бер яшь: двадцать один год
    } else if (k > FirstWord && Kits[k - 1].Kind == kkTranslated &&
               Lowered(Tat(k - 1).Source) == u"ничә") {
      text = u"лет";
    } else {
      continue;
    }
    const uint8_t capital = Kits[k].Capital;
    std::u16string source = Kits[k].Kind == kkUnknown ? Kits[k].Text : Tat(k).Source;
    Kits[k] = FixedKit(text);
    Kits[k].Capital = capital;
    Tat(k).Source = std::move(source);
    int owner = -1;
    if (!located) {
      // Сиңа ничә яшь: the owner is already in the dative before the count.
      if (k > FirstWord && Kits[k - 1].Kind == kkTranslated && (Class(k - 1) & 0x108)) owner = k - 1;
    } else {
      // The one whose age it is goes to the dative: мне, моему брату.
      for (int j = k - 1; j >= FirstWord && Kits[j].Kind == kkTranslated; --j) {
        const int c = Class(j);
        const std::u16string_view dative = DativePronoun(Tat(j).Source);
        if (!dative.empty() && Rus(j).Case <= 2) {
          Rus(j).WordClass = wcUnchanged03;
          Rus(j).RusText.assign(dative);
          owner = j;
          break;
        }
        if (c == wcSubNoun) break;
        if (c == wcNoun && Rus(j).Case <= 2) {
          Rus(j).Case = 5;
          Rus(j).Agreed = 1;
          owner = j;
          break;
        }
      }
    }
    // A question puts the owner between "сколько" and "лет": Сколько тебе лет?
    if (asked && owner >= 0 && owner == k - 1) {
      Rus(k).RusText = u"лет";
      Tat(k).Source = u"яшь";  // no longer the question word
      TTransKit how = FixedKit(u"сколько");
      how.Readings[0].Tat.Source = u"ничә";
      Kits.insert(Kits.begin() + owner, std::move(how));
      ++LastWord;
      ++k;
    }
  }
}

void TSP_tat::GovernByQuantities() {
  // "күп", "берничә", "аз", "ничә" before a noun: много, несколько, мало,
  // сколько with the genitive plural (много книг, несколько дней).
  for (int i = FirstWord; i < LastWord; ++i) {
    if (Kits[i].Kind != kkTranslated) continue;
    const std::u16string_view word = QuantityWord(Tat(i).Source);
    if (word.empty()) continue;
    int n = i + 1;
    while (n <= LastWord && Kits[n].Kind == kkTranslated && Class(n) == wcAdjective) ++n;
    if (n > LastWord || Kits[n].Kind != kkTranslated || Class(n) != wcNoun) continue;
    TFormRus& noun = Rus(n);
    // The nominative, or the unmarked object (Case 7 from the bare form).
    const bool bare = noun.Case <= 2 || (noun.Case == 7 && NounRule(Tat(n).EndingCode).Prefix.empty() &&
                                         (Tat(n).EndingCode == 1 || Tat(n).EndingCode == 87));
    Kits[i].Readings.resize(1);
    if (!bare) {
      // An oblique case declines the quantity, the noun goes plural: во
      // многих домах, нескольким друзьям.
      const int caseNo = (CaseMap(noun.Case, noun.Number) + 1) / 2;
      const std::u16string_view form = QuantityForm(word, caseNo);
      if (form.empty()) continue;
      Rus(i).WordClass = wcNumeral;
      Rus(i).RusText.assign(form);
      noun.Number = 2;
      noun.Agreed = 1;
      for (int k = i + 1; k < n; ++k) {
        Rus(k).Number = 2;
        Rus(k).Case = noun.Case;
        Rus(k).Agreed = 1;
      }
      continue;
    }
    // A numeral slot: the verb goes before it as before a count (Я читал
    // много книг).
    Rus(i).WordClass = wcNumeral;
    Rus(i).RusText.assign(word);
    noun.Case = 3;
    // много воды, мало времени, but несколько книг: only an amount, never a
    // count, takes a mass noun in the singular.
    const bool amount = word == u"много" || word == u"мало" || word == u"сколько";
    noun.Number = amount && IsMassNoun(n) && noun.Gender != 4 ? 1 : 2;
    noun.Agreed = 1;
    if (word != u"много" && word != u"мало") {
      // Counted people are "человек" (несколько человек).
      TTransUnit& reading = Kits[n].Readings[0];
      Translator->Dictionary().Generate(reading);
      if (reading.Rus.RusText.ends_with(u"людей")) {
        reading.Rus.RusText.replace(reading.Rus.RusText.size() - 5, 5, u"человек");
        reading.Rus.WordClass = wcUnchanged03;
      }
    }
    for (int k = i + 1; k < n; ++k) {
      Rus(k).Number = noun.Number;
      Rus(k).Case = 3;
      Rus(k).Variant = 0;
      Rus(k).Agreed = 1;
    }
    // A quantity as the subject takes a neuter singular verb (Пришло много
    // людей) unless the clause has a subject of its own.
    for (int v = n + 1; v <= LastWord && Kits[v].Kind != kkSeparator; ++v) {
      if (Class(v) != wcVerb) continue;
      bool subject = false;
      for (int k = FirstWord; k < v; ++k) {
        if (k == n || Kits[k].Kind != kkTranslated) continue;
        const int c = Class(k);
        subject = subject || (c == wcSubNoun && Rus(k).Case <= 2) || (c == wcNoun && Rus(k).Case <= 2);
      }
      if (!subject && IsQuantitySubject(i, v)) {
        Rus(v).Number = 1;
        Rus(v).Gender = 3;
      }
      break;
    }
  }
}

bool TSP_tat::IsQuantitySubject(int quantity, int verb) {
  // Only a 3rd-person verb can have the quantity for its subject.
  return !IsSpeakerVerb(verb) && quantity < verb;
}

bool TSP_tat::IsSpeakerVerb(int verb) {
  const int code = Tat(verb).EndingCode;
  if (Class(verb) != wcVerb) return false;
  if (IsImperativeEnding(code)) return true;
  if (code < 15 || code > 74) return false;
  const int person = (code - 15) % 6;  // 1sg, 2sg, 3sg, 1pl, 2pl, 3pl
  return person != 2 && person != 5;
}

int TSP_tat::SubjectOf(int from, int verb) {
  int first = -1;
  // A verb in the 1st or 2nd person has a pronoun for its subject or none.
  const bool speaker = IsSpeakerVerb(verb);
  for (int j = from; j < verb; ++j) {
    const int c = Class(j);
    const int caseNo = Rus(j).Case;
    if (!(c & 0x148)) continue;
    if (speaker && c != wcSubNoun) continue;
    if ((c & 0x108) && caseNo != 1 && caseNo != 2) continue;
    if ((c & wcUnchanged07) && caseNo != 1) continue;
    // A personal pronoun is the subject wherever it stands.
    if (c == wcSubNoun) return j;
    // A determiner before its noun leaves the choice to the noun.
    // ("ул" read as the pronoun "он" is a subject: Ул хат язды.)
    if ((c & wcUnchanged07) && (Class(j + 1) & 0x109) && Tat(j).WordClass != wcGlue) continue;
    if (first < 0) first = j;
  }
  return first;
}

void TSP_tat::ExistentialClauses() {
  const int last = LastWord;
  bool negative = false;
  if (last <= FirstWord || !IsExistential(Tat(last).Source, negative)) return;
  if (Class(last) & 0x108) return;  // a noun "бар" is no predicate
  // The thing that exists: the nearest nominative noun before the predicate.
  int noun = -1;
  for (int j = last - 1; j >= FirstWord; --j) {
    if (Kits[j].Kind != kkTranslated) break;
    if ((Class(j) & 0x108) && (Rus(j).Case == 1 || Rus(j).Case == 2)) {
      noun = j;
      break;
    }
    if (!(Class(j) & (wcAdjective | wcNumeral | wcAdverb | wcUnchanged07))) break;
  }
  if (noun < 0) {
    // "Беркем дә юк", "Бернәрсә дә юк": никого нет, ничего нет.
    const int j = last - 1;
    if (!negative || Kits[j].Kind != kkTranslated) return;
    TFormRus& rus = Rus(j);
    if (rus.RusText == u"никто") rus.RusText = u"никого";
    else if (rus.RusText == u"ничто") rus.RusText = u"ничего";
    else return;
    rus.WordClass = wcUnchanged03;
    return;
  }
  auto phraseStart = [this](int n) {
    while (n - 1 >= FirstWord && (Class(n - 1) & (wcAdjective | wcNumeral | wcUnchanged07)) &&
           Kits[n - 1].Kind == kkTranslated && GenitivePronounPerson(Tat(n - 1).Source) == 0)
      --n;
    return n;
  };
  int start = phraseStart(noun);
  // Coordinated things exist together (мәчет һәм мәктәп бар: есть мечеть и
  // школа; театр, музей һәм парк).
  std::vector<int> things{noun};
  while (start - 2 >= FirstWord) {
    const int link = start - 1;
    const bool comma = Kits[link].Kind == kkSeparator && Kits[link].Text.find_first_not_of(u", ") ==
                                                             std::u16string::npos;
    const bool conjunction = Kits[link].Kind == kkTranslated && Lowered(Tat(link).Source) == u"һәм";
    const int other = link - 1;
    if (!(comma || conjunction) || Kits[other].Kind != kkTranslated || Class(other) != wcNoun ||
        Rus(other).Case > 2 || !Rus(other).Prefix.empty())
      break;
    things.push_back(other);
    start = phraseStart(other);
  }
  // A possessor, named or in the ending, becomes "у меня" before the thing.
  int possessor = 0;
  int owner = -1;
  if (start - 1 >= FirstWord && Kits[start - 1].Kind == kkTranslated) {
    possessor = GenitivePronounPerson(Tat(start - 1).Source);
    if (possessor != 0) owner = start - 1;
  }
  if (owner >= 0) {
    TFormRus& rus = Rus(owner);
    rus.WordClass = wcUnchanged03;
    rus.RusText.assign(HaveForm(possessor));
  } else if (Class(noun) == wcNoun && Rus(noun).Possessor != 0) {
    const int person = Rus(noun).Possessor == 3 ? 0 : Rus(noun).Possessor;
    if (person != 0) {
      Kits.insert(Kits.begin() + start, FixedKit(HaveForm(person)));
      ++LastWord;
      ++start;
      ++noun;
      owner = start - 1;
    }
  }
  if (owner >= 0 && Class(noun) == wcNoun) Rus(noun).Possessor = 0;
  if (negative) {
    // "нет" takes the genitive.
    const int shift = noun - things[0];  // slots inserted before the things
    for (int thing : things) {
      Rus(thing + shift).Case = 3;
      Rus(thing + shift).Agreed = 1;
    }
  }
  // A count needs no "есть" (У меня два брата); otherwise Russian puts
  // "есть/нет" before the thing that exists.
  bool counted = false;
  for (int k = start; k < noun; ++k) counted = counted || Class(k) == wcNumeral;
  // "Ничә китап бар?" asks a count: Сколько книг?
  if (start - 1 >= FirstWord && Kits[start - 1].Kind == kkTranslated &&
      Lowered(Tat(start - 1).Source) == u"ничә")
    counted = true;
  if (counted && !negative) {
    Kits.erase(Kits.begin() + LastWord);
    --LastWord;
    return;
  }
  Move(LastWord, start);
}

void TSP_tat::MarkObjects() {
  int b = FirstWord;
  while (b <= LastWord) {
    int v = b;
    while (v <= LastWord && Class(v) != wcVerb) ++v;
    if (v > LastWord) break;
    int from = ClauseStart(b, v);
    const int subject = SubjectOf(from, v);
    // The unmarked object: a bare noun right before the verb (its
    // modifiers and adverbs may stand between), after the subject.
    int o = v - 1;
    while (o > subject && (Class(o) & wcAdverb)) --o;
    if ((subject >= 0 || IsSpeakerVerb(v)) && o > subject && o >= from && Class(o) == wcNoun &&
        Kits[o].Kind == kkTranslated &&
        (Tat(o).EndingCode == 1 || Tat(o).EndingCode == 87) && Rus(o).Case <= 2) {
      Rus(o).Case = 7;
      Rus(o).Agreed = 1;
    }
    b = v + 1;
  }
}

void TSP_tat::NameDemonstratives() {
  // "Бу яңа мәктәп." is "Это новая школа.": a sentence without a verb that
  // starts with "бу" and ends with a noun names what "бу" is.
  // Without any noun (Бу бик кыйммәт) "бу" is "это" as well.
  // "бу" before anything it cannot modify (Бу мин. Бу кем?) is "это" too.
  for (int k = FirstWord; k <= LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || Lowered(Tat(k).Source) != u"бу" || !(Class(k) & wcUnchanged07))
      continue;
    const bool modifies = k < LastWord && Kits[k + 1].Kind == kkTranslated &&
                          (Class(k + 1) & (wcAdjective | wcNumeral | wcNoun | wcUnchanged07 | wcAdverb));
    if (!modifies) {
      Rus(k).WordClass = wcUnchanged03;
      Rus(k).RusText = u"это";
    }
  }
  const int f = FirstWord;
  int last = LastWord;
  if (last > f + 1 && Lowered(Tat(last).Source).starts_with(u"түгел")) --last;
  if (last - f < 1 || Lowered(Tat(f).Source) != u"бу" || !(Class(f) & wcUnchanged07)) return;
  bool noun = false;
  for (int k = f + 1; k <= LastWord; ++k) {
    if (Class(k) == wcVerb) return;
    noun = noun || (Class(k) & 0x108);
  }
  // "Бу кыз укучы" is "Эта девочка ...": of two nouns the first is its own.
  if (noun && (last - f < 2 || !(Class(last) & 0x108) || ((Class(f + 1) & 0x108) && last == f + 2)))
    return;
  TFormRus& rus = Rus(f);
  rus.WordClass = wcUnchanged03;
  rus.RusText = u"это";
}

void TSP_tat::GovernByNumerals() {
  for (int i = FirstWord; i < LastWord; ++i) {
    if (Class(i) != wcNumeral || Kits[i].Kind != kkTranslated) continue;
    if (!QuantityWord(Tat(i).Source).empty()) continue;  // GovernByQuantities
    int n = i + 1;
    while (n <= LastWord && Class(n) == wcAdjective) ++n;
    if (n > LastWord || Class(n) != wcNoun || Rus(n).Case == 0) continue;
    TFormRus& noun = Rus(n);
    const int x = CaseMap(noun.Case, noun.Number);
    int caseNo = (x + 1) / 2;
    const bool animate = noun.Variant == 1;
    if (caseNo == 6 && IsHourNoun(n)) {
      // Clock time: "в восемь часов", the accusative.
      noun.Case = 7;
      caseNo = 4;
    }
    const std::u16string numeral = Rus(i).RusText;
    const bool paucal = IsPaucal(numeral);
    // The nominative, and the accusative of things (and of people after five
    // and more), govern the genitive: два брата, пять книг; the oblique cases
    // put the noun in the plural of its own case: двум братьям.
    const bool governs = caseNo == 1 || (caseNo == 4 && (!animate || !paucal));
    Rus(i).RusText = NumeralForm(numeral, caseNo, noun.Gender, animate);
    if (governs) {
      noun.Case = 3;
      noun.Number = paucal ? 1 : 2;
      if (paucal) CountAgreeingNoun(Kits[n].Readings[0], noun.Gender == 2);
      if (!paucal) {
        // The counted form of "люди" is "человек" (пять человек).
        TTransUnit& reading = Kits[n].Readings[0];
        Translator->Dictionary().Generate(reading);
        if (reading.Rus.RusText.ends_with(u"людей")) {
          reading.Rus.RusText.replace(reading.Rus.RusText.size() - 5, 5, u"человек");
          reading.Rus.WordClass = wcUnchanged03;
        }
      }
    } else {
      noun.Number = 2;
    }
    // Adjectives between: plural genitive (два больших дома), but the
    // nominative plural with a feminine noun (две большие книги).
    for (int k = i + 1; k < n; ++k) {
      TFormRus& adj = Rus(k);
      adj.Number = 2;
      adj.Case = governs ? (paucal && noun.Gender == 2 ? 1 : 3) : noun.Case;
      adj.Variant = 0;
    }
  }
}

bool TSP_tat::IsPronounObject(int slot) {
  if (Class(slot) != wcSubNoun) return false;
  const std::u16string low = Lowered(Tat(slot).Source);
  return low.ends_with(u"не") || low.ends_with(u"ны");
}

bool TSP_tat::IsMotionVerb(int slot) {
  if (Class(slot) != wcVerb || Kits[slot].Readings.empty()) return false;
  TFormRus rus = Rus(slot);
  rus.Case = 1;
  rus.Prefix.clear();
  rus.Suffix.clear();
  const std::u16string infinitive = Translator->Dictionary().Verb.PlainForm(rus);
  static constexpr std::u16string_view verbs[] = {
      u"идти",   u"ходить",   u"ехать",    u"ездить",   u"прийти",   u"приходить", u"приехать",
      u"приезжать", u"пойти", u"поехать",  u"вернуться", u"возвращаться", u"бежать", u"бегать",
      u"подойти", u"подходить", u"зайти",  u"заходить", u"лететь",   u"прилететь", u"прибежать",
      u"прибегать", u"прилетать", u"приплыть"};
  for (std::u16string_view v : verbs)
    if (infinitive == v) return true;
  return false;
}

void TSP_tat::PastCopulas() {
  // An adjective with "иде" carries "был" in front; it agrees with the
  // subject and goes before the degree adverbs: Еда была очень вкусная.
  for (int a = FirstWord; a <= LastWord; ++a) {
    if (Kits[a].Kind != kkTranslated || Class(a) != wcAdjective) continue;
    TFormRus& adj = Rus(a);
    if (adj.Prefix != u"был " && adj.Prefix != u"были ") continue;
    const bool plural = adj.Prefix == u"были ";
    std::u16string_view form = u"был";
    if (plural) {
      form = u"были";
      adj.Number = 2;
      adj.Agreed = 1;
    } else if (adj.Agreed) {
      form = adj.Number == 2 || adj.Gender == 4 ? u"были"
             : adj.Gender == 2                  ? u"была"
             : adj.Gender == 3                  ? u"было"
                                                : u"был";
    } else {
      form = u"было";  // no subject: Вчера было холодно
    }
    adj.Prefix.clear();
    int start = a;
    while (start - 1 >= FirstWord && Kits[start - 1].Kind == kkTranslated && Class(start - 1) == wcAdverb &&
           start - 1 > FirstWord)
      --start;
    Kits.insert(Kits.begin() + start, FixedKit(form));
    ++LastWord;
    ++a;
  }
}

void TSP_tat::TimeAccusatives() {
  // "беренче көнне", "бу елны": a time noun in the accusative with a modifier
  // says when: в первый день, в этот год.
  static constexpr std::u16string_view times[] = {u"день", u"неделя", u"год",  u"месяц",
                                                  u"вечер", u"утро",  u"ночь", u"час"};
  for (int n = FirstWord + 1; n <= LastWord; ++n) {
    if (Kits[n].Kind != kkTranslated || Class(n) != wcNoun || Tat(n).EndingCode != 4) continue;
    int start = n;
    while (start - 1 >= FirstWord && Kits[start - 1].Kind == kkTranslated &&
           ((Class(start - 1) & (wcAdjective | wcNumeral | wcUnchanged07)) ||
            (Class(start - 1) == wcUnchanged03 && Tat(start - 1).WordClass == wcNumeral)))
      --start;
    // "һәр көнне" is "каждый день" without a preposition.
    if (start == n || Lowered(Tat(start).Source) == u"һәр") continue;
    TTransUnit reading = Kits[n].Readings[0];
    reading.Rus.Case = 1;
    reading.Rus.Number = 1;
    reading.Rus.Prefix.clear();
    Translator->Dictionary().Generate(reading);
    bool time = false;
    for (std::u16string_view t : times) time = time || reading.Rus.RusText == t;
    if (!time) continue;
    // A later ordinal counts on from a starting point: на третий день.
    // The ordinal is the first modifier, or follows the fixed cardinal
    // words of a compound one (на сто восьмой день).
    const int ordinal = Class(start) == wcUnchanged03 && start + 1 < n ? start + 1 : start;
    const std::u16string first = Lowered(Tat(ordinal).Source);
    const bool later = (first.ends_with(u"нче") || first.ends_with(u"нчы")) && (first != u"беренче" || ordinal != start);
    Kits.insert(Kits.begin() + start, FixedKit(later ? u"на" : u"в", wcPostposition));
    ++LastWord;
    ++n;
  }
}

void TSP_tat::AskedPeople() {
  // Tatar asks "from" someone (баладан сора), Russian asks someone: спросить
  // ребёнка, the accusative without "от".
  int b = FirstWord;
  while (b <= LastWord) {
    int v = b;
    while (v <= LastWord && Class(v) != wcVerb) ++v;
    if (v > LastWord) break;
    TFormRus rus = Rus(v);
    rus.Case = 1;
    rus.Prefix.clear();
    rus.Suffix.clear();
    const std::u16string infinitive = Translator->Dictionary().Verb.PlainForm(rus);
    if (infinitive == u"спрашивать" || infinitive == u"спросить") {
      for (int k = b; k < v; ++k) {
        if (Class(k) != wcPostposition || Rus(k).RusText != u"от") continue;
        int n = k + 1;
        while (n < v && (Class(n) & (wcAdjective | wcNumeral | wcUnchanged07))) ++n;
        if (n >= v || Class(n) != wcNoun || !IsAblativeEnding(Tat(n).EndingCode)) continue;
        Rus(n).Case = 7;
        Rus(n).Agreed = 1;
        Kits.erase(Kits.begin() + k);
        --LastWord;
        --v;
        --k;
      }
    }
    b = v + 1;
  }
}

void TSP_tat::MotionTargets() {
  // A person in the dative after a verb of motion is where one goes: к маме.
  int b = FirstWord;
  while (b <= LastWord) {
    int v = b;
    while (v <= LastWord && Class(v) != wcVerb) ++v;
    if (v > LastWord) break;
    int w = v;
    while (w < LastWord && Class(w + 1) == wcVerb) ++w;
    bool motion = false;
    for (int k = v; k <= w; ++k) motion = motion || IsMotionVerb(k);
    // "Миңа барырга кирәк": the first dative is who must go (мне надо
    // идти); a person after it is where (Миңа табибка барырга кирәк: Мне
    // надо пойти к врачу).
    bool need = Rus(v).Prefix.starts_with(u"надо");
    // The same before нельзя, можно (Сиңа барырга ярамый: тебе нельзя идти).
    if (const std::u16string modal = Source(w + 1);
        modal == u"ярамый" || modal == u"мөмкин" || modal == u"кирәк" || modal == u"кирәкми")
      need = true;
    if (motion) {
      bool needer = false;
      for (int k = b; k < v; ++k) {
        const int c = Class(k);
        if (!(c & 0x108) || Kits[k].Kind != kkTranslated) continue;
        const TFormRus& rus = Rus(k);
        if ((rus.Case != 5 && rus.Case != 6) || !rus.Prefix.empty()) continue;
        if (need && !needer) {
          needer = true;
          continue;
        }
        if (c == wcNoun && rus.Variant != 1) continue;
        if (c == wcNoun && !IsDativeEnding(Tat(k).EndingCode)) continue;
        // A noun takes its modifiers along; a pronoun stands alone (the "ул"
        // before "миңа" is the subject: Он пришёл ко мне).
        int start = k;
        while (c == wcNoun && start - 1 >= b && (Class(start - 1) & (wcAdjective | wcNumeral | wcUnchanged07)) &&
               Kits[start - 1].Kind == kkTranslated && Tat(start - 1).WordClass != wcGlue)
          --start;
        Kits.insert(Kits.begin() + start, FixedKit(u"к", wcPostposition));
        ++LastWord;
        ++k;
        ++v;
        ++w;
      }
    }
    b = w + 1;
  }
}

bool TSP_tat::HasVerb() {
  for (int k = FirstWord; k <= LastWord; ++k)
    if (Class(k) == wcVerb) return true;
  return false;
}

bool TSP_tat::IsHourNoun(int slot) {
  if (Kits[slot].Readings.empty()) return false;
  TTransUnit reading = Kits[slot].Readings[0];
  reading.Rus.Case = 1;
  reading.Rus.Number = 1;
  reading.Rus.Prefix.clear();
  Translator->Dictionary().Generate(reading);
  return reading.Rus.RusText == u"час";
}

void TSP_tat::AddPossessors() {
  for (int i = FirstWord; i <= LastWord; ++i) {
    if (Class(i) != wcNoun || Kits[i].Kind != kkTranslated) continue;
    TFormRus& noun = Rus(i);
    // The run of modifiers before the noun; a genitive pronoun among them
    // names the possessor itself.
    int start = i;
    int named = -1;
    while (start - 1 >= FirstWord && Kits[start - 1].Kind == kkTranslated &&
           (Class(start - 1) & (wcAdjective | wcNumeral | wcUnchanged07))) {
      if (Class(start - 1) == wcUnchanged07 && GenitivePronounPerson(Tat(start - 1).Source) != 0)
        named = start - 1;
      --start;
    }
    const int x = CaseMap(noun.Case, noun.Number);
    const bool animate = noun.Variant == 1;
    if (named >= 0) {
      const int person = GenitivePronounPerson(Tat(named).Source);
      const std::u16string_view form = PossessiveForm(person, x, noun.Gender, animate);
      if (!form.empty()) {
        Rus(named).WordClass = wcUnchanged03;
        Rus(named).RusText.assign(form);
      }
      continue;
    }
    // "Әнием китте" is "Мама ушла": one's own family opening a sentence
    // goes without "моя".
    if (noun.Possessor == 1 && animate && x <= 2 && start == FirstWord && HasVerb()) continue;
    const std::u16string_view form = PossessiveForm(noun.Possessor, x, noun.Gender, animate);
    if (form.empty()) continue;
    Kits.insert(Kits.begin() + start, FixedKit(form));
    ++LastWord;
    ++i;
  }
}

}  // namespace tatengine

namespace tatengine {
namespace {

bool IsQuestionWord(std::u16string_view source) {
  static constexpr std::u16string_view words[] = {u"кайда", u"кайчан", u"кая",  u"кайдан",
                                                  u"нигә",  u"ничек",  u"ничә", u"кем",
                                                  u"нәрсә", u"нишләп", u"ни өчен", u"кем белән"};
  const std::u16string low = Lowered(source);
  for (std::u16string_view w : words)
    if (low == w) return true;
  return low.starts_with(u"ничә ");  // ничә яшь, ничә сәгать
}


}  // namespace

void TSP_tat::NegateWithTugel() {
  // "түгел" follows what it negates; Russian "не" goes before it and its
  // modifiers (не моя книга).
  for (int i = FirstWord + 1; i <= LastWord; ++i) {
    // Also the question "түгелме" (Сиңа салкын түгелме? Тебе не холодно?).
    if (Kits[i].Kind != kkTranslated || !Lowered(Tat(i).Source).starts_with(u"түгел")) continue;
    if (Kits[i - 1].Kind != kkTranslated) continue;
    int j = i - 1;
    if (Class(j) & 0x108)
      while (j - 1 > FirstWord && Kits[j - 1].Kind == kkTranslated &&
             (Class(j - 1) & (wcAdjective | wcNumeral | wcUnchanged07)))
        --j;
    Move(i, j);
  }
}

void TSP_tat::FrontQuestionWords() {
  const int last = SlotCount() - 1;
  if (last < 0 || Kits[last].Kind != kkSeparator || Kits[last].Text.find(u'?') == std::u16string::npos)
    return;
  for (int i = FirstWord + 1; i <= LastWord; ++i) {
    if (Kits[i].Kind != kkTranslated || !IsQuestionWord(Tat(i).Source)) continue;
    // A preposition before it goes along (С кем ты ходил?).
    const int from = Class(i - 1) == wcPostposition ? i - 1 : i;
    // A counted noun goes along with "сколько" (Сколько дней вы жили?).
    int to = i;
    if (!QuantityWord(Tat(i).Source).empty()) {
      while (to + 1 <= LastWord && Kits[to + 1].Kind == kkTranslated && Class(to + 1) == wcAdjective) ++to;
      if (to + 1 <= LastWord && Kits[to + 1].Kind == kkTranslated && Class(to + 1) == wcNoun) ++to;
      else to = i;
    }
    // Only from within the first clause: the words before it are words.
    for (int k = FirstWord; k < from; ++k)
      if (Kits[k].Kind != kkTranslated) return;
    for (int k = from; k <= to; ++k) Move(k, FirstWord + (k - from));
    return;
  }
}

void TSP_tat::MoveVerbs() {
  // Tatar puts the finite verb last; Russian after the subject and the
  // adverbs that follow it (Я сегодня не иду на работу).
  int b = FirstWord;
  while (b <= LastWord) {
    int v = b;
    while (v <= LastWord && Class(v) != wcVerb) ++v;
    if (v > LastWord) break;
    const bool clauseEnd = v == LastWord || Kits[v + 1].Kind == kkSeparator;
    // A chain of verbs (пить хочу): the last one is the finite verb.
    int w = v;
    while (w < LastWord && Class(w + 1) == wcVerb) ++w;
    const bool chainEnd = w == LastWord || Kits[w + 1].Kind == kkSeparator;
    // A verb with "иде" carries its person in front (я читал): finite too.
    const bool past = Tat(w).EndingCode == 1 && Rus(w).Case == 10;
    if (!(clauseEnd || chainEnd) || !(IsFiniteVerbEnding(Tat(w).EndingCode) || past)) {
      b = w + 1;
      continue;
    }
    // The clause starts after the last punctuation before the verb.
    int from = ClauseStart(b, v);
    const int subject = SubjectOf(from, v);
    if (subject < 0) {
      // No subject word (завтра яңа эш башлыйбыз): the verb goes before its
      // object in the accusative.
      int o = v - 1;
      while (o > from && (Class(o) & wcAdverb)) --o;
      if (IsSpeakerVerb(v) && o >= from && Class(o) == wcNoun && Rus(o).Case == 7 &&
          NounRule(Tat(o).EndingCode).Prefix.empty()) {
        int start = o;
        while (start - 1 >= from && Kits[start - 1].Kind == kkTranslated &&
               (Class(start - 1) & (wcAdjective | wcNumeral | wcUnchanged07)))
          --start;
        // A noun after a preposition (за день) is no object.
        if (Class(start - 1) != wcPostposition) Move(w, start);
      }
      b = w + 1;
      continue;
    }
    int t = subject + 1;
    // The subject's possessor in the genitive goes with it (дом моего друга),
    // with its own adjective (учитель татарского языка).
    // So do the words qualifying that possessor (дверь старого дома).
    auto qualifiesPossessor = [&](int m) {
      int n = m;
      while (n < v && (Class(n) & (wcAdjective | wcNumeral | wcUnchanged07)) && (Rus(n).Case == 3 || Rus(n).Case == 4))
        ++n;
      return n > m && n < v && Class(n) == wcNoun && (Rus(n).Case == 3 || Rus(n).Case == 4) &&
             Rus(n).Prefix.empty() && Rus(subject).Case != 3 && Rus(subject).Case != 4;
    };
    while (t < v && (Rus(t).Case == 3 || Rus(t).Case == 4) &&
           (Class(t) == wcNoun || qualifiesPossessor(t) ||
            (Class(t) == wcAdjective && Class(t + 1) == wcNoun && IsPossessedEnding(Tat(t + 1).EndingCode))))
      ++t;
    // Adverbs and pronoun objects (Я тебя люблю) stay before the verb.
    // Before a negated verb whole-word adverbs stay too (больше не, ничего не).
    const int before = wcAdverb | wcUnchanged03 |
                       (IsNegativeVerbEnding(Tat(w).EndingCode) ? wcDirect : 0);
    while (t < v && (((Class(t) & before) && Tat(t).WordClass != wcPostposition) ||
                     IsPronounObject(t)))
      ++t;
    if (t < v) {
      Move(w, t);
    } else if (t == subject + 1 && subject > from && Class(subject) == wcNoun) {
      // After a place or a time the verb comes before a noun subject:
      // В лесу растут грибы.
      int start = subject;
      while (start - 1 >= from && Kits[start - 1].Kind == kkTranslated &&
             (Class(start - 1) & (wcAdjective | wcNumeral | wcUnchanged07)))
        --start;
      if (start > from) Move(w, start);
    }
    b = w + 1;
  }
}

}  // namespace tatengine
