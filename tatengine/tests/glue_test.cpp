// Glue words: their role by position, their text after agreement.
#include "EngineFixture.h"

namespace tatfix {
namespace {

using GlueTest = EngineTest;

TEST_F(GlueTest, Bar) {
  EXPECT_EQ(Translate(u"Китап бар."), u"Есть книга.");
  EXPECT_EQ(Translate(u"Укыды бар."), u"Читал иди.");
}

TEST_F(GlueTest, GenaIsAnAdverbOfDegreeOrOnly) {
  EXPECT_EQ(Translate(u"зур генә өй"), u"довольно большой дом");
  EXPECT_EQ(Translate(u"Китап кына."), u"Только книга.");
}

TEST_F(GlueTest, AllaMovesAfterTheNextAdjectiveOrNoun) {
  EXPECT_EQ(Translate(u"әллә зур китап"), u"большая ли книга");
  EXPECT_EQ(Translate(u"әллә укыды."), u"читал ли.");
}

TEST_F(GlueTest, UlIsThisOrHe) {
  EXPECT_EQ(Translate(u"ул кызлар"), u"эти девочки");
  EXPECT_EQ(Translate(u"ул кыз"), u"эта девочка");
  // "он" is the subject of its verb, whatever was remembered before.
  EXPECT_EQ(Translate(u"Кыз укыды."), u"Девочка читала.");
  EXPECT_EQ(Translate(u"Ул укыды."), u"Он читал.");
}

TEST_F(GlueTest, BerIsOneOrTimes) {
  EXPECT_EQ(Translate(u"бер кыз"), u"одна девочка");
  EXPECT_EQ(Translate(u"бер китап белән"), u"с одной книгой");
  EXPECT_EQ(Translate(u"бер укыды"), u"раз читал");
}

TEST_F(GlueTest, SonIsAfterQuestionOrJust) {
  EXPECT_EQ(Translate(u"өйдан соң"), u"после дома");
  EXPECT_EQ(Translate(u"Укыды соң"), u"Читал же");
  EXPECT_EQ(Translate(u"Укыды соң."), u"Читал же.");
  EXPECT_EQ(Translate(u"соң укыды"), u"поздно читал");
  // After a question form ("-мы" stripped from its word): "ли".
  EXPECT_EQ(Translate(u"китапмы соң"), u"книга ли");
}

TEST_F(GlueTest, MikanIsSilentAtTheEnd) {
  const auto pieces = RunSentence(u"Укыды микән?");
  ASSERT_EQ(pieces.size(), 3u);
  EXPECT_EQ(Text(pieces), u"Читал?");
  EXPECT_EQ(Translate(u"микән укыды"), u"ли читал");
  // In the middle of words it neither gets nor causes a blank.
  EXPECT_EQ(Translate(u"китап микән"), u"книга");
}

TEST_F(GlueTest, AgreeingGlueForms) {
  EXPECT_EQ(Translate(u"тапкыр кыз"), u"находчивая девочка");
  EXPECT_EQ(Translate(u"Китап хәзер."), u"Книга готова.");
  EXPECT_EQ(Translate(u"хәзер укыды"), u"сейчас читал");
  EXPECT_EQ(Translate(u"Кызлар менә."), u"Девочки поднимаются.");
  EXPECT_EQ(Translate(u"Менә китап."), u"Вот книга.");
  EXPECT_EQ(Translate(u"Китап бит."), u"Книга ведь.");
  EXPECT_EQ(Translate(u"зур бит"), u"большое лицо (страница)");
  EXPECT_EQ(Translate(u"Яме."), u"Ладно.");
}

}  // namespace
}  // namespace tatfix
