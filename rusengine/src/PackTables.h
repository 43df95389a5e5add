// The morphology's packed tables, built from file collection items:
//   TCode   Tatar endings: [key int32 = Tatar paradigm * 65536 + Tatar form
//           code; Tatar ending text], ascending on the key;
//   TFlank  Russian endings: [ending text; code int32; ...], each code the
//           Russian paradigm (high 16 bits) and form id (low 16 bits);
//           or stems: [Russian stem; Russian paradigm int32; Tatar stem;
//           Tatar paradigm int32]; both sorted on the text in key collation.
// Each constructor checks that every row has the cells its users read
// (right count, int32 cells of 4 bytes or more), so lookups never read
// outside a row; a table that does not fit raises zentrok::EDamagedTable.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Records.h"
#include "zentrok/Pack2Table.h"

namespace rusengine {

using TIntKit = std::vector<int32_t>;

// Usage flags in the optional fifth cell of a noun stem row.
enum : int32_t {
  kNounMass = 1,      // a substance, measured rather than counted (су, он)
  kNounRelative = 2,  // has a relative adjective that stands for it (китап: книжный)
  kNounMeasure = 4    // a measure or container word (стакан, кило)
};

class TCode : public zentrok::TPack2Table {
public:
  TCode(const uint8_t* image, size_t size, std::string_view name);
  // The ending of the row whose key equals key.
  bool FindCode(int32_t key, std::u16string_view& ending) const;
};

class TFlank : public zentrok::TPack2Table {
public:
  enum class TKind { Endings, Stems };
  TFlank(const uint8_t* image, size_t size, std::string_view name, TKind kind);

  // Ending table: the codes of the row whose ending equals `ending`.
  bool EndingCodes(std::u16string_view ending, TIntKit& codes) const;
  // Stem table: appends a reading (Row, Form) for every stem row equal to
  // the first n characters of word and every code whose paradigm is the
  // row's; true when it appended one.
  bool MatchStems(std::u16string_view word, int n, TTransUnits& readings,
                  const TIntKit& codes) const;
  // Stem table: the Tatar stem and paradigm of a row.
  void StemInfo(int32_t row, std::u16string_view& tatStem, int32_t& tatParadigm) const;
  // Stem table: the Russian paradigm of a row; -1 for a row that does not exist.
  int32_t StemParadigm(int32_t row) const;
  // Stem table: the usage flags of a row (nouns: kNounMass, kNounRelative,
  // kNounMeasure); 0 for a row without the optional fifth cell or one that
  // does not exist.
  int32_t StemFlags(int32_t row) const;
  // Ending table: the paradigms in which forms a and b share one ending row.
  std::vector<int32_t> ParadigmsWithSameEnding(int a, int b) const;
};

}  // namespace rusengine
