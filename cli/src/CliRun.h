// zentrok-cli as a function: parses the command line, loads the engine of
// the chosen direction, and streams every input through the translation
// driver to the output. main() binds the real engines; tests may bind
// others.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "zentrok/Translator2.h"

namespace zentrok::cli {

// Exit codes.
inline constexpr int ExitOk = 0;
inline constexpr int ExitUsage = 1;
inline constexpr int ExitNoData = 2;
inline constexpr int ExitBadInput = 3;
inline constexpr int ExitBadOutput = 4;

struct TCliEnvironment {
  int Out = 1;  // standard output
  int Err = 2;  // standard error
  bool OutIsTerminal = false;
  bool ErrIsTerminal = false;
  std::string ProgramFolder;  // default data folder
  // Loads the data of one direction from folder (with a trailing "/");
  // returns "" or the engine's load error.
  std::function<std::string(uint8_t direction, const std::string& folder)> LoadEngine;
  TEngineBinding Engines{};
  std::string Version = "0";
};

// Inputs are handed to the driver in chunks of about this many characters,
// cut where the driver cuts sentences anyway.
inline constexpr size_t ChunkChars = 1 << 15;

// Runs the program with args (without the program name); returns the exit
// code.
int RunCli(const std::vector<std::string>& args, const TCliEnvironment& env);

}  // namespace zentrok::cli
