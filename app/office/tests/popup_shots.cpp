// popup_shots FOLDER: the office popup after translating a selection owned
// by another X client (xclip), Tatar to Russian in the Russian interface
// and Russian to Tatar in the Tatar interface, grabbed from the screen as
// FOLDER/popup_tt_ru.png and FOLDER/popup_ru_tt.png.
#include <QApplication>
#include <QScreen>
#include <QTest>
#include <cstdio>

#include "zentrok/GlobalSettings2.h"
#include "zentrok/LinkedEngines.h"
#include "zentrok/RichEditW.h"
#include "zentrok/Vennel.h"
#include "zentrok/WordForm.h"
#include "zentrok/testsupport/ProgramEnv.h"
#include "zentrok/testsupport/XClients.h"

using namespace zentrok;

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("DISPLAY") || !testx::HaveProgram("xclip")) {
    std::fprintf(stderr, "\n*** SKIPPED: popup screenshots need an X display and xclip\n\n");
    return 77;
  }
  qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication app(argc, argv);
  QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  testenv::UseTemporarySettings({1280, 800});
  if (!testenv::LoadProgramEngines().empty()) return 2;
  Settings.MarkUntranslated = 1;
  Settings.ClearTranslation = 0;
  Settings.StartMode = 1;
  Settings.PopupLeft = 40;
  Settings.PopupTop = 40;
  Settings.PopupWidth = 560;
  Settings.PopupHeight = 220;

  TVennel window(QString::fromStdString(testenv::ProgramDir), LinkedEngines());
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
  testx::TForeignSelection owner;
  for (const Shot& s : shots) {
    window.SetDirection(s.direction);
    window.SetInterfaceLanguage(s.language);
    form.Memo1()->clear();
    if (!owner.Own(QString::fromUtf8(s.first))) return 1;
    if (!form.CaptureAndShow(TMSServers::appWord, true)) return 1;
    // The second selection is followed live and appends a line.
    if (!owner.Own(QString::fromUtf8(s.second))) return 1;
    if (!QTest::qWaitFor([&] { return form.Memo1()->document()->blockCount() >= 2; }, 10000))
      return 1;
    QTest::qWait(300);
    QWidget* host = form.Host();
    QPixmap shot = host->screen()->grabWindow(0, host->x(), host->y(), host->width(), host->height());
    if (!shot.save(out + QString::fromLatin1(s.file))) return 1;
    std::printf("%s\n", form.Memo1()->toPlainText().toUtf8().constData());
  }
  owner.Drop();
  window.SetOfficePopup(nullptr);
  return 0;
}
