// Character classes and case mapping of UTF-16 text, one code unit at a
// time so that lengths never change (the engine's token positions and case
// patterns rely on that). Characters outside the Basic Multilingual Plane
// are neither letters nor cased.
#pragma once

#include <string>
#include <string_view>

namespace rusengine {

bool IsLetter(char16_t c);
bool IsUpper(char16_t c);
char16_t ToUpper(char16_t c);
char16_t ToLower(char16_t c);

void LowerInPlace(std::u16string& text);
void UpperInPlace(std::u16string& text);

}  // namespace rusengine
