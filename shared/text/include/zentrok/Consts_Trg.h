// Message formats of the shared library. Each takes the arguments named in
// its comment, in order, through Format() below.
#pragma once

#include <string>
#include <string_view>

namespace zentrok {

// %s: full path, %s: the system's error text.
inline constexpr const char* SFCreateErrorEx = "Cannot create file \"%s\". %s";
// %s: full path, %s: the system's error text.
inline constexpr const char* SFOpenErrorEx = "Cannot open file \"%s\". %s";
// %d: the index.
inline constexpr const char* SListIndexError = "List index out of bounds (%d)";
// %s: path, %s: what is wrong.
inline constexpr const char* SDamagedTable = "Damaged table file \"%s\": %s";
inline constexpr const char* SReadError = "Stream read error";
inline constexpr const char* SWriteError = "Stream write error";

// printf-style formatting into a std::string (only %s and %d are used).
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

}  // namespace zentrok
