// Arbitrary bytes as the morphology's packed tables: a table either loads
// and answers lookups within its rows, or raises EDamagedTable.
#include <cstdint>
#include <string>

#include "PackTables.h"
#include "zentrok/TrgErrors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using rusengine::TFlank;
  const std::u16string word = u"домами";
  try {
    TFlank stems(data, size, "fuzz", TFlank::TKind::Stems);
    rusengine::TTransUnits readings;
    rusengine::TIntKit codes = {1 << 16, 2 << 16 | 5, -1};
    for (int n = static_cast<int>(word.size()); n >= 0; --n) stems.MatchStems(word, n, readings, codes);
    for (const auto& r : readings) {
      std::u16string_view tat;
      int32_t paradigm = 0;
      stems.StemInfo(r.Row, tat, paradigm);
    }
  } catch (const zentrok::EDamagedTable&) {
  }
  try {
    TFlank endings(data, size, "fuzz", TFlank::TKind::Endings);
    rusengine::TIntKit codes;
    for (size_t n = 0; n <= word.size(); ++n) endings.EndingCodes(std::u16string_view(word).substr(n), codes);
  } catch (const zentrok::EDamagedTable&) {
  }
  try {
    rusengine::TCode code(data, size, "fuzz");
    std::u16string_view ending;
    for (int32_t key : {0, 1 << 16, 1 << 16 | 86, -1}) code.FindCode(key, ending);
  } catch (const zentrok::EDamagedTable&) {
  }
  return 0;
}
