// Short noun phrases and clauses: prepositions after possessed nouns, counts
// before nouns, clock time, spans of time, "ярты", "иң", "үз", and the
// person of a verb taken from its own ending.
#include "EngineFixture.h"
#include "tatengine.h"
#include "zentrok/Utf.h"

namespace tatfix {
namespace {


TLexicon DrillLexicon() {
  TLexicon lx = StandardLexicon();
  const std::pair<const char16_t*, int> endings[] = {{u"ым", 7}, {u"ымда", 12}, {u"нән", 5}, {u"тә", 6}};
  for (auto [e, code] : endings) lx.Add("flt04.pack", {e, C(code)});
  // день; яблоко; окно; половина (as книга).
  NounParadigm(lx, 20, {u"ень", u"ни", u"ня", u"ней", u"ню", u"ням", u"ень", u"ни", u"нём", u"нями", u"не", u"нях"});
  NounParadigm(lx, 21, {u"о", u"и", u"а", u"", u"у", u"ам", u"о", u"и", u"ом", u"ами", u"е", u"ах"});
  NounParadigm(lx, 22, {u"о", u"а", u"а", u"он", u"у", u"ам", u"о", u"а", u"ом", u"ами", u"е", u"ах"});
  auto noun = [&lx](const char16_t* tat, const char16_t* rus, int paradigm, int gender) {
    Noun(lx, tat, rus, paradigm, gender);
  };
  noun(u"көн", u"д", 20, 1);
  noun(u"ел", u"год", 2, 1);
  noun(u"сәгать", u"час", 2, 1);
  noun(u"алма", u"яблок", 21, 3);
  noun(u"тәрәзә", u"окн", 22, 3);
  noun(u"ярты", u"половин", 1, 2);
  noun(u"йөз", u"лиц", 21, 3);
  lx.Add("itfst05.pack", {u"биш", u"1", u"пять"});
  lx.Add("itfst05.pack", {u"йөз", u"1", u"сто"});
  lx.Add("flt05.pack", {u"тә", C(6)});
  lx.Add("flt05.pack", {u"кә", C(3)});
  lx.Add("itfst01.pack", {u"яхшы", u"1", u"хорош", u"3"});
  lx.Add("itfst06.pack", {u"кадәр", u"до", u"3"});
  lx.Add("itfst02.pack", {u"ничәдә", u"1", u"где"});
  lx.Add("itfst06.pack", {u"турында", u"о", u"11"});
  lx.Add("itfst06.pack", {u"элек", u"до", u"3"});
  lx.Add("itfst07.pack", {u"минем", u"мой", u"моя", u"моё", u"1", u"3"});
  lx.Add("flt10.pack", {u"дым", C(27)});
  return lx;
}

using DrillTest = LexiconTest<DrillLexicon>;

bool Contains(const std::u16string& text, std::u16string_view part) {
  return text.find(part) != std::u16string::npos;
}

TEST_F(DrillTest, PostpositionGovernsThePossessedNounNotItsOwner) {
  EXPECT_EQ(Translate(u"минем китапым белән"), u"с моей книгой");
  EXPECT_EQ(Translate(u"минем зур өйым өчен"), u"для моего большого дома");
  EXPECT_EQ(Translate(u"китапым белән"), u"с моей книгой");
  EXPECT_EQ(Translate(u"аның өйы турында"), u"о его доме");
  // "о" takes a vowel after it as "об".
  EXPECT_EQ(Translate(u"тәрәзә турында"), u"об окне");
  EXPECT_EQ(Translate(u"өй турында"), u"о доме");
}

TEST_F(DrillTest, AWordAfterACountIsTheCountedNoun) {
  // "алма" is also "ал" + "ма" (do not take).
  EXPECT_EQ(Translate(u"бер алма"), u"одно яблоко");
  EXPECT_EQ(Translate(u"ике алма"), u"два яблока");
  EXPECT_TRUE(Contains(Translate(u"кыз ике алма укыды."), u"два яблока"));
  // "йөз" before a noun counts it (сто), elsewhere it may be a face.
  EXPECT_TRUE(Contains(Translate(u"кыз йөз китап укыды."), u"сто книг"));
}

TEST_F(DrillTest, ClockTimeNamesTheHours) {
  EXPECT_EQ(Translate(u"сәгать өчтә"), u"в три часа");
  EXPECT_EQ(Translate(u"сәгать биштә"), u"в пять часов");
  EXPECT_EQ(Translate(u"сәгать бердә"), u"в час");
  EXPECT_EQ(Translate(u"сәгать биш"), u"пять часов");
  EXPECT_EQ(Translate(u"сәгать бишкә кадәр"), u"до пяти часов");
  EXPECT_EQ(Translate(u"кыз сәгать биштә укыды."), u"девочка читала в пять часов.");
  EXPECT_EQ(Translate(u"сәгать ничәдә?"), u"во сколько?");
  // "тапкыр" counts times.
  EXPECT_EQ(Translate(u"өч тапкыр"), u"три раза");
  EXPECT_EQ(Translate(u"биш тапкыр"), u"пять раз");
}

TEST_F(DrillTest, SpansOfTimeCountFromNow) {
  EXPECT_EQ(Translate(u"биш көннән соң"), u"через пять дней");
  EXPECT_EQ(Translate(u"ике көннән соң"), u"через два дня");
  EXPECT_EQ(Translate(u"бер көннән соң"), u"через день");
  EXPECT_EQ(Translate(u"ике ел элек"), u"два года назад");
  // Without a count "соң" stays "после" and "ел" is no span.
  EXPECT_EQ(Translate(u"китапдан соң"), u"после книги");
  EXPECT_EQ(Translate(u"ярты сәгать"), u"полчаса");
  EXPECT_EQ(Translate(u"ярты ел"), u"полгода");
  EXPECT_EQ(Translate(u"ярты сәгатьтә"), u"за полчаса");
}

TEST_F(DrillTest, SuperlativeAndOwnAgreeWithTheirNoun) {
  EXPECT_EQ(Translate(u"иң зур өй"), u"самый большой дом");
  EXPECT_EQ(Translate(u"иң зур өйдә"), u"в самом большом доме");
  EXPECT_EQ(Translate(u"иң матур кыз"), u"самая красивая девочка");
  EXPECT_EQ(Translate(u"иң яхшы китап"), u"самая лучшая книга");
  EXPECT_EQ(Translate(u"иң яхшы китапда"), u"в самой лучшей книге");
  EXPECT_EQ(Translate(u"үз китапымда"), u"в своей книге");
  EXPECT_EQ(Translate(u"үз өйымда"), u"в своём доме");
}

TEST_F(DrillTest, TheVerbEndingGivesThePerson) {
  // A 3rd-person subject earlier in the sentence does not make a 1st-person
  // verb feminine.
  EXPECT_EQ(Translate(u"кыз укыды, укыдым."), u"девочка читала, я читал.");
  EXPECT_EQ(Translate(u"кыз укыды, укый идем."), u"девочка читала, я читал.");
}

}  // namespace
}  // namespace tatfix
