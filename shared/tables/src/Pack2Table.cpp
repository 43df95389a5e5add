#include "zentrok/Pack2Table.h"

#include <cstring>

#include "TableFormat.h"
#include "zentrok/KeyCollation.h"

namespace zentrok {

using detail::Damaged;
using detail::Int32At;

namespace {

// Zero bytes after the last cell: a text cell without its terminator, or a
// number cell shorter than 4 bytes, still reads inside the pool.
constexpr size_t kPoolPadding = 8;

std::u16string_view ZeroTerminated(const uint8_t* cell) {
  const auto* p = reinterpret_cast<const char16_t*>(cell);
  size_t n = 0;
  while (p[n] != u'\0') ++n;
  return {p, n};
}

}  // namespace

int32_t CompareInt(const void* key, const uint8_t* cell, int32_t) {
  int32_t k;
  std::memcpy(&k, key, sizeof k);
  const int32_t c = ReadInt32(cell);
  return (k > c) - (k < c);
}

int32_t CompareWhole(const void* key, const uint8_t* cell, int32_t) {
  const auto* k = static_cast<const char16_t*>(key);
  return KeyCompare(std::u16string_view(k), ZeroTerminated(cell));
}

int32_t ComparePrefix(const void* key, const uint8_t* cell, int32_t extra) {
  std::u16string_view k(static_cast<const char16_t*>(key));
  if (extra < 0) extra = 0;
  if (k.size() > static_cast<size_t>(extra)) k = k.substr(0, static_cast<size_t>(extra));
  return KeyCompare(k, ZeroTerminated(cell));
}

TPack2Table::TPack2Table(const uint8_t* image, size_t size, std::string_view name) {
  if (size < 12) Damaged(name, "packed table shorter than its 12-byte header");
  const int32_t L = Int32At(image);
  const int32_t R = Int32At(image + 4);
  const int32_t C = Int32At(image + 8);
  if (R < 0 || C < 0) Damaged(name, "negative row or cell count in a packed table");
  const uint64_t headerEnd = 12 + 4ull * R + 4ull * (static_cast<uint64_t>(C) + 1);
  if (headerEnd > size) Damaged(name, "packed table header runs past the end of its item");
  if (L < 0 || static_cast<uint64_t>(L) > size)
    Damaged(name, "packed table length " + std::to_string(L) + " does not fit its item of " +
                      std::to_string(size) + " bytes");
  const int64_t poolSize = static_cast<int64_t>(L) - 12 - 4ll * R - 4ll * C;
  if (poolSize < 0) Damaged(name, "packed table length is smaller than its header");

  FRowStart.resize(static_cast<size_t>(R) + 1);
  int64_t total = 0;
  for (int32_t r = 0; r < R; ++r) {
    FRowStart[r] = static_cast<int32_t>(total);
    const int32_t len = Int32At(image + 12 + 4ull * r);
    if (len < 0) Damaged(name, "negative length of packed row " + std::to_string(r));
    total += len;
    if (total > C) Damaged(name, "packed row lengths add up to more than the cell count");
  }
  if (total != C) Damaged(name, "packed row lengths do not add up to the cell count");
  FRowStart[R] = C;

  const uint8_t* bounds = image + 12 + 4ull * R;
  int64_t cellBytes = 0;
  for (int32_t g = 0; g < C; ++g) {
    const int32_t b0 = Int32At(bounds + 4ull * g), b1 = Int32At(bounds + 4ull * (g + 1));
    if (b0 < 0 || b1 < b0 || 12ull + static_cast<uint64_t>(b1) > size)
      Damaged(name, "packed cell " + std::to_string(g) + " lies outside its item");
    if ((b1 - b0) % 2 != 0) Damaged(name, "packed cell " + std::to_string(g) + " has an odd length");
    cellBytes += b1 - b0;
  }
  if (cellBytes > poolSize) Damaged(name, "packed cells do not fit the length the table declares");

  FPoolSize = static_cast<int32_t>(poolSize);
  FPool.reset(new uint8_t[static_cast<size_t>(poolSize) + kPoolPadding]());
  FCells.resize(static_cast<size_t>(C));
  FCellLength.resize(static_cast<size_t>(C));
  size_t write = 0;
  for (int32_t g = 0; g < C; ++g) {
    const int32_t b0 = Int32At(bounds + 4ull * g), b1 = Int32At(bounds + 4ull * (g + 1));
    const size_t len = static_cast<size_t>(b1 - b0);
    if (len) std::memcpy(FPool.get() + write, image + 12 + b0, len);
    FCells[g] = FPool.get() + write;
    FCellLength[g] = static_cast<int32_t>(len);
    write += len;
  }
}

std::u16string_view TPack2Table::CellText(int32_t row, int32_t col) const {
  const int32_t g = FRowStart[row] + col;
  const auto* p = reinterpret_cast<const char16_t*>(FCells[g]);
  const size_t units = static_cast<size_t>(FCellLength[g]) / 2;
  size_t n = 0;
  while (n < units && p[n] != u'\0') ++n;
  return {p, n};
}

bool TPack2Table::Find(const void* key, int32_t& index, TCellCompare compare, int32_t column,
                       int32_t extra) const {
  int32_t lo = 0, hi = RowCount() - 1;
  bool found = false;
  while (lo <= hi) {
    const int32_t mid = (lo + hi) / 2;
    // A row too short for the column sorts before every key.
    const int32_t c = RowLength(mid) > column ? compare(key, Cell(mid, column), extra) : 1;
    if (c > 0) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
      if (c == 0) found = true;
    }
  }
  index = lo;
  return found;
}

bool TPack2Table::FindRange(const void* key, int32_t& first, int32_t& last, TCellCompare compare,
                            int32_t column, int32_t extra) const {
  int32_t index;
  if (!Find(key, index, compare, column, extra)) return false;
  first = index;
  auto equal = [&](int32_t row) {
    return RowLength(row) > column && compare(key, Cell(row, column), extra) == 0;
  };
  while (first > 0 && equal(first - 1)) --first;
  last = index;
  while (last < RowCount() - 1 && equal(last + 1)) ++last;
  return true;
}

void TPack2Table::IndexTextColumn(int32_t column) {
  FIndexedColumn = column;
  FKeys.Build(RowCount(), [this, column](int row) -> std::optional<std::u16string_view> {
    if (RowLength(row) <= column) return std::nullopt;
    return CellText(row, column);
  });
}

bool TPack2Table::FindText(std::u16string_view key, int32_t& index) const {
  int32_t first, last;
  const bool found = FindTextRange(key, first, last, &index);
  return found;
}

bool TPack2Table::FindTextRange(std::u16string_view key, int32_t& first, int32_t& last,
                                int32_t* insertion) const {
  const detail::TSearchKey k(key, FKeys.Compact());
  int32_t index;
  if (!k.Valid()) {
    // A text that compact keys cannot express is compared by the collator.
    const std::u16string z(key);
    const bool found = Find(z.c_str(), index, CompareWhole, FIndexedColumn, 0);
    if (insertion) *insertion = index;
    if (!found) return false;
    first = last = index;
    while (last < RowCount() - 1 && RowLength(last + 1) > FIndexedColumn &&
           CompareWhole(z.c_str(), Cell(last + 1, FIndexedColumn), 0) == 0)
      ++last;
    return true;
  }
  const bool found = FKeys.Find(k, index);
  if (insertion) *insertion = index;
  if (!found) return false;
  first = last = index;  // the search already gives the first of the equal rows
  while (last < RowCount() - 1 && FKeys.Compare(k, last + 1) == 0) ++last;
  return true;
}

}  // namespace zentrok

namespace zentrok {

bool TPack2Table::AllRowsHave(int32_t cols) const {
  for (int32_t r = 0, n = RowCount(); r < n; ++r)
    if (RowLength(r) < cols) return false;
  return true;
}

}  // namespace zentrok
