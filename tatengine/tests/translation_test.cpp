// Phrase windows, the predicative fallback and hyphenated words.
#include "EngineFixture.h"

namespace tatfix {
namespace {

using TranslationTest = EngineTest;

TEST_F(TranslationTest, ThreeWordPhraseIsOneSlot) {
  const auto pieces = RunSentence(u"бик зур рәхмәт укучы");
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[0].Text, u"Большое спасибо ");
  EXPECT_EQ(pieces[1].Text, u"ученик");
}

TEST_F(TranslationTest, TwoWordPhraseThenTheNextWindowStartsAtTheThirdWord) {
  const auto pieces = RunSentence(u"көн саен китап");
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[0].Text, u"Каждый день ");
  EXPECT_EQ(pieces[1].Text, u"книга");
  // "бик зур" is no phrase: the window shrinks to single words.
  EXPECT_EQ(Translate(u"бик зур китап"), u"Очень большая книга");
}

TEST_F(TranslationTest, DirectTranslationIsTheOnlyReadingAndKeepsItsCase) {
  // "тау" is also a noun stem; the direct entry wins and is not lower-cased.
  EXPECT_EQ(Translate(u"китап тау"), u"Книга Гора");
  EXPECT_EQ(Translate(u"исәнмесез!"), u"Здравствуйте!");
  // Inflected forms still go to the noun analyser.
  EXPECT_EQ(Translate(u"тауда"), u"В горе");
}

TEST_F(TranslationTest, PredicativeEndingIsStrippedOnlyAtTheEnd) {
  EXPECT_EQ(Translate(u"укучыдыр"), u"Ученик");
  EXPECT_EQ(Translate(u"китап өйдер"), u"Книга дом");
  EXPECT_EQ(Translate(u"китапмы"), u"Книга");
  // "мы" also starts the word: not stripped, so the word stays unknown.
  const auto pieces = RunSentence(u"китап мыекмы");
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[1].Text, u"мыекмы");
  EXPECT_EQ(pieces[1].Flag, -1);
  EXPECT_EQ(Translate(u"китап мыек"), u"Книга ус");
}

TEST_F(TranslationTest, HyphenatedWordInHalves) {
  const auto known = RunSentence(u"китап-дәфтәр");
  ASSERT_EQ(known.size(), 2u);
  EXPECT_EQ(known[0].Text, u"Книга-");
  EXPECT_EQ(known[0].Flag, 0);
  EXPECT_EQ(known[1].Text, u"тетрадь");
  EXPECT_EQ(known[1].Flag, 0);

  const auto unknown = RunSentence(u"китап абв-где.");
  ASSERT_EQ(unknown.size(), 4u);
  EXPECT_EQ(unknown[1].Text, u"абв-");
  EXPECT_EQ(unknown[1].Flag, -1);
  EXPECT_EQ(unknown[2].Text, u"где");
  EXPECT_EQ(unknown[2].Flag, -1);
  EXPECT_EQ(Text(unknown), u"Книга абв-где.");

  // One half known, one not; a further hyphen stays in the second half.
  EXPECT_EQ(Translate(u"китап-абв-где"), u"Книга-абв-где");
  // A whole hyphenated entry is not split.
  const auto whole = RunSentence(u"күзгә-күз");
  ASSERT_EQ(whole.size(), 1u);
  EXPECT_EQ(whole[0].Text, u"С глазу на глаз");
}

TEST_F(TranslationTest, DoubleTrailingHyphenKeepsBothHyphens) {
  EXPECT_EQ(Translate(u"китап абв--"), u"Книга абв--");
}

}  // namespace
}  // namespace tatfix
