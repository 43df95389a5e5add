// A small Tatar-Russian lexicon for the engine's tests and benchmark,
// written with the project's table writer as the engine's 27 data files.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace tatfix {

using TRow = std::vector<std::u16string>;

// The engine's 27 data files, in the order the engine loads them.
extern const char* const DataFiles[27];

// Rows of every data file; files without rows are written as empty tables.
struct TLexicon {
  std::map<std::string, std::vector<TRow>> Tables;
  void Add(const std::string& file, TRow row) { Tables[file].push_back(std::move(row)); }
  // Writes all 27 files into dir (sorted on column 0 by the writer).
  void Write(const std::string& dir) const;
};

// The lexicon most tests use (see Lexicon.cpp for its words).
TLexicon StandardLexicon();

// A fresh temporary folder.
std::string MakeTempDir();

}  // namespace tatfix
