// Internal helpers shared by the table loaders: bounds-checked reading of
// little-endian integers and the damaged-table error.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "zentrok/Consts_Trg.h"
#include "zentrok/KeyCollation.h"
#include "zentrok/TrgErrors.h"

namespace zentrok::detail {

static_assert(std::endian::native == std::endian::little,
              "the table formats are little-endian and are used in place");

[[noreturn]] inline void Damaged(std::string_view name, const std::string& what) {
  throw EDamagedTable(Format(SDamagedTable, std::string(name).c_str(), what.c_str()));
}

inline int32_t Int32At(const uint8_t* p) {
  return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                              static_cast<uint32_t>(p[2]) << 16 |
                              static_cast<uint32_t>(p[3]) << 24);
}

// The sort key of a searched text, on the stack when it is short, so that a
// lookup allocates nothing in the common case.
class TSearchKey {
public:
  explicit TSearchKey(std::u16string_view text) {
    FLength = KeySortKey(text, FLocal, sizeof FLocal);
    if (FLength >= sizeof FLocal) {
      FBig.reset(new uint8_t[FLength + 1]);
      FLength = KeySortKey(text, FBig.get(), FLength + 1);
    }
  }
  TSearchKey(const TSearchKey&) = delete;
  TSearchKey& operator=(const TSearchKey&) = delete;
  const uint8_t* Data() const { return FBig ? FBig.get() : FLocal; }
  size_t Length() const { return FLength; }

private:
  uint8_t FLocal[256];
  std::unique_ptr<uint8_t[]> FBig;
  size_t FLength;
};

}  // namespace zentrok::detail
