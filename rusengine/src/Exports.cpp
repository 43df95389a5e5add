// The engine's C exports. No exception crosses them: a failed load is kept
// as text for LoadError_rt and leaves the engine unusable, and a sentence
// given to an engine that did not load emits nothing.
#include <exception>
#include <memory>
#include <string>

#include "Parser_sent_ru.h"
#include "Transler.h"
#include "rusengine.h"

namespace rusengine {
namespace {

struct TEngine {
  std::string DataPath;
  std::unique_ptr<TSP_rus> Parser;
  std::unique_ptr<TTransler> Transler;
  TOutProc OutProc = nullptr;
  std::string LoadError;
  bool Busy = false;  // inside ParseSentence_rt
};

TEngine& Engine() {
  static TEngine engine;
  return engine;
}

}  // namespace
}  // namespace rusengine

using rusengine::Engine;

extern "C" {

RUSENGINE_API void ZENTROK_CALL LoadTransler_rt(const char* path) {
  auto& e = Engine();
  if (e.Busy) return;
  e.LoadError.clear();
  e.Parser.reset();
  e.Transler.reset();
  try {
    e.DataPath = path ? path : "";
    auto parser = std::make_unique<rusengine::TSP_rus>();
    parser->MaxPhrase = 3;
    parser->OutProc = e.OutProc;
    auto transler = std::make_unique<rusengine::TTransler>(e.DataPath);
    parser->Transler = transler.get();
    e.Parser = std::move(parser);
    e.Transler = std::move(transler);
  } catch (const std::exception& ex) {
    e.LoadError = ex.what();
    if (e.LoadError.empty()) e.LoadError = "The translation data could not be loaded.";
  } catch (...) {
    e.LoadError = "The translation data could not be loaded.";
  }
}

RUSENGINE_API void ZENTROK_CALL SetOutProc_rt(TOutProc proc) {
  auto& e = Engine();
  e.OutProc = proc;
  if (e.Parser) e.Parser->OutProc = proc;
}

RUSENGINE_API void ZENTROK_CALL ParseSentence_rt(const char16_t* sentence) {
  auto& e = Engine();
  // A callback that hands the engine another sentence would pull the slots
  // from under the one being emitted: such a call is ignored.
  if (!e.Parser || !e.Transler || !sentence || e.Busy) return;
  e.Busy = true;
  try {
    e.Parser->Parse(std::u16string_view(sentence));
  } catch (...) {
    // Out of memory in the middle of a sentence: what was not emitted is
    // lost, the engine stays usable.
    e.Parser->Kits.clear();
  }
  e.Busy = false;
}

RUSENGINE_API const char* ZENTROK_CALL LoadError_rt(void) { return Engine().LoadError.c_str(); }

}  // extern "C"
