// Counts and adjective predicates through the engine's exports: collective
// numerals, ages and spans of time in a case, ordinals with "тапкыр" and
// "бүлек", short adjective predicates and comparatives before a noun.
#include "EngineFixture.h"
#include "tatengine.h"

namespace tatfix {
namespace {

// Short-form endings 30-33 (m, f, n, plural) of an adjective paradigm.
void ShortForms(TLexicon& lx, int paradigm, std::vector<std::u16string> endings) {
  for (int k = 0; k < 4; ++k) lx.Add("cds01.pack", {N(paradigm * 256L + 30 + k), endings[k]});
}

TLexicon CountLexicon() {
  TLexicon lx = StandardLexicon();
  std::erase_if(lx.Tables["itfst07.pack"], [](const TRow& row) { return row[0] == u"мин"; });
  lx.Add("flt09.pack", {u"", C(1, 1), C(9, 9), C(10, 10)});
  Pronoun(lx, 5, {{u"мин", 1}, {u"миңа", 9}},
          {u"я", u"мы", u"меня", u"нас", u"мне", u"нам", u"меня", u"нас", u"мной", u"нами", u"мне", u"нас"});
  Pronoun(lx, 7, {{u"без", 1}}, {u"мы", u"мы", u"нас", u"нас", u"нам", u"нам", u"нас", u"нас", u"нами",
                                 u"нами", u"нас", u"нас"});
  Pronoun(lx, 9, {{u"алар", 1}}, {u"они", u"они", u"их", u"их", u"им", u"им", u"их", u"их", u"ими", u"ими",
                                  u"них", u"них"});

  // Counts, collectives and ordinals.
  lx.Add("itfst05.pack", {u"ун", u"1", u"десять"});
  lx.Add("itfst05.pack", {u"егерме", u"1", u"двадцать"});
  lx.Add("itfst05.pack", {u"икәү", u"1", u"двое"});
  lx.Add("itfst05.pack", {u"өчәү", u"1", u"трое"});
  lx.Add("itfst05.pack", {u"алтау", u"1", u"шестеро"});
  lx.Add("itfst01.pack", {u"икенче", u"1", u"втор", u"2"});
  lx.Add("itfst01.pack", {u"бишенче", u"1", u"пят", u"3"});

  // "день" declines by whole forms; "бүлек" is a department by itself.
  NounParadigm(lx, 30, {u"день", u"дни", u"дня", u"дней", u"дню", u"дням", u"день", u"дни", u"днём", u"днями",
                        u"дне", u"днях"});
  Noun(lx, u"көн", u"", 30, 1);
  Noun(lx, u"бүлек", u"отдел", 2, 1);
  lx.Add("flt04.pack", {u"тә", C(6)});

  // Verbs: "бар" (идти) and "яз" (написать, perfective).
  lx.Add("flt10.pack", {u"абыз", C(18)});
  lx.Add("flt10.pack", {u"дык", C(30)});
  lx.Add("itfst10.pack", {u"бар", u"1", u"идти", N(1200)});
  RusVerb(lx, 1200, u"i",
          {u"идти", u"иди", u"иду", u"идёшь", u"идёт", u"идите", u"идём", u"идёте", u"идут", u"шёл", u"шла",
           u"шло", u"шли", u"идя"});
  lx.Add("itfst10.pack", {u"яз", u"1", u"написать", N(1201)});
  RusVerb(lx, 1201, u"p",
          {u"написать", u"напиши", u"напишу", u"напишешь", u"напишет", u"напишите", u"напишем", u"напишете",
           u"напишут", u"написал", u"написала", u"написало", u"написали", u"написав"});

  // Adjectives with short forms (знаком, сердит) and one without (большой).
  lx.Add("itfst01.pack", {u"таныш", u"1", u"знаком", u"3"});
  lx.Add("itfst01.pack", {u"ачулы", u"1", u"сердит", u"3"});
  ShortForms(lx, 3, {u"", u"а", u"о", u"ы"});
  lx.Add("itfst03.pack", {u"түгел", u"не"});
  return lx;
}

using CountTest = LexiconTest<CountLexicon>;

TEST_F(CountTest, CollectiveNumeralAsPredicateCountsTheGenitive) {
  EXPECT_EQ(Translate(u"без өчәү."), u"нас трое.");
  EXPECT_EQ(Translate(u"алар алтау иде."), u"их было шестеро.");
  // A plural noun counted: the genitive plural.
  EXPECT_EQ(Translate(u"укучылар өчәү."), u"учеников трое.");
  // A singular subject cannot be counted so: left alone.
  EXPECT_EQ(Translate(u"мин икәү."), u"я двое.");
}

TEST_F(CountTest, CollectiveNumeralWithAVerbSaysTogether) {
  EXPECT_EQ(Translate(u"без икәү барабыз."), u"мы идём вдвоём.");
  EXPECT_EQ(Translate(u"без өчәү бардык."), u"мы шли втроём.");
  EXPECT_EQ(Translate(u"икәүләп барабыз."), u"мы идём вдвоём.");
}

TEST_F(CountTest, AgeInACaseIsYearsAfterTheCount) {
  EXPECT_EQ(Translate(u"ун яшькә кадәр"), u"до десяти лет");
  EXPECT_EQ(Translate(u"егерме бер яшькә кадәр"), u"до двадцати одного года");
  EXPECT_EQ(Translate(u"ике яшьтән"), u"с двух лет");
  // With a verb the locative is when: в двадцать лет.
  EXPECT_EQ(Translate(u"егерме яшьтә язды."), u"в двадцать лет написал.");
}

TEST_F(CountTest, CountedDaysInTheLocativeAndWithinAreHowLong) {
  EXPECT_EQ(Translate(u"ике көндә"), u"за два дня");
  EXPECT_EQ(Translate(u"бер көндә"), u"за день");
  // "эчендә": a count is the time it takes; one unit is how long, unless
  // the action is completed.
  EXPECT_EQ(Translate(u"ике көн эчендә"), u"за два дня");
  EXPECT_EQ(Translate(u"бер көн эчендә"), u"в течение дня");
  EXPECT_EQ(Translate(u"бер көн эчендә язды."), u"за день написал.");
}

TEST_F(CountTest, OrdinalsWithTapkyrAndBulek) {
  EXPECT_EQ(Translate(u"икенче тапкыр"), u"во второй раз");
  EXPECT_EQ(Translate(u"бишенче тапкыр"), u"в пятый раз");
  EXPECT_EQ(Translate(u"соңгы тапкыр"), u"в последний раз");
  EXPECT_EQ(Translate(u"бишенче бүлек"), u"пятая глава");
  EXPECT_EQ(Translate(u"бишенче бүлектә"), u"в пятой главе");
  // Without an ordinal "бүлек" keeps its own sense.
  EXPECT_EQ(Translate(u"зур бүлек"), u"большой отдел");
}

TEST_F(CountTest, ShortFormWithADativeOrNegated) {
  EXPECT_EQ(Translate(u"китап миңа таныш."), u"книга мне знакома.");
  EXPECT_EQ(Translate(u"мин таныш түгел."), u"я не знаком.");
  EXPECT_EQ(Translate(u"без таныш түгел."), u"мы не знакомы.");
  // No dative, no negation: the full form.
  EXPECT_EQ(Translate(u"китап таныш."), u"книга знакомая.");
  // An adjective without short forms in the tables stays full.
  EXPECT_EQ(Translate(u"китап миңа зур."), u"книга мне большая.");
}

TEST_F(CountTest, ComparativeBeforeANounFollowsItWithPo) {
  EXPECT_EQ(Translate(u"зуррак өй"), u"дом побольше");
  EXPECT_EQ(Translate(u"өй зуррак."), u"дом больше.");
}

}  // namespace
}  // namespace tatfix
