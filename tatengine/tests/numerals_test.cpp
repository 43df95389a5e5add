// Compound numeral words: Tatar cardinals read into a value, the Russian
// nominative of a value, the "... один" split, and the person word lists
// the clause rules share.
#include <gtest/gtest.h>

#include "../src/Common_ta.h"
#include "../src/Numerals_ta.h"

namespace tatengine {
namespace {

TEST(Numerals, TatarCardinalsReadAsWritten) {
  EXPECT_EQ(CardinalsValue(u"мең тугыз йөз туксан биш"), 1995);
  EXPECT_EQ(CardinalsValue(u"ике мең егерме"), 2020);
  EXPECT_EQ(CardinalsValue(u"йөз"), 100);
  EXPECT_EQ(CardinalsValue(u"өч йөз мең"), 300000);
  EXPECT_EQ(CardinalsValue(u"ун"), 10);
  EXPECT_TRUE(AllCardinals(u"ике мең"));
  EXPECT_FALSE(AllCardinals(u"ике кеше"));
  EXPECT_FALSE(AllCardinals(u""));
  EXPECT_FALSE(AllCardinals(u"ике "));
  EXPECT_EQ(CardinalValue(u"китап"), 0);
}

TEST(Numerals, RussianCardinalAgreesTheThousands) {
  EXPECT_EQ(RussianCardinal(1995), u"тысяча девятьсот девяносто пять");
  EXPECT_EQ(RussianCardinal(2001), u"две тысячи один");
  EXPECT_EQ(RussianCardinal(21000), u"двадцать одна тысяча");
  EXPECT_EQ(RussianCardinal(11000), u"одиннадцать тысяч");
  EXPECT_EQ(RussianCardinal(14000), u"четырнадцать тысяч");
  EXPECT_EQ(RussianCardinal(522000), u"пятьсот двадцать две тысячи");
  EXPECT_EQ(RussianCardinal(115), u"сто пятнадцать");
  EXPECT_EQ(RussianCardinal(0), u"");
  EXPECT_EQ(RussianCardinal(1000000), u"");
}

TEST(Numerals, OneSplitsOnlyFromALongerCount) {
  std::u16string_view tens;
  EXPECT_TRUE(SplitOne(u"сто двадцать один", tens));
  EXPECT_EQ(tens, u"сто двадцать");
  EXPECT_FALSE(SplitOne(u"один", tens));
  EXPECT_FALSE(SplitOne(u"двадцать одна", tens));
  EXPECT_TRUE(EndsInOne(u"один"));
  EXPECT_TRUE(EndsInOne(u"тридцать один"));
  EXPECT_FALSE(EndsInOne(u"одиннадцать"));
}

TEST(Numerals, PersonWords) {
  EXPECT_EQ(PronounPerson(u"мин"), 1);
  EXPECT_EQ(PronounPerson(u"алар"), 6);
  EXPECT_EQ(PronounPerson(u"Мин"), 0);  // callers pass lowered words
  EXPECT_EQ(IdePerson(u"иде"), 3);
  EXPECT_EQ(IdePerson(u"идегез"), 5);
  EXPECT_FALSE(IsIdeWord(u"идея"));
  EXPECT_TRUE(IsPersonalPronoun(u"сез"));
}

}  // namespace
}  // namespace tatengine
