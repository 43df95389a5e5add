#include "zentrok/MyTables3.h"

#include <cstring>
#include <memory>

#include "TableFormat.h"
#include "zentrok/Classes_Trg.h"
#include "zentrok/KeyCollation.h"
#include "zentrok/SysUtils_Trg.h"
#include "zentrok/Utf.h"

namespace zentrok {

using detail::Damaged;
using detail::Int32At;

namespace {
constexpr char16_t kEmpty[1] = {u'\0'};
}

TTable::TTable(std::u16string_view fileName) {
  const std::string name = Utf16ToUtf8(fileName);
  const std::vector<uint8_t> data = ReadWholeFile(name);
  Parse(data.data(), data.size(), ExpandFileName(name));
}

TTable::TTable(int rowCount, int colCount, int keyColumn) : FKeyColumn(keyColumn) {
  if (rowCount < 0) rowCount = 0;
  if (colCount < 0) colCount = 0;
  FRowStart.resize(static_cast<size_t>(rowCount) + 1);
  for (int r = 0; r <= rowCount; ++r) FRowStart[r] = r * colCount;
  FCells.assign(static_cast<size_t>(rowCount) * colCount, TCellRef{kEmpty, 0});
  BuildKeys();
}

TTable TTable::FromBytes(const uint8_t* data, size_t size, std::string_view name) {
  TTable t;
  t.Parse(data, size, name);
  return t;
}

void TTable::Parse(const uint8_t* data, size_t size, std::string_view name) {
  if (size < 12) Damaged(name, "shorter than the 12-byte header");
  const int32_t R = Int32At(data + 4);
  const int32_t C = Int32At(data + 8);
  if (R < 0 || C < 0) Damaged(name, "negative row or cell count");
  const uint64_t tablesEnd = 12 + 4ull * R + 8ull * C;
  if (tablesEnd > size) Damaged(name, "row and cell tables run past the end of the file");

  FRowStart.resize(static_cast<size_t>(R) + 1);
  int64_t total = 0;
  for (int32_t k = 0; k < R; ++k) {
    FRowStart[k] = static_cast<int32_t>(total);
    const int32_t len = Int32At(data + 12 + 4ull * k);
    if (len < 0) Damaged(name, "negative length of row " + std::to_string(k));
    total += len;
    if (total > C) Damaged(name, "row lengths add up to more than the cell count");
  }
  if (total != C) Damaged(name, "row lengths do not add up to the cell count");
  FRowStart[R] = C;

  // The text area is kept whole as UTF-16 (offsets are counted from byte
  // 12); a cell is a view into it. Cells at odd offsets, which only a
  // hand-made file would have, get a second copy shifted by one byte so that
  // every view is aligned.
  const size_t areaBytes = size - 12;
  FPool.resize(areaBytes / 2 + 1);
  std::memcpy(FPool.data(), data + 12, areaBytes & ~size_t{1});
  std::vector<char16_t> odd;

  const uint8_t* offsets = data + 12 + 4ull * R;
  const uint8_t* lengths = offsets + 4ull * C;
  FCells.resize(static_cast<size_t>(C));
  std::vector<std::pair<int32_t, int32_t>> oddCells;
  for (int32_t g = 0; g < C; ++g) {
    const int32_t off = Int32At(offsets + 4ull * g);
    const int32_t len = Int32At(lengths + 4ull * g);
    if (off < 0 || len < 0 || 12ull + static_cast<uint64_t>(off) + 2ull * len > size)
      Damaged(name, "text of cell " + std::to_string(g) + " lies outside the file");
    if (len == 0) {
      FCells[g] = {kEmpty, 0};
    } else if (off % 2 == 0) {
      FCells[g] = {FPool.data() + off / 2, len};
    } else {
      oddCells.emplace_back(g, off);
      FCells[g] = {nullptr, len};
    }
  }
  if (!oddCells.empty()) {
    FReplaced.emplace_back((areaBytes - 1) / 2, u'\0');
    std::u16string& shifted = FReplaced.back();
    std::memcpy(shifted.data(), data + 13, ((areaBytes - 1) / 2) * 2);
    for (auto [g, off] : oddCells) FCells[g].Text = shifted.data() + (off - 1) / 2;
  }
  FKeyColumn = 0;
  BuildKeys();
}

std::optional<std::u16string_view> TTable::KeyText(int row) const {
  if (FKeyColumn < 0 || RowLength(row) <= FKeyColumn) return std::nullopt;
  return Cell(row, FKeyColumn);
}

void TTable::BuildKeys() {
  FKeys.Build(RowCount(), [this](int row) { return KeyText(row); });
}

void TTable::SetCell(int row, int col, std::u16string_view text) {
  FReplaced.emplace_back(text);
  const std::u16string& s = FReplaced.back();
  FCells[FRowStart[row] + col] = {s.empty() ? kEmpty : s.data(), static_cast<int32_t>(s.size())};
  if (col == FKeyColumn && !FKeys.Set(row, KeyText(row))) BuildKeys();
}

int32_t TTable::GetInt(int row, int col) const {
  const std::u16string_view s = Cell(row, col);
  size_t i = 0;
  while (i < s.size() && (s[i] == u' ' || s[i] == u'\t')) ++i;
  bool neg = false;
  if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
    neg = s[i] == u'-';
    ++i;
  }
  int base = 10;
  if (i < s.size() && s[i] == u'$') {
    base = 16;
    ++i;
  } else if (i < s.size() && (s[i] == u'x' || s[i] == u'X')) {
    base = 16;
    ++i;
  } else if (i + 1 < s.size() && s[i] == u'0' && (s[i + 1] == u'x' || s[i + 1] == u'X')) {
    base = 16;
    i += 2;
  }
  if (i >= s.size()) return -1;
  const int64_t limit = neg ? 2147483648LL : 2147483647LL;
  int64_t value = 0;
  for (; i < s.size(); ++i) {
    const char16_t c = s[i];
    int d;
    if (c >= u'0' && c <= u'9')
      d = c - u'0';
    else if (base == 16 && c >= u'a' && c <= u'f')
      d = c - u'a' + 10;
    else if (base == 16 && c >= u'A' && c <= u'F')
      d = c - u'A' + 10;
    else
      return -1;
    value = value * base + d;
    if (value > limit) return -1;
  }
  return static_cast<int32_t>(neg ? -value : value);
}

bool TTable::AllRowsHave(int cols) const {
  for (int r = 0, n = RowCount(); r < n; ++r)
    if (RowLength(r) < cols) return false;
  return true;
}

int TTable::CompareText(std::u16string_view a, std::u16string_view b) { return KeyCompare(a, b); }

int TTable::CompareKeys(std::u16string_view key, int row, const TTable& table) {
  if (table.RowLength(row) <= table.FKeyColumn) return 1;
  return KeyCompare(key, table.Cell(row, table.FKeyColumn));
}

bool TTable::FindPlain(std::u16string_view key, int& index, TRowCompare compare) const {
  int lo = 0, hi = RowCount() - 1;
  bool found = false;
  while (lo <= hi) {
    const int mid = (lo + hi) / 2;
    const int c = compare(key, mid, *this);
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

bool TTable::Find(std::u16string_view key, int& index, TRowCompare compare) const {
  if (compare) return FindPlain(key, index, compare);
  const detail::TSearchKey k(key, FKeys.Compact());
  // A text that compact keys cannot express is compared by the collator.
  if (!k.Valid()) return FindPlain(key, index, CompareKeys);
  return FKeys.Find(k, index);
}

bool TTable::FindRange(std::u16string_view key, int& first, int& last) const {
  const detail::TSearchKey k(key, FKeys.Compact());
  if (!k.Valid()) {
    if (!FindPlain(key, first, CompareKeys)) return false;
    last = first;
    while (last < RowCount() - 1 && CompareKeys(key, last + 1, *this) == 0) ++last;
    return true;
  }
  if (!FKeys.Find(k, first)) return false;
  last = first;
  while (last < RowCount() - 1 && FKeys.Compare(k, last + 1) == 0) ++last;
  return true;
}

}  // namespace zentrok
