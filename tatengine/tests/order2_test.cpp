// Word order of time words, "если" clauses, "давай" orders, modal groups
// and the subject of "должен", through the engine's exports.
#include "EngineFixture.h"
#include "tatengine.h"
#include "zentrok/Utf.h"

namespace tatfix {
namespace {

TLexicon Order2Lexicon() {
  TLexicon lx = StandardLexicon();
  std::erase_if(lx.Tables["itfst07.pack"], [](const TRow& row) { return row[0] == u"мин"; });
  lx.Add("flt09.pack", {u"", C(1, 1), C(9, 9), C(10, 10)});
  Pronoun(lx, 5, {{u"мин", 1}, {u"миңа", 9}, {u"мине", 10}},
          {u"я", u"мы", u"меня", u"нас", u"мне", u"нам", u"меня", u"нас", u"мной", u"нами", u"мне", u"нас"});
  Pronoun(lx, 7, {{u"без", 1}, {u"безгә", 9}},
          {u"мы", u"мы", u"нас", u"нас", u"нам", u"нам", u"нас", u"нас", u"нами", u"нами", u"нас", u"нас"});
  Pronoun(lx, 8, {{u"ул", 1}}, {u"он", u"они", u"его", u"их", u"ему", u"им", u"его", u"их", u"им", u"ими",
                                u"нём", u"них"});

  // Person endings of the present and the past, the joint order, "тиеш"
  // with a person ending.
  const std::pair<const char16_t*, int> endings[] = {
      {u"йм", 15}, {u"йбыз", 18}, {u"дым", 27}, {u"дык", 30}, {u"йк", 96}, {u"ыйк", 96}, {u"", 2}};
  for (auto [e, code] : endings) lx.Add("flt10.pack", {e, C(code)});

  lx.Add("itfst02.pack", {u"кичә", u"1", u"вчера"});
  lx.Add("itfst02.pack", {u"бүген", u"1", u"сегодня"});
  lx.Add("itfst02.pack", {u"җәен", u"1", u"летом"});
  lx.Add("itfst02.pack", {u"быел", u"1", u"в этом году"});
  lx.Add("itfst02.pack", {u"татарча", u"1", u"по-татарски"});
  lx.Add("itfst02.pack", {u"вакытында", u"1", u"вовремя"});
  lx.Add("itfst06.pack", {u"вакытында", u"во время", u"3"});
  lx.Add("itfst03.pack", {u"әйдә", u"давай"});
  lx.Add("itfst03.pack", {u"тиеш", u"должен"});
  lx.Add("itfst03.pack", {u"тиешбез", u"должен"});
  return lx;
}

using Order2Test = LexiconTest<Order2Lexicon>;

TEST_F(Order2Test, OneWordTimeKeepsItsPlaceLongerTimeOpensTheClause) {
  // After the subject, as the Tatar says it.
  EXPECT_EQ(Translate(u"мин кичә китап укыдым."), u"я вчера читал книгу.");
  EXPECT_EQ(Translate(u"ул бүген китап укый."), u"он сегодня читает книгу.");
  // Before the subject when the Tatar puts it first.
  EXPECT_EQ(Translate(u"кичә мин китап укыдым."), u"вчера я читал книгу.");
  // A season or a time in several words opens the clause.
  EXPECT_EQ(Translate(u"без җәен китап укыйбыз."), u"летом мы читаем книгу.");
  EXPECT_EQ(Translate(u"мин быел китап укыдым."), u"в этом году я читал книгу.");
}

TEST_F(Order2Test, TimelyAfterAPronounIsAnAdverb) {
  EXPECT_EQ(Translate(u"без вакытында укыдык."), u"мы вовремя читали.");
  // After a noun it stays the postposition.
  EXPECT_NE(Translate(u"китап вакытында укыдым."), u"я вовремя читал книгу.");
}

TEST_F(Order2Test, JointOrderAfterDavai) {
  // No comma after "давай"; the order before its object. (This lexicon
  // has no 1st person plural forms: the infinitive stands for them.)
  EXPECT_EQ(Translate(u"әйдә, китапны укыйк."), u"давай читать книгу.");
  EXPECT_EQ(Translate(u"әйдә, укыйк!"), u"давай читать!");
  // Another comma stays.
  EXPECT_EQ(Translate(u"әйдә, мин укыйм."), u"давай, я читаю.");
  // An adverb between "әйдә" and the order: "давай" still opens, once.
  EXPECT_EQ(Translate(u"әйдә тиз укыйк!"), u"давай быстро читать!");
}

TEST_F(Order2Test, MustWithAPersonEndingNamesItsSubject) {
  EXPECT_EQ(Translate(u"китап укырга тиешбез."), u"мы должны читать книгу.");
  // A said subject is not repeated.
  EXPECT_EQ(Translate(u"без китап укырга тиеш."), u"мы должны читать книгу.");
}

TEST_F(Order2Test, MannerAdverbFollowsTheInfinitive) {
  EXPECT_EQ(Translate(u"без татарча укырга тиешбез."), u"мы должны читать по-татарски.");
}

TEST_F(Order2Test, ConditionalClauseOpensWithIf) {
  // The main clause of a condition speaks of what will be (я буду читать).
  EXPECT_EQ(Translate(u"кыз укыса, мин укыйм."), u"если девочка читает, я буду читать.");
  // What one has follows the verb without the possessive ("бул" is
  // "бывать" in this lexicon).
  EXPECT_EQ(Translate(u"китапы булса, мин укыйм."), u"если бывает книга, я буду читать.");
  EXPECT_EQ(Translate(u"Китапы булса, мин укыйм."), u"Если бывает книга, я буду читать.");
}

}  // namespace
}  // namespace tatfix
