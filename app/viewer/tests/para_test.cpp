#include "zentrok/ParaVAlpha.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <numeric>

namespace zentrok {
namespace {

// Monospaced samples keep the expected line breaks easy to state.
class ParaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(samples.Load(
        u"<head><font:id=m,name=DejaVu Sans Mono,size=10>"
        u"<font:id=big/m,size=30><font:id=up/m,size=20,pos=sup,posz=50>"
        u"<font:id=down/m,size=20,pos=sub,posz=50>"
        u"<para:id=left,idfont=m><para:id=just/left,align=just>"
        u"<para:id=centre/left,align=centre,tab=6><para:id=right/left,align=right>"
        u"<body>x"_qs));
    m = samples.FontByName(u"m"_qs);
    w = TSamples::WidthOf(*m, u'a');
    ASSERT_GT(w, 0);
  }
  std::unique_ptr<TPara> Make(const QString& sample, const QString& text, int width) {
    auto p = std::make_unique<TPara>(samples.ParaByName(sample), 0);
    p->AppendRun(text, m, 0);
    p->width = width;
    return p;
  }
  static int SumWidths(const TPara& p, const TLine& l) {
    int s = 0;
    for (int k = l.first; k < l.first + l.count; ++k) s += p.Quarks()[k].width;
    return s;
  }

  TSamples samples{test::CanvasFont()};
  const TFontSample* m = nullptr;
  int w = 0;
};

TEST_F(ParaTest, WordWiderThanTheParagraphBreaksInside) {
  for (const int width : {w / 2, 2 * w + w / 2}) {
    auto p = Make(u"left"_qs, u"abcdefgh\r"_qs, width);
    p->Layout();
    int covered = 0;
    for (const TLine& l : p->Lines()) {
      EXPECT_GE(l.count, 1);
      EXPECT_EQ(l.first, covered);
      EXPECT_TRUE(l.count == 1 || l.width <= width);
      covered += l.count;
    }
    EXPECT_EQ(covered, p->Count());
    if (width < w) {
      EXPECT_EQ(int(p->Lines().size()), p->Count());
    }
  }
  auto p = Make(u"left"_qs, u"abcdef"_qs, 2 * w + w / 2);
  p->Layout();
  EXPECT_EQ(p->GetText(0, 5), u"ab\r\ncd\r\nef\r\n"_qs);
}

TEST_F(ParaTest, BreaksAtTheLastSpaceThatFits) {
  auto p = Make(u"left"_qs, u"one two\rthree\r"_qs, 9 * w);
  p->Layout();
  ASSERT_EQ(p->Lines().size(), 2u);
  EXPECT_EQ(p->Lines()[0].count, 8);  // "one two" and the inner CR, a break like a space
  EXPECT_EQ(p->Lines()[0].width, 7 * w);
  EXPECT_EQ(p->Quarks()[7].flags, cfCR | cfLineEnd);
  EXPECT_EQ(p->GetText(0, p->Count() - 1), u"one two\r\nthree\r\n"_qs);
  EXPECT_EQ(p->GetText(5, 9), u"wo\r\nth"_qs);
  EXPECT_EQ(p->GetText(4, 3), u"\r\n"_qs);
}

TEST_F(ParaTest, JustifiedLinesFillTheWidthAndTheLastStaysLeft) {
  const int width = 11 * w + 3;
  auto p = Make(u"just"_qs, u"aa bb cc dd ee ff gg hh ii\r"_qs, width);
  p->Layout();
  ASSERT_EQ(p->Lines().size(), 3u);
  for (int l = 0; l < 2; ++l) {
    const TLine& line = p->Lines()[l];
    EXPECT_EQ(line.x, 0);
    EXPECT_EQ(line.width, width);
    EXPECT_EQ(SumWidths(*p, line), width);
    // Spare pixels go one more to the first spaces: widths never grow.
    int previous = INT32_MAX, widened = 0;
    for (int k = line.first; k < line.first + line.count - 1; ++k) {
      if (!(p->Quarks()[k].flags & cfWidened)) continue;
      ++widened;
      EXPECT_LE(p->Quarks()[k].width, previous);
      EXPECT_GE(p->Quarks()[k].width, previous == INT32_MAX ? 0 : previous - 1);
      previous = p->Quarks()[k].width;
    }
    EXPECT_GT(widened, 0);
  }
  const TLine& last = p->Lines()[2];
  EXPECT_EQ(last.x, 0);
  EXPECT_LT(last.width, width);
  for (int k = last.first; k < last.first + last.count; ++k)
    EXPECT_FALSE(p->Quarks()[k].flags & cfWidened);
}

TEST_F(ParaTest, LargeFontRaisesOnlyItsOwnLines) {
  auto p = std::make_unique<TPara>(samples.ParaByName(u"left"_qs), 0);
  p->AppendRun(u"aaaa bbbb "_qs, m, 0);
  p->AppendRun(u"BIG"_qs, samples.FontByName(u"big"_qs), 0);
  p->AppendRun(u" cccc dddd eeee\r"_qs, m, 0);
  p->width = 10 * w;
  p->Layout();
  const int small = m->metrics.height;
  const int large = samples.FontByName(u"big"_qs)->metrics.height;
  ASSERT_GT(large, small);
  int bigLines = 0, total = 0;
  for (const TLine& l : p->Lines()) {
    const bool hasBig = p->FatString().mid(l.first, l.count).contains(u"BIG"_qs) ||
                        p->FatString().mid(l.first, l.count).contains(u'B');
    EXPECT_EQ(l.height, hasBig ? large : small);
    bigLines += hasBig;
    total += l.height;
    EXPECT_EQ(l.bottom, total);
  }
  EXPECT_EQ(bigLines, 1);
  EXPECT_EQ(p->Height(), total);
}

TEST_F(ParaTest, CentreAndRightUseTheAvailableWidth) {
  auto c = Make(u"centre"_qs, u"abc\r"_qs, 10 * w + 1);
  c->Layout();
  // The first line's space is the width less the first-line indent 6.
  const int spare = 10 * w + 1 - 6 - 3 * w;
  const int half = spare / 2 + ((spare % 2) && ((spare / 2) % 2) ? 1 : 0);
  EXPECT_EQ(c->Lines()[0].x, half);
  auto r = Make(u"right"_qs, u"abc\r"_qs, 10 * w);
  r->Layout();
  EXPECT_EQ(r->Lines()[0].x, 7 * w);
}

TEST_F(ParaTest, TabColumnIsMeasuredAfterTheLastTab) {
  auto p = Make(u"left"_qs, u"a\tbb\tc\r"_qs, 40 * w);
  p->Layout();
  ASSERT_TRUE(p->HasTab());
  EXPECT_EQ(p->TabIndex(), 4);
  EXPECT_EQ(p->TabColumn(), 5 * w);
  EXPECT_EQ(p->FatString(), u"a bb c "_qs);
  EXPECT_EQ(p->GetText(0, p->Count() - 1), u"a\tbb\tc\r\n"_qs);
}

TEST_F(ParaTest, SegmentsSplitAtFontChangesWithTheirBaselines) {
  const TFontSample* up = samples.FontByName(u"up"_qs);
  const TFontSample* down = samples.FontByName(u"down"_qs);
  const TFontSample* big = samples.FontByName(u"big"_qs);
  auto p = std::make_unique<TPara>(samples.ParaByName(u"left"_qs), 0);
  p->AppendRun(u"ab"_qs, m, 0);
  p->AppendRun(u"2"_qs, up, 0);
  p->AppendRun(u"c"_qs, big, 0);
  p->AppendRun(u"i\r"_qs, down, 0);
  p->width = 100 * w;
  p->Layout();
  ASSERT_EQ(p->Lines().size(), 1u);
  const TLine& line = p->Lines()[0];
  const auto& segs = p->Segments()[0];
  ASSERT_EQ(segs.size(), 4u);
  EXPECT_EQ(segs[0].count, 2);
  EXPECT_EQ(segs[1].x, 2 * w);
  EXPECT_EQ(line.height, big->metrics.height);
  EXPECT_EQ(segs[0].baseline, line.bottom - big->metrics.descent);
  EXPECT_EQ(segs[1].baseline, line.Top() + up->metrics.ascent);
  EXPECT_EQ(segs[3].baseline, line.bottom - down->metrics.descent);
  EXPECT_TRUE(p->Quarks()[2].flags & cfNewFont);
  EXPECT_FALSE(p->Quarks()[1].flags & cfNewFont);
}

}  // namespace
}  // namespace zentrok
