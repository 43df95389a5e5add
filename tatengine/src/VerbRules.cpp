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
  if (name == u"nom") return 0;
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

bool IsInfinitiveCode(int code) { return code == 5 || code == 6; }
bool IsImperativeCode(int code) { return code == 2 || code == 3 || code == 11 || code == 12; }

// Words that take an infinitive before them in Tatar and go before it in
// Russian: барырга кирәк "надо идти", керергә ярамый "нельзя входить".
bool IsModalWord(std::u16string_view lowered) {
  return lowered == u"кирәк" || lowered == u"мөмкин" || lowered == u"ярамый" ||
         lowered == u"тиеш" || lowered == u"кирәкми";
}

// "должен" agreeing with the subject's gender and number.
std::u16string_view MustForm(const TFormRus& subject) {
  if (subject.Number == 2 || subject.Gender == 4) return u"должны";
  if (subject.Gender == 2) return u"должна";
  if (subject.Gender == 3) return u"должно";
  return u"должен";
}

}  // namespace

void TSP_tat::PreferImperatives() {
  // An exclamation whose last word reads as an order is the order:
  // "Языгыз!" is "Напишите!", not the noun яз "spring" with "your".
  if (LastWord < 0 || LastWord + 1 >= SlotCount()) return;
  if (Kits[LastWord + 1].Text.find(u'!') == std::u16string::npos) return;
  TTransKit& kit = Kits[LastWord];
  if (kit.Kind != kkTranslated) return;
  for (size_t r = 0; r < kit.Readings.size(); ++r) {
    const TTransUnit& reading = kit.Readings[r];
    if (reading.Rus.WordClass == wcVerb && reading.Tat.WordClass == wcVerb &&
        IsImperativeCode(reading.Tat.EndingCode)) {
      Keep(LastWord, static_cast<int>(r));
      return;
    }
  }
}

bool TSP_tat::IsDoingWhile(int slot, int stemRow) {
  // "сөйләшеп утырдык": sitting, standing or lying while doing something is
  // a state (сидели), not the change into it (сели).
  if (slot <= FirstWord || Kits[slot - 1].Kind != kkTranslated) return false;
  if (Tat(slot - 1).WordClass != wcVerb || Tat(slot - 1).EndingCode != 75) return false;
  const std::u16string_view stem = Translator->Dictionary().Verb.TatarStem(stemRow);
  return stem == u"утыр" || stem == u"тор" || stem == u"ят" || stem == u"йөр";
}

void TSP_tat::HabitualAspect() {
  bool habitual = false;
  for (int k = FirstWord; k <= LastWord; ++k) {
    if (Kits[k].Kind == kkSeparator) continue;
    // "өч ел элек" is "three years ago", a point in time; "элек" alone is
    // "раньше", a habit.
    if (Source(k) == u"элек" && k > FirstWord && (IsTimeUnit(k - 1) || IsCountWord(k - 1))) continue;
    for (const TTransUnit& reading : Kits[k].Readings)
      habitual = habitual || IsHabitualWord(Lowered(reading.Tat.Source));
  }
  // A number of days, years ... says how long: өч көн тордык "жили три дня";
  // not "өч көн эчендә" (за три дня) nor "өч көннән" (через три дня).
  for (int k = FirstWord; k < LastWord; ++k)
    if (Kits[k].Kind == kkTranslated && Class(k) == wcNumeral && Kits[k + 1].Kind == kkTranslated &&
        Source(k + 2) != u"эчендә" && Source(k + 2) != u"элек" && Source(k + 2) != u"соң" &&
        !IsAblativeEnding(Tat(k + 1).EndingCode)) {
      const std::u16string unit = Lowered(Tat(k + 1).Source);
      habitual = habitual || unit == u"көн" || unit == u"ел" || unit == u"атна" || unit == u"ай" ||
                 unit == u"сәгать" || unit == u"минут";
    }
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
      if (!habitual && !IsDoingWhile(k, reading.Tat.StemRow)) continue;
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
        !Rus(v).Government.empty() ? std::u16string_view(Rus(v).Government)
        : Tat(v).WordClass == wcVerb ? verbs.Government(Tat(v).StemRow) : std::u16string_view{};
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
      int from = ClauseStart(b, v);
      for (int n = from; n < v && rusCase > 0; ++n) {
        const int c = Class(n);
        if (Kits[n].Kind != kkTranslated || !(c & (wcNoun | wcSubNoun))) continue;
        if (TatarCaseOf(Tat(n).EndingCode) != tatCase) continue;
        // A bare (nominative) object is the noun right before the verb.
        if (tatCase == 0 && n != v - 1) continue;
        TFormRus& noun = Rus(n);
        const int code = Tat(n).EndingCode;
        const bool plural = noun.Number == 2 || (code >= 37 && code <= 71) || code == 87;
        noun.Case = static_cast<uint8_t>(rusCase + (plural ? 1 : 0));
        if (plural) noun.Number = 2;
        noun.Agreed = 1;
        noun.Prefix.clear();
        int start = n;
        // A pronoun object takes no modifiers, and the pronoun "ул" (the glue
        // rules left it a list-07 word, not the adjective "тот") is the
        // subject: neither goes inside the preposition.
        while (c != wcSubNoun && start - 1 >= from && Kits[start - 1].Kind == kkTranslated &&
               (Class(start - 1) & (wcAdjective | wcNumeral | wcUnchanged07)) &&
               !(Class(start - 1) == wcUnchanged07 && Lowered(Tat(start - 1).Source) == u"ул"))
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
          Kits.insert(Kits.begin() + start, FixedKit(preposition, wcPostposition));
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
    // "Ул табиб булып": ул is the pronoun "он", not "тот" with the noun.
    const int d = k - 1;
    if (d >= FirstWord && Kits[d].Kind == kkTranslated && Class(d) != wcSubNoun &&
        Lowered(Tat(d).Source) == u"ул") {
      TTransKit fresh;
      bool usedNext = false;
      fresh.Kind = kkTranslated;
      if (Translator->Dictionary().Lookup(Tat(d).Source, {}, usedNext, fresh))
        for (size_t r = 0; r < fresh.Readings.size(); ++r)
          if (fresh.Readings[r].Rus.WordClass == wcSubNoun) {
            TTransUnit pronoun = fresh.Readings[r];
            Kits[d].Readings.assign(1, pronoun);
            break;
          }
    }
  }
}

void TSP_tat::SpeakerGender() {
  // "я", "ты" are never neuter: a past in the 1st or 2nd person singular
  // that took a neuter subject from an earlier sentence is masculine.
  for (int k = FirstWord; k <= LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || Class(k) != wcVerb || Tat(k).WordClass != wcVerb) continue;
    const int code = Tat(k).EndingCode;
    const bool speaker = code == 27 || code == 28 || code == 33 || code == 34 || code == 39 ||
                         code == 40 || code == 45 || code == 46;
    if (speaker && Rus(k).Number != 2 && Rus(k).Gender == 3) Rus(k).Gender = 1;
  }
}

void TSP_tat::OptativesAfterAyda() {
  // "Әйдәгез, чәй эчик!": әйдә already says "давай(те)"; the verb drops
  // its own: Давайте выпьем чаю.
  bool ayda = false;
  for (int k = FirstWord; k <= LastWord; ++k) {
    if (Kits[k].Kind == kkSeparator) continue;
    const std::u16string low = Lowered(Tat(k).Source);
    if (low == u"әйдә" || low == u"әйдәгез" || low == u"әйдәле") {
      ayda = true;
      continue;
    }
    if (!ayda || Class(k) != wcVerb || Tat(k).WordClass != wcVerb) continue;
    TFormRus& verb = Rus(k);
    if (Tat(k).EndingCode == 96 && verb.Prefix == u"давай ") verb.Prefix.clear();
    if (Tat(k).EndingCode == 98 && verb.Prefix == u"давай не ") verb.Prefix = u"не ";
  }
}

void TSP_tat::InfinitiveComplements() {
  // Tatar puts the infinitive before the verb it depends on (йокларга телим,
  // алырга онытма); Russian after it, with the infinitive's object after
  // both: хочу спать, не забудь взять зонт.
  for (int i = FirstWord; i < LastWord; ++i) {
    if (Kits[i].Kind != kkTranslated || Class(i) != wcVerb || Tat(i).WordClass != wcVerb) continue;
    if (!IsInfinitiveCode(Tat(i).EndingCode)) continue;
    // A two-word slot is a modal analysis (күрә алырга) unless the lexicon
    // lists it as one verb (балык тотарга: рыбачить).
    if (Tat(i).Source.find(u' ') != std::u16string::npos && (Rus(i).StemRow == 2037 || Rus(i).StemRow == 5249))
      continue;
    const int f = i + 1;
    if (Kits[f].Kind != kkTranslated) continue;
    const bool modal = IsModalWord(Lowered(Tat(f).Source));
    const bool finite = Class(f) == wcVerb && Tat(f).WordClass == wcVerb &&
                        !IsInfinitiveCode(Tat(f).EndingCode);
    if (!modal && !finite) continue;
    if (modal && Lowered(Tat(f).Source) == u"тиеш") {
      // "барырга тиеш": должен, agreeing with the subject.
      const int subject = SubjectOf(FirstWord, i);
      TFormRus who = subject >= 0 ? Rus(subject) : SubjectForm;
      if (subject >= 0 && Class(subject) == wcSubNoun) {
        const std::u16string low = Lowered(Tat(subject).Source);
        if (low == u"без" || low == u"сез" || low == u"алар") who.Number = 2;
      }
      TTransUnit& reading = Kits[f].Readings[0];
      const bool past = reading.Rus.Prefix.starts_with(u"был");
      reading.Rus.WordClass = wcUnchanged03;
      reading.Rus.FoundClass = wcUnchanged03;
      reading.Rus.StemRow = -1;
      reading.Rus.Prefix.clear();
      reading.Rus.Suffix.clear();
      reading.Rus.RusText.assign(MustForm(who));
      // "тиеш иде": должен был.
      if (past) {
        const std::u16string_view must = MustForm(who);
        reading.Rus.RusText += must == u"должна"   ? u" была"
                               : must == u"должно" ? u" было"
                               : must == u"должны" ? u" были"
                                                   : u" был";
      }
      Kits[f].Readings.resize(1);
    }
    // The object group right before the infinitive: a noun or pronoun in an
    // oblique case, or a bare noun where the verb's person shows it is no
    // subject (чатыр алырга онытма), with its modifiers and preposition.
    int start = i;
    if (i - 1 >= FirstWord && Kits[i - 1].Kind == kkTranslated &&
        (Class(i - 1) & (wcNoun | wcSubNoun))) {
      const bool bare = Rus(i - 1).Case <= 2;
      const bool object = !bare || (finite && Class(i - 1) == wcNoun && SubjectOf(FirstWord, i - 1) >= 0) ||
                          (finite && Class(i - 1) == wcNoun &&
                           (IsImperativeCode(Tat(f).EndingCode) || IsSpeakerVerb(f)));
      if (object) {
        if (bare && Class(i - 1) == wcNoun) {
          Rus(i - 1).Case = static_cast<uint8_t>(Rus(i - 1).Number == 2 ? 8 : 7);
          Rus(i - 1).Agreed = 1;
        }
        int g = i - 1;
        while (g - 1 >= FirstWord && Kits[g - 1].Kind == kkTranslated &&
               (Class(g - 1) & (wcAdjective | wcNumeral | wcUnchanged07)) && Rus(g - 1).Case != 14)
          --g;
        if (g - 1 >= FirstWord && Kits[g - 1].Kind == kkTranslated && Class(g - 1) == wcPostposition)
          --g;
        start = g;
      }
    }
    // The governing word goes first, then the infinitive, then the object.
    Move(f, start);
    Move(i + 1, start + 1);
  }
  // A finite verb that an earlier rule moved before the infinitive's object
  // (думаем на море поехать) takes the infinitive right after it.
  for (int i = FirstWord + 1; i <= LastWord; ++i) {
    if (Kits[i].Kind != kkTranslated || Class(i) != wcVerb || Tat(i).WordClass != wcVerb) continue;
    if (!IsInfinitiveCode(Tat(i).EndingCode)) continue;
    if (i < LastWord && Kits[i + 1].Kind == kkTranslated) continue;  // not at the clause end
    int k = i - 1;
    while (k >= FirstWord && Kits[k].Kind == kkTranslated &&
           (Class(k) & (wcNoun | wcSubNoun | wcAdjective | wcNumeral | wcUnchanged07 |
                        wcPostposition)))
      --k;
    if (k < FirstWord || k == i - 1 || Kits[k].Kind != kkTranslated || Class(k) != wcVerb) continue;
    if (IsInfinitiveCode(Tat(k).EndingCode)) continue;
    Move(i, k + 1);
  }
}

void TSP_tat::VerbsBeforeObjects() {
  // "Бәрәңге алырга кирәк": надо goes before what is needed, after the one
  // who needs it: Мне надо купить картошку.
  for (int v = FirstWord + 1; v <= LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb) continue;
    if (!Rus(v).Prefix.starts_with(u"надо ")) continue;
    if (v < LastWord && Kits[v + 1].Kind == kkTranslated) continue;
    int from = FirstWord;
    for (int k = FirstWord; k < v; ++k)
      if (Kits[k].Kind == kkSeparator) from = k + 1;
    int to = from;
    while (to < v && Kits[to].Kind == kkTranslated &&
           ((Class(to) & wcAdverb) ||
            ((Class(to) & (wcNoun | wcSubNoun)) && (Rus(to).Case == 5 || Rus(to).Case == 6))))
      ++to;
    if (to >= v) continue;
    for (int k = to; k < v; ++k)
      if (Kits[k].Kind == kkTranslated && Class(k) == wcNoun && Rus(k).Case <= 2) {
        Rus(k).Case = static_cast<uint8_t>(Rus(k).Number == 2 ? 8 : 7);
        Rus(k).Agreed = 1;
      }
    Move(v, to);
  }
  int b = FirstWord;
  while (b <= LastWord) {
    int v = b;
    while (v <= LastWord && Class(v) != wcVerb) ++v;
    if (v > LastWord) break;
    int from = ClauseStart(b, v);
    const bool clauseEnd = v == LastWord || Kits[v + 1].Kind == kkSeparator;
    const int code = Tat(v).WordClass == wcVerb ? Tat(v).EndingCode : 0;
    const bool comma = v < LastWord && Kits[v + 1].Text.find(u',') != std::u16string::npos;
    if (clauseEnd && comma && v > from && Rus(v).Case == 14 && Rus(v).Prefix.empty() &&
        (code == 75 || code == 79)) {
      // A gerund opens its clause: Вернувшись с работы, он отдохнул.
      Move(v, from);
    } else if (clauseEnd && v > from && (IsImperativeCode(code) || (code >= 95 && code <= 98)) &&
               SubjectOf(from, v) < 0) {
      // An order or a proposal goes first, after the adverbs that open the
      // clause: Смотри на меня! Потом давай пойдём в кино.
      // "әйдә" that opens the clause stays before the proposal (Әйдә бергә
      // барыйк: Давай пойдём вместе).
      int to = from;
      while (to < v && Kits[to].Kind == kkTranslated &&
             (Class(to) == wcAdverb || Source(to) == u"әйдә" || Source(to) == u"әйдәгез" || Source(to) == u"әйдәле"))
        ++to;
      if (to < v) Move(v, to);
    } else if (clauseEnd && v > from && Tat(v).WordClass == wcVerb) {
      // A governed genitive is no possessor of the subject: Мальчик
      // испугался собаки.
      const std::u16string_view gov = Translator->Dictionary().Verb.Government(Tat(v).StemRow);
      const int n = v - 1;
      if (gov.ends_with(u":gen") && (Class(n) & (wcNoun | wcSubNoun)) &&
          (Rus(n).Case == 3 || Rus(n).Case == 4)) {
        int g = n;
        while (g - 1 >= from && Kits[g - 1].Kind == kkTranslated &&
               (Class(g - 1) & (wcAdjective | wcNumeral | wcUnchanged07)))
          --g;
        if (g > from && SubjectOf(from, g) >= 0) Move(v, g);
      }
    }
    b = v + 1;
  }
}

}  // namespace tatengine
