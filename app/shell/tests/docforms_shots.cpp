// docforms_shots PROGRAM_FOLDER OUT_FOLDER: shows the about and help windows
// in Russian and Tatar and saves what they look like as PNG files.
#include "AboutForm.h"
#include "HelpForm.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTimer>

#include <iostream>

namespace {

void Save(QWidget& w, const QString& path) {
  for (int i = 0; i < 20; ++i) QApplication::processEvents();
  if (!w.grab().save(path)) std::cerr << "cannot save " << path.toStdString() << "\n";
  else std::cout << path.toStdString() << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 3) {
    std::cerr << "usage: docforms_shots PROGRAM_FOLDER OUT_FOLDER\n";
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const QString out = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(out);
  int language = 0;
  try {
    zentrok::TAboutForm about(folder);
    zentrok::THelpForm help(folder);
    about.SetLanguageSource([&] { return language; });
    help.SetLanguageSource([&] { return language; });
    for (language = 0; language < 2; ++language) {
      const QString suffix = language == 0 ? QStringLiteral("ru") : QStringLiteral("tt");
      about.show();
      Save(about, out + QStringLiteral("/about-") + suffix + QStringLiteral(".png"));
      about.hide();
      help.show();
      Save(help, out + QStringLiteral("/help-") + suffix + QStringLiteral(".png"));

      help.Viewer()->PageDown();
      help.Viewer()->PageDown();
      Save(help, out + QStringLiteral("/help-") + suffix + QStringLiteral("-page3.png"));
      help.Viewer()->Bottom();
      Save(help, out + QStringLiteral("/help-") + suffix + QStringLiteral("-end.png"));
      help.hide();
    }
  } catch (const std::exception& e) {
    std::cerr << e.what() << "\n";
    return 1;
  }
  return 0;
}
