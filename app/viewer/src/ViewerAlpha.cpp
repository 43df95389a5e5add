#include "zentrok/ViewerAlpha.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace zentrok {

// ---------------------------------------------------------------- TViewer

TViewer::TViewer(const QFont& canvasFont, QPaintDevice* device, uint32_t canvasColor)
    : samples_(canvasFont, device, canvasColor) {}

void TViewer::SetArea(int width, int height) {
  const bool relayout = width != areaWidth_ && !text_.isEmpty();
  areaWidth_ = width;
  areaHeight_ = height;
  if (relayout) {
    Layout();
    ClearSelection();
  }
  offset_ = -std::clamp(-offset_, 0, ScrollLimit());
}

void TViewer::Clear() {
  text_.clear();
  paras_.clear();
  samples_.Clear();
  docHeight_ = 0;
  tabColumn_ = 0;
  offset_ = 0;
  ClearSelection();
}

void TViewer::Load(const QString& text) {
  Clear();
  text_ = text;
  Layout();
}

void TViewer::Layout() {
  paras_.clear();
  docHeight_ = 0;
  tabColumn_ = 0;
  QString body;
  if (!samples_.Load(text_, nullptr, &body)) return;
  const auto paraExists = [this](const QString& n) { return samples_.ParaExists(n); };
  const auto fontExists = [this](const QString& n) { return samples_.FontExists(n); };

  const TParaSample* sample = samples_.ParaByName(QString());
  int bm = 0;
  int cursor = 0;
  bool first = true;
  while (true) {
    const TUseTag use = NextUse(body, cursor, TTagKind::Para, paraExists);
    if (!(first && use.before.isEmpty())) {
      auto para = std::make_unique<TPara>(sample, uint16_t(bm));
      const TParaValuesRec& v = sample->values;
      para->top = docHeight_;
      para->left = kLeftMargin + std::min(v.lind, kMaxIndent) + (v.rod ? tabColumn_ : 0);
      para->width = areaWidth_ - para->left - std::min(v.rind, kMaxIndent);

      const TFontSample* font = sample->font;
      int runBm = v.bm;
      int fcursor = 0;
      while (true) {
        const TUseTag f = NextUse(use.before, fcursor, TTagKind::Font, fontExists);
        para->AppendRun(f.before, font, uint16_t(runBm));
        if (!f.found) break;
        font = f.name.isEmpty() ? sample->font : samples_.FontByName(f.name);
        if (f.hasBm) runBm = f.bm;
      }
      para->AppendRun(QStringLiteral("\r"), font, uint16_t(runBm));
      para->Layout();
      if (para->HasTab()) tabColumn_ = std::max(tabColumn_, para->TabColumn());
      docHeight_ += para->Height();
      paras_.push_back(std::move(para));
    }
    first = false;
    if (!use.found) break;
    sample = samples_.ParaByName(use.name);
    bm = use.hasBm ? use.bm : 0;
  }
}

int TViewer::ScrollLimit() const { return std::max(0, docHeight_ - areaHeight_); }

int TViewer::ScrollTo(int top) {
  top = std::clamp(top, 0, ScrollLimit());
  const int d = top + offset_;
  offset_ = -top;
  return d;
}

int TViewer::SetPosition(int position) { return ScrollTo(position); }
int TViewer::Top() { return ScrollTo(0); }
int TViewer::Bottom() { return ScrollTo(ScrollLimit()); }

namespace {
struct LineBox {
  int top, bottom;
};
std::vector<LineBox> AllLines(const std::vector<std::unique_ptr<TPara>>& paras) {
  std::vector<LineBox> boxes;
  for (const auto& p : paras)
    for (const TLine& l : p->Lines()) boxes.push_back({p->top + l.Top(), p->top + l.bottom});
  return boxes;
}
}  // namespace

int TViewer::LineDown() {
  const int viewTop = -offset_, viewBottom = viewTop + areaHeight_;
  for (const LineBox& b : AllLines(paras_))
    if (b.bottom > viewBottom) return ScrollTo(std::max(viewTop, b.bottom - areaHeight_));
  return 0;
}

int TViewer::LineUp() {
  const int viewTop = -offset_;
  const auto lines = AllLines(paras_);
  for (auto it = lines.rbegin(); it != lines.rend(); ++it)
    if (it->top < viewTop) return ScrollTo(it->top);
  return 0;
}

int TViewer::PageDown() {
  const int viewTop = -offset_, viewBottom = viewTop + areaHeight_;
  for (const LineBox& b : AllLines(paras_)) {
    if (b.bottom > viewBottom) {
      // A line taller than the area would never move: take a whole page.
      return ScrollTo(b.top > viewTop ? b.top : viewBottom);
    }
  }
  return 0;
}

int TViewer::PageUp() {
  const int viewTop = -offset_;
  const auto lines = AllLines(paras_);
  for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
    if (it->top < viewTop) {
      const int top = it->bottom - areaHeight_;
      return ScrollTo(top < viewTop ? top : viewTop - areaHeight_);
    }
  }
  return 0;
}

TPosition TViewer::HitTest(int x, int y) const {
  TPosition pos;
  if (paras_.empty()) return pos;
  const int docY = y - kTopMargin - offset_;
  int p = int(paras_.size()) - 1;
  for (size_t i = 0; i < paras_.size(); ++i)
    if (paras_[i]->top + paras_[i]->Height() >= docY) { p = int(i); break; }
  const TPara& para = *paras_[p];
  const auto& lines = para.Lines();
  if (lines.empty()) return pos;
  int l = int(lines.size()) - 1;
  for (size_t i = 0; i < lines.size(); ++i)
    if (para.top + lines[i].bottom >= docY) { l = int(i); break; }
  const TLine& line = lines[l];
  int cx = kLeftMargin + para.left + line.x;
  int c = line.first;
  const int end = line.first + line.count - 1;
  if (x >= cx) {
    for (c = line.first; c < end; ++c) {
      const int w = para.Quarks()[c].width;
      if (x < cx + w) break;
      cx += w;
    }
  }
  pos.para = p;
  pos.line = l;
  pos.chr = c;
  pos.left = cx;
  pos.offset = std::max(0, x - cx);
  const int paraTop = kTopMargin + offset_ + para.top;
  pos.top = paraTop + line.Top();
  pos.baseline = paraTop + line.bottom - line.descent;
  return pos;
}

TBookMark TViewer::BookMarkAt(const TPosition& pos) const {
  TBookMark bm;
  if (!pos.Valid()) return bm;
  const TPara& para = *paras_[pos.para];
  const auto& q = para.Quarks();
  if (q[pos.chr].bm != 0) {
    bm.number = q[pos.chr].bm;
    bm.source = bsRun;
    int from = pos.chr, to = pos.chr;
    while (from > 0 && q[from - 1].bm == bm.number) --from;
    // The paragraph's closing CR belongs to no run of text.
    const int last = para.Count() - 2;
    while (to < last && q[to + 1].bm == bm.number) ++to;
    for (int k = from; k <= std::min(to, last); ++k)
      bm.text += (q[k].flags & cfTab) ? QChar(u'\t') : para.FatString()[k];
  } else if (q[pos.chr].font->values.bm != 0) {
    bm.number = uint16_t(q[pos.chr].font->values.bm);
    bm.source = bsFontSample;
  } else if (para.BookMark() != 0) {
    bm.number = para.BookMark();
    bm.source = bsPara;
  } else if (para.Sample()->values.bm != 0) {
    bm.number = uint16_t(para.Sample()->values.bm);
    bm.source = bsParaSample;
  }
  return bm;
}

TSelectionEnd TViewer::EndOf(const TPosition& pos) const {
  if (!pos.Valid()) return {};
  const int w = paras_[pos.para]->Quarks()[pos.chr].width;
  return {pos.para, pos.Caret(w)};
}

void TViewer::SetAnchor(const TPosition& pos) { anchor_ = EndOf(pos); }
void TViewer::SetCurrent(const TPosition& pos) { current_ = EndOf(pos); }
void TViewer::ClearSelection() { anchor_ = current_ = {}; }

std::pair<TSelectionEnd, TSelectionEnd> TViewer::Selection() const {
  return anchor_ < current_ ? std::pair(anchor_, current_) : std::pair(current_, anchor_);
}

QString TViewer::SelectedText() const {
  if (!HasSelection() || paras_.empty()) return {};
  const auto [s, e] = Selection();
  if (s.para == e.para) return paras_[s.para]->GetText(s.index, e.index - 1);
  QString out;
  const TPara& first = *paras_[s.para];
  if (s.index < first.Count()) out += first.GetText(s.index, first.Count() - 1);
  for (int p = s.para + 1; p < e.para; ++p) out += paras_[p]->GetText(0, paras_[p]->Count() - 1);
  if (e.index > 0) out += paras_[e.para]->GetText(0, e.index - 1);
  return out;
}

void TViewer::Paint(QPainter& painter, const QRect& update) const {
  const QRect clip = TextArea() & update;
  if (clip.isEmpty()) return;
  painter.save();
  painter.setClipRect(clip);
  const auto [s, e] = Selection();
  const bool selecting = HasSelection();
  for (size_t p = 0; p < paras_.size(); ++p) {
    const TPara& para = *paras_[p];
    const int paraTop = kTopMargin + offset_ + para.top;
    if (paraTop > clip.bottom()) break;
    if (paraTop + para.Height() < clip.top()) continue;
    const int x0 = kLeftMargin + para.left;
    for (size_t l = 0; l < para.Lines().size(); ++l) {
      const TLine& line = para.Lines()[l];
      if (paraTop + line.bottom < clip.top() || paraTop + line.Top() > clip.bottom()) continue;
      for (const TSegment& seg : para.Segments()[l]) {
        painter.setFont(seg.font->font);
        painter.setPen(seg.font->Color());
        painter.drawText(QPoint(x0 + seg.x, paraTop + seg.baseline),
                         para.FatString().mid(seg.first, seg.count));
      }
      if (!selecting) continue;
      painter.save();
      painter.setCompositionMode(QPainter::CompositionMode_Difference);
      int x = x0 + line.x;
      for (int k = line.first; k < line.first + line.count; ++k) {
        const int w = para.Quarks()[k].width;
        const TSelectionEnd at{int(p), k};
        if (!(at < s) && at < e && w > 0)
          painter.fillRect(QRect(x, paraTop + line.Top(), w, line.height), Qt::white);
        x += w;
      }
      painter.restore();
    }
  }
  painter.restore();
}

// ----------------------------------------------------------- TViewerAlpha

TViewerAlpha::TViewerAlpha(QWidget* parent) : QFrame(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  bar_ = new QScrollBar(Qt::Vertical, this);
  bar_->hide();
  viewer_ = std::make_unique<TViewer>(font(), this);
  connect(bar_, &QScrollBar::actionTriggered, this, &TViewerAlpha::OnBarAction);
  connect(bar_, &QScrollBar::valueChanged, this, [this](int value) {
    if (!syncing_ && value != -viewer_->Offset()) Scrolled(viewer_->SetPosition(value));
  });
  UpdateArea();
}

TViewerAlpha::~TViewerAlpha() = default;

void TViewerAlpha::UpdateArea() {
  const int barWidth = bar_->sizeHint().width();
  const int fw = frameWidth();
  bar_->setGeometry(width() - fw - barWidth, fw, barWidth, std::max(0, height() - 2 * fw));
  viewer_->SetArea(std::max(0, width() - 2 * TViewer::kLeftMargin - barWidth),
                   std::max(0, height() - 2 * TViewer::kTopMargin));
}

void TViewerAlpha::UpdateBar() {
  syncing_ = true;
  if (viewer_->NeedsScrollBar()) {
    bar_->setRange(0, viewer_->ScrollLimit());
    bar_->setSingleStep(1);
    bar_->setPageStep(std::max(1, viewer_->AreaHeight()));
    bar_->setValue(-viewer_->Offset());
    bar_->show();
  } else {
    bar_->hide();
  }
  syncing_ = false;
}

void TViewerAlpha::Load(const QString& text) {
  UpdateArea();
  viewer_->Load(text);
  UpdateBar();
  update();
  emit SelectionChanged();
}

void TViewerAlpha::Clear() {
  viewer_->Clear();
  UpdateBar();
  update();
  emit SelectionChanged();
}

void TViewerAlpha::CopyToClipboard() {
  if (!viewer_->HasSelection()) return;
  QGuiApplication::clipboard()->setText(viewer_->SelectedText());
}

void TViewerAlpha::Scrolled(int pixels) {
  if (pixels == 0) return;
  syncing_ = true;
  bar_->setSliderPosition(-viewer_->Offset());
  bar_->setValue(-viewer_->Offset());
  syncing_ = false;
  update(viewer_->TextArea());
}

void TViewerAlpha::OnBarAction(int action) {
  int moved = 0;
  switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: moved = viewer_->LineDown(); break;
    case QAbstractSlider::SliderSingleStepSub: moved = viewer_->LineUp(); break;
    case QAbstractSlider::SliderPageStepAdd: moved = viewer_->PageDown(); break;
    case QAbstractSlider::SliderPageStepSub: moved = viewer_->PageUp(); break;
    case QAbstractSlider::SliderToMinimum: moved = viewer_->Top(); break;
    case QAbstractSlider::SliderToMaximum: moved = viewer_->Bottom(); break;
    case QAbstractSlider::SliderMove: moved = viewer_->SetPosition(bar_->sliderPosition()); break;
    default: break;
  }
  // The bar follows the viewer, not its own step sizes.
  syncing_ = true;
  bar_->setSliderPosition(-viewer_->Offset());
  syncing_ = false;
  if (moved) update(viewer_->TextArea());
}

void TViewerAlpha::paintEvent(QPaintEvent* e) {
  QPainter painter(this);
  if (page_.isValid()) {
    QRect page = contentsRect();
    if (bar_->isVisible()) page.setRight(bar_->geometry().left() - 1);
    painter.fillRect(page & e->rect(), page_);
  }
  painter.end();
  QFrame::paintEvent(e);
  painter.begin(this);
  viewer_->Paint(painter, e->rect());
}

void TViewerAlpha::mousePressEvent(QMouseEvent* e) {
  setFocus(Qt::MouseFocusReason);
  const QPoint p = e->position().toPoint();
  if (e->button() == Qt::LeftButton) {
    const TPosition pos = viewer_->HitTest(p.x(), p.y());
    const bool had = viewer_->HasSelection();
    viewer_->SetAnchor(pos);
    viewer_->SetCurrent(pos);
    update(viewer_->TextArea());
    if (had) emit SelectionChanged();
  } else if (e->button() == Qt::RightButton) {
    CopyToClipboard();
  }
  QFrame::mousePressEvent(e);
}

void TViewerAlpha::mouseMoveEvent(QMouseEvent* e) {
  const QPoint p = e->position().toPoint();
  const QRect area = viewer_->TextArea();
  Qt::CursorShape shape = area.contains(p) ? Qt::IBeamCursor : Qt::ArrowCursor;
  const TPosition hover = viewer_->HitTest(p.x(), p.y());
  if (area.contains(p) && viewer_->BookMarkAt(hover).number != 0) shape = Qt::PointingHandCursor;
  setCursor(shape);
  if (e->buttons() & Qt::LeftButton) {
    if (p.y() > area.bottom()) Scrolled(viewer_->LineDown());
    else if (p.y() < area.top()) Scrolled(viewer_->LineUp());
    const auto before = viewer_->Selection();
    viewer_->SetCurrent(viewer_->HitTest(p.x(), p.y()));
    if (viewer_->Selection() != before) {
      update(area);
      emit SelectionChanged();
    }
  }
  QFrame::mouseMoveEvent(e);
}

void TViewerAlpha::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton && OnBMClick) {
    const QPoint p = e->position().toPoint();
    const TBookMark bm = viewer_->BookMarkAt(viewer_->HitTest(p.x(), p.y()));
    // Plain text is no link: only bookmarked characters are reported.
    if (bm.source != bsNone) OnBMClick(this, bm);
    return;
  }
  QFrame::mouseDoubleClickEvent(e);
}

void TViewerAlpha::keyPressEvent(QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Down: LineDown(); break;
    case Qt::Key_Up: LineUp(); break;
    case Qt::Key_PageDown: PageDown(); break;
    case Qt::Key_PageUp: PageUp(); break;
    case Qt::Key_Home: Top(); break;
    case Qt::Key_End: Bottom(); break;
    default: QFrame::keyPressEvent(e); return;
  }
  e->accept();
}

void TViewerAlpha::wheelEvent(QWheelEvent* e) {
  const int dy = e->angleDelta().y();
  if (dy == 0) return QFrame::wheelEvent(e);
  const int steps = std::max(1, std::abs(dy) / 120);
  for (int i = 0; i < steps; ++i) {
    if (dy < 0) LineDown();
    else LineUp();
  }
  e->accept();
}

void TViewerAlpha::resizeEvent(QResizeEvent* e) {
  QFrame::resizeEvent(e);
  const bool had = viewer_->HasSelection();
  UpdateArea();
  UpdateBar();
  if (had && !viewer_->HasSelection()) emit SelectionChanged();
}

void TViewerAlpha::changeEvent(QEvent* e) {
  QFrame::changeEvent(e);
  if (e->type() != QEvent::FontChange) return;
  const QString text = viewer_->Text();
  viewer_ = std::make_unique<TViewer>(font(), this);
  UpdateArea();
  if (!text.isEmpty()) Load(text);
}

void TViewerAlpha::contextMenuEvent(QContextMenuEvent* e) {
  if (popup_) popup_->exec(e->globalPos());
  else QFrame::contextMenuEvent(e);
}

}  // namespace zentrok
