#include "zentrok/SamplesVAlpha.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <algorithm>

namespace zentrok {

QColor TFontSample::Color() const {
  const uint32_t c = values.color;
  return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

int32_t ScaledFontSize(int32_t size, int32_t percent) {
  const int64_t n = int64_t(percent) * size;
  int64_t q = n / 100;
  const int64_t r = n % 100;
  if (r > 50 || (r == 50 && (q & 1))) ++q;
  if (r < -50 || (r == -50 && (q & 1))) --q;
  return static_cast<int32_t>(std::clamp<int64_t>(q, INT32_MIN, INT32_MAX));
}

TSamples::TSamples(const QFont& canvasFont, QPaintDevice* device, uint32_t canvasColor)
    : canvasFont_(canvasFont), canvasColor_(canvasColor), device_(device) {
  collator_.setCaseSensitivity(Qt::CaseInsensitive);
}

void TSamples::Clear() {
  fonts_ = TFontSamples();
  paras_ = TParaSamples();
}

int TSamples::FindFont(const QString& name) const {
  for (size_t i = 0; i < fonts_.items.size(); ++i)
    if (collator_.compare(fonts_.items[i]->values.name, name) == 0) return int(i);
  return -1;
}

int TSamples::FindPara(const QString& name) const {
  for (size_t i = 0; i < paras_.items.size(); ++i)
    if (collator_.compare(paras_.items[i]->values.name, name) == 0) return int(i);
  return -1;
}

const TFontSample* TSamples::FontByName(const QString& name) const {
  if (fonts_.items.empty()) return nullptr;
  const int i = FindFont(name);
  return fonts_.items[i < 0 ? 0 : i].get();
}

const TParaSample* TSamples::ParaByName(const QString& name) const {
  if (paras_.items.empty()) return nullptr;
  const int i = FindPara(name);
  return paras_.items[i < 0 ? 0 : i].get();
}

bool TSamples::FontExists(const QString& name) const { return FindFont(name) >= 0; }
bool TSamples::ParaExists(const QString& name) const { return FindPara(name) >= 0; }

void TSamples::MakeFont(TFontSample& s) const {
  TFontValuesRec& v = s.values;
  v.posz %= 100;
  s.drawSize = v.size;
  if (v.pos == fpSub || v.pos == fpSup) s.drawSize = ScaledFontSize(v.size, v.posz);
  s.font = canvasFont_;
  s.font.setFamily(v.face);
  // A zero size draws the canvas font's size, as a zero font height does.
  if (s.drawSize > 0) s.font.setPointSize(std::min(s.drawSize, kMaxPointSize));
  s.font.setBold(v.style & fsBold);
  s.font.setItalic(v.style & fsItalic);
  s.font.setUnderline(v.style & fsUnderline);
  s.font.setStrikeOut(v.style & fsStrikeOut);
  // Layout places characters by their own widths; kerning would move them.
  s.font.setKerning(false);
}

void TSamples::Measure(TFontSample& s) const {
  const QFontMetrics fm = device_ ? QFontMetrics(s.font, device_) : QFontMetrics(s.font);
  s.widths = TCharWidths();
  const TLangTable& pages = fonts_.langTable;
  for (size_t b = 0; b < pages.size(); ++b) {
    std::array<int32_t, 256> block{};
    for (int c = 0; c < 256; ++c) block[c] = fm.horizontalAdvance(QChar(char16_t(pages[b] * 256 + c)));
    s.widths.map[pages[b]] = uint8_t(b);
    s.widths.blocks.push_back(block);
  }
  s.metrics.height = fm.height();
  s.metrics.ascent = fm.ascent();
  s.metrics.descent = fm.descent();
  s.metrics.overhang = 0;  // outline fonts have no synthetic overhang
}

void TSamples::AddFont(const TFontValuesRec& def) {
  const TFontSample* base = FontByName(def.Has(fkBase) ? def.base : QString());
  if (!def.Has(fkBase) || !FontExists(def.base)) base = fonts_.items[0].get();
  auto s = std::make_unique<TFontSample>();
  TFontValuesRec& v = s->values;
  v = base->values;
  v.defined = def.defined;
  v.name = def.name;
  if (def.Has(fkBase)) v.base = def.base;
  if (def.Has(fkFace)) v.face = def.face;
  if (def.Has(fkSize)) v.size = def.size;
  if (def.Has(fkStyle)) v.style = def.style;
  if (def.Has(fkColor)) v.color = def.color;
  if (def.Has(fkPos)) v.pos = def.pos;
  if (def.Has(fkPosZ)) v.posz = def.posz;
  if (def.Has(fkBookMark)) v.bm = def.bm;
  MakeFont(*s);
  Measure(*s);
  const int at = FindFont(v.name);
  if (at >= 0) {
    fonts_.replaced.push_back(std::move(fonts_.items[at]));
    fonts_.items[at] = std::move(s);
  } else {
    fonts_.items.push_back(std::move(s));
  }
}

void TSamples::AddPara(const TParaValuesRec& def) {
  const TParaSample* base = paras_.items[0].get();
  if (def.Has(pkBase) && ParaExists(def.base)) base = ParaByName(def.base);
  auto s = std::make_unique<TParaSample>();
  TParaValuesRec& v = s->values;
  v = base->values;
  v.defined = def.defined;
  v.name = def.name;
  if (def.Has(pkBase)) v.base = def.base;
  if (def.Has(pkFont)) v.font = def.font;
  if (def.Has(pkLeftIndent)) v.lind = def.lind;
  if (def.Has(pkRightIndent)) v.rind = def.rind;
  if (def.Has(pkTab)) v.tab = def.tab;
  if (def.Has(pkAlign)) v.align = def.align;
  if (def.Has(pkBookMark)) v.bm = def.bm;
  if (def.Has(pkRod)) v.rod = def.rod;
  s->font = FontByName(v.font);
  const int at = FindPara(v.name);
  if (at >= 0)
    paras_.items[at] = std::move(s);
  else
    paras_.items.push_back(std::move(s));
}

bool TSamples::Load(const QString& document, QString* head, QString* body) {
  Clear();
  const TDocumentParts parts = SplitDocument(document);
  if (head) *head = parts.head;
  if (body) *body = parts.body;
  if (!parts.accepted) return false;

  fonts_.langTable = BuildLangTable(parts.body);
  auto def = std::make_unique<TFontSample>();
  TFontValuesRec& v = def->values;
  v.defined = (1u << fkCount) - 1;
  v.face = canvasFont_.family();
  v.size = canvasFont_.pointSize() > 0 ? canvasFont_.pointSize() : QFontInfo(canvasFont_).pointSize();
  v.style = (canvasFont_.bold() ? fsBold : 0) | (canvasFont_.italic() ? fsItalic : 0) |
            (canvasFont_.underline() ? fsUnderline : 0) | (canvasFont_.strikeOut() ? fsStrikeOut : 0);
  v.color = canvasColor_;
  v.pos = fpRegular;
  v.posz = 75;
  v.bm = 0;
  MakeFont(*def);
  Measure(*def);
  fonts_.items.push_back(std::move(def));

  auto para = std::make_unique<TParaSample>();
  para->values.defined = (1u << pkCount) - 1;
  para->font = fonts_.items[0].get();
  paras_.items.push_back(std::move(para));

  int cursor = 0;
  QString tag;
  TTagKind kind;
  while (NextDefinition(parts.head, cursor, tag, kind)) {
    if (kind == TTagKind::Font)
      AddFont(ParseFontDefinition(tag));
    else
      AddPara(ParseParaDefinition(tag));
  }
  return true;
}

}  // namespace zentrok
