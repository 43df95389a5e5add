#include "zentrok/EngineLoad.h"

#include "rusengine.h"
#include "tatengine.h"

namespace zentrok {

std::string LoadEngines(const std::string& programFolder) {
  ::LoadTransler(programFolder.c_str());
  std::string tat = ::LoadError();
  ::LoadTransler_rt(programFolder.c_str());
  std::string rus = ::LoadError_rt();
  if (!tat.empty()) return "Tatar-Russian: " + tat;
  if (!rus.empty()) return "Russian-Tatar: " + rus;
  return {};
}

}  // namespace zentrok
