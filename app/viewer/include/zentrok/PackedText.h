// Packed documents: a 32-bit little-endian size S, then a zlib stream
// (RFC 1950) that inflates to exactly S bytes of UTF-16LE text without a
// byte-order mark. The about and help documents are stored this way.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace zentrok {

// A packed document that cannot be read; the message names the file.
class TPackedTextError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads and inflates the file at `path` (UTF-8). Throws TPackedTextError
// when it cannot be opened, is shorter than its size field, has a negative
// or odd size, holds a damaged or truncated stream, or inflates to a
// different number of bytes than S.
std::u16string LoadPackedText(const std::string& path);

// The same for the bytes of a file; `name` is used in error messages.
std::u16string UnpackText(std::string_view bytes, const std::string& name);

// The packed form of `text`.
std::string PackText(std::u16string_view text);

// Writes the packed form through a temporary file renamed into place.
// Throws TPackedTextError on failure.
void SavePackedText(const std::string& path, std::u16string_view text);

}  // namespace zentrok
