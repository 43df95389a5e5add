#include "zentrok/RtfWriter.h"

#include <QColor>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFragment>
#include <algorithm>
#include <cmath>
#include <vector>

#include "zentrok/Utf.h"

namespace zentrok {

namespace {

QString FamilyOf(const QTextCharFormat& f, const QString& fallback) {
  QVariant families = f.property(QTextFormat::FontFamilies);
  if (families.isValid()) {
    QStringList list = families.toStringList();
    if (!list.isEmpty() && !list.first().isEmpty()) return list.first();
  }
  return fallback;
}

void AppendEscaped(std::string& out, const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    char16_t c = text[i].unicode();
    switch (c) {
      case u'\\': out += "\\\\"; continue;
      case u'{': out += "\\{"; continue;
      case u'}': out += "\\}"; continue;
      case u'\t': out += "\\tab "; continue;
      case u'\u2028': out += "\\line "; continue;
      case u'\u00A0': out += "\\~"; continue;
      case u'\u00AD': out += "\\-"; continue;
      case u'\u2011': out += "\\_"; continue;
      case u'\uFFFC': continue;  // an embedded object: not kept
      default: break;
    }
    if (c < 0x20) continue;
    if (c < 0x80) {
      out += static_cast<char>(c);
      continue;
    }
    out += "\\u" + std::to_string(static_cast<int16_t>(c));
    std::u16string one(1, c);
    if (FitsCp1251(one)) {
      static const char kHex[] = "0123456789abcdef";
      unsigned char b = static_cast<unsigned char>(Utf16ToCp1251(one)[0]);
      out += "\\'";
      out += kHex[b >> 4];
      out += kHex[b & 15];
    } else {
      out += '?';
    }
  }
}

class Writer {
public:
  explicit Writer(const QTextDocument& doc) : FDoc(doc) {
    FDefaultFamily = doc.defaultFont().family();
    FDefaultSize = doc.defaultFont().pointSizeF() > 0 ? doc.defaultFont().pointSizeF() : 12;
    FontIndex(FDefaultFamily);
  }

  std::string Run() {
    std::string body;
    bool first = true;
    for (QTextBlock block = FDoc.begin(); block.isValid(); block = block.next()) {
      if (!first) body += "\\par\n";
      first = false;
      WriteBlock(body, block);
    }
    std::string out = "{\\rtf1\\ansi\\ansicpg1251\\deff0\\uc1\n{\\fonttbl";
    for (size_t i = 0; i < FFonts.size(); ++i) {
      out += "{\\f" + std::to_string(i) + "\\fnil\\fcharset204 ";
      AppendEscaped(out, FFonts[i]);
      out += ";}";
    }
    out += "}\n{\\colortbl;";
    for (const QColor& c : FColors) {
      out += "\\red" + std::to_string(c.red()) + "\\green" + std::to_string(c.green()) +
             "\\blue" + std::to_string(c.blue()) + ";";
    }
    out += "}\n";
    out += body;
    out += "}\n";
    return out;
  }

private:
  int FontIndex(const QString& family) {
    auto it = std::find(FFonts.begin(), FFonts.end(), family);
    if (it != FFonts.end()) return static_cast<int>(it - FFonts.begin());
    FFonts.push_back(family);
    return static_cast<int>(FFonts.size() - 1);
  }

  int ColorIndex(const QColor& color) {
    QColor rgb = color.toRgb();
    for (size_t i = 0; i < FColors.size(); ++i)
      if (FColors[i].rgb() == rgb.rgb()) return static_cast<int>(i + 1);
    FColors.push_back(rgb);
    return static_cast<int>(FColors.size());
  }

  void WriteBlock(std::string& out, const QTextBlock& block) {
    QTextBlockFormat bf = block.blockFormat();
    out += "\\pard";
    Qt::Alignment a = bf.alignment() & Qt::AlignHorizontal_Mask;
    if (a & Qt::AlignHCenter) out += "\\qc";
    else if (a & Qt::AlignJustify) out += "\\qj";
    else if (a & Qt::AlignRight) out += "\\qr";
    else out += "\\ql";
    auto twips = [](qreal v) { return std::to_string(static_cast<int>(std::lround(v * 20))); };
    if (bf.leftMargin() != 0) out += "\\li" + twips(bf.leftMargin());
    if (bf.rightMargin() != 0) out += "\\ri" + twips(bf.rightMargin());
    if (bf.textIndent() != 0) out += "\\fi" + twips(bf.textIndent());
    out += ' ';
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      QTextFragment frag = it.fragment();
      if (!frag.isValid()) continue;
      QTextCharFormat f = frag.charFormat();
      qreal size = f.fontPointSize() > 0 ? f.fontPointSize() : FDefaultSize;
      out += "{\\f" + std::to_string(FontIndex(FamilyOf(f, FDefaultFamily)));
      out += "\\fs" + std::to_string(static_cast<int>(std::lround(size * 2)));
      if (f.foreground().style() != Qt::NoBrush)
        out += "\\cf" + std::to_string(ColorIndex(f.foreground().color()));
      if (f.fontWeight() >= QFont::DemiBold) out += "\\b";
      if (f.fontItalic()) out += "\\i";
      if (f.fontUnderline()) out += "\\ul";
      if (f.fontStrikeOut()) out += "\\strike";
      out += ' ';
      AppendEscaped(out, frag.text());
      out += '}';
    }
  }

  const QTextDocument& FDoc;
  QString FDefaultFamily;
  qreal FDefaultSize = 12;
  std::vector<QString> FFonts;
  std::vector<QColor> FColors;
};

}  // namespace

std::string WriteRtf(const QTextDocument& document) { return Writer(document).Run(); }

std::string WriteRtf(const QTextDocumentFragment& fragment, const QFont& defaultFont) {
  QTextDocument doc;
  doc.setDefaultFont(defaultFont);
  QTextCursor cursor(&doc);
  cursor.insertFragment(fragment);
  return Writer(doc).Run();
}

}  // namespace zentrok
