// Context senses (senses.tsv): the Russian word a Tatar verb, adjective or
// noun says when a given word stands beside it in a given relation
// (ват + obj тәрәзә: разбить; озын + head @person: высокий; аш + mod тәмле:
// суп). The rules are
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
  std::u16string Relation;  // obj, dat, loc, abl, ins, adv, subj (verbs); head (adjectives);
                            // mod, next, verb (nouns)
  std::vector<std::u16string> Context;  // lemmas, @class names, "*"
  std::u16string Russian;   // a verb, "imperfective/perfective", an adjective or a noun
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
// The relations of a noun rule: `mod` a word qualifying it (the adjective
// before it, or the predicate adjective after it), `next` the word right
// after it (a postposition, the noun it qualifies), `verb` the verb whose
// subject or object it is.
bool IsNounRelation(std::u16string_view relation);
// The class every rule may use without defining it: a proper name of a
// place (Казан, Мәскәү), i.e. a capitalised noun that names no person.
inline constexpr std::u16string_view PlaceNameClass = u"@placename";

// Reads and checks folder/senses.tsv against the lexicon; a missing file
// gives no rules. Raises TLexiconError "senses.tsv:LINE: message".
TSenses ReadSenses(const std::string& folder, const TLexicon& lx);

// For every noun rule whose Russian noun is not the noun's own, one more
// Tatar-to-Russian noun entry flagged "ctx": the Tatar noun's stem and
// Tatar options with the Russian noun's inflection, so that the engine finds
// the context sense on the same stem and paradigm (and never reads it
// without a rule). Russian-to-Tatar data never sees these entries.
void AddNounSenses(TLexicon& lx, const TSenses& senses);

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
