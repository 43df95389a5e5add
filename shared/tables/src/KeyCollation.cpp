#include "zentrok/KeyCollation.h"

#include <unicode/ucol.h>

#include <cstring>
#include <memory>
#include <stdexcept>

namespace zentrok {

namespace {

// The one collator. ICU collators may be shared between threads for
// comparisons and sort keys, which is all that is done with it.
class TKeyCollator {
public:
  TKeyCollator() {
    UErrorCode err = U_ZERO_ERROR;
    FCollator = ucol_open("", &err);
    if (U_FAILURE(err)) throw std::runtime_error("cannot open the ICU root collator");
    ucol_setAttribute(FCollator, UCOL_STRENGTH, UCOL_SECONDARY, &err);
    ucol_setAttribute(FCollator, UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE, &err);
    ucol_setAttribute(FCollator, UCOL_NORMALIZATION_MODE, UCOL_OFF, &err);
    ucol_setAttribute(FCollator, UCOL_FRENCH_COLLATION, UCOL_OFF, &err);
    ucol_setAttribute(FCollator, UCOL_CASE_LEVEL, UCOL_OFF, &err);
    if (U_FAILURE(err)) throw std::runtime_error("cannot configure the key collator");
  }
  ~TKeyCollator() { ucol_close(FCollator); }
  const UCollator* Get() const { return FCollator; }

private:
  UCollator* FCollator = nullptr;
};

const UCollator* Collator() {
  static const TKeyCollator collator;
  return collator.Get();
}

}  // namespace

int KeyCompare(std::u16string_view a, std::u16string_view b) {
  const UCollationResult r = ucol_strcoll(Collator(), a.data(), static_cast<int32_t>(a.size()),
                                          b.data(), static_cast<int32_t>(b.size()));
  return r == UCOL_LESS ? -1 : r == UCOL_GREATER ? 1 : 0;
}

size_t KeySortKey(std::u16string_view s, uint8_t* buffer, size_t capacity) {
  const int32_t n = ucol_getSortKey(Collator(), s.data(), static_cast<int32_t>(s.size()), buffer,
                                    static_cast<int32_t>(capacity));
  // ICU counts the terminating zero byte; the keys here carry none. A zero
  // result cannot happen for a valid collator, but is treated as empty.
  return n > 0 ? static_cast<size_t>(n - 1) : 0;
}

size_t KeySortKey(std::u16string_view s, std::string& out) {
  uint8_t local[512];
  size_t n = KeySortKey(s, local, sizeof local);
  if (n < sizeof local) {
    out.append(reinterpret_cast<const char*>(local), n);
    return n;
  }
  std::unique_ptr<uint8_t[]> big(new uint8_t[n + 1]);
  n = KeySortKey(s, big.get(), n + 1);
  out.append(reinterpret_cast<const char*>(big.get()), n);
  return n;
}

int CompareSortKeys(const uint8_t* a, size_t alen, const uint8_t* b, size_t blen) {
  const int c = std::memcmp(a, b, alen < blen ? alen : blen);
  if (c != 0) return c < 0 ? -1 : 1;
  return alen < blen ? -1 : alen > blen ? 1 : 0;
}

}  // namespace zentrok
