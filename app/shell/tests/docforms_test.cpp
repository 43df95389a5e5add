#include "AboutForm.h"
#include "HelpForm.h"

#include "zentrok/PackedText.h"
#include "zentrok/testsupport/TestApp.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace zentrok {
namespace {

using test::App;

void Send(QWidget* w, QEvent::Type type) {
  QEvent e(type);
  QApplication::sendEvent(w, &e);
}

void SendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons held) {
  QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

// The widget point on character `chr` of the viewer's first paragraph.
QPoint PointOf(const TViewer& v, int chr) {
  const TPara& p = *v.Paras()[0];
  const TLine& line = p.Lines()[p.LineOf(chr)];
  int x = TViewer::kLeftMargin + p.left + line.x + 1;
  for (int k = line.first; k < chr; ++k) x += p.Quarks()[k].width;
  return {x, TViewer::kTopMargin + p.top + line.bottom - line.height / 2};
}

const char16_t kRussian[] =
    u"<head><font:id=link,color=blue><body>Русский текст для справки, "
    u"<font=link@1>team@zentrok.invalid<font=@0>.";
const char16_t kTatar[] = u"<head><body>Татарча текст, әйе.";

class DocFormsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    App();
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"abtr.bin", "hlpr.bin"}) Write(name, kRussian);
    for (const char* name : {"abtt.bin", "hlpt.bin"}) Write(name, kTatar);
  }
  std::string Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)).toStdString(); }
  void Write(const char* name, std::u16string_view text) { SavePackedText(Path(name), text); }
  void Corrupt(const char* name) {
    std::fstream f(Path(name), std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(8);
    f.write("\xFF\xFF\xFF\xFF\xFF\xFF", 6);
  }

  QTemporaryDir dir;
  int language = 0;
};

TEST_F(DocFormsTest, MissingOrDamagedDocumentsFailCreation) {
  std::remove(Path("hlpt.bin").c_str());
  try {
    THelpForm help(dir.path());
    FAIL() << "created without hlpt.bin";
  } catch (const TPackedTextError& e) {
    EXPECT_NE(std::string(e.what()).find(Path("hlpt.bin")), std::string::npos) << e.what();
  }
  Corrupt("abtr.bin");
  try {
    TAboutForm about(dir.path());
    FAIL() << "created with a damaged abtr.bin";
  } catch (const TPackedTextError& e) {
    EXPECT_NE(std::string(e.what()).find("abtr.bin"), std::string::npos) << e.what();
  }
}

TEST_F(DocFormsTest, EmptyDocumentShowsNothing) {
  Write("hlpr.bin", u"");
  THelpForm help(dir.path());
  EXPECT_TRUE(help.RussianText().isEmpty());
  help.show();
  EXPECT_EQ(help.ShownLanguage(), 0);
  EXPECT_TRUE(help.Viewer()->Viewer().Paras().empty());
}

TEST_F(DocFormsTest, HelpShowsTheInterfaceLanguageAgainAfterASwitch) {
  THelpForm help(dir.path());
  help.SetLanguageSource([this] { return language; });
  EXPECT_EQ(help.size(), QSize(547, 390));
  EXPECT_EQ(help.Viewer()->geometry(), QRect(0, 0, 547, 337));
  EXPECT_EQ(help.BitBtnW1()->size(), QSize(130, 25));
  help.show();
  EXPECT_EQ(help.Viewer()->Viewer().Text(), QString::fromUtf16(kRussian));
  EXPECT_EQ(help.BitBtnW1()->text(), u"Закрыть"_qs);
  EXPECT_EQ(help.CopyAction()->text(), u"Копировать"_qs);
  EXPECT_EQ(help.Viewer()->PageColor(), QColor(Qt::white));
  const QImage shot = help.Viewer()->grab().toImage();
  EXPECT_EQ(shot.pixelColor(help.Viewer()->width() / 2, help.Viewer()->height() - 3),
            QColor(Qt::white));

  language = 1;
  Send(&help, QEvent::WindowActivate);
  EXPECT_EQ(help.ShownLanguage(), 1);
  EXPECT_EQ(help.Viewer()->Viewer().Text(), QString::fromUtf16(kTatar));
  EXPECT_EQ(help.BitBtnW1()->text(), u"Чыгу"_qs);
  EXPECT_EQ(help.CopyAction()->text(), u"Күчермә ясау"_qs);

  language = 2;  // no such document: the viewer keeps what it shows
  Send(&help, QEvent::WindowActivate);
  EXPECT_EQ(help.ShownLanguage(), 2);
  EXPECT_EQ(help.Viewer()->Viewer().Text(), QString::fromUtf16(kTatar));

  QTest::mouseClick(help.BitBtnW1(), Qt::LeftButton);
  EXPECT_FALSE(help.isVisible());
}

TEST_F(DocFormsTest, CopyShortcutBelongsToTheActiveWindow) {
  QWidget main;
  QAction mainCopy(&main);
  mainCopy.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
  main.addAction(&mainCopy);
  int mainCopies = 0;
  QObject::connect(&mainCopy, &QAction::triggered, [&] { ++mainCopies; });

  THelpForm help(dir.path());
  help.SetMainCopyAction(&mainCopy);
  help.show();
  help.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
  EXPECT_TRUE(mainCopy.shortcut().isEmpty());
  EXPECT_FALSE(help.CopyAction()->isEnabled());

  TViewerAlpha* v = help.Viewer();
  SendMouse(v, QEvent::MouseButtonPress, PointOf(v->Viewer(), 0), Qt::LeftButton, Qt::LeftButton);
  SendMouse(v, QEvent::MouseMove, PointOf(v->Viewer(), 7), Qt::NoButton, Qt::LeftButton);
  SendMouse(v, QEvent::MouseButtonRelease, PointOf(v->Viewer(), 7), Qt::LeftButton, Qt::NoButton);
  EXPECT_TRUE(help.CopyAction()->isEnabled());
  QGuiApplication::clipboard()->clear();
  QTest::keyClick(v, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), u"Русский"_qs);
  EXPECT_EQ(mainCopies, 0);

  main.show();
  main.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
  EXPECT_EQ(mainCopy.shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
  QTest::keyClick(&main, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(mainCopies, 1);
}

TEST_F(DocFormsTest, AboutOpensMailtoBookmarksAndClearsOnClose) {
  TAboutForm about(dir.path());
  std::vector<QUrl> opened;
  about.OpenUrl = [&](const QUrl& url) {
    opened.push_back(url);
    return true;
  };
  EXPECT_EQ(about.size(), QSize(622, 315));
  EXPECT_EQ(about.Viewer()->geometry(), QRect(80, 16, 529, 241));
  EXPECT_EQ(about.Image1()->geometry(), QRect(24, 24, 32, 32));
  about.show();
  TViewerAlpha* v = about.Viewer();
  ASSERT_EQ(v->Viewer().Paras().size(), 1u);
  const int at = int(QString(u"Русский текст для справки, "_qs).size()) + 2;  // inside the address
  SendMouse(v, QEvent::MouseButtonDblClick, PointOf(v->Viewer(), at), Qt::LeftButton, Qt::LeftButton);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].toString(), u"mailto:team@zentrok.invalid"_qs);
  SendMouse(v, QEvent::MouseButtonDblClick, PointOf(v->Viewer(), 1), Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(opened.size(), 1u);

  QTest::mouseClick(about.Button1(), Qt::LeftButton);
  EXPECT_FALSE(about.isVisible());
  EXPECT_TRUE(v->Viewer().Paras().empty());
  about.show();
  EXPECT_EQ(v->Viewer().Paras().size(), 1u);
}

// The documents the build packs into the program folder.
TEST(ShippedDocuments, ParseCleanlyInBothLanguages) {
  App();
  const char* bin = std::getenv("ZENTROK_BIN");
  const QString folder = bin ? QString::fromLocal8Bit(bin) : QDir::currentPath();
  TAboutForm about(folder);
  THelpForm help(folder);
  const struct {
    QString text;
    TDocumentForm* form;
    bool isHelp;
  } docs[] = {{about.RussianText(), &about, false}, {about.TatarText(), &about, false},
              {help.RussianText(), &help, true}, {help.TatarText(), &help, true}};
  for (const auto& d : docs) {
    TViewerAlpha* v = d.form->Viewer();
    v->Load(d.text);
    const TViewer& view = v->Viewer();
    ASSERT_FALSE(view.Paras().empty()) << d.text.left(80).toStdString();
    int mailLinks = 0;
    for (const auto& p : view.Paras()) {
      // A misspelt sample name would leave its tag in the text.
      EXPECT_FALSE(p->FatString().contains(u"<para="_qs)) << p->FatString().toStdString();
      EXPECT_FALSE(p->FatString().contains(u"<font="_qs)) << p->FatString().toStdString();
      for (int k = 0; k < p->Count(); ++k) {
        const uint16_t bm = p->Quarks()[k].bm;
        if (bm != 0 && (k == 0 || p->Quarks()[k - 1].bm != bm)) {
          int end = k;
          while (end + 1 < p->Count() - 1 && p->Quarks()[end + 1].bm == bm) ++end;
          const QString run = p->FatString().mid(k, end - k + 1);
          EXPECT_TRUE(run.contains(u'@')) << run.toStdString();
          EXPECT_TRUE(run.contains(u".invalid"_qs)) << run.toStdString();
          ++mailLinks;
        }
      }
    }
    if (d.isHelp) {
      EXPECT_GT(view.Paras().size(), 20u);
      EXPECT_TRUE(view.NeedsScrollBar());
    } else {
      EXPECT_GE(mailLinks, 1);
    }
  }
}

}  // namespace
}  // namespace zentrok
