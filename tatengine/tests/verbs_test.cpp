// Verbs, two-word constructions and the past auxiliary.
#include "EngineFixture.h"
#include "tatengine.h"

namespace tatfix {
namespace {

using VerbTest = EngineTest;

TEST_F(VerbTest, PastTenseAgreesWithTheSubject) {
  EXPECT_EQ(Translate(u"Кыз укыды."), u"Девочка читала.");
  EXPECT_EQ(Translate(u"Укучы укыды."), u"Ученик читал.");
  EXPECT_EQ(Translate(u"Кызлар укыды."), u"Девочки читали.");
  EXPECT_EQ(Translate(u"Кыз укымады."), u"Девочка не читала.");
  EXPECT_EQ(Translate(u"Кыз укый."), u"Девочка читает.");
}

TEST_F(VerbTest, AuxiliaryWithAffixesIsOneSlot) {
  // Converb (75) + auxiliary 5165: kind 1, "немного" + the main verb in the
  // auxiliary's tense.
  const auto pieces = RunSentence(u"Кыз укып чыкты.");
  ASSERT_EQ(pieces.size(), 3u);
  EXPECT_EQ(pieces[1].Text, u"немного читала");
  // The construction stops the lookup: "алып" is also a noun, but no noun
  // reading competes with the construction.
  EXPECT_EQ(Translate(u"Кыз алып чыкты."), u"Девочка немного получала.");
  EXPECT_EQ(Translate(u"алып"), u"великан");
}

TEST_F(VerbTest, AuxiliaryWithNewStem) {
  // Present (17) + auxiliary 2180: kind 4, verb 5248 in the auxiliary's
  // form followed by the main verb's infinitive.
  EXPECT_EQ(Translate(u"Кыз укый җибәра."), u"Девочка успевает читать.");
  // Present + 5165: kind 2, verb 2037.
  EXPECT_EQ(Translate(u"Кыз укый чыка."), u"Девочка начинает читать.");
  // Code 16 + 5186: kind 23, verb 5300.
  EXPECT_EQ(Translate(u"укымас бета"), u"кончает читать");
}

TEST_F(VerbTest, FixedSecondWords) {
  EXPECT_EQ(Translate(u"укырга кирәк"), u"надо читать");
  EXPECT_EQ(Translate(u"укыячак бар"), u"предстоит читать");
  // "бар" after any other form is no construction: a glue word of its own.
  EXPECT_EQ(Translate(u"укыды бар"), u"читал иди");
}

TEST_F(VerbTest, NonAuxiliarySecondVerbIsItsOwnSlot) {
  const auto pieces = RunSentence(u"укып белды");
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[0].Text, u"читая ");
  EXPECT_EQ(pieces[1].Text, u"знал");
}

TEST_F(VerbTest, PastAuxiliaryPersonForms) {
  EXPECT_EQ(Translate(u"Кыз укый иде."), u"Девочка читала.");
  ParserInit();
  EXPECT_EQ(Translate(u"укый идем"), u"я читал");
  EXPECT_EQ(Translate(u"укыса иде"), u"если читал бы");
  EXPECT_EQ(Translate(u"укыса идең"), u"если ты читал бы");
  // Conditional forms with "бы".
  EXPECT_EQ(Translate(u"укырга иде"), u"читать бы");
  EXPECT_EQ(Translate(u"укысам иде"), u"читал бы");
}

TEST_F(VerbTest, AdjectiveWithPastAuxiliary) {
  // "был" agrees with the person of the auxiliary (идек: we).
  const auto pieces = RunSentence(u"зур идек");
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[0].Text, u"были ");
  EXPECT_EQ(pieces[1].Text, u"большие");
  // It agrees with the subject and goes before a degree adverb.
  EXPECT_EQ(Translate(u"Китап бик зур иде."), u"Книга была очень большая.");
  EXPECT_EQ(Translate(u"Кызлар зур иде."), u"Девочки были большие.");
}

TEST_F(VerbTest, IdeAloneIsWas) {
  EXPECT_EQ(Translate(u"иде"), u"был");
  // After a noun it is the past copula: был/была + the instrumental.
  EXPECT_EQ(Translate(u"китап иде."), u"была книгой.");
}

TEST_F(VerbTest, IntentionWithBul) {
  EXPECT_EQ(Translate(u"укыйсы булды"), u"намеревался читать");
  EXPECT_EQ(Translate(u"укыйсы булмады"), u"не намеревался читать");
}

}  // namespace
}  // namespace tatfix
