// A test fixture holding a minimal valid lexicon in a temporary folder:
// every source file exists with only a comment; tests replace the files
// they need with Write.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

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
