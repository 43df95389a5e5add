// Any bytes as a packed table image: the builder makes a table or raises
// EDamagedTable; cells, plain and indexed searches stay inside the pool.
#include <cstddef>
#include <cstdint>

#include "zentrok/Pack2Table.h"
#include "zentrok/TrgErrors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    zentrok::TPack2Table t(data, size, "fuzz");
    size_t sum = 0;
    for (int32_t r = 0; r < t.RowCount(); ++r)
      for (int32_t c = 0; c < t.RowLength(r); ++c) {
        for (char16_t ch : t.CellText(r, c)) sum += ch;
        sum += static_cast<size_t>(t.CellInt(r, c));
      }
    int32_t index, first, last, key = 65536;
    t.Find(&key, index, zentrok::CompareInt, 1, 0);
    t.FindRange(u"стол", first, last, zentrok::ComparePrefix, 0, 3);
    t.Find(u"дом", index, zentrok::CompareWhole, 0, 0);
    t.IndexTextColumn(0);
    t.FindTextRange(u"стол", first, last);
    return sum == 42 ? 0 : 0;
  } catch (const zentrok::EDamagedTable&) {
    return 0;
  }
}
