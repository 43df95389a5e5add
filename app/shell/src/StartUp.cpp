#include "zentrok/StartUp.h"

#include <unistd.h>

#include <climits>
#include <cstdint>

namespace zentrok {

int32_t StartNumber(const char* arg) {
  if (arg == nullptr) return 0;
  const char* p = arg;
  while (*p == ' ' || *p == '\t') ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  int64_t value = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    value = value * 10 + (*p - '0');
    if (value > int64_t(INT32_MAX) + 1) value = int64_t(INT32_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT32_MAX) value = INT32_MAX;
  return static_cast<int32_t>(value);
}

TStartCommand StartCommandOf(int32_t n) {
  switch (n) {
    case 1: return {1, 2};
    case 2: return {2, 2};
    case 3: return {1, 1};
    case 4: return {2, 1};
    case 5: return {1, 3};
    case 6: return {2, 3};
    case 7: return {3, 2};
    case 8: return {3, 1};
    default: return {0, 2};
  }
}

bool StartCommandToSelf(int32_t n) {
  return n == 1 || n == 2 || n == 3 || n == 4 || n == 7 || n == 8;
}

std::string ProgramFolder() {
  char path[4096];
  ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return "./";
  std::string s(path, static_cast<size_t>(n));
  size_t slash = s.rfind('/');
  return slash == std::string::npos ? std::string("./") : s.substr(0, slash + 1);
}

}  // namespace zentrok
