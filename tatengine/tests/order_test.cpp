// Russian word order and the subject pronoun a Tatar person ending implies,
// through the engine's exports.
#include "EngineFixture.h"
#include "tatengine.h"
#include "zentrok/Utf.h"

namespace tatfix {
namespace {

TLexicon OrderLexicon() {
  TLexicon lx = StandardLexicon();
  // "мин" is the declining pronoun here, not a fixed word.
  std::erase_if(lx.Tables["itfst07.pack"], [](const TRow& row) { return row[0] == u"мин"; });
  lx.Add("flt09.pack", {u"", C(1, 1), C(9, 9), C(10, 10)});
  Pronoun(lx, 5, {{u"мин", 1}, {u"миңа", 9}, {u"мине", 10}},
          {u"я", u"мы", u"меня", u"нас", u"мне", u"нам", u"меня", u"нас", u"мной", u"нами", u"мне", u"нас"});
  Pronoun(lx, 6, {{u"син", 1}, {u"сиңа", 9}, {u"сине", 10}},
          {u"ты", u"вы", u"тебя", u"вас", u"тебе", u"вам", u"тебя", u"вас", u"тобой", u"вами", u"тебе",
           u"вас"});
  Pronoun(lx, 7, {{u"без", 1}}, {u"мы", u"мы", u"нас", u"нас", u"нам", u"нам", u"нас", u"нас", u"нами",
                                 u"нами", u"нас", u"нас"});
  Pronoun(lx, 8, {{u"сез", 1}, {u"сезне", 10}},
          {u"вы", u"вы", u"вас", u"вас", u"вам", u"вам", u"вас", u"вас", u"вами", u"вами", u"вас", u"вас"});

  // Person endings of the present and the past, and the bare imperative.
  const std::pair<const char16_t*, int> endings[] = {
      {u"йм", 15},  {u"йсың", 16}, {u"йбыз", 18}, {u"йсыз", 19}, {u"дым", 27}, {u"дың", 28},
      {u"дык", 30}, {u"дыгыз", 31}, {u"ам", 15},  {u"асың", 16}, {u"", 2}};
  for (auto [e, code] : endings) lx.Add("flt10.pack", {e, C(code)});
  lx.Add("itfst10.pack", {u"булыш", u"1", u"помогать", N(1100)});
  RegularVerb(lx, 1100, u"i", u"помога");

  lx.Add("itfst02.pack", {u"кичә", u"1", u"вчера"});
  lx.Add("itfst02.pack", {u"иртәгә", u"1", u"завтра"});
  lx.Add("itfst02.pack", {u"кайда", u"1", u"где"});
  lx.Add("itfst02.pack", {u"һәрвакыт", u"1", u"всегда"});
  lx.Add("itfst02.pack", {u"татарча", u"1", u"по-татарски"});
  lx.Add("itfst03.pack", {u"ләкин", u"но"});
  lx.Add("itfst11.pack", {u"кемнең", u"чей"});
  lx.Add("itfst03.pack", {u"өй янында", u"возле дома"});
  lx.Add("itfst10.pack", {u"бир", u"1", u"давать", N(1101)});
  RegularVerb(lx, 1101, u"i", u"дава");
  lx.Add("itfst07.pack", {u"бу", u"этот", u"эта", u"это", u"1", u"1"});
  return lx;
}

using OrderTest = LexiconTest<OrderLexicon>;

TEST_F(OrderTest, PersonEndingGivesTheSubjectPronoun) {
  EXPECT_EQ(Translate(u"укыйм."), u"я читаю.");
  EXPECT_EQ(Translate(u"укыйсың."), u"ты читаешь.");
  EXPECT_EQ(Translate(u"укыйбыз."), u"мы читаем.");
  EXPECT_EQ(Translate(u"укыйсыз."), u"вы читаете.");
  // The past agrees with the pronoun, never with an earlier sentence's
  // subject (я читал, мы читали).
  EXPECT_EQ(Translate(u"кыз китап укыды."), u"девочка читала книгу.");
  EXPECT_EQ(Translate(u"укыдым."), u"я читал.");
  EXPECT_EQ(Translate(u"укыдык."), u"мы читали.");
  EXPECT_EQ(Translate(u"укыдыгыз."), u"вы читали.");
  // The first word of the sentence carries the capital, nothing else.
  EXPECT_EQ(Translate(u"Китап укыйм."), u"Я читаю книгу.");
  // After a clause-opening conjunction; each clause has its own subject.
  EXPECT_EQ(Translate(u"укыйм, ләкин укыйсың."), u"я читаю, но ты читаешь.");
}

TEST_F(OrderTest, NoPronounWhereOneIsSaidOrNoneBelongs) {
  EXPECT_EQ(Translate(u"мин укыйм."), u"я читаю.");
  // An order has no subject pronoun; a 3rd person has no pronoun to add.
  EXPECT_EQ(Translate(u"китап укы."), u"читай книгу.");
  EXPECT_EQ(Translate(u"кыз укый."), u"девочка читает.");
}

TEST_F(OrderTest, QuestionWordThenPronounThenVerb) {
  EXPECT_EQ(Translate(u"кайда укыйсыз?"), u"где вы читаете?");
  EXPECT_EQ(Translate(u"сез кайда укыйсыз?"), u"где вы читаете?");
  // A point in time follows the verb in a question.
  EXPECT_EQ(Translate(u"син кичә кайда укыдың?"), u"где ты читал вчера?");
  EXPECT_EQ(Translate(u"кичә кайда укыдың?"), u"где ты читал вчера?");
  // "чей" + noun + "это": "это" after "чей", which agrees with the noun.
  EXPECT_EQ(Translate(u"кемнең китапы бу?"), u"чья это книга?");
  EXPECT_EQ(Translate(u"кемнең өйы бу?"), u"чей это дом?");
}

TEST_F(OrderTest, PointInTimeKeepsItsPlaceBeforeOrAfterTheSubject) {
  EXPECT_EQ(Translate(u"мин кичә китап укыдым."), u"я вчера читал книгу.");
  EXPECT_EQ(Translate(u"кичә китап укыдым."), u"вчера я читал книгу.");
  EXPECT_EQ(Translate(u"Без иртәгә өйдә укыйбыз."), u"Мы завтра читаем в доме.");
}

TEST_F(OrderTest, AdverbsAndPronounObjectsAroundTheVerb) {
  // Frequency before the verb, the noun object after it.
  EXPECT_EQ(Translate(u"мин китапны һәрвакыт укыйм."), u"я всегда читаю книгу.");
  // An unstressed pronoun object before the verb.
  EXPECT_EQ(Translate(u"мин сиңа булышам."), u"я тебе помогаю.");
  EXPECT_EQ(Translate(u"сиңа булышам."), u"я тебе помогаю.");
  // A manner adverb in "по-" after the verb.
  EXPECT_EQ(Translate(u"без татарча укыйбыз."), u"мы читаем по-татарски.");
  // A fixed phrase with a preposition follows the verb.
  EXPECT_EQ(Translate(u"кыз өй янында укый."), u"девочка читает возле дома.");
  EXPECT_EQ(Translate(u"кыз һәрвакыт өй янында укый."), u"девочка всегда читает возле дома.");
}

TEST_F(OrderTest, OrdersTakeTheDativePronounRightAfterThem) {
  EXPECT_EQ(Translate(u"миңа китап бир."), u"давай мне книгу.");
  EXPECT_EQ(Translate(u"китапны миңа бир."), u"давай мне книгу.");
  EXPECT_EQ(Translate(u"миңа бир."), u"давай мне.");
}

}  // namespace
}  // namespace tatfix
