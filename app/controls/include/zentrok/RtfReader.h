// RtfReader: reads rich text (RTF) into a QTextDocument.
//
// What it keeps: paragraphs and their alignment and indents, line breaks,
// tabs, bold, italic, underline, strike-out, font size, font face (font
// table), text colour (colour table), \uN characters with their \ucN
// fallback skipped, and \'hh bytes under the document's \ansicpg or the
// font's character set. Destinations it does not show (starred groups,
// pictures, style sheets, document information, headers, footers, field
// instructions ...) are skipped, \binN data included.
//
// Any byte sequence is accepted: the reader never throws, never reads past
// its input and always ends, whatever the nesting or the numbers. Input that
// does not begin with "{\rtf" is inserted as 8-bit plain text.
#pragma once

#include <string_view>

class QTextCursor;
class QTextDocument;

namespace zentrok {

// True when the bytes begin (after white space) with "{\rtf".
bool IsRtf(std::string_view bytes);

// Inserts the rich text at the cursor, which ends after the inserted text.
void InsertRtf(QTextCursor& cursor, std::string_view rtf);

// Replaces the whole content of the document with the rich text.
void ReadRtfDocument(QTextDocument& document, std::string_view rtf);

}  // namespace zentrok
