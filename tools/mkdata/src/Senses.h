// Context senses (senses.tsv): the Russian word a Tatar verb or adjective
// says when a given word stands beside it in a given relation
// (ват + obj тәрәзә: разбить; озын + head @person: высокий). The rules are
// read after the rest of the lexicon, checked against it, and written for
// the Tatar-to-Russian engine as the collection "senses.coll".
#pragma once

#include <map>
#include <string>
#include <vector>

#include "DataBuilder.h"
#include "Lexicon.h"

namespace mkdata {

// One rule line: word, relation, context words, Russian, government.
struct TSenseRule {
  TPlace Place;
  std::u16string Word;      // Tatar verb or adjective lemma
  std::u16string Relation;  // obj, dat, loc, abl, ins, adv, subj (verbs); head (adjectives)
  std::vector<std::u16string> Context;  // lemmas, @class names, "*"
  std::u16string Russian;   // a verb, "imperfective/perfective", or an adjective
  std::u16string Government;  // Russian side only: "в+acc", "ins"; empty: the verb's own
};

struct TSenses {
  std::vector<TSenseRule> Rules;  // in file order: the first that matches wins
  // Class name ("@town") -> member lemmas.
  std::map<std::u16string, std::vector<std::u16string>> Classes;
};

// The relations of a verb rule and of an adjective rule.
bool IsVerbRelation(std::u16string_view relation);
bool IsAdjectiveRelation(std::u16string_view relation);
// The class every rule may use without defining it: a proper name of a
// place (Казан, Мәскәү), i.e. a capitalised noun that names no person.
inline constexpr std::u16string_view PlaceNameClass = u"@placename";

// Reads and checks folder/senses.tsv against the lexicon; a missing file
// gives no rules. Raises TLexiconError "senses.tsv:LINE: message".
TSenses ReadSenses(const std::string& folder, const TLexicon& lx);

// The two Russian verb numbers a rule's verb cell stands for: imperfective
// and perfective (the same number twice when the verb has no partner or the
// cell names one verb for both).
struct TSenseVerbs {
  int Imperfective = 0, Perfective = 0;
};
TSenseVerbs ResolveSenseVerbs(const TLexicon& lx, const std::map<std::u16string, int>& numbers,
                              const TSenseRule& rule);

// Writes outDir/senses.coll: item "rules" (a text table keyed on the Tatar
// word: word, relation, context words joined by commas, Russian word,
// imperfective number, perfective number, government with the Tatar case
// in front as "acc:в+acc") and item "classes" (class name, member).
void BuildSenses(const TLexicon& lx, const TSenses& senses, const std::string& outDir,
                 TBuildReport& report);

}  // namespace mkdata
