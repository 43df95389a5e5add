// zentrok-cli: translates text files or standard input between Tatar and
// Russian with the engines linked into the program.
#include <unistd.h>

#include <climits>
#include <exception>
#include <string>
#include <vector>

#include "CliRun.h"
#include "rusengine.h"
#include "tatengine.h"
#include "zentrok/LinkedEngines.h"

namespace {

std::string ProgramFolder() {
  char path[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return "./";
  std::string s(path, static_cast<size_t>(n));
  return s.substr(0, s.rfind('/') + 1);
}

std::string LoadEngine(uint8_t direction, const std::string& folder) {
  try {
    if (direction == zentrok::DirTatarRussian) {
      LoadTransler(folder.c_str());
      return LoadError();
    }
    LoadTransler_rt(folder.c_str());
    return LoadError_rt();
  } catch (const std::exception& e) {
    return e.what();
  }
}

}  // namespace

int main(int argc, char** argv) {
  zentrok::cli::TCliEnvironment env;
  env.OutIsTerminal = isatty(1);
  env.ErrIsTerminal = isatty(2);
  env.ProgramFolder = ProgramFolder();
  env.LoadEngine = &LoadEngine;
  env.Engines = zentrok::LinkedEngines();
  env.Version = ZENTROK_VERSION;
  return zentrok::cli::RunCli(std::vector<std::string>(argv + 1, argv + argc), env);
}
