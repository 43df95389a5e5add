// The main window with both real engines and the shipped data: translating
// with Insert, selections, stopping a run, the options, the language and
// direction switches, line counts, geometry, and documents.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QSplitter>
#include <QToolBar>
#include <QUrl>

#include "zentrok/ButtonsW.h"
#include "zentrok/GroupBoxW.h"
#include "zentrok/HintWindowW.h"
#include "zentrok/LanguageW.h"
#include "zentrok/LinkedEngines.h"
#include "zentrok/MenusW.h"
#include "zentrok/RichEditW.h"
#include "zentrok/StatusBarW.h"
#include "zentrok/Utf.h"
#include "zentrok/Vennel.h"
#include "zentrok/testsupport/ProgramEnv.h"

using namespace zentrok;

namespace {

std::string S(const std::u16string& s) { return Utf16ToUtf8(s); }
std::string S(const QString& s) { return s.toStdString(); }

// The foreground colour of the first occurrence of word in a pane.
QColor ColorOf(QTextEdit* pane, const QString& word) {
  QTextCursor c = pane->document()->find(word);
  if (c.isNull()) return {};
  QTextCursor at(pane->document());
  at.setPosition(c.selectionStart() + 1);
  return at.charFormat().foreground().color();
}

class VennelTest : public ::testing::Test {
protected:
  void SetUp() override {
    if (!testenv::EngineError.empty()) GTEST_SKIP() << "engines: " << testenv::EngineError;
    FillDefaultSettings(Settings, {1920, 1080});
    Settings.Direction = 1;
    Settings.MarkUntranslated = 1;
    Settings.ClearTranslation = 1;
    Settings.StartMode = 0;
    window = std::make_unique<TVennel>(QString::fromStdString(testenv::ProgramDir), LinkedEngines(),
                                       TScreenSize{1920, 1080});
    window->ShowMessage = [this](const QString& text, const QString& caption) {
      messages.push_back(caption + QStringLiteral(": ") + text);
    };
    window->show();
    QCoreApplication::processEvents();
    window->Memo1()->setFocus();
  }
  void TearDown() override {
    window.reset();
    SetInterfaceLanguage(0);
  }

  void Type(const QString& text) {
    window->Memo1()->setFocus();
    window->Memo1()->setPlainText(text);
  }
  QString Out() const { return window->Memo2()->toPlainText(); }

  std::unique_ptr<TVennel> window;
  QStringList messages;
};

TEST_F(VennelTest, InsertTranslatesIntoMemo2WithUnknownWordsMarked) {
  QTest::keyClick(window->Memo1(), Qt::Key_Insert);  // empty source: nothing happens
  EXPECT_TRUE(Out().isEmpty());
  EXPECT_EQ(window->RunState(), TVennel::rsIdle);

  Type(QStringLiteral("Мин китап укыйм. Зурбылдык китап."));
  QTest::keyClick(window->Memo1(), Qt::Key_Insert);
  QString out = Out();
  EXPECT_TRUE(out.contains(QStringLiteral("книг"))) << S(out);
  EXPECT_TRUE(out.contains(QStringLiteral("Зурбылдык"))) << S(out);
  EXPECT_EQ(ColorOf(window->Memo2(), QStringLiteral("Зурбылдык")), QColor(0, 128, 0));
  EXPECT_NE(ColorOf(window->Memo2(), QStringLiteral("книг")), QColor(0, 128, 0));
  EXPECT_EQ(S(window->SB2()->GetPanelText(0)), "1 строка");
  EXPECT_EQ(S(window->BitBtn4()->ShownCaption()), "Перевод");
  EXPECT_TRUE(window->Memo2()->isEnabled());

  // Insert in the translation pane is the same command, run once (a second
  // run would add a line, the pane not being cleared).
  Settings.ClearTranslation = 0;
  window->Memo2()->clear();
  QTest::keyClick(window->Memo2(), Qt::Key_Insert);
  EXPECT_EQ(Out(), out);
  Settings.ClearTranslation = 1;
  // Ctrl+N in a pane is the same command.
  window->Memo2()->clear();
  QTest::keyClick(window->Memo1(), Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(Out(), out);
}

TEST_F(VennelTest, SelectionTranslatesOnlyTheSelection) {
  Type(QStringLiteral("Мин китап укыйм. Зурбылдык."));
  QString all = window->Memo1()->toPlainText();
  window->Memo1()->SetSelStart(all.indexOf(QStringLiteral("Зурбылдык")));
  window->Memo1()->SetSelLength(9);
  QTest::keyClick(window->Memo1(), Qt::Key_Insert);
  EXPECT_EQ(Out().trimmed(), QStringLiteral("Зурбылдык"));
}

TEST_F(VennelTest, TranslateDuringARunStopsAfterTheCurrentSentence) {
  QString text;
  for (int i = 0; i < 300; ++i) text += QStringLiteral("Мин китап укыйм. ");
  Type(text);
  bool sawStop = false;
  QTimer::singleShot(0, window.get(), [&] {
    sawStop = S(window->BitBtn4()->ShownCaption()) == "Стоп";
    window->BitBtn4()->click();  // Stop: only the flag changes
    EXPECT_EQ(window->RunState(), TVennel::rsRunning);
  });
  window->StartTranslation();
  EXPECT_TRUE(sawStop);
  EXPECT_EQ(window->RunState(), TVennel::rsIdle);
  EXPECT_EQ(S(window->BitBtn4()->ShownCaption()), "Перевод");
  int done = static_cast<int>(Out().count(QStringLiteral("книг")));
  EXPECT_GE(done, 1);
  EXPECT_LE(done, 2);
}

TEST_F(VennelTest, ExitDuringARunClosesOnceTheRunHasEnded) {
  QString text;
  for (int i = 0; i < 300; ++i) text += QStringLiteral("Мин китап укыйм. ");
  Type(text);
  bool stillOpen = false;
  QTimer::singleShot(0, window.get(), [&] {
    window->Exit();
    stillOpen = window->isVisible();  // the run is still on the stack
  });
  window->StartTranslation();
  EXPECT_TRUE(stillOpen);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(window->RunState(), TVennel::rsIdle);
  EXPECT_EQ(Settings.MainWindow, 0);
}

TEST_F(VennelTest, StartModeChoosesTheTextOfARun) {
  Type(QStringLiteral("Зурбылдык."));
  Settings.StartMode = 1;  // the captured office text, not the source pane
  window->SetCapturedText(u"Мин китап укыйм.");
  window->StartTranslation();
  EXPECT_TRUE(Out().contains(QStringLiteral("книг"))) << S(Out());
  EXPECT_FALSE(Out().contains(QStringLiteral("Зурбылдык")));
  window->Memo2()->clear();
  Settings.StartMode = 5;  // any other mode translates the source pane
  window->StartTranslation();
  EXPECT_TRUE(Out().contains(QStringLiteral("Зурбылдык"))) << S(Out());
  EXPECT_EQ(Settings.StartMode, 5);
}

TEST_F(VennelTest, BasicFontGoesToTheSourceTextAndBothPanesDefaults) {
  Type(QStringLiteral("Мин китап укыйм."));
  window->ExecFontDialog = [](QFont& font, TColor& color, bool basic) {
    EXPECT_TRUE(basic);
    font = QFont(QStringLiteral("DejaVu Serif"));
    font.setPointSize(30);
    font.setItalic(true);
    color = 0x0000FF;
    return true;
  };
  window->Item("mmServ_Font_basic")->trigger();
  EXPECT_EQ(Settings.BasicFontSize, 22);  // the dialog's sizes end at 22
  EXPECT_EQ(Settings.BasicFontStyle, fsItalic);
  EXPECT_EQ(Settings.BasicFontColor, 0x0000FF);
  EXPECT_EQ(std::string(GetShortString(Settings.BasicFontName)), "DejaVu Serif");
  QTextCursor c(window->Memo1()->document());
  c.setPosition(3);
  EXPECT_TRUE(c.charFormat().fontItalic());
  EXPECT_EQ(c.charFormat().foreground().color(), QColor(255, 0, 0));
  EXPECT_EQ(window->Memo1()->SelLength(), 0);
  EXPECT_EQ(window->Memo2()->DefAttributes().Size(), 22);

  window->ExecFontDialog = [](QFont& font, TColor& color, bool basic) {
    EXPECT_FALSE(basic);
    font.setBold(true);
    color = 0x00FF00;
    return true;
  };
  window->Item("mmServ_Font_mark")->trigger();
  EXPECT_EQ(Settings.MarkFontStyle, fsBold);
  EXPECT_EQ(Settings.MarkFontColor, 0x00FF00);
}

TEST_F(VennelTest, ClearTranslationOffStartsEachRunOnANewLine) {
  window->Item("mmSets_cleartrans")->trigger();
  EXPECT_EQ(Settings.ClearTranslation, 0);
  Type(QStringLiteral("Мин китап укыйм."));
  window->StartTranslation();
  window->StartTranslation();
  QStringList lines = Out().split(QLatin1Char('\n'));
  ASSERT_EQ(lines.size(), 2) << S(Out());
  EXPECT_EQ(lines[0], lines[1]);
  EXPECT_FALSE(lines[0].isEmpty());

  window->Item("mmSets_cleartrans")->trigger();
  window->StartTranslation();
  EXPECT_EQ(Out(), lines[0]);
}

TEST_F(VennelTest, UnmarkedOutputKeepsAllTextInTheBasicStyle) {
  Type(QStringLiteral("Мин китап укыйм. Зурбылдык китап."));
  window->StartTranslation();
  QString marked = Out();
  window->Item("mmSets_seluntrans")->trigger();
  EXPECT_EQ(Settings.MarkUntranslated, 0);
  window->StartTranslation();
  EXPECT_EQ(Out(), marked);
  EXPECT_NE(ColorOf(window->Memo2(), QStringLiteral("Зурбылдык")), QColor(0, 128, 0));
}

TEST_F(VennelTest, LanguageSwitchRecaptionsTheWindow) {
  Type(QStringLiteral("а\nб\nв"));
  window->Item("mmServ_ILang_Tat")->trigger();
  EXPECT_EQ(Settings.InterfaceLanguage, 1);
  EXPECT_EQ(S(window->MM()->actions()[1]->text()), "Эшкәртү");
  EXPECT_EQ(S(window->Item("mmFile_exit")->text()), "Чыгу");
  EXPECT_EQ(S(window->Item("ppmPaste")->text()), "Кертү");
  EXPECT_EQ(S(window->GroupBoxW1()->ShownCaption()), "Оригинал: Татарча");
  EXPECT_EQ(S(window->GroupBoxW2()->ShownCaption()), "Тәрҗемә: Русча");
  EXPECT_EQ(S(window->BitBtn4()->ShownCaption()), "Тәрҗемә");
  EXPECT_EQ(S(window->BitBtn6()->ShownCaption()), "Юнәлеше");
  EXPECT_EQ(S(window->SB1()->GetPanelText(0)), "3 юл");
  EXPECT_EQ(S(HintText(HintW(window->BitBtn6()), ApplicationTag())), "Татарча -> Русча");
  QWidget* copy = window->ToolBar2()->findChild<QWidget*>(QStringLiteral("ToolButton6"));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(S(HintText(HintW(copy), ApplicationTag())), "Күчермә ясау");

  window->Item("mmServ_ILang_Rus")->trigger();
  EXPECT_EQ(S(window->MM()->actions()[1]->text()), "Правка");
  EXPECT_EQ(S(window->SB1()->GetPanelText(0)), "3 строки");
  EXPECT_TRUE(window->Item("mmServ_ILang_Rus")->isChecked());
  EXPECT_FALSE(window->Item("mmServ_ILang_Tat")->isChecked());
}

TEST_F(VennelTest, DirectionSwitchChangesCaptionsAndHint) {
  window->BitBtn6()->click();
  EXPECT_EQ(Settings.Direction, 0);
  EXPECT_EQ(S(window->GroupBoxW1()->ShownCaption()), "Оригинал: Русский");
  EXPECT_EQ(S(window->GroupBoxW2()->ShownCaption()), "Перевод: Татарский");
  EXPECT_EQ(S(HintText(HintW(window->BitBtn6()), 0)), "Русский -> Татарский");
  EXPECT_TRUE(window->Item("mmServ_orglang_rustat")->isChecked());
  Type(QStringLiteral("Я читаю книгу."));
  window->StartTranslation();
  EXPECT_TRUE(Out().contains(QStringLiteral("китап"))) << S(Out());

  window->Item("mmServ_orglang_tatrus")->trigger();
  EXPECT_EQ(Settings.Direction, 1);
  EXPECT_EQ(S(window->GroupBoxW1()->ShownCaption()), "Оригинал: Татарский");
}

TEST_F(VennelTest, LineCountsInBothLanguages) {
  auto lines = [](int n) {
    QStringList l;
    for (int i = 0; i < n; ++i) l << QStringLiteral("юл %1").arg(i);
    return l.join(QLatin1Char('\n'));
  };
  window->Memo2()->setPlainText(lines(21));
  EXPECT_EQ(S(window->SB2()->GetPanelText(0)), "21 строка");
  window->Memo1()->setPlainText(lines(3));
  EXPECT_EQ(S(window->SB1()->GetPanelText(0)), "3 строки");
  window->Memo1()->setPlainText(lines(11));
  EXPECT_EQ(S(window->SB1()->GetPanelText(0)), "11 строк");
  window->SetInterfaceLanguage(1);
  EXPECT_EQ(S(window->SB2()->GetPanelText(0)), "21 юл");
  EXPECT_EQ(S(window->SB1()->GetPanelText(0)), "11 юл");
}

TEST_F(VennelTest, ProgressTextsShowPercentAndRemainingTime) {
  window->TranslatorProgress(1, PhaseStart, 0);
  EXPECT_EQ(S(window->SB2()->GetPanelText(0)), "Переведено: 0%");
  QCoreApplication::processEvents();  // the tool bar lays out again
  EXPECT_FALSE(window->BitBtn6()->isVisible());
  window->TranslatorProgress(1, PhaseProgress, 40);
  EXPECT_EQ(S(window->SB2()->GetPanelText(0)), "Обработано: 40%");
  EXPECT_EQ(S(window->SB2()->GetPanelText(2)).rfind("Примерно осталось: ", 0), 0u);
  window->TranslatorProgress(1, PhaseEnd, 100);
  EXPECT_EQ(S(window->SB2()->GetPanelText(2)), "");
  QCoreApplication::processEvents();
  EXPECT_TRUE(window->BitBtn6()->isVisible());
  EXPECT_EQ(window->RunState(), TVennel::rsIdle);
}

TEST_F(VennelTest, StoredTallWindowOpensAt82PercentOfALowerScreen) {
  window.reset();
  Settings.ScreenHeight = 1080;
  Settings.MainHeight = 1200;
  Settings.MainTop = 40;
  TVennel w(QString::fromStdString(testenv::ProgramDir), LinkedEngines(), TScreenSize{1920, 768});
  EXPECT_EQ(Settings.MainHeight, 630);
  EXPECT_EQ(w.height(), 630);
  EXPECT_EQ(Settings.MainTop, 40);
}

TEST_F(VennelTest, CloseBoxHidesWithATrayAndExitEndsTheProgram) {
  window->TrayPresent = true;
  window->close();
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(Settings.StartMode, 1);
  EXPECT_NE(Settings.MainWindow, 0);
  window->ShowMode(0);
  EXPECT_TRUE(window->isVisible());
  window->Exit();
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(Settings.MainWindow, 0);
  TGlobalSettings stored{};
  ASSERT_TRUE(ReadSettingsFile(SettingsPath(), stored));
  EXPECT_EQ(stored.MainHeight, Settings.MainHeight);
  EXPECT_EQ(stored.MainWindow, 0);
}

TEST_F(VennelTest, EditItemsFollowTheActivePane) {
  Type(QStringLiteral("Мин китап укыйм."));
  window->Memo1()->SetSelStart(0);
  window->Memo1()->SetSelLength(3);
  window->UpdateEditItems(false);
  EXPECT_TRUE(window->Item("mmEdit_Cut")->isEnabled());
  EXPECT_TRUE(window->Item("mmEdit_SelectAll")->isEnabled());
  window->Item("mmEdit_Remove")->trigger();
  EXPECT_EQ(window->Memo1()->toPlainText(), QStringLiteral(" китап укыйм."));
  window->UpdateEditItems(false);
  EXPECT_FALSE(window->Item("mmEdit_Copy")->isEnabled());
  window->Memo2()->setFocus();
  window->UpdateEditItems(true);
  EXPECT_FALSE(window->Item("ppmSelectAll")->isEnabled());  // empty pane
}

TEST_F(VennelTest, EqualPanesFixTheSplitterAndHalveTheSpace) {
  window->resize(800, 600);
  window->SetEqualPanes(false);
  EXPECT_FALSE(window->Item("mmSets_Split")->isChecked());
  EXPECT_TRUE(window->Splitter1()->handle(1)->isEnabled());
  Settings.PaneRatio = 3.0f;
  window->ApplyPaneRatio();
  EXPECT_GT(window->GroupBoxW1()->height(), 2 * window->GroupBoxW2()->height());
  window->Item("mmSets_Split")->trigger();
  EXPECT_EQ(Settings.EqualPanes, 1);
  EXPECT_EQ(Settings.PaneRatio, 1.0f);
  EXPECT_FALSE(window->Splitter1()->handle(1)->isEnabled());
  // The lower box is half the space between the upper box and the window's
  // status bar, less the height of the source status bar.
  int top = window->GroupBoxW1()->mapTo(window.get(), QPoint(0, 0)).y();
  int bottom = window->SB2()->mapTo(window.get(), QPoint(0, 0)).y();
  EXPECT_NEAR(window->GroupBoxW2()->height(), (bottom - top) / 2 - window->SB1()->height(), 1);
  window->Item("mmSets_Split")->trigger();
  EXPECT_TRUE(window->Splitter1()->handle(1)->isEnabled());
}

// ---- Documents --------------------------------------------------------------

class VennelDocumentTest : public VennelTest {
protected:
  void SetUp() override {
    VennelTest::SetUp();
    if (IsSkipped()) return;
    window->ExecFileDialog = [this](TFileDialogState& d, bool save) {
      dialogs.push_back(d.Title);
      if (answers.empty()) return false;
      auto [name, index] = answers.front();
      answers.erase(answers.begin());
      d.FileName = name;
      d.FilterIndex = index;
      (void)save;
      return true;
    };
  }
  QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
  void Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }

  QTemporaryDir dir;
  std::vector<std::pair<QString, int>> answers;
  QStringList dialogs;
};

TEST_F(VennelDocumentTest, RtfByExtensionThenSaveSourceWritesUtf16Text) {
  QString rtf = Path("x.RTF");
  Write(rtf, "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0 Arial;}}\\f0 Hello \\b bold\\b0\\par}");
  answers = {{rtf, 1}};
  window->OpenDocument();
  EXPECT_EQ(dialogs, QStringList{QStringLiteral("Открыть")});
  EXPECT_EQ(window->Memo1()->DocumentFormat(), dfRtf);
  EXPECT_EQ(Settings.OpenFilterIndex, 2);
  EXPECT_TRUE(window->Memo1()->toPlainText().startsWith(QStringLiteral("Hello bold")));
  EXPECT_TRUE(ColorOf(window->Memo1(), QStringLiteral("Hello")).isValid());
  QTextCursor bold = window->Memo1()->document()->find(QStringLiteral("bold"));
  EXPECT_EQ(bold.charFormat().fontWeight(), QFont::Bold);
  EXPECT_TRUE(window->Memo1()->isVisible());
  EXPECT_EQ(window->SaveD().FilterIndex, 1);

  window->SaveSource();
  EXPECT_EQ(dialogs.size(), 1);  // no dialog
  EXPECT_EQ(window->SourceFileName(), Path("x.txt").toStdString());
  QFile f(Path("x.txt"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  QByteArray bytes = f.readAll();
  ASSERT_GE(bytes.size(), 4);
  EXPECT_EQ(bytes.left(2), QByteArray("\xFF\xFE", 2));
  QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2),
                                    (bytes.size() - 2) / 2);
  EXPECT_TRUE(text.startsWith(QStringLiteral("Hello bold")));
  EXPECT_EQ(Settings.DocFormat, 2);
}

TEST_F(VennelDocumentTest, MissingFileShowsTheMessageAndTheDialogAgain) {
  QString missing = Path("nowhere.txt");
  answers = {{missing, 1}};
  window->OpenDocument();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_EQ(messages[0], QStringLiteral("Поиск файла: Файл ") + missing + QStringLiteral(" не найден"));
  EXPECT_EQ(dialogs.size(), 2);  // shown again, then cancelled
  EXPECT_TRUE(window->SourceFileName().empty());
}

TEST_F(VennelDocumentTest, FailedLoadKeepsThePaneAndItsText) {
  Type(QStringLiteral("мой текст"));
  QString doc = Path("y.doc");
  Write(doc, "not a document");
  qputenv("ZENTROK_SOFFICE", Path("no-such-soffice").toUtf8());  // the converter is missing
  EXPECT_FALSE(window->LoadDocument(doc.toStdString(), 3));
  qunsetenv("ZENTROK_SOFFICE");
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QStringLiteral("LibreOffice was not found"))) << S(messages[0]);
  EXPECT_TRUE(window->Memo1()->isVisible());
  EXPECT_EQ(window->Memo1()->toPlainText(), QStringLiteral("мой текст"));
  EXPECT_TRUE(window->SourceFileName().empty());
  EXPECT_EQ(S(window->SB1()->GetPanelText(0)), "1 строка");
}

TEST_F(VennelDocumentTest, PlainTextKeepsItsFormatAndSaveAsAsksAgain) {
  QString txt = Path("a.b.txt");
  Write(txt, QStringLiteral("строка один\nстрока два\n").toLocal8Bit());
  answers = {{txt, 4}};
  window->OpenDocument();
  EXPECT_EQ(window->Memo1()->DocumentFormat(), dfText8);
  EXPECT_EQ(S(window->SB1()->GetPanelText(0)), "2 строки");
  window->SaveSource();  // filter 4: name and 8-bit format kept
  EXPECT_EQ(window->SourceFileName(), txt.toStdString());
  QFile f(txt);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_FALSE(f.readAll().startsWith("\xFF\xFE"));

  window->SaveSourceAs();  // cancelled: no name is left
  EXPECT_TRUE(window->SourceFileName().empty());
  answers = {{Path("a.b.rtf"), 1}};
  window->SaveSource();
  EXPECT_EQ(window->SourceFileName(), Path("a.txt").toStdString());  // cut at the first dot
  EXPECT_TRUE(QFile::exists(Path("a.txt")));
}

TEST_F(VennelDocumentTest, LoadingTicksGrowTheDots) {
  QString big = Path("big.txt");
  QByteArray line = QStringLiteral("Мин китап укыйм.\n").toUtf8();
  Write(big, line.repeated(4000));  // about 120 KB: several chunks
  std::vector<std::string> shown;
  auto tick = window->Memo1()->OnLoadProgress;
  window->Memo1()->OnLoadProgress = [&](TCustomRichEditW& sender, int16_t value) {
    tick(sender, value);
    shown.push_back(S(window->SB1()->GetPanelText(0)));
  };
  ASSERT_TRUE(window->LoadDocument(big.toStdString(), 1));
  ASSERT_GE(shown.size(), 3u);
  EXPECT_EQ(shown[0], "Загрузка");
  EXPECT_EQ(shown[1], "Загрузка.");
  EXPECT_EQ(shown[2], "Загрузка..");
  EXPECT_EQ(S(window->SB1()->GetPanelText(0)), "4000 строк");
  EXPECT_EQ(S(window->SB1()->GetPanelText(1)), "Файл " + big.toStdString());
}

TEST_F(VennelDocumentTest, SaveTranslationRemembersItsName) {
  window->Memo2()->setPlainText(QStringLiteral("перевод"));
  answers = {{Path("t.rtf"), 2}};
  window->SaveTranslation();
  EXPECT_EQ(window->TranslationFileName(), Path("t.rtf").toStdString());
  QFile f(Path("t.rtf"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.readAll().startsWith("{\\rtf"));
  EXPECT_EQ(S(window->SB2()->GetPanelText(1)), Path("t.rtf").toStdString());
}

// A Word document opens into the source pane with its formatting, the
// conversion's stage texts show in the source status bar, and the pane saves
// back as a Word document. Needs LibreOffice.
TEST_F(VennelDocumentTest, WordDocumentOpensAndSavesWithStageTexts) {
  const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
  if (soffice.isEmpty())
    GTEST_SKIP() << "\n*** LibreOffice (soffice) is not installed: Word documents SKIPPED ***\n";
  Write(Path("w.rtf"), "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0 Arial;}}\\f0 "
                       "\\'cc\\'e8\\'ed {\\b \\'ea\\'e8\\'f2\\'e0\\'ef} "
                       "{\\i \\'f3\\'ea\\'fb\\'e9\\'ec}.\\par}");
  QTemporaryDir profile;
  QProcess make;
  make.start(soffice, {QStringLiteral("--headless"),
                       QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profile.path()).toString(),
                       QStringLiteral("--convert-to"), QStringLiteral("doc"), QStringLiteral("--outdir"),
                       dir.path(), Path("w.rtf")});
  ASSERT_TRUE(make.waitForFinished(300000));
  ASSERT_TRUE(QFile::exists(Path("w.doc")));

  std::vector<std::string> shown;
  for (TRichEditW* pane : {window->Memo1(), window->Memo2()}) {
    auto stage = pane->OnDocument;
    pane->OnDocument = [&, stage](TCustomRichEditW& sender, int n) {
      stage(sender, n);
      shown.push_back(std::to_string(n) + " " + S(window->SB1()->GetPanelText(0)));
    };
  }
  answers = {{Path("w.doc"), 1}};
  window->OpenDocument();
  EXPECT_TRUE(messages.empty()) << S(messages.value(0));
  EXPECT_EQ(window->Memo1()->toPlainText().trimmed(), QStringLiteral("Мин китап укыйм."));
  QTextCursor bold = window->Memo1()->document()->find(QStringLiteral("китап"));
  EXPECT_EQ(bold.charFormat().fontWeight(), QFont::Bold);
  QTextCursor italic = window->Memo1()->document()->find(QStringLiteral("укыйм"));
  EXPECT_TRUE(italic.charFormat().fontItalic());
  EXPECT_EQ(window->Memo1()->DocumentFormat(), dfOffice);
  EXPECT_EQ(Settings.OpenFilterIndex, 3);
  EXPECT_EQ(shown, (std::vector<std::string>{"2 Загрузка...", "3 Конвертация...", "5 Очистка...",
                                             "1 Очистка...", "6 Параметры..."}));
  EXPECT_EQ(S(window->SB1()->GetPanelText(0)), "1 строка");

  shown.clear();
  answers = {{Path("copy.doc"), 3}};
  window->SaveSourceAs();
  EXPECT_TRUE(messages.empty()) << S(messages.value(0));
  EXPECT_EQ(window->SourceFileName(), Path("copy.doc").toStdString());
  EXPECT_EQ(shown, (std::vector<std::string>{"0 Сохранение...", "2 Сохранение...", "3 Конвертация...",
                                             "5 Очистка...", "4 Разметка...", "6 Параметры..."}));
  EXPECT_EQ(S(window->SB1()->GetPanelText(0)), "1 строка");
  QFile saved(Path("copy.doc"));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_TRUE(saved.readAll().startsWith("\xD0\xCF\x11\xE0"));
}

}  // namespace
