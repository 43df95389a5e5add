// TMSServers against a real X server: the primary selection owned by
// another X client (xclip, or a second copy of this program offering rich
// text), by this program itself, or by nobody; live following with its
// settle time; and copying the selection to the clipboard.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMimeData>
#include <QProcess>
#include <QTest>

#include "zentrok/MSServers.h"
#include "zentrok/testsupport/XClients.h"

using namespace zentrok;
using namespace zentrok::testx;

namespace {

std::u16string U(const char* utf8) { return QString::fromUtf8(utf8).toStdU16String(); }

class ServersTest : public ::testing::Test {
protected:
  void SetUp() override {
    clipboard = QGuiApplication::clipboard();
    clipboard->clear(QClipboard::Selection);
    servers = std::make_unique<TMSServers>(nullptr);
    servers->SettleMs = 150;
    servers->OnText = [this](TMSServers& s) { reports.push_back(s.Text); };
  }
  void TearDown() override { servers.reset(); }

  QClipboard* clipboard = nullptr;
  std::unique_ptr<TMSServers> servers;
  std::vector<std::u16string> reports;
};

TEST_F(ServersTest, ForeignSelectionIsCapturedForEachApplicationAndOthersAreRefused) {
  TForeignSelection owner(QStringLiteral("Мин китап укыйм.\nӘни өйдә эшли."));
  for (uint8_t app : {TMSServers::appWord, TMSServers::appExcel, TMSServers::appPowerPoint}) {
    EXPECT_TRUE(servers->CaptureSelection(app, false)) << int(app);
    EXPECT_EQ(servers->Text, U("Мин китап укыйм.\nӘни өйдә эшли."));
    EXPECT_EQ(servers->LastApp, app);
    EXPECT_TRUE(servers->Connected());
  }
  EXPECT_TRUE(reports.empty());  // without notify nothing is reported

  for (uint8_t app : {uint8_t(0), uint8_t(4), uint8_t(255)}) {
    EXPECT_FALSE(servers->CaptureSelection(app, true)) << int(app);
    EXPECT_TRUE(servers->Text.empty());
    EXPECT_EQ(servers->LastApp, TMSServers::appPowerPoint);  // last successful capture
  }
  EXPECT_TRUE(reports.empty());

  EXPECT_TRUE(servers->CaptureSelection(TMSServers::appWord, true));
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0], U("Мин китап укыйм.\nӘни өйдә эшли."));

  servers->DisconnectAll();
  EXPECT_FALSE(servers->Connected());
  EXPECT_EQ(servers->LastApp, TMSServers::appNone);
  EXPECT_TRUE(servers->Text.empty());
}

TEST_F(ServersTest, NoOwnerAbortsSilentlyAndEmptySelectionIsNotAnError) {
  {
    TForeignSelection owner(QStringLiteral("китап"));
    owner.Drop();
    ASSERT_TRUE(WaitForNoSelection());
  }
  EXPECT_THROW(servers->CaptureSelection(TMSServers::appWord, true), ESilentAbort);
  EXPECT_THROW(servers->CopyContent(TMSServers::appExcel), ESilentAbort);
  EXPECT_EQ(servers->LastApp, TMSServers::appNone);
  EXPECT_FALSE(servers->Connected());

  // An owner that offers an empty text.
  TForeignSelection empty(QString(), false);
  ASSERT_TRUE(QTest::qWaitFor([&] {
    const QMimeData* m = clipboard->mimeData(QClipboard::Selection);
    return m && !m->formats().isEmpty();
  }, 5000));
  EXPECT_TRUE(servers->CaptureSelection(TMSServers::appWord, true));
  EXPECT_TRUE(servers->Text.empty());
  EXPECT_EQ(servers->LastApp, TMSServers::appWord);
  EXPECT_TRUE(reports.empty());  // an empty text is never reported
}

TEST_F(ServersTest, OwnSelectionIsNeverCaptured) {
  clipboard->setText(QStringLiteral("сайланган текст"), QClipboard::Selection);
  ASSERT_TRUE(clipboard->ownsSelection());
  EXPECT_TRUE(servers->CaptureSelection(TMSServers::appWord, true));
  EXPECT_TRUE(servers->Text.empty());
  EXPECT_TRUE(reports.empty());

  // Nor followed: a change of the own selection reports nothing.
  clipboard->setText(QStringLiteral("башка текст"), QClipboard::Selection);
  QTest::qWait(400);
  EXPECT_TRUE(reports.empty());
}

TEST_F(ServersTest, FollowingReportsASettledNewSelectionOnceUntilDisconnected) {
  servers->SettleMs = 400;
  TForeignSelection first(QStringLiteral("беренче"));
  ASSERT_TRUE(servers->CaptureSelection(TMSServers::appWord, false));

  // A selection dragged over three states within the settle time: the
  // program hears of all three at once, in the order they were made.
  std::vector<std::unique_ptr<TForeignSelection>> drag;
  for (const char* text : {"и", "икенче", "икенче сүз"}) {
    drag.push_back(std::make_unique<TForeignSelection>());
    ASSERT_TRUE(drag.back()->OwnUnheard(QString::fromUtf8(text))) << text;
  }
  ASSERT_TRUE(WaitForSelection(QStringLiteral("икенче сүз")));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !reports.empty(); }, 10000));
  QTest::qWait(2 * servers->SettleMs);  // and nothing after it
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0], U("икенче сүз"));
  EXPECT_EQ(servers->Text, U("икенче сүз"));

  // The same text selected again is not translated again.
  TForeignSelection same(QStringLiteral("икенче сүз"));
  QTest::qWait(800);
  EXPECT_EQ(reports.size(), 1u);

  // After DisconnectAll changes are not followed.
  servers->DisconnectAll();
  TForeignSelection later(QStringLiteral("өченче"));
  QTest::qWait(800);
  EXPECT_EQ(reports.size(), 1u);
}

TEST_F(ServersTest, CopyContentPutsTheSelectionOnTheClipboardOnlyWhenThereIsText) {
  clipboard->setText(QStringLiteral("алдагы"), QClipboard::Clipboard);
  {
    TForeignSelection empty(QString(), false);
    ASSERT_TRUE(QTest::qWaitFor([&] {
      const QMimeData* m = clipboard->mimeData(QClipboard::Selection);
      return m && !m->formats().isEmpty();
    }, 5000));
    for (uint8_t app : {TMSServers::appWord, TMSServers::appExcel, TMSServers::appPowerPoint})
      EXPECT_FALSE(servers->CopyContent(app)) << int(app);
    EXPECT_EQ(clipboard->text(QClipboard::Clipboard), QStringLiteral("алдагы"));
  }
  EXPECT_FALSE(servers->CopyContent(0));
  EXPECT_EQ(servers->LastApp, TMSServers::appNone);

  TForeignSelection owner(QStringLiteral("Я читаю книгу."));
  EXPECT_TRUE(servers->CopyContent(TMSServers::appExcel));
  EXPECT_EQ(servers->LastApp, TMSServers::appExcel);
  EXPECT_EQ(clipboard->text(QClipboard::Clipboard), QStringLiteral("Я читаю книгу."));
  EXPECT_FALSE(clipboard->mimeData(QClipboard::Clipboard)->hasHtml());
}

TEST_F(ServersTest, CopyContentKeepsTheFormattingOfAWordProcessorSelection) {
  // A second copy of this program offers the selection as HTML and text.
  QProcess owner;
  owner.start(QCoreApplication::applicationFilePath(),
              {QStringLiteral("--own-selection"), QStringLiteral("<b>Китап</b> укыйм"),
               QStringLiteral("Китап укыйм")});
  ASSERT_TRUE(owner.waitForStarted(5000));
  ASSERT_TRUE(WaitForSelection(QStringLiteral("Китап укыйм"), 10000));

  EXPECT_TRUE(servers->CopyContent(TMSServers::appWord));
  const QMimeData* copied = clipboard->mimeData(QClipboard::Clipboard);
  EXPECT_EQ(copied->text(), QStringLiteral("Китап укыйм"));
  ASSERT_TRUE(copied->hasHtml());
  EXPECT_TRUE(copied->html().contains(QStringLiteral("<b>Китап</b>")));

  // The spreadsheet and presentation cases copy the text only.
  EXPECT_TRUE(servers->CopyContent(TMSServers::appPowerPoint));
  EXPECT_FALSE(clipboard->mimeData(QClipboard::Clipboard)->hasHtml());
  owner.kill();
  owner.waitForFinished(5000);
}

}  // namespace
