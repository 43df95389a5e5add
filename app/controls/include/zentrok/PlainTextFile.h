// Plain-text document files: the encodings the rich edit reads and writes,
// the detection of a file's encoding, and the chunk plan of the
// progress-reporting load. No widgets here: pure byte and string work.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zentrok {

// Document formats: the values of DocumentFormat and the format argument of
// loading and saving.
enum TDocumentFormat : uint8_t {
  dfDetect = 0,   // plain text, encoding detected (load only)
  dfText8 = 1,    // 8-bit text
  dfUtf16 = 2,    // UTF-16 little-endian with the mark FF FE
  dfRtf = 3,      // rich text
  dfOffice = 4,   // office document (through the document server)
  dfOffice5 = 5,  // office document, second kind
};

// 8-bit text as UTF-16: UTF-8 when the bytes are well-formed UTF-8 (a
// leading UTF-8 mark is dropped), otherwise code page 1251.
std::u16string DecodeText8(std::string_view bytes);

// UTF-16 text as 8-bit bytes: code page 1251 when every character has a
// byte there, otherwise UTF-8 without a mark.
std::string EncodeText8(std::u16string_view text);

// UTF-16 little-endian bytes as a string; an odd last byte is dropped.
std::u16string DecodeUtf16LE(std::string_view bytes);

// The bytes FF FE followed by text in UTF-16 little-endian.
std::string EncodeUtf16File(std::u16string_view text);

// True when a file without a mark holds UTF-16: its text read as UTF-16
// little-endian up to the first U+0000 has a character of the Cyrillic
// block (high byte 04), which 8-bit Russian or Tatar text never produces.
bool LooksLikeMarklessUtf16(std::string_view bytes);

// The encoding of a whole plain-text file, as the unchunked load sees it:
// dfUtf16 with the mark, or without it when LooksLikeMarklessUtf16; else
// dfText8.
TDocumentFormat DetectTextFormat(std::string_view bytes);

// The text of a plain-text file in the given format (dfText8 or dfUtf16);
// a UTF-16 file's first two bytes are taken as the mark and skipped.
std::u16string DecodeTextFile(std::string_view bytes, TDocumentFormat format);

// The progress value after chunk k of n: 25 * k / n rounded to the nearest
// integer, halves to even (n = 2 gives 12, 25, 38 for k = 1, 2, 3).
int LoadProgressValue(int k, int n);

// Bytes per chunk of the progress-reporting load.
inline constexpr size_t kLoadChunkBytes = 30000;

// One chunk of the progress-reporting load: its decoded text and the
// progress value reported after it.
struct TTextChunk {
  std::u16string Text;
  int Progress = 0;
};

// Cuts the payload of a plain-text file (after any mark) into chunks:
// size div 30,000 full chunks, then the remainder (no empty remainder
// chunk); a payload under 30,000 bytes is one chunk and n counts as 1.
// Boundaries move back so that no chunk splits a UTF-8 sequence or a UTF-16
// surrogate pair; each chunk decodes to exactly its own characters.
std::vector<TTextChunk> PlanTextChunks(std::string_view payload, TDocumentFormat format);

// The payload of a file for the chunked load and its format: dfUtf16 when
// it begins with FF FE (the mark is cut off), else dfText8 (a UTF-8 mark is
// cut off when the rest is valid UTF-8).
std::string_view SplitTextPayload(std::string_view bytes, TDocumentFormat& format);

// Plain-text line breaks (CR LF, lone CR, lone LF) as LF.
std::u16string NormalizeLineBreaks(std::u16string_view text);

}  // namespace zentrok
