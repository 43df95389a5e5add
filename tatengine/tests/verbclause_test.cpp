// Tense and modality a whole clause decides, through the exports: a
// condition about what is to come with its main clause, habits in the past,
// "-а ала" of a skill or a planned event, and the weather as a state.
#include "EngineFixture.h"
#include "tatengine.h"
#include "zentrok/Utf.h"

namespace tatfix {
namespace {

TLexicon VerbClauseLexicon() {
  TLexicon lx = StandardLexicon();
  std::erase_if(lx.Tables["itfst10.pack"], [](const TRow& row) { return row[0] == u"ал"; });
  const std::pair<const char16_t*, int> endings[] = {
      {u"сәң", 86}, {u"саң", 86}, {u"масаң", 91}, {u"абыз", 18}, {u"ыйбыз", 18}, {u"арсың", 64},
      {u"асың", 16}, {u"ам", 15},  {u"әм", 15},    {u"мыйм", 21}, {u"дым", 27},  {u"дык", 30},
      {u"де", 29},   {u"ә", 17},   {u"ды", 29},    {u"әбез", 18}, {u"ергә", 5}, {u"ырга", 5}};
  for (auto [e, code] : endings) lx.Add("flt10.pack", {e, C(code)});
  lx.Add("flt04.pack", {u"кә", C(3)});

  // закончить / заканчивать, поесть / есть, остаться / оставаться.
  RusVerb(lx, 1201, u"p", {u"закончить", u"закончи", u"закончу", u"закончишь", u"закончит", u"закончите",
                           u"закончим", u"закончите", u"закончат", u"закончил", u"закончила", u"закончило",
                           u"закончили", u"закончив"});
  RegularVerb(lx, 1202, u"i", u"заканчива");
  TatVerb(lx, u"бетер", u"закончить", 1201, 1202);
  RusVerb(lx, 1203, u"i", {u"есть", u"ешь", u"ем", u"ешь", u"ест", u"ешьте", u"едим", u"едите", u"едят",
                           u"ел", u"ела", u"ело", u"ели", u"евши"});
  RusVerb(lx, 1204, u"p", {u"поесть", u"поешь", u"поем", u"поешь", u"поест", u"поешьте", u"поедим",
                           u"поедите", u"поедят", u"поел", u"поела", u"поело", u"поели", u"поев"});
  TatVerb(lx, u"аша", u"есть", 1203, 1204);
  RusVerb(lx, 1205, u"p", {u"остаться", u"останься", u"останусь", u"останешься", u"останется",
                           u"останьтесь", u"останемся", u"останетесь", u"останутся", u"остался",
                           u"осталась", u"осталось", u"остались", u"оставшись"});
  RusVerb(lx, 1206, u"i", {u"оставаться", u"оставайся", u"остаюсь", u"остаёшься", u"остаётся",
                           u"оставайтесь", u"остаёмся", u"остаётесь", u"остаются", u"оставался",
                           u"оставалась", u"оставалось", u"оставались", u"оставаясь"});
  TatVerb(lx, u"кал", u"остаться", 1205, 1206);
  RusVerb(lx, 1207, u"i", {u"ждать", u"жди", u"жду", u"ждёшь", u"ждёт", u"ждите", u"ждём", u"ждёте", u"ждут",
                           u"ждал", u"ждала", u"ждало", u"ждали", u"ждя"});
  TatVerb(lx, u"көт", u"ждать", 1207, 0);

  // идти / пойти with ходить; бежать with бегать.
  RusVerb(lx, 1220, u"i", {u"идти", u"иди", u"иду", u"идёшь", u"идёт", u"идите", u"идём", u"идёте",
                           u"идут", u"шёл", u"шла", u"шло", u"шли", u"идя"});
  RusVerb(lx, 1221, u"p", {u"пойти", u"пойди", u"пойду", u"пойдёшь", u"пойдёт", u"пойдите", u"пойдём",
                           u"пойдёте", u"пойдут", u"пошёл", u"пошла", u"пошло", u"пошли", u"пойдя"});
  RusVerb(lx, 1222, u"i", {u"ходить", u"ходи", u"хожу", u"ходишь", u"ходит", u"ходите", u"ходим",
                           u"ходите", u"ходят", u"ходил", u"ходила", u"ходило", u"ходили", u"ходя"});
  TatVerb(lx, u"бар", u"идти", 1220, 1221);
  RusVerb(lx, 1225, u"p", {u"сходить", u"сходи", u"схожу", u"сходишь", u"сходит", u"сходите", u"сходим",
                           u"сходите", u"сходят", u"сходил", u"сходила", u"сходило", u"сходили", u"сходив"});
  RusVerb(lx, 1223, u"i", {u"бежать", u"беги", u"бегу", u"бежишь", u"бежит", u"бегите", u"бежим",
                           u"бежите", u"бегут", u"бежал", u"бежала", u"бежало", u"бежали", u"бежав"});
  RusVerb(lx, 1224, u"i", {u"бегать", u"бегай", u"бегаю", u"бегаешь", u"бегает", u"бегайте", u"бегаем",
                           u"бегаете", u"бегают", u"бегал", u"бегала", u"бегало", u"бегали", u"бегая"});
  TatVerb(lx, u"йөгер", u"бежать", 1223, 0);

  // мочь and уметь; плавать, прийти / приходить, говорить.
  TakeVerb(lx);
  CanVerb(lx);
  RegularVerb(lx, 5251, u"i", u"уме");
  RegularVerb(lx, 1230, u"i", u"плава");
  TatVerb(lx, u"йөз", u"плавать", 1230, 0);
  RusVerb(lx, 1231, u"p", {u"прийти", u"приди", u"приду", u"придёшь", u"придёт", u"придите", u"придём",
                           u"придёте", u"придут", u"пришёл", u"пришла", u"пришло", u"пришли", u"придя"});
  RegularVerb(lx, 1232, u"i", u"приходи");
  TatVerb(lx, u"кил", u"прийти", 1231, 1232);
  RegularVerb(lx, 1233, u"i", u"говори");
  TatVerb(lx, u"сөйләш", u"говорить", 1233, 0);

  // Weather: "һава" the air, "суык" cold with its adverb.
  Noun(lx, u"һава", u"воздух", 2, 1);
  Noun(lx, u"эш", u"работ", 1, 2);
  lx.Add("itfst01.pack", {u"суык", u"1", u"холодн", u"3"});
  lx.Add("itfst02.pack", {u"суык", u"1", u"холодно"});
  for (auto [tat, rus] : {std::pair{u"бүген", u"сегодня"}, {u"иртәгә", u"завтра"}, {u"гел", u"всегда"},
                          {u"татарча", u"по-татарски"}})
    lx.Add("itfst02.pack", {tat, u"1", rus});
  lx.Add("flt04.pack", {u"тә", C(6)});
  lx.Add("itfst11.pack", {u"ярамый", u"нельзя"});
  lx.Add("itfst11.pack", {u"ярый", u"ладно"});
  lx.Add("itfst07.pack", {u"син", u"ты", u"ты", u"ты", u"1", u"1"});
  lx.Add("itfst07.pack", {u"без", u"мы", u"мы", u"мы", u"2", u"1"});
  lx.Add("itfst07.pack", {u"ул", u"он", u"она", u"оно", u"1", u"3"});
  return lx;
}

using VerbClauseTest = LexiconTest<VerbClauseLexicon>;

bool Has(const std::u16string& text, std::u16string_view part) { return text.find(part) != std::u16string::npos; }

TEST_F(VerbClauseTest, ConditionAboutWhatIsToComeIsThePerfectiveFuture) {
  // "если" opens the condition, the verb goes before its object.
  EXPECT_EQ(Translate(u"эшне бетерсәң, калабыз."), u"если закончишь работу, мы останемся.");
  EXPECT_EQ(Translate(u"ашамасаң, каласың."), u"если не поешь, ты останешься.");
  // The -ар future of the main clause is perfective anyway.
  EXPECT_EQ(Translate(u"ашасаң, каларсың."), u"если поешь, ты останешься.");
  // A present with no perfective partner is the compound future.
  EXPECT_EQ(Translate(u"эшне бетерсәң, көтәбез."), u"если закончишь работу, мы будем ждать.");
}

TEST_F(VerbClauseTest, ConditionOfAHabitOrAPastKeepsItsForms) {
  const std::u16string habit = Translate(u"гел ашасаң, каласың.");
  // "если" opens the clause, before its adverb (если всегда ешь).
  EXPECT_TRUE(Has(habit, u"если") && Has(habit, u"ешь,") && Has(habit, u"остаёшься")) << zentrok::Utf16ToUtf8(habit);
  EXPECT_EQ(Translate(u"ашасаң, калдым."), u"если ешь, я остался.");
  // Without a comma there is no main clause to go by.
  const std::u16string run = Translate(u"ашасаң каласың.");
  EXPECT_TRUE(Has(run, u"ешь") && !Has(run, u"поешь") && Has(run, u"остаёшься")) << zentrok::Utf16ToUtf8(run);
}

TEST_F(VerbClauseTest, HabitsOfGoingInThePastAreRoundTrips) {
  EXPECT_EQ(Translate(u"без гел мәктәпкә бара идек."), u"мы всегда ходили в школу.");
  EXPECT_EQ(Translate(u"мин гел йөгерә идем."), u"я всегда бегал.");
  const std::u16string past = Translate(u"без гел мәктәпкә бардык.");
  EXPECT_TRUE(Has(past, u"ходили")) << zentrok::Utf16ToUtf8(past);
  // Going once, not as a habit, is one way.
  const std::u16string once = Translate(u"без мәктәпкә бара идек.");
  EXPECT_TRUE(Has(once, u"шли") && !Has(once, u"ходили")) << zentrok::Utf16ToUtf8(once);
}

TEST_F(VerbClauseTest, LeaveIsAskedWithCanAndRefusedWithMustNot) {
  // Asking leave to do it once: the perfective.
  EXPECT_EQ(Translate(u"килергә ярыймы?"), u"можно прийти?");
  // What must not be done is the imperfective, running about "бегать".
  const std::u16string no = Translate(u"мәктәптә йөгерергә ярамый.");
  EXPECT_TRUE(Has(no, u"нельзя бегать")) << zentrok::Utf16ToUtf8(no);
  // A phrase-lexicon habit is a habit too.
  const std::u16string daily = Translate(u"ул көн саен йөгерә иде.");
  EXPECT_TRUE(Has(daily, u"бегал")) << zentrok::Utf16ToUtf8(daily);
}

TEST_F(VerbClauseTest, GoingSomewhereOneMustIsAnErrand) {
  EXPECT_EQ(Translate(u"мәктәпкә барырга кирәк."), u"надо сходить в школу.");
  // Without a place the going stays.
  EXPECT_EQ(Translate(u"барырга кирәк."), u"надо идти.");
}

TEST_F(VerbClauseTest, AbilityIsASkillOrAPlannedEvent) {
  EXPECT_EQ(Translate(u"мин йөзә алам."), u"я умею плавать.");
  EXPECT_EQ(Translate(u"мин иртәгә килә алмыйм."), u"я завтра не смогу прийти.");
  // With no day named, not being able is the present.
  EXPECT_EQ(Translate(u"мин килә алмыйм."), u"я не могу прийти.");
  // Speaking a language, or a skill one lacks, stays "мочь".
  EXPECT_EQ(Translate(u"ул татарча сөйләшә ала."), u"он может говорить по-татарски.");
  EXPECT_EQ(Translate(u"мин йөзә алмыйм."), u"я не могу плавать.");
}

TEST_F(VerbClauseTest, WeatherIsAStateWithoutTheAir) {
  EXPECT_EQ(Translate(u"бүген һава суык."), u"сегодня холодно.");
  EXPECT_EQ(Translate(u"һава суык."), u"холодно.");
  // The air as a thing keeps its noun.
  EXPECT_EQ(Translate(u"суык һава."), u"холодный воздух.");
}

}  // namespace
}  // namespace tatfix
