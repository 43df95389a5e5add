#include "zentrok/MenusW.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>

#include "zentrok/LanguageW.h"
#include "zentrok/MenuStyleW.h"

namespace zentrok {

namespace {

const char* const kCaptionProperty = "CaptionW";

void UseMenuStyle(QWidget* menu) {
  auto* style = new TMenuStyleW();
  style->setParent(menu);
  menu->setStyle(style);
  menu->setProperty("ItemHeight", kDefaultItemHeight);
}

// Makes Qt measure a menu's items again.
void Remeasure(QWidget* menu) {
  QEvent change(QEvent::StyleChange);
  QCoreApplication::sendEvent(menu, &change);
  menu->updateGeometry();
  menu->update();
}

}  // namespace

void SetActionCaption(QAction* action, std::string_view caption) {
  action->setProperty(kCaptionProperty, QByteArray(caption.data(), static_cast<qsizetype>(caption.size())));
}

std::string ActionCaption(const QAction* action) {
  return action->property(kCaptionProperty).toByteArray().toStdString();
}

void RecaptionMenu(QWidget* menu, bool captionEx, int index) {
  for (QAction* action : menu->actions()) {
    QVariant caption = action->property(kCaptionProperty);
    if (caption.isValid())
      action->setText(EscapeMnemonic(CaptionText(caption.toByteArray().toStdString(), captionEx, index)));
    if (auto* sub = dynamic_cast<TPopupMenuW*>(action->menu<QMenu*>())) {
      sub->SetCaptionEx(captionEx);
      sub->SetNumCaps(index);
    }
  }
}

// ------------------------------------------------------------ popup menu

TPopupMenuW::TPopupMenuW(QWidget* parent) : QMenu(parent) { UseMenuStyle(this); }

QAction* TPopupMenuW::AddItem(std::string_view caption, const QKeySequence& shortcut) {
  QAction* action = addAction(EscapeMnemonic(CaptionText(caption, FCaptionEx, FNumCaps)));
  SetActionCaption(action, caption);
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  return action;
}

TPopupMenuW* TPopupMenuW::AddSubMenu(std::string_view caption) {
  auto* sub = new TPopupMenuW(this);
  sub->SetItemHeight(ItemHeight());
  sub->FCaptionEx = FCaptionEx;
  sub->FNumCaps = FNumCaps;
  QAction* action = addMenu(sub);
  SetActionCaption(action, caption);
  action->setText(EscapeMnemonic(CaptionText(caption, FCaptionEx, FNumCaps)));
  return sub;
}

QAction* TPopupMenuW::AddSeparator() { return addSeparator(); }

int TPopupMenuW::ItemHeight() const { return property("ItemHeight").toInt(); }

void TPopupMenuW::SetItemHeight(int height) {
  setProperty("ItemHeight", height);
  for (QAction* action : actions())
    if (auto* sub = dynamic_cast<TPopupMenuW*>(action->menu<QMenu*>())) sub->SetItemHeight(height);
  Remeasure(this);
}

void TPopupMenuW::SetCaptionEx(bool on) {
  FCaptionEx = on;
  RecaptionMenu(this, FCaptionEx, FNumCaps);
}

void TPopupMenuW::SetNumCaps(int index) {
  FNumCaps = index;
  RecaptionMenu(this, FCaptionEx, FNumCaps);
}

// ------------------------------------------------------------- main menu

TMainMenuW::TMainMenuW(QWidget* parent) : QMenuBar(parent) { UseMenuStyle(this); }

TPopupMenuW* TMainMenuW::AddMenu(std::string_view caption) {
  auto* menu = new TPopupMenuW(this);
  menu->SetItemHeight(ItemHeight());
  menu->SetCaptionEx(FCaptionEx);
  menu->SetNumCaps(FNumCaps);
  QAction* action = addMenu(menu);
  SetActionCaption(action, caption);
  action->setText(EscapeMnemonic(CaptionText(caption, FCaptionEx, FNumCaps)));
  return menu;
}

int TMainMenuW::ItemHeight() const { return property("ItemHeight").toInt(); }

void TMainMenuW::SetItemHeight(int height) {
  setProperty("ItemHeight", height);
  for (QAction* action : actions())
    if (auto* sub = dynamic_cast<TPopupMenuW*>(action->menu<QMenu*>())) sub->SetItemHeight(height);
  Remeasure(this);
}

void TMainMenuW::SetCaptionEx(bool on) {
  FCaptionEx = on;
  RecaptionMenu(this, FCaptionEx, FNumCaps);
}

void TMainMenuW::SetNumCaps(int index) {
  FNumCaps = index;
  RecaptionMenu(this, FCaptionEx, FNumCaps);
}

}  // namespace zentrok
