#include "Adj.h"

#include "Common_ta.h"
#include "SplitWord.h"
#include "TextUtil.h"

namespace tatengine {

TAdj::TAdj(const std::string& dataPath)
    : Endings(LoadTable(dataPath, "flt01.pack")),
      RusEndings(LoadTable(dataPath, "flr01.pack")),
      Stems(LoadTable(dataPath, "itfst01.pack")),
      RusStems(LoadTable(dataPath, "itfsr01.pack")),
      Codes(LoadTable(dataPath, "cds01.pack")) {}

bool TAdj::Analyse(std::u16string_view text, TFormTat& tat, TFormRus& rus) const {
  TSplit split;
  if (!SplitWord(Split, text, true, split)) return false;
  tat.WordClass = wcAdjective;
  tat.EndingCode = static_cast<uint8_t>(split.Code);
  tat.StemRow = split.Row;
  tat.Source.assign(text);
  rus.WordClass = wcAdjective;
  rus.Case = split.Code == 2 ? 14 : 1;
  rus.Number = split.Code == 3 ? 2 : 1;
  rus.Variant = 0;
  rus.Gender = 1;
  rus.StemRow = split.Row;
  rus.Prefix.clear();
  rus.Suffix.clear();
  return true;
}

std::u16string TAdj::Generate(TFormRus& rus) const {
  if (rus.Number == 2) rus.Gender = 4;
  const int form = AdjFormCode(rus.Case, rus.Variant, rus.Gender);
  std::u16string text = rus.Prefix;
  // Rows past the stem table are rows of the Russian stem table (stem in
  // column 0, paradigm in column 1).
  const bool own = rus.StemRow >= 0 && rus.StemRow < Stems.RowCount();
  const int rusRow = rus.StemRow - Stems.RowCount();
  const bool relative = !own && rus.StemRow >= 0 && rusRow < RusStems.RowCount();
  if (own || relative) {
    const int32_t paradigm = own ? IntAt(Stems, rus.StemRow, 3) : IntAt(RusStems, rusRow, 1);
    text += own ? CellAt(Stems, rus.StemRow, 2) : CellAt(RusStems, rusRow, 0);
    const int row = paradigm < 0 ? -1 : FindNumber(Codes, static_cast<int64_t>(paradigm) * 256 + form);
    if (row >= 0) text += CellAt(Codes, row, 1);
  }
  text += rus.Suffix;
  return text;
}

int TAdj::RelativeRow(std::u16string_view word) const {
  // The stem is a prefix of the word: try the longest first, down to the
  // empty stem of an adjective whose forms share none (плохой, хуже).
  for (size_t length = word.size() + 1; length-- > 0;) {
    int first = 0;
    int last = -1;
    if (!RusStems.FindRange(word.substr(0, length), first, last)) continue;
    for (int row = first; row <= last; ++row)
      if (CellAt(RusStems, row, 2) == word) return Stems.RowCount() + row;
  }
  return -1;
}

void TAdj::SetDefault(TFormRus& rus) {
  rus.WordClass = wcAdjective;
  rus.Case = 1;
  rus.Number = 1;
  rus.Variant = 0;
  rus.Gender = 1;
  rus.StemRow = -1;
}

}  // namespace tatengine
