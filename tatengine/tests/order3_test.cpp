// Word order of questions, conditions, comparisons with a pronoun, adjective
// predicates of features and of the weather, "домой" after a negated verb
// and a day word before a moved verb, through the engine's exports.
#include "EngineFixture.h"
#include "tatengine.h"
#include "zentrok/Utf.h"

namespace tatfix {
namespace {

TLexicon Order3Lexicon() {
  TLexicon lx = StandardLexicon();
  std::erase_if(lx.Tables["itfst07.pack"], [](const TRow& row) { return row[0] == u"мин"; });
  lx.Add("flt09.pack", {u"", C(1, 1), C(9, 9), C(10, 10)});
  Pronoun(lx, 5, {{u"мин", 1}},
          {u"я", u"мы", u"меня", u"нас", u"мне", u"нам", u"меня", u"нас", u"мной", u"нами", u"мне", u"нас"});
  Pronoun(lx, 8, {{u"ул", 1}}, {u"он", u"они", u"его", u"их", u"ему", u"им", u"его", u"их", u"им", u"ими",
                                u"нём", u"них"});
  lx.Add("flt10.pack", {u"йм", C(15)});
  Noun(lx, u"тавыш", u"голос", 2, 1);
  Noun(lx, u"һава", u"воздух", 2, 1);
  lx.Add("itfst02.pack", {u"кайда", u"1", u"где"});
  lx.Add("itfst02.pack", {u"күпме", u"1", u"сколько"});
  lx.Add("itfst03.pack", {u"аңа", u"ему"});
  lx.Add("itfst03.pack", {u"сиңа", u"тебе"});
  lx.Add("itfst03.pack", {u"караганда", u"чем"});
  lx.Add("itfst11.pack", {u"иртәгә", u"завтра"});
  lx.Add("itfst11.pack", {u"өйгә", u"домой"});
  lx.Add("itfst07.pack", {u"кемнең", u"чей", u"чья", u"чьё", u"1", u"3"});
  lx.Add("itfst07.pack", {u"бу", u"этот", u"эта", u"это", u"1", u"1"});
  return lx;
}

using Order3Test = LexiconTest<Order3Lexicon>;

TEST_F(Order3Test, QuestionWordThenVerbThenNounSubject) {
  EXPECT_EQ(Translate(u"Кыз кайда укый?"), u"Где читает девочка?");
  EXPECT_EQ(Translate(u"Укучы күпме укый?"), u"Сколько читает ученик?");
  // With its modifiers the subject moves as a whole.
  EXPECT_EQ(Translate(u"Зур укучы кайда укый?"), u"Где читает большой ученик?");
  // A pronoun subject stays before the verb; so does the order of a
  // statement.
  EXPECT_EQ(Translate(u"Ул кайда укый?"), u"Где он читает?");
  EXPECT_EQ(Translate(u"Кыз китап укый."), u"Девочка читает книгу.");
}

TEST_F(Order3Test, ThingThatThereIsFollowsTheVerbOfACondition) {
  // "бул" is "бывать" in this lexicon.
  EXPECT_EQ(Translate(u"китап булса, мин укыйм."), u"если бывает книга, я буду читать.");
  // Another verb keeps its subject first.
  EXPECT_EQ(Translate(u"кыз укыса, мин укыйм."), u"если девочка читает, я буду читать.");
}

TEST_F(Order3Test, PronounComparedWithKaragandaTakesChem) {
  EXPECT_EQ(Translate(u"кыз аңа караганда матуррак."), u"девочка красивее, чем он.");
  EXPECT_EQ(Translate(u"мин сиңа караганда матуррак укыйм."), u"я читаю красивее, чем ты.");
  // A subject between the standard and the comparative goes first.
  EXPECT_EQ(Translate(u"аңа караганда мин матуррак укыйм."), u"я читаю красивее, чем он.");
  // A noun stays in the genitive without "чем".
  EXPECT_EQ(Translate(u"кыз укучыдан матуррак."), u"девочка красивее ученика.");
}

TEST_F(Order3Test, FeatureOfAPersonIsWhatThePersonHas) {
  EXPECT_EQ(Translate(u"аның тавышы матур."), u"у него красивый голос.");
  EXPECT_EQ(Translate(u"аның тавышы бик матур."), u"у него очень красивый голос.");
  EXPECT_EQ(Translate(u"тавышы матур."), u"у него красивый голос.");
  // A named owner: у девочки.
  EXPECT_EQ(Translate(u"кызның тавышы матур."), u"у девочки красивый голос.");
  // A thing keeps its owner and the predicate.
  EXPECT_EQ(Translate(u"аның китапы матур."), u"её книга красивая.");
}

TEST_F(Order3Test, WeatherOfAPlaceTakesItsAdjectiveFirst) {
  const std::u16string air = Translate(u"тауда һава матур.");
  EXPECT_TRUE(air.ends_with(u"горе красивый воздух.")) << zentrok::Utf16ToUtf8(air);
  const std::u16string house = Translate(u"тауда өй матур.");
  EXPECT_TRUE(house.ends_with(u"горе дом красивый.")) << zentrok::Utf16ToUtf8(house);
}

TEST_F(Order3Test, DayWordStaysBeforeTheVerb) {
  EXPECT_EQ(Translate(u"мин иртәгә укыйм?"), u"я завтра читаю?");
  EXPECT_EQ(Translate(u"мин иртәгә китап укыйм."), u"я завтра читаю книгу.");
  // So does a "каждый" time after a noun subject.
  EXPECT_EQ(Translate(u"кыз көн саен китап укый."), u"девочка каждый день читает книгу.");
}

TEST_F(Order3Test, HomeFollowsANegatedVerb) {
  EXPECT_EQ(Translate(u"кыз өйгә укымады."), u"девочка не читала домой.");
  EXPECT_EQ(Translate(u"кыз өйгә укыды."), u"девочка читала домой.");
}

TEST_F(Order3Test, WhoseAsksWithThisAfterTheThing) {
  // The pointing word before "кемнең" goes after the thing asked about,
  // where the rules that say "чей это" find it.
  EXPECT_EQ(Translate(u"Бу кемнең тавышы?"), Translate(u"Кемнең тавышы бу?"));
}

}  // namespace
}  // namespace tatfix
