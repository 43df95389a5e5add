// Small text, number and file helpers.
#pragma once

#include <string>
#include <string_view>

namespace zentrok {

// The invalid file handle returned by WideFileCreate and WideFileOpen.
inline constexpr int INVALID_HANDLE_VALUE = -1;

// Copies at most maxLen characters of src into dest and terminates it with
// U+0000 (dest must hold maxLen + 1 characters). An empty src leaves dest
// unchanged.
void WideStrPLCopy(char16_t* dest, std::u16string_view src, int maxLen);

// The plural-form class of n for choosing among three forms of a counted
// word: 0 for 1, 21, 31 ... (not 11); 1 for 2-4, 22-24 ... (not 12-14);
// 2 for everything else, every negative n included.
int PluralClass(int n);

// Removes every ch from the first count characters of buf, compacting to the
// left; the freed positions at the end of the count are set to U+0000.
void StripChar(char16_t* buf, int count, char16_t ch);

// Replaces the extension of path in place: the file-name part is cut before
// its first "." and "." + extension is appended. Folders keep their dots;
// both "/" and "\" delimit folders.
void SetFileExtension(std::string& path, std::string_view extension);

// Inserts CR before every LF that does not follow a CR. A lone CR stays.
std::u16string WideAdjustLineBreaks(std::u16string_view text);

// Creates (or truncates) a file for reading and writing; returns a file
// descriptor or INVALID_HANDLE_VALUE. The name is UTF-16 and is handed to
// the file system as UTF-8. The second form ignores `rights`.
int WideFileCreate(std::u16string_view fileName);
int WideFileCreate(std::u16string_view fileName, int rights);

// Opens an existing file. Mode: low two bits access (0 read, 1 write, 2 read
// and write); bits 4-7 sharing (0x00..0x40). Access 3 or sharing above 0x40
// returns INVALID_HANDLE_VALUE without trying to open. Sharing cannot be
// enforced on this platform and is only validated.
int WideFileOpen(std::u16string_view fileName, int mode);

// Closes a handle from WideFileCreate / WideFileOpen.
void WideFileClose(int handle);

// Writes bytes to a temporary file beside path (UTF-8), then renames it
// over path, so a failed write never leaves a truncated or lost file. An
// existing file keeps its permission bits. Raises EFCreateError ("Cannot
// create file ...") with the full path and the system's error text when the
// file cannot be written, the disk is full, or the rename fails.
void SaveFileAtomic(std::string_view path, const void* data, size_t size);

// The absolute form of a UTF-8 path (relative to the current folder), as
// used in error messages.
std::string ExpandFileName(std::string_view path);

}  // namespace zentrok
