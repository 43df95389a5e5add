// Any bytes as a text table file: the loader builds a table or raises
// EDamagedTable; every cell of a built table can be read and searched.
#include <cstddef>
#include <cstdint>

#include "zentrok/MyTables3.h"
#include "zentrok/TrgErrors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    zentrok::TTable t = zentrok::TTable::FromBytes(data, size, "fuzz");
    size_t sum = 0;
    for (int r = 0; r < t.RowCount(); ++r)
      for (int c = 0; c < t.RowLength(r); ++c) {
        for (char16_t ch : t.Cell(r, c)) sum += ch;
        sum += static_cast<size_t>(t.GetInt(r, c));
      }
    int index, first, last;
    t.Find(u"китап", index);
    t.FindRange(u"а-б", first, last);
    if (t.RowCount() > 0 && t.RowLength(0) > 0) t.Find(t.Cell(0, 0), index);
    return sum == 42 ? 0 : 0;
  } catch (const zentrok::EDamagedTable&) {
    return 0;
  }
}
