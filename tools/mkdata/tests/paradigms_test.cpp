#include <gtest/gtest.h>

#include "Paradigms.h"
#include "zentrok_test_utf8.h"

using namespace mkdata;

TEST(Paradigms, StemIsTheCommonPrefixAndEmptyFormsAreSkipped) {
  TSplit s = SplitForms({{1, u"китап"}, {2, u"китапның"}, {7, u"китабым"}, {9, u""}});
  EXPECT_EQ(U8(s.Stem), "кита");
  ASSERT_EQ(s.Endings.size(), 3u);
  EXPECT_EQ(U8(s.Endings[0].second), "п");
  EXPECT_EQ(s.Endings[2].first, 7);
  EXPECT_EQ(U8(s.Endings[2].second), "бым");
  // a form that is a prefix of the others leaves an empty ending
  TSplit e = SplitForms({{2, u"столы"}, {1, u"стол"}});
  EXPECT_EQ(U8(e.Stem), "стол");
  EXPECT_EQ(e.Endings[0].first, 1);
  EXPECT_EQ(U8(e.Endings[0].second), "");
}

TEST(Paradigms, EqualEndingSetsShareANumber) {
  TParadigmSet set;
  TSplit a = SplitForms({{1, u"стол"}, {2, u"стола"}});
  TSplit b = SplitForms({{1, u"дом"}, {2, u"дома"}});
  TSplit c = SplitForms({{1, u"окно"}, {2, u"окна"}});
  EXPECT_EQ(set.Number(a.Endings), 1);
  EXPECT_EQ(set.Number(b.Endings), 1);
  EXPECT_EQ(set.Number(c.Endings), 2);
  EXPECT_EQ(set.Count(), 2);
}

TEST(Paradigms, EndingRowsListCodesByFormThenParadigm) {
  TEndingIndex idx;
  idx.Add(2, {{3, u"а"}, {1, u""}}, 8);
  idx.Add(1, {{3, u"а"}, {2, u"а"}}, 8);
  const auto& rows = idx.Rows();
  ASSERT_EQ(rows.size(), 2u);
  auto codes = TEndingIndex::Codes(rows.at(u"а"), 8);
  ASSERT_EQ(codes.size(), 3u);
  EXPECT_EQ(codes[0], 1 * 256 + 2);
  EXPECT_EQ(codes[1], 1 * 256 + 3);
  EXPECT_EQ(codes[2], 2 * 256 + 3);
  EXPECT_EQ(TEndingIndex::Codes(rows.at(u"а"), 16)[2], (2 << 16) | 3);
}

TEST(Paradigms, NumbersPastATableFieldFailLoudly) {
  // the Tatar-to-Russian tables keep a paradigm in 8 bits: number 256 must
  // not wrap to 0
  TParadigmSet set("verbs (Tatar)", 255);
  for (int i = 1; i <= 255; ++i) EXPECT_EQ(set.Number({{1, std::u16string(i, u'а')}}), i);
  EXPECT_EQ(set.Number({{1, u"а"}}), 1);  // a known set still gets its number
  try {
    set.Number({{1, u"б"}});
    FAIL() << "paradigm 256 was numbered";
  } catch (const TParadigmLimitError& e) {
    EXPECT_NE(std::string(e.what()).find("verbs (Tatar): more than 255"), std::string::npos) << e.what();
  }
  TEndingIndex idx;
  EXPECT_THROW(idx.Add(256, {{1, u""}}, 8), TParadigmLimitError);
  EXPECT_THROW(idx.Add(1, {{256, u""}}, 8), TParadigmLimitError);
  EXPECT_THROW(idx.Add(32768, {{1, u""}}, 16), TParadigmLimitError);
  EXPECT_NO_THROW(idx.Add(255, {{255, u""}}, 8));
  EXPECT_NO_THROW(idx.Add(32767, {{105, u""}}, 16));
}
