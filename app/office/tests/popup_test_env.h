// What the test entry prepares for the main-window popup tests.
#pragma once

#include <string>

namespace zentrok::testenv {
extern std::string ProgramDir;   // the build's program folder, trailing "/"
extern std::string EngineError;  // "" when both engines loaded
}  // namespace zentrok::testenv
