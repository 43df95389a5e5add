#include "zentrok/KeyCollation.h"

#include <unicode/ucol.h>

#include <algorithm>
#include <cstring>
#include <vector>
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

// Primary and secondary ranks of the characters that compact keys cover;
// rank 0 marks a character outside the set.
struct TFastRanks {
  static constexpr char16_t kLimit = 0x0500;
  uint8_t Primary[kLimit] = {};
  uint8_t Secondary[kLimit] = {};

  TFastRanks() {
    std::vector<char16_t> chars;
    for (char16_t c = 0x20; c <= 0x7E; ++c) chars.push_back(c);
    for (char16_t c = 0x0400; c <= 0x045F; ++c) chars.push_back(c);
    for (char16_t c : u"\u0496\u0497\u04A2\u04A3\u04AE\u04AF\u04BA\u04BB\u04D8\u04D9\u04E8\u04E9")
      if (c) chars.push_back(c);

    // A second collator, equal but for its strength, tells which characters
    // share a primary weight (е and ё, upper and lower case).
    UErrorCode err = U_ZERO_ERROR;
    UCollator* primary = ucol_open("", &err);
    ucol_setAttribute(primary, UCOL_STRENGTH, UCOL_PRIMARY, &err);
    ucol_setAttribute(primary, UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE, &err);
    ucol_setAttribute(primary, UCOL_NORMALIZATION_MODE, UCOL_OFF, &err);
    if (U_FAILURE(err)) {
      if (primary) ucol_close(primary);
      return;  // no compact keys: every search uses sort keys
    }
    auto cmp = [](const UCollator* c, char16_t a, char16_t b) {
      return ucol_strcoll(c, &a, 1, &b, 1);
    };
    // Characters without a primary weight (ignorable) would vanish from the
    // primary level: they stay outside the set.
    const char16_t letter = u'a';
    std::vector<char16_t> kept;
    for (char16_t c : chars) {
      const char16_t pair[2] = {letter, c};
      if (ucol_strcoll(primary, pair, 2, &letter, 1) != UCOL_EQUAL) kept.push_back(c);
    }
    std::stable_sort(kept.begin(), kept.end(),
                     [&](char16_t a, char16_t b) { return cmp(Collator(), a, b) == UCOL_LESS; });
    int p = 0, s = 0;
    for (size_t i = 0; i < kept.size(); ++i) {
      if (i == 0 || cmp(primary, kept[i - 1], kept[i]) != UCOL_EQUAL) {
        ++p;
        s = 1;
      } else if (cmp(Collator(), kept[i - 1], kept[i]) != UCOL_EQUAL) {
        ++s;
      }
      if (p > 255 || s > 255) {  // cannot happen with this set; stay correct if it does
        std::fill(std::begin(Primary), std::end(Primary), 0);
        break;
      }
      Primary[kept[i]] = static_cast<uint8_t>(p);
      Secondary[kept[i]] = static_cast<uint8_t>(s);
    }
    ucol_close(primary);
  }
};

const TFastRanks& FastRanks() {
  static const TFastRanks ranks;
  return ranks;
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

size_t KeyFastKey(std::u16string_view s, uint8_t* buffer, size_t capacity) {
  const TFastRanks& r = FastRanks();
  const size_t n = s.size();
  const size_t length = 2 * n + 1;
  if (length > capacity) {
    for (char16_t c : s)
      if (c >= TFastRanks::kLimit || r.Primary[c] == 0) return kNoFastKey;
    return length;
  }
  // One pass: write and check together; the caller ignores the buffer when
  // the text turns out to have a character outside the set.
  for (size_t i = 0; i < n; ++i) {
    const char16_t c = s[i];
    if (c >= TFastRanks::kLimit || r.Primary[c] == 0) return kNoFastKey;
    buffer[i] = r.Primary[c];
    buffer[n + 1 + i] = r.Secondary[c];
  }
  buffer[n] = 0;  // ends the primary level: a shorter text sorts first
  return length;
}

bool KeyFastKey(std::u16string_view s, std::string& out) {
  const size_t at = out.size();
  out.resize(at + 2 * s.size() + 1);
  const size_t n = KeyFastKey(s, reinterpret_cast<uint8_t*>(out.data() + at), out.size() - at);
  if (n == kNoFastKey) {
    out.resize(at);
    return false;
  }
  return true;
}

int CompareSortKeys(const uint8_t* a, size_t alen, const uint8_t* b, size_t blen) {
  const size_t n = alen < blen ? alen : blen;
  const int c = n ? std::memcmp(a, b, n) : 0;
  if (c != 0) return c < 0 ? -1 : 1;
  return alen < blen ? -1 : alen > blen ? 1 : 0;
}

}  // namespace zentrok
