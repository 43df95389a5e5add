#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QTest>
#include <QTextBlock>
#include <QTextFragment>
#include <vector>

#include "TestUtil.h"
#include "zentrok/RichEditW.h"
#include "zentrok/RtfWriter.h"
#include "zentrok/StatusBarW.h"
#include "zentrok/StdCtrlsW.h"
#include "zentrok/TrgErrors.h"

namespace zentrok {
namespace {

using test::Cp;
using test::ReadBytes;
using test::U;
using test::WriteBytes;

// The character format of the fragment that holds document position pos.
QTextCharFormat FormatAt(TRichEditW& e, int pos) {
  QTextCursor c(e.document());
  c.setPosition(pos + 1);
  return c.charFormat();
}

class RichEdit : public ::testing::Test {
protected:
  std::string Path(const char* name) { return (FDir.path() + "/" + name).toStdString(); }
  QTemporaryDir FDir;
  TRichEditW FEdit;
};

TEST_F(RichEdit, AddStyledTextGoesInAtTheCaretWithItsStyle) {
  FEdit.SetText(u"AB");
  const QString face = FormatAt(FEdit, 0).fontFamilies().toStringList().value(0, FEdit.document()->defaultFont().family());
  FEdit.SetSelStart(1);
  FEdit.AddStyledText(u"red", clRed, 10, 0);
  FEdit.AddStyledText(u"bu", clBlue, 12, fsBold | fsUnderline);
  EXPECT_EQ(FEdit.Text(), u"AredbuB");
  QTextCharFormat red = FormatAt(FEdit, 1);
  EXPECT_EQ(red.fontPointSize(), 10);
  EXPECT_EQ(red.foreground().color(), QColor(255, 0, 0));
  EXPECT_EQ(StyleBitsOf(red), 0);
  EXPECT_EQ(red.fontFamilies().toStringList().value(0, FEdit.document()->defaultFont().family()), face);
  QTextCharFormat bu = FormatAt(FEdit, 4);
  EXPECT_EQ(StyleBitsOf(bu), fsBold | fsUnderline);
  EXPECT_EQ(bu.foreground().color(), QColor(0, 0, 255));
  EXPECT_EQ(FEdit.SelStart(), 6);
  EXPECT_FALSE(FEdit.document()->isUndoAvailable());  // no undo record
}

TEST_F(RichEdit, LoadsPlainTextInEveryEncoding) {
  WriteBytes(Path("u16.txt"), EncodeUtf16File(u"Сәлам\r\nдөнья"));
  FEdit.LoadDocument(Path("u16.txt"), dfDetect, false);
  EXPECT_EQ(FEdit.Text(), u"Сәлам\r\nдөнья");
  EXPECT_EQ(FEdit.DocumentFormat(), dfUtf16);
  EXPECT_EQ(FEdit.CaretPos(), QPoint(0, 0));

  WriteBytes(Path("cp.txt"), Cp("Привет, мир"));
  FEdit.LoadDocument(Path("cp.txt"), dfDetect, false);
  EXPECT_EQ(FEdit.Text(), u"Привет, мир");
  EXPECT_EQ(FEdit.DocumentFormat(), dfText8);

  FEdit.clear();
  FEdit.LoadDocument(Path("u16.txt"), dfDetect, true);
  EXPECT_EQ(FEdit.Text(), u"Сәлам\r\nдөнья");
  EXPECT_EQ(FEdit.DocumentFormat(), dfUtf16);
  FEdit.clear();
  FEdit.LoadDocument(Path("cp.txt"), dfDetect, true);
  EXPECT_EQ(FEdit.Text(), u"Привет, мир");
  EXPECT_EQ(FEdit.DocumentFormat(), dfText8);

  WriteBytes(Path("utf8.txt"), "\xD3\x99\xD0\xB9");
  FEdit.LoadDocument(Path("utf8.txt"), dfText8, false);
  EXPECT_EQ(FEdit.Text(), u"әй");
}

TEST_F(RichEdit, ChunkedLoadReportsProgress) {
  std::string bytes;
  for (int i = 0; bytes.size() < 65000; ++i) bytes += Cp("Строка\r\n");
  bytes.resize(65000);
  bytes[29999] = '\r';  // a CR LF across the first chunk boundary
  bytes[30000] = '\n';
  WriteBytes(Path("big.txt"), bytes);
  std::vector<int> reported;
  FEdit.OnLoadProgress = [&](TCustomRichEditW&, int16_t v) { reported.push_back(v); };
  FEdit.LoadDocument(Path("big.txt"), dfDetect, true);
  EXPECT_EQ(reported, (std::vector<int>{12, 25, 38}));
  std::u16string expected = NormalizeLineBreaks(Cp1251ToUtf16(bytes));
  EXPECT_EQ(NormalizeLineBreaks(FEdit.Text()), expected);
  EXPECT_EQ(FEdit.CaretPos(), QPoint(0, 0));

  // An empty file changes nothing.
  WriteBytes(Path("empty.txt"), "");
  FEdit.SetText(u"keep");
  FEdit.LoadDocument(Path("empty.txt"), dfDetect, true);
  EXPECT_EQ(FEdit.Text(), u"keep");
}

TEST_F(RichEdit, SavesAndReloadsTheSameText) {
  const std::u16string text = u"Тәрҗемә\r\nюл\tтаб 😀";
  FEdit.SetText(text);
  FEdit.SaveDocument(Path("out.txt"), dfUtf16);
  EXPECT_EQ(FEdit.DocumentFormat(), dfUtf16);
  EXPECT_EQ(ReadBytes(Path("out.txt")).substr(0, 2), "\xFF\xFE");
  TRichEditW other;
  other.LoadDocument(Path("out.txt"), dfDetect, false);
  EXPECT_EQ(other.Text(), text);

  // 8-bit: code page 1251 when it fits, else UTF-8; both read back.
  FEdit.SetText(u"Привет");
  FEdit.SaveDocument(Path("r.txt"), dfText8);
  EXPECT_EQ(ReadBytes(Path("r.txt")), Cp("Привет"));
  FEdit.SetText(u"Сәлам");
  FEdit.SaveDocument(Path("t.txt"), dfText8);
  other.LoadDocument(Path("t.txt"), dfDetect, false);
  EXPECT_EQ(other.Text(), u"Сәлам");

  // RTF keeps the styles.
  FEdit.clear();
  FEdit.AddStyledText(u"калын", clRed, 14, fsBold);
  FEdit.SaveDocument(Path("s.rtf"), dfRtf);
  other.LoadDocument(Path("s.rtf"), dfRtf, false);
  EXPECT_EQ(other.Text(), u"калын");
  EXPECT_EQ(other.DocumentFormat(), dfRtf);
  EXPECT_EQ(StyleBitsOf(FormatAt(other, 0)), fsBold);
  EXPECT_EQ(FormatAt(other, 0).fontPointSize(), 14);
}

TEST_F(RichEdit, FailedLoadOrSaveRaisesAndKeepsWhatWasThere) {
  FEdit.SetText(u"old");
  try {
    FEdit.LoadDocument(Path("missing.txt"), dfDetect, true);
    FAIL() << "no error";
  } catch (const EFOpenError& e) {
    EXPECT_NE(std::string(e.what()).find("missing.txt"), std::string::npos);
  }
  EXPECT_EQ(FEdit.Text(), u"old");

  const std::string bad = Path("no/such/folder/out.txt");
  try {
    FEdit.SaveDocument(bad, dfUtf16);
    FAIL() << "no error";
  } catch (const EFCreateError& e) {
    EXPECT_NE(std::string(e.what()).find("Cannot create file"), std::string::npos);
    EXPECT_NE(std::string(e.what()).find("no/such/folder/out.txt"), std::string::npos);
  }
  // A save that fails on a name taken by a folder leaves the folder alone.
  QDir(FDir.path()).mkpath("taken");
  EXPECT_THROW(FEdit.SaveDocument(Path("taken"), dfUtf16), EFCreateError);
  EXPECT_TRUE(QFileInfo(QString::fromStdString(Path("taken"))).isDir());
  EXPECT_THROW(FEdit.SaveDocument(Path("x"), dfDetect), ETrgError);
  EXPECT_THROW(FEdit.LoadDocument(Path("x.doc"), dfOffice, false), ETrgError);  // no converter
}

TEST_F(RichEdit, PastesHtmlAsPlainTextAndRichTextWithItsFormatting) {
  auto* html = new QMimeData;
  html->setHtml(QStringLiteral("<b>bold</b> text"));
  html->setText(QStringLiteral("bold text"));
  QApplication::clipboard()->setMimeData(html);
  FEdit.PasteFromClipboard();
  EXPECT_EQ(FEdit.Text(), u"bold text");
  EXPECT_EQ(StyleBitsOf(FormatAt(FEdit, 0)), 0);

  FEdit.clear();
  auto* rich = new QMimeData;
  rich->setData(QStringLiteral("text/rtf"), "{\\rtf1 {\\b bold} text}");
  rich->setHtml(QStringLiteral("<i>bold text</i>"));
  rich->setText(QStringLiteral("bold text"));
  QApplication::clipboard()->setMimeData(rich);
  FEdit.PasteFromClipboard();
  EXPECT_EQ(FEdit.Text(), u"bold text");
  EXPECT_EQ(StyleBitsOf(FormatAt(FEdit, 0)), fsBold);
  EXPECT_EQ(StyleBitsOf(FormatAt(FEdit, 6)), 0);
}

TEST_F(RichEdit, CopyAllKeepsTheSelectionAndCarriesRtf) {
  FEdit.SetText(u"one\r\ntwo");
  FEdit.SetSelStart(1);
  FEdit.SetSelLength(2);
  FEdit.CopyAllToClipboard();
  EXPECT_EQ(FEdit.SelStart(), 1);
  EXPECT_EQ(FEdit.SelLength(), 2);
  const QMimeData* data = QApplication::clipboard()->mimeData();
  ASSERT_TRUE(data);
  EXPECT_EQ(data->text(), QStringLiteral("one\ntwo"));
  EXPECT_TRUE(data->hasFormat(QStringLiteral("text/rtf")));
}

TEST_F(RichEdit, TextRangeAndCaretPosition) {
  FEdit.SetText(u"ab\r\ncde");
  auto all = FEdit.GetTextRange(false);
  EXPECT_EQ(all.Start, 0);
  EXPECT_EQ(all.End, 6);
  EXPECT_EQ(std::u16string(all.Buffer.begin(), all.Buffer.end()), std::u16string(u"ab\rcde\0", 7));
  FEdit.SetCaretPos(QPoint(1, 1));
  EXPECT_EQ(FEdit.SelStart(), 4);
  EXPECT_EQ(FEdit.CaretPos(), QPoint(1, 1));
  FEdit.SetSelLength(2);
  auto sel = FEdit.GetTextRange(true);
  EXPECT_EQ(sel.Start, 4);
  EXPECT_EQ(sel.End, 6);
  EXPECT_EQ(std::u16string(sel.Buffer.begin(), sel.Buffer.end()), std::u16string(u"de\0", 3));
  EXPECT_EQ(FEdit.SelText(), u"de");
}

// The line rules hold for the rich edit's and the memo's lines alike.
void CheckLineRules(TDocumentLinesW& lines) {
  lines.SetTextStr(u"a\r\nb\r\n");
  EXPECT_EQ(lines.GetCount(), 2);  // the empty last line is not counted
  EXPECT_EQ(lines.Get(1), u"b");
  lines.Insert(0, u"z");
  EXPECT_EQ(lines.GetTextStr(), u"z\r\na\r\nb\r\n");
  lines.Add(u"c");  // Add goes to the empty last line
  EXPECT_EQ(lines.GetTextStr(), u"z\r\na\r\nb\r\nc\r\n");
  lines.Delete(1);
  EXPECT_EQ(lines.GetTextStr(), u"z\r\nb\r\nc\r\n");
  lines.Put(0, u"y");
  EXPECT_EQ(lines.GetTextStr(), u"y\r\nb\r\nc\r\n");
  EXPECT_THROW(lines.Get(7), EStringListError);

  lines.SetTextStr(u"x\r\nlast");
  lines.Insert(5, u"far");  // past the end, after a non-empty line
  EXPECT_EQ(lines.GetTextStr(), u"x\r\nlast");
  lines.Insert(2, u"new");
  EXPECT_EQ(lines.GetTextStr(), u"x\r\nlast\r\nnew");
  lines.SetTextStr(u"x\r\n");
  lines.Insert(2, u"none");  // the previous line is empty: nothing
  EXPECT_EQ(lines.GetTextStr(), u"x\r\n");
  lines.Delete(1);  // the last line: its text only
  EXPECT_EQ(lines.GetCount(), 1);
}

TEST_F(RichEdit, LinesFollowTheLineRules) {
  CheckLineRules(FEdit.Lines());
  TCustomMemoW memo;
  CheckLineRules(memo.Lines());
}

// Types text as a keyboard would: one key press and release per character,
// the key code being the character's capital as a Tatar layout gives it.
void Type(QWidget* w, const QString& text) {
  for (QChar ch : text) {
    Qt::Key key = Qt::Key(ch.toUpper().unicode());
    QTest::sendKeyEvent(QTest::Press, w, key, QString(ch), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, w, key, QString(ch), Qt::NoModifier);
  }
}

TEST(Typing, TatarLettersGoInAsThemselves) {
  TRichEditW rich;
  TCustomEditW edit;
  TCustomMemoW memo;
  Type(&rich, U("ә"));
  Type(&edit, U("әү"));
  Type(&memo, U("ө"));
  EXPECT_EQ(rich.Text(), u"\u04D9");
  EXPECT_EQ(edit.Text(), u"\u04D9\u04AF");
  EXPECT_EQ(memo.Text(), u"\u04E9");

  // The hook helpers see the same character, and no character for keys
  // that produce none.
  char16_t ch = 0;
  QKeyEvent letter(QEvent::KeyPress, Qt::Key(0x04D8), Qt::NoModifier, U("ә"));
  EXPECT_TRUE(KeyToWideChar(letter, ch));
  EXPECT_EQ(ch, u'\u04D9');
  QKeyEvent arrow(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
  EXPECT_FALSE(KeyToWideChar(arrow, ch));
  EXPECT_EQ(ch, 0);
  EXPECT_EQ(ShiftStateOf(Qt::ShiftModifier | Qt::ControlModifier, Qt::LeftButton | Qt::MiddleButton),
            1 + 4 + 8 + 32);

  edit.SetCharCase(TEditCharCase::ecUpperCase);
  EXPECT_EQ(edit.Text(), u"\u04D8\u04AE");
  Type(&edit, U("җ"));
  EXPECT_EQ(edit.Text(), u"\u04D8\u04AE\u0496");
}

// A converter that stands in for the office one: it hands over a fixed
// document on load and keeps what it is given on save.
class TStaticServerDOC : public TServerDOC {
public:
  std::vector<int> Stages;
  QByteArray Saved;
  void LoadWordDocument(const std::string& fileName) override {
    if (!OnStage) return;
    FileName = fileName;
    Content.setData(QStringLiteral("text/rtf"), "{\\rtf1 {\\i doc} text}");
    for (int s : {2, 3, 5, 1, 6}) OnStage(*this, s);
  }
  void SaveWordDocument(const std::string& fileName) override {
    if (!OnStage) return;
    for (int s : {0, 2, 3, 5, 4, 6}) OnStage(*this, s);
    Saved = Content.data(QStringLiteral("text/rtf"));
  }
};

TEST_F(RichEdit, OfficeDocumentsMoveThroughTheConverterStages) {
  auto server = std::make_unique<TStaticServerDOC>();
  TStaticServerDOC* s = server.get();
  FEdit.SetServerDOC(std::move(server));
  std::vector<int> stages;
  FEdit.OnDocument = [&](TCustomRichEditW&, int stage) { stages.push_back(stage); };
  FEdit.LoadDocument("in.doc", dfOffice, false);
  EXPECT_EQ(FEdit.Text(), u"doc text");
  EXPECT_EQ(StyleBitsOf(FormatAt(FEdit, 0)), fsItalic);
  EXPECT_EQ(FEdit.DocumentFormat(), dfOffice);
  FEdit.SaveDocument("out.doc", dfOffice);
  EXPECT_NE(s->Saved.indexOf("doc"), -1);
  EXPECT_EQ(stages, (std::vector<int>{2, 3, 5, 1, 6, 0, 2, 3, 5, 4, 6}));
}

TEST(StatusBar, PanelsHoldWideTexts) {
  TStatusBarW bar;
  bar.SetPanelText(2, u"Тәрҗемә");
  EXPECT_EQ(bar.PanelCount(), 3);
  EXPECT_EQ(bar.GetPanelText(2), u"Тәрҗемә");
  EXPECT_EQ(bar.GetPanelText(0), u"");
  bar.SetPanelCaption(0, Cp("Т^aр^jем^a"));
  EXPECT_EQ(bar.GetPanelText(0), u"Тәрҗемә");
  EXPECT_EQ(bar.PanelWidth(0), 50);
  bar.SetAutosizePanels(true);
  EXPECT_EQ(bar.PanelWidth(0), bar.fontMetrics().horizontalAdvance(U(" Тәрҗемә")) + 4);
}

TEST(Attributes, SelectionAndParagraphAttributes) {
  TRichEditW e;
  e.SetText(u"word");
  e.SetSelStart(0);
  e.SetSelLength(4);
  e.SelAttributes().SetStyle(fsItalic | fsStrikeOut);
  e.SelAttributes().SetSize(18);
  EXPECT_EQ(e.SelAttributes().Style(), fsItalic | fsStrikeOut);
  EXPECT_EQ(e.SelAttributes().Size(), 18);
  EXPECT_EQ(e.SelAttributes().Color(), clWindowText);  // automatic colour
  e.SelAttributes().SetColor(clGreen);
  EXPECT_EQ(e.SelAttributes().Color(), clGreen);
  e.SelAttributes().SetColor(clWindowText);
  EXPECT_EQ(e.SelAttributes().Color(), clWindowText);

  e.Paragraph().SetAlignment(TAlignment::taCenter);
  EXPECT_EQ(e.Paragraph().Alignment(), TAlignment::taCenter);
  e.Paragraph().SetNumbering(TNumberingStyle::nsBullet);
  EXPECT_EQ(e.Paragraph().Numbering(), TNumberingStyle::nsBullet);
  EXPECT_EQ(e.Paragraph().LeftIndent(), 10);
  e.Paragraph().SetNumbering(TNumberingStyle::nsNone);
  EXPECT_EQ(e.Paragraph().Numbering(), TNumberingStyle::nsNone);
  EXPECT_EQ(e.Paragraph().LeftIndent(), 0);
}

}  // namespace
}  // namespace zentrok
