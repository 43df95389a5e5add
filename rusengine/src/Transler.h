// The translator: from a word of the sentence, takes off a leading "не" and
// leading prepositions, finds the longest phrase the dictionary knows and
// appends one output slot for it (or for an unknown word, passed through as
// written). A "не" is never dropped: it is carried by the slot, or, with no
// word after it in the run, becomes a slot "түгел" of its own; two that
// cancel leave an empty slot. A slot takes its capitals from its first word
// after "не" and prepositions (from the preposition when it stands alone).
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "DictionaryRT.h"
#include "Records.h"

namespace rusengine {

class TTransler {
public:
  // Creates the dictionary, which loads every data file from dataPath.
  explicit TTransler(const std::string& dataPath);

  // start: the first untranslated word of a run; end: the last word of the
  // longest allowed phrase. Appends exactly one slot to kits and sets end to
  // the index of the next token to translate.
  void TranslateAt(int start, int& end, TTransKits& kits, const TUnits& units);

  // A whole phrase that opens with a preposition, or "не" and a
  // preposition ("до свидания", "не за что"): looked up as written before
  // they are taken off. Appends its slot and sets end one past its last
  // word; false when none is known.
  bool TranslateFixedPhrase(int start, int& end, TTransKits& kits, const TUnits& units);
  // Takes a "не" off the window, moving its end one word on when the run
  // allows, so the window keeps its length.
  bool IsNegation(int& start, int& end, const TUnits& units) const;
  // Takes a preposition off the window the same way; first..last are its
  // rows in the preposition table.
  bool IsPreposition(int& start, int& end, int32_t& first, int32_t& last,
                     const TUnits& units) const;
  // Looks up the longest phrase start..e (e from end down to start); end
  // becomes one past its last word (start + 1 when nothing was found).
  bool TranslatePhrase(int start, int& end, TTransKit& kit, const TUnits& units);

  static std::u16string NormalizeYo(std::u16string text);
  static void SetNegated(TTransKit& kit, bool value);
  static void AttachPrep(TTransKit& kit, bool hasPrep, int32_t first, int32_t last);

  const TDictionaryRT& Dictionary() const { return FDictionary; }

private:
  TDictionaryRT FDictionary;
  std::u16string FPhrase;  // reused phrase buffer
};

}  // namespace rusengine
