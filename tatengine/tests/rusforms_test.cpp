// The closed-class Russian forms the rules insert: possessive pronouns and
// numeral declension.
#include <gtest/gtest.h>

#include "../src/RusForms.h"

namespace tatengine {
namespace {

TEST(RusForms, PossessorOfEveryPossessiveBlock) {
  EXPECT_EQ(PossessorOf(1), 0);
  EXPECT_EQ(PossessorOf(6), 0);
  EXPECT_EQ(PossessorOf(7), 1);
  EXPECT_EQ(PossessorOf(18), 2);
  EXPECT_EQ(PossessorOf(19), 3);
  EXPECT_EQ(PossessorOf(30), 4);
  EXPECT_EQ(PossessorOf(36), 5);
  EXPECT_EQ(PossessorOf(37), 0);
  EXPECT_EQ(PossessorOf(42), 1);
  EXPECT_EQ(PossessorOf(71), 5);
  EXPECT_EQ(PossessorOf(87), 0);
}

TEST(RusForms, PossessivePronounAgrees) {
  EXPECT_EQ(PossessiveForm(1, 1, 2, false), u"моя");
  EXPECT_EQ(PossessiveForm(1, 11, 1, false), u"моём");
  EXPECT_EQ(PossessiveForm(4, 7, 2, false), u"нашу");
  EXPECT_EQ(PossessiveForm(2, 2, 1, false), u"твои");
  EXPECT_EQ(PossessiveForm(5, 10, 3, false), u"вашими");
  // Animate accusative is the genitive, except in the feminine singular.
  EXPECT_EQ(PossessiveForm(1, 7, 1, true), u"моего");
  EXPECT_EQ(PossessiveForm(1, 7, 2, true), u"мою");
  EXPECT_EQ(PossessiveForm(1, 8, 2, true), u"моих");
  EXPECT_EQ(PossessiveForm(1, 7, 1, false), u"мой");
  // Pluralia tantum take the plural; person 3 and bad codes give nothing.
  EXPECT_EQ(PossessiveForm(1, 1, 4, false), u"мои");
  EXPECT_EQ(PossessiveForm(3, 1, 1, false), u"");
  EXPECT_EQ(PossessiveForm(1, 0, 1, false), u"");
  EXPECT_EQ(PossessiveForm(1, 13, 1, false), u"");
}

TEST(RusForms, NumeralsDecline) {
  EXPECT_TRUE(IsPaucal(u"два"));
  EXPECT_TRUE(IsPaucal(u"двадцать четыре"));
  EXPECT_FALSE(IsPaucal(u"пять"));
  EXPECT_FALSE(IsPaucal(u"двадцать"));
  EXPECT_EQ(NumeralForm(u"два", 1, 2, false), u"две");
  EXPECT_EQ(NumeralForm(u"два", 1, 1, false), u"два");
  EXPECT_EQ(NumeralForm(u"два", 4, 1, true), u"двух");
  EXPECT_EQ(NumeralForm(u"два", 4, 2, false), u"две");
  EXPECT_EQ(NumeralForm(u"три", 3, 1, false), u"трём");
  EXPECT_EQ(NumeralForm(u"четыре", 5, 1, false), u"четырьмя");
  EXPECT_EQ(NumeralForm(u"пять", 2, 1, false), u"пяти");
  EXPECT_EQ(NumeralForm(u"пять", 5, 1, false), u"пятью");
  EXPECT_EQ(NumeralForm(u"пять", 4, 1, true), u"пять");
  EXPECT_EQ(NumeralForm(u"восемь", 6, 1, false), u"восьми");
  EXPECT_EQ(NumeralForm(u"пятьдесят", 2, 1, false), u"пятидесяти");
  EXPECT_EQ(NumeralForm(u"восемьдесят", 5, 1, false), u"восемьюдесятью");
  EXPECT_EQ(NumeralForm(u"сорок", 3, 1, false), u"сорока");
  EXPECT_EQ(NumeralForm(u"сто", 6, 1, false), u"ста");
  EXPECT_EQ(NumeralForm(u"двадцать два", 1, 2, false), u"двадцать две");
  EXPECT_EQ(NumeralForm(u"двадцать два", 2, 2, false), u"двадцати двух");
  EXPECT_EQ(NumeralForm(u"несколько", 3, 1, false), u"нескольким");
  // Words it does not know stay as written.
  EXPECT_EQ(NumeralForm(u"миллион", 2, 1, false), u"миллион");
}

}  // namespace
}  // namespace tatengine
