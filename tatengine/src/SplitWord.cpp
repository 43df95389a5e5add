#include "SplitWord.h"

#include "TextUtil.h"
#include "zentrok/Utf.h"

namespace tatengine {

bool SplitWord(const zentrok::TTable& stems, const zentrok::TTable& endings,
               std::u16string_view text, bool stemPastSeparator, TSplit& out) {
  if (text.empty()) return false;
  const int length = static_cast<int>(text.size());
  int lastSeparator = 0;  // position from 1 of the last blank or hyphen
  for (int i = 0; i < length; ++i)
    if (text[i] == u' ' || text[i] == u'-') lastSeparator = i + 1;
  const int minStem = stemPastSeparator ? lastSeparator + 1 : lastSeparator;

  for (int s = length; s >= minStem; --s) {
    int first = 0, last = -1;
    if (!stems.FindRange(text.substr(0, s), first, last)) continue;
    int e = 0;
    if (!endings.Find(text.substr(s), e)) continue;
    const int cells = endings.RowLength(e);
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
