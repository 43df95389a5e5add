// Rules that build Russian forms the Tatar words do not carry themselves:
// possessive pronouns, prepositions by noun, numeral government, plural and
// future verb forms, "бар/юк" clauses, word order.
#include "EngineFixture.h"
#include "tatengine.h"
#include "zentrok/Utf.h"

namespace tatfix {
namespace {

TLexicon FormsLexicon() {
  TLexicon lx = StandardLexicon();
  const std::pair<const char16_t*, int> endings[] = {
      {u"ым", 7},   {u"ымның", 8}, {u"ыма", 9},  {u"ымда", 12}, {u"ыбыз", 25},
      {u"ыбызда", 30}, {u"ларым", 42}, {u"ларда", 41}, {u"гә", 3}, {u"дән", 5}, {u"нан", 5},
      {u"мә", 9},   {u"мнең", 8}, {u"м", 7}};
  for (auto [e, code] : endings) lx.Add("flt04.pack", {e, C(code)});
  NounParadigm(lx, 10, {u"а", u"ы", u"ы", u"", u"е", u"ам", u"у", u"", u"ой", u"ами", u"е", u"ах"}, true);
  NounParadigm(lx, 11, {u"а", u"ы", u"ы", u"", u"е", u"ам", u"у", u"ы", u"ей", u"ами", u"е", u"ах"});
  NounParadigm(lx, 12, {u"человек", u"люди", u"человека", u"людей", u"человеку", u"людям", u"человека",
            u"людей", u"человеком", u"людьми", u"человеке", u"людях"}, true);
  lx.Add("itfst04.pack", {u"әни", u"1", u"мам", N(10 * 65536L + 2)});
  // Flag 1 in the second byte: a place that takes на/с.
  lx.Add("itfst04.pack", {u"урам", u"1", u"улиц", N(11 * 65536L + 256 + 2)});
  lx.Add("itfst04.pack", {u"кеше", u"1", u"", N(12 * 65536L + 1)});

  // A perfective verb and the future endings.
  lx.Add("flt10.pack", {u"әчәк", C(53)});
  lx.Add("flt10.pack", {u"мәячәк", C(59)});
  lx.Add("flt10.pack", {u"йбыз", C(18)});
  lx.Add("itfst10.pack", {u"кил", u"1", u"прийти", N(1010)});
  // "матур" is also a verb stem here: bare, it reads as an order.
  lx.Add("flt10.pack", {u"", C(2)});
  lx.Add("itfst10.pack", {u"матур", u"1", u"читать", N(1001)});
  lx.Add("plr10.pack", {N(1010), u"прийти", u"p", u"прийти", u"приди", u"приду", u"придёшь",
                        u"придёт", u"придите", u"придём", u"придёте", u"придут", u"пришёл",
                        u"пришла", u"пришло", u"пришли", u"придя", u"пришедший", u"пришедшая",
                        u"пришедшее", u"пришедшие"});

  // A personal pronoun: "мине" (меня).
  lx.Add("flt09.pack", {u"не", C(10)});
  lx.Add("itfst09.pack", {u"ми", u"1", u"мен", N(0x300 + 1)});
  lx.Add("cds09.pack", {N(0x300 + 7), u"я"});
  lx.Add("itfst07.pack", {u"бу", u"этот", u"эта", u"это", u"1", u"1"});

  lx.Add("itfst05.pack", {u"биш", u"1", u"пять"});
  // "бүтән": "больше" as a whole word, "другой" as an adjective.
  lx.Add("itfst11.pack", {u"бүтән", u"больше"});
  lx.Add("itfst01.pack", {u"бүтән", u"1", u"друг", u"2"});
  lx.Add("itfst02.pack", {u"кайда", u"1", u"где"});
  lx.Add("itfst03.pack", {u"түгел", u"не"});
  lx.Add("itfst07.pack", {u"минем", u"мой", u"моя", u"моё", u"1", u"3"});
  lx.Add("itfst08.pack", {u"юк", u"нет"});
  lx.Add("itfst11.pack", {u"беркем", u"никто"});
  lx.Add("flt04.pack", {u"ың", C(13)});
  lx.Add("itfst04.pack", {u"сәгать", u"1", u"час", N(2 * 65536L + 1)});
  lx.Add("itfst02.pack", {u"ничә", u"1", u"сколько"});
  lx.Add("itfst10.pack", {u"сора", u"1", u"спрашивать", N(1030)});
  lx.Add("plr10.pack", {N(1030), u"спрашивать", u"i", u"спрашивать", u"спрашивай", u"спрашиваю",
                        u"спрашиваешь", u"спрашивает", u"спрашивайте", u"спрашиваем", u"спрашиваете",
                        u"спрашивают", u"спрашивал", u"спрашивала", u"спрашивало", u"спрашивали",
                        u"спрашивая", u"спрашивавший", u"спрашивавшая", u"спрашивавшее",
                        u"спрашивавшие"});
  return lx;
}

using FormsTest = LexiconTest<FormsLexicon>;

TEST_F(FormsTest, PossessiveEndingsBecomeAgreeingPronouns) {
  EXPECT_EQ(Translate(u"китапым"), u"моя книга");
  EXPECT_EQ(Translate(u"китапымда"), u"в моей книге");
  EXPECT_EQ(Translate(u"әнимә"), u"моей маме");
  // A possessed dative of a thing is a direction, of a person the dative.
  EXPECT_EQ(Translate(u"өйыма"), u"в мой дом");
  EXPECT_EQ(Translate(u"урамыма"), u"на мою улицу");
  EXPECT_EQ(Translate(u"өйыбызда"), u"в нашем доме");
  EXPECT_EQ(Translate(u"кызларым"), u"мои девочки");
  // The third person is not spelled out: the owner is named elsewhere.
  EXPECT_EQ(Translate(u"китапы"), u"книга");
  // One's own family opening a sentence with a verb goes without "моя".
  EXPECT_EQ(Translate(u"әним укыды."), u"мама читала.");
  EXPECT_EQ(Translate(u"әним."), u"моя мама.");
  EXPECT_EQ(Translate(u"кыз әнимә укыды."), u"девочка читала моей маме.");
  // A named possessor declines instead of being doubled.
  EXPECT_EQ(Translate(u"минем китапым"), u"моя книга");
  EXPECT_EQ(Translate(u"минем өйдә"), u"в моём доме");
  EXPECT_EQ(Translate(u"минем зур өйдә"), u"в моём большом доме");
}

TEST_F(FormsTest, GenitivePossessorFollowsItsNoun) {
  EXPECT_EQ(Translate(u"әнимнең китапы"), u"книга моей мамы");
  EXPECT_EQ(Translate(u"кызның китапы зур."), u"книга девочки большая.");
}

TEST_F(FormsTest, PlaceCasesTakeThePrepositionOfTheNoun) {
  EXPECT_EQ(Translate(u"урамда"), u"на улице");
  EXPECT_EQ(Translate(u"урамнан"), u"с улицы");
  EXPECT_EQ(Translate(u"урамга"), u"на улицу");
  EXPECT_EQ(Translate(u"өйдә"), u"в доме");
  EXPECT_EQ(Translate(u"өйдан"), u"из дома");
  // People: the dative without a preposition, у and от.
  EXPECT_EQ(Translate(u"әнигә"), u"маме");
  EXPECT_EQ(Translate(u"әнидә"), u"у мамы");
  EXPECT_EQ(Translate(u"әнидән"), u"от мамы");
}

TEST_F(FormsTest, NumeralsGovernTheNoun) {
  EXPECT_EQ(Translate(u"ике китап"), u"две книги");
  EXPECT_EQ(Translate(u"ике өй"), u"два дома");
  EXPECT_EQ(Translate(u"өч өй"), u"три дома");
  EXPECT_EQ(Translate(u"биш китап"), u"пять книг");
  EXPECT_EQ(Translate(u"биш кеше"), u"пять человек");
  EXPECT_EQ(Translate(u"ике зур өй"), u"два больших дома");
  EXPECT_EQ(Translate(u"ике зур китап"), u"две большие книги");
  // Oblique cases: the numeral declines, the noun is plural.
  EXPECT_EQ(Translate(u"ике китапда"), u"в двух книгах");
  EXPECT_EQ(Translate(u"биш өйдә"), u"в пяти домах");
  EXPECT_EQ(Translate(u"ике әнигә"), u"двум мамам");
}

TEST_F(FormsTest, VerbsAgreeWithAPluralSubject) {
  EXPECT_EQ(Translate(u"кыз укый."), u"девочка читает.");
  EXPECT_EQ(Translate(u"кызлар укый."), u"девочки читают.");
  EXPECT_EQ(Translate(u"ике кыз укый."), u"две девочки читают.");
  EXPECT_EQ(Translate(u"кызлар беләчәк."), u"девочки будут знать.");
}

TEST_F(FormsTest, PerfectiveFutureIsThePresentForm) {
  EXPECT_EQ(Translate(u"кыз киләчәк."), u"девочка придёт.");
  EXPECT_EQ(Translate(u"кызлар килмәячәк."), u"девочки не придут.");
  EXPECT_EQ(Translate(u"кыз беләчәк."), u"девочка будет знать.");
}

TEST_F(FormsTest, ExistenceAndPossession) {
  EXPECT_EQ(Translate(u"минем китапым бар."), u"у меня есть книга.");
  EXPECT_EQ(Translate(u"китапым бар."), u"у меня есть книга.");
  EXPECT_EQ(Translate(u"минем китапым юк."), u"у меня нет книги.");
  EXPECT_EQ(Translate(u"өйдә зур китап бар."), u"в доме есть большая книга.");
  EXPECT_EQ(Translate(u"өйдә китап юк."), u"в доме нет книги.");
  // A count needs no "есть".
  EXPECT_EQ(Translate(u"өйдә ике китап бар."), u"в доме две книги.");
}

TEST_F(FormsTest, SubjectObjectAndWordOrder) {
  // The unmarked object takes the accusative; the verb follows the subject.
  EXPECT_EQ(Translate(u"кыз китап укый."), u"девочка читает книгу.");
  EXPECT_EQ(Translate(u"кыз өйдә укый."), u"девочка читает в доме.");
  // Adverbs right after the subject stay before the verb.
  EXPECT_EQ(Translate(u"кыз тиз китап укыды."), u"девочка быстро читала книгу.");
  // The predicate adjective agrees across a degree adverb.
  EXPECT_EQ(Translate(u"кыз бик матур."), u"девочка очень красивая.");
  EXPECT_EQ(Translate(u"кыз укучы түгел."), u"девочка не ученик.");
  // A question word, then the verb, then the noun subject.
  EXPECT_EQ(Translate(u"кыз кайда укый?"), u"где читает девочка?");
  // "ул" + bare noun + verb opening a sentence: "he" and an object.
  EXPECT_EQ(Translate(u"ул китап укый."), u"он читает книгу.");
  EXPECT_EQ(Translate(u"ул китап зур."), u"эта книга большая.");
  // After a place the verb comes before a noun subject.
  EXPECT_EQ(Translate(u"өйдә кыз укый."), u"в доме читает девочка.");
  EXPECT_EQ(Translate(u"өйдә зур кыз укый."), u"в доме читает большая девочка.");
  // A verb of the 1st or 2nd person has no noun subject: the noun is its
  // object, and the verb goes before it; the person is said as a pronoun.
  EXPECT_EQ(Translate(u"китап укыйбыз."), u"мы читаем книгу.");
  EXPECT_EQ(Translate(u"өйдә тиз китап укыйбыз."), u"мы в доме быстро читаем книгу.");
  // A pronoun object stays before the verb.
  EXPECT_EQ(Translate(u"кыз мине укый."), u"девочка меня читает.");
  // A comma ends the clause: no subject is looked for before it.
  EXPECT_EQ(Translate(u"Кыз сөйгән, китап укый."), u"Девочка любящий, книга читает.");
}

TEST_F(FormsTest, PredicatesAndDemonstratives) {
  // After a nominative noun the bare stem is the predicate, not an order.
  EXPECT_EQ(Translate(u"кыз матур."), u"девочка красивая.");
  EXPECT_EQ(Translate(u"китапны матур."), u"читай книгу.");
  EXPECT_EQ(Translate(u"кыз матур һәм зур."), u"девочка красивая и большая.");
  EXPECT_EQ(Translate(u"кыз зур өй түгел."), u"девочка не большой дом.");
  EXPECT_EQ(Translate(u"бу зур өй."), u"это большой дом.");
  EXPECT_EQ(Translate(u"бу кыз зур."), u"эта девочка большая.");
  EXPECT_EQ(Translate(u"бу кыз укучы."), u"эта девочка ученик.");
}

TEST_F(FormsTest, OtherOrMore) {
  EXPECT_EQ(Translate(u"бүтән китап"), u"другая книга");
  EXPECT_EQ(Translate(u"бүтән китапны укы."), u"читай другую книгу.");
  EXPECT_EQ(Translate(u"кыз бүтән укымады."), u"девочка больше не читала.");
}

TEST_F(FormsTest, DemonstrativesDecline) {
  EXPECT_EQ(Translate(u"бу өйдә"), u"в этом доме");
  EXPECT_EQ(Translate(u"бу кызлар укый."), u"эти девочки читают.");
  EXPECT_EQ(Translate(u"бу китапны"), u"эту книгу");
}

TEST_F(FormsTest, WholeWordOrNounByTheNeighbours) {
  // "тау" is stored whole as "Гора" and is also a noun.
  EXPECT_EQ(Translate(u"тау"), u"Гора");
  EXPECT_EQ(Translate(u"зур тау"), u"большая гора");
  EXPECT_EQ(Translate(u"кызның тау"), u"девочки гора");
}

TEST_F(FormsTest, PeopleAreReachedWithK) {
  EXPECT_EQ(Translate(u"кыз әнигә киләчәк."), u"девочка придёт к маме.");
  // Not after other verbs, and not for places.
  EXPECT_EQ(Translate(u"кыз әнигә китап укый."), u"девочка читает книгу маме.");
  EXPECT_EQ(Translate(u"кыз урамга киләчәк."), u"девочка придёт на улицу.");
}

TEST_F(FormsTest, AgeIsTheDativeAndACountOfYears) {
  EXPECT_EQ(Translate(u"Мин биш яшьтә."), u"Мне пять лет.");
  EXPECT_EQ(Translate(u"кыз ике яшьтә."), u"девочке два года.");
  EXPECT_EQ(Translate(u"әнигә өч яшь."), u"маме три года.");
  // A possessed owner keeps its possessive in the dative.
  EXPECT_EQ(Translate(u"әним биш яшьтә."), u"моей маме пять лет.");
  // Without a count "яшь" is left alone.
  EXPECT_EQ(Translate(u"мин яшьтә."), u"я яшьтә.");
}

TEST_F(FormsTest, QuantityWordsTakeTheGenitivePlural) {
  EXPECT_EQ(Translate(u"күп китап"), u"много книг");
  EXPECT_EQ(Translate(u"күп зур өй"), u"много больших домов");
  // The object after a quantity: the verb comes before the quantity.
  EXPECT_EQ(Translate(u"кыз күп китап укыды."), u"девочка читала много книг.");
  // A quantity as the subject: a neuter singular verb.
  EXPECT_EQ(Translate(u"күп кыз укыды."), u"много девочек читало.");
  // In an oblique case the quantity declines and the noun is plural.
  EXPECT_EQ(Translate(u"күп өйдә"), u"во многих домах");
  EXPECT_EQ(Translate(u"күп әнигә"), u"многим мамам");
  // A question fronts "сколько" with its noun.
  EXPECT_EQ(Translate(u"кыз ничә китап укыды?"), u"сколько книг девочка читала?");
  EXPECT_EQ(Translate(u"Мин ничә яшьтә?"), u"Сколько мне лет?");
  EXPECT_EQ(Translate(u"Әнигә ничә яшь?"), u"Сколько маме лет?");
}

TEST_F(FormsTest, TheOneAskedIsTheAccusative) {
  EXPECT_EQ(Translate(u"кыз әнидән сорады."), u"девочка спрашивала маму.");
  EXPECT_EQ(Translate(u"кыз ике әнидән сорады."), u"девочка спрашивала двух мам.");
  // Other verbs keep "от" (after the object).
  EXPECT_EQ(Translate(u"кыз әнидән китап алды."), u"девочка получала книгу от мамы.");
}

TEST_F(FormsTest, GenitiveBeatsALongerStemWithYour) {
  // укучы + ның, not укучын + ың.
  EXPECT_EQ(Translate(u"укучының китапы"), u"книга ученика");
  EXPECT_EQ(Translate(u"китапың"), u"твоя книга");
}

TEST_F(FormsTest, ATimeInTheAccusativeSaysWhen) {
  EXPECT_EQ(Translate(u"бу сәгатьне"), u"в этот час");
  EXPECT_EQ(Translate(u"кыз бу сәгатьне укыды."), u"девочка читала в этот час.");
  // Without a modifier, or for other nouns, the accusative is an object.
  EXPECT_EQ(Translate(u"кыз сәгатьне укыды."), u"девочка читала час.");
  EXPECT_EQ(Translate(u"кыз бу китапны укыды."), u"девочка читала эту книгу.");
}

TEST_F(FormsTest, NobodyTakesASingularVerbAndTheGenitive) {
  EXPECT_EQ(Translate(u"кызлар укый."), u"девочки читают.");
  EXPECT_EQ(Translate(u"беркем укымады."), u"никто не читал.");
  EXPECT_EQ(Translate(u"өйдә беркем юк."), u"в доме никого нет.");
}

}  // namespace
}  // namespace tatfix
