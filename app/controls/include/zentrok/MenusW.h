// TMainMenuW and TPopupMenuW: menus with bilingual captions and the
// owner-drawn look of TMenuStyleW.
//
// Every item keeps its 8-bit multi-language caption on its action; setting
// NumCaps re-captions all items (sub-menus included), and Qt measures the
// menus again, so a drop-down menu takes the width of its widest caption in
// the new language.
#pragma once

#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <string>
#include <string_view>

namespace zentrok {

// The 8-bit caption of a menu item, kept on its action.
void SetActionCaption(QAction* action, std::string_view caption);
std::string ActionCaption(const QAction* action);

class TPopupMenuW : public QMenu {
public:
  explicit TPopupMenuW(QWidget* parent = nullptr);

  // Adds an item with an 8-bit multi-language caption.
  QAction* AddItem(std::string_view caption, const QKeySequence& shortcut = {});
  // Adds a sub-menu; it shares this menu's ItemHeight, CaptionEx and NumCaps.
  TPopupMenuW* AddSubMenu(std::string_view caption);
  QAction* AddSeparator();

  int ItemHeight() const;
  void SetItemHeight(int height);
  bool CaptionEx() const { return FCaptionEx; }
  void SetCaptionEx(bool on);
  int NumCaps() const { return FNumCaps; }
  void SetNumCaps(int index);

private:
  bool FCaptionEx = true;
  int FNumCaps = 0;
};

class TMainMenuW : public QMenuBar {
public:
  explicit TMainMenuW(QWidget* parent = nullptr);

  // Adds a drop-down menu with an 8-bit multi-language caption.
  TPopupMenuW* AddMenu(std::string_view caption);

  int ItemHeight() const;
  void SetItemHeight(int height);
  bool CaptionEx() const { return FCaptionEx; }
  void SetCaptionEx(bool on);
  int NumCaps() const { return FNumCaps; }
  void SetNumCaps(int index);

private:
  bool FCaptionEx = true;
  int FNumCaps = 0;
};

// Re-captions the items of a menu (and of its sub-menus) with variant index.
void RecaptionMenu(QWidget* menu, bool captionEx, int index);

}  // namespace zentrok
