// The reading selection rules on hand-made slots.
#include <gtest/gtest.h>

#include "SelectionRules.h"

namespace rusengine {
namespace {

TWordForm R(uint16_t cls, uint16_t form = 0, std::u16string text = u"") {
  TWordForm w;
  w.WordClass = cls;
  w.Form = form;
  w.Text = std::move(text);
  return w;
}

TTransKit Word(std::initializer_list<TWordForm> readings) {
  TTransKit k;
  k.IsWord = 1;
  k.Translated = 1;
  k.Readings = readings;
  return k;
}

TTransKit Separator() {
  TTransKit k;
  k.Translated = 1;
  k.Readings = {R(wcSeparator, 0, u", ")};
  return k;
}

std::vector<uint16_t> Forms(const TTransKit& k) {
  std::vector<uint16_t> f;
  for (const TWordForm& w : k.Readings) f.push_back(w.Form);
  return f;
}

std::vector<uint16_t> Classes(const TTransKit& k) {
  std::vector<uint16_t> c;
  for (const TWordForm& w : k.Readings) c.push_back(w.WordClass);
  return c;
}

TEST(ReadingOperations, FindKeepDelete) {
  TTransKit k = Word({R(wcVerb, 1), R(wcNoun, 2), R(wcVerb, 3), R(wcAdj, 4)});
  int index = -1;
  EXPECT_TRUE(FindClass(k.Readings, kMaskNominal, index));
  EXPECT_EQ(index, 1);
  EXPECT_FALSE(FindClass(k.Readings, wcMod, index));
  EXPECT_EQ(index, 4);

  TTransKit same = k;
  KeepReading(same, 2, false);
  EXPECT_EQ(Forms(same), (std::vector<uint16_t>{1, 3}));
  TTransKit only = k;
  KeepReading(only, 2, true);
  EXPECT_EQ(Forms(only), (std::vector<uint16_t>{3}));

  TTransKit one = Word({R(wcNoun, 5)});
  EXPECT_FALSE(DeleteReading(one, 0, false));
  EXPECT_EQ(one.Readings.size(), 1u);
  EXPECT_TRUE(DeleteReading(one, 0, true));
  EXPECT_TRUE(one.Readings.empty());
  EXPECT_FALSE(DeleteReading(one, 0, true));
}

TEST(KeepPreferredClass, FirstApplicableTestWins) {
  TTransKits kits = {Word({R(wcNoun), R(wcMod), R(wcMod, 2), R(wcAdj)}),
                     Word({R(wcVerb), R(wcNoun), R(wcAdj)}),
                     Word({R(wcVerb), R(wcNoun), R(wcNoun, 1)}),
                     Word({R(wcVerb), R(wcVAdv)}),
                     Word({R(wcVerb), R(wcNoun), R(wcAdj)})};
  kits[4].Readings[0].HasPrep = 1;  // with a preposition the first nominal class wins
  KeepPreferredClass(kits);
  EXPECT_EQ(Classes(kits[0]), (std::vector<uint16_t>{wcMod, wcMod}));
  EXPECT_EQ(Classes(kits[1]), (std::vector<uint16_t>{wcAdj}));
  EXPECT_EQ(Classes(kits[2]), (std::vector<uint16_t>{wcNoun, wcNoun}));
  EXPECT_EQ(Classes(kits[3]), (std::vector<uint16_t>{wcVerb, wcVAdv}));
  EXPECT_EQ(Classes(kits[4]), (std::vector<uint16_t>{wcNoun}));
}

TEST(ChooseNounNumber, NearestAdjectiveAfterWinsAndSeparatorsStop) {
  // A singular adjective after the noun sends the search backward.
  TTransKits kits = {Word({R(wcAdj, 19)}), Word({R(wcNoun, 1), R(wcNoun, 7), R(wcNoun, 8)}),
                     Word({R(wcAdj, 0)})};
  ChooseNounNumber(kits);
  EXPECT_EQ(Forms(kits[1]), (std::vector<uint16_t>{7}));

  // A plural adjective after it wins over a singular one before it.
  kits = {Word({R(wcAdj, 0)}), Word({R(wcNoun, 1), R(wcNoun, 9)}), Word({R(wcVerb)}),
          Word({R(wcAdj, 29)})};
  ChooseNounNumber(kits);
  EXPECT_EQ(Forms(kits[1]), (std::vector<uint16_t>{9}));

  // Across a separator nothing is chosen.
  kits = {Word({R(wcAdj, 19)}), Separator(), Word({R(wcNoun, 1), R(wcNoun, 7)}), Separator(),
          Word({R(wcAdj, 18)})};
  ChooseNounNumber(kits);
  EXPECT_EQ(Forms(kits[2]), (std::vector<uint16_t>{1, 7}));

  // No plural reading: the slot stays as it is.
  kits = {Word({R(wcAdj, 20)}), Word({R(wcNoun, 1), R(wcNoun, 2)})};
  ChooseNounNumber(kits);
  EXPECT_EQ(Forms(kits[1]), (std::vector<uint16_t>{1, 2}));
}

TEST(PreferNominative, KeepsNominativesAndNeverTheLastReading) {
  TTransKits kits = {Word({R(wcNoun, 1), R(wcNoun, 0), R(wcNoun, 7), R(wcNoun, 6)}),
                     Word({R(wcNoun, 2), R(wcNoun, 3)}), Word({R(wcVerb, 2), R(wcVerb, 3)}),
                     Word({R(wcNoun, 4)})};
  PreferNominative(kits);
  EXPECT_EQ(Forms(kits[0]), (std::vector<uint16_t>{0, 6}));
  EXPECT_EQ(Forms(kits[1]), (std::vector<uint16_t>{3}));
  EXPECT_EQ(Forms(kits[2]), (std::vector<uint16_t>{2, 3}));
  EXPECT_EQ(Forms(kits[3]), (std::vector<uint16_t>{4}));
}

TEST(MoveNegation, PassesAlongAdjectivesToTheNoun) {
  TTransKits kits = {Word({R(wcAdj)}), Word({R(wcVAdj)}), Word({R(wcNoun)}), Word({R(wcAdj)}),
                     Word({R(wcVerb)})};
  kits[0].Readings[0].Negated = 1;
  kits[3].Readings[0].Negated = 1;
  MoveNegation(kits);
  EXPECT_EQ(kits[0].Readings[0].Negated, 0);
  EXPECT_EQ(kits[1].Readings[0].Negated, 0);
  EXPECT_EQ(kits[2].Readings[0].Negated, 1);
  // Before a verb it stays where it is.
  EXPECT_EQ(kits[3].Readings[0].Negated, 1);
  EXPECT_EQ(kits[4].Readings[0].Negated, 0);
}

TEST(RemoveRepeats, AcrossTheSentence) {
  zentrok::TWideStringList seen;
  TTransKits kits = {Word({R(wcNoun, 0, u"йорт")}), Separator(), Word({R(wcNoun, 0, u"йорт")}),
                     Word({R(wcVerb, 0, u"Йорт"), R(wcVerb, 1, u"бел"), R(wcVerb, 2, u"бел")})};
  RemoveRepeats(kits, seen);
  EXPECT_EQ(kits[0].Readings.size(), 1u);
  EXPECT_EQ(kits[2].Readings.size(), 1u);  // its only reading stays
  ASSERT_EQ(kits[3].Readings.size(), 1u);  // case is ignored
  EXPECT_EQ(kits[3].Readings[0].Text, u"бел");
  EXPECT_EQ(seen.GetCount(), 0);
}

TEST(Rules, EmptySlotsAreSafe) {
  TTransKits kits = {Word({}), Word({R(wcAdj, 19)}), Word({}), Word({R(wcNoun, 1), R(wcNoun, 7)})};
  kits[1].Readings[0].HasPrep = 1;
  zentrok::TWideStringList seen;
  KeepPreferredClass(kits);
  ChooseNounNumber(kits);
  PreferNominative(kits);
  MoveNegation(kits);
  RemoveRepeats(kits, seen);
  EXPECT_TRUE(kits[0].Readings.empty());
  EXPECT_EQ(kits[3].Readings.size(), 1u);
}

}  // namespace
}  // namespace rusengine
