// Noun + possessed noun groups: the possessor follows its head in the
// genitive, or stays before it as an adjective where the word is one too;
// chains nest, and a count before a genitive possessor counts it.
#include "EngineFixture.h"
#include "tatengine.h"
#include "zentrok/Utf.h"

namespace tatfix {
namespace {

TLexicon IzafetLexicon() {
  TLexicon lx = StandardLexicon();
  // "мәктәп" is also an adjective (школьный); "бит" (page) has front endings.
  lx.Add("itfst01.pack", {u"мәктәп", u"1", u"школьн", u"3"});
  // Flag 1 in the second byte: a surface that takes "на".
  lx.Add("itfst04.pack", {u"бит", u"1", u"страниц", N(1 * 65536L + 256 + 2)});
  // "малай" (boy): paradigm 7 is animate (its codes carry variant 1).
  NounParadigm(lx, 7, {u"", u"и", u"а", u"ов", u"у", u"ам", u"а", u"ов", u"ом", u"ами", u"е", u"ах"},
               /*animate=*/true);
  lx.Add("itfst04.pack", {u"малай", u"1", u"мальчик", N(7 * 65536L + 1)});
  lx.Add("flt04.pack", {u"е", C(19)});
  lx.Add("flt04.pack", {u"ында", C(24)});
  lx.Add("flt04.pack", {u"ендә", C(24)});
  return lx;
}

using IzafetTest = LexiconTest<IzafetLexicon>;

TEST_F(IzafetTest, PossessorIsAnAdjectiveWhereTheWordIsOne) {
  EXPECT_EQ(Translate(u"мәктәп китапы"), u"школьная книга");
  // First in the sentence too, and agreeing with the head's case.
  EXPECT_EQ(Translate(u"мәктәп китапында"), u"в школьной книге");
  // Without a possessed noun after it the word keeps its noun reading.
  EXPECT_EQ(Translate(u"мәктәп"), u"школа");
  // A word that is only a noun follows its head in the genitive.
  EXPECT_EQ(Translate(u"укучы китапы"), u"книга ученика");
}

TEST_F(IzafetTest, ChainsNestWithTheOuterHeadFirst) {
  EXPECT_EQ(Translate(u"укучы китапы бите"), u"страница книги ученика");
  EXPECT_EQ(Translate(u"мәктәп китапы битендә"), u"на странице школьной книги");
  EXPECT_EQ(Translate(u"кызның китапы битендә"), u"на странице книги девочки");
  // A predicate adjective agrees with the head, not with a possessor.
  EXPECT_EQ(Translate(u"мәктәп китапы бите зур."), u"страница школьной книги большая.");
}

TEST_F(IzafetTest, ACountGoesWithTheGenitivePossessor) {
  // Boys are counted with a collective numeral, girls and things are not;
  // the numeral and the noun take the genitive plural, not the head.
  EXPECT_EQ(Translate(u"өч малайның китапы"), u"книга троих мальчиков");
  EXPECT_EQ(Translate(u"ике малайның китапында"), u"в книге двоих мальчиков");
  EXPECT_EQ(Translate(u"ике кызның китапы"), u"книга двух девочек");
  EXPECT_EQ(Translate(u"өч кызның китапында"), u"в книге трёх девочек");
}

}  // namespace
}  // namespace tatfix
