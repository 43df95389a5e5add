// Word-class analysers and their generators, seen through translations; the
// fixed tables' edges directly.
#include "../src/Common_ta.h"
#include "EngineFixture.h"

namespace tatfix {
namespace {

using AnalyserTest = EngineTest;

TEST_F(AnalyserTest, StemAndEndingSplits) {
  // The whole word is the stem, with the empty ending.
  EXPECT_EQ(Translate(u"китап"), u"книга");
  // The longer stem wins: "укучын"+"ы" rather than "укучы"+"ны".
  EXPECT_EQ(Translate(u"укучыны"), u"чужак");
  // Of two fitting code columns the leftmost (accusative, no prefix) wins.
  EXPECT_EQ(Translate(u"китапне"), u"книгу");
  // Letter case of the source does not matter to the lookup.
  EXPECT_EQ(Translate(u"КИТАП"), u"Книга");
}

TEST_F(AnalyserTest, NounEndingCodesGiveCasePrefixAndNumber) {
  // Code 3: case 7 with "в ".
  EXPECT_EQ(Translate(u"китапга"), u"в книгу");
  // Code 5: genitive with "из ".
  EXPECT_EQ(Translate(u"өйдан"), u"из дома");
  // Code 37 is plural whatever the stem's gender: genitive plural.
  EXPECT_EQ(Translate(u"өйларның"), u"домов");
  EXPECT_EQ(Translate(u"китапларның"), u"книг");
  // Code 87: plural nominative.
  EXPECT_EQ(Translate(u"кызлар"), u"девочки");
}

TEST_F(AnalyserTest, MissingRussianEndingGivesTheBareStem) {
  EXPECT_EQ(Translate(u"бакча"), u"сад");
  EXPECT_EQ(Translate(u"бакчада"), u"в сад");
}

TEST_F(AnalyserTest, AdjectiveAndNounReadingsOfOneWord) {
  // Alone (and first) the noun reading is chosen; before a noun the adjective.
  EXPECT_EQ(Translate(u"яшь"), u"возраст");
  EXPECT_EQ(Translate(u"китап яшь кыз"), u"книга молодая девочка");
  // A comparative ("рак") before a noun follows it with "по-".
  EXPECT_EQ(Translate(u"кызылрак кыз"), u"девочка покраснее");
  // The plural form.
  EXPECT_EQ(Translate(u"матурлар"), u"красивые");
}

TEST_F(AnalyserTest, ListSevenWordTakesTheGenderColumn) {
  EXPECT_EQ(Translate(u"аның кыз"), u"её девочка");
  EXPECT_EQ(Translate(u"аның өй"), u"его дом");
}

TEST_F(AnalyserTest, ParticipleReadings) {
  // Form code 1 is not a participle: the word stays unknown.
  const auto pieces = RunSentence(u"китап сөйүче");
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[1].Flag, -1);
  // Noun/participle: the participle is kept before a comma, the noun elsewhere.
  EXPECT_EQ(Translate(u"Кыз сөйгән, китап укый."), u"Девочка любящий, книга читает.");
  EXPECT_EQ(Translate(u"Кыз сөйгән китап укый."), u"Девочка читает друг книгу.");
}

TEST_F(AnalyserTest, AdverbsNumeralsAndUnchangingWords) {
  EXPECT_EQ(Translate(u"тиз укыды"), u"быстро читал");
  EXPECT_EQ(Translate(u"ике китап"), u"две книги");
  EXPECT_EQ(Translate(u"әйе, ләкин"), u"да, но");
}

TEST(FixedTables, OutOfRangeIndexesHaveDefinedAnswers) {
  using namespace tatengine;
  // Adjective rows: cases 13-14 share the last row; above 14 it is used too.
  EXPECT_EQ(AdjFormCode(13, 0, 1), 29);
  EXPECT_EQ(AdjFormCode(15, 1, 3), 29);
  EXPECT_EQ(AdjFormCode(200, 0, 2), 29);
  EXPECT_EQ(AdjFormCode(0, 0, 1), 1);
  EXPECT_EQ(AdjFormCode(7, 0, 2), 14);
  EXPECT_EQ(AdjFormCode(8, 1, 2), 18);
  EXPECT_EQ(AdjFormCode(11, 0, 9), 28);
  EXPECT_EQ(AdjFormCode(9, 1, 1), 21);
  // Glue form lists clamp to their last row.
  EXPECT_EQ(FaceForm(12), u"лицах");
  EXPECT_EQ(FaceForm(13), u"лицах");
  EXPECT_EQ(PageForm(40), u"страницах");
  EXPECT_EQ(PageForm(0), u"страница");
  // The case map.
  EXPECT_EQ(CaseMap(7, 2), 8);
  EXPECT_EQ(CaseMap(14, 1), 3);
  EXPECT_EQ(CaseMap(20, 2), 8);
  EXPECT_EQ(CaseMap(99, 1), 7);
  // Codes outside the rule tables: case 0, no prefix.
  EXPECT_EQ(NounRule(88).Case, 0);
  EXPECT_EQ(NounRule(0).Case, 0);
  EXPECT_EQ(VerbRule(106).Case, 0);
  EXPECT_EQ(GanRule(72).Case, 0);
  EXPECT_EQ(NounRule(86).Prefix, u"находящийся в ");
  EXPECT_EQ(VerbRule(70).Prefix, u"не будешь ");
  EXPECT_EQ(VerbRule(60).Prefix, u"не будем ");
  EXPECT_EQ(GanRule(65).Prefix, u"в наших ");
  EXPECT_EQ(GanRule(23).Prefix, u"от ");
}

TEST(FixedTables, EndingSets) {
  using namespace tatengine;
  for (int code = 1; code <= 87; ++code) {
    // Every noun code is either bare or possessed, never both.
    EXPECT_NE(IsBareNounEnding(code), IsPossessedEnding(code)) << code;
  }
  EXPECT_TRUE(IsPluralEnding(37));
  EXPECT_TRUE(IsPluralEnding(40));  // the plural ablative
  EXPECT_FALSE(IsPluralEnding(36));
  EXPECT_TRUE(IsPluralEnding(87));
  EXPECT_TRUE(IsNegativeVerbEnding(74));
  EXPECT_FALSE(IsNegativeVerbEnding(75));
  EXPECT_TRUE(IsAblativeEnding(70));
  EXPECT_FALSE(IsAblativeEnding(71));
}

}  // namespace
}  // namespace tatfix
