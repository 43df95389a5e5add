#include "Glue.h"

#include "Common_ta.h"
#include "TextUtil.h"

namespace tatengine {

bool TGlues::Analyse(std::u16string_view text, TFormTat& tat, TFormRus& rus) const {
  for (const TGlueWord& glue : GlueWords) {
    if (!SameText(text, glue.Word)) continue;
    tat.WordClass = wcGlue;
    tat.StemRow = glue.Kind;
    tat.Source.assign(glue.Word);
    rus.WordClass = wcGlue;
    rus.StemRow = glue.Kind;
    rus.Number = 1;
    rus.Case = 0;
    rus.Variant = 0;
    rus.Gender = 1;
    return true;
  }
  return false;
}

std::u16string TGlues::Generate(TFormRus& rus) const {
  if (rus.Case == 0) rus.Case = 1;
  const int kind = rus.StemRow;  // the mode of every glue kind equals the kind
  const int m = rus.GlueMode;
  if (kind == 1 && m == 2) return std::u16string(PageForm(CaseMap(rus.Case, rus.Number)));
  if (m == 0) {
    switch (kind) {
      case 1: {
        // Cases beyond the twelve case-and-number codes go through the case map.
        const int x = rus.Case <= 12 ? rus.Case : CaseMap(rus.Case, rus.Number);
        std::u16string text(FaceForm(x));
        text += u" (";
        text += PageForm(x);
        text += u")";
        return text;
      }
      case 6: return std::u16string(RiseForm(rus.Number));
      case 8: return std::u16string(ResourcefulForm(CaseMap(rus.Case, rus.Number), rus.Gender));
      case 9:
        if (rus.Number == 2) rus.Gender = 4;
        return std::u16string(ThisForm(rus.Gender));
      case 10: return std::u16string(ReadyForm(rus.Gender));
      case 13: return std::u16string(OneForm(CaseMap(rus.Case, rus.Number), rus.Gender, rus.Variant == 1));
      default: break;
    }
  }
  switch (kind) {
    case 1: case 6: case 8: case 9: case 10: case 13:
      return m == 1 ? std::u16string(GlueText(kind, 1)) : std::u16string();
    default:
      return std::u16string(GlueText(kind, m));
  }
}

}  // namespace tatengine
