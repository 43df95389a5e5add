// Glue words: short particles and function words whose Russian rendering
// depends on their place in the sentence. TGlues recognises them from the
// built-in list and generates their text from the role the glue rule chose
// (GlueMode) and the agreement later rules assigned.
#pragma once

#include <string>
#include <string_view>

#include "Records.h"

namespace tatengine {

class TGlues {
public:
  // Tatar and Russian class 16384, StemRow = glue kind, Number 1, Case 0,
  // Variant 0, Gender 1.
  bool Analyse(std::u16string_view text, TFormTat& tat, TFormRus& rus) const;
  // Case 0 becomes 1 (kept in the record).
  std::u16string Generate(TFormRus& rus) const;
  static void SetDefault(TFormRus& rus) { rus.WordClass = wcGlue; }
};

}  // namespace tatengine
