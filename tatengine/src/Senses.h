// Context senses: the Russian word a Tatar verb, adjective or noun says
// when a given word stands beside it in a given relation, read from the optional
// data file "senses.coll" (written by the data compiler from senses.tsv).
// Item "rules": Tatar word, relation, context words joined by commas,
// Russian word, imperfective and perfective verb numbers, government
// ("acc:в+acc", empty: the verb's own). Item "classes": class name, member.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace tatengine {

enum TSenseRelation : int {
  srObject,    // obj: the object, accusative or bare nominative
  srDative,    // dat: the dative target
  srLocative,  // loc: the locative place
  srAblative,  // abl: the ablative source
  srWith,      // ins: a noun with "белән"
  srBefore,    // adv: any word before the verb in its clause
  srSubject,   // subj: the nominative subject
  srHead,      // head: the noun an adjective goes with
  srModifier,  // mod: a word qualifying a noun (before it, or its predicate adjective)
  srNext,      // next: the word right after a noun (a postposition, the noun it qualifies)
  srVerb,      // verb: the verb whose subject or object a noun is
};

// The relations of a noun's rules; their Russian word is a noun of the
// Tatar noun's context senses (TNoun::TakeContextSense).
inline bool IsNounRelation(TSenseRelation r) { return r == srModifier || r == srNext || r == srVerb; }

struct TSenseRule {
  TSenseRelation Relation = srObject;
  std::vector<std::u16string> Context;  // lemmas, "@class" names, "*"
  std::u16string Russian;               // the Russian word as written
  int Imperfective = 0, Perfective = 0; // verb numbers (verb rules)
  std::u16string Government;
};

// The Tatar case of a noun form code, as the relations see it: 0
// nominative, 1 genitive, 2 dative, 3 accusative, 4 ablative, 5 locative;
// -1 for other codes.
int CaseOfEnding(int code);

class TSenses {
public:
  // Loads dataPath + "senses.coll" when it exists; without it there are no
  // rules. A damaged file raises EDamagedTable.
  explicit TSenses(const std::string& dataPath);

  // The rules of a Tatar lemma in file order (the first that matches wins);
  // empty when it has none.
  const std::vector<TSenseRule>& RulesOf(std::u16string_view lemma) const;
  // Whether lemma is a member of the class ("@person").
  bool InClass(std::u16string_view className, std::u16string_view lemma) const;
  int RuleCount() const { return FCount; }

private:
  std::unordered_map<std::u16string, std::vector<TSenseRule>> FRules;
  std::unordered_set<std::u16string> FMembers;  // "class\tlemma"
  int FCount = 0;
};

}  // namespace tatengine
