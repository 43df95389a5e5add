// Sentence rules, each on a sentence built to trigger it.
#include "EngineFixture.h"

namespace tatfix {
namespace {

using RuleTest = EngineTest;

TEST_F(RuleTest, NominativeListSevenWordForgetsTheSubject) {
  EXPECT_EQ(Translate(u"Кыз укыды."), u"Девочка читала.");
  EXPECT_EQ(Translate(u"Мин."), u"Я.");
  EXPECT_EQ(Translate(u"Укыды."), u"Читал.");
}

TEST_F(RuleTest, UnknownWordsGetProvisionalClasses) {
  // Alone: as written, flagged.
  const auto single = RunSentence(u"Хххх");
  ASSERT_EQ(single.size(), 1u);
  EXPECT_EQ(single[0].Text, u"Хххх");
  EXPECT_EQ(single[0].Flag, -1);
  // An unknown last word acts as the verb: it takes the subject, which is
  // then remembered for the next sentence.
  EXPECT_EQ(Translate(u"Кыз хххх."), u"Девочка хххх.");
  EXPECT_EQ(Translate(u"Укыды."), u"Читала.");
  // An unknown word after an adjective acts as a noun: the adjective agrees
  // with it and it is the verb's subject (masculine, not the remembered one).
  EXPECT_EQ(Translate(u"зур хххх укыды."), u"Большой хххх читал.");
}

TEST_F(RuleTest, PostpositionGovernsItsNounAndMovesBeforeIt) {
  EXPECT_EQ(Translate(u"китап белән"), u"С книгой");
  EXPECT_EQ(Translate(u"зур китап белән"), u"С большой книгой");
  // The pair keeps the noun reading of an adjective/noun word.
  EXPECT_EQ(Translate(u"китап яшь белән"), u"Книга с возрастом");
}

TEST_F(RuleTest, PrefixBecomesAPrepositionBeforeTheAdjectives) {
  EXPECT_EQ(Translate(u"зур өйдә"), u"В большом доме");
  EXPECT_EQ(Translate(u"Кыз зур өйдә укый."), u"Девочка читает в большом доме.");
  // A non-agreeing adjective keeps the preposition after it.
  EXPECT_EQ(Translate(u"кызылрак өйдә"), u"Краснее в доме");
  // Sentence-start capital does not travel with the moved word.
  EXPECT_EQ(Translate(u"Зур өйдә"), u"В большом доме");
}

TEST_F(RuleTest, VerbOrSubNoun) {
  // After a noun the sub-noun reading stays.
  EXPECT_EQ(Translate(u"китап алды өй"), u"Книга перед дом");
  // After a verb the verb reading stays.
  EXPECT_EQ(Translate(u"укыды алды китап"), u"Читал получал книга");
  // Last in the sentence it is the verb.
  EXPECT_EQ(Translate(u"китап алды"), u"Книга получала");
}

TEST_F(RuleTest, HyphenHalvesShareTheirClass) {
  EXPECT_EQ(Translate(u"китап яшь-зур"), u"Книга молодая-большая");
}

TEST_F(RuleTest, ConjunctionBeforeAVerb) {
  EXPECT_EQ(Translate(u"Кыз һәм укымады."), u"Девочка ни не читала.");
  EXPECT_EQ(Translate(u"Кыз һәм укыды."), u"Девочка тоже читала.");
  EXPECT_EQ(Translate(u"китап һәм өй"), u"Книга и дом");
}

TEST_F(RuleTest, PossessivePairIsSwapped) {
  EXPECT_EQ(Translate(u"укучы китапы"), u"Книга ученика");
  EXPECT_EQ(Translate(u"кызлар китапы"), u"Книга девочек");
}

TEST_F(RuleTest, LinkVerbAgreesWithTheFollowingWord) {
  EXPECT_EQ(Translate(u"укыган кыз"), u"Читавшая девочка");
  EXPECT_EQ(Translate(u"укыган укучы"), u"Читавший ученик");
}

TEST_F(RuleTest, AdjectivesAfterANounAgreeWithIt) {
  EXPECT_EQ(Translate(u"кыз матур"), u"Девочка красивая");
}

}  // namespace
}  // namespace tatfix
