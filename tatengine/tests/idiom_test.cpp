// Set expressions through the engine's exports: "дөрес әйт" (прав), counted
// spans with "бирле" (уже три года), one-word superlatives (лучший,
// ближайший, старший), compound measure adjectives (девяностолетний,
// трёхлитровая) and "яшьрәк" of people (младше).
#include "EngineFixture.h"
#include "tatengine.h"

namespace tatfix {
namespace {

TLexicon IdiomLexicon() {
  TLexicon lx = StandardLexicon();
  std::erase_if(lx.Tables["itfst07.pack"], [](const TRow& row) { return row[0] == u"мин"; });
  lx.Add("flt09.pack", {u"", C(1, 1), C(9, 9), C(10, 10)});
  Pronoun(lx, 5, {{u"мин", 1}, {u"миңа", 9}},
          {u"я", u"мы", u"меня", u"нас", u"мне", u"нам", u"меня", u"нас", u"мной", u"нами", u"мне", u"нас"});
  Pronoun(lx, 6, {{u"син", 1}}, {u"ты", u"вы", u"тебя", u"вас", u"тебе", u"вам", u"тебя", u"вас", u"тобой",
                                 u"вами", u"тебе", u"вас"});
  Pronoun(lx, 8, {{u"сез", 1}},
          {u"вы", u"вы", u"вас", u"вас", u"вам", u"вам", u"вас", u"вас", u"вами", u"вами", u"вас", u"вас"});

  // "әйт" in the present and the past, person by person.
  const std::pair<const char16_t*, int> verbEndings[] = {{u"әм", 15},   {u"әсең", 16}, {u"ә", 17},
                                                         {u"әсез", 19}, {u"әләр", 20}, {u"тем", 27},
                                                         {u"тең", 28},  {u"те", 29},   {u"тегез", 31}};
  for (auto [e, code] : verbEndings) lx.Add("flt10.pack", {e, C(code)});
  lx.Add("itfst10.pack", {u"әйт", u"1", u"говорить", N(1300)});
  RegularVerb(lx, 1300, u"i", u"говори");
  lx.Add("itfst02.pack", {u"дөрес", u"1", u"правильно"});

  // Spans of time and points in time with "бирле".
  for (auto [e, code] : {std::pair{u"нән", 5}, std::pair{u"дән", 5}, std::pair{u"тән", 5}, std::pair{u"ым", 7},
                         std::pair{u"тә", 6}})
    lx.Add("flt04.pack", {e, C(code)});
  NounParadigm(lx, 20, {u"ень", u"ни", u"ня", u"ней", u"ню", u"ням", u"ень", u"ни", u"нём", u"нями", u"не", u"нях"});
  NounParadigm(lx, 22, {u"о", u"а", u"а", u"", u"у", u"ам", u"о", u"а", u"ом", u"ами", u"е", u"ах"});
  Noun(lx, u"көн", u"д", 20, 1);
  Noun(lx, u"ел", u"год", 2, 1);
  Noun(lx, u"сәгать", u"час", 2, 1);
  Noun(lx, u"иртә", u"утр", 22, 3);
  Noun(lx, u"банка", u"банк", 1, 2);
  Noun(lx, u"кибет", u"магазин", 2, 1);
  NounParadigm(lx, 24, {u"друг", u"друзья", u"друга", u"друзей", u"другу", u"друзьям", u"друга", u"друзей",
                        u"другом", u"друзьями", u"друге", u"друзьях"},
               true);
  Noun(lx, u"дус", u"", 24, 1);
  for (auto [tat, rus] : {std::pair{u"бер", u"один"}, std::pair{u"биш", u"пять"}, std::pair{u"егерме", u"двадцать"},
                          std::pair{u"туксан", u"девяносто"}, std::pair{u"кырык", u"сорок"}})
    lx.Add("itfst05.pack", {tat, u"1", rus});
  lx.Add("itfst06.pack", {u"бирле", u"с", u"3"});

  // Adjectives with a one-word superlative.
  lx.Add("itfst01.pack", {u"яхшы", u"1", u"хорош", u"3"});
  lx.Add("itfst01.pack", {u"начар", u"1", u"плох", u"2"});
  lx.Add("itfst01.pack", {u"якын", u"1", u"близк", u"3"});
  lx.Add("itfst01.pack", {u"олы", u"1", u"старш", u"3"});
  return lx;
}

using IdiomTest = LexiconTest<IdiomLexicon>;

bool Contains(const std::u16string& text, std::u16string_view part) {
  return text.find(part) != std::u16string::npos;
}

TEST_F(IdiomTest, SayingRightIsBeingRightInEveryPerson) {
  EXPECT_EQ(Translate(u"син дөрес әйтәсең."), u"ты прав.");
  EXPECT_EQ(Translate(u"сез дөрес әйтәсез."), u"вы правы.");
  EXPECT_EQ(Translate(u"мин дөрес әйтәм."), u"я прав.");
  // The past is the same: вы правильно сказали, вы правы.
  EXPECT_EQ(Translate(u"сез дөрес әйттегез."), u"вы правы.");
  EXPECT_EQ(Translate(u"син дөрес әйттең."), u"ты прав.");
  // Without a pronoun the person comes from the ending.
  EXPECT_EQ(Translate(u"дөрес әйтәсең."), u"ты прав.");
  EXPECT_EQ(Translate(u"дөрес әйтәләр."), u"они правы.");
  // A noun subject stays and takes the agreement.
  EXPECT_EQ(Translate(u"кыз дөрес әйтә."), u"девочка права.");
  // "дөрес" away from the verb is only "правильно".
  EXPECT_FALSE(Contains(Translate(u"дөрес китап"), u"прав "));
  EXPECT_FALSE(Contains(Translate(u"кыз әйтә."), u"прав"));
}

TEST_F(IdiomTest, ACountedSpanWithBirleIsHowLongItHasLasted) {
  EXPECT_TRUE(Translate(u"биш елдан бирле").starts_with(u"уже пять "));
  // "берничә" counts too, with the genitive plural.
  EXPECT_EQ(Translate(u"берничә көннән бирле"), u"уже несколько дней");
  EXPECT_EQ(Translate(u"егерме көннән бирле"), u"уже двадцать дней");
  // One unit goes without "один".
  EXPECT_EQ(Translate(u"бер сәгатьтән бирле"), u"уже час");
  // A point in time keeps "с": с утра.
  EXPECT_EQ(Translate(u"иртәдән бирле"), u"с утра");
  // An age is a point in time too: с пяти лет.
  EXPECT_FALSE(Contains(Translate(u"биш яшьтән бирле"), u"уже"));
}

TEST_F(IdiomTest, SuperlativesOfOneWord) {
  EXPECT_EQ(Translate(u"иң начар китап"), u"худшая книга");
  EXPECT_EQ(Translate(u"иң начар өйдә"), u"в худшем доме");
  EXPECT_EQ(Translate(u"иң якын кибет"), u"ближайший магазин");
  EXPECT_EQ(Translate(u"иң якын мәктәптә"), u"в ближайшей школе");
  // A close person is "самый близкий", not the nearest one.
  EXPECT_TRUE(Translate(u"иң якын дус").starts_with(u"самый близк"));
  EXPECT_EQ(Translate(u"иң олы кыз"), u"старшая девочка");
  // One's own: the possessive goes first.
  EXPECT_EQ(Translate(u"иң матур өйым"), u"мой самый красивый дом");
  EXPECT_EQ(Translate(u"иң олы кызым"), u"моя старшая девочка");
  // "лучший" keeps "самый" before a noun.
  EXPECT_EQ(Translate(u"иң яхшы китап"), u"самая лучшая книга");
}

TEST_F(IdiomTest, CountedMeasureAdjectivesUseTheCombiningForm) {
  EXPECT_EQ(Translate(u"туксан яшьлек кыз"), u"девяностолетняя девочка");
  EXPECT_EQ(Translate(u"кырык яшьлек укучы"), u"сорокалетний ученик");
  EXPECT_EQ(Translate(u"егерме биш яшьлек укучының"), u"двадцатипятилетнего ученика");
  EXPECT_EQ(Translate(u"өч литрлы банка"), u"трёхлитровая банка");
  EXPECT_EQ(Translate(u"ике сәгатьлек китап"), u"двухчасовая книга");
  EXPECT_EQ(Translate(u"ике сәгатьлек өй"), u"двухчасовой дом");
  EXPECT_EQ(Translate(u"биш бүлмәле өйдә"), u"в пятикомнатном доме");
}

}  // namespace
}  // namespace tatfix
