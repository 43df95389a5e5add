// Postpositions whose Russian depends on what they follow, and counted
// measure words: через/за with spans of time, кебек after pronouns and
// nouns, семилетний, двухэтажный.
#include "EngineFixture.h"
#include "tatengine.h"
#include "zentrok/Utf.h"

namespace tatfix {
namespace {

TLexicon PostLexicon() {
  TLexicon lx = StandardLexicon();
  for (auto [e, code] : {std::pair{u"нән", 5}, std::pair{u"тән", 5}, std::pair{u"кә", 3}})
    lx.Add("flt04.pack", {e, C(code)});
  // день (Russian paradigm 20).
  NounParadigm(lx, 20, {u"ень", u"ни", u"ня", u"ней", u"ню", u"ням",
                        u"ень", u"ни", u"нём", u"нями", u"не", u"нях"});
  lx.Add("itfst04.pack", {u"көн", u"1", u"д", N(20 * 65536L + 1)});
  lx.Add("itfst04.pack", {u"сәгать", u"1", u"час", N(2 * 65536L + 1)});
  for (auto [tat, rus] : {std::pair{u"бер", u"один"}, std::pair{u"ике", u"два"}, std::pair{u"өч", u"три"},
                          std::pair{u"биш", u"пять"}, std::pair{u"җиде", u"семь"}})
    lx.Add("itfst05.pack", {tat, u"1", rus});
  lx.Add("itfst06.pack", {u"эчендә", u"в", u"11"});
  lx.Add("itfst06.pack", {u"кебек", u"как", u"1"});
  lx.Add("itfst06.pack", {u"артык", u"более", u"3"});
  lx.Add("flt10.pack", {u"дым", C(27)});
  lx.Add("itfst07.pack", {u"минем", u"мой", u"моя", u"моё", u"1", u"3"});
  return lx;
}

using PostpositionTest = LexiconTest<PostLexicon>;

bool Contains(const std::u16string& text, std::u16string_view part) {
  return text.find(part) != std::u16string::npos;
}

TEST_F(PostpositionTest, ACountedAblativeBeforeTheVerbCountsFromNow) {
  EXPECT_TRUE(Contains(Translate(u"кыз ике сәгатьтән укый."), u"через два часа"));
  EXPECT_TRUE(Contains(Translate(u"кыз биш көннән укый."), u"через пять дней"));
  EXPECT_TRUE(Contains(Translate(u"кыз бер сәгатьтән укый."), u"через час"));
  // Not before a verb, or without a count, the ablative keeps its sense.
  EXPECT_FALSE(Contains(Translate(u"ике сәгатьтән артык"), u"через"));
  EXPECT_FALSE(Contains(Translate(u"кыз мәктәптән укый."), u"через"));
}

TEST_F(PostpositionTest, EchendeAfterASpanIsHowLongItTook) {
  EXPECT_EQ(Translate(u"өч көн эчендә"), u"за три дня");
  EXPECT_EQ(Translate(u"биш көн эчендә"), u"за пять дней");
  // One unit alone is how long; with a completed action the time it took.
  EXPECT_EQ(Translate(u"бер сәгать эчендә"), u"в течение часа");
  EXPECT_EQ(Translate(u"көн эчендә"), u"в течение дня");
  // Without a subject the verb stays after the span, not inside it.
  EXPECT_TRUE(Translate(u"бер көн эчендә укыдым.").starts_with(u"за день "));
  // A place stays "в": в школе.
  EXPECT_EQ(Translate(u"мәктәп эчендә"), u"в школе");
}

TEST_F(PostpositionTest, KebekComparesInTheNominative) {
  EXPECT_EQ(Translate(u"аның кебек"), u"как он");
  EXPECT_EQ(Translate(u"минем кебек"), u"как я");
  EXPECT_EQ(Translate(u"укучы кебек"), u"как ученик");
  // The comparison follows the verb that ends the clause.
  EXPECT_EQ(Translate(u"кыз минем кебек укый."), u"девочка читает как я.");
  // A quality that ends the clause goes before the comparison.
  EXPECT_EQ(Translate(u"кыз укучы кебек матур."), u"девочка красивая как ученик.");
  EXPECT_EQ(Translate(u"укучы кебек зур"), u"большой как ученик");
  // Not when the quality goes with a noun after it.
  EXPECT_EQ(Translate(u"укучы кебек зур кыз"), u"как ученик большая девочка");
}

TEST_F(PostpositionTest, ACountedMeasureWordIsOneAgreeingAdjective) {
  EXPECT_EQ(Translate(u"җиде яшьлек кыз"), u"семилетняя девочка");
  EXPECT_EQ(Translate(u"җиде яшьлек кызның"), u"семилетней девочки");
  EXPECT_EQ(Translate(u"өч яшьлек укучылар"), u"трёхлетние ученики");
  EXPECT_EQ(Translate(u"ике катлы өйдә"), u"в двухэтажном доме");
  EXPECT_EQ(Translate(u"бер катлы өй"), u"одноэтажный дом");
}

}  // namespace
}  // namespace tatfix
