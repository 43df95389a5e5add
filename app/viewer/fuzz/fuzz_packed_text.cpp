// Arbitrary bytes as a packed document: an error or a text, never a crash.
#include "zentrok/PackedText.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    (void)zentrok::UnpackText(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz");
  } catch (const zentrok::TPackedTextError&) {
  }
  return 0;
}
