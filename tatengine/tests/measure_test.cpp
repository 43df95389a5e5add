// Noun phrases with a measure word, a relative adjective for a noun
// possessor, compound numerals and the difference of a comparison, through
// the exports on a lexicon written into a temporary folder.
#include "EngineFixture.h"
#include "tatengine.h"

namespace tatfix {
namespace {

// Flags of the noun info column (second byte): measure word, mass noun.
constexpr long Measure = 512;
constexpr long Mass = 1024;

TLexicon MeasureLexicon() {
  TLexicon lx = StandardLexicon();
  const std::pair<const char16_t*, int> endings[] = {{u"тән", 5}, {u"дән", 5}, {u"е", 19}, {u"ы", 19},
                                                     {u"ендә", 24}, {u"кә", 3}, {u"ка", 3}};
  for (auto [e, code] : endings) lx.Add("flt04.pack", {e, C(code)});
  // молоко, яблоко (neuter in -о); друг (animate).
  NounParadigm(lx, 21, {u"о", u"и", u"а", u"", u"у", u"ам", u"о", u"и", u"ом", u"ами", u"е", u"ах"});
  NounParadigm(lx, 7, {u"", u"и", u"а", u"ов", u"у", u"ам", u"а", u"ов", u"ом", u"ами", u"е", u"ах"},
               /*animate=*/true);
  lx.Add("itfst04.pack", {u"стакан", u"1", u"стакан", N(2 * 65536L + Measure + 1)});
  lx.Add("itfst04.pack", {u"сөт", u"1", u"молок", N(21 * 65536L + Mass + 3)});
  Noun(lx, u"алма", u"яблок", 21, 3);
  Noun(lx, u"кибет", u"магазин", 2, 1);
  Noun(lx, u"төс", u"цвет", 2, 1);
  Noun(lx, u"метр", u"метр", 2, 1);
  Noun(lx, u"өстәл", u"стол", 2, 1);
  Noun(lx, u"дус", u"друг", 7, 1);
  // "китап" names its relative adjective (книжный), generated from the
  // Russian adjective stem table only.
  for (TRow& row : lx.Tables["itfst04.pack"])
    if (row[0] == u"китап") row.insert(row.end(), {u"китап", u"книга", u"книжный"});
  lx.Add("itfsr01.pack", {u"книжн", u"3", u"книжный"});
  lx.Add("itfst05.pack", {u"утыз", u"1", u"тридцать"});
  lx.Add("itfst05.pack", {u"егерме", u"1", u"двадцать"});
  lx.Add("itfst05.pack", {u"биш", u"1", u"пять"});
  // "йөз" is a hundred and a face.
  lx.Add("itfst05.pack", {u"йөз", u"1", u"сто"});
  Noun(lx, u"йөз", u"лиц", 21, 3);
  return lx;
}

using MeasureTest = LexiconTest<MeasureLexicon>;

TEST_F(MeasureTest, MeasureWordTakesTheCaseAndTheMeasuredNounTheGenitive) {
  // "бер" before a measure word is dropped; the count agrees with it.
  EXPECT_EQ(Translate(u"бер стакан сөт"), u"стакан молока");
  EXPECT_EQ(Translate(u"ике стакан сөт"), u"два стакана молока");
  // A countable thing measured goes to the plural; after a measure word
  // "алма" is the apple, not "do not take".
  EXPECT_EQ(Translate(u"өч стакан алма"), u"три стакана яблок");
  // The case ending of the phrase sits on the measured noun in Tatar.
  EXPECT_EQ(Translate(u"бер стакан сөттән"), u"из стакана молока");
  EXPECT_EQ(Translate(u"ике стакан сөт белән"), u"с двумя стаканами молока");
  // Without a count only the bare phrase is one: a glass in the house.
  EXPECT_EQ(Translate(u"стакан сөт"), u"стакан молока");
  EXPECT_EQ(Translate(u"стакан өйдә"), u"стакан в доме");
}

TEST_F(MeasureTest, QuantityWordsCountMassNounsInTheSingular) {
  EXPECT_EQ(Translate(u"күп сөт"), u"много молока");
  EXPECT_EQ(Translate(u"күп алма"), u"много яблок");
}

TEST_F(MeasureTest, NounPossessorBecomesItsRelativeAdjective) {
  EXPECT_EQ(Translate(u"китап кибете"), u"книжный магазин");
  EXPECT_EQ(Translate(u"китап кибетендә"), u"в книжном магазине");
  // Elsewhere the noun stays a noun.
  EXPECT_EQ(Translate(u"китап"), u"книга");
  EXPECT_EQ(Translate(u"китапка"), u"в книгу");
  // A genitive possessor, a person and a property keep the genitive.
  EXPECT_EQ(Translate(u"китапның кибете"), u"магазин книги");
  EXPECT_EQ(Translate(u"китап дусы"), u"друг книги");
  EXPECT_EQ(Translate(u"китап төсе"), u"цвет книги");
  // So does a measure or container: what it holds is no kind of it.
  EXPECT_EQ(Translate(u"китап стаканы"), u"стакан книги");
}

TEST_F(MeasureTest, CompoundNumeralCountsByItsLastWord) {
  EXPECT_EQ(Translate(u"утыз бер укучы"), u"тридцать один ученик");
  EXPECT_EQ(Translate(u"утыз бер китап"), u"тридцать одна книга");
  EXPECT_EQ(Translate(u"егерме ике кыз"), u"двадцать две девочки");
  // A word that is also a noun counts before a numeral or "бер".
  EXPECT_EQ(Translate(u"йөз ике кыз"), u"сто две девочки");
  EXPECT_EQ(Translate(u"йөз бер кыз"), u"сто одна девочка");
  EXPECT_EQ(Translate(u"йөз"), u"лицо");
  // Oblique cases decline every word.
  EXPECT_EQ(Translate(u"утыз бер укучы белән"), u"с тридцатью одним учеником");
  EXPECT_EQ(Translate(u"егерме ике кыз белән"), u"с двадцатью двумя девочками");
}

TEST_F(MeasureTest, DativeOfACountBeforeAComparativeIsTheDifference) {
  EXPECT_EQ(Translate(u"ике метрга зуррак"), u"на два метра больше");
  EXPECT_EQ(Translate(u"бер метрга зуррак"), u"на метр больше");
  EXPECT_EQ(Translate(u"өч яшькә зуррак"), u"на три года больше");
  EXPECT_EQ(Translate(u"биш яшькә зуррак"), u"на пять лет больше");
  // A dative that no comparative follows stays a direction.
  EXPECT_EQ(Translate(u"ике метрга"), u"в два метра");
}

}  // namespace
}  // namespace tatfix
