// The lexicon reader rejects bad entries with file:line messages, and the
// project's own lexicon passes every check.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "Lexicon.h"

using namespace mkdata;
namespace fs = std::filesystem;

namespace {

// A minimal valid lexicon in a temporary folder; tests replace one file.
class LexiconFolder : public ::testing::Test {
protected:
  void SetUp() override {
    Dir = fs::temp_directory_path() / ("mkdata_lex_" + std::to_string(::getpid()) + "_" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(Dir);
    for (const char* f : {"nouns.tsv", "verbs.tsv", "adjectives.tsv", "adverbs.tsv", "numerals.tsv",
                          "conjunctions.tsv", "postpositions.tsv", "determiners.tsv",
                          "predicatives.tsv", "phrases.tsv", "pronouns.tsv", "prepositions.tsv",
                          "ru-words.tsv", "verbnumbers.tsv"})
      Write(f, "# empty\n");
  }
  void TearDown() override { fs::remove_all(Dir); }
  void Write(const std::string& name, const std::string& text) {
    std::ofstream(Dir / name, std::ios::binary) << text;
  }
  std::string ErrorOf() {
    try {
      LoadLexicon(Dir.string());
    } catch (const TLexiconError& e) {
      return e.what();
    }
    return "";
  }
  fs::path Dir;
};

}  // namespace

TEST_F(LexiconFolder, EmptyListsLoad) {
  EXPECT_EQ(ErrorOf(), "");
}

TEST_F(LexiconFolder, BadEntriesNameTheirLine) {
  Write("nouns.tsv", "# c\nкитап\tкнига\n\nөй\tдом\tm anim zz\n");
  EXPECT_EQ(ErrorOf(), "nouns.tsv:4: unknown flag \"zz\"");
  Write("nouns.tsv", "китап\tкнига\tqq=книжка\n");
  EXPECT_EQ(ErrorOf(), "nouns.tsv:1: unknown form key \"qq\"");
  Write("nouns.tsv", "китап\n");
  EXPECT_NE(ErrorOf().find("nouns.tsv:1: expected 2-3"), std::string::npos);
  Write("nouns.tsv", "китап\tкнига\nкитап\tкнижка\n");
  EXPECT_NE(ErrorOf().find("nouns.tsv:2: duplicate Tatar entry (first at line 1)"), std::string::npos);
  Write("nouns.tsv", "китап\tкнига\nкитапчык\tкнига\n");
  EXPECT_NE(ErrorOf().find("nouns.tsv:2: duplicate Russian entry"), std::string::npos);
  // extra meanings in one direction are allowed
  Write("nouns.tsv", "китап\tкнига\nкитап\tкнижка\t<\nкитапчык\tкнига\t>\n");
  EXPECT_EQ(ErrorOf(), "");
  Write("nouns.tsv", "китап\tкнига\t< >\n");
  EXPECT_NE(ErrorOf().find("nouns.tsv:1: entry marked both"), std::string::npos);
}

TEST_F(LexiconFolder, ClosedListsAreChecked) {
  Write("postpositions.tsv", "белән\tс\tдевять\n");
  EXPECT_NE(ErrorOf().find("postpositions.tsv:1: not a number"), std::string::npos);
  Write("postpositions.tsv", "белән\tс\t9\n");
  Write("pronouns.tsv", "мин\t1\tя,меня\t1:мин\n");
  EXPECT_EQ(ErrorOf(), "pronouns.tsv:1: 12 Russian forms expected (codes 1-12)");
  Write("pronouns.tsv", "мин\t1\tя,я,я,я,я,я,я,я,я,я,я,я\t99:мин\n");
  EXPECT_EQ(ErrorOf(), "pronouns.tsv:1: form code must be 1-87");
  Write("pronouns.tsv", "# none\n");
  Write("prepositions.tsv", "в\t7\t2\t-\n");
  EXPECT_EQ(ErrorOf(), "prepositions.tsv:1: governed case must be a form id 0-5");
  Write("prepositions.tsv", "# none\n");
  Write("verbnumbers.tsv", "взять\t5165\nбрать\t5165x\n");
  EXPECT_NE(ErrorOf().find("verbnumbers.tsv:2: not a number"), std::string::npos);
  Write("verbnumbers.tsv", "взять\t5165\nвзять\t5166\n");
  EXPECT_EQ(ErrorOf(), "verbnumbers.tsv:2: verb pinned twice");
  Write("verbnumbers.tsv", "взять\t12000\n");
  EXPECT_EQ(ErrorOf(), "verbnumbers.tsv:1: pinned verb numbers are 1-9999");
}

TEST_F(LexiconFolder, MissingFileIsReported) {
  fs::remove(Dir / "verbs.tsv");
  EXPECT_NE(ErrorOf().find("verbs.tsv: cannot open"), std::string::npos);
}

TEST(ProjectLexicon, LoadsWithoutErrors) {
  TLexicon lx = LoadLexicon(ZENTROK_LEXICON_DIR);
  EXPECT_GT(lx.Nouns.size(), 20u);
  EXPECT_GT(lx.Verbs.size(), 10u);
  EXPECT_FALSE(lx.Prepositions.empty());
}
