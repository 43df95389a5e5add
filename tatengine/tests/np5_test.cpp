// Having attributes in -лы/-ле (сакаллы: с бородой, яшел күлмәкле кыз:
// девочка в зелёном платье) and owners a woman's thing or role makes
// female (аның күлмәге: её платье, Ул ирен көтте: Она ждала мужа).
#include "EngineFixture.h"
#include "tatengine.h"

namespace tatfix {
namespace {

TLexicon HavingLexicon() {
  TLexicon lx = StandardLexicon();
  const std::pair<const char16_t*, int> endings[] = {
      {u"е", 19}, {u"сы", 19}, {u"ен", 22}, {u"ендә", 24}, {u"ында", 24}, {u"енә", 21}, {u"гә", 3}, {u"ка", 3}};
  for (auto [e, code] : endings) lx.Add("flt04.pack", {e, C(code)});
  // 11: платье (neuter, soft stem), 12: муж (animate).
  NounParadigm(lx, 11, {u"е", u"я", u"я", u"ев", u"ю", u"ям", u"е", u"я", u"ем", u"ями", u"е", u"ях"});
  NounParadigm(lx, 12, {u"", u"ья", u"а", u"ей", u"у", u"ьям", u"а", u"ей", u"ем", u"ьями", u"е", u"ьях"}, true);
  Noun(lx, u"күлмәк", u"плать", 11, 3);
  Noun(lx, u"күлмәг", u"плать", 11, 3);  // the voiced stem before a vowel
  Noun(lx, u"сакал", u"бород", 1, 2);
  Noun(lx, u"ир", u"муж", 12, 1);
  Noun(lx, u"күз", u"глаз", 2, 1);
  lx.Add("itfst01.pack", {u"яшел", u"1", u"зелён", u"3"});
  lx.Add("itfst01.pack", {u"озын", u"1", u"длинн", u"3"});
  lx.Add("itfst01.pack", {u"акыллы", u"1", u"умн", u"3"});
  lx.Add("itfst01.pack", {u"сакаллы", u"1", u"бородат", u"3"});
  lx.Add("flt10.pack", {u"те", C(1, 29)});
  lx.Add("itfst10.pack", {u"ю", u"1", u"стирать", N(1010)});
  lx.Add("itfst10.pack", {u"көт", u"1", u"ждать", N(1011)});
  RegularVerb(lx, 1010, u"i", u"стира");
  lx.Add("itfst06.pack", {u"янында", u"у", u"3"});
  // авыру: a noun (болезнь) and an adjective (больной); арка: back, whose
  // locative аркасында is also the postposition "из-за".
  lx.Add("flt04.pack", {u"сында", C(24)});
  lx.Add("flt04.pack", {u"тә", C(6)});
  Noun(lx, u"авыру", u"болезн", 6, 2);
  Noun(lx, u"арка", u"спин", 1, 2);
  lx.Add("itfst01.pack", {u"авыру", u"1", u"больн", u"2"});
  lx.Add("itfst06.pack", {u"аркасында", u"из-за", u"3"});
  // бит: a face, and a page after a count or an ordinal.
  NounParadigm(lx, 13, {u"о", u"а", u"а", u"", u"у", u"ам", u"о", u"а", u"ом", u"ами", u"е", u"ах"});
  Noun(lx, u"бит", u"лиц", 13, 3);
  lx.Add("itfst01.pack", {u"икенче", u"1", u"втор", u"2"});
  RusVerb(lx, 1011, u"i",
          {u"ждать", u"жди", u"жду", u"ждёшь", u"ждёт", u"ждите", u"ждём", u"ждёте", u"ждут", u"ждал", u"ждала",
           u"ждало", u"ждали", u"ждя"});
  return lx;
}

using HavingTest = LexiconTest<HavingLexicon>;

TEST_F(HavingTest, ANounInLyHasItsThingInTheInstrumental) {
  EXPECT_EQ(Translate(u"китаплы"), u"с книгой");
  EXPECT_EQ(Translate(u"китаплы укучы"), u"ученик с книгой");
  // Its own adjective agrees with the thing, not with the owner.
  EXPECT_EQ(Translate(u"кызыл китаплы укучы"), u"ученик с красной книгой");
  // The head keeps its own case.
  EXPECT_EQ(Translate(u"кызыл китаплы кызны"), u"девочку с красной книгой");
  // Moved after its noun, the attribute leaves the sentence's capital behind.
  EXPECT_EQ(Translate(u"Кызыл китаплы кыз."), u"Девочка с красной книгой.");
  // Eyes, hands and the like are said in the plural.
  EXPECT_EQ(Translate(u"зур күзле кыз"), u"девочка с большими глазами");
}

TEST_F(HavingTest, ClothesAreWornWithV) {
  EXPECT_EQ(Translate(u"күлмәкле"), u"в платье");
  EXPECT_EQ(Translate(u"яшел күлмәкле кыз"), u"девочка в зелёном платье");
  EXPECT_EQ(Translate(u"Кыз яшел күлмәкле."), u"Девочка в зелёном платье.");
}

TEST_F(HavingTest, AKnownAdjectiveInLyKeepsItsSenseUnlessALookWordDescribesTheThing) {
  EXPECT_EQ(Translate(u"сакаллы укучы"), u"бородатый ученик");
  EXPECT_EQ(Translate(u"озын сакаллы укучы"), u"ученик с длинной бородой");
  // An adjective of another kind qualifies the owner: both stay adjectives.
  EXPECT_EQ(Translate(u"матур акыллы кыз"), u"красивая умная девочка");
}

TEST_F(HavingTest, ACountBeforeItIsLeftToTheCompoundRules) {
  // ике китаплы is a compound adjective, not "with two books".
  EXPECT_EQ(Translate(u"ике китаплы").find(u"с двумя"), std::u16string::npos);
}

TEST_F(HavingTest, AWomansThingOrRoleMakesItsOwnerFemale) {
  EXPECT_EQ(Translate(u"аның күлмәге"), u"её платье");
  EXPECT_EQ(Translate(u"аның яшел күлмәге"), u"её зелёное платье");
  EXPECT_EQ(Translate(u"аның ире"), u"её муж");
  EXPECT_EQ(Translate(u"күлмәгендә"), u"в её платье");
  // Other things keep "его".
  EXPECT_EQ(Translate(u"аның укучысы"), u"его ученик");
  EXPECT_EQ(Translate(u"китапында"), u"в его книге");
}

TEST_F(HavingTest, TheSubjectOfHerOwnWomansThingIsShe) {
  EXPECT_EQ(Translate(u"Ул күлмәген юды."), u"Она стирала платье.");
  EXPECT_EQ(Translate(u"Ул ирен көтте."), u"Она ждала мужа.");
  // Without the cue the subject stays "он".
  EXPECT_EQ(Translate(u"Ул китапны укыды."), u"Он читал книгу.");
}

TEST_F(HavingTest, NearABuildingInAPhraseOfItsOwnIsVozle) {
  EXPECT_EQ(Translate(u"өй янында"), u"возле дома");
  // Not a building, or a sentence with a verb: "у".
  EXPECT_EQ(Translate(u"кыз янында"), u"у девочки");
  EXPECT_EQ(Translate(u"Кыз өй янында укыды."), u"Девочка читала у дома.");
}

TEST_F(HavingTest, ANounThatIsAlsoAnAdjectiveBeforeAPostpositionIsTheNoun) {
  EXPECT_EQ(Translate(u"авыру аркасында"), u"из-за болезни");
  // Before a possessed noun that is no postposition it stays a qualifier.
  EXPECT_EQ(Translate(u"авыру кызы"), u"больная девочка");
}

TEST_F(HavingTest, BitAfterAnOrdinalIsAPage) {
  EXPECT_EQ(Translate(u"икенче бит"), u"вторая страница");
  EXPECT_EQ(Translate(u"икенче биттә"), u"во второй странице");
  EXPECT_EQ(Translate(u"матур биттә"), u"в красивом лице");
}

}  // namespace
}  // namespace tatfix
