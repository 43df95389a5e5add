// zentrok-mkdata: compiles the lexicon sources into both engines' data files.
//   zentrok-mkdata --lexicon DIR --out DIR [--quiet]
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "DataBuilder.h"
#include "Lexicon.h"

int main(int argc, char** argv) {
  std::string lexicon, out;
  bool quiet = false;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--lexicon") && i + 1 < argc) lexicon = argv[++i];
    else if (!std::strcmp(argv[i], "--out") && i + 1 < argc) out = argv[++i];
    else if (!std::strcmp(argv[i], "--quiet")) quiet = true;
    else {
      std::fprintf(stderr, "usage: zentrok-mkdata --lexicon DIR --out DIR [--quiet]\n");
      return 2;
    }
  }
  if (lexicon.empty() || out.empty()) {
    std::fprintf(stderr, "usage: zentrok-mkdata --lexicon DIR --out DIR [--quiet]\n");
    return 2;
  }
  try {
    mkdata::TLexicon lx = mkdata::LoadLexicon(lexicon);
    mkdata::TBuildReport report;
    mkdata::BuildTatEngineData(lx, out, report);
    mkdata::BuildRusEngineData(lx, out, report);
    if (!quiet) {
      for (auto& [k, v] : report.Entries) std::printf("entries   %-28s %6d\n", k.c_str(), v);
      for (auto& [k, v] : report.Paradigms) std::printf("paradigms %-28s %6d\n", k.c_str(), v);
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zentrok-mkdata: %s\n", e.what());
    return 1;
  }
  return 0;
}
