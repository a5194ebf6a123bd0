#include <cerrno>

#include "platform/files.h"
#include "platform/posix/last_error.h"

namespace zaveredo::platform {
namespace {

thread_local std::uint32_t lastError = 0;

}  // namespace

std::uint32_t GetLastError() {
  return lastError;
}

namespace posix {

void SetLastError(std::uint32_t code) {
  lastError = code;
}

void SetLastErrorFromErrno(int errnoValue) {
  lastError = Win32CodeOfErrno(errnoValue);
}

// Beyond the codes the messages are keyed on, a few errno values get the Win32 code Windows
// reports for the same situation; anything else is a general failure (31). Two of them a user
// meets in a report of their own:
// - EIO, the device or file system failed the request (a disk going bad, a network file
//   system losing its server): ERROR_IO_DEVICE, 1117, "The request could not be performed
//   because of an I/O device error", what Windows reports for such failures.
// - EFBIG, a write beyond the file-size limit (ulimit -f, SIGXFSZ being ignored) or beyond the
//   largest file the file system holds: ERROR_FILE_TOO_LARGE, 223, "The file size exceeds the
//   limit allowed and cannot be saved". Not ERROR_DISK_FULL (112): the disk has room, and a
//   user told "disk full" would look for space in the wrong place.
std::uint32_t Win32CodeOfErrno(int errnoValue) {
  struct Mapping {
    int errnoValue;
    std::uint32_t code;
  };
  static constexpr Mapping kMappings[] = {
      {0, 0},
      {ENOENT, kErrorFileNotFound},
      {ENOTDIR, kErrorPathNotFound},
      {EMFILE, kErrorTooManyOpenFiles},
      {ENFILE, kErrorTooManyOpenFiles},
      {EACCES, kErrorAccessDenied},
      {EPERM, kErrorAccessDenied},
      {EISDIR, kErrorAccessDenied},
      {EROFS, kErrorAccessDenied},
      {EBADF, kErrorInvalidHandle},
      {ENOSPC, kErrorDiskFull},
      {EDQUOT, kErrorDiskFull},
      {EPIPE, kErrorNoData},
      {ENOMEM, kErrorNotEnoughMemory},
      {EINVAL, kErrorInvalidParameter},
      {ESPIPE, kErrorInvalidFunction},
      {ENAMETOOLONG, kErrorFilenameExcedRange},
      {EFBIG, kErrorFileTooLarge},
      {EIO, kErrorIoDevice},
      {ELOOP, kErrorCantResolveFilename},
  };
  for (const Mapping& mapping : kMappings)
    if (mapping.errnoValue == errnoValue) return mapping.code;
  return kErrorGenFailure;
}

}  // namespace posix
}  // namespace zaveredo::platform
