// Helpers shared by the control tests.
#pragma once

#include <QTemporaryDir>
#include <fstream>
#include <string>
#include <string_view>

#include "zentrok/Utf.h"

namespace zentrok::test {

// A UTF-8 literal as the code page 1251 bytes that captions are stored in.
inline std::string Cp(std::string_view utf8) { return Utf16ToCp1251(Utf8ToUtf16(utf8)); }

inline QString U(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

inline void WriteBytes(const std::string& path, std::string_view bytes) {
  std::ofstream f(path, std::ios::binary);
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

}  // namespace zentrok::test
