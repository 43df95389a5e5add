// File collection: a container of named items, each a block of bytes (a
// packed table image). A sequence of records, no header:
//   0    4    RecordLength (the whole record, these 4 bytes included)
//   4    256  name: length byte, then up to 255 8-bit characters, filler
//   260  ...  data (RecordLength - 260 bytes)
// Every RecordLength is checked: below 260 or past the end of the file
// raises EDamagedTable.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "zentrok/Classes_Trg.h"

namespace zentrok {

class TFileItem : public TMemoryStream {
public:
  // Builds the item from the record at data[position] and advances position
  // to the next record. `fileName` is for error messages.
  TFileItem(const uint8_t* data, size_t size, size_t& position, std::string_view fileName);
  TFileItem() = default;

  // The item's name: lower-cased (A-Z only), without a folder part.
  const std::string& Name() const { return FName; }
  // Sets the name to the part after the last backslash, "/" or ":".
  void SetName(std::string_view name);

private:
  std::string FName;
};

class TFileCollection {
public:
  // Reads the file (8-bit path) and builds all items. Raises EFOpenError or
  // EDamagedTable.
  explicit TFileCollection(std::string_view fileName);
  // Builds the items from a collection already in memory.
  TFileCollection(const uint8_t* data, size_t size, std::string_view fileName);

  // The first item whose name equals name lower-cased (A-Z), or nullptr.
  const TFileItem* FindItem(std::string_view name) const;

  const std::string& FileName() const { return FFileName; }
  int Count() const { return static_cast<int>(FItems.size()); }
  const TFileItem& Item(int i) const { return *FItems[i]; }

private:
  std::string FFileName;
  std::vector<std::unique_ptr<TFileItem>> FItems;
};

// Lower-cases the letters A-Z only.
std::string LowerAscii(std::string_view s);

}  // namespace zentrok
