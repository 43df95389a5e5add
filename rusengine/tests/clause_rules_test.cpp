// Rules over whole clauses, through the C exports, on the fixture lexicon
// with a regular verb, быть, and nouns that carry possessive forms.
#include <gtest/gtest.h>

#include <memory>

#include "ClauseRules.h"
#include "Common_ru.h"
#include "EngineTest.h"

namespace rusengine::fixture {

class Clauses : public LexiconTest<&TLexicon::Clauses> {};

TEST_F(Clauses, VerbGoesToTheEndOfItsClause) {
  EXPECT_EQ(T(u"Я читаю книгу."), u"Мин китап укыйм.");
  // An indefinite object stands right before the verb.
  EXPECT_EQ(T(u"Я читаю книгу в доме."), u"Мин йортта китап укыйм.");
  // A verb that opened the sentence gives the capital to the new first word.
  EXPECT_EQ(T(u"Читайте книгу."), u"Китапны укыгыз.");
  // Each clause keeps its own verb; a comma or a joiner between two verbs
  // cuts, a joiner between two nouns does not.
  EXPECT_EQ(T(u"Я читаю книгу, он читает книги."), u"Мин китап укыйм, ул китаплар укый.");
  EXPECT_EQ(T(u"Я читаю книгу и он читает книги"), u"Мин китап укыйм һәм ул китаплар укый");
  EXPECT_EQ(T(u"У меня есть брат и книга"), u"Минем абыем һәм китабым бар");
}

TEST_F(Clauses, Questions) {
  // A question word goes right before the verb, or last when there is none.
  EXPECT_EQ(T(u"Где ты читаешь?"), u"Син кайда укыйсың?");
  EXPECT_EQ(T(u"Кто это?"), u"Бу кем?");
  // A yes-no question puts -мы/-ме on the verb, in its harmony.
  EXPECT_EQ(T(u"Ты читаешь книгу?"), u"Син китап укыйсыңмы?");
  EXPECT_EQ(T(u"У меня есть книга?"), u"Минем китабым бармы?");
  // Not in a statement, nor in a clause that is not the question.
  EXPECT_EQ(T(u"Где ты читаешь."), u"Кайда син укыйсың.");
  EXPECT_EQ(T(u"Я читаю, ты читаешь?"), u"Мин укыйм, син укыйсыңмы?");
  std::u16string front = u"беләсез";
  AppendQuestionParticle(front);
  EXPECT_EQ(front, u"беләсезме");
}

TEST_F(Clauses, ReportedClausesAndRoles) {
  // "что" joining a reported clause has no word; as a question word it has.
  EXPECT_EQ(T(u"Брат читал, что я читаю книгу"), u"Абый укыды, мин китап укыйм");
  EXPECT_EQ(T(u"Брат читал, что?"), u"Абый укыды, нәрсә?");
  // An instrumental role with работать is "as": булып.
  EXPECT_EQ(T(u"Он работает братом"), u"Ул абый булып эшли");
}

TEST_F(Clauses, EatAfterAVerbIsNotHave) {
  EXPECT_EQ(T(u"Я хочу есть"), u"Мин ашарга телим");
  EXPECT_EQ(T(u"У меня есть книга"), u"Минем китабым бар");
}

TEST_F(Clauses, InfinitivesStandBeforeTheVerb) {
  // "буду" + infinitive is the future of the infinitive's verb.
  EXPECT_EQ(T(u"Я буду читать книгу"), u"Мин китап укыячакмын");
  EXPECT_EQ(T(u"Мы будем читать"), u"Без укыячакбыз");
  // "будет" alone is the future of бул.
  EXPECT_EQ(T(u"Брат будет"), u"Абый булачак");
}

TEST_F(Clauses, AccusativeOnlyOnDefiniteObjects) {
  EXPECT_EQ(T(u"Я читаю книгу"), u"Мин китап укыйм");
  EXPECT_EQ(T(u"Я читаю эту книгу"), u"Мин бу китапны укыйм");
  EXPECT_EQ(T(u"Я не читаю книгу"), u"Мин китапны укымыйм");
  // An animate masculine object (genitive = accusative) is definite.
  EXPECT_EQ(T(u"Я читаю брата"), u"Мин абыйны укыйм");
  // After a subject and a verb the object reading wins over the nominative.
  EXPECT_EQ(T(u"Я читаю книги"), u"Мин китаплар укыйм");
}

TEST_F(Clauses, VerbAgreesWithPronounSubject) {
  EXPECT_EQ(T(u"Мы читали книгу"), u"Без китап укыдык");
  EXPECT_EQ(T(u"Я читал"), u"Мин укыдым");
  EXPECT_EQ(T(u"Я не читал книгу"), u"Мин китапны укымадым");
  EXPECT_EQ(T(u"Брат читал"), u"Абый укыды");
  EXPECT_EQ(T(u"Братья читали"), u"Абыйлар укыдылар");
  // The second clause of "мы ... и ..." keeps the subject.
  EXPECT_EQ(T(u"Мы читали и читали"), u"Без укыдык һәм укыдык");
  // So does a past after a comma, of the same number; a noun subject of
  // its own keeps the verb's own person.
  EXPECT_EQ(T(u"Мы читали, читали"), u"Без укыдык, укыдык");
  EXPECT_EQ(T(u"Я читал, читали"), u"Мин укыдым, укыдылар");
  EXPECT_EQ(T(u"Я читал и брат читал"), u"Мин укыдым һәм абый укыды");
}

TEST_F(Clauses, ConditionalAfterIf) {
  EXPECT_EQ(T(u"Если я читаю книгу, брат читает"), u"Әгәр мин китап укысам, абый укый");
  EXPECT_EQ(T(u"Если ты не читаешь"), u"Әгәр син укымасаң");
  EXPECT_EQ(T(u"Если брат будет, мы читали"), u"Әгәр абый булса, без укыдык");
  EXPECT_EQ(T(u"Если мы читали"), u"Әгәр без укысак");
}

TEST_F(Clauses, WhenClauses) {
  // The verb takes -ганда and когда has no word; the capital moves on.
  EXPECT_EQ(T(u"Когда я читал, брат читал."), u"Мин укыганда, абый укыды.");
  EXPECT_EQ(T(u"Когда я не читал книгу"), u"Мин китапны укымаганда");
  EXPECT_EQ(T(u"Когда я был большим, я читал"), u"Мин зур чакта, мин укыдым");
  // In a question когда is the question word.
  EXPECT_EQ(T(u"Когда ты читал?"), u"Син кайчан укыдың?");
}

TEST_F(Clauses, GenitiveAttributeGoesBeforeItsNoun) {
  // The owner noun comes first; a person keeps -ның, the owned noun takes
  // the 3rd-person ending, and the opening capital moves with the order.
  EXPECT_EQ(T(u"Книга брата"), u"Абыйның китабы");
  EXPECT_EQ(T(u"Я читаю книгу брата"), u"Мин абыйның китабын укыйм");
  // The attribute takes its possessive along and keeps -ның.
  EXPECT_EQ(T(u"Я читаю книгу моего брата"), u"Мин минем абыемның китабын укыйм");
  // An inanimate owner stays bare; a preposition stays with the head.
  EXPECT_EQ(T(u"Брат на доме книги"), u"Абый китап йортында");
}

TEST_F(Clauses, Possession) {
  EXPECT_EQ(T(u"У меня есть брат"), u"Минем абыем бар");
  EXPECT_EQ(T(u"У меня нет брата"), u"Минем абыем юк");
  EXPECT_EQ(T(u"У брата есть книга"), u"Абыйның китабы бар");
  // With no predicate at all the clause still says бар.
  EXPECT_EQ(T(u"У нас два брата"), u"Безнең ике абыебыз бар");
  EXPECT_EQ(T(u"Мой брат читает"), u"Минем абыем укый");
  EXPECT_EQ(T(u"Его брат читает"), u"Аның абыйсы укый");
  // свой takes the subject's person and has no word of its own; the owned
  // object is definite.
  EXPECT_EQ(T(u"Я читаю свою книгу"), u"Мин китабымны укыйм");
  EXPECT_EQ(T(u"Брат читает свою книгу"), u"Абый китабын укый");
  // "его" before a verb is the object pronoun.
  EXPECT_EQ(T(u"Я его читаю"), u"Мин аны укыйм");
}

TEST_F(Clauses, PronounsAfterPrepositions) {
  EXPECT_EQ(T(u"Я читаю о тебе"), u"Мин синең турында укыйм");
  EXPECT_EQ(T(u"Я читаю к нему"), u"Мин аңа укыйм");
  // "у меня" outside a clause of possession, with nothing after it to own,
  // is where: the locative.
  EXPECT_EQ(T(u"Книга у меня"), u"Китап миндә");
}

TEST_F(Clauses, NumeralsTakeASingularNoun) {
  EXPECT_EQ(T(u"Два брата читают"), u"Ике абый укыйлар");
  EXPECT_EQ(T(u"Я читаю две книги"), u"Мин ике китап укыйм");
  // "много" with no verb is the predicate: the noun keeps its number.
  EXPECT_EQ(T(u"В доме много книг"), u"Йортта китаплар күп");
}

TEST_F(Clauses, PastOfBe) {
  // With a place "был" is the past of бул, with a predicate the copula иде.
  EXPECT_EQ(T(u"Я был в доме"), u"Мин йортта булдым");
  EXPECT_EQ(T(u"Я не был в доме"), u"Мин йортта булмадым");
  EXPECT_EQ(T(u"Брат был большим"), u"Абый зур иде");
  EXPECT_EQ(T(u"Я был большим"), u"Мин зур идем");
}

TEST(ClauseParts, PronounFormsAndTatarCodes) {
  // A form that stands in two persons is found by its case.
  ASSERT_NE(FindPronoun(u"ним", 4), nullptr);
  EXPECT_EQ(FindPronoun(u"ним", 4)->Person, 2);
  EXPECT_EQ(FindPronoun(u"ним", 2)->Person, 5);
  EXPECT_EQ(FindPronoun(u"ним", 0), nullptr);
  EXPECT_EQ(FindPronoun(u"дом"), nullptr);
  EXPECT_EQ(TatarPronoun(5, 1), u"аларның");
  EXPECT_TRUE(TatarPronoun(6, 0).empty());
  EXPECT_TRUE(TatarPronoun(0, 6).empty());

  // Possessive codes: singular and plural cases, 3pl as 3rd person.
  EXPECT_EQ(PossessiveCode(0, 0), 6);
  EXPECT_EQ(PossessiveCode(3, 1), 15);
  EXPECT_EQ(PossessiveCode(5, 5), 23);
  EXPECT_EQ(PossessiveCode(86, 3), 59);
  EXPECT_EQ(PossessiveCode(38, 4), 68);
  EXPECT_EQ(PossessiveCode(71, 0), 71);  // -сыз has no possessive here
  EXPECT_EQ(PossessiveCode(0, 6), 0);
  EXPECT_EQ(SingularCode(37), 2);
  EXPECT_EQ(SingularCode(72), 71);
  EXPECT_EQ(BareObjectCode(38), 86);
  EXPECT_EQ(BareObjectCode(5), 5);
}

}  // namespace rusengine::fixture
