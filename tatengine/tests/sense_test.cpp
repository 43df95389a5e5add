// Nouns whose meaning a possessive ending decides: кыз "девочка" but кызым
// "моя дочь", апа "сестра" but апам "моя старшая сестра". The two senses are
// two stem rows of one Tatar stem; the possessed one carries flag 0x800.
#include "EngineFixture.h"
#include "tatengine.h"

namespace tatfix {
namespace {

constexpr long PossessedSense = 0x800;

TLexicon SenseLexicon() {
  TLexicon lx = StandardLexicon();
  const std::pair<const char16_t*, int> endings[] = {
      {u"ым", 7}, {u"м", 7}, {u"ың", 13}, {u"сы", 19}, {u"ына", 21}, {u"сына", 21}, {u"сын", 22}, {u"ларым", 42}};
  for (auto [e, code] : endings) lx.Add("flt04.pack", {e, C(code)});
  // дочь (animate).
  NounParadigm(lx, 31, {u"ь", u"ери", u"ери", u"ерей", u"ери", u"ерям", u"ь", u"ерей", u"ерью", u"ерьми", u"ери", u"ерях"},
               true);
  // старшая сестра, and сестра (animate).
  NounParadigm(lx, 32,
               {u"ая сестра", u"ие сёстры", u"ей сестры", u"их сестёр", u"ей сестре", u"им сёстрам", u"ую сестру",
                u"их сестёр", u"ей сестрой", u"ими сёстрами", u"ей сестре", u"их сёстрах"},
               true);
  NounParadigm(lx, 33, {u"а", u"ы", u"ы", u"", u"е", u"ам", u"у", u"", u"ой", u"ами", u"е", u"ах"}, true);
  // кыз: the standard lexicon's bare row comes first, the possessed one after.
  lx.Add("itfst04.pack", {u"кыз", u"1", u"доч", N(31 * 65536L + PossessedSense + 2)});
  // апа: the possessed row first, so the stem search meets it before the bare one.
  lx.Add("itfst04.pack", {u"апа", u"1", u"старш", N(32 * 65536L + PossessedSense + 2), u"апа"});
  lx.Add("itfst04.pack", {u"апа", u"1", u"сестр", N(33 * 65536L + 2), u"апа"});
  lx.Add("itfst07.pack", {u"минем", u"мой", u"моя", u"моё", u"1", u"3"});
  // People (the standard nouns are all things): мальчик, and two names.
  NounParadigm(lx, 34, {u"", u"и", u"а", u"ов", u"у", u"ам", u"а", u"ов", u"ом", u"ами", u"е", u"ах"}, true);
  Noun(lx, u"малай", u"мальчик", 34, 1);
  // Column 4, the Tatar lemma, tells a name (capitalised) and the word of address.
  lx.Add("itfst04.pack", {u"Рөстәм", u"1", u"Рустам", N(34 * 65536L + 1), u"Рөстәм"});
  lx.Add("itfst04.pack", {u"Гөлнара", u"1", u"Гульнар", N(33 * 65536L + 2), u"Гөлнара"});
  Noun(lx, u"авыл", u"деревн", 1, 2);
  // исем: имя, and название where a thing owns it (flag 0x1000).
  NounParadigm(lx, 35, {u"я", u"ена", u"ени", u"ён", u"ени", u"енам", u"я", u"ена", u"енем", u"енами", u"ени", u"енах"});
  NounParadigm(lx, 36, {u"е", u"я", u"я", u"й", u"ю", u"ям", u"е", u"я", u"ем", u"ями", u"и", u"ях"});
  lx.Add("itfst04.pack", {u"исем", u"1", u"им", N(35 * 65536L + 3), u"исем"});
  lx.Add("itfst04.pack", {u"исем", u"1", u"названи", N(36 * 65536L + 0x1000 + 3), u"исем"});
  lx.Add("flt04.pack", {u"е", C(19)});
  return lx;
}

using SenseTest = LexiconTest<SenseLexicon>;

bool Contains(const std::u16string& text, std::u16string_view part) {
  return text.find(part) != std::u16string::npos;
}

TEST_F(SenseTest, BareFormsKeepTheBareSense) {
  EXPECT_EQ(Translate(u"кыз"), u"девочка");
  EXPECT_EQ(Translate(u"кызлар"), u"девочки");
  EXPECT_EQ(Translate(u"кызның китапы зур."), u"книга девочки большая.");
  EXPECT_EQ(Translate(u"апа"), u"сестра");
  EXPECT_EQ(Translate(u"ике апа"), u"две сестры");
}

TEST_F(SenseTest, EveryPossessiveTakesThePossessedSense) {
  EXPECT_EQ(Translate(u"кызым"), u"моя дочь");
  EXPECT_EQ(Translate(u"минем кызым"), u"моя дочь");
  EXPECT_TRUE(Contains(Translate(u"кызың"), u"дочь"));
  EXPECT_TRUE(Contains(Translate(u"аның кызы"), u"дочь"));
  EXPECT_TRUE(Contains(Translate(u"кызларым"), u"дочери"));
  // Other cases of the possessed noun decline in the possessed sense.
  EXPECT_TRUE(Contains(Translate(u"кызына"), u"дочери"));
  EXPECT_EQ(Translate(u"апам"), u"моя старшая сестра");
  EXPECT_TRUE(Contains(Translate(u"апасына"), u"старшей сестре"));
  EXPECT_TRUE(Contains(Translate(u"апасын"), u"старшую сестру"));
}

TEST_F(SenseTest, APersonOwnsInThePossessedSenseAThingDoesNot) {
  // The possessed head of a group is read in the possessed sense; its
  // genitive owner keeps the bare one.
  EXPECT_EQ(Translate(u"малайның кызы"), u"дочь мальчика");
  EXPECT_EQ(Translate(u"малайның апасы"), u"старшая сестра мальчика");
  EXPECT_EQ(Translate(u"Гөлнараның кызы"), u"Дочь Гульнары");
  // A thing or an adjective as the owner: the bare sense.
  EXPECT_EQ(Translate(u"авыл кызы"), u"девочка деревни");
  EXPECT_EQ(Translate(u"авылның кызы"), u"девочка деревни");
  EXPECT_EQ(Translate(u"яшь кызы"), u"молодая девочка");
  // An adjective alone describes the possessed noun.
  EXPECT_EQ(Translate(u"матур кызым"), u"моя красивая дочь");
}

TEST_F(SenseTest, AThingAsTheOwnerTakesItsOwnSense) {
  EXPECT_EQ(Translate(u"малайның исеме"), u"имя мальчика");
  EXPECT_EQ(Translate(u"авылның исеме"), u"название деревни");
  EXPECT_EQ(Translate(u"авыл исеме"), u"название деревни");
  EXPECT_EQ(Translate(u"исем"), u"имя");
  // Without an owner before it a person is assumed.
  EXPECT_TRUE(Contains(Translate(u"исеме"), u"имя"));
}

TEST_F(SenseTest, ANameWithAWordOfAddressIsTheNameInItsCase) {
  EXPECT_EQ(Translate(u"Гөлнара апа"), u"Гульнара");
  EXPECT_EQ(Translate(u"Гөлнара апага"), u"Гульнаре");
  EXPECT_EQ(Translate(u"Рөстәм апаның китапы"), u"Книга Рустама");
  // Without a name before it the word stays, and so does a plural.
  EXPECT_TRUE(Contains(Translate(u"малай апа"), u"сестра"));
  EXPECT_TRUE(Contains(Translate(u"Гөлнара апалар"), u"сестры"));
}

TEST_F(SenseTest, TwoWordNounsAfterTwoToFour) {
  EXPECT_TRUE(Contains(Translate(u"ике апам"), u"две старшие сестры"));
  // A bare count keeps the one-word noun as it was.
  EXPECT_EQ(Translate(u"ике апа"), u"две сестры");
}

TEST_F(SenseTest, OneInTheAccusativeFollowsTheNounsAnimacy) {
  // The genitive for a person, the nominative for a thing.
  EXPECT_EQ(Translate(u"бер малайны"), u"одного мальчика");
  EXPECT_EQ(Translate(u"бер өйне"), u"один дом");
  EXPECT_EQ(Translate(u"бер апаны"), u"одну сестру");
}

}  // namespace
}  // namespace tatfix
