#include "zentrok/PlainTextFile.h"

#include <cmath>

#include "zentrok/Utf.h"

namespace zentrok {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool IsUtf8Continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

}  // namespace

std::u16string DecodeText8(std::string_view bytes) {
  if (IsValidUtf8(bytes)) {
    if (bytes.substr(0, 3) == kUtf8Mark) bytes.remove_prefix(3);
    return Utf8ToUtf16(bytes);
  }
  return Cp1251ToUtf16(bytes);
}

std::string EncodeText8(std::u16string_view text) {
  if (FitsCp1251(text)) return Utf16ToCp1251(text);
  return Utf16ToUtf8(text);
}

std::u16string DecodeUtf16LE(std::string_view bytes) {
  std::u16string out(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < out.size(); ++i) {
    out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                   (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
  }
  return out;
}

std::string EncodeUtf16File(std::u16string_view text) {
  std::string out;
  out.reserve(2 + text.size() * 2);
  out += "\xFF\xFE";
  for (char16_t c : text) {
    out += static_cast<char>(c & 0xFF);
    out += static_cast<char>(c >> 8);
  }
  return out;
}

bool LooksLikeMarklessUtf16(std::string_view bytes) {
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    unsigned lo = static_cast<unsigned char>(bytes[i]);
    unsigned hi = static_cast<unsigned char>(bytes[i + 1]);
    if (lo == 0 && hi == 0) break;
    if (hi == 0x04) return true;
  }
  return false;
}

TDocumentFormat DetectTextFormat(std::string_view bytes) {
  if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') return dfUtf16;
  return LooksLikeMarklessUtf16(bytes) ? dfUtf16 : dfText8;
}

std::u16string DecodeTextFile(std::string_view bytes, TDocumentFormat format) {
  if (format == dfUtf16) {
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') bytes.remove_prefix(2);
    return DecodeUtf16LE(bytes);
  }
  return DecodeText8(bytes);
}

int LoadProgressValue(int k, int n) {
  if (n <= 0) n = 1;
  // 25 * k / n is a multiple of 1/n; halves are exact, so nearbyint under
  // the default rounding mode (to nearest, ties to even) rounds it right.
  return static_cast<int>(std::nearbyint(25.0 * k / n));
}

std::string_view SplitTextPayload(std::string_view bytes, TDocumentFormat& format) {
  if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
    format = dfUtf16;
    return bytes.substr(2);
  }
  format = dfText8;
  if (bytes.substr(0, 3) == kUtf8Mark && IsValidUtf8(bytes)) return bytes.substr(3);
  return bytes;
}

std::vector<TTextChunk> PlanTextChunks(std::string_view payload, TDocumentFormat format) {
  std::vector<TTextChunk> chunks;
  if (payload.empty()) return chunks;
  const bool utf8 = format != dfUtf16 && IsValidUtf8(payload);
  size_t n = payload.size() / kLoadChunkBytes;
  const size_t count = n + (payload.size() % kLoadChunkBytes ? 1 : 0);
  if (n == 0) n = 1;
  size_t start = 0;
  for (size_t k = 1; k <= count; ++k) {
    size_t end = k == count ? payload.size() : k * kLoadChunkBytes;
    if (end < payload.size() && end > start) {
      if (format == dfUtf16) {
        // A high surrogate as the last unit goes with its pair.
        unsigned hi = static_cast<unsigned char>(payload[end - 1]);
        if (end >= start + 2 && hi >= 0xD8 && hi <= 0xDB) end -= 2;
      } else if (utf8) {
        while (end > start && IsUtf8Continuation(static_cast<unsigned char>(payload[end]))) --end;
      }
    }
    std::string_view bytes = payload.substr(start, end - start);
    TTextChunk chunk;
    if (format == dfUtf16)
      chunk.Text = DecodeUtf16LE(bytes);
    else
      chunk.Text = utf8 ? Utf8ToUtf16(bytes) : Cp1251ToUtf16(bytes);
    chunk.Progress = LoadProgressValue(static_cast<int>(k), static_cast<int>(n));
    chunks.push_back(std::move(chunk));
    start = end;
  }
  return chunks;
}

std::u16string NormalizeLineBreaks(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (c == u'\r') {
      out += u'\n';
      if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace zentrok
