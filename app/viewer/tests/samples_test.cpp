#include "zentrok/SamplesVAlpha.h"

#include "test_support.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace zentrok {
namespace {

QString Doc(const QString& head, const QString& body = u"text"_qs) {
  return u"<head>"_qs + head + u"<body>"_qs + body;
}

TEST(TSamples, RejectedDocumentLeavesNoSamples) {
  TSamples s(test::CanvasFont());
  EXPECT_FALSE(s.Load(u"<head><body>"_qs));
  EXPECT_TRUE(s.Fonts().items.empty());
  EXPECT_EQ(s.FontByName(QString()), nullptr);
}

TEST(TSamples, DefaultsComeFromTheCanvasFont) {
  TSamples s(test::CanvasFont(), nullptr, 0x123456);
  ASSERT_TRUE(s.Load(Doc(u"<font:id=strong,style=b>"_qs)));
  const TFontSample* def = s.Fonts().items[0].get();
  EXPECT_EQ(def->values.posz, 75);
  EXPECT_EQ(def->values.defined, (1u << fkCount) - 1);
  const TFontSample* strong = s.FontByName(u"STRONG"_qs);
  ASSERT_NE(strong, def);
  EXPECT_EQ(strong->values.face, u"DejaVu Sans"_qs);
  EXPECT_EQ(strong->values.size, 10);
  EXPECT_EQ(strong->values.color, 0x123456u);
  EXPECT_EQ(strong->values.style, fsBold);
  EXPECT_TRUE(strong->font.bold());
  EXPECT_EQ(strong->font.pointSize(), 10);
}

TEST(TSamples, SameNameReplacesInPlaceAndEarlierCopiesStay) {
  TSamples s(test::CanvasFont());
  ASSERT_TRUE(s.Load(Doc(u"<font:id=a,size=11,color=red><font:id=b/a,style=i>"
                         u"<para:id=pa,idfont=a><font:id=a,size=20><font:id=c/a>"_qs)));
  const auto& items = s.Fonts().items;
  ASSERT_EQ(items.size(), 4u);
  EXPECT_EQ(items[1]->values.name, u"a"_qs);
  EXPECT_EQ(items[1]->values.size, 20);
  EXPECT_EQ(items[1]->values.color, 0u);  // the new definition is based on the default
  EXPECT_EQ(s.FontByName(u"b"_qs)->values.size, 11);
  EXPECT_EQ(s.FontByName(u"b"_qs)->values.color, 0x0000FFu);
  EXPECT_EQ(s.FontByName(u"c"_qs)->values.size, 20);
  // The paragraph sample still draws with the font it was made with.
  const TParaSample* pa = s.ParaByName(u"pa"_qs);
  EXPECT_EQ(pa->font->values.size, 11);
}

TEST(TSamples, SubAndSuperscriptSizes) {
  TSamples s(test::CanvasFont());
  ASSERT_TRUE(s.Load(Doc(u"<font:id=half,size=20,pos=sup,posz=50>"
                         u"<font:id=full,size=20,pos=sup,posz=100>"
                         u"<font:id=odd,size=5,pos=sub,posz=50><font:id=odd2,size=7,pos=sub,posz=150>"
                         u"<font:id=reg,size=20,posz=50><font:id=dflt,size=20,pos=sub>"_qs)));
  EXPECT_EQ(s.FontByName(u"half"_qs)->drawSize, 10);
  EXPECT_EQ(s.FontByName(u"half"_qs)->font.pointSize(), 10);
  EXPECT_EQ(s.FontByName(u"full"_qs)->values.posz, 0);
  EXPECT_EQ(s.FontByName(u"full"_qs)->drawSize, 0);
  EXPECT_EQ(s.FontByName(u"odd"_qs)->drawSize, 2);   // 2.5 -> 2
  EXPECT_EQ(s.FontByName(u"odd2"_qs)->drawSize, 4);  // 150 -> 50; 3.5 -> 4
  EXPECT_EQ(s.FontByName(u"reg"_qs)->drawSize, 20);
  EXPECT_EQ(s.FontByName(u"dflt"_qs)->drawSize, 15);  // default 75 percent
  EXPECT_EQ(ScaledFontSize(15, 10), 2);    // 1.5 -> 2
  EXPECT_EQ(ScaledFontSize(25, 10), 2);    // 2.5 -> 2
}

TEST(TSamples, LookupsFallBackToTheDefaults) {
  TSamples s(test::CanvasFont());
  ASSERT_TRUE(s.Load(Doc(u"<para:id=p,idfont=missing,lind=7><para:id=q/p,align=right>"_qs)));
  EXPECT_FALSE(s.FontExists(u"missing"_qs));
  EXPECT_TRUE(s.FontExists(QString()));
  EXPECT_EQ(s.FontByName(u"missing"_qs), s.Fonts().items[0].get());
  EXPECT_EQ(s.ParaByName(u"p"_qs)->font, s.Fonts().items[0].get());
  EXPECT_TRUE(s.ParaExists(u"Q"_qs));
  EXPECT_EQ(s.ParaByName(u"q"_qs)->values.lind, 7);
  EXPECT_EQ(s.ParaByName(u"q"_qs)->values.align, paRight);
  EXPECT_EQ(s.ParaByName(u"zz"_qs), s.Paras().items[0].get());
}

TEST(TSamples, WidthsAreMeasuredForTheBodysCodePages) {
  TSamples s(test::CanvasFont());
  ASSERT_TRUE(s.Load(Doc(u"<font:id=big,size=30>"_qs, u"Wi Әә"_qs)));
  const TFontSample& big = *s.FontByName(u"big"_qs);
  const QFontMetrics fm(big.font);
  EXPECT_EQ(TSamples::WidthOf(big, u'W'), fm.horizontalAdvance(QChar(u'W')));
  EXPECT_EQ(TSamples::WidthOf(big, u'ә'), fm.horizontalAdvance(QChar(u'ә')));
  EXPECT_GT(TSamples::WidthOf(big, u'W'), TSamples::WidthOf(*s.Fonts().items[0], u'W'));
  EXPECT_EQ(big.widths.blocks.size(), 2u);
  EXPECT_EQ(big.metrics.height, fm.height());
  EXPECT_EQ(big.metrics.ascent + big.metrics.descent, fm.ascent() + fm.descent());
}

}  // namespace
}  // namespace zentrok
