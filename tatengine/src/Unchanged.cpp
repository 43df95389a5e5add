#include "Unchanged.h"

#include "Common_ta.h"
#include "RusForms.h"
#include "SplitWord.h"
#include "TextUtil.h"

namespace tatengine {

TUnchanged::TUnchanged(const std::string& dataPath)
    : List03(LoadTable(dataPath, "itfst03.pack")),
      List06(LoadTable(dataPath, "itfst06.pack")),
      List07(LoadTable(dataPath, "itfst07.pack")),
      List08(LoadTable(dataPath, "itfst08.pack")) {}

bool TUnchanged::Analyse(std::u16string_view text, TFormTat& tat, TFormRus& rus) const {
  const zentrok::TTable* lists[4] = {&List03, &List06, &List07, &List08};
  const int classes[4] = {wcUnchanged03, wcPostposition, wcUnchanged07, wcUnchanged08};
  int row = 0;
  for (int k = 0; k < 4; ++k) {
    const zentrok::TTable& list = *lists[k];
    row = 0;
    if (!list.Find(text, row)) continue;
    tat.WordClass = classes[k];
    rus.WordClass = classes[k];
    tat.StemRow = row;
    rus.StemRow = row;
    tat.Source.assign(text);
    if (classes[k] == wcPostposition) {
      tat.EndingCode = rus.Case = static_cast<uint8_t>(IntAt(list, row, 2));
    } else if (classes[k] == wcUnchanged07) {
      tat.EndingCode = rus.Case = static_cast<uint8_t>(IntAt(list, row, 5));
      rus.Number = static_cast<uint8_t>(IntAt(list, row, 4));
    }
    return true;
  }
  tat.StemRow = row;
  rus.StemRow = row;
  return false;
}

std::u16string TUnchanged::Translate(TFormRus& rus) const {
  if (rus.StemRow < 0) return {};
  switch (rus.WordClass) {
    case wcUnchanged03: return std::u16string(CellAt(List03, rus.StemRow, 1));
    case wcPostposition: return std::u16string(CellAt(List06, rus.StemRow, 1));
    case wcUnchanged07: return Generate(rus);
    case wcUnchanged08: return std::u16string(CellAt(List08, rus.StemRow, 1));
    default: return {};
  }
}

std::u16string TUnchanged::Generate(TFormRus& rus) const {
  if (rus.StemRow < 0) return {};
  // A determiner agrees with its noun in case, number and gender (в этом
  // доме, какую книгу, всех детей): columns 6-33 hold its declension in the
  // adjective order where the data gives it.
  if (rus.Agreed && rus.Case != 0) {
    const int x = CaseMap(rus.Case, rus.Number);
    const int gender = x % 2 == 0 || rus.Gender == 4 ? 4 : (rus.Gender >= 1 && rus.Gender <= 3 ? rus.Gender : 1);
    const std::u16string_view declined = CellAt(List07, rus.StemRow, 5 + AdjFormCode(x, rus.Variant, gender));
    if (!declined.empty()) return std::u16string(declined);
  }
  // Data without the declension still has "этот" and "тот".
  if (rus.Agreed && rus.Case != 0) {
    const std::u16string_view form = DemonstrativeForm(
        CellAt(List07, rus.StemRow, 1), CaseMap(rus.Case, rus.Number), rus.Gender, rus.Variant == 1);
    if (!form.empty()) return std::u16string(form);
  }
  if (rus.Gender == 0 || rus.Gender > 3) rus.Gender = 1;
  return std::u16string(CellAt(List07, rus.StemRow, rus.Gender));
}

void TUnchanged::SetDefault(TFormRus& rus, int wordClass) {
  rus.WordClass = wordClass;
  rus.StemRow = -1;
  rus.Prefix.clear();
  rus.Suffix.clear();
  rus.RusText.clear();
  rus.Variant = 0;
  rus.Gender = 1;
  rus.Number = 1;
  rus.GlueFlag = 0;
}

TDirect::TDirect(const std::string& dataPath) : List11(LoadTable(dataPath, "itfst11.pack")) {}

bool TDirect::Analyse(std::u16string_view text, TFormTat& tat, TFormRus& rus) const {
  int row = 0;
  if (!List11.Find(text, row)) return false;
  tat.WordClass = wcDirect;
  tat.StemRow = row;
  tat.Source.assign(text);
  rus.WordClass = wcDirect;
  rus.StemRow = row;
  return true;
}

std::u16string TDirect::Translate(const TFormRus& rus) const {
  return std::u16string(CellAt(List11, rus.StemRow, 1));
}

void TDirect::SetDefault(TFormRus& rus) {
  rus.WordClass = wcDirect;
  rus.StemRow = -1;
  rus.Prefix.clear();
  rus.Suffix.clear();
  rus.Variant = 0;
  rus.Gender = 1;
  rus.Number = 1;
}

}  // namespace tatengine
