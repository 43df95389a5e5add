#include "zentrok/TableWriter.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

#include "zentrok/Consts_Trg.h"
#include "zentrok/KeyCollation.h"
#include "zentrok/TrgErrors.h"

namespace zentrok {

namespace {

void PutInt32(std::vector<uint8_t>& out, size_t at, int64_t value) {
  if (value < INT32_MIN || value > INT32_MAX) throw EWriteError("table too large for its format");
  const auto v = static_cast<uint32_t>(static_cast<int32_t>(value));
  out[at] = static_cast<uint8_t>(v);
  out[at + 1] = static_cast<uint8_t>(v >> 8);
  out[at + 2] = static_cast<uint8_t>(v >> 16);
  out[at + 3] = static_cast<uint8_t>(v >> 24);
}

void AppendInt32(std::vector<uint8_t>& out, int64_t value) {
  out.resize(out.size() + 4);
  PutInt32(out, out.size() - 4, value);
}

void AppendUtf16(std::vector<uint8_t>& out, std::u16string_view s) {
  for (char16_t c : s) {
    out.push_back(static_cast<uint8_t>(c & 0xFF));
    out.push_back(static_cast<uint8_t>(c >> 8));
  }
}

// Stable sort of rows by the sort keys of one text per row; rows without a
// text (nullptr) go first. Sort keys are made once per row, so the sort
// costs byte comparisons only.
template <class TRow>
void SortByText(std::vector<TRow>& rows, const std::u16string* (*textOf)(const TRow&, int), int column) {
  std::vector<std::string> keys(rows.size());
  std::vector<bool> missing(rows.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    const std::u16string* t = textOf(rows[i], column);
    if (t)
      KeySortKey(*t, keys[i]);
    else
      missing[i] = true;
  }
  std::vector<size_t> order(rows.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    if (missing[a] != missing[b]) return static_cast<bool>(missing[a]);
    return keys[a] < keys[b];  // byte order of the sort keys is the collation order
  });
  std::vector<TRow> sorted;
  sorted.reserve(rows.size());
  for (size_t i : order) sorted.push_back(std::move(rows[i]));
  rows = std::move(sorted);
}

}  // namespace

// ---------------------------------------------------------------- text table

void TTextTableWriter::Sort(int keyColumn) {
  SortByText<TRow>(
      FRows,
      [](const TRow& r, int c) -> const std::u16string* {
        return c >= 0 && static_cast<size_t>(c) < r.size() ? &r[c] : nullptr;
      },
      keyColumn);
}

std::vector<uint8_t> TTextTableWriter::Build() const {
  const int64_t R = static_cast<int64_t>(FRows.size());
  int64_t C = 0;
  for (const TRow& r : FRows) C += static_cast<int64_t>(r.size());
  const int64_t textStart = 12 + 4 * R + 8 * C;
  std::vector<uint8_t> out(static_cast<size_t>(textStart), 0);
  PutInt32(out, 4, R);
  PutInt32(out, 8, C);
  // Equal texts are stored once and shared by their cells.
  std::unordered_map<std::u16string, int64_t> stored;
  size_t g = 0;
  for (size_t k = 0; k < FRows.size(); ++k) {
    PutInt32(out, 12 + 4 * k, static_cast<int64_t>(FRows[k].size()));
    for (const std::u16string& cell : FRows[k]) {
      int64_t offset = 0;
      if (!cell.empty()) {
        auto [it, fresh] = stored.try_emplace(cell, static_cast<int64_t>(out.size()) - 12);
        if (fresh) AppendUtf16(out, cell);
        offset = it->second;
      }
      PutInt32(out, static_cast<size_t>(12 + 4 * R + 4 * static_cast<int64_t>(g)), offset);
      PutInt32(out, static_cast<size_t>(12 + 4 * R + 4 * C + 4 * static_cast<int64_t>(g)),
               static_cast<int64_t>(cell.size()));
      ++g;
    }
  }
  return out;
}

void TTextTableWriter::Save(std::string_view path) const {
  const std::vector<uint8_t> bytes = Build();
  SaveFileAtomic(path, bytes.data(), bytes.size());
}

// -------------------------------------------------------------- packed image

void TPackTableWriter::SortText(int column) {
  SortByText<TRow>(
      FRows,
      [](const TRow& r, int c) -> const std::u16string* {
        if (c < 0 || static_cast<size_t>(c) >= r.size()) return nullptr;
        return std::get_if<std::u16string>(&r[c]);
      },
      column);
}

void TPackTableWriter::SortInt(int column) {
  auto value = [column](const TRow& r) -> int64_t {
    if (column < 0 || static_cast<size_t>(column) >= r.size()) return INT64_MIN;
    const int32_t* v = std::get_if<int32_t>(&r[column]);
    return v ? *v : INT64_MIN;
  };
  std::stable_sort(FRows.begin(), FRows.end(),
                   [&](const TRow& a, const TRow& b) { return value(a) < value(b); });
}

std::vector<uint8_t> TPackTableWriter::Build() const {
  const int64_t R = static_cast<int64_t>(FRows.size());
  int64_t C = 0;
  for (const TRow& r : FRows) C += static_cast<int64_t>(r.size());
  const int64_t cellsStart = 4 * R + 4 * (C + 1);  // counted from byte 12
  std::vector<uint8_t> out(static_cast<size_t>(12 + cellsStart), 0);
  PutInt32(out, 4, R);
  PutInt32(out, 8, C);
  size_t g = 0;
  for (size_t k = 0; k < FRows.size(); ++k) {
    PutInt32(out, 12 + 4 * k, static_cast<int64_t>(FRows[k].size()));
    for (const TCell& cell : FRows[k]) {
      PutInt32(out, static_cast<size_t>(12 + 4 * R + 4 * static_cast<int64_t>(g)),
               static_cast<int64_t>(out.size()) - 12);
      if (const auto* text = std::get_if<std::u16string>(&cell)) {
        AppendUtf16(out, *text);
        AppendUtf16(out, std::u16string_view(u"\0", 1));
      } else {
        AppendInt32(out, std::get<int32_t>(cell));
      }
      ++g;
    }
  }
  PutInt32(out, static_cast<size_t>(12 + 4 * R + 4 * C), static_cast<int64_t>(out.size()) - 12);
  PutInt32(out, 0, static_cast<int64_t>(out.size()));
  return out;
}

// ---------------------------------------------------------------- collection

void TCollectionWriter::AddItem(std::string_view name, std::vector<uint8_t> data) {
  if (name.size() > 255) throw EWriteError("collection item name longer than 255 bytes");
  FItems.emplace_back(std::string(name), std::move(data));
}

std::vector<uint8_t> TCollectionWriter::Build() const {
  std::vector<uint8_t> out;
  for (const auto& [name, data] : FItems) {
    AppendInt32(out, 260 + static_cast<int64_t>(data.size()));
    const size_t field = out.size();
    out.resize(field + 256, 0);  // filler: zeros, so builds are reproducible
    out[field] = static_cast<uint8_t>(name.size());
    std::copy(name.begin(), name.end(), out.begin() + static_cast<std::ptrdiff_t>(field + 1));
    out.insert(out.end(), data.begin(), data.end());
  }
  return out;
}

void TCollectionWriter::Save(std::string_view path) const {
  const std::vector<uint8_t> bytes = Build();
  SaveFileAtomic(path, bytes.data(), bytes.size());
}

}  // namespace zentrok
