#include "zentrok/SysUtils_Trg.h"

#include <fcntl.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "zentrok/Utf.h"

namespace zentrok {

void WideStrPLCopy(char16_t* dest, std::u16string_view src, int maxLen) {
  if (src.empty() || maxLen < 0) return;
  const size_t n = std::min(src.size(), static_cast<size_t>(maxLen));
  for (size_t i = 0; i < n; ++i) dest[i] = src[i];
  dest[n] = u'\0';
}

int PluralClass(int n) {
  if (n < 0) return 2;
  const int r = n % 100;
  if (r >= 11 && r <= 19) return 2;
  const int last = r % 10;
  if (last == 1) return 0;
  if (last >= 2 && last <= 4) return 1;
  return 2;
}

void StripChar(char16_t* buf, int count, char16_t ch) {
  int w = 0;
  for (int r = 0; r < count; ++r)
    if (buf[r] != ch) buf[w++] = buf[r];
  for (; w < count; ++w) buf[w] = u'\0';
}

void SetFileExtension(std::string& path, std::string_view extension) {
  const size_t slash = path.find_last_of("/\\");
  const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  const size_t dot = path.find('.', nameStart);
  if (dot != std::string::npos) path.erase(dot);
  path += '.';
  path += extension;
}

std::u16string WideAdjustLineBreaks(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size() + text.size() / 16);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r')) out.push_back(u'\r');
    out.push_back(text[i]);
  }
  return out;
}

int WideFileCreate(std::u16string_view fileName) {
  const std::string name = Utf16ToUtf8(fileName);
  const int fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  return fd < 0 ? INVALID_HANDLE_VALUE : fd;
}

int WideFileCreate(std::u16string_view fileName, int /*rights*/) { return WideFileCreate(fileName); }

int WideFileOpen(std::u16string_view fileName, int mode) {
  const int access = mode & 3;
  const int share = mode & 0xF0;
  if (access == 3 || share > 0x40) return INVALID_HANDLE_VALUE;
  static constexpr int kFlags[3] = {O_RDONLY, O_WRONLY, O_RDWR};
  const std::string name = Utf16ToUtf8(fileName);
  const int fd = ::open(name.c_str(), kFlags[access] | O_CLOEXEC);
  return fd < 0 ? INVALID_HANDLE_VALUE : fd;
}

void WideFileClose(int handle) {
  if (handle >= 0) ::close(handle);
}

std::string ExpandFileName(std::string_view path) {
  std::string p(path);
  if (p.empty() || p[0] != '/') {
    char cwd[PATH_MAX];
    if (::getcwd(cwd, sizeof cwd)) p = std::string(cwd) + "/" + p;
  }
  // Collapse "." and ".." segments so the message shows a clean path.
  std::string out;
  size_t i = 0;
  while (i < p.size()) {
    size_t j = p.find('/', i);
    if (j == std::string::npos) j = p.size();
    const std::string_view seg(p.data() + i, j - i);
    if (seg.empty() || seg == ".") {
    } else if (seg == "..") {
      const size_t cut = out.find_last_of('/');
      out.erase(cut == std::string::npos ? 0 : cut);
    } else {
      out += '/';
      out += seg;
    }
    i = j + 1;
  }
  if (out.empty()) out.assign(1, '/');
  if (!p.empty() && p.back() == '/' && out != "/") out += '/';
  return out;
}

}  // namespace zentrok

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "zentrok/Consts_Trg.h"
#include "zentrok/TrgErrors.h"

namespace zentrok {

void SaveFileAtomic(std::string_view path, const void* data, size_t size) {
  const std::string target(path);
  auto fail = [&](int err) {
    throw EFCreateError(
        Format(SFCreateErrorEx, ExpandFileName(target).c_str(), std::strerror(err)));
  };
  std::string tmp = target + ".XXXXXX";
  const int fd = ::mkstemp(tmp.data());
  if (fd < 0) fail(errno);
  struct stat st {};
  const mode_t mode = ::stat(target.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0666 & ~[] {
    const mode_t m = ::umask(0);
    ::umask(m);
    return m;
  }();
  const auto* p = static_cast<const uint8_t*>(data);
  size_t done = 0;
  while (done < size) {
    const ssize_t n = ::write(fd, p + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const int err = n < 0 ? errno : ENOSPC;
      ::close(fd);
      ::unlink(tmp.c_str());
      fail(err);
    }
    done += static_cast<size_t>(n);
  }
  if (::fchmod(fd, mode) != 0 || ::fsync(fd) != 0) {
    const int err = errno;
    ::close(fd);
    ::unlink(tmp.c_str());
    fail(err);
  }
  if (::close(fd) != 0) {
    const int err = errno;
    ::unlink(tmp.c_str());
    fail(err);
  }
  if (::rename(tmp.c_str(), target.c_str()) != 0) {
    const int err = errno;
    ::unlink(tmp.c_str());
    fail(err);
  }
}

}  // namespace zentrok
