// Spans of time, absence in the past, definite objects and verb senses,
// through the C exports, on the fixture lexicon with units of time.
#include <gtest/gtest.h>

#include "EngineTest.h"
#include "SenseRules.h"

namespace rusengine::fixture {

class Spans : public LexiconTest<&TLexicon::Spans> {};

TEST_F(Spans, AfterASpanIsTheAblative) {
  // A unit with no number takes бер; with a number it stays singular.
  EXPECT_EQ(T(u"Брат прочитает книгу через час."), u"Абый бер сәгатьтән китап укыячак.");
  EXPECT_EQ(T(u"Через пять часов брат прочитает книгу."),
            u"Биш сәгатьтән абый китап укыячак.");
  // Through a place "через" stays аша.
  EXPECT_EQ(T(u"Брат идет через лес."), u"Абый урман аша бара.");
}

TEST_F(Spans, AgoAndForASpan) {
  EXPECT_EQ(T(u"Неделю назад брат читал."), u"Бер атна элек абый укыды.");
  EXPECT_EQ(T(u"Пять лет назад я читал."), u"Биш ел элек мин укыдым.");
  // "на" with a unit in the accusative: for how long, the dative.
  EXPECT_EQ(T(u"Брат идет на неделю."), u"Абый бер атнага бара.");
  // "назад" after anything else keeps its own sense.
  EXPECT_EQ(T(u"Брат идет назад."), u"Абый артка бара.");
}

TEST_F(Spans, AbsenceInThePast) {
  // What was not there is the subject of юк иде, in the nominative.
  EXPECT_EQ(T(u"Брата не было дома."), u"Абый өйдә юк иде.");
  EXPECT_EQ(T(u"Меня не было дома."), u"Мин өйдә юк идем.");
  // With an owner it is having: юк иде with the owned thing.
  EXPECT_EQ(T(u"У меня не было брата."), u"Минем абыем юк иде.");
  // "не были там": one was never there, the negated past of бул; the
  // positive stays the copula.
  EXPECT_EQ(T(u"Мы не были там."), u"Без анда булмадык.");
  EXPECT_EQ(T(u"Брат был дома."), u"Абый өйдә иде.");
}

TEST_F(Spans, DefiniteObjects) {
  // A thing handed to someone named after it is definite.
  EXPECT_EQ(T(u"Я дал книгу брату."), u"Мин китапны абыйга бирдем.");
  EXPECT_EQ(T(u"Я дал книгу."), u"Мин китап бирдем.");
  // "это" after the verb is the object моны; before it, the subject.
  EXPECT_EQ(T(u"Я читаю это."), u"Мин моны укыйм.");
  EXPECT_EQ(T(u"Это брат."), u"Бу абый.");
  // An object before the verb with the subject after it.
  EXPECT_EQ(T(u"Книгу я читал."), u"Китапны мин укыдым.");
}

TEST_F(Spans, SubjectChoosesTheVerb) {
  // (A plural that is not a person takes a singular verb.)
  EXPECT_EQ(T(u"Птицы поют."), u"Кошлар сайрый.");
  // Another subject keeps the usual verb.
  EXPECT_EQ(T(u"Братья поют."), u"Абыйлар җырлыйлар.");
  const TVerbSense* lessons = FindVerbSense(TSenseRelation::Object, u"эшлә", u"дәрес");
  ASSERT_NE(lessons, nullptr);
  EXPECT_EQ(lessons->Sense, u"әзерлә");
  EXPECT_EQ(FindVerbSense(TSenseRelation::Object, u"эшлә", u"китап"), nullptr);
  // A rule for the subject does not fire on an object.
  EXPECT_EQ(FindVerbSense(TSenseRelation::Object, u"җырла", u"кош"), nullptr);
}

}  // namespace rusengine::fixture
