// Turns a run of Tatar word tokens into output slots: the longest phrase of
// at most three words the dictionary knows, a fallback that strips a
// predicative ending, halves of an unknown hyphenated word, and unknown words.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "DictionaryTR.h"
#include "Records.h"

namespace tatengine {

class TTransler {
public:
  // Creates the dictionary, which loads every data file.
  explicit TTransler(const std::string& dataPath);

  // The last slot of kits is freshly appended and zeroed; start is the first
  // untranslated word token, stop the last one that may belong to the
  // phrase. Fills the slot (and maybe appends a second-half slot); on return
  // stop is the first token not consumed.
  bool TranslatePhrase(int start, int& stop, TTransKits& kits, const TUnits& units) const;
  // One dictionary lookup with the predicative fallback.
  bool LookupWord(std::u16string_view text, std::u16string_view next, TTransKit& kit,
                  bool& usedNext) const;
  // Removes one predicative ending ("дыр", "дер", "мы", "ме") from the end
  // of word; suffix receives it in lower case.
  static bool StripPredicate(std::u16string& word, std::u16string& suffix);
  static std::u16string JoinTokens(int from, int to, const TUnits& units);
  // The same into a buffer that keeps its capacity from call to call.
  static void JoinTokens(int from, int to, const TUnits& units, std::u16string& out);
  static void MarkTranslated(bool capital, TTransKit& kit, int hyphenPart);
  static void MarkUnknown(std::u16string_view text, TTransKit& kit, int hyphenPart);

  const TDictionaryTR& Dictionary() const { return *FDictionary; }

private:
  std::unique_ptr<TDictionaryTR> FDictionary;
  mutable std::u16string FPhrase;  // the phrase being tried (single-threaded engine)
};

}  // namespace tatengine
