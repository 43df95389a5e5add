// Amounts as objects, adverbs before the verb, places before subjects,
// questions with какой and izafets of relative adjectives, through the C
// exports on the fixture lexicon.
#include <gtest/gtest.h>

#include "EngineTest.h"

namespace rusengine::fixture {

class Order : public LexiconTest<&TLexicon::Order> {};

TEST_F(Order, AnAmountIsABareSingularObject) {
  // A substance in the genitive after дать: not the plural it could be.
  EXPECT_EQ(T(u"Дай мне воды."), u"Миңа су бир.");
  EXPECT_EQ(T(u"Дай брату воды."), u"Абыйга су бир.");
  // A plural genitive and nothing else is an amount too.
  EXPECT_EQ(T(u"Дай яблок."), u"Алма бир.");
  // A thing that is no substance keeps its plural.
  EXPECT_EQ(T(u"Дай книги."), u"Китапларны бир.");
  // A measure goes bare before its substance, with бер when uncounted.
  EXPECT_EQ(T(u"Дай мне стакан воды."), u"Миңа бер стакан су бир.");
  EXPECT_EQ(T(u"Я читал два стакана воды."), u"Мин ике стакан су укыдым.");
  // Without such a verb the genitive is what it was.
  EXPECT_EQ(T(u"Я читаю воды."), u"Мин сулар укыйм.");
}

TEST_F(Order, AdverbsOfTheVerbStandRightBeforeIt) {
  // After a place, and after an object it makes definite.
  EXPECT_EQ(T(u"Я долго читаю дома."), u"Мин өйдә озак укыйм.");
  EXPECT_EQ(T(u"Я долго читал книгу."), u"Мин китапны озак укыдым.");
  // A degree next to the verb goes before an indefinite object.
  EXPECT_EQ(T(u"Я немного читаю книгу."), u"Мин бераз китап укыйм.");
  // Away from the verb a degree qualifies something else and stays.
  EXPECT_EQ(T(u"Брат немного, я читаю."), u"Абый бераз, мин укыйм.");
}

TEST_F(Order, APlaceGoesBeforeThingsAndAnimals) {
  EXPECT_EQ(T(u"Птицы поют в лесу."), u"Урманда кошлар сайрый.");
  // One thing in view keeps its place; people keep theirs and their
  // plural.
  EXPECT_EQ(T(u"Снег идет в лесу."), u"Кар урманда ява.");
  EXPECT_EQ(T(u"Братья читают в доме."), u"Абыйлар йортта укыйлар.");
  // A pronoun subject stays first.
  EXPECT_EQ(T(u"Я читаю в доме."), u"Мин йортта укыйм.");
}

TEST_F(Order, QuestionsWithKakoi) {
  // No verb: asking which one, "какой" stays before its noun ...
  EXPECT_EQ(T(u"Какой сегодня дом?"), u"Бүген нинди йорт?");
  // ... asking what it is like, it is the predicate, last.
  EXPECT_EQ(T(u"Какая сегодня погода?"), u"Бүген һава нинди?");
  EXPECT_EQ(T(u"Какая погода?"), u"Һава нинди?");
  // With a verb it asks by itself (no -мы), and the subject opens.
  EXPECT_EQ(T(u"В каком доме ты читаешь?"), u"Син нинди йортта укыйсың?");
  // "Кто" with a bare person noun asks who fills the role: кем first;
  // with a demonstrative it is the predicate.
  EXPECT_EQ(T(u"Кто брат сегодня?"), u"Бүген кем абый?");
  EXPECT_EQ(T(u"Кто это?"), u"Бу кем?");
  // A yes-no question keeps its particle.
  EXPECT_EQ(T(u"Ты читаешь?"), u"Син укыйсыңмы?");
}

TEST_F(Order, RelativeAdjectiveMakesAnIzafet) {
  EXPECT_EQ(T(u"Книжный дом."), u"Китап йорты.");
  // A possessor wins over the izafet's ending.
  EXPECT_EQ(T(u"Мой книжный дом."), u"Минем китап йортым.");
  // An indefinite object keeps the 3rd-person ending without -н; a
  // possessor before it makes it definite.
  EXPECT_EQ(T(u"Я читаю книжный дом."), u"Мин китап йорты укыйм.");
  EXPECT_EQ(T(u"Брат читает мой книжный дом."), u"Абый минем китап йортымны укый.");
  // An adjective with degrees stays a plain attribute.
  EXPECT_EQ(T(u"Красный дом."), u"Кызыл йорт.");
}

TEST_F(Order, BeforeAnEventIsATime) {
  EXPECT_EQ(T(u"Перед уроком я читал."), u"Дәрес алдыннан мин укыдым.");
  EXPECT_EQ(T(u"Я читаю перед едой."), u"Мин ашар алдыннан укыйм.");
  // Before a thing is a place.
  EXPECT_EQ(T(u"Я читаю перед домом."), u"Мин йорт алдында укыйм.");
}

TEST_F(Order, ClockTimeIsTheLocative) {
  EXPECT_EQ(T(u"Я читаю в пять часов."), u"Мин биш сәгатьтә укыйм.");
  EXPECT_EQ(T(u"Я читаю в пять."), u"Мин биштә укыйм.");
  // Without "в" the hours are a span.
  EXPECT_EQ(T(u"Я читаю пять часов."), u"Мин биш сәгать укыйм.");
}

TEST_F(Order, TheSubjectsOwnThingNeedsNoPronoun) {
  EXPECT_EQ(T(u"Я читаю мою книгу."), u"Мин китабымны укыйм.");
  // Someone else's keeps it.
  EXPECT_EQ(T(u"Брат читает мою книгу."), u"Абый минем китабымны укый.");
}

}  // namespace rusengine::fixture
