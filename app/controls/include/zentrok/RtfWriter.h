// RtfWriter: writes a QTextDocument as rich text (RTF).
//
// Paragraphs (with alignment and indents), line breaks, tabs, and for each
// run of text its font face, size, colour, bold, italic, underline and
// strike-out. The document is declared in code page 1251: characters outside
// ASCII are written as \uN followed by their 1251 byte (or "?") for readers
// that do not know \u, surrogate pairs as two \uN.
#pragma once

#include <string>

class QTextDocument;
class QTextDocumentFragment;
class QFont;

namespace zentrok {

// The whole document as RTF bytes.
std::string WriteRtf(const QTextDocument& document);

// A fragment (for example the selection) as RTF bytes; runs without a
// face or size of their own take those of defaultFont.
std::string WriteRtf(const QTextDocumentFragment& fragment, const QFont& defaultFont);

}  // namespace zentrok
