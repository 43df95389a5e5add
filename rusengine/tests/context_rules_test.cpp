// Rules that read a word by its neighbours and whole clauses: aspect,
// verbs in a verb's place, direction, government, idioms, joined and
// relative clauses. Through the C exports, on the fixture lexicon.
#include <gtest/gtest.h>

#include <memory>

#include "EngineTest.h"

namespace rusengine::fixture {

class Context : public LexiconTest<&TLexicon::Context> {};

TEST_F(Context, PerfectivePresentIsTheFuture) {
  EXPECT_EQ(T(u"Брат прочитает книгу"), u"Абый китап укыячак");
  EXPECT_EQ(T(u"Брат прочитает"), u"Абый укыячак");
  // The imperfective present stays the present.
  EXPECT_EQ(T(u"Я читаю книгу"), u"Мин китап укыйм");
  // когда with the future: the event after which the rest happens (-гач).
  EXPECT_EQ(T(u"Когда я прочитаю книгу"), u"Мин китап укыгач");
  EXPECT_EQ(T(u"Когда я читаю книгу"), u"Мин китап укыганда");
  // давай with a 1pl verb is the optative.
  EXPECT_EQ(T(u"Давай читаем"), u"Әйдә укыйк");
}

TEST_F(Context, AVerbInAVerbsPlace) {
  // "начал" is also a noun: after a subject pronoun or before an
  // infinitive it is the verb; начать + infinitive is -а башла.
  EXPECT_EQ(T(u"Я начал"), u"Мин башладым");
  EXPECT_EQ(T(u"Брат начал читать"), u"Абый укый башлады");
  EXPECT_EQ(T(u"Я читал и начал читать"), u"Мин укыдым һәм укый башладым");
  // Elsewhere the noun stays.
  EXPECT_EQ(T(u"Начал"), u"Башлангыч");
}

TEST_F(Context, ComparedWithIsTheAblative) {
  // What is compared with stands before the comparative.
  EXPECT_EQ(T(u"Брат краснее меня"), u"Абый миннән кызылрак");
  EXPECT_EQ(T(u"Я краснее дома"), u"Мин йорттан кызылрак");
  // An animate genitive that reads as the accusative too.
  EXPECT_EQ(T(u"Я краснее брата"), u"Мин абыйдан кызылрак");
}

TEST_F(Context, MotionToAPlaceIsTheDative) {
  // The accusative and the prepositional of море look alike: a verb of
  // motion takes the accusative (dative), any other verb the locative.
  EXPECT_EQ(T(u"Я иду в море"), u"Мин диңгезгә барам");
  EXPECT_EQ(T(u"Я читаю в море"), u"Мин диңгездә укыйм");
  // "рядом с" is the postposition янында on a bare noun.
  EXPECT_EQ(T(u"Я читаю рядом с домом"), u"Мин йорт янында укыйм");
  EXPECT_EQ(T(u"Я читаю с домом"), u"Мин йорт белән укыйм");
}

TEST_F(Context, GovernmentAndIdioms) {
  // бояться + genitive is the ablative.
  EXPECT_EQ(T(u"Я боюсь дома"), u"Мин йорттан куркам");
  // Snow falls rather than walks.
  EXPECT_EQ(T(u"Идет снег"), u"Кар ява");
  EXPECT_EQ(T(u"Брат идет"), u"Абый бара");
  // One's own body parts carry the owner's possessive.
  EXPECT_EQ(T(u"Читай руки"), u"Кулларыңны укы");
  // A plural subject that is no person takes a singular verb.
  EXPECT_EQ(T(u"Книги читают"), u"Китаплар укый");
  EXPECT_EQ(T(u"Братья читали"), u"Абыйлар укыдылар");
  // A nationality adjective makes an izafet; its noun is then definite.
  EXPECT_EQ(T(u"Я читаю татарскую книгу"), u"Мин татар китабын укыйм");
}

TEST_F(Context, JoinedClausesKeepTheirOwnPredicates) {
  // A whole phrase with a verb is a predicate: "и" joins two clauses.
  EXPECT_EQ(T(u"Я читал и хочу спать"), u"Мин укыдым һәм йоклыйсым килә");
  // Negated, its verb is negative and the subject is its owner.
  EXPECT_EQ(T(u"Я не хочу спать"), u"Минем йоклыйсым килми");
}

TEST_F(Context, RelativeClauseGoesBeforeItsNoun) {
  EXPECT_EQ(T(u"Я читаю книгу, которую брат читал."), u"Мин абый укыган китапны укыйм.");
  // The comma after the clause goes too; the capital moves to the front.
  EXPECT_EQ(T(u"Брат, который читал, читает"), u"Укыган абый укый");
  // Without a noun before it который stays a word.
  EXPECT_EQ(T(u"Который"), u"Кайсы");
}

}  // namespace rusengine::fixture
