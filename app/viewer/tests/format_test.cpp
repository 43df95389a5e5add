#include "zentrok/FormatVAlpha.h"

#include <gtest/gtest.h>

namespace zentrok {
namespace {

TEST(SplitDocument, FindsHeadAndBody) {
  const TDocumentParts p = SplitDocument(u"junk<head><font:id=a><body>Text<head>"_qs);
  ASSERT_TRUE(p.accepted);
  EXPECT_EQ(p.head, u"<font:id=a>"_qs);
  EXPECT_EQ(p.body, u"Text<head>"_qs);
}

TEST(SplitDocument, RejectsIncompleteDocuments) {
  EXPECT_FALSE(SplitDocument(u"<body>text"_qs).accepted);               // no head
  EXPECT_FALSE(SplitDocument(u"<head><font:id=a>"_qs).accepted);        // no body
  EXPECT_FALSE(SplitDocument(u"<body>x<head>y"_qs).accepted);           // body first
  EXPECT_FALSE(SplitDocument(u"<head><font:id=a><body>"_qs).accepted);  // empty body
  EXPECT_FALSE(SplitDocument(u"<HEAD><body>x"_qs).accepted);            // case-sensitive
  EXPECT_TRUE(SplitDocument(u"<head><body> "_qs).accepted);
}

TEST(NextDefinition, SkipsOtherTagsAndStopsAtAStrayCloser) {
  const QString head = u"x<font:id=a> <b> <para:id=p> > <font:id=late>"_qs;
  int cursor = 0;
  QString tag;
  TTagKind kind;
  ASSERT_TRUE(NextDefinition(head, cursor, tag, kind));
  EXPECT_EQ(tag, u"<font:id=a>"_qs);
  EXPECT_EQ(kind, TTagKind::Font);
  ASSERT_TRUE(NextDefinition(head, cursor, tag, kind));
  EXPECT_EQ(tag, u"<para:id=p>"_qs);
  EXPECT_EQ(kind, TTagKind::Para);
  // The next ">" comes before the next "<": the head ends there.
  EXPECT_FALSE(NextDefinition(head, cursor, tag, kind));
}

TEST(ParseFontDefinition, ReadsEveryKeyOfTheExample) {
  const TFontValuesRec r = ParseFontDefinition(u"<font:id=big,size=14,style=bi,color=navy>"_qs);
  EXPECT_EQ(r.name, u"big"_qs);
  EXPECT_EQ(r.size, 14);
  EXPECT_EQ(r.style, fsBold | fsItalic);
  EXPECT_EQ(r.color, 0x800000u);
  EXPECT_EQ(r.defined, (1u << fkName) | (1u << fkSize) | (1u << fkStyle) | (1u << fkColor));
}

TEST(ParseFontDefinition, TrimsValuesToLettersAndDigits) {
  EXPECT_EQ(ParseFontDefinition(u"<font:id=a,size= 12 >"_qs).size, 12);
  EXPECT_EQ(ParseFontDefinition(u"<font:id=a,size=-3>"_qs).size, 3);
  EXPECT_EQ(ParseFontDefinition(u"<font:id=a,name= Liberation Serif >"_qs).face,
            u"Liberation Serif"_qs);
  EXPECT_EQ(ParseFontDefinition(u"<font:id=\"q\">"_qs).name, u"q"_qs);
}

TEST(ParseFontDefinition, ColoursAreNamesOnly) {
  const TFontValuesRec red = ParseFontDefinition(u"<font:id=a,color=Red>"_qs);
  EXPECT_TRUE(red.Has(fkColor));
  EXPECT_EQ(red.color, 0x0000FFu);
  EXPECT_FALSE(ParseFontDefinition(u"<font:id=a,color=255>"_qs).Has(fkColor));
  EXPECT_FALSE(ParseFontDefinition(u"<font:id=a,color=0xFF>"_qs).Has(fkColor));
  EXPECT_FALSE(ParseFontDefinition(u"<font:id=a,color=pink>"_qs).Has(fkColor));
  uint32_t c = 0;
  EXPECT_TRUE(ColorByName(u"YELLOW"_qs, c));
  EXPECT_EQ(c, 0x00FFFFu);
  EXPECT_TRUE(ColorByName(u"dkgray"_qs, c));
  EXPECT_EQ(c, 0x808080u);
}

TEST(ParseFontDefinition, PositionStyleAndUnparsableValues) {
  const TFontValuesRec r = ParseFontDefinition(u"<font:id=s,pos=SUP,posz=60,bm=7,style=xsu>"_qs);
  EXPECT_EQ(r.pos, fpSup);
  EXPECT_EQ(r.posz, 60);
  EXPECT_EQ(r.bm, 7);
  EXPECT_EQ(r.style, fsStrikeOut | fsUnderline);
  // Upper-case style letters do not count, but the style is still defined.
  const TFontValuesRec upper = ParseFontDefinition(u"<font:id=s,style=BI>"_qs);
  EXPECT_TRUE(upper.Has(fkStyle));
  EXPECT_EQ(upper.style, 0);
  const TFontValuesRec bad = ParseFontDefinition(u"<font:id=s,pos=middle,size=12pt,bm=x>"_qs);
  EXPECT_FALSE(bad.Has(fkPos));
  EXPECT_FALSE(bad.Has(fkSize));
  EXPECT_FALSE(bad.Has(fkBookMark));
}

TEST(ParseFontDefinition, IdAndBase) {
  const TFontValuesRec r = ParseFontDefinition(u"<font:size=9,id=caption/plain>"_qs);
  EXPECT_EQ(r.name, u"caption"_qs);
  EXPECT_TRUE(r.Has(fkBase));
  EXPECT_EQ(r.base, u"plain"_qs);
  // Without "id=" the sample has the empty name, and the id bit is still set.
  const TFontValuesRec anon = ParseFontDefinition(u"<font:size=9>"_qs);
  EXPECT_TRUE(anon.name.isEmpty());
  EXPECT_TRUE(anon.Has(fkName));
  EXPECT_FALSE(anon.Has(fkBase));
}

TEST(ParseParaDefinition, ReadsEveryKey) {
  const TParaValuesRec r = ParseParaDefinition(
      u"<para:id=p1/base,idfont=big,align=Centre,lind=10,rind=5,tab=20,bm=2,rod=TRUE>"_qs);
  EXPECT_EQ(r.name, u"p1"_qs);
  EXPECT_EQ(r.base, u"base"_qs);
  EXPECT_EQ(r.font, u"big"_qs);
  EXPECT_EQ(r.align, paCentre);
  EXPECT_EQ(r.lind, 10);
  EXPECT_EQ(r.rind, 5);
  EXPECT_EQ(r.tab, 20);
  EXPECT_EQ(r.bm, 2);
  EXPECT_TRUE(r.rod);
  EXPECT_EQ(r.defined, (1u << pkCount) - 1);

  EXPECT_FALSE(ParseParaDefinition(u"<para:id=p,rod=0>"_qs).rod);
  EXPECT_TRUE(ParseParaDefinition(u"<para:id=p,rod=0>"_qs).Has(pkRod));
  EXPECT_TRUE(ParseParaDefinition(u"<para:id=p,rod=5>"_qs).rod);
  EXPECT_FALSE(ParseParaDefinition(u"<para:id=p,rod=maybe>"_qs).Has(pkRod));
  EXPECT_EQ(ParseParaDefinition(u"<para:id=p,align=just>"_qs).align, paJustify);
  EXPECT_FALSE(ParseParaDefinition(u"<para:id=p,align=center>"_qs).Has(pkAlign));
}

TEST(NextUse, AcceptsOnlyKnownSamples) {
  const auto known = [](const QString& n) { return n == u"big"_qs || n.isEmpty(); };
  const QString body = u"a<font=nope>b<font=big@7>c<font=@0>d<font=big"_qs;
  int cursor = 0;
  TUseTag u = NextUse(body, cursor, TTagKind::Font, known);
  ASSERT_TRUE(u.found);
  EXPECT_EQ(u.before, u"a<font=nope>b"_qs);  // the unknown tag stays literal
  EXPECT_EQ(u.name, u"big"_qs);
  EXPECT_TRUE(u.hasBm);
  EXPECT_EQ(u.bm, 7);
  u = NextUse(body, cursor, TTagKind::Font, known);
  ASSERT_TRUE(u.found);
  EXPECT_EQ(u.before, u"c"_qs);
  EXPECT_TRUE(u.name.isEmpty());
  EXPECT_EQ(u.bm, 0);
  u = NextUse(body, cursor, TTagKind::Font, known);
  EXPECT_FALSE(u.found);
  EXPECT_EQ(u.before, u"d<font=big"_qs);  // no ">": literal
  EXPECT_EQ(cursor, body.size());
}

TEST(NextUse, TrimsNameAndNumberAndKeepsKinds) {
  const auto known = [](const QString& n) { return n == u"p"_qs; };
  int cursor = 0;
  TUseTag u = NextUse(u"x<font=p>y<para= p @ -4 >z"_qs, cursor, TTagKind::Para, known);
  ASSERT_TRUE(u.found);
  EXPECT_EQ(u.before, u"x<font=p>y"_qs);
  EXPECT_EQ(u.bm, 4);
  cursor = 0;
  u = NextUse(u"<para=p@x>"_qs, cursor, TTagKind::Para, known);
  ASSERT_TRUE(u.found);
  EXPECT_FALSE(u.hasBm);
}

TEST(BuildLangTable, PagesInOrderOfFirstOccurrence) {
  const TLangTable t = BuildLangTable(u"Әб a\u2014в"_qs);
  EXPECT_EQ(t, (TLangTable{0x04, 0x00, 0x20}));
}

}  // namespace
}  // namespace zentrok
