// Adverbs (class 2), numerals (class 16) and participles (class 2048):
// recognised by stem and ending, translated by a column of the stem row.
#pragma once

#include <string>
#include <string_view>

#include "Records.h"
#include "SplitWord.h"
#include "zentrok/MyTables3.h"

namespace tatengine {

// Stem table column 2: the Russian adverb.
class TAdverb {
public:
  explicit TAdverb(const std::string& dataPath);
  bool Analyse(std::u16string_view text, TFormTat& tat, TFormRus& rus) const;
  std::u16string Translate(const TFormRus& rus) const;
  static void SetDefault(TFormRus& rus);

  zentrok::TTable Endings, Stems;
  TSplitTables Split{Stems, Endings};
};

// Stem table column 2: the Russian numeral. "бер" (exactly) is singular,
// every other numeral plural.
class TNumber {
public:
  explicit TNumber(const std::string& dataPath);
  bool Analyse(std::u16string_view text, TFormTat& tat, TFormRus& rus) const;
  std::u16string Translate(const TFormRus& rus) const;
  static void SetDefault(TFormRus& rus);

  zentrok::TTable Endings, Stems;
  TSplitTables Split{Stems, Endings};
};

// Stem table columns 2..13: the Russian participle by case 1..12. A match
// with form code 1 is not a participle.
class TGan {
public:
  explicit TGan(const std::string& dataPath);
  bool Analyse(std::u16string_view text, TFormTat& tat, TFormRus& rus) const;
  std::u16string Translate(const TFormRus& rus) const;

  zentrok::TTable Endings, Stems;
  TSplitTables Split{Stems, Endings};
};

}  // namespace tatengine
