#include "zentrok/Classes_Trg.h"

#include <chrono>
#include <cstring>

#include "zentrok/Consts_Trg.h"
#include "zentrok/KeyCollation.h"
#include "zentrok/SysUtils_Trg.h"
#include "zentrok/TrgErrors.h"
#include "zentrok/Utf.h"

namespace zentrok {

namespace {

int Sign(int c) { return (c > 0) - (c < 0); }

// UTF-16LE bytes up to the first U+0000, as read by LoadFromFile: an odd
// last byte pairs with a zero byte.
std::u16string TextFromBytes(const std::vector<uint8_t>& bytes) {
  std::u16string text;
  text.reserve(bytes.size() / 2 + 1);
  for (size_t i = 0; i < bytes.size(); i += 2) {
    const char16_t c = static_cast<char16_t>(bytes[i] | (i + 1 < bytes.size() ? bytes[i + 1] << 8 : 0));
    if (c == u'\0') break;
    text.push_back(c);
  }
  return text;
}

std::vector<uint8_t> BytesFromText(std::u16string_view text, bool withMark) {
  std::vector<uint8_t> out;
  out.reserve(text.size() * 2 + 2);
  if (withMark) {
    out.push_back(0xFF);
    out.push_back(0xFE);
  }
  for (char16_t c : text) {
    out.push_back(static_cast<uint8_t>(c & 0xFF));
    out.push_back(static_cast<uint8_t>(c >> 8));
  }
  return out;
}

}  // namespace

// ------------------------------------------------------------ TWideStrings

void TWideStrings::Error(int index) { throw EStringListError(Format(SListIndexError, index)); }

int TWideStrings::DefaultCompare(const TWideStrings& list, const std::u16string& a,
                                 const std::u16string& b) {
  return list.CompareStrings(a, b);
}

void TWideStrings::Put(int index, const std::u16string& s) {
  void* obj = GetObject(index);
  Delete(index);
  InsertObject(index, s, obj);
  FModified = true;
}

std::u16string TWideStrings::GetTextStr() const {
  std::u16string text;
  const int n = GetCount();
  if (n == 0) return text;
  if (FWriteBOM) text.push_back(u'\uFEFF');
  for (int i = 0; i < n; ++i) {
    if (i) text += u"\r\n";
    text += Get(i);
  }
  return text;
}

void TWideStrings::SetTextStr(std::u16string_view text) {
  BeginUpdate();
  try {
    Clear();
    size_t i = 0;
    if (!text.empty() && text[0] == u'\uFEFF') i = 1;
    while (i < text.size() && text[i] != u'\0') {
      const size_t start = i;
      while (i < text.size() && text[i] != u'\0' && text[i] != u'\r' && text[i] != u'\n') ++i;
      Add(std::u16string(text.substr(start, i - start)));
      if (i < text.size() && text[i] == u'\r') ++i;
      if (i < text.size() && text[i] == u'\n') ++i;
    }
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

int TWideStrings::CompareStrings(const std::u16string& a, const std::u16string& b) const {
  return KeyCompare(a, b);
}

int TWideStrings::Add(const std::u16string& s) {
  const int index = GetCount();
  Insert(index, s);
  FModified = true;
  return index;
}

int TWideStrings::AddObject(const std::u16string& s, void* obj) {
  const int index = Add(s);
  PutObject(index, obj);
  FModified = true;
  return index;
}

void TWideStrings::AddStrings(const TWideStrings& source, TWideStringsCompare compare) {
  BeginUpdate();
  try {
    const int n = source.GetCount();  // source may be this list
    for (int i = 0; i < n; ++i) AddObject(source.Get(i), source.GetObject(i));
    if (compare) Sort(compare);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TWideStrings::Exchange(int i, int j) {
  BeginUpdate();
  try {
    const std::u16string si = Get(i), sj = Get(j);
    void* oi = GetObject(i);
    void* oj = GetObject(j);
    Put(i, sj);
    PutObject(i, oj);
    Put(j, si);
    PutObject(j, oi);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

bool TWideStrings::Find(const std::u16string& s, int& index, TWideStringsCompare compare) const {
  if (!compare) compare = DefaultCompare;
  int lo = 0, hi = GetCount() - 1;
  bool found = false;
  while (lo <= hi) {
    const int mid = (lo + hi) / 2;
    const int c = compare(*this, s, Get(mid));
    if (c > 0) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
      if (c == 0) found = true;
    }
  }
  index = found ? lo : -1;
  return found;
}

int TWideStrings::AddSorted(const std::u16string& s, TWideStringsCompare compare) {
  if (!compare) compare = DefaultCompare;
  int index = 0;
  if (GetCount() > 0) {
    int p = 0, above = GetCount() - 1, below = 0, c = 0, step = 0;
    do {
      c = Sign(compare(*this, s, Get(p)));
      if (c == 0) break;
      if (c > 0) {
        step = (above + 1) / 2;
        above -= step;
        below = step - 1;
      } else {
        step = (below + 1) / 2;
        below -= step;
        above = step - 1;
      }
      p += c * step;
    } while (step != 0);
    index = p + (c >= 0 ? 1 : 0);
  }
  Insert(index, s);
  FModified = true;
  return index;
}

int TWideStrings::IndexOf(const std::u16string& s) const {
  for (int i = 0, n = GetCount(); i < n; ++i)
    if (CompareStrings(Get(i), s) == 0) return i;
  return -1;
}

int TWideStrings::IndexOfName(const std::u16string& name) const {
  const char16_t sep = NameValueSeparator();
  for (int i = 0, n = GetCount(); i < n; ++i) {
    const std::u16string item = Get(i);
    const size_t p = item.find(sep);
    if (p != std::u16string::npos && CompareStrings(item.substr(0, p), name) == 0) return i;
  }
  return -1;
}

int TWideStrings::IndexOfObject(const void* obj) const {
  for (int i = 0, n = GetCount(); i < n; ++i)
    if (GetObject(i) == obj) return i;
  return -1;
}

void TWideStrings::InsertObject(int index, const std::u16string& s, void* obj) {
  Insert(index, s);
  PutObject(index, obj);
}

void TWideStrings::Sort(TWideStringsCompare compare) {
  if (GetCount() > 1) SortRange(0, GetCount() - 1, compare);
}

void TWideStrings::SortRange(int first, int last, TWideStringsCompare compare) {
  if (!compare) compare = DefaultCompare;
  if (first < 0 || last >= GetCount() || first >= last) return;
  BeginUpdate();
  try {
    QuickSort(first, last, compare);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TWideStrings::QuickSort(int first, int last, TWideStringsCompare compare) {
  int i;
  do {
    i = first;
    int j = last;
    int p = (first + last) / 2;  // the pivot, followed through exchanges
    do {
      while (compare(*this, Get(i), Get(p)) < 0) ++i;
      while (compare(*this, Get(j), Get(p)) > 0) --j;
      if (i <= j) {
        if (i != j) Exchange(i, j);
        if (p == i)
          p = j;
        else if (p == j)
          p = i;
        ++i;
        --j;
      }
    } while (i <= j);
    if (first < j) QuickSort(first, j, compare);
    first = i;
  } while (i < last);
}

void TWideStrings::LoadFromFile(const std::u16string& name) {
  BeginUpdate();
  try {
    FFileName = name;
    TUFileStream stream(name, 0);
    LoadFromStream(stream);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TWideStrings::LoadFromStream(TStream& stream) {
  std::vector<uint8_t> bytes;
  uint8_t chunk[65536];
  for (;;) {
    const int64_t n = stream.Read(chunk, sizeof chunk);
    if (n <= 0) break;
    bytes.insert(bytes.end(), chunk, chunk + n);
  }
  SetTextStr(TextFromBytes(bytes));
}

void TWideStrings::SaveToFile(const std::u16string& name) {
  const std::u16string& target = name.empty() ? FFileName : name;
  const std::u16string text = GetTextStr();
  const bool mark = !text.empty() && text[0] != u'\uFEFF';
  const std::vector<uint8_t> bytes = BytesFromText(text, mark);
  // A temporary file renamed over the target: a failed save never leaves a
  // truncated file behind.
  SaveFileAtomic(Utf16ToUtf8(target), bytes.data(), bytes.size());
}

void TWideStrings::SaveToStream(TStream& stream) const {
  const std::vector<uint8_t> bytes = BytesFromText(WideAdjustLineBreaks(GetTextStr()), false);
  stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}

void TWideStrings::Move(int from, int to) {
  if (from == to) return;
  BeginUpdate();
  try {
    const std::u16string s = Get(from);
    void* obj = GetObject(from);
    Delete(from);
    InsertObject(to, s, obj);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

int TWideStrings::CompareNames(const std::u16string& a, const std::u16string& b) const {
  const char16_t sep = NameValueSeparator();
  const size_t pa = a.find(sep), pb = b.find(sep);
  return CompareStrings(pa == std::u16string::npos ? a : a.substr(0, pa),
                        pb == std::u16string::npos ? b : b.substr(0, pb));
}

void TWideStrings::Assign(const TWideStrings& source) {
  if (&source == this) return;
  BeginUpdate();
  try {
    Clear();
    FWriteBOM = source.FWriteBOM;
    FNameValueSeparator = source.FNameValueSeparator;
    for (int i = 0, n = source.GetCount(); i < n; ++i) AddObject(source.Get(i), source.GetObject(i));
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TWideStrings::BeginUpdate() {
  // The state changes while the count is still 0, so the list reports one
  // change at each end of a batch.
  if (FUpdateCount == 0) SetUpdateState(true);
  ++FUpdateCount;
}

void TWideStrings::EndUpdate() {
  if (--FUpdateCount == 0) SetUpdateState(false);
}

char16_t TWideStrings::NameValueSeparator() const { return FNameValueSeparator; }
void TWideStrings::SetNameValueSeparator(char16_t c) { FNameValueSeparator = c; }

// --------------------------------------------------------- TWideStringList

const std::u16string& TWideStringList::Strings(int index) const {
  if (index < 0 || index >= GetCount()) Error(index);
  return FItems[index].FString;
}

std::u16string TWideStringList::Get(int index) const { return Strings(index); }

void* TWideStringList::GetObject(int index) const {
  if (index < 0 || index >= GetCount()) Error(index);
  return FItems[index].FObject;
}

void TWideStringList::Put(int index, const std::u16string& s) {
  if (index < 0 || index >= GetCount()) Error(index);
  Changing();
  FItems[index].FString = s;
  Changed();
}

void TWideStringList::PutObject(int index, void* obj) {
  if (index < 0 || index >= GetCount()) Error(index);
  Changing();
  FItems[index].FObject = obj;
  Changed();
}

void TWideStringList::SetCapacity(int n) {
  if (n < GetCount()) n = GetCount();
  FItems.resize(static_cast<size_t>(n));
}

void TWideStringList::SetUpdateState(bool updating) {
  if (updating)
    Changing();
  else
    Changed();
}

int TWideStringList::Add(const std::u16string& s) {
  const int index = GetCount();
  InsertItem(index, s, nullptr);
  return index;
}

int TWideStringList::AddObject(const std::u16string& s, void* obj) {
  const int index = GetCount();
  InsertItem(index, s, obj);
  return index;
}

void TWideStringList::Clear() {
  if (FCount == 0) return;
  Changing();
  FItems.clear();
  FItems.shrink_to_fit();
  FCount = 0;
  Changed();
}

void TWideStringList::Delete(int index) {
  if (index < 0 || index >= GetCount()) Error(index);
  Changing();
  for (size_t i = static_cast<size_t>(index); i + 1 < FCount; ++i) FItems[i] = std::move(FItems[i + 1]);
  --FCount;
  FItems[FCount] = TItem{};
  Changed();
}

void TWideStringList::Exchange(int i, int j) {
  if (i < 0 || i >= GetCount()) Error(i);
  if (j < 0 || j >= GetCount()) Error(j);
  Changing();
  std::swap(FItems[i], FItems[j]);
  Changed();
}

int TWideStringList::IndexOf(const std::u16string& s) const { return TWideStrings::IndexOf(s); }

void TWideStringList::Insert(int index, const std::u16string& s) { InsertObject(index, s, nullptr); }

void TWideStringList::InsertObject(int index, const std::u16string& s, void* obj) {
  if (index < 0 || index > GetCount()) Error(index);
  InsertItem(index, s, obj);
}

void TWideStringList::Grow() {
  const size_t cap = FItems.size();
  const size_t delta = cap > 64 ? cap / 4 : cap > 8 ? 16 : 4;
  FItems.resize(cap + delta);
}

void TWideStringList::InsertItem(int index, const std::u16string& s, void* obj) {
  Changing();
  if (FCount == FItems.size()) Grow();
  for (size_t i = FCount; i > static_cast<size_t>(index); --i) FItems[i] = std::move(FItems[i - 1]);
  FItems[index] = TItem{s, obj};
  ++FCount;
  Changed();
}

void TWideStringList::Changed() {
  FModified = true;
  if (UpdateCount() == 0 && OnChange) OnChange(*this);
}

void TWideStringList::Changing() {
  if (UpdateCount() == 0 && OnChanging) OnChanging(*this);
}

// ----------------------------------------------------------------- TMSTimer

namespace {
int64_t NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
}  // namespace

void TMSTimer::Start() { FStartMs = NowMs(); }

int64_t TMSTimer::Elapsed() const {
  const int64_t d = NowMs() - FStartMs;
  return d < 0 ? -d : d;
}

}  // namespace zentrok
