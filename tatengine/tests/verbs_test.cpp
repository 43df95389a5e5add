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
  EXPECT_EQ(Translate(u"алып"), u"Великан");
}

TEST_F(VerbTest, AuxiliaryWithNewStem) {
  // Present (17) + auxiliary 2180: kind 4, verb 5248 in the auxiliary's
  // form followed by the main verb's infinitive.
  EXPECT_EQ(Translate(u"Кыз укый җибәра."), u"Девочка успевает читать.");
  // Present + 5165: kind 2, verb 2037.
  EXPECT_EQ(Translate(u"Кыз укый чыка."), u"Девочка начинает читать.");
  // Code 16 + 5186: kind 23, verb 5300.
  EXPECT_EQ(Translate(u"укымас бета"), u"Кончает читать");
}

TEST_F(VerbTest, FixedSecondWords) {
  EXPECT_EQ(Translate(u"укырга кирәк"), u"Надо читать");
  EXPECT_EQ(Translate(u"укыячак бар"), u"Предстоит читать");
  // "бар" after any other form is no construction: a glue word of its own.
  EXPECT_EQ(Translate(u"укыды бар"), u"Читал иди");
}

TEST_F(VerbTest, NonAuxiliarySecondVerbIsItsOwnSlot) {
  const auto pieces = RunSentence(u"укып белды");
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[0].Text, u"Читая ");
  EXPECT_EQ(pieces[1].Text, u"знал");
}

TEST_F(VerbTest, PastAuxiliaryPersonForms) {
  EXPECT_EQ(Translate(u"Кыз укый иде."), u"Девочка читала.");
  ParserInit();
  EXPECT_EQ(Translate(u"укый идем"), u"Я читал");
  EXPECT_EQ(Translate(u"укыса иде"), u"Если читал бы");
  EXPECT_EQ(Translate(u"укыса идең"), u"Если ты читал бы");
  // Conditional forms with "бы".
  EXPECT_EQ(Translate(u"укырга иде"), u"Читать бы");
  EXPECT_EQ(Translate(u"укысам иде"), u"Читал бы");
}

TEST_F(VerbTest, AdjectiveWithPastAuxiliary) {
  const auto pieces = RunSentence(u"зур идек");
  ASSERT_EQ(pieces.size(), 1u);
  EXPECT_EQ(pieces[0].Text, u"Был большой");
}

TEST_F(VerbTest, IdeAloneIsWas) {
  EXPECT_EQ(Translate(u"иде"), u"Был");
  EXPECT_EQ(Translate(u"китап иде."), u"Книга был.");
}

TEST_F(VerbTest, IntentionWithBul) {
  EXPECT_EQ(Translate(u"укыйсы булды"), u"Намеревался читать");
  EXPECT_EQ(Translate(u"укыйсы булмады"), u"Не намеревался читать");
}

}  // namespace
}  // namespace tatfix
