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
  if (rus.StemRow >= 0 && rus.StemRow < Stems.RowCount()) {
    const int64_t key = static_cast<int64_t>(IntAt(Stems, rus.StemRow, 3)) * 256 + form;
    text += CellAt(Stems, rus.StemRow, 2);
    const int row = FindNumber(Codes, key);
    if (row >= 0) text += CellAt(Codes, row, 1);
  }
  text += rus.Suffix;
  return text;
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
