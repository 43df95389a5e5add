// Noun phrases whose Russian case or preposition the Tatar case alone does
// not give: comparisons, postpositions with a personal possessive ending,
// "-гача", counted spans of time, weekdays, dates, years and compound
// counts ending in "бер".
#include "EngineFixture.h"
#include "tatengine.h"

namespace tatfix {
namespace {

TLexicon NounPhraseLexicon() {
  TLexicon lx = StandardLexicon();
  const std::pair<const char16_t*, int> endings[] = {{u"кә", 3}, {u"гә", 3}, {u"нән", 5}, {u"дән", 5}, {u"та", 6},
                                                     {u"тан", 5}, {u"ка", 3}};
  for (auto [e, code] : endings) lx.Add("flt04.pack", {e, C(code)});
  // день; год; вторник, март (as дом).
  NounParadigm(lx, 20, {u"ень", u"ни", u"ня", u"ней", u"ню", u"ням", u"ень", u"ни", u"нём", u"нями", u"не", u"нях"});
  NounParadigm(lx, 23, {u"", u"ы", u"а", u"ов", u"у", u"ам", u"", u"ы", u"ом", u"ами", u"у", u"ах"});
  Noun(lx, u"көн", u"д", 20, 1);
  Noun(lx, u"ел", u"год", 23, 1);
  Noun(lx, u"сишәмбе", u"вторник", 2, 1);
  Noun(lx, u"март", u"март", 2, 1);
  lx.Add("itfst05.pack", {u"биш", u"1", u"пять"});
  lx.Add("itfst05.pack", {u"егерме", u"1", u"двадцать"});
  lx.Add("itfst01.pack", {u"сигезенче", u"1", u"восьм", u"2"});
  lx.Add("itfst05.pack", {u"мең", u"1", u"тысяча"});
  lx.Add("itfst05.pack", {u"тугыз", u"1", u"девять"});
  lx.Add("itfst05.pack", {u"йөз", u"1", u"сто"});
  lx.Add("itfst05.pack", {u"туксан", u"1", u"девяносто"});
  lx.Add("itfst05.pack", {u"ун", u"1", u"десять"});
  lx.Add("itfst06.pack", {u"караганда", u"чем", u"1"});
  lx.Add("itfst06.pack", {u"бирле", u"с", u"3"});
  lx.Add("itfst06.pack", {u"каршында", u"перед", u"9"});
  Noun(lx, u"университет", u"университет", 2, 1);
  // Personal pronouns in the ablative are whole words.
  lx.Add("flt04.pack", {u"ләрдән", C(40)});
  lx.Add("itfst11.pack", {u"синнән", u"от тебя"});
  lx.Add("itfst11.pack", {u"аннан", u"от него"});
  lx.Add("itfst06.pack", {u"тыш", u"кроме", u"3"});
  return lx;
}

class NounPhraseTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() { Dir = LoadLexicon(NounPhraseLexicon()); }
  static void TearDownTestSuite() { UseStandardLexicon(); }
  void SetUp() override {
    LoadTransler((Dir + "/").c_str());
    ParserInit();
  }
  static std::string Dir;
};
std::string NounPhraseTest::Dir;

TEST_F(NounPhraseTest, TheStandardOfComparisonFollowsInTheGenitive) {
  EXPECT_EQ(Translate(u"өйдән зуррак"), u"больше дома");
  // Its modifiers go with it, after the comparative.
  EXPECT_EQ(Translate(u"кыз зур өйдән зуррак."), u"девочка больше большого дома.");
  EXPECT_EQ(Translate(u"миннән зуррак"), u"больше меня");
  // The dative with "караганда" is the same comparison.
  EXPECT_EQ(Translate(u"өйгә караганда зуррак"), u"больше дома");
  // Before a noun the comparison follows the noun.
  EXPECT_EQ(Translate(u"өйдән зуррак мәктәп"), u"школа больше дома");
  // Without a comparative the ablative keeps its preposition.
  EXPECT_TRUE(Translate(u"өйдән зур").starts_with(u"из дома"));
}

TEST_F(NounPhraseTest, ThePluralAblativeIsPlural) {
  EXPECT_EQ(Translate(u"университетләрдән"), u"из университетов");
}

TEST_F(NounPhraseTest, APronounInTheAblativeBeforeAPostpositionTakesItsPreposition) {
  EXPECT_EQ(Translate(u"синнән тыш"), u"кроме тебя");
  EXPECT_EQ(Translate(u"аннан соң"), u"после него");
  EXPECT_EQ(Translate(u"Синнән элек."), u"До тебя.");
  // Without a postposition the ablative stays "от".
  EXPECT_EQ(Translate(u"синнән"), u"от тебя");
}

TEST_F(NounPhraseTest, APostpositionWithAPossessiveEndingNamesThePronoun) {
  EXPECT_EQ(Translate(u"минем янымда"), u"рядом со мной");
  EXPECT_EQ(Translate(u"яныбызга"), u"к нам");
  EXPECT_EQ(Translate(u"синең алдыңда"), u"перед тобой");
  EXPECT_EQ(Translate(u"каршымда"), u"передо мной");
  EXPECT_EQ(Translate(u"өстемдә"), u"на мне");
  EXPECT_EQ(Translate(u"турыгызда"), u"о вас");
  // "эч" (also a belly) needs the owner before it.
  EXPECT_EQ(Translate(u"минем эчемдә"), u"во мне");
  EXPECT_NE(Translate(u"эчемдә"), u"во мне");
}

TEST_F(NounPhraseTest, InFrontOfABuildingButAttachedToAnInstitution) {
  EXPECT_EQ(Translate(u"мәктәп каршында"), u"перед школой");
  EXPECT_EQ(Translate(u"университет каршында"), u"при университете");
}

TEST_F(NounPhraseTest, UpToIsTheGenitiveWithDo) {
  EXPECT_EQ(Translate(u"зур өйгәчә"), u"до большого дома");
  // A word that is no noun in the dative stays unknown.
  EXPECT_EQ(Translate(u"тизгәчә"), u"тизгәчә");
}

TEST_F(NounPhraseTest, CountedSpansSayAfterAndForHowLong) {
  EXPECT_EQ(Translate(u"биш көннән"), u"через пять дней");
  EXPECT_NE(Translate(u"кыз бер көннән укыды.").find(u"через день"), std::u16string::npos);
  EXPECT_EQ(Translate(u"ике көнгә"), u"на два дня");
  EXPECT_EQ(Translate(u"бер көнгә"), u"на день");
  // A compound count keeps its last word.
  EXPECT_EQ(Translate(u"егерме бер көннән"), u"через двадцать один день");
  // Words that make it "from" or "than" keep the ablative.
  EXPECT_EQ(Translate(u"ике көннән бирле").find(u"через"), std::u16string::npos);
  EXPECT_EQ(Translate(u"ике көннән зуррак").find(u"через"), std::u16string::npos);
}

TEST_F(NounPhraseTest, WeekdaysDatesAndYears) {
  EXPECT_EQ(Translate(u"сишәмбедә"), u"во вторник");
  EXPECT_EQ(Translate(u"сигезенче март"), u"восьмое марта");
  EXPECT_EQ(Translate(u"сигезенче мартта"), u"восьмого марта");
  EXPECT_EQ(Translate(u"сигезенче марттан"), u"с восьмого марта");
  EXPECT_EQ(Translate(u"сигезенче мартка"), u"к восьмому марта");
  EXPECT_EQ(Translate(u"2020 елда"), u"В 2020 году");
  EXPECT_EQ(Translate(u"кыз 2020 елда укыды."), u"девочка в 2020 году читала.");
}

TEST_F(NounPhraseTest, OnlyTheLastWordOfACompoundOrdinalDeclines) {
  // The cardinal words stay in the nominative and the noun singular.
  EXPECT_EQ(Translate(u"егерме сигезенче елда"), u"в двадцать восьмом году");
  EXPECT_EQ(Translate(u"мең тугыз йөз туксан сигезенче елда"), u"в тысяча девятьсот девяносто восьмом году");
  EXPECT_EQ(Translate(u"ике мең сигезенче ел"), u"две тысячи восьмой год");
  // A later day counts on: на сто восьмой день.
  EXPECT_EQ(Translate(u"йөз сигезенче көнне"), u"на сто восьмой день");
  // Ten and an ordinal unit is a teen (восемнадцатый), not ten and an eighth:
  // the words are left to the ordinal's own reading.
  EXPECT_NE(Translate(u"ун сигезенче елда"), u"в десять восьмом году");
}

TEST_F(NounPhraseTest, ACompoundCountEndingInOneAgreesLikeOne) {
  EXPECT_EQ(Translate(u"егерме бер укучы"), u"двадцать один ученик");
  EXPECT_EQ(Translate(u"егерме бер кыз"), u"двадцать одна девочка");
  EXPECT_EQ(Translate(u"егерме бер кызның"), u"двадцати одной девочки");
  EXPECT_EQ(Translate(u"егерме бер кызны"), u"двадцать одну девочку");
  EXPECT_EQ(Translate(u"егерме бер китап белән"), u"с двадцатью одной книгой");
  EXPECT_EQ(Translate(u"егерме ике кыз"), u"двадцать две девочки");
}

}  // namespace
}  // namespace tatfix
