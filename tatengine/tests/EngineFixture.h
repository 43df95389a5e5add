// Test support: a small Tatar-Russian lexicon written with the project's
// table writer into a temporary folder, loaded through the engine's exports,
// and the output pieces collected from the callback.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
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

// The lexicon most tests use (see EngineFixture.cpp for its words).
TLexicon StandardLexicon();

// A fresh temporary folder (removed at process exit is not needed: /tmp).
std::string MakeTempDir();

struct TPiece {
  std::u16string Text;
  int Flag;
};

// Runs one sentence through ParseSentence and returns the callback's pieces.
std::vector<TPiece> RunSentence(std::u16string_view sentence);
// The pieces joined: the translated sentence.
std::u16string Text(const std::vector<TPiece>& pieces);
std::u16string Translate(std::u16string_view sentence);

// Loads the standard lexicon, resets the remembered subject and registers
// the collector.
void UseStandardLexicon();
// Loads a lexicon from a new temporary folder; returns the folder.
std::string LoadLexicon(const TLexicon& lexicon);

class EngineTest : public ::testing::Test {
protected:
  void SetUp() override { UseStandardLexicon(); }
};

}  // namespace tatfix
