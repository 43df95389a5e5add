#include <cstdio>
#include <cstdlib>

#include "zentrok/EngineLoad.h"
#include "zentrok/testsupport/ProgramEnv.h"

namespace zentrok::testenv {

const std::string& LoadProgramEngines() {
  const char* bin = std::getenv("ZENTROK_BIN");
  ProgramDir = std::string(bin && *bin ? bin : ".") + "/";
  EngineError = LoadEngines(ProgramDir);
  if (!EngineError.empty()) std::fprintf(stderr, "engines not loaded: %s\n", EngineError.c_str());
  return EngineError;
}

}  // namespace zentrok::testenv
