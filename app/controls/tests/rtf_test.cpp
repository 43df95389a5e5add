#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <vector>

#include "TestUtil.h"
#include "zentrok/RtfReader.h"
#include "zentrok/RtfWriter.h"

namespace zentrok {
namespace {

using test::U;

// One run of text with the attributes the tests compare.
struct Run {
  QString Text;
  bool Bold = false, Italic = false, Underline = false, Strike = false;
  qreal Size = 0;
  QColor Color;  // invalid: automatic
  QString Family;
};

std::vector<Run> Runs(const QTextDocument& doc) {
  std::vector<Run> runs;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
    if (b != doc.begin()) {
      Run mark;
      mark.Text = QStringLiteral("\n");
      runs.push_back(mark);
    }
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      QTextFragment f = it.fragment();
      QTextCharFormat cf = f.charFormat();
      Run r;
      r.Text = f.text();
      r.Bold = cf.fontWeight() >= QFont::DemiBold;
      r.Italic = cf.fontItalic();
      r.Underline = cf.fontUnderline();
      r.Strike = cf.fontStrikeOut();
      r.Size = cf.fontPointSize();
      if (cf.foreground().style() != Qt::NoBrush) r.Color = cf.foreground().color();
      QStringList fam = cf.property(QTextFormat::FontFamilies).toStringList();
      r.Family = fam.isEmpty() ? QString() : fam.first();
      runs.push_back(r);
    }
  }
  return runs;
}

QTextDocument* Read(std::string_view rtf) {
  auto* doc = new QTextDocument;
  ReadRtfDocument(*doc, rtf);
  return doc;
}

// The text with paragraph ends as LF; line breaks and no-break spaces kept.
QString Plain(std::string_view rtf) {
  std::unique_ptr<QTextDocument> doc(Read(rtf));
  QString raw = doc->toRawText();
  return raw.replace(QChar(0x2029), QLatin1Char('\n'));
}

TEST(Rtf, OwnDocumentRoundTripsTextAndStyles) {
  QTextDocument doc;
  doc.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
  QTextCursor c(&doc);
  QTextCharFormat plain;
  c.insertText(U("Сәлам, {мир} \\ җөңүһ\tтаб"), plain);
  QTextCharFormat bold;
  bold.setFontWeight(QFont::Bold);
  bold.setFontPointSize(14);
  bold.setForeground(QColor(255, 0, 0));
  c.insertText(U(" калын"), bold);
  QTextCharFormat italic;
  italic.setFontItalic(true);
  italic.setFontUnderline(true);
  italic.setFontStrikeOut(true);
  italic.setFontFamilies({QStringLiteral("DejaVu Serif")});
  c.insertText(U("курсив") + QChar(0x2028) + U("юл 😀"), italic);
  QTextBlockFormat centred;
  centred.setAlignment(Qt::AlignHCenter);
  centred.setLeftMargin(18);
  c.insertBlock(centred);
  c.insertText(U("икенче абзац"), plain);

  std::string rtf = WriteRtf(doc);
  for (unsigned char b : rtf) ASSERT_LT(b, 0x80) << "RTF must be 7-bit";
  EXPECT_NE(rtf.find("\\ansicpg1251"), std::string::npos);

  std::unique_ptr<QTextDocument> back(Read(rtf));
  EXPECT_EQ(back->toRawText(), doc.toRawText());
  auto runs = Runs(*back);
  ASSERT_EQ(runs.size(), 5u);
  EXPECT_FALSE(runs[0].Bold);
  EXPECT_EQ(runs[0].Size, 10);
  EXPECT_EQ(runs[0].Family, QStringLiteral("DejaVu Sans"));
  EXPECT_FALSE(runs[0].Color.isValid());
  EXPECT_TRUE(runs[1].Bold);
  EXPECT_EQ(runs[1].Size, 14);
  EXPECT_EQ(runs[1].Color, QColor(255, 0, 0));
  EXPECT_TRUE(runs[2].Italic && runs[2].Underline && runs[2].Strike && !runs[2].Bold);
  EXPECT_EQ(runs[2].Family, QStringLiteral("DejaVu Serif"));
  QTextBlockFormat second = back->lastBlock().blockFormat();
  EXPECT_TRUE(second.alignment() & Qt::AlignHCenter);
  EXPECT_EQ(second.leftMargin(), 18);
}

TEST(Rtf, BytesFollowTheCodePageOfDocumentOrFont) {
  EXPECT_EQ(Plain("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8}"), U("При"));
  EXPECT_EQ(Plain("{\\rtf1\\ansi\\ansicpg1252 caf\\'e9}"), U("café"));
  EXPECT_EQ(Plain("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset204 Arial;}{\\f1\\fcharset0 Arial;}}"
                  "\\f0\\'e0\\f1\\'e0}"),
            U("аà"));
  // Raw 8-bit bytes in the text count as \'hh.
  EXPECT_EQ(Plain("{\\rtf1\\ansicpg1251 \xc0}"), U("А"));
}

TEST(Rtf, UnicodeCharactersSkipTheirFallback) {
  EXPECT_EQ(Plain("{\\rtf1\\uc1 \\u1241?\\u1179\\'3f!}"), U("әқ!"));
  EXPECT_EQ(Plain("{\\rtf1\\uc2 \\u1241\\'3f\\'3fz}"), U("әz"));
  EXPECT_EQ(Plain("{\\rtf1\\uc0 \\u1241 z}"), U("әz"));
  EXPECT_EQ(Plain("{\\rtf1 \\u-10179?\\u-8704?}"), U("😀"));
  // A group end stops the skipping.
  EXPECT_EQ(Plain("{\\rtf1\\uc3 {\\u1241}ab}"), U("әab"));
  // A lone surrogate is not kept as such.
  EXPECT_EQ(Plain("{\\rtf1 \\u-10179?x}"), QString(QChar(0xFFFD)) + QLatin1Char('x'));
}

TEST(Rtf, SkipsDestinationsItDoesNotShow) {
  std::string rtf =
      "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial{\\*\\panose 0000}{\\*\\falt Helv};}}"
      "{\\stylesheet{\\s0 Normal;}}{\\info{\\title Secret}{\\author Me}}"
      "{\\*\\generator Writer;}{\\*\\unknowndest hidden}"
      "{\\pict\\pngblip\\bin4 {}\\\\ 89504e47}"
      "{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}"
      "{\\header head}A\\tab B\\line C\\~D\\emdash}";
  EXPECT_EQ(Plain(rtf), U("linkA\tB") + QChar(0x2028) + U("C") + QChar(0xA0) + U("D—"));
}

TEST(Rtf, ParagraphMarksAndCharacterState) {
  EXPECT_EQ(Plain("{\\rtf1 a\\par b\\par}"), U("a\nb"));  // the final mark adds nothing
  EXPECT_EQ(Plain("{\\rtf1 a\\par\\par}"), U("a\n"));
  EXPECT_EQ(Plain("{\\rtf1 a\\par\n\\par b}"), U("a\n\nb"));
  std::unique_ptr<QTextDocument> doc(Read(
      "{\\rtf1{\\colortbl;\\red0\\green128\\blue0;}\\b\\cf1\\fs32 x{\\b0\\i y}\\plain z\\ulnone}"));
  auto runs = Runs(*doc);
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_TRUE(runs[0].Bold);
  EXPECT_EQ(runs[0].Size, 16);
  EXPECT_EQ(runs[0].Color, QColor(0, 128, 0));
  EXPECT_TRUE(!runs[1].Bold && runs[1].Italic);
  EXPECT_EQ(runs[1].Color, QColor(0, 128, 0));  // the group inherits
  EXPECT_TRUE(!runs[2].Bold && !runs[2].Color.isValid());
  EXPECT_EQ(runs[2].Size, 12);
}

TEST(Rtf, MalformedInputEndsSafely) {
  const std::vector<std::string> nasty = {
      "{\\rtf1",
      "{\\rtf1 }}}}} x",
      "{\\rtf1 \\'",
      "{\\rtf1 \\'4",
      "{\\rtf1 \\u",
      "{\\rtf1 \\u99999999999999999999 a}",
      "{\\rtf1 \\fs-5 \\fs99999999999 \\li-99999999999 big}",
      "{\\rtf1 \\bin999999999 xyz",
      "{\\rtf1 \\uc99999 \\u1241 abc}",
      "{\\rtf1 {\\fonttbl;;;\\f}{\\colortbl\\red999;}\\f-1\\cf-3 t}",
      "{\\rtf1 \\aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa1 q}",
      std::string("{\\rtf1 \0\x01\xff}", 11),
      "{\\rtf1 " + std::string(100000, '{') + "deep" + std::string(100000, '}') + "}",
  };
  for (const std::string& rtf : nasty) {
    std::unique_ptr<QTextDocument> doc(Read(rtf));
    EXPECT_LE(doc->characterCount(), 64) << rtf.substr(0, 40);
  }
  EXPECT_EQ(Plain("{\\rtf1 " + std::string(100000, '{') + "deep" + std::string(100000, '}') + "}"),
            U("deep"));
  // Not RTF at all: read as plain 8-bit text.
  EXPECT_EQ(Plain("just text\r\nline"), U("just text\nline"));
}

TEST(Rtf, InsertsAtTheCursorKeepingTheParagraph) {
  QTextDocument doc;
  doc.setPlainText(QStringLiteral("AB"));
  QTextCursor c(&doc);
  c.setPosition(1);
  InsertRtf(c, "{\\rtf1 {\\b x}\\par}");
  EXPECT_EQ(doc.toPlainText(), U("AxB"));
  EXPECT_EQ(c.position(), 2);
}

}  // namespace
}  // namespace zentrok
