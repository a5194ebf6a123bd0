// Files and the console handles, shaped after the Win32 calls the text streams are built on.
// Every failing call leaves its Win32 error code for GetLastError.
#pragma once

#include <cstdint>
#include <string>

namespace zaveredo::platform {

using Handle = std::intptr_t;
inline constexpr Handle kInvalidHandle = -1;

// GetStdHandle ids.
inline constexpr int kStdInputHandle = -10;
inline constexpr int kStdOutputHandle = -11;
inline constexpr int kStdErrorHandle = -12;

// Desired access and creation dispositions of CreateFileA.
inline constexpr std::uint32_t kGenericRead = 0x80000000u;
inline constexpr std::uint32_t kGenericWrite = 0x40000000u;
inline constexpr std::uint32_t kCreateAlways = 2;
inline constexpr std::uint32_t kOpenExisting = 3;
inline constexpr std::uint32_t kOpenAlways = 4;

// GetFileType results.
inline constexpr std::uint32_t kFileTypeUnknown = 0;
inline constexpr std::uint32_t kFileTypeDisk = 1;
inline constexpr std::uint32_t kFileTypeChar = 2;
inline constexpr std::uint32_t kFileTypePipe = 3;

// SetFilePointerEx move methods.
inline constexpr std::uint32_t kFileBegin = 0;
inline constexpr std::uint32_t kFileCurrent = 1;
inline constexpr std::uint32_t kFileEnd = 2;

// Win32 error codes the program's messages are keyed on.
inline constexpr std::uint32_t kErrorFileNotFound = 2;
inline constexpr std::uint32_t kErrorPathNotFound = 3;
inline constexpr std::uint32_t kErrorTooManyOpenFiles = 4;
inline constexpr std::uint32_t kErrorAccessDenied = 5;
inline constexpr std::uint32_t kErrorInvalidHandle = 6;
inline constexpr std::uint32_t kErrorSharingViolation = 32;
inline constexpr std::uint32_t kErrorBrokenPipe = 109;
inline constexpr std::uint32_t kErrorDiskFull = 112;
inline constexpr std::uint32_t kErrorNoData = 232;

// The error code of the last failing call on this thread.
std::uint32_t GetLastError();

Handle GetStdHandle(int which);
std::uint32_t GetFileType(Handle handle);

// Opens with FILE_SHARE_READ and FILE_ATTRIBUTE_NORMAL. A handle opened for writing is held:
// another writer is refused with code 32, before anything of the file is truncated.
// POSIX, where other programs can write the file all the same: a handle opened for writing
// appends, so every write lands at the file's current end wherever the position was moved; and
// a file that is the process's own standard input, output or error is refused with code 32,
// as Windows refuses a second writer. A failed open creates nothing. Only kCreateAlways
// truncates; kOpenAlways creates a missing file and leaves an existing one as it is.
Handle CreateFile(const char* path, std::uint32_t access, std::uint32_t disposition);

// Windows: a console read that Ctrl-C or Ctrl-Break interrupts does not return before the
// system's default handler has had its time to end the process: the empty read is no end of
// the input. (On Linux the terminal's SIGINT ends the process before any read returns.)
bool ReadFile(Handle handle, void* buffer, std::uint32_t count, std::uint32_t* read);
bool WriteFile(Handle handle, const void* buffer, std::uint32_t count, std::uint32_t* written);
// GetFileSizeEx and SetFilePointerEx: sizes and positions with all 64 bits. The position
// reached is stored in *position when it is not null.
bool GetFileSizeEx(Handle handle, std::int64_t* size);
bool SetFilePointerEx(Handle handle, std::int64_t distance, std::uint32_t method,
                      std::int64_t* position);
bool SetEndOfFile(Handle handle);
bool CloseHandle(Handle handle);

// GetFileInformationByHandle's volume serial number and file index: together they tell one file
// from every other on the machine, whatever names lead to it.
struct FileId {
  std::uint64_t volume;
  std::uint64_t index;
  bool operator==(const FileId&) const = default;
};

bool GetFileId(Handle handle, FileId* id);
// The id of the file or directory the name leads to now. It opens nothing for reading or
// writing, so neither a lock nor a sharing rule stands in its way. False with
// kErrorFileNotFound or kErrorPathNotFound when the name leads nowhere.
bool GetFileIdOfName(const char* path, FileId* id);

// GetCurrentDirectoryA with a buffer as large as the path needs: the full path, of any length,
// without a trailing separator except for a root. A directory removed while the process works
// in it gives the path it had and *removed true. Empty on failure.
std::string GetCurrentDirectory(bool* removed);

// FindFirstFileA + FindClose: whether an entry of that name exists, and whether it is a directory.
// False with the last error set: kErrorFileNotFound or kErrorPathNotFound when there is
// definitely no such entry, any other code when the search itself failed.
bool FindFirstFile(const char* path, bool* isDirectory);

}  // namespace zaveredo::platform
