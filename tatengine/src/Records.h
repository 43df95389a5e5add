// The records every part of the engine shares: tokens, output slots and the
// readings of a slot (the Tatar analysis and the Russian form to generate).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tatengine {

// Word-class bit values. A reading has exactly one; rules test them with masks.
enum TWordClass : int32_t {
  wcAdjective = 1,
  wcAdverb = 2,
  wcUnchanged03 = 4,
  wcNoun = 8,
  wcNumeral = 16,
  wcPostposition = 32,
  wcUnchanged07 = 64,
  wcUnchanged08 = 128,
  wcSubNoun = 256,
  wcVerb = 512,
  wcDirect = 1024,
  wcParticiple = 2048,
  wcUnknown = 0x1000,
  wcSeparator = 0x2000,
  wcGlue = 0x4000,
  wcMovedGlue = 0x8000,
};

// One token of the sentence.
struct TUnit {
  uint8_t IsWord = 0;   // 1 word, 0 separator
  std::u16string Text;  // as it stands in the sentence
};
using TUnits = std::vector<TUnit>;

// The Tatar analysis of a reading.
struct TFormTat {
  int32_t WordClass = 0;
  uint8_t EndingCode = 0;  // form code of the matched ending (postpositions: governed case)
  int32_t StemRow = 0;     // stem row in the analyser's table; glue words: glue kind
  std::u16string Source;   // the Tatar text analysed
};

// The Russian form to generate.
struct TFormRus {
  int32_t WordClass = 0;
  int32_t FoundClass = 0;  // class as found by the dictionary; chooses the glue generator
  uint8_t Number = 0;      // 1 singular, 2 plural
  uint8_t Case = 0;        // case or form selector; 14 = does not agree
  uint8_t Variant = 0;     // declension variant
  uint8_t Gender = 0;      // 1..3, 4 plural agreement
  int32_t StemRow = 0;     // row for generation (verbs: Russian verb number); -1 none
  uint8_t GlueFlag = 0;
  uint8_t GlueMode = 0;
  uint8_t Agreed = 0;      // a rule already assigned this reading's agreement
  uint8_t Possessor = 0;   // nouns: person of the Tatar possessive ending (1-5), 0 none
  std::u16string RusText;
  std::u16string Prefix;
  std::u16string Suffix;
  // Verbs: a context sense's government of the object ("acc:в+acc"),
  // replacing the government of the verb's entry; empty: none.
  std::u16string Government;
};

struct TTransUnit {
  TFormTat Tat;
  TFormRus Rus;
};
using TTransUnits = std::vector<TTransUnit>;

enum TKitKind : uint8_t { kkSeparator = 0, kkTranslated = 2, kkUnknown = 3 };

// One output slot: the unit of output.
struct TTransKit {
  uint8_t Kind = 0;
  std::u16string Text;
  uint8_t Capital = 0;
  int32_t HyphenPart = 0;  // -1 whole words; 1, 2 halves of a hyphenated word
  TTransUnits Readings;
};
using TTransKits = std::vector<TTransKit>;

}  // namespace tatengine
