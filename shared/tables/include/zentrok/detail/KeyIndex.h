// Internal: the precomputed keys of one searched column of a table, and the
// key of a searched text. A lookup then costs one key of the searched text
// and a few byte comparisons.
//
// A column whose every text is covered by compact keys (KeyFastKey) is
// indexed with them; any other column with the collator's sort keys. A
// searched text that compact keys cannot express is searched with the
// collator directly (the caller's plain comparison), so every answer stays
// that of KeyCompare.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "zentrok/KeyCollation.h"

namespace zentrok::detail {

// The key of a searched text, on the stack when it is short, so that a
// lookup allocates nothing in the common case.
class TSearchKey {
public:
  TSearchKey(std::u16string_view text, bool compact) {
    FLength = compact ? KeyFastKey(text, FLocal, sizeof FLocal) : KeySortKey(text, FLocal, sizeof FLocal);
    if (FLength == kNoFastKey) {
      FValid = false;
      return;
    }
    if (FLength >= sizeof FLocal) {
      FBig.reset(new uint8_t[FLength + 1]);
      FLength = compact ? KeyFastKey(text, FBig.get(), FLength + 1) : KeySortKey(text, FBig.get(), FLength + 1);
    }
  }
  TSearchKey(const TSearchKey&) = delete;
  TSearchKey& operator=(const TSearchKey&) = delete;

  // False when the index uses compact keys and the text has none.
  bool Valid() const { return FValid; }
  const uint8_t* Data() const { return FBig ? FBig.get() : FLocal; }
  size_t Length() const { return FLength; }
  uint32_t Prefix() const { return PrefixOf(Data(), FLength); }

  // The first four bytes of a key as a big-endian number, zero-padded.
  // Prefixes that differ order their keys as the whole keys do; equal
  // prefixes say nothing. Kept beside each row's key, they settle most
  // comparisons of a search without touching the key itself.
  static uint32_t PrefixOf(const uint8_t* key, size_t length) {
    uint32_t p = 0;
    for (size_t i = 0; i < 4; ++i) p = p << 8 | (i < length ? key[i] : 0);
    return p;
  }

private:
  uint8_t FLocal[256];
  std::unique_ptr<uint8_t[]> FBig;
  size_t FLength = 0;
  bool FValid = true;
};

class TKeyIndex {
public:
  // Builds the keys of rows 0..rows-1; text(row) gives the row's text in
  // the column, or nullopt when the row lacks the column (such a row sorts
  // before every key).
  template <class TTextOf>
  void Build(int rows, TTextOf text) {
    FCompact = true;
    if (!BuildWith(rows, text)) {
      FCompact = false;
      BuildWith(rows, text);
    }
  }

  // Replaces one row's key; false when the text needs the collator's sort
  // keys while the index has compact keys (the caller then rebuilds).
  bool Set(int row, std::optional<std::u16string_view> text) {
    if (!text) {
      FRefs[row] = {0, -1, 0};
      return true;
    }
    const size_t at = FKeys.size();
    if (FCompact) {
      if (!KeyFastKey(*text, FKeys)) return false;
    } else {
      KeySortKey(*text, FKeys);
    }
    const size_t length = FKeys.size() - at;
    FRefs[row] = {static_cast<uint32_t>(at), static_cast<int32_t>(length),
                  TSearchKey::PrefixOf(reinterpret_cast<const uint8_t*>(FKeys.data()) + at, length)};
    return true;
  }

  bool Compact() const { return FCompact; }
  bool Empty() const { return FRefs.empty(); }

  // -1/0/1 of the searched key against the row's key; 1 for a row without
  // a key.
  int Compare(const TSearchKey& key, int row) const { return Compare(key, key.Prefix(), row); }
  int Compare(const TSearchKey& key, uint32_t prefix, int row) const {
    const TRef& r = FRefs[row];
    if (r.Length < 0) return 1;
    if (prefix != r.Prefix) return prefix < r.Prefix ? -1 : 1;
    return CompareSortKeys(key.Data(), key.Length(),
                           reinterpret_cast<const uint8_t*>(FKeys.data()) + r.Offset,
                           static_cast<size_t>(r.Length));
  }

  // Binary search: index receives the first row not sorting before key.
  bool Find(const TSearchKey& key, int& index) const {
    const uint32_t prefix = key.Prefix();
    int lo = 0, hi = static_cast<int>(FRefs.size()) - 1;
    bool found = false;
    while (lo <= hi) {
      const int mid = (lo + hi) / 2;
      const int c = Compare(key, prefix, mid);
      if (c > 0) {
        lo = mid + 1;
      } else {
        hi = mid - 1;
        if (c == 0) found = true;
      }
    }
    index = lo;
    return found;
  }

private:
  template <class TTextOf>
  bool BuildWith(int rows, TTextOf& text) {
    FKeys.clear();
    FKeys.reserve(static_cast<size_t>(rows) * (FCompact ? 12 : 20));
    FRefs.assign(static_cast<size_t>(rows), TRef{0, -1, 0});
    for (int r = 0; r < rows; ++r)
      if (!Set(r, text(r))) return false;
    return true;
  }

  struct TRef {
    uint32_t Offset;
    int32_t Length;  // -1: the row has no text in the column
    uint32_t Prefix;
  };
  std::string FKeys;
  std::vector<TRef> FRefs;
  bool FCompact = true;
};

}  // namespace zentrok::detail
