// Temporary files for the command-line translator's tests.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace clitest {

namespace fs = std::filesystem;

class TempDir {
public:
  TempDir() {
    char tmpl[] = "/tmp/zentrok-cli-XXXXXX";
    path = mkdtemp(tmpl);
  }
  ~TempDir() { fs::remove_all(path); }
  std::string Write(const std::string& name, const std::string& bytes) const {
    std::string p = (path / name).string();
    std::ofstream(p, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return p;
  }
  std::string File(const std::string& name) const { return (path / name).string(); }
  fs::path path;
};

inline std::string ReadFile(const std::string& p) {
  std::ifstream f(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), {}};
}

// A file descriptor that collects what is written to it.
class Capture {
public:
  explicit Capture(const TempDir& dir, const std::string& name) : file(dir.File(name)) {
    fd = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  }
  ~Capture() { close(fd); }
  std::string Text() const { return ReadFile(file); }
  std::string file;
  int fd;
};

inline std::string Utf16(const std::u16string& s, bool bigEndian) {
  std::string b = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t c : s) {
    char lo = static_cast<char>(c & 0xFF), hi = static_cast<char>(c >> 8);
    b += bigEndian ? hi : lo;
    b += bigEndian ? lo : hi;
  }
  return b;
}

}  // namespace clitest
