#include "InputDecoder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace zentrok::cli {

namespace {

std::string SysError(const std::string& name, int err) {
  return "не удалось прочитать \"" + name + "\": " + std::strerror(err);
}

// The length of an incomplete UTF-8 sequence at the end of bytes, which the
// next block completes.
size_t IncompleteTail(std::string_view bytes) {
  for (size_t k = 1; k <= 3 && k <= bytes.size(); ++k) {
    unsigned char c = static_cast<unsigned char>(bytes[bytes.size() - k]);
    if ((c & 0xC0) == 0x80) continue;
    return c >= 0xC0 ? k : 0;
  }
  return 0;
}

}  // namespace

const char* EncodingName(TInputEncoding e) {
  switch (e) {
    case TInputEncoding::Utf8: return "UTF-8";
    case TInputEncoding::Utf16LE: return "UTF-16LE";
    case TInputEncoding::Utf16BE: return "UTF-16BE";
    case TInputEncoding::Cp1251: return "windows-1251";
  }
  return "UTF-8";
}

bool IsValidUtf8Prefix(std::string_view s, bool atEnd) {
  size_t i = 0, n = s.size();
  while (i < n) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    size_t len;
    unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF) len = 2;
    else if (c >= 0xE0 && c <= 0xEF) {
      len = 3;
      if (c == 0xE0) lo = 0xA0;
      if (c == 0xED) hi = 0x9F;  // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
      len = 4;
      if (c == 0xF0) lo = 0x90;
      if (c == 0xF4) hi = 0x8F;
    } else {
      return false;
    }
    for (size_t k = 1; k < len; ++k) {
      if (i + k >= n) return !atEnd;  // cut short by the end of the bytes
      unsigned char b = static_cast<unsigned char>(s[i + k]);
      if (k == 1 ? (b < lo || b > hi) : (b < 0x80 || b > 0xBF)) return false;
    }
    i += len;
  }
  return true;
}

TDecoder::TDecoder(TInputEncoding e) {
  UErrorCode status = U_ZERO_ERROR;
  FConv = ucnv_open(EncodingName(e), &status);
  if (U_FAILURE(status)) throw std::runtime_error(std::string("ICU has no converter ") + EncodingName(e));
}

TDecoder::~TDecoder() { ucnv_close(FConv); }

void TDecoder::Decode(std::string_view bytes, std::u16string& out, bool flush) {
  const char* src = bytes.data();
  const char* srcEnd = src + bytes.size();
  for (;;) {
    size_t old = out.size();
    out.resize(old + bytes.size() + 16);
    UChar* dst = reinterpret_cast<UChar*>(out.data() + old);
    UChar* dstStart = dst;
    UChar* dstEnd = reinterpret_cast<UChar*>(out.data() + out.size());
    UErrorCode status = U_ZERO_ERROR;
    ucnv_toUnicode(FConv, &dst, dstEnd, &src, srcEnd, nullptr, flush, &status);
    out.resize(old + static_cast<size_t>(dst - dstStart));
    if (status == U_BUFFER_OVERFLOW_ERROR) continue;
    if (U_FAILURE(status)) throw std::runtime_error(u_errorName(status));
    return;
  }
}

TInput::TInput(const std::string& name) : FName(name) {
  if (name == "-") {
    FFd = 0;
    FName = "стандартный ввод";
  } else {
    FFd = open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (FFd < 0) throw TInputError(SysError(name, errno));
    FOwnFd = true;
  }
  struct stat st;
  if (fstat(FFd, &st) == 0 && S_ISDIR(st.st_mode)) {
    if (FOwnFd) close(FFd);
    throw TInputError(SysError(name, EISDIR));
  }
  if (fstat(FFd, &st) == 0 && S_ISREG(st.st_mode)) {
    // Standard input may be a file already partly read by the caller.
    off_t at = lseek(FFd, 0, SEEK_CUR);
    FStart = at > 0 ? at : 0;
    FSize = st.st_size - FStart;
  }
  try {
    ChooseEncoding();
  } catch (...) {
    if (FOwnFd) close(FFd);
    throw;
  }
}

TInput::~TInput() {
  if (FOwnFd) close(FFd);
}

void TInput::Fill(std::string& buf, size_t want, bool oneRead) {
  size_t old = buf.size();
  buf.resize(old + want);
  size_t got = 0;
  while (got < want) {
    ssize_t n = read(FFd, buf.data() + old + got, want - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      buf.resize(old + got);
      throw TInputError(SysError(FName, errno));
    }
    if (n == 0) {
      FAtEnd = true;
      break;
    }
    got += static_cast<size_t>(n);
    if (oneRead) break;
  }
  buf.resize(old + got);
  FBytesRead += static_cast<int64_t>(got);
}

void TInput::ChooseEncoding() {
  // A pipe or terminal is judged by what its first read brings (enough for
  // a byte-order mark), so that a slow writer's first lines are translated
  // before it has written a whole block.
  do {
    Fill(FPending, BlockSize - FPending.size(), Live());
  } while (Live() && FPending.size() < 4 && !FAtEnd);
  std::string_view head = FPending;
  size_t skip = 0;
  if (head.size() >= 2 && head[0] == '\xFF' && head[1] == '\xFE') {
    FEncoding = TInputEncoding::Utf16LE;
    skip = 2;
  } else if (head.size() >= 2 && head[0] == '\xFE' && head[1] == '\xFF') {
    FEncoding = TInputEncoding::Utf16BE;
    skip = 2;
  } else {
    if (head.starts_with("\xEF\xBB\xBF")) skip = 3;
    bool valid = IsValidUtf8Prefix(head, FAtEnd);
    if (valid && !FAtEnd && FSize >= 0) {
      // A regular file: check the rest too, without keeping it.
      size_t carry = IncompleteTail(head);
      std::string block(head.substr(head.size() - carry));
      std::vector<char> buf(1 << 20);
      off_t at = static_cast<off_t>(FStart + static_cast<int64_t>(head.size()));
      for (;;) {
        ssize_t n = pread(FFd, buf.data(), buf.size(), at);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw TInputError(SysError(FName, errno));
        bool end = n == 0;
        block.append(buf.data(), static_cast<size_t>(n));
        if (!IsValidUtf8Prefix(block, end)) {
          valid = false;
          break;
        }
        if (end) break;
        at += n;
        block.erase(0, block.size() - IncompleteTail(block));
      }
    }
    FEncoding = valid ? TInputEncoding::Utf8 : TInputEncoding::Cp1251;
    if (!valid) skip = 0;
  }
  FPending.erase(0, skip);
  FDecoder = std::make_unique<TDecoder>(FEncoding);
}

bool TInput::ReadChars(std::u16string& out) {
  if (!FPending.empty()) {
    std::string block;
    block.swap(FPending);
    FDecoder->Decode(block, out, FAtEnd);
    return true;
  }
  if (FAtEnd) return false;
  std::string block;
  Fill(block, BlockSize, Live());
  FDecoder->Decode(block, out, FAtEnd);
  return true;
}

}  // namespace zentrok::cli
