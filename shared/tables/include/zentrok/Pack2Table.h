// TPack2Table: a table built from a packed table image, every cell a run of
// raw bytes (a zero-terminated UTF-16 text or a little-endian int32).
//
// Packed table image (signed 32-bit little-endian integers):
//   0        L   length of the image in bytes
//   4        R   number of rows
//   8        C   number of cells
//   12       R   row lengths
//   12+4R    C+1 cell boundaries, in bytes counted from byte 12
//   ...          cell bytes; cell g is [12+b[g], 12+b[g+1])
// The table copies all cells into one pool (one allocation) and keeps
// pointers into it; lookups allocate nothing. Every count and boundary is
// checked against the image's size first; a damaged image raises
// EDamagedTable. The pool ends in zero bytes, so a text cell that lacks its
// terminator can never be read past the pool's end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "zentrok/detail/KeyIndex.h"

namespace zentrok {

// Negative / 0 / positive as the key sorts before / equal to / after the
// cell. Key and Extra are handed through unchanged by Find.
using TCellCompare = int32_t (*)(const void* key, const uint8_t* cell, int32_t extra);

// The comparisons of the tables' users:
// the sign of key minus cell, both int32 (key points to an int32_t);
int32_t CompareInt(const void* key, const uint8_t* cell, int32_t extra);
// key collation of the key text (a zero-terminated char16_t string) against
// the cell text;
int32_t CompareWhole(const void* key, const uint8_t* cell, int32_t extra);
// the same with the key cut to its first `extra` characters.
int32_t ComparePrefix(const void* key, const uint8_t* cell, int32_t extra);

// Reads a little-endian int32 from possibly unaligned bytes.
inline int32_t ReadInt32(const uint8_t* p) {
  return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                              static_cast<uint32_t>(p[2]) << 16 |
                              static_cast<uint32_t>(p[3]) << 24);
}

class TPack2Table {
public:
  // Builds the table from an image; `name` names it in error messages.
  TPack2Table(const uint8_t* image, size_t size, std::string_view name);
  TPack2Table(const TPack2Table&) = delete;
  TPack2Table& operator=(const TPack2Table&) = delete;
  TPack2Table(TPack2Table&&) = default;
  TPack2Table& operator=(TPack2Table&&) = default;

  int32_t RowCount() const { return static_cast<int32_t>(FRowStart.size()) - 1; }
  int32_t RowLength(int32_t row) const { return FRowStart[row + 1] - FRowStart[row]; }
  int32_t PoolSize() const { return FPoolSize; }
  // The cell's first byte. Indexes must lie inside the table.
  const uint8_t* Cell(int32_t row, int32_t col) const { return FCells[FRowStart[row] + col]; }
  // The cell's length in bytes.
  int32_t CellLength(int32_t row, int32_t col) const {
    return FCellLength[FRowStart[row] + col];
  }
  // True when every row has at least cols cells: users check the shape of
  // a loaded table once, so that later Cell() calls stay inside it.
  bool AllRowsHave(int32_t cols) const;
  // The cell read as a zero-terminated UTF-16 text, or as an int32.
  std::u16string_view CellText(int32_t row, int32_t col) const;
  int32_t CellInt(int32_t row, int32_t col) const { return ReadInt32(Cell(row, col)); }

  // Binary search on `column`: index receives the insertion point (first
  // row whose cell does not sort before the key); true when found.
  bool Find(const void* key, int32_t& index, TCellCompare compare, int32_t column,
            int32_t extra) const;
  // All rows equal to the key; first and last are unchanged when not found.
  bool FindRange(const void* key, int32_t& first, int32_t& last, TCellCompare compare,
                 int32_t column, int32_t extra) const;

  // Fast text search: computes the keys of a text column once, after
  // which FindText / FindTextRange give the same answers as Find / FindRange
  // with CompareWhole on that column, at a fraction of the cost. A row that
  // lacks the column sorts before every key.
  void IndexTextColumn(int32_t column);
  bool FindText(std::u16string_view key, int32_t& index) const;
  // When not found, first and last are unchanged; insertion, when given,
  // receives the insertion point either way.
  bool FindTextRange(std::u16string_view key, int32_t& first, int32_t& last,
                     int32_t* insertion = nullptr) const;

private:

  std::unique_ptr<uint8_t[]> FPool;
  int32_t FPoolSize = 0;
  std::vector<const uint8_t*> FCells;
  std::vector<int32_t> FCellLength;
  std::vector<int32_t> FRowStart;  // R + 1 entries into FCells
  int32_t FIndexedColumn = -1;
  detail::TKeyIndex FKeys;  // keys of the indexed column
};

}  // namespace zentrok
