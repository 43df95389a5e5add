// zentrok [N]: the desktop program.
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "AboutForm.h"
#include "HelpForm.h"
#include "zentrok/EngineLoad.h"
#include "zentrok/LinkedEngines.h"
#include "zentrok/GlobalSettings2.h"
#include "zentrok/SingleInstance.h"
#include "zentrok/StartUp.h"
#include "zentrok/TrayModule.h"
#include "zentrok/Vennel.h"
#include "zentrok/WordForm.h"

using namespace zentrok;

int main(int argc, char** argv) {
  const int32_t n = StartNumber(argc > 1 ? argv[1] : nullptr);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zentrok"));
  QApplication::setApplicationDisplayName(QStringLiteral("Zentrok"));

  // A later copy hands its start command to the running one and ends before
  // it reads the settings or loads anything.
  TSingleInstance instance;
  if (instance.IsSecondInstance()) {
    TSingleInstance::SendStartCommand(StartCommandOf(n));
    return 0;
  }

  const std::string folder = ProgramFolder();
  TScreenSize screen = DefaultScreenSize;
  if (QScreen* s = QGuiApplication::primaryScreen())
    screen = TScreenSize{s->geometry().width(), s->geometry().height()};
  SetSettingsPlace(folder, screen);
  try {
    LoadSettings();
  } catch (const std::exception&) {
    // Defaults are in memory; a settings file that cannot be written is
    // reported when the window saves again.
  }
  Settings.StartMode = n;

  const std::string error = LoadEngines(folder);
  if (!error.empty()) {
    QMessageBox::critical(nullptr, QStringLiteral("Zentrok"),
                          QStringLiteral("The translation data could not be loaded.\n\n") +
                              QString::fromStdString(error));
    return 2;
  }

  const QString programFolder = QString::fromStdString(folder);
  TVennel vennel(programFolder, LinkedEngines());
  std::unique_ptr<THelpForm> help;
  std::unique_ptr<TAboutForm> about;
  try {
    help = std::make_unique<THelpForm>(programFolder);
    about = std::make_unique<TAboutForm>(programFolder, &vennel);
  } catch (const std::exception& e) {
    QMessageBox::warning(&vennel, QStringLiteral("Zentrok"), QString::fromUtf8(e.what()));
  }
  for (TDocumentForm* f : {static_cast<TDocumentForm*>(help.get()), static_cast<TDocumentForm*>(about.get())}) {
    if (!f) continue;
    f->SetLanguageSource([] { return static_cast<int>(Settings.InterfaceLanguage); });
    f->SetMainCopyAction(vennel.Item("mmEdit_Copy"));
  }
  std::function<void()> showHelp, showAbout;
  if (help)
    showHelp = [h = help.get()] {
      h->ShowDocument();
      h->show();
      h->raise();
    };
  if (about)
    showAbout = [a = about.get()] {
      a->ShowDocument();
      a->exec();
    };
  vennel.SetDocumentForms(showHelp, showAbout);

  // The office popup, then the tray and the hot keys. The program lives
  // on in the tray with no window shown: it ends when the main window
  // accepts a real close, not when its last window goes away.
  TWForm popup;
  vennel.SetOfficePopup(&popup);
  TTrayModule tray(vennel, &popup);
  tray.SetUp();
  QApplication::setQuitOnLastWindowClosed(false);
  vennel.OnExit = [&tray] {
    tray.RemoveTrayIcon();
    QCoreApplication::quit();
  };
  popup.SetTextHandler([&vennel](TMSServers& sender) { vennel.TranslateCaptured(sender); });

  instance.OnStartCommand = [&vennel](uint8_t application, int32_t action) {
    // One line per command received, for whoever watches the program's output.
    std::fprintf(stderr, "zentrok: start command %d %d\n", application, action);
    vennel.HandleStartCommand(application, action);
  };
  if (Settings.StartMode != 1) vennel.show();
  // The own start number runs once the event loop does.
  if (StartCommandToSelf(n)) {
    TStartCommand c = StartCommandOf(n);
    QTimer::singleShot(0, &vennel, [&vennel, c] { vennel.HandleStartCommand(c.Application, c.Action); });
  }

  int rc = app.exec();
  try {
    SaveSettings();
  } catch (const std::exception& e) {
    QMessageBox::warning(nullptr, QStringLiteral("Zentrok"), QString::fromUtf8(e.what()));
  }
  return rc;
}
