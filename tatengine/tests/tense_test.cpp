// Tense, aspect and government chosen by the words around the verb, through
// the exports: experience in the -ган past, the perfective future of a
// present with a time to come, round trips, activities at a place, posture
// imperatives, the genitive of negation and the price "стоит".
#include "EngineFixture.h"
#include "tatengine.h"
#include "zentrok/Utf.h"

namespace tatfix {
namespace {

TLexicon TenseLexicon() {
  TLexicon lx = StandardLexicon();
  std::erase_if(lx.Tables["itfst10.pack"], [](const TRow& row) { return row[0] == u"укы"; });
  const std::pair<const char16_t*, int> endings[] = {
      {u"дым", 27}, {u"дык", 30}, {u"ганмын", 39}, {u"гансың", 40}, {u"ганмы", 41}, {u"ам", 15},
      {u"асың", 16}, {u"ми", 23}, {u"мәде", 35}, {u"", 2}, {u"ыгыз", 11}, {u"де", 29}, {u"йм", 15},
      {u"кансың", 40}, {u"ә", 17}};
  for (auto [e, code] : endings) lx.Add("flt10.pack", {e, C(code)});
  lx.Add("flt04.pack", {u"кә", C(3)});

  // читать / прочитать; собирать / собрать; видеть / увидеть; знать.
  RegularVerb(lx, 1101, u"p", u"прочита");
  TatVerb(lx, u"укы", u"читать", 1001, 1101);
  RegularVerb(lx, 1102, u"i", u"собира");
  RegularVerb(lx, 1103, u"p", u"собра");
  TatVerb(lx, u"җый", u"собирать", 1102, 1103);
  RegularVerb(lx, 1104, u"i", u"виде");
  RegularVerb(lx, 1105, u"p", u"увиде");
  TatVerb(lx, u"күр", u"видеть", 1104, 1105);
  // вернуться (perfective entry) / возвращаться.
  RusVerb(lx, 1110, u"p", {u"вернуться", u"вернись", u"вернусь", u"вернёшься", u"вернётся", u"вернитесь",
                           u"вернёмся", u"вернётесь", u"вернутся", u"вернулся", u"вернулась", u"вернулось",
                           u"вернулись", u"вернувшись"});
  RusVerb(lx, 1111, u"i", {u"возвращаться", u"возвращайся", u"возвращаюсь", u"возвращаешься",
                           u"возвращается", u"возвращайтесь", u"возвращаемся", u"возвращаетесь",
                           u"возвращаются", u"возвращался", u"возвращалась", u"возвращалось",
                           u"возвращались", u"возвращаясь"});
  TatVerb(lx, u"кайт", u"вернуться", 1110, 1111);
  // идти / пойти, and ходить for the trip there and back.
  RusVerb(lx, 1120, u"i", {u"идти", u"иди", u"иду", u"идёшь", u"идёт", u"идите", u"идём", u"идёте",
                           u"идут", u"шёл", u"шла", u"шло", u"шли", u"идя"});
  RusVerb(lx, 1121, u"p", {u"пойти", u"пойди", u"пойду", u"пойдёшь", u"пойдёт", u"пойдите", u"пойдём",
                           u"пойдёте", u"пойдут", u"пошёл", u"пошла", u"пошло", u"пошли", u"пойдя"});
  RusVerb(lx, 1122, u"i", {u"ходить", u"ходи", u"хожу", u"ходишь", u"ходит", u"ходите", u"ходим",
                           u"ходите", u"ходят", u"ходил", u"ходила", u"ходило", u"ходили", u"ходя"});
  TatVerb(lx, u"бар", u"идти", 1120, 1121);
  RusVerb(lx, 1125, u"i", {u"приходить", u"приходи", u"прихожу", u"приходишь", u"приходит",
                           u"приходите", u"приходим", u"приходите", u"приходят", u"приходил",
                           u"приходила", u"приходило", u"приходили", u"приходя"});
  RusVerb(lx, 1126, u"p", {u"прийти", u"приди", u"приду", u"придёшь", u"придёт", u"придите", u"придём",
                           u"придёте", u"придут", u"пришёл", u"пришла", u"пришло", u"пришли", u"придя"});
  TatVerb(lx, u"кил", u"прийти", 1126, 1125);
  // сидеть / сесть, invited with садиться; стоять and стоить.
  RusVerb(lx, 1130, u"i", {u"сидеть", u"сиди", u"сижу", u"сидишь", u"сидит", u"сидите", u"сидим",
                           u"сидите", u"сидят", u"сидел", u"сидела", u"сидело", u"сидели", u"сидя"});
  RusVerb(lx, 1131, u"p", {u"сесть", u"сядь", u"сяду", u"сядешь", u"сядет", u"сядьте", u"сядем",
                           u"сядете", u"сядут", u"сел", u"села", u"село", u"сели", u"сев"});
  RusVerb(lx, 1132, u"i", {u"садиться", u"садись", u"сажусь", u"садишься", u"садится", u"садитесь",
                           u"садимся", u"садитесь", u"садятся", u"садился", u"садилась", u"садилось",
                           u"садились", u"садясь"});
  TatVerb(lx, u"утыр", u"сидеть", 1130, 1131, 1132);
  RusVerb(lx, 1140, u"i", {u"стоять", u"стой", u"стою", u"стоишь", u"стоит", u"стойте", u"стоим",
                           u"стоите", u"стоят", u"стоял", u"стояла", u"стояло", u"стояли", u"стоя"});
  RusVerb(lx, 1141, u"i", {u"стоить", u"стой", u"стою", u"стоишь", u"стоит", u"стойте", u"стоим",
                           u"стоите", u"стоят", u"стоил", u"стоила", u"стоило", u"стоили", u"стоя"});
  TatVerb(lx, u"тор", u"стоять", 1140, 0);

  // гриб-like nouns: театр, лес, гриб, адрес; Марат (animate).
  NounParadigm(lx, 30, {u"", u"ы", u"а", u"ов", u"у", u"ам", u"", u"ы", u"ом", u"ами", u"е", u"ах"});
  NounParadigm(lx, 31, {u"", u"ы", u"а", u"ов", u"у", u"ам", u"а", u"ов", u"ом", u"ами", u"е", u"ах"}, true);
  Noun(lx, u"театр", u"театр", 30, 1);
  Noun(lx, u"парк", u"парк", 30, 1);
  lx.Add("flt04.pack", {u"та", C(6)});
  Noun(lx, u"гөмбә", u"гриб", 30, 1);
  Noun(lx, u"адрес", u"адрес", 30, 1);
  Noun(lx, u"сум", u"рубл", 6, 1);
  Noun(lx, u"дәрес", u"урок", 30, 1);
  lx.Add("itfst04.pack", {u"Марат", u"1", u"Марат", N(31 * 65536L + 1)});
  lx.Add("itfst05.pack", {u"ничә", u"1", u"сколько"});
  lx.Add("itfst07.pack", {u"син", u"ты", u"ты", u"ты", u"1", u"1"});
  for (auto [tat, rus] : {std::pair{u"кичә", u"вчера"}, {u"иртәгә", u"завтра"}, {u"кайчан", u"когда"},
                          {u"инде", u"уже"}, {u"еш", u"часто"}})
    lx.Add("itfst02.pack", {tat, u"1", rus});
  lx.Add("itfst11.pack", {u"монда", u"здесь"});
  return lx;
}

using TenseTest = LexiconTest<TenseLexicon>;

TEST_F(TenseTest, GanPastOfTheSpeakerOrAskedIsExperience) {
  EXPECT_EQ(Translate(u"китапны укыганмын."), u"я читал книгу.");
  EXPECT_EQ(Translate(u"укучы китапны укыганмы?"), u"ученик читал книгу?");
  // The -ды past, "инде" and a perfective entry keep the result.
  EXPECT_EQ(Translate(u"китапны укыдым."), u"я прочитал книгу.");
  EXPECT_EQ(Translate(u"инде китапны укыганмын."), u"я уже прочитал книгу.");
  EXPECT_EQ(Translate(u"син кайткансың."), u"ты вернулся.");
}

TEST_F(TenseTest, PresentWithATimeToComeIsThePerfectiveFuture) {
  EXPECT_EQ(Translate(u"укучы иртәгә кайта."), u"ученик завтра вернётся.");
  EXPECT_EQ(Translate(u"кайчан кайтасың?"), u"когда ты вернёшься?");
  EXPECT_EQ(Translate(u"мин иртәгә китапны укыйм."), u"я завтра прочитаю книгу.");
  // Now, or as a habit, the present stays.
  EXPECT_EQ(Translate(u"укучы кайта."), u"ученик возвращается.");
  EXPECT_EQ(Translate(u"укучы иртәгә еш кайта."), u"ученик завтра часто возвращается.");
  // "кайчан" in a statement is no question about the future.
  EXPECT_EQ(Translate(u"кайчан кайтасың."), u"когда ты возвращаешься.");
}

TEST_F(TenseTest, GoingToAnEventOrAtAPastTimeIsARoundTrip) {
  EXPECT_EQ(Translate(u"укучы кичә мәктәпкә барды."), u"ученик вчера ходил в школу.");
  EXPECT_EQ(Translate(u"укучы театрга барды."), u"ученик ходил в театр.");
  EXPECT_EQ(Translate(u"театрга барганмын."), u"я ходил в театр.");
  // Going off somewhere, or going to do something next, is one way.
  EXPECT_EQ(Translate(u"укучы мәктәпкә барды."), u"ученик пошёл в школу.");
  const std::u16string next = Translate(u"укучы кичә театрга барды, китап укыды.");
  EXPECT_NE(next.find(u"пошёл в театр"), std::u16string::npos) << zentrok::Utf16ToUtf8(next);
}

TEST_F(TenseTest, ManyThingsAtAPlaceAreAnActivity) {
  EXPECT_EQ(Translate(u"укучы паркта гөмбә җыйды."), u"ученик собирал грибы в парке.");
  // A definite object or no place: the one completed action.
  EXPECT_EQ(Translate(u"укучы паркта гөмбәне җыйды."), u"ученик собрал гриб в парке.");
  EXPECT_EQ(Translate(u"укучы гөмбә җыйды."), u"ученик собрал гриб.");
}

TEST_F(TenseTest, PostureVerbsInviteWithTheirOwnImperfective) {
  EXPECT_EQ(Translate(u"Утыр!"), u"Садись!");
  EXPECT_EQ(Translate(u"Утырыгыз!"), u"Садитесь!");
  // Without an invitation verb the motion rule stands: Приходи! Here: Иди сюда!
  EXPECT_EQ(Translate(u"Кил!"), u"Приходи!");
  EXPECT_EQ(Translate(u"Кил монда!"), u"Иди сюда!");
  // монда with another verb is a place: здесь.
  EXPECT_EQ(Translate(u"укучы монда утырды."), u"ученик сел здесь.");
}

TEST_F(TenseTest, NegatedKnowingAndSeeingTakeTheGenitive) {
  EXPECT_EQ(Translate(u"укучы адресны белми."), u"ученик не знает адреса.");
  EXPECT_EQ(Translate(u"укучы гөмбә күрмәде."), u"ученик не видел гриба.");
  // A person, a definite thing seen, and an affirmative verb keep the accusative.
  EXPECT_EQ(Translate(u"укучы Маратны күрмәде."), u"ученик не видел Марата.");
  EXPECT_EQ(Translate(u"укучы адресны күрмәде."), u"ученик не видел адрес.");
  EXPECT_EQ(Translate(u"укучы адресны белә."), u"ученик знает адрес.");
}

TEST_F(TenseTest, TorWithAPriceIsCost) {
  EXPECT_EQ(Translate(u"китап ничә сум тора?"), u"сколько стоит книга?");
  EXPECT_EQ(Translate(u"китап ничә сум торды?"), u"сколько стоила книга?");
  EXPECT_EQ(Translate(u"укучы торды."), u"ученик стоял.");
}

}  // namespace
}  // namespace tatfix
