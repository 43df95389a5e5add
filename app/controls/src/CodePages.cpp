#include "zentrok/CodePages.h"

#include <unicode/ucnv.h>

#include "zentrok/Utf.h"

namespace zentrok {

int CharsetCodePage(int charset) {
  switch (charset) {
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    default: return 0;
  }
}

TCodePageDecoder::~TCodePageDecoder() {
  for (auto& [page, conv] : FConverters)
    if (conv) ucnv_close(conv);
}

UConverter* TCodePageDecoder::Converter(int codePage) {
  auto it = FConverters.find(codePage);
  if (it != FConverters.end()) return it->second;
  UErrorCode status = U_ZERO_ERROR;
  std::string name = codePage == 10000 ? "macintosh" : "windows-" + std::to_string(codePage);
  UConverter* conv = ucnv_open(name.c_str(), &status);
  if (U_FAILURE(status)) {
    conv = nullptr;
  }
  FConverters[codePage] = conv;
  return conv;
}

std::u16string TCodePageDecoder::Decode(std::string_view bytes, int codePage) {
  if (bytes.empty()) return {};
  if (codePage == 1251) return Cp1251ToUtf16(bytes);
  UConverter* conv = Converter(codePage);
  if (!conv && codePage != 1252) conv = Converter(1252);
  if (!conv) return Cp1251ToUtf16(bytes);
  std::u16string out(bytes.size() * 2 + 4, u'\0');
  UErrorCode status = U_ZERO_ERROR;
  ucnv_reset(conv);
  int32_t len = ucnv_toUChars(conv, reinterpret_cast<UChar*>(out.data()),
                              static_cast<int32_t>(out.size()), bytes.data(),
                              static_cast<int32_t>(bytes.size()), &status);
  if (U_FAILURE(status)) return std::u16string(bytes.size(), u'\xFFFD');
  out.resize(static_cast<size_t>(len));
  return out;
}

}  // namespace zentrok
