// Internal helpers shared by the table loaders: bounds-checked reading of
// little-endian integers and the damaged-table error.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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

// Reads the R row lengths at data + 12 (both formats keep them there) into
// running start indexes (R + 1 entries, the last = C), checking that they
// are not negative and add up to exactly C. `what` names the table kind in
// messages ("row", "packed row").
inline void ReadRowStarts(const uint8_t* data, int32_t R, int32_t C, std::string_view name,
                          const std::string& what, std::vector<int32_t>& rowStart) {
  rowStart.resize(static_cast<size_t>(R) + 1);
  int64_t total = 0;
  for (int32_t k = 0; k < R; ++k) {
    rowStart[k] = static_cast<int32_t>(total);
    const int32_t len = Int32At(data + 12 + 4ull * k);
    if (len < 0) Damaged(name, "negative length of " + what + " " + std::to_string(k));
    total += len;
    if (total > C) Damaged(name, what + " lengths add up to more than the cell count");
  }
  if (total != C) Damaged(name, what + " lengths do not add up to the cell count");
  rowStart[R] = C;
}

}  // namespace zentrok::detail
