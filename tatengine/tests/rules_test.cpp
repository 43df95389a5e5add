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
  EXPECT_EQ(Translate(u"зур хххх укыды."), u"большой хххх читал.");
}

TEST_F(RuleTest, PostpositionGovernsItsNounAndMovesBeforeIt) {
  EXPECT_EQ(Translate(u"китап белән"), u"с книгой");
  EXPECT_EQ(Translate(u"зур китап белән"), u"с большой книгой");
  // The pair keeps the noun reading of an adjective/noun word.
  EXPECT_EQ(Translate(u"китап яшь белән"), u"книга с возрастом");
}

TEST_F(RuleTest, PrefixBecomesAPrepositionBeforeTheAdjectives) {
  EXPECT_EQ(Translate(u"зур өйдә"), u"в большом доме");
  EXPECT_EQ(Translate(u"Кыз зур өйдә укый."), u"Девочка читает в большом доме.");
  // A comparative follows the noun with "по-", after the preposition.
  EXPECT_EQ(Translate(u"кызылрак өйдә"), u"в доме покраснее");
  // Sentence-start capital does not travel with the moved word.
  EXPECT_EQ(Translate(u"Зур өйдә"), u"В большом доме");
}

TEST_F(RuleTest, VerbOrSubNoun) {
  // After a noun the sub-noun reading stays.
  EXPECT_EQ(Translate(u"китап алды өй"), u"книга перед дом");
  // After a verb the verb reading stays.
  EXPECT_EQ(Translate(u"укыды алды китап"), u"читал получал книга");
  // Last in the sentence it is the verb.
  EXPECT_EQ(Translate(u"китап алды"), u"книга получала");
}

TEST_F(RuleTest, HyphenHalvesShareTheirClass) {
  EXPECT_EQ(Translate(u"китап яшь-зур"), u"книга молодая-большая");
}

TEST_F(RuleTest, ConjunctionBeforeAVerb) {
  EXPECT_EQ(Translate(u"Кыз һәм укымады."), u"Девочка ни не читала.");
  EXPECT_EQ(Translate(u"Кыз һәм укыды."), u"Девочка тоже читала.");
  EXPECT_EQ(Translate(u"китап һәм өй"), u"книга и дом");
}

TEST_F(RuleTest, PossessivePairIsSwapped) {
  EXPECT_EQ(Translate(u"укучы китапы"), u"книга ученика");
  EXPECT_EQ(Translate(u"кызлар китапы"), u"книга девочек");
}

TEST_F(RuleTest, LinkVerbAgreesWithTheFollowingWord) {
  EXPECT_EQ(Translate(u"укыган кыз"), u"читавшая девочка");
  EXPECT_EQ(Translate(u"укыган укучы"), u"читавший ученик");
}

TEST_F(RuleTest, AdjectivesAfterANounAgreeWithIt) {
  EXPECT_EQ(Translate(u"кыз матур"), u"девочка красивая");
}

}  // namespace
}  // namespace tatfix
