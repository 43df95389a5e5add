// The engine's single entry point to its lexicon: owns one analyser per word
// class, loads them in a fixed order, offers a word or phrase to them in a
// fixed order of precedence and collects one reading per analyser that
// recognises it. Also dispatches form generation and default forms.
#pragma once

#include <string>
#include <string_view>

#include "Adj.h"
#include "Glue.h"
#include "Ide.h"
#include "Nouns.h"
#include "Records.h"
#include "Senses.h"
#include "StemWords.h"
#include "Unchanged.h"
#include "Verbs.h"

namespace tatengine {

class TDictionaryTR {
public:
  // Loads every analyser's files from the data folder (UTF-8, trailing
  // separator included). The first file that cannot be opened or is damaged
  // raises the table loader's error.
  explicit TDictionaryTR(const std::string& dataPath);

  // Appends to kit one reading per analyser that recognises text (a word or
  // up to three words joined by blanks); `next` is the following token.
  // usedNext: an analyser took `next` into the same construction.
  bool Lookup(std::u16string_view text, std::u16string_view next, bool& usedNext,
              TTransKit& kit) const;
  // Fills the reading's RusText from its current grammatical values.
  void Generate(TTransUnit& reading) const;
  // Gives the reading the neutral form of a class; other values do nothing.
  void SetDefault(TTransUnit& reading, int wordClass) const;

  // Declared (and so created and loaded) in the load order.
  TAdj Adj;
  TNoun Noun;
  TSubNoun SubNoun;
  TVerb Verb;
  TAdverb Adverb;
  TNumber Numeral;
  TUnchanged Unchanging;
  TDirect Direct;
  TIde Aux;
  TGan Gan;
  TGlues Glues;
  // Context senses; optional (no file: no rules).
  TSenses Senses;
};

}  // namespace tatengine
