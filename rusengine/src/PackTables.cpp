#include "PackTables.h"

#include <algorithm>
#include <string>

#include "zentrok/TrgErrors.h"

namespace rusengine {

namespace {

[[noreturn]] void Damaged(std::string_view name, int32_t row, const char* what) {
  throw zentrok::EDamagedTable("Damaged table file \"" + std::string(name) + "\": row " +
                               std::to_string(row) + " " + what);
}

void CheckIntCell(const zentrok::TPack2Table& t, std::string_view name, int32_t row,
                  int32_t col) {
  if (t.CellLength(row, col) < 4) Damaged(name, row, "has a number cell shorter than 4 bytes");
}

}  // namespace

TCode::TCode(const uint8_t* image, size_t size, std::string_view name)
    : TPack2Table(image, size, name) {
  for (int32_t r = 0; r < RowCount(); ++r) {
    if (RowLength(r) < 2) Damaged(name, r, "has fewer than 2 cells");
    CheckIntCell(*this, name, r, 0);
  }
}

bool TCode::FindCode(int32_t key, std::u16string_view& ending) const {
  int32_t index = 0;
  if (!Find(&key, index, zentrok::CompareInt, 0, 0)) {
    ending = {};
    return false;
  }
  ending = CellText(index, 1);
  return true;
}

TFlank::TFlank(const uint8_t* image, size_t size, std::string_view name, TKind kind)
    : TPack2Table(image, size, name) {
  for (int32_t r = 0; r < RowCount(); ++r) {
    if (kind == TKind::Stems) {
      if (RowLength(r) < 4) Damaged(name, r, "has fewer than 4 cells");
      CheckIntCell(*this, name, r, 1);
      CheckIntCell(*this, name, r, 3);
      if (RowLength(r) > 4) CheckIntCell(*this, name, r, 4);
    } else {
      if (RowLength(r) < 1) Damaged(name, r, "has no ending cell");
      for (int32_t c = 1; c < RowLength(r); ++c) CheckIntCell(*this, name, r, c);
    }
  }
  IndexTextColumn(0);
}

bool TFlank::EndingCodes(std::u16string_view ending, TIntKit& codes) const {
  codes.clear();
  int32_t index = 0;
  if (!FindText(ending, index)) return false;
  for (int32_t c = 1; c < RowLength(index); ++c) codes.push_back(CellInt(index, c));
  return true;
}

bool TFlank::MatchStems(std::u16string_view word, int n, TTransUnits& readings,
                        const TIntKit& codes) const {
  int32_t first = 0, last = -1;
  if (!FindTextRange(word.substr(0, static_cast<size_t>(n)), first, last)) return false;
  bool appended = false;
  for (int32_t r = first; r <= last; ++r) {
    const int32_t paradigm = CellInt(r, 1);
    for (int32_t code : codes) {
      if (static_cast<int32_t>(static_cast<uint32_t>(code) >> 16) != paradigm) continue;
      TWordForm& w = readings.emplace_back();
      w.Row = r;
      w.Form = static_cast<uint16_t>(code & 0xFFFF);
      appended = true;
    }
  }
  return appended;
}

void TFlank::StemInfo(int32_t row, std::u16string_view& tatStem, int32_t& tatParadigm) const {
  tatStem = CellText(row, 2);
  tatParadigm = CellInt(row, 3);
}

int32_t TFlank::StemParadigm(int32_t row) const {
  if (row < 0 || row >= RowCount()) return -1;
  return CellInt(row, 1);
}

int32_t TFlank::StemFlags(int32_t row) const {
  if (row < 0 || row >= RowCount() || RowLength(row) < 5) return 0;
  return CellInt(row, 4);
}

std::vector<int32_t> TFlank::ParadigmsWithSameEnding(int a, int b) const {
  std::vector<int32_t> found;
  for (int32_t r = 0; r < RowCount(); ++r) {
    std::vector<int32_t> withA;
    for (int32_t c = 1; c < RowLength(r); ++c) {
      const int32_t code = CellInt(r, c);
      if ((code & 0xFFFF) == a) withA.push_back(static_cast<int32_t>(static_cast<uint32_t>(code) >> 16));
    }
    for (int32_t c = 1; c < RowLength(r); ++c) {
      const int32_t code = CellInt(r, c);
      const int32_t paradigm = static_cast<int32_t>(static_cast<uint32_t>(code) >> 16);
      if ((code & 0xFFFF) == b && std::find(withA.begin(), withA.end(), paradigm) != withA.end())
        found.push_back(paradigm);
    }
  }
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());
  return found;
}

}  // namespace rusengine
