#include "Common_ru.h"

#include <array>

#include "TextCase.h"

namespace rusengine {

namespace {

constexpr std::array<int, 12> kNounForms = {0, 0, 2, 3, 0, 0, 86, 86, 37, 38, 86, 86};
constexpr std::array<int, 48> kVAdjForms = {
    1, 2, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 4, 3, 4, 3, 2, 1, 2, 1, 2, 1, 2, 1,
    4, 3, 4, 3, 2, 1, 2, 1, 2, 2, 2, 1, 4, 3, 4, 3, 4, 3, 4, 3, 2, 1, 2, 1};
constexpr std::array<int, 4> kVAdvForms = {0, 0, 1, 1};
constexpr std::array<int, 38> kVerbForms = {4,  5,  1,  2,  10, 11, 14, 20, 15, 21, 16, 22, 17,
                                            23, 18, 24, 19, 25, 28, 34, 28, 34, 28, 34, 31, 37,
                                            50, 56, 51, 57, 52, 58, 53, 59, 54, 60, 55, 61};

template <size_t N>
int At(const std::array<int, N>& table, int index) {
  return index >= 0 && static_cast<size_t>(index) < N ? table[index] : -1;
}

}  // namespace

int NounForms(int form) { return At(kNounForms, form); }
int VAdjForms(int form) { return At(kVAdjForms, form); }
int VAdvForms(int index) { return At(kVAdvForms, index); }
int VerbForms(int index) { return At(kVerbForms, index); }

bool IsInstrumentalForm(int form) { return form == 4 || form == 10; }

bool IsPluralAdjForm(int form) { return (form >= 18 && form <= 23) || form == 29; }

int PluralCase(int tatForm) {
  switch (tatForm) {
    case 0: return 86;
    case 1: return 36;
    case 2: return 37;
    case 3: return 38;
    case 4: return 39;
    case 5: return 40;
    case 71: return 72;
    default: return tatForm;
  }
}

namespace {

// The case (0-5) of a bare plural code, -1 for any other code.
int PluralCaseIndex(int code) {
  if (code == 86) return 0;
  if (code >= 36 && code <= 40) return code - 35;
  return -1;
}

}  // namespace

int PossessiveCode(int code, int person) {
  static constexpr std::array<int, 6> kEnding = {0, 1, 2, 3, 4, 2};
  if (person < 0 || person > 5) return code;
  const int p = kEnding[static_cast<size_t>(person)];
  if (code >= 0 && code <= 5) return 6 + p * 6 + code;
  const int c = PluralCaseIndex(code);
  return c >= 0 ? 41 + p * 6 + c : code;
}

int SingularCode(int code) {
  if (code == 72) return 71;
  const int c = PluralCaseIndex(code);
  return c >= 0 ? c : code;
}

int BareObjectCode(int code) {
  if (code == 3) return 0;
  if (code == 38) return 86;
  return code;
}

void AppendQuestionParticle(std::u16string& text) {
  static constexpr std::u16string_view kBack = u"аоуыяёюАОУЫЯЁЮ";
  static constexpr std::u16string_view kFront = u"әөүеиэӘӨҮЕИЭ";
  for (size_t i = text.size(); i-- > 0;) {
    if (kBack.find(text[i]) != std::u16string_view::npos) {
      text.append(u"мы");
      return;
    }
    if (kFront.find(text[i]) != std::u16string_view::npos) {
      text.append(u"ме");
      return;
    }
  }
  text.append(u"мы");
}

uint8_t GetCasePattern(std::u16string_view text) {
  if (text.empty()) return 0;
  bool all = true;
  for (char16_t c : text) {
    if (!IsUpper(c)) {
      all = false;
      break;
    }
  }
  if (all) return 2;
  return IsUpper(text[0]) ? 1 : 0;
}

std::u16string ApplyCase(std::u16string text, uint8_t pattern) {
  if (text.empty()) return text;
  if (pattern == 1)
    text[0] = ToUpper(text[0]);
  else if (pattern == 2)
    UpperInPlace(text);
  return text;
}

}  // namespace rusengine
