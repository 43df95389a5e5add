// Streams, the wide string list and the millisecond timer.
//
// The wide string list defines the system's plain-text file format: UTF-16
// little-endian with a byte-order mark, lines separated by CR LF.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zentrok {

// ---------------------------------------------------------------- streams

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

// A stream of bytes with a position.
class TStream {
public:
  virtual ~TStream() = default;
  // Reads up to count bytes; returns how many were read.
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  // Writes up to count bytes; returns how many were written.
  virtual int64_t Write(const void* buffer, int64_t count) = 0;
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

  int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
  void SetPosition(int64_t pos) { Seek(pos, TSeekOrigin::soBeginning); }
  int64_t Size();
  // Read/Write exactly count bytes or raise EReadError / EWriteError.
  void ReadBuffer(void* buffer, int64_t count);
  void WriteBuffer(const void* buffer, int64_t count);
};

// A stream over a file descriptor.
class THandleStream : public TStream {
public:
  explicit THandleStream(int handle) : FHandle(handle) {}
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int Handle() const { return FHandle; }

protected:
  int FHandle;
};

// A file stream opened by a UTF-16 file name. Mode fmCreate creates (or
// truncates) the file; any other mode is a WideFileOpen mode word. Failure
// raises EFCreateError / EFOpenError with the full path and the system's
// error text.
class TUFileStream : public THandleStream {
public:
  static constexpr int fmCreate = 0xFFFF;
  TUFileStream(std::u16string_view fileName, int mode);
  ~TUFileStream() override;
  TUFileStream(const TUFileStream&) = delete;
  TUFileStream& operator=(const TUFileStream&) = delete;
};

// A stream over a growable block of memory.
class TMemoryStream : public TStream {
public:
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  const uint8_t* Memory() const { return FData.data(); }
  int64_t Size() const { return static_cast<int64_t>(FData.size()); }
  void SetSize(int64_t size) { FData.resize(static_cast<size_t>(size)); }
  void Clear() { FData.clear(); FPos = 0; }
  // Replaces the content with a copy of the bytes; the position becomes 0.
  void Assign(const void* data, size_t size);

private:
  std::vector<uint8_t> FData;
  int64_t FPos = 0;
};

// Reads a whole file into memory (UTF-8 name). Raises EFOpenError.
std::vector<uint8_t> ReadWholeFile(std::string_view fileName);

// ------------------------------------------------------------ string list

// Compares two strings for sorting and searching a list: negative, zero or
// positive. Receives the list as context.
class TWideStrings;
using TWideStringsCompare = int (*)(const TWideStrings& list, const std::u16string& a,
                                    const std::u16string& b);

// An abstract list of UTF-16 strings, each with an object reference.
class TWideStrings {
public:
  virtual ~TWideStrings() = default;

  // Abstract access, supplied by TWideStringList.
  virtual std::u16string Get(int index) const = 0;
  virtual int GetCount() const = 0;
  virtual void Clear() = 0;
  virtual void Delete(int index) = 0;
  virtual void Insert(int index, const std::u16string& s) = 0;

  virtual int GetCapacity() const { return GetCount(); }
  virtual void* GetObject(int index) const { return nullptr; }
  virtual void Put(int index, const std::u16string& s);
  virtual void PutObject(int index, void* obj) { FModified = true; }
  virtual void SetCapacity(int) {}
  virtual void SetUpdateState(bool) {}

  // The items joined with CR LF (none after the last), U+FEFF first when
  // the byte-order-mark flag is set.
  virtual std::u16string GetTextStr() const;
  // Replaces the items with the lines of text: CR LF, lone CR and lone LF
  // each end a line; a final break adds no empty item; a leading U+FEFF is
  // skipped.
  virtual void SetTextStr(std::u16string_view text);

  // -1, 0, 1 under the key collation (case-insensitive).
  virtual int CompareStrings(const std::u16string& a, const std::u16string& b) const;

  virtual int Add(const std::u16string& s);
  virtual int AddObject(const std::u16string& s, void* obj);
  virtual void AddStrings(const TWideStrings& source, TWideStringsCompare compare = nullptr);
  virtual void Exchange(int i, int j);
  // Binary search; on success index is the lowest equal item, else -1.
  virtual bool Find(const std::u16string& s, int& index,
                    TWideStringsCompare compare = nullptr) const;
  // Binary insertion from the front; an equal string goes after the equal
  // item the bisection reached. Returns the index inserted at.
  virtual int AddSorted(const std::u16string& s, TWideStringsCompare compare = nullptr);
  virtual int IndexOf(const std::u16string& s) const;
  virtual int IndexOfName(const std::u16string& name) const;
  virtual int IndexOfObject(const void* obj) const;
  virtual void InsertObject(int index, const std::u16string& s, void* obj);
  virtual void Sort(TWideStringsCompare compare = nullptr);
  virtual void SortRange(int first, int last, TWideStringsCompare compare = nullptr);
  // Reads a UTF-16LE file (with or without mark) up to its first U+0000.
  // The name is stored first, so a failed load still changes FileName().
  virtual void LoadFromFile(const std::u16string& name);
  virtual void LoadFromStream(TStream& stream);
  // Writes mark + text as UTF-16LE; an empty list gives a zero-byte file.
  // An empty name means the stored file name.
  virtual void SaveToFile(const std::u16string& name);
  // Writes the text with line breaks adjusted (CR LF), no mark.
  virtual void SaveToStream(TStream& stream) const;
  virtual void Move(int from, int to);
  virtual int CompareNames(const std::u16string& a, const std::u16string& b) const;

  // Copies the items, objects and the byte-order-mark flag of source.
  virtual void Assign(const TWideStrings& source);

  void BeginUpdate();
  void EndUpdate();

  char16_t NameValueSeparator() const;
  void SetNameValueSeparator(char16_t c);
  bool Modified() const { return FModified; }
  bool WriteBOM() const { return FWriteBOM; }
  void SetWriteBOM(bool on) { FWriteBOM = on; }
  const std::u16string& FileName() const { return FFileName; }
  int UpdateCount() const { return FUpdateCount; }

  std::u16string operator[](int index) const { return Get(index); }

protected:
  static int DefaultCompare(const TWideStrings& list, const std::u16string& a,
                            const std::u16string& b);
  [[noreturn]] static void Error(int index);

  bool FModified = false;

private:
  void QuickSort(int first, int last, TWideStringsCompare compare);

  char16_t FNameValueSeparator = u'=';
  int FUpdateCount = 0;
  bool FWriteBOM = false;
  std::u16string FFileName;
};

// The concrete list. Owns its strings, not the objects they refer to.
class TWideStringList : public TWideStrings {
public:
  using TNotifyEvent = std::function<void(TWideStringList&)>;

  std::u16string Get(int index) const override;
  int GetCount() const override { return static_cast<int>(FCount); }
  int GetCapacity() const override { return static_cast<int>(FItems.size()); }
  void* GetObject(int index) const override;
  void Put(int index, const std::u16string& s) override;
  void PutObject(int index, void* obj) override;
  void SetCapacity(int n) override;
  void SetUpdateState(bool updating) override;
  int Add(const std::u16string& s) override;
  int AddObject(const std::u16string& s, void* obj) override;
  void Clear() override;
  void Delete(int index) override;
  void Exchange(int i, int j) override;
  int IndexOf(const std::u16string& s) const override;
  void Insert(int index, const std::u16string& s) override;
  void InsertObject(int index, const std::u16string& s, void* obj) override;

  // Direct read access without a copy.
  const std::u16string& Strings(int index) const;

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

protected:
  virtual void Changed();
  virtual void Changing();
  virtual void InsertItem(int index, const std::u16string& s, void* obj);

private:
  struct TItem {
    std::u16string FString;
    void* FObject = nullptr;
  };
  void Grow();

  std::vector<TItem> FItems;  // size() is the capacity
  size_t FCount = 0;
};

// ------------------------------------------------------------------ timer

// A millisecond stopwatch.
class TMSTimer {
public:
  TMSTimer() { Start(); }
  void Start();
  // Whole milliseconds since Start.
  int64_t Elapsed() const;

private:
  int64_t FStartMs = 0;
};

}  // namespace zentrok
