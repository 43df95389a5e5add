// Senses chosen by the words around a verb or an adjective. A Tatar verb
// comes with one Russian verb; in a known context it says another one
// (хат алдым: получил письмо; тәрәзәне ватты: разбил окно; Казанга бардык:
// поехали в Казань), and an adjective says another adjective by its noun
// (озын кеше: высокий человек). The rules are data (senses.coll, see
// Senses.h); this pass finds each rule's context word and swaps the reading.
// Also "әле" before a negated verb: "ещё" right before it.
#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "Senses.h"
#include "TextUtil.h"
#include "Transler.h"
#include "VerbAspect.h"

namespace tatengine {
namespace {

// The Tatar lemma of a stem row: column 4 where the table has it, else the
// stem itself.
std::u16string_view StemLemma(const zentrok::TTable& stems, int row) {
  if (row < 0 || row >= stems.RowCount()) return {};
  return CellAt(stems, row, stems.RowLength(row) > 4 ? 4 : 0);
}

bool EndsInLocative(std::u16string_view low) {
  return low.ends_with(u"да") || low.ends_with(u"дә") || low.ends_with(u"та") || low.ends_with(u"тә");
}

}  // namespace

int CaseOfEnding(int code) {
  if (code >= 1 && code <= 36) return (code - 1) % 6;
  if (code >= 37 && code <= 41) return code - 36;
  if (code >= 42 && code <= 71) return (code - 42) % 6;
  if (code == 87) return 0;
  return -1;
}

std::u16string TSP_tat::TatarLemmaOf(int slot) {
  if (slot < FirstWord || slot > LastWord || Kits[slot].Kind != kkTranslated) return {};
  const TDictionaryTR& d = Translator->Dictionary();
  const TFormTat& tat = Tat(slot);
  std::u16string_view lemma;
  switch (tat.WordClass) {
    case wcNoun: lemma = StemLemma(d.Noun.Stems, tat.StemRow); break;
    case wcSubNoun: lemma = StemLemma(d.SubNoun.Stems, tat.StemRow); break;
    case wcAdjective: lemma = StemLemma(d.Adj.Stems, tat.StemRow); break;
    case wcVerb: lemma = StemLemma(d.Verb.Stems, tat.StemRow); break;
    default: break;
  }
  return lemma.empty() ? Source(slot) : std::u16string(lemma);
}

bool TSP_tat::SenseContextMatches(const TSenseRule& rule, int slot) {
  const std::u16string lemma = TatarLemmaOf(slot);
  for (const std::u16string& word : rule.Context) {
    if (word == u"*") return true;
    if (word == u"@placename") {
      // A proper name that names no person: a town, a country, a river.
      if (Class(slot) == wcNoun && !lemma.empty() && IsUpperChar(lemma[0]) && Rus(slot).Variant != 1)
        return true;
    } else if (word[0] == u'@') {
      if (Translator->Dictionary().Senses.InClass(word, lemma)) return true;
    } else if (word == lemma) {
      return true;
    }
  }
  return false;
}

int TSP_tat::SenseContextSlot(const TSenseRule& rule, int from, int verb) {
  const bool any = rule.Context.size() == 1 && rule.Context[0] == u"*";
  if (rule.Relation == srSubject) {
    const int s = SubjectOf(from, verb);
    return s >= 0 && SenseContextMatches(rule, s) ? s : -1;
  }
  for (int k = verb - 1; k >= from; --k) {
    if (Kits[k].Kind != kkTranslated) continue;
    const bool noun = (Class(k) & (wcNoun | wcSubNoun)) != 0;
    const int caseNo = noun ? CaseOfEnding(Tat(k).EndingCode) : -1;
    bool related = false;
    switch (rule.Relation) {
      case srObject: {
        // A definite object takes the accusative; an indefinite one is a
        // bare word right before the verb (хат язды, сәлам әйт).
        const bool bare = k == verb - 1 && (!noun || (caseNo == 0 && IsBareNounEnding(Tat(k).EndingCode)));
        related = (noun && caseNo == 3) || (bare && !any);
        break;
      }
      case srDative: related = noun && caseNo == 2; break;
      case srAblative: related = noun && caseNo == 4; break;
      case srLocative: related = (noun && caseNo == 5) || (any && EndsInLocative(Source(k))); break;
      case srWith: related = noun && k + 1 < verb && Source(k + 1) == u"белән"; break;
      case srBefore: related = true; break;
      default: break;
    }
    if (related && SenseContextMatches(rule, k)) return k;
  }
  return -1;
}

void TSP_tat::SwapVerbSense(int v, const TSenseRule& rule, int context) {
  const TVerb& verbs = Translator->Dictionary().Verb;
  for (TTransUnit& reading : Kits[v].Readings) {
    if (reading.Rus.WordClass != wcVerb || reading.Tat.WordClass != wcVerb) continue;
    const int code = reading.Tat.EndingCode;
    bool perfective = verbs.IsPerfective(reading.Rus.StemRow);
    // A verb without an aspect partner said the imperfective in every form;
    // the new verb takes the aspect the form asks for (эшләде: сделал).
    const bool choose = verbs.PartnerNumber(reading.Tat.StemRow) <= 0 && rule.Imperfective != rule.Perfective;
    if (choose) perfective = AspectOfForm(code) == awPerfective && !IsNegativeVerbEnding(code);
    const int number = perfective ? rule.Perfective : rule.Imperfective;
    if (number <= 0) continue;
    if (choose && perfective && code >= 51 && code <= 74) {
      // The future of a perfective verb is its present form (сделаю).
      static constexpr uint8_t present[6] = {3, 4, 5, 7, 8, 9};
      reading.Rus.Case = present[(code - 51) % 6];
      reading.Rus.Prefix.assign(IsNegativeVerbEnding(code) ? u"не " : u"");
    }
    reading.Rus.StemRow = number;
    if (!rule.Government.empty()) {
      reading.Rus.Government = rule.Government;
      // A bare object right before the verb stands in the nominative.
      if (context >= 0 && rule.Relation == srObject && CaseOfEnding(Tat(context).EndingCode) == 0 &&
          reading.Rus.Government.starts_with(u"acc:"))
        reading.Rus.Government.replace(0, 3, u"nom");
    }
  }
}

void TSP_tat::ContextSenses() {
  const TDictionaryTR& d = Translator->Dictionary();
  if (d.Senses.RuleCount() == 0) return;
  for (int v = FirstWord; v <= LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated) continue;
    const int from = ClauseStart(v);
    if (Class(v) == wcVerb && Tat(v).WordClass == wcVerb) {
      // Of the two-word groups only "надо" + infinitive keeps the verb's own sense.
      if (Tat(v).Source.find(u' ') != std::u16string::npos && !Rus(v).Prefix.starts_with(u"надо "))
        continue;
      // After an -ып converb the verb is an auxiliary (укып тора: keeps reading).
      if (v > from && Class(v - 1) == wcVerb && Tat(v - 1).EndingCode == 75) continue;
      for (const TSenseRule& rule : d.Senses.RulesOf(TatarLemmaOf(v))) {
        if (rule.Relation == srHead || IsNounRelation(rule.Relation)) continue;
        const int context = SenseContextSlot(rule, from, v);
        if (context < 0) continue;
        SwapVerbSense(v, rule, context);
        break;
      }
    } else if (Class(v) == wcAdjective && Tat(v).WordClass == wcAdjective) {
      const auto& rules = d.Senses.RulesOf(TatarLemmaOf(v));
      if (rules.empty()) continue;
      // The noun it goes with follows it; a predicate adjective ending its
      // clause goes with the subject (Ул озын: он высокий).
      int head = v + 1;
      while (head <= LastWord && Kits[head].Kind == kkTranslated && (Class(head) & (wcAdjective | wcNumeral)))
        ++head;
      if (head > LastWord || Kits[head].Kind != kkTranslated || !(Class(head) & (wcNoun | wcSubNoun))) {
        const bool last = v == LastWord || Kits[v + 1].Kind != kkTranslated;
        head = last ? SubjectOf(from, v) : -1;
      }
      if (head < 0) continue;
      for (const TSenseRule& rule : rules) {
        if (rule.Relation != srHead || !SenseContextMatches(rule, head)) continue;
        const int row = d.Adj.RelativeRow(rule.Russian);
        if (row < 0) continue;
        for (TTransUnit& reading : Kits[v].Readings)
          if (reading.Rus.WordClass == wcAdjective && reading.Tat.WordClass == wcAdjective)
            reading.Rus.StemRow = row;
        break;
      }
    }
  }
}

void TSP_tat::StillNot() {
  // "әле" + a negated verb: not yet, "ещё" just before "не".
  for (int a = FirstWord; a <= LastWord; ++a) {
    if (Kits[a].Kind != kkTranslated || Source(a) != u"әле") continue;
    int v = a + 1;
    while (v <= LastWord && Kits[v].Kind == kkTranslated && Class(v) != wcVerb) ++v;
    if (v > LastWord || Kits[v].Kind != kkTranslated) continue;
    const TFormRus& verb = Rus(v);
    if (!verb.Prefix.starts_with(u"не ") && verb.Prefix.find(u" не ") == std::u16string::npos)
      continue;
    TTransKit still = FixedKit(u"ещё");
    still.Readings[0].Tat.Source = u"әле";
    still.Capital = Kits[a].Capital;
    Kits[a] = std::move(still);
    Move(a, v - 1);
  }
}

}  // namespace tatengine
