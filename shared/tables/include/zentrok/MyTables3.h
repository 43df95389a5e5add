// TTable: a table of UTF-16 cells loaded from a text table file and
// searched by binary search on its key column with the key collation.
//
// Text table file (signed 32-bit little-endian integers):
//   0      not read
//   4      R   number of rows
//   8      C   number of cells (sum of the row lengths)
//   12     R   row lengths
//   12+4R  C   text offsets, in bytes counted from byte 12 of the file
//   12+4R+4C C text lengths in UTF-16 code units
//   ...        text area (UTF-16LE, no terminators)
// Every count, offset and length is checked against the file's size before
// it is read; a file that does not fit raises EDamagedTable.
//
// The keys of the key column are computed once at load (compact keys for
// plain Cyrillic and ASCII text, see KeyCollation.h), so a lookup costs one
// key of the searched text and a few byte comparisons.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "zentrok/detail/KeyIndex.h"

namespace zentrok {

class TTable;

// Negative / 0 / positive as Key sorts before / equal to / after the row.
using TRowCompare = int (*)(std::u16string_view key, int row, const TTable& table);

class TTable {
public:
  // Loads a text table file (full path). KeyColumn = 0. Raises EFOpenError
  // when the file cannot be opened and EDamagedTable when it is damaged.
  explicit TTable(std::u16string_view fileName);
  // An empty table of rowCount rows with colCount empty cells each,
  // searched on keyColumn.
  TTable(int rowCount, int colCount, int keyColumn);
  // Parses a text table file image already in memory; `name` is used in
  // error messages.
  static TTable FromBytes(const uint8_t* data, size_t size, std::string_view name);

  TTable(TTable&&) = default;
  TTable& operator=(TTable&&) = default;
  TTable(const TTable&) = delete;
  TTable& operator=(const TTable&) = delete;

  int RowCount() const { return static_cast<int>(FRowStart.size()) - 1; }
  int RowLength(int row) const { return FRowStart[row + 1] - FRowStart[row]; }
  int KeyColumn() const { return FKeyColumn; }
  // True when every row has at least cols cells: users check the shape of
  // a loaded table once, so that later Cell() calls stay inside it.
  bool AllRowsHave(int cols) const;

  // The cell's text without a copy; valid while the table lives and the
  // cell is not replaced.
  std::u16string_view Cell(int row, int col) const {
    const TCellRef& c = FCells[FRowStart[row] + col];
    return {c.Text, static_cast<size_t>(c.Length)};
  }
  // A copy of the cell.
  std::u16string GetCell(int row, int col) const { return std::u16string(Cell(row, col)); }
  // The cell parsed as an integer: leading blanks, optional sign, decimal
  // digits or hexadecimal after "$", "x" or "0x". -1 when it is not a valid
  // 32-bit integer (empty, other characters, overflow).
  int32_t GetInt(int row, int col) const;
  // Replaces a cell's text.
  void SetCell(int row, int col, std::u16string_view text);

  // Binary search on the key column: index receives the first row whose key
  // does not sort before key (the first of equal rows when found, RowCount()
  // when key sorts after every row). Without compare, CompareKeys is used
  // (through the precomputed sort keys).
  bool Find(std::u16string_view key, int& index, TRowCompare compare = nullptr) const;
  // The run first..last of rows whose key equals key. When not found, first
  // still receives the insertion point and last is unchanged.
  bool FindRange(std::u16string_view key, int& first, int& last) const;

  // The default row comparison: 1 when the row has no key cell, else the
  // key collation of key against the key cell.
  static int CompareKeys(std::u16string_view key, int row, const TTable& table);
  // The key collation: -1, 0, 1.
  static int CompareText(std::u16string_view a, std::u16string_view b);

private:
  TTable() = default;
  void Parse(const uint8_t* data, size_t size, std::string_view name);
  void BuildKeys();
  std::optional<std::u16string_view> KeyText(int row) const;
  bool FindPlain(std::u16string_view key, int& index, TRowCompare compare) const;

  struct TCellRef {
    const char16_t* Text;
    int32_t Length;
  };

  std::vector<char16_t> FPool;          // all texts loaded from the file
  std::deque<std::u16string> FReplaced; // texts given to SetCell
  std::vector<TCellRef> FCells;         // in global index order
  std::vector<int32_t> FRowStart;       // R + 1 entries into FCells
  detail::TKeyIndex FKeys;              // keys of the key column
  int FKeyColumn = 0;
};

}  // namespace zentrok
