// Layout of one paragraph: its characters with their font samples and
// bookmarks, broken into lines that fit the paragraph's width, aligned, and
// cut into drawing segments.
//
// Spaces and CRs are break opportunities; a CR inside a paragraph is not a
// forced break. A word wider than the line is broken inside, with at least
// one character per line. Justified lines spread their spare pixels over
// their inner break characters; the last line stays left-aligned.
#pragma once

#include "zentrok/SamplesVAlpha.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace zentrok {

// Character flags.
enum : uint8_t {
  cfCR = 1,         // was a CR, stored as a space
  cfSpace = 2,
  cfTab = 4,        // was a tab, stored as a space
  cfOther = 8,
  cfLineEnd = 16,   // last character of a line
  cfWidened = 32,   // space widened by justification
  cfNewFont = 64,   // first character in a new font sample
};

// Indents beyond this many pixels are treated as this many, which keeps
// the arithmetic of hostile documents in range.
inline constexpr int32_t kMaxIndent = 1 << 20;

struct TQuark {
  const TFontSample* font = nullptr;
  uint16_t bm = 0;
  uint8_t flags = 0;
  int32_t width = 0;  // pixels
};

struct TLine {
  int32_t height = 0;   // tallest font on the line
  int32_t descent = 0;  // that font's descent
  int32_t x = 0;        // offset from the paragraph's left edge
  int32_t bottom = 0;   // relative to the paragraph top
  int32_t width = 0;
  int32_t first = 0;
  int32_t count = 0;
  int32_t Top() const { return bottom - height; }
};

struct TSegment {
  int32_t x = 0;         // from the paragraph's left edge
  int32_t baseline = 0;  // from the paragraph top
  int32_t first = 0;
  int32_t count = 0;
  const TFontSample* font = nullptr;
};

class TPara {
 public:
  TPara(const TParaSample* sample, uint16_t bm) : sample_(sample), bm_(bm) {}

  void AppendRun(const QString& text, const TFontSample* font, uint16_t bm);
  // Breaks, aligns and segments for the paragraph's `width`.
  void Layout();
  // Characters from..to inclusive for copying, with CR LF at every line end;
  // an empty range gives CR LF.
  QString GetText(int from, int to) const;
  // Frees the line records and segments.
  void Clear();

  const QString& FatString() const { return text_; }
  const std::vector<TQuark>& Quarks() const { return quarks_; }
  int Count() const { return int(quarks_.size()); }
  const std::vector<TLine>& Lines() const { return lines_; }
  const std::vector<std::vector<TSegment>>& Segments() const { return segments_; }
  const TParaSample* Sample() const { return sample_; }
  uint16_t BookMark() const { return bm_; }
  // Index of the line holding character i.
  int LineOf(int i) const;

  int32_t top = 0;    // in document pixels
  int32_t left = 0;   // left edge
  int32_t width = 0;
  int32_t Height() const { return height_; }

  bool HasTab() const { return tabIndex_ >= 0; }
  int TabIndex() const { return tabIndex_; }
  int32_t TabColumn() const { return tabColumn_; }

 private:
  void BreakLines();
  void Align();
  void MakeSegments();

  const TParaSample* sample_;
  uint16_t bm_;
  QString text_;
  std::vector<TQuark> quarks_;
  std::vector<TLine> lines_;
  std::vector<int32_t> available_;  // per line
  std::vector<std::vector<TSegment>> segments_;
  int32_t height_ = 0;
  int tabIndex_ = -1;
  int32_t tabColumn_ = 0;
};

}  // namespace zentrok
