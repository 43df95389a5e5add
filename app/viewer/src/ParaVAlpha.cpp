#include "zentrok/ParaVAlpha.h"

#include <algorithm>

namespace zentrok {
namespace {

bool IsBreak(const TQuark& q) { return q.flags & (cfCR | cfSpace); }

int32_t RoundHalfEven(int32_t num, int32_t den) {
  // den is 2 here; num may be negative when the line is wider than the space.
  int32_t q = num / den, r = num % den;
  if (r < 0) { r += den; --q; }
  if (2 * r > den || (2 * r == den && (q & 1))) ++q;
  return q;
}

}  // namespace

void TPara::AppendRun(const QString& text, const TFontSample* font, uint16_t bm) {
  for (const QChar ch : text) {
    TQuark q;
    q.font = font;
    q.bm = bm;
    char16_t c = ch.unicode();
    if (c == u'\r') { q.flags = cfCR; c = u' '; }
    else if (c == u' ') q.flags = cfSpace;
    else if (c == u'\t') { q.flags = cfTab; c = u' '; tabIndex_ = int(quarks_.size()); }
    else q.flags = cfOther;
    text_.append(QChar(c));
    quarks_.push_back(q);
  }
}

void TPara::Clear() {
  lines_.clear();
  available_.clear();
  segments_.clear();
  height_ = 0;
}

int TPara::LineOf(int i) const {
  for (size_t l = 0; l < lines_.size(); ++l)
    if (i < lines_[l].first + lines_[l].count) return int(l);
  return lines_.empty() ? -1 : int(lines_.size()) - 1;
}

void TPara::Layout() {
  Clear();
  tabColumn_ = 0;
  for (TQuark& q : quarks_) q.flags &= ~(cfLineEnd | cfWidened | cfNewFont);
  BreakLines();
  Align();
  MakeSegments();
}

void TPara::BreakLines() {
  const int n = Count();
  const int32_t firstIndent = sample_ ? std::min(sample_->values.tab, kMaxIndent) : 0;
  int pos = 0;
  while (pos < n) {
    const int32_t avail = width - (lines_.empty() ? firstIndent : 0);
    int32_t sum = 0;
    int lastBreak = -1;
    int i = pos;
    for (; i < n; ++i) {
      TQuark& q = quarks_[i];
      q.width = TSamples::WidthOf(*q.font, text_[i].unicode());
      if (i > 0 && quarks_[i - 1].font != q.font) {
        const int32_t overhang = quarks_[i - 1].font->metrics.overhang;
        quarks_[i - 1].width += overhang;
        if (i > pos) sum += overhang;
        q.flags |= cfNewFont;
      }
      if (sum + q.width > avail) break;
      sum += q.width;
      if (IsBreak(q)) lastBreak = i;
    }
    int end;
    if (i == n) end = n - 1;
    else if (lastBreak >= 0) end = lastBreak;
    else end = std::max(i - 1, pos);
    if (IsBreak(quarks_[end])) quarks_[end].width = 0;
    quarks_[end].flags |= cfLineEnd;

    TLine line;
    line.first = pos;
    line.count = end - pos + 1;
    const TFontSample* tallest = nullptr;
    for (int k = pos; k <= end; ++k) {
      line.width += quarks_[k].width;
      if (!tallest || quarks_[k].font->metrics.height > tallest->metrics.height)
        tallest = quarks_[k].font;
    }
    line.height = tallest->metrics.height;
    line.descent = tallest->metrics.descent;
    line.bottom = height_ + line.height;
    height_ += line.height;
    lines_.push_back(line);
    available_.push_back(avail);
    pos = end + 1;
  }
}

void TPara::Align() {
  const uint8_t align = sample_ ? sample_->values.align : uint8_t(paLeft);
  const int32_t firstIndent = sample_ ? std::min(sample_->values.tab, kMaxIndent) : 0;
  for (size_t l = 0; l < lines_.size(); ++l) {
    TLine& line = lines_[l];
    const int32_t avail = available_[l];
    const int32_t indent = l == 0 ? firstIndent : 0;
    const int32_t spare = avail - line.width;
    const bool last = l + 1 == lines_.size();
    switch (last && align == paJustify ? uint8_t(paLeft) : align) {
      case paCentre: line.x = RoundHalfEven(spare, 2); break;
      case paRight: line.x = spare; break;
      case paJustify: {
        line.x = indent;
        const int end = line.first + line.count - 1;
        int breaks = 0;
        for (int k = line.first; k < end; ++k) breaks += IsBreak(quarks_[k]);
        if (breaks == 0 || spare <= 0) break;
        int extra = spare % breaks;
        for (int k = line.first; k < end; ++k) {
          if (!IsBreak(quarks_[k])) continue;
          quarks_[k].width += spare / breaks + (extra > 0 ? 1 : 0);
          if (extra > 0) --extra;
          quarks_[k].flags |= cfWidened;
        }
        line.width = avail;
        break;
      }
      default: line.x = indent; break;
    }
    if (tabIndex_ >= line.first && tabIndex_ < line.first + line.count) {
      tabColumn_ = line.x;
      for (int k = line.first; k <= tabIndex_; ++k) tabColumn_ += quarks_[k].width;
    }
  }
}

void TPara::MakeSegments() {
  segments_.assign(lines_.size(), {});
  for (size_t l = 0; l < lines_.size(); ++l) {
    const TLine& line = lines_[l];
    const int end = line.first + line.count;
    int32_t x = line.x;
    int start = line.first;
    int32_t startX = x;
    auto flush = [&](int upTo) {
      TSegment s;
      s.x = startX;
      s.first = start;
      s.count = upTo - start;
      s.font = quarks_[start].font;
      const TTextMetrics& m = s.font->metrics;
      switch (s.font->values.pos) {
        case fpSub: s.baseline = line.bottom - m.descent; break;
        case fpSup: s.baseline = line.Top() + m.ascent; break;
        default: s.baseline = line.bottom - line.descent; break;
      }
      segments_[l].push_back(s);
    };
    for (int k = line.first; k < end; ++k) {
      // A widened space is drawn on its own so that the text after it starts
      // where its measured width ends.
      const bool cut = k > start && ((quarks_[k].flags & (cfWidened | cfNewFont)) ||
                                     (quarks_[k - 1].flags & cfWidened));
      if (cut) {
        flush(k);
        start = k;
        startX = x;
      }
      x += quarks_[k].width;
    }
    flush(end);
  }
}

QString TPara::GetText(int from, int to) const {
  from = std::max(from, 0);
  to = std::min(to, Count() - 1);
  if (from > to) return QStringLiteral("\r\n");
  QString out;
  for (int k = from; k <= to; ++k) {
    const TQuark& q = quarks_[k];
    const bool lineEnd = q.flags & cfLineEnd;
    if (lineEnd && IsBreak(q)) {
      out += QStringLiteral("\r\n");
      continue;
    }
    out += (q.flags & cfTab) ? QChar(u'\t') : text_[k];
    if (lineEnd) out += QStringLiteral("\r\n");
  }
  return out;
}

}  // namespace zentrok
