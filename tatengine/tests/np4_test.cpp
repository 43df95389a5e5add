// Owners in noun phrases: a person noun opening a sentence before its own
// possessed object is the subject, a possessed noun alone says "его", a
// count goes before the possessive, "безнең" before a bare noun agrees with
// it, "буенда" after water is the shore.
#include "EngineFixture.h"
#include "tatengine.h"

namespace tatfix {
namespace {

TLexicon OwnerLexicon() {
  TLexicon lx = StandardLexicon();
  const std::pair<const char16_t*, int> endings[] = {
      {u"ым", 7},  {u"ымның", 8}, {u"ыма", 9},    {u"ымны", 10}, {u"ымнан", 11},
      {u"сы", 19}, {u"ын", 22},   {u"ыннан", 23}, {u"ында", 24}};
  for (auto [e, code] : endings) lx.Add("flt04.pack", {e, C(code)});
  // Animate paradigms: 7 like брат, 8 like мама.
  NounParadigm(lx, 7, {u"", u"а", u"а", u"ьев", u"у", u"ьям", u"а", u"ьев", u"ом", u"ьями", u"е", u"ьях"}, true);
  NounParadigm(lx, 8, {u"а", u"ы", u"ы", u"", u"е", u"ам", u"у", u"", u"ой", u"ами", u"е", u"ах"}, true);
  NounParadigm(lx, 10, {u"ёнок", u"ята", u"ёнка", u"ят", u"ёнку", u"ятам", u"ёнка", u"ят", u"ёнком", u"ятами",
                       u"ёнке", u"ятах"}, true);
  Noun(lx, u"абый", u"брат", 7, 1);
  Noun(lx, u"бала", u"реб", 10, 1);
  Noun(lx, u"әни", u"мам", 8, 2);
  Noun(lx, u"елга", u"рек", 1, 2);
  Noun(lx, u"урман", u"лес", 2, 1);
    lx.Add("itfst06.pack", {u"буенда", u"у", u"3"});
  lx.Add("itfst06.pack", {u"янында", u"у", u"3"});
  lx.Add("itfst07.pack", {u"минем", u"мой", u"моя", u"моё", u"1", u"3"});
  lx.Add("itfst07.pack", {u"безнең", u"наш", u"наша", u"наше", u"1", u"3"});
  lx.Add("itfst08.pack", {u"бар", u"есть"});
  lx.Add("itfst08.pack", {u"юк", u"нет"});
  return lx;
}

using OwnerTest = LexiconTest<OwnerLexicon>;

TEST_F(OwnerTest, APersonOpeningTheSentenceOwnsItsObject) {
  EXPECT_EQ(Translate(u"Әни китапын укыды."), u"Мама читала свою книгу.");
  EXPECT_EQ(Translate(u"Абый китапын укый."), u"Брат читает свою книгу.");
  // A thing is no subject: it stays the owner.
  EXPECT_EQ(Translate(u"Өй китапын укыды."), u"Книгу дома читал.");
}

TEST_F(OwnerTest, APossessedNounAloneNamesItsOwner) {
  EXPECT_EQ(Translate(u"китапыннан"), u"из его книги");
  EXPECT_EQ(Translate(u"китапында"), u"в его книге");
  EXPECT_EQ(Translate(u"китапы өчен"), u"для его книги");
  // An owner said, or a sentence around it: no "его".
  EXPECT_EQ(Translate(u"кызның китапы"), u"книга девочки");
  EXPECT_EQ(Translate(u"өй китапында"), u"в книге дома");
  // The nominative alone names the thing.
  EXPECT_EQ(Translate(u"китапы"), u"книга");
  EXPECT_EQ(Translate(u"Ул китапын укыды."), u"Он читал книгу.");
  // Other persons keep their own possessive.
  EXPECT_EQ(Translate(u"китапымнан"), u"из моей книги");
}

TEST_F(OwnerTest, ACountGoesBeforeThePossessive) {
  EXPECT_EQ(Translate(u"ике абыйым"), u"два моих брата");
  EXPECT_EQ(Translate(u"өч абыйыма"), u"трём моим братьям");
  EXPECT_EQ(Translate(u"минем өч абыйыма"), u"трём моим братьям");
  EXPECT_EQ(Translate(u"ике китапымның"), u"двух моих книг");
  // A feminine noun after два, три: the nominative plural.
  EXPECT_EQ(Translate(u"ике китапым"), u"две мои книги");
}

TEST_F(OwnerTest, NashBeforeABareNounAgreesWithIt) {
  EXPECT_EQ(Translate(u"безнең өй янында"), u"возле нашего дома");
  EXPECT_EQ(Translate(u"безнең өй өчен"), u"для нашего дома");
  EXPECT_EQ(Translate(u"безнең өйдә"), u"в нашем доме");
}

TEST_F(OwnerTest, BuendaAfterWaterIsTheShore) {
  EXPECT_EQ(Translate(u"елга буенда"), u"на берегу реки");
  EXPECT_EQ(Translate(u"урман буенда"), u"у леса");
}

TEST_F(OwnerTest, ChildrenCountedByTwoToFourAreCollective) {
  EXPECT_EQ(Translate(u"ике бала"), u"двое ребят");
  EXPECT_EQ(Translate(u"өч бала"), u"трое ребят");
  // An oblique case keeps the cardinal.
  EXPECT_EQ(Translate(u"ике балага"), u"двум ребятам");
}

TEST_F(OwnerTest, HavingInThePastAgreesWithTheThing) {
  EXPECT_EQ(Translate(u"Минем китапым бар иде."), u"У меня была книга.");
  EXPECT_EQ(Translate(u"Минем өйым бар иде."), u"У меня был дом.");
  EXPECT_EQ(Translate(u"Минем ике абыйым бар иде."), u"У меня было два брата.");
  EXPECT_EQ(Translate(u"Минем китапым юк иде."), u"У меня не было книги.");
  // The present stays.
  EXPECT_EQ(Translate(u"Минем китапым бар."), u"У меня есть книга.");
  EXPECT_EQ(Translate(u"Минем ике абыйым бар."), u"У меня два брата.");
}

}  // namespace
}  // namespace tatfix
