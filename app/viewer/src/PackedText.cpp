#include "zentrok/PackedText.h"

#include <zlib.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace zentrok {
namespace {

// Deflate cannot expand data by more than about 1032 to 1; a size field
// beyond that is damage, and is refused before anything is allocated.
constexpr uint64_t kMaxRatio = 1032;

[[noreturn]] void Damaged(const std::string& name, const std::string& what) {
  throw TPackedTextError("Damaged document file \"" + name + "\": " + what);
}

}  // namespace

std::u16string UnpackText(std::string_view bytes, const std::string& name) {
  if (bytes.size() < 4) Damaged(name, "shorter than its size field");
  const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
  const int32_t size = int32_t(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 |
                               uint32_t(b[3]) << 24);
  if (size < 0) Damaged(name, "negative size");
  if (size % 2 != 0) Damaged(name, "odd size for UTF-16 text");
  const uint64_t packed = bytes.size() - 4;
  if (uint64_t(size) > packed * kMaxRatio + 64) Damaged(name, "size larger than the data can hold");

  // One spare byte shows when the stream holds more than S bytes.
  std::vector<unsigned char> out(size_t(size) + 1);
  z_stream zs{};
  if (inflateInit(&zs) != Z_OK) Damaged(name, "cannot start decompression");
  zs.next_in = const_cast<Bytef*>(b + 4);
  zs.avail_in = uInt(packed);
  zs.next_out = out.data();
  zs.avail_out = uInt(out.size());
  const int rc = inflate(&zs, Z_FINISH);
  const uint64_t produced = zs.total_out;
  inflateEnd(&zs);
  if (rc == Z_DATA_ERROR) Damaged(name, "damaged compressed data");
  if (rc != Z_STREAM_END) {
    if (produced > uint64_t(size)) Damaged(name, "more data than its size field says");
    Damaged(name, "truncated compressed data");
  }
  if (produced != uint64_t(size)) Damaged(name, "less data than its size field says");

  std::u16string text(size_t(size) / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i)
    text[i] = char16_t(out[2 * i] | out[2 * i + 1] << 8);
  return text;
}

std::u16string LoadPackedText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw TPackedTextError("Cannot open file \"" + path + "\". " + std::strerror(errno));
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw TPackedTextError("Cannot read file \"" + path + "\".");
  return UnpackText(bytes, path);
}

std::string PackText(std::u16string_view text) {
  std::string raw;
  raw.reserve(text.size() * 2);
  for (const char16_t c : text) {
    raw.push_back(char(c & 0xFF));
    raw.push_back(char(c >> 8));
  }
  uLongf bound = compressBound(uLong(raw.size()));
  std::string out(4 + bound, '\0');
  if (compress2(reinterpret_cast<Bytef*>(out.data() + 4), &bound,
                reinterpret_cast<const Bytef*>(raw.data()), uLong(raw.size()), 9) != Z_OK)
    throw TPackedTextError("Cannot compress document text");
  out.resize(4 + bound);
  const uint32_t size = uint32_t(raw.size());
  for (int i = 0; i < 4; ++i) out[i] = char((size >> (8 * i)) & 0xFF);
  return out;
}

void SavePackedText(const std::string& path, std::u16string_view text) {
  const std::string packed = PackText(text);
  const std::string temp = path + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) throw TPackedTextError("Cannot create file \"" + temp + "\". " + std::strerror(errno));
    out.write(packed.data(), std::streamsize(packed.size()));
    out.close();
    if (!out) {
      std::remove(temp.c_str());
      throw TPackedTextError("Cannot write file \"" + temp + "\".");
    }
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    const std::string err = std::strerror(errno);
    std::remove(temp.c_str());
    throw TPackedTextError("Cannot rename \"" + temp + "\" to \"" + path + "\". " + err);
  }
}

}  // namespace zentrok
