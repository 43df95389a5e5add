// The tray, the hot key and the start commands on a real X server, with
// both engines and the shipped data: another X client (xclip) owns the
// primary selection that the commands capture.
#include <gtest/gtest.h>

#include <QAction>
#include <QFileInfo>
#include <QProcess>
#include <QSystemTrayIcon>
#include <QTest>

#include "zentrok/HotKey.h"
#include "zentrok/LinkedEngines.h"
#include "zentrok/MenusW.h"
#include "zentrok/RichEditW.h"
#include "zentrok/SingleInstance.h"
#include "zentrok/StatusBarW.h"
#include "zentrok/TrayModule.h"
#include "zentrok/Utf.h"
#include "zentrok/Vennel.h"
#include "zentrok/VennelTexts.h"
#include "zentrok/WordForm.h"
#include "zentrok/testsupport/ProgramEnv.h"
#include "zentrok/testsupport/XClients.h"

using namespace zentrok;
using namespace zentrok::testx;

namespace {

const QString kTatar = QStringLiteral("Мин китап укыйм.");

class TrayTest : public ::testing::Test {
protected:
  void SetUp() override {
    if (!THotKeys::Available()) GTEST_SKIP() << "*** no X11 display: tray tests skipped ***";
    if (!HaveProgram("xclip") || !HaveProgram("xdotool"))
      GTEST_SKIP() << "*** xclip or xdotool missing: tray tests skipped ***";
    if (!testenv::EngineError.empty()) GTEST_SKIP() << "engines: " << testenv::EngineError;
    FillDefaultSettings(Settings, {1920, 1080});
    Settings.Direction = 1;  // Tatar to Russian
    Settings.ClearTranslation = 1;
    Settings.StartMode = 0;
    window = std::make_unique<TVennel>(QString::fromStdString(testenv::ProgramDir), LinkedEngines(),
                                       TScreenSize{1920, 1080});
    window->ShowMessage = [](const QString& text, const QString&) { ADD_FAILURE() << text.toStdString(); };
    popup = std::make_unique<TWForm>();
    window->SetOfficePopup(popup.get());
    popup->SetTextHandler([this](TMSServers& s) { window->TranslateCaptured(s); });
    window->OnExit = [this] { ++exits; };
    window->show();
    QCoreApplication::processEvents();
  }
  void TearDown() override {
    selection.Drop();
    tray.reset();
    if (window) window->SetOfficePopup(nullptr);
    popup.reset();
    window.reset();
  }

  // Another X client owns the primary selection with text.
  void Select(const QString& text) {
    ASSERT_TRUE(selection.Own(text)) << "xclip did not take the selection";
  }
  // Nobody owns the selection any more.
  void Unselect() {
    selection.Drop();
    ASSERT_TRUE(WaitForNoSelection(10000));
  }
  void MakeTray(bool available) {
    tray = std::make_unique<TTrayModule>(*window, popup.get());
    tray->TrayAvailable = [available] { return available; };
    tray->SetUp();
  }
  QString PopupText() const { return popup->Memo1()->toPlainText(); }
  QString Source() const { return window->Memo1()->toPlainText(); }

  std::unique_ptr<TVennel> window;
  std::unique_ptr<TWForm> popup;
  std::unique_ptr<TTrayModule> tray;
  TForeignSelection selection;
  int exits = 0;
};

// The popup holds a Russian translation of the Tatar sentence.
void ExpectTranslation(const QString& text) {
  EXPECT_FALSE(text.trimmed().isEmpty());
  EXPECT_NE(text.trimmed(), kTatar);
  EXPECT_TRUE(text.contains(QStringLiteral("книг"), Qt::CaseInsensitive)) << text.toStdString();
}

TEST_F(TrayTest, StartCommandsTakeTranslateAndPasteTheSelection) {
  Select(kTatar);
  window->Memo2()->setPlainText(QStringLiteral("old translation"));

  // Action 2: the text into the source pane, the translation pane cleared.
  window->HandleStartCommand(TMSServers::appWord, 2);
  EXPECT_EQ(Source(), kTatar);
  EXPECT_TRUE(window->Memo2()->toPlainText().isEmpty());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(Settings.StartMode, 0);
  EXPECT_FALSE(popup->Host()->isVisible());

  // Action 1: tray mode, the translation in the popup, the window hidden.
  window->HandleStartCommand(TMSServers::appWord, 1);
  EXPECT_EQ(Settings.StartMode, 1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return popup->Host()->isVisible() && !PopupText().isEmpty(); }, 10000));
  ExpectTranslation(PopupText());
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(Source(), kTatar);  // the source pane is left alone

  // Application 0 with action 2 only brings the window back, popup hidden.
  window->HandleStartCommand(TMSServers::appNone, 2);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(Settings.StartMode, 0);
  EXPECT_FALSE(popup->Host()->isVisible());
  EXPECT_EQ(Source(), kTatar);

  // Action 3: pasted with the caret at the start and nothing selected.
  Select(QStringLiteral("Алма кызыл."));
  window->Memo2()->setPlainText(QStringLiteral("old"));
  window->Memo1()->setPlainText(QStringLiteral("previous text"));
  window->hide();
  window->HandleStartCommand(TMSServers::appExcel, 3);
  EXPECT_EQ(Source(), QStringLiteral("Алма кызыл."));
  EXPECT_EQ(window->Memo1()->SelStart(), 0);
  EXPECT_EQ(window->Memo1()->SelLength(), 0);
  EXPECT_TRUE(window->Memo2()->toPlainText().isEmpty());
  EXPECT_TRUE(window->isVisible());

  // Unknown actions do nothing.
  window->HandleStartCommand(TMSServers::appWord, 7);
  EXPECT_EQ(Source(), QStringLiteral("Алма кызыл."));
  EXPECT_EQ(Settings.StartMode, 0);
}

TEST_F(TrayTest, AWindowNotYetShownKeepsTheTextItTakes) {
  // As a program started with 1 or 5: the window begins hidden.
  popup->SetTextHandler(nullptr);
  window->SetOfficePopup(nullptr);
  window = std::make_unique<TVennel>(QString::fromStdString(testenv::ProgramDir), LinkedEngines(),
                                     TScreenSize{1920, 1080});
  window->SetOfficePopup(popup.get());
  Settings.StartMode = 1;
  Select(kTatar);
  window->HandleStartCommand(TMSServers::appWord, 2);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(Settings.StartMode, 0);
  QTest::qWait(100);
  EXPECT_EQ(Source(), kTatar);

  window = std::make_unique<TVennel>(QString::fromStdString(testenv::ProgramDir), LinkedEngines(),
                                     TScreenSize{1920, 1080});
  window->SetOfficePopup(popup.get());
  window->HandleStartCommand(TMSServers::appWord, 3);
  EXPECT_TRUE(window->isVisible());
  QTest::qWait(100);
  EXPECT_EQ(Source(), kTatar);
}

TEST_F(TrayTest, CommandsWithoutASelectionOwnerEndSilently) {
  Select(kTatar);
  Unselect();
  window->Memo1()->setPlainText(QStringLiteral("kept"));
  window->Memo2()->setPlainText(QStringLiteral("kept too"));
  window->HandleStartCommand(TMSServers::appWord, 2);
  window->HandleStartCommand(TMSServers::appWord, 3);
  EXPECT_EQ(Source(), QStringLiteral("kept"));
  EXPECT_EQ(window->Memo2()->toPlainText(), QStringLiteral("kept too"));
  EXPECT_EQ(Settings.StartMode, 0);

  // Translating in the popup: tray mode is entered, nothing is shown.
  window->HandleStartCommand(TMSServers::appWord, 1);
  EXPECT_EQ(Settings.StartMode, 1);
  EXPECT_FALSE(popup->Host()->isVisible());
  window->HotKeyPressed(TTrayModule::hkTranslate);
  EXPECT_FALSE(popup->Host()->isVisible());
}

TEST_F(TrayTest, EmptySelectionHidesTheWindowWithoutAPopup) {
  Select(QString());
  window->HandleStartCommand(TMSServers::appWord, 1);
  EXPECT_EQ(Settings.StartMode, 1);
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(popup->Host()->isVisible());
}

TEST_F(TrayTest, CtrlInsertAnywhereTranslatesTheSelectionInThePopup) {
  MakeTray(false);
  ASSERT_TRUE(tray->HotKeyPresent());
  EXPECT_TRUE(window->SB2()->GetPanelText(2).empty());  // nothing to report
  Select(kTatar);
  PressKeys("ctrl+Insert");
  EXPECT_TRUE(QTest::qWaitFor([&] { return popup->Host()->isVisible() && !PopupText().isEmpty(); }, 10000));
  ExpectTranslation(PopupText());
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(Settings.StartMode, 1);

  // Alt+F4 is not taken from other applications: another client can grab it.
  TOtherXClient other;
  ASSERT_TRUE(other.Ok());
  EXPECT_TRUE(other.Grab(hkAlt, ksF4));
}

TEST_F(TrayTest, AltF4EndsTheProgramOnlyFromItsOwnWindow) {
  MakeTray(true);
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  QTest::keyClick(window->Memo1(), Qt::Key_F4, Qt::AltModifier);
  EXPECT_EQ(exits, 1);  // a real exit, not a hide to the tray
  EXPECT_FALSE(window->isVisible());
}

TEST_F(TrayTest, WithoutANotificationAreaClosingEnds) {
  MakeTray(false);
  EXPECT_FALSE(tray->IconPresent());
  EXPECT_FALSE(window->TrayPresent);
  window->close();
  EXPECT_EQ(exits, 1);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(TrayTest, TrayMenuItemsAndTheirCommands) {
  MakeTray(true);
  ASSERT_TRUE(tray->IconPresent());
  EXPECT_TRUE(window->TrayPresent);
  EXPECT_EQ(tray->Icon()->toolTip(), QStringLiteral("Lunaret"));
  EXPECT_FALSE(tray->Icon()->icon().isNull());
  EXPECT_EQ(tray->Icon()->contextMenu(), tray->TrayPopupMenu());

  QStringList items;
  for (QAction* a : tray->TrayPopupMenu()->actions())
    items << (a->isSeparator() ? QStringLiteral("-") : a->text());
  EXPECT_EQ(items, (QStringList{QStringLiteral("Выход"), QStringLiteral("-"), QStringLiteral("Главное окно"),
                                QStringLiteral("-"), QStringLiteral("Отменить")}));
  // One language only: switching the interface leaves them alone.
  window->SetInterfaceLanguage(1);
  EXPECT_EQ(tray->TrayPopupMenu()->actions()[2]->text(), QStringLiteral("Главное окно"));
  window->SetInterfaceLanguage(0);

  auto item = [&](const char* name) {
    return tray->TrayPopupMenu()->findChild<QAction*>(QString::fromLatin1(name));
  };
  // The close box hides the window into the tray; its content stays.
  window->Memo1()->setPlainText(QStringLiteral("content"));
  window->close();
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(exits, 0);
  EXPECT_EQ(Settings.StartMode, 1);

  item("TrayPopupMenu_cancel")->trigger();
  EXPECT_FALSE(window->isVisible());
  item("TrayPopupMenu_General")->trigger();
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(Settings.StartMode, 0);
  EXPECT_EQ(Source(), QStringLiteral("content"));

  item("TrayPopupMenu_exit")->trigger();
  EXPECT_EQ(exits, 1);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(TrayTest, AHotKeyHeldElsewhereOrAnUnreadableSelectionIsReported) {
  // Another X client holds Ctrl+Insert before the tray is set up.
  {
    TOtherXClient other;
    ASSERT_TRUE(other.Ok());
    ASSERT_TRUE(other.Grab(hkControl, ksInsert));
    MakeTray(false);
  }
  EXPECT_FALSE(tray->HotKeyPresent());
  EXPECT_EQ(window->SB2()->GetPanelText(2), CapVariant(PlatformNotice(false, true), 0));

  tray.reset();
  window->SB2()->SetPanelText(2, u"");
  tray = std::make_unique<TTrayModule>(*window, popup.get());
  tray->TrayAvailable = [] { return false; };
  tray->SelectionAvailable = [] { return false; };
  tray->SetUp();
  EXPECT_EQ(window->SB2()->GetPanelText(2), CapVariant(PlatformNotice(false, false), 0));
}

TEST(TrayNotice, SaysWhatIsMissingAndTheRouteThatWorks) {
  EXPECT_STREQ(PlatformNotice(true, true), "");
  std::u16string ru = CapVariant(PlatformNotice(false, true), 0);
  std::u16string tt = CapVariant(PlatformNotice(false, true), 1);
  EXPECT_NE(ru.find(u"zentrok 3"), std::u16string::npos);
  EXPECT_NE(tt.find(u"zentrok 3"), std::u16string::npos);
  EXPECT_NE(tt.find(u'\u04d9'), std::u16string::npos);  // caret letters resolved
  EXPECT_NE(CapVariant(PlatformNotice(true, false), 0), ru);
  EXPECT_EQ(CapVariant(PlatformNotice(false, false), 0), CapVariant(PlatformNotice(true, false), 0));
}

// The built program as a later copy: it hands its start command over the
// instance channel to the copy running in this process.
class SecondCopyTest : public TrayTest {
protected:
  void SetUp() override {
    TrayTest::SetUp();
    if (IsSkipped()) return;
    if (!QFileInfo::exists(QString::fromStdString(testenv::ProgramDir) + QStringLiteral("zentrok")))
      GTEST_SKIP() << "*** the zentrok program is not built ***";
    ASSERT_FALSE(instance.IsSecondInstance());
    instance.OnStartCommand = [this](uint8_t a, int32_t b) { window->HandleStartCommand(a, b); };
  }
  void Start(const QStringList& args) {
    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.Path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    second.setProcessEnvironment(env);
    second.start(QString::fromStdString(testenv::ProgramDir) + QStringLiteral("zentrok"), args);
    ASSERT_TRUE(second.waitForStarted(5000));
    // The second copy ends at once; this copy must run its event loop meanwhile.
    ASSERT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 10000));
    EXPECT_EQ(second.exitCode(), 0);
  }

  testenv::TRuntimeDir runtime;
  TSingleInstance instance;
};

TEST_F(SecondCopyTest, Zentrok3TranslatesTheSelectionAndZentrokBringsTheWindowBack) {
  Select(kTatar);
  Start({QStringLiteral("3")});
  EXPECT_TRUE(QTest::qWaitFor([&] { return popup->Host()->isVisible() && !PopupText().isEmpty(); }, 10000));
  ExpectTranslation(PopupText());
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(Settings.StartMode, 1);

  Start({});
  EXPECT_TRUE(QTest::qWaitFor([&] { return window->isVisible(); }, 5000));
  EXPECT_EQ(Settings.StartMode, 0);
  EXPECT_FALSE(popup->Host()->isVisible());
}

}  // namespace
