// Clauses whose predicate is not a plain verb: states without a subject,
// nouns with the past auxiliary and personal endings, names, aches, the
// weather, things that exist together and days of the month.
#include "EngineFixture.h"
#include "tatengine.h"
#include "zentrok/Utf.h"

namespace tatfix {
namespace {

TRow VerbForms(long number, const char16_t* aspect, std::vector<std::u16string> forms) {
  TRow row{N(number), forms[0], aspect};
  row.insert(row.end(), forms.begin(), forms.end());
  return row;
}

TLexicon PredicateLexicon() {
  TLexicon lx = StandardLexicon();
  // "бул" is "быть" here; rules find verbs by their Tatar lemma (column 4).
  for (TRow& row : lx.Tables["itfst10.pack"])
    if (row[0] == u"бул") row.push_back(u"бул");
  for (TRow& row : lx.Tables["plr10.pack"])
    if (row[0] == N(1006))
      row = VerbForms(1006, u"i",
                      {u"быть", u"будь", u"буду", u"будешь", u"будет", u"будьте", u"будем", u"будете",
                       u"будут", u"был", u"была", u"было", u"были", u"будучи", u"бывший", u"бывшая",
                       u"бывшее", u"бывшие"});

  // States: an adjective and the adverb of the same stem.
  lx.Add("itfst01.pack", {u"салкын", u"1", u"холодн", u"3"});
  lx.Add("itfst02.pack", {u"салкын", u"1", u"холодно"});
  lx.Add("itfst01.pack", {u"күңелле", u"1", u"весёл", u"3"});
  lx.Add("itfst02.pack", {u"күңелле", u"1", u"весело"});
  lx.Add("itfst02.pack", {u"матур", u"1", u"красиво"});
  lx.Add("itfst02.pack", {u"анда", u"1", u"там"});
  lx.Add("itfst02.pack", {u"бүген", u"1", u"сегодня"});
  lx.Add("itfst02.pack", {u"кичә", u"1", u"вчера"});
  lx.Add("itfst02.pack", {u"иртәгә", u"1", u"завтра"});
  lx.Add("itfst02.pack", {u"ничек", u"1", u"как"});
  lx.Add("itfst08.pack", {u"юк", u"нет"});
  lx.Add("itfst03.pack", {u"түгел", u"не"});
  lx.Add("itfst02.pack", {u"аз", u"1", u"мало"});
  // Flag 1 in the second byte: a place that takes на/с.
  lx.Add("itfst04.pack", {u"урам", u"1", u"улиц", N(1 * 65536L + 256 + 2)});
  lx.Add("itfst04.pack", {u"кар", u"1", u"снег", N(2 * 65536L + 1)});
  lx.Add("itfst04.pack", {u"баш", u"1", u"голов", N(1 * 65536L + 2)});
  lx.Add("itfst04.pack", {u"март", u"1", u"март", N(2 * 65536L + 1)});
  lx.Add("itfst04.pack", {u"исем", u"1", u"", N(20 * 65536L + 3)});
  NounParadigm(lx, 20, {u"имя", u"имена", u"имени", u"имён", u"имени", u"именам",
                        u"имя", u"имена", u"именем", u"именами", u"имени", u"именах"});
  lx.Add("flt04.pack", {u"ым", C(7)});
  lx.Add("flt04.pack", {u"ем", C(7)});
  lx.Add("flt04.pack", {u"е", C(19)});
  lx.Add("itfst01.pack", {u"ун бишенче", u"1", u"пятнадцат", u"3"});
  lx.Add("itfst05.pack", {u"ун", u"1", u"десять"});
  // "дус": a noun and an adjective.
  lx.Add("itfst04.pack", {u"дус", u"1", u"товарищ", N(3 * 65536L + 1)});
  lx.Add("itfst01.pack", {u"дус", u"1", u"дружн", u"3"});
  lx.Add("itfst01.pack", {u"шат", u"1", u"радостн", u"3"});
  // "сорау": a noun (question) and the verbal noun of "сора" (ask).
  lx.Add("itfst04.pack", {u"сорау", u"1", u"вопрос", N(2 * 65536L + 1)});
  lx.Add("flt10.pack", {u"у", C(1)});
  lx.Add("itfst10.pack", {u"сора", u"1", u"спрашивать", N(1042), u"сора"});
  lx.Add("plr10.pack", VerbForms(1042, u"i",
                                 {u"спрашивать", u"спрашивай", u"спрашиваю", u"спрашиваешь",
                                  u"спрашивает", u"спрашивайте", u"спрашиваем", u"спрашиваете",
                                  u"спрашивают", u"спрашивал", u"спрашивала", u"спрашивало",
                                  u"спрашивали", u"спрашивая", u"спрашивавший", u"спрашивавшая",
                                  u"спрашивавшее", u"спрашивавшие"}));
  lx.Add("itfst08.pack", {u"бар", u"есть"});
  // "абый" (elder brother): абы+й, абы+е, and the spoken абы+йсы that the
  // data compiler lists beside the written form.
  lx.Add("flt04.pack", {u"й", C(1)});
  lx.Add("flt04.pack", {u"йсы", C(19)});
  lx.Add("itfst04.pack", {u"абы", u"1", u"брат", N(2 * 65536L + 1)});

  // "яу" (fall): я+ва, я+уды, я+вачак; "авырт" (ache).
  lx.Add("flt10.pack", {u"ва", C(17)});
  lx.Add("flt10.pack", {u"уды", C(29)});
  lx.Add("flt10.pack", {u"вачак", C(53)});
  lx.Add("itfst10.pack", {u"я", u"1", u"идти", N(1040), u"яу"});
  lx.Add("plr10.pack", VerbForms(1040, u"i",
                                 {u"идти", u"иди", u"иду", u"идёшь", u"идёт", u"идите", u"идём", u"идёте",
                                  u"идут", u"шёл", u"шла", u"шло", u"шли", u"идя", u"шедший",
                                  u"шедшая", u"шедшее", u"шедшие"}));
  lx.Add("itfst10.pack", {u"авырт", u"1", u"болеть", N(1041), u"авырт"});
  lx.Add("plr10.pack", VerbForms(1041, u"i",
                                 {u"болеть", u"болей", u"болю", u"болишь", u"болит", u"болейте",
                                  u"болим", u"болите", u"болят", u"болел", u"болела", u"болело",
                                  u"болели", u"болея", u"болевший", u"болевшая", u"болевшее",
                                  u"болевшие"}));
  return lx;
}

using PredicateTest = LexiconTest<PredicateLexicon>;

TEST_F(PredicateTest, AStateWithoutASubjectIsTheShortNeuterForm) {
  EXPECT_EQ(Translate(u"урамда салкын."), u"на улице холодно.");
  EXPECT_EQ(Translate(u"бүген бик салкын."), u"сегодня очень холодно.");
  EXPECT_EQ(Translate(u"урамда салкын һәм матур."), u"на улице холодно и красиво.");
  EXPECT_EQ(Translate(u"урамда салкын түгел."), u"на улице не холодно.");
  EXPECT_EQ(Translate(u"урамда салкын түгелме?"), u"на улице не холодно?");
  // With "иде": было, before the degree adverb.
  EXPECT_EQ(Translate(u"анда бик матур иде."), u"там было очень красиво.");
  // A subject keeps the agreeing adjective.
  EXPECT_EQ(Translate(u"өй зур."), u"дом большой.");
  EXPECT_EQ(Translate(u"урам салкын."), u"улица холодная.");
  // Alone, or before a noun, the adjective stays one.
  EXPECT_EQ(Translate(u"салкын"), u"холодный");
  EXPECT_EQ(Translate(u"бүген салкын урам."), u"сегодня холодная улица.");
}

TEST_F(PredicateTest, AStateWithBulIsANeuterPast) {
  EXPECT_EQ(Translate(u"кичә бик күңелле булды."), u"вчера было очень весело.");
  // A place or a time before "бул" is no state (где был).
  EXPECT_EQ(Translate(u"кичә анда булды."), u"вчера там был.");
}

TEST_F(PredicateTest, NounsWithTheAuxiliaryAndPersonalEndings) {
  EXPECT_EQ(Translate(u"укучы иде."), u"был учеником.");
  EXPECT_EQ(Translate(u"укучылар идек."), u"были учениками.");
  EXPECT_EQ(Translate(u"ул укучы иде."), u"он был учеником.");
  EXPECT_EQ(Translate(u"мин укучымын."), u"я ученик.");
  EXPECT_EQ(Translate(u"мин укучымынмы"), u"я укучымынмы");  // no double stripping
  // A plural noun that the auxiliary took for an adjective.
  EXPECT_EQ(Translate(u"кызлар идек."), u"были девочками.");
  EXPECT_EQ(Translate(u"дуслар идек."), u"были товарищами.");
}

TEST_F(PredicateTest, OneBeforeAVerbalNounThatIsANounCountsIt) {
  EXPECT_EQ(Translate(u"бер сорау бар."), u"есть один вопрос.");
  EXPECT_EQ(Translate(u"бер укыды."), u"раз читал.");
}

TEST_F(PredicateTest, GladOfAPersonIsRad) {
  EXPECT_EQ(Translate(u"мин шат."), u"я рад.");
  EXPECT_EQ(Translate(u"шатбыз."), u"рады.");
  EXPECT_EQ(Translate(u"мин шатмы?"), u"я рад?");
  // Of a thing, and before a noun, it is the adjective.
  EXPECT_EQ(Translate(u"кыз шат."), u"девочка радостная.");
  EXPECT_EQ(Translate(u"шат кыз."), u"радостная девочка.");
}

TEST_F(PredicateTest, ManyAndFewAsThePredicate) {
  EXPECT_EQ(Translate(u"анда китап күп."), u"там много книг.");
  EXPECT_EQ(Translate(u"анда зур китаплар аз иде."), u"там было мало больших книг.");
  // Before the noun it counts as before (много книг), a possessed noun stays.
  EXPECT_EQ(Translate(u"күп китап."), u"много книг.");
}

TEST_F(PredicateTest, SpokenPossessiveOfANounInY) {
  EXPECT_EQ(Translate(u"абыйсы"), u"брат");
  EXPECT_EQ(Translate(u"абые"), u"брат");
  EXPECT_EQ(Translate(u"йсы"), u"йсы");  // nothing before the ending
}

TEST_F(PredicateTest, NamesAndAches) {
  EXPECT_EQ(Translate(u"исемем Марат."), u"меня зовут Марат.");
  EXPECT_EQ(Translate(u"аның исеме ничек?"), u"как его зовут?");
  EXPECT_EQ(Translate(u"аның исеме ничек иде?"), u"как его звали?");
  EXPECT_EQ(Translate(u"укучының исеме Марат."), u"ученика зовут Марат.");
  // Without a name it stays a noun.
  EXPECT_EQ(Translate(u"исемем."), u"моё имя.");
  EXPECT_EQ(Translate(u"башым авырта."), u"у меня болит голова.");
  EXPECT_EQ(Translate(u"аның башы авырта."), u"у него болит голова.");
}

TEST_F(PredicateTest, RainAndSnowFallBeforeTheirNoun) {
  EXPECT_EQ(Translate(u"кар ява."), u"идёт снег.");
  EXPECT_EQ(Translate(u"кар яуды."), u"шёл снег.");
  EXPECT_EQ(Translate(u"иртәгә кар явачак."), u"завтра будет снег.");
}

TEST_F(PredicateTest, CoordinatedThingsExistTogether) {
  EXPECT_EQ(Translate(u"өйдә китап һәм дәфтәр юк."), u"в доме нет книги и тетради.");
  EXPECT_EQ(Translate(u"өйдә китап, дәфтәр юк."), u"в доме нет книги, тетради.");
}

TEST_F(PredicateTest, DaysOfTheMonth) {
  EXPECT_EQ(Translate(u"мартның унбишенчесендә."), u"пятнадцатого марта.");
  EXPECT_EQ(Translate(u"мартның ун бишенчесендә."), u"пятнадцатого марта.");
  EXPECT_EQ(Translate(u"мартның унбишенчесеннән."), u"с пятнадцатого марта.");
  // Not an ordinal: the word stays unknown.
  EXPECT_EQ(Translate(u"мартның өстәлендә."), u"марта өстәлендә.");
}

}  // namespace
}  // namespace tatfix
