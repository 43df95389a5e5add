// Verb senses by context, "ещё не", the order of a modal group, "иде"
// with a person on the verb or a question, and verbs the lexicon lacks
// that are a known verb with a voice suffix, through the engine's exports.
#include "EngineFixture.h"
#include "tatengine.h"
#include "zentrok/Utf.h"

namespace tatfix {
namespace {

// A Russian verb given form by form (infinitive first).
void ListedVerb(TLexicon& lx, long number, const char16_t* aspect, std::vector<std::u16string> f) {
  TRow row{N(number), f[0], aspect};
  for (auto& form : f) row.push_back(form);
  for (int k = 0; k < 4; ++k) row.push_back(f[9] + u"ший");
  lx.Add("plr10.pack", row);
}

TLexicon ClauseLexicon() {
  TLexicon lx = StandardLexicon();
  std::erase_if(lx.Tables["itfst10.pack"], [](const TRow& row) { return row[0] == u"ал"; });
  const std::pair<const char16_t*, int> endings[] = {
      {u"дым", 27},  {u"дык", 30},   {u"ам", 15},   {u"абыз", 18}, {u"ырга", 5},
      {u"маган", 47}, {u"каннар", 44}, {u"кан", 41}, {u"мадым", 33}, {u"ыйлар", 20}, {u"ый", 17}};
  for (auto [e, code] : endings) lx.Add("flt10.pack", {e, C(code)});
  lx.Add("flt04.pack", {u"кә", C(3)});

  // тор: стоять, its partner встать; вставать comes only with the sense rule.
  lx.Add("itfst10.pack", {u"тор", u"1", u"стоять", N(1200 + 65536L * 1201)});
  ListedVerb(lx, 1200, u"i", {u"стоять", u"стой", u"стою", u"стоишь", u"стоит", u"стойте", u"стоим",
                              u"стоите", u"стоят", u"стоял", u"стояла", u"стояло", u"стояли", u"стоя"});
  ListedVerb(lx, 1201, u"p", {u"встать", u"встань", u"встану", u"встанешь", u"встанет", u"встаньте",
                              u"встанем", u"встанете", u"встанут", u"встал", u"встала", u"встало",
                              u"встали", u"встав"});
  ListedVerb(lx, 1202, u"i", {u"вставать", u"вставай", u"встаю", u"встаёшь", u"встаёт", u"вставайте",
                              u"встаём", u"встаёте", u"встают", u"вставал", u"вставала", u"вставало",
                              u"вставали", u"вставая"});
  // ал: взять / брать; получить, занять with the sense rule.
  lx.Add("itfst10.pack", {u"ал", u"1", u"взять", N(1210 + 65536L * 1211)});
  ListedVerb(lx, 1210, u"p", {u"взять", u"возьми", u"возьму", u"возьмёшь", u"возьмёт", u"возьмите",
                              u"возьмём", u"возьмёте", u"возьмут", u"взял", u"взяла", u"взяло",
                              u"взяли", u"взяв"});
  RegularVerb(lx, 1211, u"i", u"бра");
  RegularVerb(lx, 1212, u"p", u"получи");
  RegularVerb(lx, 1213, u"p", u"заня");
  // бар: пойти / идти; поехать with the sense rule.
  lx.Add("itfst10.pack", {u"бар", u"1", u"пойти", N(1220 + 65536L * 1221)});
  ListedVerb(lx, 1220, u"p", {u"пойти", u"пойди", u"пойду", u"пойдёшь", u"пойдёт", u"пойдите",
                              u"пойдём", u"пойдёте", u"пойдут", u"пошёл", u"пошла", u"пошло",
                              u"пошли", u"пойдя"});
  ListedVerb(lx, 1221, u"i", {u"идти", u"иди", u"иду", u"идёшь", u"идёт", u"идите", u"идём", u"идёте",
                              u"идут", u"шёл", u"шла", u"шло", u"шли", u"идя"});
  ListedVerb(lx, 1222, u"p", {u"поехать", u"поезжай", u"поеду", u"поедешь", u"поедет", u"поезжайте",
                              u"поедем", u"поедете", u"поедут", u"поехал", u"поехала", u"поехало",
                              u"поехали", u"поехав"});
  ListedVerb(lx, 1223, u"i", {u"ехать", u"поезжай", u"еду", u"едешь", u"едет", u"поезжайте", u"едем",
                              u"едете", u"едут", u"ехал", u"ехала", u"ехало", u"ехали", u"едучи"});
  lx.Add("itfst10.pack", {u"кайт", u"1", u"вернуться", N(1230)});
  ListedVerb(lx, 1230, u"p", {u"вернуться", u"вернись", u"вернусь", u"вернёшься", u"вернётся",
                              u"вернитесь", u"вернёмся", u"вернётесь", u"вернутся", u"вернулся",
                              u"вернулась", u"вернулось", u"вернулись", u"вернувшись"});
  lx.Add("itfst10.pack", {u"уйн", u"1", u"играть", N(1240)});
  // эшлә: работать; делать, сделать with an object.
  lx.Add("itfst10.pack", {u"эшл", u"1", u"работать", N(1250)});
  RegularVerb(lx, 1250, u"i", u"работа");
  RegularVerb(lx, 1251, u"i", u"дела");
  RegularVerb(lx, 1252, u"p", u"сдела");
  lx.Add("flt10.pack", {u"әде", C(29)});
  lx.Add("flt10.pack", {u"и", C(17)});
  RegularVerb(lx, 1240, u"i", u"игра");

  Noun(lx, u"хат", u"письм", 7, 3);
  NounParadigm(lx, 7, {u"о", u"а", u"а", u"", u"у", u"ам", u"о", u"а", u"ом", u"ами", u"е", u"ах"});
  Noun(lx, u"урын", u"мест", 7, 3);
  Noun(lx, u"Казан", u"Казан", 6, 2);
  Noun(lx, u"бала", u"ребён", 8, 1);
  NounParadigm(lx, 8, {u"ок", u"ки", u"ка", u"ков", u"ку", u"кам", u"ка", u"ков", u"ком", u"ками",
                       u"ке", u"ках"},
               true);

  lx.Add("itfst02.pack", {u"иртә", u"1", u"рано"});
  lx.Add("itfst02.pack", {u"әле", u"1", u"пока"});
  lx.Add("itfst02.pack", {u"тиеш", u"1", u"должен"});
  lx.Add("itfst02.pack", {u"ярамый", u"1", u"нельзя"});

  // The context senses of these verbs.
  SenseRule(lx, u"тор", u"adv", u"иртә", u"вставать/встать", 1202, 1201);
  SenseRule(lx, u"тор", u"loc", u"*", u"стоять/стоять", 1200, 1200);
  SenseRule(lx, u"ал", u"obj", u"хат", u"получить", 0, 1212);
  SenseRule(lx, u"ал", u"obj", u"урын", u"занять", 0, 1213);
  SenseRule(lx, u"эшл", u"obj", u"*", u"делать/сделать", 1251, 1252);
  SenseRule(lx, u"бар", u"dat", u"@placename", u"ехать/поехать", 1223, 1222);
  return lx;
}

using ClauseTest = LexiconTest<ClauseLexicon>;

TEST_F(ClauseTest, StandingUpInTheMorning) {
  EXPECT_EQ(Translate(u"укучы иртә тора."), u"ученик рано встаёт.");
  EXPECT_EQ(Translate(u"укучы иртә торды."), u"ученик рано встал.");
  // Without a morning word the verb keeps its own sense.
  EXPECT_EQ(Translate(u"укучы тора."), u"ученик стоит.");
  // At a place the past is standing, not getting up.
  EXPECT_EQ(Translate(u"укучы өйдә торды."), u"ученик стоял в доме.");
}

TEST_F(ClauseTest, ReceivingAndTakingByTheObject) {
  EXPECT_EQ(Translate(u"укучы хат алды."), u"ученик получил письмо.");
  EXPECT_EQ(Translate(u"укучы урынны алды."), u"ученик занял место.");
  // Anything else is taken.
  EXPECT_EQ(Translate(u"укучы китапны алды."), u"ученик взял книгу.");
  // Working with an object is doing it, done in the past.
  EXPECT_EQ(Translate(u"укучы китапны эшләде."), u"ученик сделал книгу.");
  EXPECT_EQ(Translate(u"укучы эшли."), u"ученик работает.");
}

TEST_F(ClauseTest, GoingToATownIsByRoad) {
  EXPECT_EQ(Translate(u"укучы Казанга барды."), u"ученик поехал в Казань.");
  EXPECT_EQ(Translate(u"укучы Казанга бара."), u"ученик едет в Казань.");
  EXPECT_EQ(Translate(u"укучы мәктәпкә барды."), u"ученик пошёл в школу.");
}

TEST_F(ClauseTest, StillNotBeforeANegatedVerb) {
  EXPECT_EQ(Translate(u"укучы әле кайтмаган."), u"ученик ещё не вернулся.");
  EXPECT_EQ(Translate(u"кыз әле укымады."), u"девочка ещё не читала.");
  // Not negated: әле keeps its own word.
  EXPECT_EQ(Translate(u"укучы әле укый."), u"ученик пока читает.");
}

TEST_F(ClauseTest, ModalGoesRightAfterTheSubject) {
  EXPECT_EQ(Translate(u"укучы иртә торырга тиеш."), u"ученик должен рано вставать.");
  EXPECT_EQ(Translate(u"кыз иртә торырга тиеш иде."), u"девочка должна была рано вставать.");
}

TEST_F(ClauseTest, IdeWithThePersonOnTheVerbOrAQuestion) {
  // A plural noun subject takes no "они".
  EXPECT_EQ(Translate(u"кызлар уйный иделәр."), u"девочки играли.");
  EXPECT_EQ(Translate(u"кызлар уйныйлар иде."), u"девочки играли.");
  EXPECT_EQ(Translate(u"укучы кайткан иде."), u"ученик вернулся.");
  EXPECT_EQ(Translate(u"укучы кайтмаган иде."), u"ученик не вернулся.");
  EXPECT_EQ(Translate(u"укучы кайткан идеме?"), u"ученик вернулся?");
  EXPECT_EQ(Translate(u"кызлар кайтканнар иде."), u"девочки вернулись.");
}

TEST_F(ClauseTest, DerivedStemReadsAsItsBaseVerb) {
  // кайтыш and кайтын are not in the lexicon; кайт is.
  EXPECT_EQ(Translate(u"кызлар кайтышканнар."), u"девочки вернулись.");
  EXPECT_EQ(Translate(u"укучы кайтынды."), u"ученик вернулся.");
  // A word that leaves no verb form after any cut stays unknown.
  const auto pieces = RunSentence(u"укучы кайтынпыр.");
  bool unknown = false;
  for (const TPiece& p : pieces) unknown = unknown || p.Flag == -1;
  EXPECT_TRUE(unknown);
}

}  // namespace
}  // namespace tatfix
