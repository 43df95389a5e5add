#include "zentrok/TrayModule.h"

#include <QAction>
#include <QApplication>
#include <QPainter>
#include <QShortcut>
#include <QSystemTrayIcon>

#include "zentrok/HotKey.h"
#include "zentrok/MSServers.h"
#include "zentrok/MenusW.h"
#include "zentrok/StatusBarW.h"
#include "zentrok/Vennel.h"
#include "zentrok/VennelTexts.h"
#include "zentrok/WordForm.h"

namespace zentrok {

namespace {

// The application's icon; where neither the program nor the icon theme
// gives one, a drawn tile, so that the notification area never shows an
// empty place.
QIcon ApplicationIcon() {
  QIcon icon = QApplication::windowIcon();
  if (!icon.isNull()) return icon;
  icon = QIcon::fromTheme(QStringLiteral("zentrok"));
  if (!icon.isNull()) return icon;
  QPixmap pm(32, 32);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(QColor(0x2e6da4));
  p.setPen(Qt::NoPen);
  p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
  QFont f = p.font();
  f.setBold(true);
  f.setPixelSize(22);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("Z"));
  return QIcon(pm);
}

}  // namespace

const char* PlatformNotice(bool hotKey, bool selection) {
  if (!selection)
    return "Текст, выделенный в других программах, недоступен|"
           "Башка программаларда билгел^aнг^aн текст укылмый";
  if (!hotKey)
    return "Ctrl+Insert недоступна: назначьте команду \"zentrok 3\" сочетанию клавиш рабочего стола|"
           "Ctrl+Insert эшл^aми: \"zentrok 3\" боерыгын эш ^oст^aле т^oйм^aл^aренд^a билгел^aгез";
  return "";
}

TTrayModule::TTrayModule(TVennel& vennel, TWForm* popup)
    : FVennel(vennel), FPopup(popup), FHotKeys(std::make_unique<THotKeys>()) {
  TrayAvailable = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
  SelectionAvailable = [] { return TMSServers::SelectionAvailable(); };
}

TTrayModule::~TTrayModule() { RemoveTrayIcon(); }

void TTrayModule::BuildMenu() {
  FMenu = new TPopupMenuW(&FVennel);
  FMenu->setObjectName(QStringLiteral("TrayPopupMenu"));
  FMenu->SetItemHeight(22);
  // Its captions have one language: shown as they are in either interface.
  FMenu->SetCaptionEx(false);
  QAction* exit = FMenu->AddItem(Cap("Выход"));
  exit->setObjectName(QStringLiteral("TrayPopupMenu_exit"));
  connect(exit, &QAction::triggered, &FVennel, [this] { FVennel.TrayPopupMenu_exitClick(); });
  FMenu->AddSeparator();
  QAction* general = FMenu->AddItem(Cap("Главное окно"));
  general->setObjectName(QStringLiteral("TrayPopupMenu_General"));
  connect(general, &QAction::triggered, &FVennel, [this] { FVennel.TrayPopupMenu_GeneralClick(); });
  FMenu->AddSeparator();
  // Closing the menu is all this item does.
  FMenu->AddItem(Cap("Отменить"))->setObjectName(QStringLiteral("TrayPopupMenu_cancel"));
}

void TTrayModule::SetUp() {
  // The translate key system-wide; a key another program holds stays with it.
  FHotKeys->OnHotKey = [this](int id) { FVennel.HotKeyPressed(id); };
  FHotKeyPresent = FHotKeys->Register(hkTranslate, hkControl, ksInsert);

  // The exit key, only in the program's own windows.
  auto* exitKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), &FVennel);
  exitKey->setContext(Qt::ApplicationShortcut);
  connect(exitKey, &QShortcut::activated, &FVennel, [this] { FVennel.HotKeyPressed(hkExit); });
  if (FPopup && FPopup->Host()) {
    auto* popupExit = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), FPopup->Host());
    popupExit->setContext(Qt::WindowShortcut);
    connect(popupExit, &QShortcut::activated, &FVennel, [this] { FVennel.HotKeyPressed(hkExit); });
  }

  BuildMenu();
  if (TrayAvailable && TrayAvailable()) {
    FIcon = new QSystemTrayIcon(ApplicationIcon(), this);
    FIcon->setToolTip(QString::fromLatin1(Tip));
    // The platform opens the context menu on the right button; the other
    // activations (left click, double click) are left without effect.
    FIcon->setContextMenu(FMenu);
    FIcon->show();
  }
  FVennel.TrayPresent = IconPresent();

  const bool selection = !SelectionAvailable || SelectionAvailable();
  if (const char* notice = PlatformNotice(FHotKeyPresent, selection); *notice)
    FVennel.ShowNotice(notice);
}

void TTrayModule::RemoveTrayIcon() {
  if (!FIcon) return;
  FIcon->hide();
  delete FIcon;
  FIcon = nullptr;
}

bool TTrayModule::IconPresent() const { return FIcon != nullptr; }

}  // namespace zentrok
