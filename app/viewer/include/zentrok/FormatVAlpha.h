// The markup of the program's styled documents (about and help texts).
//
// A document is UTF-16 text: anything, "<head>", definition tags, "<body>",
// then plain text with use tags. Definition tags name font samples
// ("<font:id=big/base,size=14,style=bi,color=navy,pos=sup,posz=60,bm=3,
// name=DejaVu Sans>") and paragraph samples ("<para:id=p1/base,idfont=big,
// lind=10,rind=0,tab=20,align=centre,bm=2,rod=true>"). The body switches
// samples with "<para=NAME@N>" and "<font=NAME@N>", N being an optional
// bookmark number. Use tags naming unknown samples stay in the text.
//
// Every attribute value, NAME and N are trimmed of characters that are not
// letters or digits at both ends, so numbers are never negative. The parser
// never modifies the document.
#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

#include "zentrok/FontStyle.h"

namespace zentrok {

// Defined-mask bits of a font definition (bit i for key i, in key order).
enum TFontKey : int {
  fkBase = 0, fkFace, fkSize, fkStyle, fkColor, fkPos, fkPosZ, fkBookMark, fkName,
  fkCount
};
// Defined-mask bits of a paragraph definition.
enum TParaKey : int {
  pkBase = 0, pkFont, pkLeftIndent, pkRightIndent, pkTab, pkAlign, pkName, pkBookMark,
  pkRod, pkCount
};

// Vertical position of a font sample.
enum : uint8_t { fpRegular = 0, fpSub = 1, fpSup = 2 };
// Paragraph alignment.
enum : uint8_t { paLeft = 0, paCentre = 1, paRight = 2, paJustify = 3 };

// One parsed "<font:" definition.
struct TFontValuesRec {
  uint32_t defined = 0;
  QString name, base, face;
  int32_t size = 0;
  int32_t style = 0;
  uint32_t color = 0;  // 0x00BBGGRR
  uint8_t pos = fpRegular;
  int32_t posz = 0;    // sub/superscript size, percent
  int32_t bm = 0;
  bool Has(int key) const { return defined & (1u << key); }
};

// One parsed "<para:" definition.
struct TParaValuesRec {
  uint32_t defined = 0;
  QString name, base, font;
  int32_t lind = 0, rind = 0, reserved = 0, tab = 0;
  uint8_t align = paLeft;
  int32_t bm = 0;
  bool rod = false;  // left edge follows the document's tab column
  bool Has(int key) const { return defined & (1u << key); }
};

// The code pages (high byte of a character) of a body in order of first
// occurrence.
using TLangTable = std::vector<uint8_t>;

enum class TTagKind { Para = 0, Font = 1 };

struct TDocumentParts {
  QString head, body;
  bool accepted = false;
};

// Splits at the first "<head>" and the first "<body>". Rejected when either
// is missing, "<body>" starts inside "<head>" or before it, or the body is
// empty.
TDocumentParts SplitDocument(const QString& text);

// The next definition tag of the head from `cursor`, which moves past it.
// Tags that are neither "<para:" nor "<font:" are skipped. False at the end
// of the head.
bool NextDefinition(const QString& head, int& cursor, QString& tag, TTagKind& kind);

TFontValuesRec ParseFontDefinition(const QString& tag);
TParaValuesRec ParseParaDefinition(const QString& tag);

// Trims characters that are not letters or digits from both ends.
QString TrimValue(const QString& value);

// Colour by one of the eighteen names, case-insensitive; false otherwise.
bool ColorByName(const QString& name, uint32_t& color);

struct TUseTag {
  QString before;      // plain text from the cursor to the tag
  QString name;
  int bm = 0;
  bool hasBm = false;  // an "@N" part with a number was given
  bool found = false;  // false: `before` is the whole rest of the body
};

// The next valid use tag of `kind` in `body` from `cursor`. `exists` tells
// whether a sample name is known; tags naming unknown samples, and tags
// without ">", are passed over and stay in the text.
TUseTag NextUse(const QString& body, int& cursor, TTagKind kind,
                const std::function<bool(const QString&)>& exists);

TLangTable BuildLangTable(const QString& body);

}  // namespace zentrok
