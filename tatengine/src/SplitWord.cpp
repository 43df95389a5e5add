#include "SplitWord.h"

#include <algorithm>

#include "TextUtil.h"
#include "zentrok/Utf.h"

namespace tatengine {

TSplitTables::TSplitTables(const zentrok::TTable& stems, const zentrok::TTable& endings)
    : Stems(&stems), Endings(&endings) {
  MinStem = stems.RowCount() > 0 ? 1 << 30 : 0;
  for (int r = 0; r < stems.RowCount(); ++r) {
    const std::u16string_view key = CellAt(stems, r, 0);
    const int n = static_cast<int>(key.size());
    MinStem = std::min(MinStem, n);
    MaxStem = std::max(MaxStem, n);
    StemsWithBlank = StemsWithBlank || key.find(u' ') != std::u16string_view::npos;
    StemsWithHyphen = StemsWithHyphen || key.find(u'-') != std::u16string_view::npos;
    if (!key.empty()) StemFirst += ToLowerChar(key.front());
  }
  for (int r = 0; r < endings.RowCount(); ++r) {
    const std::u16string_view key = CellAt(endings, r, 0);
    MaxEnding = std::max(MaxEnding, static_cast<int>(key.size()));
    if (!key.empty()) EndingLast += ToLowerChar(key.back());
  }
  for (std::u16string* set : {&StemFirst, &EndingLast}) {
    std::sort(set->begin(), set->end());
    set->erase(std::unique(set->begin(), set->end()), set->end());
  }
}

namespace {

bool Holds(const std::u16string& set, char16_t c) {
  return std::binary_search(set.begin(), set.end(), ToLowerChar(c));
}

}  // namespace

bool SplitWord(const TSplitTables& tables, std::u16string_view text, bool stemPastSeparator,
               TSplit& out) {
  if (text.empty() || tables.MaxStem < 0 || tables.MaxEnding < 0) return false;
  const zentrok::TTable& stems = *tables.Stems;
  const zentrok::TTable& endings = *tables.Endings;
  const int length = static_cast<int>(text.size());
  int lastSeparator = 0;  // position from 1 of the last blank or hyphen
  for (int i = 0; i < length; ++i)
    if (text[i] == u' ' || text[i] == u'-') lastSeparator = i + 1;
  // Every candidate stem holds that separator: no stem in the table has one.
  if (lastSeparator > 0) {
    const bool blank = text[lastSeparator - 1] == u' ';
    if (blank ? !tables.StemsWithBlank : !tables.StemsWithHyphen) return false;
  }
  const int minStem = stemPastSeparator ? lastSeparator + 1 : lastSeparator;
  // A stem starts, and a non-empty ending ends, with a letter the table has.
  const bool stemStartFits = tables.MinStem == 0 || Holds(tables.StemFirst, text.front());
  const bool endingEndFits = Holds(tables.EndingLast, text.back());

  // Longest stem first; stems and endings of lengths the tables do not hold
  // are not searched (keys are letters, equal only at equal length).
  const int from = std::min(length, tables.MaxStem);
  const int to = std::max({minStem, tables.MinStem, length - tables.MaxEnding});
  for (int s = from; s >= to; --s) {
    if (s < length && !endingEndFits) continue;
    if (s > 0 && !stemStartFits) continue;
    int e = 0;
    if (!endings.Find(text.substr(s), e)) continue;
    const int cells = endings.RowLength(e);
    if (cells < 2) continue;
    int first = 0, last = -1;
    if (!stems.FindRange(text.substr(0, s), first, last)) continue;
    for (int c = 1; c < cells; ++c) {
      const uint32_t code = static_cast<uint32_t>(endings.GetInt(e, c));
      const int paradigm = static_cast<int>((code & 0xFFFF) >> 8);
      for (int r = first; r <= last; ++r) {
        if (IntAt(stems, r, 1) == paradigm) {
          out.Code = static_cast<int>(code & 0xFF);
          out.Row = r;
          return true;
        }
      }
    }
  }
  return false;
}

zentrok::TTable LoadTable(const std::string& dataPath, const char* name) {
  return zentrok::TTable(zentrok::Utf8ToUtf16(dataPath + name));
}

}  // namespace tatengine
