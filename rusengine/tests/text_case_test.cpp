// Case patterns, case application and the form tables' bounds.
#include <gtest/gtest.h>

#include "Common_ru.h"
#include "Transler.h"

namespace rusengine {
namespace {

TEST(CasePattern, Patterns) {
  EXPECT_EQ(GetCasePattern(u""), 0);
  EXPECT_EQ(GetCasePattern(u"дом"), 0);
  EXPECT_EQ(GetCasePattern(u"дОМ"), 0);
  EXPECT_EQ(GetCasePattern(u"Дом"), 1);
  EXPECT_EQ(GetCasePattern(u"ДОМ"), 2);
  EXPECT_EQ(GetCasePattern(u"Я"), 2);
  EXPECT_EQ(GetCasePattern(u"ИЗ-ЗА"), 1);  // the hyphen is not a capital
  EXPECT_EQ(GetCasePattern(u"ӨЧЕН"), 2);
  EXPECT_EQ(GetCasePattern(u", "), 0);
}

TEST(CasePattern, Apply) {
  EXPECT_EQ(ApplyCase(u"", 2), u"");
  EXPECT_EQ(ApplyCase(u"өчен белән", 1), u"Өчен белән");
  EXPECT_EQ(ApplyCase(u"өчен белән", 2), u"ӨЧЕН БЕЛӘН");
  EXPECT_EQ(ApplyCase(u"iPhone", 0), u"iPhone");
  EXPECT_EQ(ApplyCase(u"{суган, ук}", 1), u"{суган, ук}");
}

TEST(NormalizeYo, EveryYoBecomesYe) {
  EXPECT_EQ(TTransler::NormalizeYo(u"ёлка ЁЖ"), u"елка еЖ");
  EXPECT_EQ(TTransler::NormalizeYo(std::u16string{u'\u00B8', u'\u00A8', u'x'}), u"\u0435\u0435x");
  EXPECT_EQ(TTransler::NormalizeYo(u"дом"), u"дом");
}

TEST(FormTables, ValuesAndBounds) {
  EXPECT_EQ(NounForms(0), 0);
  EXPECT_EQ(NounForms(9), 38);
  EXPECT_EQ(NounForms(12), -1);
  EXPECT_EQ(VAdjForms(47), 1);
  EXPECT_EQ(VAdjForms(48), -1);
  EXPECT_EQ(VerbForms(25), 37);
  // The future of a perfective verb (forms 13-18) is the definite future.
  EXPECT_EQ(VerbForms(26), 50);
  EXPECT_EQ(VerbForms(37), 61);
  EXPECT_EQ(VerbForms(38), -1);
  EXPECT_EQ(VAdvForms(3), 1);
  EXPECT_EQ(VAdvForms(-1), -1);
  EXPECT_EQ(PluralCase(0), 86);
  EXPECT_EQ(PluralCase(5), 40);
  EXPECT_EQ(PluralCase(71), 72);
  EXPECT_EQ(PluralCase(7), 7);
  EXPECT_TRUE(IsPluralAdjForm(29));
  EXPECT_FALSE(IsPluralAdjForm(24));
  EXPECT_FALSE(IsPluralAdjForm(18 + 256));
  EXPECT_TRUE(IsInstrumentalForm(10));
  EXPECT_FALSE(IsInstrumentalForm(4 + 256));
}

}  // namespace
}  // namespace rusengine
