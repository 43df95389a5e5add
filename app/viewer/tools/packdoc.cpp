// zentrok-packdoc SOURCE OUTPUT: packs a UTF-8 markup document into the
// program's packed document format. A leading byte-order mark is dropped,
// and every line end of the source (LF or CR LF) becomes one CR, which the
// viewer lays out like a space: source lines can be wrapped freely.
#include "zentrok/PackedText.h"

#include <unicode/ustring.h>

#include <fstream>
#include <iostream>
#include <iterator>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: zentrok-packdoc SOURCE OUTPUT\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << "zentrok-packdoc: cannot open " << argv[1] << "\n";
    return 1;
  }
  std::string utf8((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (utf8.rfind("\xEF\xBB\xBF", 0) == 0) utf8.erase(0, 3);

  UErrorCode status = U_ZERO_ERROR;
  int32_t length = 0;
  u_strFromUTF8(nullptr, 0, &length, utf8.data(), int32_t(utf8.size()), &status);
  if (status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(status)) {
    std::cerr << "zentrok-packdoc: " << argv[1] << " is not valid UTF-8\n";
    return 1;
  }
  std::u16string text(size_t(length), u'\0');
  status = U_ZERO_ERROR;
  u_strFromUTF8(text.data(), length, nullptr, utf8.data(), int32_t(utf8.size()), &status);
  if (U_FAILURE(status)) {
    std::cerr << "zentrok-packdoc: " << argv[1] << " is not valid UTF-8\n";
    return 1;
  }
  std::u16string document;
  document.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;
    document.push_back(text[i] == u'\n' ? u'\r' : text[i]);
  }
  try {
    zentrok::SavePackedText(argv[2], document);
  } catch (const std::exception& e) {
    std::cerr << "zentrok-packdoc: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
