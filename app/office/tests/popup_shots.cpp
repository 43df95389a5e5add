// popup_shots FOLDER: the office popup after translating a selection owned
// by another X client (xclip), Tatar to Russian in the Russian interface
// and Russian to Tatar in the Tatar interface, grabbed from the screen as
// FOLDER/popup_tt_ru.png and FOLDER/popup_ru_tt.png.
#include <QApplication>
#include <QClipboard>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "zentrok/EngineLoad.h"
#include "../src/PopupSettings.h"
#include "zentrok/LinkedEngines.h"
#include "zentrok/RichEditW.h"
#include "zentrok/StartUp.h"
#include "zentrok/Vennel.h"
#include "zentrok/WordForm.h"

using namespace zentrok;

namespace {

// Makes xclip own the primary selection with text; waits until it shows.
bool Select(QProcess& owner, const QString& text) {
  owner.kill();
  owner.waitForFinished(3000);
  owner.start(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("primary"),
                                        QStringLiteral("-i"), QStringLiteral("-quiet")});
  if (!owner.waitForStarted(5000)) return false;
  owner.write(text.toUtf8());
  owner.closeWriteChannel();
  return QTest::qWaitFor(
      [&] { return QGuiApplication::clipboard()->text(QClipboard::Selection) == text; }, 5000);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("DISPLAY") ||
      QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty()) {
    std::fprintf(stderr, "\n*** SKIPPED: popup screenshots need an X display and xclip\n\n");
    return 77;
  }
  qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication app(argc, argv);
  QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  const char* bin = std::getenv("ZENTROK_BIN");
  std::string folder = bin ? std::string(bin) + "/" : ProgramFolder();
  QTemporaryDir settings;
  SetSettingsPlace(settings.path().toStdString() + "/", {1280, 800});
  LoadSettings();
  std::string error = LoadEngines(folder);
  if (!error.empty()) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 2;
  }
  Settings.MarkUntranslated = 1;
  Settings.ClearTranslation = 0;
  Settings.StartMode = 1;
  Settings.PopupLeft = 40;
  Settings.PopupTop = 40;
  Settings.PopupWidth = 560;
  Settings.PopupHeight = 220;

  TVennel window(QString::fromStdString(folder), LinkedEngines());
  TWForm form;
  window.SetOfficePopup(&form);
  form.SetTextHandler([&](TMSServers& s) { window.TranslateCaptured(s); });
  form.Servers().SettleMs = 100;

  struct Shot {
    uint8_t direction, language;
    const char* first;
    const char* second;
    const char* file;
  } shots[] = {
      {1, 0, "Мин китап укыйм. Әни өйдә эшли.", "Балалар мәктәпкә бара. Зурбылдык шәһәрдә яши.",
       "/popup_tt_ru.png"},
      {0, 1, "Я читаю книгу. Мама работает дома.", "Дети идут в школу. Зурбылдык живёт в городе.",
       "/popup_ru_tt.png"},
  };
  QProcess owner;
  for (const Shot& s : shots) {
    window.SetDirection(s.direction);
    window.SetInterfaceLanguage(s.language);
    form.Memo1()->clear();
    if (!Select(owner, QString::fromUtf8(s.first))) return 1;
    if (!form.CaptureAndShow(TMSServers::appWord, true)) return 1;
    // The second selection is followed live and appends a line.
    if (!Select(owner, QString::fromUtf8(s.second))) return 1;
    if (!QTest::qWaitFor([&] { return form.Memo1()->document()->blockCount() >= 2; }, 10000))
      return 1;
    QTest::qWait(300);
    QWidget* host = form.Host();
    QPixmap shot = host->screen()->grabWindow(0, host->x(), host->y(), host->width(), host->height());
    if (!shot.save(out + QString::fromLatin1(s.file))) return 1;
    std::printf("%s\n", form.Memo1()->toPlainText().toUtf8().constData());
  }
  owner.kill();
  owner.waitForFinished(3000);
  window.SetOfficePopup(nullptr);
  return 0;
}
