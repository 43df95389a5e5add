// RTF exchange with LibreOffice: our RTF opens there with its text and
// styles, and LibreOffice's RTF opens in ours. Needs `soffice`; skips loudly
// when it is not installed.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

#include "TestUtil.h"
#include "zentrok/RtfReader.h"
#include "zentrok/RtfWriter.h"
#include "zentrok/testsupport/Soffice.h"

namespace zentrok {
namespace {

using test::ReadBytes;
using test::U;
using test::WriteBytes;

const char* const kFlatOdt = R"(<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
 office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.text">
 <office:automatic-styles>
  <style:style style:name="T1" style:family="text"><style:text-properties fo:font-weight="bold"/></style:style>
  <style:style style:name="T2" style:family="text"><style:text-properties fo:font-style="italic"/></style:style>
  <style:style style:name="T3" style:family="text"><style:text-properties fo:font-size="16pt" fo:color="#ff0000"/></style:style>
 </office:automatic-styles>
 <office:body><office:text>
  <text:p>Обычный <text:span text:style-name="T1">калын</text:span> <text:span text:style-name="T2">курсив</text:span> <text:span text:style-name="T3">кызыл</text:span></text:p>
  <text:p>Икенче юл: әөүҗңһ</text:p>
 </office:text></office:body></office:document>
)";

// The character format of the fragment holding a word.
bool FindWord(const QTextDocument& doc, const QString& word, QTextCharFormat& format) {
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
    for (auto it = b.begin(); !it.atEnd(); ++it)
      if (it.fragment().text().contains(word)) {
        format = it.fragment().charFormat();
        return true;
      }
  return false;
}

void ExpectStyles(const QTextDocument& doc) {
  QTextCharFormat f;
  ASSERT_TRUE(FindWord(doc, U("калын"), f));
  EXPECT_GE(f.fontWeight(), QFont::DemiBold);
  EXPECT_FALSE(f.fontItalic());
  ASSERT_TRUE(FindWord(doc, U("курсив"), f));
  EXPECT_TRUE(f.fontItalic());
  EXPECT_LT(f.fontWeight(), QFont::DemiBold);
  ASSERT_TRUE(FindWord(doc, U("кызыл"), f));
  EXPECT_EQ(f.fontPointSize(), 16);
  EXPECT_EQ(f.foreground().color(), QColor(255, 0, 0));
  ASSERT_TRUE(FindWord(doc, U("Обычный"), f));
  EXPECT_LT(f.fontWeight(), QFont::DemiBold);
  EXPECT_NE(f.foreground().color(), QColor(255, 0, 0));
}

class RtfOffice : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    if (test::SofficeProgram().isEmpty()) return;
    FDir = new QTemporaryDir;
    const QString dir = FDir->path();
    // Our document: the same words and styles as the LibreOffice one.
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat plain, bold, italic, red;
    bold.setFontWeight(QFont::Bold);
    italic.setFontItalic(true);
    red.setFontPointSize(16);
    red.setForeground(QColor(255, 0, 0));
    c.insertText(U("Обычный "), plain);
    c.insertText(U("калын"), bold);
    c.insertText(U(" "), plain);
    c.insertText(U("курсив"), italic);
    c.insertText(U(" "), plain);
    c.insertText(U("кызыл"), red);
    c.insertBlock();
    c.insertText(U("Икенче юл: әөүҗңһ"), plain);
    WriteBytes((dir + "/ours.rtf").toStdString(), WriteRtf(doc));
    WriteBytes((dir + "/theirs.fodt").toStdString(), kFlatOdt);
    QDir().mkpath(dir + "/rtf");
    QDir().mkpath(dir + "/txt");
    const QString profile = dir + "/profile";
    FOk = test::SofficeConvert({dir + "/ours.rtf", dir + "/theirs.fodt"}, "rtf", dir + "/rtf", profile,
                               &FLog) &&
          test::SofficeConvert({dir + "/ours.rtf"}, "txt:Text (encoded):UTF8", dir + "/txt", profile,
                               &FLog);
  }

  static void TearDownTestSuite() {
    delete FDir;
    FDir = nullptr;
  }

  void SetUp() override {
    ZENTROK_REQUIRE_SOFFICE(QStringLiteral("RTF exchange"));
    ASSERT_TRUE(FOk) << FLog.toStdString();
  }

  static std::string Out(const QString& rel) { return (FDir->path() + "/" + rel).toStdString(); }

  static inline QTemporaryDir* FDir = nullptr;
  static inline bool FOk = false;
  static inline QString FLog;
};

TEST_F(RtfOffice, OurRtfGivesTheSameTextInLibreOffice) {
  QString text = QString::fromUtf8(ReadBytes(Out("txt/ours.txt")));
  if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  EXPECT_EQ(text.trimmed(), U("Обычный калын курсив кызыл\nИкенче юл: әөүҗңһ"));
}

TEST_F(RtfOffice, OurRtfKeepsItsStylesThroughLibreOffice) {
  std::string rtf = ReadBytes(Out("rtf/ours.rtf"));
  ASSERT_FALSE(rtf.empty());
  QTextDocument doc;
  ReadRtfDocument(doc, rtf);
  EXPECT_EQ(doc.toPlainText().trimmed(), U("Обычный калын курсив кызыл\nИкенче юл: әөүҗңһ"));
  ExpectStyles(doc);
}

TEST_F(RtfOffice, LibreOfficeRtfOpensInOurs) {
  std::string rtf = ReadBytes(Out("rtf/theirs.rtf"));
  ASSERT_FALSE(rtf.empty());
  QTextDocument doc;
  ReadRtfDocument(doc, rtf);
  EXPECT_EQ(doc.toPlainText().trimmed(), U("Обычный калын курсив кызыл\nИкенче юл: әөүҗңһ"));
  ExpectStyles(doc);
}

}  // namespace
}  // namespace zentrok
