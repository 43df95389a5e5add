// Orders, invitations and unreal conditions through the exports: "пусть"
// before the subject of a 3rd-person order, "әле" after an order as
// "пожалуйста", the -дык past after "әйдә", "-ыр иде" with an unreal
// condition, and "-а ала" asked with -мы.
#include "EngineFixture.h"
#include "tatengine.h"
#include "zentrok/Utf.h"

namespace tatfix {
namespace {

TLexicon VerbClause2Lexicon() {
  TLexicon lx = StandardLexicon();
  std::erase_if(lx.Tables["itfst10.pack"], [](const TRow& row) { return row[0] == u"ал"; });
  const std::pair<const char16_t*, int> endings[] = {
      {u"сен", 9},   {u"сын", 9},   {u"сыннар", 13}, {u"мәсен", 10}, {u"", 2},     {u"ыгыз", 11},
      {u"дык", 30},  {u"тек", 30},  {u"ыр", 65},     {u"ер", 65},    {u"сә", 7},   {u"ә", 17},
      {u"асың", 16}, {u"әсең", 16}, {u"ам", 15},     {u"ергә", 5},   {u"дым", 27}, {u"ырмын", 63}};
  for (auto [e, code] : endings) lx.Add("flt10.pack", {e, C(code)});

  RusVerb(lx, 1301, u"p", {u"войти", u"войди", u"войду", u"войдёшь", u"войдёт", u"войдите", u"войдём",
                           u"войдёте", u"войдут", u"вошёл", u"вошла", u"вошло", u"вошли", u"войдя"});
  RusVerb(lx, 1302, u"i", {u"входить", u"входи", u"вхожу", u"входишь", u"входит", u"входите", u"входим",
                           u"входите", u"входят", u"входил", u"входила", u"входило", u"входили", u"входя"});
  TatVerb(lx, u"кер", u"войти", 1301, 1302);
  RegularVerb(lx, 1303, u"i", u"игра");
  TatVerb(lx, u"уйна", u"играть", 1303, 0);
  RusVerb(lx, 1304, u"p", {u"сесть", u"сядь", u"сяду", u"сядешь", u"сядет", u"сядьте", u"сядем", u"сядете",
                           u"сядут", u"сел", u"села", u"село", u"сели", u"сев"});
  TatVerb(lx, u"утыр", u"сесть", 1304, 0);
  RusVerb(lx, 1306, u"p", {u"уйти", u"уйди", u"уйду", u"уйдёшь", u"уйдёт", u"уйдите", u"уйдём", u"уйдёте",
                           u"уйдут", u"ушёл", u"ушла", u"ушло", u"ушли", u"уйдя"});
  RusVerb(lx, 1307, u"p", {u"пойти", u"пойди", u"пойду", u"пойдёшь", u"пойдёт", u"пойдите", u"пойдём",
                           u"пойдёте", u"пойдут", u"пошёл", u"пошла", u"пошло", u"пошли", u"пойдя"});
  RusVerb(lx, 1310, u"i", {u"уходить", u"уходи", u"ухожу", u"уходишь", u"уходит", u"уходите", u"уходим",
                           u"уходите", u"уходят", u"уходил", u"уходила", u"уходило", u"уходили", u"уходя"});
  TatVerb(lx, u"кит", u"уйти", 1306, 1310);
  lx.Add("itfst03.pack", {u"түгел", u"не"});
  RusVerb(lx, 1308, u"p", {u"помочь", u"помоги", u"помогу", u"поможешь", u"поможет", u"помогите",
                           u"поможем", u"поможете", u"помогут", u"помог", u"помогла", u"помогло",
                           u"помогли", u"помогши"});
  RegularVerb(lx, 1309, u"i", u"помога");
  TatVerb(lx, u"булыш", u"помочь", 1308, 1309);
  RusVerb(lx, 1231, u"p", {u"прийти", u"приди", u"приду", u"придёшь", u"придёт", u"придите", u"придём",
                           u"придёте", u"придут", u"пришёл", u"пришла", u"пришло", u"пришли", u"придя"});
  RegularVerb(lx, 1232, u"i", u"приходи");
  TatVerb(lx, u"кил", u"прийти", 1231, 1232);
  // "ал" is both "взять" and the auxiliary of "мочь".
  TakeVerb(lx);
  CanVerb(lx);

  lx.Add("itfst02.pack", {u"әле", u"1", u"пока"});
  lx.Add("itfst03.pack", {u"әйдә", u"давай"});
  lx.Add("itfst07.pack", {u"син", u"ты", u"ты", u"ты", u"1", u"1"});
  lx.Add("itfst07.pack", {u"мин", u"я", u"я", u"я", u"1", u"1"});
  lx.Add("itfst07.pack", {u"без", u"мы", u"мы", u"мы", u"2", u"1"});
  lx.Add("itfst07.pack", {u"ул", u"он", u"она", u"оно", u"1", u"3"});
  return lx;
}

using VerbClause2Test = LexiconTest<VerbClause2Lexicon>;

std::string U8(const std::u16string& s) { return zentrok::Utf16ToUtf8(s); }

TEST_F(VerbClause2Test, ThirdPersonOrderOpensWithLet) {
  EXPECT_EQ(Translate(u"ул керсен."), u"пусть он войдёт.");
  EXPECT_EQ(Translate(u"укучы керсен."), u"пусть ученик войдёт.");
  // What must not be done is the imperfective.
  EXPECT_EQ(Translate(u"ул кермәсен."), u"пусть он не входит.");
  // Without a subject "пусть" already stands first.
  EXPECT_EQ(Translate(u"керсен."), u"пусть войдёт.");
}

TEST_F(VerbClause2Test, SoftenerAfterAnOrderIsPlease) {
  EXPECT_EQ(Translate(u"утыр әле."), u"сядь, пожалуйста.");
  EXPECT_EQ(Translate(u"утырыгыз әле."), u"сядьте, пожалуйста.");
  // Not after an order it keeps its own sense.
  const std::u16string still = Translate(u"ул әле укый.");
  EXPECT_EQ(still.find(u"пожалуйста"), std::u16string::npos) << U8(still);
}

TEST_F(VerbClause2Test, PastAfterAydaInvitesToSetOff) {
  EXPECT_EQ(Translate(u"әйдә, киттек!"), u"давай, пошли!");
  // A past without "әйдә" is a past.
  const std::u16string past = Translate(u"без киттек.");
  EXPECT_NE(past.find(u"ушли"), std::u16string::npos) << U8(past);
}

TEST_F(VerbClause2Test, UnrealConditionSaysIfWithThePast) {
  const std::u16string would = Translate(u"ул килсә, мин булышыр идем.");
  EXPECT_NE(would.find(u"если бы"), std::u16string::npos) << U8(would);
  EXPECT_NE(would.find(u"пришёл"), std::u16string::npos) << U8(would);
  EXPECT_NE(would.find(u"бы помог"), std::u16string::npos) << U8(would);
  // A real condition keeps the future.
  const std::u16string real = Translate(u"ул килсә, мин булышырмын.");
  EXPECT_EQ(real.find(u"если бы"), std::u16string::npos) << U8(real);
}

TEST_F(VerbClause2Test, AbilityAskedWithTheQuestionParticle) {
  const std::u16string asked = Translate(u"син килә аласыңмы?");
  EXPECT_NE(asked.find(u"можешь прийти"), std::u16string::npos) << U8(asked);
  EXPECT_EQ(asked.find(u"взя"), std::u16string::npos) << U8(asked);
}

TEST_F(VerbClause2Test, NeedNotIsNotNeededWithTheImperfective) {
  EXPECT_EQ(Translate(u"керергә кирәк түгел."), u"не нужно входить.");
  EXPECT_EQ(Translate(u"керергә кирәк."), u"надо войти.");
}

}  // namespace
}  // namespace tatfix
