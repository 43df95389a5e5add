// Test support: a small Tatar-Russian lexicon written with the project's
// table writer into a temporary folder, loaded through the engine's exports,
// and the output pieces collected from the callback.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "Lexicon.h"

namespace tatfix {

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
