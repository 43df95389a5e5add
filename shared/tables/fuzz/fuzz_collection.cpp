// Any bytes as a file collection: items are read or EDamagedTable is
// raised; each item is then tried as a packed table image.
#include <cstddef>
#include <cstdint>

#include "zentrok/FileCollection.h"
#include "zentrok/Pack2Table.h"
#include "zentrok/TrgErrors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    zentrok::TFileCollection c(data, size, "fuzz.coll");
    c.FindItem("rnounfl");
    for (int i = 0; i < c.Count(); ++i) {
      const zentrok::TFileItem& item = c.Item(i);
      try {
        zentrok::TPack2Table t(item.Memory(), static_cast<size_t>(item.Size()), item.Name());
        int32_t index;
        t.Find(u"а", index, zentrok::CompareWhole, 0, 0);
      } catch (const zentrok::EDamagedTable&) {
      }
    }
  } catch (const zentrok::EDamagedTable&) {
  }
  return 0;
}
