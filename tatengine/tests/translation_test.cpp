// Phrase windows, the predicative fallback and hyphenated words.
#include "EngineFixture.h"

namespace tatfix {
namespace {

using TranslationTest = EngineTest;

TEST_F(TranslationTest, ThreeWordPhraseIsOneSlot) {
  const auto pieces = RunSentence(u"бик зур рәхмәт укучы");
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[0].Text, u"большое спасибо ");
  EXPECT_EQ(pieces[1].Text, u"ученик");
}

TEST_F(TranslationTest, TwoWordPhraseThenTheNextWindowStartsAtTheThirdWord) {
  const auto pieces = RunSentence(u"көн саен китап");
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[0].Text, u"каждый день ");
  EXPECT_EQ(pieces[1].Text, u"книга");
  // "бик зур" is no phrase: the window shrinks to single words.
  EXPECT_EQ(Translate(u"бик зур китап"), u"очень большая книга");
}

TEST_F(TranslationTest, DirectTranslationIsTheOnlyReadingAndKeepsItsCase) {
  // "тау" is also a noun stem; the direct entry wins and is not lower-cased.
  EXPECT_EQ(Translate(u"китап тау"), u"книга Гора");
  EXPECT_EQ(Translate(u"исәнмесез!"), u"здравствуйте!");
  // Inflected forms still go to the noun analyser.
  EXPECT_EQ(Translate(u"тауда"), u"в горе");
}

TEST_F(TranslationTest, PredicativeEndingIsStrippedOnlyAtTheEnd) {
  EXPECT_EQ(Translate(u"укучыдыр"), u"ученик");
  EXPECT_EQ(Translate(u"китап өйдер"), u"книга дом");
  EXPECT_EQ(Translate(u"китапмы"), u"книга");
  // "мы" also starts the word: not stripped, so the word stays unknown.
  const auto pieces = RunSentence(u"китап мыекмы");
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[1].Text, u"мыекмы");
  EXPECT_EQ(pieces[1].Flag, -1);
  EXPECT_EQ(Translate(u"китап мыек"), u"книга ус");
}

TEST_F(TranslationTest, HyphenatedWordInHalves) {
  const auto known = RunSentence(u"китап-дәфтәр");
  ASSERT_EQ(known.size(), 2u);
  EXPECT_EQ(known[0].Text, u"книга-");
  EXPECT_EQ(known[0].Flag, 0);
  EXPECT_EQ(known[1].Text, u"тетрадь");
  EXPECT_EQ(known[1].Flag, 0);

  const auto unknown = RunSentence(u"китап абв-где.");
  ASSERT_EQ(unknown.size(), 4u);
  EXPECT_EQ(unknown[1].Text, u"абв-");
  EXPECT_EQ(unknown[1].Flag, -1);
  EXPECT_EQ(unknown[2].Text, u"где");
  EXPECT_EQ(unknown[2].Flag, -1);
  EXPECT_EQ(Text(unknown), u"книга абв-где.");

  // One half known, one not; a further hyphen stays in the second half.
  EXPECT_EQ(Translate(u"китап-абв-где"), u"книга-абв-где");
  // A whole hyphenated entry is not split.
  const auto whole = RunSentence(u"күзгә-күз");
  ASSERT_EQ(whole.size(), 1u);
  EXPECT_EQ(whole[0].Text, u"с глазу на глаз");
}

TEST_F(TranslationTest, DoubleTrailingHyphenKeepsBothHyphens) {
  EXPECT_EQ(Translate(u"китап абв--"), u"книга абв--");
}

}  // namespace
}  // namespace tatfix
