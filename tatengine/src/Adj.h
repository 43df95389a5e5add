// Adjectives (class 1): recognition by stem and ending; the Russian form by
// case, variant and gender through the adjective form codes.
#pragma once

#include <string>
#include <string_view>

#include "Records.h"
#include "SplitWord.h"
#include "zentrok/MyTables3.h"

namespace tatengine {

// Stem table column 3: the Russian adjective paradigm. Code table key:
// paradigm * 256 + adjective form code, column 1 the Russian ending. The
// Russian stem table (stem, paradigm, Russian word) also holds the relative
// adjectives nouns name; a reading reaches those rows through StemRow values
// from Stems.RowCount() on (see RelativeRow).
class TAdj {
public:
  explicit TAdj(const std::string& dataPath);

  // Form code 2 marks a form that does not agree (Case 14), 3 a plural.
  // Prefix and Suffix are cleared: what another class's analysis left there
  // does not belong to an adjective.
  bool Analyse(std::u16string_view text, TFormTat& tat, TFormRus& rus) const;
  std::u16string Translate(TFormRus& rus) const { return Generate(rus); }
  // Plural turns Gender into 4 (the record keeps it).
  std::u16string Generate(TFormRus& rus) const;
  static void SetDefault(TFormRus& rus);
  // The StemRow of a Russian adjective by its word, through the Russian stem
  // table (лесной); -1 when the table lacks it.
  int RelativeRow(std::u16string_view word) const;

  // Declared in the order the files are loaded.
  zentrok::TTable Endings, RusEndings, Stems, RusStems, Codes;
  TSplitTables Split{Stems, Endings};
};

}  // namespace tatengine
