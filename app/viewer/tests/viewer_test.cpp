#include "zentrok/ViewerAlpha.h"

#include "test_support.h"

#include <QClipboard>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace zentrok {
namespace {

void SendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons held) {
  QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

// The widget point in the middle of character `chr` of paragraph `para`.
QPoint PointOf(const TViewer& v, int para, int chr) {
  const TPara& p = *v.Paras()[para];
  const TLine& line = p.Lines()[p.LineOf(chr)];
  int x = TViewer::kLeftMargin + p.left + line.x;
  for (int k = line.first; k < chr; ++k) x += p.Quarks()[k].width;
  x += p.Quarks()[chr].width / 4;
  const int y = TViewer::kTopMargin + v.Offset() + p.top + line.bottom - line.height / 2;
  return {x, y};
}

class ViewerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    view.setFont(test::CanvasFont());
    view.resize(300, 200);
    view.show();
  }
  QString LongDocument(int paragraphs) {
    QString d = u"<head><para:id=p><body>"_qs;
    for (int i = 0; i < paragraphs; ++i) d += u"<para=p>Line "_qs + QString::number(i);
    return d;
  }
  QApplication& app = test::App();  // before any widget
  TViewerAlpha view;
};

TEST_F(ViewerTest, ExampleDocumentGivesTwoParagraphs) {
  view.Load(u"<head><font:id=big,size=14,style=bi,color=navy>"
            u"<para:id=p1,idfont=big,align=centre,lind=10><body>Hi<para=p1@2>Title"_qs);
  const TViewer& v = view.Viewer();
  ASSERT_EQ(v.Paras().size(), 2u);
  const TPara& hi = *v.Paras()[0];
  EXPECT_EQ(hi.FatString(), u"Hi "_qs);
  EXPECT_EQ(hi.Sample(), v.Samples().Paras().items[0].get());
  EXPECT_EQ(hi.Quarks()[0].font, v.Samples().Fonts().items[0].get());
  const TPara& title = *v.Paras()[1];
  EXPECT_EQ(title.FatString(), u"Title "_qs);
  EXPECT_EQ(title.BookMark(), 2);
  EXPECT_EQ(title.left, 4 + 10);
  EXPECT_EQ(title.top, hi.Height());
  const TFontSample* big = title.Quarks()[0].font;
  EXPECT_EQ(big->values.name, u"big"_qs);
  EXPECT_EQ(big->font.pointSize(), 14);
  EXPECT_TRUE(big->font.bold() && big->font.italic());
  EXPECT_EQ(big->Color(), QColor(0, 0, 0x80));
  EXPECT_GT(title.Lines()[0].x, 0);  // centred
  EXPECT_EQ(v.DocHeight(), hi.Height() + title.Height());
}

TEST_F(ViewerTest, BodyTextAndTagsBecomeParagraphs) {
  view.Load(u"<head><font:id=b,style=b><body>one <font=x>two<font=b>three"_qs);
  ASSERT_EQ(view.Viewer().Paras().size(), 1u);
  EXPECT_EQ(view.Viewer().Paras()[0]->FatString(), u"one <font=x>twothree "_qs);
  view.Load(u"<head><para:id=p><body><para=p>a<para=p><para=nope>b<para=p>"_qs);
  // The empty text before the first tag is dropped, a later empty paragraph is kept.
  ASSERT_EQ(view.Viewer().Paras().size(), 3u);
  EXPECT_EQ(view.Viewer().Paras()[1]->FatString(), u"<para=nope>b "_qs);
  EXPECT_EQ(view.Viewer().Paras()[2]->FatString(), u" "_qs);
  view.Load(u"<head><para:id=p><body>"_qs);
  EXPECT_TRUE(view.Viewer().Paras().empty());
  EXPECT_EQ(view.Viewer().DocHeight(), 0);
}

TEST_F(ViewerTest, ShortDocumentHasNoScrollBarAndDoesNotScroll) {
  view.Load(u"<head><body>Short text"_qs);
  EXPECT_TRUE(view.ScrollBar()->isHidden());
  for (const int key : {Qt::Key_PageDown, Qt::Key_End, Qt::Key_Down}) {
    QTest::keyClick(&view, Qt::Key(key));
    EXPECT_EQ(view.Viewer().Offset(), 0);
  }
}

TEST_F(ViewerTest, ScrollingStaysWithinTheDocument) {
  view.Load(LongDocument(60));
  const TViewer& v = view.Viewer();
  ASSERT_TRUE(view.ScrollBar()->isVisible());
  EXPECT_EQ(view.ScrollBar()->maximum(), v.DocHeight() - v.AreaHeight());
  QTest::keyClick(&view, Qt::Key_PageUp);
  EXPECT_EQ(v.Offset(), 0);

  QTest::keyClick(&view, Qt::Key_Down);
  const int lineHeight = v.Paras()[0]->Height();
  // The line cut by the bottom edge now ends exactly at the bottom edge.
  EXPECT_EQ((v.AreaHeight() - v.Offset()) % lineHeight, 0);
  QTest::keyClick(&view, Qt::Key_Up);
  EXPECT_EQ(v.Offset(), 0);

  int previous = 0;
  for (int i = 0; i < 100 && (i == 0 || v.Offset() != previous); ++i) {
    previous = v.Offset();
    QTest::keyClick(&view, Qt::Key_PageDown);
    EXPECT_GE(v.Offset(), -v.ScrollLimit());
  }
  EXPECT_EQ(v.Offset(), -v.ScrollLimit());
  EXPECT_EQ(view.ScrollBar()->value(), v.ScrollLimit());
  QTest::keyClick(&view, Qt::Key_PageDown);
  EXPECT_EQ(v.Offset(), -v.ScrollLimit());

  QTest::keyClick(&view, Qt::Key_Home);
  EXPECT_EQ(v.Offset(), 0);
  QTest::keyClick(&view, Qt::Key_End);
  EXPECT_EQ(v.Offset(), -v.ScrollLimit());
  QTest::keyClick(&view, Qt::Key_PageUp);
  EXPECT_LT(v.Offset(), 0);
  EXPECT_GT(v.Offset(), -v.ScrollLimit());
  view.ScrollBar()->setValue(5);
  EXPECT_EQ(v.Offset(), -5);
}

TEST_F(ViewerTest, TabColumnParagraphsFollowTheWidestTabBeforeThem) {
  view.Load(u"<head><para:id=t><para:id=r,rod=true,lind=3><body>"
            u"<para=t>ab\tcd<para=t>abcdefgh\tx<para=r>aligned"_qs);
  const TViewer& v = view.Viewer();
  ASSERT_EQ(v.Paras().size(), 3u);
  const int widest = std::max(v.Paras()[0]->TabColumn(), v.Paras()[1]->TabColumn());
  EXPECT_EQ(widest, v.Paras()[1]->TabColumn());
  EXPECT_EQ(v.TabColumn(), widest);
  EXPECT_EQ(v.Paras()[2]->left, 4 + 3 + widest);
  EXPECT_EQ(v.Paras()[2]->width, v.AreaWidth() - v.Paras()[2]->left);
}

TEST_F(ViewerTest, DoubleClickReportsTheBookmarkedRun) {
  view.Load(u"<head><font:id=link,color=blue,style=u><body>Write to "
            u"<font=link@7>team@zentrok.invalid<font=@0> please"_qs);
  std::vector<TBookMark> clicks;
  view.OnBMClick = [&](QObject* sender, const TBookMark& bm) {
    EXPECT_EQ(sender, &view);
    clicks.push_back(bm);
  };
  const QPoint onLink = PointOf(view.Viewer(), 0, 12);
  SendMouse(&view, QEvent::MouseButtonDblClick, onLink, Qt::LeftButton, Qt::LeftButton);
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0].number, 7);
  EXPECT_EQ(clicks[0].source, bsRun);
  EXPECT_EQ(clicks[0].text, u"team@zentrok.invalid"_qs);

  SendMouse(&view, QEvent::MouseMove, onLink, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(view.cursor().shape(), Qt::PointingHandCursor);
  const QPoint plain = PointOf(view.Viewer(), 0, 1);
  SendMouse(&view, QEvent::MouseMove, plain, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(view.cursor().shape(), Qt::IBeamCursor);
  SendMouse(&view, QEvent::MouseButtonDblClick, plain, Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(clicks.size(), 1u);  // plain text is no bookmark
}

TEST_F(ViewerTest, BookmarkSourcesInOrder) {
  view.Load(u"<head><font:id=f,bm=3><para:id=ps,bm=1><para:id=p><body>"
            u"<para=ps>a<para=p@2>b<font=f>c<para=ps@5>d<font=f@9>e"_qs);
  const TViewer& v = view.Viewer();
  auto at = [&](int para, int chr) { return v.BookMarkAt(v.HitTest(PointOf(v, para, chr).x(), PointOf(v, para, chr).y())); };
  EXPECT_EQ(at(0, 0).source, bsRun);  // a run starts with its paragraph sample's number
  EXPECT_EQ(at(0, 0).number, 1);
  EXPECT_EQ(at(1, 0).source, bsPara);
  EXPECT_EQ(at(1, 0).number, 2);
  EXPECT_EQ(at(1, 1).source, bsFontSample);
  EXPECT_EQ(at(1, 1).number, 3);
  EXPECT_EQ(at(2, 1).number, 9);
  EXPECT_EQ(at(2, 1).text, u"e"_qs);
}

TEST_F(ViewerTest, SelectionAcrossThreeParagraphsCopiesWithLineEnds) {
  view.Load(u"<head><font:id=m,name=DejaVu Sans Mono,size=10><para:id=p,idfont=m><body>"
            u"<para=p>first<para=p>"_qs +
            QString(u"word "_qs).repeated(20) + u"<para=p>last"_qs);
  const TViewer& v = view.Viewer();
  ASSERT_EQ(v.Paras().size(), 3u);
  const TPara& middle = *v.Paras()[1];
  ASSERT_GT(middle.Lines().size(), 1u);

  SendMouse(&view, QEvent::MouseButtonPress, PointOf(v, 0, 2), Qt::LeftButton, Qt::LeftButton);
  SendMouse(&view, QEvent::MouseMove, PointOf(v, 2, 2), Qt::NoButton, Qt::LeftButton);
  SendMouse(&view, QEvent::MouseButtonRelease, PointOf(v, 2, 2), Qt::LeftButton, Qt::NoButton);
  ASSERT_TRUE(view.HasSelection());

  QString expected = u"rst\r\n"_qs;
  for (const TLine& l : middle.Lines()) {
    expected += middle.FatString().mid(l.first, l.count - 1);
    expected += u"\r\n"_qs;
  }
  expected += u"la"_qs;
  EXPECT_EQ(expected.count(u"\r\n"_qs), 1 + int(middle.Lines().size()));
  EXPECT_EQ(v.SelectedText(), expected);

  QGuiApplication::clipboard()->clear();
  view.CopyToClipboard();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);
  QGuiApplication::clipboard()->clear();
  SendMouse(&view, QEvent::MouseButtonPress, PointOf(v, 2, 0), Qt::RightButton, Qt::RightButton);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);  // the right button copies

  SendMouse(&view, QEvent::MouseButtonPress, PointOf(v, 0, 0), Qt::LeftButton, Qt::LeftButton);
  EXPECT_FALSE(view.HasSelection());
  EXPECT_TRUE(v.SelectedText().isEmpty());
}

TEST_F(ViewerTest, DraggingPastTheBottomScrollsALine) {
  view.Load(LongDocument(60));
  const TViewer& v = view.Viewer();
  SendMouse(&view, QEvent::MouseButtonPress, PointOf(v, 0, 0), Qt::LeftButton, Qt::LeftButton);
  SendMouse(&view, QEvent::MouseMove, QPoint(50, view.height() + 5), Qt::NoButton, Qt::LeftButton);
  EXPECT_LT(v.Offset(), 0);
  EXPECT_TRUE(view.HasSelection());
  SendMouse(&view, QEvent::MouseMove, QPoint(50, 1), Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(v.Offset(), 0);
}

TEST_F(ViewerTest, ResizingLaysTheDocumentOutAgain) {
  view.Load(u"<head><body>"_qs + QString(u"many words "_qs).repeated(30));
  const size_t wide = view.Viewer().Paras()[0]->Lines().size();
  view.resize(150, 200);
  EXPECT_GT(view.Viewer().Paras()[0]->Lines().size(), wide);
  EXPECT_EQ(view.Viewer().AreaWidth(), 150 - 8 - view.ScrollBar()->sizeHint().width());
}

TEST_F(ViewerTest, WidgetFontIsTheDocumentsDefault) {
  view.Load(u"<head><body>Text"_qs);
  EXPECT_EQ(view.Viewer().Samples().Fonts().items[0]->values.size, 10);
  const int before = view.Viewer().DocHeight();
  QFont larger = test::CanvasFont();
  larger.setPointSize(20);
  view.setFont(larger);
  EXPECT_EQ(view.Viewer().Samples().Fonts().items[0]->values.size, 20);
  EXPECT_EQ(view.Viewer().Text(), u"<head><body>Text"_qs);
  EXPECT_GT(view.Viewer().DocHeight(), before);
}

}  // namespace
}  // namespace zentrok
