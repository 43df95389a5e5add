#include "StemWords.h"

#include "Common_ta.h"
#include "SplitWord.h"
#include "TextUtil.h"

namespace tatengine {
namespace {

void FillTat(TFormTat& tat, int wordClass, const TSplit& split, std::u16string_view text) {
  tat.WordClass = wordClass;
  tat.EndingCode = static_cast<uint8_t>(split.Code);
  tat.StemRow = split.Row;
  tat.Source.assign(text);
}

void SetPlainDefault(TFormRus& rus, int wordClass) {
  rus.WordClass = wordClass;
  rus.StemRow = -1;
  rus.Number = 1;
  rus.Variant = 0;
  rus.Gender = 1;
  rus.Prefix.clear();
  rus.Suffix.clear();
}

}  // namespace

TAdverb::TAdverb(const std::string& dataPath)
    : Endings(LoadTable(dataPath, "flt02.pack")), Stems(LoadTable(dataPath, "itfst02.pack")) {}

bool TAdverb::Analyse(std::u16string_view text, TFormTat& tat, TFormRus& rus) const {
  TSplit split;
  if (!SplitWord(Split, text, false, split)) return false;
  FillTat(tat, wcAdverb, split, text);
  rus.WordClass = wcAdverb;
  rus.StemRow = split.Row;
  rus.Prefix.clear();
  rus.Suffix.clear();
  return true;
}

std::u16string TAdverb::Translate(const TFormRus& rus) const {
  return std::u16string(CellAt(Stems, rus.StemRow, 2));
}

void TAdverb::SetDefault(TFormRus& rus) { SetPlainDefault(rus, wcAdverb); }

TNumber::TNumber(const std::string& dataPath)
    : Endings(LoadTable(dataPath, "flt05.pack")), Stems(LoadTable(dataPath, "itfst05.pack")) {}

bool TNumber::Analyse(std::u16string_view text, TFormTat& tat, TFormRus& rus) const {
  TSplit split;
  if (!SplitWord(Split, text, false, split)) return false;
  FillTat(tat, wcNumeral, split, text);
  rus.WordClass = wcNumeral;
  rus.StemRow = split.Row;
  rus.Number = text == u"бер" ? 1 : 2;
  rus.Prefix.clear();
  rus.Suffix.clear();
  return true;
}

std::u16string TNumber::Translate(const TFormRus& rus) const {
  return std::u16string(CellAt(Stems, rus.StemRow, 2));
}

void TNumber::SetDefault(TFormRus& rus) { SetPlainDefault(rus, wcNumeral); }

TGan::TGan(const std::string& dataPath)
    : Endings(LoadTable(dataPath, "flt13.pack")), Stems(LoadTable(dataPath, "itfst13.pack")) {}

bool TGan::Analyse(std::u16string_view text, TFormTat& tat, TFormRus& rus) const {
  TSplit split;
  if (!SplitWord(Split, text, false, split) || split.Code == 1) return false;
  FillTat(tat, wcParticiple, split, text);
  const TCasePrefix rule = GanRule(split.Code);
  rus.WordClass = wcParticiple;
  rus.Case = rule.Case;
  rus.Prefix.assign(rule.Prefix);
  rus.StemRow = split.Row;
  rus.Gender = 1;
  rus.Variant = 0;
  rus.Number = 1;
  rus.Suffix.clear();
  return true;
}

std::u16string TGan::Translate(const TFormRus& rus) const {
  std::u16string text = rus.Prefix;
  text += CellAt(Stems, rus.StemRow, rus.Case + 1);
  return text;
}

}  // namespace tatengine
