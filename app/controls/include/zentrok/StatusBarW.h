// TStatusBarW: a status bar of panels that show UTF-16 texts.
//
// The panel texts live in a TWideStringList whose entries point at their
// panels; a panel draws the text of the entry that points at it, after one
// space. With AutosizePanels a panel is as wide as its text + 4 pixels.
#pragma once

#include <QWidget>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "zentrok/Classes_Trg.h"

namespace zentrok {

struct TStatusPanel {
  int Width = 50;
};

class TStatusBarW : public QWidget {
public:
  explicit TStatusBarW(QWidget* parent = nullptr);

  // Adds a panel of the given width; returns its index.
  int AddPanel(int width = 50);
  int PanelCount() const { return static_cast<int>(FPanels.size()); }
  // The width the panel is drawn with (its text's width + 4 with
  // AutosizePanels once it has a text).
  int PanelWidth(int index) const;
  void SetPanelWidth(int index, int width);
  // The panel's area within the bar.
  QRect PanelRect(int index) const;

  // Stores the text of panel index (panels are added up to the index).
  void SetPanelText(int index, const std::u16string& text);
  // The same with an 8-bit caption in caret notation.
  void SetPanelCaption(int index, std::string_view caretText);
  // The text of panel index; "" when it has none.
  std::u16string GetPanelText(int index) const;

  bool AutosizePanels() const { return FAutosizePanels; }
  void SetAutosizePanels(bool on);

  QSize sizeHint() const override;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  int TextEntry(int index) const;

  std::vector<std::unique_ptr<TStatusPanel>> FPanels;
  TWideStringList FTexts;
  bool FAutosizePanels = false;
};

}  // namespace zentrok
