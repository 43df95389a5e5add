// The main window translating captured text into the popup with both real
// engines and the shipped data: live following replaces the translation
// or appends a line, the output target is the popup's pane for the run
// only, and the window's direction, language and mode switches reach the
// popup.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include "zentrok/GlobalSettings2.h"
#include "zentrok/GroupBoxW.h"
#include "zentrok/LanguageW.h"
#include "zentrok/LinkedEngines.h"
#include "zentrok/RichEditW.h"
#include "zentrok/Utf.h"
#include "zentrok/Vennel.h"
#include "zentrok/WordForm.h"
#include "zentrok/testsupport/ProgramEnv.h"
#include "zentrok/testsupport/XClients.h"

using namespace zentrok;
using namespace zentrok::testx;

namespace {

class PopupVennelTest : public ::testing::Test {
protected:
  void SetUp() override {
    if (!testenv::EngineError.empty()) GTEST_SKIP() << "engines: " << testenv::EngineError;
    QGuiApplication::clipboard()->clear(QClipboard::Selection);
    FillDefaultSettings(Settings, {1280, 800});
    Settings.Direction = 1;
    Settings.MarkUntranslated = 1;
    Settings.ClearTranslation = 1;
    Settings.StartMode = 1;
    window = std::make_unique<TVennel>(QString::fromStdString(testenv::ProgramDir),
                                       LinkedEngines(), TScreenSize{1280, 800});
    window->ShowMessage = [this](const QString& text, const QString&) { messages << text; };
    form = std::make_unique<TWForm>();
    form->Servers().SettleMs = 100;
    window->SetOfficePopup(form.get());
    form->SetTextHandler([this](TMSServers& s) {
      ++runs;
      window->TranslateCaptured(s);
      // The window's own pane is the target again after each run.
      EXPECT_EQ(TranslationTarget, &window->Memo2Target());
    });
  }
  void TearDown() override {
    if (window) window->SetOfficePopup(nullptr);
    form.reset();
    window.reset();
    SetInterfaceLanguage(0);
  }
  QString Popup() const { return form->Memo1()->toPlainText(); }
  // Waits for the popup to show a translation of the selection's text.
  bool WaitForRuns(int n) {
    return QTest::qWaitFor([&] { return runs >= n && window->RunState() == TVennel::rsIdle; }, 10000);
  }

  std::unique_ptr<TVennel> window;
  std::unique_ptr<TWForm> form;
  QStringList messages;
  int runs = 0;
};

TEST_F(PopupVennelTest, NewSelectionReplacesTheTranslation) {
  TForeignSelection owner(QStringLiteral("Мин китап укыйм."));
  ASSERT_TRUE(form->CaptureAndShow(TMSServers::appWord, true));
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(Popup().contains(QStringLiteral("книг"))) << Popup().toStdString();
  EXPECT_TRUE(window->Memo2()->document()->isEmpty());  // nothing in the main window

  TForeignSelection next(QStringLiteral("Зурбылдык шәһәрдә яши."));
  ASSERT_TRUE(WaitForRuns(2));
  EXPECT_FALSE(Popup().contains(QStringLiteral("книг"))) << Popup().toStdString();
  EXPECT_TRUE(Popup().contains(QStringLiteral("Зурбылдык"))) << Popup().toStdString();
  EXPECT_EQ(form->Memo1()->document()->blockCount(), 1);
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(PopupVennelTest, WithoutClearTranslationEachSelectionAddsALine) {
  Settings.ClearTranslation = 0;
  TForeignSelection owner(QStringLiteral("Мин китап укыйм."));
  ASSERT_TRUE(form->CaptureAndShow(TMSServers::appWord, true));
  QString first = Popup();
  TForeignSelection next(QStringLiteral("Зурбылдык шәһәрдә яши."));
  ASSERT_TRUE(WaitForRuns(2));
  QStringList lines = Popup().split(QLatin1Char('\n'));
  ASSERT_EQ(lines.size(), 2) << Popup().toStdString();
  EXPECT_EQ(lines[0], first);
  EXPECT_TRUE(lines[1].contains(QStringLiteral("Зурбылдык")));
}

TEST_F(PopupVennelTest, CapturedTextIsTranslatedInEitherDirectionAndStartMode) {
  // In main-window mode the popup still shows the selection's translation,
  // never that of the source pane.
  Settings.StartMode = 0;
  Settings.Direction = 0;
  window->Memo1()->setPlainText(QStringLiteral("Собака бежит."));
  TForeignSelection owner(QStringLiteral("Я читаю книгу."));
  ASSERT_TRUE(form->CaptureAndShow(TMSServers::appWord, true));
  EXPECT_TRUE(Popup().contains(QStringLiteral("китап"))) << Popup().toStdString();
  EXPECT_EQ(Settings.StartMode, 0);
  EXPECT_TRUE(window->Memo2()->document()->isEmpty());

  // Without marking the pieces arrive gathered, nothing is lost.
  Settings.MarkUntranslated = 0;
  TForeignSelection next(QStringLiteral("Я читаю Зурбылдык."));
  ASSERT_TRUE(WaitForRuns(2));
  EXPECT_TRUE(Popup().contains(QStringLiteral("Зурбылдык"))) << Popup().toStdString();
  EXPECT_TRUE(Popup().contains(QStringLiteral("укый"))) << Popup().toStdString();
}

// A long text: its run lets the message loop run after every sentence.
QString LongText(const char* sentence, int count) {
  QString text;
  for (int i = 0; i < count; ++i) text += QString::fromUtf8(sentence) + QLatin1Char(' ');
  return text;
}

TEST_F(PopupVennelTest, SelectionChangeDuringAPopupRunStopsItAndTranslatesTheNewText) {
  TMSServers& servers = form->Servers();
  form->Host()->show();
  servers.Text = LongText("Мин китап укыйм.", 3000).toStdU16String();
  // The change arrives while the first run pumps messages.
  QTimer::singleShot(0, [&] {
    servers.Text = u"Зурбылдык шәһәрдә яши.";
    window->TranslateCaptured(servers);
  });
  window->TranslateCaptured(servers);
  EXPECT_EQ(window->RunState(), TVennel::rsIdle);
  EXPECT_EQ(TranslationTarget, &window->Memo2Target());
  EXPECT_TRUE(Popup().contains(QStringLiteral("Зурбылдык"))) << Popup().toStdString();
  EXPECT_FALSE(Popup().contains(QStringLiteral("книг"))) << Popup().left(200).toStdString();
}

TEST_F(PopupVennelTest, SelectionChangeDuringAMainWindowRunStopsItWithoutTakingItsOutput) {
  Settings.StartMode = 0;
  TMSServers& servers = form->Servers();
  form->Host()->show();
  servers.Text = u"Зурбылдык шәһәрдә яши.";
  window->Memo1()->setPlainText(LongText("Мин китап укыйм.", 3000));
  QTimer::singleShot(0, [&] { window->TranslateCaptured(servers); });
  window->StartTranslation();
  EXPECT_EQ(window->RunState(), TVennel::rsIdle);
  EXPECT_EQ(TranslationTarget, &window->Memo2Target());
  EXPECT_TRUE(window->Memo2()->toPlainText().contains(QStringLiteral("книг")));
  EXPECT_LT(window->Memo2()->toPlainText().size(), window->Memo1()->toPlainText().size() / 2);
  EXPECT_TRUE(form->Memo1()->document()->isEmpty());
}

TEST_F(PopupVennelTest, WindowSwitchesReachThePopup) {
  window->SetDirection(0);
  EXPECT_EQ(form->GroupBoxW2()->ShownCaption(), QStringLiteral("Перевод: Татарский"));
  window->SetInterfaceLanguage(1);
  EXPECT_EQ(form->GroupBoxW2()->ShownCaption(), QStringLiteral("Тәрҗемә: Татарча"));
  EXPECT_EQ(form->Item("ppmCopy")->text(), QStringLiteral("Күчермә ясау"));
  window->SetDirection(1);
  EXPECT_EQ(form->GroupBoxW2()->ShownCaption(), QStringLiteral("Тәрҗемә: Русча"));

  TForeignSelection owner(QStringLiteral("Мин китап укыйм."));
  ASSERT_TRUE(form->CaptureAndShow(TMSServers::appWord, true));
  window->ShowMode(0);
  EXPECT_FALSE(form->Host()->isVisible());
  EXPECT_FALSE(form->Servers().Connected());

  ASSERT_TRUE(form->CaptureAndShow(TMSServers::appWord, true));
  window->Exit();
  EXPECT_FALSE(form->Host()->isVisible());
}

}  // namespace
