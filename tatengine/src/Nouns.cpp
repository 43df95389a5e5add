#include "Nouns.h"

#include "Common_ta.h"
#include "RusForms.h"
#include "SplitWord.h"
#include "TextUtil.h"

namespace tatengine {

TNoun::TNoun(const std::string& dataPath)
    : Endings(LoadTable(dataPath, "flt04.pack")),
      RusEndings(LoadTable(dataPath, "flr04.pack")),
      Stems(LoadTable(dataPath, "itfst04.pack")),
      Codes(LoadTable(dataPath, "cds04.pack")) {}

int TNoun::FindVariant(uint32_t paradigm, int caseNo) const {
  const int64_t base = static_cast<int64_t>(paradigm) * 65536;
  int row = FindNumber(Codes, base + caseNo);
  if (row < 0) row = FindNumber(Codes, base + 256 + caseNo);
  if (row < 0) return 0;
  return static_cast<int>((static_cast<uint32_t>(IntAt(Codes, row, 0)) & 0xFFFF) >> 8);
}

bool TNoun::Analyse(std::u16string_view text, TFormTat& tat, TFormRus& rus, TOwner owner) const {
  TSplit split;
  if (!SplitWord(Split, text, false, split)) return false;
  // "баланың" splits longest as балан + ың (your калина), but the genitive
  // бала + ның is what a stem ending in н with "your" nearly always hides.
  if (split.Code == 13 && text.size() > 3) {
    const std::u16string low = Lowered(text);
    if (low.ends_with(u"ның") || low.ends_with(u"нең")) {
      TSplitTables shorter = Split;
      shorter.MaxStem = static_cast<int>(text.size()) - 3;
      TSplit genitive;
      if (SplitWord(shorter, text, false, genitive) && genitive.Code == 2) split = genitive;
    }
  }
  split.Row = SenseRow(split.Row, IsPossessedEnding(split.Code) ? owner : owNone);
  tat.WordClass = wcNoun;
  tat.EndingCode = static_cast<uint8_t>(split.Code);
  tat.StemRow = split.Row;
  tat.Source.assign(text);

  const TCasePrefix rule = NounRule(split.Code);
  const uint32_t info = static_cast<uint32_t>(IntAt(Stems, split.Row, 3));
  rus.WordClass = wcNoun;
  rus.Case = rule.Case;
  rus.Gender = static_cast<uint8_t>(info & 0xFF);
  rus.Variant = static_cast<uint8_t>(FindVariant(info >> 16, rule.Case));
  rus.StemRow = split.Row;
  rus.Prefix.assign(rule.Prefix);
  rus.Suffix.clear();
  rus.Number = IsPluralEnding(split.Code) ? 2 : 1;
  rus.Possessor = static_cast<uint8_t>(PossessorOf(split.Code));
  AdjustPlaceCase(rus, split.Code, (info & 0x100) != 0);
  return true;
}

TNoun::TOwner TNoun::SenseOf(int row) const {
  return static_cast<TOwner>(static_cast<uint32_t>(IntAt(Stems, row, 3)) & (owPerson | owThing | owContext));
}

bool TNoun::TakeContextSense(TFormRus& rus, std::u16string_view russian) const {
  const int row = rus.StemRow;
  if (row < 0 || row >= Stems.RowCount()) return false;
  int first = 0, last = -1;
  if (!Stems.FindRange(CellAt(Stems, row, 0), first, last)) return false;
  const int64_t paradigm = IntAt(Stems, row, 1);
  for (int r = first; r <= last; ++r) {
    if (IntAt(Stems, r, 1) != paradigm || SenseOf(r) != owContext || CellAt(Stems, r, 5) != russian) continue;
    const uint32_t info = static_cast<uint32_t>(IntAt(Stems, r, 3));
    const bool wasNa = TakesNa(row), isNa = (info & 0x100) != 0;
    rus.StemRow = r;
    rus.Gender = static_cast<uint8_t>(info & 0xFF);
    rus.Variant = static_cast<uint8_t>(FindVariant(info >> 16, rus.Case));
    // отдых takes на, отпуск takes в: на отдыхе, в отпуске.
    if (wasNa != isNa) {
      if (rus.Prefix == (wasNa ? u"на " : u"в ")) rus.Prefix = isNa ? u"на " : u"в ";
      else if (rus.Prefix == (wasNa ? u"с " : u"из ")) rus.Prefix = isNa ? u"с " : u"из ";
    }
    return true;
  }
  return false;
}

int TNoun::SenseRow(int row, TOwner owner) const {
  if (SenseOf(row) == owner) return row;
  // The other senses are rows with the same stem and Tatar paradigm.
  int first = 0, last = -1;
  if (!Stems.FindRange(CellAt(Stems, row, 0), first, last)) return row;
  const int64_t paradigm = IntAt(Stems, row, 1);
  for (TOwner wanted : {owner, owNone})
    for (int r = first; r <= last; ++r)
      if (IntAt(Stems, r, 1) == paradigm && SenseOf(r) == wanted) return r;
  return row;
}

void TNoun::AdjustPlaceCase(TFormRus& rus, int code, bool onSurface) {
  const bool animate = rus.Variant == 1;
  const bool plural = rus.Case % 2 == 0;
  // A possessed dative (өемә) is a direction like the bare one (өйгә) unless
  // it names a person.
  if (!animate && rus.Prefix.empty() && (rus.Case == 5 || rus.Case == 6) && IsDativeEnding(code)) {
    rus.Case = plural ? 8 : 7;
    rus.Prefix = onSurface ? u"на " : u"в ";
    return;
  }
  if (rus.Prefix == u"в " && (rus.Case == 7 || rus.Case == 8)) {
    // Dative: "to a person" is the Russian dative, "to a place" в/на + accusative.
    if (animate) {
      rus.Case = plural ? 6 : 5;
      rus.Prefix.clear();
    } else if (onSurface) {
      rus.Prefix = u"на ";
    }
  } else if (rus.Prefix == u"в " && (rus.Case == 11 || rus.Case == 12)) {
    // Locative: "at a person's" is у + genitive.
    if (animate) {
      rus.Case = plural ? 4 : 3;
      rus.Prefix = u"у ";
    } else if (onSurface) {
      rus.Prefix = u"на ";
    }
  } else if (rus.Prefix == u"из ") {
    // Ablative: "from a person" is от, "off a surface" с.
    if (animate)
      rus.Prefix = u"от ";
    else if (onSurface)
      rus.Prefix = u"с ";
  }
}

std::u16string TNoun::Generate(TFormRus& rus) const {
  if (rus.Case == 0) return rus.RusText;
  if (rus.StemRow < 0 || rus.StemRow >= Stems.RowCount()) return rus.RusText;
  const uint32_t paradigm = static_cast<uint32_t>(IntAt(Stems, rus.StemRow, 3)) >> 16;
  rus.Case = static_cast<uint8_t>(CaseMap(rus.Case, rus.Number));
  const int64_t key = static_cast<int64_t>(paradigm) * 65536 + rus.Variant * 256 + rus.Case;
  const int row = FindNumber(Codes, key);
  std::u16string text = rus.Prefix;
  text += CellAt(Stems, rus.StemRow, 2);
  if (row >= 0) text += CellAt(Codes, row, 1);
  text += rus.Suffix;  // a measured noun (стакан молока)
  return text;
}

int TNoun::Flags(int stemRow) const {
  const int32_t info = IntAt(Stems, stemRow, 3);
  return info < 0 ? 0 : (info >> 8) & 0xFF;
}

std::u16string_view TNoun::RelativeAdjective(int stemRow) const { return CellAt(Stems, stemRow, 6); }

void TNoun::SetDefault(TFormRus& rus) {
  rus.WordClass = wcNoun;
  rus.Case = 1;
  rus.Gender = 1;
  rus.Number = 1;
  rus.Variant = 0;
  rus.StemRow = -1;
  rus.Prefix.clear();
  rus.Suffix.clear();
}

TSubNoun::TSubNoun(const std::string& dataPath)
    : Endings(LoadTable(dataPath, "flt09.pack")),
      RusEndings(LoadTable(dataPath, "flr09.pack")),
      Stems(LoadTable(dataPath, "itfst09.pack")),
      Codes(LoadTable(dataPath, "cds09.pack")) {}

bool TSubNoun::Analyse(std::u16string_view text, TFormTat& tat, TFormRus& rus) const {
  TSplit split;
  if (!SplitWord(Split, text, false, split)) return false;
  tat.WordClass = wcSubNoun;
  tat.EndingCode = static_cast<uint8_t>(split.Code);
  tat.StemRow = split.Row;
  tat.Source.assign(text);

  const TCasePrefix rule = NounRule(split.Code);
  const uint32_t info = static_cast<uint32_t>(IntAt(Stems, split.Row, 3));
  rus.WordClass = wcSubNoun;
  rus.Case = rule.Case;
  rus.Gender = static_cast<uint8_t>(info & 0xFF);
  rus.Variant = 0;
  rus.StemRow = split.Row;
  rus.Prefix.assign(rule.Prefix);
  rus.Suffix.clear();
  const bool pluralCase = rule.Case != 0 && rule.Case % 2 == 0 && rule.Case <= 12;
  rus.Number = (rus.Gender == 4 || pluralCase) ? 2 : 1;
  return true;
}

std::u16string TSubNoun::Generate(TFormRus& rus) const {
  if (rus.Case == 0) return rus.RusText;
  if (rus.StemRow < 0 || rus.StemRow >= Stems.RowCount()) return rus.RusText;
  const uint32_t info = static_cast<uint32_t>(IntAt(Stems, rus.StemRow, 3));
  const int row = FindNumber(Codes, static_cast<int64_t>(info & 0xFF00) + rus.Case);
  std::u16string text = rus.Prefix;
  text += CellAt(Stems, rus.StemRow, 2);
  if (row >= 0) text += CellAt(Codes, row, 1);
  text += rus.Suffix;  // a measured noun (стакан молока)
  return text;
}

}  // namespace tatengine
