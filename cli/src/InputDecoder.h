// Reading an input file or stream as UTF-16, a block at a time.
//
// The encoding is chosen once per input: UTF-16 little or big endian when
// the input starts with a byte-order mark, UTF-8 (a leading mark skipped)
// when the bytes are valid UTF-8, otherwise code page 1251. A regular file
// is checked whole (a streaming pass that keeps nothing); a pipe or terminal
// is judged by its first read, and a later invalid byte becomes U+FFFD.
#pragma once

#include <unicode/ucnv.h>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zentrok::cli {

enum class TInputEncoding { Utf8, Utf16LE, Utf16BE, Cp1251 };

// The ICU converter name of an encoding.
const char* EncodingName(TInputEncoding e);

// True when bytes are valid UTF-8; an incomplete sequence at the end counts
// as valid unless atEnd.
bool IsValidUtf8Prefix(std::string_view bytes, bool atEnd);

// A streaming decoder; sequences split between blocks are carried over.
class TDecoder {
public:
  explicit TDecoder(TInputEncoding e);
  ~TDecoder();
  TDecoder(const TDecoder&) = delete;
  TDecoder& operator=(const TDecoder&) = delete;
  // Appends the characters of bytes to out; flush at the end of the input.
  void Decode(std::string_view bytes, std::u16string& out, bool flush);

private:
  UConverter* FConv = nullptr;
};

// An input opened for reading: a file by name, or standard input for "-".
// Failures raise TInputError with a message naming the file.
class TInputError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

class TInput {
public:
  static constexpr size_t BlockSize = 1 << 16;

  // Opens name ("-" is standard input) and chooses the encoding.
  explicit TInput(const std::string& name);
  ~TInput();
  TInput(const TInput&) = delete;
  TInput& operator=(const TInput&) = delete;

  TInputEncoding Encoding() const { return FEncoding; }
  // Size in bytes when known (a regular file), else -1.
  int64_t Size() const { return FSize; }
  int64_t BytesRead() const { return FBytesRead; }
  // A pipe or terminal: blocks come as the writer sends them.
  bool Live() const { return FSize < 0; }
  // Appends the next block's characters to out (for a live input, what one
  // read brings); false at the end of input.
  bool ReadChars(std::u16string& out);

private:
  // Reads up to want bytes into buf; oneRead stops after the first read
  // that brings any.
  void Fill(std::string& buf, size_t want, bool oneRead);
  void ChooseEncoding();

  std::string FName;
  int FFd = -1;
  bool FOwnFd = false;
  bool FAtEnd = false;
  int64_t FSize = -1;
  int64_t FStart = 0;  // file offset where reading began
  int64_t FBytesRead = 0;
  std::string FPending;  // bytes read ahead for choosing the encoding
  TInputEncoding FEncoding = TInputEncoding::Utf8;
  std::unique_ptr<TDecoder> FDecoder;
};

}  // namespace zentrok::cli
