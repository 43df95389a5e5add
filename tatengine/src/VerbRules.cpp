// Sentence rules around the verb: the aspect of repeated actions, the case
// a Russian verb governs where the Tatar verb takes another, "булып" + noun
// and the order of a verb with its infinitive complement.
#include "Common_ta.h"
#include "DictionaryTR.h"
#include "Parser_sent_ta.h"
#include "TextUtil.h"
#include "Transler.h"
#include "VerbAspect.h"

namespace tatengine {
namespace {

TTransKit WordKit(std::u16string_view text, int wordClass) {
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

// The Tatar case of a noun form code: 0 nominative, 1 genitive, 2 dative,
// 3 accusative, 4 ablative, 5 locative; -1 for the other forms.
int TatarCaseOf(int code) {
  if (code >= 1 && code <= 36) return (code - 1) % 6;
  if (code >= 37 && code <= 41) return code - 36;
  if (code >= 42 && code <= 71) return (code - 42) % 6;
  if (code == 87) return 0;
  return -1;
}

int TatarCaseByName(std::u16string_view name) {
  if (name == u"dat") return 2;
  if (name == u"acc") return 3;
  if (name == u"abl") return 4;
  if (name == u"loc") return 5;
  return -1;
}

// Russian singular case-and-number code by case name (plural is one more).
int RussianCaseByName(std::u16string_view name) {
  if (name == u"gen") return 3;
  if (name == u"dat") return 5;
  if (name == u"acc") return 7;
  if (name == u"ins") return 9;
  if (name == u"prep") return 11;
  return 0;
}

// Words that make an action repeated or habitual: еш "often", гел
// "always", көн саен "every day", һәр "every" (һәр көнне) ...
bool IsHabitualWord(std::u16string_view lowered) {
  static constexpr std::u16string_view words[] = {
      u"еш",       u"гел",       u"һәрвакыт", u"һәрчак",  u"кайвакыт", u"кайчак",
      u"кайчакта", u"гадәттә",   u"саен",     u"һәр",     u"һаман",    u"даими",
      u"элек",     u"еш-еш",     u"һәрвакытта", u"көн дә"};
  for (std::u16string_view w : words)
    if (lowered == w) return true;
  return false;
}

bool IsInfinitiveCode(int code) { return code == 5 || code == 6; }

}  // namespace

void TSP_tat::HabitualAspect() {
  bool habitual = false;
  for (int k = FirstWord; k <= LastWord; ++k)
    if (Kits[k].Kind != kkSeparator)
      for (const TTransUnit& reading : Kits[k].Readings)
        habitual = habitual || IsHabitualWord(Lowered(reading.Tat.Source));
  if (!habitual) return;
  // Repeated actions keep the imperfective in the past and the future:
  // һәр көн килде "приходил каждый день", еш килер "будет часто приходить".
  const TVerb& verbs = Translator->Dictionary().Verb;
  for (int k = FirstWord; k <= LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated) continue;
    for (TTransUnit& reading : Kits[k].Readings) {
      if (reading.Rus.WordClass != wcVerb || reading.Tat.WordClass != wcVerb) continue;
      if (reading.Tat.Source.find(u' ') != std::u16string::npos) continue;
      const int code = reading.Tat.EndingCode;
      if (AspectOfForm(code) != awPerfective || code == 96) continue;
      const int row = reading.Tat.StemRow;
      const int entry = verbs.VerbNumber(row);
      const int imperfective = VerbOfAspect(entry, verbs.PartnerNumber(row),
                                            verbs.IsPerfective(entry), awImperfective);
      if (verbs.IsPerfective(imperfective) || imperfective == reading.Rus.StemRow) continue;
      reading.Rus.StemRow = imperfective;
      const TCasePrefix rule = VerbRule(code);
      reading.Rus.Case = rule.Case;
      reading.Rus.Prefix.assign(rule.Prefix);
    }
  }
}

void TSP_tat::GovernObjects() {
  // The Russian verb takes its object in another case than the Tatar ending
  // gives: эттән курыкты "испугался собаки", миңа кара "смотри на меня".
  const TVerb& verbs = Translator->Dictionary().Verb;
  int b = FirstWord;
  while (b <= LastWord) {
    int v = b;
    while (v <= LastWord && Class(v) != wcVerb) ++v;
    if (v > LastWord) break;
    const std::u16string_view gov =
        Tat(v).WordClass == wcVerb ? verbs.Government(Tat(v).StemRow) : std::u16string_view{};
    const size_t colon = gov.find(u':');
    if (colon != std::u16string_view::npos) {
      const int tatCase = TatarCaseByName(gov.substr(0, colon));
      std::u16string_view rest = gov.substr(colon + 1);
      std::u16string_view preposition;
      if (const size_t plus = rest.find(u'+'); plus != std::u16string_view::npos) {
        preposition = rest.substr(0, plus);
        rest = rest.substr(plus + 1);
      }
      const int rusCase = RussianCaseByName(rest);
      int from = b;
      for (int k = b; k < v; ++k)
        if (Kits[k].Kind == kkSeparator) from = k + 1;
      for (int n = from; n < v && rusCase > 0; ++n) {
        const int c = Class(n);
        if (Kits[n].Kind != kkTranslated || !(c & (wcNoun | wcSubNoun))) continue;
        if (TatarCaseOf(Tat(n).EndingCode) != tatCase) continue;
        TFormRus& noun = Rus(n);
        noun.Case = static_cast<uint8_t>(rusCase + (noun.Number == 2 ? 1 : 0));
        noun.Agreed = 1;
        noun.Prefix.clear();
        int start = n;
        while (start - 1 >= from && Kits[start - 1].Kind == kkTranslated &&
               (Class(start - 1) & (wcAdjective | wcNumeral | wcUnchanged07)))
          --start;
        // The preposition the Tatar case brought (от, в, к) goes.
        if (start - 1 >= from && Kits[start - 1].Kind == kkTranslated &&
            Class(start - 1) == wcPostposition && Tat(start - 1).StemRow == 0 &&
            Tat(start - 1).Source.empty()) {
          Kits.erase(Kits.begin() + (start - 1));
          --start;
          --n;
          --v;
          --LastWord;
        }
        if (!preposition.empty()) {
          Kits.insert(Kits.begin() + start, WordKit(preposition, wcPostposition));
          ++n;
          ++v;
          ++LastWord;
        }
      }
    }
    b = v + 1;
  }
}

void TSP_tat::ServeAs() {
  // "табиб булып эшли": a noun with "булып" is what one works or serves as,
  // the instrumental: работает врачом.
  for (int k = FirstWord; k < LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || Class(k) != wcNoun) continue;
    if (Kits[k + 1].Kind != kkTranslated || Lowered(Tat(k + 1).Source) != u"булып") continue;
    if (TatarCaseOf(Tat(k).EndingCode) != 0) continue;
    TFormRus& noun = Rus(k);
    noun.Case = static_cast<uint8_t>(noun.Number == 2 ? 10 : 9);
    noun.Agreed = 1;
    Kits.erase(Kits.begin() + (k + 1));
    --LastWord;
  }
}

void TSP_tat::InfinitiveComplements() {
  // Tatar puts the infinitive before the verb it depends on (йокларга телим,
  // алырга онытма); Russian after it, with the infinitive's object after
  // both: хочу спать, не забудь взять зонт.
  for (int f = FirstWord + 1; f <= LastWord; ++f) {
    const int i = f - 1;
    if (Kits[f].Kind != kkTranslated || Kits[i].Kind != kkTranslated) continue;
    if (Class(f) != wcVerb || Class(i) != wcVerb) continue;
    if (Tat(i).WordClass != wcVerb || !IsInfinitiveCode(Tat(i).EndingCode)) continue;
    if (Tat(i).Source.find(u' ') != std::u16string::npos) continue;
    if (Tat(f).WordClass != wcVerb || IsInfinitiveCode(Tat(f).EndingCode)) continue;
    // The object group right before the infinitive: a noun or pronoun not in
    // the nominative, with its modifiers and preposition.
    int start = i;
    while (start - 1 >= FirstWord && Kits[start - 1].Kind == kkTranslated) {
      const int c = Class(start - 1);
      if (!(c & (wcNoun | wcSubNoun)) || Rus(start - 1).Case <= 2) break;
      int g = start - 1;
      while (g - 1 >= FirstWord && Kits[g - 1].Kind == kkTranslated &&
             (Class(g - 1) & (wcAdjective | wcNumeral | wcUnchanged07)) && Rus(g - 1).Case != 14)
        --g;
      if (g - 1 >= FirstWord && Kits[g - 1].Kind == kkTranslated && Class(g - 1) == wcPostposition)
        --g;
      start = g;
      break;
    }
    // The governing verb goes first, then the infinitive, then the object.
    Move(f, start);
    Move(i + 1, start + 1);
  }
}

}  // namespace tatengine
