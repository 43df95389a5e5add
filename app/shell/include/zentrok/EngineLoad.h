// Binds both engines to their data: LoadTransler, then LoadTransler_rt,
// with the program folder. Call once per process.
#pragma once

#include <string>

namespace zentrok {

// "" when both engines loaded; otherwise the load error of the engine that
// failed (the Tatar-to-Russian one first), naming the engine.
std::string LoadEngines(const std::string& programFolder);

}  // namespace zentrok
