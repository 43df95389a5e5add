// Writes the data files of both engines from a checked lexicon: the 27
// text tables of the Tatar-to-Russian engine and the five collections and
// two text tables of the Russian-to-Tatar engine.
#pragma once

#include <map>
#include <string>

#include "Lexicon.h"

namespace mkdata {

// What was written, for the build log and the data notes.
struct TBuildReport {
  std::map<std::string, int> Entries;     // entries by class
  std::map<std::string, int> Paradigms;   // paradigm counts by table family
  std::map<std::string, int> Rows;        // rows by file
};

// Russian verb numbers: pinned ones from the lexicon, the rest from 10000
// upward in the order of the infinitives.
std::map<std::u16string, int> NumberVerbs(const TLexicon& lx);

void BuildTatEngineData(const TLexicon& lx, const std::string& outDir, TBuildReport& report);
void BuildRusEngineData(const TLexicon& lx, const std::string& outDir, TBuildReport& report);

// The 27 and 7 file names, for checks.
extern const char* const TatEngineFiles[27];
extern const char* const RusEngineFiles[7];

}  // namespace mkdata
