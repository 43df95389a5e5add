// Verb rules through the exports: the aspect a form asks for, the case a
// Russian verb governs, infinitive complements, "-ып" + auxiliary and
// "булып" + noun.
#include "EngineFixture.h"
#include "tatengine.h"
#include "zentrok/Utf.h"

namespace tatfix {
namespace {

TLexicon VerbLexicon() {
  TLexicon lx = StandardLexicon();
  const std::pair<const char16_t*, int> endings[] = {
      {u"дым", 27}, {u"ачак", 53}, {u"", 2},     {u"ыгыз", 11}, {u"магыз", 12}, {u"ыйм", 15},
      {u"и", 17},   {u"де", 29},   {u"те", 29},  {u"мәде", 35},   {u"арга", 5}, {u"им", 15},  {u"ә", 17},    {u"кач", 79},  {u"ыйк", 96},   {u"макчы", 105}};
  for (auto [e, code] : endings) lx.Add("flt10.pack", {e, C(code)});
  lx.Add("flt04.pack", {u"кә", C(3)});
  lx.Add("flt04.pack", {u"дән", C(5)});

  RusVerb(lx, 1100, u"i", {u"писать", u"пиши", u"пишу", u"пишешь", u"пишет", u"пишите", u"пишем",
                           u"пишете", u"пишут", u"писал", u"писала", u"писало", u"писали", u"пиша"});
  RusVerb(lx, 1101, u"p", {u"написать", u"напиши", u"напишу", u"напишешь", u"напишет", u"напишите",
                           u"напишем", u"напишете", u"напишут", u"написал", u"написала",
                           u"написало", u"написали", u"написав"});
  TatVerb(lx, u"яз", u"писать", 1100, 1101);
  // A perfective entry with an imperfective partner; a verb of coming.
  RusVerb(lx, 1110, u"p", {u"прийти", u"приди", u"приду", u"придёшь", u"придёт", u"придите",
                           u"придём", u"придёте", u"придут", u"пришёл", u"пришла", u"пришло",
                           u"пришли", u"придя"});
  RusVerb(lx, 1111, u"i", {u"приходить", u"приходи", u"прихожу", u"приходишь", u"приходит",
                           u"приходите", u"приходим", u"приходите", u"приходят", u"приходил",
                           u"приходила", u"приходило", u"приходили", u"приходя"});
  TatVerb(lx, u"кил", u"прийти", 1110, 1111);
  RusVerb(lx, 1120, u"i", {u"бояться", u"бойся", u"боюсь", u"боишься", u"боится", u"бойтесь",
                           u"боимся", u"боитесь", u"боятся", u"боялся", u"боялась", u"боялось",
                           u"боялись", u"боясь"});
  RusVerb(lx, 1121, u"p", {u"испугаться", u"испугайся", u"испугаюсь", u"испугаешься", u"испугается",
                           u"испугайтесь", u"испугаемся", u"испугаетесь", u"испугаются",
                           u"испугался", u"испугалась", u"испугалось", u"испугались", u"испугавшись"});
  TatVerb(lx, u"курык", u"бояться|abl:gen", 1120, 1121);
  RusVerb(lx, 1130, u"i", {u"смотреть", u"смотри", u"смотрю", u"смотришь", u"смотрит", u"смотрите",
                           u"смотрим", u"смотрите", u"смотрят", u"смотрел", u"смотрела",
                           u"смотрело", u"смотрели", u"смотря"});
  TatVerb(lx, u"кара", u"смотреть|dat:на+acc", 1130, 0);
  RusVerb(lx, 1140, u"i", {u"хотеть", u"хоти", u"хочу", u"хочешь", u"хочет", u"хотите", u"хотим",
                           u"хотите", u"хотят", u"хотел", u"хотела", u"хотело", u"хотели", u"хотя"});
  TatVerb(lx, u"тел", u"хотеть", 1140, 0);
  RusVerb(lx, 1150, u"i", {u"работать", u"работай", u"работаю", u"работаешь", u"работает",
                           u"работайте", u"работаем", u"работаете", u"работают", u"работал",
                           u"работала", u"работало", u"работали", u"работая"});
  TatVerb(lx, u"эшл", u"работать", 1150, 0);
  // Auxiliaries after "-ып": бетер (932) completes, кит (5157) goes off.
  RusVerb(lx, 932, u"p", {u"закончить", u"закончи", u"закончу", u"закончишь", u"закончит",
                          u"закончите", u"закончим", u"закончите", u"закончат", u"закончил",
                          u"закончила", u"закончило", u"закончили", u"закончив"});
  TatVerb(lx, u"бетер", u"закончить", 932, 0);
  RusVerb(lx, 5157, u"p", {u"уйти", u"уйди", u"уйду", u"уйдёшь", u"уйдёт", u"уйдите", u"уйдём",
                           u"уйдёте", u"уйдут", u"ушёл", u"ушла", u"ушло", u"ушли", u"уйдя"});
  TatVerb(lx, u"кит", u"уйти", 5157, 0);
  RusVerb(lx, 1160, u"p", {u"вернуться", u"вернись", u"вернусь", u"вернёшься", u"вернётся",
                           u"вернитесь", u"вернёмся", u"вернётесь", u"вернутся", u"вернулся",
                           u"вернулась", u"вернулось", u"вернулись", u"вернувшись"});
  RusVerb(lx, 1161, u"i", {u"возвращаться", u"возвращайся", u"возвращаюсь", u"возвращаешься",
                           u"возвращается", u"возвращайтесь", u"возвращаемся", u"возвращаетесь",
                           u"возвращаются", u"возвращался", u"возвращалась", u"возвращалось",
                           u"возвращались", u"возвращаясь"});
  TatVerb(lx, u"кайт", u"вернуться", 1160, 1161);
  lx.Add("itfst02.pack", {u"еш", u"1", u"часто"});
  return lx;
}

using VerbRulesTest = LexiconTest<VerbLexicon>;

TEST_F(VerbRulesTest, CompletedPastAndFutureTakeThePerfective) {
  EXPECT_EQ(Translate(u"укучы китап язды."), u"ученик написал книгу.");
  EXPECT_EQ(Translate(u"укучы язачак."), u"ученик напишет.");
  // The present, the -а converb and the negated past stay imperfective.
  EXPECT_EQ(Translate(u"укучы яза."), u"ученик пишет.");
  EXPECT_EQ(Translate(u"укучы язмады."), u"ученик не писал.");
  // A perfective entry takes its imperfective partner in the present.
  EXPECT_EQ(Translate(u"укучы килә."), u"ученик приходит.");
  EXPECT_EQ(Translate(u"укучы килде."), u"ученик пришёл.");
  // Negated, the past keeps the entry's verb: не писал, but не пришёл.
  EXPECT_EQ(Translate(u"укучы килмәде."), u"ученик не пришёл.");
}

TEST_F(VerbRulesTest, RepeatedActionsKeepTheImperfective) {
  EXPECT_EQ(Translate(u"укучы еш язды."), u"ученик часто писал.");
  EXPECT_EQ(Translate(u"укучы көн саен килде."), u"ученик приходил каждый день.");
}

TEST_F(VerbRulesTest, OrdersTakeThePerfectiveExceptComing) {
  EXPECT_EQ(Translate(u"Языгыз!"), u"Напишите!");
  EXPECT_EQ(Translate(u"Яз!"), u"Напиши!");
  EXPECT_EQ(Translate(u"Язмагыз!"), u"Не пишите!");
  EXPECT_EQ(Translate(u"Кил!"), u"Приходи!");
  // "давай" with an imperfective verb takes its infinitive.
  EXPECT_EQ(Translate(u"Языйк!"), u"Давай напишем!");
  // Without "!" a bare stem that is also a noun stays the noun.
  EXPECT_EQ(Translate(u"тау"), u"Гора");
}

TEST_F(VerbRulesTest, ObjectsTakeTheCaseTheRussianVerbGoverns) {
  EXPECT_EQ(Translate(u"укучы кыздан курыкты."), u"ученик испугался девочки.");
  EXPECT_EQ(Translate(u"укучы кызлардан курыкты."), u"ученик испугался девочек.");
  EXPECT_EQ(Translate(u"укучы мәктәпкә карады."), u"ученик смотрел на школу.");
  // An order goes before its object.
  EXPECT_EQ(Translate(u"Мәктәпкә кара!"), u"Смотри на школу!");
}

TEST_F(VerbRulesTest, InfinitiveFollowsTheVerbItDependsOn) {
  EXPECT_EQ(Translate(u"мин язарга телим."), u"я хочу писать.");
  // The infinitive's object comes after both: хочу написать книгу.
  EXPECT_EQ(Translate(u"укучы китапны язарга тели."), u"ученик хочет писать книгу.");
}

TEST_F(VerbRulesTest, AuxiliaryConstructions) {
  // -ып бетер: the perfective alone, in the auxiliary's form.
  EXPECT_EQ(Translate(u"укучы китап язып бетерде."), u"ученик написал книгу.");
  // -ып кит after a verb of going: the going done, not "начал".
  EXPECT_EQ(Translate(u"укучы кайтып китте."), u"ученик вернулся.");
  // -гач: the perfective gerund, opening its clause.
  EXPECT_EQ(Translate(u"өйдән кайткач, укучы язды."), u"вернувшись из дома, ученик написал.");
}

TEST_F(VerbRulesTest, NounWithBulypIsTheInstrumental) {
  EXPECT_EQ(Translate(u"кыз укучы булып эшли."), u"девочка работает учеником.");
}

}  // namespace
}  // namespace tatfix
