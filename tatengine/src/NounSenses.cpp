// Senses of nouns chosen by the words around them. A Tatar noun comes with
// one Russian noun; a context rule gives it another that the lexicon keeps
// on the same stem (тәмле аш: вкусный суп, but аш: еда; начар һава: плохая
// погода, but саф һава: чистый воздух; ял алды: взял отпуск). The new noun
// serves every case, number and possessive, and the words that agree with
// it follow its gender because this pass runs before agreement.
#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "Senses.h"
#include "TextUtil.h"
#include "Transler.h"

namespace tatengine {
namespace {

// Words that qualify a noun from before it: adjectives, numerals,
// participles, agreeing pronouns (бу, теге) and nouns; any other word ends
// the noun phrase (иртәгә кинога: в кино).
bool MayQualify(int wordClass) {
  return (wordClass & (wcAdjective | wcNumeral | wcParticiple | wcUnchanged07 | wcNoun | wcSubNoun)) != 0;
}

}  // namespace

bool TSP_tat::NounSenseContext(const TSenseRule& rule, int n) {
  const bool any = rule.Context.size() == 1 && rule.Context[0] == u"*";
  const int caseNo = CaseOfEnding(Tat(n).EndingCode);
  switch (rule.Relation) {
    case srModifier: {
      // The words before it in its noun phrase (иң кыска юл, тәмле кайнар аш);
      // "*" takes any qualifier but a noun (бу кино, яхшы кино).
      for (int j = n - 1; j >= FirstWord && Kits[j].Kind == kkTranslated && MayQualify(Class(j)); --j) {
        const bool noun = (Class(j) & (wcNoun | wcSubNoun)) != 0;
        if ((!any || !noun) && SenseContextMatches(rule, j)) return true;
        if (!(Class(j) & (wcAdjective | wcNumeral))) break;
      }
      // The predicate adjective of the noun as subject (Һава бүген начар):
      // the clause ends in it, or in иде, түгел or a form of бул after it.
      if (caseNo != 0 || any) return false;
      int a = n + 1;
      while (a <= LastWord && Kits[a].Kind == kkTranslated && Class(a) == wcAdverb && !HasReading(a, wcAdjective))
        ++a;
      if (a > LastWord || !HasReading(a, wcAdjective)) return false;
      if (a < LastWord && Kits[a + 1].Kind == kkTranslated) {
        const std::u16string after = Lowered(Source(a + 1));
        if (!after.starts_with(u"иде") && !after.starts_with(u"түгел") && !after.starts_with(u"бул")) return false;
      }
      return SenseContextMatches(rule, a);
    }
    case srNext:
      return n < LastWord && Kits[n + 1].Kind == kkTranslated && SenseContextMatches(rule, n + 1);
    case srVerb: {
      // The subject or the object: nominative or accusative, with the verb
      // later in its clause.
      if (caseNo != 0 && caseNo != 3) return false;
      for (int v = n + 1; v <= LastWord && Kits[v].Kind == kkTranslated; ++v)
        if (Class(v) == wcVerb && Tat(v).WordClass == wcVerb) return SenseContextMatches(rule, v);
      return false;
    }
    default:
      return false;
  }
}

void TSP_tat::NounSenses() {
  const TDictionaryTR& d = Translator->Dictionary();
  if (d.Senses.RuleCount() == 0) return;
  for (int n = FirstWord; n <= LastWord; ++n) {
    if (Kits[n].Kind != kkTranslated || Class(n) != wcNoun || Tat(n).WordClass != wcNoun) continue;
    // The plural of a mass noun names kinds or portions, which its own
    // entry already says (тәмле ашлар: вкусные блюда, тәмле аш: вкусный суп).
    if (Rus(n).Number == 2 && d.Noun.IsMass(Rus(n).StemRow)) continue;
    for (const TSenseRule& rule : d.Senses.RulesOf(TatarLemmaOf(n))) {
      if (!IsNounRelation(rule.Relation) || !NounSenseContext(rule, n)) continue;
      // The first rule that matches wins, also one that names the noun's
      // own word (саф һава: воздух) and so changes nothing.
      for (TTransUnit& reading : Kits[n].Readings)
        if (reading.Tat.WordClass == wcNoun && reading.Rus.WordClass == wcNoun)
          d.Noun.TakeContextSense(reading.Rus, rule.Russian);
      break;
    }
  }
}

}  // namespace tatengine
