// A test fixture holding a minimal valid lexicon in a temporary folder:
// every source file exists with only a comment; tests replace the files
// they need with Write.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "DataBuilder.h"
#include "Lexicon.h"
#include "zentrok/MyTables3.h"
#include "zentrok/Utf.h"

class TempLexicon : public ::testing::Test {
protected:
  void SetUp() override {
    Dir = std::filesystem::temp_directory_path() /
          ("mkdata_lex_" + std::to_string(::getpid()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name() + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(Dir);
    for (const char* f : {"nouns.tsv", "verbs.tsv", "adjectives.tsv", "adverbs.tsv", "numerals.tsv",
                          "conjunctions.tsv", "postpositions.tsv", "determiners.tsv",
                          "predicatives.tsv", "phrases.tsv", "pronouns.tsv", "prepositions.tsv",
                          "ru-words.tsv", "verbnumbers.tsv"})
      Write(f, "# empty\n");
  }
  void TearDown() override { std::filesystem::remove_all(Dir); }
  void Write(const std::string& name, const std::string& text) {
    std::ofstream(Dir / name, std::ios::binary) << text;
  }

  std::filesystem::path Dir;
};

// A temporary lexicon that the tests compile into the engines' files in its
// "out" folder.
class TempBuild : public TempLexicon {
protected:
  void SetUp() override {
    TempLexicon::SetUp();
    std::filesystem::create_directories(Dir / "out");
  }
  // Builds the Tatar-to-Russian files, and the Russian-to-Tatar ones too
  // when asked; the error text, empty on success.
  std::string Build(bool rusEngineToo = false) {
    try {
      mkdata::TLexicon lx = mkdata::LoadLexicon(Dir.string());
      mkdata::TBuildReport report;
      mkdata::BuildTatEngineData(lx, (Dir / "out").string(), report);
      if (rusEngineToo) mkdata::BuildRusEngineData(lx, (Dir / "out").string(), report);
    } catch (const mkdata::TLexiconError& e) {
      return e.what();
    }
    return "";
  }
  zentrok::TTable Table(const char* name) {
    return zentrok::TTable(zentrok::Utf8ToUtf16((Dir / "out" / name).string()));
  }
};
