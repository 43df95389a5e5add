// Modal constructions: "-а ал" (мочь; смог in the past and the future),
// "-а бел" (уметь), "-асы килә" (хотеть, in the person of the possessive),
// "-ып кара" (попробовать) and "-ырга ярат / сөй" (любить). The modal verb
// takes the place and the agreement of the Tatar verb group; the main verb
// follows it as an infinitive, and the object that stood before the group
// goes after the modal (не смог его увидеть).
#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "TextUtil.h"
#include "Transler.h"

namespace tatengine {
namespace {

constexpr int kCanVerb = 2037;  // мочь
constexpr int kTryVerb = 5249;  // попробовать

std::u16string Infinitive(const TVerb& verb, int number) {
  const int row = FindNumber(verb.VerbForms, number);
  return row < 0 ? std::u16string{} : std::u16string(CellAt(verb.VerbForms, row, 3));
}

// The infinitive of a Tatar stem row's verb: the perfective of the pair when
// asked for and there is one, else the entry's own verb.
std::u16string MainInfinitive(const TVerb& verb, int stemRow, bool perfective) {
  const int entry = verb.VerbNumber(stemRow);
  const int partner = verb.PartnerNumber(stemRow);
  int chosen = entry;
  if (perfective && !verb.IsPerfective(entry) && partner > 0) chosen = partner;
  return Infinitive(verb, chosen);
}

std::u16string FirstWordOf(std::u16string_view text) {
  const size_t blank = text.find(u' ');
  return std::u16string(blank == std::u16string_view::npos ? text : text.substr(0, blank));
}

bool IsPastCode(int c) { return c >= 27 && c <= 50; }
bool IsFutureCode(int c) { return c >= 51 && c <= 74; }

// The person (0-5: 1sg, 2sg, 3sg, 1pl, 2pl, 3pl) of an -асы form, or -1.
int PersonOfAsy(int code) {
  switch (code) {
    case 101: return 0;
    case 103: return 1;
    case 104: return 2;
    case 102: return 3;
    case 99: return 4;
    case 100: return 5;
    default: return -1;
  }
}

}  // namespace

void TSP_tat::NominativeWanter(int verb) {
  // "Минем кайтасым килә": the one who wants is the subject (Я хочу).
  static constexpr std::u16string_view genitives[] = {u"минем", u"синең", u"аның",
                                                      u"безнең", u"сезнең", u"аларның"};
  static constexpr std::u16string_view nominatives[] = {u"я", u"ты", u"он", u"мы", u"вы", u"они"};
  for (int k = ClauseStart(verb); k < verb; ++k)
    for (int p = 0; p < 6; ++p)
      if (Kits[k].Kind != kkSeparator && Source(k) == genitives[p]) {
        Kits[k] = FixedKit(nominatives[p]);
        Tat(k).Source = genitives[p];
        return;
      }
}

void TSP_tat::PreferModalInfinitives() {

  // "җырларга ярата": the word before "ярат" / "сөй" is the infinitive (любит
  // петь), not a dative noun. So it is before the verbs of wanting, trying,
  // learning and starting (эшләргә тели, йөзәргә өйрәнә) and before the
  // words of need and leave (әзерләргә тиеш, борчылырга кирәк, керергә
  // ярый): -ларга/-ләргә there is the infinitive, not a plural dative.
  static constexpr std::u16string_view needWords[] = {u"тиеш", u"кирәк", u"ярый", u"ярамый", u"мөмкин"};
  static constexpr std::u16string_view modalStems[] = {u"ярат", u"сөй", u"тел", u"өйрән", u"тырыш", u"башла"};
  const TVerb& verb = Translator->Dictionary().Verb;
  for (int k = FirstWord; k < LastWord; ++k) {
    if (Kits[k + 1].Kind != kkTranslated || Kits[k].Kind != kkTranslated) continue;
    int next = -1;
    bool modal = false;
    if (HasReading(k + 1, wcVerb, next) && Kits[k + 1].Readings[next].Tat.WordClass == wcVerb) {
      const std::u16string_view stem = verb.TatarStem(Kits[k + 1].Readings[next].Tat.StemRow);
      for (std::u16string_view s : modalStems) modal = modal || stem == s;
    }
    const std::u16string word = Lowered(Kits[k + 1].Readings[0].Tat.Source);
    bool need = false;
    for (std::u16string_view w : needWords) need = need || word.starts_with(w);
    if (!modal && !need) continue;
    for (int r = 0; r < static_cast<int>(Kits[k].Readings.size()); ++r) {
      const TTransUnit& reading = Kits[k].Readings[r];
      if (reading.Tat.WordClass == wcVerb && (reading.Tat.EndingCode == 5 || reading.Tat.EndingCode == 6)) {
        Keep(k, r);
        if (modal) Keep(k + 1, next);
        break;
      }
    }
  }
}

void TSP_tat::ModalVerbs() {
  const TVerb& verb = Translator->Dictionary().Verb;
  for (int k = FirstWord; k <= LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || Class(k) != wcVerb || Tat(k).WordClass != wcVerb) continue;
    const std::u16string source = Lowered(Tat(k).Source);
    std::u16string infinitive;
    int modal = -1;  // the slot of the modal verb once rewritten
    int mainSlot = -1;  // the slot of the main verb when it has one of its own

    if ((Rus(k).StemRow == kCanVerb || Rus(k).StemRow == kTryVerb) && source.find(u' ') != std::u16string::npos) {
      // One slot from the analyser ("күрә алмадым": мог видеть).
      TFormTat mainTat;
      TFormRus mainRus;
      if (!verb.AnalyseWord(FirstWordOf(source), mainTat, mainRus)) continue;
      const int code = Tat(k).EndingCode;
      TFormRus& rus = Rus(k);
      const bool negative = IsNegativeVerbEnding(code);
      // Asking whether one can is about doing it once: Ты можешь помочь?
      bool perfective = rus.StemRow == kTryVerb || IsPastCode(code) || IsFutureCode(code) || negative ||
                        (rus.StemRow == kCanVerb && IsAsked(k));
      if (rus.StemRow == kCanVerb && (IsPastCode(code) || IsFutureCode(code))) {
        // Every form of "смочь" is "с" + the form of "мочь" (смог, смогу);
        // its future is the present's form.
        const TCasePrefix rule = VerbRule(code);
        rus.Case = rule.Case;
        if (IsFutureCode(code)) {
          static constexpr uint8_t present[6] = {3, 4, 5, 7, 8, 9};
          rus.Case = present[(code - 51) % 6];
        }
        rus.Prefix.assign(negative ? u"не с" : u"с");
      }
      rus.Suffix.clear();
      infinitive = MainInfinitive(verb, mainTat.StemRow, perfective);
      modal = k;
    } else if (k < LastWord && Kits[k + 1].Kind == kkTranslated && Class(k + 1) == wcVerb &&
               Tat(k + 1).WordClass == wcVerb && Tat(k + 1).Source.find(u' ') == std::u16string::npos) {
      const std::u16string_view aux = verb.TatarStem(Tat(k + 1).StemRow);
      const int code = Tat(k).EndingCode;
      const int auxCode = Tat(k + 1).EndingCode;
      const int person = PersonOfAsy(code);
      int number = -1;
      int form = auxCode;
      if (aux == u"бел" && code == 17) {
        // "йөзә белә": умеет плавать.
        number = VerbNumberOf(verb, u"уметь");
      } else if (aux == u"кил" && person >= 0 && auxCode >= 15 && auxCode <= 50) {
        // "кайтасым килә": хочу вернуться; the person is the possessive's.
        number = VerbNumberOf(verb, u"хотеть");
        const int base = auxCode - (auxCode - 15) % 6;
        form = base + person;
      }
      if (number < 0) continue;
      const bool negative = IsNegativeVerbEnding(auxCode);
      TFormRus& rus = Rus(k + 1);
      const TCasePrefix rule = VerbRule(form);
      rus.StemRow = number;
      rus.Case = rule.Case;
      rus.Prefix.assign(rule.Prefix);
      if (negative && rus.Prefix.find(u"не ") == std::u16string::npos) rus.Prefix.insert(0, u"не ");
      rus.Suffix.clear();
      if (person >= 0) {
        rus.Number = person >= 3 ? 2 : 1;
        Kits[k + 1].Readings.resize(1);
      }
      infinitive = MainInfinitive(verb, Tat(k).StemRow, false);
      if (person >= 0) NominativeWanter(k);
      mainSlot = k;
      modal = k + 1;
    }
    if (modal < 0 || infinitive.empty()) continue;

    TTransKit main = FixedKit(infinitive);
    main.Readings[0].Tat.Source = mainSlot >= 0 ? Tat(mainSlot).Source : FirstWordOf(source);
    int at = modal;  // where the group starts
    if (mainSlot >= 0) {
      main.Capital = Kits[mainSlot].Capital;
      Kits.erase(Kits.begin() + mainSlot);
      --LastWord;
      at = mainSlot;
      modal = mainSlot;
    }
    // The object group before the verb group goes after the modal verb.
    int start = at;
    const int subject = SubjectOf(FirstWord, at);
    const bool bare = start - 1 >= FirstWord && Class(start - 1) == wcNoun && Rus(start - 1).Case <= 2 &&
                      SubjectOf(FirstWord, start - 1) >= 0;
    if (bare) {
      // A bare noun after the subject is the object (китап укып карадым).
      Rus(start - 1).Case = static_cast<uint8_t>(Rus(start - 1).Number == 2 ? 8 : 7);
      Rus(start - 1).Agreed = 1;
    }
    if (start - 1 >= FirstWord && Kits[start - 1].Kind == kkTranslated &&
        (Class(start - 1) & (wcNoun | wcSubNoun)) && (bare || Rus(start - 1).Case > 2) &&
        Rus(start - 1).Case != 14) {
      --start;
      while (start - 1 >= FirstWord && start - 1 != subject && Kits[start - 1].Kind == kkTranslated &&
             ((Class(start - 1) & (wcAdjective | wcNumeral)) ||
              (IsDeterminerOf(start - 1) && !IsPersonalPronoun(Source(start - 1)))) &&
             Rus(start - 1).Case != 14)
        --start;
    }
    Kits.insert(Kits.begin() + modal + 1, std::move(main));
    ++LastWord;
    if (start < at) {
      // A pronoun stays between the two (не смог его увидеть); a noun group
      // follows the infinitive (хочу прочитать эту книгу).
      if (Class(at - 1) != wcSubNoun) {
        Move(modal + 1, start);
        ++modal;
      }
      Move(modal, start);
    }
    k = modal + 1;
  }
}

}  // namespace tatengine
