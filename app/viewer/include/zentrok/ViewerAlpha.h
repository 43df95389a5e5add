// The document viewer: `TViewer` lays a marked-up document out in
// paragraphs, scrolls it, hit-tests, selects and copies; `TViewerAlpha` is
// the widget around it, with a vertical scroll bar shown only when the
// document is taller than the text area.
//
// Geometry (widget pixels): the text area starts at (4, 8); its width is the
// widget width - 8 - the scroll bar's width and its height the widget
// height - 16. A paragraph's left edge is 4 + its left indent (+ the tab
// column when its sample asks for it); its segments are drawn at
// x + 4 + left edge, baseline + 8 + top + scroll offset.
//
// Keys: Up, Down, Page Up, Page Down, Home, End. The wheel scrolls by lines.
// A left drag selects (scrolling a line when dragged past the top or
// bottom), the right button copies the selection, a left double click on
// bookmarked text reports it through OnBMClick.
#pragma once

#include "zentrok/ParaVAlpha.h"
#include "zentrok/SamplesVAlpha.h"

#include <QFrame>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QMenu;
class QPainter;
class QScrollBar;

namespace zentrok {

// Where a bookmark number came from, most specific first.
enum : uint8_t { bsNone = 0, bsParaSample = 1, bsPara = 2, bsFontSample = 3, bsRun = 4 };

struct TBookMark {
  uint16_t number = 0;
  uint8_t source = bsNone;
  QString text;  // source bsRun: the characters around the click with this number
};

// A character position, with its box in widget pixels.
struct TPosition {
  int para = -1, line = -1, chr = -1;
  int left = 0, top = 0, baseline = 0;
  int offset = 0;  // of the point inside the character
  bool Valid() const { return para >= 0; }
  // Caret index inside the paragraph: before the character, or after it
  // when the point is on its right half.
  int Caret(int width) const { return chr + (2 * offset >= width ? 1 : 0); }
};

struct TSelectionEnd {
  int para = 0, index = 0;  // caret: before character `index`
  bool operator==(const TSelectionEnd&) const = default;
  auto operator<=>(const TSelectionEnd&) const = default;
};

class TViewer {
 public:
  static constexpr int kLeftMargin = 4;
  static constexpr int kTopMargin = 8;

  TViewer(const QFont& canvasFont, QPaintDevice* device = nullptr, uint32_t canvasColor = 0);

  // Sets the text area size; a loaded document is laid out again when its
  // width changes.
  void SetArea(int width, int height);
  int AreaWidth() const { return areaWidth_; }
  int AreaHeight() const { return areaHeight_; }

  // Lays the document out and resets scrolling and selection. A rejected
  // document leaves the viewer empty.
  void Load(const QString& text);
  void Clear();
  const QString& Text() const { return text_; }

  const std::vector<std::unique_ptr<TPara>>& Paras() const { return paras_; }
  const TSamples& Samples() const { return samples_; }
  int DocHeight() const { return docHeight_; }
  int TabColumn() const { return tabColumn_; }
  int Offset() const { return offset_; }  // 0 or negative

  // Scrolling; each returns the pixels scrolled (positive: towards the end).
  int ScrollLimit() const;
  bool NeedsScrollBar() const { return docHeight_ > areaHeight_; }
  int LineDown();
  int LineUp();
  int PageDown();
  int PageUp();
  int Top();
  int Bottom();
  int SetPosition(int position);

  TPosition HitTest(int x, int y) const;
  TBookMark BookMarkAt(const TPosition& pos) const;

  void SetAnchor(const TPosition& pos);
  void SetCurrent(const TPosition& pos);
  void ClearSelection();
  bool HasSelection() const { return anchor_ != current_; }
  // The selection in document order.
  std::pair<TSelectionEnd, TSelectionEnd> Selection() const;
  // The selected text with CR LF line ends; empty without a selection.
  QString SelectedText() const;

  // Draws the paragraphs meeting `update` (widget pixels) clipped to the
  // text area, with selected characters inverted.
  void Paint(QPainter& painter, const QRect& update) const;
  QRect TextArea() const { return QRect(kLeftMargin, kTopMargin, areaWidth_, areaHeight_); }

 private:
  void Layout();
  int ScrollTo(int top);
  TSelectionEnd EndOf(const TPosition& pos) const;

  TSamples samples_;
  QString text_;
  std::vector<std::unique_ptr<TPara>> paras_;
  int areaWidth_ = 0, areaHeight_ = 0;
  int docHeight_ = 0;
  int offset_ = 0;
  int tabColumn_ = 0;
  TSelectionEnd anchor_, current_;
};

class TViewerAlpha : public QFrame {
  Q_OBJECT
 public:
  explicit TViewerAlpha(QWidget* parent = nullptr);
  ~TViewerAlpha() override;

  void Load(const QString& text);
  void Clear();
  bool HasSelection() const { return viewer_->HasSelection(); }
  // Puts the selection on the clipboard as text; nothing without one.
  void CopyToClipboard();

  // An opaque page colour under the text (the scroll bar keeps its own
  // colours); an invalid colour leaves the widget's background.
  void SetPageColor(const QColor& color) { page_ = color; update(); }
  QColor PageColor() const { return page_; }

  // Menu shown on a right click (not owned).
  void SetPopupMenu(QMenu* menu) { popup_ = menu; }
  QMenu* PopupMenu() const { return popup_; }

  // Called on a left double click on bookmarked text.
  std::function<void(QObject* sender, const TBookMark& bm)> OnBMClick;

  TViewer& Viewer() { return *viewer_; }
  const TViewer& Viewer() const { return *viewer_; }
  QScrollBar* ScrollBar() const { return bar_; }

  // The scroll commands, as the keys and the bar run them.
  void LineDown() { Scrolled(viewer_->LineDown()); }
  void LineUp() { Scrolled(viewer_->LineUp()); }
  void PageDown() { Scrolled(viewer_->PageDown()); }
  void PageUp() { Scrolled(viewer_->PageUp()); }
  void Top() { Scrolled(viewer_->Top()); }
  void Bottom() { Scrolled(viewer_->Bottom()); }

 signals:
  // The selection was made, changed or cleared.
  void SelectionChanged();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  // A new widget font becomes the document's default font.
  void changeEvent(QEvent* e) override;

 private:
  void Scrolled(int pixels);
  void UpdateBar();
  void UpdateArea();
  void OnBarAction(int action);

  std::unique_ptr<TViewer> viewer_;
  QScrollBar* bar_;
  QMenu* popup_ = nullptr;
  QColor page_;
  bool syncing_ = false;
};

}  // namespace zentrok
