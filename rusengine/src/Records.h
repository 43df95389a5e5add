// The records the whole engine shares: tokens, output slots and readings,
// and the word-class codes stamped on readings.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rusengine {

// Word-class codes (TWordForm::WordClass). A reading has exactly one;
// rules test them with masks.
enum : uint16_t {
  wcVAdj = 2,        // verbal adjective (participle)
  wcVAdv = 4,        // verbal adverb
  wcVerb = 8,        // verb
  wcAdj = 16,        // adjective
  wcNoun = 32,       // noun
  wcPrep = 64,       // preposition standing alone
  wcMod = 128,       // whole word or phrase, taken as one entry
  wcUnknown = 4096,  // unknown word
  wcSeparator = 8192 // separator slot
};

// One token of the sentence.
struct TUnit {
  uint8_t IsWord = 0;       // 1 word, 0 separator run
  std::u16string Text;      // lower-cased after tokenising
  std::u16string_view Source;  // the token as written (into the sentence)
  uint8_t CasePattern = 0;  // 0 lower, 1 capital first letter, 2 all capitals
};
using TUnits = std::vector<TUnit>;

// One candidate reading of a slot.
struct TWordForm {
  uint8_t Negated = 0;    // "не" stood before the word
  uint8_t HasPrep = 0;    // a preposition stood before the word
  int32_t PrepFirst = 0;  // rows of the preposition table; after
  int32_t PrepLast = 0;   // resolution PrepFirst is the chosen row
  std::u16string Text;    // output text (source text for unknown words)
  uint16_t Form = 0;      // Russian form id found by the analyser
  uint16_t WordClass = 0;
  int16_t TatForm = 0;    // Tatar form code the ending is generated from
  int32_t Row = 0;        // stem row, whole-word row or preposition row
  // Set by the clause rules; -1 / 0 leave generation as the form says.
  int8_t Person = -1;     // verbs: person of the subject, 0-5 (1sg ... 3pl)
  int8_t Possessor = -1;  // nouns: person of the possessive ending, 0-5
  uint8_t Bare = 0;       // nouns: an indefinite object, no accusative ending
  uint8_t Animate = 0;    // nouns: a person or an animal (plural gen = acc)
  int16_t CaseCode = -1;  // nouns, verbs: Tatar form code replacing the computed one
};
using TTransUnits = std::vector<TWordForm>;

// One output slot.
struct TTransKit {
  uint8_t IsWord = 0;       // 1 made from words, 0 separator
  uint8_t Translated = 0;   // 1 translated or separator, 0 unknown word
  uint8_t CasePattern = 0;  // applied to every reading's text before output
  TTransUnits Readings;     // the first one is emitted
  // The Russian words the slot was made from, lower case, without a
  // leading "не" and prepositions; empty for separators.
  std::u16string Source;
  // The main verb of a yes-no question: the particle -мы/-ме follows it.
  uint8_t AskParticle = 0;
  // A noun in the genitive that qualifies the noun before it in Russian
  // ("президент республики"); in Tatar it goes before that noun.
  uint8_t Attribute = 0;
  // A whole phrase that holds a finite verb ("хочу спать"): the predicate
  // of its clause, like a verb.
  uint8_t Predicate = 0;
  // A noun that a relative clause after it ("книгу, которую ...")
  // qualifies; the clause goes before it in Tatar.
  uint8_t RelativeHead = 0;
  // A measure rendered before its substance (бер стакан су): it stays
  // with the substance when the word order changes.
  uint8_t Measure = 0;
  // A noun possessed by the bare noun before it (китап киштәсе): as an
  // indefinite object it keeps its possessive ending without the
  // accusative one (китап киштәсе алдык).
  uint8_t Izafet = 0;
  // Text emitted after the slot's own (a word the clause needs that no
  // Russian word stood for: бар in "у нас два сына").
  std::u16string Tail;
};
using TTransKits = std::vector<TTransKit>;

}  // namespace rusengine
