// Whole-word list lookups: unchanging words (lists 03, 06, 07, 08) and direct
// whole-form translations (list 11).
#pragma once

#include <string>
#include <string_view>

#include "Records.h"
#include "zentrok/MyTables3.h"

namespace tatengine {

// List 03 (class 4) and 08 (class 128): column 1 the Russian word.
// List 06 (postpositions, class 32): column 1 the word, column 2 the case
// it governs. List 07 (class 64): columns 1-3 the forms by gender, column 4
// the number, column 5 the case, columns 6-33 (where given) the declension
// in the adjective order v 1-28. The lists are tried in this order and the
// first hit wins.
class TUnchanged {
public:
  explicit TUnchanged(const std::string& dataPath);
  bool Analyse(std::u16string_view text, TFormTat& tat, TFormRus& rus) const;
  std::u16string Translate(TFormRus& rus) const;
  // The list-07 form by Gender (0 or above 3 reads as 1, kept in the record).
  std::u16string Generate(TFormRus& rus) const;
  static void SetDefault(TFormRus& rus, int wordClass);

  zentrok::TTable List03, List06, List07, List08;
};

// List 11: column 0 the Tatar text (words joined by blanks), column 1 the
// Russian text, used as stored.
class TDirect {
public:
  explicit TDirect(const std::string& dataPath);
  bool Analyse(std::u16string_view text, TFormTat& tat, TFormRus& rus) const;
  std::u16string Translate(const TFormRus& rus) const;
  static void SetDefault(TFormRus& rus);

  zentrok::TTable List11;
};

}  // namespace tatengine
