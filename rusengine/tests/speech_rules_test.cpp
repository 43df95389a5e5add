// Reported speech, "у" + pronoun outside have-clauses, absence, moods and
// the fixed frames (спасибо за, рад, чем), through the C exports on the
// fixture lexicon with verbs of saying.
#include <gtest/gtest.h>

#include "EngineTest.h"

namespace rusengine::fixture {

class Speech : public LexiconTest<&TLexicon::Speech> {};

TEST_F(Speech, ReportedClauseEndsWithDipBeforeTheVerb) {
  EXPECT_EQ(T(u"Брат сказал, что я читаю книгу."), u"Абый мин китап укыйм дип әйтте.");
  EXPECT_EQ(T(u"Он сказал мне, что брат читает."), u"Ул миңа абый укый дип әйтте.");
  // After спросить a "что" phrase asks and keeps its words.
  EXPECT_EQ(T(u"Брат спросил, что случилось."), u"Абый нәрсә булды дип сорады.");
  // Another verb keeps its clause as it was; что without a reported clause
  // after it ("что читать") stays the question word.
  EXPECT_EQ(T(u"Брат читал, что я читаю книгу"), u"Абый укыды, мин китап укыйм");
  EXPECT_EQ(T(u"Брат сказал, что читать."), u"Абый әйтте, нәрсә укырга.");
}

TEST_F(Speech, OpinionBecomesOneWord) {
  EXPECT_EQ(T(u"Я думаю, что брат читает."), u"Минемчә, абый укый.");
  EXPECT_EQ(T(u"Мне кажется, что брат читает."), u"Минемчә, абый укый.");
  // Another person's opinion is reported with дип.
  EXPECT_EQ(T(u"Он думает, что брат читает."), u"Ул абый укый дип уйлый.");
}

TEST_F(Speech, OwnerOutsideHaveClauses) {
  // A subject after "у" + pronoun is owned; with none the pronoun is where.
  EXPECT_EQ(T(u"Как у тебя книга?"), u"Китабың ничек?");
  EXPECT_EQ(T(u"У нас все хорошо."), u"Бездә барысы яхшы.");
  EXPECT_EQ(T(u"У него все хорошо."), u"Аңарда барысы яхшы.");
  // The have-clause is as before.
  EXPECT_EQ(T(u"У меня есть книга"), u"Минем китабым бар");
  EXPECT_EQ(T(u"У меня нет книги"), u"Минем китабым юк");
}

TEST_F(Speech, AbsentThingIsTheSubjectOfYuk) {
  EXPECT_EQ(T(u"Его нет дома."), u"Ул өйдә юк.");
  EXPECT_EQ(T(u"Брата нет дома."), u"Абый өйдә юк.");
  // книги is also a plural nominative; with нет it is the genitive.
  EXPECT_EQ(T(u"Книги нет."), u"Китап юк.");
}

TEST_F(Speech, MoodsOfThePerfectiveFuture) {
  // A 1pl perfective opening a subjectless statement invites.
  EXPECT_EQ(T(u"Прочитаем книгу."), u"Китап укыйк.");
  EXPECT_EQ(T(u"Мы прочитаем книгу?"), u"Без китап укыячакбызмы?");
  // A 1sg perfective promises with -ыр, unless the clause names a time.
  EXPECT_EQ(T(u"Я прочитаю книгу."), u"Мин китап укырмын.");
  EXPECT_EQ(T(u"Я не прочитаю книгу."), u"Мин китапны укымам.");
  EXPECT_EQ(T(u"Завтра я прочитаю книгу."), u"Иртәгә мин китап укыячакмын.");
}

TEST_F(Speech, KnownObjectTakesTheAccusative) {
  EXPECT_EQ(T(u"Брат объяснил новую книгу."), u"Абый яңа китапны аңлатты.");
  EXPECT_EQ(T(u"Брат читал новую книгу."), u"Абый яңа китап укыды.");
}

TEST_F(Speech, FixedFrames) {
  // спасибо goes after its "за" phrase.
  EXPECT_EQ(T(u"Спасибо за книгу."), u"Китап өчен рәхмәт.");
  EXPECT_EQ(T(u"Спасибо за новую книгу!"), u"Яңа китап өчен рәхмәт!");
  // рад + infinitive: the verbal noun with the possessive dative, then шат.
  EXPECT_EQ(T(u"Я рад помочь."), u"Мин булышуыма шат.");
  EXPECT_EQ(T(u"Мы рады помочь брату."), u"Без абыйга булышуыбызга шат.");
  // ", чем X": a noun or a pronoun in the ablative before the
  // comparative, anything else in the dative with караганда.
  EXPECT_EQ(T(u"Дом краснее, чем брат."), u"Йорт абыйдан кызылрак.");
  EXPECT_EQ(T(u"Дом краснее, чем я."), u"Йорт миннән кызылрак.");
  EXPECT_EQ(T(u"Сегодня краснее, чем завтра."), u"Бүген иртәгәгә караганда кызылрак.");
  EXPECT_EQ(T(u"Дом краснее, чем это."), u"Йорт моңа караганда кызылрак.");
}

TEST_F(Speech, SoftComparativeAndNamedPlace) {
  // по- before a comparative: the comparative.
  EXPECT_EQ(T(u"Дом покраснее."), u"Йорт кызылрак.");
  EXPECT_EQ(T(u"Дом поброт."), u"Йорт поброт.");
  // A place word and its name: the name first, the place word possessed.
  EXPECT_EQ(T(u"Город Казань большой."), u"Казан шәһәре зур.");
  EXPECT_EQ(T(u"Город большой."), u"Шәһәр зур.");
}

}  // namespace rusengine::fixture
