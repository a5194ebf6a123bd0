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

// GetFileType results.
inline constexpr std::uint32_t kFileTypeUnknown = 0;
inline constexpr std::uint32_t kFileTypeDisk = 1;
inline constexpr std::uint32_t kFileTypeChar = 2;
inline constexpr std::uint32_t kFileTypePipe = 3;

// SetFilePointer move methods.
inline constexpr std::uint32_t kFileBegin = 0;
inline constexpr std::uint32_t kFileCurrent = 1;
inline constexpr std::uint32_t kFileEnd = 2;

inline constexpr std::uint32_t kInvalidFileSize = 0xFFFFFFFFu;
inline constexpr std::uint32_t kInvalidSetFilePointer = 0xFFFFFFFFu;

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
Handle CreateFile(const char* path, std::uint32_t access, std::uint32_t disposition);

bool ReadFile(Handle handle, void* buffer, std::uint32_t count, std::uint32_t* read);
bool WriteFile(Handle handle, const void* buffer, std::uint32_t count, std::uint32_t* written);
std::uint32_t GetFileSize(Handle handle);
std::uint32_t SetFilePointer(Handle handle, std::int32_t distance, std::uint32_t method);
bool SetEndOfFile(Handle handle);
bool CloseHandle(Handle handle);

// GetCurrentDirectoryA with a 261-byte buffer: the text up to the first NUL, empty on failure.
std::string GetCurrentDirectory();

// FindFirstFileA + FindClose: whether an entry of that name exists, and whether it is a directory.
bool FindFirstFile(const char* path, bool* isDirectory);

}  // namespace zaveredo::platform
