// vennel_shots FOLDER: the main window after a Tatar-to-Russian translation,
// grabbed in the Russian and in the Tatar interface as
// FOLDER/vennel_ru.png and FOLDER/vennel_tt.png.
#include <QApplication>

#include "zentrok/GlobalSettings2.h"
#include "zentrok/LinkedEngines.h"
#include "zentrok/RichEditW.h"
#include "zentrok/Vennel.h"
#include "zentrok/testsupport/ProgramEnv.h"

using namespace zentrok;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  testenv::UseTemporarySettings({1280, 800});
  if (!testenv::LoadProgramEngines().empty()) return 2;
  Settings.Direction = 1;
  Settings.MarkUntranslated = 1;
  Settings.MainLeft = 0;
  Settings.MainTop = 0;
  Settings.MainWidth = 900;
  Settings.MainHeight = 600;
  TVennel w(QString::fromStdString(testenv::ProgramDir), LinkedEngines());
  w.show();
  QApplication::processEvents();
  w.Memo1()->setPlainText(QStringLiteral(
      "Мин китап укыйм. Әни өйдә эшли.\nБалалар мәктәпкә бара. Зурбылдык шәһәрдә яши."));
  w.StartTranslation();
  for (int lang : {0, 1}) {
    w.SetInterfaceLanguage(lang);
    QApplication::processEvents();
    QString file = out + (lang ? QStringLiteral("/vennel_tt.png") : QStringLiteral("/vennel_ru.png"));
    if (!w.grab().save(file)) return 1;
  }
  w.Exit();
  return 0;
}
