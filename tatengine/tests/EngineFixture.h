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
// Loads the tables written before into dir again and resets the remembered
// subject.
void ReloadLexicon(const std::string& dir);

// Tests on the standard lexicon.
class EngineTest : public ::testing::Test {
protected:
  void SetUp() override { UseStandardLexicon(); }
};

// Tests on a lexicon of their own, built by Build: written once per test
// suite, loaded again before each test (with the remembered subject
// forgotten), and replaced by the standard lexicon after the suite, so
// that suites running after it find the engine as they expect.
//   TLexicon MyLexicon() { ... }
//   using MyTest = LexiconTest<MyLexicon>;
template <TLexicon (*Build)()>
class LexiconTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() { Dir = LoadLexicon(Build()); }
  static void TearDownTestSuite() { UseStandardLexicon(); }
  void SetUp() override { ReloadLexicon(Dir); }
  // The suite's folder of tables.
  inline static std::string Dir;
};

}  // namespace tatfix
