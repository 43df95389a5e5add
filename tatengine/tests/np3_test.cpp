// Noun phrases around genitive possessors and the senses a noun lends the
// words beside it: qualifiers of the possessor, "его" on a possessor owned
// by someone unnamed, possessives Russian leaves out, "каршы" by a place,
// a noun compared with itself, "карт" before a noun, "из" of water.
#include "EngineFixture.h"
#include "tatengine.h"

namespace tatfix {
namespace {

constexpr int OnSurface = 0x100;  // the lexicon's `na` mark in the gender column

TLexicon NounPhraseLexicon() {
  TLexicon lx = StandardLexicon();
  const std::pair<const char16_t*, int> endings[] = {
      {u"сының", 20}, {u"ларының", 55}, {u"ымны", 10}, {u"ыңны", 16}, {u"кә", 3},
      {u"дән", 5},    {u"тән", 5},      {u"тан", 5},   {u"ка", 3},  {u"гә", 3},
      {u"ым", 7},     {u"тә", 6},       {u"ында", 24}, {u"нең", 2},
      {u"сы", 19},    {u"е", 19},       {u"ын", 22}};
  for (auto [e, code] : endings) lx.Add("flt04.pack", {e, C(code)});
  // абый (брат) and эт (собака) are animate.
  NounParadigm(lx, 7, {u"", u"а", u"а", u"ьев", u"у", u"ьям", u"а", u"ьев", u"ом", u"ьями", u"е", u"ьях"}, true);
  Noun(lx, u"абый", u"брат", 7, 1);
  Noun(lx, u"ир", u"муж", 7, 1);
  NounParadigm(lx, 8, {u"а", u"и", u"е", u"", u"е", u"ам", u"у", u"", u"ой", u"ами", u"е", u"ах"}, true);
  Noun(lx, u"эт", u"собак", 8, 2);
  Noun(lx, u"кул", u"рук", 1, 2);
  Noun(lx, u"елга", u"рек", 1, 2 | OnSurface);
  Noun(lx, u"түбә", u"крыш", 1, 2 | OnSurface);
  Noun(lx, u"җил", u"ветр", 2, 1);
  Noun(lx, u"сыйныф", u"класс", 2, 1);
  lx.Add("itfst07.pack", {u"бу", u"этот", u"эта", u"это", u"1", u"1"});
  lx.Add("itfst07.pack", {u"теге", u"тот", u"та", u"то", u"1", u"1"});
  lx.Add("itfst07.pack", {u"аларның", u"их", u"их", u"их", u"1", u"3"});
  lx.Add("itfst07.pack", {u"минем", u"мой", u"моя", u"моё", u"1", u"3"});
  lx.Add("itfst06.pack", {u"каршы", u"против", u"3"});
  // карт: the adjective "старый" and the noun "старик".
  lx.Add("itfst01.pack", {u"карт", u"1", u"стар", u"3"});
  Noun(lx, u"карт", u"старик", 3, 1);
  lx.Add("itfst10.pack", {u"сындыр", u"1", u"сломать", N(3001)});
  RusVerb(lx, 3001, u"p",
          {u"сломать", u"сломай", u"сломаю", u"сломаешь", u"сломает", u"сломайте", u"сломаем", u"сломаете",
           u"сломают", u"сломал", u"сломала", u"сломало", u"сломали", u"сломав"});
  lx.Add("flt10.pack", {u"дым", C(27)});
  return lx;
}

using NounPhrase3Test = LexiconTest<NounPhraseLexicon>;

TEST_F(NounPhrase3Test, QualifiersBeforeAGenitiveGoWithIt) {
  EXPECT_EQ(Translate(u"зур өйнең китапы"), u"книга большого дома");
  EXPECT_EQ(Translate(u"бу өйнең китапы"), u"книга этого дома");
  EXPECT_EQ(Translate(u"кызыл зур өйнең китапы"), u"книга красного большого дома");
  // After the genitive the word qualifies the head.
  EXPECT_EQ(Translate(u"өйнең зур китапы"), u"большая книга дома");
  // In a sentence, with the predicate agreeing with the head.
  EXPECT_EQ(Translate(u"Зур өйнең китапы матур."), u"Книга большого дома красивая.");
  // With a postposition after the head: с книгой большого дома.
  EXPECT_EQ(Translate(u"зур өйнең китапы белән"), u"с книгой большого дома");
}

TEST_F(NounPhrase3Test, AGenitiveHeadOwnedInTurnKeepsItsOwner) {
  EXPECT_EQ(Translate(u"сыйныф укучысының китапы"), u"книга ученика класса");
  EXPECT_EQ(Translate(u"укучы абыйсының китапы"), u"книга брата ученика");
}

TEST_F(NounPhrase3Test, AnUnnamedOwnerOfAPersonIsSaid) {
  EXPECT_EQ(Translate(u"абыйсының китапы"), u"книга его брата");
  EXPECT_EQ(Translate(u"абыйсының китапында"), u"в книге его брата");
  // The clause's own subject is the owner: no "его".
  EXPECT_EQ(Translate(u"Ул абыйсының китапын укыды."), u"Он читал книгу брата.");
  // Said once where a pronoun names it.
  EXPECT_EQ(Translate(u"аның абыйсының китапы"), u"книга его брата");
  // After "аларның" the plural ending agrees with "их": one brother.
  EXPECT_EQ(Translate(u"аларның абыйларының китапы"), u"книга их брата");
  // "аның" is "её" before a husband.
  EXPECT_EQ(Translate(u"аның абыйсы"), u"его брат");
  EXPECT_EQ(Translate(u"аның ире"), u"её муж");
  // A thing's owner stays unsaid.
  EXPECT_EQ(Translate(u"сыйныфның китапы"), u"книга класса");
}

TEST_F(NounPhrase3Test, OnesOwnBodyPartAsObjectGoesWithoutMoj) {
  EXPECT_EQ(Translate(u"Кулымны сындырдым."), u"Я сломал руку.");
  // Other things, another's verb or an owner said in words keep it.
  EXPECT_EQ(Translate(u"Китапымны сындырдым."), u"Я сломал мою книгу.");
  EXPECT_EQ(Translate(u"Ул кулымны сындырды."), u"Он сломал мою руку.");
  EXPECT_EQ(Translate(u"Минем кулымны сындырдым."), u"Я сломал мою руку.");
  // A phrase alone keeps it too.
  EXPECT_EQ(Translate(u"кулымны"), u"мою руку");
  EXPECT_EQ(Translate(u"кулым"), u"моя рука");
}

TEST_F(NounPhrase3Test, KarshyAfterAPlaceIsNaprotiv) {
  EXPECT_EQ(Translate(u"сыйныфка каршы"), u"напротив класса");
  EXPECT_EQ(Translate(u"зур өйгә каршы"), u"напротив большого дома");
  EXPECT_EQ(Translate(u"бу өйгә каршы"), u"напротив этого дома");
  // A person or the wind: против.
  EXPECT_EQ(Translate(u"укучыга каршы"), u"против ученика");
  EXPECT_EQ(Translate(u"җилгә каршы"), u"против ветра");
}

TEST_F(NounPhrase3Test, ANounComparedWithItselfIsSaidOnce) {
  EXPECT_EQ(Translate(u"Бу өй теге өйдән зуррак."), u"Этот дом больше того.");
  EXPECT_EQ(Translate(u"Бу китап теге китаптан зуррак."), u"Эта книга больше той.");
  EXPECT_EQ(Translate(u"Теге өй бу өйдән зуррак."), u"Тот дом больше этого.");
  // Another noun stays.
  EXPECT_EQ(Translate(u"Бу өй теге сыйныфтан зуррак."), u"Этот дом больше того класса.");
}

TEST_F(NounPhrase3Test, KartBeforeANounIsOld) {
  EXPECT_EQ(Translate(u"карт эт"), u"старая собака");
  EXPECT_EQ(Translate(u"карт эткә"), u"старой собаке");
  EXPECT_EQ(Translate(u"карт укучы"), u"старый ученик");
  // Before a place it is the old man who is there.
  EXPECT_EQ(Translate(u"Карт мәктәптә."), u"Старик в школе.");
  // Before a place one goes to it is the old man too.
  EXPECT_EQ(Translate(u"Карт мәктәпкә."), u"Старик в школу.");
}

TEST_F(NounPhrase3Test, WaterGivesIzAnOtherSurfaceS) {
  EXPECT_EQ(Translate(u"елгадан"), u"из реки");
  EXPECT_EQ(Translate(u"зур елгадан"), u"из большой реки");
  EXPECT_EQ(Translate(u"түбәдән"), u"с крыши");
  EXPECT_EQ(Translate(u"елгада"), u"на реке");
}

}  // namespace
}  // namespace tatfix
