// Internal helpers shared by the table loaders: bounds-checked reading of
// little-endian integers and the damaged-table error.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "zentrok/Consts_Trg.h"
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

}  // namespace zentrok::detail
