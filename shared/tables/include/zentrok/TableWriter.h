// Writers of the three table formats, used by the data compiler and the
// tests. Each writer sorts its rows with the key collation (KeyCompare) on
// the key column, the same order the loaders search in; the sort is stable,
// so rows with equal keys keep the order they were added in.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "zentrok/SysUtils_Trg.h"  // SaveFileAtomic

namespace zentrok {

// A text table: rows of UTF-16 cells.
class TTextTableWriter {
public:
  using TRow = std::vector<std::u16string>;

  void AddRow(TRow row) { FRows.push_back(std::move(row)); }
  size_t RowCount() const { return FRows.size(); }
  std::vector<TRow>& Rows() { return FRows; }

  // Stable sort on keyColumn; rows without that column go first.
  void Sort(int keyColumn = 0);
  // The file image (rows in their current order).
  std::vector<uint8_t> Build() const;
  // Writes the image to a temporary file beside `path` and renames it.
  // Raises EFCreateError / EWriteError.
  void Save(std::string_view path) const;

private:
  std::vector<TRow> FRows;
};

// A packed table image: each cell a zero-terminated text or an int32.
class TPackTableWriter {
public:
  using TCell = std::variant<std::u16string, int32_t>;
  using TRow = std::vector<TCell>;

  void AddRow(TRow row) { FRows.push_back(std::move(row)); }
  size_t RowCount() const { return FRows.size(); }
  std::vector<TRow>& Rows() { return FRows; }

  // Stable sort on a text column with the key collation.
  void SortText(int column = 0);
  // Stable sort on an int32 column, ascending signed.
  void SortInt(int column = 0);
  std::vector<uint8_t> Build() const;

private:
  std::vector<TRow> FRows;
};

// A file collection: named items in the order added.
class TCollectionWriter {
public:
  // Names longer than 255 bytes are refused (EWriteError).
  void AddItem(std::string_view name, std::vector<uint8_t> data);
  std::vector<uint8_t> Build() const;
  void Save(std::string_view path) const;

private:
  std::vector<std::pair<std::string, std::vector<uint8_t>>> FItems;
};

}  // namespace zentrok
