// Everyday frames whose Tatar shape differs from the Russian one, through
// the C exports on the fixture lexicon.
#include <gtest/gtest.h>

#include "EngineTest.h"

namespace rusengine::fixture {

class Frames : public LexiconTest<&TLexicon::Frames> {};

TEST_F(Frames, HavingInThePast) {
  // The owned thing is the subject of бар / юк, with the owner's ending.
  EXPECT_EQ(T(u"У меня был брат."), u"Минем абыем бар иде.");
  EXPECT_EQ(T(u"У меня не было брата."), u"Минем абыем юк иде.");
  // Owned through a possessive before the owner.
  EXPECT_EQ(T(u"У моего брата была книга."), u"Минем абыемның китабы бар иде.");
  // No owner: был stays the copula.
  EXPECT_EQ(T(u"Брат был дома."), u"Абый өйдә иде.");
}

TEST_F(Frames, AgeInYears) {
  EXPECT_EQ(T(u"Мне десять лет."), u"Миңа ун яшь.");
  EXPECT_EQ(T(u"Ему 10 лет."), u"Аңа 10 яшь.");
  // A verb of its own makes the years a span of time.
  EXPECT_NE(T(u"Я читаю десять лет.").find(u"ун ел"), std::u16string::npos);
  // Years with no dative owner stay years.
  EXPECT_EQ(T(u"Десять лет."), u"Ун ел.");
}

TEST_F(Frames, GoingHome) {
  EXPECT_EQ(T(u"Я иду домой."), u"Мин өйгә кайтам.");
  // Elsewhere going is going.
  EXPECT_EQ(T(u"Я иду в дом."), u"Мин йортка барам.");
}

TEST_F(Frames, HowAreThings) {
  EXPECT_EQ(T(u"Как у вас дела?"), u"Хәлләрегез ничек?");
  EXPECT_EQ(T(u"Как у тебя дела?"), u"Хәлләрең ничек?");
}

TEST_F(Frames, KnownFactIsAnObject) {
  // After a verb of knowing: the subject in the genitive, the verb a -ган
  // participle with its possessive in the accusative, in its harmony.
  EXPECT_EQ(T(u"Я знаю, что он читал."), u"Мин аның укыганын беләм.");
  EXPECT_EQ(T(u"Я знаю, что ты читал."), u"Мин синең укыганыңны беләм.");
  EXPECT_EQ(T(u"Я знаю, что брат не читал."), u"Мин абыйның укымаганын беләм.");
  // A verb of thinking keeps дип.
  EXPECT_EQ(T(u"Я думаю, что он читал книгу."), u"Минемчә, ул китап укыды.");
  EXPECT_EQ(T(u"Брат думал, что я читал."), u"Абый мин укыдым дип уйлады.");
}

TEST_F(Frames, TimeWordsComeEarly) {
  // Before a place or a direction; after a pronoun object it stays.
  EXPECT_EQ(T(u"Я читаю в доме летом."), u"Мин җәен йортта укыйм.");
  EXPECT_EQ(T(u"Я читаю тебе завтра."), u"Мин сиңа иртәгә укыйм.");
  // "чем" keeps its place before what is compared.
  EXPECT_EQ(T(u"Сегодня, чем завтра."), u"Бүген, караганда иртәгә.");
}

TEST_F(Frames, PredicateAdjectiveAfterATimeWord) {
  EXPECT_EQ(T(u"Сегодня новый дом."), u"Бүген йорт яңа.");
  // A place between makes it a thing that is there.
  EXPECT_EQ(T(u"Сегодня в доме новый стол."), u"Бүген йортта яңа өстәл.");
  // Without a time word adjective + noun is a noun phrase.
  EXPECT_EQ(T(u"Новый дом."), u"Яңа йорт.");
}

TEST_F(Frames, FixedPhraseOpeningWithAPreposition) {
  EXPECT_EQ(T(u"Не за что."), u"Бернәрсә түгел.");
  // The preposition still governs a noun outside the phrase.
  EXPECT_EQ(T(u"Спасибо за книгу."), u"Китап өчен рәхмәт.");
}

}  // namespace rusengine::fixture
