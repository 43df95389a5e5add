// Arbitrary UTF-16 sentences through the parser and translator, on the
// fixture lexicon.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "Fixture.h"
#include "Parser_sent_ru.h"
#include "Transler.h"

namespace {

struct TEngine {
  TEngine() {
    rusengine::fixture::TLexicon::Standard().Write(Dir.Path());
    Transler = std::make_unique<rusengine::TTransler>(Dir.Path());
    Parser.Transler = Transler.get();
    Parser.OutProc = [](const char16_t* piece, int32_t) {
      // Touch every character of the piece.
      volatile size_t n = std::char_traits<char16_t>::length(piece);
      (void)n;
    };
  }
  rusengine::fixture::TTempDir Dir;
  std::unique_ptr<rusengine::TTransler> Transler;
  rusengine::TSP_rus Parser;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static TEngine engine;
  std::u16string s(size / 2, u'\0');
  std::memcpy(s.data(), data, s.size() * 2);
  // The exports take zero-terminated text: cut at the first zero.
  s.resize(std::char_traits<char16_t>::length(s.c_str()));
  engine.Parser.Parse(s);
  return 0;
}
