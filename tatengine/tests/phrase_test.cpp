// Noun phrases whose Russian order or case the Tatar ending alone does not
// give: place attributes in -дагы, dependent datives and ablatives, tools
// and vehicles with "белән", roads with a verb of motion, parts of the day
// with an adjective, collectives, and comparisons with a possessive or a
// time as the standard.
#include "EngineFixture.h"
#include "tatengine.h"

namespace tatfix {
namespace {

constexpr int OnSurface = 0x100;  // the lexicon's `na` mark in the gender column

TLexicon PhraseLexicon() {
  TLexicon lx = StandardLexicon();
  const std::pair<const char16_t*, int> endings[] = {
      {u"дагы", 82}, {u"дәге", 82}, {u"тагы", 82}, {u"дән", 5},  {u"нан", 5},  {u"тан", 5},
      {u"гә", 3},    {u"ка", 3},   {u"кә", 3},    {u"нәр", 87},  {u"нәрдә", 41}, {u"нәрне", 39}, {u"та", 6}};
  for (auto [e, code] : endings) lx.Add("flt04.pack", {e, C(code)});
  // сестра (animate), стол, класс, улица, ложка, поезд, одежда, ночь.
  NounParadigm(lx, 33, {u"ра", u"ры", u"ры", u"ёр", u"ре", u"рам", u"ру", u"ёр", u"рой", u"рами", u"ре", u"рах"},
               true);
  Noun(lx, u"апа", u"сест", 33, 2);
  Noun(lx, u"өстәл", u"стол", 2, 1 | OnSurface);
  Noun(lx, u"сыйныф", u"класс", 2, 1);
  NounParadigm(lx, 37, {u"а", u"ы", u"ы", u"", u"е", u"ам", u"у", u"", u"ей", u"ами", u"е", u"ах"});
  Noun(lx, u"урам", u"улиц", 37, 2 | OnSurface);
  Noun(lx, u"кашык", u"лож", 4, 2);
  Noun(lx, u"поезд", u"поезд", 2, 1);
  Noun(lx, u"кием", u"одежд", 1, 2);
  Noun(lx, u"төн", u"ноч", 6, 2);
  Noun(lx, u"авыл", u"деревн", 1, 2);
  lx.Add("itfst01.pack", {u"озын", u"1", u"длинн", u"3"});
  lx.Add("itfst01.pack", {u"җылы", u"1", u"тепл", u"3"});
  lx.Add("itfst01.pack", {u"караңгы", u"1", u"тёмн", u"3"});
  lx.Add("itfst01.pack", {u"тиз", u"1", u"быстр", u"3"});
  lx.Add("flt01.pack", {u"рәк", C(1, 2)});
  lx.Add("itfst02.pack", {u"бүген", u"1", u"сегодня"});
  lx.Add("itfst02.pack", {u"ничә", u"1", u"сколько"});
  lx.Add("itfst05.pack", {u"биш", u"1", u"пять"});
  lx.Add("itfst07.pack", {u"синең", u"твой", u"твоя", u"твоё", u"1", u"3"});
  lx.Add("flt04.pack", {u"ң", C(13)});
  Noun(lx, u"телефон", u"телефон", 2, 1);
  // -сыз (without), турында (about), a season.
  lx.Add("flt04.pack", {u"сыз", C(72)});
  lx.Add("flt04.pack", {u"дә", C(6)});
  lx.Add("itfst06.pack", {u"турында", u"о", u"11"});
  Noun(lx, u"кыш", u"зим", 1, 2);
  lx.Add("itfst07.pack", {u"һәр", u"каждый", u"каждая", u"каждое", u"1", u"3"});
  // чап: бегать, a verb of motion.
  lx.Add("itfst10.pack", {u"чап", u"1", u"бегать", N(1101)});
  RegularVerb(lx, 1101, u"i", u"бега");
  return lx;
}

using PhraseTest = LexiconTest<PhraseLexicon>;

TEST_F(PhraseTest, APlaceAttributeFollowsItsNoun) {
  EXPECT_EQ(Translate(u"өстәлдәге китап"), u"книга на столе");
  EXPECT_EQ(Translate(u"сыйныфтагы укучы"), u"ученик в классе");
  // With its own adjective, and after a whole phrase with "иң".
  EXPECT_EQ(Translate(u"зур авылдагы мәктәп"), u"школа в большой деревне");
  EXPECT_EQ(Translate(u"сыйныфтагы иң зур укучы"), u"самый большой ученик в классе");
  // Inside a sentence, in the case the sentence gives the head; a
  // predicate agrees with the head, not with the place.
  EXPECT_EQ(Translate(u"Ул сыйныфтагы китапны укыды."), u"Он читал книгу в классе.");
  EXPECT_EQ(Translate(u"Авылдагы мәктәп зур."), u"Школа в деревне большая.");
}

TEST_F(PhraseTest, ADependentDativeOrAblativeFollowsTheNoun) {
  EXPECT_EQ(Translate(u"апага китап"), u"книга сестре");
  EXPECT_EQ(Translate(u"авылдан китап"), u"книга из деревни");
  EXPECT_EQ(Translate(u"зур авылдан китап"), u"книга из большой деревни");
  // A thing in the dative is a direction and stays where it is.
  EXPECT_EQ(Translate(u"мәктәпкә китап"), u"в школу книга");
}

TEST_F(PhraseTest, ToolsAndVehiclesWithBelan) {
  EXPECT_EQ(Translate(u"кашык белән"), u"ложкой");
  EXPECT_EQ(Translate(u"зур кашык белән"), u"большой ложкой");
  EXPECT_EQ(Translate(u"поезд белән"), u"на поезде");
  // Anything else keeps "с".
  EXPECT_EQ(Translate(u"укучы белән"), u"с учеником");
}

TEST_F(PhraseTest, ARoadWithAVerbOfMotionIsPo) {
  EXPECT_EQ(Translate(u"Укучы урамнан чапты."), u"Ученик бегал по улице.");
  // Without a verb of motion it is where one comes from.
  EXPECT_EQ(Translate(u"урамнан китап"), u"книга с улицы");
}

TEST_F(PhraseTest, PartsOfTheDayWithAnAdjective) {
  EXPECT_EQ(Translate(u"караңгы төндә"), u"тёмной ночью");
  EXPECT_EQ(Translate(u"караңгы төннәрдә"), u"в тёмные ночи");
  // Other nouns keep "в".
  EXPECT_EQ(Translate(u"зур өйдә"), u"в большом доме");
  // A season says when without an adjective too; after a count it does not.
  EXPECT_EQ(Translate(u"кышта"), u"зимой");
  EXPECT_EQ(Translate(u"караңгы кышта"), u"тёмной зимой");
  EXPECT_EQ(Translate(u"биш кышта"), u"в пяти зимах");
  // "һәр" makes it every one of them: the accusative without "в" (this
  // lexicon's determiner has no case forms of its own).
  const std::u16string every = Translate(u"һәр кышта");
  EXPECT_TRUE(every.starts_with(u"кажд") && every.ends_with(u" зиму"));
}

TEST_F(PhraseTest, ALackOrATopicFollowsItsNoun) {
  EXPECT_EQ(Translate(u"китапсыз укучы"), u"ученик без книги");
  EXPECT_EQ(Translate(u"авыл турында китап"), u"книга о деревне");
  // With the head's own adjective, and inside a sentence.
  EXPECT_EQ(Translate(u"авыл турында зур китап"), u"большая книга о деревне");
  EXPECT_EQ(Translate(u"Укучы авыл турында китапны укыды."), u"Ученик читал книгу о деревне.");
  // Without a noun after it, it stays where it is.
  EXPECT_EQ(Translate(u"Укучы китапсыз чапты."), u"Ученик бегал без книги.");
}

TEST_F(PhraseTest, CollectivesStaySingular) {
  EXPECT_EQ(Translate(u"киемнәр"), u"одежда");
  EXPECT_EQ(Translate(u"матур киемнәр"), u"красивая одежда");
  EXPECT_EQ(Translate(u"китаплар"), u"книги");
}

TEST_F(PhraseTest, ComparisonWithAPossessiveOrATime) {
  EXPECT_EQ(Translate(u"Китап минекеннән озынрак."), u"Книга длиннее моей.");
  EXPECT_EQ(Translate(u"Өй синекеннән зуррак."), u"Дом больше твоего.");
  EXPECT_EQ(Translate(u"Китаплар безнекеннән зуррак."), u"Книги больше наших.");
  EXPECT_EQ(Translate(u"Өй тегесеннән зуррак."), u"Дом больше того.");
  EXPECT_EQ(Translate(u"Бүген кичәгедән җылырак."), u"Сегодня теплее, чем вчера.");
  // Said of how one does something, the comparison follows the verb.
  EXPECT_EQ(Translate(u"Укучы кыздан тизрәк чапты."), u"Ученик бегал быстрее девочки.");
}

TEST_F(PhraseTest, CountedPagesAndCountQuestions) {
  EXPECT_EQ(Translate(u"биш бит"), u"пять страниц");
  EXPECT_EQ(Translate(u"ике бит"), u"две страницы");
  // Elsewhere "бит" is the particle.
  EXPECT_EQ(Translate(u"бит"), u"ведь");
  EXPECT_EQ(Translate(u"Синең ничә апаң бар?"), u"Сколько у тебя сестёр?");
  // The owner may be left to the ending alone.
  EXPECT_EQ(Translate(u"Ничә апаң бар?"), u"Сколько у тебя сестёр?");
}

TEST_F(PhraseTest, AChannelInTheLocativeIsPo) {
  EXPECT_EQ(Translate(u"телефонда"), u"по телефону");
  EXPECT_EQ(Translate(u"өйдә"), u"в доме");
}

}  // namespace
}  // namespace tatfix
