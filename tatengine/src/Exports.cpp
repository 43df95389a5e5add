// The library's C exports. The engine's state is the one parser and the one
// translator; no C++ exception crosses this boundary: a failed load is kept
// as a message for LoadError and leaves the engine without a translator.
#include <exception>
#include <memory>
#include <string>

#include "Parser_sent_ta.h"
#include "Transler.h"
#include "tatengine.h"

namespace tatengine {
namespace {

struct TEngine {
  std::string DataPath;
  TSP_tat Parser;
  std::unique_ptr<TTransler> Translator;
  std::string LoadError;
};

TEngine& Engine() {
  static TEngine engine;
  return engine;
}

}  // namespace
}  // namespace tatengine

using tatengine::Engine;

extern "C" {

TATENGINE_API void ZENTROK_CALL LoadTransler(const char* path) {
  auto& e = Engine();
  e.Parser.Translator = nullptr;
  e.Translator.reset();
  e.LoadError.clear();
  try {
    e.DataPath = path != nullptr ? path : "";
    e.Parser.MaxPhrase = 3;
    e.Parser.ResetContext();
    e.Translator = std::make_unique<tatengine::TTransler>(e.DataPath);
    e.Parser.Translator = e.Translator.get();
  } catch (const std::exception& ex) {
    e.Translator.reset();
    e.LoadError = ex.what();
    if (e.LoadError.empty()) e.LoadError = "Cannot load the translation data.";
  } catch (...) {
    e.Translator.reset();
    e.LoadError = "Cannot load the translation data.";
  }
}

TATENGINE_API void ZENTROK_CALL SetOutProc(TOutProc proc) { Engine().Parser.OutProc = proc; }

TATENGINE_API void ZENTROK_CALL ParseSentence(const char16_t* sentence) {
  if (sentence == nullptr) return;
  try {
    Engine().Parser.ParseSentence(std::u16string_view(sentence));
  } catch (...) {
    // Translation never fails outward; a sentence that could not be
    // processed (for example out of memory) produces no output.
  }
}

TATENGINE_API void* ZENTROK_CALL ParserInit(void) {
  Engine().Parser.ResetContext();
  return &Engine().Parser;
}

TATENGINE_API const char* ZENTROK_CALL LoadError(void) { return Engine().LoadError.c_str(); }

}  // extern "C"
