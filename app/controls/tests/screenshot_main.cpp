// Shows a window built from the controls (menu bar with an open drop-down
// in Tatar, group box with a bitmap button, rich edit with styled Tatar
// text, status bar), grabs the screen and saves it as a PNG.
// Usage: controls_screenshot OUT.png
#include <QApplication>
#include <QMainWindow>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>

#include "zentrok/ButtonsW.h"
#include "zentrok/GroupBoxW.h"
#include "zentrok/LanguageW.h"
#include "zentrok/MenusW.h"
#include "zentrok/RichEditW.h"
#include "zentrok/StatusBarW.h"
#include "zentrok/Utf.h"

using namespace zentrok;

static std::string Cp(const char* utf8) { return Utf16ToCp1251(Utf8ToUtf16(utf8)); }

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("controls_screenshot.png");

  QMainWindow window;
  auto* bar = new TMainMenuW(&window);
  window.setMenuBar(bar);
  TPopupMenuW* file = bar->AddMenu(Cp("Файл|Файл"));
  file->AddItem(Cp("Открыть...|Ачу..."), QKeySequence(QStringLiteral("Ctrl+O")));
  file->AddItem(Cp("Выход|Чыгу"));
  TPopupMenuW* edit = bar->AddMenu(Cp("Правка|Эшк^aрт^y"));
  edit->AddItem(Cp("Копировать|К^yчерм^a ясау"), QKeySequence(QStringLiteral("Ctrl+C")));
  edit->AddItem(Cp("Вставить|Куя"), QKeySequence(QStringLiteral("Ctrl+V")));
  edit->AddSeparator();
  QAction* all = edit->AddItem(Cp("Выделить всё|Барысын да сайлау"), QKeySequence(QStringLiteral("Ctrl+A")));
  all->setCheckable(true);
  all->setChecked(true);
  edit->AddItem(Cp("Очистить перевод|Т^aр^jем^aне чистарту"))->setEnabled(false);
  bar->AddMenu(Cp("Перевод|Т^aр^jем^a"));

  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  auto* box = new TGroupBoxW(Cp("Направление|Юн^aлеш"));
  auto* boxLayout = new QHBoxLayout(box);
  auto* button = new TBitBtnW(Cp("Перевести|Т^aр^jем^a ит^y"));
  button->SetKind(TBitBtnKind::bkOK);
  boxLayout->addWidget(button);
  boxLayout->addStretch();
  auto* top = new QHBoxLayout;
  top->addStretch();
  top->addWidget(box);
  layout->addLayout(top);
  auto* rich = new TRichEditW;
  layout->addWidget(rich);
  auto* status = new TStatusBarW;
  layout->addWidget(status);
  window.setCentralWidget(central);

  rich->AddStyledText(u"Татарстан башкаласы ", clWindowText, 12, 0);
  rich->AddStyledText(u"Казан", clBlue, 14, fsBold);
  rich->AddStyledText(u" — борынгы һәм матур шәһәр. ", clWindowText, 12, 0);
  rich->AddStyledText(u"Җөмләләр", clGreen, 12, fsItalic | fsUnderline);
  rich->AddStyledText(u" тәрҗемә ителде.\nӨченче юл: әөүҗңһ.", clRed, 10, 0);
  status->SetAutosizePanels(true);
  status->SetPanelCaption(0, Cp("Т^aр^jем^a: 100%"));
  status->SetPanelText(1, u"Калды: 00:00:00");
  status->SetPanelText(2, u"Юллар: 2");

  SetInterfaceLanguage(1);
  window.resize(640, 420);
  window.move(40, 40);
  window.show();

  int rc = 1;
  QTimer::singleShot(500, [&] {
    QAction* editAction = bar->actions()[1];
    bar->setActiveAction(editAction);
  });
  // The first item hot, to show its colour.
  QTimer::singleShot(1000, [&] { edit->setActiveAction(edit->actions()[0]); });
  QTimer::singleShot(1500, [&] {
    QScreen* screen = QGuiApplication::primaryScreen();
    QPixmap shot = screen->grabWindow(0, 0, 0, 760, 520);
    // The open menu-bar item is outlined in grey: the drop-down is really open.
    const QImage image = shot.toImage();
    int grey = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) grey += image.pixelColor(x, y) == QColor(128, 128, 128);
    if (grey < 20) std::fprintf(stderr, "controls_screenshot: no open menu on the screen\n");
    else if (!shot.isNull() && shot.save(out)) {
      std::printf("controls_screenshot: saved %s (%dx%d)\n", qPrintable(out), shot.width(), shot.height());
      rc = 0;
    } else {
      std::fprintf(stderr, "controls_screenshot: could not grab the screen\n");
    }
    app.quit();
  });
  app.exec();
  return rc;
}
