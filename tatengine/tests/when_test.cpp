// Clauses of time and cause through the exports: a -гач, -ганда or -ганчы
// form with a subject of its own becomes a "когда"/"пока не" clause whose
// tense follows the main clause; the speaker's own -гач stays a gerund;
// "-ганга күрә" and "-ганлыктан" are a "так как" clause in the past; "һәм"
// between two finite clauses joins them with "и", and two nouns into one
// subject.
#include "EngineFixture.h"
#include "tatengine.h"

namespace tatfix {
namespace {

TLexicon WhenLexicon() {
  TLexicon lx = StandardLexicon();
  const std::pair<const char16_t*, int> endings[] = {
      {u"кач", 79},  {u"гач", 79},   {u"канда", 83}, {u"ганда", 83}, {u"канчы", 77},
      {u"дык", 30},  {u"тык", 30},   {u"дым", 27},   {u"йбыз", 18},  {u"рбыз", 66},
      {u"йлар", 20}, {u"кан", 41},   {u"тым", 27}};
  for (auto [e, code] : endings) lx.Add("flt10.pack", {e, C(code)});
  RusVerb(lx, 1401, u"p", {u"вернуться", u"вернись", u"вернусь", u"вернёшься", u"вернётся", u"вернитесь",
                           u"вернёмся", u"вернётесь", u"вернутся", u"вернулся", u"вернулась", u"вернулось",
                           u"вернулись", u"вернувшись"});
  RusVerb(lx, 1402, u"i", {u"возвращаться", u"возвращайся", u"возвращаюсь", u"возвращаешься",
                           u"возвращается", u"возвращайтесь", u"возвращаемся", u"возвращаетесь",
                           u"возвращаются", u"возвращался", u"возвращалась", u"возвращалось",
                           u"возвращались", u"возвращаясь"});
  TatVerb(lx, u"кайт", u"вернуться", 1401, 1402);
  RusVerb(lx, 1403, u"p", {u"поесть", u"поешь", u"поем", u"поешь", u"поест", u"поешьте", u"поедим",
                           u"поедите", u"поедят", u"поел", u"поела", u"поело", u"поели", u"поев"});
  RusVerb(lx, 1404, u"i", {u"есть", u"ешь", u"ем", u"ешь", u"ест", u"ешьте", u"едим", u"едите", u"едят",
                           u"ел", u"ела", u"ело", u"ели", u"едя"});
  TatVerb(lx, u"аша", u"поесть", 1403, 1404);
  Noun(lx, u"әни", u"мам", 1, 2);
  Noun(lx, u"әти", u"пап", 1, 1);
  lx.Add("itfst07.pack", {u"мин", u"я", u"я", u"я", u"1", u"1"});
  lx.Add("itfst07.pack", {u"без", u"мы", u"мы", u"мы", u"2", u"1"});
  return lx;
}

using WhenTest = LexiconTest<WhenLexicon>;

TEST_F(WhenTest, OwnSubjectMakesAWhenClauseInTheMainClauseTense) {
  // A past main clause: the time clause is past and perfective.
  EXPECT_EQ(Translate(u"әти кайткач, без ашадык."), u"когда папа вернулся, мы поели.");
  EXPECT_EQ(Translate(u"әни кайткач, без ашадык."), u"когда мама вернулась, мы поели.");
  // Anything else is still to come: the perfective future.
  EXPECT_EQ(Translate(u"әни кайткач, без ашарбыз."), u"когда мама вернётся, мы поедим.");
  // -ганда is a process: imperfective, present with a present main clause.
  EXPECT_EQ(Translate(u"әти кайтканда, без укыйбыз."), u"когда папа возвращается, мы читаем.");
  EXPECT_EQ(Translate(u"әти кайтканда, без ашадык."), u"когда папа возвращался, мы поели.");
  // -ганчы: until, "пока ... не" with the perfective.
  EXPECT_EQ(Translate(u"әни кайтканчы, без ашадык."), u"пока мама не вернулась, мы поели.");
  // Written without the comma, the Russian clause gets one.
  EXPECT_EQ(Translate(u"әти кайткач без ашадык."), u"когда папа вернулся, мы поели.");
}

TEST_F(WhenTest, SpeakersOwnAfterClauseStaysAGerund) {
  EXPECT_EQ(Translate(u"мин кайткач, ашадым."), u"вернувшись, я поел.");
  EXPECT_EQ(Translate(u"мин кайткач ашадым."), u"вернувшись, я поел.");
  // Another person in the main clause: two subjects, a "когда" clause.
  EXPECT_EQ(Translate(u"мин кайткач, без ашадык."), u"когда я вернулся, мы поели.");
}

TEST_F(WhenTest, CauseIsASinceClauseInThePast) {
  // (A noun subject follows its intransitive verb there, as Russian allows.)
  EXPECT_EQ(Translate(u"әти кайтканга күрә, без ашадык."), u"так как вернулся папа, мы поели.");
  EXPECT_EQ(Translate(u"әни кайтканлыктан, без ашадык."), u"так как вернулась мама, мы поели.");
  // A -ганга without "күрә" is no cause.
  EXPECT_NE(Translate(u"әти кайтканга, без ашадык.").substr(0, 7), u"так как");
}

TEST_F(WhenTest, HamJoinsTwoClauses) {
  EXPECT_EQ(Translate(u"әти кайтты һәм без ашадык."), u"папа вернулся и мы поели.");
  // The second clause of the same speaker does not repeat "я".
  EXPECT_EQ(Translate(u"мин кайттым һәм ашадым."), u"я вернулся и поел.");
  // Between two nouns that open the clause: one subject, a plural verb.
  EXPECT_EQ(Translate(u"әти һәм әни кайтты."), u"папа и мама вернулись.");
  // With the speaker's own verb the pair is what was done to: no subject.
  EXPECT_EQ(Translate(u"китап һәм мәктәп укыдым.").find(u"и школа"), std::u16string::npos);
}

}  // namespace
}  // namespace tatfix
