// The tray, the hot key and the start commands on a real X server, with
// both engines and the shipped data: another X client (xclip) owns the
// primary selection that the commands capture.
#include <gtest/gtest.h>

#include <QAction>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cstdlib>
#include <xcb/xcb.h>

#include "vennel_test_env.h"
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

using namespace zentrok;

namespace {

const QString kTatar = QStringLiteral("Мин китап укыйм.");

bool WaitFor(const std::function<bool()>& done, int ms) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(10);
  }
  return true;
}

void Pump(int ms) {
  WaitFor([] { return false; }, ms);
}

bool Have(const char* program) {
  return !QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty();
}

// The key code of keysym (in its first shift level) on connection c.
xcb_keycode_t KeyCodeOf(xcb_connection_t* c, uint32_t keysym) {
  const xcb_setup_t* setup = xcb_get_setup(c);
  auto* map = xcb_get_keyboard_mapping_reply(
      c, xcb_get_keyboard_mapping(c, setup->min_keycode,
                                  static_cast<uint8_t>(setup->max_keycode - setup->min_keycode + 1)),
      nullptr);
  if (!map) return 0;
  const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map);
  xcb_keycode_t code = 0;
  for (int k = 0; !code && k <= setup->max_keycode - setup->min_keycode; ++k)
    if (syms[k * map->keysyms_per_keycode] == keysym) code = static_cast<xcb_keycode_t>(setup->min_keycode + k);
  std::free(map);
  return code;
}

// True while some X client owns the primary selection.
bool PrimaryOwned() {
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  bool owned = false;
  if (!xcb_connection_has_error(c)) {
    auto* r = xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, XCB_ATOM_PRIMARY), nullptr);
    owned = r && r->owner != XCB_NONE;
    std::free(r);
  }
  xcb_disconnect(c);
  return owned;
}

// Points the instance socket at a private folder for the test's duration.
class RuntimeDir {
public:
  RuntimeDir() : FOld(qgetenv("XDG_RUNTIME_DIR")) { qputenv("XDG_RUNTIME_DIR", FDir.path().toUtf8()); }
  ~RuntimeDir() { qputenv("XDG_RUNTIME_DIR", FOld); }
  QString Path() const { return FDir.path(); }

private:
  QTemporaryDir FDir;
  QByteArray FOld;
};

class TrayTest : public ::testing::Test {
protected:
  void SetUp() override {
    if (!THotKeys::Available()) GTEST_SKIP() << "*** no X11 display: tray tests skipped ***";
    if (!Have("xclip") || !Have("xdotool")) GTEST_SKIP() << "*** xclip or xdotool missing: tray tests skipped ***";
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
    if (selectionOwner) {
      selectionOwner->kill();
      selectionOwner->waitForFinished(2000);
    }
    tray.reset();
    if (window) window->SetOfficePopup(nullptr);
    popup.reset();
    window.reset();
  }

  // Another X client owns the primary selection with text.
  void Select(const QString& text) {
    if (selectionOwner) {
      selectionOwner->kill();
      selectionOwner->waitForFinished(2000);
    }
    selectionOwner = std::make_unique<QProcess>();
    selectionOwner->start(QStringLiteral("xclip"),
                          {QStringLiteral("-quiet"), QStringLiteral("-selection"), QStringLiteral("primary"),
                           QStringLiteral("-i")});
    ASSERT_TRUE(selectionOwner->waitForStarted(5000));
    selectionOwner->write(text.toUtf8());
    selectionOwner->closeWriteChannel();
    ASSERT_TRUE(WaitFor([] { return PrimaryOwned(); }, 10000)) << "xclip did not take the selection";
  }
  // Nobody owns the selection any more.
  void Unselect() {
    selectionOwner->kill();
    selectionOwner->waitForFinished(2000);
    selectionOwner.reset();
    ASSERT_TRUE(WaitFor([] { return !PrimaryOwned(); }, 10000));
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
  std::unique_ptr<QProcess> selectionOwner;
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
  EXPECT_TRUE(WaitFor([&] { return popup->Host()->isVisible() && !PopupText().isEmpty(); }, 10000));
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
  Pump(100);
  EXPECT_EQ(Source(), kTatar);

  window = std::make_unique<TVennel>(QString::fromStdString(testenv::ProgramDir), LinkedEngines(),
                                     TScreenSize{1920, 1080});
  window->SetOfficePopup(popup.get());
  window->HandleStartCommand(TMSServers::appWord, 3);
  EXPECT_TRUE(window->isVisible());
  Pump(100);
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
  QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("ctrl+Insert")});
  EXPECT_TRUE(WaitFor([&] { return popup->Host()->isVisible() && !PopupText().isEmpty(); }, 10000));
  ExpectTranslation(PopupText());
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(Settings.StartMode, 1);

  // Alt+F4 is not taken from other applications: another client can grab it.
  xcb_connection_t* other = xcb_connect(nullptr, nullptr);
  ASSERT_FALSE(xcb_connection_has_error(other));
  xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(other)).data->root;
  xcb_keycode_t f4 = KeyCodeOf(other, ksF4);
  ASSERT_NE(f4, 0);
  EXPECT_EQ(xcb_request_check(other, xcb_grab_key_checked(other, 1, root, hkAlt, f4, XCB_GRAB_MODE_ASYNC,
                                                         XCB_GRAB_MODE_ASYNC)),
            nullptr);
  xcb_disconnect(other);
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
  xcb_connection_t* other = xcb_connect(nullptr, nullptr);
  ASSERT_FALSE(xcb_connection_has_error(other));
  xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(other)).data->root;
  xcb_keycode_t insert = KeyCodeOf(other, ksInsert);
  ASSERT_NE(insert, 0);
  ASSERT_EQ(xcb_request_check(other, xcb_grab_key_checked(other, 1, root, hkControl, insert,
                                                          XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC)),
            nullptr);
  MakeTray(false);
  xcb_disconnect(other);
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
    ASSERT_TRUE(WaitFor([&] { return second.state() == QProcess::NotRunning; }, 10000));
    EXPECT_EQ(second.exitCode(), 0);
  }

  RuntimeDir runtime;
  TSingleInstance instance;
};

TEST_F(SecondCopyTest, Zentrok3TranslatesTheSelectionAndZentrokBringsTheWindowBack) {
  Select(kTatar);
  Start({QStringLiteral("3")});
  EXPECT_TRUE(WaitFor([&] { return popup->Host()->isVisible() && !PopupText().isEmpty(); }, 10000));
  ExpectTranslation(PopupText());
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(Settings.StartMode, 1);

  Start({});
  EXPECT_TRUE(WaitFor([&] { return window->isVisible(); }, 5000));
  EXPECT_EQ(Settings.StartMode, 0);
  EXPECT_FALSE(popup->Host()->isVisible());
}

}  // namespace
