// The command line of zentrok-cli.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zentrok::cli {

enum class TWhen { Auto, Always, Never };

struct TCliOptions {
  uint8_t Direction = 0;            // DirRussianTatar or DirTatarRussian
  bool DirectionGiven = false;
  std::vector<std::string> Files;   // empty: standard input; "-" too
  bool Mark = false;                // show untranslated pieces
  std::string MarkOpen = "[[";      // marker around them when not in colour
  std::string MarkClose = "]]";
  TWhen Color = TWhen::Auto;        // colour instead of markers: on a terminal
  TWhen Progress = TWhen::Auto;     // progress bar: large input, stderr a terminal
  std::string DataDir;              // empty: the folder of the executable
  bool Help = false;
  bool Version = false;
};

// Parses argv[1..]. Returns false with a message in error on a usage error.
// Options: -d/--direction tt-ru|ru-tt, --mark, --mark-open S, --mark-close S,
// --color auto|always|never, --progress auto|always|never, --data DIR,
// --help/-h, --version; "--opt=value" works too; "--" ends the options.
bool ParseCliOptions(const std::vector<std::string>& args, TCliOptions& options,
                     std::string& error);

// The text of --help.
std::string CliUsage();

}  // namespace zentrok::cli
