// Font and paragraph samples: the named styles a document defines in its
// head, resolved against their bases, with the character widths and font
// metrics that paragraph layout measures with.
//
// Item 0 of each list is the default sample, taken from the canvas font. A
// definition starts from a copy of its base's values (item 0 when the base
// is missing or unknown) and overwrites the fields it defines, so a sample
// can only build on samples defined before it. A definition whose name is
// already taken replaces that sample in place; samples and paragraph samples
// that were made from the replaced one keep what they copied or referred to.
#pragma once

#include "zentrok/FormatVAlpha.h"

#include <QCollator>
#include <QColor>
#include <QFont>

#include <array>
#include <memory>
#include <vector>

class QPaintDevice;

namespace zentrok {

// Character widths in pixels, one block of 256 per code page of the
// document's language table. Pages outside the table map to block 0.
struct TCharWidths {
  std::array<uint8_t, 256> map{};
  std::vector<std::array<int32_t, 256>> blocks;
  int32_t Width(char16_t c) const {
    if (blocks.empty()) return 0;
    return blocks[map[c >> 8]][c & 0xFF];
  }
};

struct TTextMetrics {
  int32_t height = 0, ascent = 0, descent = 0, overhang = 0;
};

class TFontSample {
 public:
  TFontValuesRec values;  // as defined, with the percentage kept mod 100
  QFont font;             // what is drawn and measured
  TCharWidths widths;
  TTextMetrics metrics;
  // Size in points after sub/superscript scaling; 0 means the canvas
  // font's size is drawn.
  int32_t drawSize = 0;
  QColor Color() const;
};

class TParaSample {
 public:
  TParaValuesRec values;
  const TFontSample* font = nullptr;  // never null once loaded
};

// Font samples in definition order; item 0 is the default.
class TFontSamples {
 public:
  std::vector<std::unique_ptr<TFontSample>> items;
  TLangTable langTable;
  // Samples replaced by a later definition of the same name. Kept alive so
  // that paragraph samples referring to them stay valid.
  std::vector<std::unique_ptr<TFontSample>> replaced;
};

// Paragraph samples in definition order; item 0 is the default.
class TParaSamples {
 public:
  std::vector<std::unique_ptr<TParaSample>> items;
};

class TSamples {
 public:
  // `canvasFont` and `canvasColor` (0x00BBGGRR) give the defaults; widths
  // are measured for `device` (the screen when null).
  explicit TSamples(const QFont& canvasFont, QPaintDevice* device = nullptr,
                    uint32_t canvasColor = 0);

  // Replaces every sample by those of `document`. False, with no samples,
  // when the document is rejected. `head` and `body` receive its parts.
  bool Load(const QString& document, QString* head = nullptr, QString* body = nullptr);
  void Clear();

  // First sample named `name`, case-insensitively; the default sample when
  // there is none (or nothing is loaded: then null).
  const TFontSample* FontByName(const QString& name) const;
  const TParaSample* ParaByName(const QString& name) const;
  bool FontExists(const QString& name) const;
  bool ParaExists(const QString& name) const;

  static int32_t WidthOf(const TFontSample& font, char16_t c) { return font.widths.Width(c); }

  const TFontSamples& Fonts() const { return fonts_; }
  const TParaSamples& Paras() const { return paras_; }

  // Largest point size that is actually drawn; larger sizes are clamped so
  // that a hostile document cannot ask for gigantic glyph caches.
  static constexpr int kMaxPointSize = 400;

 private:
  int FindFont(const QString& name) const;
  int FindPara(const QString& name) const;
  void AddFont(const TFontValuesRec& def);
  void AddPara(const TParaValuesRec& def);
  void MakeFont(TFontSample& s) const;
  void Measure(TFontSample& s) const;

  QFont canvasFont_;
  uint32_t canvasColor_;
  QPaintDevice* device_;
  QCollator collator_;
  TFontSamples fonts_;
  TParaSamples paras_;
};

// round(percent * size / 100) with halves rounded to even.
int32_t ScaledFontSize(int32_t size, int32_t percent);

}  // namespace zentrok
