// Noun options for noun phrases: measure words and mass nouns travel as
// flags in the stem table, a relative adjective (radj=) as column 6 with its
// declension in the Russian adjective tables only.
#include <gtest/gtest.h>

#include <filesystem>

#include "DataBuilder.h"
#include "Lexicon.h"
#include "TempLexicon.h"
#include "zentrok/MyTables3.h"
#include "zentrok/Utf.h"
#include "zentrok_test_utf8.h"

using namespace mkdata;

namespace {

class NounOptionsFolder : public TempBuild {
 protected:
  // The row whose cell col holds text, or -1.
  static int Row(const zentrok::TTable& t, int col, const std::string& text) {
    for (int r = 0; r < t.RowCount(); ++r)
      if (col < t.RowLength(r) && U8(t.GetCell(r, col)) == text) return r;
    return -1;
  }
  // The Russian adjective ending of a paradigm and form code 1-29.
  static std::string Ending(const zentrok::TTable& codes, int paradigm, int form) {
    const int r = Row(codes, 0, std::to_string(paradigm * 256 + form));
    return r < 0 ? "?" : U8(codes.GetCell(r, 1));
  }
};

}  // namespace

TEST_F(NounOptionsFolder, MeasureAndMassAreFlagsBesideTheGender) {
  Write("nouns.tsv",
        "кибет\tмагазин\tna\n"
        "стакан\tстакан\tmeasure\n"
        "сөт\tмолоко\tmass\n");
  ASSERT_EQ(Build(), "");
  auto stems = Table("itfst04.pack");
  auto flags = [&](const char* tat) {
    return (std::stol(U8(stems.GetCell(Row(stems, 4, tat), 3))) >> 8) & 0xFF;
  };
  EXPECT_EQ(flags("кибет"), 1);
  EXPECT_EQ(flags("стакан"), 2);
  EXPECT_EQ(flags("сөт"), 4);
  EXPECT_EQ(std::stol(U8(stems.GetCell(Row(stems, 4, "сөт"), 3))) & 0xFF, 3);  // neuter
}

TEST_F(NounOptionsFolder, RelativeAdjectiveIsDeclinedWithoutATatarStem) {
  // лесной has a reverse-only entry; железный none at all.
  Write("nouns.tsv",
        "тимер\tжелезо\tradj=железный\n"
        "урман\tлес\tradj=лесной\n");
  Write("adjectives.tsv", "урман\tлесной\t<\n");
  ASSERT_EQ(Build(), "");
  auto stems = Table("itfst04.pack");
  EXPECT_EQ(U8(stems.GetCell(Row(stems, 4, "урман"), 6)), "лесной");
  EXPECT_EQ(U8(stems.GetCell(Row(stems, 4, "тимер"), 6)), "железный");
  // No Tatar adjective stem: урман is never read as an adjective by itself.
  auto adjectives = Table("itfst01.pack");
  EXPECT_EQ(Row(adjectives, 0, "урман"), -1);
  auto rusStems = Table("itfsr01.pack");
  auto codes = Table("cds01.pack");
  const int forest = Row(rusStems, 2, "лесной");
  const int iron = Row(rusStems, 2, "железный");
  ASSERT_GE(forest, 0);
  ASSERT_GE(iron, 0);
  auto form = [&](int row, int code) {
    return U8(rusStems.GetCell(row, 0)) + Ending(codes, std::stoi(U8(rusStems.GetCell(row, 1))), code);
  };
  // Masculine nominative, feminine nominative, plural prepositional.
  EXPECT_EQ(form(forest, 1), "лесной");
  EXPECT_EQ(form(forest, 2), "лесная");
  EXPECT_EQ(form(forest, 28), "лесных");
  EXPECT_EQ(form(iron, 2), "железная");
}

TEST_F(NounOptionsFolder, RelativeAdjectiveMustBeOneAdjective) {
  Write("nouns.tsv", "урман\tлес\tradj=лес\n");
  EXPECT_NE(Build().find("nouns.tsv:1: radj=лес"), std::string::npos);
  Write("nouns.tsv", "урман\tлес\tradj=лесная дорога\n");
  EXPECT_NE(Build().find("unknown"), std::string::npos);  // a blank splits the option
}
