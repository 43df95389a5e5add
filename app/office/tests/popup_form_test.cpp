// TWForm on a real X display: the host window, its place and size in the
// settings, hiding, captions, the context menu, and following the
// selection only while the popup is on screen.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "zentrok/GlobalSettings2.h"
#include "zentrok/GroupBoxW.h"
#include "zentrok/LanguageW.h"
#include "zentrok/MenusW.h"
#include "zentrok/RichEditW.h"
#include "zentrok/WordForm.h"
#include "zentrok/testsupport/XClients.h"

using namespace zentrok;
using namespace zentrok::testx;

namespace {

class FormTest : public ::testing::Test {
protected:
  void SetUp() override {
    QGuiApplication::clipboard()->clear(QClipboard::Selection);
    FillDefaultSettings(Settings, {1280, 800});
    Settings.PopupLeft = 100;
    Settings.PopupTop = 120;
    Settings.PopupWidth = 500;
    Settings.PopupHeight = 300;
    form = std::make_unique<TWForm>();
    form->Servers().SettleMs = 100;
    form->SetTextHandler([this](TMSServers& s) {
      texts.push_back(QString::fromStdU16String(s.Text));
      form->Memo1()->setPlainText(texts.back());
    });
  }
  void TearDown() override {
    form.reset();
    SetInterfaceLanguage(0);
  }
  QWidget* Host() const { return form->Host(); }

  std::unique_ptr<TWForm> form;
  QStringList texts;
};

TEST_F(FormTest, HostIsAHiddenTopmostToolWindowHoldingTheForm) {
  EXPECT_EQ(Host()->windowTitle(), QStringLiteral("Lunaret"));
  EXPECT_TRUE(Host()->isWindow());
  EXPECT_EQ(Host()->windowType(), Qt::Tool);
  EXPECT_TRUE(Host()->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(Host()->isVisible());
  EXPECT_EQ(form->parentWidget(), Host());
  EXPECT_EQ(Host()->minimumSize(), QSize(400, 100));
  EXPECT_EQ(form->Memo1()->PopupMenuW, form->PPM());
}

TEST_F(FormTest, CaptureAndShowPlacesTheHostAndTranslatesOnce) {
  TForeignSelection owner(QStringLiteral("Мин китап укыйм."));
  EXPECT_TRUE(form->CaptureAndShow(TMSServers::appWord, true));
  EXPECT_TRUE(Host()->isVisible());
  EXPECT_EQ(Host()->pos(), QPoint(100, 120));
  EXPECT_EQ(Host()->size(), QSize(500, 300));
  EXPECT_EQ(form->geometry(), QRect(1, 1, 498, 298));
  EXPECT_EQ(texts, QStringList{QStringLiteral("Мин китап укыйм.")});
  EXPECT_EQ(form->CapturedText(), u"Мин китап укыйм.");

  // A new selection while the popup is shown is followed.
  TForeignSelection next(QStringLiteral("Әни өйдә эшли."));
  ASSERT_TRUE(QTest::qWaitFor([&] { return texts.size() == 2; }, 10000));
  EXPECT_EQ(texts.back(), QStringLiteral("Әни өйдә эшли."));
  EXPECT_EQ(form->Memo1()->toPlainText(), QStringLiteral("Әни өйдә эшли."));
}

TEST_F(FormTest, NothingIsShownWithoutShowTextOrOwner) {
  {
    TForeignSelection owner(QStringLiteral("китап"));
    // Captured but not shown: connected, and changes are ignored while hidden.
    EXPECT_TRUE(form->CaptureAndShow(TMSServers::appExcel, false));
    EXPECT_FALSE(Host()->isVisible());
    EXPECT_TRUE(form->Servers().Connected());
    EXPECT_EQ(form->CapturedText(), u"китап");
    TForeignSelection next(QStringLiteral("дәфтәр"));
    QTest::qWait(400);
    EXPECT_TRUE(texts.isEmpty());
  }
  {
    TForeignSelection empty(QString(), false);
    ASSERT_TRUE(QTest::qWaitFor([] {
      const QMimeData* m = QGuiApplication::clipboard()->mimeData(QClipboard::Selection);
      return m && !m->formats().isEmpty();
    }, 5000));
    EXPECT_TRUE(form->CaptureAndShow(TMSServers::appWord, true));
    EXPECT_FALSE(Host()->isVisible());
  }
  ASSERT_TRUE(WaitForNoSelection());
  EXPECT_THROW(form->CaptureAndShow(TMSServers::appWord, true), ESilentAbort);
  EXPECT_FALSE(Host()->isVisible());
  EXPECT_FALSE(form->CaptureAndShow(7, true));
  EXPECT_TRUE(texts.isEmpty());
}

TEST_F(FormTest, SizeNeverFallsBelowTheMinimumAndThePlaceStaysOnScreen) {
  TForeignSelection owner(QStringLiteral("китап"));
  Settings.PopupWidth = 200;
  Settings.PopupHeight = 50;
  ASSERT_TRUE(form->CaptureAndShow(TMSServers::appWord, true));
  EXPECT_EQ(Host()->size(), QSize(400, 100));
  EXPECT_EQ(Settings.PopupWidth, 400);
  EXPECT_EQ(Settings.PopupHeight, 100);

  Host()->resize(300, 60);
  QCoreApplication::processEvents();
  EXPECT_GE(Host()->width(), 400);
  EXPECT_GE(Host()->height(), 100);
  EXPECT_GE(Settings.PopupWidth, 400);
  EXPECT_GE(Settings.PopupHeight, 100);

  // A user's resize and move are stored, also once the window system has
  // reported them back.
  Host()->resize(640, 200);
  Host()->move(30, 40);
  QGuiApplication::sync();
  EXPECT_EQ(Settings.PopupLeft, 30);
  EXPECT_EQ(Settings.PopupTop, 40);
  EXPECT_EQ(Settings.PopupWidth, 640);
  EXPECT_EQ(Settings.PopupHeight, 200);

  // A place off the screen is pulled back onto it.
  form->HidePopup();
  QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  Settings.PopupLeft = area.right() + 500;
  Settings.PopupTop = -300;
  Settings.PopupWidth = area.width() + 100;
  Settings.PopupHeight = 150;
  ASSERT_TRUE(form->CaptureAndShow(TMSServers::appWord, true));
  QRect placed(Host()->pos(), Host()->size());
  EXPECT_TRUE(area.contains(placed)) << placed.x() << "," << placed.y() << " " << placed.width();
  EXPECT_EQ(placed.height(), 150);
}

TEST_F(FormTest, EscapeAndCloseBoxOnlyHideAndTheNextCaptureReturnsToTheLastPlace) {
  TForeignSelection owner(QStringLiteral("китап"));
  ASSERT_TRUE(form->CaptureAndShow(TMSServers::appWord, true));
  Host()->move(60, 70);
  Host()->resize(450, 220);
  QGuiApplication::sync();
  ASSERT_EQ(Settings.PopupLeft, 60);

  Host()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Host()));
  QTest::keyClick(form->Memo1(), Qt::Key_Escape);
  EXPECT_FALSE(Host()->isVisible());
  EXPECT_FALSE(form->Servers().Connected());

  ASSERT_TRUE(form->CaptureAndShow(TMSServers::appWord, true));
  EXPECT_TRUE(Host()->isVisible());
  Host()->close();  // the close box
  EXPECT_FALSE(Host()->isVisible());
  EXPECT_FALSE(form->Servers().Connected());

  ASSERT_TRUE(form->CaptureAndShow(TMSServers::appWord, true));
  EXPECT_EQ(Host()->pos(), QPoint(60, 70));
  EXPECT_EQ(Host()->size(), QSize(450, 220));
}

TEST_F(FormTest, CaptionsFollowDirectionAndInterfaceLanguage) {
  struct Case {
    uint8_t direction, language;
    const char* box;
    const char* clear;
  } cases[] = {
      {1, 0, "Перевод: Русский", "Очистить окно"},
      {0, 0, "Перевод: Татарский", "Очистить окно"},
      {1, 1, "Тәрҗемә: Русча", "Тәрәзәне чистарту"},
      {0, 1, "Тәрҗемә: Татарча", "Тәрәзәне чистарту"},
  };
  for (const Case& c : cases) {
    Settings.Direction = c.direction;
    Settings.InterfaceLanguage = c.language;
    form->RefreshCaptions();
    EXPECT_EQ(form->GroupBoxW2()->ShownCaption(), QString::fromUtf8(c.box));
    EXPECT_EQ(form->Item("ppmClear")->text(), QString::fromUtf8(c.clear));
  }
  QStringList items;
  for (QAction* a : form->PPM()->actions()) items << (a->isSeparator() ? QStringLiteral("-") : a->text());
  EXPECT_EQ(items.join(QLatin1Char('|')),
            QStringLiteral("Кире кагу|-|Күчермә ясау|Кертү|Кисеп алу|Юк итү|-|Тәрәзәне чистарту|-|"
                           "Бөтенесен билгеләү"));
}

TEST_F(FormTest, ContextMenuItemsFollowThePaneAndTheClipboard) {
  auto enabled = [&](const char* name) { return form->Item(name)->isEnabled(); };
  TRichEditW* pane = form->Memo1();
  QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
  form->UpdateMenuItems();
  for (const char* name : {"ppmUndo", "ppmCopy", "ppmPaste", "ppmCut", "ppmDelete", "ppmClear",
                           "ppmSelectAll"})
    EXPECT_FALSE(enabled(name)) << name;

  QGuiApplication::clipboard()->setText(QStringLiteral("буфер"));
  pane->setPlainText(QStringLiteral("Я читаю книгу."));
  form->UpdateMenuItems();
  EXPECT_TRUE(enabled("ppmPaste"));
  EXPECT_TRUE(enabled("ppmClear"));
  EXPECT_TRUE(enabled("ppmSelectAll"));
  EXPECT_FALSE(enabled("ppmCopy"));
  EXPECT_FALSE(enabled("ppmUndo"));

  pane->SetSelStart(2);
  pane->SetSelLength(6);
  form->UpdateMenuItems();
  EXPECT_TRUE(enabled("ppmCopy"));
  EXPECT_TRUE(enabled("ppmCut"));
  EXPECT_TRUE(enabled("ppmDelete"));
  form->Item("ppmDelete")->trigger();
  EXPECT_EQ(pane->toPlainText(), QStringLiteral("Я книгу."));
  form->UpdateMenuItems();
  EXPECT_TRUE(enabled("ppmUndo"));
  form->Item("ppmUndo")->trigger();
  EXPECT_EQ(pane->toPlainText(), QStringLiteral("Я читаю книгу."));

  form->Item("ppmClear")->trigger();
  EXPECT_TRUE(pane->document()->isEmpty());
}

}  // namespace
