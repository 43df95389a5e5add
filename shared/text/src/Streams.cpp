#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "zentrok/Classes_Trg.h"
#include "zentrok/Consts_Trg.h"
#include "zentrok/SysUtils_Trg.h"
#include "zentrok/TrgErrors.h"
#include "zentrok/Utf.h"

namespace zentrok {

int64_t TStream::Size() {
  const int64_t pos = Position();
  const int64_t size = Seek(0, TSeekOrigin::soEnd);
  Seek(pos, TSeekOrigin::soBeginning);
  return size;
}

void TStream::ReadBuffer(void* buffer, int64_t count) {
  if (count != 0 && Read(buffer, count) != count) throw EReadError(SReadError);
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
  if (count != 0 && Write(buffer, count) != count) throw EWriteError(SWriteError);
}

int64_t THandleStream::Read(void* buffer, int64_t count) {
  int64_t done = 0;
  auto* p = static_cast<uint8_t*>(buffer);
  while (done < count) {
    const ssize_t n = ::read(FHandle, p + done, static_cast<size_t>(count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += n;
  }
  return done;
}

int64_t THandleStream::Write(const void* buffer, int64_t count) {
  int64_t done = 0;
  const auto* p = static_cast<const uint8_t*>(buffer);
  while (done < count) {
    const ssize_t n = ::write(FHandle, p + done, static_cast<size_t>(count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += n;
  }
  return done;
}

int64_t THandleStream::Seek(int64_t offset, TSeekOrigin origin) {
  static constexpr int kWhence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
  return ::lseek(FHandle, offset, kWhence[static_cast<int>(origin)]);
}

TUFileStream::TUFileStream(std::u16string_view fileName, int mode)
    : THandleStream(INVALID_HANDLE_VALUE) {
  if (mode == fmCreate) {
    FHandle = WideFileCreate(fileName);
    if (FHandle < 0)
      throw EFCreateError(Format(SFCreateErrorEx, ExpandFileName(Utf16ToUtf8(fileName)).c_str(),
                                 std::strerror(errno)));
  } else {
    FHandle = WideFileOpen(fileName, mode);
    if (FHandle < 0) {
      // An invalid mode word fails before any attempt to open.
      const char* why = ((mode & 3) == 3 || (mode & 0xF0) > 0x40) ? std::strerror(EINVAL)
                                                                  : std::strerror(errno);
      throw EFOpenError(Format(SFOpenErrorEx, ExpandFileName(Utf16ToUtf8(fileName)).c_str(), why));
    }
  }
}

TUFileStream::~TUFileStream() { WideFileClose(FHandle); }

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
  const int64_t avail = Size() - FPos;
  const int64_t n = std::max<int64_t>(0, std::min(count, avail));
  if (n > 0) std::memcpy(buffer, FData.data() + FPos, static_cast<size_t>(n));
  FPos += n;
  return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  if (FPos + count > Size()) FData.resize(static_cast<size_t>(FPos + count));
  std::memcpy(FData.data() + FPos, buffer, static_cast<size_t>(count));
  FPos += count;
  return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  switch (origin) {
    case TSeekOrigin::soBeginning: FPos = offset; break;
    case TSeekOrigin::soCurrent: FPos += offset; break;
    case TSeekOrigin::soEnd: FPos = Size() + offset; break;
  }
  if (FPos < 0) FPos = 0;
  return FPos;
}

void TMemoryStream::Assign(const void* data, size_t size) {
  const auto* p = static_cast<const uint8_t*>(data);
  FData.assign(p, p + size);
  FPos = 0;
}

std::vector<uint8_t> ReadWholeFile(std::string_view fileName) {
  TUFileStream stream(Utf8ToUtf16(fileName), 0);
  struct stat st {};
  std::vector<uint8_t> data;
  if (::fstat(stream.Handle(), &st) == 0 && S_ISREG(st.st_mode)) data.reserve(st.st_size);
  // Read to the end rather than trusting the size: the file may change.
  uint8_t chunk[65536];
  for (;;) {
    const int64_t n = stream.Read(chunk, sizeof chunk);
    if (n <= 0) break;
    data.insert(data.end(), chunk, chunk + n);
  }
  return data;
}

}  // namespace zentrok
