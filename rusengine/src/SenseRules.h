// Verb senses that depend on who acts or on what is acted on: birds
// sing (кошлар сайрый), the sun shines (кояш балкый), flowers open
// (чәчәкләр ачыла), prices rise (бәяләр күтәрелә); one does lessons by
// preparing them (дәрес әзерлә) and makes things by crafting them
// (уенчык яса).
#pragma once

#include "ClauseRules.h"
#include "ClauseTools.h"
#include "Records.h"

namespace rusengine {

class TDictionaryRT;

// The relation in which the context noun stands to the verb.
enum class TSenseRelation { Subject, Object };

// One rule: the verb Verb says Sense when one of the Tatar noun lemmas in
// Nouns (separated by spaces) stands in Relation to it.
struct TVerbSense {
  TSenseRelation Relation;
  std::u16string_view Verb;
  std::u16string_view Nouns;
  std::u16string_view Sense;
};

// The rule of the verb lemma verb with the noun lemma noun in relation;
// null when none is.
const TVerbSense* FindVerbSense(TSenseRelation relation, std::u16string_view verb,
                                std::u16string_view noun);

// Gives every verb of the clause the sense its subject or object asks for
// (the verb keeps its form; only its Tatar stem changes). Runs on the
// Russian word order, before the verb moves to the end.
void VerbSenses(TTransKits& kits, const TClause& c, const TClauseFacts& f,
                const TDictionaryRT& dict);

// Adjectives whose Tatar word depends on what they describe: a tall
// person is озын (абыем миннән озынрак), a tall building биек or югары.
// The subject of the clause is a person when it is a personal pronoun or
// a noun for a person. Runs on the Russian word order.
void AdjectiveSenses(TTransKits& kits, const TClause& c, const TDictionaryRT& dict);

}  // namespace rusengine
